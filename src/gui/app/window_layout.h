#pragma once

#include <QString>
#include <string>
#include <utility>
#include <vector>

#include "core/app/ui_state.h"

class QHeaderView;
class QWidget;

namespace quorvel::gui {

using UiValues = std::vector<std::pair<std::string, std::string>>;

// Window placement: "NormPos" as "left,top,right,bottom", a copy for the current screen size
// ("NormPos_%dx%d"), "ShowCmd" (1 normal, 3 maximised), "Flags", "PixelsPerInch", "MinMaxPos".
// The prefix names a secondary window; the main window has none.
void RestorePlacement(QWidget* window, const UiStateFile& state, const QString& prefix = {});
// Moves and shrinks a window, frame included, into the free area of its screen: a size kept from
// a larger screen, or the designed default, never leaves part of the window out of reach.
void FitIntoScreen(QWidget* window);
void AppendPlacement(const QWidget* window, UiValues& values, const QString& prefix = {});

// Column widths of a list as "%s.Column%d"; a missing key keeps the designed width.
void RestoreColumnWidths(QHeaderView* header, const QString& listName, const UiStateFile& state);
void AppendColumnWidths(const QHeaderView* header, const QString& listName, UiValues& values);

}  // namespace quorvel::gui
