// StrToComb and StrToCombStrict on any text: a combination read either way holds values 0..9
// only, and prints and reads back as itself.
#include "core/model/text_forms.h"
#include "fuzz_input.h"

using namespace quorvel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text = fuzz::AsText(data, size);
    TComb lenient{};
    const bool readLeniently = fuzz::Refusing([&] { lenient = StrToComb(text); });
    TComb strict{};
    const bool readStrictly = fuzz::Refusing([&] { strict = StrToCombStrict(text); });
    for (const auto& [read, comb] : {std::pair{readLeniently, lenient}, {readStrictly, strict}}) {
        if (!read) continue;
        for (uint8_t value : comb.Values)
            fuzz::Expect(IsValidValue(value), "a value outside 0..9");
        fuzz::Expect(StrToCombStrict(CombToStr(comb)) == comb && StrToComb(CombToPaddedStr(comb)) == comb,
                     "the print reads back otherwise");
    }
    return 0;
}
