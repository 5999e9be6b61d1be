#include "gui/app/main_window.h"

#include "gui/app/window_areas.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include "core/stats/help_pages.h"
#include "core/util/languages.h"
#include "core/util/version.h"
#include "gui/app/first_run_dialog.h"
#include "gui/archive/draws_page.h"
#include "gui/combos/combs_page.h"
#include "gui/scenario/scenario_page.h"
#include "gui/scenario/scenario_run_controller.h"
#include "gui/stakes/regulars_page.h"
#include "gui/stakes/stakes_pages.h"
#include "gui/stats/stats_page.h"
#include "gui/systems/systems_page.h"
#include "gui/views/card_page.h"
#include "gui/views/graphs_page.h"
#include "gui/views/layout_page.h"
#include "gui/views/panel_splitter.h"
#include "gui/views/week_page.h"
#include "gui/widgets/caption_fit.h"
#include "gui/widgets/compact_tabs.h"
#include "gui/widgets/core_text.h"
#include "gui/widgets/elided_label.h"
#include "language/message_text.h"

namespace quorvel::gui {

namespace {

// How long a window manager may take to frame a window that has just been shown.
constexpr int FrameSettleMs = 200;

}  // namespace

MainWindow::MainWindow(DataDirectory dir, std::vector<std::string> args, QWidget* parent)
    : QMainWindow(parent), host_(this), areas_(std::make_unique<Areas>()) {
    setObjectName("TFormMain");
    setWindowTitle(QString::fromStdString(ProgramTitle));
    workspace_ = std::make_unique<Workspace>(std::move(dir), router_, std::move(args));
    workspace_->AddListener(this);
    frame_.Window = this;
    frame_.Ws = workspace_.get();
    frame_.Host = &router_;
    frame_.ProgramDir = DataDirectory::ExecutableDirectory();
    frame_.UpdateStatus = [this] { UpdateStatusPanels(); };
    frame_.ShowRunStatus = [this](const ScenarioRunStatus& status) { ShowRunStatusPanels(status); };
    frame_.RefreshAll = [this] { RefreshAll(); };
    frame_.HelpLanguage = [this] { return HelpLanguage(); };
    frame_.Actions = new ActionList(this, [this] {
        return workspace_->IsIdle() && (areas_->Scenario == nullptr || !areas_->Scenario->ScenarioRunning());
    });
    host_.SetProgressSink([this](const QString& text) { SetProgressText(text); });
    host_.SetBusySink([this](bool) { frame_.Actions->UpdateAll(); });
    BuildLayout();
    BuildStatusBar();
    KeepCaptionsWhole();
    // Tab moves on from a table to the next control instead of walking its cells, where it
    // would stay trapped; arrows move within the table.
    for (QAbstractItemView* view : findChildren<QAbstractItemView*>())
        view->setTabKeyNavigation(false);
    // The order in which the areas add their actions and menus is the order of the menus.
    CreateActions();
    areas_->Combs->CreateActions();
    areas_->Stats->CreateTableActions();
    areas_->Stakes->CreateActions();
    areas_->Rating->CreateActions();
    areas_->Scenario->CreateActions();
    areas_->Scenario->CreateRunActions();
    areas_->Graphs->CreateActions();
    areas_->Views->CreateActions();
    areas_->Systems->CreateActions();
    areas_->Regulars->CreateActions();
    CreateMenus();
    areas_->Combs->CreateMenu();
    areas_->Stats->AddTableMenuEntries();
    AddPageMenus();
    // Window-creation stage: interface state and settings; errors are shown and defaults kept.
    workspace_->LoadStartupSettings();
    FillMethodLists(false, false);
    ApplyUiOptions();
    RestoreLayout();
    ArchiveRefreshed(true);
    frame_.Actions->UpdateAll();
}

MainWindow::~MainWindow() {
    // The controllers are QObject children, deleted only after the workspace they work on: a run
    // still going is stopped first.
    ScenarioRun()->StopAndJoin();
    workspace_->Shutdown(WindowValues());
}

void MainWindow::BuildLayout() {
    frame_.LeftTabs = new QTabWidget(this);
    frame_.LeftTabs->setObjectName("pcLeft");
    frame_.RightTabs = new QTabWidget(this);
    frame_.RightTabs->setObjectName("pcRight");
    Areas& a = *areas_;
    a.Archive = new ArchiveController(frame_);
    a.Combs = new CombsController(frame_);
    a.Stats = new StatsController(frame_);
    a.Graphs = new GraphsController(frame_);
    a.Views = new ViewsController(frame_, *a.Graphs);
    a.Stakes = new StakesController(frame_);
    a.Rating = new RatingController(frame_);
    a.Regulars = new RegularsController(frame_);
    a.Systems = new SystemsController(frame_);
    a.Scenario = new ScenarioController(frame_);
    frame_.LeftTabs->addTab(a.Archive->Page(), tr("Архив тиражей"));
    frame_.LeftTabs->addTab(a.Combs->Page(), tr("Комбинации"));
    const std::pair<QWidget*, QString> tabs[] = {
        {a.Stats->Page(), tr("Статистика")}, {a.Graphs->Page(), tr("Графики")},
        {a.Views->Card(), tr("Карта")},      {a.Views->Layout(), tr("Схема")},
        {a.Views->Week(), tr("Неделя")},     {a.Stakes->Page(), tr("Ставки")},
        {a.Rating->Page(), tr("Рейтинг")},   {a.Regulars->Page(), tr("Регуляры")},
        {a.Systems->Page(), tr("Системы")},  {a.Scenario->Page(), tr("Сценарий")},
    };
    for (const auto& [page, caption] : tabs)
        frame_.RightTabs->addTab(page, caption);
    // The systems tab appears only when system games are switched on.
    frame_.RightTabs->setTabVisible(8, false);
    // Ten tabs in a row beside the draws panel, on a screen 1024 pixels wide too.
    MakeTabsCompact(frame_.RightTabs);

    splitter_ = new QSplitter(Qt::Horizontal, this);
    splitter_->setObjectName("splMain");
    splitter_->addWidget(frame_.LeftTabs);
    splitter_->addWidget(frame_.RightTabs);
    splitter_->setStretchFactor(1, 1);
    setCentralWidget(splitter_);
    connect(frame_.RightTabs, &QTabWidget::currentChanged, this,
            [this] { workspace_->Draws().RecalcViews(); });
}

WaitWindow* MainWindow::Wait() const {
    return areas_->Archive->Wait();
}

ScenarioRunController* MainWindow::ScenarioRun() const {
    return areas_->Scenario->Run();
}

void MainWindow::SetLogViewer(std::function<void(const QString& file)> viewer) {
    areas_->Scenario->SetLogViewer(std::move(viewer));
}

void MainWindow::SetScenarioSeed(std::optional<uint32_t> seed) {
    areas_->Scenario->SetSeed(seed);
}

void MainWindow::FillMethodLists(bool reload, bool keepSelection) {
    areas_->Stats->FillMethodLists(reload, keepSelection);
}

void MainWindow::BuildStatusBar() {
    const int widths[StatusPanelCount] = {130, 140, 70, 120, 90, 90, 0};
    for (int i = 0; i < StatusPanelCount; ++i) {
        if (widths[i] == 0) progress_ = new ElidedLabel(this);
        panels_[i] = widths[i] > 0 ? new QLabel(this) : progress_;
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
    if (panel < 0 || panel >= StatusPanelCount) return {};
    return panels_[panel] == progress_ ? progress_->FullText() : panels_[panel]->text();
}

void MainWindow::SetProgressText(const QString& text) {
    progress_->SetFullText(text);
    progress_->repaint();
}

bool MainWindow::event(QEvent* event) {
    // The hint of the control under the mouse shares panel 6 with progress texts.
    if (event->type() == QEvent::StatusTip) {
        if (workspace_->IsIdle()) SetProgressText(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void MainWindow::ApplyUiOptions() {
    const TUiOptions& options = workspace_->Options();
    frame_.Draws->Model()->SetOptions(
        {options.ColorDraws, options.SortedDraws, workspace_->Stats().List().Config.ChannelSize});
    frame_.Combs->Model()->SetColors(options.ColorCombs, workspace_->Stats().List().Config.ChannelSize);
    frame_.Combs->ExcludeBox()->setValue(options.DrawsExclude);
    frame_.RightTabs->setTabVisible(1, options.TabGraphs);
    frame_.RightTabs->setTabVisible(2, options.TabCard);
    frame_.RightTabs->setTabVisible(3, options.TabLayout);
    frame_.RightTabs->setTabVisible(4, options.TabWeek);
    areas_->Regulars->ShowRegulars(options.TabTables, false);
    areas_->Systems->ShowSystems(options.SystemsEnabled, false);
    ApplyOptionMarks();
}

void MainWindow::RestoreLayout() {
    // Room for every tab beside the draws panel, and still within a 1366 x 768 screen; a smaller
    // screen gets what it has room for.
    resize(1240, 720);
    FitIntoScreen(this);
    const TUiOptions& options = workspace_->Options();
    splitter_->setSizes({options.LeftPanelWidth, std::max(width() - options.LeftPanelWidth, 200)});
    frame_.Combs->Splitter()->setSizes(
        {std::max(height() - options.FiltersHeight, 100), options.FiltersHeight});
    areas_->Views->Week()->Splitter()->SetPanelHeight(options.WeekHeight);
    areas_->Views->Layout()->Splitter()->SetPanelHeight(options.LayoutCompareHeight);
    try {
        const UiStateFile& state = workspace_->UiState();
        RestorePlacement(this, state);
        RestoreColumnWidths(frame_.Draws->List()->horizontalHeader(), "lvDraws", state);
        RestoreColumnWidths(frame_.Combs->List()->horizontalHeader(), "lvCombs", state);
        RestoreColumnWidths(frame_.Combs->Filters()->horizontalHeader(), "lvFilters", state);
    } catch (const std::exception& e) {
        router_.ShowError(ActionError("Ошибка загрузки параметров программы!\r\r%s", e.what()));
    }
}

UiValues MainWindow::WindowValues() const {
    UiValues values;
    AppendPlacement(this, values);
    AppendColumnWidths(frame_.Draws->List()->horizontalHeader(), "lvDraws", values);
    AppendColumnWidths(frame_.Combs->List()->horizontalHeader(), "lvCombs", values);
    AppendColumnWidths(frame_.Combs->Filters()->horizontalHeader(), "lvFilters", values);
    return values;
}

bool MainWindow::Initialise() {
    const bool ok = workspace_->Initialise();
    if (ok) {
        setWindowTitle(MainCaptionText());
        frame_.Working = true;
        if (workspace_->Options().SystemsEnabled) workspace_->Systems().RefreshSystems();
        if (workspace_->Options().TabTables) workspace_->Regulars().LoadRegulars();
        if (workspace_->Options().FirstRun) ShowFirstRunDialog();
    }
    frame_.Actions->UpdateAll();
    emit Initialised(ok);
    return ok;
}

void MainWindow::ShowFirstRunDialog() {
    FirstRunDialog dialog(QString::fromStdString(HelpMainPage(frame_.ProgramDir, HelpLanguage()).string()),
                          this);
    dialog.exec();
    if (!dialog.DontShowAgain()) return;
    workspace_->Options().FirstRun = false;
    try {
        workspace_->UiState().WriteUiBool("FirstRun", false);
    } catch (const std::exception& e) {
        router_.ShowError(ActionError("Ошибка сохранения параметров программы!\r\r%s", e.what()));
    }
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Once the window manager has framed the window its frame is known: the whole of it, not a
    // guess, is kept inside the screen's free area.
    QTimer::singleShot(FrameSettleMs, this, [this] {
        if (!isMaximized() && !isFullScreen()) FitIntoScreen(this);
    });
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!areas_->Scenario->ConfirmCloseDuringRun()) {
        event->ignore();
        return;
    }
    // The panel sizes live in the options so that shut-down writes them with the rest.
    TUiOptions& options = workspace_->Options();
    if (!splitter_->sizes().isEmpty()) options.LeftPanelWidth = splitter_->sizes().first();
    if (frame_.Combs->Splitter()->sizes().size() > 1)
        options.FiltersHeight = frame_.Combs->Splitter()->sizes().last();
    options.WeekHeight = areas_->Views->Week()->Splitter()->PanelHeight();
    options.LayoutCompareHeight = areas_->Views->Layout()->Splitter()->PanelHeight();
    event->accept();
}

void MainWindow::ArchiveRefreshed(bool force) {
    frame_.Draws->Refresh(force);
    UpdateStatusPanels();
    frame_.Actions->UpdateAll();
}

void MainWindow::RefreshAll() {
    ArchiveRefreshed(true);
    areas_->Combs->CombsRefreshed();
    areas_->Stakes->StakesRefreshed(true);
    areas_->Rating->RatingRefreshed();
}

void MainWindow::ShowCountPanels(int nextDraw, int combinations, int stakeRecords) {
    panels_[1]->setText(tr("Следующий тираж: %1").arg(nextDraw));
    panels_[3]->setText(tr("Комбинаций: %1").arg(combinations));
    panels_[4]->setText(tr("Ставок: %1").arg(stakeRecords));
}

void MainWindow::ShowRunStatusPanels(const ScenarioRunStatus& status) {
    const ScenarioRunStatus::Place place = status.CurrentPlace();
    ShowCountPanels(place.NextDraw, status.Combinations, status.StakeRecords);
    const QString text = language::MessageText(status.Text());
    const int passes = status.Passes;
    SetProgressText(passes > 1 ? tr("Проход %1 из %2: %3").arg(place.Cycle).arg(passes).arg(text) : text);
    const QSignalBlocker quiet(Draws()->OffsetBox());
    Draws()->OffsetBox()->setValue(place.Offset);
}

void MainWindow::UpdateStatusPanels() {
    const DrawArchive& archive = workspace_->Archive();
    panels_[0]->setText(tr("Архив тиражей: %1").arg(archive.Count()));
    panels_[2]->setText(QString::fromStdString(archive.NextValuesText()));
    ShowCountPanels(archive.NextDrawNumber(archive.Offset()), workspace_->Combs().List().CombCount(),
                    workspace_->Stakes().File().RecordCount());
    panels_[5]->setText(tr("Рейтинг: %1").arg(workspace_->Stakes().Rating().Count()));
}

}  // namespace quorvel::gui
