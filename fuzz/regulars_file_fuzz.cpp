// The regular-stakes file from damaged bytes: a record out of range is left out and named, the
// rest load, show, shift and stake without harm, and a file without problems writes back byte
// for byte.
#include "core/stakes/regular.h"
#include "core/stakes/regulars_file.h"
#include "fuzz_input.h"

using namespace quorvel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto path = fuzz::AsFile(data, size, "regulars.ltb");
    TRegularsFileContent content;
    if (!fuzz::Refusing([&] { content = LoadRegularsFile(path); })) return 0;
    const auto copy = fuzz::Folder() / "copy.ltb";
    SaveRegularsFile(copy, content.Regulars);
    if (!content.Problem) {
        fuzz::Expect(ReadFileBytes(copy) == std::string(fuzz::AsText(data, size)),
                     "the written file differs");
    }
    const TRegularsFileContent again = LoadRegularsFile(copy);
    fuzz::Expect(!again.Problem && again.Regulars == content.Regulars,
                 "the written records read back otherwise");
    for (TRegular regular : content.Regulars) {
        RegularCellTexts(regular);
        RegularStake(regular, 41, 1000, 0);
        AdvanceRegular(regular, TComb{{9, 0, 5}});
        fuzz::Expect(!RegularRecordProblem(regular), "a shift left the values' range");
        RegularCellTexts(regular);
    }
    return 0;
}
