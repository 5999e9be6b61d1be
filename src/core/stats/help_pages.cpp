#include "stats/help_pages.h"

#include <system_error>

#include "util/error.h"
#include "util/format.h"

namespace quorvel {

namespace {

// The pages carry the number of the language they are written in; only the Russian ones exist.
constexpr int HelpPagesLanguage = 1049;

}  // namespace

std::string MethodHelpPageName(const TStatMethod& entry) {
    return Format("Filters_%.4d_%s.htm",
                  {HelpPagesLanguage, Format(entry.StatClass->HelpTopicFormat(), {entry.Param})});
}

std::filesystem::path MethodHelpPage(const TStatMethod& entry, const std::filesystem::path& programDir) {
    std::filesystem::path page;
    try {
        page = programDir / "help" / MethodHelpPageName(entry);
    } catch (const ConvertError&) {
        return {};  // a topic pattern that does not take the parameter names no page
    }
    std::error_code ec;
    return std::filesystem::is_regular_file(page, ec) ? page : std::filesystem::path();
}

}  // namespace quorvel
