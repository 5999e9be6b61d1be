#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/model/game.h"
#include "core/stakes/rating.h"

namespace quorvel {

class StakesFile;

// How likely a source of stakes is to have done at least as well by pure chance: every draw one
// of the 1000 combinations with equal chance, whatever was staked on it.

// The probability of each total of independent whole-number variables, built draw by draw by
// exact convolution in extended precision. Probabilities far below any that can be printed
// (under 1e-345) are dropped as they appear, which keeps the work near the totals that matter.
class TotalDistribution {
public:
    TotalDistribution() : probabilities_{1} {}
    // Adds a variable that takes value v with probability counts[v] / total.
    void Add(const std::vector<int64_t>& counts, int64_t total);
    // P(total >= value).
    long double AtLeast(int64_t value) const;
    long double Mean() const;

private:
    int64_t offset_ = 0;  // the total of probabilities_[0]
    std::vector<long double> probabilities_;
    std::vector<long double> next_;  // the sum being made, kept to spare an allocation per draw
};

// The combinations staked on one draw (a combination staked twice counts twice) and what a
// random draw X gives them: M(X), the sum of their matching positions, and H(X), how many of
// them equal X at all three positions. Each as counts over the 1000 values of X.
struct DrawStakesDistribution {
    std::vector<int64_t> Matches;
    std::vector<int64_t> FullMatches;
};
DrawStakesDistribution DistributionOfDraw(const std::vector<TStakeComb>& staked);

// Benjamini-Hochberg adjusted values, in the order of the p values given.
std::vector<long double> AdjustedValues(const std::vector<long double>& p);

struct SignificanceRow {
    std::string Comment;
    int RatingStakes = 0;  // what the rating row counts
    int Stakes = 0;        // checked stakes found in the stakes file
    int Draws = 0;
    int64_t Matches = 0;
    double Expected = 0;
    long double P = 1;
    long double Q = 1;
    int64_t FullMatches = 0;
    double ExpectedFull = 0;
    long double PFull = 1;
    long double QFull = 1;
    // Some of the row's stakes are no longer in the stakes file.
    bool Partial() const { return Stakes < RatingStakes; }
};

struct SignificanceReport {
    std::vector<SignificanceRow> Rows;  // in the rating's order
    int Compared = 0;                   // rows with at least one checked stake
    int Discoveries = 0;                // of those, q (угадано) <= 0.05
};

// Every rating row against the checked stakes of the file with the same comment, case aside.
SignificanceReport RatingSignificance(const TRating& rating, StakesFile& stakes);

// A probability as the reports print it: four significant digits ("%.4g") with the user's
// decimal separator.
std::string ProbabilityText(long double p);

// The report as text: captions, one row's cells and the closing summary. A row some of whose
// stakes are gone from the stakes file carries "*" after its comment; a row without a checked
// stake shows "-" for its probabilities.
constexpr int SignificanceColumnCount = 11;
extern const std::array<const char*, SignificanceColumnCount> SignificanceColumnCaptions;
std::array<std::string, SignificanceColumnCount> SignificanceRowTexts(const SignificanceRow& row);
std::string SignificanceSummary(const SignificanceReport& report);

// The rows with stakes first, by p (угадано) ascending; equal p keep the rating's order.
std::vector<const SignificanceRow*> RowsByP(const SignificanceReport& report);

// The probabilities a row shows beside the rating: p and q of "угадано", p and q of "3".
constexpr int SignificanceShownCount = 4;
extern const std::array<int, SignificanceShownCount> SignificanceShownColumns;  // in the captions
long double SignificanceValue(const SignificanceRow& row, int shown);
// The rating's rows ordered by one of those values (rows with stakes first; equal values keep
// their order), as TRating::Reorder takes it.
std::vector<size_t> SignificanceOrder(const SignificanceReport& report, int shown, bool descending);

}  // namespace quorvel
