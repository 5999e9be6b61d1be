#include <gtest/gtest.h>

#include "support/cli_run.h"
#include "support/temp_dir.h"

namespace quorvel::cli {
namespace {

using test::CliResult;
using test::ReadBytes;
using test::RunQuorvel;
using test::TempDir;
using test::WriteBytes;

void AddDraws(const TempDir& dir) {
    for (const auto& [number, values] : {std::pair{"10", "1;2;3"}, {"11", "4;4;4"}, {"12", "0;5;9"}})
        ASSERT_EQ(RunQuorvel(dir, {"add", number, values}).Code, 0);
}

TEST(CliRegulars, AddedRegularsAreListedAndTestedOverPastDraws) {
    TempDir dir;
    AddDraws(dir);
    CliResult added = RunQuorvel(dir, {"regulars", "add", "Вверх", "--start", "8;9;0"});
    ASSERT_EQ(added.Code, 0) << added.Err;
    EXPECT_EQ(added.Out, "Регулярных ставок: 1\n");
    ASSERT_EQ(RunQuorvel(dir, {"regulars", "add", "Тираж", "--last-draw", "--step", "-3"}).Code, 0);
    EXPECT_EQ(RunQuorvel(dir, {"regulars"}).Out,
              "Комментарий|Стартовая комбинация|Шаг|Текущая комбинация|Ставок\n"
              "Вверх|8;9;0|1|8;9;0|0\n"
              "Тираж|0;0;0|-3|0;0;0|0\n");

    CliResult tested = RunQuorvel(dir, {"regulars", "test", "2"});
    ASSERT_EQ(tested.Code, 0) << tested.Err;
    EXPECT_EQ(tested.Out, "Ставок: 4\n");
    EXPECT_EQ(RunQuorvel(dir, {"regulars", "list"}).Out,
              "Комментарий|Стартовая комбинация|Шаг|Текущая комбинация|Ставок\n"
              "Вверх|8;9;0|1|0;1;2|2\n"
              "Тираж|0;0;0|-3|1;1;1|2\n");
    // Offset 2 stakes for draw 11 on draw 10's values, offset 1 for draw 12 on draw 11's; all checked.
    const std::string stakes = RunQuorvel(dir, {"stakes", "list"}).Out;
    EXPECT_NE(stakes.find("11;Регуляр;9;0;1;1000;4;4;4;0;;"), std::string::npos) << stakes;
    EXPECT_NE(stakes.find("11;Регуляр;8;9;0;1000;4;4;4;0;;"), std::string::npos) << stakes;
    EXPECT_NE(stakes.find("12;Регуляр;1;1;1;1000;0;5;9;0;;"), std::string::npos) << stakes;

    // Only the first regular, once more.
    ASSERT_EQ(RunQuorvel(dir, {"regulars", "test", "1", "--rows", "1"}).Code, 0);
    EXPECT_NE(RunQuorvel(dir, {"regulars"}).Out.find("Вверх|8;9;0|1|1;2;3|3\n"), std::string::npos);
}

TEST(CliRegulars, ChosenCombinationsMakeOneRegularEach) {
    TempDir dir;
    AddDraws(dir);
    CliResult added = RunQuorvel(dir, {"regulars", "add", "Ряд", "--comb-rows", "3,1,12", "--step", "2"});
    ASSERT_EQ(added.Code, 0) << added.Err;
    EXPECT_EQ(added.Out, "Регулярных ставок: 3\n");
    EXPECT_EQ(RunQuorvel(dir, {"regulars"}).Out,
              "Комментарий|Стартовая комбинация|Шаг|Текущая комбинация|Ставок\n"
              "Ряд (1)|0;0;0|2|0;0;0|0\n"
              "Ряд (3)|0;0;2|2|0;0;2|0\n"
              "Ряд (12)|0;1;1|2|0;1;1|0\n");
}

TEST(CliRegulars, BadEntriesAreRefusedAndTheFileStays) {
    TempDir dir;
    AddDraws(dir);
    ASSERT_EQ(RunQuorvel(dir, {"regulars", "add", "Мой", "--start", "1;2;3"}).Code, 0);
    const std::string before = ReadBytes(dir / "Quorvel_3r10.ltb");
    ASSERT_EQ(before.size(), 272u);

    CliResult bad = RunQuorvel(dir, {"regulars", "add", "Другой", "--start", "1;2;10"});
    EXPECT_EQ(bad.Code, 1);
    EXPECT_EQ(bad.Err, "Введена некорректная комбинация!\n");
    bad = RunQuorvel(dir, {"regulars", "add", "МОЙ", "--start", "1;2;3"});
    EXPECT_EQ(bad.Err,
              "Запись с таким комментарией уже присутствует в списке!\rВыберите другой комментарий.\n");
    bad = RunQuorvel(dir, {"regulars", "add", " ", "--start", "1;2;3"});
    EXPECT_EQ(bad.Err, "Необходимо ввести комментарий!\n");
    EXPECT_EQ(RunQuorvel(dir, {"regulars", "add", "Шаг", "--step", "10"}).Code, 1);
    bad = RunQuorvel(dir, {"regulars", "test", "3"});
    EXPECT_EQ(bad.Code, 1);
    EXPECT_EQ(bad.Err, "Укажите количество тестов от 1 до 2\n");
    EXPECT_EQ(RunQuorvel(dir, {"regulars", "test", "1", "--rows", "2"}).Code, 1);
    EXPECT_EQ(ReadBytes(dir / "Quorvel_3r10.ltb"), before);

    // A torn file: the whole record is still listed, the old bytes are kept beside it.
    WriteBytes(dir / "Quorvel_3r10.ltb", before + "abc");
    CliResult torn = RunQuorvel(dir, {"regulars"});
    EXPECT_NE(torn.Out.find("Мой|1;2;3|1|1;2;3|0"), std::string::npos);
    EXPECT_NE(torn.Err.find("Ошибка чтения файла регулярных ставок!"), std::string::npos);
    EXPECT_EQ(ReadBytes(dir / "Quorvel_3r10.ltb.bak"), before + "abc");
}

}  // namespace
}  // namespace quorvel::cli
