#pragma once

#include <QDialog>

#include "core/stakes/stake_record.h"

class QComboBox;
class QPushButton;
class QSpinBox;

namespace quorvel::gui {

// "Удаление по условию": the stakes whose number of matches compares with a value by the
// chosen operator are deleted.
class StakeFilterDialog : public QDialog {
    Q_OBJECT

public:
    explicit StakeFilterDialog(QWidget* parent = nullptr);

    QComboBox* ConditionBox() const { return condition_; }
    QSpinBox* MatchesBox() const { return matches_; }
    QPushButton* OkButton() const { return ok_; }

    TStakeCondition Condition() const;
    int Matches() const;

private:
    QComboBox* condition_;
    QSpinBox* matches_;
    QPushButton* ok_;
};

}  // namespace quorvel::gui
