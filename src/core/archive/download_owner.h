#pragma once

#include <string>

#include "core/util/ui_host.h"

namespace quorvel {

// The borderless wait window of network operations: the desktop shows it, other programs
// need none.
class TWaitSink {
public:
    virtual ~TWaitSink() = default;
    virtual void ShowWaitText(const std::string& text) = 0;
    virtual void CloseWait() = 0;
};

// What a download needs from the program that runs it.
class TDownloadOwner {
public:
    virtual ~TDownloadOwner() = default;
    virtual UiHost& Host() = 0;
    virtual void ShowWaitText(const std::string& text) = 0;
    // The draws of a range were appended: the archive is saved and the views recomputed.
    // False when the archive could not be saved (the error has been shown).
    virtual bool DrawsAppended() = 0;
    // The PROXY section gets the current proxy; errors are shown.
    virtual void WriteProxySettings() = 0;
};

// The first line of every wait text of the download.
inline constexpr const char* DownloadWaitText = "Загрузка архива тиражей...";

}  // namespace quorvel
