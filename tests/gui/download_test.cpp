#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

#include "core/archive/draws_file.h"
#include "gui/app/main_window.h"
#include "gui/archive/proxy_dialog.h"
#include "gui/widgets/wait_window.h"
#include "support/fake_ui_host.h"
#include "support/http_test_server.h"
#include "support/results_site.h"
#include "support/temp_dir.h"
#include "support/when_open.h"

using namespace quorvel;
using quorvel::gui::MainWindow;
using quorvel::gui::ProxyDialog;
using quorvel::gui::WaitWindow;

// Takes the place of the browser.
class UrlCatcher : public QObject {
    Q_OBJECT

public:
    QList<QUrl> Opened;

public slots:
    void open(const QUrl& url) { Opened.append(url); }
};

namespace {

void SaveScreenshot(QWidget* widget, const QString& name) {
    QDir().mkpath(QUORVEL_SCREENSHOT_DIR);
    QVERIFY(widget->grab().save(QString(QUORVEL_SCREENSHOT_DIR) + "/" + name));
}

struct StartedWindow {
    explicit StartedWindow(const test::TempDir& dir)
        : window(std::make_unique<MainWindow>(DataDirectory(dir.Path()), std::vector<std::string>{})) {
        window->SetUiHost(&host);
        initialised = window->Initialise();
    }
    test::FakeUiHost host;
    std::unique_ptr<MainWindow> window;
    bool initialised = false;
};

void WriteSettings(const test::TempDir& dir, const std::string& resultsUrl) {
    test::WriteBytes(dir / "Quorvel_3r10.ini", "[DOWNLOAD]\r\nResultsUrl=" + resultsUrl + "\r\n");
}

test::HttpResponse SiteOf(const test::HttpRequest& request, int last) {
    return test::HtmlResponse(test::ResultsRangePage(request.Path, last));
}

}  // namespace

class DownloadTest : public QObject {
    Q_OBJECT

private slots:
    void proxyDialogEnablesTheManualFieldsOnlyForTheManualChoice() {
        test::FakeUiHost host;
        TProxySettings given{ProxyModeGiven, "proxy.local", 3128, "ivan", "secret"};
        ProxyDialog dialog(given, {"https://results.example/", "https://proxies.example/list"}, host);
        QCOMPARE(dialog.windowTitle(), QString("Параметры proxy-сервера"));
        QVERIFY(dialog.Choice(2)->isChecked());
        QCOMPARE(dialog.Choice(1)->text(), QString("Автоматический поиск сервера (возможны задержки)"));
        QCOMPARE(dialog.PortEdit()->value(), 3128);
        QCOMPARE(dialog.PortEdit()->minimum(), 1);
        QCOMPARE(dialog.PortEdit()->maximum(), 65535);
        QCOMPARE(dialog.UserEdit()->toolTip(), QString("Имя пользователя (не обязательно)"));
        QCOMPARE(dialog.PasswordEdit()->toolTip(), QString("Пароль (не обязательно)"));
        QVERIFY(dialog.ServerEdit()->isEnabled() && dialog.PasswordEdit()->isEnabled());
        QVERIFY(!dialog.ProxyListUrlEdit()->isEnabled());
        QCOMPARE(dialog.Proxy(), given);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        SaveScreenshot(&dialog, "proxy_dialog.png");

        dialog.Choice(0)->setChecked(true);
        QVERIFY(!dialog.ServerEdit()->isEnabled() && !dialog.PortEdit()->isEnabled());
        // No proxy keeps the typed fields with mode 0.
        QCOMPARE(dialog.Proxy(), (TProxySettings{ProxyModeNone, "proxy.local", 3128, "ivan", "secret"}));
        dialog.Choice(1)->setChecked(true);
        QVERIFY(dialog.ProxyListUrlEdit()->isEnabled());
        QCOMPARE(dialog.Proxy(), (TProxySettings{ProxyModeAutomatic, "", DefaultProxyPort, "", ""}));
        QCOMPARE(dialog.Download(),
                 (TDownloadSettings{"https://results.example/", "https://proxies.example/list"}));

        // A stored mode the program does not know shows the first choice.
        ProxyDialog unknown(TProxySettings{9, "h", 80, "", ""}, {}, host);
        QVERIFY(unknown.Choice(0)->isChecked());
    }

    void proxyDialogRefusesAManualChoiceWithoutAServer() {
        test::FakeUiHost host;
        ProxyDialog dialog(TProxySettings{}, {}, host);
        dialog.Choice(2)->setChecked(true);
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(host.Count("error"), 1);
        dialog.ServerEdit()->setText("10.0.0.1");
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void editProxyWritesBothSectionsAtOnce() {
        test::TempDir dir;
        StartedWindow s(dir);
        QVERIFY(s.window->Actions().Find("EditProxy")->isEnabled());
        test::WhenOpen<ProxyDialog>([](ProxyDialog& dialog) {
            dialog.Choice(2)->setChecked(true);
            dialog.ServerEdit()->setText("proxy.local");
            dialog.PortEdit()->setValue(8080);
            dialog.ResultsUrlEdit()->setText("http://results.example/");
            dialog.accept();
        });
        QVERIFY(s.window->Actions().Execute("EditProxy"));
        const TIniFile ini = TIniFile::Load(dir / "Quorvel_3r10.ini");
        QCOMPARE(ini.ReadInteger("PROXY", "ProxyMode", -1), 2);
        QCOMPARE(ini.ReadInteger("PROXY", "ProxyPort", -1), 8080);
        QCOMPARE(QString::fromStdString(ini.ReadString("DOWNLOAD", "ResultsUrl", "")),
                 QString("http://results.example/"));
        QCOMPARE(s.window->GetWorkspace().Download().Proxy().Server, std::string("proxy.local"));
    }

    void waitWindowShowsOneCentredText() {
        QWidget owner;
        owner.resize(600, 400);
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        WaitWindow wait(&owner);
        wait.ShowWaitText("Загрузка архива тиражей...\r\rПопытка 2, proxy 10.0.0.7 : 3128");
        QVERIFY(wait.isVisible());
        QCOMPARE(wait.Text(), QString("Загрузка архива тиражей...\n\nПопытка 2, proxy 10.0.0.7 : 3128"));
        QVERIFY(wait.windowFlags().testFlag(Qt::FramelessWindowHint));
        SaveScreenshot(&wait, "wait_window.png");
        wait.CloseWait();
        QVERIFY(!wait.isVisible());
    }

    void f3DownloadsIntoTheWindowAndTheWaitWindowCloses() {
        test::HttpTestServer site([](const test::HttpRequest& request) { return SiteOf(request, 130); });
        test::TempDir dir;
        WriteSettings(dir, site.Url());
        StartedWindow s(dir);
        QVERIFY(s.initialised);
        QCOMPARE(s.host.Count("question"), 1);  // the start-up question, answered No
        QCOMPARE(s.window->GetWorkspace().Archive().Count(), 0);
        QAction* download = s.window->Actions().Find("DrawsDownload");
        QCOMPARE(download->shortcut(), QKeySequence(Qt::Key_F3));
        QCOMPARE(download->statusTip(), QString("Загрузка архива тиражей с сайта лотереи"));
        QVERIFY(s.window->Actions().Execute("DrawsDownload"));
        QCOMPARE(s.window->StatusText(0), QString("Архив тиражей: 130"));
        QCOMPARE(s.window->StatusText(1), QString("Следующий тираж: 131"));
        QCOMPARE(s.window->StatusText(6), QString());
        QVERIFY(!s.window->Wait()->isVisible());
        QCOMPARE(s.window->Wait()->Text(), QString("Загрузка архива тиражей..."));
        QCOMPARE(LoadDrawsFile(dir / "Quorvel_3r10.ldr").Draws.size(), size_t(130));
        QVERIFY(s.window->GetWorkspace().IsIdle());
    }

    void theStartUpQuestionDownloadsOnYes() {
        test::HttpTestServer site([](const test::HttpRequest& request) { return SiteOf(request, 12); });
        test::TempDir dir;
        WriteSettings(dir, site.Url());
        MainWindow window(DataDirectory(dir.Path()), {});
        test::FakeUiHost host;
        host.Answers = {true};
        window.SetUiHost(&host);
        QVERIFY(window.Initialise());
        QCOMPARE(host.Count("question"), 1);
        QCOMPARE(window.GetWorkspace().Archive().Count(), 12);
        QCOMPARE(window.StatusText(0), QString("Архив тиражей: 12"));
    }

    void autoDownloadEntriesCarryTheStoredChoice() {
        test::TempDir dir;
        StartedWindow s(dir);
        QVERIFY(s.window->Actions().Find("AutoDownload0")->isChecked());
        QVERIFY(s.window->Actions().Execute("AutoDownload2"));
        QVERIFY(s.window->Actions().Find("AutoDownload2")->isChecked());
        QVERIFY(!s.window->Actions().Find("AutoDownload0")->isChecked());
        QCOMPARE(UiStateFile(dir / "Quorvel_3r10.frm").ReadUiInt("DownloadDrawsOnStart", -1), 2);
    }

    void lotoSiteOpensTheGamePageOrSaysHowToSetTheAddress() {
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler("https", &catcher, "open");
        test::TempDir dir;
        {
            StartedWindow s(dir);
            QVERIFY(s.window->Actions().Execute("OpenLotoSite"));
            QCOMPARE(s.host.Last("warning"), std::string(NoResultsAddressText));
            QVERIFY(catcher.Opened.isEmpty());
        }
        WriteSettings(dir, "https://results.example/");
        StartedWindow s(dir);
        s.host.Messages.clear();
        QVERIFY(s.window->Actions().Execute("OpenLotoSite"));
        QCOMPARE(catcher.Opened, QList<QUrl>{QUrl("https://results.example/tridig")});
        QDesktopServices::unsetUrlHandler("https");
    }

    void loadOnlyDownloadsACsvAndEndsWithoutAWindow() {
        const std::string csv =
            "1;\"01.07.2022 13:00\";1;2;3\r\n2;\"01.07.2022 21:00\";4;5;6\r\n"
            "3;\"02.07.2022 13:00\";7;8;9\r\n";
        test::HttpTestServer site([&csv](const test::HttpRequest&) {
            test::HttpResponse response;
            response.Body = csv;
            return response;
        });
        test::TempDir dir;
        WriteSettings(dir, site.Url("/archive/cash3.csv"));
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        // A window would need this platform, which does not exist.
        environment.insert("QT_QPA_PLATFORM", "no-such-platform");
        environment.remove("DISPLAY");
        program.setProcessEnvironment(environment);
        program.start(QString(QUORVEL_BUILD_DIR) + "/Quorvel_3r10",
                      {"loadonly", "--data-dir", QString::fromStdString(dir.Path().string())});
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitCode(), 0);
        QCOMPARE(program.readAllStandardError(), QByteArray());
        QCOMPARE(LoadDrawsFile(dir / "Quorvel_3r10.ldr").Draws.size(), size_t(3));
        QCOMPARE(site.Requests().size(), size_t(1));
    }
};

QTEST_MAIN(DownloadTest)
#include "download_test.moc"
