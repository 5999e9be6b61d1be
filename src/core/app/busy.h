#pragma once

#include <atomic>

#include "core/util/ui_host.h"

namespace quorvel {

// The program-wide busy counter: every action is enabled only while it is 0.
class BusyState {
public:
    explicit BusyState(UiHost& host) : host_(host) {}

    void BeginBusy();
    void EndBusy();
    bool IsIdle() const { return count_ == 0; }

private:
    UiHost& host_;
    // A scenario run changes it on its own thread while the window reads it.
    std::atomic<int> count_{0};
};

// Brackets a long operation; the busy state ends on every exit path, the progress text with it.
class BusyScope {
public:
    BusyScope(BusyState& busy, UiHost& host, const std::string& progress);
    ~BusyScope();
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    BusyState& busy_;
    UiHost& host_;
};

}  // namespace quorvel
