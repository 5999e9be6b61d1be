#include "gui/scenario/scenario_run_controller.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include "core/app/workspace.h"

namespace quorvel::gui {

ScenarioRunController::ScenarioRunController(Workspace& workspace, QObject* parent)
    : QObject(parent), workspace_(workspace) {
    timer_.setInterval(100);
    connect(&timer_, &QTimer::timeout, this, &ScenarioRunController::StatusTick);
}

ScenarioRunController::~ScenarioRunController() {
    StopAndJoin();
}

void ScenarioRunController::StopAndJoin() {
    if (worker_.joinable()) {
        workspace_.Script().RequestStop();
        validationStop_ = true;
        worker_.join();
    }
}

void ScenarioRunController::Start(int tests, ScenarioRunHooks hooks, std::optional<uint32_t> seed) {
    if (running_) return;
    Join();
    runner_ = std::make_unique<ScenarioRunner>(workspace_, std::move(hooks), seed);
    stopRequested_ = false;
    running_ = true;
    workspace_.SuspendViewUpdates(true);
    timer_.start();
    worker_ = std::thread([this, tests] {
        summary_ = tests > 0 ? runner_->Test(tests) : runner_->Run();
        QMetaObject::invokeMethod(
            this,
            [this] {
                Join();
                timer_.stop();
                workspace_.SuspendViewUpdates(false);
                running_ = false;
                emit StatusTick();
                emit Finished(summary_);
            },
            Qt::QueuedConnection);
    });
}

void ScenarioRunController::StartValidation(ValidationRequest request) {
    if (running_) return;
    Join();
    runner_.reset();
    stopRequested_ = false;
    validationStop_ = false;
    running_ = true;
    workspace_.SuspendViewUpdates(true);
    worker_ = std::thread([this, request = std::move(request)]() mutable {
        request.Stop = &validationStop_;
        validation_ = {};
        validationError_.clear();
        try {
            validation_ = ValidateScenario(workspace_, request);
        } catch (const std::exception& e) {
            validationError_ = QString::fromStdString(e.what());
        }
        QMetaObject::invokeMethod(
            this,
            [this] {
                Join();
                workspace_.SuspendViewUpdates(false);
                running_ = false;
                emit ValidationFinished(validation_, validationError_);
            },
            Qt::QueuedConnection);
    });
}

void ScenarioRunController::RequestStop() {
    if (!running_) return;
    stopRequested_ = true;
    validationStop_ = true;
    if (runner_) runner_->RequestUserStop();
}

bool ScenarioRunController::WaitUntilFinished(int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (running_ && clock.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return !running_;
}

void ScenarioRunController::Join() {
    if (worker_.joinable()) worker_.join();
}

}  // namespace quorvel::gui
