// The interface state file, hand-edited or damaged: every option reads, is written back at
// shut-down and reads back as it was taken.
#include "core/app/ui_state.h"
#include "fuzz_input.h"

using namespace quorvel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto path = fuzz::AsFile(data, size, "state.frm");
    UiStateFile file(path);
    TUiOptions options;
    if (!fuzz::Refusing([&] { LoadUiOptions(file, options); })) return 0;
    SaveShutdownUiOptions(file, options);
    TUiOptions again;
    LoadUiOptions(file, again);
    fuzz::Expect(ShutdownUiValues(again) == ShutdownUiValues(options),
                 "the written options read back otherwise");
    file.ForSection("TFormRepeats").WriteUiString("Window", "1;2;3;4");
    fuzz::Expect(file.ForSection("TFormRepeats").ReadUiString("Window", "") == "1;2;3;4",
                 "a window's own key reads back otherwise");
    return 0;
}
