#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "cli.h"
#include "support/temp_dir.h"
#include "util/codepage.h"

namespace quorvel::cli {
namespace {

using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

struct Result {
    int code;
    std::string out;
    std::string err;
};

// The decimal separator is process-wide, so every run names its own.
Result Quorvel(const TempDir& dir, std::vector<std::string> args, const std::string& answer = "--yes",
               const std::string& separator = ".") {
    args.insert(args.begin(), {"--data-dir", dir.Path().string(), answer, "--decimal-separator", separator});
    std::ostringstream out, err;
    int code = RunCli(args, out, err);
    return {code, out.str(), err.str()};
}

// A stake cost of 1 and one prize row: 500 for three matches.
void WritePrizeTable(const TempDir& dir) {
    WriteBytes(dir / "Quorvel_3r10.ini",
               "[STAKES]\r\nCost=1\r\nProfits=1\r\nProfit_0_Overlap=3\r\nProfit_0_Profit=500\r\n");
}

TEST(CliStakes, ProfitsOfTheAcceptanceExampleAfterTheDrawArrives) {
    TempDir dir;
    WritePrizeTable(dir);
    ASSERT_EQ(Quorvel(dir, {"add", "99", "0;0;0"}).code, 0);
    Result added = Quorvel(dir, {"stakes", "add", "1;2;3", "--comment", "Мой"});
    ASSERT_EQ(added.code, 0) << added.err;
    EXPECT_EQ(added.out, "Ставок: 1\n");
    ASSERT_EQ(Quorvel(dir, {"stakes", "add", "--draw", "100", "1;2;9"}).code, 0);
    EXPECT_EQ(Quorvel(dir, {"stakes", "check"}).out, "Проверено ставок: 0\n");
    ASSERT_EQ(Quorvel(dir, {"add", "100", "1;2;3"}).code, 0);
    EXPECT_EQ(Quorvel(dir, {"stakes", "check"}).out, "Проверено ставок: 2\n");
    Result list = Quorvel(dir, {"stakes", "list"});
    ASSERT_EQ(list.code, 0) << list.err;
    EXPECT_EQ(list.out,
              "100;Вручную;1;2;3;1000;1;2;3;3;1 2 3;499.00;Мой\n"
              "100;Вручную;1;2;9;1000;1;2;3;2;1 2;-1.00;Ставка \"вручную\"\n");
    Result rating = Quorvel(dir, {"rating", "--sort", "4", "--desc", "--mode", "0"});
    ASSERT_EQ(rating.code, 0) << rating.err;
    EXPECT_EQ(rating.out,
              "Комментарий;Ставок;Угадано;Среднее;Профит;Ср. профит;0;1;2;3;E0;E1;E2;E3\n"
              "Мой;1;3;3.000;499.00;499.00;0;0;0;1;1;0;0;0\n"
              "Ставка \"вручную\";1;2;2.000;-1.00;-1.00;0;0;1;0;1;0;0;0\n");
}

TEST(CliStakes, TheDialogChecksTheValuesThenTheComment) {
    TempDir dir;
    EXPECT_EQ(Quorvel(dir, {"stakes", "add", "1;2;10"}).err, "Введена некорректная комбинация!\n");
    EXPECT_EQ(Quorvel(dir, {"stakes", "add", "1;2"}).err, "Введена некорректная комбинация!\n");
    EXPECT_EQ(Quorvel(dir, {"stakes", "add", "1;2;3", "--comment", " "}).err,
              "Необходимо ввести комментарий!\n");
    EXPECT_EQ(Quorvel(dir, {"stakes", "add", "1;2;3", "--draws", "65536"}).code, 1);
    EXPECT_EQ(Quorvel(dir, {"stakes", "add", "1;2;3", "--draw", "0"}).code, 1);
    EXPECT_EQ(Quorvel(dir, {"stakes", "list"}).out, "");
    EXPECT_EQ(Quorvel(dir, {"stakes", "frobnicate"}).code, 1);
}

TEST(CliStakes, SeveralDrawsAfterARealStakeAreSeparated) {
    TempDir dir;
    ASSERT_EQ(Quorvel(dir, {"stakes", "add", "--draw", "50", "5;5;5"}).code, 0);
    ASSERT_EQ(Quorvel(dir, {"stakes", "add", "--draw", "100", "1;2;3", "--draws", "3"}).code, 0);
    Result list = Quorvel(dir, {"stakes", "list"});
    std::istringstream lines(list.out);
    std::vector<std::string> draws;
    for (std::string line; std::getline(lines, line);)
        draws.push_back(line.substr(0, line.find(';')));
    EXPECT_EQ(draws, (std::vector<std::string>{"50", "", "100", "", "101", "", "102"}));
    EXPECT_NE(list.out.find("\n;;;;;;;;\n"), std::string::npos);
    EXPECT_EQ(ReadBytes(dir / "Quorvel_3r10.lsk").size(), 7u * 304);
}

TEST(CliStakes, DeletingByConditionKeepsSeparators) {
    TempDir dir;
    ASSERT_EQ(Quorvel(dir, {"add", "1", "1;2;3"}).code, 0);
    ASSERT_EQ(Quorvel(dir, {"stakes", "add", "--draw", "1", "1;2;3", "--draws", "2"}).code, 0);
    ASSERT_EQ(Quorvel(dir, {"stakes", "add", "--draw", "1", "0;0;0"}).code, 0);
    EXPECT_EQ(Quorvel(dir, {"stakes", "delete", "--matches", "=", "0"}).out, "Ставок: 3\n");
    EXPECT_EQ(Quorvel(dir, {"stakes", "delete", "--matches", "<=", "0"}).out,
              "Ставок: 2\n");  // the unchecked one
    EXPECT_EQ(Quorvel(dir, {"stakes", "list"}).out.substr(0, 2), "1;");
    EXPECT_EQ(Quorvel(dir, {"stakes", "delete", "--matches", "=>", "0"}).code, 1);
    EXPECT_EQ(Quorvel(dir, {"stakes", "delete", "--matches", "=", "4"}).code, 1);
    EXPECT_FALSE(std::filesystem::exists(dir / "Quorvel_3r10.~tmp"));
}

TEST(CliRating, CaseInsensitiveRowsRebuildAndExport) {
    TempDir dir;
    ASSERT_EQ(Quorvel(dir, {"add", "1", "1;2;3"}).code, 0);
    ASSERT_EQ(Quorvel(dir, {"stakes", "add", "--draw", "1", "1;2;3", "--comment", "Мой"}).code, 0);
    ASSERT_EQ(Quorvel(dir, {"stakes", "add", "--draw", "1", "1;0;0", "--comment", "мой"}).code, 0);
    Result rating = Quorvel(dir, {"rating"});
    EXPECT_NE(rating.out.find("\nМой;2;4;2.000;0.00;0.00;0;1;0;1;-72.900%;"), std::string::npos)
        << rating.out;
    EXPECT_EQ(std::count(rating.out.begin(), rating.out.end(), '\n'), 2);

    ASSERT_EQ(Quorvel(dir, {"stakes", "delete", "--matches", "=", "1"}).code, 0);
    EXPECT_EQ(Quorvel(dir, {"rating", "rebuild"}, "--no").code, 1);
    EXPECT_NE(Quorvel(dir, {"rating"}).out.find("\nМой;2;"), std::string::npos);
    EXPECT_EQ(Quorvel(dir, {"rating", "rebuild"}).out, "Рейтинг: 1\n");
    EXPECT_NE(Quorvel(dir, {"rating"}).out.find("\nМой;1;3;"), std::string::npos);

    Result exported = Quorvel(dir, {"rating", "export", (dir / "r.csv").string()}, "--yes", ",");
    ASSERT_EQ(exported.code, 0) << exported.err;
    EXPECT_EQ(ReadBytes(dir / "r.csv"),
              Utf8ToCp1251(
                  "\"Комментарий\";\"Ставок\";\"Угадано\";\"Среднее\";\"Профит\";\"Ср. профит\";\"0\";\"1\";"
                  "\"2\";\"3\";\"E0\";\"E1\";\"E2\";\"E3\"\r\n\"Мой\";1;3;3,000;0,00;0,00;0;0;0;1\r\n"));
}

}  // namespace
}  // namespace quorvel::cli
