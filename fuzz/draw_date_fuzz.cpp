// StrToDrawDate and StrToValue on any text: a date read prints and reads back to the same print.
#include "core/model/text_forms.h"
#include "fuzz_input.h"

using namespace quorvel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text = fuzz::AsText(data, size);
    StrToValue(text);
    TDateTime value = 0;
    if (!fuzz::Refusing([&] { value = StrToDrawDate(text); })) return 0;
    const std::string printed = DrawDateToStr(value);
    if (printed.empty()) return 0;  // dates before the calendar's start print as nothing
    fuzz::Expect(DrawDateToStr(StrToDrawDate(printed)) == printed, "the printed date reads back otherwise");
    return 0;
}
