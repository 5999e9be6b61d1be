#pragma once

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace quorvel {

// Holds a run still while its owner asks the user whether to stop it: the run's thread waits at
// its next stop poll until the answer, so that a stop lands where the user asked, not some
// passes later. Holds nest; the thread that holds never waits at its own hold.
class RunHold {
public:
    void Hold();
    void Release();
    // Called at each stop poll of the run.
    void WaitWhileHeld();
    // Whether a run's thread is waiting at the hold now.
    bool Waiting() const { return waiting_; }

private:
    std::mutex mutex_;
    std::condition_variable released_;
    std::atomic<int> holds_{0};
    std::atomic<bool> waiting_{false};
    std::thread::id holder_;
};

// Holds a run for as long as it lives: for the time a question is open.
class RunHoldScope {
public:
    explicit RunHoldScope(RunHold& hold) : hold_(hold) { hold_.Hold(); }
    ~RunHoldScope() { hold_.Release(); }
    RunHoldScope(const RunHoldScope&) = delete;
    RunHoldScope& operator=(const RunHoldScope&) = delete;

private:
    RunHold& hold_;
};

}  // namespace quorvel
