#include "gui/scenario/script_line_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>
#include <limits>

#include "gui/widgets/core_text.h"

namespace quorvel::gui {

ScriptLineDialog::ScriptLineDialog(const QString& title, int defaultDraws, const std::string& line,
                                   const FilterStepDefaults& stepDefaults, QWidget* parent)
    : QDialog(parent),
      stepDefaults_(stepDefaults),
      runStepEditor_([](FilterStepDialog& editor) { return editor.exec() == QDialog::Accepted; }),
      comment_(new QLineEdit(this)),
      listMode_(new QComboBox(this)),
      draws_(new QSpinBox(this)),
      stakeMode_(new QComboBox(this)),
      clearStakes_(
          new QCheckBox(tr("Удалить все ставки перед выполнением (накопление только рейтинга)"), this)),
      newStakes_(
          new QCheckBox(tr("Только новые ставки (пропускать те ставки, которые уже есть в списке)"), this)) {
    setObjectName("TFormScript");
    setWindowTitle(title.isEmpty() ? tr("Элемент сценария") : title);
    comment_->setObjectName("edComment");
    comment_->setToolTip(tr("Комментарии (можно оставить пустым)"));
    for (int mode = 0; mode < ScriptListModeCount; ++mode)
        listMode_->addItem(ListEntryText(ListModeLongText(mode)));
    for (int mode = 0; mode < ScriptStakeModeCount; ++mode)
        stakeMode_->addItem(ListEntryText(StakeModeLongText(mode)));
    draws_->setRange(0, std::numeric_limits<int>::max());
    draws_->setToolTip(
        tr("Исключить указанное количество тиражей из списка комбинаций перед применением фильтров"));

    auto* top = new QFormLayout;
    top->addRow(tr("Комментарии:"), comment_);
    auto* optionsBox = new QGroupBox(tr(" Опции "), this);
    auto* optionsLayout = new QVBoxLayout(optionsBox);
    optionsLayout->addWidget(new QLabel(tr("Начальный список комбинаций:"), optionsBox));
    optionsLayout->addWidget(listMode_);
    optionsLayout->addWidget(new QLabel(tr("Кол-во тиражей:"), optionsBox));
    optionsLayout->addWidget(draws_);
    optionsLayout->addWidget(
        new QLabel(tr("В случае неоднозначного результата после применения фильтров:"), optionsBox));
    optionsLayout->addWidget(stakeMode_);
    optionsLayout->addWidget(clearStakes_);
    optionsLayout->addWidget(newStakes_);
    auto* stepsBox = new QGroupBox(tr(" Фильтры "), this);
    auto* stepsLayout = new QFormLayout(stepsBox);
    for (int step = 0; step < ScriptStepCount; ++step)
        stepsLayout->addRow(tr("Фильтр %1:").arg(step + 1), StepRow(step, stepsBox));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(optionsBox);
    layout->addWidget(stepsBox);
    layout->addWidget(buttons);

    // A blank line starts from the first entries, clear boxes and empty fields.
    draws_->setValue(defaultDraws);
    TScriptOptions options;
    if (!IsScriptSeparator(line)) {
        comment_->setText(QString::fromStdString(ScriptLineComment(line)));
        options = StrToScriptOptions(ScriptLineOptions(line));
        draws_->setValue(options.DrawsExclude);
        for (int step = 0; step < ScriptStepCount; ++step)
            StepEdit(step)->setText(QString::fromStdString(ScriptLineStep(line, step + 1)));
    }
    listMode_->setCurrentIndex(options.ListMode);
    stakeMode_->setCurrentIndex(options.StakeMode);
    clearStakes_->setChecked(options.ClearStakes);
    newStakes_->setChecked(options.NewStakesOnly);
}

QWidget* ScriptLineDialog::StepRow(int step, QWidget* parent) {
    auto* row = new QWidget(parent);
    auto* edit = new QLineEdit(row);
    edit->setObjectName(QString("edFilter%1").arg(step + 1));
    edit->setMinimumWidth(420);
    edit->installEventFilter(this);
    steps_[static_cast<size_t>(step)] = edit;
    auto* button = new QToolButton(row);
    button->setObjectName(QString("btFilter%1").arg(step + 1));
    button->setText("...");
    button->setToolTip(tr("Редактировать фильтр"));
    connect(button, &QToolButton::clicked, this, [this, step] { EditStep(step); });
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(edit);
    layout->addWidget(button);
    return row;
}

bool ScriptLineDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        for (int step = 0; step < ScriptStepCount; ++step) {
            if (watched == StepEdit(step)) {
                EditStep(step);
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ScriptLineDialog::EditStep(int step) {
    const TStatList& catalogue = stepDefaults_.CatalogueOrEmpty();
    QLineEdit* edit = StepEdit(step);
    const TFilterItem item = StrToFilterItem(edit->text().toStdString(), catalogue);
    FilterStepDialog editor(item, stepDefaults_, this);
    if (!runStepEditor_(editor)) return;
    edit->setText(QString::fromStdString(FilterItemToStr(editor.Item(), catalogue)));
}

std::string ScriptLineDialog::Line() const {
    TScriptOptions options;
    options.ListMode = static_cast<uint8_t>(std::max(0, listMode_->currentIndex()));
    options.StakeMode = static_cast<uint8_t>(std::max(0, stakeMode_->currentIndex()));
    options.DrawsExclude = draws_->value();
    options.ClearStakes = clearStakes_->isChecked();
    options.NewStakesOnly = newStakes_->isChecked();
    std::array<std::string, ScriptStepCount> steps;
    for (int step = 0; step < ScriptStepCount; ++step)
        steps[static_cast<size_t>(step)] = StepEdit(step)->text().toStdString();
    return MakeScriptLine(options, steps, comment_->text().toStdString());
}

}  // namespace quorvel::gui
