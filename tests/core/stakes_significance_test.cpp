#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/stakes/significance.h"
#include "core/stakes/stakes_file.h"
#include "support/temp_dir.h"

namespace quorvel {
namespace {

using Exact = unsigned __int128;

// The exact number of the 1000^n equally likely outcomes of n draws whose total reaches each
// value, for per-draw counts over the 1000 outcomes: plain integer convolution.
std::vector<Exact> ExactTotals(const std::vector<std::vector<int64_t>>& draws) {
    std::vector<Exact> totals{1};
    for (const std::vector<int64_t>& counts : draws) {
        std::vector<Exact> next(totals.size() + counts.size() - 1, 0);
        for (size_t i = 0; i < totals.size(); ++i)
            for (size_t v = 0; v < counts.size(); ++v)
                next[i + v] += totals[i] * static_cast<Exact>(counts[v]);
        totals = std::move(next);
    }
    return totals;
}

long double ExactAtLeast(const std::vector<std::vector<int64_t>>& draws, size_t value) {
    const std::vector<Exact> totals = ExactTotals(draws);
    Exact reaching = 0;
    for (size_t i = value; i < totals.size(); ++i)
        reaching += totals[i];
    long double p = static_cast<long double>(reaching);
    for (size_t d = 0; d < draws.size(); ++d)
        p /= 1000.0L;
    return p;
}

void ExpectClose(long double actual, long double expected) {
    if (expected == 0) {
        EXPECT_EQ(actual, 0.0L);
        return;
    }
    EXPECT_LT(std::fabs(actual / expected - 1), 1e-9L) << static_cast<double>(expected);
}

TStakeComb Staked(int a, int b, int c) {
    return {3, {static_cast<uint8_t>(a), static_cast<uint8_t>(b), static_cast<uint8_t>(c), 0}};
}

long double AtLeast(const std::vector<std::vector<int64_t>>& draws, int64_t value) {
    TotalDistribution total;
    for (const auto& counts : draws)
        total.Add(counts, 1000);
    return total.AtLeast(value);
}

TEST(Significance, OneStakePerDrawAgreesWithExactCountsFromTheMiddleToTheFarTail) {
    // One combination per draw: 729, 243, 27 and 1 of the 1000 outcomes give 0..3 matches.
    const DrawStakesDistribution one = DistributionOfDraw({Staked(1, 2, 3)});
    EXPECT_EQ(one.Matches, (std::vector<int64_t>{729, 243, 27, 1}));
    EXPECT_EQ(one.FullMatches, (std::vector<int64_t>{999, 1}));
    const std::vector<std::vector<int64_t>> draws(12, one.Matches);
    for (int s : {0, 1, 3, 4, 8, 15, 30, 36})
        ExpectClose(AtLeast(draws, s), ExactAtLeast(draws, static_cast<size_t>(s)));
    EXPECT_EQ(AtLeast(draws, 37), 0.0L);
    // Every draw full: p = 1e-36, far below what doubles print well, still exact in its digits.
    ExpectClose(AtLeast(draws, 36), 1e-36L);
    // Near the smallest p that is printed: 99 draws all full is 1e-297, and one draw short of it
    // adds 99 ways of 27 in 1000 times 1e-294.
    const std::vector<std::vector<int64_t>> many(99, one.Matches);
    ExpectClose(AtLeast(many, 297), 1e-297L);
    ExpectClose(AtLeast(many, 296), 1e-297L * (1 + 27 * 99));
}

TEST(Significance, EveryCombinationOnOneDrawAlwaysMatchesThreeHundredTimes) {
    std::vector<TStakeComb> all;
    for (int x = 0; x < 1000; ++x)
        all.push_back(Staked(x / 100, x / 10 % 10, x % 10));
    const DrawStakesDistribution draw = DistributionOfDraw(all);
    TotalDistribution matches;
    matches.Add(draw.Matches, 1000);
    for (int s : {0, 150, 300})
        EXPECT_NEAR(static_cast<double>(matches.AtLeast(s)), 1.0, 1e-12);
    EXPECT_EQ(matches.AtLeast(301), 0.0L);
    EXPECT_NEAR(static_cast<double>(matches.Mean()), 300.0, 1e-9);
    TotalDistribution full;
    full.Add(draw.FullMatches, 1000);
    EXPECT_NEAR(static_cast<double>(full.AtLeast(1)), 1.0, 1e-12);
}

TEST(Significance, RepeatsOfOneCombinationMoveInSteps) {
    const DrawStakesDistribution draw = DistributionOfDraw(std::vector<TStakeComb>(5, Staked(4, 4, 4)));
    ASSERT_EQ(draw.Matches.size(), 16u);
    EXPECT_EQ(draw.Matches[0], 729);
    EXPECT_EQ(draw.Matches[5], 243);
    EXPECT_EQ(draw.Matches[10], 27);
    EXPECT_EQ(draw.Matches[15], 1);
    EXPECT_EQ(draw.FullMatches[5], 1);
    // Two such draws and a third with two different stakes, against exact counts.
    const std::vector<int64_t> mixed = DistributionOfDraw({Staked(1, 2, 3), Staked(1, 5, 6)}).Matches;
    EXPECT_EQ(mixed[0] + mixed[1] + mixed[2] + mixed[3] + mixed[4], 1000);
    const std::vector<std::vector<int64_t>> draws = {draw.Matches, draw.Matches, mixed};
    for (int s : {1, 5, 6, 11, 20, 34})
        ExpectClose(AtLeast(draws, s), ExactAtLeast(draws, static_cast<size_t>(s)));
    // A stake of fewer than three values matches only at its own positions.
    const TStakeComb pair{2, {7, 7, 0, 0}};
    EXPECT_EQ(DistributionOfDraw({pair}).Matches, (std::vector<int64_t>{810, 180, 10}));
}

TEST(Significance, AdjustedValuesFollowBenjaminiHochberg) {
    const std::vector<long double> q = AdjustedValues({0.01L, 0.04L, 0.03L, 0.005L});
    const std::vector<double> expected = {0.02, 0.04, 0.04, 0.02};
    ASSERT_EQ(q.size(), expected.size());
    for (size_t i = 0; i < q.size(); ++i)
        EXPECT_NEAR(static_cast<double>(q[i]), expected[i], 1e-15);
    EXPECT_EQ(AdjustedValues({0.9L, 0.8L})[0], 0.9L);  // capped by the larger p after it, never above 1
    EXPECT_TRUE(AdjustedValues({}).empty());
}

TEST(Significance, RatingRowsTakeTheirCheckedStakesCaseAsideAndSayWhenSomeAreGone) {
    test::TempDir dir;
    StakesFile file;
    file.Open(dir / "stakes.lst");
    auto add = [&](const std::string& comment, int draw, TStakeComb values, int matches) {
        TStakeRecord stake;
        stake.Kind = StakeKindManual;
        stake.DrawNumber = draw;
        stake.Values = values;
        stake.Comment.SetText(comment);
        file.Append(stake);
        stake.Checked = 1;
        stake.Matches.Count = matches;
        file.Write(file.RecordCount() - 1, stake);
    };
    add("Сценарий", 1, Staked(1, 2, 3), 3);
    add("сценарий", 2, Staked(1, 2, 3), 1);
    add("Сценарий", 2, Staked(4, 5, 6), 0);
    TStakeRecord unchecked;
    unchecked.Kind = StakeKindManual;
    unchecked.DrawNumber = 3;
    unchecked.Values = Staked(7, 7, 7);
    unchecked.Comment.SetText("Сценарий");
    file.Append(unchecked);

    TRating rating;
    TRatingRow scenario;
    scenario.Comment.SetText("СЦЕНАРИЙ");
    scenario.Stakes = 5;  // two stakes of the row were deleted from the file since
    TRatingRow empty;
    empty.Comment.SetText("Пусто");
    empty.Stakes = 1;
    rating.Assign({scenario, empty});

    const SignificanceReport report = RatingSignificance(rating, file);
    ASSERT_EQ(report.Rows.size(), 2u);
    const SignificanceRow& row = report.Rows[0];
    EXPECT_EQ(row.Stakes, 3);
    EXPECT_EQ(row.Draws, 2);
    EXPECT_EQ(row.Matches, 4);
    EXPECT_EQ(row.FullMatches, 1);
    EXPECT_TRUE(row.Partial());
    EXPECT_NEAR(row.Expected, 0.9, 1e-12);
    EXPECT_NEAR(row.ExpectedFull, 0.003, 1e-15);
    const DrawStakesDistribution single = DistributionOfDraw({Staked(1, 2, 3)});
    const DrawStakesDistribution pair = DistributionOfDraw({Staked(1, 2, 3), Staked(4, 5, 6)});
    ExpectClose(row.P, ExactAtLeast({single.Matches, pair.Matches}, 4));
    ExpectClose(row.PFull, ExactAtLeast({single.FullMatches, pair.FullMatches}, 1));
    // The only row compared is its own family of one: q equals p.
    EXPECT_EQ(report.Compared, 1);
    EXPECT_EQ(row.Q, row.P);
    EXPECT_EQ(report.Rows[1].Stakes, 0);
    EXPECT_EQ(report.Rows[1].P, 1.0L);
    EXPECT_EQ(RowsByP(report).back(), &report.Rows[1]);
    EXPECT_EQ(ProbabilityText(0.000123456L).size(), std::string("0.0001235").size());
}

}  // namespace
}  // namespace quorvel
