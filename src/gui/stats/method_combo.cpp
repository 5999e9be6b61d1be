#include "gui/stats/method_combo.h"

#include <QSignalBlocker>

#include "gui/widgets/core_text.h"

namespace quorvel::gui {

MethodCombo::MethodCombo(const QString& name, QWidget* parent) : QComboBox(parent) {
    setObjectName(name);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(12);
    setMaxVisibleItems(30);
    connect(this, &QComboBox::currentIndexChanged, this, [this] { emit EntryChanged(); });
}

void MethodCombo::Fill(const std::vector<TStatList::MethodListItem>& items, int position) {
    {
        // A half-filled list must not announce its passing selections.
        const QSignalBlocker blocker(this);
        clear();
        for (const auto& item : items)
            addItem(MethodText(item.Text), item.Entry);
        setCurrentIndex(position >= 0 && position < count() ? position : -1);
    }
    emit EntryChanged();
}

int MethodCombo::CurrentEntry() const {
    const QVariant entry = currentData(Qt::UserRole);
    return entry.isValid() ? entry.toInt() : -1;
}

}  // namespace quorvel::gui
