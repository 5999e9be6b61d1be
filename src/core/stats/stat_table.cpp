#include "core/stats/stat_table.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <numeric>

#include "core/stats/evaluation.h"
#include "core/stats/next_occurrence.h"
#include "core/util/format.h"
#include "core/util/rounding.h"
#include "core/util/text.h"

namespace quorvel {

const std::array<const char*, StatColumnCount> StatColumnCaptions = {
    "Значение",    "Количество", "Кол-во в %",  "Норма",      "Отклонение", "Откл-ие в %", "Глубина",
    "Глубина в %", "Вес",        "Посл. тираж", "Период min", "Период",     "Период max",  "Ожд. ПРД",
    "Ожд. СТФ",    "Ожд. КРН",   "Факт",        "+/- ПРД",    "+/- СТФ",    "+/- КРН",
};

namespace {

// The norm scales the full-set counts so that the most frequent value meets the window's most
// frequent one (or, for a uniform full set, the middle of the window's extremes). Done in
// integers so that a uniform set gives every value exactly round((max + min) / 2).
struct NormScale {
    int64_t Numerator = 0;
    int64_t Denominator = 1;
    double Factor() const { return static_cast<double>(Numerator) / static_cast<double>(Denominator); }
    int32_t Of(int32_t count) const {
        return static_cast<int32_t>(DivideHalfEven(count * Numerator, Denominator));
    }
};

std::optional<NormScale> NormOf(const FullSetData* fullSet, const TValueTotals& totals) {
    if (fullSet == nullptr || fullSet->MaxCount == 0) return std::nullopt;
    if (fullSet->MinCount == fullSet->MaxCount) {
        return NormScale{static_cast<int64_t>(totals.MaxCount) + totals.MinCount,
                         2 * static_cast<int64_t>(fullSet->MaxCount)};
    }
    return NormScale{totals.MaxCount, fullSet->MaxCount};
}

// The entries of a table by key, the first one of a key found, as a search of the table would,
// and the table's order by key (equal keys in table order), the chart's order of values: one
// sorted list of the keys, read as numbers whose digits are the key words in order, serves both.
class EntriesByKey {
public:
    explicit EntriesByKey(TStatDrawArray& table) : table_(table) {
        keys_.reserve(table.size());
        for (size_t i = 0; i < table.size(); ++i)
            keys_.emplace_back(OrderOf(table[i].Key), i);
        std::sort(keys_.begin(), keys_.end());
    }
    TStatDraw* Find(const std::array<uint16_t, 4>& key) const {
        const uint64_t order = OrderOf(key);
        const auto found =
            std::lower_bound(keys_.begin(), keys_.end(), std::pair<uint64_t, size_t>{order, 0});
        return found != keys_.end() && found->first == order ? &table_[found->second] : nullptr;
    }
    // The position in the table of the entry that comes i-th by key.
    size_t ByKey(size_t i) const { return keys_[i].second; }

private:
    static uint64_t OrderOf(const std::array<uint16_t, 4>& key) {
        return static_cast<uint64_t>(key[0]) << 48 | static_cast<uint64_t>(key[1]) << 32 |
               static_cast<uint64_t>(key[2]) << 16 | key[3];
    }
    TStatDrawArray& table_;
    std::vector<std::pair<uint64_t, size_t>> keys_;
};

// An integer's decimal text, written straight into the cell: a table writes thousands of them.
void SetNumber(std::string& text, int64_t value) {
    char buffer[24];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    AssignShort(text, buffer, error == std::errc() ? end : buffer);
}

void SetDash(std::string& text) {
    text.assign(1, '-');
}

// "+d" when the estimate is above the fact, the plain difference otherwise; "-" without one.
void SetEstimateDiff(std::string& text, int64_t estimate, int fact) {
    if (estimate < 0) return SetDash(text);
    const int64_t d = estimate - fact;
    char buffer[24];
    char* out = buffer;
    if (d > 0) *out++ = '+';
    out = std::to_chars(out, buffer + sizeof buffer, d).ptr;
    AssignShort(text, buffer, out);
}

// The estimates multiply in 32 bits, as the stored draw numbers do.
int32_t Product32(int64_t a, int64_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) * static_cast<uint32_t>(b));
}

struct RowContext {
    int64_t Total;
    int32_t MaxDepth;
    int WindowSize;
    bool HasNorm;
    const WeightCoefficients& Weights;
};

// The texts that depend on a row's count alone: the count, its share and the average period.
// Rows of a large table share a few counts, so each count's texts are made once.
class CountTexts {
public:
    explicit CountTexts(const RowContext& context) : context_(context) {}
    const std::array<std::string, 3>& Of(int32_t count) {
        if (count < 0 || count >= CachedCounts) return Make(count, spare_);
        if (byCount_.size() <= static_cast<size_t>(count)) byCount_.resize(static_cast<size_t>(count) + 1);
        Cached& cached = byCount_[static_cast<size_t>(count)];
        if (!cached.Made) {
            Make(count, cached.Texts);
            cached.Made = true;
        }
        return cached.Texts;
    }

private:
    static constexpr int32_t CachedCounts = 4096;
    struct Cached {
        bool Made = false;
        std::array<std::string, 3> Texts;
    };
    const std::array<std::string, 3>& Make(int32_t count, std::array<std::string, 3>& texts) const {
        SetNumber(texts[0], count);
        if (context_.Total == 0) {
            SetDash(texts[1]);
        } else {
            AssignFixed(texts[1], count * 100.0 / static_cast<double>(context_.Total), 5);
        }
        if (count > 1) AssignFixed(texts[2], static_cast<double>(context_.WindowSize) / count, 4);
        return texts;
    }

    const RowContext& context_;
    std::vector<Cached> byCount_;
    std::array<std::string, 3> spare_;
};

// The "Ожд." estimates as numbers, -1 where the text is not a number that reads back as one.
using Estimates = std::array<int64_t, 3>;

int64_t EstimateOf(int64_t value) {
    return value >= 0 && value <= std::numeric_limits<int32_t>::max() ? value : -1;
}

void SetEstimate(std::string& text, int64_t value, int64_t& estimate) {
    SetNumber(text, value);
    estimate = EstimateOf(value);
}

void FillPeriodTexts(TStatRow& row, const RowContext& context, const std::string& averageText,
                     Estimates& estimates) {
    const TStatDraw& e = row.Entry;
    if (e.Count <= 1) {
        for (int c = 10; c <= 13; ++c)
            SetDash(row.Texts[c]);
        return;
    }
    const double average = static_cast<double>(context.WindowSize) / e.Count;
    SetNumber(row.Texts[10], e.PeriodMin);
    row.Texts[11] = averageText;
    SetNumber(row.Texts[12], e.PeriodMax);
    SetEstimate(row.Texts[13], RoundHalfEven(average + e.LastDraw), estimates[0]);
}

void FillForecastTexts(TStatRow& row, int fact, Estimates& estimates) {
    const TStatDraw& e = row.Entry;
    if (e.Count <= 0) {
        for (int c = 14; c <= 19; ++c)
            SetDash(row.Texts[c]);
        return;
    }
    SetEstimate(row.Texts[14],
                RoundHalfEven(static_cast<double>(Product32(e.Count + 1, e.LastDraw)) / e.Count),
                estimates[1]);
    SetEstimate(
        row.Texts[15],
        RoundHalfEven(static_cast<double>(Product32(e.Count + 2, static_cast<int64_t>(e.LastDraw) + 1)) /
                      (e.Count + 1)),
        estimates[2]);
    if (fact < 0) {
        for (int c = 16; c <= 19; ++c)
            SetDash(row.Texts[c]);
        return;
    }
    SetNumber(row.Texts[16], fact);
    for (size_t c = 0; c < 3; ++c)
        SetEstimateDiff(row.Texts[17 + c], estimates[c], fact);
}

void FillRow(TStatRow& row, const TStatDraw& entry, TCustomStat& stat, int fact, const RowContext& context,
             CountTexts& countTexts) {
    row.Entry = entry;
    const TStatDraw& e = entry;
    row.Texts[0] = stat.ValueText(e);
    const std::array<std::string, 3>& byCount = countTexts.Of(e.Count);
    row.Texts[1] = byCount[0];
    row.Texts[2] = byCount[1];
    if (context.HasNorm) {
        SetNumber(row.Texts[3], e.Norm);
        SetNumber(row.Texts[4], static_cast<int64_t>(e.Count) - e.Norm);
        const double deviation = e.Norm != 0    ? (static_cast<double>(e.Count) - e.Norm) * 100.0 / e.Norm
                                 : e.Count == 0 ? 0.0
                                                : 100.0;
        AssignFixed(row.Texts[5], deviation, 5);
    } else {
        for (int c = 3; c <= 5; ++c)
            SetDash(row.Texts[c]);
    }
    if (e.Depth == 0) {
        for (int c = 6; c < StatColumnCount; ++c)
            SetDash(row.Texts[c]);
        return;
    }
    SetNumber(row.Texts[6], e.Depth);
    AssignFixed(row.Texts[7], e.Depth * 100.0 / context.MaxDepth, 2);
    AssignFixed(row.Texts[8],
                RowWeight({e.Count, e.Norm, e.Depth, context.HasNorm, context.Total, context.MaxDepth},
                          context.Weights),
                2);
    SetNumber(row.Texts[9], e.LastDraw);
    Estimates estimates = {-1, -1, -1};
    FillPeriodTexts(row, context, byCount[2], estimates);
    FillForecastTexts(row, fact, estimates);
}

// The chart's points are labelled with the value texts; a value with a row takes its row's.
void BuildChart(TStatTable& result, TCustomStat& stat, const TStatDrawArray& table,
                const EntriesByKey& entries, const FullSetData* fullSet, const std::optional<NormScale>& norm,
                bool showTotalLine) {
    const auto label = [&](const std::array<uint16_t, 4>& key, const TStatDraw* entry) {
        if (entry != nullptr) return result.Rows[static_cast<size_t>(entry - table.data())].Texts[0];
        TStatDraw value;
        value.Key = key;
        return stat.ValueText(value);
    };
    if (norm) {
        if (showTotalLine) result.Total.reserve(fullSet->Records.size());
        result.Actual.reserve(table.size());
        for (size_t r = 0; r < fullSet->Records.size(); ++r) {
            const FullSetRecord& record = fullSet->Records[r];
            const double x = static_cast<double>(r + 1);
            const TStatDraw* entry = entries.Find(record.Key);
            if (!showTotalLine && entry == nullptr) continue;
            std::string text = label(record.Key, entry);
            if (showTotalLine) result.Total.push_back({x, record.Count * norm->Factor(), text});
            if (entry != nullptr)
                result.Actual.push_back({x, static_cast<double>(entry->Count), std::move(text)});
        }
        return;
    }
    // In the order SortValues gives the values, without moving them.
    result.Actual.reserve(table.size());
    for (size_t i = 0; i < table.size(); ++i) {
        const TStatDraw& entry = table[entries.ByKey(i)];
        result.Actual.push_back(
            {static_cast<double>(i), static_cast<double>(entry.Count), label(entry.Key, &entry)});
    }
}

}  // namespace

double RowWeight(const TRowWeightInput& row, const WeightCoefficients& weights) {
    const double deviation = row.HasNorm ? static_cast<double>(row.Count) - row.Norm : 0.0;
    double c = row.Count;
    double d = deviation;
    double l = row.Depth;
    if (weights.UsePercents) {
        c = row.Total == 0 ? 0.0 : row.Count * 100.0 / static_cast<double>(row.Total);
        d = row.HasNorm && row.Norm != 0 ? deviation * 100.0 / row.Norm : 0.0;
        l = row.MaxDepth == 0 ? 0.0 : row.Depth * 100.0 / row.MaxDepth;
    }
    if (weights.UseAbsValues) {
        c = std::fabs(c);
        d = std::fabs(d);
        l = std::fabs(l);
    }
    const double weight = weights.Count * c + weights.Deviation * d + weights.Level * l;
    return std::isfinite(weight) ? weight : -999.99;
}

std::string EstimateDiffText(const std::string& estimate, int fact) {
    std::string text;
    SetEstimateDiff(text, ParseInt32(estimate).value_or(-1), fact);
    return text;
}

TStatTable ComputeStatTable(TCustomStat& stat, const DrawArchive& archive, const TStatTableRequest& request) {
    TStatTable result;
    if (archive.Empty()) return result;
    result.LastIndex = archive.Count() - 1 - archive.Offset();
    result.FirstIndex = std::max(0, result.LastIndex - std::max(request.WindowLength, 1) + 1);
    result.WindowSize = std::max(0, result.LastIndex - result.FirstIndex + 1);
    TStatDrawArray table;
    TStatScratch scratch;
    TLastValueArray lastValues;
    if (result.FirstIndex <= result.LastIndex) {
        EvaluateWindow(stat, result.FirstIndex, result.LastIndex, request.Sorted, table, scratch, lastValues);
    }
    const TValueTotals totals = ValueTotals(table);
    const std::optional<NormScale> norm = NormOf(request.FullSet, totals);
    result.HasNorm = norm.has_value();
    if (table.empty()) return result;
    const EntriesByKey entries(table);
    if (norm) {
        for (const FullSetRecord& record : request.FullSet->Records) {
            if (TStatDraw* entry = entries.Find(record.Key)) entry->Norm = norm->Of(record.Count);
        }
    }
    const RowContext context{totals.Total, totals.MaxDepth, result.WindowSize, result.HasNorm,
                             request.Weights};
    const std::vector<int> facts =
        FindNextOccurrences(stat, archive, table, result.LastIndex, request.Sorted);
    result.Rows.resize(table.size());
    CountTexts countTexts(context);
    for (size_t r = 0; r < table.size(); ++r)
        FillRow(result.Rows[r], table[r], stat, facts[r], context, countTexts);
    if (table.size() > 1)
        BuildChart(result, stat, table, entries, request.FullSet, norm, request.ShowTotalLine);
    return result;
}

bool CellNumber(const std::string& text, double& value) {
    std::string plain = text;
    std::replace(plain.begin(), plain.end(), ',', '.');
    size_t pos = 0;
    if (pos < plain.size() && (plain[pos] == '+' || plain[pos] == '-')) ++pos;
    const size_t digitsStart = pos;
    while (pos < plain.size() && std::isdigit(static_cast<unsigned char>(plain[pos])))
        ++pos;
    if (pos == digitsStart) return false;
    if (pos < plain.size() && plain[pos] == '.') {
        const size_t fractionStart = ++pos;
        while (pos < plain.size() && std::isdigit(static_cast<unsigned char>(plain[pos])))
            ++pos;
        if (pos == fractionStart) return false;
    }
    if (pos < plain.size() && (plain[pos] == 'e' || plain[pos] == 'E')) {
        ++pos;
        if (pos < plain.size() && (plain[pos] == '+' || plain[pos] == '-')) ++pos;
        const size_t exponentStart = pos;
        while (pos < plain.size() && std::isdigit(static_cast<unsigned char>(plain[pos])))
            ++pos;
        if (pos == exponentStart) return false;
    }
    if (pos != plain.size()) return false;
    value = std::strtod(plain.c_str(), nullptr);
    return true;
}

namespace {

// -1, 0 or 1: numbers as numbers and before texts; texts lower-cased, by code point.
// A cell read once for sorting: whether it is a number, its value, and its lower-case text.
struct CellKey {
    bool Number = false;
    double Value = 0;
    std::string Lower;
};

CellKey KeyOfCell(const std::string& text) {
    CellKey key;
    key.Number = CellNumber(text, key.Value);
    if (!key.Number) key.Lower = LowerCase(text);
    return key;
}

int CompareCells(const CellKey& a, const CellKey& b) {
    if (a.Number && b.Number) return a.Value < b.Value ? -1 : a.Value > b.Value ? 1 : 0;
    if (a.Number != b.Number) return a.Number ? -1 : 1;
    return a.Lower < b.Lower ? -1 : a.Lower > b.Lower ? 1 : 0;
}

}  // namespace

void SortStatRows(std::vector<TStatRow>& rows, int column, bool descending) {
    const bool inside = column >= 0 && column < StatColumnCount;
    // Every cell of the two columns is read once instead of at each comparison.
    std::vector<std::pair<CellKey, CellKey>> keys;
    keys.reserve(rows.size());
    for (const TStatRow& row : rows)
        keys.emplace_back(inside ? KeyOfCell(row.Texts[static_cast<size_t>(column)]) : CellKey{},
                          KeyOfCell(row.Texts[0]));
    std::vector<size_t> order(rows.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        int result = inside ? CompareCells(keys[a].first, keys[b].first) : 0;
        if (result == 0) result = CompareCells(keys[a].second, keys[b].second);
        return descending ? result > 0 : result < 0;
    });
    std::vector<TStatRow> sorted;
    sorted.reserve(rows.size());
    for (size_t index : order)
        sorted.push_back(std::move(rows[index]));
    rows = std::move(sorted);
}

TStatValues ReadRowTexts(const TStatRow* row) {
    TStatValues values;
    if (row == nullptr) return values;
    static constexpr int Columns[] = {1, 2, 4, 5, 6, 7, 8, 10, 11, 12};
    values[0] = row->Texts[0];
    for (size_t i = 0; i < std::size(Columns); ++i)
        values[i + 2] = row->Texts[static_cast<size_t>(Columns[i])];
    return values;
}

}  // namespace quorvel
