#include "core/stats/families/numbers.h"
#include "core/stats/families/make_stat.h"

#include <string>

#include "core/stats/registry.h"

namespace quorvel {

namespace {

bool IsEven(int v) {
    return v % 2 == 0;
}
bool IsSmall(int v) {
    return v <= 4;
}
bool IsPrime(int v) {
    return v == 1 || v == 2 || v == 3 || v == 5 || v == 7;
}

// Each decimal digit of a value; a value of the game is one digit, a damaged one may be more.
template <typename Visit>
void ForEachDigit(int value, Visit visit) {
    if (value >= 0 && value <= 9) {
        visit(value);
        return;
    }
    for (char c : std::to_string(value))
        visit(c >= '0' && c <= '9' ? c - '0' : 0);
}

}  // namespace

void TstValues::PrepareValues(int lastIndex, TStatDrawArray& table) {
    TCustomStat::PrepareValues(lastIndex, table);
    for (int v = ValueMin; v <= ValueMax; ++v)
        AddKey(table, static_cast<uint32_t>(v), false);
}

bool TstValues::Matches(const TSelection& selected, int, const TComb& comb, bool, bool) {
    // All three tested, without early exits: whether a value is selected is as random as the draws,
    // and a pass over a list would stall on every guess.
    const uint8_t* const chosen = selected.ByteKeys();
    const auto& v = comb.Values;
    return (chosen[v[0]] | chosen[v[1]] | chosen[v[2]]) != 0;
}

template <typename Add>
void TstDigits::ForEachKey(const std::array<uint8_t, PositionCount>& values, Add add) const {
    for (uint8_t v : values)
        ForEachDigit(v, [&](int d) { add(static_cast<uint32_t>(d)); });
}

bool TstDigits::Matches(const TSelection& selected, int, const TComb& comb, bool, bool) {
    bool found = false;
    for (uint8_t v : comb.Values) {
        ForEachDigit(v, [&](int d) { found = found || HasKey(selected, static_cast<uint16_t>(d), 0, 0, 0); });
        if (found) return true;
    }
    return false;
}

int TCustomPropertyCountStat::CountOf(const std::array<uint8_t, PositionCount>& values) const {
    int count = 0;
    for (uint8_t v : values)
        count += HasProperty(v) ? 1 : 0;
    return count;
}

void TCustomPropertyCountStat::PrepareValues(int lastIndex, TStatDrawArray& table) {
    TCustomStat::PrepareValues(lastIndex, table);
    for (uint32_t n = 1; n <= PositionCount; ++n)
        AddKey(table, n, false);
}

bool TCustomPropertyCountStat::Matches(const TSelection& selected, int, const TComb& comb, bool, bool) {
    return HasKeyWord(selected, 1, static_cast<uint16_t>(CountOf(comb.Values)));
}

int TCustomPropertyCountStat::GraphValue(int, int, const TComb& comb, bool) {
    return CountOf(comb.Values);
}

uint32_t TCustomPropertyMaskStat::MaskOf(const std::array<uint8_t, PositionCount>& values) const {
    uint32_t mask = 0;
    for (uint8_t v : values)
        mask = 2 * mask + (HasProperty(v) ? 1 : 0);
    return mask;
}

bool TCustomPropertyMaskStat::Matches(const TSelection& selected, int, const TComb& comb, bool, bool) {
    return HasKeyDword(selected, 1, MaskOf(comb.Values));
}

void TstPosVal::PrepareValues(int lastIndex, TStatDrawArray& table) {
    TCustomStat::PrepareValues(lastIndex, table);
    for (int v = ValueMin; v <= ValueMax; ++v)
        AddKey(table, static_cast<uint32_t>(v), false);
}

bool TstPosVal::Matches(const TSelection& selected, int, const TComb& comb, bool, bool) {
    return HasKeyWord(selected, 1, comb.Values[static_cast<size_t>(Param - 1)]);
}

int TstPosVal::GraphValue(int, int, const TComb& comb, bool) {
    return comb.Values[static_cast<size_t>(Param - 1)];
}

namespace {

class TstEvenCount : public TCustomPropertyCountStat {
public:
    using TCustomPropertyCountStat::TCustomPropertyCountStat;
    bool HasProperty(int v) const override { return IsEven(v); }
};

class TstSmallCount : public TCustomPropertyCountStat {
public:
    using TCustomPropertyCountStat::TCustomPropertyCountStat;
    bool HasProperty(int v) const override { return IsSmall(v); }
};

class TstPrimeCount : public TCustomPropertyCountStat {
public:
    using TCustomPropertyCountStat::TCustomPropertyCountStat;
    bool HasProperty(int v) const override { return IsPrime(v); }
};

class TstEvenValues : public TCustomPropertyMaskStat {
public:
    using TCustomPropertyMaskStat::TCustomPropertyMaskStat;
    bool HasProperty(int v) const override { return !IsEven(v); }
    std::string ZeroSymbol() const override { return "Ч"; }
    std::string OneSymbol() const override { return "н"; }
};

class TstSmallValues : public TCustomPropertyMaskStat {
public:
    using TCustomPropertyMaskStat::TCustomPropertyMaskStat;
    bool HasProperty(int v) const override { return !IsSmall(v); }
    std::string ZeroSymbol() const override { return "1"; }
    std::string OneSymbol() const override { return "2"; }
    // Unlike the other masks, this one lists no pattern in advance.
    void PrepareValues(int lastIndex, TStatDrawArray& table) override {
        TCustomStat::PrepareValues(lastIndex, table);
    }
};

class TstPrimeValues : public TCustomPropertyMaskStat {
public:
    using TCustomPropertyMaskStat::TCustomPropertyMaskStat;
    bool HasProperty(int v) const override { return IsPrime(v); }
    std::string ZeroSymbol() const override { return "С"; }
    std::string OneSymbol() const override { return "П"; }
};

// The extra numbers some games draw beside the main ones; this game's draws carry none, so
// the class keeps its place without producing entries or values.
class TstPosExt : public TCustomGraphStat {
public:
    using TCustomGraphStat::TCustomGraphStat;
    bool Matches(const TSelection&, int, const TComb&, bool, bool) override { return false; }
    int GraphValue(int, int, const TComb&, bool) override { return 0; }

protected:
    void AddCombinationValues(TStatDrawArray&, const TComb&) override {}
    void AddDrawValues(TStatDrawArray&, TStatScratch&, TLastValueArray&) override {}
};

TStatClass Row(int position, const char* name, const char* code, const char* title, uint8_t flags, bool graph,
               TStatClass::CreateFn create) {
    return StatRow(0, position, name, code, title, flags, graph, true, create);
}

}  // namespace

void RegisterNumbersFamily(std::vector<TStatClass>& classes) {
    constexpr uint8_t N = FeatureFullSet;
    constexpr uint8_t S = FeaturePositional;
    classes.push_back(Row(1, "TstValues", "NUMS", "Числа тиража", N, false, Make<TstValues>));
    classes.push_back(Row(2, "TstDigits", "DIGS", "Цифры тиража", N, false, Make<TstDigits>));
    classes.push_back(Row(3, "TstEvenCount", "EVEN", "Количество четных чисел в тираже (Ч:Н)", N, true,
                          Make<TstEvenCount>));
    classes.push_back(Row(4, "TstEvenValues", "EVNV", "Четные и нечетные числа в тираже (Чн..нЧ)", S | N,
                          false, Make<TstEvenValues>));
    classes.push_back(Row(5, "TstSmallCount", "SMAL", "Количество чисел из первой половины диапазона (1П:2П)",
                          N, true, Make<TstSmallCount>));
    classes.push_back(Row(6, "TstSmallValues", "SMLV", "Числа из первой половины диапазона (12..12)", S | N,
                          false, Make<TstSmallValues>));
    classes.push_back(
        Row(7, "TstPrimeCount", "PRIM", "Количество простых чисел (П:С)", N, true, Make<TstPrimeCount>));
    classes.push_back(Row(8, "TstPrimeValues", "PRMV", "Простые и составные числа (ПС..СП)", S | N, false,
                          Make<TstPrimeValues>));
    TStatClass pos =
        Row(102, "TstPosVal", "POS%d", "Число в %0:d позиции тиража", S | N, true, Make<TstPosVal>);
    pos.HelpTopic = "POSx";
    pos.ParamRange = [](const TStatList&) { return std::pair<int, int>{1, PositionCount}; };
    classes.push_back(pos);
    TStatClass extra = Row(103, "TstPosExt", "POE%d", "Extra (Bonus, Star...) - число (!без фильтра!)", 0,
                           true, Make<TstPosExt>);
    extra.HelpTopic = "POSx";
    extra.ParamRange = [](const TStatList&) { return std::pair<int, int>{1, 0}; };
    classes.push_back(extra);
}

}  // namespace quorvel
