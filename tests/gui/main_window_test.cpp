#include <QDir>
#include <QtTest>

#include "app/main_window.h"
#include "app/version.h"

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void captionNamesTitleAndVersion() {
        quorvel::gui::MainWindow window;
        QCOMPARE(window.windowTitle(), QString("Quorvel 3r10 версия ") + quorvel::ProgramVersion);
    }

    void screenshot() {
        quorvel::gui::MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QDir().mkpath(QUORVEL_SCREENSHOT_DIR);
        QVERIFY(window.grab().save(QString(QUORVEL_SCREENSHOT_DIR) + "/main_window.png"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
