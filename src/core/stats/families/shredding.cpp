#include "core/stats/families/shredding.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <optional>
#include <vector>

#include "core/stats/registry.h"
#include "core/stats/stat_list.h"
#include "core/util/error.h"
#include "core/util/format.h"

namespace quorvel {

namespace {

constexpr int ShreddingGroup = 12;
// The variable letters in the order they are replaced for each position: n, then p, then t.
constexpr char VariableLetters[] = {'n', 'p', 't'};
constexpr long double PowersOfTen[] = {1.0L, 10.0L, 100.0L, 1000.0L, 10000.0L, 100000.0L};

int ClampDigits(int digits) {
    return std::clamp(digits, static_cast<int>(FormulaDigitsMin), static_cast<int>(FormulaDigitsMax));
}

bool IsLetterOf(char c, char lower) {
    return c == lower || c == lower - 'a' + 'A';
}

// For i = 1, 2, 3 and the letters n, p, t in turn, every "letter i" (either case) becomes
// what `put` writes for that variable (variable = letter × 3 + i − 1). Each pass scans the
// text left to right once and does not look again at what it wrote, as a plain
// replace-all would.
template <typename Put>
void ReplaceVariables(std::string_view formula, std::string& text, std::string& work, Put put) {
    text.assign(formula);
    for (int i = 1; i <= PositionCount; ++i) {
        for (int letter = 0; letter < 3; ++letter) {
            work.clear();
            for (size_t at = 0; at < text.size(); ++at) {
                if (at + 1 < text.size() && IsLetterOf(text[at], VariableLetters[letter]) &&
                    text[at + 1] == static_cast<char>('0' + i)) {
                    put(work, letter * PositionCount + i - 1);
                    ++at;
                } else {
                    work.push_back(text[at]);
                }
            }
            text.swap(work);
        }
    }
}

int ValueOfVariable(int variable, const TShredValues& n, const TShredValues& p, const TShredValues& t) {
    const TShredValues& triple = variable < 3 ? n : variable < 6 ? p : t;
    return triple[static_cast<size_t>(variable % 3)];
}

void AppendDecimal(std::string& text, int value) {
    char digits[12];
    int count = 0;
    do {
        digits[count++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value > 0);
    while (count > 0)
        text.push_back(digits[--count]);
}

}  // namespace

int ShredDigits(long double x, int digits) {
    const long double magnitude = std::fabs(x);
    const long double fraction = magnitude - std::trunc(magnitude);
    return static_cast<int>(std::trunc(fraction * PowersOfTen[ClampDigits(digits)]));
}

TShredFormula::TShredFormula(std::string_view formula) : formula_(formula) {
    // Characters below "!" are dropped by the evaluator anyway; made blanks here, none of
    // them can be mistaken for a variable's place.
    std::string typed(formula);
    for (char& c : typed) {
        if (static_cast<unsigned char>(c) < '!') c = ' ';
    }
    ReplaceVariables(typed, text_, work_,
                     [](std::string& out, int variable) { out.push_back(FormulaVariableMark(variable)); });
    compiled_.Compile(text_, true);
    perDraw_ = !compiled_.VariablesStandAlone();
}

namespace {

// Where a variable letter stands before a digit that names none of the three values ("n4"),
// which the evaluator would only see as a syntax error.
std::optional<size_t> UnknownVariableAt(std::string_view formula) {
    for (size_t at = 0; at + 1 < formula.size(); ++at) {
        const bool startsWord = at == 0 || !std::isalnum(static_cast<unsigned char>(formula[at - 1]));
        const bool variableLetter = std::any_of(std::begin(VariableLetters), std::end(VariableLetters),
                                                [&](char letter) { return IsLetterOf(formula[at], letter); });
        const int i = formula[at + 1] - '0';
        const bool digitFollows = formula[at + 1] >= '0' && formula[at + 1] <= '9';
        if (startsWord && variableLetter && digitFollows && (i < 1 || i > PositionCount)) return at;
    }
    return std::nullopt;
}

}  // namespace

FormulaProblem CheckShreddingFormula(std::string_view formula) {
    if (const std::optional<size_t> at = UnknownVariableAt(formula))
        return {FormulaError::UnknownVariable, *at};
    // The variables' places as the evaluator reads them, one character for the two typed,
    // with where each character was typed.
    std::string marked;
    std::vector<size_t> typedAt;
    for (size_t at = 0; at < formula.size(); ++at) {
        typedAt.push_back(at);
        int variable = -1;
        for (int letter = 0; letter < 3 && at + 1 < formula.size(); ++letter) {
            const int i = formula[at + 1] - '0';
            if (IsLetterOf(formula[at], VariableLetters[letter]) && i >= 1 && i <= PositionCount)
                variable = letter * PositionCount + i - 1;
        }
        if (variable >= 0) {
            marked.push_back(FormulaVariableMark(variable));
            ++at;
        } else {
            marked.push_back(static_cast<unsigned char>(formula[at]) < '!' ? ' ' : formula[at]);
        }
    }
    TFormula compiled;
    compiled.Compile(marked, true);
    if (!compiled.VariablesStandAlone()) {
        // Read as it is for every draw, with a draw's values written in: checked with 1, 2, 3
        // in each triple. Where the values joined into new variables the places moved, and the
        // problem is shown at the end.
        const TShredValues values{1, 2, 3};
        const std::string written = TShredFormula::Substitute(formula, values, values, values);
        compiled.Compile(written);
        if (written.size() != marked.size()) typedAt.clear();
    }
    FormulaProblem problem = compiled.ReadingProblem();
    if (problem.Error != FormulaError::None)
        problem.Position = problem.Position < typedAt.size() ? typedAt[problem.Position] : formula.size();
    return problem;
}

std::string TShredFormula::Substitute(std::string_view formula, const TShredValues& n, const TShredValues& p,
                                      const TShredValues& t) {
    std::string text;
    std::string work;
    ReplaceVariables(formula, text, work, [&](std::string& out, int variable) {
        AppendDecimal(out, ValueOfVariable(variable, n, p, t));
    });
    return text;
}

FormulaResult TShredFormula::Evaluate(const TShredValues& n, const TShredValues& p, const TShredValues& t) {
    if (perDraw_) {
        ReplaceVariables(formula_, text_, work_, [&](std::string& out, int variable) {
            AppendDecimal(out, ValueOfVariable(variable, n, p, t));
        });
        compiled_.Compile(text_);
        return compiled_.Evaluate();
    }
    FormulaVariables variables;
    for (int v = 0; v < FormulaVariableCount; ++v)
        variables[static_cast<size_t>(v)] = ValueOfVariable(v, n, p, t);
    return compiled_.Evaluate(variables);
}

int TShredFormula::Value(int digits, const TShredValues& n, const TShredValues& p, const TShredValues& t) {
    const FormulaResult result = Evaluate(n, p, t);
    return result.Error == FormulaError::None ? ShredDigits(result.Value, digits) : 0;
}

int ShredValue(std::string_view formula, int digits, const TShredValues& n, const TShredValues& p,
               const TShredValues& t) {
    return TShredFormula(formula).Value(digits, n, p, t);
}

namespace {

const std::string& FormulaOf(const TStatList& owner, int param) {
    static const std::string none;
    switch (param) {
        case 1:
            return owner.Formula1;
        case 2:
            return owner.Formula2;
        case 3:
            return owner.Formula3;
        default:
            return none;
    }
}

int DigitsOf(const TStatList& owner, int param) {
    switch (param) {
        case 1:
            return owner.Formula1Digits;
        case 2:
            return owner.Formula2Digits;
        case 3:
            return owner.Formula3Digits;
        default:
            return DefaultFormulaDigits;
    }
}

}  // namespace

TstShreddingStat::TstShreddingStat(const TStatClass& statClass, const TStatList& owner, int param)
    : TCustomGraphStat(statClass, owner, param),
      formula_(FormulaOf(owner, param)),
      digits_(ClampDigits(DigitsOf(owner, param))),
      shred_(formula_) {}

std::string TstShreddingStat::InstanceTitle() const {
    const std::string title = TCustomGraphStat::InstanceTitle();
    try {
        return Format(title, {formula_});
    } catch (const ConvertError&) {
        return title;
    }
}

std::string TstShreddingStat::ValueText(const TStatDraw& value) const {
    return std::to_string(static_cast<int32_t>(value.KeyDword(1)));
}

uint32_t TstShreddingStat::KeyOf(const TShredValues& n, const TShredValues& p, const TShredValues& t) {
    return static_cast<uint32_t>(shred_.Value(digits_, n, p, t));
}

void TstShreddingStat::AddCombinationValues(TStatDrawArray& table, const TComb& comb) {
    AddKey(table, KeyOf(comb.Values, TShredValues{}, TShredValues{}), false);
}

void TstShreddingStat::AddDrawValues(TStatDrawArray& table, TStatScratch&, TLastValueArray&) {
    const TShredValues previous = ReadDraw(DrawIndex() - 1, RunSorted()).Values;
    const TShredValues beforePrevious = ReadDraw(DrawIndex() - 2, RunSorted()).Values;
    AddKey(table, KeyOf(CurDraw.Values, previous, beforePrevious), true);
}

bool TstShreddingStat::Matches(const TSelection& selected, int refIndex, const TComb& comb, bool sorted,
                               bool) {
    // The combination stands for the draw after the reference draw.
    const TShredValues previous = ReadDraw(refIndex, sorted).Values;
    const TShredValues beforePrevious = ReadDraw(refIndex - 1, sorted).Values;
    return HasKeyDword(selected, 1, KeyOf(comb.Values, previous, beforePrevious));
}

int TstShreddingStat::GraphValue(int index, int, const TComb& comb, bool sorted) {
    return static_cast<int>(
        KeyOf(comb.Values, ReadDraw(index - 1, sorted).Values, ReadDraw(index - 2, sorted).Values));
}

void RegisterShreddingFamily(std::vector<TStatClass>& classes) {
    TStatClass c;
    c.Position = 143;
    c.ClassName = "TstShreddingStat";
    c.CodeFormat = "SHR%d";
    c.TitleFormat = "Метод шинковки %0:d: %%s";
    c.HelpTopic = "SHRx";
    c.Group = ShreddingGroup;
    c.Flags = FeaturePositional | FeatureFullSet;
    c.Graph = true;
    c.ParamRange = [](const TStatList&) { return std::pair<int, int>{1, ShreddingFormulaCount}; };
    c.Create = [](const TStatClass& statClass, const TStatList& owner,
                  int param) -> std::unique_ptr<TCustomStat> {
        return std::make_unique<TstShreddingStat>(statClass, owner, param);
    };
    classes.push_back(c);
}

}  // namespace quorvel
