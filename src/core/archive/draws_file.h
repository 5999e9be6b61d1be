#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "core/model/game.h"

namespace quorvel {

struct DrawsFileContent {
    TDrawsArray Draws;
    // Set when the file could not be read to its end; Draws then holds every whole record.
    std::optional<std::string> ReadError;
};

// Reads the draws file; a missing file is an empty archive.
DrawsFileContent LoadDrawsFile(const std::filesystem::path& path);

// Writes the whole archive crash-safely; throws Error and leaves the old file on failure.
void SaveDrawsFile(const std::filesystem::path& path, const TDrawsArray& draws);

}  // namespace quorvel
