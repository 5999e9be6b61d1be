#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "core/util/text_file.h"
#include "support/cli_run.h"
#include "support/program_run.h"
#include "support/temp_dir.h"

extern char** environ;

namespace quorvel::cli {
namespace {

namespace fs = std::filesystem;

test::CliResult Quorvel(const test::TempDir& dir, std::vector<std::string> args) {
    return test::RunQuorvel(dir, std::move(args), {"--decimal-separator", ","});
}

using test::LinesOf;

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// A data directory with the sample archive and a scenario file beside it.
struct SampleDir {
    explicit SampleDir(const std::vector<std::string>& lines) {
        EXPECT_EQ(Quorvel(data, {"import", std::string(QUORVEL_SAMPLES_DIR) + "/cash3.csv"}).Code, 0);
        WriteTextFile(files / "s.lsc", lines);
    }
    std::string Scenario() const { return (files / "s.lsc").string(); }
    test::TempDir data, files;
};

// The best row by p of a scenario continuing the current list may have no filter step: it is
// reported untested rather than left out, and chance counts only the rows tested.
TEST(CliScenarioValidate, RowsWithoutAFilterStepAreReportedUntested) {
    SampleDir mixed({"CURR:0#FIRST|TSD1#NUMS:10#LNO:#SF:0| | | | | | |a", "CURR:0#FIRST| | | | | | | |"});
    const test::CliResult both = Quorvel(mixed.data, {"scenario", "validate", mixed.Scenario(), "--train",
                                                      "30", "--test", "20", "--top", "5", "--seed", "1"});
    ASSERT_EQ(both.Code, 0) << both.Err;
    const std::vector<std::string> lines = LinesOf(both.Out);
    ASSERT_EQ(lines.size(), 4u) << both.Out;
    const bool firstUntested = EndsWith(lines[1], ";-;-;-");
    EXPECT_NE(firstUntested, EndsWith(lines[2], ";-;-;-")) << both.Out;
    EXPECT_NE(lines[firstUntested ? 1 : 2].find("@ CURR#FIRST;30;"), std::string::npos) << both.Out;
    EXPECT_NE(lines[firstUntested ? 2 : 1].find(";30;"), std::string::npos) << both.Out;
    EXPECT_EQ(lines[3].rfind("Проверено строк: 1 из 2; p (проверка) <= 0,05: ", 0), 0u) << lines[3];
    EXPECT_TRUE(EndsWith(lines[3], "; случайно ожидается: 0,05")) << lines[3];

    // Nothing chosen can be tested: the row is still shown, and nothing is said to hold.
    SampleDir bare({"CURR:0#FIRST| | | | | | | |"});
    const test::CliResult one = Quorvel(bare.data, {"scenario", "validate", bare.Scenario(), "--train", "30",
                                                    "--test", "20", "--top", "1", "--seed", "1"});
    ASSERT_EQ(one.Code, 0) << one.Err;
    ASSERT_EQ(one.Lines(), 3u) << one.Out;
    EXPECT_NE(LinesOf(one.Out)[1].find("@ CURR#FIRST;30;"), std::string::npos) << one.Out;
    EXPECT_TRUE(EndsWith(LinesOf(one.Out)[1], ";-;-;-")) << one.Out;
    EXPECT_EQ(LinesOf(one.Out)[2],
              "Проверено строк: 0 из 1; p (проверка) <= 0,05: 0; случайно ожидается: 0,00");
    const test::CliResult english =
        test::RunProgram(bare.data, "--language en scenario validate '" + bare.Scenario() +
                                        "' --train 30 --test 20 --top 1 --seed 1");
    ASSERT_EQ(english.Code, 0) << english.Err;
    EXPECT_NE(english.Out.find("\nRows checked: 0 of 1; p (check) <= 0"), std::string::npos) << english.Out;
}

// The program started as a user starts it, with its own temporary folder; its output is dropped
// and its error stream kept in a file.
pid_t StartProgram(const std::vector<std::string>& args, const fs::path& tmp, const fs::path& errors) {
    std::vector<std::string> env{"TMPDIR=" + tmp.string()};
    for (char** e = environ; *e != nullptr; ++e)
        if (std::strncmp(*e, "TMPDIR=", 7) != 0) env.emplace_back(*e);
    std::vector<std::string> words{QUORVEL_CLI_PATH};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv, envp;
    for (std::string& word : words)
        argv.push_back(word.data());
    for (std::string& entry : env)
        envp.push_back(entry.data());
    argv.push_back(nullptr);
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t pid = 0;
    const int failed = posix_spawn(&pid, QUORVEL_CLI_PATH, &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    return failed == 0 ? pid : 0;
}

// The stakes file of the training copy, once the check has made one.
std::optional<fs::path> TrainingStakes(const fs::path& tmp) {
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(tmp, ec)) {
        const fs::path stakes = entry.path() / "train" / "Quorvel_3r10.lsk";
        if (fs::exists(stakes, ec)) return stakes;
    }
    return std::nullopt;
}

// True once the training passes have written stakes beyond what the file held at first.
bool WaitForTrainingStakes(const fs::path& tmp) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    std::optional<uintmax_t> first;
    while (std::chrono::steady_clock::now() < deadline) {
        std::error_code ec;
        if (const auto stakes = TrainingStakes(tmp)) {
            const uintmax_t size = fs::file_size(*stakes, ec);
            if (!ec && !first) first = size;
            if (!ec && size > *first) return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

// Ctrl+C or a termination request part way stops the check as "Стоп" would: the program says
// the run was stopped, and the copy of the archive goes with the scratch folder.
TEST(CliScenarioValidate, AnInterruptStopsTheCheckAndLeavesNoScratch) {
    SampleDir dir({"FULL:0#FIRST|TSD1#NUMS:10#LNO:#SF:0| | | | | | |a",
                   "FULL:0#LAST|BSD1#SUMS:20#LMV:2#ST:1| | | | | | |b"});
    for (const int stopSignal : {SIGINT, SIGTERM}) {
        test::TempDir tmp;
        const fs::path errors = dir.files / "stderr.txt";
        const pid_t pid =
            StartProgram({"--data-dir", dir.data.Path().string(), "--language", "ru", "scenario", "validate",
                          dir.Scenario(), "--train", "3000", "--test", "300"},
                         tmp.Path(), errors);
        ASSERT_GT(pid, 0);
        const bool partWay = WaitForTrainingStakes(tmp.Path());
        kill(pid, stopSignal);
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        ASSERT_TRUE(partWay) << "the training passes never began";
        ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
        EXPECT_EQ(WEXITSTATUS(status), 1);
        EXPECT_NE(test::ReadBytes(errors).find("Выполнение сценария прервано."), std::string::npos)
            << test::ReadBytes(errors);
        EXPECT_TRUE(fs::is_empty(tmp.Path())) << fs::directory_iterator(tmp.Path())->path();
    }
}

}  // namespace
}  // namespace quorvel::cli
