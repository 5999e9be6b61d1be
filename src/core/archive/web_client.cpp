#include "core/archive/web_client.h"

#include <curl/curl.h>

#include <mutex>

#include "core/util/codepage.h"
#include "core/util/error.h"
#include "core/util/format.h"

namespace quorvel {

namespace {

constexpr const char* AcceptHeader =
    "Accept: text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8";
constexpr const char* AcceptEncoding = "gzip, deflate, sdch";
constexpr const char* UserAgent =
    "Mozilla/5.0 (Windows NT 6.1; WOW64) AppleWebKit/537.36 (KHTML, like Gecko) Chrome/47.0.2526.80 "
    "Safari/537.36";
// Far above any results page or archive; a server sending more is not one of them.
constexpr size_t MaxBodySize = 64u * 1024 * 1024;
constexpr long MaxRedirects = 10;

void InitialiseCurlOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct Transfer {
    std::string Body;
    bool TooLarge = false;
};

size_t AppendBody(char* data, size_t size, size_t count, void* user) {
    auto* transfer = static_cast<Transfer*>(user);
    const size_t bytes = size * count;
    if (transfer->Body.size() + bytes > MaxBodySize) {
        transfer->TooLarge = true;
        return 0;  // ends the transfer with a write error
    }
    transfer->Body.append(data, bytes);
    return bytes;
}

class HeaderList {
public:
    HeaderList() { list_ = curl_slist_append(nullptr, AcceptHeader); }
    ~HeaderList() { curl_slist_free_all(list_); }
    HeaderList(const HeaderList&) = delete;
    HeaderList& operator=(const HeaderList&) = delete;
    curl_slist* Get() const { return list_; }

private:
    curl_slist* list_ = nullptr;
};

void SetCommonOptions(CURL* curl, const TWebTimeouts& timeouts) {
    curl_easy_setopt(curl, CURLOPT_COOKIEFILE, "");  // the in-memory cookie store
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_MAXREDIRS, MaxRedirects);
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https,file");
    // A web page must not send the program to a local file.
    curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_ACCEPT_ENCODING, AcceptEncoding);
    curl_easy_setopt(curl, CURLOPT_USERAGENT, UserAgent);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(timeouts.ConnectMs));
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, static_cast<long>((timeouts.ReadMs + 999) / 1000));
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 2L);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_PROXY, "");  // no proxy until one is set
    curl_easy_setopt(curl, CURLOPT_NOPROXY, "");
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, AppendBody);
}

// What went wrong in the program's own words, so that it reads in the interface language.
const char* FailureSentence(CURLcode code) {
    switch (code) {
        case CURLE_UNSUPPORTED_PROTOCOL:
        case CURLE_URL_MALFORMAT:
            return "Неверный адрес";
        case CURLE_COULDNT_RESOLVE_HOST:
            return "Сервер не найден";
        case CURLE_COULDNT_RESOLVE_PROXY:
            return "Proxy-сервер не найден";
        case CURLE_COULDNT_CONNECT:
            return "Не удалось подключиться к серверу";
        case CURLE_OPERATION_TIMEDOUT:
            return "Сервер не ответил вовремя";
        case CURLE_SSL_CONNECT_ERROR:
        case CURLE_PEER_FAILED_VERIFICATION:
        case CURLE_SSL_CACERT_BADFILE:
        case CURLE_SSL_CERTPROBLEM:
            return "Не удалось установить защищенное соединение";
        case CURLE_FILE_COULDNT_READ_FILE:
            return "Не удалось прочитать файл";
        case CURLE_GOT_NOTHING:
        case CURLE_RECV_ERROR:
        case CURLE_SEND_ERROR:
        case CURLE_PARTIAL_FILE:
            return "Соединение с сервером прервано";
        case CURLE_TOO_MANY_REDIRECTS:
            return "Слишком много перенаправлений";
        default:
            return "Ошибка сети";
    }
}

// The sentence, then the library's own account as the detail after it.
std::string FailureText(CURLcode code, const char* details) {
    const std::string detail =
        details[0] != '\0' ? std::string(details) : std::string(curl_easy_strerror(code));
    return std::string(FailureSentence(code)) + ": " + detail;
}

bool IsValidUtf8(std::string_view text) {
    size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        size_t length = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
        if (length == 0 || i + length > text.size()) return false;
        for (size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        }
        i += length;
    }
    return true;
}

}  // namespace

TWebClient::TWebClient(TWebTimeouts timeouts) : timeouts_(timeouts) {
    InitialiseCurlOnce();
    handle_ = curl_easy_init();
    if (handle_ == nullptr) throw Error("Не удалось создать web-клиент");
    SetCommonOptions(static_cast<CURL*>(handle_), timeouts_);
}

TWebClient::~TWebClient() {
    curl_easy_cleanup(static_cast<CURL*>(handle_));
}

void TWebClient::SetProxy(const std::optional<TWebProxy>& proxy) {
    auto* curl = static_cast<CURL*>(handle_);
    if (!proxy || proxy->Host.empty()) {
        curl_easy_setopt(curl, CURLOPT_PROXY, "");
        return;
    }
    curl_easy_setopt(curl, CURLOPT_PROXY, proxy->Host.c_str());
    curl_easy_setopt(curl, CURLOPT_PROXYPORT, static_cast<long>(proxy->Port));
    curl_easy_setopt(curl, CURLOPT_PROXYTYPE, static_cast<long>(CURLPROXY_HTTP));
    curl_easy_setopt(curl, CURLOPT_PROXYUSERNAME,
                     proxy->Username.empty() ? nullptr : proxy->Username.c_str());
    curl_easy_setopt(curl, CURLOPT_PROXYPASSWORD,
                     proxy->Password.empty() ? nullptr : proxy->Password.c_str());
}

std::string TWebClient::Get(const std::string& url) {
    auto* curl = static_cast<CURL*>(handle_);
    Transfer transfer;
    HeaderList headers;
    char details[CURL_ERROR_SIZE] = {};
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers.Get());
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &transfer);
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, details);
    const CURLcode code = curl_easy_perform(curl);
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, nullptr);
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, nullptr);
    if (transfer.TooLarge) throw Error("Ответ сервера слишком велик");
    if (code != CURLE_OK) throw Error(FailureText(code, details));
    long status = 0;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
    if (status >= 400) throw Error(Format("Сервер ответил кодом %d: %s", {status, url}));
    return std::move(transfer.Body);
}

std::string BodyToCp1251(std::string_view body) {
    return IsValidUtf8(body) ? Utf8ToCp1251(body) : std::string(body);
}

}  // namespace quorvel
