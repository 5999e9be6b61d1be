#pragma once

#include <QDialog>

#include "core/scenario/filter_item.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace quorvel::gui {

class MethodCombo;

// What the step editor starts from when a step does not say otherwise: the method and window
// length chosen on the statistics tab.
struct FilterStepDefaults {
    const TStatList* Catalogue = nullptr;
    int MethodEntry = -1;
    int WindowLength = 0;
    // The catalogue, or an empty one when none was given.
    const TStatList& CatalogueOrEmpty() const;
};

// The step editor "Фильтр": one filter step of a scenario line, checked on OK.
class FilterStepDialog : public QDialog {
    Q_OBJECT

public:
    FilterStepDialog(const TFilterItem& item, const FilterStepDefaults& defaults, QWidget* parent = nullptr);

    // The step built from the controls; meaningful after OK.
    TFilterItem Item() const;

    MethodCombo* MethodBox() const { return method_; }
    QLineEdit* DrawsEdit() const { return draws_; }
    QCheckBox* MultiSelectBox() const { return multiSelect_; }
    QComboBox* RuleBox() const { return rule_; }
    QLineEdit* RuleValuesEdit() const { return ruleValues_; }
    QComboBox* StopBox() const { return stop_; }
    QSpinBox* StopValueBox() const { return stopValue_; }
    QCheckBox* WeightOverrideBox() const { return override_; }
    QDoubleSpinBox* CountBox() const { return count_; }
    QCheckBox* PercentsBox() const { return percents_; }
    QComboBox* SortColumnBox() const { return sortColumn_; }
    QRadioButton* TopDownButton() const { return topDown_; }
    QRadioButton* BottomUpButton() const { return bottomUp_; }
    QRadioButton* RemoveButton() const { return remove_; }
    QRadioButton* KeepButton() const { return keep_; }
    // Shown while the step as set would remove every combination of the list.
    QLabel* RemovesEverythingNote() const { return removesEverything_; }

public slots:
    void accept() override;

private:
    void BuildControls();
    void LayOut();
    void LoadItem(const TFilterItem& item);
    void LoadWeights(const WeightCoefficients& weights);
    void UpdateEnabling();
    QWidget* FieldOf(FilterItemField field) const;

    const TStatList& catalogue_;
    MethodCombo* method_;
    QLineEdit* draws_;
    QCheckBox* multiSelect_;
    QComboBox* rule_;
    QLineEdit* ruleValues_;
    QComboBox* stop_;
    QSpinBox* stopValue_;
    QCheckBox* override_;
    QDoubleSpinBox* count_;
    QDoubleSpinBox* deviation_;
    QDoubleSpinBox* depth_;
    QCheckBox* percents_;
    QCheckBox* absolute_;
    QComboBox* sortColumn_;
    QLabel* removesEverything_ = nullptr;
    QRadioButton* topDown_;
    QRadioButton* bottomUp_;
    QRadioButton* remove_;
    QRadioButton* keep_;
};

}  // namespace quorvel::gui
