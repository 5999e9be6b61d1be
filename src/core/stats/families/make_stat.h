#pragma once

#include <memory>
#include <string>
#include <utility>

#include "core/model/game.h"
#include "core/stats/custom_stat.h"
#include "core/util/format.h"

namespace quorvel {

// A family whose values are found from a draw's or a combination's values alone: it says only
// which, by ForEachKey(values, add) calling add(key) with each key's eight bytes, and declares
// neither AddDrawValues nor AddCombinationValues. TKeyedValues adds them, and TCatalogued counts a
// window's draws without setting up a work entry for each. A family whose values the full set
// does not count says so with a member `static constexpr bool FullSetValues = false`.
template <typename Stat>
concept KeysFromValues = requires(const Stat& stat, const std::array<uint8_t, PositionCount>& values) {
    stat.ForEachKey(values, [](uint64_t) {});
};

template <typename Stat>
constexpr bool CountsFullSet() {
    if constexpr (requires { Stat::FullSetValues; }) {
        return Stat::FullSetValues;
    } else {
        return true;
    }
}

// The values a family with ForEachKey adds for a draw and for a combination of the full set.
// A family without it adds its own, and gains nothing here: a second caller of its AddDrawValues
// would keep the compiler from inlining it into the draw loop.
template <typename Stat, bool Keyed = KeysFromValues<Stat>>
class TKeyedValues : public Stat {
public:
    using Stat::Stat;
};

template <typename Stat>
class TKeyedValues<Stat, true> : public Stat {
public:
    using Stat::Stat;

protected:
    void AddCombinationValues(TStatDrawArray& table, const TComb& comb) override {
        if constexpr (CountsFullSet<Stat>())
            this->Stat::ForEachKey(comb.Values, [&](uint64_t key) { this->AddKeyBits(table, key, false); });
    }
    void AddDrawValues(TStatDrawArray& table, TStatScratch&, TLastValueArray&) override {
        this->Stat::ForEachKey(this->CurDraw.Values,
                               [&](uint64_t key) { this->AddKeyBits(table, key, true); });
    }
};

// A method class as the catalogue makes it: its loops over the draws of a window and over the
// combinations of a list call the class's own functions directly instead of through the
// virtual table, so that the compiler can inline them into the loop.
template <typename Stat>
class TCatalogued : public TKeyedValues<Stat> {
public:
    using TKeyedValues<Stat>::TKeyedValues;
    void AddDraws(int firstIndex, int lastIndex, bool sorted, TStatDrawArray& table, TStatScratch& scratch,
                  TLastValueArray& lastValues) override {
        if constexpr (KeysFromValues<Stat>) {
            if (this->Indexes(table)) {
                this->CountDrawKeys(firstIndex, lastIndex, sorted, [this](const TDraw& draw, auto add) {
                    this->Stat::ForEachKey(draw.Values, add);
                });
            } else {
                TCustomStat::AddDraws(firstIndex, lastIndex, sorted, table, scratch, lastValues);
            }
        } else {
            for (int index = firstIndex; index <= lastIndex; ++index) {
                this->BeginDraw(index, lastIndex, sorted);
                this->Stat::AddDrawValues(table, scratch, lastValues);
            }
        }
    }
    void MatchEach(const TSelection& selected, int refIndex, std::span<const TComb> combs, bool sorted,
                   bool exclude, std::vector<uint8_t>& results) override {
        results.resize(combs.size());
        // Written through a pointer of its own: a store through the vector would make the compiler
        // read the vector's data pointer again for every combination.
        uint8_t* const out = results.data();
        for (size_t i = 0; i < combs.size(); ++i)
            out[i] = this->Stat::Matches(selected, refIndex, combs[i], sorted, exclude) ? 1 : 0;
    }
};

// The creation function every registration row carries: a new instance of the class.
template <typename Stat>
std::unique_ptr<TCustomStat> Make(const TStatClass& statClass, const TStatList& owner, int param) {
    return std::make_unique<TCatalogued<Stat>>(statClass, owner, param);
}

// One row of the registration table. Every family builds its rows here; the fields not named
// keep the defaults of TStatClass.
inline TStatClass StatRow(int group, int position, const char* name, std::string code, std::string title,
                          uint8_t flags, bool graph, bool numeric, TStatClass::CreateFn create) {
    TStatClass c;
    c.Position = position;
    c.ClassName = name;
    c.CodeFormat = std::move(code);
    c.TitleFormat = std::move(title);
    c.Group = group;
    c.Flags = flags;
    c.Graph = graph;
    c.NumericValues = numeric;
    c.Create = create;
    return c;
}

// A method over tuples of k positions, its code and title carrying k. No tuple of four positions
// exists in a draw of three values, so that row is listed but not available.
inline TStatClass TupleStatRow(int group, int position, const char* name, const char* code, const char* title,
                               int k, TStatClass::CreateFn create) {
    TStatClass c = StatRow(group, position, name, Format(code, {k}), Format(title, {k}), FeaturePositional,
                           false, false, create);
    c.Available = k <= PositionCount;
    return c;
}

}  // namespace quorvel
