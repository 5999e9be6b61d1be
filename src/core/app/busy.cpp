#include "core/app/busy.h"

namespace quorvel {

void BusyState::BeginBusy() {
    if (count_++ == 0) host_.BusyChanged(true);
}

void BusyState::EndBusy() {
    if (count_ == 0) return;
    if (--count_ == 0) host_.BusyChanged(false);
}

BusyScope::BusyScope(BusyState& busy, UiHost& host, const std::string& progress) : busy_(busy), host_(host) {
    busy_.BeginBusy();
    if (!progress.empty()) host_.ShowProgress(progress);
}

BusyScope::~BusyScope() {
    host_.ShowProgress("");
    busy_.EndBusy();
}

}  // namespace quorvel
