#pragma once

#include <QAbstractTableModel>

#include "core/stats/stat_table.h"

namespace quorvel::gui {

// The statistics table: one row per value with its 20 column texts; rows keep their entries
// for the filters.
class StatTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit StatTableModel(const TStatTable& table, QObject* parent = nullptr);
    void Refresh();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const TStatTable& table_;
};

}  // namespace quorvel::gui
