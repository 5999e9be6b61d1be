#pragma once

#include <QDir>
#include <QString>
#include <QWidget>
#include <QtTest>

namespace quorvel::test {

// Shows the widget and saves what it looks like under the build's screenshot folder, where the
// pictures are looked over by eye; a widget grabbed before it is exposed comes out blank.
inline void SaveScreenshot(QWidget* widget, const QString& name) {
    widget->show();
    QVERIFY(QTest::qWaitForWindowExposed(widget));
    QDir().mkpath(QUORVEL_SCREENSHOT_DIR);
    QVERIFY(widget->grab().save(QString(QUORVEL_SCREENSHOT_DIR) + "/" + name));
}

}  // namespace quorvel::test
