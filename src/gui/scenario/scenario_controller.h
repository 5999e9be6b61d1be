#pragma once

#include "core/scenario_run/validation.h"
#include "gui/app/area_controller.h"

namespace quorvel::gui {

class ScenarioPage;
class ScenarioRunController;

// The scenario tab: editing the lines, and the run and test on a worker thread with their
// status and log.
class ScenarioController : public AreaController {
    Q_OBJECT

public:
    explicit ScenarioController(Frame& frame);

    ScenarioPage* Page() const { return page_; }
    ScenarioRunController* Run() const { return scenarioRun_; }
    void CreateActions();
    void CreateRunActions();
    bool ScenarioRunning() const;
    // Closing during a run asks to stop it and waits for it; false keeps the window open.
    bool ConfirmCloseDuringRun();
    // Tests see the finished log and seed "RAND" here.
    void SetLogViewer(std::function<void(const QString& file)> viewer) { logViewer_ = std::move(viewer); }
    void SetSeed(std::optional<uint32_t> seed) { scenarioSeed_ = seed; }

signals:
    // A check on unseen draws has ended and shows its result window.
    void ValidationShown(QWidget* window);

private:
    void ScriptRunExecute(bool test);
    void ScriptValidateExecute();
    // Asks whether to stop the run, holding it still meanwhile; true when it is to stop.
    bool AskToStop();
    void ValidationFinished(const ValidationReport& report, const QString& error);
    void ShowScenarioRunStatus();
    void ScenarioRunFinished();
    void FreezeLists(bool frozen);
    ScenarioPage* ScenarioTab() const { return page_; }

    ScenarioPage* page_ = nullptr;
    ScenarioRunController* scenarioRun_ = nullptr;
    std::function<void(const QString&)> logViewer_;
    std::optional<uint32_t> scenarioSeed_;
};

}  // namespace quorvel::gui
