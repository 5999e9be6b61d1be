// The names file of the statistic methods (favourites, list options and the user's own names):
// a bad file gives a message, never an exception; what it gave is written and read back as it
// was taken.
#include "fuzz_input.h"

using namespace quorvel;

namespace {

std::string ListTexts(const TStatList& stats) {
    std::string texts;
    for (bool graphs : {false, true}) {
        for (const TStatList::MethodListItem& item : stats.MethodList(graphs))
            texts += std::to_string(item.Entry) + "=" + item.Text + "\n";
    }
    return texts + stats.FavouritesText();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto path = fuzz::AsFile(data, size, "names.flt");
    TStatList stats = fuzz::Catalogue();
    if (stats.LoadNames(path, true)) return 0;
    const std::string taken = ListTexts(stats);
    const auto copy = fuzz::Folder() / "copy.flt";
    std::filesystem::remove(copy);
    fuzz::Expect(!stats.SaveNames(copy, true, true), "the names could not be written");
    TStatList again = fuzz::Catalogue();
    fuzz::Expect(!again.LoadNames(copy, true), "the written names file does not load");
    fuzz::Expect(ListTexts(again) == taken, "the written names read back otherwise");
    return 0;
}
