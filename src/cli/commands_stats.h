#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace quorvel {
class Workspace;
}

namespace quorvel::cli {

int RunStats(Workspace& workspace, std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunFullSet(Workspace& workspace, std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunMethods(Workspace& workspace, std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace quorvel::cli
