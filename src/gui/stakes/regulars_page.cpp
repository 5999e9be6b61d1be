#include "gui/stakes/regulars_page.h"

#include <QHeaderView>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/widgets/column_widths.h"

namespace quorvel::gui {

namespace {

// All five in sight beside the draws panel on a screen 1024 pixels wide.
constexpr int ColumnWidths[RegularColumnCount] = {200, 170, 50, 170, 60};

}  // namespace

RegularsModel::RegularsModel(const Workspace& workspace, QObject* parent)
    : QAbstractTableModel(parent), workspace_(workspace) {}

void RegularsModel::Refresh() {
    beginResetModel();
    endResetModel();
}

int RegularsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(workspace_.Regulars().List().size());
}

int RegularsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : RegularColumnCount;
}

QVariant RegularsModel::data(const QModelIndex& index, int role) const {
    const auto& regulars = workspace_.Regulars().List();
    if (!index.isValid() || index.row() >= static_cast<int>(regulars.size())) return {};
    if (role == Qt::DisplayRole) {
        const auto texts = RegularCellTexts(regulars[static_cast<size_t>(index.row())]);
        return QString::fromStdString(texts[static_cast<size_t>(index.column())]);
    }
    if (role == Qt::TextAlignmentRole && index.column() > 0) return int(Qt::AlignCenter);
    return {};
}

QVariant RegularsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
        case 0:
            return tr("Комментарий");
        case 1:
            return tr("Стартовая комбинация");
        case 2:
            return tr("Шаг");
        case 3:
            return tr("Текущая комбинация");
        case 4:
            return tr("Ставок");
        default:
            return {};
    }
}

RegularsPage::RegularsPage(const Workspace& workspace, QWidget* parent)
    : QWidget(parent),
      model_(new RegularsModel(workspace, this)),
      bar_(new QToolBar(this)),
      list_(new QTableView(this)) {
    setObjectName("tsTables");
    bar_->setObjectName("tbTables");
    bar_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    list_->setObjectName("lvTables");
    list_->setTabKeyNavigation(false);  // Tab leaves the table; arrows move in it
    list_->setModel(model_);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setContextMenuPolicy(Qt::ActionsContextMenu);
    list_->verticalHeader()->setVisible(false);
    list_->verticalHeader()->setDefaultSectionSize(20);
    list_->horizontalHeader()->setStretchLastSection(true);
    SetStartingWidths(list_, ColumnWidths);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar_);
    layout->addWidget(list_);
    connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &RegularsPage::SelectionChanged);
    connect(list_, &QTableView::doubleClicked, this, &RegularsPage::RowActivated);
}

void RegularsPage::Refresh() {
    // A reset drops the selection, so the rows that still exist are selected again.
    const std::vector<int> selected = SelectedRows();
    model_->Refresh();
    QItemSelection keep;
    for (int row : selected) {
        if (row < model_->rowCount())
            keep.select(model_->index(row, 0), model_->index(row, RegularColumnCount - 1));
    }
    list_->selectionModel()->select(keep, QItemSelectionModel::Select);
    emit SelectionChanged();
}

std::vector<int> RegularsPage::SelectedRows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : list_->selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

}  // namespace quorvel::gui
