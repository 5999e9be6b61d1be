// The draws file from damaged bytes: whole records load and a torn tail is named; what loaded
// is written back byte for byte.
#include "core/archive/draws_file.h"
#include "fuzz_input.h"

using namespace quorvel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto path = fuzz::AsFile(data, size, "draws.ldr");
    DrawsFileContent content;
    if (!fuzz::Refusing([&] { content = LoadDrawsFile(path); })) return 0;
    fuzz::Expect(content.Draws.size() == size / DrawRecordSize, "a whole record was lost");
    fuzz::Expect(content.ReadError.has_value() == (size % DrawRecordSize != 0), "a torn tail went unnamed");
    const auto copy = fuzz::Folder() / "copy.ldr";
    SaveDrawsFile(copy, content.Draws);
    fuzz::Expect(ReadFileBytes(copy) == std::string(fuzz::AsText(data, size - size % DrawRecordSize)),
                 "the written records differ from the ones read");
    DrawArchive archive;
    archive.Assign(content.Draws);
    archive.NextDrawText();
    archive.NextValuesText();
    for (int row = 0; row < archive.Count() && row < 50; ++row)
        archive.DrawAtRow(row);
    return 0;
}
