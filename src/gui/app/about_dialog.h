#pragma once

#include <QDialog>

namespace quorvel::gui {

// "О программе": the program's title and version.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

}  // namespace quorvel::gui
