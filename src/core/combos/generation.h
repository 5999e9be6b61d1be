#pragma once

#include <string>
#include <string_view>

#include "core/model/game.h"

namespace quorvel {

// How a new combination list is made: a mode 0..4 and its parameter text (my numbers for
// modes 1 to 3, a list file name for mode 4).
struct TCombsGenerateParams {
    int Mode = 0;
    std::string Parameters;
    bool operator==(const TCombsGenerateParams&) const = default;
};

constexpr int CombsGenerateModeCount = 5;

// The text of a mode in the mode list; empty for a mode outside 0..4.
std::string CombsGenerateModeText(int mode);

// The distinct numbers of a text of words separated by "," or ";", in order of first
// occurrence. A word that is not a number reads as 0; blank words and numbers outside 0..255
// are ignored.
TByteArray MyNumbers(std::string_view text);

// Whether a mode that works from my numbers (1 to 3) has none of 0..9 to work from: mode 1 or 2
// would give an empty list and mode 3 the full one, which is never what the user meant.
bool MyNumbersMissing(const TCombsGenerateParams& params);

// The combinations of a new list, position 1 varying slowest. Mode 1 keeps those holding any
// of my numbers, mode 2 those made only of them, mode 3 those holding none of them, mode 4
// reads the named list file (throwing its read error); any other mode gives all 1000.
TCombsArray GenerateCombs(const TCombsGenerateParams& params);

}  // namespace quorvel
