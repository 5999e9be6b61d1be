#pragma once

#include <QMainWindow>

namespace quorvel::gui {

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
};

}  // namespace quorvel::gui
