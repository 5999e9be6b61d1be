#include "core/views/sum_distribution.h"

#include <algorithm>
#include <cmath>

#include "core/model/lists.h"
#include "core/util/format.h"

namespace quorvel {

const char* const SumDistributionCaption = "Распределение сумм тиражей и всех возможных комбинаций";

namespace {

constexpr std::array<const char*, 3> RangeShares{"1/3", "1/2", "2/3"};
constexpr std::array<uint32_t, 3> RangeColors{0x008000, 0x0000FF, 0xFF00FF};

TSumRange FindRange(const TStatSimpleArray& sorted, int32_t threshold) {
    TSumRange range{threshold, 0, 0};
    const int middle = static_cast<int>(sorted.size()) / 2;
    for (int i = 0; i <= middle && i < static_cast<int>(sorted.size()); ++i) {
        if (sorted[static_cast<size_t>(i)].Count >= threshold) {
            range.Low = sorted[static_cast<size_t>(i)].Key;
            break;
        }
    }
    for (int i = static_cast<int>(sorted.size()) - 1; i >= middle; --i) {
        if (sorted[static_cast<size_t>(i)].Count >= threshold) {
            range.High = sorted[static_cast<size_t>(i)].Key;
            break;
        }
    }
    return range;
}

double Scaled(int32_t count, const TSumDistribution& d) {
    return d.Tmax == 0 ? 0.0 : static_cast<double>(count) * d.Fmax / d.Tmax;
}

}  // namespace

TSumDistribution ComputeSumDistribution(const TDrawsArray& draws) {
    TSumDistribution d;
    for (int a = ValueMin; a <= ValueMax; ++a) {
        for (int b = ValueMin; b <= ValueMax; ++b) {
            for (int c = ValueMin; c <= ValueMax; ++c)
                AddValueCount(d.Theoretical, a + b + c, 1);
        }
    }
    SortValueCounts(d.Theoretical);
    // A damaged draw only adds an unusual sum; nothing here is indexed by a value.
    for (const TDraw& draw : draws)
        AddValueCount(d.Factual, draw.Values[0] + draw.Values[1] + draw.Values[2], 1);
    SortValueCounts(d.Factual);

    auto byCount = [](const TStatSimple& a, const TStatSimple& b) { return a.Count < b.Count; };
    const auto [minIt, maxIt] = std::minmax_element(d.Theoretical.begin(), d.Theoretical.end(), byCount);
    d.Tmin = minIt->Count;
    d.Tmax = maxIt->Count;
    if (!d.Factual.empty()) d.Fmax = std::max_element(d.Factual.begin(), d.Factual.end(), byCount)->Count;

    const double w = d.Tmax - d.Tmin + 1;
    const std::array<double, 3> thresholds{d.Tmin + w / 3, d.Tmin + w / 2, d.Tmin + 2 * w / 3};
    for (size_t i = 0; i < thresholds.size(); ++i)
        d.Ranges[i] = FindRange(d.Theoretical, static_cast<int32_t>(std::trunc(thresholds[i])));
    return d;
}

std::string SumRangeTitle(const TSumDistribution& distribution, int which) {
    const TSumRange& range = distribution.Ranges[static_cast<size_t>(which)];
    return Format("Диапазон %d (от %s и выше по оси Y) - суммы %d-%d",
                  {which + 1, RangeShares[static_cast<size_t>(which)], range.Low, range.High});
}

std::vector<TViewSeries> SumDistributionSeries(const TSumDistribution& d) {
    std::vector<TViewSeries> series;
    TViewSeries factual{"Фактическое распределение сумм (по тиражам)", 0xFF0000, true, true, {}};
    for (const TStatSimple& e : d.Factual)
        factual.Data.push_back({double(e.Key), double(e.Count), std::to_string(e.Count)});
    series.push_back(std::move(factual));

    TViewSeries theoretical{"Теоретическое распределение сумм (по комбинациям)", 0x800000, false, false, {}};
    for (const TStatSimple& e : d.Theoretical)
        theoretical.Data.push_back({double(e.Key), Scaled(e.Count, d), {}});
    series.push_back(std::move(theoretical));

    for (int i = 0; i < 3; ++i) {
        TViewSeries line{SumRangeTitle(d, i), RangeColors[static_cast<size_t>(i)], false, false, {}};
        const double y = Scaled(d.Ranges[static_cast<size_t>(i)].Threshold, d);
        for (const TStatSimple& e : d.Theoretical)
            line.Data.push_back({double(e.Key), y, {}});
        series.push_back(std::move(line));
    }
    return series;
}

}  // namespace quorvel
