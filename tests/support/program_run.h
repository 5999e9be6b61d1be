#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "support/cli_run.h"
#include "support/temp_dir.h"

namespace quorvel::test {

// Runs the built program itself, as a user runs it: beside it lie its language module and shipped
// systems. The arguments are written as on a shell's command line.
inline CliResult RunProgram(const TempDir& dir, const std::string& args) {
    const std::filesystem::path errors = dir / "stderr.txt";
    const std::string command = std::string(QUORVEL_CLI_PATH) + " --data-dir '" + dir.Path().string() + "' " +
                                args + " 2>'" + errors.string() + "'";
    FILE* pipe = popen(command.c_str(), "r");
    std::string output;
    char buffer[512];
    while (size_t n = fread(buffer, 1, sizeof buffer, pipe))
        output.append(buffer, n);
    const int status = pclose(pipe);
    std::ifstream err(errors, std::ios::binary);
    return {WEXITSTATUS(status), output, std::string(std::istreambuf_iterator<char>(err), {})};
}

}  // namespace quorvel::test
