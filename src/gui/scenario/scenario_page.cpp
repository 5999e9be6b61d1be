#include "gui/scenario/scenario_page.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/scenario/script_line.h"
#include "gui/widgets/core_text.h"
#include "gui/widgets/elided_label.h"

namespace quorvel::gui {

namespace {

// "Опции": the line's start list, stake mode and stake options.
constexpr int OptionsColumn = 1;

}  // namespace

ScenarioModel::ScenarioModel(const TScenario& scenario, const TStatList& catalogue, QObject* parent)
    : QAbstractTableModel(parent), scenario_(scenario), catalogue_(catalogue) {}

int ScenarioModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : scenario_.Count();
}

int ScenarioModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ScriptFieldCount;
}

QVariant ScenarioModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= scenario_.Count() || index.column() >= ScriptFieldCount) return {};
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
    const ScriptListRow cells = ScriptListCells(scenario_.Line(index.row()), catalogue_);
    const std::string& cell = cells[static_cast<size_t>(index.column())];
    // The options are the program's words; the comment and the filters are the user's.
    return index.column() == OptionsColumn ? ListEntriesText(cell) : QString::fromStdString(cell);
}

QVariant ScenarioModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= ScriptFieldCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    return ColumnText(ScriptListCaptions[static_cast<size_t>(section)]);
}

void ScenarioModel::Refresh() {
    beginResetModel();
    endResetModel();
}

ScenarioPage::ScenarioPage(Workspace& workspace, QWidget* parent)
    : QWidget(parent),
      workspace_(workspace),
      model_(new ScenarioModel(workspace.Script().Scenario(), workspace.Stats().List(), this)),
      list_(new QTableView(this)),
      count_(new QLabel(this)) {
    setObjectName("tsScript");
    list_->setObjectName("lvScript");
    list_->setTabKeyNavigation(false);  // Tab leaves the table; arrows move in it
    list_->setModel(model_);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setContextMenuPolicy(Qt::ActionsContextMenu);
    list_->verticalHeader()->setVisible(false);
    list_->verticalHeader()->setDefaultSectionSize(20);
    list_->setColumnWidth(0, 160);
    list_->setColumnWidth(1, 320);
    for (int column = 2; column < ScriptFieldCount; ++column)
        list_->setColumnWidth(column, 200);
    count_->setObjectName("sbScript");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(list_);
    auto* panels = new QHBoxLayout;
    panels_ = panels;
    panels->addWidget(count_);
    for (size_t i = 0; i < runPanels_.size(); ++i) {
        // The last panel shows the variant's steps, which can be far wider than any screen.
        runPanels_[i] = i + 1 == runPanels_.size() ? (variant_ = new ElidedLabel(this)) : new QLabel(this);
        runPanels_[i]->setFrameShape(QFrame::StyledPanel);
        panels->addWidget(runPanels_[i], i + 1 == runPanels_.size() ? 1 : 0);
    }
    count_->setFrameShape(QFrame::StyledPanel);
    layout->addLayout(panels);
    ShowRunStatus(0, 0, 0, {});
    connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ScenarioPage::SelectionChanged);
    connect(list_, &QAbstractItemView::doubleClicked, this, &ScenarioPage::RowActivated);
    workspace_.Script().AddListener(this);
    ScenarioRefreshed();
}

void ScenarioPage::ScenarioRefreshed() {
    const std::vector<int> selected = SelectedRows();
    model_->Refresh();
    // Rows still inside the list stay selected, as in a list refreshed in place.
    for (int row : selected) {
        if (row < model_->rowCount())
            list_->selectionModel()->select(model_->index(row, 0),
                                            QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    count_->setText(tr("Строк: %1").arg(workspace_.Script().Scenario().Count()));
    emit SelectionChanged();
}

void ScenarioPage::ShowRunStatus(int cycle, int line, int stakes, const QString& text) {
    runPanels_[0]->setText(tr("Цикл: %1").arg(cycle));
    runPanels_[1]->setText(tr("Строка: %1").arg(line));
    runPanels_[2]->setText(tr("Ставок: %1").arg(stakes));
    variant_->SetFullText(text);
}

void ScenarioPage::AddRunButtons(const std::vector<QAction*>& actions) {
    int place = 0;
    for (QAction* action : actions) {
        auto* button = new QToolButton(this);
        button->setDefaultAction(action);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        button->setObjectName(QString("btn%1").arg(action->objectName()));
        panels_->insertWidget(place++, button);
    }
}

QString ScenarioPage::RunPanelText(int panel) const {
    return RunPanel(panel) == variant_ ? variant_->FullText() : RunPanel(panel)->text();
}

std::vector<int> ScenarioPage::SelectedRows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : list_->selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

int ScenarioPage::FirstSelectedRow() const {
    const std::vector<int> rows = SelectedRows();
    return rows.empty() ? -1 : rows.front();
}

void ScenarioPage::SelectOnly(int row) {
    if (row < 0 || row >= model_->rowCount()) return;
    const QModelIndex index = model_->index(row, 0);
    list_->selectionModel()->setCurrentIndex(index,
                                             QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    list_->scrollTo(index);
}

}  // namespace quorvel::gui
