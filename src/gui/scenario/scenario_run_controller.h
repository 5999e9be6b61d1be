#pragma once

#include <QObject>
#include <QTimer>
#include <atomic>
#include <memory>
#include <optional>
#include <thread>

#include "core/scenario_run/scenario_run.h"
#include "core/scenario_run/validation.h"

namespace quorvel {
class Workspace;
}

namespace quorvel::gui {

// Runs a scenario ("Прогноз" or "Тест") on a worker thread so the window stays responsive.
// While it runs the workspace belongs to the worker: the window keeps its views as they were
// (their updates are suspended), shows the run's panels every 100 ms and takes only "Стоп".
class ScenarioRunController : public QObject {
    Q_OBJECT

public:
    ScenarioRunController(Workspace& workspace, QObject* parent = nullptr);
    ~ScenarioRunController() override;

    bool IsRunning() const { return running_; }
    // tests 0 runs the forecast, otherwise a test over that many past draws.
    void Start(int tests, ScenarioRunHooks hooks, std::optional<uint32_t> seed = std::nullopt);
    // The check on unseen draws, in scratch copies of the data directory; "Стоп" ends it too.
    void StartValidation(ValidationRequest request);
    // The user's "Стоп", already confirmed.
    void RequestStop();
    bool StopRequested() const { return stopRequested_; }
    const ScenarioRunStatus* Status() const { return runner_ ? &runner_->Status() : nullptr; }
    // Waits for the worker while the window goes on handling events; false on time-out.
    bool WaitUntilFinished(int timeoutMs);
    // For a window closed by force: stops a worker still going and waits for its end, so that it
    // never writes into data already freed.
    void StopAndJoin();

signals:
    // Every 100 ms while the run goes on.
    void StatusTick();
    // The worker has ended and the workspace belongs to the window again.
    void Finished(const quorvel::ScenarioRunSummary& summary);
    // The check has ended: its report, or why it could not run.
    void ValidationFinished(const quorvel::ValidationReport& report, const QString& error);

private:
    void Join();

    Workspace& workspace_;
    std::unique_ptr<ScenarioRunner> runner_;
    std::thread worker_;
    QTimer timer_;
    std::atomic<bool> running_{false};
    std::atomic<bool> stopRequested_{false};
    ScenarioRunSummary summary_;
    std::atomic<bool> validationStop_{false};
    ValidationReport validation_;
    QString validationError_;
};

}  // namespace quorvel::gui
