#include "core/combos/exclusion.h"

#include <algorithm>
#include <array>

#include "core/util/format.h"

namespace quorvel {

namespace {

int CombIndex(const std::array<uint8_t, PositionCount>& values) {
    return (values[0] * ValueCount + values[1]) * ValueCount + values[2];
}

}  // namespace

TDrawRange LastDrawsRange(const DrawArchive& archive, int n) {
    if (n <= 0 || archive.Empty()) return {};
    int last = archive.Count() - 1 - archive.Offset();
    // n may be as large as the spin box allows; compute the lower end without overflow.
    int first = static_cast<int>(std::max<int64_t>(0, static_cast<int64_t>(last) - n + 1));
    return {first, last};
}

TCombsArray ExcludeLastDraws(std::span<const TComb> source, const DrawArchive& archive, int n,
                             const std::function<void(const std::string&)>& progress) {
    auto tell = [&](const std::string& text) {
        if (progress) progress(text);
    };
    tell(Format("Удаление из списка комбинаций %d последних тиражей...", {n}));

    // One pass over the range marks every combination that a draw matches at all three
    // positions, so each combination costs a single lookup however many draws there are.
    std::array<bool, CombinationCount> excluded{};
    TDrawRange range = LastDrawsRange(archive, n);
    const TDrawsArray& draws = archive.Draws();
    for (int i = range.First; i <= range.Last; ++i) {
        const auto& values = draws[static_cast<size_t>(i)].Values;
        // A damaged draw with a value above 9 matches no combination.
        if (std::all_of(values.begin(), values.end(), [](uint8_t v) { return IsValidValue(v); }))
            excluded[static_cast<size_t>(CombIndex(values))] = true;
    }

    TCombsArray kept;
    kept.reserve(std::max<size_t>(source.size(), CombinationCount));
    const size_t total = source.size();
    const size_t step = std::max<size_t>(1, total / 100);
    for (size_t i = 0; i < total; ++i) {
        const TComb& comb = source[i];
        bool valid =
            std::all_of(comb.Values.begin(), comb.Values.end(), [](uint8_t v) { return IsValidValue(v); });
        if (!valid || !excluded[static_cast<size_t>(CombIndex(comb.Values))]) kept.push_back(comb);
        size_t done = i + 1;
        if (done % step == 0) {
            double percent = 100.0 * static_cast<double>(done) / static_cast<double>(total);
            tell(Format("Удаление из списка комбинаций %d последних тиражей ( завершено %.0f %% )...",
                        {n, percent}));
        }
    }
    return kept;
}

}  // namespace quorvel
