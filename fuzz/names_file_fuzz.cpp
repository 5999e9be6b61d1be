// The names file of the statistic methods (favourites and custom names) and the interface state
// file: both are INI files a user may edit by hand.
#include "app/ui_state.h"
#include "fuzz_input.h"
#include "stats/stat_list.h"

using namespace quorvel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto path = fuzz::AsFile(data, size, "names");
    // The reader reports a bad file as a message; it must neither throw nor crash.
    (void)fuzz::Catalogue().LoadNames(path, true);
    fuzz::Catalogue().MethodList(false);
    fuzz::Refusing([&] {
        TUiOptions options;
        LoadUiOptions(UiStateFile(path), options);
    });
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
    return 0;
}
