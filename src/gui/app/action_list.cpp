#include "gui/app/action_list.h"

namespace quorvel::gui {

QAction* ActionList::Add(const QString& name, const QString& caption, const QKeySequence& shortcut,
                         Rule update, Body execute) {
    auto* action = new QAction(caption, parent());
    action->setObjectName(name);
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::ApplicationShortcut);
    entries_.insert(name, Entry{action, std::move(update), std::move(execute)});
    connect(action, &QAction::triggered, this, [this, name] { Execute(name); });
    return action;
}

void ActionList::AddReachableKey(const QString& name, const QKeySequence& key) {
    QAction* action = Find(name);
    if (action == nullptr) return;
    QList<QKeySequence> keys = action->shortcuts();
    keys.prepend(key);
    action->setShortcuts(keys);
}

bool ActionList::Execute(const QString& name) {
    auto it = entries_.find(name);
    if (it == entries_.end()) return false;
    // The rule is asked again: a shortcut may fire before the last update ran.
    if ((!it->whileBusy && !idle_()) || (it->update && !it->update())) return false;
    Body body = it->execute;  // the body may rebuild the list
    if (body) body();
    UpdateAll();
    return true;
}

void ActionList::UpdateAll() {
    const bool idle = idle_();
    for (const Entry& entry : entries_) {
        entry.action->setEnabled((idle || entry.whileBusy) && (!entry.update || entry.update()));
    }
}

}  // namespace quorvel::gui
