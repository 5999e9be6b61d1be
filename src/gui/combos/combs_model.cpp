#include "gui/combos/combs_model.h"

#include <QApplication>
#include <QBrush>
#include <QColor>
#include <QStyle>

#include "core/model/colors.h"

namespace quorvel::gui {

CombsModel::CombsModel(const TCombList& combs, QObject* parent)
    : QAbstractTableModel(parent), combs_(combs) {}

void CombsModel::SetColors(bool colorCombs, int channelSize) {
    colorCombs_ = colorCombs;
    channelSize_ = channelSize;
    Refresh();
}

void CombsModel::Refresh() {
    beginResetModel();
    endResetModel();
}

int CombsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : combs_.CombCount();
}

int CombsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CombsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= combs_.CombCount()) return {};
    const TComb& comb = combs_.CombAt(index.row());
    const bool valueCell = index.column() >= ColValue1 && index.column() <= ColValue3;
    switch (role) {
        case Qt::DisplayRole:
            if (index.column() == ColRow) return index.row() + 1;
            if (valueCell) return comb.Values[static_cast<size_t>(index.column() - ColValue1)];
            return comb.Values[0] + comb.Values[1] + comb.Values[2];
        case Qt::BackgroundRole:
            if (!colorCombs_) return {};
            if (valueCell) {
                return QBrush(QColor::fromRgb(
                    ValueColor(comb.Values[static_cast<size_t>(index.column() - ColValue1)], channelSize_)));
            }
            return QBrush(Qt::white);
        case Qt::ForegroundRole:
            return colorCombs_ ? QVariant(QBrush(Qt::black)) : QVariant();
        case Qt::TextAlignmentRole:
            return QVariant(Qt::AlignCenter);
        default:
            return {};
    }
}

QVariant CombsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
        case ColRow:
            return tr("№ п.п.");
        case ColValue1:
            return QStringLiteral("1");
        case ColValue2:
            return QStringLiteral("2");
        case ColValue3:
            return QStringLiteral("3");
        case ColSum:
            return QStringLiteral("S");
        default:
            return {};
    }
}

AppliedFiltersModel::AppliedFiltersModel(const TCombList& combs, QObject* parent)
    : QAbstractTableModel(parent), combs_(combs) {}

void AppliedFiltersModel::Refresh() {
    beginResetModel();
    endResetModel();
}

int AppliedFiltersModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(combs_.Applied().size());
}

int AppliedFiltersModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 3;
}

QVariant AppliedFiltersModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const TAppliedFilter& row = combs_.Applied()[static_cast<size_t>(index.row())];
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
            case 0:
                return QString::fromStdString(row.Source);
            case 1:
                return QString::fromStdString(row.Values);
            default:
                return row.Count;
        }
    }
    if (role == Qt::DecorationRole && index.column() == 0) {
        // The images of the keeping and removing actions, and of undo.
        const QStyle::StandardPixmap icon = row.Image == AppliedKeepImage     ? QStyle::SP_DialogApplyButton
                                            : row.Image == AppliedRemoveImage ? QStyle::SP_DialogDiscardButton
                                                                              : QStyle::SP_ArrowBack;
        return QApplication::style()->standardIcon(icon);
    }
    if (role == Qt::TextAlignmentRole && index.column() == 2) return QVariant(Qt::AlignCenter);
    return {};
}

QVariant AppliedFiltersModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
        case 0:
            return tr("Примененные фильтры");
        case 1:
            return tr("Значения");
        default:
            return tr("Комбинаций");
    }
}

}  // namespace quorvel::gui
