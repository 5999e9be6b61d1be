#include <gtest/gtest.h>

#include "app/workspace.h"
#include "scenario/scenario_run.h"
#include "support/fake_ui_host.h"
#include "support/made_up_workspace.h"
#include "support/temp_dir.h"
#include "util/codepage.h"
#include "util/safe_file.h"

using namespace quorvel;

namespace {

// What a back-test leaves behind: the files, the log without its time prefixes, the messages
// and where the offset stands.
struct TestOutcome {
    std::string Stakes;
    std::string Rating;
    std::vector<std::string> Log;
    std::vector<std::string> Messages;
    int Passes = 0;
    int Variants = 0;
    int StakesMade = 0;
    bool Stopped = false;
    int Offset = 0;

    bool operator==(const TestOutcome&) const = default;
};

std::vector<std::string> LogWithoutTimes(const std::filesystem::path& file) {
    std::vector<std::string> lines;
    if (file.empty()) return lines;
    const std::string text = Cp1251ToUtf8(ReadFileBytes(file));
    for (size_t start = 0; start < text.size();) {
        const size_t end = text.find("\r\n", start);
        lines.push_back(text.substr(start + 23, end - start - 23));
        start = end + 2;
    }
    return lines;
}

// Runs the scenario's back-test on a fresh made-up archive with the given number of jobs; the
// scenario runs twice when asked, the second time over the stakes of the first.
TestOutcome BackTest(const std::vector<std::string>& lines, int tests, int jobs, bool checkOnLine = true,
                     bool twice = false) {
    test::TempDir dir;
    test::FakeUiHost host;
    auto ws = test::MadeUpWorkspace(dir.Path(), host, 60);
    ws->Options().ScriptLogEnabled = true;
    ws->Options().StakesCheckOnLine = checkOnLine;
    ws->UseScenarioUnsaved(lines);
    TestOutcome outcome;
    for (int run = 0; run < (twice ? 2 : 1); ++run) {
        ScenarioRunner runner(*ws, {}, 11u);
        const ScenarioRunSummary summary = runner.Test(tests, jobs);
        outcome.Passes += summary.Passes;
        outcome.Variants += summary.Variants;
        outcome.StakesMade += summary.StakesMade;
        outcome.Stopped = summary.Stopped;
        const auto log = LogWithoutTimes(runner.LogPath());
        outcome.Log.insert(outcome.Log.end(), log.begin(), log.end());
    }
    outcome.Offset = ws->Archive().Offset();
    outcome.Stakes = ReadFileBytes(dir / "Quorvel_3r10.lsk");
    ws->Shutdown();
    outcome.Rating = ReadFileBytes(dir / "Quorvel_3r10.lrt");
    for (const auto& message : host.Messages)
        outcome.Messages.push_back(message.Kind + ": " + message.Text);
    return outcome;
}

void ExpectSameWithMoreJobs(const std::vector<std::string>& lines, int tests, bool checkOnLine = true,
                            bool twice = false) {
    const TestOutcome one = BackTest(lines, tests, 1, checkOnLine, twice);
    EXPECT_GT(one.Stakes.size(), 0u);
    for (int jobs : {2, 3}) {
        const TestOutcome more = BackTest(lines, tests, jobs, checkOnLine, twice);
        EXPECT_EQ(more.Stakes, one.Stakes) << jobs << " jobs";
        EXPECT_EQ(more.Rating, one.Rating) << jobs << " jobs";
        EXPECT_EQ(more.Log, one.Log) << jobs << " jobs";
        EXPECT_EQ(more.Messages, one.Messages) << jobs << " jobs";
        EXPECT_TRUE(more == one) << jobs << " jobs";
    }
}

}  // namespace

// The stakes of every mode, random ones included, reach the files as with one job; so do the
// log lines of the filter steps and the rating with its order.
TEST(ParallelBackTest, LeavesTheSameFilesAndLogAsOneJob) {
    ExpectSameWithMoreJobs(
        {"FULL:0#RAND|TSD1#NUMS:3-6;1#LNO:#ST:2| | | | | | |r",
         "FULL:0#ALL|TSD1#SUMS:2-3;1#LNO:#ST:4| | | | | | |a",
         "FULL:0#LAST|BSD1#NUMS:10#LNO:#ST:3| | | | | | |l", "CURR:0#FIRST| | | | | | | |c"},
        12);
    // Checked once per pass instead of after each variant.
    ExpectSameWithMoreJobs({"FULL:0#FIRST|TSD1#NUMS:4-8;2#LNO:#ST:2| | | | | | |f"}, 9, false);
}

// New stakes only looks at the stakes file as the replay reaches it: the pass's own stakes and
// those of an earlier run count, and a cleared file forgets them.
TEST(ParallelBackTest, NewStakesOnlyAndClearingFollowTheFile) {
    ExpectSameWithMoreJobs({"FULL:0#FIRST#NEX| | | | | | | |a", "FULL:0#FIRST#NEX| | | | | | | |b",
                            "FULL:0#LAST#NEX|TSD1#NUMS:5#LNO:#ST:1| | | | | | |c"},
                           7, true, true);
    ExpectSameWithMoreJobs({"FULL:0#FIRST| | | | | | | |a", "FULL:0#LAST#CLR| | | | | | | |b"}, 8);
}

// A stop asked for by a pass (a STOP line with a choice left, or a step in error) ends the test
// at the same place, with the same messages, whichever pass a worker had reached.
TEST(ParallelBackTest, AStopInAPassEndsTheTestWhereOneJobWouldEnd) {
    ExpectSameWithMoreJobs(
        {"FULL:0#FIRST| | | | | | | |a", "FULL:0#STOP|TSD1#NUMS:10#LNO:#ST:1| | | | | | |s"}, 6);
    ExpectSameWithMoreJobs(
        {"FULL:0#FIRST| | | | | | | |a", "FULL:0#FIRST|TSD1#ZZZZ:10#LNO:#SF:0| | | | | | |e"}, 6);
}
