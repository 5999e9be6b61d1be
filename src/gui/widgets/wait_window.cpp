#include "gui/widgets/wait_window.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>

#include "gui/app/qt_ui_host.h"

namespace quorvel::gui {

WaitWindow::WaitWindow(QWidget* parent) : QFrame(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName("TFormWait");
    setWindowModality(Qt::ApplicationModal);
    setFrameShape(QFrame::Box);
    setLineWidth(1);
    setAutoFillBackground(true);
    setMinimumSize(380, 90);
    label_ = new QLabel(this);
    label_->setObjectName("lbWait");
    label_->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 16, 24, 16);
    layout->addWidget(label_);
}

void WaitWindow::ShowWaitText(const std::string& text) {
    label_->setText(UiText(text));
    adjustSize();
    PlaceOverParent();
    if (!isVisible()) {
        show();
        raise();
    }
    repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void WaitWindow::CloseWait() {
    hide();
}

QString WaitWindow::Text() const {
    return label_->text();
}

void WaitWindow::PlaceOverParent() {
    const QWidget* owner = parentWidget() != nullptr ? parentWidget()->window() : nullptr;
    if (owner == nullptr) return;
    const QPoint centre = owner->mapToGlobal(owner->rect().center());
    move(centre - rect().center());
}

}  // namespace quorvel::gui
