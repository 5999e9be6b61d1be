#include <gtest/gtest.h>

#include <QFile>
#include <QXmlStreamReader>
#include <regex>
#include <set>

#include "cli/cli_language.h"
#include "core/app/ui_state.h"
#include "language/message_text.h"
#include "language/translation.h"
#include "support/cli_run.h"
#include "support/program_run.h"
#include "support/temp_dir.h"

namespace quorvel::cli {
namespace {

using test::CliResult;
using test::RunProgram;
using test::TempDir;

bool HasCyrillic(const std::string& text) {
    // Cyrillic letters are U+0400..U+04FF: UTF-8 lead bytes 0xD0..0xD3.
    for (unsigned char c : text)
        if (c >= 0xD0 && c <= 0xD3) return true;
    return false;
}

void Import(const TempDir& dir) {
    ASSERT_EQ(test::RunQuorvel(dir, {"import", std::string(QUORVEL_SAMPLES_DIR) + "/cash3.csv"}).Code, 0);
}

TEST(CliLanguage, EnglishHelpUsageAndErrorsHaveNoRussianWord) {
    TempDir dir;
    for (const std::string asked : {"--help", "help stakes", "stats --help"}) {
        const CliResult help = RunProgram(dir, "--language en " + asked);
        EXPECT_EQ(help.Code, 0) << asked;
        EXPECT_FALSE(HasCyrillic(help.Out)) << help.Out;
    }
    EXPECT_NE(RunProgram(dir, "--help").Out.find("--language ru|en"), std::string::npos);
    const CliResult unknown = RunProgram(dir, "--language=en stats --frobnicate");
    EXPECT_EQ(unknown.Code, 2);
    EXPECT_EQ(unknown.Out, "");
    EXPECT_EQ(unknown.Err.rfind("Unknown option: --frobnicate\n\n  stats --method CODE", 0), 0u)
        << unknown.Err;
    const CliResult missing = RunProgram(dir, "--language en import /nonexistent/draws.csv");
    EXPECT_EQ(missing.Code, 1);
    EXPECT_EQ(missing.Err, "Could not open the file \"/nonexistent/draws.csv\": No such file or directory\n");
    const CliResult wrong = RunProgram(dir, "--language xx info");
    EXPECT_EQ(wrong.Code, 1);
    EXPECT_NE(wrong.Err.find("xx"), std::string::npos);
}

// Without --language the command line speaks as the desktop program does for the directory.
TEST(CliLanguage, TheDirectorysInterfaceLanguageServesUnlessAskedOtherwise) {
    TempDir dir;
    Import(dir);
    UiStateFile(dir / "Quorvel_3r10.frm").WriteUiInt("Language", 1033);
    const CliResult english = RunProgram(dir, "stats --method NUMS --window 30");
    ASSERT_EQ(english.Code, 0) << english.Err;
    EXPECT_EQ(english.Out.rfind("Value;Count;Count %;", 0), 0u) << english.Out;
    EXPECT_EQ(RunProgram(dir, "info").Out.rfind("Draws in the archive: 3329\nNext draw: 3330\n", 0), 0u);
    const CliResult russian = RunProgram(dir, "--language ru stats --method NUMS --window 30");
    EXPECT_EQ(russian.Out, test::RunQuorvel(dir, {"stats", "--method", "NUMS", "--window", "30"}).Out);
    EXPECT_TRUE(HasCyrillic(russian.Out));
}

// A first start speaks the system locale's language when its module is installed, as the
// desktop program does; a language picked and stored holds whatever the locale.
TEST(CliLanguage, AFreshDirectorySpeaksTheLocalesLanguageUntilOneIsPicked) {
    TempDir dir;
    const CliResult english = RunProgram(dir, "info", "en_US.UTF-8");
    EXPECT_EQ(english.Code, 0) << english.Err;
    EXPECT_EQ(english.Out, "Draws in the archive: 0\nNext draw: 1\n");
    EXPECT_EQ(RunProgram(dir, "info", "C.UTF-8").Out, "Архив тиражей: 0\nСледующий тираж: 1\n");
    EXPECT_EQ(RunProgram(dir, "info", "ru_RU.UTF-8").Out, "Архив тиражей: 0\nСледующий тираж: 1\n");
    // Nothing was stored by those runs: the first start is still a first start.
    EXPECT_EQ(RunProgram(dir, "info", "en_GB.UTF-8").Out, english.Out);
    UiStateFile(dir / "Quorvel_3r10.frm").WriteUiInt("Language", 1049);
    EXPECT_EQ(RunProgram(dir, "info", "en_US.UTF-8").Out, "Архив тиражей: 0\nСледующий тираж: 1\n");
    UiStateFile(dir / "Quorvel_3r10.frm").WriteUiInt("Language", 1033);
    EXPECT_EQ(RunProgram(dir, "info", "ru_RU.UTF-8").Out, english.Out);
}

// What goes wrong is said in English too: the data folder, typed values, the crash-safe writer,
// the stakes file's temporary copy; a default comment is offered in English and kept as stored.
TEST(CliLanguage, EnglishErrorsOfTheCoreHaveNoRussianWord) {
    TempDir dir;
    Import(dir);
    const auto english = [&](const std::string& args) { return RunProgram(dir, "--language en " + args); };
    const auto expectEnglish = [](const CliResult& result, const std::string& what) {
        EXPECT_FALSE(HasCyrillic(result.Out + result.Err)) << what << ":\n" << result.Out << result.Err;
    };

    test::WriteBytes(dir / "plain-file", "x");
    const CliResult noFolder = test::RunProgramOn(dir / "plain-file" / "data", dir, "--language en info");
    EXPECT_EQ(noFolder.Code, 1);
    EXPECT_EQ(noFolder.Err.rfind(
                  "Could not create the data folder \"" + (dir / "plain-file" / "data").string() + "\": ", 0),
              0u)
        << noFolder.Err;
    expectEnglish(noFolder, "data folder");

    const CliResult wrongValue = english("add 3330 \"1;2;x\"");
    EXPECT_EQ(wrongValue.Code, 1);
    expectEnglish(wrongValue, "typed draw");
    const CliResult added = english("add 3330 \"1;2;3\" \"01.02.2030 12:30\"");
    EXPECT_EQ(added.Code, 0) << added.Err;
    EXPECT_EQ(added.Out, "Draw No. 3330 of 01.02.2030 12:30, values: 1;2;3\n");

    const CliResult staked = english("stakes add \"4;5;6\"");
    EXPECT_EQ(staked.Code, 0) << staked.Err;
    expectEnglish(staked, "stake");
    EXPECT_NE(RunProgram(dir, "--language ru stakes list").Out.find("Manual stake"), std::string::npos);

    std::filesystem::create_directory(dir / "Quorvel_3r10.~tmp");
    const CliResult temporary = english("stakes delete --matches = 0");
    EXPECT_EQ(temporary.Code, 1);
    EXPECT_NE(temporary.Err.find("Error creating the temporary stakes file"), std::string::npos)
        << temporary.Err;
    expectEnglish(temporary, "temporary stakes file");
    std::filesystem::remove(dir / "Quorvel_3r10.~tmp");

    // The rating's file taken by a folder: the crash-safe writer cannot put the new one in its place.
    std::filesystem::remove(dir / "Quorvel_3r10.lrt");
    std::filesystem::create_directories(dir / "Quorvel_3r10.lrt" / "taken");
    const CliResult unwritable = english("rating rebuild --yes");
    EXPECT_NE(unwritable.Err.find("Could not write the file"), std::string::npos) << unwritable.Err;
    EXPECT_NE(unwritable.Err.find("The previous contents of the file are unchanged."), std::string::npos);
    expectEnglish(unwritable, "crash-safe writer");
    std::filesystem::remove_all(dir / "Quorvel_3r10.lrt");

    for (const std::string args :
         {"stats --method NOPE", "step \"BAD\"", "scenario run /nonexistent.lsc",
          "regulars add Mine --start \"1;2;x\"", "stakes delete", "systems import /nonexistent",
          "import /nonexistent.csv", "export /nonexistent/draws.csv"}) {
        const CliResult failed = english(args);
        EXPECT_NE(failed.Code, 0) << args;
        expectEnglish(failed, args);
    }
}

// What the tabs show in English the listings print in English: captions, kinds, days, method
// titles, the status and the shipped systems; what the user typed stays as typed.
TEST(CliLanguage, EnglishListingsHaveNoRussianWordButTheUsers) {
    TempDir dir;
    Import(dir);
    const auto english = [&](const std::string& args) { return RunProgram(dir, "--language en " + args); };
    ASSERT_EQ(english("stakes add \"1;2;3\" --comment \"Моя ставка\"").Code, 0);
    ASSERT_EQ(english("stakes add \"4;5;6\"").Code, 0);
    ASSERT_EQ(english("regulars add Mine --start \"1;2;3\"").Code, 0);
    for (const std::string args :
         {"stakes list", "rating", "rating significance", "regulars", "systems", "methods", "methods --list",
          "view week --length 50", "view layout --length 50", "view sums", "view card --length 3",
          "view graph --method SUMS --length 5", "stats --method NUMS --window 30"}) {
        const CliResult listed = english(args);
        EXPECT_EQ(listed.Code, 0) << args << "\n" << listed.Err;
        std::string shown = listed.Out + listed.Err;
        for (size_t at; (at = shown.find("Моя ставка")) != std::string::npos;)
            shown.erase(at, std::string("Моя ставка").size());
        EXPECT_FALSE(HasCyrillic(shown)) << args << ":\n" << shown;
    }
    EXPECT_NE(english("systems").Out.find("Complete system for 4 numbers"), std::string::npos);
    EXPECT_NE(english("stakes list").Out.find(";Manual;"), std::string::npos);
}

// The core's messages are found paragraph by paragraph: as they are, with their quoted parts and
// numbers as placeholders, or as a label with the rest kept.
TEST(CliLanguage, MessagesAreTranslatedParagraphByParagraph) {
    language::LoadedModule english = language::LoadLanguageModule(QUORVEL_BUILD_DIR, 1033);
    ASSERT_TRUE(english.Module) << english.Error;
    const std::string twoParagraphs =
        "Ошибка записи в файл тиражей!\r\rНе удалось открыть файл \"/a: b\": Нет места";
    EXPECT_EQ(language::MessageText(twoParagraphs).toStdString(), twoParagraphs);  // no module in use yet
    language::UseLanguageModule(english.Module.get());
    EXPECT_EQ(language::MessageText(twoParagraphs).toStdString(),
              "Error writing the draws file!\r\rCould not open the file \"/a: b\": Нет места");
    EXPECT_EQ(language::MessageText("Архив тиражей: 17").toStdString(), "Draws in the archive: 17");
    // A value that holds a placeholder of its own is kept as it is.
    EXPECT_EQ(language::MessageText("Не удалось удалить файл \"%2\": %1").toStdString(),
              "Could not delete the file \"%2\": %1");
    EXPECT_EQ(language::MessageText("Что-то своё: 5").toStdString(), "Что-то своё: 5");
    // A paragraph of several lines not known whole is looked up line by line, each line kept apart.
    EXPECT_EQ(
        language::MessageText("Выделенная комбинация найдена в следующих тиражах:\r\r"
                              "Тираж № 12 от 01.02.2020, значения: 1;2;3\r"
                              "Тираж № 5 от 03.01.2020, значения: 4;5;6\rЧто-то своё")
            .toStdString(),
        "The selected combination was found in the following draws:\r\r"
        "Draw No. 12 of 01.02.2020, values: 1;2;3\rDraw No. 5 of 03.01.2020, values: 4;5;6\rЧто-то своё");
    english.Module.reset();  // the module that goes away leaves the built-in texts
    EXPECT_EQ(language::MessageText("Архив тиражей: 17").toStdString(), "Архив тиражей: 17");
}

// Every translation keeps its source's placeholders, so no value is lost or shown twice.
TEST(CliLanguage, EveryTranslationKeepsItsPlaceholders) {
    QFile file(QUORVEL_TRANSLATIONS_FILE);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    const std::regex placeholder(R"(%(\d+|s|d))");
    const auto placeholders = [&](const std::string& text) {
        std::multiset<std::string> found;
        for (auto it = std::sregex_iterator(text.begin(), text.end(), placeholder);
             it != std::sregex_iterator(); ++it)
            found.insert(it->str());
        return found;
    };
    std::string source;
    int checked = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QStringLiteral("source")) {
            source = xml.readElementText(QXmlStreamReader::IncludeChildElements).toStdString();
        } else if (xml.name() == QStringLiteral("translation")) {
            const std::string translation =
                xml.readElementText(QXmlStreamReader::IncludeChildElements).toStdString();
            EXPECT_EQ(placeholders(translation), placeholders(source)) << source << " -> " << translation;
            EXPECT_FALSE(HasCyrillic(translation)) << translation;
            ++checked;
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_GT(checked, 900);
}

}  // namespace
}  // namespace quorvel::cli
