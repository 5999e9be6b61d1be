#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "gui/app/main_window.h"

namespace quorvel::test {

// A window on a data directory holding the sample archive, imported by a first run as a user
// would; messages and questions go to the host.
inline std::unique_ptr<gui::MainWindow> OpenSampleWindow(const std::filesystem::path& dir, UiHost& host) {
    {
        gui::MainWindow first(DataDirectory(dir), {});
        first.SetUiHost(&host);
        first.Initialise();
        first.GetWorkspace().Draws().ImportDraws(std::string(QUORVEL_SAMPLES_DIR) + "/cash3.csv");
    }
    auto window = std::make_unique<gui::MainWindow>(DataDirectory(dir), std::vector<std::string>{});
    window->SetUiHost(&host);
    window->Initialise();
    return window;
}

}  // namespace quorvel::test
