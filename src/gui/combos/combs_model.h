#pragma once

#include <QAbstractTableModel>

#include "core/combos/comb_list.h"

namespace quorvel::gui {

// The combination list: rows made on demand, channel colours on the value cells.
class CombsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { ColRow, ColValue1, ColValue2, ColValue3, ColSum, ColumnCount };

    explicit CombsModel(const TCombList& combs, QObject* parent = nullptr);

    void SetColors(bool colorCombs, int channelSize);
    // Follows the list: any change of its contents resets the rows.
    void Refresh();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const TCombList& combs_;
    bool colorCombs_ = true;
    int channelSize_ = 2;
};

// The applied-filters list: source, values and the list size after each operation.
class AppliedFiltersModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit AppliedFiltersModel(const TCombList& combs, QObject* parent = nullptr);
    void Refresh();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const TCombList& combs_;
};

}  // namespace quorvel::gui
