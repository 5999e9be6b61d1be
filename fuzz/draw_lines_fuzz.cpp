// Delimited draw files: the field splitter on every line and the import of the whole file. What
// an import takes in holds only values 0..9, and exports and imports again unchanged.
#include "core/archive/draw_archive.h"
#include "core/archive/draws_import.h"
#include "fuzz_input.h"

using namespace quorvel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto path = fuzz::AsFile(data, size, "draws.csv");
    std::vector<std::string> lines;
    if (!fuzz::Refusing([&] { lines = ReadDrawsTextFile(path); })) return 0;
    for (const std::string& line : lines)
        SplitDrawFields(line);
    DrawArchive archive;
    if (!fuzz::Refusing([&] { ImportDrawLines(archive, lines); })) return 0;
    for (const TDraw& draw : archive.Draws()) {
        for (uint8_t value : draw.Values)
            fuzz::Expect(IsValidValue(value), "an imported value outside 0..9");
    }
    DrawArchive again;
    const DrawsImportResult result = ImportDrawLines(again, ExportDrawLines(archive.Draws()));
    fuzz::Expect(result.Added == archive.Count() && again.Draws() == archive.Draws(),
                 "the exported draws import otherwise");
    return 0;
}
