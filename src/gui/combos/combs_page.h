#pragma once

#include <QWidget>
#include <vector>

#include "gui/combos/combs_model.h"

class QPushButton;
class QLabel;
class QSpinBox;
class QSplitter;
class QTableView;

namespace quorvel::gui {

// The "Комбинации" page: the exclusion box, the combination list and the applied filters.
class CombsPage : public QWidget {
    Q_OBJECT

public:
    explicit CombsPage(const TCombList& combs, QWidget* parent = nullptr);

    QTableView* List() const { return list_; }
    QTableView* Filters() const { return filters_; }
    QSplitter* Splitter() const { return splitter_; }
    QSpinBox* ExcludeBox() const { return exclude_; }
    QPushButton* ExcludeButton() const { return excludeButton_; }
    CombsModel* Model() const { return model_; }

    void Refresh();
    // While a scenario runs the list and the filters keep what they showed before it: a
    // notice above them says so.
    void ShowRunNotice(bool running);
    std::vector<int> SelectedRows() const;
    int FirstSelectedRow() const;

signals:
    void SelectionChanged();
    void RowActivated(int row);
    void ExcludeRequested();

private:
    CombsModel* model_;
    AppliedFiltersModel* filtersModel_;
    QTableView* list_;
    QTableView* filters_;
    QSplitter* splitter_;
    QSpinBox* exclude_;
    QPushButton* excludeButton_;
    QLabel* runNotice_;
};

}  // namespace quorvel::gui
