#pragma once

#include <QTableView>
#include <span>

namespace quorvel::gui {

// Sets the widths a table starts with, widening a column where its caption would not fit in the
// header's font (a larger system font, a longer translation).
void SetStartingWidths(QTableView* view, std::span<const int> widths);

}  // namespace quorvel::gui
