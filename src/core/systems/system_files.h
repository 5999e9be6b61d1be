#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/systems/system_lines.h"

namespace quorvel {

// The folder of the local system files inside the data directory.
inline constexpr const char* SystemsFolderName = "Systems";

// What the name of a local system file tells: "3-05-2_0017.dat" is a system of 5 numbers,
// block 2, identifier 17.
struct TSystemFileKey {
    int Numbers = 0;
    int Block = 0;
    int Id = 0;
    bool operator==(const TSystemFileKey&) const = default;
};

// "3-%.2d-%d_%.4d.dat" with the combination length 3.
std::string SystemFileName(const TSystemFileKey& key);
// The key of a name in exactly that form (digits in each place), or nothing.
std::optional<TSystemFileKey> ParseSystemFileName(std::string_view name);
// True when the name matches "3-%.2d-*_*.dat" for that count of numbers (any count for a
// negative one); the extension is compared without regard to case.
bool MatchesSystemPattern(std::string_view name, int numbers);

// The files of the folder matching the pattern, in the order of their names (the order a
// directory listing gives on the system's home platform); none when the folder is missing.
std::vector<std::filesystem::path> FindSystemFiles(const std::filesystem::path& folder, int numbers);

// Reads a local system file over the given count of numbers; throws Error with the reason.
std::vector<TSystemLine> ReadSystemFile(const std::filesystem::path& file, int numbers);
// The count of lines with words, whatever they hold; 0 for a file that cannot be read.
int CountSystemFileLines(const std::filesystem::path& file);

// Writes the lines in the stored form, crash-safely, and dates the file with the given time
// (seconds since 1970, UTC; none keeps the time of writing). Throws Error.
void WriteSystemFile(const std::filesystem::path& file, const std::vector<TSystemLine>& lines,
                     std::optional<int64_t> created);
// The time the file was last written, in seconds since 1970; 0 when it cannot be read.
int64_t SystemFileTime(const std::filesystem::path& file);

// A data directory without a system folder gets a copy of the ready systems shipped with the
// program, so that system games work from the first start. Returns whether it copied any.
// A folder that exists, even empty, is the user's and stays as it is. Throws Error.
bool SeedShippedSystems(const std::filesystem::path& folder, const std::filesystem::path& shipped);

// The ready systems: a complete system for each count of numbers, identifier = the count.
struct TShippedSystem {
    TSystemFileKey Key;
    std::string Title;
    std::string Description;
    std::vector<TSystemLine> Lines;
};
inline constexpr const char* ShippedSystemsAuthor = "Quorvel 3r10";
std::vector<TShippedSystem> ShippedSystems();

}  // namespace quorvel
