#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "core/stakes/regular.h"

namespace quorvel {

// Why a stake, a group of stakes or a regular typed by the user is refused. Every dialog and
// command checks its entry here, so all of them refuse the same things in the same order.
enum class EntryProblem { None, BadCombination, NoComment, CommentInUse };

// The message of a refusal, as the command line prints it; the desktop program shows its own
// translation of it.
const char* EntryProblemText(EntryProblem problem);

// A comment must hold more than blanks: the rating groups stakes by it.
EntryProblem CheckComment(std::string_view comment);
// A stake typed by hand: three values from 0 to 9, then a comment.
EntryProblem CheckStakeEntry(std::string_view values, std::string_view comment);
// A new regular: the start combination when it is typed, then a comment no regular has yet
// (letters compared without regard to case).
EntryProblem CheckRegularEntry(const std::optional<std::string_view>& typedStart, std::string_view comment,
                               const std::vector<TRegular>& regulars);

}  // namespace quorvel
