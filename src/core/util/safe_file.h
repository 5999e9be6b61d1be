#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace quorvel {

// Writes a whole file crash-safely: a temporary file in the same directory is written,
// flushed to disk and renamed over the old one. On any failure the temporary file is
// removed, the old file stays as it was, and an Error says why.
void WriteFileSafely(const std::filesystem::path& path, std::string_view bytes);

// The whole content of a file; throws Error with the reason when it cannot be read.
std::string ReadFileBytes(const std::filesystem::path& path);

// The path as UTF-8 text for messages.
std::string PathText(const std::filesystem::path& path);

}  // namespace quorvel
