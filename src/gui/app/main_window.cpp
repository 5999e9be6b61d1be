#include "gui/app/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QSpinBox>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include "core/app/caption.h"
#include "core/stats/help_pages.h"
#include "core/util/languages.h"
#include "core/util/version.h"
#include "gui/app/first_run_dialog.h"
#include "gui/archive/draws_page.h"
#include "gui/combos/combs_page.h"
#include "gui/scenario/scenario_page.h"
#include "gui/stakes/regulars_page.h"
#include "gui/stakes/stakes_pages.h"
#include "gui/stats/method_combo.h"
#include "gui/stats/stats_page.h"
#include "gui/systems/systems_page.h"
#include "gui/views/card_page.h"
#include "gui/views/graphs_page.h"
#include "gui/views/layout_page.h"
#include "gui/views/panel_splitter.h"
#include "gui/views/week_page.h"
#include "gui/widgets/wait_window.h"

namespace quorvel::gui {

namespace {

// A tab whose content arrives with a later part of the program.
QWidget* PlaceholderTab(const QString& name, QWidget* parent) {
    auto* page = new QWidget(parent);
    page->setObjectName(name);
    auto* layout = new QVBoxLayout(page);
    auto* label = new QLabel(page);
    label->setAlignment(Qt::AlignCenter);
    label->setEnabled(false);
    layout->addWidget(label);
    return page;
}

}  // namespace

MainWindow::MainWindow(DataDirectory dir, std::vector<std::string> args, QWidget* parent)
    : QMainWindow(parent), host_(this), programDir_(DataDirectory::ExecutableDirectory()) {
    setObjectName("TFormMain");
    setWindowTitle(QString::fromStdString(ProgramTitle));
    workspace_ = std::make_unique<Workspace>(std::move(dir), router_, std::move(args));
    workspace_->AddListener(this);
    waitWindow_ = new WaitWindow(this);
    workspace_->Download().SetWaitSink(waitWindow_);
    host_.SetProgressSink([this](const QString& text) { SetProgressText(text); });
    host_.SetBusySink([this](bool) {
        if (actions_ != nullptr) actions_->UpdateAll();
    });
    BuildLayout();
    BuildStatusBar();
    CreateActions();
    CreateCombsActions();
    CreateStatTableActions();
    CreateStakesActions();
    CreateScenarioActions();
    CreateScenarioRunActions();
    CreateGraphsActions();
    CreateViewsActions();
    CreateSystemsActions();
    CreateRegularsActions();
    CreateMenus();
    CreateCombsMenu();
    AddStatTableMenuEntries();
    AddPageMenus();
    // Window-creation stage: interface state and settings; errors are shown and defaults kept.
    workspace_->LoadStartupSettings();
    FillMethodLists(false, false);
    ApplyUiOptions();
    RestoreLayout();
    ArchiveRefreshed(true);
    actions_->UpdateAll();
}

MainWindow::~MainWindow() {
    workspace_->Shutdown(WindowValues());
}

void MainWindow::SetUiHost(UiHost* host) {
    router_.SetTarget(host);
}

void MainWindow::BuildLayout() {
    leftTabs_ = new QTabWidget(this);
    leftTabs_->setObjectName("pcLeft");
    drawsPage_ = new DrawsPage(workspace_->Archive(), leftTabs_);
    leftTabs_->addTab(drawsPage_, tr("Архив тиражей"));

    combsPage_ = new CombsPage(workspace_->Combs().List(), leftTabs_);
    leftTabs_->addTab(combsPage_, tr("Комбинации"));

    rightTabs_ = new QTabWidget(this);
    rightTabs_->setObjectName("pcRight");
    const std::pair<const char*, QString> tabs[] = {
        {"tsStat", tr("Статистика")}, {"tsGraphs", tr("Графики")},  {"tsCard", tr("Карта")},
        {"tsLayout", tr("Схема")},    {"tsWeek", tr("Неделя")},     {"tsStakes", tr("Ставки")},
        {"tsRatings", tr("Рейтинг")}, {"tsTables", tr("Регуляры")}, {"tsSystems", tr("Системы")},
        {"tsScript", tr("Сценарий")},
    };
    statsPage_ = new StatsPage(workspace_->Stats().Table().Table, rightTabs_);
    graphsPage_ = new GraphsPage(rightTabs_);
    for (const auto& [name, caption] : tabs) {
        QWidget* page = nullptr;
        if (qstrcmp(name, "tsStat") == 0) {
            page = statsPage_;
        } else if (qstrcmp(name, "tsGraphs") == 0) {
            page = graphsPage_;
        } else if (qstrcmp(name, "tsCard") == 0) {
            page = cardPage_ = new CardPage(rightTabs_);
        } else if (qstrcmp(name, "tsLayout") == 0) {
            page = layoutPage_ = new LayoutPage(rightTabs_);
        } else if (qstrcmp(name, "tsWeek") == 0) {
            page = weekPage_ = new WeekPage(rightTabs_);
        } else if (qstrcmp(name, "tsStakes") == 0) {
            page = new StakesPage(workspace_->Stakes().File(), rightTabs_);
        } else if (qstrcmp(name, "tsRatings") == 0) {
            page = new RatingPage(*workspace_, rightTabs_);
        } else if (qstrcmp(name, "tsScript") == 0) {
            page = new ScenarioPage(*workspace_, rightTabs_);
        } else if (qstrcmp(name, "tsTables") == 0) {
            page = new RegularsPage(*workspace_, rightTabs_);
        } else if (qstrcmp(name, "tsSystems") == 0) {
            page = new SystemsPage(*workspace_, rightTabs_);
        } else {
            page = PlaceholderTab(name, rightTabs_);
        }
        rightTabs_->addTab(page, caption);
    }
    // The systems tab appears only when system games are switched on.
    rightTabs_->setTabVisible(8, false);

    splitter_ = new QSplitter(Qt::Horizontal, this);
    splitter_->setObjectName("splMain");
    splitter_->addWidget(leftTabs_);
    splitter_->addWidget(rightTabs_);
    splitter_->setStretchFactor(1, 1);
    setCentralWidget(splitter_);

    connect(drawsPage_, &DrawsPage::OffsetEdited, this,
            [this](int offset) { workspace_->Draws().SetDrawsOffset(offset); });
    connect(drawsPage_, &DrawsPage::RowActivated, this, [this](int row) { DrawsInfoExecute(row); });
    connect(drawsPage_, &DrawsPage::SelectionChanged, this, [this] { actions_->UpdateAll(); });
    connect(rightTabs_, &QTabWidget::currentChanged, this, [this] { workspace_->Draws().RecalcViews(); });
}

void MainWindow::BuildStatusBar() {
    const int widths[StatusPanelCount] = {130, 140, 70, 120, 90, 90, 0};
    for (int i = 0; i < StatusPanelCount; ++i) {
        panels_[i] = new QLabel(this);
        panels_[i]->setObjectName(QString("StatusPanel%1").arg(i));
        panels_[i]->setFrameShape(QFrame::StyledPanel);
        if (widths[i] > 0) {
            panels_[i]->setMinimumWidth(widths[i]);
            statusBar()->addWidget(panels_[i]);
        } else {
            statusBar()->addWidget(panels_[i], 1);
        }
    }
    panels_[2]->setAlignment(Qt::AlignCenter);
}

QString MainWindow::StatusText(int panel) const {
    return panel >= 0 && panel < StatusPanelCount ? panels_[panel]->text() : QString();
}

void MainWindow::SetProgressText(const QString& text) {
    panels_[6]->setText(text);
    panels_[6]->repaint();
}

bool MainWindow::event(QEvent* event) {
    // The hint of the control under the mouse shares panel 6 with progress texts.
    if (event->type() == QEvent::StatusTip) {
        if (workspace_->IsIdle()) panels_[6]->setText(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void MainWindow::ApplyUiOptions() {
    const TUiOptions& options = workspace_->Options();
    drawsPage_->Model()->SetOptions(
        {options.ColorDraws, options.SortedDraws, workspace_->Stats().List().Config.ChannelSize});
    combsPage_->Model()->SetColors(options.ColorCombs, workspace_->Stats().List().Config.ChannelSize);
    combsPage_->ExcludeBox()->setValue(options.DrawsExclude);
    rightTabs_->setTabVisible(1, options.TabGraphs);
    rightTabs_->setTabVisible(2, options.TabCard);
    rightTabs_->setTabVisible(3, options.TabLayout);
    rightTabs_->setTabVisible(4, options.TabWeek);
    ShowRegulars(options.TabTables, false);
    ShowSystems(options.SystemsEnabled, false);
    ApplyOptionMarks();
}

void MainWindow::RestoreLayout() {
    resize(1100, 720);
    const TUiOptions& options = workspace_->Options();
    splitter_->setSizes({options.LeftPanelWidth, std::max(width() - options.LeftPanelWidth, 200)});
    combsPage_->Splitter()->setSizes(
        {std::max(height() - options.FiltersHeight, 100), options.FiltersHeight});
    weekPage_->Splitter()->SetPanelHeight(options.WeekHeight);
    layoutPage_->Splitter()->SetPanelHeight(options.LayoutCompareHeight);
    try {
        const UiStateFile& state = workspace_->UiState();
        RestorePlacement(this, state);
        RestoreColumnWidths(drawsPage_->List()->horizontalHeader(), "lvDraws", state);
        RestoreColumnWidths(combsPage_->List()->horizontalHeader(), "lvCombs", state);
        RestoreColumnWidths(combsPage_->Filters()->horizontalHeader(), "lvFilters", state);
    } catch (const std::exception& e) {
        router_.ShowError(ActionError("Ошибка загрузки параметров программы!\r\r%s", e.what()));
    }
}

UiValues MainWindow::WindowValues() const {
    UiValues values;
    AppendPlacement(this, values);
    AppendColumnWidths(drawsPage_->List()->horizontalHeader(), "lvDraws", values);
    AppendColumnWidths(combsPage_->List()->horizontalHeader(), "lvCombs", values);
    AppendColumnWidths(combsPage_->Filters()->horizontalHeader(), "lvFilters", values);
    return values;
}

bool MainWindow::Initialise() {
    const bool ok = workspace_->Initialise();
    if (ok) {
        setWindowTitle(QString::fromStdString(MainCaption()));
        working_ = true;
        if (workspace_->Options().SystemsEnabled) workspace_->Systems().RefreshSystems();
        if (workspace_->Options().TabTables) workspace_->Regulars().LoadRegulars();
        if (workspace_->Options().FirstRun) ShowFirstRunDialog();
    }
    actions_->UpdateAll();
    emit Initialised(ok);
    return ok;
}

void MainWindow::ShowFirstRunDialog() {
    FirstRunDialog dialog(QString::fromStdString(HelpMainPage(programDir_, HelpLanguage()).string()), this);
    dialog.exec();
    if (!dialog.DontShowAgain()) return;
    workspace_->Options().FirstRun = false;
    try {
        workspace_->UiState().WriteUiBool("FirstRun", false);
    } catch (const std::exception& e) {
        router_.ShowError(ActionError("Ошибка сохранения параметров программы!\r\r%s", e.what()));
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!ConfirmCloseDuringRun()) {
        event->ignore();
        return;
    }
    // The panel sizes live in the options so that shut-down writes them with the rest.
    TUiOptions& options = workspace_->Options();
    if (!splitter_->sizes().isEmpty()) options.LeftPanelWidth = splitter_->sizes().first();
    if (combsPage_->Splitter()->sizes().size() > 1)
        options.FiltersHeight = combsPage_->Splitter()->sizes().last();
    options.WeekHeight = weekPage_->Splitter()->PanelHeight();
    options.LayoutCompareHeight = layoutPage_->Splitter()->PanelHeight();
    event->accept();
}

void MainWindow::ArchiveRefreshed(bool force) {
    drawsPage_->Refresh(force);
    UpdateStatusPanels();
    if (actions_ != nullptr) actions_->UpdateAll();
}

void MainWindow::RecalcViews() {
    // Each view recomputes only when what it was built for changed.
    if (actions_ != nullptr && statsPage_ != nullptr) ComputeStatTable(false);
    if (actions_ != nullptr && cardPage_ != nullptr) RebuildViews(false);
    if (actions_ != nullptr && graphsPage_ != nullptr) RebuildGraph(false);
}

void MainWindow::FillMethodLists(bool reload, bool keepSelection) {
    const int statsPosition = keepSelection ? statsPage_->Methods()->currentIndex() : 0;
    const int graphsPosition = keepSelection ? graphsPage_->Methods()->currentIndex() : 0;
    if (reload) {
        // Parameter ranges and formulas follow the settings; names and favourites pass
        // through the names file.
        TStatList& catalogue = workspace_->Stats().List();
        workspace_->Stats().SaveNames();
        catalogue.Rebuild();
        catalogue.SelectAll();
        workspace_->Stats().LoadNames();
    }
    const TStatList& stats = workspace_->Stats().List();
    statsPage_->Methods()->Fill(stats.MethodList(false), statsPosition);
    graphsPage_->Methods()->Fill(stats.MethodList(true), graphsPosition);
    if (actions_ != nullptr) actions_->UpdateAll();
}

void MainWindow::UpdateStatusPanels() {
    const DrawArchive& archive = workspace_->Archive();
    panels_[0]->setText(tr("Архив тиражей: %1").arg(archive.Count()));
    panels_[1]->setText(tr("Следующий тираж: %1").arg(archive.NextDrawNumber(archive.Offset())));
    panels_[2]->setText(QString::fromStdString(archive.NextValuesText()));
    panels_[3]->setText(tr("Комбинаций: %1").arg(workspace_->Combs().List().CombCount()));
    panels_[4]->setText(tr("Ставок: %1").arg(workspace_->Stakes().File().RecordCount()));
    panels_[5]->setText(tr("Рейтинг: %1").arg(workspace_->Stakes().Rating().Count()));
}

}  // namespace quorvel::gui
