#include "core/stats/families/formula.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

namespace quorvel {

namespace {

using Op = TFormula::Op;
using OpCode = TFormula::OpCode;

enum class Function : uint8_t {
    ArcTan,
    Cos,
    Sin,
    Tan,
    Abs,
    Exp,
    Ln,
    Log,
    Sqrt,
    Sqr,
    Int,
    Frac,
    Trunc,
    Round,
    ArcSin,
    ArcCos,
    Sign,
    Not,
};

struct FunctionName {
    std::string_view Name;
    Function Id;
};

constexpr FunctionName FunctionNames[] = {
    {"ARCTAN", Function::ArcTan}, {"COS", Function::Cos},     {"SIN", Function::Sin},
    {"TAN", Function::Tan},       {"ABS", Function::Abs},     {"EXP", Function::Exp},
    {"LN", Function::Ln},         {"LOG", Function::Log},     {"SQRT", Function::Sqrt},
    {"SQR", Function::Sqr},       {"INT", Function::Int},     {"FRAC", Function::Frac},
    {"TRUNC", Function::Trunc},   {"ROUND", Function::Round}, {"ARCSIN", Function::ArcSin},
    {"ARCCOS", Function::ArcCos}, {"SIGN", Function::Sign},   {"NOT", Function::Not},
};

// TRUNC and ROUND give a 64-bit integer; beyond it there is no integer to give.
constexpr long double IntegerLimit = 9223372036854775808.0L;  // 2^63

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsLetter(char c) {
    return c >= 'A' && c <= 'Z';
}

bool IsHexDigit(char c) {
    return IsDigit(c) || (c >= 'A' && c <= 'F');
}

bool IsMark(char c) {
    return c >= FormulaVariableMark(0) && c <= FormulaVariableMark(FormulaVariableCount - 1);
}

// What may follow a whole formula; the rest of the text is then ignored.
bool EndsFormula(char c) {
    return c == ')' || c == ',' || c == '<' || c == '=' || c == '>';
}

// Whether the digits put in place of the variable at `at` would join a neighbour.
bool TouchesNumber(const std::string& text, size_t at) {
    const auto joins = [](char c) { return IsDigit(c) || IsLetter(c) || IsMark(c) || c == '.' || c == '$'; };
    if (at > 0) {
        const char before = text[at - 1];
        if (joins(before)) return true;
        if ((before == '+' || before == '-') && at > 1 && text[at - 2] == 'E') return true;
    }
    return at + 1 < text.size() && joins(text[at + 1]);
}

// Whether a literal outside the range of the type is too large rather than too small, judged
// by its decimal magnitude: the digits before the point, or the zeros after it, and the exponent.
bool LiteralOverflows(std::string_view literal) {
    size_t i = 0;
    while (i < literal.size() && literal[i] == '0')
        ++i;
    long long magnitude = 0;
    size_t integerDigits = 0;
    while (i < literal.size() && IsDigit(literal[i])) {
        ++integerDigits;
        ++i;
    }
    if (integerDigits > 0) {
        magnitude = static_cast<long long>(integerDigits);
    } else if (i < literal.size() && literal[i] == '.') {
        ++i;
        long long zeros = 0;
        while (i < literal.size() && literal[i] == '0') {
            ++zeros;
            ++i;
        }
        magnitude = -zeros;
    }
    const size_t e = literal.find('E');
    if (e != std::string_view::npos) {
        size_t j = e + 1;
        const bool negative = j < literal.size() && literal[j] == '-';
        if (j < literal.size() && (literal[j] == '-' || literal[j] == '+')) ++j;
        long long exponent = 0;
        for (; j < literal.size(); ++j)
            exponent = std::min<long long>(exponent * 10 + (literal[j] - '0'), 1000000000LL);
        magnitude += negative ? -exponent : exponent;
    }
    return magnitude > 0;
}

// Recursive descent over the cleaned text, writing the operations in the order a reader
// evaluating as it goes would perform them. At the first thing that cannot be read it writes
// a failure and stops, so an arithmetic error earlier in the text still comes first.
class Compiler {
public:
    Compiler(const std::string& text, bool withVariables, std::vector<Op>& ops)
        : text_(text), withVariables_(withVariables), ops_(ops) {}

    void Run() {
        if (!Expression()) return;
        if (pos_ < text_.size() && !EndsFormula(text_[pos_])) Fail(FormulaError::Syntax);
    }

    // Where reading stopped, when it failed.
    size_t FailedAt() const { return failedAt_; }

private:
    char Peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }

    void Emit(OpCode code, uint8_t arg = 0, long double value = 0) { ops_.push_back(Op{code, arg, value}); }

    bool Fail(FormulaError error) {
        Emit(OpCode::Fail, static_cast<uint8_t>(error));
        failedAt_ = pos_;
        return false;
    }

    bool Expression() {
        if (!Term()) return false;
        while (Peek() == '+' || Peek() == '-') {
            const char op = text_[pos_++];
            if (!Term()) return false;
            Emit(op == '+' ? OpCode::Add : OpCode::Subtract);
        }
        return true;
    }

    bool Term() {
        if (!Factor()) return false;
        while (Peek() == '*' || Peek() == '/' || Peek() == '^') {
            const char op = text_[pos_++];
            if (!Factor()) return false;
            Emit(op == '*' ? OpCode::Multiply : op == '/' ? OpCode::Divide : OpCode::Power);
        }
        return true;
    }

    // Signs are read in a loop rather than recursively: a long run of them costs no stack.
    bool Factor() {
        bool negative = false;
        while (Peek() == '+' || Peek() == '-') {
            negative = negative != (Peek() == '-');
            ++pos_;
        }
        if (!Primary()) return false;
        if (negative) Emit(OpCode::Negate);
        return true;
    }

    bool Primary() {
        const char c = Peek();
        if (IsDigit(c)) return Number();
        if (c == '$') return HexNumber();
        if (c == '(') {
            ++pos_;
            return Expression() && CloseBracket();
        }
        if (withVariables_ && IsMark(c)) {
            ++pos_;
            Emit(OpCode::Variable, static_cast<uint8_t>(c - FormulaVariableMark(0)));
            return true;
        }
        if (IsLetter(c)) return CallFunction();
        return Fail(FormulaError::Syntax);
    }

    bool CloseBracket() {
        if (Peek() != ')') return Fail(FormulaError::Syntax);
        ++pos_;
        return true;
    }

    void SkipDigits() {
        while (IsDigit(Peek()))
            ++pos_;
    }

    bool Number() {
        const size_t start = pos_;
        SkipDigits();
        if (Peek() == '.') {
            ++pos_;
            if (!IsDigit(Peek())) return Fail(FormulaError::Syntax);
            SkipDigits();
        }
        if (Peek() == 'E') {
            ++pos_;
            if (Peek() == '+' || Peek() == '-') ++pos_;
            if (!IsDigit(Peek())) return Fail(FormulaError::Syntax);
            SkipDigits();
        }
        const char* first = text_.data() + start;
        const char* last = text_.data() + pos_;
        long double value = 0;
        const auto [end, ec] = std::from_chars(first, last, value, std::chars_format::general);
        if (ec == std::errc::result_out_of_range) {
            // Too small to tell from zero reads as zero; too large has no value.
            if (LiteralOverflows(std::string_view(first, static_cast<size_t>(last - first))))
                return Fail(FormulaError::FloatingPoint);
            value = 0;
        } else if (ec != std::errc() || end != last) {
            return Fail(FormulaError::Syntax);
        }
        Emit(OpCode::Number, 0, value);
        return true;
    }

    bool HexNumber() {
        ++pos_;
        if (!IsHexDigit(Peek())) return Fail(FormulaError::Syntax);
        long double value = 0;
        while (IsHexDigit(Peek())) {
            const char c = text_[pos_++];
            value = value * 16 + (IsDigit(c) ? c - '0' : c - 'A' + 10);
        }
        if (!std::isfinite(value)) return Fail(FormulaError::FloatingPoint);
        Emit(OpCode::Number, 0, value);
        return true;
    }

    bool CallFunction() {
        const size_t start = pos_;
        while (IsLetter(Peek()))
            ++pos_;
        const std::string_view name(text_.data() + start, pos_ - start);
        const auto* found = std::find_if(std::begin(FunctionNames), std::end(FunctionNames),
                                         [&](const FunctionName& f) { return f.Name == name; });
        if (found == std::end(FunctionNames)) {
            pos_ = start;  // the unknown name is where the reader is lost
            return Fail(FormulaError::Syntax);
        }
        if (Peek() != '(') return Fail(FormulaError::Syntax);
        ++pos_;
        if (!Expression() || !CloseBracket()) return false;
        Emit(OpCode::Function, static_cast<uint8_t>(found->Id));
        return true;
    }

    const std::string& text_;
    bool withVariables_;
    std::vector<Op>& ops_;
    size_t pos_ = 0;
    size_t failedAt_ = 0;
};

// Kept in the cleaned text: blanks and control characters go, except the variables' places.
bool KeptInClean(char c, bool withVariables) {
    return (withVariables && IsMark(c)) || static_cast<unsigned char>(c) > ' ';
}

// The place in the text given to Compile of a place in its cleaned form; the end maps to the end.
size_t TextIndexOfClean(std::string_view text, bool withVariables, size_t cleanIndex) {
    size_t kept = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (!KeptInClean(text[i], withVariables)) continue;
        if (kept++ == cleanIndex) return i;
    }
    return text.size();
}

// Halves go to the even neighbour.
long double RoundHalfEven(long double x) {
    const long double whole = std::trunc(x);
    if (std::fabs(x - whole) == 0.5L) return 2 * std::round(x / 2);
    return std::round(x);
}

FormulaError ApplyFunction(Function function, long double& x) {
    switch (function) {
        case Function::ArcTan:
            x = std::atan(x);
            break;
        case Function::Cos:
            x = std::cos(x);
            break;
        case Function::Sin:
            x = std::sin(x);
            break;
        case Function::Tan:
            x = std::tan(x);
            break;
        case Function::Abs:
            x = std::fabs(x);
            break;
        case Function::Exp:
            x = std::exp(x);
            break;
        case Function::Ln:
        case Function::Log:
            if (x <= 0) return FormulaError::NonPositiveLog;
            x = function == Function::Ln ? std::log(x) : std::log10(x);
            break;
        case Function::Sqrt:
            if (x < 0) return FormulaError::NegativeRoot;
            x = std::sqrt(x);
            break;
        case Function::Sqr:
            x = x * x;
            break;
        case Function::Int:
            x = std::trunc(x);
            break;
        case Function::Frac:
            x = x - std::trunc(x);
            break;
        case Function::Trunc:
        case Function::Round:
            if (std::fabs(x) >= IntegerLimit) return FormulaError::FloatingPoint;
            x = function == Function::Trunc ? std::trunc(x) : RoundHalfEven(x);
            break;
        case Function::ArcSin:
        case Function::ArcCos:
            if (std::fabs(x) > 1) return FormulaError::FloatingPoint;
            x = function == Function::ArcSin ? std::asin(x) : std::acos(x);
            break;
        case Function::Sign:
            x = static_cast<long double>((x > 0) - (x < 0));
            break;
        case Function::Not:
            x = x == 0 ? 1 : 0;
            break;
    }
    return std::isfinite(x) ? FormulaError::None : FormulaError::FloatingPoint;
}

FormulaResult Failed(FormulaError error) {
    return FormulaResult{0, error};
}

}  // namespace

std::string_view FormulaErrorText(FormulaError error) {
    switch (error) {
        case FormulaError::None:
            return {};
        case FormulaError::Brackets:
            return "Не хватает скобочки";
        case FormulaError::Syntax:
            return "Синтаксическая ошибка";
        case FormulaError::DivisionByZero:
            return "Деление на нуль";
        case FormulaError::NegativeRoot:
            return "Выражение под корнем меньне нуля";
        case FormulaError::NonPositiveLog:
            return "Выражение под логарифмом меньне нуля";
        case FormulaError::FloatingPoint:
            return "Ошибка в операции с плавающей точкой";
        case FormulaError::UnknownVariable:
            return "Неизвестная переменная";
    }
    return {};
}

void TFormula::Compile(std::string_view text, bool withVariables) {
    ops_.clear();
    clean_.clear();
    variablesStandAlone_ = true;
    problem_ = {};
    const auto fail = [&](FormulaError error, size_t cleanIndex) {
        ops_.push_back(Op{OpCode::Fail, static_cast<uint8_t>(error), 0});
        stack_.resize(1);
        problem_ = {error, TextIndexOfClean(text, withVariables, cleanIndex)};
    };
    if (text.size() > FormulaTextMax) return fail(FormulaError::Syntax, FormulaTextMax);

    // Blanks and control characters go, letters are read in upper case.
    for (char c : text) {
        if (KeptInClean(c, withVariables))
            clean_.push_back(c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c);
    }
    if (withVariables) {
        for (size_t i = 0; i < clean_.size(); ++i) {
            if (IsMark(clean_[i]) && TouchesNumber(clean_, i)) variablesStandAlone_ = false;
        }
    }

    int depth = 0;
    size_t tooDeepAt = clean_.size() + 1;
    size_t at = 0;
    for (; at < clean_.size(); ++at) {
        depth += clean_[at] == '(' ? 1 : clean_[at] == ')' ? -1 : 0;
        if (depth < 0) break;
        if (depth > FormulaNestingMax) tooDeepAt = std::min(tooDeepAt, at);
    }
    if (depth != 0) return fail(FormulaError::Brackets, at);
    if (tooDeepAt <= clean_.size()) return fail(FormulaError::Syntax, tooDeepAt);

    const bool zeroAdded = !clean_.empty() && (clean_.front() == '+' || clean_.front() == '-');
    if (zeroAdded) clean_.insert(clean_.begin(), '0');
    Compiler compiler(clean_, withVariables, ops_);
    compiler.Run();
    if (!ops_.empty() && ops_.back().Code == OpCode::Fail) {
        const size_t failedAt = compiler.FailedAt();
        problem_ = {
            static_cast<FormulaError>(ops_.back().Arg),
            TextIndexOfClean(text, withVariables, zeroAdded && failedAt > 0 ? failedAt - 1 : failedAt)};
    }

    // Room for the deepest the operand stack gets, so evaluating never allocates.
    size_t size = 0;
    size_t largest = 1;
    for (const Op& op : ops_) {
        if (op.Code == OpCode::Number || op.Code == OpCode::Variable) {
            largest = std::max(largest, ++size);
        } else if (op.Code >= OpCode::Add && op.Code <= OpCode::Power) {
            --size;
        }
    }
    stack_.resize(largest);
}

FormulaResult TFormula::Evaluate(const FormulaVariables& variables) {
    if (ops_.empty()) return Failed(FormulaError::Syntax);  // never compiled
    long double* stack = stack_.data();
    size_t size = 0;  // the operands on the stack; the compiler sized it for the deepest
    for (const Op& op : ops_) {
        switch (op.Code) {
            case OpCode::Number:
                stack[size++] = op.Value;
                continue;
            case OpCode::Variable:
                stack[size++] = variables[op.Arg];
                continue;
            case OpCode::Negate:
                stack[size - 1] = -stack[size - 1];
                continue;
            case OpCode::Function: {
                const FormulaError error = ApplyFunction(static_cast<Function>(op.Arg), stack[size - 1]);
                if (error != FormulaError::None) return Failed(error);
                continue;
            }
            case OpCode::Fail:
                return Failed(static_cast<FormulaError>(op.Arg));
            default:
                break;
        }
        const long double right = stack[--size];
        long double& left = stack[size - 1];
        switch (op.Code) {
            case OpCode::Add:
                left += right;
                break;
            case OpCode::Subtract:
                left -= right;
                break;
            case OpCode::Multiply:
                left *= right;
                break;
            case OpCode::Divide:
                if (right == 0) return Failed(FormulaError::DivisionByZero);
                left /= right;
                break;
            case OpCode::Power:
                left = std::pow(left, right);
                break;
            default:
                break;
        }
        if (!std::isfinite(left)) return Failed(FormulaError::FloatingPoint);
    }
    return FormulaResult{stack_[0], FormulaError::None};
}

FormulaResult EvaluateFormula(std::string_view text) {
    TFormula formula;
    formula.Compile(text);
    return formula.Evaluate();
}

}  // namespace quorvel
