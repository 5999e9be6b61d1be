#pragma once

#include <string>
#include <vector>

#include "core/model/game.h"

namespace quorvel {

// A draw read from a results source; Valid is false when a value lies outside 0..9, and such
// a draw never enters the archive.
struct TReadDraw {
    TDraw Draw;
    bool Valid = true;
};

// The draws of a results page (code page 1251), in the order the page lists them (newest
// first). A page without the draws section gives none; elements without a number, a date or
// values are skipped. Throws Error when a marker pair is not closed.
std::vector<TReadDraw> ReadResultsPage(const std::string& page);

// The draws of a delimited draws file in the import format (code page 1251), in file order.
// A line without a number is numbered by its place among the draws read, as an import into an
// empty archive numbers it; a line of another shape, or repeating a number, is skipped.
std::vector<TReadDraw> ReadDrawsCsv(const std::string& text);

}  // namespace quorvel
