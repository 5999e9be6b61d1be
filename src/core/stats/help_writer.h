#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/stats/help_pages.h"
#include "core/stats/stat_list.h"

namespace quorvel {

// The pages of one help topic: the catalogue entries sharing the page, in catalogue order.
struct HelpPageEntries {
    std::string PageName;
    std::vector<const TStatMethod*> Entries;
};
// Every page of the catalogue in the language, in the order of its first entry.
std::vector<HelpPageEntries> HelpPagesOf(const TStatList& stats, int language = HelpPagesLanguage);

// The HTML of a method page and of the main page (UTF-8), in Russian or in English (1033).
// The catalogue must read the example archive (HelpExampleDraws) for the computed examples.
std::string MethodHelpPageHtml(const TStatList& stats, const HelpPageEntries& page,
                               int language = HelpPagesLanguage);
std::string HelpMainPageHtml(const TStatList& stats, int language = HelpPagesLanguage);

// Writes the main page and one page per help topic of the default catalogue into the
// folder, creating it, in every language of HelpLanguages; returns the number of files
// written. Throws on a failure.
int WriteHelpPages(const std::filesystem::path& folder);

}  // namespace quorvel
