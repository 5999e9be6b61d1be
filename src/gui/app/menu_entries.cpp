#include "gui/app/menu_entries.h"

#include <QMenu>
#include <QMenuBar>

namespace quorvel::gui {

void AddEntries(QWidget* target, const ActionList& actions, MenuEntries names) {
    for (const char* name : names) {
        if (name == nullptr) {
            auto* separator = new QAction(target);
            separator->setSeparator(true);
            target->addAction(separator);
        } else if (QAction* action = actions.Find(name)) {
            target->addAction(action);
        }
    }
}

QMenu* InsertBarMenu(QMenuBar* bar, const QString& title) {
    auto* menu = new QMenu(title, bar);
    const QList<QAction*> menus = bar->actions();
    bar->insertMenu(menus.isEmpty() ? nullptr : menus.last(), menu);
    return menu;
}

}  // namespace quorvel::gui

namespace quorvel::gui {

QAction* AddAliasEntry(QMenu* menu, QAction* action, const QString& caption) {
    auto* alias = menu->addAction(caption);
    alias->setObjectName(action->objectName() + "Menu");
    alias->setStatusTip(action->statusTip());
    alias->setEnabled(action->isEnabled());
    QObject::connect(action, &QAction::changed, alias,
                     [alias, action] { alias->setEnabled(action->isEnabled()); });
    QObject::connect(alias, &QAction::triggered, action, [action] { action->trigger(); });
    return alias;
}

}  // namespace quorvel::gui
