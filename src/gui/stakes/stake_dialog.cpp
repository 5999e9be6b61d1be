#include "gui/stakes/stake_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QSpinBox>
#include <QVBoxLayout>
#include <climits>

#include "gui/stakes/entry_problem_text.h"
#include "gui/widgets/value_fields.h"

namespace quorvel::gui {

namespace {

QString ValuesText(const TStakeComb& values) {
    QStringList parts;
    for (int i = 0; i < values.Count && i < static_cast<int>(values.Values.size()); ++i)
        parts << QString::number(values.Values[static_cast<size_t>(i)]);
    return parts.join(';');
}

}  // namespace

StakeDialog::StakeDialog(const TStakeRecord& stake, QWidget* parent)
    : QDialog(parent),
      stake_(stake),
      draw_(new QSpinBox(this)),
      values_(NewCombinationField(QString(), this)),
      sum_(new QLineEdit(this)),
      draws_(new QSpinBox(this)),
      comment_(new QLineEdit(this)) {
    setObjectName("TFormStake");
    setWindowTitle(tr("Добавление ставки"));
    draw_->setRange(1, INT_MAX);
    draw_->setValue(std::max(stake.DrawNumber, 1));
    draw_->setToolTip(tr("Номер первого тиража"));
    values_->setText(ValuesText(stake.Values));
    ShowAsReadOnly(sum_);
    draws_->setRange(1, StakeDialogMaxDraws);
    draws_->setToolTip(tr("Количество тиражей, на которые нужно сделать ставку (начиная с указанного)"));
    comment_->setMaxLength(StakeCommentMaxLength);
    comment_->setText(QString::fromStdString(stake.Comment.Text()));

    auto* form = new QFormLayout;
    form->addRow(tr("Номер тиража:"), draw_);
    form->addRow(tr("Ставка:"), values_);
    form->addRow(tr("Сумма:"), sum_);
    form->addRow(tr("Кол-во тиражей:"), draws_);
    form->addRow(tr("Комментарий к ставке:"), comment_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &StakeDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &StakeDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    auto showSum = [this] { sum_->setText(QString::number(StakeValuesSum(values_->text().toStdString()))); };
    connect(values_, &QLineEdit::textChanged, this, showSum);
    showSum();
}

std::optional<QString> StakeDialog::Problem() const {
    return EntryProblemMessage(
        CheckStakeEntry(values_->text().toStdString(), comment_->text().toStdString()));
}

TStakeRecord StakeDialog::Stake() const {
    TStakeRecord stake = stake_;
    stake.DrawNumber = draw_->value();
    if (auto values = ParseStakeValues(values_->text().toStdString())) stake.Values = *values;
    stake.Comment.SetText(comment_->text().toStdString());
    return stake;
}

int StakeDialog::Draws() const {
    return draws_->value();
}

void StakeDialog::accept() {
    if (auto problem = Problem()) {
        QMessageBox::warning(this, windowTitle(), *problem);
        return;
    }
    QDialog::accept();
}

}  // namespace quorvel::gui
