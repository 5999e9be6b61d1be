#include "gui/stakes/regular_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/model/text_forms.h"
#include "core/util/text.h"
#include "gui/stakes/entry_problem_text.h"
#include "gui/stakes/stake_dialog.h"
#include "gui/widgets/core_text.h"
#include "gui/widgets/value_fields.h"

namespace quorvel::gui {

RegularDialog::RegularDialog(const std::vector<TRegular>& regulars, const std::vector<TComb>& chosen,
                             QWidget* parent)
    : QDialog(parent),
      regulars_(regulars),
      several_(chosen.size() > 1),
      comment_(new QLineEdit(this)),
      constant_(new QRadioButton(tr("Использовать постоянную стартовую комбинацию:"), this)),
      lastDraw_(new QRadioButton(tr("Использовать данные предыдущего тиража"), this)),
      start_(NewCombinationField(QString(), this)),
      step_(new QSpinBox(this)) {
    setObjectName("TFormTableAdd");
    setWindowTitle(tr("Добавление регулярной ставки"));
    if (chosen.size() == 1) single_ = chosen.front();
    const TRegularDraft defaults;
    comment_->setMaxLength(StakeCommentMaxLength);
    comment_->setText(ListEntryText(defaults.Comment));  // offered in the interface language
    constant_->setChecked(true);
    start_->setToolTip(tr("Введите числа, разделенные точкой с запятой или запятой"));
    // With several combinations chosen each of them is a start of its own.
    start_->setText(several_ ? tr("{...Выделенные комбинации...}")
                             : QString::fromStdString(CombToStr(single_.value_or(TComb{}))));
    step_->setRange(RegularStepMin, RegularStepMax);
    step_->setValue(defaults.Step);
    step_->setToolTip(tr("Шаг изменения элементов комбинации"));
    step_->setMinimumWidth(64);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Комментарий к ставке:"), this));
    layout->addWidget(comment_);
    layout->addSpacing(6);
    layout->addWidget(constant_);
    auto* startRow = new QHBoxLayout;
    startRow->addSpacing(20);
    startRow->addWidget(start_);
    layout->addLayout(startRow);
    layout->addWidget(lastDraw_);
    layout->addSpacing(6);
    auto* stepRow = new QHBoxLayout;
    stepRow->addWidget(new QLabel(tr("Шаг:"), this));
    stepRow->addWidget(step_);
    stepRow->addStretch();
    layout->addLayout(stepRow);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &RegularDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &RegularDialog::reject);
    layout->addWidget(buttons);
    connect(constant_, &QRadioButton::toggled, this, [this] { FollowChoice(); });
    FollowChoice();
    setMinimumWidth(380);
}

bool RegularDialog::StartTyped() const {
    return constant_->isChecked() && !several_;
}

void RegularDialog::FollowChoice() {
    start_->setEnabled(StartTyped());
}

std::optional<QString> RegularDialog::Problem() const {
    const std::string start = start_->text().toStdString();
    const auto typedStart = StartTyped() ? std::optional<std::string_view>(start) : std::nullopt;
    return EntryProblemMessage(CheckRegularEntry(typedStart, comment_->text().toStdString(), regulars_));
}

TRegularDraft RegularDialog::Draft() const {
    TRegularDraft draft;
    draft.Comment = comment_->text().toStdString();
    draft.UseLastDraw = lastDraw_->isChecked();
    draft.Step = step_->value();
    // The start field is read only while it can be typed into; otherwise the chosen combination.
    if (auto typed = StartTyped() ? ParseTypedComb(start_->text().toStdString()) : std::nullopt)
        draft.Start = *typed;
    else if (single_)
        draft.Start = *single_;
    return draft;
}

void RegularDialog::accept() {
    if (auto problem = Problem()) {
        QString text = *problem;
        text.replace('\r', '\n');
        QMessageBox::warning(this, windowTitle(), text);
        return;
    }
    QDialog::accept();
}

}  // namespace quorvel::gui
