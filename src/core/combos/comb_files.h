#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <string_view>

#include "core/model/game.h"

namespace quorvel {

// Reads a list file (".lcv", code page 1251): one combination per line, three values
// separated by "," or ";". Lines that are empty, do not hold exactly three words, or hold a
// value outside 0..9 are skipped. Throws Error with the system's reason when the file cannot
// be read.
TCombsArray ReadCombsFile(const std::filesystem::path& path);

// Writes a list file, "a;b;c" and CR LF per combination, crash-safely: on failure the old
// file stays and an Error says why.
void WriteCombsFile(const std::filesystem::path& path, std::span<const TComb> combs);

// The messages of a failed list file read or write: the file name, a blank line, the reason.
std::string CombsReadErrorText(std::string_view file, std::string_view reason);
std::string CombsWriteErrorText(std::string_view file, std::string_view reason);

// The clipboard form: "03 00 07" lines joined by CR LF, no line end after the last.
std::string CombsToClipboardText(std::span<const TComb> combs);

// Reads the clipboard form back, one combination per line (lines end at CR LF, LF or CR).
// Blank lines are skipped, so a text of blank lines gives no combinations. Throws the Error of
// the first line that is not a combination ("Некорректная комбинация: \"%s\"!").
TCombsArray ParseClipboardText(std::string_view text);

}  // namespace quorvel
