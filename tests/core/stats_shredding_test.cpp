#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/stats/custom_stat.h"
#include "core/stats/evaluation.h"
#include "core/stats/families/shredding.h"
#include "core/stats/stat_list.h"

namespace quorvel {
namespace {

TDraw Draw(int number, int a, int b, int c) {
    TDraw draw;
    draw.Number = number;
    draw.Values = {static_cast<uint8_t>(a), static_cast<uint8_t>(b), static_cast<uint8_t>(c)};
    return draw;
}

TComb Comb(int a, int b, int c) {
    return TComb{{static_cast<uint8_t>(a), static_cast<uint8_t>(b), static_cast<uint8_t>(c)}};
}

TShredValues V(int a, int b, int c) {
    return {static_cast<uint8_t>(a), static_cast<uint8_t>(b), static_cast<uint8_t>(c)};
}

const TShredValues Zero{};

TStatDrawArray Selected(std::initializer_list<uint32_t> values) {
    TStatDrawArray selected;
    for (uint32_t v : values) {
        TStatDraw value;
        value.SetKeyDword(1, v);
        selected.push_back(value);
    }
    return selected;
}

class ShreddingFamily : public ::testing::Test {
protected:
    ShreddingFamily() : stats("unused.ini") {
        stats.SetDraws(&draws);
        stats.Rebuild();
    }

    std::unique_ptr<TCustomStat> Create(const std::string& code) {
        const int index = stats.IndexOfCode(code);
        EXPECT_GE(index, 0) << code;
        return stats.Items[static_cast<size_t>(index)].CreateStat(stats);
    }
    TstShreddingStat& Shred(std::unique_ptr<TCustomStat>& stat) {
        return dynamic_cast<TstShreddingStat&>(*stat);
    }
    // The rows over the whole archive, as "text=count".
    std::vector<std::string> Rows(const std::string& code, bool sorted = false) {
        auto stat = Create(code);
        TStatDrawArray table;
        TStatScratch scratch;
        TLastValueArray lastValues;
        EvaluateWindow(*stat, 0, static_cast<int>(draws.size()) - 1, sorted, table, scratch, lastValues);
        std::vector<std::string> rows;
        for (const TStatDraw& row : table)
            rows.push_back(stat->ValueText(row) + "=" + std::to_string(row.Count));
        return rows;
    }
    std::vector<std::string> FullSetRows(const std::string& code) {
        auto stat = Create(code);
        TStatDrawArray table;
        EvaluateFullSet(*stat, table);
        std::vector<std::string> rows;
        for (const TStatDraw& row : table)
            rows.push_back(stat->ValueText(row) + "=" + std::to_string(row.Count));
        return rows;
    }

    TDrawsArray draws;
    TStatList stats;
};

TEST(ShredValue, WorkedExamples) {
    const std::string formula = "(n1+n2)/n3";
    EXPECT_EQ(ShredValue(formula, 2, V(1, 2, 7), Zero, Zero), 42);  // 0.428571...
    EXPECT_EQ(ShredValue(formula, 2, V(2, 3, 4), Zero, Zero), 25);  // 1.25
    EXPECT_EQ(ShredValue(formula, 2, V(7, 2, 3), Zero, Zero), 0);   // 3
    EXPECT_EQ(ShredValue(formula, 2, V(5, 5, 0), Zero, Zero), 0);   // division by zero
    EXPECT_EQ(ShredValue("(p1+n1)/(t1+1)", 2, V(6, 0, 0), V(4, 0, 0), V(3, 0, 0)), 50);
}

TEST(ShredValue, DigitsOfTheFractionInExtendedPrecision) {
    EXPECT_EQ(ShredValue("n1/n2", 2, V(6, 5, 0), Zero, Zero), 20);  // 19 if computed in doubles
    EXPECT_EQ(ShredValue("n1/n2", 5, V(2, 3, 0), Zero, Zero), 66666);
    EXPECT_EQ(ShredValue("n1/n2", 1, V(2, 3, 0), Zero, Zero), 6);
    EXPECT_EQ(ShredValue("-n1/n2", 3, V(2, 3, 0), Zero, Zero), 666);  // the fraction of |x|
    EXPECT_EQ(ShredValue("n1/n2", 0, V(2, 3, 0), Zero, Zero), 6);     // digits kept in 1..5
    EXPECT_EQ(ShredValue("n1/n2", 9, V(2, 3, 0), Zero, Zero), 66666);
    EXPECT_EQ(ShredValue("1E30+0.5", 2, Zero, Zero, Zero), 0);  // no fraction left at that size
    EXPECT_EQ(ShredDigits(-0.0L, 5), 0);
    EXPECT_EQ(ShredDigits(12345.678L, 2), 67);
}

TEST(ShredValue, AnyFailureGivesZero) {
    for (const char* formula : {"", "(n1", "n1/0", "SQRT(-n1)", "LN(0*n1)", "EXP(n1*100000)", "n1+", "n4"}) {
        EXPECT_EQ(ShredValue(formula, 2, V(3, 2, 7), V(1, 1, 1), V(2, 2, 2)), 0) << formula;
    }
}

TEST(ShredValue, VariablesAreReplacedAsText) {
    const TShredValues n = V(5, 2, 7);
    const TShredValues p = V(8, 1, 4);
    const TShredValues t = V(3, 9, 6);
    EXPECT_EQ(TShredFormula::Substitute("n1+n2*n3-p1/p2^p3+t1+t2+t3", n, p, t), "5+2*7-8/1^4+3+9+6");
    EXPECT_EQ(TShredFormula::Substitute("N1+P2+T3+n4+x1", n, p, t), "5+1+6+n4+x1");
    EXPECT_EQ(TShredFormula::Substitute("n12", n, p, t), "52");
    // Digits written in may form a variable that a later pass replaces: p followed by n1 = 2
    // becomes p2, replaced in the second round, and t followed by n1 = 1 becomes t1, replaced
    // later in the same round; p followed by t1 = 1 comes too late for p1 and stays.
    EXPECT_EQ(TShredFormula::Substitute("pn1", V(2, 0, 0), V(0, 8, 0), Zero), "8");
    EXPECT_EQ(TShredFormula::Substitute("nt1", V(0, 7, 0), Zero, V(2, 0, 0)), "7");
    EXPECT_EQ(TShredFormula::Substitute("tn1", V(1, 0, 0), Zero, V(9, 0, 0)), "9");
    EXPECT_EQ(TShredFormula::Substitute("pt1", Zero, V(5, 0, 0), V(1, 0, 0)), "p1");

    // The evaluated values follow the text.
    EXPECT_EQ(ShredValue("n12/100", 2, V(5, 0, 0), Zero, Zero), 52);
    EXPECT_EQ(ShredValue("n1 2/100", 2, V(5, 0, 0), Zero, Zero), 52);
    EXPECT_EQ(ShredValue("1.n1", 2, V(5, 0, 0), Zero, Zero), 50);
    EXPECT_EQ(ShredValue("$n1/256", 3, V(9, 0, 0), Zero, Zero), 35);  // $9/256 = 0.03515625
    EXPECT_EQ(ShredValue("pn1/10", 2, V(2, 0, 0), V(0, 8, 0), Zero), 80);
    EXPECT_EQ(ShredValue("( N1 + n2 ) / n3", 2, V(1, 2, 7), Zero, Zero), 42);
    EXPECT_EQ(ShredValue("(P1+T1+N1)/7", 2, V(1, 0, 0), V(1, 0, 0), V(1, 0, 0)), 42);
}

// The settings dialog says where a formula cannot be read, counted in the text as typed.
TEST(ShredValue, AFormulaThatCannotBeReadIsFoundWithItsPlace) {
    struct Case {
        const char* Formula;
        FormulaError Error;
        size_t Position;
    };
    for (const Case& c :
         {Case{"(n1+n2)/n3", FormulaError::None, 0}, Case{"n12/100 + pn1", FormulaError::None, 0},
          Case{"-n1", FormulaError::None, 0}, Case{"n1 + * 2", FormulaError::Syntax, 5},
          Case{"-*n1", FormulaError::Syntax, 1}, Case{"  SQRTX(n1)", FormulaError::Syntax, 2},
          Case{"p3 / (t1 + 2.)", FormulaError::Syntax, 13}, Case{"(n1+n2", FormulaError::Brackets, 6},
          Case{"n1+n2)*(3", FormulaError::Brackets, 5}, Case{"", FormulaError::Syntax, 0},
          Case{"n1 n2 +", FormulaError::Syntax, 7}, Case{"n4+n9", FormulaError::UnknownVariable, 0},
          Case{"n1 + P0", FormulaError::UnknownVariable, 5}}) {
        const FormulaProblem problem = CheckShreddingFormula(c.Formula);
        EXPECT_EQ(problem.Error, c.Error) << c.Formula;
        if (c.Error == FormulaError::None) continue;
        EXPECT_EQ(problem.Position, c.Position) << c.Formula;
        // Whatever the check says, evaluating keeps its own rule: a formula it refuses values 0.
        EXPECT_EQ(ShredValue(c.Formula, 2, V(3, 2, 7), V(1, 1, 1), Zero), 0);
    }
    // A letter inside a word is no variable.
    EXPECT_NE(CheckShreddingFormula("SIN4").Error, FormulaError::UnknownVariable);
}

TEST(ShredValue, OnlyFormulasWhoseVariablesJoinTheirNeighboursAreReadPerDraw) {
    EXPECT_FALSE(TShredFormula("(n1+n2)/n3").ReadsPerDraw());
    EXPECT_FALSE(TShredFormula("SQRT(p1)*t3 - 2").ReadsPerDraw());
    EXPECT_FALSE(TShredFormula("n1 / (n2)").ReadsPerDraw());
    EXPECT_TRUE(TShredFormula("n12").ReadsPerDraw());
    EXPECT_TRUE(TShredFormula("pn1").ReadsPerDraw());
    EXPECT_TRUE(TShredFormula("n1 n2").ReadsPerDraw());

    // Both ways give the same values over every combination.
    TShredFormula compiled("(n1*10+n2)/(n3+1)");
    TShredFormula byText("(n1n2)/(n3+1)");
    ASSERT_FALSE(compiled.ReadsPerDraw());
    ASSERT_TRUE(byText.ReadsPerDraw());
    for (int a = 1; a <= 9; ++a) {
        for (int b = 0; b <= 9; ++b) {
            for (int c = 0; c <= 9; ++c)
                ASSERT_EQ(compiled.Value(3, V(a, b, c), Zero, Zero), byText.Value(3, V(a, b, c), Zero, Zero));
        }
    }
}

TEST_F(ShreddingFamily, CatalogueEntries) {
    for (int p = 1; p <= 3; ++p) {
        const std::string code = "SHR" + std::to_string(p);
        const int index = stats.IndexOfCode(code);
        ASSERT_GE(index, 0) << code;
        const TStatMethod& entry = stats.Items[static_cast<size_t>(index)];
        EXPECT_EQ(entry.Title(), "Метод шинковки " + std::to_string(p) + ": %s");
        EXPECT_EQ(entry.StatClass->Group, 12);
        EXPECT_EQ(FeatureLetters(entry.StatClass->DisplayFlags()), "SNG");
        EXPECT_EQ(entry.StatClass->HelpTopicFormat(), "SHRx");
        EXPECT_TRUE(entry.StatClass->NumericValues);
        EXPECT_EQ(std::string(entry.StatClass->ClassName), "TstShreddingStat");
    }
    EXPECT_EQ(stats.Items[static_cast<size_t>(stats.IndexOfCode("SHR1"))].DisplayName(),
              "Метод шинковки 1: (n1+n2)/n3");
    EXPECT_EQ(stats.Items[static_cast<size_t>(stats.IndexOfCode("SHR3"))].DisplayName(),
              "Метод шинковки 3: (n2+n3)/n1");
    // Graphs and the draw information title the method the same way, never with a bare "%s".
    stats.Formula2 = "n1*10%";
    EXPECT_EQ(Create("SHR1")->InstanceTitle(), "Метод шинковки 1: (n1+n2)/n3");
    EXPECT_EQ(Create("SHR2")->InstanceTitle(), "Метод шинковки 2: n1*10%");
    EXPECT_LT(stats.IndexOfCode("SHR4"), 0);
    EXPECT_EQ(stats.Items.back().Code(), "SHR3");  // the last class of the table
}

TEST_F(ShreddingFamily, EachMethodTakesItsOwnFormulaAndDigits) {
    stats.Formula2 = "n1/n2";
    stats.Formula2Digits = 5;
    stats.Formula3Digits = 9;  // a hand-edited record: clamped
    auto second = Create("SHR2");
    EXPECT_EQ(Shred(second).Formula(), "n1/n2");
    EXPECT_EQ(Shred(second).Digits(), 5);
    auto third = Create("SHR3");
    EXPECT_EQ(Shred(third).Formula(), "(n2+n3)/n1");
    EXPECT_EQ(Shred(third).Digits(), 5);
    stats.Formula1Digits = 0;
    auto first = Create("SHR1");
    EXPECT_EQ(Shred(first).Digits(), 1);

    // A parameter without a formula of its own values everything 0.
    const TStatClass& shredClass = *stats.Items[static_cast<size_t>(stats.IndexOfCode("SHR1"))].StatClass;
    TstShreddingStat none(shredClass, stats, 4);
    EXPECT_EQ(none.Formula(), "");
    EXPECT_EQ(none.GraphValue(0, -1, Comb(1, 2, 7), false), 0);
}

TEST_F(ShreddingFamily, TheAcceptanceDrawGives42) {
    draws = {Draw(1, 1, 2, 7)};
    EXPECT_EQ(Rows("SHR1"), (std::vector<std::string>{"42=1"}));
}

TEST_F(ShreddingFamily, DrawsReadThePreviousTwoDraws) {
    stats.Formula1 = "(p1+n1)/(t1+1)";
    // The first draw sees 0 0 0 twice before it, the second once.
    draws = {Draw(10, 3, 0, 0), Draw(11, 5, 0, 0), Draw(12, 6, 0, 0), Draw(13, 1, 0, 0), Draw(14, 1, 0, 0)};
    // 3/1, 8/1, 11/4, 7/6, 2/7
    EXPECT_EQ(Rows("SHR1"), (std::vector<std::string>{"0=2", "75=1", "16=1", "28=1"}));

    auto stat = Create("SHR1");
    TStatDrawArray table;
    TStatScratch scratch;
    TLastValueArray lastValues;
    EvaluateWindow(*stat, 0, 4, false, table, scratch, lastValues);
    EXPECT_EQ(table[0].LastDraw, 11);
    EXPECT_EQ(table[0].Depth, 4);
    EXPECT_EQ(table[0].PeriodMin, 1);  // periods are tracked
    EXPECT_EQ(stat->FindNext(table[1], 0, 4, false), 12);

    // The graph takes the given values as draw `index`, the archive's draws before it.
    auto& shred = Shred(stat);
    EXPECT_EQ(shred.DrawGraphValue(2, 1, false), 75);
    EXPECT_EQ(shred.GraphValue(2, 1, Comb(1, 0, 0), false), 50);  // (5+1)/(3+1)
    EXPECT_EQ(shred.GraphValue(0, -1, Comb(6, 0, 0), false), 0);  // 6/1

    // Filtering: the combination stands for the draw after the reference draw (6), the
    // draw before that (5) being t.
    stat->LoadDraws(-1, 2, false);
    EXPECT_TRUE(stat->Matches(Selected({16}), 2, Comb(1, 0, 0), false, false));  // 7/6
    EXPECT_FALSE(stat->Matches(Selected({50}), 2, Comb(1, 0, 0), false, false));
    EXPECT_TRUE(stat->Matches(Selected({0, 50}), 2, Comb(6, 9, 9), false, false));  // 12/6
}

TEST_F(ShreddingFamily, SortedDrawsReachEveryVariable) {
    stats.Formula1 = "n1/7";
    stats.Formula2 = "p1/7";
    draws = {Draw(1, 5, 1, 3), Draw(2, 0, 0, 0)};
    EXPECT_EQ(Rows("SHR1"), (std::vector<std::string>{"71=1", "0=1"}));  // 5/7 and 0/7
    EXPECT_EQ(Rows("SHR1", true), (std::vector<std::string>{"14=1", "0=1"}));
    EXPECT_EQ(Rows("SHR2", true), (std::vector<std::string>{"0=1", "14=1"}));
    auto stat = Create("SHR2");
    stat->LoadDraws(-1, 0, true);
    EXPECT_TRUE(stat->Matches(Selected({14}), 0, Comb(9, 9, 9), true, false));
    EXPECT_TRUE(stat->Matches(Selected({71}), 0, Comb(9, 9, 9), false, false));
}

TEST_F(ShreddingFamily, AFormulaWithoutVariablesGivesOneValue) {
    stats.Formula3 = "22 / 7";
    draws = {Draw(1, 1, 2, 3), Draw(2, 4, 5, 6), Draw(3, 7, 8, 9), Draw(4, 0, 0, 0)};
    EXPECT_EQ(Rows("SHR3"), (std::vector<std::string>{"14=4"}));
    EXPECT_EQ(FullSetRows("SHR3"), (std::vector<std::string>{"14=1000"}));
}

TEST_F(ShreddingFamily, TheFullSetSeesZerosBeforeEachCombination) {
    stats.Formula1 = "n1/4";
    stats.Formula2 = "p1/4 + t2/4 + n1/4 + P3";
    const std::vector<std::string> quarters{"0=300", "25=300", "50=200", "75=200"};
    EXPECT_EQ(FullSetRows("SHR1"), quarters);
    EXPECT_EQ(FullSetRows("SHR2"), quarters);
}

TEST(ShredValue, ExtendedPrecisionDecidesEveryDefaultFormula) {
    // Computed in doubles, 33 of the 1000 combinations would fall one below for each default
    // formula (6/5 = 1.19999... gives 19 instead of 20).
    const char* formulas[] = {"(n1+n2)/n3", "(n1+n3)/n2", "(n2+n3)/n1"};
    for (int f = 0; f < 3; ++f) {
        TShredFormula formula(formulas[f]);
        int differing = 0;
        for (int i = 0; i < 1000; ++i) {
            const int v[3] = {i / 100, i / 10 % 10, i % 10};
            const int top = f == 0 ? v[0] + v[1] : f == 1 ? v[0] + v[2] : v[1] + v[2];
            const int bottom = v[2 - f];
            const int value = formula.Value(2, V(v[0], v[1], v[2]), Zero, Zero);
            if (bottom == 0) {
                EXPECT_EQ(value, 0);
                continue;
            }
            const double x = static_cast<double>(top) / bottom;
            const int inDoubles = static_cast<int>((x - std::trunc(x)) * 100);
            differing += value != inDoubles;
        }
        EXPECT_EQ(differing, 33) << formulas[f];
    }
}

TEST_F(ShreddingFamily, FiveDigitsSurviveInTheKey) {
    stats.Formula1 = "n1/n2";
    stats.Formula1Digits = 5;
    draws = {Draw(1, 2, 3, 0)};
    EXPECT_EQ(Rows("SHR1"), (std::vector<std::string>{"66666=1"}));
    auto stat = Create("SHR1");
    stat->LoadDraws(-1, 0, false);
    EXPECT_TRUE(stat->Matches(Selected({66666}), 0, Comb(2, 3, 0), false, false));
    TStatDrawArray low(1);
    low[0].Key[0] = 66666 & 0xFFFF;  // the low word alone is another value
    EXPECT_FALSE(stat->Matches(low, 0, Comb(2, 3, 0), false, false));
    EXPECT_EQ(Shred(stat).GraphValue(0, -1, Comb(2, 3, 0), false), 66666);

    stats.Formula1 = "n1/3";
    // Tables are sorted by the low word first.
    EXPECT_EQ(FullSetRows("SHR1"), (std::vector<std::string>{"0=400", "66666=300", "33333=300"}));
}

TEST_F(ShreddingFamily, HostileFormulasValueEverythingZero) {
    draws = {Draw(1, 1, 2, 7), Draw(2, 3, 4, 5)};
    for (const std::string& formula :
         {std::string(50000, '(') + "n1" + std::string(50000, ')'), std::string(5000, '1') + "+n1",
          std::string("n1^99999^99999"), std::string("EXP(EXP(EXP(n1+10)))")}) {
        stats.Formula1 = formula;
        EXPECT_EQ(Rows("SHR1"), (std::vector<std::string>{"0=2"})) << formula.substr(0, 40);
        EXPECT_EQ(FullSetRows("SHR1"), (std::vector<std::string>{"0=1000"})) << formula.substr(0, 40);
    }
}

}  // namespace
}  // namespace quorvel
