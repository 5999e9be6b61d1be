// Every binary file of the data directory read from damaged bytes: the draws, rating and
// regular-stakes files, full-set files, and the stakes file through its version check.
#include "archive/draws_file.h"
#include "fuzz_input.h"
#include "stakes/rating.h"
#include "stakes/regulars_file.h"
#include "stakes/stakes_file.h"
#include "stats/fullset_file.h"

using namespace quorvel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto path = fuzz::AsFile(data, size, "data");
    fuzz::Refusing([&] { LoadDrawsFile(path); });
    fuzz::Refusing([&] { LoadRatingFile(path); });
    fuzz::Refusing([&] { LoadRegularsFile(path); });
    fuzz::Refusing([&] { ReadFullSetFile(path); });
    fuzz::Refusing([&] {
        StakesFile stakes;
        stakes.Open(path);
        stakes.CheckVersion();
        stakes.ReadBlock(0, stakes.RecordCount());
    });
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
    std::filesystem::remove(path.string() + ".bak", ignored);
    return 0;
}
