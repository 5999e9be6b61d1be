#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quorvel {

// The section of the interface state file: the main window's class name.
inline constexpr std::string_view UiStateSection = "TFormMain";

// The interface state file. Nothing is cached: every read looks at the file and every write
// reads it, sets its keys and writes it back whole at once, so other writers' keys survive.
// Reads and writes throw Error when the file exists but cannot be read.
class UiStateFile {
public:
    explicit UiStateFile(std::filesystem::path path) : path_(std::move(path)) {}

    const std::filesystem::path& Path() const { return path_; }
    const std::string& Section() const { return section_; }
    // The same file seen through another window's section: a secondary window keeps its keys
    // (placement, list layout, its own settings) apart from the main window's.
    UiStateFile ForSection(std::string_view section) const;

    int32_t ReadUiInt(std::string_view key, int32_t def) const;
    bool ReadUiBool(std::string_view key, bool def) const;
    std::string ReadUiString(std::string_view key, std::string_view def) const;

    void WriteUiInt(std::string_view key, int32_t value);
    void WriteUiBool(std::string_view key, bool value);
    void WriteUiString(std::string_view key, std::string_view value);
    // Many keys in one write of the file (key, value text), as at shut-down.
    void WriteUiValues(const std::vector<std::pair<std::string, std::string>>& values);

private:
    std::filesystem::path path_;
    std::string section_{UiStateSection};
};

// Every option of the interface state file with its default.
struct TUiOptions {
    int32_t LeftPanelWidth = 335;
    int32_t DrawsExclude = 0;
    int32_t DrawsStatLen = 1000;
    int32_t DrawsStatHeight = 131;
    int32_t DrawsGraphLen = 100;
    int32_t FiltersHeight = 127;
    int32_t LayoutLen = 100;
    std::array<int32_t, 5> LayoutCompareLen{50, 100, 200, 300, 400};  // LayoutCompareLen1..5
    int32_t WeekLen = 1000;
    int32_t WeekHeight = 131;
    int32_t WeekChartMode = 0;
    bool WeekChartType = false;
    bool AutoUpdates = true;
    int32_t DownloadDrawsOnStart = 0;  // 0 ask, 1 download without asking, 2 never
    bool ScriptLogEnabled = false;
    bool StakesLogEnabled = false;
    bool StakesScrollEnabled = true;
    bool StakesCheckOnLine = true;
    bool ColorDraws = true;
    bool ColorCombs = true;
    bool ColorCard = true;
    bool ColorCardSequences = true;
    bool LayoutGradient = true;
    bool SortedDraws = false;
    bool PrefetchsEnabled = false;
    bool ShowTotalLine = true;
    int32_t RatingsEffMode = 1;
    bool RatingsSignificance = false;
    int32_t LayoutCompareHeight = 257;
    bool ScriptLibraryOn = true;
    int32_t ScriptLibraryHeight = 223;
    int32_t ScriptLibraryFilter = 2;
    bool PrefetchsInit = false;
    bool FirstRun = false;
    int32_t Language = 1049;
    bool TabGraphs = true;
    bool TabCard = true;
    bool TabLayout = true;
    bool TabWeek = true;
    bool TabTables = true;
    bool SystemsEnabled = false;
};

// Reads every option with one read of the file; a missing file or key keeps the default.
void LoadUiOptions(const UiStateFile& file, TUiOptions& options);

// The options that are kept at shut-down (sizes and lengths), as key and value text; the
// caller may add the window placement and list layouts to write everything at once.
std::vector<std::pair<std::string, std::string>> ShutdownUiValues(const TUiOptions& options);
void SaveShutdownUiOptions(UiStateFile& file, const TUiOptions& options);

// At the first start the comparison option is recorded once: PrefetchsInit becomes true and
// both keys are written. Returns true when this start was that first one.
bool InitPrefetchsOnFirstStart(UiStateFile& file, TUiOptions& options);

// The interface language both programs start with: the one the user picked, once stored, else
// the system locale's when its module is installed beside the program (SystemLanguage), so that
// a first start greets the user in their own language.
int32_t StartingLanguage(const std::filesystem::path& uiStatePath, const std::filesystem::path& programDir);

}  // namespace quorvel
