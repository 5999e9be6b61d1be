#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/app/workspace.h"
#include "core/archive/draws_file.h"

namespace quorvel::test {

// A command-line workspace over made-up draws 1..count whose values are n % 10, 3n % 10 and
// 7n % 10: every value falls, and the tables they give are easy to work out by hand.
inline std::unique_ptr<Workspace> MadeUpWorkspace(const std::filesystem::path& dir, UiHost& host,
                                                  int count = 50) {
    TDrawsArray draws;
    for (int n = 1; n <= count; ++n) {
        TDraw draw;
        draw.Number = n;
        draw.Values = {static_cast<uint8_t>(n % 10), static_cast<uint8_t>(n * 3 % 10),
                       static_cast<uint8_t>(n * 7 % 10)};
        draws.push_back(draw);
    }
    SaveDrawsFile(dir / "Quorvel_3r10.ldr", draws);
    auto workspace = std::make_unique<Workspace>(DataDirectory(dir), host, std::vector<std::string>{},
                                                 Workspace::Mode::CommandLine);
    workspace->LoadStartupSettings();
    workspace->Initialise();
    return workspace;
}

}  // namespace quorvel::test
