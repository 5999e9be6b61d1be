#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/stakes/regular.h"

namespace quorvel {

constexpr const char* RegularsFileName = "Quorvel_3r10.ltb";

// What a regulars file held: its whole, usable records in file order and, for a damaged file,
// what was wrong with it.
struct TRegularsFileContent {
    std::vector<TRegular> Regulars;
    std::optional<std::string> Problem;
};

// Reads the records one after another. A torn last record or a record with values out of range
// is left out and named in Problem; the records around it are kept. Throws Error when the file
// cannot be read at all.
TRegularsFileContent LoadRegularsFile(const std::filesystem::path& path);
// Writes the whole file crash-safely; throws Error with the reason.
void SaveRegularsFile(const std::filesystem::path& path, const std::vector<TRegular>& regulars);

}  // namespace quorvel
