#include "gui/stakes/stakes_models.h"

#include <QApplication>
#include <QBrush>
#include <QColor>
#include <QPalette>
#include <algorithm>

#include "gui/widgets/core_text.h"

namespace quorvel::gui {

namespace {

enum StakeColumn {
    ColKind = 1,
    ColValues = 2,
    ColDrawValues = 4,
    ColMatchCount = 5,
    ColMatches = 6,
    ColProfit = 7,
    ColComment = 8
};

// The row tint of the stake's kind; a separator takes the window colour.
QVariant KindBrush(uint8_t kind) {
    if (const auto tint = StakeKindTint(kind)) return QBrush(QColor::fromRgb(*tint));
    return QBrush(QApplication::palette().color(QPalette::Window));
}

int MatchMask(const TStakeRecord& record) {
    int mask = 0;
    const int count = std::min<int>(record.Values.Count, PositionCount);
    for (int p = 0; p < count; ++p) {
        const auto at = static_cast<size_t>(p);
        if (record.Values.Values[at] == record.DrawValues[at]) mask |= 1 << p;
    }
    return mask;
}

}  // namespace

StakesModel::StakesModel(StakesFile& stakes, QObject* parent) : QAbstractTableModel(parent), stakes_(stakes) {
    rows_ = stakes_.IsOpen() ? stakes_.RecordCount() : 0;
}

void StakesModel::Refresh() {
    beginResetModel();
    rows_ = stakes_.IsOpen() ? stakes_.RecordCount() : 0;
    endResetModel();
}

int StakesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int StakesModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : StakeColumnCount;
}

QVariant StakesModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_ || !stakes_.IsOpen()) return {};
    const int column = index.column();
    if (role == Qt::TextAlignmentRole) {
        if (column == ColProfit) return QVariant(Qt::AlignRight | Qt::AlignVCenter);
        if (column == ColComment) return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
        return QVariant(Qt::AlignCenter);
    }
    if (role != Qt::DisplayRole && role != Qt::BackgroundRole && role != Qt::ForegroundRole &&
        role != MatchMaskRole)
        return {};
    TStakeRecord record;
    try {
        record = stakes_.Read(index.row());
    } catch (const std::exception&) {
        // A record that cannot be read shows as an empty row; the next refresh tells the truth.
        return {};
    }
    switch (role) {
        case Qt::DisplayRole: {
            const std::string text = StakeCellTexts(record)[static_cast<size_t>(column)];
            return column == ColKind ? ListEntryText(text) : QString::fromStdString(text);
        }
        case Qt::BackgroundRole:
            return KindBrush(record.Kind);
        case Qt::ForegroundRole:
            if (record.IsChecked() && column >= ColMatchCount && column <= ColProfit) {
                return QBrush(record.Profit > 0 ? QColor(Qt::darkGreen) : QColor(Qt::red));
            }
            return QBrush(Qt::black);
        case MatchMaskRole:
            if (!record.IsChecked() || (column != ColValues && column != ColDrawValues)) return {};
            return MatchMask(record);
        default:
            return {};
    }
}

QVariant StakesModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < StakeColumnCount)
        return ColumnText(StakeColumnCaptions[static_cast<size_t>(section)]);
    // The comment column is wide: its caption stands over the text's start, not out of sight.
    if (orientation == Qt::Horizontal && role == Qt::TextAlignmentRole && section == ColComment)
        return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    return QAbstractTableModel::headerData(section, orientation, role);
}

RatingModel::RatingModel(Workspace& workspace, QObject* parent)
    : QAbstractTableModel(parent), workspace_(workspace) {}

void RatingModel::Refresh(std::optional<SignificanceReport> significance) {
    beginResetModel();
    significance_ = std::move(significance);
    endResetModel();
}

int RatingModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : workspace_.Stakes().Rating().Count();
}

int RatingModel::columnCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    return RatingColumnCount + (significance_ ? SignificanceShownCount : 0);
}

QVariant RatingModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= workspace_.Stakes().Rating().Count()) return {};
    if (role == Qt::TextAlignmentRole)
        return index.column() == 0 ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                   : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole) return {};
    if (index.column() >= RatingColumnCount) {
        if (!significance_ || index.row() >= static_cast<int>(significance_->Rows.size())) return {};
        const SignificanceRow& row = significance_->Rows[static_cast<size_t>(index.row())];
        if (row.Stakes == 0) return QStringLiteral("-");
        const QString text = QString::fromStdString(
            ProbabilityText(SignificanceValue(row, index.column() - RatingColumnCount)));
        // Fewer stakes than the row counts: the probability is of those left in the stakes file.
        return row.Partial() ? text + " *" : text;
    }
    return QString::fromStdString(
        workspace_.Stakes().RatingTexts(index.row())[static_cast<size_t>(index.column())]);
}

QVariant RatingModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < RatingColumnCount)
        return ColumnText(RatingColumnCaptions[static_cast<size_t>(section)]);
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= RatingColumnCount &&
        section < columnCount())
        return ColumnText(SignificanceColumnCaptions[static_cast<size_t>(
            SignificanceShownColumns[static_cast<size_t>(section - RatingColumnCount)])]);
    return QAbstractTableModel::headerData(section, orientation, role);
}

}  // namespace quorvel::gui
