#include "gui/stakes/multi_stake_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <climits>

#include "gui/stakes/entry_problem_text.h"
#include "gui/stakes/stake_dialog.h"

namespace quorvel::gui {

MultiStakeDialog::MultiStakeDialog(int drawNumber, const QString& comment, QWidget* parent)
    : QDialog(parent), draw_(new QSpinBox(this)), draws_(new QSpinBox(this)), comment_(new QLineEdit(this)) {
    setObjectName("TFormMultiStake");
    setWindowTitle(tr("Добавление мультиставки"));
    draw_->setRange(1, INT_MAX);
    draw_->setValue(std::max(drawNumber, 1));
    draw_->setToolTip(tr("Номер первого тиража"));
    draws_->setRange(1, StakeDialogMaxDraws);
    draws_->setToolTip(tr("Количество тиражей, на которые нужно сделать ставку (начиная с указанного)"));
    comment_->setMaxLength(StakeCommentMaxLength);
    comment_->setText(comment);
    comment_->setMinimumWidth(320);

    auto* form = new QFormLayout;
    form->addRow(tr("Номер тиража:"), draw_);
    form->addRow(tr("Кол-во тиражей:"), draws_);
    form->addRow(tr("Комментарий к ставке:"), comment_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &MultiStakeDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &MultiStakeDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

std::optional<QString> MultiStakeDialog::Problem() const {
    return EntryProblemMessage(CheckComment(comment_->text().toStdString()));
}

int MultiStakeDialog::DrawNumber() const {
    return draw_->value();
}

int MultiStakeDialog::Draws() const {
    return draws_->value();
}

QString MultiStakeDialog::Comment() const {
    return comment_->text();
}

void MultiStakeDialog::accept() {
    if (auto problem = Problem()) {
        QMessageBox::warning(this, windowTitle(), *problem);
        return;
    }
    QDialog::accept();
}

}  // namespace quorvel::gui
