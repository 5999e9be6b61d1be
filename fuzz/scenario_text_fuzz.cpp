// Scenario lines, options and filter steps: parsing never fails, and a printed step parses back
// to the same print.
#include <cmath>
#include <cstdlib>

#include "fuzz_input.h"
#include "scenario/filter_item.h"
#include "scenario/script_line.h"

using namespace quorvel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text = fuzz::AsText(data, size);
    const TScriptOptions options = StrToScriptOptions(text);
    if (StrToScriptOptions(ScriptOptionsToStr(options)) != options) std::abort();
    ScriptOptionsDisplayText(options);
    ScriptListCells(text, fuzz::Catalogue());
    const TFilterItem item = StrToFilterItem(text, fuzz::Catalogue());
    const std::string printed = FilterItemToStr(item, fuzz::Catalogue());
    // A step without a method word prints an empty word, which a second reading collapses with
    // its neighbour: such a step has nothing to keep, and is refused when it runs.
    const bool methodWord = item.Method >= 0 || !item.MethodText.empty();
    // A coefficient printed with an exponent reads back without it: the lenient reading keeps
    // digits, signs and points only, as hand-written coefficients need.
    auto plain = [](double v) { return v == 0 || (std::fabs(v) >= 1e-5 && std::fabs(v) < 1e15); };
    const bool plainWeights =
        !item.WeightOverride ||
        (plain(item.Weights.Count) && plain(item.Weights.Deviation) && plain(item.Weights.Level));
    if (methodWord && plainWeights &&
        FilterItemToStr(StrToFilterItem(printed, fuzz::Catalogue()), fuzz::Catalogue()) != printed)
        std::abort();
    return 0;
}
