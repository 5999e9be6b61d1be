#pragma once

#include <cstdint>
#include <string>

#include "core/model/game.h"
#include "core/views/view_series.h"

namespace quorvel {

class TCustomGraphStat;

// The graphs tab: the method's value of every draw of the window, oldest first, with the
// average and the most frequent value drawn as flat lines over the same draw numbers.
struct TGraphData {
    TViewSeries Main;
    TViewSeries Average;
    TViewSeries MostFrequent;
    double AverageValue = 0;
    int32_t MostFrequentValue = 0;
};

// An empty window gives three empty series.
TGraphData BuildGraph(TCustomGraphStat& stat, const TDrawsArray& draws, TViewWindow window, bool sorted,
                      const std::string& title, bool marks);

}  // namespace quorvel
