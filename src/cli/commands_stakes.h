#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace quorvel {
class Workspace;
}

namespace quorvel::cli {

// "stakes add|list|check|delete": the stakes file.
int RunStakes(Workspace& workspace, std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// "rating [rebuild|export FILE]": the rating list, its rebuild from the stakes and its export.
int RunRating(Workspace& workspace, std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace quorvel::cli
