#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/stats/stat_list.h"
#include "core/util/money.h"

namespace quorvel {

// What an edit of the analysis settings touched, as the group mask of the full-set rebuild
// that follows the parameters dialog: only the methods depending on a changed item are redone.
constexpr int ChangeMarkChannelSize = 8;
constexpr int ChangeMarkMatrixCols = 16;
constexpr int ChangeMarkSegments = 32;

int ConfigChangeMarks(const TConfigData& before, const TConfigData& after);

// The message the segment grid shows when a cell is left holding something other than a
// number from 1 to 9; an empty cell is allowed and reads as segment 1.
std::optional<std::string> SegmentCellError(std::string_view cellText);
// The segment a cell stands for: its number when valid, 1 otherwise (empty included).
uint8_t SegmentFromCellText(std::string_view cellText);
// What a segment cell lets the user type: digits only.
bool SegmentInputAllowed(std::string_view text);

// Amounts typed into the dialog: digits and one decimal separator, "." or "," whatever the
// user's is, so the text can never hold a sign or an exponent.
bool AmountInputAllowed(std::string_view text);
// An amount typed into the dialog; a text that does not read as money counts as 0.
Money ProfitAmountFromText(std::string_view text);

// The prize for that many matches as the stake check finds it: the first row with that
// overlap, 0 when no row has it.
Money ProfitForMatches(const std::vector<ProfitRow>& profits, int matches);

}  // namespace quorvel
