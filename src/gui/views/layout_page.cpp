#include "gui/views/layout_page.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSplitter>
#include <QTableView>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/app/ui_state.h"
#include "gui/views/card_page.h"
#include "gui/views/panel_splitter.h"
#include "gui/widgets/core_text.h"

namespace quorvel::gui {

namespace {

constexpr int RowHeaderWidth = 50;
constexpr int ColumnWidth = 40;
constexpr int TextPadding = 10;

}  // namespace

LayoutPage::LayoutPage(QWidget* parent) : QWidget(parent) {
    setObjectName("tsLayout");
    auto* top = new QWidget(this);
    auto* topRow = new QHBoxLayout(top);
    topRow->setContentsMargins(2, 2, 2, 2);
    topRow->addWidget(new QLabel(tr("Тиражей:"), top));
    length_ = new ViewLengthBox("LayoutLen", top);
    topRow->addWidget(length_);
    refresh_ = new QToolButton(top);
    refresh_->setObjectName("LayoutCalcButton");
    topRow->addWidget(refresh_);
    topRow->addStretch(1);

    model_ = new ViewGridModel(this);
    table_ = new QTableView(this);
    table_->setTabKeyNavigation(false);  // Tab leaves the table; arrows move in it
    table_->setObjectName("LayoutGrid");
    table_->setModel(model_);
    table_->setContextMenuPolicy(Qt::ActionsContextMenu);
    table_->horizontalHeader()->setDefaultSectionSize(ColumnWidth);
    table_->verticalHeader()->setFixedWidth(RowHeaderWidth);
    table_->verticalHeader()->setDefaultSectionSize(20);

    auto* upper = new QWidget(this);
    auto* upperLayout = new QVBoxLayout(upper);
    upperLayout->setContentsMargins(0, 0, 0, 0);
    upperLayout->addWidget(top);
    upperLayout->addWidget(table_);

    auto* lower = new QWidget(this);
    lower->setObjectName("LayoutComparePanel");
    auto* lowerLayout = new QHBoxLayout(lower);
    lowerLayout->setContentsMargins(0, 0, 0, 0);
    compareRefresh_ = new QToolButton(lower);
    compareRefresh_->setObjectName("LayoutCmpCalcButton");
    for (int i = 0; i < CompareListCount; ++i) {
        auto* column = new QVBoxLayout;
        compareLength_[i] = new ViewLengthBox(QString("LayoutCompareLen%1").arg(i + 1), lower);
        auto* boxRow = new QHBoxLayout;
        boxRow->addWidget(compareLength_[i], 1);
        if (i == 0) boxRow->addWidget(compareRefresh_);
        column->addLayout(boxRow);
        compare_[i] = new QTableWidget(0, 2, lower);
        compare_[i]->setTabKeyNavigation(false);  // Tab leaves the table; arrows move in it
        compare_[i]->setObjectName(QString("LayoutCompareList%1").arg(i + 1));
        compare_[i]->setHorizontalHeaderLabels({ColumnText(LayoutCompareCountCaption), QString()});
        compare_[i]->verticalHeader()->hide();
        compare_[i]->setEditTriggers(QAbstractItemView::NoEditTriggers);
        compare_[i]->horizontalHeader()->setStretchLastSection(true);
        compare_[i]->horizontalHeader()->resizeSection(0, 50);
        column->addWidget(compare_[i]);
        lowerLayout->addLayout(column, 1);
    }
    setTabOrder(compareLength_[0], compareRefresh_);  // the button beside the first box comes after it
    setTabOrder(compareRefresh_, compare_[0]);

    splitter_ = new PanelSplitter(TUiOptions().LayoutCompareHeight, this);
    splitter_->setObjectName("splLayout");
    splitter_->SetParts(upper, lower);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter_);
}

void LayoutPage::ShowGrid(TLayoutGrid grid, bool gradient) {
    grid_ = std::move(grid);
    gradient_ = gradient;
    model_->Reset(
        grid_.ColumnCount(), grid_.RowCount(),
        [this](int column, int row) {
            if (row >= grid_.RowCount() || column >= grid_.ColumnCount()) return std::string();
            return grid_.Cells[row][column];
        },
        [this](int column, int row) { return LayoutCellColor(grid_, column, row, gradient_); });
    const QFontMetrics metrics(table_->font());
    for (int column = 1; column < grid_.ColumnCount(); ++column) {
        int width = ColumnWidth;
        for (int row = 0; row < grid_.RowCount(); ++row) {
            const int text = metrics.horizontalAdvance(QString::fromStdString(grid_.Cells[row][column]));
            width = std::max(width, text + TextPadding);
        }
        table_->horizontalHeader()->resizeSection(column - 1, width);
    }
}

void LayoutPage::SetGradient(bool gradient) {
    gradient_ = gradient;
    model_->Repaint();
}

void LayoutPage::ShowCompare(int list, const TLayoutCompareList& compare) {
    QTableWidget* table = compare_[list];
    table->setRowCount(0);
    table->setHorizontalHeaderItem(1, new QTableWidgetItem(QString::fromStdString(compare.Caption)));
    table->setRowCount(static_cast<int>(compare.Rows.size()));
    for (int row = 0; row < table->rowCount(); ++row) {
        const TLayoutCompareRow& entry = compare.Rows[row];
        table->setItem(row, 0, new QTableWidgetItem(QString::number(entry.Count)));
        table->setItem(row, 1, new QTableWidgetItem(QString::fromStdString(entry.Values)));
    }
}

std::vector<std::string> LayoutPage::SelectedTexts() const {
    std::vector<std::string> texts;
    for (const auto& [column, row] : SelectedGridCells(table_)) {
        if (row < grid_.RowCount() && column < grid_.ColumnCount()) texts.push_back(grid_.Cells[row][column]);
    }
    return texts;
}

bool LayoutPage::HasSelection() const {
    return table_->selectionModel() != nullptr && table_->selectionModel()->hasSelection();
}

}  // namespace quorvel::gui
