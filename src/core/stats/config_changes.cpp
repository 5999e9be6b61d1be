#include "core/stats/config_changes.h"

#include "core/model/lists.h"
#include "core/util/format.h"
#include "core/util/text.h"

namespace quorvel {

int ConfigChangeMarks(const TConfigData& before, const TConfigData& after) {
    int marks = 0;
    if (before.MatrixCols != after.MatrixCols) marks |= ChangeMarkMatrixCols;
    if (before.ChannelSize != after.ChannelSize) marks |= ChangeMarkChannelSize;
    // Compared as the stored text: that is what the segment methods are rebuilt from.
    if (SegmentsToStr(before.MatrixSegments) != SegmentsToStr(after.MatrixSegments))
        marks |= ChangeMarkSegments;
    return marks;
}

std::optional<std::string> SegmentCellError(std::string_view cellText) {
    if (cellText.empty()) return std::nullopt;
    std::optional<int32_t> value = ParseInt32(cellText);
    if (value && *value >= 1 && *value <= 9) return std::nullopt;
    return Format("Некорректное значение: %s!\r\rУкажите любое число от 1 до 9", {cellText});
}

uint8_t SegmentFromCellText(std::string_view cellText) {
    if (SegmentCellError(cellText) || cellText.empty()) return 1;
    return static_cast<uint8_t>(*ParseInt32(cellText));
}

bool SegmentInputAllowed(std::string_view text) {
    for (char c : text) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

bool AmountInputAllowed(std::string_view text) {
    // Either separator is taken, whichever the user's is: "1,5" typed with "." as the separator
    // must not become 15. One separator at most.
    const char separator = FormatSettings().DecimalSeparator;
    int separators = 0;
    for (char c : text) {
        if (c == '.' || c == ',' || c == separator) {
            ++separators;
        } else if (c < '0' || c > '9') {
            return false;
        }
    }
    return separators <= 1;
}

Money ProfitAmountFromText(std::string_view text) {
    // ParseMoney knows "." and ","; any other separator the user's locale has is turned
    // into the point first.
    std::string plain(text);
    const char separator = FormatSettings().DecimalSeparator;
    for (char& c : plain) {
        if (c == separator) c = '.';
    }
    return ParseMoney(plain).value_or(0);
}

Money ProfitForMatches(const std::vector<ProfitRow>& profits, int matches) {
    for (const ProfitRow& row : profits) {
        if (row.Overlap == matches) return row.Profit;
    }
    return 0;
}

}  // namespace quorvel
