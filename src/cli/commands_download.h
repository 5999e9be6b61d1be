#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace quorvel {
class Workspace;
}

namespace quorvel::cli {

// download [--url URL] [--proxy-mode M] [--proxy HOST:PORT] [--proxy-user U]
//          [--proxy-password P] [--proxy-list URL]
int RunDownload(Workspace& workspace, std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace quorvel::cli
