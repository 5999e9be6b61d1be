#include "core/views/graph_series.h"

#include <algorithm>

#include "core/model/lists.h"
#include "core/stats/custom_stat.h"

namespace quorvel {

TGraphData BuildGraph(TCustomGraphStat& stat, const TDrawsArray& draws, TViewWindow window, bool sorted,
                      const std::string& title, bool marks) {
    TGraphData graph;
    graph.Main = {title, 0x008000, true, marks, {}};
    graph.Average = {"Среднее значение", 0x0000FF, false, false, {}};
    graph.MostFrequent = {"Наиболее часто встречающееся значение", 0xFF0000, false, false, {}};
    const int first = std::max(window.First, 0);
    const int last = std::min(window.Last, static_cast<int>(draws.size()) - 1);
    if (first > last) return graph;

    TStatSimpleArray counts;
    double total = 0;
    for (int i = first; i <= last; ++i) {
        const int32_t y = stat.DrawGraphValue(i, last, sorted);
        const int32_t number = draws[static_cast<size_t>(i)].Number;
        graph.Main.Data.push_back({double(number), double(y), std::to_string(number)});
        total += y;
        AddValueCount(counts, y, 1);
    }
    // On a tie the value counted first, from the older draws, wins.
    const TStatSimple* best = &counts.front();
    for (const TStatSimple& e : counts) {
        if (e.Count > best->Count) best = &e;
    }
    graph.MostFrequentValue = best->Key;
    graph.AverageValue = total / (last - first + 1);
    for (const TViewPoint& p : graph.Main.Data) {
        graph.Average.Data.push_back({p.X, graph.AverageValue, p.Label});
        graph.MostFrequent.Data.push_back({p.X, double(graph.MostFrequentValue), p.Label});
    }
    return graph;
}

}  // namespace quorvel
