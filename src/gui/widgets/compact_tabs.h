#pragma once

class QTabWidget;

namespace quorvel::gui {

// Tabs as wide as their caption and a narrow padding, so that a row of many tabs fits a small
// screen without hiding some behind scroll arrows.
void MakeTabsCompact(QTabWidget* tabs);

}  // namespace quorvel::gui
