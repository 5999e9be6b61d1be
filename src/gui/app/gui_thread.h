#pragma once

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>
#include <type_traits>

namespace quorvel::gui {

inline bool OnGuiThread() {
    return QCoreApplication::instance() == nullptr ||
           QThread::currentThread() == QCoreApplication::instance()->thread();
}

// Runs fn on the window's thread and waits for its result: a scenario run on its worker thread
// still shows its messages and asks its questions through the window.
template <typename F>
auto CallOnGuiThread(F fn) -> std::invoke_result_t<F> {
    if (OnGuiThread()) return fn();
    if constexpr (std::is_void_v<std::invoke_result_t<F>>) {
        QMetaObject::invokeMethod(QCoreApplication::instance(), fn, Qt::BlockingQueuedConnection);
    } else {
        std::invoke_result_t<F> result{};
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [&] { result = fn(); }, Qt::BlockingQueuedConnection);
        return result;
    }
}

}  // namespace quorvel::gui
