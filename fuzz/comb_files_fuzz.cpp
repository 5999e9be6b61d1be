// ".lcv" list files and clipboard text: what either reader takes in is written and read back
// unchanged, through the list file and through the clipboard form.
#include "core/combos/comb_files.h"
#include "fuzz_input.h"

using namespace quorvel;

namespace {

void ExpectRoundTrips(const TCombsArray& combs) {
    const auto copy = fuzz::Folder() / "copy.lcv";
    WriteCombsFile(copy, combs);
    fuzz::Expect(ReadCombsFile(copy) == combs, "the written list file reads back otherwise");
    fuzz::Expect(ParseClipboardText(CombsToClipboardText(combs)) == combs,
                 "the clipboard form reads back otherwise");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto path = fuzz::AsFile(data, size, "list.lcv");
    TCombsArray fromFile;
    if (fuzz::Refusing([&] { fromFile = ReadCombsFile(path); })) ExpectRoundTrips(fromFile);
    TCombsArray pasted;
    if (fuzz::Refusing([&] { pasted = ParseClipboardText(fuzz::AsText(data, size)); }))
        ExpectRoundTrips(pasted);
    return 0;
}
