#pragma once

#include <string_view>
#include <vector>

namespace quorvel {

// The hand-written texts of the help pages, in Russian. The pages around them (values,
// examples, filter counts) are computed by the methods themselves, see help_writer.h.

// What the methods of a group have in common; empty for a group outside 0..12.
std::string_view GroupHelpText(int group);

// What the methods of one help topic (a page) count and which values they give; empty for
// an unknown topic.
std::string_view TopicHelpText(std::string_view topic);

// What the program is for: the opening of the main page.
std::string_view HelpIntroText();

// How keeping or removing the selected rows works for every method.
std::string_view FilterHelpText();
// The extra word for methods that compare a combination with the draws before it.
std::string_view FilterOtherDrawHelpText();

// One section of the main page: a workflow of the program.
struct HelpSection {
    std::string_view Anchor;
    std::string_view Title;
    std::vector<std::string_view> Paragraphs;
};
const std::vector<HelpSection>& WorkflowHelpSections();

}  // namespace quorvel
