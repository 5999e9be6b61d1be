#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>
#include <QUrl>
#include <QtTest>
#include <functional>
#include <memory>
#include <vector>

#include "core/stats/help_pages.h"
#include "core/stats/help_writer.h"
#include "core/stats/stat_list.h"
#include "core/util/languages.h"
#include "gui/app/first_run_dialog.h"
#include "gui/app/main_window.h"
#include "gui/stats/description_window.h"
#include "gui/stats/favourites_dialog.h"
#include "gui/stats/method_combo.h"
#include "gui/stats/stats_page.h"
#include "gui/widgets/document_viewer.h"
#include "support/fake_ui_host.h"
#include "support/temp_dir.h"
#include "support/when_open.h"

using namespace quorvel;
using gui::MainWindow;

// Takes the place of the system's browser.
class PageCatcher : public QObject {
    Q_OBJECT

public:
    QList<QUrl> Opened;

public slots:
    void open(const QUrl& url) { Opened.append(url); }
};

namespace {

QUrl FileUrl(const std::filesystem::path& path) {
    return QUrl::fromLocalFile(QString::fromStdString(path.string()));
}

// A main window whose program folder holds the generated help, started on its own data.
struct HelpWindow {
    HelpWindow(const test::TempDir& data, const std::filesystem::path& programDir,
               std::vector<std::string> args = {})
        : window(std::make_unique<MainWindow>(DataDirectory(data.Path()), std::move(args))) {
        window->SetProgramDirectory(programDir);
        window->SetUiHost(&host);
    }
    test::FakeUiHost host;
    std::unique_ptr<MainWindow> window;
};

// A program folder with the generated help and the English module; without its English
// pages when asked.
bool MakeEnglishProgram(const std::filesystem::path& programDir, bool englishPages) {
    if (WriteHelpPages(HelpFolder(programDir)) <= 1) return false;
    test::WriteBytes(programDir / LanguageModuleName(1033), "a module; the window only looks for it");
    if (englishPages) return true;
    std::vector<std::filesystem::path> english;
    for (const auto& file : std::filesystem::directory_iterator(HelpFolder(programDir))) {
        const std::string name = file.path().filename().string();
        if (name.find("_1033_") != std::string::npos || name == HelpMainPageName(1033))
            english.push_back(file.path());
    }
    for (const auto& page : english)
        std::filesystem::remove(page);
    return !english.empty();
}

// Data whose stored interface language is English, showing the first-run dialog.
void ChooseEnglish(const test::TempDir& data) {
    test::WriteBytes(data / "Quorvel_3r10.frm", "[TFormMain]\r\nLanguage=1033\r\nFirstRun=1\r\n");
}

}  // namespace

class HelpTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(WriteHelpPages(HelpFolder(program_.Path())) > 1); }
    void init() {
        QDesktopServices::setUrlHandler("file", &catcher_, "open");
        catcher_.Opened.clear();
    }
    void cleanup() { QDesktopServices::unsetUrlHandler("file"); }

    void f1OpensTheMainPageInTheBrowser() {
        test::TempDir data;
        HelpWindow s(data, program_.Path());
        QVERIFY(s.window->Initialise());
        QAction* help = s.window->Actions().Find("GetHelp");
        QCOMPARE(help->shortcut(), QKeySequence(Qt::Key_F1));
        QVERIFY(help->isEnabled());
        QVERIFY(s.window->Actions().Execute("GetHelp"));
        QCOMPARE(catcher_.Opened, QList<QUrl>{FileUrl(program_ / "help" / "Pelmor_RUS.htm")});
    }

    void withoutASystemViewerF1ShowsThePageInTheProgramsOwnWindow() {
        test::TempDir data;
        HelpWindow s(data, program_.Path());
        QVERIFY(s.window->Initialise());
        QList<QUrl> tried;
        s.window->SetExternalOpener([&tried](const QUrl& url) {
            tried << url;
            return false;
        });
        QVERIFY(s.window->Actions().Execute("GetHelp"));
        const QString page = QString::fromStdString((program_ / "help" / "Pelmor_RUS.htm").string());
        QCOMPARE(tried, QList<QUrl>{QUrl::fromLocalFile(page)});
        QVERIFY(catcher_.Opened.isEmpty());
        auto* viewer = s.window->findChild<gui::DocumentViewer*>();
        QVERIFY(viewer != nullptr);
        QVERIFY(viewer->isVisible());
        QCOMPARE(viewer->Browser()->source(), QUrl::fromLocalFile(page));
        // Titled as the page is, not by its file.
        QCOMPARE(viewer->windowTitle(), viewer->Browser()->documentTitle());
        QVERIFY(!viewer->windowTitle().isEmpty() && !viewer->windowTitle().contains(".htm"));
        QVERIFY(viewer->PathLabel()->isHidden());
        QDir().mkpath(QUORVEL_SCREENSHOT_DIR);
        QVERIFY(viewer->grab().save(QString(QUORVEL_SCREENSHOT_DIR) + "/document_viewer.png"));
        viewer->close();
    }

    void withoutTheHelpFolderF1IsDisabled() {
        test::TempDir data;
        HelpWindow s(data, data / "no program");
        QVERIFY(s.window->Initialise());
        QVERIFY(!s.window->Actions().Find("GetHelp")->isEnabled());
        s.window->Actions().Execute("GetHelp");
        QVERIFY(catcher_.Opened.isEmpty());
    }

    void theFirstRunDialogOpensTheMainPage() {
        test::TempDir data;
        test::WriteBytes(data / "Quorvel_3r10.frm", "[TFormMain]\r\nFirstRun=1\r\n");
        HelpWindow s(data, program_.Path());
        bool shown = false;
        test::WhenOpen<gui::FirstRunDialog>([&](gui::FirstRunDialog& dialog) {
            shown = true;
            auto* button = dialog.findChild<QPushButton*>("openHelp");
            QVERIFY(button->isEnabled());
            QTest::mouseClick(button, Qt::LeftButton);
        });
        QVERIFY(s.window->Initialise());
        QVERIFY(shown);
        QCOMPARE(catcher_.Opened, QList<QUrl>{FileUrl(program_ / "help" / "Pelmor_RUS.htm")});
    }

    void theDescriptionWindowShowsTheGeneratedPageOfTheMethod() {
        TStatList stats(program_ / "settings.ini");
        stats.Rebuild();
        const TStatMethod& pos2 = stats.Items[static_cast<size_t>(stats.IndexOfCode("POS2"))];
        gui::DescriptionWindow window(pos2, program_.Path());
        QCOMPARE(window.Page(), program_ / "help" / "Filters_1049_POSx.htm");
        QUrl expected = FileUrl(window.Page());
        expected.setFragment("POS2");
        QCOMPARE(window.Browser()->source(), expected);
        const QString text = window.Browser()->toPlainText();
        QVERIFY(text.contains("POS2: Число в 2 позиции тиража"));
        QVERIFY(text.contains("На главную страницу справки"));
        // A page of its own opens at its top.
        gui::DescriptionWindow nums(stats.Items[static_cast<size_t>(stats.IndexOfCode("NUMS"))],
                                    program_.Path());
        QCOMPARE(nums.Browser()->source(), FileUrl(program_ / "help" / "Filters_1049_NUMS.htm"));

        // The link back to the main page stays inside the window.
        window.Browser()->setSource(QUrl("Pelmor_RUS.htm"));
        QCOMPARE(window.Browser()->source().fileName(), QString("Pelmor_RUS.htm"));
        QVERIFY(window.Browser()->toPlainText().contains("Указатель методов"));
        QVERIFY(catcher_.Opened.isEmpty());
    }

    void withTheEnglishInterfaceEveryHelpOpensTheEnglishPages() {
        test::TempDir program;
        QVERIFY(MakeEnglishProgram(program.Path(), true));
        test::TempDir data;
        ChooseEnglish(data);
        HelpWindow s(data, program.Path());
        test::WhenOpen<gui::FirstRunDialog>([](gui::FirstRunDialog& dialog) {
            QTest::mouseClick(dialog.findChild<QPushButton*>("openHelp"), Qt::LeftButton);
        });
        QVERIFY(s.window->Initialise());
        QCOMPARE(s.window->HelpLanguage(), 1033);
        QVERIFY(s.window->Actions().Execute("GetHelp"));
        const QUrl main = FileUrl(program / "help" / "Pelmor_ENU.htm");
        QCOMPARE(catcher_.Opened, (QList<QUrl>{main, main}));

        const TStatMethod& current = s.window->GetWorkspace().Stats().List().Items.at(
            static_cast<size_t>(s.window->StatsTab()->Methods()->CurrentEntry()));
        const std::filesystem::path page = program / "help" / MethodHelpPageName(current, 1033);
        bool described = false;
        test::WhenOpen<gui::DescriptionWindow>([&](gui::DescriptionWindow& window) {
            described = true;
            QCOMPARE(window.Page(), page);
            QVERIFY(window.Browser()->toPlainText().contains("Back to the main help page"));
        });
        QVERIFY(s.window->Actions().Execute("FiltersInfo"));
        QVERIFY(described);

        // The favourites manager's description button opens the same page.
        described = false;
        test::WhenOpen<gui::FavouritesDialog>([&](gui::FavouritesDialog& dialog) {
            dialog.Tree()->setCurrentItem(dialog.EntryNode(s.window->StatsTab()->Methods()->CurrentEntry()));
            test::WhenOpen<gui::DescriptionWindow>([&](gui::DescriptionWindow& window) {
                described = true;
                QCOMPARE(window.Page(), page);
            });
            QTest::mouseClick(dialog.findChild<QPushButton*>("btDescription"), Qt::LeftButton);
        });
        QVERIFY(s.window->Actions().Execute("FiltersManager"));
        QVERIFY(described);
    }

    void withoutTheEnglishPagesTheEnglishInterfaceOpensTheRussianOnes() {
        test::TempDir program;
        QVERIFY(MakeEnglishProgram(program.Path(), false));
        test::TempDir data;
        ChooseEnglish(data);
        HelpWindow s(data, program.Path());
        test::WhenOpen<gui::FirstRunDialog>([](gui::FirstRunDialog& dialog) {
            auto* button = dialog.findChild<QPushButton*>("openHelp");
            QVERIFY(button->isEnabled());
            QTest::mouseClick(button, Qt::LeftButton);
        });
        QVERIFY(s.window->Initialise());
        QCOMPARE(s.window->HelpLanguage(), 1033);
        QVERIFY(s.window->Actions().Find("GetHelp")->isEnabled());
        QVERIFY(s.window->Actions().Execute("GetHelp"));
        const QUrl main = FileUrl(program / "help" / "Pelmor_RUS.htm");
        QCOMPARE(catcher_.Opened, (QList<QUrl>{main, main}));
        const TStatMethod& current = s.window->GetWorkspace().Stats().List().Items.at(
            static_cast<size_t>(s.window->StatsTab()->Methods()->CurrentEntry()));
        bool described = false;
        test::WhenOpen<gui::DescriptionWindow>([&](gui::DescriptionWindow& window) {
            described = true;
            QCOMPARE(window.Page(), program / "help" / MethodHelpPageName(current));
        });
        QVERIFY(s.window->Actions().Execute("FiltersInfo"));
        QVERIFY(described);
    }

    void aRussianInterfaceKeepsTheRussianPages() {
        test::TempDir program;
        QVERIFY(MakeEnglishProgram(program.Path(), true));
        // English stored, but "no-language" keeps the built-in texts.
        {
            test::TempDir data;
            ChooseEnglish(data);
            HelpWindow s(data, program.Path(), {"no-language"});
            test::WhenOpen<gui::FirstRunDialog>([](gui::FirstRunDialog& dialog) { dialog.reject(); });
            QVERIFY(s.window->Initialise());
            QCOMPARE(s.window->HelpLanguage(), BuiltInLanguage);
            QVERIFY(s.window->Actions().Execute("GetHelp"));
        }
        // English stored, but its module is not beside the program: the interface stayed Russian.
        {
            test::TempDir data;
            ChooseEnglish(data);
            HelpWindow s(data, program_.Path());
            test::WhenOpen<gui::FirstRunDialog>([](gui::FirstRunDialog& dialog) { dialog.reject(); });
            QVERIFY(s.window->Initialise());
            QCOMPARE(s.window->HelpLanguage(), BuiltInLanguage);
            QVERIFY(s.window->Actions().Execute("GetHelp"));
        }
        QCOMPARE(catcher_.Opened, (QList<QUrl>{FileUrl(program / "help" / "Pelmor_RUS.htm"),
                                               FileUrl(program_ / "help" / "Pelmor_RUS.htm")}));
    }

    void theDescriptionWindowShowsTheEnglishPageAndStaysInEnglish() {
        test::TempDir program;
        QVERIFY(MakeEnglishProgram(program.Path(), true));
        TStatList stats(program / "settings.ini");
        stats.Rebuild();
        const TStatMethod& pos2 = stats.Items[static_cast<size_t>(stats.IndexOfCode("POS2"))];
        gui::DescriptionWindow window(pos2, program.Path(), nullptr, 1033);
        QCOMPARE(window.Page(), program / "help" / "Filters_1033_POSx.htm");
        QUrl expected = FileUrl(window.Page());
        expected.setFragment("POS2");
        QCOMPARE(window.Browser()->source(), expected);
        QVERIFY(window.Browser()->toPlainText().contains("Back to the main help page"));
        // The link back leads to the English main page, whose index leads to English pages.
        window.Browser()->setSource(QUrl("Pelmor_ENU.htm"));
        QVERIFY(window.Browser()->toPlainText().contains("Method index"));
        window.Browser()->setSource(QUrl("Filters_1033_NUMS.htm#NUMS"));
        QVERIFY(window.Browser()->toPlainText().contains("Keep selected"));
        QVERIFY(catcher_.Opened.isEmpty());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QDir().mkpath(QUORVEL_SCREENSHOT_DIR);
        QVERIFY(window.grab().save(QString(QUORVEL_SCREENSHOT_DIR) + "/description_window_english.png"));
        // The Russian window is unchanged by the English pages beside it.
        gui::DescriptionWindow russian(pos2, program.Path());
        QCOMPARE(russian.Page(), program / "help" / "Filters_1049_POSx.htm");
    }

    void screenshot() {
        TStatList stats(program_ / "settings.ini");
        stats.Rebuild();
        gui::DescriptionWindow window(stats.Items[static_cast<size_t>(stats.IndexOfCode("SUMS"))],
                                      program_.Path());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QDir().mkpath(QUORVEL_SCREENSHOT_DIR);
        QVERIFY(window.grab().save(QString(QUORVEL_SCREENSHOT_DIR) + "/description_window_generated.png"));
    }

private:
    test::TempDir program_;
    PageCatcher catcher_;
};

QTEST_MAIN(HelpTest)
#include "help_test.moc"
