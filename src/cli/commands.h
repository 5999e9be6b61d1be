#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace quorvel {
class Workspace;
}

namespace quorvel::cli {

struct Command {
    const char* Name;
    int (*Run)(Workspace& workspace, std::vector<std::string>& args, std::ostream& out, std::ostream& err);
};

const Command* FindCommand(const std::string& name);

}  // namespace quorvel::cli
