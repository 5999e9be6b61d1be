#pragma once

#include <QDialog>

#include "core/combos/generation.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quorvel::gui {

// "Создание нового списка комбинаций": the generation mode, my numbers or the list file, and
// whether the choice becomes the default.
class GenerateDialog : public QDialog {
    Q_OBJECT

public:
    GenerateDialog(const TCombsGenerateParams& params, QWidget* parent = nullptr);

    TCombsGenerateParams Params() const;
    bool SaveAsDefault() const;

    QComboBox* ModeBox() const { return mode_; }
    QLineEdit* ParametersEdit() const { return parameters_; }
    QLabel* WarningLabel() const { return warning_; }

public slots:
    // Refused, with the reason shown in the dialog, while a mode of my numbers has none.
    void accept() override;

private:
    void ModeChanged();

    QComboBox* mode_;
    QLineEdit* parameters_;
    QPushButton* browse_;
    QCheckBox* saveDefault_;
    QLabel* warning_;
};

}  // namespace quorvel::gui
