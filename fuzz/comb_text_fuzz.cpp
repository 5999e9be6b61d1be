// StrToComb and StrToCombStrict on any text: a combination read either way prints and reads
// back as itself, and the strict reading accepts nothing the lenient one refuses.
#include "fuzz_input.h"
#include "model/text_forms.h"

using namespace quorvel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text = fuzz::AsText(data, size);
    TComb lenient{};
    const bool readLeniently = fuzz::Refusing([&] { lenient = StrToComb(text); });
    TComb strict{};
    const bool readStrictly = fuzz::Refusing([&] { strict = StrToCombStrict(text); });
    if (readStrictly) {
        fuzz::Expect(readLeniently && strict == lenient, "a strict reading the lenient one does not share");
    }
    if (readLeniently) {
        for (uint8_t value : lenient.Values)
            fuzz::Expect(IsValidValue(value), "a value outside 0..9");
        fuzz::Expect(StrToCombStrict(CombToStr(lenient)) == lenient, "the print reads back otherwise");
    }
    return 0;
}
