#include "core/stats/stat_class.h"

#include "core/util/format.h"

namespace quorvel {

namespace {

struct GroupName {
    const char* Short;
    const char* Title;
};

constexpr GroupName Groups[StatGroupCount] = {
    {"num", "Числа тиража"},
    {"sum", "Сумма чисел тиража"},
    {"dif", "Разности между числами тиража"},
    {"grp", "Каналы (группы чисел)"},
    {"mtx", "Матрица тиража"},
    {"sgm", "Сегменты матрицы тиража"},
    {"seq", "Последовательности чисел в одном тираже"},
    {"rep", "Повторяющиеся числа в нескольких тиражах"},
    {"ser", "Серии (цепочки) значений"},
    {"per", "Периоды повторения значений"},
    {"mov", "Переходы (изменения) значений между тиражами"},
    {"ogn", "Характеристическое число Veveda"},
    {"shr", "Методы шинковки"},
};

bool ValidGroup(int group) {
    return group >= 0 && group < StatGroupCount;
}

}  // namespace

std::string GroupShortName(int group) {
    return ValidGroup(group) ? Groups[group].Short : "#ERROR#";
}

std::string GroupTitle(int group) {
    return ValidGroup(group) ? Groups[group].Title : "#ERROR#";
}

std::string GroupText(int group) {
    if (!ValidGroup(group)) return "#ERROR#";
    return Format("{ %1:s } %0:s", {Groups[group].Title, Groups[group].Short});
}

std::string FeatureLetters(uint8_t flags) {
    static constexpr char Letters[] = {'S', 'N', 'D', 'P', 'G'};
    std::string letters;
    for (int bit = 0; bit < 5; ++bit) {
        if ((flags & (1 << bit)) != 0) letters += Letters[bit];
    }
    return letters;
}

uint8_t TStatClass::DisplayFlags() const {
    return Graph ? static_cast<uint8_t>(Flags | FeatureGraph) : Flags;
}

std::string TStatClass::Code(int param) const {
    return Format(CodeFormat, {param});
}

std::string TStatClass::Title(int param) const {
    return TitleOverride != nullptr ? TitleOverride(param) : Format(TitleFormat, {param});
}

}  // namespace quorvel
