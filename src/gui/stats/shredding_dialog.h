#pragma once

#include <QDialog>
#include <array>
#include <string>

#include "core/app/workspace.h"
#include "core/stats/families/shredding.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace quorvel::gui {

// The six shredding settings: a formula and its digit count for each of SHR1..SHR3.
struct ShreddingSettings {
    std::array<std::string, ShreddingFormulaCount> Formulas;
    std::array<int, ShreddingFormulaCount> Digits{};

    static ShreddingSettings From(const TStatList& stats);
    void StoreInto(TStatList& stats) const;
    bool operator==(const ShreddingSettings&) const = default;
};

// "Методы шинковки": the three formulas with their digit counts. The caller takes Settings()
// only when the dialog was accepted.
class ShreddingDialog : public QDialog {
    Q_OBJECT

public:
    explicit ShreddingDialog(const ShreddingSettings& settings, QWidget* parent = nullptr);

    ShreddingSettings Settings() const;

private:
    void ShowProblem();

    std::array<QLineEdit*, ShreddingFormulaCount> formulas_{};
    std::array<QSpinBox*, ShreddingFormulaCount> digits_{};
    QLabel* problem_ = nullptr;
    QPushButton* ok_ = nullptr;
};

// Takes confirmed settings: stores and writes them (a failed write is shown, the new values
// stay in use), rebuilds the catalogue, whose shredding titles carry the formulas, and the
// full-set files of the shredding group, whose counts follow the formulas.
void ApplyShredding(Workspace& workspace, const ShreddingSettings& settings);

// Opens the dialog on the current settings and applies what the user confirms. True when
// confirmed: the method lists and the views must then follow the new formulas.
bool EditShredding(Workspace& workspace, QWidget* parent);

}  // namespace quorvel::gui
