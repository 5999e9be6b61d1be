#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

// The arithmetic formula evaluator of the shredding methods: numbers, + - * / ^, parentheses
// and a few functions, computed in extended precision. Every failure is a value, never an
// exception, so a formula typed by the user can never stop a run.

enum class FormulaError : uint8_t {
    None,
    Brackets,        // "Не хватает скобочки"
    Syntax,          // "Синтаксическая ошибка"
    DivisionByZero,  // "Деление на нуль"
    NegativeRoot,    // "Выражение под корнем меньне нуля"
    NonPositiveLog,  // "Выражение под логарифмом меньне нуля"
    FloatingPoint,   // "Ошибка в операции с плавающей точкой"
    // Found only by the check of a typed shredding formula: "n4", "p0"... name no value.
    UnknownVariable,  // "Неизвестная переменная"
};

// The message of an error; empty for None.
std::string_view FormulaErrorText(FormulaError error);

// What stops a text from being read, and where: the place in the text given to Compile.
struct FormulaProblem {
    FormulaError Error = FormulaError::None;
    size_t Position = 0;
};

struct FormulaResult {
    long double Value = 0;  // 0 whenever Error is set
    FormulaError Error = FormulaError::None;
};

// A typed formula is short; these bound the work and the recursion a hostile text can cause.
// Longer or deeper texts are syntax errors.
constexpr size_t FormulaTextMax = 4096;
constexpr int FormulaNestingMax = 100;

// A text may hold up to nine variables, written as the bytes 1 to 9 (variable 0 to 8): no
// typed character can be one, since every character below "!" is dropped.
constexpr int FormulaVariableCount = 9;
constexpr char FormulaVariableMark(int variable) {
    return static_cast<char>(variable + 1);
}
using FormulaVariables = std::array<long double, FormulaVariableCount>;

// A formula read once and evaluated any number of times. Evaluating does not allocate, so a
// formula can be evaluated for every draw of a long archive.
class TFormula {
public:
    // Reads the text; with variables, the bytes 1 to 9 are the variables' places. The buffers
    // of an earlier text are reused.
    void Compile(std::string_view text, bool withVariables = false);
    FormulaResult Evaluate(const FormulaVariables& variables = {});

    // False when a variable's place touches a character that would read on as part of a
    // number once the value's digits stand there ("n12", "1.n1", "$n1", "2E+n1") or that
    // could turn those digits into something else (a letter before them): such a text must be
    // read again with the values written in.
    bool VariablesStandAlone() const { return variablesStandAlone_; }

    // Why the last text could not be read, and where; None when it was read (its evaluation
    // may still fail with the values it is given).
    FormulaProblem ReadingProblem() const { return problem_; }

    enum class OpCode : uint8_t {
        Number,
        Variable,
        Negate,
        Add,
        Subtract,
        Multiply,
        Divide,
        Power,
        Function,
        Fail
    };
    struct Op {
        OpCode Code = OpCode::Fail;
        uint8_t Arg = 0;  // variable, function or error
        long double Value = 0;
    };

private:
    std::string clean_;
    std::vector<Op> ops_;
    std::vector<long double> stack_;
    bool variablesStandAlone_ = true;
    FormulaProblem problem_;
};

// Evaluates a text without variables.
FormulaResult EvaluateFormula(std::string_view text);

}  // namespace quorvel
