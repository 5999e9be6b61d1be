// StrToComb and ParseTypedComb on any text: a combination read either way holds values 0..9
// only, and prints and reads back as itself; what a person may type is never read more
// leniently than a file would be.
#include "core/model/text_forms.h"
#include "fuzz_input.h"

using namespace quorvel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text = fuzz::AsText(data, size);
    TComb lenient{};
    const bool readLeniently = fuzz::Refusing([&] { lenient = StrToComb(text); });
    const std::optional<TComb> typed = ParseTypedComb(text);
    for (const auto& [read, comb] :
         {std::pair{readLeniently, lenient}, {typed.has_value(), typed.value_or(TComb{})}}) {
        if (!read) continue;
        for (uint8_t value : comb.Values)
            fuzz::Expect(IsValidValue(value), "a value outside 0..9");
        fuzz::Expect(ParseTypedComb(CombToStr(comb)) == comb && StrToComb(CombToPaddedStr(comb)) == comb,
                     "the print reads back otherwise");
    }
    return 0;
}
