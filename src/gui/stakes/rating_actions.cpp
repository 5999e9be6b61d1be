#include <QActionGroup>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QTabWidget>
#include <QTableView>

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include "gui/app/menu_entries.h"
#include "gui/app/option_toggle.h"
#include "gui/scenario/scenario_page.h"
#include "gui/stakes/rating_controller.h"
#include "gui/stakes/stakes_chart.h"
#include "gui/stakes/stakes_pages.h"

namespace quorvel::gui {

namespace {

const char* const EffModeCaptions[RatingEffModeCount] = {
    QT_TRANSLATE_NOOP("quorvel::gui::RatingController", "Ожидаемые значения совпадений"),
    QT_TRANSLATE_NOOP("quorvel::gui::RatingController", "Абсолютные значения эффективности"),
    QT_TRANSLATE_NOOP("quorvel::gui::RatingController", "Относительные значения эффективности"),
};

}  // namespace

RatingController::RatingController(Frame& frame) : AreaController(frame) {
    page_ = new RatingPage(*workspace_, rightTabs_);
}

void RatingController::CreateActions() {
    StakesFile& stakes = workspace_->Stakes().File();
    auto rowsSelected = [this] { return working_ && !RatingTab()->SelectedRows().empty(); };
    auto stakesAndRows = [&stakes, rowsSelected] {
        return stakes.IsOpen() && !stakes.Empty() && rowsSelected();
    };
    auto ratingNotEmpty = [this] { return !workspace_->Stakes().Rating().Empty(); };
    actions_->Add(
        "RatingsRefresh", tr("Обновить рейтинг"), QKeySequence(Qt::Key_F5),
        [&stakes] { return stakes.IsOpen(); }, [this] { workspace_->Stakes().RebuildRating(); });
    actions_->Add("RatingsExport", tr("Экспорт рейтинга в CSV-файл"), {}, ratingNotEmpty,
                  [this] { RatingsExportExecute(); });
    actions_->Add(
        "RatingsXlsExport", tr("Экспорт рейтинга в Microsoft Excel"), {},
        [this] { return !workspace_->Stakes().Rating().Empty(); },
        [this] { ExportListToXlsx(RatingTab()->List()); });
    actions_->Add("RatingsToScript", tr("Добавить в сценарий"), {}, rowsSelected,
                  [this] { RatingsToScriptExecute(); });
    actions_
        ->Add(
            "RatingsSignificance", tr("Значимость (сравнение со случайной игрой)"), {}, [] { return true; },
            [this] {
                ToggleUiOption(*workspace_, router_, actions_->Find("RatingsSignificance"),
                               "RatingsSignificance", &TUiOptions::RatingsSignificance);
                RatingRefreshed();
            })
        ->setCheckable(true);

    // Each graph window is titled with its action's hint.
    auto stakesGraph = [this](const char* name, bool profit) {
        if (auto chart = workspace_->Stakes().RatingStakesGraph(RatingTab()->SelectedRows(), profit))
            ShowStakesChart(*chart, actions_->Find(name)->statusTip(),
                            profit ? tr("Профит") : tr("Совпадений"), &workspace_->UiState(), window_);
    };
    actions_
        ->Add("StakesGraphOverlap", tr("График совпадений ставок"), QKeySequence(Qt::CTRL | Qt::Key_F6),
              stakesAndRows, [stakesGraph] { stakesGraph("StakesGraphOverlap", false); })
        ->setStatusTip(tr("График количества совпадений для всех ставок по тиражам"));
    actions_
        ->Add("StakesGraphProfits", tr("График профита ставок"), QKeySequence(Qt::ALT | Qt::Key_F6),
              stakesAndRows, [stakesGraph] { stakesGraph("StakesGraphProfits", true); })
        ->setStatusTip(tr("График профита для всех ставок по тиражам"));
    actions_
        ->Add("RatingsGraphOverlap", tr("Количество совпадений"), {}, rowsSelected,
              [this] {
                  if (auto chart = workspace_->Stakes().RatingsMatchGraph(RatingTab()->SelectedRows())) {
                      ShowStakesChart(*chart, actions_->Find("RatingsGraphOverlap")->statusTip(),
                                      tr("Совпадений"), &workspace_->UiState(), window_);
                  }
              })
        ->setStatusTip(tr("График количества совпадений для выделенных строк рейтинга"));

    auto* effModes = new QActionGroup(this);
    for (int mode = 0; mode < RatingEffModeCount; ++mode) {
        QAction* action = actions_->Add(
            QString("RatingsEffMode%1").arg(mode), tr(EffModeCaptions[mode]), {}, [] { return true; },
            [this, mode] {
                workspace_->Stakes().SetRatingEffMode(mode);
                for (int m = 0; m < RatingEffModeCount; ++m) {
                    actions_->Find(QString("RatingsEffMode%1").arg(m))
                        ->setChecked(m == workspace_->Options().RatingsEffMode);
                }
            });
        action->setCheckable(true);
        action->setChecked(mode == workspace_->Options().RatingsEffMode);
        effModes->addAction(action);
    }

    connect(RatingTab(), &RatingPage::SelectionChanged, this, [this] { actions_->UpdateAll(); });
    connect(RatingTab(), &RatingPage::RowActivated, this,
            [this] { actions_->Execute("RatingsGraphOverlap"); });
    connect(RatingTab(), &RatingPage::SortRequested, this, [this](int column) {
        const bool descending = column == workspace_->Stakes().RatingSortColumn()
                                    ? !workspace_->Stakes().RatingDescending()
                                    : false;
        if (column < RatingColumnCount) {
            workspace_->Stakes().SortRating(column, descending);
            return;
        }
        // A probability column: the rating takes that order, smallest first, then largest first.
        const auto& shown = RatingTab()->Model()->Significance();
        if (!shown) return;
        const bool largestFirst = column == significanceSortColumn_ && !significanceDescending_;
        workspace_->Stakes().ReorderRating(
            SignificanceOrder(*shown, column - RatingColumnCount, largestFirst));
        significanceSortColumn_ = column;
        significanceDescending_ = largestFirst;
        RatingTab()->List()->horizontalHeader()->setSortIndicator(
            column, largestFirst ? Qt::DescendingOrder : Qt::AscendingOrder);
    });
}

void RatingController::RatingsExportExecute() {
    QString file = std::exchange(frame_.ExportFile, QString());
    if (file.isEmpty()) {
        file = QFileDialog::getSaveFileName(window_, tr("Экспорт рейтинга в CSV-файл"), {},
                                            tr("CSV-файлы (*.csv)"));
        if (file.isEmpty()) return;
    }
    if (QFileInfo(file).suffix().isEmpty()) file += ".csv";
    workspace_->Stakes().ExportRating(std::filesystem::path(file.toStdU16String()));
}

void RatingController::RatingsToScriptExecute() {
    if (workspace_->Stakes().RatingsToScript(RatingTab()->SelectedRows()) == 0) return;
    if (auto* scenario = rightTabs_->findChild<ScenarioPage*>()) rightTabs_->setCurrentWidget(scenario);
}

std::optional<SignificanceReport> RatingController::SignificanceToShow() {
    if (!workspace_->Options().RatingsSignificance) return std::nullopt;
    StakesService& stakes = workspace_->Stakes();
    if (!stakes.File().IsOpen()) return SignificanceReport{};
    try {
        return RatingSignificance(stakes.Rating(), stakes.File());
    } catch (const std::exception& e) {
        router_.ShowError(tr("Не удалось прочитать файл ставок: %1").arg(e.what()).toStdString());
        return std::nullopt;
    }
}

void RatingController::RatingRefreshed() {
    if (workspace_->Stakes().RatingSortColumn() >= 0) significanceSortColumn_ = -1;
    RatingTab()->Refresh(SignificanceToShow());
    if (significanceSortColumn_ >= 0)
        RatingTab()->List()->horizontalHeader()->setSortIndicator(
            significanceSortColumn_, significanceDescending_ ? Qt::DescendingOrder : Qt::AscendingOrder);
    UpdateStatusPanels();
    actions_->UpdateAll();
}

void RatingController::ApplyOptions() {
    actions_->Find("RatingsSignificance")->setChecked(workspace_->Options().RatingsSignificance);
    const int chosen = workspace_->Options().RatingsEffMode;
    for (int mode = 0; mode < RatingEffModeCount; ++mode)
        actions_->Find(QString("RatingsEffMode%1").arg(mode))->setChecked(mode == chosen);
}

void RatingController::AddMenus() {
    static const MenuEntries entries = {
        "RatingsRefresh",      nullptr, "StakesGraphOverlap", "StakesGraphProfits",
        "RatingsGraphOverlap", nullptr, "RatingsToScript",    "RatingsExport",
        "RatingsXlsExport",    nullptr, "RatingsSignificance"};
    QMenu* rating = InsertBarMenu(window_->menuBar(), tr("Рейтинг"));
    AddEntries(rating, *actions_, entries);
    rating->addSeparator();
    QMenu* effModes = rating->addMenu(tr("Эффективность (столбцы E0..n)"));
    effModes->setObjectName("mnRatingsEffMode");
    for (int mode = 0; mode < RatingEffModeCount; ++mode)
        effModes->addAction(actions_->Find(QString("RatingsEffMode%1").arg(mode)));
    AddEntries(RatingTab()->List(), *actions_, entries);
    AddEntries(RatingTab()->List(), *actions_, {nullptr});
    RatingTab()->List()->addAction(effModes->menuAction());
}

}  // namespace quorvel::gui
