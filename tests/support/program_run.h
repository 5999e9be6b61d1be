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

// Runs the built program itself, as a user runs it, on the data directory: beside it lie its
// language module and shipped systems. The arguments are written as on a shell's command line. The
// locale is the run's own, not the one the tests happen to run in, since it chooses the language
// of a directory that has none stored. The error stream is kept in the scratch directory.
inline CliResult RunProgramOn(const std::filesystem::path& dataDir, const TempDir& scratch,
                              const std::string& args, const std::string& locale = "C.UTF-8") {
    const std::filesystem::path errors = scratch / "stderr.txt";
    const std::string command = "LC_ALL= LC_MESSAGES= LANG='" + locale + "' " +
                                std::string(QUORVEL_CLI_PATH) + " --data-dir '" + dataDir.string() + "' " +
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

inline CliResult RunProgram(const TempDir& dir, const std::string& args,
                            const std::string& locale = "C.UTF-8") {
    return RunProgramOn(dir.Path(), dir, args, locale);
}

}  // namespace quorvel::test
