#include "core/archive/proxies.h"

#include <algorithm>

#include "core/util/error.h"
#include "core/util/format.h"
#include "core/util/text.h"

namespace quorvel {

namespace {

bool IsHostText(std::string_view host) {
    return !host.empty() && std::all_of(host.begin(), host.end(), [](char c) {
        return static_cast<unsigned char>(c) > ' ' && c != '/' && c != '@' && c != '?' && c != '#';
    });
}

std::string WaitTextWith(const std::string& detail) {
    return Format("Загрузка архива тиражей...\r\r%s", {detail});
}

}  // namespace

std::string ProxyListPageAddress(const std::string& serviceUrl, bool secure, int page) {
    const std::string_view url = TrimBlanks(serviceUrl);
    const char* joint = url.find('?') == std::string_view::npos ? "?" : "&";
    return std::string(url) + joint +
           Format("protocol=%s&anonymity=any&country=any&uptime=75&start=%d&count=%d",
                  {secure ? "https" : "http,https", ProxyListPageSize * (page - 1), ProxyListPageSize});
}

std::optional<TWebProxy> ProxyOfEntry(const std::string& entry) {
    const std::string_view text = TrimBlanks(entry);
    const size_t colon = text.find(':');
    if (colon == std::string_view::npos || !IsHostText(text.substr(0, colon))) return std::nullopt;
    const std::optional<int32_t> port = ParseInt32(text.substr(colon + 1));
    if (!port || *port < 1 || *port > 65535 || text[colon + 1] == '+') return std::nullopt;
    TWebProxy proxy;
    proxy.Host = std::string(text.substr(0, colon));
    proxy.Port = *port;
    return proxy;
}

std::vector<std::string> ReadProxyListPage(const std::string& body) {
    std::vector<std::string> entries;
    for (std::string_view line : SplitWords(body, "\r\n")) {
        if (auto proxy = ProxyOfEntry(std::string(line)))
            entries.push_back(Format("%s:%d", {proxy->Host, proxy->Port}));
    }
    return entries;
}

TProxyChooser::TProxyChooser(TProxySettings& current, bool& currentWritten, std::string serviceUrl,
                             bool secure, TDownloadOwner& owner, TWebTimeouts timeouts)
    : current_(current),
      currentWritten_(currentWritten),
      serviceUrl_(std::move(serviceUrl)),
      secure_(secure),
      owner_(owner),
      timeouts_(timeouts) {}

TProxyChooser::Choice TProxyChooser::PrepareProxy(int attempt) {
    Choice choice;
    if (current_.EffectiveMode() == ProxyModeAutomatic && current_.Server.empty() && !PickProxy()) {
        choice.Request = false;
        return choice;
    }
    choice.Proxy = ActiveProxy();
    if (choice.Proxy) {
        owner_.ShowWaitText(WaitTextWith(
            Format("Попытка %d, proxy %s : %d", {attempt, choice.Proxy->Host, choice.Proxy->Port})));
    } else {
        owner_.ShowWaitText(DownloadWaitText);
    }
    return choice;
}

std::optional<TWebProxy> TProxyChooser::ActiveProxy() const {
    if (current_.EffectiveMode() == ProxyModeNone || current_.Server.empty()) return std::nullopt;
    return TWebProxy{current_.Server, current_.Port, current_.Username, current_.Password};
}

bool TProxyChooser::PickProxy() {
    try {
        if (list_.empty()) {
            owner_.ShowWaitText(WaitTextWith("Поиск proxy-серверов"));
            try {
                FindProxies();
            } catch (const std::exception& e) {
                owner_.Host().ShowError(
                    ActionError("Ошибка получения списка proxy-серверов!\r\r%s", e.what()));
                return false;
            }
        }
        const std::optional<TWebProxy> proxy = ProxyOfEntry(list_.front());
        if (!proxy) throw Error(Format("Некорректный адрес proxy-сервера: \"%s\"", {list_.front()}));
        current_.Server = proxy->Host;
        current_.Port = proxy->Port;
        current_.Username.clear();
        current_.Password.clear();
        currentWritten_ = false;
        return true;
    } catch (const std::exception& e) {
        owner_.Host().ShowError(ActionError("Ошибка автоматического выбора proxy сервера!\r\r%s", e.what()));
        return false;
    }
}

bool TProxyChooser::NextProxy() {
    if (current_.EffectiveMode() != ProxyModeAutomatic) return false;
    current_.Server.clear();
    current_.Port = DefaultProxyPort;
    currentWritten_ = false;
    if (!list_.empty()) list_.erase(list_.begin());
    return !list_.empty();
}

void TProxyChooser::FindProxies() {
    list_.clear();
    if (TrimBlanks(serviceUrl_).empty()) {
        throw Error(
            "Не задан адрес службы списка proxy-серверов (ключ ProxyListUrl раздела [DOWNLOAD] файла "
            "\"Quorvel_3r10.ini\")");
    }
    TWebClient client(timeouts_);
    // A service that ignores the page number repeats itself: a page without new entries ends.
    for (int page = 1;; ++page) {
        const std::vector<std::string> entries =
            ReadProxyListPage(BodyToCp1251(client.Get(ProxyListPageAddress(serviceUrl_, secure_, page))));
        const size_t before = list_.size();
        for (const std::string& entry : entries) {
            if (std::find(list_.begin(), list_.end(), entry) == list_.end()) list_.push_back(entry);
        }
        if (list_.size() >= static_cast<size_t>(ProxyListTarget) ||
            entries.size() < static_cast<size_t>(ProxyListPageSize) || list_.size() == before)
            break;
    }
    if (list_.empty()) throw Error("Не найдено ни одного proxy-сервера с заданными параметрами");
}

bool TProxyChooser::PickedUnwritten() const {
    return current_.EffectiveMode() == ProxyModeAutomatic && !current_.Server.empty() && !currentWritten_;
}

}  // namespace quorvel
