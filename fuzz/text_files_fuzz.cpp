// The text files written by hand or by other programs: delimited draw files and their import,
// ".lcv" lists and clipboard text, the settings file, scenario files and system files.
#include "app/ini_file.h"
#include "archive/draw_archive.h"
#include "archive/draws_import.h"
#include "combos/comb_files.h"
#include "fuzz_input.h"
#include "scenario/scenario.h"
#include "systems/system_lines.h"
#include "util/text_file.h"

using namespace quorvel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto path = fuzz::AsFile(data, size, "text");
    fuzz::Refusing([&] {
        DrawArchive archive;
        ImportDrawLines(archive, ReadDrawsTextFile(path));
    });
    fuzz::Refusing([&] { ReadCombsFile(path); });
    fuzz::Refusing([&] { ParseClipboardText(fuzz::AsText(data, size)); });
    fuzz::Refusing([&] { TIniFile::Load(path).ReadInteger("GLOBAL", "Cost", 1); });
    fuzz::Refusing([&] { ReadScenarioFile(path); });
    fuzz::Refusing([&] {
        const auto lines = ReadTextFile(path);
        for (int numbers = 4; numbers <= 10; ++numbers)
            ParseSystemLines(lines, numbers, "fuzz.dat");
    });
    fuzz::Refusing([&] { NormalizeSystemText(fuzz::AsText(data, size)); });
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
    return 0;
}
