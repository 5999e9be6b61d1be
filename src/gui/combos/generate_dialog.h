#pragma once

#include <QDialog>

#include "core/combos/generation.h"

class QCheckBox;
class QComboBox;
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

private:
    void ModeChanged();

    QComboBox* mode_;
    QLineEdit* parameters_;
    QPushButton* browse_;
    QCheckBox* saveDefault_;
};

}  // namespace quorvel::gui
