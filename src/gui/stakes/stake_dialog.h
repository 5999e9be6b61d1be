#pragma once

#include <QDialog>
#include <optional>

#include "core/stakes/stake_record.h"

class QLineEdit;
class QSpinBox;

namespace quorvel::gui {

// The limits every dialog that makes stakes by hand shares.
constexpr int StakeDialogMaxDraws = 65535;
constexpr int StakeCommentMaxLength = 64;

// "Добавление ставки": the draw, the three values with their sum, the number of draws and the
// comment of one stake made by hand.
class StakeDialog : public QDialog {
    Q_OBJECT

public:
    StakeDialog(const TStakeRecord& stake, QWidget* parent = nullptr);

    QSpinBox* DrawBox() const { return draw_; }
    QLineEdit* ValuesEdit() const { return values_; }
    QLineEdit* SumEdit() const { return sum_; }
    QSpinBox* DrawsBox() const { return draws_; }
    QLineEdit* CommentEdit() const { return comment_; }

    // What keeps OK from closing the dialog, or nothing when the entries are whole.
    std::optional<QString> Problem() const;
    // The stake as entered (meaningful when there is no problem).
    TStakeRecord Stake() const;
    int Draws() const;

    void accept() override;

private:
    TStakeRecord stake_;
    QSpinBox* draw_;
    QLineEdit* values_;
    QLineEdit* sum_;
    QSpinBox* draws_;
    QLineEdit* comment_;
};

}  // namespace quorvel::gui
