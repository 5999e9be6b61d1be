#include "gui/combos/combs_page.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>
#include <limits>

namespace quorvel::gui {

namespace {

QTableView* ListView(const QString& name, QAbstractItemModel* model, QWidget* parent) {
    auto* view = new QTableView(parent);
    view->setTabKeyNavigation(false);  // Tab leaves the table; arrows move in it
    view->setObjectName(name);
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->verticalHeader()->setVisible(false);
    view->verticalHeader()->setDefaultSectionSize(20);
    view->horizontalHeader()->setHighlightSections(false);
    view->horizontalHeader()->setStretchLastSection(true);
    return view;
}

// Enter in the exclusion box runs the exclusion, as the button does.
class ExcludeSpinBox : public QSpinBox {
public:
    using QSpinBox::QSpinBox;
    std::function<void()> OnEnter;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && OnEnter) {
            OnEnter();
            return;
        }
        QSpinBox::keyPressEvent(event);
    }
};

}  // namespace

CombsPage::CombsPage(const TCombList& combs, QWidget* parent) : QWidget(parent) {
    setObjectName("tsCombs");
    model_ = new CombsModel(combs, this);
    filtersModel_ = new AppliedFiltersModel(combs, this);
    auto* exclude = new ExcludeSpinBox(this);
    exclude_ = exclude;
    exclude_->setObjectName("seDrawsExclude");
    exclude_->setRange(0, std::numeric_limits<int>::max());
    exclude_->setToolTip(tr("Исключить указанное количество последних тиражей из списка комбинаций"));
    exclude_->setStatusTip(exclude_->toolTip());
    exclude->OnEnter = [this] { emit ExcludeRequested(); };
    excludeButton_ = new QPushButton(tr("[-] Тиражи"), this);
    excludeButton_->setToolTip(exclude_->toolTip());
    connect(excludeButton_, &QPushButton::clicked, this, &CombsPage::ExcludeRequested);

    splitter_ = new QSplitter(Qt::Vertical, this);
    list_ = ListView("lvCombs", model_, splitter_);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    const int widths[] = {60, 32, 32, 32, 32};
    for (int c = 0; c < CombsModel::ColumnCount; ++c)
        list_->horizontalHeader()->resizeSection(c, widths[c]);
    filters_ = ListView("lvFilters", filtersModel_, splitter_);
    filters_->setSelectionMode(QAbstractItemView::SingleSelection);
    // The first two as narrow as their captions allow (they widen to them when shown), so that the
    // last one, "Комбинаций", has the rest of the panel.
    filters_->horizontalHeader()->resizeSection(0, 100);
    filters_->horizontalHeader()->resizeSection(1, 60);
    // A stretched last section never gets narrower than the size it had when the stretch began;
    // its caption decides instead.
    filters_->horizontalHeader()->setStretchLastSection(false);
    filters_->horizontalHeader()->setDefaultSectionSize(60);
    filters_->horizontalHeader()->setStretchLastSection(true);
    splitter_->addWidget(list_);
    splitter_->addWidget(filters_);

    auto* top = new QHBoxLayout;
    top->addWidget(excludeButton_);
    top->addWidget(exclude_);
    top->addStretch();
    runNotice_ = new QLabel(tr("Сценарий выполняется: список и фильтры обновятся, когда он закончит."), this);
    runNotice_->setObjectName("lbRunNotice");
    runNotice_->setWordWrap(true);
    runNotice_->setFrameShape(QFrame::StyledPanel);
    runNotice_->setMargin(4);
    runNotice_->hide();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addLayout(top);
    layout->addWidget(runNotice_);
    layout->addWidget(splitter_, 1);
    // As seen: the button, its box, then the list and the filters below.
    setTabOrder(excludeButton_, exclude_);
    setTabOrder(exclude_, list_);

    connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CombsPage::SelectionChanged);
    connect(model_, &QAbstractItemModel::modelReset, this, &CombsPage::SelectionChanged);
    connect(list_, &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { emit RowActivated(index.row()); });
}

void CombsPage::ShowRunNotice(bool running) {
    runNotice_->setVisible(running);
}

void CombsPage::Refresh() {
    model_->Refresh();
    filtersModel_->Refresh();
}

std::vector<int> CombsPage::SelectedRows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : list_->selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

int CombsPage::FirstSelectedRow() const {
    const std::vector<int> rows = SelectedRows();
    return rows.empty() ? -1 : rows.front();
}

}  // namespace quorvel::gui
