#pragma once

#include <QApplication>
#include <QTimer>
#include <functional>

namespace quorvel::test {

// Runs the check on the modal window of that type as soon as it is open, then closes the
// window if the check left it open (a failed check must not leave the test waiting).
template <typename Window>
void WhenOpen(std::function<void(Window&)> check) {
    auto* timer = new QTimer(qApp);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, check] {
        auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
        if (window == nullptr) return;
        timer->stop();
        timer->deleteLater();
        check(*window);
        if (window->isVisible()) window->reject();
    });
    timer->start();
}

}  // namespace quorvel::test
