#include "gui/stats/stat_table_model.h"

#include "gui/widgets/core_text.h"

namespace quorvel::gui {

namespace {

Qt::Alignment ColumnAlignment(int column) {
    if (column == 0) return Qt::AlignLeft | Qt::AlignVCenter;
    if (column == 9 || column >= 13) return Qt::AlignCenter;
    return Qt::AlignRight | Qt::AlignVCenter;
}

}  // namespace

StatTableModel::StatTableModel(const TStatTable& table, QObject* parent)
    : QAbstractTableModel(parent), table_(table) {}

void StatTableModel::Refresh() {
    beginResetModel();
    endResetModel();
}

int StatTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(table_.Rows.size());
}

int StatTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : StatColumnCount;
}

QVariant StatTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    if (role == Qt::DisplayRole) {
        return QString::fromStdString(
            table_.Rows[static_cast<size_t>(index.row())].Texts[static_cast<size_t>(index.column())]);
    }
    if (role == Qt::TextAlignmentRole) return QVariant(ColumnAlignment(index.column()));
    return {};
}

QVariant StatTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < StatColumnCount) {
        return ColumnText(StatColumnCaptions[static_cast<size_t>(section)]);
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

}  // namespace quorvel::gui
