#pragma once

#include <functional>
#include <span>
#include <string>

#include "core/archive/draw_archive.h"
#include "core/model/game.h"

namespace quorvel {

constexpr const char* LastDrawsSource = "Последние тиражи";

// The array indices of the last n draws seen at the archive's offset: first..last, empty
// (first > last) when n <= 0 or the archive is empty.
struct TDrawRange {
    int First = 0;
    int Last = -1;
};
TDrawRange LastDrawsRange(const DrawArchive& archive, int n);

// The combinations of the source, in order, that equal none of the last n draws at the
// offset at all three positions. Progress is told first and then about a hundred times
// with the share done; it may be empty.
TCombsArray ExcludeLastDraws(std::span<const TComb> source, const DrawArchive& archive, int n,
                             const std::function<void(const std::string&)>& progress);

}  // namespace quorvel
