#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace quorvel {

// Splits text into lines at CR LF, LF or CR; a final line end adds no empty line.
std::vector<std::string> SplitLines(std::string_view text);

// Reads a code page 1251 text file into UTF-8 lines.
std::vector<std::string> ReadTextFile(const std::filesystem::path& path);

// Writes UTF-8 lines as a code page 1251 file with CR LF after every line, crash-safely.
void WriteTextFile(const std::filesystem::path& path, const std::vector<std::string>& lines);

}  // namespace quorvel
