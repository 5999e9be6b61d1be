#pragma once

#include <condition_variable>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "core/app/workspace.h"
#include "core/scenario/pass_effects.h"
#include "core/scenario/pass_plan.h"

namespace quorvel {

// What a pass leaves besides its effects: the combination list and the statistics tab's
// method, window and table.
struct PassEndState {
    TCombList Combs;
    StatsService::TableState StatTable;
    int32_t DrawsStatLen = 0;
};
PassEndState CapturePassEnd(Workspace& ws);
void AdoptPassEnd(Workspace& ws, PassEndState state);

// A pass worked out by a worker: its effects, and what it left in the worker's workspace.
struct WorkedPass {
    RecordedPass Record;
    std::optional<PassEndState> End;
};

// The passes of a back-test at the offsets of a range, first to last, worked out ahead on
// worker threads. Each worker has its own workspace over the same data directory, a whole copy
// of the main one taken when the workers start; it never writes a file of the directory. When
// the passes run in order (each continues the list of the one before), a single worker does
// them one after another. A bounded number of passes is kept waiting, so memory stays small on
// long tests.
class PassWorkers {
public:
    PassWorkers(Workspace& main, int jobs, PassRange range, uint32_t seed, bool inOrder);
    ~PassWorkers();
    PassWorkers(const PassWorkers&) = delete;
    PassWorkers& operator=(const PassWorkers&) = delete;

    // Waits for the pass at this offset; passes are taken in order, from first to last.
    WorkedPass Take(int offset);
    // Workers stop at their next poll; passes not taken are dropped.
    void Abandon();

private:
    struct Worker;

    void Work(Worker& worker);
    bool NextOffset(int& offset);

    const PassRange range_;
    const int ahead_;
    std::mutex mutex_;
    std::condition_variable changed_;
    int started_ = 0;
    int taken_ = 0;
    bool abandoned_ = false;
    std::map<int, WorkedPass> ready_;
    std::vector<std::unique_ptr<Worker>> workers_;
    std::vector<std::thread> threads_;
};

}  // namespace quorvel
