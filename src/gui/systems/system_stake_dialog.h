#pragma once

#include <QDialog>
#include <optional>

class QLineEdit;
class QSpinBox;

namespace quorvel::gui {

// "Добавление мультиставки" for a system game: the first draw, the number of draws and the
// comment that every stake of the game shares.
class SystemStakeDialog : public QDialog {
    Q_OBJECT

public:
    SystemStakeDialog(int drawNumber, const QString& comment, QWidget* parent = nullptr);

    QSpinBox* DrawBox() const { return draw_; }
    QSpinBox* DrawsBox() const { return draws_; }
    QLineEdit* CommentEdit() const { return comment_; }

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
