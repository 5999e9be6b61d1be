#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace quorvel {
class Workspace;
}

namespace quorvel::cli {

int RunImport(Workspace& workspace, std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunExport(Workspace& workspace, std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunInfo(Workspace& workspace, std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunAdd(Workspace& workspace, std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunDelete(Workspace& workspace, std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace quorvel::cli
