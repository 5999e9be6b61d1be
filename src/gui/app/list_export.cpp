#include <QTabWidget>
#include <QTableView>

#include "gui/app/main_window.h"
#include "gui/widgets/sheet_export.h"

namespace quorvel::gui {

namespace {

// The caption of the tab that holds the widget, searched outward through nested tab widgets.
QString TabCaptionOf(QWidget* widget) {
    for (QWidget* child = widget; child != nullptr; child = child->parentWidget()) {
        QWidget* stack = child->parentWidget();
        auto* tabs = stack != nullptr ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
        if (tabs != nullptr && tabs->indexOf(child) >= 0)
            return tabs->tabText(tabs->indexOf(child)).remove('&');
    }
    return QString();
}

}  // namespace

void MainWindow::ExportListToXlsx(QTableView* view) {
    const QString file = std::exchange(exportFile_, QString());
    ExportViewToXlsx(this, router_, *view, TabCaptionOf(view), file);
}

}  // namespace quorvel::gui
