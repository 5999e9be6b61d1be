#include "gui/app/area_controller.h"

#include <QCoreApplication>
#include <QInputDialog>
#include <QMainWindow>
#include <QTabWidget>
#include <QTableView>
#include <utility>

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

AreaController::AreaController(Frame& frame)
    : QObject(frame.Window),
      frame_(frame),
      window_(frame.Window),
      workspace_(frame.Ws),
      actions_(frame.Actions),
      router_(*frame.Host),
      leftTabs_(frame.LeftTabs),
      rightTabs_(frame.RightTabs),
      working_(frame.Working),
      programDir_(frame.ProgramDir),
      drawsPage_(frame.Draws),
      combsPage_(frame.Combs),
      statsPage_(frame.Stats),
      graphsPage_(frame.Graphs) {
    workspace_->AddListener(this);
}

std::optional<int> AskTestCount(Frame& frame, int most) {
    if (frame.AskTestCountHook) return frame.AskTestCountHook(most);
    QInputDialog dialog(frame.Window);
    dialog.setWindowTitle(QCoreApplication::translate("quorvel::gui::AreaController", "Количество тестов"));
    dialog.setLabelText(
        QCoreApplication::translate("quorvel::gui::AreaController", "Укажите количество тестов:"));
    dialog.setInputMode(QInputDialog::IntInput);
    dialog.setIntRange(1, most);
    dialog.setIntValue(std::min(10, most));
    dialog.setToolTip(QCoreApplication::translate(
        "quorvel::gui::AreaController",
        "Укажите количество последних тиражей, на которых будет производится тестирование"));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.intValue();
}

void ExportListToXlsx(Frame& frame, QTableView* view) {
    const QString file = std::exchange(frame.ExportFile, QString());
    ExportViewToXlsx(frame.Window, *frame.Host, *view, TabCaptionOf(view), file);
}

}  // namespace quorvel::gui
