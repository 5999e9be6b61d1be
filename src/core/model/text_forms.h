#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/model/game.h"
#include "core/util/datetime.h"

namespace quorvel {

std::string ValueToStr(int value);
// The text as a decimal integer; 0 when it is not one.
int StrToValue(std::string_view text);

// "dd.mm.yyyy hh:nn", or empty text for 0 and negative values.
std::string DrawDateToStr(TDateTime value);
// 0 for an empty text; throws ConvertError when the text is not a valid date and time.
TDateTime StrToDrawDate(std::string_view text);

std::string DrawToStr(const TDraw& draw);
std::string StakeKindName(int kind);
// "-" for a text that is not a non-negative integer, else the signed difference ("+2", "0", "-3").
std::string DiffToStr(std::string_view countText, int reference);

std::string CombToStr(const TComb& comb);
std::string CombToPaddedStr(const TComb& comb);
// Three words separated by tab, blank, ",", "-", ".", ":", ";" or "|". Throws Error with
// "Некорректная комбинация: \"%s\"!" on another word count or a value outside 0..9.
TComb StrToComb(std::string_view text);
// A combination a person typed (a draw, a stake, a regular's start): three decimal values
// from 0 to 9 separated by ";" or ",", or three bare digits ("774"). Unlike the readers of
// files and the clipboard, a word that is not a number is refused, never read as 0.
std::optional<TComb> ParseTypedComb(std::string_view text);
std::string StakeCombToStr(const TStakeComb& stake, std::string_view separator);
TComb CombOfDraw(const TDraw& draw);
TStakeComb CombToStakeComb(const TComb& comb);

}  // namespace quorvel
