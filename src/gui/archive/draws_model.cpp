#include "gui/archive/draws_model.h"

#include <QBrush>
#include <QColor>

#include "core/model/colors.h"
#include "core/model/transforms.h"

namespace quorvel::gui {

DrawsModel::DrawsModel(const DrawArchive& archive, QObject* parent)
    : QAbstractTableModel(parent), archive_(archive), shownRows_(archive.Count()) {}

void DrawsModel::SetOptions(const DrawsListOptions& options) {
    options_ = options;
    Refresh(false);
}

void DrawsModel::Refresh(bool force) {
    if (force || shownRows_ != archive_.Count()) {
        beginResetModel();
        shownRows_ = archive_.Count();
        endResetModel();
    } else if (shownRows_ > 0) {
        emit dataChanged(index(0, 0), index(shownRows_ - 1, ColumnCount - 1));
    }
}

int DrawsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shownRows_;
}

int DrawsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant DrawsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= archive_.Count()) return {};
    TDraw draw = archive_.DrawAtRow(index.row());
    if (options_.SortedDraws) draw = SortDrawValues(draw);
    switch (role) {
        case Qt::DisplayRole:
            return Text(draw, index.column());
        case Qt::UserRole:
            return draw.Number;
        case Qt::BackgroundRole:
            return Background(draw, index.row(), index.column());
        case Qt::ForegroundRole:
            return QBrush(Qt::black);
        case Qt::TextAlignmentRole:
            return index.column() == ColDate ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                             : QVariant(Qt::AlignCenter);
        default:
            return {};
    }
}

QVariant DrawsModel::Text(const TDraw& draw, int column) const {
    switch (column) {
        case ColNumber:
            return draw.Number;
        case ColValue1:
        case ColValue2:
        case ColValue3:
            return draw.Values[column - ColValue1];
        case ColSum:
            return draw.Values[0] + draw.Values[1] + draw.Values[2];
        case ColDate:
            return QString::fromStdString(draw.DateText.Text());
        default:
            return {};
    }
}

QVariant DrawsModel::Background(const TDraw& draw, int row, int column) const {
    const bool valueCell = column >= ColValue1 && column <= ColValue3;
    if (options_.ColorDraws && valueCell) {
        // A value outside 0..9 (from a damaged file) shows in pure red.
        return QBrush(QColor::fromRgb(ValueColor(draw.Values[column - ColValue1], options_.ChannelSize)));
    }
    if (row == archive_.Offset()) return QBrush(QColor::fromRgb(OffsetRowColor));
    return options_.ColorDraws ? QVariant(QBrush(Qt::white)) : QVariant();
}

QVariant DrawsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
        case ColNumber:
            return tr("Тираж");
        case ColValue1:
            return QStringLiteral("1");
        case ColValue2:
            return QStringLiteral("2");
        case ColValue3:
            return QStringLiteral("3");
        case ColSum:
            return QStringLiteral("S");
        case ColDate:
            return tr("Дата тиража");
        default:
            return {};
    }
}

}  // namespace quorvel::gui
