#pragma once

#include <iterator>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel::cli {

// The cells of a table row in one line, as the commands print their tables.
template <typename Cells>
std::string JoinCells(const Cells& cells, std::string_view separator = ";") {
    std::string line;
    for (size_t c = 0; c < std::size(cells); ++c) {
        if (c > 0) line += separator;
        line += cells[c];
    }
    return line;
}

// Takes "--name" out of the arguments; true when it was there.
bool TakeFlag(std::vector<std::string>& args, const std::string& flag);
// Takes "--name VALUE" out of the arguments.
std::optional<std::string> TakeOption(std::vector<std::string>& args, const std::string& name);
// Takes "--name N" as an integer within min..max; false (with a message) when it is not one.
bool TakeIntOption(std::vector<std::string>& args, const std::string& name, int min, int max, int& value,
                   std::ostream& err);
// False (with a message) when arguments are left over.
bool NoArgsLeft(const std::vector<std::string>& args, std::ostream& err);
// False (with a message) when an option the command does not know is left among its words, so
// that "--frobnicate" is never taken for a file name or a comment.
bool NoOptionsLeft(const std::vector<std::string>& args, std::ostream& err);

// Whether one of the checks above refused the command's words since the last clear: the
// program then ends with the command's usage and code 2, as command-line programs do.
bool UsageErrorSeen();
// Marks the command's words as refused (a word missing or left over, an action it does not
// have) once the message is written; returns 1, the command's code until then.
int RefuseWords();
void ClearUsageError();

}  // namespace quorvel::cli
