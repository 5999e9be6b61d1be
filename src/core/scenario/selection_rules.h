#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/stats/stat_list.h"
#include "core/stats/stat_table.h"

namespace quorvel {

// The 32 rules that pick rows of the statistics table, by index.
constexpr int SelectionRuleCount = 32;
enum SelectionRuleIndex : uint8_t {
    RuleLNO = 0,
    RuleLMV,
    RuleLMP,
    RuleLLV,
    RuleLLP,
    RuleLDV,
    RuleLDP,
    RuleDMV,
    RuleDMP,
    RuleDLV,
    RuleDLP,
    RuleDDV,
    RuleDDP,
    RuleCMV,
    RuleCMP,
    RuleCLV,
    RuleCLP,
    RuleCDV,
    RuleCDP,
    RuleWMV,
    RuleWLV,
    RuleWDV,
    RulePIM,
    RulePIL,
    RulePIR,
    RulePAM,
    RulePAL,
    RulePAR,
    RulePXM,
    RulePXL,
    RulePXR,
    RuleLVA,
};
std::string SelectionRuleCode(int rule);
std::string SelectionRuleText(int rule);
// Rules comparing a cell with one value: each of their rule values makes its own variant.
bool IsThresholdRule(int rule);
// Rules testing a cell against the whole list of rule values at once.
bool IsListRule(int rule);

// Conditions that end the walk over the table.
constexpr int StopConditionCount = 6;
enum StopConditionIndex : uint8_t { StopSF = 0, StopSC, StopSZ, StopST, StopSV, StopSP };
std::string StopConditionCode(int stop);
std::string StopConditionText(int stop);

// The positions of the row texts a rule reads (TStatValues order).
enum StatValueIndex : uint8_t {
    CellValueText = 0,
    CellValueKey,
    CellCount,
    CellCountPercent,
    CellDeviation,
    CellDeviationPercent,
    CellDepth,
    CellDepthPercent,
    CellWeight,
    CellPeriodMin,
    CellPeriod,
    CellPeriodMax,
};

// One concrete variant of a filter step: one window length and one rule value.
struct TFilterPart {
    bool Enabled = false;
    int Method = -1;  // catalogue entry, -1 for none
    int32_t DrawsCount = 0;
    int32_t SortColumn = 1;
    bool BottomUp = false;
    bool MultiSelect = false;
    bool KeepSelected = false;
    uint8_t Rule = RuleLNO;
    // One integer for the threshold rules, the integers joined by "," for the list rules,
    // the rule values text as written for "LNO".
    std::string RuleValue;
    std::string RuleValuesText;
    bool WeightOverride = false;
    WeightCoefficients Weights{0, 0, 0, false, false};
    uint8_t StopCondition = StopSF;
    int32_t StopValue = 0;
    bool operator==(const TFilterPart&) const = default;
};

// Whether the row passes the part's rule. A list rule meeting a cell or an item that does not
// convert throws ConvertError with "Значение \"%s\" не является целым числом!" (integer lists)
// or "Значение \"%s\" не является числом!" (number lists): the run cannot go on sensibly.
bool RowPassesRule(const TFilterPart& part, const TStatValues& row);
// "SV" and "SP": whether the row's count (or count %) has reached the stop value, in the sense
// of the walk's direction. False for every other condition.
bool RowEndsWalk(const TFilterPart& part, const TStatValues& row);

// "< [v] кол-во: c (c% %), отклонение: d (d% %), глубина: l (l% %), вес: w >", the row as the
// scenario log shows it.
std::string StatRowLogText(const TStatValues& row);

}  // namespace quorvel
