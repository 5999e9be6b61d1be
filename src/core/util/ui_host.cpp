#include "core/util/ui_host.h"

#include "core/util/format.h"

namespace quorvel {

std::string ConfirmDeleteText(int count) {
    if (count == 1) return "Удалить выделенную запись?";
    return Format("Удалить все выделенные записи (всего будет удалено %d записи(ей))?", {count});
}

bool ConfirmDelete(UiHost& host, int count) {
    return host.AskDelete(ConfirmDeleteText(count));
}

std::string ActionError(const std::string& fixedText, const std::string& cause) {
    return Format(fixedText, {cause});
}

}  // namespace quorvel
