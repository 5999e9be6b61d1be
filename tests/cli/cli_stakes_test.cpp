#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "core/util/codepage.h"
#include "support/cli_run.h"
#include "support/temp_dir.h"

namespace quorvel::cli {
namespace {

using test::CliResult;
using test::ReadBytes;
using test::RunQuorvel;
using test::TempDir;
using test::WriteBytes;

// A stake cost of 1 and one prize row: 500 for three matches.
void WritePrizeTable(const TempDir& dir) {
    WriteBytes(dir / "Quorvel_3r10.ini",
               "[STAKES]\r\nCost=1\r\nProfits=1\r\nProfit_0_Overlap=3\r\nProfit_0_Profit=500\r\n");
}

TEST(CliStakes, ProfitsOfTheAcceptanceExampleAfterTheDrawArrives) {
    TempDir dir;
    WritePrizeTable(dir);
    ASSERT_EQ(RunQuorvel(dir, {"add", "99", "0;0;0"}).Code, 0);
    CliResult added = RunQuorvel(dir, {"stakes", "add", "1;2;3", "--comment", "Мой"});
    ASSERT_EQ(added.Code, 0) << added.Err;
    EXPECT_EQ(added.Out, "Ставок: 1\n");
    ASSERT_EQ(RunQuorvel(dir, {"stakes", "add", "--draw", "100", "1;2;9"}).Code, 0);
    EXPECT_EQ(RunQuorvel(dir, {"stakes", "check"}).Out, "Проверено ставок: 0\n");
    ASSERT_EQ(RunQuorvel(dir, {"add", "100", "1;2;3"}).Code, 0);
    EXPECT_EQ(RunQuorvel(dir, {"stakes", "check"}).Out, "Проверено ставок: 2\n");
    CliResult list = RunQuorvel(dir, {"stakes", "list"});
    ASSERT_EQ(list.Code, 0) << list.Err;
    EXPECT_EQ(list.Out,
              "100;Вручную;1;2;3;1000;1;2;3;3;1 2 3;499.00;Мой\n"
              "100;Вручную;1;2;9;1000;1;2;3;2;1 2;-1.00;Ставка \"вручную\"\n");
    CliResult rating = RunQuorvel(dir, {"rating", "--sort", "4", "--desc", "--mode", "0"});
    ASSERT_EQ(rating.Code, 0) << rating.Err;
    EXPECT_EQ(rating.Out,
              "Комментарий;Ставок;Угадано;Среднее;Профит;Ср. профит;0;1;2;3;E0;E1;E2;E3\n"
              "Мой;1;3;3.000;499.00;499.00;0;0;0;1;1;0;0;0\n"
              "Ставка \"вручную\";1;2;2.000;-1.00;-1.00;0;0;1;0;1;0;0;0\n");

    // By chance one stake matches all three positions once in 1000 draws, at least two in 28.
    CliResult significance = RunQuorvel(dir, {"rating", "significance", "--csv", (dir / "p.csv").string()});
    ASSERT_EQ(significance.Code, 0) << significance.Err;
    const std::string table =
        "Комментарий;Ставок;Тиражей;Угадано;Ожидается;p (угадано);q (угадано);3;Ожидается 3;p (3);q (3)\n"
        "Мой;1;1;3;0.300;0.001;0.002;1;0.001;0.001;0.002\n"
        "Ставка \"вручную\";1;1;2;0.300;0.028;0.028;0;0.001;1;1\n";
    EXPECT_EQ(significance.Out,
              table + "Строк: 2; q (угадано) <= 0.05: 2; случайно ожидается p <= 0.05: 0.10\n");
    // The file is written as the rating export is, in the Windows Cyrillic code page.
    EXPECT_NE(ReadBytes(dir / "p.csv").find(Utf8ToCp1251("Мой;1;1;3;0.300;0.001;0.002")), std::string::npos);
    EXPECT_EQ(RunQuorvel(dir, {"rating", "significance", "--frobnicate"}).Code, 2);
}

TEST(CliStakes, TheDialogChecksTheValuesThenTheComment) {
    TempDir dir;
    EXPECT_EQ(RunQuorvel(dir, {"stakes", "add", "1;2;10"}).Err, "Введена некорректная комбинация!\n");
    EXPECT_EQ(RunQuorvel(dir, {"stakes", "add", "1;2"}).Err, "Введена некорректная комбинация!\n");
    EXPECT_EQ(RunQuorvel(dir, {"stakes", "add", "1;2;3", "--comment", " "}).Err,
              "Необходимо ввести комментарий!\n");
    EXPECT_EQ(RunQuorvel(dir, {"stakes", "add", "1;2;3", "--draws", "65536"}).Code, 1);
    EXPECT_EQ(RunQuorvel(dir, {"stakes", "add", "1;2;3", "--draw", "0"}).Code, 1);
    EXPECT_EQ(RunQuorvel(dir, {"stakes", "list"}).Out, "");
    EXPECT_EQ(RunQuorvel(dir, {"stakes", "frobnicate"}).Code, 2);
}

TEST(CliStakes, SeveralDrawsAfterARealStakeAreSeparated) {
    TempDir dir;
    ASSERT_EQ(RunQuorvel(dir, {"stakes", "add", "--draw", "50", "5;5;5"}).Code, 0);
    ASSERT_EQ(RunQuorvel(dir, {"stakes", "add", "--draw", "100", "1;2;3", "--draws", "3"}).Code, 0);
    CliResult list = RunQuorvel(dir, {"stakes", "list"});
    std::istringstream lines(list.Out);
    std::vector<std::string> draws;
    for (std::string line; std::getline(lines, line);)
        draws.push_back(line.substr(0, line.find(';')));
    EXPECT_EQ(draws, (std::vector<std::string>{"50", "", "100", "", "101", "", "102"}));
    EXPECT_NE(list.Out.find("\n;;;;;;;;\n"), std::string::npos);
    EXPECT_EQ(ReadBytes(dir / "Quorvel_3r10.lsk").size(), 7u * 304);
}

TEST(CliStakes, DeletingByConditionKeepsSeparators) {
    TempDir dir;
    ASSERT_EQ(RunQuorvel(dir, {"add", "1", "1;2;3"}).Code, 0);
    ASSERT_EQ(RunQuorvel(dir, {"stakes", "add", "--draw", "1", "1;2;3", "--draws", "2"}).Code, 0);
    ASSERT_EQ(RunQuorvel(dir, {"stakes", "add", "--draw", "1", "0;0;0"}).Code, 0);
    EXPECT_EQ(RunQuorvel(dir, {"stakes", "delete", "--matches", "=", "0"}).Out, "Ставок: 3\n");
    EXPECT_EQ(RunQuorvel(dir, {"stakes", "delete", "--matches", "<=", "0"}).Out,
              "Ставок: 2\n");  // the unchecked one
    EXPECT_EQ(RunQuorvel(dir, {"stakes", "list"}).Out.substr(0, 2), "1;");
    EXPECT_EQ(RunQuorvel(dir, {"stakes", "delete", "--matches", "=>", "0"}).Code, 1);
    EXPECT_EQ(RunQuorvel(dir, {"stakes", "delete", "--matches", "=", "4"}).Code, 1);
    EXPECT_FALSE(std::filesystem::exists(dir / "Quorvel_3r10.~tmp"));
}

TEST(CliRating, CaseInsensitiveRowsRebuildAndExport) {
    TempDir dir;
    ASSERT_EQ(RunQuorvel(dir, {"add", "1", "1;2;3"}).Code, 0);
    ASSERT_EQ(RunQuorvel(dir, {"stakes", "add", "--draw", "1", "1;2;3", "--comment", "Мой"}).Code, 0);
    ASSERT_EQ(RunQuorvel(dir, {"stakes", "add", "--draw", "1", "1;0;0", "--comment", "мой"}).Code, 0);
    CliResult rating = RunQuorvel(dir, {"rating"});
    EXPECT_NE(rating.Out.find("\nМой;2;4;2.000;0.00;0.00;0;1;0;1;-72.900%;"), std::string::npos)
        << rating.Out;
    EXPECT_EQ(std::count(rating.Out.begin(), rating.Out.end(), '\n'), 2);

    ASSERT_EQ(RunQuorvel(dir, {"stakes", "delete", "--matches", "=", "1"}).Code, 0);
    EXPECT_EQ(RunQuorvel(dir, {"rating", "rebuild"}, {"--no", "--decimal-separator", "."}).Code, 1);
    EXPECT_NE(RunQuorvel(dir, {"rating"}).Out.find("\nМой;2;"), std::string::npos);
    EXPECT_EQ(RunQuorvel(dir, {"rating", "rebuild"}).Out, "Рейтинг: 1\n");
    EXPECT_NE(RunQuorvel(dir, {"rating"}).Out.find("\nМой;1;3;"), std::string::npos);

    CliResult exported = RunQuorvel(dir, {"rating", "export", (dir / "r.csv").string()},
                                    {"--yes", "--decimal-separator", ","});
    ASSERT_EQ(exported.Code, 0) << exported.Err;
    EXPECT_EQ(ReadBytes(dir / "r.csv"),
              Utf8ToCp1251(
                  "\"Комментарий\";\"Ставок\";\"Угадано\";\"Среднее\";\"Профит\";\"Ср. профит\";\"0\";\"1\";"
                  "\"2\";\"3\";\"E0\";\"E1\";\"E2\";\"E3\"\r\n\"Мой\";1;3;3,000;0,00;0,00;0;0;0;1\r\n"));
}

}  // namespace
}  // namespace quorvel::cli
