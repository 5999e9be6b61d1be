#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

#include "core/app/workspace.h"
#include "core/archive/draws_file.h"
#include "core/model/text_forms.h"
#include "core/scenario/filter_variants.h"
#include "core/scenario_run/scenario_run.h"
#include "core/util/codepage.h"
#include "core/util/error.h"
#include "core/util/safe_file.h"
#include "support/fake_ui_host.h"
#include "support/made_up_workspace.h"
#include "support/temp_dir.h"

using namespace quorvel;

namespace {

// Answers "stop" once a number of polls has gone by.
class StoppingHost : public test::FakeUiHost {
public:
    bool StopRequested() override { return stopAfter >= 0 && ++polls > stopAfter; }
    int stopAfter = -1;
    int polls = 0;
};

// A workspace over 50 made-up draws with its stakes file held.
class ScenarioRun : public ::testing::Test {
protected:
    ScenarioRun() { workspace = test::MadeUpWorkspace(dir.Path(), host); }
    Workspace& Ws() { return *workspace; }
    ScenarioRunSummary Run(std::vector<std::string> lines, int tests = 0) {
        Ws().Script().UseUnsaved(std::move(lines));
        ScenarioRunner runner(Ws(), {}, 7u);
        const ScenarioRunSummary summary = tests > 0 ? runner.Test(tests) : runner.Run();
        logPath = runner.LogPath();
        EXPECT_FALSE(runner.Status().Running);
        return summary;
    }
    std::vector<TStakeRecord> Stakes() {
        return Ws().Stakes().File().ReadBlock(0, Ws().Stakes().File().RecordCount());
    }
    std::vector<TStakeRecord> RealStakes() {
        std::vector<TStakeRecord> real;
        for (const TStakeRecord& r : Stakes())
            if (r.IsRealStake()) real.push_back(r);
        return real;
    }
    // The log's lines without their time prefixes.
    std::vector<std::string> LogLines() {
        std::vector<std::string> lines;
        const std::string text = Cp1251ToUtf8(ReadFileBytes(logPath));
        size_t start = 0;
        while (start < text.size()) {
            const size_t end = text.find("\r\n", start);
            const std::string line = text.substr(start, end - start);
            EXPECT_TRUE(std::regex_search(line, std::regex(R"(^\[\d{4}-\d\d-\d\d \d\d:\d\d:\d\d\]: )")))
                << line;
            lines.push_back(line.substr(std::min<size_t>(23, line.size())));
            start = end + 2;
        }
        return lines;
    }
    bool Logged(const std::string& line) {
        const auto lines = LogLines();
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }

    test::TempDir dir;
    StoppingHost host;
    std::unique_ptr<Workspace> workspace;
    std::filesystem::path logPath;
};

}  // namespace

TEST_F(ScenarioRun, VariantsMultiplyInStepOrderAndPrintWithoutTheSortColumn) {
    const TStatList& catalogue = Ws().Stats().List();
    const auto steps =
        ReadLineSteps("FULL#RAND|TSD4#NUMS:5,10#LMV:1#SF:0| |BSD2#SUMS:1-3;1#LLV:2#ST:3| | | | |", catalogue);
    ASSERT_EQ(steps.size(), 2u);  // the empty field between them is dropped
    const auto variants = ExpandVariants(steps, catalogue);
    ASSERT_EQ(variants.size(), 6u);
    const std::vector<std::pair<int, int>> order{{5, 1}, {5, 2}, {5, 3}, {10, 1}, {10, 2}, {10, 3}};
    for (size_t i = 0; i < order.size(); ++i) {
        EXPECT_EQ(variants[i].Parts[0].DrawsCount, order[i].first);
        EXPECT_EQ(variants[i].Parts[1].DrawsCount, order[i].second);
        EXPECT_FALSE(variants[i].Parts[2].Enabled);
    }
    EXPECT_EQ(VariantStepsText(variants[1], catalogue), "TSD#NUMS:5#LMV:1#SF:0 + BSD#SUMS:2#LLV:2#ST:3");
    const TScriptOptions options = StrToScriptOptions("FULL:0#RAND");
    EXPECT_EQ(VariantText(options, variants[0], catalogue),
              "FULL#RAND + TSD#NUMS:5#LMV:1#SF:0 + BSD#SUMS:1#LLV:2#ST:3");
    EXPECT_EQ(ScenarioStakeComment(3, 12, "Мой", "FULL#RAND + X"), "03.012: Мой @ FULL#RAND + X");
    EXPECT_EQ(ScenarioStakeComment(1, 0, "", "EXCL:5#ALL"), "01.000: @ EXCL:5#ALL");

    // Threshold rules make a variant per value; list rules take the values at once.
    auto count = [&](const std::string& step) {
        return ExpandVariants(ReadLineSteps("FULL|" + step + "| | | | | | |", catalogue), catalogue).size();
    };
    EXPECT_EQ(count("TSD1#NUMS:10#LMV:1-3;1#SF:0"), 3u);
    for (const char* rule : {"LDV", "WDV", "PIR"}) {
        const auto one = ExpandVariants(
            ReadLineSteps(std::string("FULL|TSD1#NUMS:10#") + rule + ":1-3;1#SF:0| | | | | | |", catalogue),
            catalogue);
        ASSERT_EQ(one.size(), 1u) << rule;
        EXPECT_EQ(one[0].Parts[0].RuleValue, "1,2,3") << rule;
    }
    // The stop request cuts the expansion short.
    int polls = 0;
    VariantExpansionHooks hooks;
    hooks.StopRequested = [&] { return ++polls > 3; };
    EXPECT_LT(ExpandVariants(steps, catalogue, hooks).size(), 6u);
}

TEST_F(ScenarioRun, LineWithoutStepsStakesItsStartListAndLogsIt) {
    Ws().Options().ScriptLogEnabled = true;
    const ScenarioRunSummary summary = Run({"FULL:0#FIRST| | | | | | | |без фильтров"});
    EXPECT_EQ(summary.Passes, 1);
    EXPECT_EQ(summary.StakesMade, 1);
    EXPECT_FALSE(summary.Stopped);
    const auto stakes = RealStakes();
    ASSERT_EQ(stakes.size(), 1u);
    EXPECT_EQ(stakes[0].Kind, StakeKindScript);
    EXPECT_EQ(stakes[0].DrawNumber, 51);
    EXPECT_EQ(stakes[0].SelectionSize, 1000);
    EXPECT_EQ(StakeCombToStr(stakes[0].Values, ";"), "0;0;0");
    EXPECT_EQ(stakes[0].Comment.Text(), "01.000: без фильтров @ FULL#FIRST");
    EXPECT_EQ(stakes[0].Matches.Count, -1);

    const auto lines = LogLines();
    ASSERT_GE(lines.size(), 8u);
    EXPECT_EQ(lines.front().rfind("### ЗАПУСК СЦЕНАРИЯ ###", 0), 0u);
    EXPECT_EQ(
        lines[2],
        "=== Выполнение сценария для смещения 000000 ==================================================");
    EXPECT_TRUE(Logged("Выполнение строки 001: \"FULL:0#FIRST| | | | | | | |без фильтров\""));
    EXPECT_TRUE(Logged("{ERROR} Фильтры не применялись!"));
    EXPECT_TRUE(Logged("Количество комбинаций в списке: 1000"));
    EXPECT_TRUE(Logged("{+} Ставка на тираж 51 добавлена в список ставок: [0;0;0]"));
    EXPECT_EQ(lines.back().rfind("### ЗАВЕРШЕНИЕ СЦЕНАРИЯ ###", 0), 0u);
    EXPECT_EQ(logPath.filename().string().rfind("ScriptLog_", 0), 0u);
}

// Runs that start within one second keep their own logs.
TEST(ScenarioLog, RunsStartedInTheSameSecondWriteSeparateFiles) {
    test::TempDir dir;
    std::vector<std::filesystem::path> paths;
    for (int i = 0; i < 3; ++i) {
        ScenarioLogFile log(dir.Path(), {});
        log.WriteLine("run " + std::to_string(i));
        paths.push_back(log.Path());
    }
    // Three files unless the clock passed a second in between, and each holds its own line only.
    for (size_t i = 0; i < paths.size(); ++i) {
        const std::string text = ReadFileBytes(paths[i]);
        EXPECT_NE(text.find("run " + std::to_string(i)), std::string::npos);
        EXPECT_EQ(text.find("\r\n"), text.size() - 2) << paths[i];
    }
    EXPECT_EQ(FindScenarioLogs(dir.Path()).size(), 3u);
}

TEST_F(ScenarioRun, StakeModesDecideWhatIsStaked) {
    // Removing every value one by one leaves one combination: staked whatever the mode.
    for (const char* mode : {"STOP", "SKIP", "ALL", "NONE"}) {
        Ws().Stakes().File().Clear();
        const auto summary = Run({std::string("FULL:0#") + mode + "|TSD1#NUMS:10#LNO:#SF:0| | | | | | |"});
        EXPECT_EQ(RealStakes().size(), std::string(mode) == "NONE" ? 0u : 1u) << mode;
        EXPECT_FALSE(summary.Stopped) << mode;
    }
    EXPECT_TRUE(host.Messages.empty());

    // Two removals leave 512 combinations: ALL stakes each, SKIP none, FIRST and LAST one.
    const std::string twoSteps = "|TSD1#NUMS:10#LNO:#ST:2| | | | | | |";
    Ws().Stakes().File().Clear();
    Run({"FULL:0#ALL" + twoSteps});
    EXPECT_EQ(RealStakes().size(), 512u);
    Ws().Stakes().File().Clear();
    Ws().Options().ScriptLogEnabled = true;
    Run({"FULL:0#SKIP" + twoSteps});
    EXPECT_TRUE(RealStakes().empty());
    EXPECT_TRUE(Logged("{-} Ставка игнорирована!"));
    Run({"FULL:0#LAST" + twoSteps, "FULL:0#FIRST" + twoSteps});
    const auto firstAndLast = RealStakes();
    ASSERT_EQ(firstAndLast.size(), 2u);
    EXPECT_EQ(StakeCombToStr(firstAndLast[0].Values, ";"), CombToStr(Ws().Combs().List().Current().back()));
    EXPECT_EQ(StakeCombToStr(firstAndLast[1].Values, ";"), CombToStr(Ws().Combs().List().Current().front()));

    // STOP with a choice left ends the run with its warning and stakes nothing.
    Ws().Stakes().File().Clear();
    const auto stopped = Run({"FULL:0#STOP" + twoSteps, "FULL:0#FIRST| | | | | | | |"});
    EXPECT_TRUE(stopped.Stopped);
    EXPECT_TRUE(RealStakes().empty());
    ASSERT_EQ(host.Count("warning"), 1);
    EXPECT_EQ(
        host.Last("warning").rfind("Выполнение сценария прервано, т.к. после применения всех фильтров в "
                                   "списке комбинаций их осталось более одной: 512!\r\rФильтры: 01.001: @ "
                                   "FULL#STOP + TSD#NUMS:10#LNO:#ST:2",
                                   0),
        0u);
    EXPECT_TRUE(Logged("{!} Сценарий остановлен!"));
}

TEST_F(ScenarioRun, CurrentListCarriesOverAndAnEmptyListStakesNothing) {
    Run({"FULL:0#NONE|TSD1#NUMS:10#LNO:#ST:2| | | | | | |", "CURR:0#ALL| | | | | | | |"});
    EXPECT_EQ(RealStakes().size(), 512u);
    for (const TStakeRecord& stake : RealStakes())
        EXPECT_EQ(stake.Comment.Text(), "02.000: @ CURR#ALL");

    Ws().Stakes().File().Clear();
    Ws().Combs().List().AssignList({});
    const auto summary = Run({"CURR:0#FIRST| | | | | | | |"});
    EXPECT_TRUE(RealStakes().empty());
    EXPECT_FALSE(summary.Stopped);

    // New stakes only: the second run finds every stake already there.
    Run({"FULL:0#FIRST#NEX| | | | | | | |"});
    Ws().Options().ScriptLogEnabled = true;
    Run({"FULL:0#FIRST#NEX| | | | | | | |"});
    EXPECT_EQ(RealStakes().size(), 1u);
    EXPECT_TRUE(Logged("{-} Ставка на тираж 51 не добавлена, так как уже имеется в списке ставок: [0;0;0]"));
}

TEST_F(ScenarioRun, TestWalksTheOffsetsBackAndRestoresTheStart) {
    Ws().Draws().SetDrawsOffset(4);
    const auto summary = Run({"FULL:0#FIRST| | | | | | | |t"}, 3);
    EXPECT_EQ(summary.Passes, 3);
    EXPECT_FALSE(summary.Stopped);
    EXPECT_EQ(Ws().Archive().Offset(), 4);
    // Separators between the passes, stakes for the draws after offsets 3, 2 and 1, all checked.
    const auto records = Stakes();
    ASSERT_EQ(records.size(), 5u);
    EXPECT_EQ(records[0].DrawNumber, 48);
    EXPECT_FALSE(records[1].IsRealStake());
    EXPECT_EQ(records[2].DrawNumber, 49);
    EXPECT_EQ(records[4].DrawNumber, 50);
    for (const TStakeRecord& r : RealStakes())
        EXPECT_TRUE(r.IsChecked());
    ASSERT_EQ(Ws().Stakes().Rating().Count(), 1);
    EXPECT_EQ(Ws().Stakes().RatingTexts(0)[1], "3");

    // Clearing before each variant leaves one stake in the file, but each was checked first.
    Ws().Stakes().File().Clear();
    host.Answers = {true};
    Ws().Stakes().RebuildRating();
    ASSERT_EQ(Ws().Stakes().Rating().Count(), 0);
    Run({"FULL:0#FIRST#CLR| | | | | | | |c"}, 3);
    EXPECT_EQ(RealStakes().size(), 1u);
    ASSERT_EQ(Ws().Stakes().Rating().Count(), 1);
    EXPECT_EQ(Ws().Stakes().RatingTexts(0)[1], "3");
}

TEST_F(ScenarioRun, StopInATestLeavesTheOffsetWhereItStopped) {
    host.stopAfter = 12;
    const auto summary = Run({"FULL:0#FIRST| | | | | | | |", "FULL:0#LAST| | | | | | | |"}, 10);
    EXPECT_TRUE(summary.Stopped);
    EXPECT_LT(summary.Passes, 10);
    EXPECT_GT(Ws().Archive().Offset(), 0);
    EXPECT_LE(Ws().Archive().Offset(), 10);
}

TEST_F(ScenarioRun, AnErrorInAStepIsShownAndEndsTheRun) {
    const auto summary =
        Run({"FULL:0#FIRST|TSD1#ZZZZ:10#LNO:#SF:0| | | | | | |", "FULL:0#FIRST| | | | | | | |"});
    EXPECT_TRUE(summary.Stopped);
    EXPECT_EQ(host.Count("error"), 1);
    EXPECT_EQ(host.Last("error"), "Некорректное описание фильтра: TSD1#ZZZZ:10#LNO:#SF:0!");
    EXPECT_TRUE(RealStakes().empty());  // the second line never ran
    // The flags are back to idle: a new run goes.
    EXPECT_FALSE(Run({"FULL:0#FIRST| | | | | | | |"}).Stopped);
    EXPECT_EQ(RealStakes().size(), 1u);
}

// Variants that could never be stored are refused before any is made, with the message of
// storage run out: asking for the memory would not fail at once but fill the machine.
TEST_F(ScenarioRun, TooManyVariantsAreRefusedBeforeAnyIsStored) {
    const std::string huge = "TSD1#NUMS:1-999999;1#LMV:1-999999;1#SF:0";
    const auto summary = Run({"FULL:0#FIRST|" + huge + "| | | | | | |"});
    EXPECT_TRUE(summary.Stopped);
    EXPECT_EQ(host.Last("error").rfind(TooManyVariantsText, 0), 0u) << host.Last("error");
    EXPECT_TRUE(RealStakes().empty());
    // Steps of a fair size each can multiply beyond the storage too.
    const std::string wide = "TSD1#NUMS:1-1000;1#LMV:1-100;1#SF:0";
    EXPECT_THROW(ExpandVariants(ReadLineSteps("FULL|" + wide + "|" + wide + "|" + wide + "| | | | |",
                                              Ws().Stats().List()),
                                Ws().Stats().List()),
                 quorvel::Error);
}

TEST_F(ScenarioRun, SeededRandomStakesRepeat) {
    const std::string line = "FULL:0#RAND|TSD1#NUMS:10#LNO:#ST:2| | | | | | |";
    Run({line, line, line});
    const auto first = RealStakes();
    Ws().Stakes().File().Clear();
    Run({line, line, line});
    const auto second = RealStakes();
    ASSERT_EQ(first.size(), 3u);
    for (size_t i = 0; i < first.size(); ++i)
        EXPECT_EQ(first[i].Values, second[i].Values);
}
