#pragma once

#include <QLabel>

namespace quorvel::gui {

// A panel for free text of any length: it takes the room its layout gives and never asks for
// more, shows what fits with "…" at the end, and the whole text in its tooltip. A long text
// therefore never widens the window.
class ElidedLabel : public QLabel {
    Q_OBJECT

public:
    explicit ElidedLabel(QWidget* parent = nullptr);

    void SetFullText(const QString& text);
    QString FullText() const { return fullText_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void ShowElided();

    QString fullText_;
};

}  // namespace quorvel::gui
