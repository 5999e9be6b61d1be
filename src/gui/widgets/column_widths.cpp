#include "gui/widgets/column_widths.h"

#include <QHeaderView>
#include <QStyle>
#include <algorithm>

namespace quorvel::gui {

namespace {

int CaptionWidth(const QHeaderView* header, int section) {
    const QString caption = header->model()->headerData(section, Qt::Horizontal).toString();
    const int margins = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    int widest = 0;
    for (const QString& line : caption.split('\n'))
        widest = std::max(widest, header->fontMetrics().horizontalAdvance(line));
    return widest + margins;
}

}  // namespace

void SetStartingWidths(QTableView* view, std::span<const int> widths) {
    const QHeaderView* header = view->horizontalHeader();
    const int columns = std::min(static_cast<int>(widths.size()), view->model()->columnCount());
    for (int column = 0; column < columns; ++column)
        view->setColumnWidth(column,
                             std::max(widths[static_cast<size_t>(column)], CaptionWidth(header, column)));
}

}  // namespace quorvel::gui
