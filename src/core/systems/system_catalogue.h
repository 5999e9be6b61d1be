#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/systems/system_files.h"

namespace quorvel {

// The user's own systems get identifiers from here on; lower ones came from elsewhere.
constexpr int OwnSystemFirstId = 9001;

// One system as the systems list shows it. Everything here is local: the numbers, block and
// identifier come from the file's name, the description fields from the descriptions file
// beside the systems (empty for a file placed by hand). Times are seconds since 1970, 0 unset.
struct TSystemInfo {
    int32_t Id = 0;  // 0 or less: a file whose name carries no identifier
    uint8_t Numbers = 0;
    uint8_t Block = 0;
    int32_t Combinations = 0;
    std::string Title;
    std::string Author;
    std::string Owner;
    std::string Description;
    int64_t Created = 0;
    int32_t Downloads = 0;
    int64_t LastDownload = 0;
    std::string Link;
    // The local file; empty for a system that has none yet.
    std::filesystem::path File;

    bool HasId() const { return Id > 0; }
    bool IsOwn() const { return Id >= OwnSystemFirstId; }
    bool IsDownloaded() const { return !File.empty(); }
    // The title, or the file's name without extension for a system that has none.
    std::string ShownTitle() const;
};

// A system with its combination list as text, one combination per line.
struct TSystemData {
    TSystemInfo Info;
    std::string CombsText;
};

// The descriptions file inside the systems folder: one section per identifier.
inline constexpr const char* SystemDescriptionsFileName = "Systems.ini";

// Every local system file of the folder (any count of numbers), in name order. Throws Error
// when the descriptions file exists but cannot be read.
std::vector<TSystemInfo> ListLocalSystems(const std::filesystem::path& folder);
// The combination list of a local system as stored; empty when its file cannot be read.
std::string ReadSystemCombsText(const TSystemInfo& info);

// Description fields kept for the local systems (title, author, owner, description, link,
// creation and download times, downloads). Each throws Error with the reason.
void StoreSystemDescription(const std::filesystem::path& folder, const TSystemInfo& info);
void EraseSystemDescription(const std::filesystem::path& folder, int id);
// Fills the description fields of the info from the file (nothing when it has no entry).
void LoadSystemDescription(const std::filesystem::path& folder, TSystemInfo& info);

// The next free identifier of an own system: above every identifier of the folder.
int NextOwnSystemId(const std::filesystem::path& folder);

// The first problem the system dialog reports on OK, in its order, or nothing: a title, the
// numbers from 4 to 10, the block from 0 to 2, an author, a description, a combination list,
// and every number of the list within 1 to the numbers.
std::optional<std::string> SystemDataProblem(const TSystemData& data);

// "yyyy-mm-dd hh:mm:ss" of a time in the local zone; empty when unset.
std::string SystemTimeText(int64_t seconds);

// The systems list: its columns and the texts of one row.
constexpr int SystemColumnCount = 11;
extern const std::array<const char*, SystemColumnCount> SystemColumnCaptions;
constexpr int SystemNumbersColumn = 2;
// The columns whose texts the program writes (the status; the title and description of a system
// it ships), which the programs give in the interface language.
constexpr std::array<size_t, 3> SystemTranslatedColumns = {0, 7, 9};
std::array<std::string, SystemColumnCount> SystemRowTexts(const TSystemInfo& info);

}  // namespace quorvel
