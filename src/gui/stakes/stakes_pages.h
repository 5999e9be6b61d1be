#pragma once

#include <QWidget>
#include <vector>

#include "gui/stakes/stakes_models.h"

class QTableView;

class QLabel;

namespace quorvel::gui {

// The "Ставки" tab: the stakes grid.
class StakesPage : public QWidget {
    Q_OBJECT

public:
    StakesPage(StakesFile& stakes, QWidget* parent = nullptr);

    QTableView* Grid() const { return grid_; }
    StakesModel* Model() const { return model_; }
    // Follows the file; moveToEnd shows the last record.
    void Refresh(bool moveToEnd);
    // The first and last selected rows counted as the file's records, or -1 when none.
    std::pair<int, int> SelectedRange() const;

signals:
    void SelectionChanged();

private:
    StakesModel* model_;
    QTableView* grid_;
};

// The "Рейтинг" tab: the rating list, sorted by a click on a column header.
class RatingPage : public QWidget {
    Q_OBJECT

public:
    RatingPage(Workspace& workspace, QWidget* parent = nullptr);

    QTableView* List() const { return list_; }
    RatingModel* Model() const { return model_; }
    // Refills the list and shows the workspace's sort column and direction; with a significance
    // report, its probabilities as columns and its summary under the list.
    void Refresh(std::optional<SignificanceReport> significance = std::nullopt);
    QLabel* SignificanceLine() const { return significanceLine_; }
    // The selected rows in list order.
    std::vector<int> SelectedRows() const;

signals:
    void SortRequested(int column);
    void SelectionChanged();
    void RowActivated();

private:
    Workspace& workspace_;
    RatingModel* model_;
    QTableView* list_;
    QLabel* significanceLine_;
};

}  // namespace quorvel::gui
