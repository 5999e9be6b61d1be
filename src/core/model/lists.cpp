#include "core/model/lists.h"

#include <algorithm>
#include <functional>

#include "core/model/transforms.h"
#include "core/util/text.h"

namespace quorvel {

namespace {

// A range longer than this is not a list anyone means; refusing it keeps a typo such as
// "1-2000000000;1" from exhausting memory.
constexpr int64_t MaxRangeLength = 1000000;

template <typename Visit>
void WalkUniqueValues(std::span<const TComb> combs, Visit visit) {
    bool seen[ValueCount] = {};
    int found = 0;
    for (const TComb& comb : combs) {
        for (uint8_t v : comb.Values) {
            if (!IsValidValue(v) || seen[v]) continue;
            seen[v] = true;
            visit(v);
            if (++found == ValueCount) return;
        }
    }
}

std::optional<TIntArray> EnumerationList(std::string_view text) {
    TIntArray list;
    for (std::string_view word : SplitEvery(text, ",;")) {
        auto value = ParseInt32(TrimBlanks(word));
        if (!value) return std::nullopt;
        list.push_back(*value);
    }
    return list;
}

TIntArray RangeList(std::string_view text) {
    size_t dash = text.find('-', 1);
    if (text.empty() || dash == std::string_view::npos) return {};
    size_t stepStart = text.find_first_of(",;", dash + 1);
    if (stepStart == std::string_view::npos) return {};
    auto from = ParseInt32(TrimBlanks(text.substr(0, dash)));
    auto to = ParseInt32(TrimBlanks(text.substr(dash + 1, stepStart - dash - 1)));
    auto step = ParseInt32(TrimBlanks(text.substr(stepStart + 1)));
    if (!from || !to || !step || *step == 0) return {};
    // Division truncates toward zero, so "5-3;3" still gives the single number 5.
    int64_t steps = (static_cast<int64_t>(*to) - *from) / *step;
    if (steps < 0 || steps >= MaxRangeLength) return {};
    TIntArray list;
    list.reserve(static_cast<size_t>(steps + 1));
    for (int64_t i = 0; i <= steps; ++i)
        list.push_back(static_cast<int32_t>(*from + i * *step));
    return list;
}

}  // namespace

int UniqueValueCount(std::span<const TComb> combs) {
    int count = 0;
    WalkUniqueValues(combs, [&](uint8_t) { ++count; });
    return count;
}

TByteArray UniqueValues(std::span<const TComb> combs) {
    TByteArray values;
    WalkUniqueValues(combs, [&](uint8_t v) { values.push_back(v); });
    return values;
}

bool ByteListHas(const TByteArray& list, uint8_t value) {
    return std::find(list.begin(), list.end(), value) != list.end();
}

void ByteListAdd(TByteArray& list, uint8_t value) {
    if (!ByteListHas(list, value)) list.push_back(value);
}

void ByteListAppend(TByteArray& list, uint8_t value) {
    list.push_back(value);
}

TIntArray StrToIntList(std::string_view text) {
    if (text.empty()) return {};
    if (auto list = EnumerationList(text)) return *list;
    return RangeList(text);
}

std::string IntListToStr(const TIntArray& list, std::string_view separator) {
    std::string out;
    for (size_t i = 0; i < list.size(); ++i) {
        if (i > 0) out += separator;
        out += std::to_string(list[i]);
    }
    return out;
}

void SortIntsDesc(TIntArray& list) {
    InsertionSort(list.begin(), list.end(), std::greater<>());
}

void AddValueCount(TStatSimpleArray& list, int32_t key, int32_t amount) {
    auto found = std::find_if(list.begin(), list.end(), [&](const TStatSimple& e) { return e.Key == key; });
    if (found == list.end()) {
        list.push_back({key, amount});
    } else if (amount > 0) {
        found->Count += amount;
    }
}

void SortValueCounts(TStatSimpleArray& list) {
    InsertionSort(list.begin(), list.end(),
                  [](const TStatSimple& a, const TStatSimple& b) { return a.Key < b.Key; });
}

std::string SegmentsToStr(const TSegmentTable& segments) {
    std::string out;
    for (const auto& position : segments) {
        for (uint8_t segment : position)
            out += std::to_string(segment);
    }
    return out;
}

TSegmentTable StrToSegments(std::string_view text) {
    TSegmentTable segments;
    for (int i = 0; i < PositionCount * ValueCount; ++i) {
        char c = i < static_cast<int>(text.size()) ? text[i] : ' ';
        segments[i / ValueCount][i % ValueCount] = (c >= '0' && c <= '9') ? static_cast<uint8_t>(c - '0') : 1;
    }
    return segments;
}

}  // namespace quorvel
