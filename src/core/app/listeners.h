#pragma once

#include <atomic>
#include <vector>

namespace quorvel {

// Told when the data that views show has changed.
class WorkspaceListener {
public:
    virtual ~WorkspaceListener() = default;
    // The archive or the offset changed; the lists and status texts must follow.
    virtual void ArchiveRefreshed(bool force) { (void)force; }
    // Every analysis view must recompute.
    virtual void RecalcViews() {}
    // The combination list or its applied filters changed.
    virtual void CombsRefreshed() {}
    // The stakes file changed; moveToEnd asks the grid to show its last record.
    virtual void StakesRefreshed(bool moveToEnd) { (void)moveToEnd; }
    // The rating's rows or their order changed.
    virtual void RatingRefreshed() {}
    // The list of local systems changed (or was cleared).
    virtual void SystemsRefreshed() {}
    // The regular stakes changed (or were emptied).
    virtual void RegularsRefreshed() {}
};

// The listeners of a workspace. While suspended they hear nothing: a scenario run on another
// thread must not make windows read data it is changing; the window refreshes everything
// afterwards.
class WorkspaceListeners {
public:
    void Add(WorkspaceListener* listener) { listeners_.push_back(listener); }
    void Suspend(bool suspended) { suspended_ = suspended; }
    bool Live() const { return !suspended_; }
    const std::atomic<bool>& Suspended() const { return suspended_; }
    template <typename Tell>
    void TellAll(Tell tell) {
        if (suspended_) return;
        for (WorkspaceListener* listener : listeners_)
            tell(*listener);
    }

private:
    std::vector<WorkspaceListener*> listeners_;
    std::atomic<bool> suspended_{false};
};

}  // namespace quorvel
