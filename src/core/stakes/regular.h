#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/game.h"
#include "core/model/short_string.h"
#include "core/stakes/stake_record.h"

namespace quorvel {

constexpr size_t RegularRecordSize = 272;
constexpr size_t RegularCommentCapacity = 255;
constexpr int RegularStepMin = -9;
constexpr int RegularStepMax = 9;

// Byte places of the fields of a regular's record.
namespace regular_layout {
constexpr size_t Comment = 0;
constexpr size_t UseLastDraw = 256;
constexpr size_t Start = 257;
constexpr size_t Current = 260;
constexpr size_t Reserved = 263;
constexpr size_t Step = 264;
constexpr size_t StakesMade = 268;
}  // namespace regular_layout
static_assert(sizeof(ShortString<RegularCommentCapacity>) == 256);
static_assert(regular_layout::StakesMade + 4 == RegularRecordSize);

// A standing rule that stakes one shifted combination per draw. The base of each shift is the
// regular's own current combination, or with UseLastDraw the newest visible draw.
struct TRegular {
    ShortString<RegularCommentCapacity> Comment;
    uint8_t UseLastDraw = 0;
    TComb Start;
    TComb Current;
    uint8_t Reserved = 0;  // kept as read, so a file saved again is byte-identical
    int32_t Step = 1;
    int32_t StakesMade = 0;

    bool UsesLastDraw() const { return UseLastDraw != 0; }
    bool operator==(const TRegular&) const = default;
};

void WriteRegular(uint8_t* out, const TRegular& regular);
TRegular ReadRegular(const uint8_t* in);
// What makes a record read from a file unusable, or nothing when it is whole.
std::optional<std::string> RegularRecordProblem(const TRegular& regular);

// Moves the regular one draw on: its current combination becomes the base shifted by the step
// (the base being the newest draw's values with UseLastDraw), and one more stake is counted.
void AdvanceRegular(TRegular& regular, const TComb& newestDraw);

// The regular's stake (kind "Регуляр") on its current combination, unchecked.
TStakeRecord RegularStake(const TRegular& regular, int drawNumber, int selectionSize, Money profit);

// The regulars list.
constexpr int RegularColumnCount = 5;
extern const std::array<const char*, RegularColumnCount> RegularColumnCaptions;
std::array<std::string, RegularColumnCount> RegularCellTexts(const TRegular& regular);

// The values a new regular is made from.
struct TRegularDraft {
    std::string Comment = "Регулярная ставка";
    bool UseLastDraw = false;
    TComb Start;
    int Step = 1;
};

// The regulars a draft makes: one, or with several combinations chosen (and a constant start)
// one per combination, its comment followed by " (N)" with the combination's list position N.
// Combinations are given with their list rows counted from 0.
std::vector<TRegular> RegularsFromDraft(const TRegularDraft& draft,
                                        const std::vector<std::pair<int, TComb>>& chosen);

}  // namespace quorvel
