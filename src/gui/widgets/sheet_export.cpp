#include "gui/widgets/sheet_export.h"

#include <QApplication>
#include <QBrush>
#include <QFileDialog>
#include <QFont>
#include <QHeaderView>
#include <QTableView>

#include "core/util/format.h"
#include "core/util/safe_file.h"

namespace quorvel::gui {

namespace {

// About the width of one character of the list's font.
constexpr double PixelsPerCharacter = 7.0;

uint32_t BackgroundOf(const QModelIndex& index) {
    const QVariant value = index.data(Qt::BackgroundRole);
    QColor colour;
    if (value.canConvert<QBrush>() && value.value<QBrush>().style() != Qt::NoBrush) {
        colour = value.value<QBrush>().color();
    } else if (value.canConvert<QColor>()) {
        colour = value.value<QColor>();
    }
    return colour.isValid() ? static_cast<uint32_t>(colour.rgb() & 0xFFFFFF) : 0xFFFFFF;
}

bool IsBold(const QModelIndex& index) {
    const QVariant font = index.data(Qt::FontRole);
    return font.canConvert<QFont>() && font.value<QFont>().bold();
}

}  // namespace

TSheet SheetFromView(const QTableView& view, const QString& title) {
    TSheet sheet;
    sheet.Title = title.toStdString();
    const QAbstractItemModel* model = view.model();
    if (model == nullptr) return sheet;
    const QHeaderView* header = view.horizontalHeader();
    std::vector<int> columns;
    for (int visual = 0; visual < header->count(); ++visual) {
        const int column = header->logicalIndex(visual);
        if (!view.isColumnHidden(column)) columns.push_back(column);
    }
    for (int column : columns) {
        sheet.Captions.push_back(
            model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString().toStdString());
        sheet.Widths.push_back(view.columnWidth(column) / PixelsPerCharacter);
    }
    const int rows = model->rowCount();
    sheet.Rows.reserve(static_cast<size_t>(rows));
    for (int row = 0; row < rows; ++row) {
        std::vector<TSheetCell> cells;
        cells.reserve(columns.size());
        for (int column : columns) {
            const QModelIndex index = model->index(row, column);
            cells.push_back(
                {index.data(Qt::DisplayRole).toString().toStdString(), BackgroundOf(index), IsBold(index)});
        }
        sheet.Rows.push_back(std::move(cells));
    }
    return sheet;
}

bool ExportViewToXlsx(QWidget* parent, UiHost& host, const QTableView& view, const QString& title,
                      const QString& file) {
    QString path = file;
    if (path.isEmpty()) {
        path =
            QFileDialog::getSaveFileName(parent, title, title + ".xlsx",
                                         QApplication::translate("Export", "Книги Microsoft Excel (*.xlsx)"));
        if (path.isEmpty()) return false;
        if (!path.endsWith(".xlsx", Qt::CaseInsensitive)) path += ".xlsx";
    }
    const std::filesystem::path target(path.toStdU16String());
    try {
        WriteXlsx(target, SheetFromView(view, title));
        return true;
    } catch (const std::exception& e) {
        host.ShowError(
            Format("Ошибка записи в файл \"%s\"!\r\r%s", {PathText(target), std::string(e.what())}));
        return false;
    }
}

}  // namespace quorvel::gui
