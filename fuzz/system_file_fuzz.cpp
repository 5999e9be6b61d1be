// System files and the system dialog's text: a system reads for every count of numbers or is
// refused with a message naming the line; every index read lies within the user's numbers, and
// the text the dialog keeps reads back as the same system.
#include "core/systems/system_files.h"
#include "core/systems/system_lines.h"
#include "fuzz_input.h"

using namespace quorvel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto path = fuzz::AsFile(data, size, "system.dat");
    for (int numbers = SystemNumbersMin; numbers <= SystemNumbersMax; ++numbers) {
        std::vector<TSystemLine> lines;
        if (!fuzz::Refusing([&] { lines = ReadSystemFile(path, numbers); })) continue;
        for (const TSystemLine& line : lines) {
            for (int index : line)
                fuzz::Expect(index >= 1 && index <= numbers, "an index outside the user's numbers");
        }
    }
    fuzz::Refusing([&] { CountSystemFileLines(path); });
    const TNormalizedSystem system = NormalizeSystemText(fuzz::AsText(data, size));
    std::string kept;
    for (const std::string& line : system.Lines)
        kept += line + "\r\n";
    const TNormalizedSystem again = NormalizeSystemText(kept);
    fuzz::Expect(again.Lines == system.Lines && again.Combs == system.Combs, "the kept text reads otherwise");
    return 0;
}
