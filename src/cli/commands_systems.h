#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace quorvel {
class Workspace;
}

namespace quorvel::cli {

// "systems [list]", "systems stake (--all|--filtered) ...", "systems import FILE": the local
// systems and the system games over the current list.
int RunSystems(Workspace& workspace, std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace quorvel::cli
