#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

class Workspace;

// Whether a scenario's best filter variants hold on draws they were not chosen on: the scenario
// is tested on the passes before the last draws, its best rating rows become scenario lines, and
// those lines are tested on the last draws. Everything happens in scratch copies of the data
// directory; the user's own files are only read.
struct ValidationRequest {
    std::vector<std::string> Lines;  // the scenario
    int Train = 0;                   // passes chosen on: offsets Test + Train .. Test + 1
    int Test = 0;                    // passes checked on: offsets Test .. 1
    int Top = 10;                    // rating rows taken
    bool ByMean = false;             // ranked by "Среднее", highest first, instead of p
    int Jobs = 1;
    std::optional<uint32_t> Seed;
    // Set from another thread to stop the runs, as the host's own stop request does.
    const std::atomic<bool>* Stop = nullptr;
};

struct ValidationRow {
    std::string Comment;  // the rating row chosen on the training passes
    // False for a row without a filter step ("@ CURR#FIRST"), which cannot become a scenario
    // line: it stays in the report, with no figures of the test passes.
    bool Testable = true;
    int TrainStakes = 0;
    double TrainMean = 0;
    long double TrainP = 1;
    int TestStakes = 0;
    double TestMean = 0;
    long double TestP = 1;
};

struct ValidationReport {
    std::vector<ValidationRow> Rows;  // every row chosen, best first
    int Tested = 0;                   // of those, the rows whose lines ran on the test passes
    int Reached = 0;                  // rows with p <= 0.05 on the test passes
    double ByChance = 0;              // what chance alone gives: 0.05 per row tested
    bool Stopped = false;
};

// With the workspace of the data directory: the files a run reads are copied as they are saved,
// the options as the workspace holds them. Throws Error for a request the archive cannot serve
// (the largest offset, draws - 1, bounds Train + Test); a stop leaves the report marked so.
ValidationReport ValidateScenario(Workspace& workspace, const ValidationRequest& request);

// The report as text, as the command line prints it.
constexpr int ValidationColumnCount = 7;
extern const std::array<const char*, ValidationColumnCount> ValidationColumnCaptions;
std::array<std::string, ValidationColumnCount> ValidationRowTexts(const ValidationRow& row);
// The closing line's pattern: rows tested, rows chosen, the bound of p, rows within it, what
// chance expects; the programs pass it in the interface language.
extern const char* const ValidationSummaryText;
std::string ValidationSummary(const ValidationReport& report,
                              std::string_view pattern = ValidationSummaryText);

}  // namespace quorvel
