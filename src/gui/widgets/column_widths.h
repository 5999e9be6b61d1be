#pragma once

#include <QHeaderView>
#include <QTableView>
#include <span>

namespace quorvel::gui {

// The width a column needs to show its caption whole: the widest line of the caption in the
// header's font, the style's margins on both sides and a few pixels for the section's lines.
int CaptionRoom(const QHeaderView* header, int section);

// Sets the widths a table starts with, widening a column where its caption would not fit in the
// header's font (a larger system font, a longer translation).
void SetStartingWidths(QTableView* view, std::span<const int> widths);

}  // namespace quorvel::gui
