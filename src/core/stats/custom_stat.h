#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/game.h"
#include "core/model/transforms.h"
#include "core/stats/key_index.h"
#include "core/stats/selection.h"
#include "core/stats/stat_class.h"
#include "core/stats/stat_draw.h"

namespace quorvel {

// State a family may carry from one draw to the next within a run; the caller zeroes it
// at the start of the run and passes the same one to every draw.
struct TStatScratch {
    std::array<int32_t, 64> Ints{};
    std::vector<int32_t> Table;  // a family that needs more sizes it once per run
};

struct TLastValue {
    std::array<int32_t, 4> Data{};
};
using TLastValueArray = std::vector<TLastValue>;

// The contract of every statistic method: it turns a draw or a combination into values,
// counts them into a table, prints and reads them, and tests combinations against a set
// of selected values. An instance lives for one run.
class TCustomStat {
public:
    TCustomStat(const TStatClass& statClass, const TStatList& owner, int param);
    virtual ~TCustomStat() = default;
    TCustomStat(const TCustomStat&) = delete;
    TCustomStat& operator=(const TCustomStat&) = delete;

    const TStatClass& Class() const { return class_; }
    const TStatList& Owner() const { return owner_; }
    // The method's title as graphs and the draw information show it.
    virtual std::string InstanceTitle() const { return class_.Title(Param); }

    virtual std::string ValueText(const TStatDraw& value) const = 0;
    virtual int ParseValue(std::string_view text) const;
    int ParseListedValue(std::string_view text) const;

    // Clears Work; families with a closed set of values then list every value with count 0.
    virtual void PrepareValues(int lastIndex, TStatDrawArray& table);
    void LoadDraws(int index, int otherIndex, bool sorted) {
        LoadDraw(CurDraw, index, sorted);
        if (readsOtherDraw_) LoadDraw(OtherDraw, otherIndex, sorted);
    }
    // Adds the values of one combination of the full set (no periods tracked).
    void AddCombination(TStatDrawArray& table, const TComb& comb);
    // Adds the values of draw `index` of a window ending at `lastIndex`.
    void AddDraw(int index, int lastIndex, bool sorted, TStatDrawArray& table, TStatScratch& scratch,
                 TLastValueArray& lastValues) {
        BeginDraw(index, lastIndex, sorted);
        AddDrawValues(table, scratch, lastValues);
    }
    // AddDraw for each draw from firstIndex to lastIndex, in order. The classes the catalogue
    // makes run this loop with their own AddDrawValues called directly, so it is inlined.
    virtual void AddDraws(int firstIndex, int lastIndex, bool sorted, TStatDrawArray& table,
                          TStatScratch& scratch, TLastValueArray& lastValues);
    // While a table is indexed, the values this method adds to it find their entries at once
    // (a window of draws adds thousands); the table must then change only through AddValue.
    void IndexTable(TStatDrawArray& table) { keyIndex_.Attach(table); }
    void StopIndexing() { keyIndex_.Detach(); }
    // Whether the values of a draw depend on the scratch state left by the draws added before it
    // in the same run. Such a method's draws cannot be evaluated apart even when the caller
    // empties the last values between draws, as the search for a value's next occurrence does.
    virtual bool CarriesScratchBetweenDraws() const { return false; }
    // The number of the first draw at or after fromIndex carrying the row's value, or -1.
    int FindNext(const TStatDraw& row, int fromIndex, int lastIndex, bool sorted);
    // Whether the combination, taken as the draw after refIndex, carries a selected value.
    virtual bool Matches(const TSelection& selected, int refIndex, const TComb& comb, bool sorted,
                         bool exclude) = 0;
    // Matches for each combination in turn (1 or 0), in one call for a whole list.
    virtual void MatchEach(const TSelection& selected, int refIndex, std::span<const TComb> combs,
                           bool sorted, bool exclude, std::vector<uint8_t>& results);

    // A copy of a draw of the archive (values ascending when sorted); a zeroed draw outside it.
    TDraw ReadDraw(int index, bool sorted) const {
        if (index < 0 || index >= DrawCount()) return TDraw{};
        const TDraw& draw = draws_[static_cast<size_t>(index)];
        return sorted ? SortDrawValues(draw) : draw;
    }
    int DrawCount() const { return static_cast<int>(draws_.size()); }
    // ReadDraw into a member, copied straight from the archive: every draw of a window is loaded.
    void LoadDraw(TDraw& into, int index, bool sorted) const {
        if (index < 0 || index >= DrawCount()) {
            into = TDraw{};
        } else if (sorted) {
            into = SortDrawValues(draws_[static_cast<size_t>(index)]);
        } else {
            into = draws_[static_cast<size_t>(index)];
        }
    }
    // While a draw is added: its archive index, the window's newest index and whether the run
    // reads draws with their values ascending. Families that look at earlier draws read them.
    int DrawIndex() const { return drawIndex_; }
    int RunLastIndex() const { return runLastIndex_; }
    bool RunSorted() const { return runSorted_; }

    int Param;
    TDraw CurDraw;
    TDraw OtherDraw;
    TStatDraw Work;

protected:
    // What AddDraw does before the family adds the draw's values.
    void BeginDraw(int index, int lastIndex, bool sorted) {
        drawIndex_ = index;
        runLastIndex_ = lastIndex;
        runSorted_ = sorted;
        LoadDraws(index, lastIndex, sorted);
        Work = TStatDraw{};
        Work.LastDraw = Work.PrevDraw = CurDraw.Number;
        Work.Depth = lastIndex - index + 1;
        Work.Count = 1;
    }
    // The family's part of AddCombination and AddDraw: Work is set up, the values go in.
    virtual void AddCombinationValues(TStatDrawArray& table, const TComb& comb) = 0;
    virtual void AddDrawValues(TStatDrawArray& table, TStatScratch& scratch, TLastValueArray& lastValues) = 0;
    // Adds Work with the given first key word, the other words zero.
    void AddKey(TStatDrawArray& table, uint32_t key, bool trackPeriods) {
        AddKeyBits(table, key, trackPeriods);
    }
    // Adds Work with the key given as its eight bytes.
    void AddKeyBits(TStatDrawArray& table, uint64_t key, bool trackPeriods) {
        Work.SetKeyBits(key);
        // The key goes on as a number: reading it back from Work right after writing it stalls.
        if (keyIndex_.Indexes(table)) {
            keyIndex_.AddValue(Work, key, trackPeriods);
        } else {
            quorvel::AddValue(table, Work, trackPeriods);
        }
    }
    // AddDraws for a family whose values are found from a draw's values alone: keysOf(draw, add)
    // gives each key's eight bytes to add(key). Each occurrence goes to the index as numbers, so a
    // draw sets up no work entry and nothing is stored between its keys. The table must be indexed.
    template <typename KeysOf>
    void CountDrawKeys(int firstIndex, int lastIndex, bool sorted, KeysOf keysOf) {
        // Counting never changes the archive, so its draws are read through a span held in registers.
        const std::span<const TDraw> draws(draws_);
        keyIndex_.CountOccurrences(
            [&](auto count) {
                for (int index = firstIndex; index <= lastIndex; ++index) {
                    const int32_t depth = lastIndex - index + 1;
                    const auto countDraw = [&](const TDraw& draw) {
                        keysOf(draw, [&](uint64_t key) { count(key, draw.Number, depth); });
                    };
                    if (index < 0 || index >= static_cast<int>(draws.size())) {
                        countDraw(TDraw{});
                    } else if (sorted) {
                        countDraw(SortDrawValues(draws[static_cast<size_t>(index)]));
                    } else {
                        countDraw(draws[static_cast<size_t>(index)]);
                    }
                }
            },
            true);
    }
    bool Indexes(const TStatDrawArray& table) const { return keyIndex_.Indexes(table); }
    // The table's AddValue, through the index while the table is indexed.
    int AddValue(TStatDrawArray& table, const TStatDraw& work, bool trackPeriods) {
        return keyIndex_.Indexes(table) ? keyIndex_.AddValue(work, trackPeriods)
                                        : quorvel::AddValue(table, work, trackPeriods);
    }

    const TDrawsArray& draws_;

private:
    int drawIndex_ = -1;
    int runLastIndex_ = -1;
    bool runSorted_ = false;
    const TStatClass& class_;
    const TStatList& owner_;
    const bool readsOtherDraw_;
    TKeyIndex keyIndex_;
};

// The first `count` key words (at most four) joined by ":", as a tuple of values prints.
std::string KeyWordsText(const TStatDraw& value, int count);

// One integer per draw that can be drawn as a graph.
class TCustomGraphStat : public TCustomStat {
public:
    using TCustomStat::TCustomStat;
    std::string ValueText(const TStatDraw& value) const override;
    virtual int GraphValue(int index, int otherIndex, const TComb& comb, bool sorted) = 0;
    int DrawGraphValue(int index, int otherIndex, bool sorted);
};

// A split of the three values into two kinds, shown as n:m.
class TCustomRatioStat : public TCustomGraphStat {
public:
    using TCustomGraphStat::TCustomGraphStat;
    std::string ValueText(const TStatDraw& value) const override;
    int ParseValue(std::string_view text) const override;
};

// A drawn value itself.
class TCustomValuesStat : public TCustomStat {
public:
    using TCustomStat::TCustomStat;
    std::string ValueText(const TStatDraw& value) const override;
};

// A count or another small number.
class TCustomNumbersStat : public TCustomStat {
public:
    using TCustomStat::TCustomStat;
    std::string ValueText(const TStatDraw& value) const override;
};

// A 3-bit mask over the positions, position 1 the highest bit.
class TCustomMaskStat : public TCustomStat {
public:
    using TCustomStat::TCustomStat;
    std::string ValueText(const TStatDraw& value) const override;
    int ParseValue(std::string_view text) const override;
    void PrepareValues(int lastIndex, TStatDrawArray& table) override;
    virtual std::string ZeroSymbol() const = 0;
    virtual std::string OneSymbol() const = 0;
};

}  // namespace quorvel
