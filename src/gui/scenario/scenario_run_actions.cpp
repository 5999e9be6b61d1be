#include <QCloseEvent>
#include <QInputDialog>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>

#include "gui/app/option_toggle.h"
#include "gui/combos/combs_page.h"
#include "gui/scenario/scenario_controller.h"
#include "gui/scenario/scenario_page.h"
#include "gui/scenario/scenario_run_controller.h"
#include "gui/scenario/validation_dialog.h"
#include "gui/scenario/validation_window.h"
#include "gui/stats/method_combo.h"
#include "gui/stats/stats_page.h"
#include "language/message_text.h"

namespace quorvel::gui {

bool ScenarioController::ScenarioRunning() const {
    return scenarioRun_ != nullptr && scenarioRun_->IsRunning();
}

void ScenarioController::CreateRunActions() {
    auto idle = [this] { return working_ && !ScenarioRunning(); };
    auto runnable = [this, idle] {
        return idle() && !workspace_->Script().Scenario().Empty() && workspace_->Archive().Count() > 0;
    };
    actions_->Add("ScriptRun", tr("Прогноз"), QKeySequence(Qt::Key_F10), runnable,
                  [this] { ScriptRunExecute(false); });
    actions_->Add("ScriptTest", tr("Тест"), QKeySequence(Qt::CTRL | Qt::Key_F10), runnable,
                  [this] { ScriptRunExecute(true); });
    actions_->Add(
        "ScriptStop", tr("Стоп"), QKeySequence(Qt::CTRL | Qt::Key_X),
        [this] { return ScenarioRunning() && !scenarioRun_->StopRequested(); }, [this] { AskToStop(); });
    actions_->AllowWhileBusy("ScriptStop");
    actions_->Add(
        "ScriptValidate", tr("Проверка на новых тиражах..."), {},
        [this, runnable] { return runnable() && workspace_->Archive().Count() >= 4; },
        [this] { ScriptValidateExecute(); });
    QAction* log = actions_->Add("LogToggle", tr("Журнал выполнения сценария"), {}, idle, [this] {
        ToggleUiOption(*workspace_, router_, actions_->Find("LogToggle"), "ScriptLogEnabled",
                       &TUiOptions::ScriptLogEnabled);
    });
    log->setCheckable(true);
    log->setChecked(workspace_->Options().ScriptLogEnabled);
    actions_->Add("LogsDelete", tr("Удалить журналы выполнения сценариев"), {}, idle,
                  [this] { workspace_->Script().DeleteScenarioLogs(); });
    std::vector<QAction*> runActions;
    for (const char* name : {"ScriptRun", "ScriptTest", "ScriptStop"}) {
        ScenarioTab()->List()->addAction(actions_->Find(name));
        runActions.push_back(actions_->Find(name));
    }
    ScenarioTab()->AddRunButtons(runActions);
    connect(scenarioRun_, &ScenarioRunController::StatusTick, this,
            &ScenarioController::ShowScenarioRunStatus);
    connect(scenarioRun_, &ScenarioRunController::Finished, this, &ScenarioController::ScenarioRunFinished);
    connect(scenarioRun_, &ScenarioRunController::ValidationFinished, this,
            &ScenarioController::ValidationFinished);
}

// The worker owns the lists' data while it runs: they keep what they showed, disabled, and
// the combination page says why.
void ScenarioController::FreezeLists(bool frozen) {
    leftTabs_->setEnabled(!frozen);
    statsPage_->setEnabled(!frozen);
    ScenarioTab()->List()->setEnabled(!frozen);
    combsPage_->ShowRunNotice(frozen);
}

void ScenarioController::ScriptValidateExecute() {
    ValidationDialog dialog(workspace_->Archive().Count(), window_);
    if (dialog.exec() != QDialog::Accepted) return;
    ValidationRequest request = dialog.Request();
    const TScenario& scenario = workspace_->Script().Scenario();
    for (int i = 0; i < scenario.Count(); ++i)
        request.Lines.push_back(scenario.Line(i));
    request.Seed = scenarioSeed_;
    FreezeLists(true);
    scenarioRun_->StartValidation(std::move(request));
    actions_->UpdateAll();
}

void ScenarioController::ValidationFinished(const ValidationReport& report, const QString& error) {
    FreezeLists(false);
    actions_->UpdateAll();
    if (!error.isEmpty()) {
        router_.ShowError(error.toStdString());
        return;
    }
    if (report.Stopped) return;
    auto* window = new ValidationWindow(report, window_);
    window->show();
    emit ValidationShown(window);
}

void ScenarioController::ScriptRunExecute(bool test) {
    int tests = 0;
    if (test) {
        const int most = workspace_->Archive().Count() - 1;
        if (most < 1) return;
        const std::optional<int> answer = AskTestCount(most);
        if (!answer || *answer < 1 || *answer > most) return;
        tests = *answer;
    }
    FreezeLists(true);
    ScenarioRunHooks hooks;
    hooks.SelectLine = [this](int row) {
        QMetaObject::invokeMethod(
            this,
            [this, row] {
                if (row >= 0)
                    ScenarioTab()->SelectOnly(row);
                else
                    ScenarioTab()->List()->clearSelection();
            },
            Qt::QueuedConnection);
    };
    hooks.OpenLog = [this](const std::filesystem::path& file) {
        const QString path = QString::fromStdString(file.string());
        QMetaObject::invokeMethod(
            this,
            [this, path] {
                if (logViewer_)
                    logViewer_(path);
                else
                    OpenDocument(path, false, window_, frame_.OpenExternally);
            },
            Qt::QueuedConnection);
    };
    scenarioRun_->Start(tests, std::move(hooks), scenarioSeed_);
    actions_->UpdateAll();
    ShowScenarioRunStatus();
}

void ScenarioController::ShowScenarioRunStatus() {
    const ScenarioRunStatus* status = scenarioRun_->Status();
    if (status == nullptr) return;
    ScenarioTab()->ShowRunStatus(status->CurrentPlace().Cycle, status->Line, status->StakesMade,
                                 language::MessageText(status->Text()));
    // Wherever the user is, the window's own status bar shows how far the run has come.
    frame_.ShowRunStatus(*status);
}

void ScenarioController::ScenarioRunFinished() {
    FreezeLists(false);
    // Everything the run changed is shown now, in one go.
    frame_.RefreshAll();
    statsPage_->Methods()->setCurrentIndex(
        statsPage_->Methods()->findData(workspace_->Stats().Table().Entry));
    statsPage_->WindowLength()->setValue(workspace_->Options().DrawsStatLen);
    workspace_->Draws().RecalcViews();
    actions_->UpdateAll();
}

bool ScenarioController::AskToStop() {
    // The run waits while the question is open, so that it stops where the user asked.
    const RunHoldScope held(workspace_->Script().Hold());
    if (!router_.AskYesNo(tr("Остановить выполнение сценария?").toStdString())) return false;
    scenarioRun_->RequestStop();
    return true;
}

bool ScenarioController::ConfirmCloseDuringRun() {
    if (!ScenarioRunning()) return true;
    if (!AskToStop()) return false;
    scenarioRun_->WaitUntilFinished(60000);
    return !ScenarioRunning();
}

}  // namespace quorvel::gui
