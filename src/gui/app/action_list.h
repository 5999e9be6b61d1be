#pragma once

#include <QAction>
#include <QHash>
#include <QKeySequence>
#include <QObject>
#include <functional>

namespace quorvel::gui {

// The main window's actions: each has an enabling rule (its ...Update) and a body (its
// ...Execute). Every rule also requires the program not to be busy; the rules are evaluated
// again whenever the state may have changed.
class ActionList : public QObject {
    Q_OBJECT

public:
    using Rule = std::function<bool()>;
    using Body = std::function<void()>;

    ActionList(QObject* parent, Rule idle) : QObject(parent), idle_(std::move(idle)) {}

    QAction* Add(const QString& name, const QString& caption, const QKeySequence& shortcut, Rule update,
                 Body execute);
    QAction* Find(const QString& name) const { return entries_.value(name).action; }
    // The action answers its own rule even while the program is busy ("Стоп" of a run).
    void AllowWhileBusy(const QString& name) {
        if (entries_.contains(name)) entries_[name].whileBusy = true;
    }
    // A second key for an action whose own key the desktop takes first (Alt+F4 closes windows,
    // Ctrl+Alt+F4 switches consoles) or another action shares. The menu shows the second key,
    // which always reaches the program; the first one keeps working wherever it arrives.
    void AddReachableKey(const QString& name, const QKeySequence& key);
    // Runs an action's body as a trigger would, when its rule allows it.
    bool Execute(const QString& name);
    void UpdateAll();

private:
    struct Entry {
        QAction* action = nullptr;
        Rule update;
        Body execute;
        bool whileBusy = false;
    };

    Rule idle_;
    QHash<QString, Entry> entries_;
};

}  // namespace quorvel::gui
