#include "gui/scenario/filter_step_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QVBoxLayout>
#include <limits>

#include "core/stats/stat_table.h"
#include "gui/app/qt_ui_host.h"
#include "gui/stats/method_combo.h"
#include "gui/widgets/core_text.h"

namespace quorvel::gui {
namespace {

QLineEdit* NumberListEdit(QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    // Digits and the separators of a number list; control keys pass anyway.
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9,;\\-]*"), edit));
    return edit;
}

QDoubleSpinBox* CoefficientBox(QWidget* parent) {
    auto* box = new QDoubleSpinBox(parent);
    box->setDecimals(3);
    box->setRange(-1e9, 1e9);
    return box;
}

bool IsWeightRule(int rule) {
    return rule == RuleWMV || rule == RuleWLV || rule == RuleWDV;
}

int PositionOfEntry(const std::vector<TStatList::MethodListItem>& items, int entry) {
    for (size_t i = 0; i < items.size(); ++i)
        if (items[i].Entry == entry) return static_cast<int>(i);
    return -1;
}

}  // namespace

const TStatList& FilterStepDefaults::CatalogueOrEmpty() const {
    static const TStatList empty{std::filesystem::path{}};
    return Catalogue != nullptr ? *Catalogue : empty;
}

FilterStepDialog::FilterStepDialog(const TFilterItem& item, const FilterStepDefaults& defaults,
                                   QWidget* parent)
    : QDialog(parent), catalogue_(defaults.CatalogueOrEmpty()) {
    setObjectName("TFormFilter");
    setWindowTitle(tr("Фильтр"));
    BuildControls();
    LayOut();

    const auto methods = catalogue_.MethodList(false);
    method_->Fill(methods, std::max(0, PositionOfEntry(methods, defaults.MethodEntry)));
    if (defaults.WindowLength > 0) draws_->setText(QString::number(defaults.WindowLength));
    sortColumn_->setCurrentIndex(1);
    LoadWeights(catalogue_.Config.Weights);
    if (item.Enabled) LoadItem(item);
    UpdateEnabling();
}

void FilterStepDialog::BuildControls() {
    method_ = new MethodCombo("cbMethod", this);
    draws_ = NumberListEdit(this);
    draws_->setObjectName("edDraws");
    draws_->setToolTip(tr(
        "Количество тиражей для расчета статистики\r\n\r\nДопустимые форматы:\r\n1 - одно значение\r\n1, 2, "
        "3 - список значений через запятую\r\n1-10;2 - нижняя и верхняя граница диапазона; шаг изменения"));
    multiSelect_ =
        new QCheckBox(tr("Использовать режим одновременного выделения нескольких значений в списке"), this);
    rule_ = new QComboBox(this);
    for (int rule = 0; rule < SelectionRuleCount; ++rule)
        rule_->addItem(ListEntryText(SelectionRuleText(rule)));
    ruleValues_ = NumberListEdit(this);
    ruleValues_->setObjectName("edValues");
    ruleValues_->setToolTip(draws_->toolTip());
    stop_ = new QComboBox(this);
    for (int stop = 0; stop < StopConditionCount; ++stop)
        stop_->addItem(ListEntryText(StopConditionText(stop)));
    stopValue_ = new QSpinBox(this);
    stopValue_->setRange(1, std::numeric_limits<int>::max());
    override_ =
        new QCheckBox(tr("Использовать приведенные ниже коэффициенты для расчета значений \"Вес\""), this);
    count_ = CoefficientBox(this);
    deviation_ = CoefficientBox(this);
    depth_ = CoefficientBox(this);
    percents_ = new QCheckBox(tr("Использовать значения в %"), this);
    absolute_ = new QCheckBox(tr("Использовать абсолютные значения"), this);
    sortColumn_ = new QComboBox(this);
    for (const char* caption : StatColumnCaptions)
        sortColumn_->addItem(ColumnText(caption));
    topDown_ = new QRadioButton(tr("Сверху-вниз"), this);
    bottomUp_ = new QRadioButton(tr("Снизу-вверх"), this);
    remove_ = new QRadioButton(tr("Удалить выделенные"), this);
    keep_ = new QRadioButton(tr("Оставить выделенные"), this);
    removesEverything_ = new QLabel(tr("Шаг с режимом «Весь список» и «Удалить выделенные» удалит все "
                                       "комбинации списка."),
                                    this);
    removesEverything_->setObjectName("lbRemovesEverything");
    removesEverything_->setWordWrap(true);
    removesEverything_->setStyleSheet("color: #b00020");
    connect(rule_, &QComboBox::currentIndexChanged, this, &FilterStepDialog::UpdateEnabling);
    connect(stop_, &QComboBox::currentIndexChanged, this, &FilterStepDialog::UpdateEnabling);
    connect(override_, &QCheckBox::toggled, this, &FilterStepDialog::UpdateEnabling);
    connect(remove_, &QRadioButton::toggled, this, &FilterStepDialog::UpdateEnabling);
}

void FilterStepDialog::LayOut() {
    auto* form = new QFormLayout;
    form->addRow(tr("Тип фильтра:"), method_);
    form->addRow(tr("Количество тиражей:"), draws_);
    form->addRow(multiSelect_);
    form->addRow(tr("Режим выделения значений в списке статистики:"), rule_);
    form->addRow(tr("Значения:"), ruleValues_);
    form->addRow(tr("Остановка по:"), stop_);
    form->addRow(tr("Значение:"), stopValue_);

    auto* weights = new QGroupBox(tr(" Коэффициенты для расчета значений \"Вес\" "), this);
    auto* weightsForm = new QFormLayout(weights);
    weightsForm->addRow(override_);
    weightsForm->addRow(tr("Количество:"), count_);
    weightsForm->addRow(tr("Отклонение:"), deviation_);
    weightsForm->addRow(tr("Глубина:"), depth_);
    weightsForm->addRow(percents_);
    weightsForm->addRow(absolute_);

    auto* order = new QFormLayout;
    order->addRow(tr("Сортировать по столбцу:"), sortColumn_);
    auto* direction = new QHBoxLayout;
    direction->addWidget(topDown_);
    direction->addWidget(bottomUp_);
    order->addRow(tr("Направление:"), direction);
    auto* mode = new QHBoxLayout;
    mode->addWidget(remove_);
    mode->addWidget(keep_);
    order->addRow(tr("Режим фильтра:"), mode);
    // Two groups of radio buttons in one dialog: each pair must exclude only its partner.
    auto* directionGroup = new QButtonGroup(this);
    directionGroup->addButton(topDown_);
    directionGroup->addButton(bottomUp_);
    auto* modeGroup = new QButtonGroup(this);
    modeGroup->addButton(remove_);
    modeGroup->addButton(keep_);
    // Checked once grouped: before, all four buttons of the dialog exclude each other.
    topDown_->setChecked(true);
    remove_->setChecked(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &FilterStepDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(weights);
    layout->addLayout(order);
    layout->addWidget(removesEverything_);
    layout->addWidget(buttons);
}

void FilterStepDialog::LoadItem(const TFilterItem& item) {
    const int position = method_->findData(item.Method);
    method_->setCurrentIndex(position >= 0 ? position : 0);
    if (!item.DrawsText.empty()) draws_->setText(QString::fromStdString(item.DrawsText));
    multiSelect_->setChecked(item.MultiSelect);
    rule_->setCurrentIndex(item.Rule);
    if (!item.RuleValuesText.empty()) ruleValues_->setText(QString::fromStdString(item.RuleValuesText));
    stop_->setCurrentIndex(item.StopCondition);
    stopValue_->setValue(item.StopValue);
    override_->setChecked(item.WeightOverride);
    if (item.WeightOverride) LoadWeights(item.Weights);
    // A column beyond the table can only come from a hand-written step; the list cannot show it.
    if (item.SortColumn >= 0 && item.SortColumn < StatColumnCount)
        sortColumn_->setCurrentIndex(item.SortColumn);
    (item.BottomUp ? bottomUp_ : topDown_)->setChecked(true);
    (item.KeepSelected ? keep_ : remove_)->setChecked(true);
}

void FilterStepDialog::LoadWeights(const WeightCoefficients& weights) {
    count_->setValue(weights.Count);
    deviation_->setValue(weights.Deviation);
    depth_->setValue(weights.Level);
    percents_->setChecked(weights.UsePercents);
    absolute_->setChecked(weights.UseAbsValues);
}

void FilterStepDialog::UpdateEnabling() {
    const bool weightRule = IsWeightRule(rule_->currentIndex());
    override_->setEnabled(weightRule);
    const bool own = weightRule && override_->isChecked();
    for (QWidget* control :
         {static_cast<QWidget*>(count_), static_cast<QWidget*>(deviation_), static_cast<QWidget*>(depth_),
          static_cast<QWidget*>(percents_), static_cast<QWidget*>(absolute_)})
        control->setEnabled(own);
    // Every row chosen and removed, with nothing to stop the walk: the list ends empty.
    removesEverything_->setVisible(rule_->currentIndex() == 0 && stop_->currentIndex() == 0 &&
                                   remove_->isChecked());
}

TFilterItem FilterStepDialog::Item() const {
    TFilterItem item;
    item.Enabled = true;
    item.Method = method_->CurrentEntry();
    if (item.Method >= 0 && item.Method < catalogue_.Count())
        item.MethodText = catalogue_.Items[static_cast<size_t>(item.Method)].Code();
    item.DrawsText = draws_->text().toStdString();
    item.SortColumn = sortColumn_->currentIndex();
    item.BottomUp = bottomUp_->isChecked();
    item.MultiSelect = multiSelect_->isChecked();
    item.KeepSelected = keep_->isChecked();
    item.Rule = static_cast<uint8_t>(std::max(0, rule_->currentIndex()));
    item.RuleValuesText = ruleValues_->text().toStdString();
    item.WeightOverride = override_->isChecked();
    item.Weights = {count_->value(), deviation_->value(), depth_->value(), percents_->isChecked(),
                    absolute_->isChecked()};
    item.StopCondition = static_cast<uint8_t>(std::max(0, stop_->currentIndex()));
    item.StopValue = stopValue_->value();
    return item;
}

QWidget* FilterStepDialog::FieldOf(FilterItemField field) const {
    switch (field) {
        case FilterItemField::DrawsText:
            return draws_;
        case FilterItemField::Rule:
            return rule_;
        case FilterItemField::RuleValuesText:
            return ruleValues_;
        case FilterItemField::StopCondition:
            return stop_;
    }
    return draws_;
}

void FilterStepDialog::accept() {
    if (const auto problem = CheckFilterItem(Item(), catalogue_)) {
        QMessageBox::warning(this, windowTitle(), UiText(problem->Message));
        FieldOf(problem->Field)->setFocus();
        return;
    }
    QDialog::accept();
}

}  // namespace quorvel::gui
