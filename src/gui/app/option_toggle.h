#pragma once

#include "core/app/workspace.h"

class QAction;

namespace quorvel::gui {

// Flips an option from its menu entry and writes its key at once; a failed write is shown and
// the new value holds for this run.
void ToggleUiOption(Workspace& workspace, UiHost& host, QAction* action, const char* key,
                    bool TUiOptions::*flag);

}  // namespace quorvel::gui
