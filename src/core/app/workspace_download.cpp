#include "core/app/workspace.h"
#include "core/archive/download.h"
#include "core/util/format.h"

namespace quorvel {

namespace {

// The download's view of the workspace: saving after each range, the proxy write-back and
// the wait window.
class WorkspaceDownloadOwner : public TDownloadOwner {
public:
    WorkspaceDownloadOwner(Workspace& workspace, TWaitSink* wait) : workspace_(workspace), wait_(wait) {}

    UiHost& Host() override { return workspace_.Host(); }
    void ShowWaitText(const std::string& text) override {
        if (wait_ != nullptr) wait_->ShowWaitText(text);
    }
    bool DrawsAppended() override {
        const bool saved = workspace_.SaveDraws();
        workspace_.RecalcViews();
        return saved;
    }
    void WriteProxySettings() override { workspace_.WriteProxySettings(); }

private:
    Workspace& workspace_;
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

bool Workspace::WriteProxySettings() {
    BusyScope busy(busy_, host_, "Сохранение файла конфигурации...");
    try {
        TIniFile ini = TIniFile::Load(dir_.SettingsPath());
        SaveProxySettings(ini, proxy_);
        ini.Save(dir_.SettingsPath());
        proxyWritten_ = true;
        return true;
    } catch (const std::exception& e) {
        host_.ShowError(ActionError("Ошибка записи в файл конфигурации!\r\r%s", e.what()));
        return false;
    }
}

bool Workspace::ApplyProxySettings(const TProxySettings& proxy, const TDownloadSettings& download) {
    proxy_ = proxy;
    download_ = download;
    BusyScope busy(busy_, host_, "Сохранение файла конфигурации...");
    try {
        TIniFile ini = TIniFile::Load(dir_.SettingsPath());
        SaveProxySettings(ini, proxy_);
        SaveDownloadSettings(ini, download_);
        ini.Save(dir_.SettingsPath());
        proxyWritten_ = true;
        return true;
    } catch (const std::exception& e) {
        host_.ShowError(ActionError("Ошибка записи в файл конфигурации!\r\r%s", e.what()));
        return false;
    }
}

int Workspace::DrawsDownload(int retryLimit, std::string* failure) {
    if (download_.ResultsUrl.empty()) {
        host_.ShowWarning(NoResultsAddressText);
        return 0;
    }
    int appended = 0;
    int rejected = 0;
    {
        BusyScope busy(busy_, host_, DownloadWaitText);
        WaitScope wait(waitSink_);
        WorkspaceDownloadOwner owner(*this, waitSink_);
        try {
            TDrawsDownload download(archive_, proxy_, proxyWritten_, download_, owner);
            download.SetRetryLimit(retryLimit);
            appended = download.Run();
            rejected = download.Rejected();
            if (failure != nullptr) *failure = download.Failure();
        } catch (const std::exception& e) {
            // Only the web client's own set-up can fail outside the loop.
            host_.ShowError(DownloadFailureText(e.what()));
        }
        stakes_.CheckAfterChange();
    }
    if (rejected > 0) {
        host_.ShowWarning(Format(
            "Не загружено тиражей: %d. В них есть значения вне диапазона от 0 до 9, такой тираж не может "
            "быть добавлен в архив.",
            {rejected}));
    }
    return appended;
}

bool Workspace::RunLoadOnlySwitch() {
    if (!HasSwitch("loadonly")) return false;
    // A batch run has nobody to answer the retry question: the reason it stopped is reported.
    std::string failure;
    DrawsDownload(-1, &failure);
    if (!failure.empty()) host_.ShowError(DownloadFailureText(failure));
    // With a full-set switch the batch run goes on to those files before it ends.
    if (HasSwitch("fullrecreate") || HasSwitch("fullrefresh")) return false;
    endsAfterStartup_ = true;
    return true;
}

void Workspace::RunStartupDownload() {
    // The command line never downloads by itself, and without an address there is nothing to
    // offer.
    if (mode_ != Mode::Window || download_.ResultsUrl.empty()) return;
    switch (options_.DownloadDrawsOnStart) {
        case 0:
            if (host_.AskYesNo("Обновить список тиражей?\r\rДля выполнения обновления необходимо действующее "
                               "подключение к сети Интернет."))
                DrawsDownload();
            break;
        case 1:
            DrawsDownload();
            break;
        default:
            break;
    }
}

}  // namespace quorvel
