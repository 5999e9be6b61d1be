#include "app/main_window.h"

#include "app/caption.h"

namespace quorvel::gui {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName("TFormMain");
    setWindowTitle(QString::fromStdString(MainCaption()));
    resize(1024, 700);
}

}  // namespace quorvel::gui
