#pragma once

#include <functional>
#include <string>

#include "core/app/stakes_service.h"
#include "core/archive/download_owner.h"
#include "core/archive/download_settings.h"
#include "core/archive/proxy_settings.h"

namespace quorvel {

// What the download service reads from the rest of the workspace.
struct DownloadServiceParts {
    const DataDirectory& Dir;
    UiHost& Host;
    BusyState& Busy;
    DrawArchive& Archive;
    StakesService& Stakes;
    // Saves the archive after a range of new draws and lets the views follow; false when the
    // save failed.
    std::function<bool()> DrawsAppended;
};

// Download of new draws from the results address, through the proxy when one is set.
class DownloadService {
public:
    explicit DownloadService(DownloadServiceParts parts) : p_(std::move(parts)) {}

    // The settings file's sections, read at start-up.
    void Assign(TProxySettings proxy, TDownloadSettings download) {
        proxy_ = std::move(proxy);
        download_ = std::move(download);
    }
    TProxySettings& Proxy() { return proxy_; }
    const TProxySettings& Proxy() const { return proxy_; }
    // The results address and the proxy list service (section DOWNLOAD of the settings file).
    const TDownloadSettings& Settings() const { return download_; }
    // The proxy dialog's OK: the values become current and both sections are written at once;
    // a failed write is shown and the new values stay in use. False on such a failure.
    bool ApplyProxySettings(const TProxySettings& proxy, const TDownloadSettings& download);
    // Writes the PROXY section with the current proxy; failures are shown.
    bool WriteProxySettings();
    // Brings the archive up to date from the results address; returns how many draws were
    // appended. Without an address it says how to set one. A negative retry limit takes every
    // Yes to the retry question. The failure, when given, receives the error of a range that
    // ended the download unfinished.
    int DrawsDownload(int retryLimit = -1, std::string* failure = nullptr);
    // The wait window of the download; none outside the desktop program.
    void SetWaitSink(TWaitSink* sink) { waitSink_ = sink; }

private:
    // The PROXY section, and the DOWNLOAD one when asked, in one write of the settings file.
    bool WriteSettings(bool withDownload);

    DownloadServiceParts p_;
    TProxySettings proxy_;
    TDownloadSettings download_;
    bool proxyWritten_ = true;  // the current proxy is the one the settings file holds
    TWaitSink* waitSink_ = nullptr;
};

}  // namespace quorvel
