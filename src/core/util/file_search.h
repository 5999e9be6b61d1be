#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

namespace quorvel {

// The files (not folders) of a directory whose names begin with prefix and end with suffix,
// sorted by name; nothing for a directory that cannot be read.
std::vector<std::filesystem::path> FindFilesNamed(const std::filesystem::path& directory,
                                                  std::string_view prefix, std::string_view suffix);

}  // namespace quorvel
