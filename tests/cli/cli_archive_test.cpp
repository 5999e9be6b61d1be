#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <sstream>

#include "cli.h"
#include "stakes/stakes_file.h"
#include "support/temp_dir.h"

namespace quorvel::cli {
namespace {

using test::ReadBytes;
using test::TempDir;

struct Result {
    int code;
    std::string out;
    std::string err;
};

Result RunQuorvel(const TempDir& dir, std::vector<std::string> args) {
    args.insert(args.begin(), {"--data-dir", dir.Path().string(), "--yes"});
    std::ostringstream out, err;
    int code = RunCli(args, out, err);
    return {code, out.str(), err.str()};
}

const std::string Sample = std::string(QUORVEL_SAMPLES_DIR) + "/cash3.csv";

TEST(CliArchive, ImportTheSampleInfoAndReimport) {
    TempDir dir;
    Result first = RunQuorvel(dir, {"import", Sample});
    ASSERT_EQ(first.code, 0) << first.err;
    EXPECT_EQ(ReadBytes(dir / "Quorvel_3r10.ldr").size(), 3329u * 24);
    Result again = RunQuorvel(dir, {"import", Sample});
    EXPECT_NE(again.out.find("Добавлено тиражей: 0"), std::string::npos);
    Result info = RunQuorvel(dir, {"info"});
    EXPECT_EQ(info.out, "Архив тиражей: 3329\nСледующий тираж: 3330\n");
    Result back = RunQuorvel(dir, {"info", "--offset", "2"});
    EXPECT_EQ(back.out, "Архив тиражей: 3329\nСледующий тираж: 3328\n" + std::string("6;4;8\n"));
    EXPECT_EQ(RunQuorvel(dir, {"info", "--offset", "3329"}).code, 1);
}

TEST(CliArchive, ExportThenImportIntoAFreshDirectoryIsByteIdentical) {
    TempDir dir, fresh;
    ASSERT_EQ(RunQuorvel(dir, {"import", Sample}).code, 0);
    ASSERT_EQ(RunQuorvel(dir, {"export", (dir / "out.csv").string()}).code, 0);
    ASSERT_EQ(RunQuorvel(fresh, {"import", (dir / "out.csv").string()}).code, 0);
    EXPECT_EQ(ReadBytes(fresh / "Quorvel_3r10.ldr"), ReadBytes(dir / "Quorvel_3r10.ldr"));
}

TEST(CliArchive, AddValidatesAndDeleteRemovesOnePerNumber) {
    TempDir dir;
    EXPECT_EQ(RunQuorvel(dir, {"add", "5", "1;2;10"}).err, "Введена некорректная комбинация!\n");
    EXPECT_EQ(RunQuorvel(dir, {"add", "5", "1;2"}).code, 1);
    EXPECT_EQ(RunQuorvel(dir, {"add", "0", "1;2;3"}).code, 1);
    EXPECT_EQ(RunQuorvel(dir, {"add", "5", "1;2;3", "32.01.2024 10:00"}).code, 1);
    Result added = RunQuorvel(dir, {"add", "5", "1, 2,3", "05.03.2024 21:30"});
    ASSERT_EQ(added.code, 0) << added.err;
    EXPECT_EQ(added.out, "Тираж № 5 от 05.03.2024 21:30, значения: 1;2;3\n");
    ASSERT_EQ(RunQuorvel(dir, {"add", "5", "4;5;6"}).code, 0);
    ASSERT_EQ(RunQuorvel(dir, {"add", "6", "7;8;9"}).code, 0);
    EXPECT_EQ(RunQuorvel(dir, {"delete", "7"}).code, 1);
    Result deleted = RunQuorvel(dir, {"delete", "5", "5"});
    ASSERT_EQ(deleted.code, 0) << deleted.err;
    EXPECT_EQ(ReadBytes(dir / "Quorvel_3r10.ldr").size(), 24u);
}

// A second process on a held directory: the real executable, so the lock is seen across processes.
TEST(CliArchive, ASecondProcessOnAHeldDirectoryIsRefused) {
    TempDir dir;
    StakesFile held;
    held.Open(dir / "Quorvel_3r10.lsk");
    std::string command = std::string(QUORVEL_CLI_PATH) + " --data-dir " + dir.Path().string() + " info 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string output;
    char buffer[512];
    while (size_t n = fread(buffer, 1, sizeof buffer, pipe))
        output.append(buffer, n);
    int status = pclose(pipe);
    EXPECT_NE(WEXITSTATUS(status), 0);
    EXPECT_NE(output.find("Невозможно получить монопольный доступ к файлам данных!"), std::string::npos);
}

}  // namespace
}  // namespace quorvel::cli
