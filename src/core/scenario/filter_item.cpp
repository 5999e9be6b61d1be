#include "core/scenario/filter_item.h"

#include <unistd.h>

#include <charconv>
#include <cmath>
#include <new>

#include "core/model/lists.h"
#include "core/util/error.h"
#include "core/util/format.h"
#include "core/util/text.h"

namespace quorvel {

namespace {

std::string_view Word(const std::vector<std::string_view>& words, size_t i) {
    return i < words.size() ? TrimBlanks(words[i]) : std::string_view();
}

// The trimmed second ":"-part of a word; runs of ":" count as one.
std::string_view SecondPart(std::string_view word) {
    return Word(SplitWords(word, ":"), 1);
}

bool StartsWithIgnoringCase(const std::string& lowerText, std::string_view prefix) {
    return lowerText.starts_with(LowerCase(prefix));
}

// The rest of the word from its fourth character on (characters, not bytes of UTF-8).
std::optional<std::string_view> FromFourthChar(std::string_view word) {
    int chars = 0;
    for (size_t i = 0; i < word.size(); ++i) {
        if ((static_cast<unsigned char>(word[i]) & 0xC0) == 0x80) continue;
        if (++chars == 4) return word.substr(i);
    }
    return std::nullopt;
}

void ReadFirstWord(std::string_view word, TFilterItem& item) {
    item.SortColumn = 1;
    if (auto rest = FromFourthChar(word)) item.SortColumn = ParseInt32(TrimBlanks(*rest)).value_or(1);
    const std::string lower = LowerCase(word);
    item.BottomUp = lower.find('b') != std::string::npos;
    item.MultiSelect = lower.find('m') != std::string::npos;
    item.KeepSelected = lower.find('f') != std::string::npos;
}

void ReadMethodWord(std::string_view word, const TStatList& catalogue, TFilterItem& item) {
    item.MethodText = std::string(word);
    if (word.empty()) return;
    const std::string lower = LowerCase(word);
    for (int i = 0; i < catalogue.Count(); ++i) {
        if (StartsWithIgnoringCase(lower, catalogue.Items[static_cast<size_t>(i)].Code())) {
            item.Method = i;
            item.DrawsText = std::string(SecondPart(word));
            return;
        }
    }
}

void ReadRuleWord(std::string_view word, TFilterItem& item) {
    if (word.empty()) return;
    const std::string lower = LowerCase(word);
    for (int rule = 0; rule < SelectionRuleCount; ++rule) {
        if (StartsWithIgnoringCase(lower, SelectionRuleCode(rule))) {
            item.Rule = static_cast<uint8_t>(rule);
            item.RuleValuesText = std::string(SecondPart(word));
            return;
        }
    }
}

void ReadStopWord(std::string_view word, TFilterItem& item) {
    if (word.empty()) return;
    const std::string lower = LowerCase(word);
    for (int stop = 0; stop < StopConditionCount; ++stop) {
        if (StartsWithIgnoringCase(lower, StopConditionCode(stop))) {
            item.StopCondition = static_cast<uint8_t>(stop);
            item.StopValue = ParseInt32(SecondPart(word)).value_or(1);
            return;
        }
    }
}

void ReadWeightWord(std::string_view word, TFilterItem& item) {
    if (word.empty()) return;
    const std::vector<std::string_view> parts = SplitWords(word, ":");
    item.WeightOverride = true;
    item.Weights.Count = StrToCoefficient(Word(parts, 0));
    item.Weights.Deviation = StrToCoefficient(Word(parts, 1));
    item.Weights.Level = StrToCoefficient(Word(parts, 2));
    item.Weights.UsePercents = Word(parts, 3) == "1";
    item.Weights.UseAbsValues = Word(parts, 4) == "1";
}

bool IsPlainDecimal(std::string_view text) {
    size_t pos = text.starts_with('-') ? 1 : 0;
    size_t digits = 0;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
        ++pos;
        ++digits;
    }
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
            ++pos;
            ++digits;
        }
    }
    return digits > 0 && pos == text.size();
}

std::string IncorrectStepMessage(const TFilterItem& item, const TStatList& catalogue) {
    return Format("Некорректное описание фильтра: %s!", {FilterItemToStr(item, catalogue)});
}

}  // namespace

TFilterItem StrToFilterItem(std::string_view text, const TStatList& catalogue) {
    TFilterItem item;
    if (TrimBlanks(text).empty()) return item;
    item.Enabled = true;
    const std::vector<std::string_view> words = SplitWords(text, "#");
    ReadFirstWord(Word(words, 0), item);
    ReadMethodWord(Word(words, 1), catalogue, item);
    ReadRuleWord(Word(words, 2), item);
    ReadStopWord(Word(words, 3), item);
    ReadWeightWord(Word(words, 4), item);
    return item;
}

std::string FilterItemToStr(const TFilterItem& item, const TStatList& catalogue) {
    if (!item.Enabled) return {};
    std::string text;
    text += item.BottomUp ? "B" : "T";
    text += item.MultiSelect ? "M" : "S";
    text += item.KeepSelected ? "F" : "D";
    text += std::to_string(item.SortColumn);
    text += "#";
    if (item.Method >= 0 && item.Method < catalogue.Count()) {
        text += catalogue.Items[static_cast<size_t>(item.Method)].Code() + ":" + item.DrawsText;
    } else {
        text += item.MethodText;
    }
    text += "#" + SelectionRuleCode(item.Rule) + ":" + item.RuleValuesText;
    text += "#" + StopConditionCode(item.StopCondition) + ":" + std::to_string(item.StopValue);
    if (item.WeightOverride) {
        text += "#" + CoefficientToStr(item.Weights.Count) + ":" + CoefficientToStr(item.Weights.Deviation) +
                ":" + CoefficientToStr(item.Weights.Level) + ":" + (item.Weights.UsePercents ? "1" : "0") +
                ":" + (item.Weights.UseAbsValues ? "1" : "0");
    }
    return text;
}

double StrToCoefficient(std::string_view text) {
    std::string plain;
    for (char c : text) {
        if (c == '.' || c == ',') {
            plain += '.';
        } else if (c == '-' || (c >= '0' && c <= '9')) {
            plain += c;
        }
    }
    if (!IsPlainDecimal(plain)) return 0;
    // from_chars does not follow the process locale, which a desktop toolkit may have set.
    double value = 0;
    std::from_chars(plain.data(), plain.data() + plain.size(), value);
    return value;
}

std::string CoefficientToStr(double value) {
    if (value == 0 || !std::isfinite(value)) return value == 0 ? "0" : std::to_string(value);
    // The 15 significant digits and the decimal exponent, free of the process locale.
    char buffer[64];
    auto [end, error] =
        std::to_chars(buffer, buffer + sizeof(buffer), value, std::chars_format::scientific, 14);
    (void)error;
    const std::string_view scientific(buffer, static_cast<size_t>(end - buffer));
    const size_t e = scientific.find('e');
    const bool negative = scientific[0] == '-';
    std::string digits;
    for (char c : scientific.substr(0, e)) {
        if (c >= '0' && c <= '9') digits += c;
    }
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    int exponent = 0;
    std::string_view exponentText = scientific.substr(e + 1);
    if (exponentText.starts_with('+')) exponentText.remove_prefix(1);
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);

    std::string text = negative ? "-" : "";
    if (exponent >= -5 && exponent < 15) {
        if (exponent < 0) {
            text += "0." + std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
        } else if (static_cast<int>(digits.size()) <= exponent + 1) {
            text += digits + std::string(static_cast<size_t>(exponent + 1) - digits.size(), '0');
        } else {
            text += digits.substr(0, static_cast<size_t>(exponent + 1)) + "." +
                    digits.substr(static_cast<size_t>(exponent + 1));
        }
        return text;
    }
    text += digits.substr(0, 1);
    if (digits.size() > 1) text += "." + digits.substr(1);
    return text + "E" + std::to_string(exponent);
}

bool IsNumberListChar(char c) {
    return (c >= '0' && c <= '9') || c == ',' || c == '-' || c == ';';
}

std::optional<FilterItemProblem> CheckFilterItem(const TFilterItem& item, const TStatList& catalogue) {
    const std::string badRange = "Введен некорректный диапазон значений!";
    const TIntArray draws = StrToIntList(item.DrawsText);
    if (draws.empty() || (draws.size() == 1 && draws[0] == 0)) {
        return FilterItemProblem{FilterItemField::DrawsText, badRange};
    }
    if (item.Rule != RuleLNO) {
        if (item.Rule == RuleLVA) {
            const bool numeric = item.Method >= 0 && item.Method < catalogue.Count() &&
                                 catalogue.Items[static_cast<size_t>(item.Method)].StatClass->NumericValues;
            if (!numeric) {
                return FilterItemProblem{
                    FilterItemField::Rule,
                    "Для данного вида статистики не доступен режим выделения по списку значений!"};
            }
        }
        if (StrToIntList(item.RuleValuesText).empty()) {
            return FilterItemProblem{FilterItemField::RuleValuesText, badRange};
        }
    }
    if (item.MultiSelect && item.StopCondition == StopSC) {
        return FilterItemProblem{FilterItemField::StopCondition,
                                 "В режиме мультивыделения остановка сценария по количеству комбинаций или "
                                 "чисел не может быть выполнена!\rВыберите другой способ останова."};
    }
    return std::nullopt;
}

const char* const TooManyVariantsText =
    "Вы задали слишком много вариантов фильтров - программа не сможет обработать их все!\rПожалуйста, "
    "уменьшите в каждом из фильтров количество вариантов длины выборки и глубины, а затем повторите попытку.";

void RequireVariantStorage(uint64_t count, size_t bytesEach) {
    const long pages = ::sysconf(_SC_PHYS_PAGES);
    const long pageSize = ::sysconf(_SC_PAGESIZE);
    if (pages <= 0 || pageSize <= 0) return;
    const uint64_t half = static_cast<uint64_t>(pages) / 2 * static_cast<uint64_t>(pageSize);
    if (bytesEach == 0 || count <= half / bytesEach) return;
    throw Error(std::string(TooManyVariantsText) + "\r\r" + std::bad_alloc().what());
}

std::vector<TFilterPart> ExpandFilterItem(const TFilterItem& item, const TStatList& catalogue) {
    const TIntArray draws = StrToIntList(item.DrawsText);
    const TIntArray values = item.Rule != RuleLNO ? StrToIntList(item.RuleValuesText) : TIntArray{};
    if (item.Method < 0 || draws.empty() || (item.Rule != RuleLNO && values.empty())) {
        throw Error(IncorrectStepMessage(item, catalogue));
    }
    RequireVariantStorage(uint64_t{draws.size()} * (IsThresholdRule(item.Rule) ? values.size() : 1),
                          sizeof(TFilterPart));
    TFilterPart base;
    base.Enabled = item.Enabled;
    base.Method = item.Method;
    base.SortColumn = item.SortColumn;
    base.BottomUp = item.BottomUp;
    base.MultiSelect = item.MultiSelect;
    base.KeepSelected = item.KeepSelected;
    base.Rule = item.Rule;
    base.WeightOverride = item.WeightOverride;
    base.Weights = item.Weights;
    base.StopCondition = item.StopCondition;
    base.StopValue = item.StopValue;
    std::vector<TFilterPart> parts;
    for (int32_t length : draws) {
        TFilterPart part = base;
        part.DrawsCount = length;
        if (IsThresholdRule(item.Rule)) {
            for (int32_t value : values) {
                part.RuleValue = part.RuleValuesText = std::to_string(value);
                parts.push_back(part);
            }
        } else {
            part.RuleValue = IsListRule(item.Rule) ? IntListToStr(values, ",") : item.RuleValuesText;
            part.RuleValuesText = item.RuleValuesText;
            parts.push_back(part);
        }
    }
    return parts;
}

}  // namespace quorvel
