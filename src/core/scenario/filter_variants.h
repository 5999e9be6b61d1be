#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "core/scenario/filter_item.h"
#include "core/scenario/script_line.h"

namespace quorvel {

// One filter variant of a line: a variant of each of its filter steps, in step order; the
// positions beyond the line's steps stay disabled.
struct TFilterRec {
    std::array<TFilterPart, ScriptStepCount> Parts{};
    bool operator==(const TFilterRec&) const = default;
};

// The line's non-empty step fields, packed in order (at most seven).
std::vector<TFilterItem> ReadLineSteps(std::string_view line, const TStatList& catalogue);

struct VariantExpansionHooks {
    // Polled before every window length and rule value; true ends the expansion early.
    std::function<bool()> StopRequested;
    // Told the count after every 1000 variants.
    std::function<void(int count)> Progress;
};

// Every combination of the steps' variants, depth first with step 1 outermost: the number is
// the product over the steps of their variant counts. A step that cannot be expanded throws
// Error "Некорректное описание фильтра: %s!"; running out of memory throws Error with the
// too-many-variants message.
std::vector<TFilterRec> ExpandVariants(const std::vector<TFilterItem>& steps, const TStatList& catalogue,
                                       const VariantExpansionHooks& hooks = {});

// A variant step as stake comments and logs show it: the step's text without the sort column,
// with the variant's window length and rule values text.
std::string FilterPartToStr(const TFilterPart& part, const TStatList& catalogue);
// The enabled steps of a variant joined by " + ".
std::string VariantStepsText(const TFilterRec& variant, const TStatList& catalogue);
// The short options text, then " + " and the steps text when there are steps.
std::string VariantText(const TScriptOptions& options, const TFilterRec& variant, const TStatList& catalogue);
// "03.012: Мой @ FULL#RAND + ...", in full; the stake record keeps its first 255 characters.
std::string ScenarioStakeComment(int line, int variant, std::string_view lineComment,
                                 std::string_view variantText);

}  // namespace quorvel
