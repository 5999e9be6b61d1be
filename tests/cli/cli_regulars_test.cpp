#include <gtest/gtest.h>

#include <sstream>

#include "cli.h"
#include "support/temp_dir.h"

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

Result Quorvel(const TempDir& dir, std::vector<std::string> args) {
    args.insert(args.begin(), {"--data-dir", dir.Path().string(), "--yes", "--decimal-separator", "."});
    std::ostringstream out, err;
    int code = RunCli(args, out, err);
    return {code, out.str(), err.str()};
}

void AddDraws(const TempDir& dir) {
    for (const auto& [number, values] : {std::pair{"10", "1;2;3"}, {"11", "4;4;4"}, {"12", "0;5;9"}})
        ASSERT_EQ(Quorvel(dir, {"add", number, values}).code, 0);
}

TEST(CliRegulars, AddedRegularsAreListedAndTestedOverPastDraws) {
    TempDir dir;
    AddDraws(dir);
    Result added = Quorvel(dir, {"regulars", "add", "Вверх", "--start", "8;9;0"});
    ASSERT_EQ(added.code, 0) << added.err;
    EXPECT_EQ(added.out, "Регулярных ставок: 1\n");
    ASSERT_EQ(Quorvel(dir, {"regulars", "add", "Тираж", "--last-draw", "--step", "-3"}).code, 0);
    EXPECT_EQ(Quorvel(dir, {"regulars"}).out,
              "Комментарий|Стартовая комбинация|Шаг|Текущая комбинация|Ставок\n"
              "Вверх|8;9;0|1|8;9;0|0\n"
              "Тираж|0;0;0|-3|0;0;0|0\n");

    Result tested = Quorvel(dir, {"regulars", "test", "2"});
    ASSERT_EQ(tested.code, 0) << tested.err;
    EXPECT_EQ(tested.out, "Ставок: 4\n");
    EXPECT_EQ(Quorvel(dir, {"regulars", "list"}).out,
              "Комментарий|Стартовая комбинация|Шаг|Текущая комбинация|Ставок\n"
              "Вверх|8;9;0|1|0;1;2|2\n"
              "Тираж|0;0;0|-3|1;1;1|2\n");
    // Offset 2 stakes for draw 11 on draw 10's values, offset 1 for draw 12 on draw 11's; all checked.
    const std::string stakes = Quorvel(dir, {"stakes", "list"}).out;
    EXPECT_NE(stakes.find("11;Регуляр;9;0;1;1000;4;4;4;0;;"), std::string::npos) << stakes;
    EXPECT_NE(stakes.find("11;Регуляр;8;9;0;1000;4;4;4;0;;"), std::string::npos) << stakes;
    EXPECT_NE(stakes.find("12;Регуляр;1;1;1;1000;0;5;9;0;;"), std::string::npos) << stakes;

    // Only the first regular, once more.
    ASSERT_EQ(Quorvel(dir, {"regulars", "test", "1", "--rows", "1"}).code, 0);
    EXPECT_NE(Quorvel(dir, {"regulars"}).out.find("Вверх|8;9;0|1|1;2;3|3\n"), std::string::npos);
}

TEST(CliRegulars, ChosenCombinationsMakeOneRegularEach) {
    TempDir dir;
    AddDraws(dir);
    Result added = Quorvel(dir, {"regulars", "add", "Ряд", "--comb-rows", "3,1,12", "--step", "2"});
    ASSERT_EQ(added.code, 0) << added.err;
    EXPECT_EQ(added.out, "Регулярных ставок: 3\n");
    EXPECT_EQ(Quorvel(dir, {"regulars"}).out,
              "Комментарий|Стартовая комбинация|Шаг|Текущая комбинация|Ставок\n"
              "Ряд (1)|0;0;0|2|0;0;0|0\n"
              "Ряд (3)|0;0;2|2|0;0;2|0\n"
              "Ряд (12)|0;1;1|2|0;1;1|0\n");
}

TEST(CliRegulars, BadEntriesAreRefusedAndTheFileStays) {
    TempDir dir;
    AddDraws(dir);
    ASSERT_EQ(Quorvel(dir, {"regulars", "add", "Мой", "--start", "1;2;3"}).code, 0);
    const std::string before = ReadBytes(dir / "Quorvel_3r10.ltb");
    ASSERT_EQ(before.size(), 272u);

    Result bad = Quorvel(dir, {"regulars", "add", "Другой", "--start", "1;2;10"});
    EXPECT_EQ(bad.code, 1);
    EXPECT_EQ(bad.err, "Введена некорректная комбинация!\n");
    bad = Quorvel(dir, {"regulars", "add", "МОЙ", "--start", "1;2;3"});
    EXPECT_EQ(bad.err,
              "Запись с таким комментарией уже присутствует в списке!\rВыберите другой комментарий.\n");
    bad = Quorvel(dir, {"regulars", "add", " ", "--start", "1;2;3"});
    EXPECT_EQ(bad.err, "Необходимо ввести комментарий!\n");
    EXPECT_EQ(Quorvel(dir, {"regulars", "add", "Шаг", "--step", "10"}).code, 1);
    bad = Quorvel(dir, {"regulars", "test", "3"});
    EXPECT_EQ(bad.code, 1);
    EXPECT_EQ(bad.err, "Укажите количество тестов от 1 до 2\n");
    EXPECT_EQ(Quorvel(dir, {"regulars", "test", "1", "--rows", "2"}).code, 1);
    EXPECT_EQ(ReadBytes(dir / "Quorvel_3r10.ltb"), before);

    // A torn file: the whole record is still listed, the old bytes are kept beside it.
    WriteBytes(dir / "Quorvel_3r10.ltb", before + "abc");
    Result torn = Quorvel(dir, {"regulars"});
    EXPECT_NE(torn.out.find("Мой|1;2;3|1|1;2;3|0"), std::string::npos);
    EXPECT_NE(torn.err.find("Ошибка чтения файла регулярных ставок!"), std::string::npos);
    EXPECT_EQ(ReadBytes(dir / "Quorvel_3r10.ltb.bak"), before + "abc");
}

}  // namespace
}  // namespace quorvel::cli
