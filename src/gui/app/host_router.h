#pragma once

#include "gui/app/gui_thread.h"
#include "gui/app/qt_ui_host.h"

namespace quorvel::gui {

// Progress and the busy cursor always reach the window; messages and questions go to the
// current target, which tests replace with a script.
class HostRouter : public UiHost {
public:
    explicit HostRouter(QtUiHost& window) : window_(window), target_(&window) {}
    void SetTarget(UiHost* target) { target_ = target != nullptr ? target : &window_; }
    // Off the window's thread (a scenario run) progress and the busy cursor are left to the
    // run's own panels; messages and questions wait for the window.
    void ShowProgress(const std::string& text) override {
        if (OnGuiThread()) window_.ShowProgress(text);
    }
    void BusyChanged(bool busy) override {
        if (OnGuiThread()) window_.BusyChanged(busy);
    }
    void ShowError(const std::string& text) override {
        CallOnGuiThread([&] { target_->ShowError(text); });
    }
    void ShowInfo(const std::string& text) override {
        CallOnGuiThread([&] { target_->ShowInfo(text); });
    }
    void ShowWarning(const std::string& text, WarningCaption caption) override {
        CallOnGuiThread([&] { target_->ShowWarning(text, caption); });
    }
    bool AskYesNo(const std::string& text) override {
        return CallOnGuiThread([&] { return target_->AskYesNo(text); });
    }
    bool AskDelete(const std::string& text) override {
        return CallOnGuiThread([&] { return target_->AskDelete(text); });
    }
    bool AskRetry(const std::string& text) override {
        return CallOnGuiThread([&] { return target_->AskRetry(text); });
    }
    bool StopRequested() override { return OnGuiThread() && target_->StopRequested(); }

private:
    QtUiHost& window_;
    UiHost* target_;
};

}  // namespace quorvel::gui
