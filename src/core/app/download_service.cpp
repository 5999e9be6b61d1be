#include "core/app/download_service.h"
#include "core/archive/download.h"
#include "core/util/format.h"

namespace quorvel {

namespace {

// The download's view of the workspace: saving after each range, the proxy write-back and
// the wait window.
class ServiceDownloadOwner : public TDownloadOwner {
public:
    ServiceDownloadOwner(DownloadService& service, const DownloadServiceParts& parts, TWaitSink* wait)
        : service_(service), parts_(parts), wait_(wait) {}

    UiHost& Host() override { return parts_.Host; }
    void ShowWaitText(const std::string& text) override {
        if (wait_ != nullptr) wait_->ShowWaitText(text);
    }
    bool DrawsAppended() override { return parts_.DrawsAppended(); }
    void WriteProxySettings() override { service_.WriteProxySettings(); }

private:
    DownloadService& service_;
    const DownloadServiceParts& parts_;
    TWaitSink* wait_;
};

// The wait window closes on every exit path, like the busy state.
class WaitScope {
public:
    explicit WaitScope(TWaitSink* wait) : wait_(wait) {}
    ~WaitScope() {
        if (wait_ != nullptr) wait_->CloseWait();
    }
    WaitScope(const WaitScope&) = delete;
    WaitScope& operator=(const WaitScope&) = delete;

private:
    TWaitSink* wait_;
};

}  // namespace

bool DownloadService::WriteSettings(bool withDownload) {
    BusyScope busy(p_.Busy, p_.Host, "Сохранение файла конфигурации...");
    try {
        TIniFile ini = TIniFile::Load(p_.Dir.SettingsPath());
        SaveProxySettings(ini, proxy_);
        if (withDownload) SaveDownloadSettings(ini, download_);
        ini.Save(p_.Dir.SettingsPath());
        proxyWritten_ = true;
        return true;
    } catch (const std::exception& e) {
        p_.Host.ShowError(ActionError("Ошибка записи в файл конфигурации!\r\r%s", e.what()));
        return false;
    }
}

bool DownloadService::WriteProxySettings() {
    return WriteSettings(false);
}

bool DownloadService::ApplyProxySettings(const TProxySettings& proxy, const TDownloadSettings& download) {
    // What the callers have not checked yet is refused here, before anything is stored.
    for (const std::string* url : {&download.ResultsUrl, &download.ProxyListUrl}) {
        if (const auto problem = AddressProblem(*url)) {
            p_.Host.ShowError(*problem);
            return false;
        }
    }
    proxy_ = proxy;
    download_ = download;
    return WriteSettings(true);
}

int DownloadService::DrawsDownload(int retryLimit, std::string* failure) {
    if (download_.ResultsUrl.empty()) {
        p_.Host.ShowWarning(NoResultsAddressText);
        return 0;
    }
    int appended = 0;
    int rejected = 0;
    {
        BusyScope busy(p_.Busy, p_.Host, DownloadWaitText);
        WaitScope wait(waitSink_);
        ServiceDownloadOwner owner(*this, p_, waitSink_);
        try {
            TDrawsDownload download(p_.Archive, proxy_, proxyWritten_, download_, owner);
            download.SetRetryLimit(retryLimit);
            appended = download.Run();
            rejected = download.Rejected();
            if (failure != nullptr) *failure = download.Failure();
        } catch (const std::exception& e) {
            // Only the web client's own set-up can fail outside the loop.
            p_.Host.ShowError(DownloadFailureText(e.what()));
        }
        p_.Stakes.CheckAfterChange();
    }
    if (rejected > 0) {
        p_.Host.ShowWarning(Format(
            "Не загружено тиражей: %d. В них есть значения вне диапазона от 0 до 9, такой тираж не может "
            "быть добавлен в архив.",
            {rejected}));
    }
    return appended;
}

}  // namespace quorvel
