#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/model/game.h"
#include "core/model/short_string.h"
#include "core/util/money.h"

namespace quorvel {

constexpr size_t StakeRecordSize = 304;
constexpr uint8_t StakeRecordVersion = 2;
constexpr size_t StakeCommentCapacity = 255;

// Byte places of the fields of a stake record; the gaps between them are zero.
namespace stake_layout {
constexpr size_t Version = 0;
constexpr size_t Kind = 1;
constexpr size_t DrawNumber = 4;
constexpr size_t Checked = 8;
constexpr size_t SelectionSize = 12;
constexpr size_t Values = 16;
constexpr size_t DrawValues = 24;
constexpr size_t Matches = 28;
constexpr size_t Profit = 40;
constexpr size_t Comment = 48;
}  // namespace stake_layout
static_assert(sizeof(ShortString<StakeCommentCapacity>) == 256);
static_assert(stake_layout::Comment + sizeof(ShortString<StakeCommentCapacity>) == StakeRecordSize);

// Who made a stake; the separator groups the stakes that follow it.
constexpr uint8_t StakeKindSeparator = 0;
constexpr uint8_t StakeKindManual = 1;
constexpr uint8_t StakeKindRegular = 2;
constexpr uint8_t StakeKindScript = 3;
constexpr uint8_t StakeKindSystem = 4;

// One stake, or a separator between groups of stakes. Default constructed it is a separator.
struct TStakeRecord {
    uint8_t Version = StakeRecordVersion;
    uint8_t Kind = StakeKindSeparator;
    int32_t DrawNumber = -1;
    uint8_t Checked = 0;
    int32_t SelectionSize = 0;
    TStakeComb Values;
    std::array<uint8_t, PositionCount> DrawValues{};
    TStakeComb Matches{-1, {}};  // the count is -1 until the stake is checked
    Money Profit = 0;
    ShortString<StakeCommentCapacity> Comment;

    bool IsChecked() const { return Checked != 0; }
    // A real stake has a draw number; a separator has -1.
    bool IsRealStake() const { return DrawNumber > 0; }
    // What a check leaves: a real stake with its matches counted.
    bool IsCheckedStake() const { return DrawNumber > 0 && Matches.Count >= 0; }
    bool operator==(const TStakeRecord&) const = default;
};

inline TStakeRecord StakeSeparator() {
    return TStakeRecord{};
}

void WriteStakeRecord(uint8_t* out, const TStakeRecord& record);
TStakeRecord ReadStakeRecord(const uint8_t* in);

// The stakes grid: captions and the texts of the cells of one record (empty for a separator).
constexpr int StakeColumnCount = 9;
extern const std::array<const char*, StakeColumnCount> StakeColumnCaptions;
extern const std::array<int, StakeColumnCount> StakeColumnWidths;
std::array<std::string, StakeColumnCount> StakeCellTexts(const TStakeRecord& record);

// The values typed into a stake dialog or command, read as a typed combination
// (`ParseTypedComb`). Nothing otherwise.
std::optional<TStakeComb> ParseStakeValues(std::string_view text);
// The sum the dialog shows beside the values: of a typed combination ("774" gives 18), else
// of whatever words read as numbers.
int StakeValuesSum(std::string_view text);

// The conditions of deleting by the number of matches.
enum class TStakeCondition { Equal, Greater, NotLess, Less, NotGreater };
constexpr int StakeConditionCount = 5;
extern const std::array<const char*, StakeConditionCount> StakeConditionTexts;
// True when the record's matches (-1 for an unchecked stake) satisfy "matches OP value".
bool StakeMeetsCondition(const TStakeRecord& record, TStakeCondition condition, int value);

// The row tint of a stake kind in the stakes grid (0xRRGGBB); nothing for a separator, which
// takes the window's own colour.
std::optional<uint32_t> StakeKindTint(uint8_t kind);

}  // namespace quorvel
