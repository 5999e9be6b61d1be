#pragma once

#include <QString>
#include <initializer_list>

#include "gui/app/action_list.h"

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace quorvel::gui {

// One entry per action name; nullptr stands for a separator.
using MenuEntries = std::initializer_list<const char*>;

// Adds the named actions to a menu or a list's context menu; names not defined are skipped.
void AddEntries(QWidget* target, const ActionList& actions, MenuEntries names);
// An entry of a menu that runs an action under a caption of its own, enabled as the action is:
// where two actions share a caption (the table's and the graph's "Обновить") one menu still
// tells them apart. The entry has no key, so the action's key stays unique.
QAction* AddAliasEntry(QMenu* menu, QAction* action, const QString& caption);
// A menu of the bar placed before the help menu, which stays last.
QMenu* InsertBarMenu(QMenuBar* bar, const QString& title);

}  // namespace quorvel::gui
