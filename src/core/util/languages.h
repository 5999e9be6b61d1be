#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

constexpr int BuiltInLanguage = 1049;  // Russian, the texts compiled into the program

struct LanguageInfo {
    int Lcid;
    const char* Abbreviation;  // three letters, as module and help file names use them
    const char* Name;          // the language's own name, for the menu
};

// The known locale identifiers; the lookup returns nullptr for any other.
const LanguageInfo* FindLanguage(int lcid);

// The language of a two-letter code ("ru", "en"): the first letters of its abbreviation.
const LanguageInfo* FindLanguageByCode(std::string_view code);

// "Quorvel_3r10_ENU.lng" for 1033.
std::string LanguageModuleName(int lcid);

// The language of a POSIX locale name: "en_US.UTF-8" gives 1033, "ru_RU" 1049; 0 for "C",
// "POSIX", an empty name or a language the program does not know.
int LocaleLanguage(std::string_view locale);

// The locale the system speaks to a person in: LC_ALL, else LC_MESSAGES, else LANG, the first
// that is set and not empty, as the C library chooses the language of its messages.
std::string MessagesLocale();

// The language the system's locale asks for when its module is in the directory; else the
// built-in language, which needs none.
int SystemLanguage(const std::filesystem::path& programDir);

// The built-in language and every language whose module file is in the directory.
std::vector<LanguageInfo> AvailableLanguages(const std::filesystem::path& directory);

// The help file: "Pelmor_%s.chm" in the directory, its "help" subdirectory, or the "help"
// subdirectory of its parent; the first that exists, else the last path tried.
std::filesystem::path FindHelpFile(const std::filesystem::path& directory, int lcid);

}  // namespace quorvel
