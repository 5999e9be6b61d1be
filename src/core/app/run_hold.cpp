#include "core/app/run_hold.h"

namespace quorvel {

void RunHold::Hold() {
    std::lock_guard lock(mutex_);
    holder_ = std::this_thread::get_id();
    ++holds_;
}

void RunHold::Release() {
    {
        std::lock_guard lock(mutex_);
        if (holds_ > 0) --holds_;
    }
    released_.notify_all();
}

void RunHold::WaitWhileHeld() {
    if (holds_ == 0) return;
    std::unique_lock lock(mutex_);
    if (holder_ == std::this_thread::get_id()) return;
    waiting_ = true;
    released_.wait(lock, [this] { return holds_ == 0; });
    waiting_ = false;
}

}  // namespace quorvel
