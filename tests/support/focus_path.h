#pragma once

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <vector>

namespace quorvel::test {

// The widgets the focus visits as a person presses Tab, starting where it is, until it comes
// back to the start or maxSteps presses have gone by (a trap).
inline std::vector<QWidget*> TabFocusPath(QWidget* window, int maxSteps = 100) {
    std::vector<QWidget*> path;
    QWidget* start = QApplication::focusWidget();
    if (start == nullptr) return path;
    path.push_back(start);
    for (int step = 0; step < maxSteps; ++step) {
        QWidget* current = QApplication::focusWidget();
        QTest::keyClick(current != nullptr ? current : window, Qt::Key_Tab);
        QWidget* next = QApplication::focusWidget();
        if (next == start) return path;
        path.push_back(next);
    }
    return path;
}

}  // namespace quorvel::test
