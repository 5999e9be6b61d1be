// The stakes file from damaged bytes: a file of another version or a torn one is kept aside and
// emptied; the stakes of a whole file show, are checked against the draws and enter the
// rating, all in place, and deleting by a condition keeps every separator.
#include "core/stakes/rating.h"
#include "core/stakes/stakes_check.h"
#include "core/stakes/stakes_file.h"
#include "fuzz_input.h"

using namespace quorvel;

namespace {

// A prize table with a cost, so that checked stakes compute real amounts.
const TStatList& PricedCatalogue() {
    static const TStatList priced = [] {
        TStatList list = fuzz::Catalogue();
        list.Config.Cost = 10000;
        list.Config.Profits = {{1, 20000}, {2, 400000}, {3, 5000000}};
        return list;
    }();
    return priced;
}

int Separators(StakesFile& file) {
    int count = 0;
    for (const TStakeRecord& record : file.ReadBlock(0, file.RecordCount()))
        count += record.Kind == StakeKindSeparator ? 1 : 0;
    return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto path = fuzz::AsFile(data, size, "stakes.lsk");
    StakesFile file;
    file.Open(path);
    std::optional<std::string> warning;
    if (!fuzz::Refusing([&] { warning = file.CheckVersion(); })) return 0;
    fuzz::Expect(warning.has_value() == (file.Size() != static_cast<int64_t>(size)), "a file emptied unsaid");
    const int records = file.RecordCount();
    for (const TStakeRecord& record : file.ReadBlock(0, records))
        StakeCellTexts(record);

    TRating rating;
    const TStakeCheckResult checked =
        CheckAllStakes(file, fuzz::SmallArchive(), PricedCatalogue(), rating, nullptr, {});
    fuzz::Expect(file.RecordCount() == records, "the check changed the number of records");
    if (!checked.Error) {
        TRating fromFile;
        fuzz::Refusing([&] { AddCheckedStakes(file, fromFile); });
    }
    const int separators = Separators(file);
    fuzz::Refusing([&] { file.DeleteWhere(TStakeCondition::Less, 2); });
    fuzz::Expect(Separators(file) == separators, "deleting by a condition took a separator");
    return 0;
}
