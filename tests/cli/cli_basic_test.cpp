#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>

#include "cli/cli.h"
#include "support/cli_run.h"
#include "support/temp_dir.h"

namespace quorvel::cli {
namespace {

TEST(Cli, EachCommandHasItsOwnHelpAndOptionsTakeTheirValueEitherWay) {
    for (const std::vector<std::string>& asked :
         {std::vector<std::string>{"help", "stats"}, std::vector<std::string>{"stats", "--help"}}) {
        std::ostringstream out, err;
        EXPECT_EQ(RunCli(asked, out, err), 0);
        EXPECT_EQ(out.str().rfind("  stats --method КОД", 0), 0u) << out.str();
        EXPECT_NE(out.str().find("\nquorvel stats --method NUMS"), std::string::npos);  // an example
        EXPECT_EQ(out.str().find("  filter"), std::string::npos);                       // only that command
    }
    std::ostringstream out, err;
    EXPECT_EQ(RunCli({"help", "frobnicate"}, out, err), 2);
    test::TempDir dir;
    ASSERT_EQ(test::RunQuorvel(dir, {"import", std::string(QUORVEL_SAMPLES_DIR) + "/cash3.csv"}).Code, 0);
    const test::CliResult spaced = test::RunQuorvel(dir, {"stats", "--method", "NUMS", "--window", "30"});
    EXPECT_EQ(test::RunQuorvel(dir, {"stats", "--window=30", "--method=NUMS"}).Out, spaced.Out);
}

TEST(Cli, VersionHelpAndUnknownCommands) {
    std::ostringstream out, err;
    EXPECT_EQ(RunCli({"--version"}, out, err), 0);
    EXPECT_EQ(out.str().rfind("quorvel ", 0), 0u);
    out.str("");
    EXPECT_EQ(RunCli({"--help"}, out, err), 0);
    EXPECT_NE(out.str().find("--data-dir"), std::string::npos);
    // Misuse ends with code 2 and the usage on the error stream: an unknown command, none at all,
    // a word too many, an action a command does not have.
    EXPECT_EQ(RunCli({"frobnicate"}, out, err), 2);
    EXPECT_NE(err.str().find("frobnicate"), std::string::npos);
    for (const std::vector<std::string>& misuse :
         std::vector<std::vector<std::string>>{{}, {"--yes"}, {"info", "extra"}, {"methods", "foo"}}) {
        std::ostringstream none, said;
        EXPECT_EQ(RunCli(misuse, none, said), 2) << misuse.size();
        EXPECT_EQ(none.str(), "");
        EXPECT_NE(said.str().find("quorvel"), std::string::npos) << said.str();
    }
}

// While another copy holds the data directory, every command ends with 75, so that a timer can
// tell "later" from a failure, and says why.
TEST(Cli, ADataDirectoryHeldElsewhereEndsWithItsOwnCode) {
    test::TempDir dir;
    ASSERT_EQ(test::RunQuorvel(dir, {"info"}).Code, 0);
    const int held = ::open((dir / "Quorvel_3r10.lsk").c_str(), O_RDWR | O_CLOEXEC);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::flock(held, LOCK_EX | LOCK_NB), 0);
    const test::CliResult refused = test::RunQuorvel(dir, {"download"});
    ::close(held);
    EXPECT_EQ(refused.Code, 75);
    EXPECT_NE(refused.Err, "");
    EXPECT_EQ(test::RunQuorvel(dir, {"info"}).Code, 0);
}

// Whatever the command, a word it does not know is an error: said on the error stream only, with
// a failing exit code, and never taken for a file name or a comment.
TEST(Cli, EveryCommandRefusesAnUnknownOptionOnTheErrorStream) {
    test::TempDir dir;
    ASSERT_EQ(test::RunQuorvel(dir, {"import", std::string(QUORVEL_SAMPLES_DIR) + "/cash3.csv"}).Code, 0);
    const std::vector<std::vector<std::string>> commands = {{"download"},
                                                            {"import"},
                                                            {"export"},
                                                            {"info"},
                                                            {"add"},
                                                            {"delete"},
                                                            {"methods"},
                                                            {"stats"},
                                                            {"fullset"},
                                                            {"combs"},
                                                            {"filter"},
                                                            {"scenario", "show"},
                                                            {"scenario", "run"},
                                                            {"scenario", "test"},
                                                            {"scenario", "merge"},
                                                            {"scenario", "validate"},
                                                            {"step"},
                                                            {"stakes", "add"},
                                                            {"stakes", "list"},
                                                            {"stakes", "check"},
                                                            {"stakes", "delete"},
                                                            {"rating"},
                                                            {"rating", "rebuild"},
                                                            {"rating", "export"},
                                                            {"rating", "significance"},
                                                            {"regulars"},
                                                            {"regulars", "add"},
                                                            {"systems"},
                                                            {"systems", "stake"},
                                                            {"systems", "import"},
                                                            {"view", "graph"},
                                                            {"view", "sums"},
                                                            {"view", "week"},
                                                            {"view", "card"},
                                                            {"view", "layout"},
                                                            {"view", "repeats"}};
    for (std::vector<std::string> command : commands) {
        command.push_back("--frobnicate");
        const test::CliResult result = test::RunQuorvel(dir, command, {"--no"});
        const std::string name = command[0] + (command.size() > 2 ? " " + command[1] : "");
        EXPECT_EQ(result.Code, 2) << name;
        EXPECT_EQ(result.Out, "") << name;
        // The word, then the command's usage.
        EXPECT_EQ(result.Err.rfind("Неизвестный параметр: --frobnicate\n\n  " + command[0], 0), 0u) << name;
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "--frobnicate"));
    EXPECT_FALSE(std::filesystem::exists("--frobnicate"));
}

}  // namespace
}  // namespace quorvel::cli
