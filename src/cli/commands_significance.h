#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace quorvel {
class Workspace;
}

namespace quorvel::cli {

// rating significance [--csv F.csv]: how likely each rating row's matches are by chance alone.
int RunRatingSignificance(Workspace& workspace, std::vector<std::string>& args, std::ostream& out,
                          std::ostream& err);

}  // namespace quorvel::cli
