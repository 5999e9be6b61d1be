#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/stats/help_pages.h"

namespace quorvel {

// The hand-written texts of the help pages, in Russian and in English (language 1033); any
// other language gets the Russian ones, like the pages themselves. The pages around them
// (values, examples, filter counts) are computed by the methods themselves, see help_writer.h.

// What the methods of a group have in common; empty for a group outside 0..12.
std::string_view GroupHelpText(int group, int language = HelpPagesLanguage);

// The title of a group on the pages: the catalogue's own in Russian, the help's own in
// English, where the catalogue has none; "#ERROR#" for a group outside 0..12.
std::string GroupHelpTitle(int group, int language = HelpPagesLanguage);

// What the methods of one help topic (a page) count and which values they give; empty for
// an unknown topic.
std::string_view TopicHelpText(std::string_view topic, int language = HelpPagesLanguage);

// What the program is for: the opening of the main page.
std::string_view HelpIntroText(int language = HelpPagesLanguage);

// How keeping or removing the selected rows works for every method.
std::string_view FilterHelpText(int language = HelpPagesLanguage);
// The extra word for methods that compare a combination with the draws before it.
std::string_view FilterOtherDrawHelpText(int language = HelpPagesLanguage);

// One section of the main page: a workflow of the program.
struct HelpSection {
    std::string_view Anchor;
    std::string_view Title;
    std::vector<std::string_view> Paragraphs;
};
const std::vector<HelpSection>& WorkflowHelpSections(int language = HelpPagesLanguage);

}  // namespace quorvel
