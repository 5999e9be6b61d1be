#pragma once

#include <QAbstractTableModel>

#include "core/app/workspace.h"

namespace quorvel::gui {

// The systems list over the workspace's local systems. Display texts and the values the list
// sorts by are separate roles, so that numbers and dates sort as such.
class SystemsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int SortRole = Qt::UserRole + 1;

    explicit SystemsModel(const Workspace& workspace, QObject* parent = nullptr);

    // Follows the workspace's list after it was reloaded or cleared.
    void Refresh();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QVariant SortValue(const TSystemInfo& info, int column) const;

    const Workspace& workspace_;
};

}  // namespace quorvel::gui
