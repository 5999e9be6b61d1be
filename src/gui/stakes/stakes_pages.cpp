#include "gui/stakes/stakes_pages.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "core/util/format.h"
#include "gui/stakes/stake_values_delegate.h"
#include "gui/widgets/column_widths.h"

namespace quorvel::gui {

namespace {

QTableView* NewList(QAbstractItemModel* model, QWidget* parent) {
    auto* view = new QTableView(parent);
    view->setTabKeyNavigation(false);  // Tab leaves the table; arrows move in it
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::ContiguousSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setContextMenuPolicy(Qt::ActionsContextMenu);
    view->verticalHeader()->setVisible(false);
    view->verticalHeader()->setDefaultSectionSize(20);
    return view;
}

}  // namespace

StakesPage::StakesPage(StakesFile& stakes, QWidget* parent)
    : QWidget(parent), model_(new StakesModel(stakes, this)), grid_(NewList(model_, this)) {
    setObjectName("tsStakes");
    grid_->setObjectName("sgStakes");
    SetStartingWidths(grid_, StakeColumnWidths);
    auto* values = new StakeValuesDelegate(grid_);
    for (int column : {2, 4})
        grid_->setItemDelegateForColumn(column, values);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grid_);
    connect(grid_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &StakesPage::SelectionChanged);
}

void StakesPage::Refresh(bool moveToEnd) {
    model_->Refresh();
    if (moveToEnd && model_->rowCount() > 0) grid_->scrollToBottom();
    emit SelectionChanged();
}

std::pair<int, int> StakesPage::SelectedRange() const {
    int first = -1;
    int last = -1;
    for (const QModelIndex& index : grid_->selectionModel()->selectedRows()) {
        if (first < 0 || index.row() < first) first = index.row();
        last = std::max(last, index.row());
    }
    return {first, last};
}

RatingPage::RatingPage(Workspace& workspace, QWidget* parent)
    : QWidget(parent),
      workspace_(workspace),
      model_(new RatingModel(workspace, this)),
      list_(NewList(model_, this)) {
    setObjectName("tsRatings");
    list_->setObjectName("lvRatings");
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setColumnWidth(0, 400);
    list_->horizontalHeader()->setSortIndicatorShown(true);
    list_->horizontalHeader()->setSectionsClickable(true);
    significanceLine_ = new QLabel(this);
    significanceLine_->setObjectName("lbSignificance");
    significanceLine_->setVisible(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list_);
    layout->addWidget(significanceLine_);
    connect(list_->horizontalHeader(), &QHeaderView::sectionClicked, this, &RatingPage::SortRequested);
    connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &RatingPage::SelectionChanged);
    connect(model_, &QAbstractItemModel::modelReset, this, &RatingPage::SelectionChanged);
    connect(list_, &QAbstractItemView::doubleClicked, this, &RatingPage::RowActivated);
}

void RatingPage::Refresh(std::optional<SignificanceReport> significance) {
    if (significance) {
        // Said in the window's own words rather than the command line's, in the interface language.
        significanceLine_->setText(
            tr("Строк со ставками: %1; из них q (угадано) не больше %2: %3; случайная игра дала бы p не "
               "больше %2 примерно в %4")
                .arg(significance->Compared)
                .arg(QString::fromStdString(FormatFixed(0.05, 2)))
                .arg(significance->Discoveries)
                .arg(QString::fromStdString(FormatFixed(0.05 * significance->Compared, 2))));
    }
    significanceLine_->setVisible(significance.has_value());
    model_->Refresh(std::move(significance));
    list_->horizontalHeader()->setSortIndicator(
        workspace_.Stakes().RatingSortColumn(),
        workspace_.Stakes().RatingDescending() ? Qt::DescendingOrder : Qt::AscendingOrder);
}

std::vector<int> RatingPage::SelectedRows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : list_->selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

}  // namespace quorvel::gui
