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

// Qt's own texts (standard buttons, file and colour dialogs) in the interface language, from the
// translations installed with Qt. Qt speaks English by itself, so this matters for the other
// languages; without the system's translation file Qt's texts stay English, and nothing is said.
std::unique_ptr<QTranslator> InstallQtTranslation(int lcid);

}  // namespace quorvel::gui
