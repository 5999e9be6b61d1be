#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace quorvel {
class Workspace;
}

namespace quorvel::cli {

// "view sums|card|week|layout|repeats": the analysis views as ";"-separated text.
int RunView(Workspace& workspace, std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace quorvel::cli
