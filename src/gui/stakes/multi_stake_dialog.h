#pragma once

#include <QDialog>
#include <optional>

class QLineEdit;
class QSpinBox;

namespace quorvel::gui {

// "Добавление мультиставки": the first draw, the number of draws and the comment shared by the
// stakes made at once for many combinations.
class MultiStakeDialog : public QDialog {
    Q_OBJECT

public:
    MultiStakeDialog(int drawNumber, const QString& comment, QWidget* parent = nullptr);

    QSpinBox* DrawBox() const { return draw_; }
    QSpinBox* DrawsBox() const { return draws_; }
    QLineEdit* CommentEdit() const { return comment_; }

    // What keeps OK from closing the dialog, or nothing when the entries are whole.
    std::optional<QString> Problem() const;
    int DrawNumber() const;
    int Draws() const;
    QString Comment() const;

    void accept() override;

private:
    QSpinBox* draw_;
    QSpinBox* draws_;
    QLineEdit* comment_;
};

}  // namespace quorvel::gui
