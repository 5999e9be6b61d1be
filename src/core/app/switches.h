#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

// True when an argument is the name itself or the name after "-", "--", "/" or "\",
// compared without regard to case.
bool HasSwitch(const std::vector<std::string>& args, std::string_view name);

}  // namespace quorvel
