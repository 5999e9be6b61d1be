#pragma once

#include <QString>
#include <optional>

#include "core/stakes/entry_checks.h"

namespace quorvel::gui {

// The refusal of an entry in the interface language; nothing when the entry may be taken.
std::optional<QString> EntryProblemMessage(EntryProblem problem);

}  // namespace quorvel::gui
