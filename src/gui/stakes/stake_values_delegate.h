#pragma once

#include <QStyledItemDelegate>

namespace quorvel::gui {

// Draws the values of "Моя ставка" and "Результаты тиража" one by one, those at the positions
// where the staked and drawn values are equal in bold blue. The model tells those positions
// through StakesModel::MatchMaskRole; cells without it are drawn as usual.
class StakeValuesDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

}  // namespace quorvel::gui
