#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace quorvel {
class Workspace;
}

namespace quorvel::cli {

int RunCombs(Workspace& workspace, std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunFilter(Workspace& workspace, std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace quorvel::cli
