#include "core/scenario_run/pass_workers.h"

#include <atomic>

#include "core/scenario_run/scenario_run.h"

namespace quorvel {

namespace {

// A worker's person: messages go into the pass being recorded, questions get No, and a stop is
// the run's abandoning of the workers. While the worker is set up its messages are dropped: they
// repeat what the run's own workspace reported when it read the same files.
class WorkerHost : public UiHost {
public:
    explicit WorkerHost(std::atomic<bool>& abandoned) : abandoned_(abandoned) {}

    PassRecorder* Recording = nullptr;

    void ShowProgress(const std::string&) override {}
    void ShowError(const std::string& text) override {
        if (Recording != nullptr) Recording->Error(text);
    }
    void ShowInfo(const std::string&) override {}
    void ShowWarning(const std::string& text, WarningCaption caption) override {
        if (Recording != nullptr) Recording->Warning(text, caption);
    }
    bool AskYesNo(const std::string&) override { return false; }
    bool AskDelete(const std::string&) override { return false; }
    bool StopRequested() override { return abandoned_; }

private:
    std::atomic<bool>& abandoned_;
};

}  // namespace

PassEndState CapturePassEnd(Workspace& ws) {
    return {ws.Combs().List(), ws.Stats().Table(), ws.Options().DrawsStatLen};
}

void AdoptPassEnd(Workspace& ws, PassEndState state) {
    ws.Combs().List() = std::move(state.Combs);
    ws.Stats().Table() = std::move(state.StatTable);
    ws.Options().DrawsStatLen = state.DrawsStatLen;
    ws.Combs().Refresh();
}

struct PassWorkers::Worker {
    std::atomic<bool> Abandoned{false};
    std::unique_ptr<WorkerHost> Host;
    std::unique_ptr<Workspace> Ws;
    std::unique_ptr<ScenarioRunner> Runner;
};

PassWorkers::PassWorkers(Workspace& main, int jobs, PassRange range, uint32_t seed, bool inOrder)
    : range_(range), ahead_(2 * jobs) {
    if (inOrder) jobs = 1;
    // Set up here, on the run's thread, while nothing else touches the main workspace.
    for (int i = 0; i < jobs; ++i) {
        auto worker = std::make_unique<Worker>();
        worker->Host = std::make_unique<WorkerHost>(worker->Abandoned);
        worker->Ws = Workspace::PassCopyOf(main, *worker->Host);
        worker->Runner = std::make_unique<ScenarioRunner>(*worker->Ws, ScenarioRunHooks{}, seed);
        workers_.push_back(std::move(worker));
    }
    for (auto& worker : workers_)
        threads_.emplace_back([this, w = worker.get()] { Work(*w); });
}

PassWorkers::~PassWorkers() {
    Abandon();
    for (std::thread& thread : threads_)
        thread.join();
}

void PassWorkers::Abandon() {
    {
        std::lock_guard lock(mutex_);
        abandoned_ = true;
        for (auto& worker : workers_)
            worker->Abandoned = true;
    }
    changed_.notify_all();
}

bool PassWorkers::NextOffset(int& offset) {
    std::unique_lock lock(mutex_);
    const int count = range_.Count();
    changed_.wait(lock, [&] { return abandoned_ || started_ >= count || started_ - taken_ < ahead_; });
    if (abandoned_ || started_ >= count) return false;
    offset = range_.First - started_;
    ++started_;
    return true;
}

void PassWorkers::Work(Worker& worker) {
    int offset = 0;
    while (NextOffset(offset)) {
        PassRecorder recorder([&worker] { worker.Ws->Script().RequestStop(); });
        worker.Host->Recording = &recorder;
        WorkedPass pass;
        pass.Record.Offset = offset;
        try {
            pass.Record.Variants = worker.Runner->RecordPass(offset, recorder);
        } catch (const std::exception& e) {
            recorder.Stop();
            recorder.Error(e.what());
        }
        worker.Host->Recording = nullptr;
        pass.Record.Events = std::move(recorder.Events);
        pass.End = CapturePassEnd(*worker.Ws);
        {
            std::lock_guard lock(mutex_);
            ready_[offset] = std::move(pass);
        }
        changed_.notify_all();
    }
}

WorkedPass PassWorkers::Take(int offset) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return ready_.count(offset) > 0; });
    WorkedPass pass = std::move(ready_[offset]);
    ready_.erase(offset);
    ++taken_;
    lock.unlock();
    changed_.notify_all();
    return pass;
}

}  // namespace quorvel
