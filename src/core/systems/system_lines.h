#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/game.h"

namespace quorvel {

// Every system here combines three numbers; a system covers 4 to 10 numbers in blocks 0 to 2.
constexpr int SystemCombLength = 3;
constexpr int SystemNumbersMin = 4;
constexpr int SystemNumbersMax = 10;
constexpr int SystemBlockMax = 2;

// One system combination: three indexes into the user's numbers, counted from 1.
using TSystemLine = std::array<int, SystemCombLength>;

// The characters that separate the indexes of a system line. The tab is taken too, since a
// line typed into a spreadsheet or an editor easily carries one.
inline constexpr std::string_view SystemSeparators = " \t*+,-./:;=\\_|~";

// Reads the lines of a system over the given count of numbers: the first three words of a line
// are its indexes; lines without words are passed over. Throws Error naming the line (and the
// file, the source) when a word is not a number, a line has fewer than three words, or an index
// lies outside 1..numbers, so that no index ever reaches outside the user's numbers.
std::vector<TSystemLine> ParseSystemLines(const std::vector<std::string>& lines, int numbers,
                                          const std::string& source);

// "01 02 05": how a system line is stored.
std::string SystemLineText(const TSystemLine& line);

// The combination of a system line over the user's numbers: position p holds numbers[index - 1].
// Precondition: every index lies in 1..numbers.size().
TComb TranslateSystemLine(const TSystemLine& line, const TByteArray& numbers);

// The combination list of the system dialog after it loses focus: every line of exactly three
// numbers in the stored form, every other line dropped, and the numbers it spans.
struct TNormalizedSystem {
    std::vector<std::string> Lines;
    std::vector<TSystemLine> Combs;
    int Smallest = 0;
    int Largest = 0;
    // The largest minus the smallest number plus 1; 0 without lines.
    int Span() const { return Combs.empty() ? 0 : Largest - Smallest + 1; }
};
TNormalizedSystem NormalizeSystemText(std::string_view text);

// Every set of three distinct numbers of 1..numbers, each ascending, in ascending order: the
// ready system shipped for that count of numbers.
std::vector<TSystemLine> CompleteSystem(int numbers);

}  // namespace quorvel
