#pragma once

#include <QWidget>
#include <array>
#include <string>
#include <vector>

#include "core/views/layout.h"

class QTableView;
class QTableWidget;
class QToolButton;

namespace quorvel::gui {

class PanelSplitter;
class ViewGridModel;
class ViewLengthBox;

// The "Схема" tab: the layout grid of the values of a window of draws and, below it, the five
// compare lists of windows of their own lengths.
class LayoutPage : public QWidget {
    Q_OBJECT

public:
    static constexpr int CompareListCount = 5;

    explicit LayoutPage(QWidget* parent = nullptr);

    void ShowGrid(TLayoutGrid grid, bool gradient);
    void SetGradient(bool gradient);
    void ShowCompare(int list, const TLayoutCompareList& compare);
    const TLayoutGrid& Grid() const { return grid_; }
    QTableView* Table() const { return table_; }
    QTableWidget* CompareList(int list) const { return compare_[list]; }
    ViewLengthBox* Length() const { return length_; }
    ViewLengthBox* CompareLength(int list) const { return compareLength_[list]; }
    QToolButton* RefreshButton() const { return refresh_; }
    QToolButton* CompareRefreshButton() const { return compareRefresh_; }
    // The compare lists' height, "LayoutCompareHeight".
    PanelSplitter* Splitter() const { return splitter_; }
    // The texts of the selected data cells.
    std::vector<std::string> SelectedTexts() const;
    bool HasSelection() const;

private:
    TLayoutGrid grid_;
    bool gradient_ = true;
    ViewGridModel* model_;
    QTableView* table_;
    PanelSplitter* splitter_;
    ViewLengthBox* length_;
    QToolButton* refresh_;
    QToolButton* compareRefresh_;
    std::array<QTableWidget*, CompareListCount> compare_{};
    std::array<ViewLengthBox*, CompareListCount> compareLength_{};
};

}  // namespace quorvel::gui
