#pragma once

#include <string>

namespace quorvel {

// The main window caption: the program's title, " версия " and its version number.
std::string MainCaption();

}  // namespace quorvel
