#include "gui/app/language_loader.h"

#include <QCoreApplication>
#include <QLibraryInfo>

#include "core/util/languages.h"
#include "language/translation.h"

namespace quorvel::gui {

std::unique_ptr<QTranslator> InstallLanguage(const std::filesystem::path& programDir, int lcid,
                                             UiHost& host) {
    language::LoadedModule loaded = language::LoadLanguageModule(programDir, lcid);
    if (!loaded.Error.empty()) host.ShowError(loaded.Error);
    if (!loaded.Module || !QCoreApplication::installTranslator(loaded.Module.get())) return nullptr;
    language::UseLanguageModule(loaded.Module.get());
    return std::move(loaded.Module);
}

std::unique_ptr<QTranslator> InstallQtTranslation(int lcid) {
    const LanguageInfo* language = FindLanguage(lcid);
    if (language == nullptr) return nullptr;
    // The system's files are named by the two-letter code of the language, which is what the
    // first two letters of the program's own abbreviations (RUS, ENU, UKR, DEU ...) are.
    const QString code = QString::fromLatin1(language->Abbreviation).left(2).toLower();
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load("qtbase_" + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(translator.get())) {
        return nullptr;
    }
    return translator;
}

}  // namespace quorvel::gui
