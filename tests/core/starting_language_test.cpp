#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <optional>
#include <string>

#include "core/app/ui_state.h"
#include "core/util/languages.h"
#include "support/temp_dir.h"

namespace quorvel {
namespace {

using test::TempDir;

// Sets the locale variables for one test and puts back what the process had.
class LocaleVariables {
public:
    LocaleVariables(std::optional<std::string> all, std::optional<std::string> messages,
                    std::optional<std::string> lang) {
        const std::map<const char*, std::optional<std::string>> wanted = {
            {"LC_ALL", all}, {"LC_MESSAGES", messages}, {"LANG", lang}};
        for (const auto& [name, value] : wanted) {
            const char* old = std::getenv(name);
            saved_[name] = old != nullptr ? std::optional<std::string>(old) : std::nullopt;
            Set(name, value);
        }
    }
    ~LocaleVariables() {
        for (const auto& [name, value] : saved_)
            Set(name, value);
    }

private:
    static void Set(const char* name, const std::optional<std::string>& value) {
        if (value)
            setenv(name, value->c_str(), 1);
        else
            unsetenv(name);
    }
    std::map<const char*, std::optional<std::string>> saved_;
};

TEST(StartingLanguage, ALocaleNameGivesTheLanguageItSpeaks) {
    EXPECT_EQ(LocaleLanguage("en_US.UTF-8"), 1033);
    EXPECT_EQ(LocaleLanguage("en_GB"), 1033);
    EXPECT_EQ(LocaleLanguage("en"), 1033);
    EXPECT_EQ(LocaleLanguage("ru_RU.UTF-8"), 1049);
    EXPECT_EQ(LocaleLanguage("ru_UA.KOI8-U"), 1049);
    EXPECT_EQ(LocaleLanguage("uk_UA.UTF-8"), 1058);
    EXPECT_EQ(LocaleLanguage("de_DE@euro"), 1031);
    EXPECT_EQ(LocaleLanguage("EN_us"), 1033);
    for (const char* none : {"C", "C.UTF-8", "POSIX", "", "xx_YY.UTF-8", "eng"})
        EXPECT_EQ(LocaleLanguage(none), 0) << none;
}

// As the C library chooses the language of its messages: the first set and non-empty.
TEST(StartingLanguage, TheMessagesLocaleIsLcAllThenLcMessagesThenLang) {
    {
        LocaleVariables locale("ru_RU.UTF-8", "de_DE.UTF-8", "en_US.UTF-8");
        EXPECT_EQ(MessagesLocale(), "ru_RU.UTF-8");
    }
    {
        LocaleVariables locale("", "de_DE.UTF-8", "en_US.UTF-8");
        EXPECT_EQ(MessagesLocale(), "de_DE.UTF-8");
    }
    {
        LocaleVariables locale(std::nullopt, std::nullopt, "en_US.UTF-8");
        EXPECT_EQ(MessagesLocale(), "en_US.UTF-8");
    }
    {
        LocaleVariables locale(std::nullopt, std::nullopt, std::nullopt);
        EXPECT_EQ(MessagesLocale(), "");
    }
}

// The system's language serves until the user picks one; it needs its module beside the program.
TEST(StartingLanguage, AStoredPickWinsElseTheLocalesLanguageWhenItsModuleIsInstalled) {
    TempDir dir;
    const std::filesystem::path program = dir / "program";
    std::filesystem::create_directory(program);
    const std::filesystem::path uiState = dir / "Quorvel_3r10.frm";
    {
        LocaleVariables locale(std::nullopt, std::nullopt, "en_US.UTF-8");
        EXPECT_EQ(SystemLanguage(program), BuiltInLanguage);  // no English module installed
        EXPECT_EQ(StartingLanguage(uiState, program), BuiltInLanguage);
        test::WriteBytes(program / "Quorvel_3r10_ENU.lng", "module");
        EXPECT_EQ(SystemLanguage(program), 1033);
        EXPECT_EQ(StartingLanguage(uiState, program), 1033);
    }
    for (const char* other : {"C.UTF-8", "POSIX", "ru_RU.UTF-8", "de_DE.UTF-8"}) {
        LocaleVariables locale(std::nullopt, std::nullopt, other);
        EXPECT_EQ(StartingLanguage(uiState, program), BuiltInLanguage) << other;
    }
    {
        LocaleVariables locale("ru_RU.UTF-8", std::nullopt, "en_US.UTF-8");
        EXPECT_EQ(StartingLanguage(uiState, program), BuiltInLanguage);
    }
    // Other keys of the interface state are no pick of a language.
    UiStateFile(uiState).WriteUiValues({{"FirstRun", "0"}});
    {
        LocaleVariables locale(std::nullopt, std::nullopt, "en_US.UTF-8");
        EXPECT_EQ(StartingLanguage(uiState, program), 1033);
        UiStateFile(uiState).WriteUiInt("Language", BuiltInLanguage);
        EXPECT_EQ(StartingLanguage(uiState, program), BuiltInLanguage);
    }
    {
        LocaleVariables locale(std::nullopt, std::nullopt, "ru_RU.UTF-8");
        UiStateFile(uiState).WriteUiInt("Language", 1033);
        EXPECT_EQ(StartingLanguage(uiState, program), 1033);
    }
}

}  // namespace
}  // namespace quorvel
