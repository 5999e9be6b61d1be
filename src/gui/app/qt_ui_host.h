#pragma once

#include <QString>
#include <functional>

#include "core/util/ui_host.h"

class QWidget;

namespace quorvel::gui {

// The system's text with its CR CR paragraph breaks, as Qt shows line breaks.
QString UiText(const std::string& text);

// Message boxes with the system's captions, the wait cursor for the busy state and the
// progress text in the status bar, repainted at once.
class QtUiHost : public UiHost {
public:
    explicit QtUiHost(QWidget* parent) : parent_(parent) {}

    void SetProgressSink(std::function<void(const QString&)> sink) { progressSink_ = std::move(sink); }
    void SetBusySink(std::function<void(bool)> sink) { busySink_ = std::move(sink); }

    void ShowProgress(const std::string& text) override;
    void BusyChanged(bool busy) override;
    void ShowError(const std::string& text) override;
    void ShowInfo(const std::string& text) override;
    void ShowWarning(const std::string& text, WarningCaption caption) override;
    bool AskYesNo(const std::string& text) override;
    bool AskDelete(const std::string& text) override;
    bool AskRetry(const std::string& text) override;

private:
    QWidget* parent_;
    std::function<void(const QString&)> progressSink_;
    std::function<void(bool)> busySink_;
};

}  // namespace quorvel::gui
