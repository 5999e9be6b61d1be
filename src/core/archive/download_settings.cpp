#include "core/archive/download_settings.h"

#include <cctype>

#include "core/util/format.h"
#include "core/util/text.h"

namespace quorvel {

namespace {

constexpr std::string_view DownloadSection = "DOWNLOAD";

std::string_view WithoutQuery(std::string_view url) {
    return url.substr(0, url.find_first_of("?#"));
}

std::string WithoutTrailingSlashes(std::string_view url) {
    while (!url.empty() && url.back() == '/')
        url.remove_suffix(1);
    return std::string(url);
}

// "scheme://authority" of a web address, or empty for anything else.
std::string SiteRoot(std::string_view url) {
    const size_t scheme = url.find("://");
    if (scheme == std::string_view::npos) return {};
    const std::string lowerScheme = LowerCase(url.substr(0, scheme));
    if (lowerScheme != "http" && lowerScheme != "https") return {};
    const size_t path = url.find_first_of("/?#", scheme + 3);
    return std::string(url.substr(0, path));
}

}  // namespace

const char* const NoResultsAddressText =
    "Не задан адрес сайта результатов лотереи.\r\rУкажите его в диалоге \"Параметры proxy-сервера\" "
    "(поле \"Адрес архива результатов:\") или ключом ResultsUrl раздела [DOWNLOAD] файла "
    "\"Quorvel_3r10.ini\". Адрес, оканчивающийся на \".csv\", читается как файл тиражей в формате "
    "импорта.";

TDownloadSettings LoadDownloadSettings(const TIniFile& ini) {
    TDownloadSettings settings;
    settings.ResultsUrl = std::string(TrimBlanks(ini.ReadString(DownloadSection, "ResultsUrl", "")));
    settings.ProxyListUrl = std::string(TrimBlanks(ini.ReadString(DownloadSection, "ProxyListUrl", "")));
    return settings;
}

void SaveDownloadSettings(TIniFile& ini, const TDownloadSettings& settings) {
    ini.WriteString(DownloadSection, "ResultsUrl", settings.ResultsUrl);
    ini.WriteString(DownloadSection, "ProxyListUrl", settings.ProxyListUrl);
}

std::optional<std::string> AddressProblem(std::string_view url) {
    const std::string_view trimmed = TrimBlanks(url);
    if (trimmed.empty() || trimmed.front() == '/') return std::nullopt;
    const bool blanks = trimmed.find_first_of(" \t") != std::string_view::npos;
    const std::string root = SiteRoot(trimmed);
    const bool web = !root.empty() && root.size() > root.find("://") + 3;
    const bool file = LowerCase(trimmed.substr(0, 7)) == "file://";
    if ((web || file) && !blanks) return std::nullopt;
    return Format("Адрес \"%s\" не является адресом http:// или https://!", {std::string(trimmed)});
}

bool IsCsvAddress(const std::string& url) {
    const std::string path = LowerCase(WithoutQuery(TrimBlanks(url)));
    return path.size() >= 4 && path.ends_with(".csv");
}

std::string ResultsPageAddress(const std::string& siteUrl, int first, int last) {
    return WithoutTrailingSlashes(TrimBlanks(siteUrl)) +
           Format("/tridig/archive?firstDraw=%.4d&lastDraw=%.4d&mode=draw", {first, last});
}

std::string GamePageAddress(const std::string& resultsUrl) {
    const std::string_view url = TrimBlanks(resultsUrl);
    if (IsCsvAddress(resultsUrl)) {
        const std::string root = SiteRoot(url);
        return root.empty() ? std::string() : root + "/";
    }
    if (SiteRoot(url).empty()) return {};
    return WithoutTrailingSlashes(url) + "/tridig";
}

std::string RequestAddress(const std::string& url) {
    const std::string_view trimmed = TrimBlanks(url);
    if (!trimmed.starts_with("/")) return std::string(trimmed);
    // A path may hold blanks and letters that an address must carry as %XX.
    std::string address = "file://";
    for (char c : trimmed) {
        const auto byte = static_cast<unsigned char>(c);
        if (std::isalnum(byte) != 0 || std::string_view("/-._~").find(c) != std::string_view::npos) {
            address += c;
        } else {
            address += Format("%%%.2x", {static_cast<int>(byte)});
        }
    }
    return address;
}

}  // namespace quorvel
