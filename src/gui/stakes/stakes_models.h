#pragma once

#include <QAbstractTableModel>
#include <optional>

#include "core/app/workspace.h"
#include "core/stakes/significance.h"

namespace quorvel::gui {

// The stakes grid: a view over the stakes file that reads each shown record on demand through
// the file's one-record cache and never keeps records itself. Row r shows record r.
class StakesModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // Of "Моя ставка" and "Результаты тиража" of a checked stake: bit p is set when the staked
    // and drawn values at position p are equal. Nothing for other cells.
    static constexpr int MatchMaskRole = Qt::UserRole + 1;

    explicit StakesModel(StakesFile& stakes, QObject* parent = nullptr);

    // Follows the file after any change of its records.
    void Refresh();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    StakesFile& stakes_;
    int rows_ = 0;
};

// The rating list over the workspace's rating texts.
class RatingModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit RatingModel(Workspace& workspace, QObject* parent = nullptr);

    // Follows the rating; with a report, its four probabilities stand after the rating's columns.
    void Refresh(std::optional<SignificanceReport> significance = std::nullopt);
    const std::optional<SignificanceReport>& Significance() const { return significance_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    Workspace& workspace_;
    std::optional<SignificanceReport> significance_;
};

}  // namespace quorvel::gui
