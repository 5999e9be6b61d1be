#include "core/scenario/filter_variants.h"

#include <new>

#include "core/util/error.h"
#include "core/util/format.h"

namespace quorvel {

namespace {

struct Expansion {
    const std::vector<std::vector<TFilterPart>>& stepParts;
    const VariantExpansionHooks& hooks;
    std::vector<TFilterRec>& variants;
    TFilterRec current{};
    bool stopped = false;

    void Expand(size_t step) {
        if (step == stepParts.size()) {
            variants.push_back(current);
            if (variants.size() % 1000 == 0 && hooks.Progress)
                hooks.Progress(static_cast<int>(variants.size()));
            return;
        }
        for (const TFilterPart& part : stepParts[step]) {
            if (hooks.StopRequested && hooks.StopRequested()) {
                stopped = true;
                return;
            }
            current.Parts[step] = part;
            Expand(step + 1);
            if (stopped) return;
        }
        current.Parts[step] = TFilterPart{};
    }
};

}  // namespace

std::vector<TFilterItem> ReadLineSteps(std::string_view line, const TStatList& catalogue) {
    std::vector<TFilterItem> steps;
    for (int step = 1; step <= ScriptStepCount; ++step) {
        TFilterItem item = StrToFilterItem(ScriptLineStep(line, step), catalogue);
        if (item.Enabled) steps.push_back(std::move(item));
    }
    return steps;
}

std::vector<TFilterRec> ExpandVariants(const std::vector<TFilterItem>& steps, const TStatList& catalogue,
                                       const VariantExpansionHooks& hooks) {
    std::vector<std::vector<TFilterPart>> stepParts;
    for (const TFilterItem& step : steps)
        stepParts.push_back(ExpandFilterItem(step, catalogue));
    std::vector<TFilterRec> variants;
    if (steps.empty()) return variants;
    uint64_t count = 1;
    for (const std::vector<TFilterPart>& parts : stepParts) {
        if (__builtin_mul_overflow(count, uint64_t{parts.size()}, &count)) count = UINT64_MAX;
    }
    RequireVariantStorage(count, sizeof(TFilterRec));
    try {
        Expansion expansion{stepParts, hooks, variants};
        expansion.Expand(0);
    } catch (const std::bad_alloc& e) {
        variants = {};
        throw Error(std::string(TooManyVariantsText) + "\r\r" + e.what());
    } catch (const std::length_error& e) {
        variants = {};
        throw Error(std::string(TooManyVariantsText) + "\r\r" + e.what());
    }
    return variants;
}

std::string FilterPartToStr(const TFilterPart& part, const TStatList& catalogue) {
    if (!part.Enabled) return {};
    TFilterItem item;
    item.Enabled = true;
    item.Method = part.Method;
    item.DrawsText = std::to_string(part.DrawsCount);
    item.BottomUp = part.BottomUp;
    item.MultiSelect = part.MultiSelect;
    item.KeepSelected = part.KeepSelected;
    item.Rule = part.Rule;
    item.RuleValuesText = part.RuleValuesText;
    item.WeightOverride = part.WeightOverride;
    item.Weights = part.Weights;
    item.StopCondition = part.StopCondition;
    item.StopValue = part.StopValue;
    std::string text = FilterItemToStr(item, catalogue);
    // The sort column is the number ending the first word.
    const size_t end = text.find('#');
    return text.substr(0, 3) + text.substr(end);
}

std::string VariantStepsText(const TFilterRec& variant, const TStatList& catalogue) {
    std::string text;
    for (const TFilterPart& part : variant.Parts) {
        if (!part.Enabled) continue;
        if (!text.empty()) text += " + ";
        text += FilterPartToStr(part, catalogue);
    }
    return text;
}

std::string VariantText(const TScriptOptions& options, const TFilterRec& variant,
                        const TStatList& catalogue) {
    const std::string steps = VariantStepsText(variant, catalogue);
    const std::string shortOptions = ScriptOptionsToShortStr(options);
    return steps.empty() ? shortOptions : shortOptions + " + " + steps;
}

std::string ScenarioStakeComment(int line, int variant, std::string_view lineComment,
                                 std::string_view variantText) {
    std::string comment = Format("%.2d.%.3d:", {line, variant}) + " ";
    if (!lineComment.empty()) comment += std::string(lineComment) + " ";
    comment += "@ ";
    comment += variantText;
    return comment;
}

}  // namespace quorvel
