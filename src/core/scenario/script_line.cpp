#include "core/scenario/script_line.h"

#include "core/scenario/filter_item.h"
#include "core/util/format.h"
#include "core/util/text.h"

namespace quorvel {

namespace {

struct ModeTexts {
    const char* Code;
    const char* Long;
    const char* Short;
};

constexpr ModeTexts ListModes[ScriptListModeCount] = {
    {"FULL", "Исходный список (рекомендуется для тестов)", "Исходный список"},
    {"EXCL", "Удалить N последних тиражей (для прогнозов)", "Исключить %d тиражей"},
    {"CURR", "Текущий список (для последовательного выполнения)", "Текущий список"},
};

constexpr ModeTexts StakeModes[ScriptStakeModeCount] = {
    {"RAND", "Выбрать одну случайную комбинацию", "Случайно"},
    {"FIRST", "Выбрать первую комбинацию в списке", "Первая"},
    {"LAST", "Выбрать последнюю комбинацию в списке", "Последняя"},
    {"ALL", "Выбрать все комбинации (не рекомендуется)", "Все"},
    {"SYSA", "Системная игра [вся система]", "Система [все]"},
    {"SYSC", "Системная игра [система * комбинации]", "Система [комб]"},
    {"STOP", "Остановить выполнение сценария", "Остановить"},
    {"SKIP", "Пропустить (игнорировать) эту ставку", "Пропустить"},
    {"NONE", "Не делать ставок (для последовательного выполнения)", "Не делать ставок"},
};

template <size_t N>
const ModeTexts* ModeAt(const ModeTexts (&table)[N], int mode) {
    return mode >= 0 && mode < static_cast<int>(N) ? &table[mode] : nullptr;
}

template <size_t N>
std::string TextOf(const ModeTexts (&table)[N], int mode, const char* ModeTexts::*field) {
    const ModeTexts* texts = ModeAt(table, mode);
    return texts != nullptr ? texts->*field : ScriptErrorText;
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return LowerCase(text).starts_with(LowerCase(prefix));
}

}  // namespace

std::string ListModeCode(int mode) {
    return TextOf(ListModes, mode, &ModeTexts::Code);
}
std::string ListModeLongText(int mode) {
    return TextOf(ListModes, mode, &ModeTexts::Long);
}
std::string ListModeShortText(int mode) {
    return TextOf(ListModes, mode, &ModeTexts::Short);
}
std::string StakeModeCode(int mode) {
    return TextOf(StakeModes, mode, &ModeTexts::Code);
}
std::string StakeModeLongText(int mode) {
    return TextOf(StakeModes, mode, &ModeTexts::Long);
}
std::string StakeModeShortText(int mode) {
    return TextOf(StakeModes, mode, &ModeTexts::Short);
}

TScriptOptions StrToScriptOptions(std::string_view text) {
    TScriptOptions options;
    const std::vector<std::string_view> words = SplitWords(text, "#");
    if (words.empty()) return options;
    const std::string_view first = TrimBlanks(words[0]);
    for (int mode = 0; mode < ScriptListModeCount; ++mode) {
        if (StartsWithIgnoringCase(first, ListModes[mode].Code)) {
            options.ListMode = static_cast<uint8_t>(mode);
            break;
        }
    }
    const std::vector<std::string_view> parts = SplitWords(first, ":");
    if (parts.size() > 1) options.DrawsExclude = ParseInt32(TrimBlanks(parts[1])).value_or(0);
    if (words.size() > 1) {
        const std::string_view stake = TrimBlanks(words[1]);
        for (int mode = 0; mode < ScriptStakeModeCount; ++mode) {
            if (SameTextIgnoringCase(stake, StakeModes[mode].Code)) {
                options.StakeMode = static_cast<uint8_t>(mode);
                break;
            }
        }
    }
    for (size_t i = 2; i < words.size(); ++i) {
        const std::string_view word = TrimBlanks(words[i]);
        if (SameTextIgnoringCase(word, "CLR")) {
            options.ClearStakes = true;
        } else if (SameTextIgnoringCase(word, "NEX")) {
            options.NewStakesOnly = true;
        }
    }
    return options;
}

std::string ScriptOptionsToStr(const TScriptOptions& options) {
    std::string text = ListModeCode(options.ListMode) + ":" + std::to_string(options.DrawsExclude) + "#" +
                       StakeModeCode(options.StakeMode);
    if (options.ClearStakes) text += "#CLR";
    if (options.NewStakesOnly) text += "#NEX";
    return text;
}

std::string ScriptOptionsToShortStr(const TScriptOptions& options) {
    std::string text = ListModeCode(options.ListMode);
    if (options.ListMode == ListModeExcl) text += ":" + std::to_string(options.DrawsExclude);
    text += "#" + StakeModeCode(options.StakeMode);
    if (options.NewStakesOnly) text += "#NEX";
    return text;
}

std::string ScriptOptionsDisplayText(const TScriptOptions& options) {
    std::string text = Format(ListModeShortText(options.ListMode), {options.DrawsExclude});
    text += "; " + StakeModeShortText(options.StakeMode);
    if (options.ClearStakes) text += "; Удалить ставки";
    text += options.NewStakesOnly ? "; Только новые ставки" : "; Все создаваемые ставки";
    return text;
}

std::string ScriptLineField(std::string_view line, int field) {
    const std::vector<std::string_view> fields = SplitWords(line, "|");
    if (field < 1 || field > static_cast<int>(fields.size())) return {};
    return std::string(TrimBlanks(fields[static_cast<size_t>(field - 1)]));
}

std::string ScriptLineOptions(std::string_view line) {
    return ScriptLineField(line, 1);
}

std::string ScriptLineComment(std::string_view line) {
    return ScriptLineField(line, ScriptFieldCount);
}

std::string ScriptLineStep(std::string_view line, int step) {
    if (step < 1 || step > ScriptStepCount) return {};
    return ScriptLineField(line, step + 1);
}

bool IsScriptSeparator(std::string_view line) {
    return TrimBlanks(line).empty();
}

std::string MakeScriptLine(const TScriptOptions& options,
                           const std::array<std::string, ScriptStepCount>& steps, std::string_view comment) {
    std::string line = ScriptOptionsToStr(options);
    for (const std::string& step : steps) {
        const std::string_view text = TrimBlanks(step);
        line += "|";
        line += text.empty() ? std::string_view(" ") : text;
    }
    line += "|";
    line += TrimBlanks(comment);
    return line;
}

ScriptListRow ScriptListCells(std::string_view line, const TStatList& catalogue) {
    ScriptListRow cells;
    if (IsScriptSeparator(line)) return cells;
    const std::vector<std::string_view> fields = SplitWords(line, "|");
    auto field = [&](int n) {
        return n <= static_cast<int>(fields.size()) ? TrimBlanks(fields[static_cast<size_t>(n - 1)])
                                                    : std::string_view();
    };
    cells[0] = std::string(field(ScriptFieldCount));
    cells[1] = ScriptOptionsDisplayText(StrToScriptOptions(field(1)));
    for (int step = 1; step <= ScriptStepCount; ++step) {
        cells[static_cast<size_t>(step + 1)] =
            FilterItemToStr(StrToFilterItem(field(step + 1), catalogue), catalogue);
    }
    return cells;
}

}  // namespace quorvel
