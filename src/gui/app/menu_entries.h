#pragma once

#include <QString>
#include <initializer_list>

#include "gui/app/action_list.h"

class QMenu;
class QMenuBar;
class QWidget;

namespace quorvel::gui {

// One entry per action name; nullptr stands for a separator.
using MenuEntries = std::initializer_list<const char*>;

// Adds the named actions to a menu or a list's context menu; names not defined are skipped.
void AddEntries(QWidget* target, const ActionList& actions, MenuEntries names);
// A menu of the bar placed before the help menu, which stays last.
QMenu* InsertBarMenu(QMenuBar* bar, const QString& title);

}  // namespace quorvel::gui
