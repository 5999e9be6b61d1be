#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/archive/draw_archive.h"

namespace quorvel {

// Splits one line of a delimited draws file into fields: blanks before a field are skipped,
// a field that starts with a double quote runs to its closing quote (a doubled quote is one
// quote), any other field ends at ";", a blank or a control character, and a ";" at the very
// end of the line adds an empty last field. Works on the file's own bytes.
std::vector<std::string> SplitDrawFields(std::string_view line);

struct DrawsImportResult {
    int Added = 0;
    // Lines whose draw would be new but holds a value outside 0..9; not added.
    int OutOfRange = 0;
};

// Appends the draws of the file's lines (code page 1251 bytes) that are not in the archive yet.
// Lines apply in order, so a later line sees the draws added by earlier ones.
DrawsImportResult ImportDrawLines(DrawArchive& archive, const std::vector<std::string>& lines);

// One line per draw, oldest first: number;"date";v1;v2;v3 in the file's own bytes.
std::vector<std::string> ExportDrawLines(const TDrawsArray& draws);

// The whole file as lines of code page 1251 bytes, and the writing back with CR LF.
std::vector<std::string> ReadDrawsTextFile(const std::filesystem::path& path);
void WriteDrawsTextFile(const std::filesystem::path& path, const std::vector<std::string>& lines);

}  // namespace quorvel
