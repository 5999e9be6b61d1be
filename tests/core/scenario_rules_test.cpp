#include <gtest/gtest.h>

#include <algorithm>

#include "core/app/workspace.h"
#include "core/archive/draws_file.h"
#include "core/model/text_forms.h"
#include "core/scenario/filter_item.h"
#include "core/scenario/selection_rules.h"
#include "core/scenario_run/filter_step.h"
#include "core/util/error.h"
#include "support/fake_ui_host.h"
#include "support/made_up_workspace.h"
#include "support/temp_dir.h"

namespace quorvel {
namespace {

// Row texts with the cells a test names; the others hold "1".
TStatValues Row(std::initializer_list<std::pair<int, const char*>> cells) {
    TStatValues row;
    row.fill("1");
    for (const auto& [index, text] : cells)
        row[static_cast<size_t>(index)] = text;
    return row;
}

TFilterPart Rule(int rule, const std::string& value) {
    TFilterPart part;
    part.Enabled = true;
    part.Rule = static_cast<uint8_t>(rule);
    part.RuleValue = value;
    return part;
}

bool Passes(int rule, const std::string& value, int cell, const char* text) {
    return RowPassesRule(Rule(rule, value), Row({{cell, text}}));
}

TEST(SelectionRules, ThresholdAndListRulesAreTheRightOnes) {
    std::vector<int> threshold, list;
    for (int rule = 0; rule < SelectionRuleCount; ++rule) {
        if (IsThresholdRule(rule)) threshold.push_back(rule);
        if (IsListRule(rule)) list.push_back(rule);
    }
    EXPECT_EQ(threshold,
              (std::vector<int>{1, 2, 3, 4, 7, 8, 9, 10, 13, 14, 15, 16, 19, 20, 22, 23, 25, 26, 28, 29}));
    EXPECT_EQ(list, (std::vector<int>{5, 6, 11, 12, 17, 18, 21, 24, 27, 30, 31}));
    EXPECT_EQ(SelectionRuleText(RuleCDP), "\"Количество\": из заданного списка процентов");
    EXPECT_EQ(StopConditionText(StopSZ), "Пока список не будет пуст и откатить на шаг");
}

TEST(SelectionRules, CellsThatAreNotNumbersReadTheRulesDefault) {
    EXPECT_TRUE(Passes(RuleLMP, "4", CellDepthPercent, "4,5"));
    EXPECT_TRUE(Passes(RuleDLV, "-2", CellDeviation, "-3"));
    EXPECT_TRUE(Passes(RuleWMV, "1", CellWeight, "1,00001"));
    EXPECT_FALSE(Passes(RuleLMV, "1", CellDepth, "4,5"));  // a fraction is not an integer: 0
    // 65535 keeps such rows out of "не более" for depth, deviation, count and the period
    // bounds; weight and period read 0 and pass.
    for (const char* cell : {"", "-"}) {
        for (auto [rule, index] : {std::pair{RuleLLV, CellDepth},
                                   {RuleLLP, CellDepthPercent},
                                   {RuleDLV, CellDeviation},
                                   {RuleDLP, CellDeviationPercent},
                                   {RuleCLV, CellCount},
                                   {RulePIL, CellPeriodMin},
                                   {RulePXL, CellPeriodMax},
                                   {RuleLMV, CellDepth}}) {
            EXPECT_FALSE(Passes(rule, "4", index, cell)) << SelectionRuleCode(rule) << " " << cell;
        }
        EXPECT_TRUE(Passes(RuleWLV, "4", CellWeight, cell));
        EXPECT_TRUE(Passes(RulePAL, "4", CellPeriod, cell));
        EXPECT_TRUE(Passes(RuleLMV, "0", CellDepth, cell));
    }
    EXPECT_TRUE(RowPassesRule(Rule(RuleLNO, "whatever"), TStatValues{}));
}

TEST(SelectionRules, ListTestsCompareExactlyAndStopOnUnreadableTexts) {
    EXPECT_TRUE(Passes(RuleCDP, "5", CellCountPercent, "5,00000"));
    EXPECT_FALSE(Passes(RuleCDP, "5", CellCountPercent, "5.2"));
    EXPECT_TRUE(Passes(RuleLDV, "1,2;7", CellDepth, "7"));
    EXPECT_TRUE(Passes(RulePAR, " 3 ; 9 ", CellPeriod, "9,0"));
    EXPECT_FALSE(Passes(RuleLVA, "12,18", CellValueKey, "1"));
    EXPECT_FALSE(Passes(RuleLDV, "", CellDepth, "-"));  // no items: nothing is read
    const std::tuple<int, const char*, int, const char*, const char*> failures[] = {
        {RuleDDV, "1", CellDeviation, "-", "Значение \"-\" не является целым числом!"},
        {RuleDDP, "1", CellDeviationPercent, "-", "Значение \"-\" не является числом!"},
        {RuleCDV, "1,x", CellCount, "4", "Значение \"x\" не является целым числом!"},
        {RuleLDV, "1", CellDepth, "4,5", "Значение \"4,5\" не является целым числом!"},
    };
    for (const auto& [rule, value, cell, text, message] : failures) {
        try {
            Passes(rule, value, cell, text);
            ADD_FAILURE() << message;
        } catch (const ConvertError& e) {
            EXPECT_STREQ(e.what(), message);
        }
    }
}

TEST(StopConditions, ValueAndPercentBoundsFollowTheDirection) {
    TFilterPart part = Rule(RuleLNO, "");
    part.StopCondition = StopSV;
    part.StopValue = 5;
    EXPECT_TRUE(RowEndsWalk(part, Row({{CellCount, "5"}})));
    EXPECT_TRUE(RowEndsWalk(part, Row({{CellCount, "-"}})));  // reads 0
    EXPECT_FALSE(RowEndsWalk(part, Row({{CellCount, "6"}})));
    part.BottomUp = true;
    EXPECT_FALSE(RowEndsWalk(part, Row({{CellCount, "4"}})));
    part.StopCondition = StopSP;
    EXPECT_TRUE(RowEndsWalk(part, Row({{CellCountPercent, "5,5"}})));
    EXPECT_FALSE(RowEndsWalk(part, Row({{CellCountPercent, "4,99"}})));
    part.StopCondition = StopST;
    EXPECT_FALSE(RowEndsWalk(part, Row({{CellCount, "9"}})));
    EXPECT_EQ(StatRowLogText({"3", "3", "12", "4,0", "-", "-", "7", "70,0", "1,5", "2", "3,5", "9"}),
              "< [3] кол-во: 12 (4,0 %), отклонение: - (- %), глубина: 7 (70,0 %), вес: 1,5 >");
}

class Log : public ScenarioLogSink {
public:
    void WriteLine(const std::string& line) override { Lines.push_back(line); }
    int Count(const std::string& prefix) const {
        return static_cast<int>(std::count_if(Lines.begin(), Lines.end(),
                                              [&](const std::string& l) { return l.rfind(prefix, 0) == 0; }));
    }
    std::vector<std::string> Lines;
};

// A workspace over 50 made-up draws, walking the "NUMS" table.
class FilterWalk : public ::testing::Test {
protected:
    FilterWalk() {
        workspace = test::MadeUpWorkspace(dir.Path(), host);
        workspace->Stats().List().BackupWeights();
    }
    TFilterPart Part(const std::string& text) {
        std::vector<TFilterPart> parts =
            ExpandFilterItem(StrToFilterItem(text, workspace->Stats().List()), workspace->Stats().List());
        EXPECT_EQ(parts.size(), 1u);
        return parts.front();
    }
    void Run(const std::string& text) { RunFilterPart(*workspace, Part(text), &log); }
    // A new list of all combinations and an empty log.
    void Fresh() {
        workspace->Combs().GenerateCombsList(workspace->Combs().StoredGenerateParams(), false);
        log.Lines.clear();
    }
    int Combs() const { return workspace->Combs().List().CombCount(); }
    const std::vector<TStatRow>& Rows() const { return workspace->Stats().Table().Table.Rows; }

    test::TempDir dir;
    test::FakeUiHost host;
    std::unique_ptr<Workspace> workspace;
    Log log;
};

TEST_F(FilterWalk, RemovingEveryValueOneByOneRollsBackTheLast) {
    Run("TSD1#NUMS:10#LNO:#SF:0");
    ASSERT_EQ(Rows().size(), 10u);
    ASSERT_GE(log.Lines.size(), 11u);
    EXPECT_EQ(
        log.Lines[0],
        "Анализ тиражей и расчет статистики \"{ num } Числа тиража [ N ]\" для выборки в 10 тиражей...");
    EXPECT_EQ(log.Count("< ["), 10);  // every row of the table
    EXPECT_EQ(log.Count("Шаг "), 10);
    EXPECT_EQ(log.Count("Удаляем выделенные значения..."), 10);
    const std::vector<std::string> tail(log.Lines.end() - 4, log.Lines.end());
    EXPECT_EQ(tail[0].rfind("Шаг 010. Выделение строки: < [", 0), 0u);
    EXPECT_EQ(tail[2], "Количество комбинаций в списке: 0");
    EXPECT_EQ(tail[3], "{UNDO} Откат изменений...");
    EXPECT_EQ(log.Count("{UNDO}"), 1);
    // Sorted by "Количество" descending, the last row's value survives alone.
    EXPECT_TRUE(workspace->Stats().Table().Descending);
    EXPECT_EQ(workspace->Options().DrawsStatLen, 10);
    ASSERT_EQ(Combs(), 1);
    const std::string last = Rows().back().Texts[0];
    EXPECT_EQ(CombToStr(workspace->Combs().List().CombAt(0)), last + ";" + last + ";" + last);
    const auto& applied = workspace->Combs().List().Applied();
    ASSERT_EQ(applied.size(), 11u);  // ten filterings and the undo row
    EXPECT_EQ(applied[10], (TAppliedFilter{11, "Отмена последней операции", "", 1}));
    EXPECT_TRUE(host.Messages.empty());

    // Multi-select that empties the list is rolled back the same way.
    Fresh();
    Run("TMD1#NUMS:10#LNO:#SF:0");
    EXPECT_EQ(log.Count("Шаг "), 10);
    EXPECT_EQ(log.Lines.back(), "{UNDO} Откат изменений...");
    EXPECT_EQ(Combs(), 1000);
    // Nothing selected: the list stays as it was.
    log.Lines.clear();
    Run("TMD1#NUMS:10#LMV:100000#SF:0");
    EXPECT_EQ(log.Count("Шаг "), 0);
    EXPECT_EQ(log.Lines.back(), "Количество комбинаций в списке: 1000");
}

TEST_F(FilterWalk, KeepingUntilEmptyGoesOnOrStopsWithSZ) {
    // Keeping one value after another leaves 271, 54 and 6 combinations; every further value
    // empties the list and is rolled back, without counting as a step.
    Run("TSF1#NUMS:10#LNO:#SF:0");
    EXPECT_EQ(log.Count("Шаг "), 10);
    EXPECT_EQ(log.Count("{UNDO}"), 7);
    EXPECT_EQ(log.Count("Шаг 004."), 7);
    EXPECT_EQ(Combs(), 6);
    Fresh();
    Run("TSF1#NUMS:10#LNO:#SZ:0");
    EXPECT_EQ(log.Count("Шаг "), 4);
    EXPECT_EQ(log.Lines.back(), "{UNDO} Откат изменений...");
    EXPECT_EQ(Combs(), 6);
}

TEST_F(FilterWalk, CountsOfCombinationsAndOfStepsEndTheWalk) {
    // "SC" 300: 1000, 729, 512, 343, then 216 is no more than 300; at the bound, not one row.
    Run("TSD1#NUMS:10#LNO:#SC:300");
    EXPECT_EQ(Combs(), 216);
    log.Lines.clear();
    Run("TSD1#NUMS:10#LNO:#SC:216");
    EXPECT_EQ(log.Count("Шаг "), 0);
    // "ST" 3: three successful filterings, or one filtering with the first three rows.
    Fresh();
    Run("TSD1#NUMS:10#LNO:#ST:3");
    EXPECT_EQ(Combs(), 343);
    Fresh();
    Run("TMF1#NUMS:10#LNO:#ST:3");
    EXPECT_EQ(log.Count("Шаг "), 3);
    EXPECT_EQ(log.Count("Оставляем выделенные значения..."), 1);
    EXPECT_EQ(Combs(), 1000 - 343);
    EXPECT_EQ(workspace->Combs().List().Applied().back().Values,
              Rows()[0].Texts[0] + "; " + Rows()[1].Texts[0] + "; " + Rows()[2].Texts[0]);
    // "SC" means nothing to a multi-select walk.
    Fresh();
    Run("TMD1#NUMS:10#LMV:0#SC:5000");
    EXPECT_EQ(log.Count("Шаг "), 10);
}

TEST_F(FilterWalk, CountBoundsFollowTheDirection) {
    // The table first, without a step, for a bound from the middle of its counts.
    Run("TSD1#NUMS:15#LNO:#ST:0");
    std::vector<int> counts;
    for (const TStatRow& row : Rows())
        counts.push_back(std::stoi(row.Texts[1]));
    ASSERT_EQ(counts.size(), 10u);
    const int bound = counts[4];
    const auto above = std::count_if(counts.begin(), counts.end(), [&](int c) { return c > bound; });
    const auto below = std::count_if(counts.begin(), counts.end(), [&](int c) { return c < bound; });
    ASSERT_TRUE(above > 0 && below > 0);
    // Top-down the walk ends at the first count at or below the bound, bottom-up at or above.
    Fresh();
    Run("TMF1#NUMS:15#LNO:#SV:" + std::to_string(bound));
    EXPECT_EQ(log.Count("Шаг "), above);
    Fresh();
    Run("BMF1#NUMS:15#LNO:#SV:" + std::to_string(bound));
    EXPECT_EQ(log.Count("Шаг "), below);
    EXPECT_EQ(log.Lines[11].rfind("Шаг 001. Выделение строки: < [" + Rows().back().Texts[0] + "]", 0), 0u);
    Fresh();
    Run("TMF1#NUMS:15#LNO:#SP:-1");  // a percent no row reaches
    EXPECT_EQ(log.Count("Шаг "), 10);
}

TEST_F(FilterWalk, SortColumnsValueKeysAndWeights) {
    // A column outside the table compares every row as equal: the captions decide.
    Run("TSD99#NUMS:10#LNO:#ST:1");
    for (size_t i = 0; i < Rows().size(); ++i)
        EXPECT_EQ(Rows()[i].Texts[0], std::to_string(9 - i));
    EXPECT_EQ(log.Count("Шаг 001. Выделение строки: < [9]"), 1);
    Fresh();
    Run("TSD-1#NUMS:10#LNO:#ST:1");
    EXPECT_EQ(log.Count("Шаг 001. Выделение строки: < [9]"), 1);
    // "LVA" compares the method's value keys.
    Fresh();
    Run("TMF1#NUMS:10#LVA:3,7#SF:0");
    EXPECT_EQ(Combs(), 1000 - 512);
    // A step's own weights, or those of the pass; the log may be off.
    Fresh();
    TStatList& stats = workspace->Stats().List();
    stats.Config.Weights = {1, 0, 0, false, false};
    stats.BackupWeights();
    Run("TSD1#NUMS:10#WMV:0#ST:1#0:0:2:0:1");
    EXPECT_EQ(stats.Config.Weights, (WeightCoefficients{0, 0, 2, false, true}));
    log.Lines.clear();
    RunFilterPart(*workspace, Part("TMD1#NUMS:10#WMV:1000#SF:0"), nullptr);  // weight = count < 1000
    EXPECT_EQ(stats.Config.Weights, (WeightCoefficients{1, 0, 0, false, false}));
    EXPECT_TRUE(log.Lines.empty());
    EXPECT_EQ(Combs(), 729);
}

TEST_F(FilterWalk, StepsThatCannotRunOrAreStoppedChangeNothing) {
    // Deviation cells read "-" without the full-set comparison: the list test cannot go on.
    EXPECT_THROW(Run("TSD1#NUMS:10#DDV:1#SF:0"), ConvertError);
    // A stop request ends the walk before any row, without the final filtering.
    workspace->Script().RequestStop();
    log.Lines.clear();
    Run("TMD1#NUMS:10#LNO:#SF:0");
    Run("TSD1#NUMS:10#LNO:#SF:0");
    EXPECT_EQ(log.Count("Шаг "), 0);
    EXPECT_EQ(log.Count("Удаляем"), 0);
    workspace->Script().ClearStop();
    // A method the statistics tab does not offer.
    TStatList& stats = workspace->Stats().List();
    const TStatMethod& nums = stats.Items[static_cast<size_t>(stats.IndexOfCode("NUMS"))];
    for (TStatMethod& entry : stats.Items)
        entry.Favourite = &entry != &nums;
    stats.ShowAll = false;
    try {
        Run("TSD1#NUMS:10#LNO:#SF:0");
        FAIL() << "a hidden method ran";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Метод расчета статистики \"NUMS\" на найден!\r" + nums.DisplayName() +
                      "\r\rВозможно, Вы отключили данных метод расчета либо использовали "
                      "сценарий от другой модификации программы.");
    }
    EXPECT_EQ(Combs(), 1000);
}

}  // namespace
}  // namespace quorvel
