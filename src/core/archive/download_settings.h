#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/util/ini_file.h"

namespace quorvel {

// Where the draws come from, section DOWNLOAD of the settings file. The results site and the
// proxy list service are outside the program, so both addresses are the user's to set.
struct TDownloadSettings {
    // The results site (its pages are "/tridig/archive" below it), or a delimited draws file
    // in the import format when the address ends in ".csv".
    std::string ResultsUrl;
    // The proxy list service of the automatic proxy choice: it answers "host:port" lines.
    std::string ProxyListUrl;

    bool operator==(const TDownloadSettings&) const = default;
};

TDownloadSettings LoadDownloadSettings(const TIniFile& ini);
void SaveDownloadSettings(TIniFile& ini, const TDownloadSettings& settings);

// True when the address names a delimited draws file rather than the results pages; a query
// or fragment after the file name does not count.
bool IsCsvAddress(const std::string& url);

// The results page of a range of draw numbers: the site's "/tridig/archive" page with
// "?firstDraw=%.4d&lastDraw=%.4d&mode=draw".
std::string ResultsPageAddress(const std::string& siteUrl, int first, int last);

// The game's page on the results site for the browser, or empty when the address has none
// (a local file).
std::string GamePageAddress(const std::string& resultsUrl);

// The address as the web client takes it: a bare absolute path names a local file.
std::string RequestAddress(const std::string& url);

// Why an address typed for the results or the proxy list cannot be used, or nothing when it
// can: an empty address (none set), a web address "http://host..." or "https://host...", a
// "file://" address or an absolute path of a local file.
std::optional<std::string> AddressProblem(std::string_view url);

// "Не задан адрес..." : how to set the results address.
extern const char* const NoResultsAddressText;

}  // namespace quorvel
