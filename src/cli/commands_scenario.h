#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace quorvel {
class Workspace;
}

namespace quorvel::cli {

// "scenario show [FILE.lsc]": the lines as the scenario list shows them.
int RunScenario(Workspace& workspace, std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// "step TEXT": one filter step run on the combination list, its log on the error stream.
int RunStep(Workspace& workspace, std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace quorvel::cli
