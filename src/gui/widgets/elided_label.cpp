#include "gui/widgets/elided_label.h"

#include <QResizeEvent>
#include <algorithm>

namespace quorvel::gui {

ElidedLabel::ElidedLabel(QWidget* parent) : QLabel(parent) {
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    setTextFormat(Qt::PlainText);
}

void ElidedLabel::SetFullText(const QString& text) {
    if (text == fullText_) return;
    fullText_ = text;
    setToolTip(text);
    ShowElided();
}

QSize ElidedLabel::sizeHint() const {
    return {0, QLabel::sizeHint().height()};
}

QSize ElidedLabel::minimumSizeHint() const {
    return {0, QLabel::minimumSizeHint().height()};
}

void ElidedLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    ShowElided();
}

void ElidedLabel::ShowElided() {
    // A few pixels for the style's own padding inside the frame.
    const int room = std::max(contentsRect().width() - 4, 0);
    setText(fontMetrics().elidedText(fullText_, Qt::ElideRight, room));
}

}  // namespace quorvel::gui
