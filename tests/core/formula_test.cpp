#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/stats/families/formula.h"

namespace quorvel {
namespace {

struct ValueCase {
    const char* text;
    long double value;
};

void ExpectValues(std::initializer_list<ValueCase> cases) {
    for (const ValueCase& c : cases) {
        const FormulaResult result = EvaluateFormula(c.text);
        EXPECT_EQ(result.Error, FormulaError::None) << c.text << ": " << FormulaErrorText(result.Error);
        EXPECT_NEAR(static_cast<double>(result.Value), static_cast<double>(c.value), 1e-15) << c.text;
    }
}

void ExpectErrors(FormulaError error, const std::vector<std::string>& texts) {
    for (const std::string& text : texts) {
        const FormulaResult result = EvaluateFormula(text);
        EXPECT_EQ(result.Error, error) << text.substr(0, 60) << " gave " << FormulaErrorText(result.Error);
        EXPECT_EQ(result.Value, 0.0L) << text.substr(0, 60);
    }
}

TEST(Formula, Grammar) {
    // *, / and ^ share one level, + and - the other, each read left to right.
    ExpectValues({{"1+2*3", 7},
                  {"10-4-3", 3},
                  {"8/4/2", 1},
                  {"2*3^2", 36},
                  {"2^3^2", 64},
                  {"12/3^2", 16},
                  {"2*2^0.5", 2},
                  {"(1+2)*3", 9},
                  {"((2))", 2}});
    // A sign applies to the factor after it; a leading one gets a 0 in front (-2^2 is 0-2^2).
    ExpectValues({{"2*-3", -6},
                  {"-2^2", -4},
                  {"(-2)^2", 4},
                  {"+5", 5},
                  {"-(3+1)", -4},
                  {"1--2", 3},
                  {"2^-1", 0.5L},
                  {"-+-3", 3}});
    ExpectValues({{"007", 7},
                  {"1.25", 1.25L},
                  {"1.5e2", 150},
                  {"25E-2", 0.25L},
                  {"2E+3", 2000},
                  {"$ff", 255},
                  {"$10+1", 17},
                  {"1E-5000", 0}});
    // Blanks and control characters go before reading, so digits around them join.
    ExpectValues({{" ( 1 + 2 ) * 3 ", 9},
                  {"1 2", 12},
                  {"\t2\r\n*\x01"
                   "3",
                   6},
                  {"sqrt(4)+Sqr(3)", 11}});
    // A comparison or a comma ends the whole formula; the rest is not read at all.
    ExpectValues({{"3<7", 3}, {"3=x+", 3}, {"1+2>0", 3}, {"4,5", 4}, {"(1+1)<", 2}});
    // Extended precision: 6/5 is a shade above 1.2 here (in doubles it is a shade below).
    EXPECT_GT(EvaluateFormula("6/5").Value * 100, 120.0L);
}

TEST(Formula, EveryFunction) {
    const long double pi = 3.141592653589793238462643383279502884L;
    ExpectValues({{"ARCTAN(1)", pi / 4},   {"COS(0)", 1},
                  {"SIN(0)", 0},           {"TAN(0)", 0},
                  {"ABS(-2.5)", 2.5L},     {"EXP(0)", 1},
                  {"LN(EXP(2))", 2},       {"LOG(1000)", 3},
                  {"SQRT(16)", 4},         {"SQR(-3)", 9},
                  {"INT(-2.7)", -2},       {"INT(1E30)", 1e30L},
                  {"FRAC(-2.75)", -0.75L}, {"TRUNC(2.9)", 2},
                  {"ROUND(2.5)", 2},       {"ROUND(3.5)", 4},
                  {"ROUND(-2.5)", -2},     {"ROUND(2.6)", 3},
                  {"ARCSIN(1)", pi / 2},   {"ARCCOS(1)", 0},
                  {"SIGN(-7)", -1},        {"SIGN(0)", 0},
                  {"SIGN(0.1)", 1},        {"NOT(0)", 1},
                  {"NOT(3)", 0},           {"SQRT(SQR(3)+SQR(4))", 5}});
}

TEST(Formula, ErrorTexts) {
    EXPECT_EQ(FormulaErrorText(FormulaError::None), "");
    EXPECT_EQ(FormulaErrorText(FormulaError::Brackets), "Не хватает скобочки");
    EXPECT_EQ(FormulaErrorText(FormulaError::Syntax), "Синтаксическая ошибка");
    EXPECT_EQ(FormulaErrorText(FormulaError::DivisionByZero), "Деление на нуль");
    EXPECT_EQ(FormulaErrorText(FormulaError::NegativeRoot), "Выражение под корнем меньне нуля");
    EXPECT_EQ(FormulaErrorText(FormulaError::NonPositiveLog), "Выражение под логарифмом меньне нуля");
    EXPECT_EQ(FormulaErrorText(FormulaError::FloatingPoint), "Ошибка в операции с плавающей точкой");
}

TEST(Formula, EveryError) {
    // Brackets are counted before anything is read or computed.
    ExpectErrors(FormulaError::Brackets, {"(1+2", "1+2)", ")(", "(1))+((2)", "1/0+("});
    // A comma or a comparison ends only the whole formula; "SQRT 4" is SQRT4 once the blank
    // is gone; n1 is a variable nobody replaced.
    ExpectErrors(FormulaError::Syntax,
                 {"",   "   ",    "5.",   ".5",   "5.E2",   "1E",    "1E+",     "2EXP(1)",
                  "2+", "*2",     "1+*2", "2(3)", "()",     "(3,4)", "(3<4)",   "$",
                  "$G", "FOO(1)", "SIN1", "SIN",  "SQRT 4", "n1+1",  "Формула", "3 # 4"});
    ExpectErrors(FormulaError::DivisionByZero, {"1/0", "0/0", "1/(2-2)", "5/0.0"});
    ExpectErrors(FormulaError::NegativeRoot, {"SQRT(-1)", "SQRT(-1E-30)"});
    ExpectErrors(FormulaError::NonPositiveLog, {"LN(0)", "LOG(-1)"});
    // Results without a value (overflow, no real result, no integer), and literals too large.
    ExpectErrors(
        FormulaError::FloatingPoint,
        {"EXP(100000)", "0^-1", "(-8)^(1/3)", "ARCSIN(2)", "ARCCOS(-1.5)", "TRUNC(1E30)", "ROUND(-1E19)",
         "1E5000", "SQR(1E3000)", "1E4000*1E4000", "1E4932+1E4932", "-1E4932-1E4932"});
}

TEST(Formula, TheFirstFailureInReadingOrderIsTheOneReported) {
    ExpectErrors(FormulaError::DivisionByZero, {"1/0+FOO", "1/0*SQRT(-1)"});
    ExpectErrors(FormulaError::Syntax, {"FOO+1/0"});
    ExpectErrors(FormulaError::NegativeRoot, {"SQRT(-1)/0"});
    ExpectErrors(FormulaError::FloatingPoint, {"1E5000/0"});
}

TEST(Formula, HostileTextsFailWithoutHarm) {
    const auto nested = [](int depth, const std::string& open) {
        std::string text;
        for (int i = 0; i < depth; ++i)
            text += open;
        text += "1";
        return text + std::string(static_cast<size_t>(depth), ')');
    };
    // At the nesting limit the formula still reads; beyond it, and beyond the length limit,
    // it is refused before any recursion.
    EXPECT_EQ(EvaluateFormula(nested(FormulaNestingMax, "(")).Value, 1.0L);
    EXPECT_EQ(EvaluateFormula(nested(FormulaNestingMax, "ABS(")).Value, 1.0L);
    ExpectErrors(FormulaError::Syntax,
                 {nested(FormulaNestingMax + 1, "("), nested(1000, "("), nested(1000, "SIN("),
                  nested(1000000, "("), std::string(FormulaTextMax + 1, '1')});
    ExpectErrors(FormulaError::Brackets, {std::string(4000, '(')});
    ExpectErrors(FormulaError::FloatingPoint,
                 {"2^99999999999", "9^9^9^9^9", "EXP(EXP(EXP(10)))", "1E999999999999999999999999"});

    // The longest text allowed: 1+1+...+1.
    std::string sum = "1";
    while (sum.size() + 2 <= FormulaTextMax)
        sum += "+1";
    EXPECT_EQ(EvaluateFormula(sum).Value, static_cast<long double>((sum.size() + 1) / 2));
    // A long run of signs is read without recursion: the leading one becomes 0-, the other
    // 3999 negate the 1.
    EXPECT_EQ(EvaluateFormula(std::string(4000, '-') + "1").Value, 1.0L);
}

TEST(Formula, ACompiledFormulaTakesNewValuesEachTime) {
    TFormula formula;
    const std::string text = std::string("(") + FormulaVariableMark(0) + "+" + FormulaVariableMark(1) + ")/" +
                             FormulaVariableMark(2) + "+" + FormulaVariableMark(8) + "*" +
                             FormulaVariableMark(8);
    formula.Compile(text, true);
    EXPECT_TRUE(formula.VariablesStandAlone());
    EXPECT_NEAR(static_cast<double>(formula.Evaluate({1, 2, 7}).Value), 3.0 / 7, 1e-15);
    EXPECT_EQ(formula.Evaluate({5, 5, 0}).Error, FormulaError::DivisionByZero);
    // A failure leaves nothing behind for the next values.
    EXPECT_EQ(formula.Evaluate({2, 3, 4}).Value, 1.25L);
    EXPECT_EQ(formula.Evaluate({2, 3, 4, 0, 0, 0, 0, 0, 1e4000L}).Error, FormulaError::FloatingPoint);

    // Compiling again replaces the earlier formula.
    formula.Compile("SQRT(" + std::string(1, FormulaVariableMark(3)) + ")", true);
    EXPECT_EQ(formula.Evaluate({0, 0, 0, 9}).Value, 3.0L);
    EXPECT_EQ(formula.Evaluate({0, 0, 0, -9}).Error, FormulaError::NegativeRoot);
}

TEST(Formula, AVariableTouchingANumberIsNoticed) {
    const std::string v(1, FormulaVariableMark(0));
    const std::string w(1, FormulaVariableMark(1));
    for (const std::string& text : {v + "2", "1" + v, v + ".5", "$" + v, "2E+" + v, "2E-" + v, v + "E2",
                                    "N" + v, v + w, v + " 2", "1 " + v}) {
        TFormula formula;
        formula.Compile(text, true);
        EXPECT_FALSE(formula.VariablesStandAlone()) << text;
    }
    for (const std::string& text : {v + "+2", "(" + v + ")", "-" + v, "2+" + v + "*" + w, "SQR(" + v + ")"}) {
        TFormula formula;
        formula.Compile(text, true);
        EXPECT_TRUE(formula.VariablesStandAlone()) << text;
    }
}

}  // namespace
}  // namespace quorvel
