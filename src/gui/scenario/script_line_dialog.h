#pragma once

#include <QDialog>
#include <array>
#include <string>

#include "scenario/script_line.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;

namespace quorvel::gui {

// The line dialog "Элемент сценария": the options, the seven filter steps and the comment of a
// scenario line. The steps are kept as typed; they are read only when the scenario is shown or
// run.
class ScriptLineDialog : public QDialog {
    Q_OBJECT

public:
    // defaultDraws: the number of last draws to exclude, overridden by a non-empty line.
    ScriptLineDialog(const QString& title, int defaultDraws, const std::string& line,
                     QWidget* parent = nullptr);

    QLineEdit* CommentEdit() const { return comment_; }
    QComboBox* ListModeBox() const { return listMode_; }
    QSpinBox* DrawsBox() const { return draws_; }
    QComboBox* StakeModeBox() const { return stakeMode_; }
    QCheckBox* ClearStakesBox() const { return clearStakes_; }
    QCheckBox* NewStakesBox() const { return newStakes_; }
    QLineEdit* StepEdit(int step) const { return steps_[static_cast<size_t>(step)]; }
    // The line built from the controls.
    std::string Line() const;

private:
    QLineEdit* comment_;
    QComboBox* listMode_;
    QSpinBox* draws_;
    QComboBox* stakeMode_;
    QCheckBox* clearStakes_;
    QCheckBox* newStakes_;
    std::array<QLineEdit*, ScriptStepCount> steps_{};
};

}  // namespace quorvel::gui
