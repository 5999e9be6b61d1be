#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace quorvel::cli {

// Runs one command line; returns the process exit code. Output goes to the given streams
// so that tests can run commands in-process.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace quorvel::cli
