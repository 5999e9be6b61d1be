#include "stats/help_pages.h"

#include <cstdio>
#include <system_error>

#include "util/error.h"
#include "util/format.h"

namespace quorvel {

namespace {

std::filesystem::path ExistingFile(const std::filesystem::path& file) {
    std::error_code ec;
    return std::filesystem::is_regular_file(file, ec) ? file : std::filesystem::path();
}

// Percent-encodes every byte of a path that may not stand in an address as it is.
std::string UrlPath(const std::string& path) {
    std::string encoded;
    for (unsigned char c : path) {
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                           c == '-' || c == '_' || c == '.' || c == '~' || c == '/';
        if (plain) {
            encoded += static_cast<char>(c);
        } else {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%%%02X", c);
            encoded += hex;
        }
    }
    return encoded;
}

}  // namespace

std::filesystem::path HelpFolder(const std::filesystem::path& programDir) {
    return programDir / "help";
}

std::string MethodHelpPageName(const TStatMethod& entry) {
    return Format("Filters_%.4d_%s.htm",
                  {HelpPagesLanguage, Format(entry.StatClass->HelpTopicFormat(), {entry.Param})});
}

std::filesystem::path MethodHelpPage(const TStatMethod& entry, const std::filesystem::path& programDir) {
    std::filesystem::path page;
    try {
        page = HelpFolder(programDir) / MethodHelpPageName(entry);
    } catch (const ConvertError&) {
        return {};  // a topic pattern that does not take the parameter names no page
    }
    return ExistingFile(page);
}

std::string HelpUrl(const TStatMethod& entry, const std::filesystem::path& programDir) {
    const std::filesystem::path page = MethodHelpPage(entry, programDir);
    if (page.empty()) return {};
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(page, ec);
    return "file://" + UrlPath((ec ? page : absolute).generic_string());
}

std::string HelpMainPageName() {
    return "Pelmor_RUS.htm";
}

std::filesystem::path HelpMainPage(const std::filesystem::path& programDir) {
    return ExistingFile(HelpFolder(programDir) / HelpMainPageName());
}

}  // namespace quorvel
