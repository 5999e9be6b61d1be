#pragma once

#include <condition_variable>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "scenario/pass_effects.h"

namespace quorvel {

class Workspace;

// A pass worked out by a worker: its effects in order and the filter variants it ran.
struct RecordedPass {
    std::vector<PassEvent> Events;
    int Variants = 0;
};

// The passes of a back-test at the offsets tests, tests - 1, ..., 1, worked out ahead on
// worker threads. Each worker has its own workspace over the same data directory, with a copy
// of the archive, settings, options and scenario taken when the workers start; it never writes
// a file. A bounded number of passes is kept waiting, so memory stays small on long tests.
class PassWorkers {
public:
    PassWorkers(Workspace& main, int jobs, int tests, uint32_t seed);
    ~PassWorkers();
    PassWorkers(const PassWorkers&) = delete;
    PassWorkers& operator=(const PassWorkers&) = delete;

    // Waits for the pass at this offset; passes are taken in order, from tests down to 1.
    RecordedPass Take(int offset);
    // Workers stop at their next poll; passes not taken are dropped.
    void Abandon();

private:
    struct Worker;

    void Work(Worker& worker);
    bool NextOffset(int& offset);

    const int tests_;
    const int ahead_;
    std::mutex mutex_;
    std::condition_variable changed_;
    int started_ = 0;
    int taken_ = 0;
    bool abandoned_ = false;
    std::map<int, RecordedPass> ready_;
    std::vector<std::unique_ptr<Worker>> workers_;
    std::vector<std::thread> threads_;
};

}  // namespace quorvel
