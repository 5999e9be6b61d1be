// StrToComb, StrToCombStrict, StrToDrawDate, StrToValue and StrToIntList on any text.
#include "fuzz_input.h"
#include "model/lists.h"
#include "model/text_forms.h"

using namespace quorvel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text = fuzz::AsText(data, size);
    fuzz::Refusing([&] { StrToComb(text); });
    fuzz::Refusing([&] { StrToCombStrict(text); });
    fuzz::Refusing([&] { StrToDrawDate(text); });
    fuzz::Refusing([&] { StrToValue(text); });
    fuzz::Refusing([&] { StrToIntList(text); });
    return 0;
}
