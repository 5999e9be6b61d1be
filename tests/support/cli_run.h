#pragma once

#include <algorithm>
#include <cstddef>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "support/temp_dir.h"

namespace quorvel::test {

// What one run of the command line program left behind.
struct CliResult {
    int Code;
    std::string Out;
    std::string Err;
    size_t Lines() const { return static_cast<size_t>(std::count(Out.begin(), Out.end(), '\n')); }
};

// No run may stop to ask a terminal, and the decimal separator is process-wide, so a run that does not
// name one prints numbers the way whichever test ran before it left them.
inline const std::vector<std::string> UsualCliOptions{"--yes", "--decimal-separator", "."};

// Runs the program in this process on the files in dir, with options ahead of the command's own words.
inline CliResult RunQuorvel(const TempDir& dir, std::vector<std::string> args,
                            const std::vector<std::string>& options = UsualCliOptions) {
    std::vector<std::string> head{"--data-dir", dir.Path().string()};
    head.insert(head.end(), options.begin(), options.end());
    args.insert(args.begin(), head.begin(), head.end());
    std::ostringstream out, err;
    const int code = cli::RunCli(args, out, err);
    return {code, out.str(), err.str()};
}

// A command's output, line by line.
inline std::vector<std::string> LinesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}

}  // namespace quorvel::test
