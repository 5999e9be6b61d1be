#include "core/views/repeats_analysis.h"

#include <algorithm>
#include <array>

#include "core/model/matching.h"
#include "core/util/format.h"

namespace quorvel {

std::vector<TRepeatsRow> AnalyzeRepeats(const TDrawsArray& draws, int length, int deep) {
    std::vector<TRepeatsRow> rows;
    const int64_t count = static_cast<int64_t>(draws.size());
    const int64_t first = std::max<int64_t>(0, count - std::max(length, 0));
    for (int64_t d = count - 1; d >= first; --d) {
        const size_t drawRows = rows.size();
        const int64_t oldest = std::max<int64_t>(0, d - std::max(deep, 0));
        for (int64_t k = d - 1; k >= oldest; --k) {
            const int m = DrawDrawMatches(draws[static_cast<size_t>(d)], draws[static_cast<size_t>(k)]);
            if (m <= 0) continue;
            const std::string number = std::to_string(draws[static_cast<size_t>(k)].Number);
            auto row = std::find_if(rows.begin() + static_cast<std::ptrdiff_t>(drawRows), rows.end(),
                                    [m](const TRepeatsRow& r) { return r.Matches == m; });
            if (row == rows.end()) {
                rows.push_back({draws[static_cast<size_t>(d)].Number, m, 1, number});
            } else {
                ++row->Repeats;
                row->Draws += " " + number;
            }
        }
    }
    return rows;
}

std::vector<TViewSeries> RepeatsSeries(const std::vector<TRepeatsRow>& rows) {
    // Fixed, well separated colours: the series only need to differ from one another.
    constexpr std::array<uint32_t, 3> Colors{0x1F77B4, 0xD62728, 0x2CA02C};
    int32_t most = 0;
    for (const TRepeatsRow& r : rows)
        most = std::max(most, r.Matches);
    std::vector<TViewSeries> series;
    for (int32_t m = 1; m <= most; ++m)
        series.push_back({Format("Совпадений: %d", {m}),
                          Colors[static_cast<size_t>(m - 1) % Colors.size()],
                          true,
                          false,
                          {}});
    for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
        if (it->Matches < 1) continue;
        series[static_cast<size_t>(it->Matches - 1)].Data.push_back(
            {double(it->Number), double(it->Repeats), std::to_string(it->Number)});
    }
    return series;
}

}  // namespace quorvel
