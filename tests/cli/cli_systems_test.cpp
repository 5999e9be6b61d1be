#include <gtest/gtest.h>
#include <sys/wait.h>

#include <filesystem>
#include <sstream>

#include "cli.h"
#include "support/temp_dir.h"

namespace quorvel::cli {
namespace {

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

// The installed program, run as a user runs it: its shipped systems lie beside it.
Result Installed(const TempDir& dir, const std::string& args) {
    const std::string command =
        std::string(QUORVEL_CLI_PATH) + " --data-dir '" + dir.Path().string() + "' " + args + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    std::string output;
    char buffer[512];
    while (size_t n = fread(buffer, 1, sizeof buffer, pipe))
        output.append(buffer, n);
    const int status = pclose(pipe);
    return {WEXITSTATUS(status), output, {}};
}

void WriteList(const TempDir& dir, const std::string& lines) {
    WriteBytes(dir / "list.lcv", lines);
}

TEST(CliSystems, BothModesStakeTheTranslatedSystem) {
    TempDir dir;
    std::filesystem::create_directories(dir / "Systems");
    WriteBytes(dir / "Systems" / "3-04-0_0001.dat", "04 01 03\r\n1,2,3\r\n");
    WriteList(dir, "5;1;5\r\n2;9;1\r\n2;5;9\r\n");
    const std::string combs = (dir / "list.lcv").string();

    Result all = Quorvel(dir, {"systems", "stake", "--all", "--combs", combs, "--draw", "40"});
    ASSERT_EQ(all.code, 0) << all.err;
    EXPECT_EQ(all.out, "Ставок: 2\n");
    Result some = Quorvel(dir, {"systems", "stake", "--filtered", "--combs", combs, "--comment", "Моя"});
    ASSERT_EQ(some.code, 0) << some.err;
    Result list = Quorvel(dir, {"stakes", "list"});
    EXPECT_EQ(list.out,
              "40;Система;2;5;9;2;;;;0.00;Системная игра для 4 чисел [вся система]: 3-04-0_0001\n"
              "40;Система;1;2;5;2;;;;0.00;Системная игра для 4 чисел [вся система]: 3-04-0_0001\n"
              ";;;;;;;;\n"
              "1;Система;2;5;9;3;;;;0.00;Моя\n");

    Result listed = Quorvel(dir, {"systems"});
    ASSERT_EQ(listed.code, 0) << listed.err;
    EXPECT_EQ(
        listed.out.substr(0, listed.out.find('\n')),
        "Название;Автор;Числа;Блок;Комбинаций;Дата создания;Последняя;Статус;Загрузок;Комментарии;Ссылка");
    EXPECT_NE(listed.out.find("\n3-04-0_0001;;04;0;2;"), std::string::npos);
}

TEST(CliSystems, WrongRequestsAndMissingSystemsEndWithCodeOne) {
    TempDir dir;
    WriteList(dir, "1;1;2\r\n2;2;1\r\n");
    const std::string combs = (dir / "list.lcv").string();
    EXPECT_EQ(Quorvel(dir, {"systems", "stake", "--combs", combs}).code, 1);
    EXPECT_EQ(Quorvel(dir, {"systems", "stake", "--all", "--filtered"}).code, 1);
    EXPECT_EQ(Quorvel(dir, {"systems", "stake", "--all", "--comment", " "}).err,
              "Необходимо ввести комментарий!\n");
    // Two distinct values: no system has so few numbers.
    Result few = Quorvel(dir, {"systems", "stake", "--all", "--combs", combs});
    EXPECT_EQ(few.code, 1);
    EXPECT_NE(few.err.find("Система для 2 чисел не найдена или не загружена на компьютер!"),
              std::string::npos);
    EXPECT_EQ(Quorvel(dir, {"stakes", "list"}).out, "");
    EXPECT_EQ(Quorvel(dir, {"systems", "unknown"}).code, 1);
}

TEST(CliSystems, AFreshInstallPlaysWithTheShippedSystems) {
    TempDir dir;
    WriteList(dir, "5;1;5\r\n2;9;1\r\n");
    Result played = Installed(dir, "systems stake --all --combs '" + (dir / "list.lcv").string() + "'");
    ASSERT_EQ(played.code, 0) << played.out;
    EXPECT_EQ(played.out, "Ставок: 4\n");
    EXPECT_TRUE(std::filesystem::exists(dir / "Systems" / "3-10-0_0010.dat"));
    Result listed = Installed(dir, "systems");
    EXPECT_NE(listed.out.find("Полная система для 10 чисел;Quorvel 3r10;10;0;120;"), std::string::npos);
}

}  // namespace
}  // namespace quorvel::cli
