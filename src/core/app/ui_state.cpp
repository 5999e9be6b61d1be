#include "core/app/ui_state.h"

#include "core/util/ini_file.h"
#include "core/util/languages.h"

namespace quorvel {

namespace {

struct IntOption {
    const char* Key;
    int32_t TUiOptions::*Field;
    bool AtShutdown;
};

struct BoolOption {
    const char* Key;
    bool TUiOptions::*Field;
};

// LayoutCompareLen1..5 sit between LayoutLen and WeekLen and are handled beside this table.
constexpr IntOption IntOptions[] = {
    {"LeftPanelWidth", &TUiOptions::LeftPanelWidth, true},
    {"DrawsExclude", &TUiOptions::DrawsExclude, true},
    {"DrawsStatLen", &TUiOptions::DrawsStatLen, true},
    {"DrawsStatHeight", &TUiOptions::DrawsStatHeight, true},
    {"DrawsGraphLen", &TUiOptions::DrawsGraphLen, true},
    {"FiltersHeight", &TUiOptions::FiltersHeight, true},
    {"LayoutLen", &TUiOptions::LayoutLen, true},
    {"WeekLen", &TUiOptions::WeekLen, true},
    {"WeekHeight", &TUiOptions::WeekHeight, true},
    {"WeekChartMode", &TUiOptions::WeekChartMode, false},
    {"DownloadDrawsOnStart", &TUiOptions::DownloadDrawsOnStart, false},
    {"RatingsEffMode", &TUiOptions::RatingsEffMode, false},
    {"LayoutCompareHeight", &TUiOptions::LayoutCompareHeight, true},
    {"ScriptLibraryHeight", &TUiOptions::ScriptLibraryHeight, true},
    {"ScriptLibraryFilter", &TUiOptions::ScriptLibraryFilter, true},
    {"Language", &TUiOptions::Language, false},
};

constexpr BoolOption BoolOptions[] = {
    {"WeekChartType", &TUiOptions::WeekChartType},
    {"AutoUpdates", &TUiOptions::AutoUpdates},
    {"ScriptLogEnabled", &TUiOptions::ScriptLogEnabled},
    {"StakesLogEnabled", &TUiOptions::StakesLogEnabled},
    {"StakesScrollEnabled", &TUiOptions::StakesScrollEnabled},
    {"StakesCheckOnLine", &TUiOptions::StakesCheckOnLine},
    {"ColorDraws", &TUiOptions::ColorDraws},
    {"ColorCombs", &TUiOptions::ColorCombs},
    {"ColorCard", &TUiOptions::ColorCard},
    {"ColorCardSequences", &TUiOptions::ColorCardSequences},
    {"LayoutGradient", &TUiOptions::LayoutGradient},
    {"SortedDraws", &TUiOptions::SortedDraws},
    {"PrefetchsEnabled", &TUiOptions::PrefetchsEnabled},
    {"ShowTotalLine", &TUiOptions::ShowTotalLine},
    {"RatingsSignificance", &TUiOptions::RatingsSignificance},
    {"ScriptLibraryOn", &TUiOptions::ScriptLibraryOn},
    {"PrefetchsInit", &TUiOptions::PrefetchsInit},
    {"FirstRun", &TUiOptions::FirstRun},
    {"TabGraphs", &TUiOptions::TabGraphs},
    {"TabCard", &TUiOptions::TabCard},
    {"TabLayout", &TUiOptions::TabLayout},
    {"TabWeek", &TUiOptions::TabWeek},
    {"TabTables", &TUiOptions::TabTables},
    {"SystemsEnabled", &TUiOptions::SystemsEnabled},
};

std::string LayoutCompareLenKey(size_t index) {
    return "LayoutCompareLen" + std::to_string(index + 1);
}

}  // namespace

UiStateFile UiStateFile::ForSection(std::string_view section) const {
    UiStateFile other(path_);
    other.section_ = section;
    return other;
}

int32_t UiStateFile::ReadUiInt(std::string_view key, int32_t def) const {
    return TIniFile::Load(path_).ReadInteger(section_, key, def);
}

bool UiStateFile::ReadUiBool(std::string_view key, bool def) const {
    return TIniFile::Load(path_).ReadBool(section_, key, def);
}

std::string UiStateFile::ReadUiString(std::string_view key, std::string_view def) const {
    return TIniFile::Load(path_).ReadString(section_, key, def);
}

void UiStateFile::WriteUiInt(std::string_view key, int32_t value) {
    WriteUiValues({{std::string(key), std::to_string(value)}});
}

void UiStateFile::WriteUiBool(std::string_view key, bool value) {
    WriteUiValues({{std::string(key), value ? "1" : "0"}});
}

void UiStateFile::WriteUiString(std::string_view key, std::string_view value) {
    WriteUiValues({{std::string(key), std::string(value)}});
}

void UiStateFile::WriteUiValues(const std::vector<std::pair<std::string, std::string>>& values) {
    // Loading first means a file that cannot be read is never replaced by these keys alone.
    TIniFile file = TIniFile::Load(path_);
    for (const auto& [key, value] : values)
        file.WriteString(section_, key, value);
    file.Save(path_);
}

void LoadUiOptions(const UiStateFile& file, TUiOptions& options) {
    const TIniFile ini = TIniFile::Load(file.Path());
    for (const IntOption& option : IntOptions) {
        options.*option.Field = ini.ReadInteger(UiStateSection, option.Key, options.*option.Field);
    }
    for (size_t i = 0; i < options.LayoutCompareLen.size(); ++i) {
        options.LayoutCompareLen[i] =
            ini.ReadInteger(UiStateSection, LayoutCompareLenKey(i), options.LayoutCompareLen[i]);
    }
    for (const BoolOption& option : BoolOptions) {
        options.*option.Field = ini.ReadBool(UiStateSection, option.Key, options.*option.Field);
    }
}

std::vector<std::pair<std::string, std::string>> ShutdownUiValues(const TUiOptions& options) {
    std::vector<std::pair<std::string, std::string>> values;
    for (const IntOption& option : IntOptions) {
        if (option.AtShutdown) values.emplace_back(option.Key, std::to_string(options.*option.Field));
    }
    for (size_t i = 0; i < options.LayoutCompareLen.size(); ++i) {
        values.emplace_back(LayoutCompareLenKey(i), std::to_string(options.LayoutCompareLen[i]));
    }
    return values;
}

void SaveShutdownUiOptions(UiStateFile& file, const TUiOptions& options) {
    file.WriteUiValues(ShutdownUiValues(options));
}

bool InitPrefetchsOnFirstStart(UiStateFile& file, TUiOptions& options) {
    if (options.PrefetchsInit) return false;
    file.WriteUiValues({{"PrefetchsInit", "1"}, {"PrefetchsEnabled", options.PrefetchsEnabled ? "1" : "0"}});
    options.PrefetchsInit = true;
    return true;
}

int32_t StartingLanguage(const std::filesystem::path& uiStatePath, const std::filesystem::path& programDir) {
    try {
        const TIniFile ini = TIniFile::Load(uiStatePath);
        if (ini.ValueExists(UiStateSection, "Language"))
            return ini.ReadInteger(UiStateSection, "Language", BuiltInLanguage);
    } catch (const std::exception&) {
        // Nothing known to be picked: the system's language says why the file is unreadable.
    }
    return SystemLanguage(programDir);
}

}  // namespace quorvel
