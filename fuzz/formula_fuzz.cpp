// The shredding formula evaluator on any text. A formula over draw values, read once and valued
// for a draw, must agree with the same formula read again with the values written in, which is
// how the rule defines it; the input's first nine bytes give the values.
#include <cmath>

#include "core/stats/families/shredding.h"
#include "fuzz_input.h"

using namespace quorvel;

namespace {

bool SameResult(const FormulaResult& a, const FormulaResult& b) {
    if (a.Error != b.Error) return false;
    if (std::isnan(a.Value) || std::isnan(b.Value)) return std::isnan(a.Value) && std::isnan(b.Value);
    return a.Value == b.Value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text = fuzz::AsText(data, size);
    EvaluateFormula(text);
    if (size < 9) return 0;
    TShredValues n{}, p{}, t{};
    for (size_t i = 0; i < 3; ++i) {
        n[i] = static_cast<uint8_t>(data[i] % 10);
        p[i] = static_cast<uint8_t>(data[i + 3] % 10);
        t[i] = static_cast<uint8_t>(data[i + 6] % 10);
    }
    const std::string_view formula = text.substr(9);
    TShredFormula compiled(formula);
    const FormulaResult once = compiled.Evaluate(n, p, t);
    const FormulaResult written = EvaluateFormula(TShredFormula::Substitute(formula, n, p, t));
    fuzz::Expect(SameResult(once, written),
                 "the formula read once values otherwise than with the values written in");
    for (int digits = 0; digits <= 6; ++digits) {
        const int value = compiled.Value(digits, n, p, t);
        fuzz::Expect(value >= 0 && value <= 99999, "a shred value beyond five digits");
    }
    return 0;
}
