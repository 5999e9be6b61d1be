#include <gtest/gtest.h>

#include <filesystem>

#include "support/cli_run.h"
#include "support/program_run.h"
#include "support/temp_dir.h"

namespace quorvel::cli {
namespace {

using test::CliResult;
using test::RunProgram;
using test::RunQuorvel;
using test::TempDir;
using test::WriteBytes;

void WriteList(const TempDir& dir, const std::string& lines) {
    WriteBytes(dir / "list.lcv", lines);
}

TEST(CliSystems, BothModesStakeTheTranslatedSystem) {
    TempDir dir;
    std::filesystem::create_directories(dir / "Systems");
    WriteBytes(dir / "Systems" / "3-04-0_0001.dat", "04 01 03\r\n1,2,3\r\n");
    WriteList(dir, "5;1;5\r\n2;9;1\r\n2;5;9\r\n");
    const std::string combs = (dir / "list.lcv").string();

    CliResult all = RunQuorvel(dir, {"systems", "stake", "--all", "--combs", combs, "--draw", "40"});
    ASSERT_EQ(all.Code, 0) << all.Err;
    EXPECT_EQ(all.Out, "Ставок: 2\n");
    CliResult some =
        RunQuorvel(dir, {"systems", "stake", "--filtered", "--combs", combs, "--comment", "Моя"});
    ASSERT_EQ(some.Code, 0) << some.Err;
    CliResult list = RunQuorvel(dir, {"stakes", "list"});
    EXPECT_EQ(list.Out,
              "40;Система;2;5;9;2;;;;0.00;Системная игра для 4 чисел [вся система]: 3-04-0_0001\n"
              "40;Система;1;2;5;2;;;;0.00;Системная игра для 4 чисел [вся система]: 3-04-0_0001\n"
              ";;;;;;;;\n"
              "1;Система;2;5;9;3;;;;0.00;Моя\n");

    // The same numbers with none of the system's combinations: nothing to stake is told, not an
    // error; the group still starts with its separator.
    WriteBytes(dir / "none.lcv", "5;1;9\r\n9;2;1\r\n");
    CliResult none =
        RunQuorvel(dir, {"systems", "stake", "--filtered", "--combs", (dir / "none.lcv").string()});
    EXPECT_EQ(none.Code, 0) << none.Err;
    EXPECT_EQ(none.Err, "");
    EXPECT_EQ(none.Out, "Ни одной комбинации системы нет в списке комбинаций!\nСтавок: 5\n");
    EXPECT_EQ(RunQuorvel(dir, {"stakes", "list"}).Out.substr(list.Out.size()), ";;;;;;;;\n");

    CliResult listed = RunQuorvel(dir, {"systems"});
    ASSERT_EQ(listed.Code, 0) << listed.Err;
    EXPECT_EQ(
        listed.Out.substr(0, listed.Out.find('\n')),
        "Название;Автор;Числа;Блок;Комбинаций;Дата создания;Последняя;Статус;Загрузок;Комментарии;Ссылка");
    EXPECT_NE(listed.Out.find("\n3-04-0_0001;;04;0;2;"), std::string::npos);
}

TEST(CliSystems, WrongRequestsAndMissingSystemsAreRefused) {
    TempDir dir;
    WriteList(dir, "1;1;2\r\n2;2;1\r\n");
    const std::string combs = (dir / "list.lcv").string();
    EXPECT_EQ(RunQuorvel(dir, {"systems", "stake", "--combs", combs}).Code, 1);
    EXPECT_EQ(RunQuorvel(dir, {"systems", "stake", "--all", "--filtered"}).Code, 1);
    EXPECT_EQ(RunQuorvel(dir, {"systems", "stake", "--all", "--comment", " "}).Err,
              "Необходимо ввести комментарий!\n");
    // Two distinct values: no system has so few numbers.
    CliResult few = RunQuorvel(dir, {"systems", "stake", "--all", "--combs", combs});
    EXPECT_EQ(few.Code, 1);
    EXPECT_NE(few.Err.find("Система для 2 чисел не найдена или не загружена на компьютер!"),
              std::string::npos);
    EXPECT_EQ(RunQuorvel(dir, {"stakes", "list"}).Out, "");
    EXPECT_EQ(RunQuorvel(dir, {"systems", "unknown"}).Code, 2);
}

TEST(CliSystems, AFreshInstallPlaysWithTheShippedSystems) {
    TempDir dir;
    WriteList(dir, "5;1;5\r\n2;9;1\r\n");
    CliResult played = RunProgram(dir, "systems stake --all --combs '" + (dir / "list.lcv").string() + "'");
    ASSERT_EQ(played.Code, 0) << played.Err;
    EXPECT_EQ(played.Out, "Ставок: 4\n");
    EXPECT_TRUE(std::filesystem::exists(dir / "Systems" / "3-10-0_0010.dat"));
    CliResult listed = RunProgram(dir, "systems");
    EXPECT_NE(listed.Out.find("Полная система для 10 чисел;Quorvel 3r10;10;0;120;"), std::string::npos);
}

}  // namespace
}  // namespace quorvel::cli
