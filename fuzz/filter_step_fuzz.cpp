// Filter step texts: parsing never fails, a printed step parses back to the same print, and the
// editor's check and the variants of a step that passes it stay within what the step names.
#include <cmath>

#include "core/model/lists.h"
#include "core/scenario/filter_item.h"
#include "fuzz_input.h"

using namespace quorvel;

namespace {

// A step without a method word prints an empty word, which a second reading collapses with its
// neighbour: such a step has nothing to keep, and is refused when it runs. A coefficient printed
// with an exponent reads back without it: the lenient reading keeps digits, signs and points
// only, as hand-written coefficients need.
bool CanKeepItsPrint(const TFilterItem& item) {
    const bool methodWord = item.Method >= 0 || !item.MethodText.empty();
    auto plain = [](double v) { return v == 0 || (std::fabs(v) >= 1e-5 && std::fabs(v) < 1e15); };
    const bool plainWeights =
        !item.WeightOverride ||
        (plain(item.Weights.Count) && plain(item.Weights.Deviation) && plain(item.Weights.Level));
    return methodWord && plainWeights;
}

// Variants are one per window length and, for a threshold rule, per rule value: a step whose
// lists are long is looked at only for its counts.
void CheckVariants(const TFilterItem& item, const TStatList& catalogue) {
    const size_t lengths = StrToIntList(item.DrawsText).size();
    const size_t values = StrToIntList(item.RuleValuesText).size();
    if (lengths * std::max<size_t>(values, 1) > 10000) return;
    std::vector<TFilterPart> parts;
    if (!fuzz::Refusing([&] { parts = ExpandFilterItem(item, catalogue); })) return;
    fuzz::Expect(parts.size() == lengths || parts.size() == lengths * values,
                 "a variant count off the lists");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const TStatList& catalogue = fuzz::Catalogue();
    const TFilterItem item = StrToFilterItem(fuzz::AsText(data, size), catalogue);
    const std::string printed = FilterItemToStr(item, catalogue);
    if (CanKeepItsPrint(item)) {
        fuzz::Expect(FilterItemToStr(StrToFilterItem(printed, catalogue), catalogue) == printed,
                     "the printed step parses back to another print");
    }
    if (!CheckFilterItem(item, catalogue)) CheckVariants(item, catalogue);
    return 0;
}
