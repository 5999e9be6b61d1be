#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quorvel::cli {

// The lines of the program's help that describe one command (all its actions), followed by an
// example; empty for a word that is no command.
std::string CommandHelp(std::string_view usage, std::string_view command);

// The first of the words that is an option the command's help never names, or an empty text.
std::string UnknownOption(std::string_view commandHelp, const std::vector<std::string>& words);

// "--name=value" written as "--name" "value", as every option is read.
std::vector<std::string> SplitOptionValues(const std::vector<std::string>& args);

}  // namespace quorvel::cli
