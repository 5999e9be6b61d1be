#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/archive/download_owner.h"
#include "core/archive/download_page.h"
#include "core/archive/download_settings.h"
#include "core/archive/draw_archive.h"
#include "core/archive/proxies.h"
#include "core/archive/web_client.h"

namespace quorvel {

// Each request asks for this many draws.
constexpr int DownloadRangeSize = 50;

// "Ошибка загрузки архива тиражей с сайта: \"%s\"": a download that ended on an error.
std::string DownloadFailureText(const std::string& error);

// One download of new draws: ranges of 50 from the next draw number, each saved before the
// next is asked for, until a range brings fewer. A failed range moves to the next automatic
// proxy or asks whether to try again. The web client (with its cookies), the automatic proxy
// list and the attempt counter live as long as this object.
class TDrawsDownload {
public:
    TDrawsDownload(DrawArchive& archive, TProxySettings& proxy, bool& proxyWritten,
                   const TDownloadSettings& settings, TDownloadOwner& owner, TWebTimeouts timeouts = {});

    // Returns how many draws were appended.
    int Run();

    // Requests the range and appends its new draws, oldest first; returns how many. Only
    // draws inside the range that the archive lacks are taken, so a source that ignores the
    // range can neither add a draw twice nor keep the loop going.
    int FetchDraws(int first, int last);

    // The body of the address in code page 1251, through the proxy of the moment; empty
    // without a request when automatic mode found no proxy.
    std::string FetchPage(const std::string& url);

    // How many times a Yes to the retry question is taken; negative means every time. Past
    // the limit the download ends without asking.
    void SetRetryLimit(int limit) { retryLimit_ = limit; }
    // The error of the range that ended the download unfinished (No, or the limit); empty
    // when it ended because no new draw was left.
    const std::string& Failure() const { return failure_; }
    int Attempt() const { return attempt_; }
    // Draws of the requested ranges left out for a value outside 0..9.
    int Rejected() const { return rejected_; }

private:
    std::vector<TReadDraw> ReadRange(int first, int last);
    bool HandleFailure(const std::string& error, int& retries);

    DrawArchive& archive_;
    TDownloadSettings settings_;
    TDownloadOwner& owner_;
    TWebClient client_;
    TProxyChooser proxies_;
    int attempt_ = 1;
    int retryLimit_ = -1;
    int rejected_ = 0;
    std::string failure_;
    // A ".csv" address is read once per download and serves every range.
    std::optional<std::vector<TReadDraw>> csvDraws_;
};

}  // namespace quorvel
