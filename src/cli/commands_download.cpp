#include "cli/commands_download.h"

#include <ostream>

#include "cli/cli_language.h"
#include "cli/cli_options.h"
#include "cli/console_host.h"
#include "core/app/workspace.h"
#include "core/archive/download.h"
#include "core/archive/proxies.h"
#include "core/util/format.h"

namespace quorvel::cli {

namespace {

// A batch run cannot watch a dead site for ever: "--yes" retries a failed range this often.
constexpr int RetryLimit = 3;

// The proxy options, applied as the proxy dialog applies its fields. False (with a message)
// on a value that cannot be used.
bool TakeProxyOptions(std::vector<std::string>& args, TProxySettings& proxy, bool& changed,
                      std::ostream& err) {
    int mode = -1;
    if (!TakeIntOption(args, "--proxy-mode", ProxyModeNone, ProxyModeGiven, mode, err)) return false;
    if (auto entry = TakeOption(args, "--proxy")) {
        const auto given = ProxyOfEntry(*entry);
        if (!given) {
            err << Format(Text("Некорректный адрес proxy-сервера: \"%s\""), {*entry}) << "\n";
            return false;
        }
        proxy.Server = given->Host;
        proxy.Port = given->Port;
        changed = true;
    }
    if (auto user = TakeOption(args, "--proxy-user")) {
        proxy.Username = *user;
        changed = true;
    }
    if (auto password = TakeOption(args, "--proxy-password")) {
        proxy.Password = *password;
        changed = true;
    }
    if (mode < 0) return true;
    proxy.Mode = mode;
    changed = true;
    if (mode == ProxyModeAutomatic) {
        proxy = TProxySettings{};
        proxy.Mode = ProxyModeAutomatic;
    }
    if (mode == ProxyModeGiven && proxy.Server.empty()) {
        err << Text("Не задан proxy-сервер: укажите --proxy ХОСТ:ПОРТ") << "\n";
        return false;
    }
    return true;
}

}  // namespace

int RunDownload(Workspace& workspace, std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    TProxySettings proxy = workspace.Download().Proxy();
    TDownloadSettings download = workspace.Download().Settings();
    bool changed = false;
    if (auto url = TakeOption(args, "--url")) {
        download.ResultsUrl = *url;
        changed = true;
    }
    if (auto list = TakeOption(args, "--proxy-list")) {
        download.ProxyListUrl = *list;
        changed = true;
    }
    if (!TakeProxyOptions(args, proxy, changed, err) || !NoArgsLeft(args, err)) return 1;
    // The options are kept, as the proxy dialog keeps its fields.
    if (changed && !workspace.Download().ApplyProxySettings(proxy, download)) return 1;
    if (download.ResultsUrl.empty()) {
        err << ConsoleText(MessageText(NoResultsAddressText)) << "\n";
        return 1;
    }
    std::string failure;
    const int appended = workspace.Download().DrawsDownload(RetryLimit, &failure);
    out << Format(Text("Загружено тиражей: %d"), {appended}) << "\n";
    out << MessageText(workspace.Archive().SizeText()) << "\n";
    if (failure.empty()) return 0;
    // The ranges before the failure are saved; the run still did not finish its work.
    err << ConsoleText(MessageText(DownloadFailureText(failure))) << "\n";
    return 1;
}

}  // namespace quorvel::cli
