#include "gui/widgets/column_widths.h"

#include <QHeaderView>
#include <QStyle>
#include <algorithm>

namespace quorvel::gui {

namespace {

// The section's own lines and the gap they keep from the text.
constexpr int SectionLinesWidth = 6;

}  // namespace

int CaptionRoom(const QHeaderView* header, int section) {
    const QString caption = header->model()->headerData(section, header->orientation()).toString();
    int widest = 0;
    for (const QString& line : caption.split('\n'))
        widest = std::max(widest, header->fontMetrics().horizontalAdvance(line));
    const int margins = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    return widest + margins + SectionLinesWidth;
}

void SetStartingWidths(QTableView* view, std::span<const int> widths) {
    const QHeaderView* header = view->horizontalHeader();
    const int columns = std::min(static_cast<int>(widths.size()), view->model()->columnCount());
    for (int column = 0; column < columns; ++column)
        view->setColumnWidth(column,
                             std::max(widths[static_cast<size_t>(column)], CaptionRoom(header, column)));
}

}  // namespace quorvel::gui
