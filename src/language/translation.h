#pragma once

#include <QString>
#include <QTranslator>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace quorvel::language {

// The language module the texts are looked up in, or none for the built-in (Russian) texts.
// The programs set it once the module is loaded and clear it before the module goes away.
void UseLanguageModule(const QTranslator* module);
bool LanguageModuleInUse();

// The text in the interface language: looked up in the module's context as it is, then with
// its numbers as %1, %2... ("Совпадений: %1"); a text the module does not know stays as it is,
// as a name the user gave does.
QString Translate(const char* context, std::string_view text);

// The pattern with %1, %2... replaced by the values, in one pass.
QString FillPlaceholders(const QString& pattern, const QStringList& values);

struct LoadedModule {
    std::unique_ptr<QTranslator> Module;  // none for the built-in language or after a failure
    std::string Error;                    // why the module could not be loaded, in Russian
};

// Loads the module of the language ("Quorvel_3r10_ENU.lng" for 1033) from the directory.
LoadedModule LoadLanguageModule(const std::filesystem::path& directory, int lcid);

}  // namespace quorvel::language
