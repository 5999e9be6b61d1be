#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>
#include <QtTest>
#include <functional>
#include <memory>

#include "app/first_run_dialog.h"
#include "app/main_window.h"
#include "stats/description_window.h"
#include "stats/help_pages.h"
#include "stats/help_writer.h"
#include "stats/stat_list.h"
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
    HelpWindow(const test::TempDir& data, const std::filesystem::path& programDir)
        : window(std::make_unique<MainWindow>(DataDirectory(data.Path()), std::vector<std::string>{})) {
        window->SetProgramDirectory(programDir);
        window->SetUiHost(&host);
    }
    test::FakeUiHost host;
    std::unique_ptr<MainWindow> window;
};

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
