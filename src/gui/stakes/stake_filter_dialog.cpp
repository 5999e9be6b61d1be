#include "gui/stakes/stake_filter_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

namespace quorvel::gui {

namespace {

// In the order of TStakeCondition: the list index is the condition.
const char* const ConditionTexts[StakeConditionCount] = {
    QT_TRANSLATE_NOOP("quorvel::gui::StakeFilterDialog", "Равно [ = ]"),
    QT_TRANSLATE_NOOP("quorvel::gui::StakeFilterDialog", "Более [ > ]"),
    QT_TRANSLATE_NOOP("quorvel::gui::StakeFilterDialog", "Не менее [ >= ]"),
    QT_TRANSLATE_NOOP("quorvel::gui::StakeFilterDialog", "Менее [ < ]"),
    QT_TRANSLATE_NOOP("quorvel::gui::StakeFilterDialog", "Не более [ <= ]"),
};

}  // namespace

StakeFilterDialog::StakeFilterDialog(QWidget* parent)
    : QDialog(parent), condition_(new QComboBox(this)), matches_(new QSpinBox(this)) {
    setObjectName("TFormStakeFilter");
    setWindowTitle(tr("Удаление по условию"));
    for (const char* text : ConditionTexts)
        condition_->addItem(tr(text));
    condition_->setObjectName("cbCondition");
    matches_->setObjectName("seMatches");
    matches_->setRange(0, PositionCount);
    matches_->setToolTip(tr("Количество совпадений"));

    auto* label = new QLabel(tr("Выберите условие:"), this);
    label->setBuddy(condition_);
    auto* row = new QHBoxLayout;
    row->addWidget(condition_, 1);
    row->addWidget(matches_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setToolTip(tr("Удалить ставки"));
    connect(buttons, &QDialogButtonBox::accepted, this, &StakeFilterDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &StakeFilterDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addLayout(row);
    layout->addWidget(buttons);
    setMinimumWidth(300);
}

TStakeCondition StakeFilterDialog::Condition() const {
    return static_cast<TStakeCondition>(std::clamp(condition_->currentIndex(), 0, StakeConditionCount - 1));
}

int StakeFilterDialog::Matches() const {
    return matches_->value();
}

}  // namespace quorvel::gui
