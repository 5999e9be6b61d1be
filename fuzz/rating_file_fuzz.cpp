// The rating file from damaged bytes: whole rows load, show in every efficiency mode, sort by
// every column and write back byte for byte.
#include "core/stakes/rating.h"
#include "fuzz_input.h"

using namespace quorvel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto path = fuzz::AsFile(data, size, "rating.lrt");
    TRatingFileContent content;
    if (!fuzz::Refusing([&] { content = LoadRatingFile(path); })) return 0;
    fuzz::Expect(content.Rows.size() == size / RatingRecordSize, "a whole row was lost");
    const auto copy = fuzz::Folder() / "copy.lrt";
    SaveRatingFile(copy, content.Rows);
    fuzz::Expect(ReadFileBytes(copy) == std::string(fuzz::AsText(data, size - size % RatingRecordSize)),
                 "the written rows differ from the ones read");
    for (const TRatingRow& row : content.Rows) {
        for (int mode = 0; mode < RatingEffModeCount; ++mode)
            RatingRowTexts(row, mode);
    }
    RatingCsvLines(content.Rows);
    TRating rating;
    rating.Assign(content.Rows);
    for (int column = 0; column < RatingColumnCount; ++column) {
        rating.Sort(column, false);
        rating.Sort(column, true);
    }
    return 0;
}
