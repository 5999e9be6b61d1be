#include "scenario/pass_workers.h"

#include <atomic>

#include "app/workspace.h"
#include "scenario/scenario_run.h"

namespace quorvel {

namespace {

// Keeps a pass's effects, its step log lines included, for the replay.
class PassRecorder : public PassEffects, public ScenarioLogSink {
public:
    explicit PassRecorder(Workspace& workspace) : ws_(workspace) {}

    std::vector<PassEvent> Events;

    void WriteLine(const std::string& line) override { Log(line); }
    void Log(const std::string& line) override { Add(PassEvent::Kind::Log, line); }
    void Stake(const TStakeRecord& stake, bool newOnly, bool bulk) override {
        PassEvent& event = Add(PassEvent::Kind::Stake, {});
        event.Record = stake;
        event.NewOnly = newOnly;
        event.Bulk = bulk;
    }
    void StakesAdded() override { Add(PassEvent::Kind::StakesAdded, {}); }
    void CheckStakes() override { Add(PassEvent::Kind::Check, {}); }
    void ClearStakes() override { Add(PassEvent::Kind::Clear, {}); }
    void Error(const std::string& text) override { Add(PassEvent::Kind::Error, text); }
    void Warning(const std::string& text, WarningCaption caption) override {
        Add(PassEvent::Kind::Warning, text).Caption = caption;
    }
    // The worker's own pass stops where a plain run would stop, and the replay stops the run.
    void Stop() override {
        Add(PassEvent::Kind::Stop, {});
        ws_.RequestScriptStop();
    }

private:
    PassEvent& Add(PassEvent::Kind kind, std::string text) {
        PassEvent& event = Events.emplace_back();
        event.What = kind;
        event.Text = std::move(text);
        return event;
    }

    Workspace& ws_;
};

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

struct PassWorkers::Worker {
    std::atomic<bool> Abandoned{false};
    std::unique_ptr<WorkerHost> Host;
    std::unique_ptr<Workspace> Ws;
    std::unique_ptr<ScenarioRunner> Runner;
};

PassWorkers::PassWorkers(Workspace& main, int jobs, int tests, uint32_t seed)
    : tests_(tests), ahead_(2 * jobs) {
    // Set up here, on the run's thread, while nothing else touches the main workspace.
    for (int i = 0; i < jobs; ++i) {
        auto worker = std::make_unique<Worker>();
        worker->Host = std::make_unique<WorkerHost>(worker->Abandoned);
        worker->Ws = std::make_unique<Workspace>(main.Dir(), *worker->Host, std::vector<std::string>{},
                                                 Workspace::Mode::CommandLine);
        Workspace& ws = *worker->Ws;
        ws.LoadStartupSettings();
        ws.Options() = main.Options();
        ws.Stats().Config = main.Stats().Config;
        ws.Stats().ParseFavourites(main.Stats().FavouritesText());
        ws.Stats().CombsGenerateMode = main.Stats().CombsGenerateMode;
        ws.Stats().CombsGenerateParameters = main.Stats().CombsGenerateParameters;
        ws.Archive().Assign(main.Archive().Draws());
        ws.UseScenarioUnsaved(main.Scenario().Lines());
        worker->Runner = std::make_unique<ScenarioRunner>(ws, ScenarioRunHooks{}, seed);
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
    changed_.wait(lock, [&] { return abandoned_ || started_ >= tests_ || started_ - taken_ < ahead_; });
    if (abandoned_ || started_ >= tests_) return false;
    offset = tests_ - started_;
    ++started_;
    return true;
}

void PassWorkers::Work(Worker& worker) {
    int offset = 0;
    while (NextOffset(offset)) {
        PassRecorder recorder(*worker.Ws);
        worker.Host->Recording = &recorder;
        RecordedPass pass;
        try {
            pass.Variants = worker.Runner->RunRecordedPass(offset, recorder, recorder);
        } catch (const std::exception& e) {
            recorder.Stop();
            recorder.Error(e.what());
        }
        worker.Host->Recording = nullptr;
        pass.Events = std::move(recorder.Events);
        {
            std::lock_guard lock(mutex_);
            ready_[offset] = std::move(pass);
        }
        changed_.notify_all();
    }
}

RecordedPass PassWorkers::Take(int offset) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return ready_.count(offset) > 0; });
    RecordedPass pass = std::move(ready_[offset]);
    ready_.erase(offset);
    ++taken_;
    lock.unlock();
    changed_.notify_all();
    return pass;
}

void ReplayPassEvents(const std::vector<PassEvent>& events, PassEffects& effects) {
    for (const PassEvent& event : events) {
        switch (event.What) {
            case PassEvent::Kind::Log:
                effects.Log(event.Text);
                break;
            case PassEvent::Kind::Stake:
                effects.Stake(event.Record, event.NewOnly, event.Bulk);
                break;
            case PassEvent::Kind::StakesAdded:
                effects.StakesAdded();
                break;
            case PassEvent::Kind::Check:
                effects.CheckStakes();
                break;
            case PassEvent::Kind::Clear:
                effects.ClearStakes();
                break;
            case PassEvent::Kind::Error:
                effects.Error(event.Text);
                break;
            case PassEvent::Kind::Warning:
                effects.Warning(event.Text, event.Caption);
                break;
            case PassEvent::Kind::Stop:
                effects.Stop();
                break;
        }
    }
}

}  // namespace quorvel
