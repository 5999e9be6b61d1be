#include "gui/app/qt_ui_host.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>

#include "language/message_text.h"

namespace quorvel::gui {

QString UiText(const std::string& text) {
    QString result = QString::fromStdString(text);
    result.replace("\r\n", "\n");
    result.replace('\r', '\n');
    return result;
}

namespace {

// The captions listed here so that the translation tools find them.
[[maybe_unused]] constexpr const char* MessageCaptions[] = {
    QT_TRANSLATE_NOOP("Messages", "Ошибка"),        QT_TRANSLATE_NOOP("Messages", "Информация"),
    QT_TRANSLATE_NOOP("Messages", "Внимание!"),     QT_TRANSLATE_NOOP("Messages", "Предупреждение"),
    QT_TRANSLATE_NOOP("Messages", "Подтверждение"),
};

QString Caption(const char* text) {
    return QCoreApplication::translate("Messages", text);
}

// The core's messages come in its built-in language; those the desktop program writes are
// already in the interface language and pass unchanged.
QString Message(const std::string& text) {
    return UiText(language::MessageText(text).toStdString());
}

}  // namespace

void QtUiHost::ShowProgress(const std::string& text) {
    if (progressSink_) progressSink_(Message(text));
    // Long work runs on this thread: let the new text and the window repaint now.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void QtUiHost::BusyChanged(bool busy) {
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
    if (busySink_) busySink_(busy);
}

void QtUiHost::ShowError(const std::string& text) {
    QMessageBox::critical(parent_, Caption("Ошибка"), Message(text));
}

void QtUiHost::ShowInfo(const std::string& text) {
    QMessageBox::information(parent_, Caption("Информация"), Message(text));
}

void QtUiHost::ShowWarning(const std::string& text, WarningCaption caption) {
    QMessageBox::warning(
        parent_, caption == WarningCaption::Attention ? Caption("Внимание!") : Caption("Предупреждение"),
        Message(text));
}

bool QtUiHost::AskYesNo(const std::string& text) {
    return QMessageBox::question(parent_, Caption("Подтверждение"), Message(text),
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes;
}

bool QtUiHost::AskRetry(const std::string& text) {
    return QMessageBox::critical(parent_, Caption("Ошибка"), Message(text),
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes;
}

bool QtUiHost::AskDelete(const std::string& text) {
    return QMessageBox::warning(parent_, Caption("Предупреждение"), Message(text),
                                QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace quorvel::gui
