#pragma once

#include <string>
#include <string_view>

#include "core/stats/custom_stat.h"
#include "core/stats/families/formula.h"

namespace quorvel {

// Shredding: a formula typed by the user over the values of a draw (n1..n3) and of the two
// draws before it (p1..p3, t1..t3); the value is the first decimal digits of the fractional
// part of the result.

using TShredValues = std::array<uint8_t, PositionCount>;

// SHR1, SHR2 and SHR3, one per formula of the settings.
constexpr int ShreddingFormulaCount = 3;

// The first `digits` decimal digits after the point of |x|.
int ShredDigits(long double x, int digits);

// A shredding formula read once and valued for any number of draws. Variables are replaced
// as text, so a variable written against digits joins them ("n12" with n1 = 5 reads 52); the
// rare formula that does that is read again for every draw, every other one only once.
class TShredFormula {
public:
    explicit TShredFormula(std::string_view formula);

    FormulaResult Evaluate(const TShredValues& n, const TShredValues& p, const TShredValues& t);
    // The shred value; 0 when the formula fails. Digits outside 1..5 are taken as the nearest.
    int Value(int digits, const TShredValues& n, const TShredValues& p, const TShredValues& t);

    // The formula with the values written in place of its variables, as it is evaluated.
    static std::string Substitute(std::string_view formula, const TShredValues& n, const TShredValues& p,
                                  const TShredValues& t);
    // Whether the formula is read again for every draw.
    bool ReadsPerDraw() const { return perDraw_; }

private:
    std::string formula_;
    bool perDraw_ = false;
    TFormula compiled_;
    std::string text_;
    std::string work_;
};

// Why a typed formula cannot be read, and where in it (0 is its first character); None when it
// reads, though a draw's values may still make its evaluation fail. The dialog checks with it;
// evaluation keeps its own rule.
FormulaProblem CheckShreddingFormula(std::string_view formula);

// The whole rule at once, for a single value.
int ShredValue(std::string_view formula, int digits, const TShredValues& n, const TShredValues& p,
               const TShredValues& t);

// SHR1..SHR3: the formula and digit count of the settings for the method's parameter.
class TstShreddingStat : public TCustomGraphStat {
public:
    TstShreddingStat(const TStatClass& statClass, const TStatList& owner, int param);

    // The value is stored over the first two key words, so five digits fit.
    std::string ValueText(const TStatDraw& value) const override;
    // With the formula of the settings in place of the title's "%s".
    std::string InstanceTitle() const override;
    bool Matches(const TSelection& selected, int refIndex, const TComb& comb, bool sorted,
                 bool exclude) override;
    int GraphValue(int index, int otherIndex, const TComb& comb, bool sorted) override;

    const std::string& Formula() const { return formula_; }
    int Digits() const { return digits_; }

protected:
    void AddCombinationValues(TStatDrawArray& table, const TComb& comb) override;
    void AddDrawValues(TStatDrawArray& table, TStatScratch& scratch, TLastValueArray& lastValues) override;

private:
    uint32_t KeyOf(const TShredValues& n, const TShredValues& p, const TShredValues& t);

    std::string formula_;
    int digits_;
    TShredFormula shred_;
};

}  // namespace quorvel
