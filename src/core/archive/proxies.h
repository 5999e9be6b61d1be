#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/archive/download_owner.h"
#include "core/archive/proxy_settings.h"
#include "core/archive/web_client.h"

namespace quorvel {

// The proxy list service is asked for pages of this many entries until the list holds
// ProxyListTarget of them.
constexpr int ProxyListPageSize = 15;
constexpr int ProxyListTarget = 30;

// The address of one page of the proxy list service: proxies for HTTPS when the results are
// secure, else for HTTP or HTTPS, any anonymity and country, uptime at least 75, page p
// starting at entry 15 * (p - 1).
std::string ProxyListPageAddress(const std::string& serviceUrl, bool secure, int page);

// The "host:port" entries of a page of the service; lines of another shape are skipped.
std::vector<std::string> ReadProxyListPage(const std::string& body);

// Splits a "host:port" entry; nothing when it is not one.
std::optional<TWebProxy> ProxyOfEntry(const std::string& entry);

// The proxy of each request of one download. The current proxy is the program's (it lives
// from start-up to shut-down, with its written flag); the automatic list lives as long as
// this object.
class TProxyChooser {
public:
    TProxyChooser(TProxySettings& current, bool& currentWritten, std::string serviceUrl, bool secure,
                  TDownloadOwner& owner, TWebTimeouts timeouts = {});

    // What the next request goes through. In automatic mode a proxy is picked first when none
    // is current (the service asked when the list is empty); nothing when none can be picked,
    // and then the request must not be made. The wait window names the proxy and the attempt.
    struct Choice {
        bool Request = true;
        std::optional<TWebProxy> Proxy;
    };
    Choice PrepareProxy(int attempt);

    // Automatic mode: forgets the current proxy, drops the first entry and tells whether
    // entries remain. Other modes: false.
    bool NextProxy();

    // Fills the list from the service; throws Error when that fails or finds nothing.
    void FindProxies();

    // A proxy picked automatically that the settings file does not hold yet.
    bool PickedUnwritten() const;
    const std::vector<std::string>& List() const { return list_; }
    void DiscardList() { list_.clear(); }

private:
    bool PickProxy();
    std::optional<TWebProxy> ActiveProxy() const;

    TProxySettings& current_;
    bool& currentWritten_;
    std::string serviceUrl_;
    bool secure_;
    TDownloadOwner& owner_;
    TWebTimeouts timeouts_;
    std::vector<std::string> list_;
};

}  // namespace quorvel
