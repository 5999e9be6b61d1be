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
// "rating [rebuild|export FILE|significance]": the rating list, its rebuild from the stakes, its
// export and how far chance alone explains each row.
int RunRating(Workspace& workspace, std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace quorvel::cli
