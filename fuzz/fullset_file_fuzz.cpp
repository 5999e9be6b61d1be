// Full-set files from damaged bytes: a file of whole records with its trailer reads and writes
// back byte for byte, and its counts feed a statistics table without harm; anything else is
// refused with a message.
#include "core/stats/fullset_file.h"
#include "core/stats/stat_table.h"
#include "fuzz_input.h"

using namespace quorvel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto path = fuzz::AsFile(data, size, "method.dfc");
    std::optional<FullSetData> fullSet;
    if (!fuzz::Refusing([&] { fullSet = ReadFullSetFile(path); })) return 0;
    if (!fullSet) return 0;
    // The trailer's last word is always written as 0, whatever the file held there.
    const auto copy = fuzz::Folder() / "copy.dfc";
    WriteFullSetFile(copy, *fullSet);
    const std::string written = ReadFileBytes(copy);
    fuzz::Expect(written.size() == size && written.compare(0, size - 4, fuzz::AsText(data, size - 4)) == 0 &&
                     written.compare(size - 4, 4, std::string(4, '\0')) == 0,
                 "the written file differs");

    const TStatList& catalogue = fuzz::Catalogue();
    const TStatMethod& entry = catalogue.Items[data[0] % catalogue.Items.size()];
    if (!entry.StatClass->SupportsFullSet()) return 0;
    const auto stat = entry.CreateStat(catalogue);
    TStatTableRequest request;
    request.WindowLength = 30;
    request.FullSet = &*fullSet;
    ComputeStatTable(*stat, fuzz::SmallArchive(), request);
    return 0;
}
