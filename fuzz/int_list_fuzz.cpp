// StrToIntList on any text: whatever list it gives prints and reads back as itself.
#include "core/model/lists.h"
#include "fuzz_input.h"

using namespace quorvel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const TIntArray list = StrToIntList(fuzz::AsText(data, size));
    fuzz::Expect(StrToIntList(IntListToStr(list, ";")) == list, "the printed list reads back otherwise");
    fuzz::Expect(StrToIntList(IntListToStr(list, ",")) == list,
                 "the list printed with commas reads back otherwise");
    return 0;
}
