#include "core/stakes/significance.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <map>
#include <numeric>
#include <unordered_map>

#include "core/stakes/stakes_file.h"
#include "core/util/format.h"
#include "core/util/text.h"

namespace quorvel {

namespace {

// Far below the smallest probability worth printing, and far above the smallest extended
// number: what is dropped at this size cannot move a printed probability.
constexpr long double Negligible = 1e-345L;
constexpr int BlockRecords = 4096;

void DropNegligibleEnds(std::vector<long double>& values, int64_t& offset) {
    size_t first = 0;
    while (first + 1 < values.size() && values[first] < Negligible)
        ++first;
    size_t end = values.size();
    while (end > first + 1 && values[end - 1] < Negligible)
        --end;
    if (first == 0 && end == values.size()) return;
    values.erase(values.begin() + static_cast<long>(end), values.end());
    values.erase(values.begin(), values.begin() + static_cast<long>(first));
    offset += static_cast<int64_t>(first);
}

void Tally(std::vector<int64_t>& counts, size_t value) {
    if (counts.size() <= value) counts.resize(value + 1, 0);
    ++counts[value];
}

struct RowStakes {
    std::map<int32_t, std::vector<TStakeComb>> ByDraw;
    int Stakes = 0;
    int64_t Matches = 0;
    int64_t FullMatches = 0;
};

// The checked stakes of the file gathered under the rating row of their comment.
std::vector<RowStakes> GatherStakes(const TRating& rating, StakesFile& stakes) {
    std::unordered_map<std::string, size_t> rowOf;
    for (size_t r = 0; r < rating.Rows().size(); ++r)
        rowOf.emplace(LowerCase(rating.Rows()[r].Comment.Text()), r);
    std::vector<RowStakes> rows(rating.Rows().size());
    for (int first = 0; first < stakes.RecordCount(); first += BlockRecords) {
        for (const TStakeRecord& record : stakes.ReadBlock(first, BlockRecords)) {
            if (!record.IsCheckedStake() || record.Matches.Count > PositionCount) continue;
            const auto found = rowOf.find(LowerCase(record.Comment.Text()));
            if (found == rowOf.end()) continue;
            RowStakes& row = rows[found->second];
            row.ByDraw[record.DrawNumber].push_back(record.Values);
            ++row.Stakes;
            row.Matches += record.Matches.Count;
            row.FullMatches += record.Matches.Count == PositionCount ? 1 : 0;
        }
    }
    return rows;
}

}  // namespace

void TotalDistribution::Add(const std::vector<int64_t>& counts, int64_t total) {
    std::vector<std::pair<size_t, long double>> taps;
    for (size_t v = 0; v < counts.size(); ++v) {
        if (counts[v] != 0)
            taps.emplace_back(v, static_cast<long double>(counts[v]) / static_cast<long double>(total));
    }
    if (taps.empty()) return;
    // Each total of the sum at once from the totals below it, so every value is written once.
    const size_t size = probabilities_.size();
    next_.assign(size + taps.back().first, 0.0L);
    for (size_t i = 0; i < next_.size(); ++i) {
        long double sum = 0;
        for (const auto& [value, share] : taps) {
            if (value > i) break;
            if (i - value < size) sum += probabilities_[i - value] * share;
        }
        next_[i] = sum;
    }
    probabilities_.swap(next_);
    DropNegligibleEnds(probabilities_, offset_);
}

long double TotalDistribution::AtLeast(int64_t value) const {
    const int64_t from = std::max<int64_t>(0, value - offset_);
    long double sum = 0;
    // From the smallest terms up, so that a tail far out keeps its digits.
    for (int64_t i = static_cast<int64_t>(probabilities_.size()) - 1; i >= from; --i)
        sum += probabilities_[static_cast<size_t>(i)];
    return std::min(sum, 1.0L);
}

long double TotalDistribution::Mean() const {
    long double mean = 0;
    for (size_t i = 0; i < probabilities_.size(); ++i)
        mean += static_cast<long double>(offset_ + static_cast<int64_t>(i)) * probabilities_[i];
    return mean;
}

DrawStakesDistribution DistributionOfDraw(const std::vector<TStakeComb>& staked) {
    // How many stakes carry digit v at position p, and how many are each whole combination.
    std::array<std::array<int64_t, 10>, PositionCount> atPosition{};
    std::array<int64_t, CombinationCount> whole{};
    for (const TStakeComb& stake : staked) {
        const int positions = std::min(stake.Count, PositionCount);
        for (int p = 0; p < positions; ++p) {
            if (stake.Values[static_cast<size_t>(p)] <= 9)
                ++atPosition[static_cast<size_t>(p)][stake.Values[static_cast<size_t>(p)]];
        }
        if (positions == PositionCount && stake.Values[0] <= 9 && stake.Values[1] <= 9 &&
            stake.Values[2] <= 9)
            ++whole[static_cast<size_t>(stake.Values[0] * 100 + stake.Values[1] * 10 + stake.Values[2])];
    }
    DrawStakesDistribution result;
    for (int x = 0; x < CombinationCount; ++x) {
        const int64_t matches = atPosition[0][static_cast<size_t>(x / 100)] +
                                atPosition[1][static_cast<size_t>(x / 10 % 10)] +
                                atPosition[2][static_cast<size_t>(x % 10)];
        Tally(result.Matches, static_cast<size_t>(matches));
        Tally(result.FullMatches, static_cast<size_t>(whole[static_cast<size_t>(x)]));
    }
    return result;
}

std::vector<long double> AdjustedValues(const std::vector<long double>& p) {
    const size_t count = p.size();
    std::vector<size_t> order(count);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return p[a] < p[b]; });
    std::vector<long double> q(count, 1.0L);
    long double lowest = 1.0L;
    for (size_t rank = count; rank-- > 0;) {
        const size_t i = order[rank];
        lowest =
            std::min(lowest, p[i] * static_cast<long double>(count) / static_cast<long double>(rank + 1));
        q[i] = lowest;
    }
    return q;
}

SignificanceReport RatingSignificance(const TRating& rating, StakesFile& stakes) {
    SignificanceReport report;
    const std::vector<RowStakes> gathered = GatherStakes(rating, stakes);
    std::vector<long double> p;
    std::vector<long double> pFull;
    std::vector<size_t> compared;
    for (size_t r = 0; r < gathered.size(); ++r) {
        const RowStakes& found = gathered[r];
        SignificanceRow row;
        row.Comment = rating.Rows()[r].Comment.Text();
        row.RatingStakes = rating.Rows()[r].Stakes;
        row.Stakes = found.Stakes;
        row.Draws = static_cast<int>(found.ByDraw.size());
        row.Matches = found.Matches;
        row.FullMatches = found.FullMatches;
        if (found.Stakes > 0) {
            TotalDistribution matches;
            TotalDistribution full;
            for (const auto& [draw, staked] : found.ByDraw) {
                const DrawStakesDistribution one = DistributionOfDraw(staked);
                matches.Add(one.Matches, CombinationCount);
                full.Add(one.FullMatches, CombinationCount);
            }
            row.Expected = static_cast<double>(matches.Mean());
            row.ExpectedFull = static_cast<double>(full.Mean());
            row.P = matches.AtLeast(found.Matches);
            row.PFull = full.AtLeast(found.FullMatches);
            p.push_back(row.P);
            pFull.push_back(row.PFull);
            compared.push_back(r);
        }
        report.Rows.push_back(std::move(row));
    }
    const std::vector<long double> q = AdjustedValues(p);
    const std::vector<long double> qFull = AdjustedValues(pFull);
    for (size_t i = 0; i < compared.size(); ++i) {
        SignificanceRow& row = report.Rows[compared[i]];
        row.Q = q[i];
        row.QFull = qFull[i];
        report.Discoveries += row.Q <= 0.05L ? 1 : 0;
    }
    report.Compared = static_cast<int>(compared.size());
    return report;
}

std::vector<const SignificanceRow*> RowsByP(const SignificanceReport& report) {
    std::vector<const SignificanceRow*> rows;
    for (const SignificanceRow& row : report.Rows)
        rows.push_back(&row);
    std::stable_sort(rows.begin(), rows.end(), [](const SignificanceRow* a, const SignificanceRow* b) {
        if ((a->Stakes > 0) != (b->Stakes > 0)) return a->Stakes > 0;
        return a->Stakes > 0 && a->P < b->P;
    });
    return rows;
}

const std::array<const char*, SignificanceColumnCount> SignificanceColumnCaptions = {
    "Комментарий", "Ставок", "Тиражей",     "Угадано", "Ожидается", "p (угадано)",
    "q (угадано)", "3",      "Ожидается 3", "p (3)",   "q (3)"};

std::array<std::string, SignificanceColumnCount> SignificanceRowTexts(const SignificanceRow& row) {
    const bool compared = row.Stakes > 0;
    auto probability = [compared](long double p) { return compared ? ProbabilityText(p) : std::string("-"); };
    return {row.Comment + (row.Partial() ? " *" : ""),
            std::to_string(row.Stakes),
            std::to_string(row.Draws),
            std::to_string(row.Matches),
            FormatFixed(row.Expected, 3),
            probability(row.P),
            probability(row.Q),
            std::to_string(row.FullMatches),
            FormatFixed(row.ExpectedFull, 3),
            probability(row.PFull),
            probability(row.QFull)};
}

std::string SignificanceSummary(const SignificanceReport& report) {
    std::string summary = Format("Строк: %d; q (угадано) <= %s: %d; случайно ожидается p <= %s: %s",
                                 {report.Compared, FormatFixed(0.05, 2), report.Discoveries,
                                  FormatFixed(0.05, 2), FormatFixed(0.05 * report.Compared, 2)});
    const bool partial = std::any_of(report.Rows.begin(), report.Rows.end(),
                                     [](const SignificanceRow& row) { return row.Partial(); });
    if (partial) summary += "\n* часть ставок строки удалена из файла ставок; p и q - по оставшимся";
    return summary;
}

const std::array<int, SignificanceShownCount> SignificanceShownColumns = {5, 6, 9, 10};

long double SignificanceValue(const SignificanceRow& row, int shown) {
    switch (shown) {
        case 0:
            return row.P;
        case 1:
            return row.Q;
        case 2:
            return row.PFull;
        default:
            return row.QFull;
    }
}

std::vector<size_t> SignificanceOrder(const SignificanceReport& report, int shown, bool descending) {
    std::vector<size_t> order(report.Rows.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        const SignificanceRow& x = report.Rows[a];
        const SignificanceRow& y = report.Rows[b];
        if ((x.Stakes > 0) != (y.Stakes > 0)) return x.Stakes > 0;
        if (x.Stakes == 0) return false;
        return descending ? SignificanceValue(x, shown) > SignificanceValue(y, shown)
                          : SignificanceValue(x, shown) < SignificanceValue(y, shown);
    });
    return order;
}

std::string ProbabilityText(long double p) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.4Lg", p);
    std::string text(buffer);
    std::replace(text.begin(), text.end(), '.', FormatSettings().DecimalSeparator);
    return text;
}

}  // namespace quorvel
