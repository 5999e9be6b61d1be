#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorvel {

// A proxy for one request: host and port, with user name and password when given.
struct TWebProxy {
    std::string Host;
    int Port = 80;
    std::string Username;
    std::string Password;

    bool operator==(const TWebProxy&) const = default;
};

// The rules give 5000 and 10000 ms; tests shorten them. The read time-out ends a transfer
// that received nothing for that long, counted in whole seconds.
struct TWebTimeouts {
    int ConnectMs = 5000;
    int ReadMs = 10000;
};

// GET requests of the download: cookies kept between the requests of one client, redirects
// followed (to web addresses only), gzip and deflate answers unpacked, TLS certificates and
// host names verified. Addresses may also name a local file ("file://").
class TWebClient {
public:
    explicit TWebClient(TWebTimeouts timeouts = {});
    ~TWebClient();
    TWebClient(const TWebClient&) = delete;
    TWebClient& operator=(const TWebClient&) = delete;

    // The proxy of the following requests; none means a direct request, whatever the
    // environment says.
    void SetProxy(const std::optional<TWebProxy>& proxy);

    // The unpacked body of the answer. Throws Error with the reason when the request fails,
    // the server answers with an error status or the body is unreasonably large.
    std::string Get(const std::string& url);

private:
    void* handle_ = nullptr;  // CURL*, kept so that cookies live across requests
    TWebTimeouts timeouts_;
};

// The body read as UTF-8 and turned into code page 1251; a body that is not UTF-8 (a file
// already in the code page) is taken as it is.
std::string BodyToCp1251(std::string_view body);

}  // namespace quorvel
