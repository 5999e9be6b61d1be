#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <string>

#include "core/scenario/script_line.h"
#include "gui/scenario/filter_step_dialog.h"

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
    // stepDefaults: what the step editor opens with for an empty step.
    ScriptLineDialog(const QString& title, int defaultDraws, const std::string& line,
                     const FilterStepDefaults& stepDefaults, QWidget* parent = nullptr);

    QLineEdit* CommentEdit() const { return comment_; }
    QComboBox* ListModeBox() const { return listMode_; }
    QSpinBox* DrawsBox() const { return draws_; }
    QComboBox* StakeModeBox() const { return stakeMode_; }
    QCheckBox* ClearStakesBox() const { return clearStakes_; }
    QCheckBox* NewStakesBox() const { return newStakes_; }
    QLineEdit* StepEdit(int step) const { return steps_[static_cast<size_t>(step)]; }
    // The line built from the controls.
    std::string Line() const;

    // The step editor on one field; on OK the field holds the printed step.
    void EditStep(int step);
    // Tests answer the step editor without showing it; the runner returns true for OK.
    void SetStepEditorRunner(std::function<bool(FilterStepDialog&)> runner) {
        runStepEditor_ = std::move(runner);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* StepRow(int step, QWidget* parent);

    FilterStepDefaults stepDefaults_;
    std::function<bool(FilterStepDialog&)> runStepEditor_;
    QLineEdit* comment_;
    QComboBox* listMode_;
    QSpinBox* draws_;
    QComboBox* stakeMode_;
    QCheckBox* clearStakes_;
    QCheckBox* newStakes_;
    std::array<QLineEdit*, ScriptStepCount> steps_{};
};

}  // namespace quorvel::gui
