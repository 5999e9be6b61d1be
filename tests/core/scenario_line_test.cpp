#include <gtest/gtest.h>

#include "core/scenario/filter_item.h"
#include "core/scenario/script_line.h"
#include "core/util/error.h"
#include "core/util/format.h"

namespace quorvel {
namespace {

// The catalogue a step text is read against.
class ScenarioText : public ::testing::Test {
protected:
    ScenarioText() : stats("unused.ini") { stats.Rebuild(); }
    TFilterItem Step(std::string_view text) const { return StrToFilterItem(text, stats); }
    std::string Normalised(std::string_view text) const { return FilterItemToStr(Step(text), stats); }
    std::string Refusal(std::string_view text) const {
        try {
            ExpandFilterItem(Step(text), stats);
        } catch (const Error& e) {
            return e.what();
        }
        return "expanded";
    }

    TStatList stats;
};

TEST(ScriptOptions, ParsedLenientlyAndPrintedInThreeForms) {
    const TScriptOptions excl = StrToScriptOptions("excl:7#all#nex");
    EXPECT_EQ(excl, (TScriptOptions{7, ListModeExcl, StakeModeAll, false, true}));
    EXPECT_EQ(ScriptOptionsToStr(excl), "EXCL:7#ALL#NEX");
    // Unknown codes give the defaults; the start list code is a prefix, the stake code exact.
    EXPECT_EQ(StrToScriptOptions("ZZZ:5#WHAT#clr#junk"),
              (TScriptOptions{5, ListModeFull, StakeModeRand, true, false}));
    EXPECT_EQ(StrToScriptOptions("CURRENT:x#ALLES"),
              (TScriptOptions{0, ListModeCurr, StakeModeRand, false, false}));
    EXPECT_EQ(StrToScriptOptions("##EXCL::3## none #NEX"),
              (TScriptOptions{3, ListModeExcl, StakeModeNone, false, true}));

    const TScriptOptions all{5, ListModeExcl, StakeModeAll, true, true};
    EXPECT_EQ(ScriptOptionsToStr(all), "EXCL:5#ALL#CLR#NEX");
    EXPECT_EQ(ScriptOptionsToShortStr(all), "EXCL:5#ALL#NEX");
    EXPECT_EQ(ScriptOptionsDisplayText(all), "Исключить 5 тиражей; Все; Удалить ставки; Только новые ставки");
    const TScriptOptions full{9, ListModeFull, StakeModeSysC, false, false};
    EXPECT_EQ(ScriptOptionsToStr(full), "FULL:9#SYSC");  // N is kept for every mode
    EXPECT_EQ(ScriptOptionsToShortStr(full), "FULL#SYSC");
    EXPECT_EQ(ScriptOptionsDisplayText(full), "Исходный список; Система [комб]; Все создаваемые ставки");
    EXPECT_EQ(ScriptOptionsDisplayText({0, 7, 42, false, false}),
              "# ERROR #; # ERROR #; Все создаваемые ставки");
}

TEST(ScriptLine, NineFieldsWithBlankStepsAndAnOptionalComment) {
    const std::array<std::string, ScriptStepCount> steps{"TSD1#NUMS:10", "", "  ", "", "", "", ""};
    const std::string line = MakeScriptLine({}, steps, "   ");
    EXPECT_EQ(line, "FULL:0#RAND|TSD1#NUMS:10| | | | | | |");
    EXPECT_EQ(ScriptLineComment(line), "");
    EXPECT_EQ(ScriptLineOptions(line), "FULL:0#RAND");
    EXPECT_EQ(ScriptLineStep(line, 1), "TSD1#NUMS:10");
    EXPECT_EQ(ScriptLineStep(line, 8), "");
    EXPECT_EQ(ScriptLineComment(MakeScriptLine({}, steps, " Мой ")), "Мой");
    // A "|" inside a field is not escaped: only the comment's first part reads back.
    EXPECT_EQ(ScriptLineComment(MakeScriptLine({}, steps, "до|после")), "до");
    // Steps written as nothing would collapse and shift every later field.
    EXPECT_EQ(ScriptLineStep("FULL:0#RAND|TSD1#NUMS:10||||||Мой", 2), "Мой");
    EXPECT_EQ(ScriptLineOptions("||FULL:0#RAND"), "FULL:0#RAND");
    EXPECT_TRUE(IsScriptSeparator(" \t"));
}

TEST_F(ScenarioText, StepTextsReadAndPrintBack) {
    const TFilterItem full = Step("BMF12#NUMS:10#LMV:5#ST:3");
    EXPECT_TRUE(full.Enabled && full.BottomUp && full.MultiSelect && full.KeepSelected &&
                !full.WeightOverride);
    EXPECT_EQ(full.SortColumn, 12);
    EXPECT_EQ(full.Method, stats.IndexOfCode("NUMS"));
    EXPECT_EQ(full.DrawsText, "10");
    EXPECT_EQ(full.Rule, RuleLMV);
    EXPECT_EQ(full.RuleValuesText, "5");
    EXPECT_EQ(full.StopCondition, StopST);
    EXPECT_EQ(full.StopValue, 3);
    EXPECT_EQ(FilterItemToStr(full, stats), "BMF12#NUMS:10#LMV:5#ST:3");

    const std::pair<const char*, const char*> cases[] = {
        {"T#SUMS:10", "TSD1#SUMS:10#LNO:#SF:0"},
        {"tsd1#nums:10", "TSD1#NUMS:10#LNO:#SF:0"},  // codes and letters regardless of case
        {"bmf3#nums:1-10;2#ldv:1,2#sv:4", "BMF3#NUMS:1-10;2#LDV:1,2#SV:4"},
        {"TSDx#NUMS:1", "TSD1#NUMS:1#LNO:#SF:0"},  // an unreadable sort column is 1
        {"TSD-2#NUMS:1", "TSD-2#NUMS:1#LNO:#SF:0"},
        {"TSD 99#NUMS:1", "TSD99#NUMS:1#LNO:#SF:0"},
        {"ТСД7#NUMS:1", "TSD7#NUMS:1#LNO:#SF:0"},            // characters, not bytes, are counted
        {"TSD1#NUMS:10#LNO:#SF", "TSD1#NUMS:10#LNO:#SF:1"},  // a bare stop code reads 1
        {"TSD1#NUMS:10#LNO:#ST:x", "TSD1#NUMS:10#LNO:#ST:1"},
        {"TSD1#NUMS:10#LNO:#QQ:5", "TSD1#NUMS:10#LNO:#SF:0"},   // an unknown stop code
        {"TSD1#NUMS:10#ZZZ:5", "TSD1#NUMS:10#LNO:#SF:0"},       // an unknown rule code
        {"TSD1##NUMS::10###LMV:5", "TSD1#NUMS:10#LMV:5#SF:0"},  // runs of separators collapse
        {"TSD1#XYZ:10#LMV:5", "TSD1#XYZ:10#LMV:5#SF:0"},        // an unknown method keeps its text
        {"TSD1", "TSD1##LNO:#SF:0"},
        {"  ", ""},
    };
    for (const auto& [text, printed] : cases)
        EXPECT_EQ(Normalised(text), printed) << text;
    EXPECT_EQ(Step("TSD1#XYZ:10").Method, -1);
    EXPECT_EQ(Step("TSD1#XYZ:10").DrawsText, "");
}

TEST_F(ScenarioText, WeightCoefficientsAreReadLenientlyAndPrintedWithAPoint) {
    const char saved = FormatSettings().DecimalSeparator;
    FormatSettings().DecimalSeparator = ',';
    const TFilterItem item = Step("TSF1#NUMS:10#WMV:2#SF:0#1,5:-0.5:2:1:0");
    EXPECT_EQ(item.Weights, (WeightCoefficients{1.5, -0.5, 2, true, false}));
    EXPECT_EQ(FilterItemToStr(item, stats), "TSF1#NUMS:10#WMV:2#SF:0#1.5:-0.5:2:1:0");
    FormatSettings().DecimalSeparator = saved;
    // Flags only by exactly "1"; missing parts read 0; no word 5, no override.
    EXPECT_EQ(Normalised("TSF1#NUMS:10#WMV:2#SF:0#x: 1 :2:yes"), "TSF1#NUMS:10#WMV:2#SF:0#0:1:2:0:0");
    EXPECT_FALSE(Step("TSF1#NUMS:10#WMV:2#SF:0").WeightOverride);

    const std::pair<const char*, double> read[] = {
        {"1.5", 1.5}, {"1,5", 1.5}, {"1e5", 15}, {"1.2.3", 0}, {" -0,25 ", -0.25}, {"5-", 0}, {"", 0}};
    for (const auto& [text, value] : read)
        EXPECT_DOUBLE_EQ(StrToCoefficient(text), value) << text;
    const std::pair<double, const char*> printed[] = {
        {0, "0"},
        {-2, "-2"},
        {0.00001, "0.00001"},
        {0.000001, "1E-6"},
        {1.5e15, "1.5E15"},
        {123456789012345.0, "123456789012345"},
        {2.0 / 3, "0.666666666666667"},
        {0.1 + 0.2, "0.3"},
    };
    for (const auto& [value, text] : printed)
        EXPECT_EQ(CoefficientToStr(value), text);
}

TEST_F(ScenarioText, TheScenarioListShowsNormalisedSteps) {
    const ScriptListRow cells = ScriptListCells("excl:7#all#nex|tsd1#nums:10|T#SUMS:10| | | | | |Мой", stats);
    EXPECT_EQ(cells, (ScriptListRow{"Мой", "Исключить 7 тиражей; Все; Только новые ставки",
                                    "TSD1#NUMS:10#LNO:#SF:0", "TSD1#SUMS:10#LNO:#SF:0", "", "", "", "", ""}));
    EXPECT_EQ(ScriptListCells("   ", stats), ScriptListRow{});
}

TEST_F(ScenarioText, TheStepEditorChecksInItsOrder) {
    const auto field = [&](std::string_view text) { return CheckFilterItem(Step(text), stats)->Field; };
    EXPECT_EQ(field("TSD1#NUMS:0#LMV:"), FilterItemField::DrawsText);  // the single 0 only
    EXPECT_EQ(CheckFilterItem(Step("TSD1#NUMS:0"), stats)->Message, "Введен некорректный диапазон значений!");
    EXPECT_EQ(field("TSD1#NUMS:0,5#LMV:"), FilterItemField::RuleValuesText);
    EXPECT_FALSE(CheckFilterItem(Step("TSD1#NUMS:10#LNO:"), stats));
    EXPECT_FALSE(CheckFilterItem(Step("TSD1#NUMS:10#LVA:1,2#SC:5"), stats));
    EXPECT_EQ(CheckFilterItem(Step("TMD1#NUMS:10#LNO:#SC:5"), stats)->Message,
              "В режиме мультивыделения остановка сценария по количеству комбинаций или чисел не может быть "
              "выполнена!\rВыберите другой способ останова.");
    TFilterItem textual = Step("TSD1#NUMS:10#LVA:");
    for (int i = 0; i < stats.Count(); ++i) {
        if (!stats.Items[static_cast<size_t>(i)].StatClass->NumericValues) textual.Method = i;
    }
    EXPECT_EQ(CheckFilterItem(textual, stats)->Message,
              "Для данного вида статистики не доступен режим выделения по списку значений!");
    EXPECT_TRUE(IsNumberListChar(';') && IsNumberListChar('-') && !IsNumberListChar('.'));
}

TEST_F(ScenarioText, VariantsOfOneStep) {
    // Threshold rules: a variant per window length and rule value, window lengths outside.
    const std::vector<TFilterPart> threshold = ExpandFilterItem(Step("BMF4#NUMS:5,10#LMV:1-3;1#ST:2"), stats);
    ASSERT_EQ(threshold.size(), 6u);
    EXPECT_EQ(threshold[2].DrawsCount, 5);
    EXPECT_EQ(threshold[2].RuleValue, "3");
    EXPECT_EQ(threshold[2].RuleValuesText, "3");
    EXPECT_EQ(threshold[3].DrawsCount, 10);
    EXPECT_EQ(threshold[3].RuleValue, "1");
    EXPECT_TRUE(threshold[3].BottomUp && threshold[3].MultiSelect && threshold[3].KeepSelected);
    EXPECT_EQ(threshold[3].SortColumn, 4);
    EXPECT_EQ(threshold[3].StopValue, 2);
    // List rules take the whole list at once; "LNO" keeps its text as written.
    for (const char* text : {"TSD1#NUMS:5#LDV:1-3;1", "TSD1#NUMS:5#WDV:1-3;1", "TSD1#NUMS:5#PIR:1-3;1"}) {
        const std::vector<TFilterPart> list = ExpandFilterItem(Step(text), stats);
        ASSERT_EQ(list.size(), 1u) << text;
        EXPECT_EQ(list[0].RuleValue, "1,2,3");
        EXPECT_EQ(list[0].RuleValuesText, "1-3;1");
    }
    EXPECT_EQ(ExpandFilterItem(Step("TSD1#NUMS:7#LNO:abc"), stats)[0].RuleValue, "abc");
    // Steps that cannot make a variant are refused with their printed text.
    EXPECT_EQ(Refusal("TSD1#XYZ:10#LMV:5"), "Некорректное описание фильтра: TSD1#XYZ:10#LMV:5#SF:0!");
    EXPECT_EQ(Refusal("tsd1#nums:10#lmv:x"), "Некорректное описание фильтра: TSD1#NUMS:10#LMV:x#SF:0!");
    EXPECT_EQ(Refusal("TSD1#NUMS:5,#LNO:"), "Некорректное описание фильтра: TSD1#NUMS:5,#LNO:#SF:0!");
}

}  // namespace
}  // namespace quorvel
