#pragma once

#include <QString>

#include "core/export/xlsx_sheet.h"
#include "core/util/ui_host.h"

class QTableView;
class QWidget;

namespace quorvel::gui {

// The list as its view shows it: the visible columns in their order with their captions and
// widths, every row's texts, background colours and bold cells.
TSheet SheetFromView(const QTableView& view, const QString& title);

// "Экспорт ... в Microsoft Excel": a save dialog, then the workbook. A failure is shown.
// Tests pass the file name to skip the dialog. Returns whether the file was written.
bool ExportViewToXlsx(QWidget* parent, UiHost& host, const QTableView& view, const QString& title,
                      const QString& file = {});

}  // namespace quorvel::gui
