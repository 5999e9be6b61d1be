#pragma once

#include <QDialog>
#include <optional>
#include <vector>

#include "core/stakes/regular.h"

class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace quorvel::gui {

// "Добавление регулярной ставки": comment, start (a constant combination or the previous
// draw) and step of new regulars. The start field is typed into only when no more than one
// combination is chosen; with several, one regular is made per chosen combination.
class RegularDialog : public QDialog {
    Q_OBJECT

public:
    // chosen: the combinations selected in the combination list, in list order.
    RegularDialog(const std::vector<TRegular>& regulars, const std::vector<TComb>& chosen,
                  QWidget* parent = nullptr);

    QLineEdit* CommentEdit() const { return comment_; }
    QRadioButton* ConstantStart() const { return constant_; }
    QRadioButton* LastDrawStart() const { return lastDraw_; }
    QLineEdit* StartEdit() const { return start_; }
    QSpinBox* StepBox() const { return step_; }

    // What keeps OK from closing the dialog, or nothing when the entries are whole.
    std::optional<QString> Problem() const;
    // The entries (meaningful when there is no problem).
    TRegularDraft Draft() const;

    void accept() override;

private:
    bool StartTyped() const;
    void FollowChoice();

    const std::vector<TRegular>& regulars_;
    std::optional<TComb> single_;
    bool several_;
    QLineEdit* comment_;
    QRadioButton* constant_;
    QRadioButton* lastDraw_;
    QLineEdit* start_;
    QSpinBox* step_;
};

}  // namespace quorvel::gui
