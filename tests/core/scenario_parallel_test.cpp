#include <gtest/gtest.h>

#include <algorithm>

#include "core/app/workspace.h"
#include "core/model/text_forms.h"
#include "core/scenario_run/scenario_run.h"
#include "core/util/codepage.h"
#include "core/util/format.h"
#include "core/util/safe_file.h"
#include "support/fake_ui_host.h"
#include "support/made_up_workspace.h"
#include "support/temp_dir.h"

using namespace quorvel;

namespace {

struct BackTestSetup {
    bool CheckOnLine = true;
    bool StakeLogs = false;
    bool Twice = false;  // the second run goes over the stakes of the first
};

// What a back-test leaves behind: the files, the logs without their time prefixes, the
// messages, the combination list and where the offset stands.
struct TestOutcome {
    std::string Stakes;
    std::string Rating;
    std::vector<std::string> Log;
    std::vector<std::string> StakeLogs;
    std::vector<std::string> Messages;
    std::vector<std::string> Combs;
    size_t Applied = 0;
    int StatEntry = 0;
    int Passes = 0;
    int Variants = 0;
    int StakesMade = 0;
    bool Stopped = false;
    int Offset = 0;

    bool operator==(const TestOutcome&) const = default;
};

// The lines of a log file, each without its first prefix characters (the time).
std::vector<std::string> LinesWithoutTimes(const std::filesystem::path& file, size_t prefix) {
    std::vector<std::string> lines;
    if (file.empty() || !std::filesystem::exists(file)) return lines;
    const std::string text = Cp1251ToUtf8(ReadFileBytes(file));
    for (size_t start = 0; start < text.size();) {
        const size_t end = text.find("\r\n", start);
        lines.push_back(text.substr(start + prefix, end - start - prefix));
        start = end + 2;
    }
    return lines;
}

// Systems for 2 to 10 numbers, a few combinations each, so that the system modes stake.
void PutSystems(const std::filesystem::path& dir) {
    std::filesystem::create_directories(dir / "Systems");
    for (int numbers = 2; numbers <= 10; ++numbers) {
        std::string text;
        for (int i = 1; i + 2 <= numbers; ++i)
            text += Format("%.2d %.2d %.2d\r\n", {i, i + 1, i + 2});
        text += Format("%.2d %.2d %.2d\r\n", {numbers, 1, numbers});
        test::WriteBytes(dir / "Systems" / Format("3-%.2d-0_%.4d.dat", {numbers, numbers}), text);
    }
}

// Runs the scenario's back-test on a fresh made-up archive with the given number of jobs.
TestOutcome BackTest(const std::vector<std::string>& lines, int tests, int jobs, const BackTestSetup& setup) {
    test::TempDir dir;
    test::FakeUiHost host;
    PutSystems(dir.Path());
    auto ws = test::MadeUpWorkspace(dir.Path(), host, 60);
    ws->Options().ScriptLogEnabled = true;
    ws->Options().StakesCheckOnLine = setup.CheckOnLine;
    ws->Options().StakesLogEnabled = setup.StakeLogs;
    ws->Script().UseUnsaved(lines);
    TestOutcome outcome;
    for (int run = 0; run < (setup.Twice ? 2 : 1); ++run) {
        ScenarioRunner runner(*ws, {}, 11u);
        const ScenarioRunSummary summary = runner.Test(tests, jobs);
        outcome.Passes += summary.Passes;
        outcome.Variants += summary.Variants;
        outcome.StakesMade += summary.StakesMade;
        outcome.Stopped = summary.Stopped;
        const auto log = LinesWithoutTimes(runner.LogPath(), 23);
        outcome.Log.insert(outcome.Log.end(), log.begin(), log.end());
    }
    outcome.Offset = ws->Archive().Offset();
    for (const TComb& comb : ws->Combs().List().Current())
        outcome.Combs.push_back(CombToStr(comb));
    outcome.Applied = ws->Combs().List().Applied().size();
    outcome.StatEntry = ws->Stats().Table().Entry;
    outcome.Stakes = ReadFileBytes(dir / "Quorvel_3r10.lsk");
    ws->Shutdown();
    outcome.Rating = ReadFileBytes(dir / "Quorvel_3r10.lrt");
    for (int matches = 0; matches <= 3; ++matches) {
        const auto log = LinesWithoutTimes(dir / Format("Quorvel_3r10-%d.log", {matches}), 21);
        outcome.StakeLogs.insert(outcome.StakeLogs.end(), log.begin(), log.end());
    }
    for (const auto& message : host.Messages)
        outcome.Messages.push_back(message.Kind + ": " + message.Text);
    return outcome;
}

// The first line where two logs part, for a readable failure.
std::string FirstDifference(const std::vector<std::string>& a, const std::vector<std::string>& b) {
    const auto [ia, ib] = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
    if (ia == a.end() && ib == b.end()) return "none";
    return Format("line %d: \"%s\" against \"%s\"",
                  {static_cast<int>(ia - a.begin()), ia == a.end() ? std::string("<end>") : *ia,
                   ib == b.end() ? std::string("<end>") : *ib});
}

TestOutcome ExpectSameWithMoreJobs(const std::vector<std::string>& lines, int tests,
                                   const BackTestSetup& setup = {}) {
    const TestOutcome one = BackTest(lines, tests, 1, setup);
    EXPECT_GT(one.Stakes.size(), 0u);
    for (int jobs : {2, 3}) {
        const TestOutcome more = BackTest(lines, tests, jobs, setup);
        EXPECT_EQ(more.Stakes, one.Stakes) << jobs << " jobs";
        EXPECT_EQ(more.Rating, one.Rating) << jobs << " jobs";
        EXPECT_EQ(more.Log, one.Log) << jobs << " jobs, first difference at "
                                     << FirstDifference(more.Log, one.Log);
        EXPECT_EQ(more.StakeLogs, one.StakeLogs) << jobs << " jobs";
        EXPECT_EQ(more.Messages, one.Messages) << jobs << " jobs";
        EXPECT_EQ(more.Combs, one.Combs) << jobs << " jobs";
        EXPECT_TRUE(more == one) << jobs << " jobs";
    }
    return one;
}

}  // namespace

// Every start list and stake mode, random and system stakes included, reaches the files as
// with one job; so do the log lines of the filter steps, the rating with its order, and the list
// the test leaves.
TEST(ParallelBackTest, EveryListAndStakeModeLeavesTheSameFilesAsOneJob) {
    const std::vector<std::string> lines{"FULL:0#RAND|TSD1#NUMS:3-6;1#LNO:#ST:2| | | | | | |r",
                                         "EXCL:5#ALL|TSD1#SUMS:2-3;1#LNO:#ST:4| | | | | | |a",
                                         "EXCL:5#LAST|BSD1#NUMS:10#LNO:#ST:3| | | | | | |l",
                                         "CURR:0#FIRST| | | | | | | |c",
                                         "",
                                         "FULL:0#SKIP|TSD1#NUMS:5#LNO:#ST:1| | | | | | |s",
                                         "FULL:0#NONE|TSD1#NUMS:5#LNO:#ST:1| | | | | | |n",
                                         "FULL:0#SYSA|TSD1#NUMS:10#LNO:#ST:5-6;1| | | | | | |y",
                                         "CURR:0#SYSC| | | | | | | |z"};
    const TestOutcome one = ExpectSameWithMoreJobs(lines, 12);
    EXPECT_EQ(one.Passes, 12);
    EXPECT_FALSE(one.Stopped);
    auto logged = [&](const std::string& part) {
        return std::count_if(one.Log.begin(), one.Log.end(),
                             [&](const std::string& line) { return line.find(part) != std::string::npos; });
    };
    EXPECT_GT(logged("[все система]: загружен файл"), 0);
    EXPECT_GT(logged("[система * комбинации]: загружен файл"), 0);
    EXPECT_GT(logged("{-} Ставка игнорирована!"), 0);

    // Checked once per pass instead of after each variant, with the stake logs written.
    ExpectSameWithMoreJobs(lines, 9, {.CheckOnLine = false, .StakeLogs = true});
}

// New stakes only looks at the stakes file as the replay reaches it: the pass's own stakes and
// those of an earlier run count, and a cleared file forgets them.
TEST(ParallelBackTest, NewStakesOnlyAndClearingFollowTheFile) {
    ExpectSameWithMoreJobs({"FULL:0#FIRST#NEX| | | | | | | |a", "FULL:0#FIRST#NEX| | | | | | | |b",
                            "FULL:0#LAST#NEX|TSD1#NUMS:5#LNO:#ST:1| | | | | | |c"},
                           7, {.Twice = true});
    ExpectSameWithMoreJobs({"FULL:0#FIRST| | | | | | | |a", "FULL:0#LAST#CLR| | | | | | | |b"}, 8);
    ExpectSameWithMoreJobs(
        {"FULL:0#FIRST#NEX| | | | | | | |a", "FULL:0#ALL#CLR#NEX|TSD1#NUMS:8#LNO:#ST:1| | | | | | |b"}, 6,
        {.CheckOnLine = false});
}

// A test whose first line continues the current list: each pass goes on from the list the pass
// before left (the first from the user's own list), so the passes are worked out in order.
TEST(ParallelBackTest, PassesThatContinueTheListRunInOrder) {
    const TestOutcome one = ExpectSameWithMoreJobs({"CURR:0#FIRST|TSD1#NUMS:10#LNO:#SF:0| | | | | | |a",
                                                    "CURR:0#ALL|BSD1#SUMS:20#LMV:2#ST:1| | | | | | |b"},
                                                   12);
    EXPECT_GT(one.StakesMade, 12);
    EXPECT_NE(std::find_if(one.Log.begin(), one.Log.end(),
                           [](const std::string& line) {
                               return line.rfind("Проходы выполняются по порядку", 0) == 0;
                           }),
              one.Log.end());
}

// A stop asked for by a pass (a STOP line with a choice left, or a step in error) ends the test
// at the same place, with the same messages, whichever pass a worker had reached.
TEST(ParallelBackTest, AStopInAPassEndsTheTestWhereOneJobWouldEnd) {
    ExpectSameWithMoreJobs(
        {"FULL:0#FIRST| | | | | | | |a", "FULL:0#STOP|TSD1#NUMS:10#LNO:#ST:1| | | | | | |s"}, 6);
    ExpectSameWithMoreJobs(
        {"FULL:0#FIRST| | | | | | | |a", "FULL:0#FIRST|TSD1#ZZZZ:10#LNO:#SF:0| | | | | | |e"}, 6);
}

// A stake waiting for a draw the archive does not have yet stays unchecked through a back-test
// whose stakes are all checked after each variant, and is checked once its draw comes.
TEST(BackTestChecks, AStakeWaitingForItsDrawNeitherBlocksNorLosesItsCheck) {
    test::TempDir dir;
    test::FakeUiHost host;
    auto ws = test::MadeUpWorkspace(dir.Path(), host, 60);
    TStakeRecord waiting = ws->Stakes().NewManualStake();
    waiting.Values = {3, {1, 2, 3, 0}};
    ASSERT_TRUE(ws->Stakes().AddStake(waiting, 1));
    ws->Script().UseUnsaved({"FULL:0#ALL|TSD1#NUMS:3-4;1#LNO:#ST:8| | | | | | |a"});
    for (int jobs : {1, 2}) {
        ScenarioRunner runner(*ws, {}, 3u);
        EXPECT_FALSE(runner.Test(5, jobs).Stopped);
    }
    int unchecked = 0;
    for (const TStakeRecord& record : ws->Stakes().File().ReadBlock(0, ws->Stakes().File().RecordCount())) {
        if (record.IsRealStake() && !record.IsChecked()) {
            ++unchecked;
            EXPECT_EQ(record.DrawNumber, 61);
        }
    }
    EXPECT_EQ(unchecked, 1);
    TDraw next = ws->Draws().NewDrawTemplate();
    next.Values = {1, 2, 3};
    ASSERT_TRUE(ws->Draws().AddDraw(next));
    ws->Stakes().CheckStakes();
    EXPECT_TRUE(ws->Stakes().File().Read(0).IsChecked());
    EXPECT_EQ(ws->Stakes().File().Read(0).Matches.Count, 3);
}
