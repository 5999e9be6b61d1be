#include "gui/views/panel_splitter.h"

#include <algorithm>

namespace quorvel::gui {

PanelSplitter::PanelSplitter(int panelHeight, QWidget* parent)
    : QSplitter(Qt::Vertical, parent), wanted_(std::max(panelHeight, 0)) {}

void PanelSplitter::SetParts(QWidget* view, QWidget* panel) {
    addWidget(view);
    addWidget(panel);
    Apply();
}

void PanelSplitter::SetPanelHeight(int height) {
    wanted_ = std::max(height, 0);
    Apply();
}

int PanelSplitter::PanelHeight() const {
    const QList<int> parts = sizes();
    return shown_ && parts.size() > 1 ? parts.last() : wanted_;
}

void PanelSplitter::showEvent(QShowEvent* event) {
    QSplitter::showEvent(event);
    if (shown_) return;
    // Only now is the splitter's own height the one it will have.
    shown_ = true;
    Apply();
}

void PanelSplitter::Apply() {
    if (count() < 2) return;
    setStretchFactor(0, 1);
    setStretchFactor(1, 0);
    setSizes({std::max(height() - wanted_, 0), wanted_});
}

}  // namespace quorvel::gui
