#include <gtest/gtest.h>

#include "core/stakes/stakes_file.h"
#include "support/cli_run.h"
#include "support/program_run.h"
#include "support/temp_dir.h"

namespace quorvel::cli {
namespace {

using test::CliResult;
using test::ReadBytes;
using test::TempDir;

CliResult Quorvel(const TempDir& dir, std::vector<std::string> args) {
    return test::RunQuorvel(dir, std::move(args), {"--yes"});
}

const std::string Sample = std::string(QUORVEL_SAMPLES_DIR) + "/cash3.csv";

TEST(CliArchive, ImportTheSampleInfoAndReimport) {
    TempDir dir;
    CliResult first = Quorvel(dir, {"import", Sample});
    ASSERT_EQ(first.Code, 0) << first.Err;
    EXPECT_EQ(ReadBytes(dir / "Quorvel_3r10.ldr").size(), 3329u * 24);
    CliResult again = Quorvel(dir, {"import", Sample});
    EXPECT_NE(again.Out.find("Добавлено тиражей: 0"), std::string::npos);
    CliResult info = Quorvel(dir, {"info"});
    EXPECT_EQ(info.Out, "Архив тиражей: 3329\nСледующий тираж: 3330\n");
    CliResult back = Quorvel(dir, {"info", "--offset", "2"});
    EXPECT_EQ(back.Out, "Архив тиражей: 3329\nСледующий тираж: 3328\n" + std::string("6;4;8\n"));
    EXPECT_EQ(Quorvel(dir, {"info", "--offset", "3329"}).Code, 1);
}

TEST(CliArchive, ExportThenImportIntoAFreshDirectoryIsByteIdentical) {
    TempDir dir, fresh;
    ASSERT_EQ(Quorvel(dir, {"import", Sample}).Code, 0);
    ASSERT_EQ(Quorvel(dir, {"export", (dir / "out.csv").string()}).Code, 0);
    ASSERT_EQ(Quorvel(fresh, {"import", (dir / "out.csv").string()}).Code, 0);
    EXPECT_EQ(ReadBytes(fresh / "Quorvel_3r10.ldr"), ReadBytes(dir / "Quorvel_3r10.ldr"));
}

TEST(CliArchive, AddValidatesAndDeleteRemovesOnePerNumber) {
    TempDir dir;
    EXPECT_EQ(Quorvel(dir, {"add", "5", "1;2;10"}).Err, "Введена некорректная комбинация!\n");
    EXPECT_EQ(Quorvel(dir, {"add", "5", "1;2"}).Code, 1);
    EXPECT_EQ(Quorvel(dir, {"add", "0", "1;2;3"}).Code, 1);
    EXPECT_EQ(Quorvel(dir, {"add", "5", "1;2;3", "32.01.2024 10:00"}).Code, 1);
    CliResult added = Quorvel(dir, {"add", "5", "1, 2,3", "05.03.2024 21:30"});
    ASSERT_EQ(added.Code, 0) << added.Err;
    EXPECT_EQ(added.Out, "Тираж № 5 от 05.03.2024 21:30, значения: 1;2;3\n");
    ASSERT_EQ(Quorvel(dir, {"add", "5", "4;5;6"}).Code, 0);
    ASSERT_EQ(Quorvel(dir, {"add", "6", "7;8;9"}).Code, 0);
    EXPECT_EQ(Quorvel(dir, {"delete", "7"}).Code, 1);
    CliResult deleted = Quorvel(dir, {"delete", "5", "5"});
    ASSERT_EQ(deleted.Code, 0) << deleted.Err;
    EXPECT_EQ(ReadBytes(dir / "Quorvel_3r10.ldr").size(), 24u);
}

// Letters a person types are refused by every command that takes typed values, and nothing is
// stored; three bare digits are a combination there.
TEST(CliArchive, TypedValuesAreReadByOneRuleInEveryCommand) {
    TempDir dir;
    ASSERT_EQ(Quorvel(dir, {"import", Sample}).Code, 0);
    const std::string draws = ReadBytes(dir / "Quorvel_3r10.ldr");
    for (std::vector<std::string> command :
         std::vector<std::vector<std::string>>{{"add", "3330", "a;b;c"},
                                               {"add", "3330", "7;x;4"},
                                               {"stakes", "add", "1;x;3"},
                                               {"regulars", "add", "Мой", "--start", "1;x;3"}}) {
        const CliResult refused = Quorvel(dir, command);
        EXPECT_EQ(refused.Code, 1) << command[0];
        EXPECT_EQ(refused.Err, "Введена некорректная комбинация!\n") << command[0];
    }
    EXPECT_EQ(ReadBytes(dir / "Quorvel_3r10.ldr"), draws);
    EXPECT_EQ(Quorvel(dir, {"stakes", "list"}).Out, "");
    const CliResult added = Quorvel(dir, {"add", "3330", "774"});
    ASSERT_EQ(added.Code, 0) << added.Err;
    EXPECT_NE(added.Out.find("значения: 7;7;4"), std::string::npos) << added.Out;
    const CliResult staked = Quorvel(dir, {"stakes", "add", "905", "--draw", "3331"});
    ASSERT_EQ(staked.Code, 0) << staked.Err;
    EXPECT_NE(Quorvel(dir, {"stakes", "list"}).Out.find("9;0;5"), std::string::npos);
}

// A second process on a held directory: the real executable, so the lock is seen across processes.
TEST(CliArchive, ASecondProcessOnAHeldDirectoryIsRefused) {
    TempDir dir;
    StakesFile held;
    held.Open(dir / "Quorvel_3r10.lsk");
    const test::CliResult refused = test::RunProgram(dir, "info");
    EXPECT_NE(refused.Code, 0);
    EXPECT_NE(refused.Err.find("Невозможно получить монопольный доступ к файлам данных!"), std::string::npos);
}

}  // namespace
}  // namespace quorvel::cli
