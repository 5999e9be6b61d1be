#pragma once

#include <QComboBox>
#include <vector>

#include "core/stats/stat_list.h"

namespace quorvel::gui {

// A method list of the main window: each item carries the catalogue entry it stands for
// (Qt::UserRole), so the texts may be sorted or renamed freely.
class MethodCombo : public QComboBox {
    Q_OBJECT

public:
    explicit MethodCombo(const QString& name, QWidget* parent = nullptr);

    // Replaces the items and selects the position when it is inside the new list; otherwise
    // nothing is selected. Emits EntryChanged once, after the list is complete.
    void Fill(const std::vector<TStatList::MethodListItem>& items, int position);
    // The catalogue entry of the chosen item, -1 when nothing is chosen.
    int CurrentEntry() const;

signals:
    void EntryChanged();
};

}  // namespace quorvel::gui
