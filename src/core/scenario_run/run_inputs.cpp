#include "core/scenario_run/run_inputs.h"

#include <algorithm>
#include <filesystem>

#include "core/app/workspace.h"
#include "core/model/lists.h"
#include "core/scenario/script_line.h"
#include "core/util/format.h"
#include "core/util/safe_file.h"
#include "core/util/text.h"

namespace quorvel {

namespace {

std::string Number(double value) {
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

void AddConfig(Sha256& sha, const TConfigData& config) {
    for (int64_t value :
         {int64_t{config.MatrixCols}, int64_t{config.ChannelSize}, config.Cost, int64_t{config.MaxStake}})
        sha.AddField(std::to_string(value));
    for (const ProfitRow& row : config.Profits)
        sha.AddField(std::to_string(row.Overlap) + ":" + std::to_string(row.Profit));
    const WeightCoefficients& w = config.Weights;
    sha.AddField(Number(w.Count) + " " + Number(w.Deviation) + " " + Number(w.Level) + " " +
                 std::to_string(w.UsePercents) + std::to_string(w.UseAbsValues));
    sha.AddField(SegmentsToStr(config.MatrixSegments));
}

void AddCatalogue(Sha256& sha, const TStatList& stats) {
    sha.AddField(std::to_string(stats.CombsGenerateMode) + " " + stats.CombsGenerateParameters);
    for (const std::string& formula : {stats.Formula1, stats.Formula2, stats.Formula3})
        sha.AddField(formula);
    for (int digits : {stats.Formula1Digits, stats.Formula2Digits, stats.Formula3Digits})
        sha.AddField(std::to_string(digits));
    sha.AddField(stats.FavouritesText());
    sha.AddField(std::to_string(stats.ShowAll) + stats.LanguageAbbreviation);
    // Names, features and which entries a step may use.
    for (int i = 0; i < stats.Count(); ++i)
        sha.AddField(stats.ListText(i, true) + (stats.IsOffered(i, false) ? "+" : "-"));
}

void AddOptions(Sha256& sha, const TUiOptions& options) {
    for (int value :
         {int{options.StakesLogEnabled}, int{options.StakesCheckOnLine}, int{options.PrefetchsEnabled},
          int{options.SortedDraws}, options.DrawsStatLen, options.Language})
        sha.AddField(std::to_string(value));
}

bool PlaysSystems(const std::vector<std::string>& lines) {
    return std::any_of(lines.begin(), lines.end(), [](const std::string& line) {
        if (TrimBlanks(line).empty()) return false;
        try {
            const int mode = StrToScriptOptions(ScriptLineOptions(line)).StakeMode;
            return mode == StakeModeSysA || mode == StakeModeSysC;
        } catch (const std::exception&) {
            return false;
        }
    });
}

void AddSystems(Sha256& sha, const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> files;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec))
        if (entry.is_regular_file(ec)) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    for (const auto& file : files) {
        sha.AddField(file.filename().string());
        try {
            sha.AddField(ReadFileBytes(file));
        } catch (const std::exception& e) {
            sha.AddField(e.what());
        }
    }
}

}  // namespace

RunDigests DigestRunInputs(Workspace& workspace) {
    RunDigests digests;
    digests.Scenario = DigestScenario(workspace.Script().Scenario().Lines());
    Sha256 draws;
    for (const TDraw& draw : workspace.Archive().Draws()) {
        draws.AddField(std::to_string(draw.Number) + " " + std::to_string(draw.Values[0]) + " " +
                       std::to_string(draw.Values[1]) + " " + std::to_string(draw.Values[2]));
        draws.AddField(draw.DateText.Bytes());
    }
    digests.Draws = draws.Finish();
    Sha256 settings;
    AddConfig(settings, workspace.Stats().List().Config);
    AddCatalogue(settings, workspace.Stats().List());
    AddOptions(settings, workspace.Options());
    if (PlaysSystems(workspace.Script().Scenario().Lines()))
        AddSystems(settings, workspace.Systems().SystemsFolder());
    digests.Settings = settings.Finish();
    return digests;
}

}  // namespace quorvel
