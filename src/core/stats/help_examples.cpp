#include "core/stats/help_examples.h"

#include <algorithm>

#include "core/stats/custom_stat.h"
#include "core/stats/evaluation.h"

namespace quorvel {

namespace {

constexpr int ExampleDrawCount = 30;
constexpr int ExampleFirstNumber = 1001;
constexpr int ExampleRepeatDistance = 11;

// A plain linear congruential sequence spreads the values; the two newest draws repeat two
// earlier neighbours, so that the methods that count what followed draws like the newest ones
// (sum changes, transitions, series) have something to show. Fixed for every build.
TDrawsArray MakeExampleDraws() {
    TDrawsArray draws;
    uint32_t state = 20250101;
    auto next = [&state] {
        state = state * 1103515245u + 12345u;
        return static_cast<uint8_t>((state >> 16) % ValueCount);
    };
    for (int i = 0; i < ExampleDrawCount; ++i) {
        TDraw draw;
        draw.Number = ExampleFirstNumber + i;
        if (i >= ExampleDrawCount - 2) {
            draw.Values = draws[static_cast<size_t>(i - ExampleRepeatDistance)].Values;
        } else {
            for (uint8_t& value : draw.Values)
                value = next();
        }
        draws.push_back(draw);
    }
    return draws;
}

TComb CombOfIndex(int i) {
    return TComb{
        {static_cast<uint8_t>(i / 100), static_cast<uint8_t>(i / 10 % 10), static_cast<uint8_t>(i % 10)}};
}

// How many combinations a filter with the selected rows leaves, as the filtering pass decides.
int CombinationsLeft(TCustomStat& stat, const TSelection& selected, int refIndex, bool exclude) {
    stat.LoadDraws(-1, refIndex, false);
    int left = 0;
    for (int i = 0; i < CombinationCount; ++i) {
        if (stat.Matches(selected, refIndex, CombOfIndex(i), false, exclude) != exclude) ++left;
    }
    return left;
}

// The row a filter example selects: the first value of the newest draw, else the most
// frequent row of the table.
const TStatDraw* ExampleSelection(const TStatDrawArray& table) {
    for (const TStatDraw& row : table) {
        if (row.Depth == 1) return &row;
    }
    const auto most = std::max_element(
        table.begin(), table.end(), [](const TStatDraw& a, const TStatDraw& b) { return a.Count < b.Count; });
    return most != table.end() && most->Count > 0 ? &*most : nullptr;
}

void AddFilterExample(TCustomStat& stat, const TStatDrawArray& table, int lastIndex,
                      HelpMethodExample& example) {
    const TStatDraw* selected = ExampleSelection(table);
    if (selected == nullptr) return;
    const TStatDrawArray selection{*selected};
    example.SelectedText = stat.ValueText(*selected);
    example.Kept = CombinationsLeft(stat, selection, lastIndex, false);
    example.LeftAfterRemove = CombinationsLeft(stat, selection, lastIndex, true);
}

}  // namespace

const TDrawsArray& HelpExampleDraws() {
    static const TDrawsArray draws = MakeExampleDraws();
    return draws;
}

HelpMethodExample ComputeHelpExample(const TStatList& stats, const TStatMethod& entry) {
    HelpMethodExample example;
    const int lastIndex = static_cast<int>(stats.Draws().size()) - 1;
    auto stat = entry.CreateStat(stats);

    TStatDrawArray listed;
    stat->PrepareValues(lastIndex, listed);
    for (const TStatDraw& row : listed)
        example.ListedValues.push_back(stat->ValueText(row));

    TStatDrawArray table;
    TStatScratch scratch;
    TLastValueArray lastValues;
    EvaluateWindow(*stat, 0, lastIndex, false, table, scratch, lastValues);
    for (const TStatDraw& row : table) {
        const std::string text = stat->ValueText(row);
        example.Rows.push_back({text, row.Count});
        // Depth 1 marks the values whose newest occurrence is the newest draw of the window.
        if (row.Depth == 1) example.NewestValues.push_back(text);
    }
    AddFilterExample(*stat, table, lastIndex, example);
    return example;
}

std::vector<HelpValueRow> HelpFullSetValues(const TStatList& stats, const TStatMethod& entry) {
    std::vector<HelpValueRow> values;
    if (!entry.StatClass->SupportsFullSet()) return values;
    auto stat = entry.CreateStat(stats);
    TStatDrawArray table;
    EvaluateFullSet(*stat, table);
    for (const TStatDraw& row : table)
        values.push_back({stat->ValueText(row), row.Count});
    return values;
}

}  // namespace quorvel
