#include "gui/systems/systems_page.h"

#include <QHeaderView>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

namespace quorvel::gui {

namespace {

constexpr int ColumnWidths[SystemColumnCount] = {220, 110, 62, 48, 95, 145, 145, 85, 75, 300, 200};

}  // namespace

SystemsPage::SystemsPage(const Workspace& workspace, QWidget* parent)
    : QWidget(parent),
      workspace_(workspace),
      model_(new SystemsModel(workspace, this)),
      sorted_(new QSortFilterProxyModel(this)),
      bar_(new QToolBar(this)),
      stakeBar_(new QToolBar(this)),
      list_(new QTableView(this)) {
    setObjectName("tsSystems");
    bar_->setObjectName("tbSystems");
    bar_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    // The stake actions have long captions: a row of their own keeps every action in sight.
    stakeBar_->setObjectName("tbSystemStakes");
    stakeBar_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    sorted_->setSourceModel(model_);
    sorted_->setSortRole(SystemsModel::SortRole);
    list_->setObjectName("lvSystems");
    list_->setTabKeyNavigation(false);  // Tab leaves the table; arrows move in it
    list_->setModel(sorted_);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setContextMenuPolicy(Qt::ActionsContextMenu);
    list_->verticalHeader()->setVisible(false);
    list_->verticalHeader()->setDefaultSectionSize(20);
    list_->setSortingEnabled(true);
    list_->sortByColumn(SystemNumbersColumn, Qt::AscendingOrder);
    for (int column = 0; column < SystemColumnCount; ++column)
        list_->setColumnWidth(column, ColumnWidths[column]);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar_);
    layout->addWidget(stakeBar_);
    layout->addWidget(list_);
    connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &SystemsPage::SelectionChanged);
    connect(list_, &QTableView::doubleClicked, this, &SystemsPage::RowActivated);
}

void SystemsPage::Refresh() {
    model_->Refresh();
    emit SelectionChanged();
}

std::optional<TSystemInfo> SystemsPage::SelectedSystem() const {
    const QModelIndexList rows = list_->selectionModel()->selectedRows();
    if (rows.isEmpty()) return std::nullopt;
    const int row = sorted_->mapToSource(rows.first()).row();
    const auto& systems = workspace_.Systems().List();
    if (row < 0 || row >= static_cast<int>(systems.size())) return std::nullopt;
    return systems[static_cast<size_t>(row)];
}

void SystemsPage::SelectFile(const std::filesystem::path& file) {
    const auto& systems = workspace_.Systems().List();
    for (size_t row = 0; row < systems.size(); ++row) {
        if (systems[row].File != file) continue;
        list_->selectRow(sorted_->mapFromSource(model_->index(static_cast<int>(row), 0)).row());
        return;
    }
}

}  // namespace quorvel::gui
