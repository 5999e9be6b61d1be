#include "core/stats/families/sequences.h"
#include "core/stats/families/make_stat.h"

#include <algorithm>

#include "core/stats/registry.h"

namespace quorvel {

namespace {

using Values = std::array<uint8_t, PositionCount>;
using JoinFn = bool (*)(int from, int to);

bool Climbs(int from, int to) {
    return to - from == 1;
}
// The graph draws a descent by one as a run too.
bool StepsByOne(int from, int to) {
    return to - from == 1 || from - to == 1;
}

// Calls visit with the length of every run, left to right; a draw without runs gives
// three runs of length 1.
template <typename Visit>
void ForEachRunLength(const Values& x, Visit visit) {
    int length = 1;
    for (int i = 1; i < PositionCount; ++i) {
        if (Climbs(x[i - 1], x[i])) {
            ++length;
        } else {
            visit(length);
            length = 1;
        }
    }
    visit(length);
}

// The number of runs of two or more: a run is counted when it breaks or reaches the last
// position.
int RunCount(const Values& x, JoinFn joins) {
    int count = 0;
    bool open = false;
    for (int i = 1; i < PositionCount; ++i) {
        if (joins(x[i - 1], x[i])) {
            open = true;
            if (i == PositionCount - 1) ++count;
        } else if (open) {
            ++count;
            open = false;
        }
    }
    return count;
}

// The statistic starts the longest run at 1 (a lone value); the graph starts it at 0, so a
// draw without joined neighbours plots at the bottom.
int LongestRun(const Values& x, JoinFn joins, int longest) {
    int length = 1;
    for (int i = 1; i < PositionCount; ++i) {
        if (joins(x[i - 1], x[i])) {
            ++length;
            longest = std::max(longest, length);
        } else {
            length = 1;
        }
    }
    return longest;
}

}  // namespace

void TstSequenceLen::PrepareValues(int lastIndex, TStatDrawArray& table) {
    TCustomStat::PrepareValues(lastIndex, table);
    for (uint32_t length = 1; length <= PositionCount; ++length)
        AddKey(table, length, false);
}

template <typename Add>
void TstSequenceLen::ForEachKey(const std::array<uint8_t, PositionCount>& values, Add add) const {
    ForEachRunLength(values, [&](int length) { add(static_cast<uint32_t>(length)); });
}

bool TstSequenceLen::Matches(const TSelection& selected, int, const TComb& comb, bool, bool) {
    bool found = false;
    ForEachRunLength(comb.Values, [&](int length) {
        found = found || HasKeyWord(selected, 1, static_cast<uint16_t>(length));
    });
    return found;
}

void TstSequenceCnt::PrepareValues(int lastIndex, TStatDrawArray& table) {
    TCustomStat::PrepareValues(lastIndex, table);
    AddKey(table, 0, false);
    AddKey(table, 1, false);
}

template <typename Add>
void TstSequenceCnt::ForEachKey(const std::array<uint8_t, PositionCount>& values, Add add) const {
    add(static_cast<uint32_t>(RunCount(values, Climbs)));
}

bool TstSequenceCnt::Matches(const TSelection& selected, int, const TComb& comb, bool, bool) {
    return HasKeyWord(selected, 1, static_cast<uint16_t>(RunCount(comb.Values, Climbs)));
}

int TstSequenceCnt::GraphValue(int, int, const TComb& comb, bool) {
    return RunCount(comb.Values, StepsByOne);
}

void TstSequenceLenMax::PrepareValues(int lastIndex, TStatDrawArray& table) {
    TCustomStat::PrepareValues(lastIndex, table);
    for (uint32_t length = 1; length <= PositionCount; ++length)
        AddKey(table, length, false);
}

template <typename Add>
void TstSequenceLenMax::ForEachKey(const std::array<uint8_t, PositionCount>& values, Add add) const {
    add(static_cast<uint32_t>(LongestRun(values, Climbs, 1)));
}

bool TstSequenceLenMax::Matches(const TSelection& selected, int, const TComb& comb, bool, bool) {
    return HasKeyWord(selected, 1, static_cast<uint16_t>(LongestRun(comb.Values, Climbs, 1)));
}

int TstSequenceLenMax::GraphValue(int, int, const TComb& comb, bool) {
    return LongestRun(comb.Values, StepsByOne, 0);
}

namespace {

TStatClass Row(int position, const char* name, const char* code, const char* title, bool graph,
               TStatClass::CreateFn create) {
    return StatRow(6, position, name, code, title, FeaturePositional | FeatureFullSet, graph, true, create);
}

}  // namespace

void RegisterSequencesFamily(std::vector<TStatClass>& classes) {
    classes.push_back(
        Row(40, "TstSequenceLen", "SEQL", "Длина последовательности в тираже", false, Make<TstSequenceLen>));
    classes.push_back(Row(41, "TstSequenceCnt", "SEQS", "Количество последовательностей в тираже", true,
                          Make<TstSequenceCnt>));
    classes.push_back(Row(42, "TstSequenceLenMax", "LENS", "Макс. длина последовательности в тираже", true,
                          Make<TstSequenceLenMax>));
}

}  // namespace quorvel
