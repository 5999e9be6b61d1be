#pragma once

#include <QDialog>
#include <optional>

#include "core/systems/system_catalogue.h"

class QDialogButtonBox;
class QLineEdit;
class QPlainTextEdit;
class QToolButton;

namespace quorvel::gui {

// "Система": the description and the combination list of one system. Only the user's own
// systems (and new ones) can be edited; any other is shown read-only.
class SystemDialog : public QDialog {
    Q_OBJECT

public:
    SystemDialog(const TSystemData& system, bool editable, QWidget* parent = nullptr);

    QLineEdit* TitleEdit() const { return title_; }
    QPlainTextEdit* DescriptionEdit() const { return description_; }
    QLineEdit* AuthorEdit() const { return author_; }
    QLineEdit* LinkEdit() const { return link_; }
    QToolButton* LinkButton() const { return openLink_; }
    QPlainTextEdit* CombsEdit() const { return combs_; }
    QLineEdit* NumbersEdit() const { return numbers_; }
    QLineEdit* LengthEdit() const { return length_; }
    QLineEdit* BlockEdit() const { return block_; }
    QLineEdit* CountEdit() const { return count_; }
    QLineEdit* CreatedEdit() const { return created_; }
    QLineEdit* DownloadsEdit() const { return downloads_; }
    QLineEdit* LastEdit() const { return last_; }

    // Rewrites the combination list as it is stored and sets "Числа:" and "Комбинаций:", as
    // leaving the list does.
    void NormalizeCombs();
    // The first problem that keeps OK from closing, or nothing.
    std::optional<QString> Problem() const;
    TSystemData Data() const;

    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TSystemData data_;
    bool editable_;
    QLineEdit* title_;
    QPlainTextEdit* description_;
    QLineEdit* author_;
    QLineEdit* link_;
    QToolButton* openLink_;
    QPlainTextEdit* combs_;
    QLineEdit* numbers_;
    QLineEdit* length_;
    QLineEdit* block_;
    QLineEdit* count_;
    QLineEdit* created_;
    QLineEdit* downloads_;
    QLineEdit* last_;
};

}  // namespace quorvel::gui
