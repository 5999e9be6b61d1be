#include "core/archive/download.h"

#include <algorithm>
#include <unordered_set>

#include "core/util/format.h"
#include "core/util/text.h"

namespace quorvel {

namespace {

bool IsSecureAddress(const std::string& url) {
    return LowerCase(TrimBlanks(url)).starts_with("https://");
}

}  // namespace

std::string DownloadFailureText(const std::string& error) {
    return Format("Ошибка загрузки архива тиражей с сайта: \"%s\"", {error});
}

TDrawsDownload::TDrawsDownload(DrawArchive& archive, TProxySettings& proxy, bool& proxyWritten,
                               const TDownloadSettings& settings, TDownloadOwner& owner,
                               TWebTimeouts timeouts)
    : archive_(archive),
      settings_(settings),
      owner_(owner),
      client_(timeouts),
      proxies_(proxy, proxyWritten, settings.ProxyListUrl, IsSecureAddress(settings.ResultsUrl), owner,
               timeouts) {}

int TDrawsDownload::Run() {
    owner_.ShowWaitText(DownloadWaitText);
    int total = 0;
    int retries = 0;
    for (;;) {
        std::string failure;
        try {
            const int first = archive_.NextDrawNumber(0);
            const int added = FetchDraws(first, first + DownloadRangeSize - 1);
            if (proxies_.PickedUnwritten()) owner_.WriteProxySettings();
            if (added == 0) break;
            total += added;
            if (!owner_.DrawsAppended() || added < DownloadRangeSize) break;
            continue;
        } catch (const std::exception& e) {
            failure = e.what();
        }
        if (!HandleFailure(failure, retries)) break;
    }
    proxies_.DiscardList();
    return total;
}

bool TDrawsDownload::HandleFailure(const std::string& error, int& retries) {
    ++attempt_;
    if (proxies_.NextProxy()) return true;
    if ((retryLimit_ >= 0 && retries >= retryLimit_) ||
        !owner_.Host().AskRetry(DownloadFailureText(error) + "\r\rПовторить попытку?")) {
        failure_ = error;
        return false;
    }
    ++retries;
    return true;
}

int TDrawsDownload::FetchDraws(int first, int last) {
    owner_.Host().ShowProgress(Format("Загрузка тиражей %d - %d...", {first, last}));
    const std::vector<TReadDraw> read = ReadRange(first, last);
    std::vector<TDraw> fresh;
    std::unordered_set<int32_t> taken;
    int rejected = 0;
    for (const TReadDraw& r : read) {
        const int32_t number = r.Draw.Number;
        if (number < first || number > last || archive_.IndexOfNumber(number) >= 0) continue;
        if (!taken.insert(number).second) continue;
        if (!r.Valid) {
            ++rejected;
            continue;
        }
        fresh.push_back(r.Draw);
    }
    rejected_ += rejected;
    owner_.Host().ShowProgress("Сохранение файла тиражей...");
    // Pages list the newest draw first; the archive keeps the oldest first.
    std::stable_sort(fresh.begin(), fresh.end(),
                     [](const TDraw& a, const TDraw& b) { return a.Number < b.Number; });
    for (const TDraw& draw : fresh)
        archive_.Append(draw);
    return static_cast<int>(fresh.size());
}

std::vector<TReadDraw> TDrawsDownload::ReadRange(int first, int last) {
    if (!IsCsvAddress(settings_.ResultsUrl))
        return ReadResultsPage(FetchPage(ResultsPageAddress(settings_.ResultsUrl, first, last)));
    if (!csvDraws_) csvDraws_ = ReadDrawsCsv(FetchPage(RequestAddress(settings_.ResultsUrl)));
    return *csvDraws_;
}

std::string TDrawsDownload::FetchPage(const std::string& url) {
    const TProxyChooser::Choice choice = proxies_.PrepareProxy(attempt_);
    if (!choice.Request) return {};
    client_.SetProxy(choice.Proxy);
    return BodyToCp1251(client_.Get(url));
}

}  // namespace quorvel
