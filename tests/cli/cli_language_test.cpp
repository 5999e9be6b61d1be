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
