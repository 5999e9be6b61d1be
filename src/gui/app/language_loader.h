#pragma once

#include <QTranslator>
#include <filesystem>
#include <memory>

#include "core/util/ui_host.h"

namespace quorvel::gui {

// Loads the language module (beside the executable) of the chosen language so that its texts replace the
// built-in Russian ones. Returns the installed translator, or nothing for the built-in language or after a
// failure (which is reported, leaving the built-in texts).
std::unique_ptr<QTranslator> InstallLanguage(const std::filesystem::path& programDir, int lcid, UiHost& host);

}  // namespace quorvel::gui
