#include "gui/archive/draws_page.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace quorvel::gui {

DrawsPage::DrawsPage(const DrawArchive& archive, QWidget* parent) : QWidget(parent), archive_(archive) {
    model_ = new DrawsModel(archive, this);
    list_ = new QTableView(this);
    list_->setTabKeyNavigation(false);  // Tab leaves the table; arrows move in it
    list_->setObjectName("lvDraws");
    list_->setModel(model_);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->verticalHeader()->setVisible(false);
    list_->verticalHeader()->setDefaultSectionSize(20);
    list_->horizontalHeader()->setHighlightSections(false);
    list_->horizontalHeader()->setStretchLastSection(true);
    const int designed[] = {60, 32, 32, 32, 32, 120};
    for (int c = 0; c < DrawsModel::ColumnCount; ++c)
        list_->horizontalHeader()->resizeSection(c, designed[c]);

    offset_ = new QSpinBox(this);
    offset_->setObjectName("seDrawsOffset");
    offset_->setToolTip(tr("Смещение относительно последнего загруженного номера тиража"));
    offset_->setStatusTip(offset_->toolTip());
    offset_->setRange(0, 0);
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(tr("Смещение назад:"), this));
    top->addWidget(offset_);
    top->addStretch();

    // A first start shows an empty list: it says where draws come from.
    empty_ = new QWidget(this);
    empty_->setObjectName("wEmptyArchive");
    auto* hint = new QLabel(tr("Архив тиражей пуст. Импортируйте тиражи из файла .csv или загрузите их "
                               "с сайта результатов (F3)."),
                            empty_);
    hint->setObjectName("lbEmptyArchive");
    hint->setWordWrap(true);
    emptyButtons_ = new QHBoxLayout;
    emptyButtons_->addStretch();
    auto* emptyLayout = new QVBoxLayout(empty_);
    emptyLayout->setContentsMargins(4, 4, 4, 4);
    emptyLayout->addWidget(hint);
    emptyLayout->addLayout(emptyButtons_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addLayout(top);
    layout->addWidget(empty_);
    layout->addWidget(list_);
    setTabOrder(offset_, list_);  // as seen: the box above, then the list

    connect(offset_, &QSpinBox::valueChanged, this, &DrawsPage::OffsetEdited);
    connect(list_, &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { emit RowActivated(index.row()); });
    connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &DrawsPage::SelectionChanged);
    connect(model_, &QAbstractItemModel::modelReset, this, &DrawsPage::SelectionChanged);
}

void DrawsPage::AddEmptyArchiveAction(QAction* action) {
    auto* button = new QToolButton(empty_);
    button->setDefaultAction(action);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    emptyButtons_->insertWidget(emptyButtons_->count() - 1, button);
}

void DrawsPage::Refresh(bool force) {
    model_->Refresh(force);
    empty_->setVisible(archive_.Count() == 0);
    const QSignalBlocker blocker(offset_);
    offset_->setMaximum(archive_.MaxOffset());
    if (offset_->value() != archive_.Offset()) offset_->setValue(archive_.Offset());
}

std::vector<int> DrawsPage::SelectedRows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : list_->selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

int DrawsPage::FirstSelectedRow() const {
    std::vector<int> rows = SelectedRows();
    return rows.empty() ? -1 : rows.front();
}

}  // namespace quorvel::gui
