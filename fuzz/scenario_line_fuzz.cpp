// Scenario files and their lines: every line shows in the scenario list, its options print and
// read back as themselves, a line rebuilt from its parts shows the same, and the file writes
// and reads back unchanged.
#include <array>

#include "core/scenario/filter_variants.h"
#include "core/scenario/scenario.h"
#include "core/scenario/script_line.h"
#include "fuzz_input.h"

using namespace quorvel;

namespace {

void CheckLine(const std::string& line, const TStatList& catalogue) {
    const ScriptListRow cells = ScriptListCells(line, catalogue);
    ReadLineSteps(line, catalogue);
    if (IsScriptSeparator(line)) return;
    const TScriptOptions options = StrToScriptOptions(ScriptLineOptions(line));
    fuzz::Expect(StrToScriptOptions(ScriptOptionsToStr(options)) == options,
                 "the options read back otherwise");
    ScriptOptionsToShortStr(options);
    std::array<std::string, ScriptStepCount> steps;
    for (int step = 1; step <= ScriptStepCount; ++step)
        steps[static_cast<size_t>(step - 1)] = ScriptLineStep(line, step);
    const std::string rebuilt = MakeScriptLine(options, steps, ScriptLineComment(line));
    fuzz::Expect(ScriptListCells(rebuilt, catalogue) == cells, "the rebuilt line shows otherwise");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto path = fuzz::AsFile(data, size, "scenario.lsc");
    std::vector<std::string> lines;
    if (!fuzz::Refusing([&] { lines = ReadScenarioFile(path); })) return 0;
    for (const std::string& line : lines)
        CheckLine(line, fuzz::Catalogue());
    const auto copy = fuzz::Folder() / "copy.lsc";
    WriteScenarioFile(copy, lines);
    fuzz::Expect(ReadScenarioFile(copy) == lines, "the written scenario reads back otherwise");
    return 0;
}
