#include "core/scenario/selection_rules.h"

#include "core/util/error.h"
#include "core/util/format.h"
#include "core/util/text.h"

namespace quorvel {

namespace {

enum class RuleTest { All, IntAtLeast, NumAtLeast, IntAtMost, NumAtMost, IntList, NumList };

struct RuleInfo {
    const char* Code;
    const char* Text;
    uint8_t Cell;
    RuleTest Test;
    // The reading of a cell that is not a number. 65535 keeps such a row out of the "не более"
    // tests of depth, deviation, count and the period bounds; weight and period read 0.
    int Default;
};

constexpr RuleInfo Rules[SelectionRuleCount] = {
    {"LNO", "Весь список (без условий)", CellValueText, RuleTest::All, 0},
    {"LMV", "\"Глубина\": не менее заданного значения", CellDepth, RuleTest::IntAtLeast, 0},
    {"LMP", "\"Глубина\": не менее заданного процента", CellDepthPercent, RuleTest::NumAtLeast, 0},
    {"LLV", "\"Глубина\": не более заданного значения", CellDepth, RuleTest::IntAtMost, 65535},
    {"LLP", "\"Глубина\": не более заданного процента", CellDepthPercent, RuleTest::NumAtMost, 65535},
    {"LDV", "\"Глубина\": из заданного списка значений", CellDepth, RuleTest::IntList, 0},
    {"LDP", "\"Глубина\": из заданного списка процентов", CellDepthPercent, RuleTest::NumList, 0},
    {"DMV", "\"Отклонение\": не менее заданного значения", CellDeviation, RuleTest::IntAtLeast, 0},
    {"DMP", "\"Отклонение\": не менее заданного процента", CellDeviationPercent, RuleTest::NumAtLeast, 0},
    {"DLV", "\"Отклонение\": не более заданного значения", CellDeviation, RuleTest::IntAtMost, 65535},
    {"DLP", "\"Отклонение\": не более заданного процента", CellDeviationPercent, RuleTest::NumAtMost, 65535},
    {"DDV", "\"Отклонение\": из заданного списка значений", CellDeviation, RuleTest::IntList, 0},
    {"DDP", "\"Отклонение\": из заданного списка процентов", CellDeviationPercent, RuleTest::NumList, 0},
    {"CMV", "\"Количество\": не менее заданного значения", CellCount, RuleTest::IntAtLeast, 0},
    {"CMP", "\"Количество\": не менее заданного процента", CellCountPercent, RuleTest::NumAtLeast, 0},
    {"CLV", "\"Количество\": не более заданного значения", CellCount, RuleTest::IntAtMost, 65535},
    {"CLP", "\"Количество\": не более заданного процента", CellCountPercent, RuleTest::NumAtMost, 65535},
    {"CDV", "\"Количество\": из заданного списка значений", CellCount, RuleTest::IntList, 0},
    {"CDP", "\"Количество\": из заданного списка процентов", CellCountPercent, RuleTest::NumList, 0},
    {"WMV", "\"Вес\": не менее заданного значения", CellWeight, RuleTest::NumAtLeast, 0},
    {"WLV", "\"Вес\": не более заданного значения", CellWeight, RuleTest::NumAtMost, 0},
    {"WDV", "\"Вес\": из заданного списка значений", CellWeight, RuleTest::NumList, 0},
    {"PIM", "\"Период min\": не менее заданного значения", CellPeriodMin, RuleTest::IntAtLeast, 0},
    {"PIL", "\"Период min\": не более заданного значения", CellPeriodMin, RuleTest::IntAtMost, 65535},
    {"PIR", "\"Период min\": из заданного списка значений", CellPeriodMin, RuleTest::IntList, 0},
    {"PAM", "\"Период\": не менее заданного значения", CellPeriod, RuleTest::NumAtLeast, 0},
    {"PAL", "\"Период\": не более заданного значения", CellPeriod, RuleTest::NumAtMost, 0},
    {"PAR", "\"Период\": из заданного списка значений", CellPeriod, RuleTest::NumList, 0},
    {"PXM", "\"Период max\": не менее заданного значения", CellPeriodMax, RuleTest::IntAtLeast, 0},
    {"PXL", "\"Период max\": не более заданного значения", CellPeriodMax, RuleTest::IntAtMost, 65535},
    {"PXR", "\"Период max\": из заданного списка значений", CellPeriodMax, RuleTest::IntList, 0},
    {"LVA", "\"Значения\": из заданного списка значений", CellValueKey, RuleTest::IntList, 0},
};

struct StopInfo {
    const char* Code;
    const char* Text;
};

constexpr StopInfo Stops[StopConditionCount] = {
    {"SF", "Обработать все записи"},
    {"SC", "Количеству оставшихся комбинаций"},
    {"SZ", "Пока список не будет пуст и откатить на шаг"},
    {"ST", "Количеству шагов"},
    {"SV", "Значению в списке статистики"},
    {"SP", "Процентному соотношению в списке статистики"},
};

std::optional<int32_t> IntOf(std::string_view text) {
    return ParseInt32(TrimBlanks(text));
}

std::optional<double> NumberOf(std::string_view text) {
    double value = 0;
    if (!CellNumber(std::string(TrimBlanks(text)), value)) return std::nullopt;
    return value;
}

int32_t IntCell(const std::string& cell, int def) {
    return IntOf(cell).value_or(def);
}

double NumCell(const std::string& cell, int def) {
    return NumberOf(cell).value_or(def);
}

int32_t IntOrFail(std::string_view text) {
    if (auto value = IntOf(text)) return *value;
    throw ConvertError(Format("Значение \"%s\" не является целым числом!", {std::string(text)}));
}

double NumberOrFail(std::string_view text) {
    if (auto value = NumberOf(text)) return *value;
    throw ConvertError(Format("Значение \"%s\" не является числом!", {std::string(text)}));
}

}  // namespace

std::string SelectionRuleCode(int rule) {
    return rule >= 0 && rule < SelectionRuleCount ? Rules[rule].Code : "";
}

std::string SelectionRuleText(int rule) {
    return rule >= 0 && rule < SelectionRuleCount ? Rules[rule].Text : "";
}

bool IsThresholdRule(int rule) {
    if (rule <= RuleLNO || rule >= SelectionRuleCount) return false;
    const RuleTest test = Rules[rule].Test;
    return test != RuleTest::IntList && test != RuleTest::NumList;
}

bool IsListRule(int rule) {
    return rule > RuleLNO && rule < SelectionRuleCount && !IsThresholdRule(rule);
}

std::string StopConditionCode(int stop) {
    return stop >= 0 && stop < StopConditionCount ? Stops[stop].Code : "";
}

std::string StopConditionText(int stop) {
    return stop >= 0 && stop < StopConditionCount ? Stops[stop].Text : "";
}

bool RowPassesRule(const TFilterPart& part, const TStatValues& row) {
    if (part.Rule >= SelectionRuleCount) return false;
    const RuleInfo& rule = Rules[part.Rule];
    const std::string& cell = row[rule.Cell];
    const int32_t v = IntOf(part.RuleValue).value_or(0);
    switch (rule.Test) {
        case RuleTest::All:
            return true;
        case RuleTest::IntAtLeast:
            return IntCell(cell, rule.Default) >= v;
        case RuleTest::NumAtLeast:
            return NumCell(cell, rule.Default) >= v;
        case RuleTest::IntAtMost:
            return IntCell(cell, rule.Default) <= v;
        case RuleTest::NumAtMost:
            return NumCell(cell, rule.Default) <= v;
        case RuleTest::IntList: {
            // The cell is read once the list has an item, so an empty list never fails.
            const std::vector<std::string_view> items = SplitWords(part.RuleValue, ",;");
            for (std::string_view item : items) {
                if (IntOrFail(cell) == IntOrFail(TrimBlanks(item))) return true;
            }
            return false;
        }
        case RuleTest::NumList: {
            const std::vector<std::string_view> items = SplitWords(part.RuleValue, ",;");
            for (std::string_view item : items) {
                if (NumberOrFail(cell) == NumberOrFail(TrimBlanks(item))) return true;
            }
            return false;
        }
    }
    return false;
}

bool RowEndsWalk(const TFilterPart& part, const TStatValues& row) {
    double reached = 0;
    if (part.StopCondition == StopSV) {
        reached = IntCell(row[CellCount], 0);
    } else if (part.StopCondition == StopSP) {
        reached = NumCell(row[CellCountPercent], 0);
    } else {
        return false;
    }
    return part.BottomUp ? reached >= part.StopValue : reached <= part.StopValue;
}

std::string StatRowLogText(const TStatValues& row) {
    return Format("< [%s] кол-во: %s (%s %%), отклонение: %s (%s %%), глубина: %s (%s %%), вес: %s >",
                  {row[CellValueText], row[CellCount], row[CellCountPercent], row[CellDeviation],
                   row[CellDeviationPercent], row[CellDepth], row[CellDepthPercent], row[CellWeight]});
}

}  // namespace quorvel
