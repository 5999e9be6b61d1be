#include "gui/app/option_toggle.h"

#include <QAction>

namespace quorvel::gui {

void ToggleUiOption(Workspace& workspace, UiHost& host, QAction* action, const char* key,
                    bool TUiOptions::*flag) {
    bool& value = workspace.Options().*flag;
    value = !value;
    action->setChecked(value);
    try {
        workspace.UiState().WriteUiBool(key, value);
    } catch (const std::exception& e) {
        host.ShowError(ActionError("Ошибка сохранения параметров программы!\r\r%s", e.what()));
    }
}

}  // namespace quorvel::gui
