#include "gui/app/language_loader.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>

#include "core/util/format.h"
#include "core/util/languages.h"

namespace quorvel::gui {

std::unique_ptr<QTranslator> InstallLanguage(const std::filesystem::path& programDir, int lcid,
                                             UiHost& host) {
    if (lcid == BuiltInLanguage || FindLanguage(lcid) == nullptr) return nullptr;
    const std::string name = LanguageModuleName(lcid);
    const QString path = QString::fromStdString((programDir / name).string());
    if (!QFileInfo::exists(path)) {
        host.ShowError(Format("Языковый модуль \"%s\" не найден!", {name}));
        return nullptr;
    }
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(path) || !QCoreApplication::installTranslator(translator.get())) {
        host.ShowError(Format("Не удалось загрузить языковый модуль \"%s\"!\r\r%s",
                              {name, "файл повреждён или имеет неверный формат"}));
        return nullptr;
    }
    return translator;
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
