#include "core/stakes/stakes_graphs.h"

#include <algorithm>
#include <unordered_map>

#include "core/util/error.h"
#include "core/util/text.h"

namespace quorvel {

namespace {

constexpr int GraphBlockRecords = 1024;
constexpr int RatingGraphDraws = 100;

double Amount(Money money) {
    return MoneyToDouble(money);
}

}  // namespace

const char* const GraphNeedsDrawsMessage =
    "Для построения графиков необходимо, чтобы в выделенном диапазоне данных было более одного тиража!";

TChartSeries& TChartData::SeriesNamed(const std::string& title, uint32_t color) {
    const std::string key = LowerCase(title);
    for (TChartSeries& series : Series) {
        if (LowerCase(series.Title) == key) return series;
    }
    Series.push_back({title, color, {}});
    return Series.back();
}

TChartData StakesProfitGraph(StakesFile& file) {
    std::vector<std::pair<int, Money>> sums;  // per draw, in the order of first occurrence
    std::unordered_map<int, size_t> place;
    const int count = file.RecordCount();
    for (int first = 0; first < count; first += GraphBlockRecords) {
        for (const TStakeRecord& record : file.ReadBlock(first, GraphBlockRecords)) {
            if (record.Matches.Count < 0) continue;
            auto [it, added] = place.emplace(record.DrawNumber, sums.size());
            if (added) sums.emplace_back(record.DrawNumber, 0);
            sums[it->second].second += record.Profit;
        }
    }
    if (sums.empty()) throw Error(GraphNeedsDrawsMessage);
    Money total = 0;
    for (const auto& draw : sums)
        total += draw.second;
    const double average = Amount(total) / static_cast<double>(sums.size());
    TChartData chart;
    chart.Title = "График суммарного профита ставок по тиражам";
    chart.Series = {{"Суммарный профит ставок по тиражу", ChartGreen, {}},
                    {"Среднее значение", ChartBlue, {}},
                    {"Накопленное значение", ChartRed, {}}};
    TChartSeries& perDraw = chart.Series[0];
    TChartSeries& mean = chart.Series[1];
    TChartSeries& running = chart.Series[2];
    Money sum = 0;
    for (const auto& [number, profit] : sums) {
        sum += profit;
        perDraw.Points.emplace_back(number, Amount(profit));
        mean.Points.emplace_back(number, average);
        running.Points.emplace_back(number, Amount(sum));
    }
    return chart;
}

TChartData RatingStakesGraph(StakesFile& file, const std::vector<std::string>& comments, bool profit) {
    if (comments.empty()) throw Error(GraphNeedsDrawsMessage);
    std::vector<std::string> keys;
    for (const std::string& comment : comments)
        keys.push_back(LowerCase(comment));
    // Backwards over the checked stakes until the record that would open the 101st draw.
    const int count = file.RecordCount();
    int start = 0;
    int draws = 0;
    int previous = 0;
    bool stopped = false;
    for (int last = count; last > 0 && !stopped; last -= GraphBlockRecords) {
        const int first = std::max(0, last - GraphBlockRecords);
        const std::vector<TStakeRecord> block = file.ReadBlock(first, last - first);
        for (int i = static_cast<int>(block.size()) - 1; i >= 0; --i) {
            const TStakeRecord& record = block[static_cast<size_t>(i)];
            if (!record.IsCheckedStake()) continue;
            if (draws > 0 && record.DrawNumber == previous) continue;
            if (draws == RatingGraphDraws) {
                start = first + i + 1;
                stopped = true;
                break;
            }
            ++draws;
            previous = record.DrawNumber;
        }
    }
    if (draws < 2) throw Error(GraphNeedsDrawsMessage);
    TChartData chart;
    chart.Title = profit ? "График профита для всех ставок по тиражам"
                         : "График количества совпадений для всех ставок по тиражам";
    for (int first = start; first < count; first += GraphBlockRecords) {
        for (const TStakeRecord& record : file.ReadBlock(first, GraphBlockRecords)) {
            if (!record.IsCheckedStake()) continue;
            const std::string key = LowerCase(record.Comment.Text());
            auto it = std::find(keys.begin(), keys.end(), key);
            if (it == keys.end()) continue;
            const std::string& title = comments[static_cast<size_t>(it - keys.begin())];
            chart.SeriesNamed(title).Points.emplace_back(
                record.DrawNumber,
                profit ? Amount(record.Profit) : static_cast<double>(record.Matches.Count));
        }
    }
    return chart;
}

TChartData RatingsMatchGraph(const std::vector<TRatingRow>& rows) {
    if (rows.empty()) throw Error(GraphNeedsDrawsMessage);
    int32_t most = 0;
    for (const TRatingRow& row : rows)
        most = std::max(most, row.Stakes);
    TChartData chart;
    chart.Title = "График количества совпадений для выделенных строк рейтинга";
    TChartSeries& normal = chart.SeriesNamed("Нормальные значения", ChartGrey);
    for (int i = 0; i < RatingMatchClasses; ++i)
        normal.Points.emplace_back(
            i, static_cast<double>(MatchCombinations[static_cast<size_t>(i)]) * most / 1000);
    for (const TRatingRow& row : rows) {
        TChartSeries& series = chart.SeriesNamed(row.Comment.Text());
        for (int i = 0; i < RatingMatchClasses; ++i)
            series.Points.emplace_back(i, row.MatchCounts[static_cast<size_t>(i)]);
    }
    return chart;
}

}  // namespace quorvel
