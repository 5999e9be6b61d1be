#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/model/game.h"
#include "core/views/view_series.h"

namespace quorvel {

inline constexpr const char* RepeatsCaption = "Количество повторов в зависимости от тиража";
constexpr int RepeatsDefaultLength = 100;
constexpr int RepeatsDefaultDeep = 100;

// For one draw: the earlier draws that share exactly Matches positions with it.
struct TRepeatsRow {
    int32_t Number = 0;
    int32_t Matches = 0;
    int32_t Repeats = 0;
    std::string Draws;  // their numbers, newest first, joined by blanks
    bool operator==(const TRepeatsRow&) const = default;
};

// The newest `length` draws of the whole archive, newest first, each compared with up to
// `deep` draws before it; a draw's rows come in the order their match counts were first met.
std::vector<TRepeatsRow> AnalyzeRepeats(const TDrawsArray& draws, int length, int deep);

// One line series per match count 1..M ("Совпадений: %d"), rows taken from the last to the first.
std::vector<TViewSeries> RepeatsSeries(const std::vector<TRepeatsRow>& rows);

}  // namespace quorvel
