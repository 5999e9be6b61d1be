#include "core/stats/help_pages.h"

#include <cstdio>
#include <system_error>

#include "core/util/error.h"
#include "core/util/format.h"
#include "core/util/languages.h"

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

std::string MethodHelpPageName(const TStatMethod& entry, int language) {
    return Format("Filters_%.4d_%s.htm",
                  {language, Format(entry.StatClass->HelpTopicFormat(), {entry.Param})});
}

std::filesystem::path MethodHelpPage(const TStatMethod& entry, const std::filesystem::path& programDir,
                                     int language) {
    try {
        std::filesystem::path page =
            ExistingFile(HelpFolder(programDir) / MethodHelpPageName(entry, language));
        if (page.empty() && language != HelpPagesLanguage)
            page = ExistingFile(HelpFolder(programDir) / MethodHelpPageName(entry));
        return page;
    } catch (const ConvertError&) {
        return {};  // a topic pattern that does not take the parameter names no page
    }
}

std::string HelpUrl(const TStatMethod& entry, const std::filesystem::path& programDir, int language) {
    const std::filesystem::path page = MethodHelpPage(entry, programDir, language);
    if (page.empty()) return {};
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(page, ec);
    return "file://" + UrlPath((ec ? page : absolute).generic_string());
}

std::string HelpMainPageName(int language) {
    const LanguageInfo* known = FindLanguage(language);
    return Format("Pelmor_%s.htm", {known != nullptr ? known->Abbreviation : "RUS"});
}

std::filesystem::path HelpMainPage(const std::filesystem::path& programDir, int language) {
    std::filesystem::path page = ExistingFile(HelpFolder(programDir) / HelpMainPageName(language));
    if (page.empty() && language != HelpPagesLanguage)
        page = ExistingFile(HelpFolder(programDir) / HelpMainPageName());
    return page;
}

}  // namespace quorvel
