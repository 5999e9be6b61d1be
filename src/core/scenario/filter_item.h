#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/scenario/selection_rules.h"
#include "core/stats/stat_list.h"

namespace quorvel {

// One filter step of a scenario line, as its text "TSD1#NUMS:10#LNO:#SF:0" describes it.
struct TFilterItem {
    bool Enabled = false;
    std::string MethodText;  // word 2 as written, kept when no method matches
    int Method = -1;         // catalogue entry, -1 for none
    std::string DrawsText;   // number list of the window lengths
    int32_t SortColumn = 0;
    bool BottomUp = false;
    bool MultiSelect = false;
    bool KeepSelected = false;
    uint8_t Rule = RuleLNO;
    std::string RuleValuesText;
    bool WeightOverride = false;
    WeightCoefficients Weights{0, 0, 0, false, false};
    uint8_t StopCondition = StopSF;
    int32_t StopValue = 0;
    bool operator==(const TFilterItem&) const = default;
};

// Never fails: unknown codes fall back to the defaults, an unknown method keeps its text.
TFilterItem StrToFilterItem(std::string_view text, const TStatList& catalogue);
// The empty text for a disabled step.
std::string FilterItemToStr(const TFilterItem& item, const TStatList& catalogue);

// A coefficient as a hand-written text may hold it: "." and "," are the decimal point, "-" and
// the digits stay, every other character is dropped; 0 when the rest is not a plain decimal.
double StrToCoefficient(std::string_view text);
// Up to 15 significant digits with "." as the point, whatever the user's separator: plain
// between 1E-5 and 1E15, else with an exponent ("1E-6", "1.5E15").
std::string CoefficientToStr(double value);

// Characters the number list fields of the step editor accept (control keys aside).
bool IsNumberListChar(char c);

// The check of the step editor's OK: the field at fault and the message, or nothing.
enum class FilterItemField { DrawsText, Rule, RuleValuesText, StopCondition };
struct FilterItemProblem {
    FilterItemField Field;
    std::string Message;
};
std::optional<FilterItemProblem> CheckFilterItem(const TFilterItem& item, const TStatList& catalogue);

// The variants of one step: each window length in order and, for a threshold rule, each rule
// value in order. A step without method, or whose lists give nothing (no window lengths, or no
// rule values for a rule other than "LNO"), throws Error "Некорректное описание фильтра: %s!" with the
// printed step.
std::vector<TFilterPart> ExpandFilterItem(const TFilterItem& item, const TStatList& catalogue);

// "Вы задали слишком много вариантов фильтров...": storage for the variants ran out.
extern const char* const TooManyVariantsText;
// Throws Error with the too-many-variants message and the system's out-of-memory text when
// count items of that size would take more than half the machine's memory. Asking for such
// storage does not fail at once on a system that promises memory it does not have: the
// process would fill the memory and be ended, so the count is checked before anything is
// stored.
void RequireVariantStorage(uint64_t count, size_t bytesEach);

}  // namespace quorvel
