#pragma once

namespace quorvel::gui {

// Nothing the program titles is cut on screen: every dialog is at least as wide as its title
// needs beside a window manager's buttons ("Колич…тестов"), and every column of a table at
// least as wide as the style draws its caption in, whenever the table is shown or its columns
// change. Installed once for the application; later calls do nothing.
void KeepCaptionsWhole();

}  // namespace quorvel::gui
