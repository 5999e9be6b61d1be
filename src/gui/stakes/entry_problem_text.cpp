#include "gui/stakes/entry_problem_text.h"

#include <QCoreApplication>

namespace quorvel::gui {

namespace {

// The core's texts, listed so that the translation tools find them.
[[maybe_unused]] constexpr const char* EntryProblemTexts[] = {
    QT_TRANSLATE_NOOP("EntryChecks", "Введена некорректная комбинация!"),
    QT_TRANSLATE_NOOP("EntryChecks", "Необходимо ввести комментарий!"),
    QT_TRANSLATE_NOOP("EntryChecks",
                      "Запись с таким комментарией уже присутствует в списке!\rВыберите другой комментарий."),
};

}  // namespace

std::optional<QString> EntryProblemMessage(EntryProblem problem) {
    if (problem == EntryProblem::None) return std::nullopt;
    return QCoreApplication::translate("EntryChecks", EntryProblemText(problem));
}

}  // namespace quorvel::gui
