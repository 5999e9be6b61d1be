#include <QCheckBox>
#include <QDesktopServices>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include "core/util/version.h"
#include "gui/app/about_dialog.h"
#include "gui/app/first_run_dialog.h"

using quorvel::gui::AboutDialog;
using quorvel::gui::FirstRunDialog;

// Takes the place of the browser and the help viewer.
class UrlCatcher : public QObject {
    Q_OBJECT

public:
    QList<QUrl> Opened;

public slots:
    void open(const QUrl& url) { Opened.append(url); }
};

namespace {

void SaveScreenshot(QWidget& widget, const QString& name) {
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    QDir().mkpath(QUORVEL_SCREENSHOT_DIR);
    QVERIFY(widget.grab().save(QString(QUORVEL_SCREENSHOT_DIR) + "/" + name));
}

}  // namespace

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        for (const char* scheme : {"https", "file"})
            QDesktopServices::setUrlHandler(scheme, &catcher_, "open");
        catcher_.Opened.clear();
    }
    void cleanup() {
        for (const char* scheme : {"https", "file"})
            QDesktopServices::unsetUrlHandler(scheme);
    }

    void buttonsOpenTheHelpFileAndTheMakersPages() {
        FirstRunDialog missing("/nonexistent/Pelmor_rus.chm");
        QVERIFY(!missing.findChild<QPushButton*>("openHelp")->isEnabled());

        QTemporaryDir dir;
        const QString help = dir.filePath("Pelmor_rus.chm");
        QFile file(help);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        FirstRunDialog dialog(help);
        QCOMPARE(dialog.windowTitle(), QString("Справочная информация"));
        for (const char* button : {"openHelp", "site", "blog"})
            QTest::mouseClick(dialog.findChild<QPushButton*>(button), Qt::LeftButton);
        QCOMPARE(catcher_.Opened, QList<QUrl>({QUrl::fromLocalFile(help), QUrl("https://quorvel.example/"),
                                               QUrl("https://quorvel.example/blog")}));
    }

    void dontShowAgainFollowsTheBox() {
        FirstRunDialog dialog(QString{});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(!dialog.DontShowAgain());
        auto* box = dialog.findChild<QCheckBox*>("dontShow");
        QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
        QTest::mouseClick(dialog.findChild<QPushButton*>("close"), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QVERIFY(dialog.DontShowAgain());
    }

    void aboutNamesTitleAndVersion() {
        AboutDialog dialog;
        QCOMPARE(dialog.windowTitle(), QString("О программе"));
        QCOMPARE(dialog.findChild<QLabel*>("title")->text(),
                 QString("Quorvel 3r10 версия ") + quorvel::ProgramVersion);
    }

    void screenshots() {
        FirstRunDialog firstRun(QString{});
        SaveScreenshot(firstRun, "first_run_dialog.png");
        AboutDialog about;
        SaveScreenshot(about, "about_dialog.png");
    }

private:
    UrlCatcher catcher_;
};

QTEST_MAIN(DialogsTest)
#include "dialogs_screenshot_test.moc"
