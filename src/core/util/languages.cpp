#include "core/util/languages.h"

#include <cctype>
#include <cstdlib>

#include "core/util/format.h"
#include "core/util/version.h"

namespace quorvel {

namespace {

constexpr LanguageInfo Languages[] = {
    {1049, "RUS", "Русский"},    {1033, "ENU", "English"},  {1058, "UKR", "Українська"},
    {1059, "BEL", "Беларуская"}, {1031, "DEU", "Deutsch"},  {1036, "FRA", "Français"},
    {1034, "ESP", "Español"},    {1040, "ITA", "Italiano"}, {1045, "PLK", "Polski"},
    {1029, "CSY", "Čeština"},    {1087, "KKZ", "Қазақ"},    {1062, "LVI", "Latviešu"},
    {1063, "LTH", "Lietuvių"},   {1061, "ETI", "Eesti"},    {1026, "BGR", "Български"},
    {1048, "ROM", "Română"},
};

}  // namespace

const LanguageInfo* FindLanguage(int lcid) {
    for (const LanguageInfo& language : Languages) {
        if (language.Lcid == lcid) return &language;
    }
    return nullptr;
}

const LanguageInfo* FindLanguageByCode(std::string_view code) {
    for (const LanguageInfo& language : Languages) {
        const std::string_view abbreviation = language.Abbreviation;
        if (code.size() == 2 && std::tolower(abbreviation[0]) == code[0] &&
            std::tolower(abbreviation[1]) == code[1])
            return &language;
    }
    return nullptr;
}

std::string LanguageModuleName(int lcid) {
    const LanguageInfo* language = FindLanguage(lcid);
    return Format("%s_%s.lng", {ProgramName, language != nullptr ? language->Abbreviation : "???"});
}

int LocaleLanguage(std::string_view locale) {
    // language[_territory][.codeset][@modifier]
    std::string code(locale.substr(0, locale.find_first_of("_.@")));
    for (char& c : code)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const LanguageInfo* language = FindLanguageByCode(code);
    return language != nullptr ? language->Lcid : 0;
}

std::string MessagesLocale() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') return value;
    }
    return {};
}

int SystemLanguage(const std::filesystem::path& programDir) {
    const int lcid = LocaleLanguage(MessagesLocale());
    if (lcid == 0 || lcid == BuiltInLanguage) return BuiltInLanguage;
    std::error_code ec;
    const bool installed = std::filesystem::is_regular_file(programDir / LanguageModuleName(lcid), ec);
    return installed ? lcid : BuiltInLanguage;
}

std::vector<LanguageInfo> AvailableLanguages(const std::filesystem::path& directory) {
    std::vector<LanguageInfo> available{*FindLanguage(BuiltInLanguage)};
    for (const LanguageInfo& language : Languages) {
        std::error_code ec;
        if (language.Lcid != BuiltInLanguage &&
            std::filesystem::exists(directory / LanguageModuleName(language.Lcid), ec)) {
            available.push_back(language);
        }
    }
    return available;
}

std::filesystem::path FindHelpFile(const std::filesystem::path& directory, int lcid) {
    const LanguageInfo* language = FindLanguage(lcid);
    const std::string name = Format("Pelmor_%s.chm", {language != nullptr ? language->Abbreviation : "RUS"});
    std::filesystem::path candidates[] = {directory / name, directory / "help" / name,
                                          directory.parent_path() / "help" / name};
    for (const auto& candidate : candidates) {
        std::error_code ec;
        if (std::filesystem::exists(candidate, ec)) return candidate;
    }
    return candidates[2];
}

}  // namespace quorvel
