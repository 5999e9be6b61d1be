#include "gui/stats/shredding_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "core/app/busy.h"
#include "language/message_text.h"

namespace quorvel::gui {

namespace {

// Group 12 in the mask of CreateFullSetFiles: only the shredding files depend on the formulas.
constexpr int ShreddingGroupMask = 1 << 12;

std::string& FormulaField(TStatList& stats, int i) {
    return i == 0 ? stats.Formula1 : i == 1 ? stats.Formula2 : stats.Formula3;
}

uint8_t& DigitsField(TStatList& stats, int i) {
    return i == 0 ? stats.Formula1Digits : i == 1 ? stats.Formula2Digits : stats.Formula3Digits;
}

}  // namespace

ShreddingSettings ShreddingSettings::From(const TStatList& stats) {
    ShreddingSettings settings;
    settings.Formulas = {stats.Formula1, stats.Formula2, stats.Formula3};
    settings.Digits = {stats.Formula1Digits, stats.Formula2Digits, stats.Formula3Digits};
    return settings;
}

void ShreddingSettings::StoreInto(TStatList& stats) const {
    for (int i = 0; i < ShreddingFormulaCount; ++i) {
        FormulaField(stats, i) = Formulas[static_cast<size_t>(i)];
        DigitsField(stats, i) = static_cast<uint8_t>(
            std::clamp(Digits[static_cast<size_t>(i)], FormulaDigitsMin, FormulaDigitsMax));
    }
}

ShreddingDialog::ShreddingDialog(const ShreddingSettings& settings, QWidget* parent) : QDialog(parent) {
    setObjectName("TFormShredding");
    setWindowTitle(tr("Методы шинковки"));

    auto* rows = new QGridLayout;
    rows->setColumnStretch(1, 1);
    for (int i = 0; i < ShreddingFormulaCount; ++i) {
        const size_t at = static_cast<size_t>(i);
        auto* formula = new QLineEdit(QString::fromStdString(settings.Formulas[at]), this);
        formula->setObjectName(QString("edFormula%1").arg(i + 1));
        formula->setToolTip(tr("Используемая формула"));
        formula->setMinimumWidth(320);
        auto* digits = new QSpinBox(this);
        digits->setObjectName(QString("edDigits%1").arg(i + 1));
        digits->setToolTip(tr("Количество используемых знаков после запятой"));
        digits->setRange(FormulaDigitsMin, FormulaDigitsMax);
        digits->setValue(settings.Digits[at]);
        auto* label = new QLabel(tr("Формула %1:").arg(i + 1), this);
        label->setBuddy(formula);
        rows->addWidget(label, i, 0);
        rows->addWidget(formula, i, 1);
        rows->addWidget(digits, i, 2);
        formulas_[at] = formula;
        digits_[at] = digits;
        connect(formula, &QLineEdit::textChanged, this, &ShreddingDialog::ShowProblem);
    }

    auto* variables =
        new QLabel(tr("Используемые переменные:") + "\n" + tr("n1, n2, n3, ..., nX - числа текущего тиража") +
                       "\n" + tr("p1, p2, p3, ..., pX - числа предыдущего тиража"),
                   this);
    variables->setObjectName("lbVariables");
    problem_ = new QLabel(this);
    problem_->setObjectName("lbFormulaProblem");
    problem_->setStyleSheet("color: #b00020;");
    problem_->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Отмена"));
    connect(buttons, &QDialogButtonBox::accepted, this, &ShreddingDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ShreddingDialog::reject);
    ok_ = buttons->button(QDialogButtonBox::Ok);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(rows);
    layout->addWidget(problem_);
    layout->addSpacing(8);
    layout->addWidget(variables);
    layout->addWidget(buttons);
    ShowProblem();
    adjustSize();
}

// The first formula that cannot be read, and where: OK waits until every one reads.
void ShreddingDialog::ShowProblem() {
    QString text;
    for (size_t i = 0; i < formulas_.size() && text.isEmpty(); ++i) {
        const std::string typed = formulas_[i]->text().toStdString();
        const FormulaProblem problem = CheckShreddingFormula(typed);
        if (problem.Error == FormulaError::None) continue;
        QString reason = language::MessageText(std::string(FormulaErrorText(problem.Error)));
        if (problem.Error == FormulaError::UnknownVariable)
            reason += " " + QString::fromStdString(typed.substr(problem.Position, 2)) +
                      tr(" (есть n1–n3, p1–p3, t1–t3)");
        // The place counted in characters, as the user sees them, from 1.
        const qsizetype position = QString::fromStdString(typed.substr(0, problem.Position)).size() + 1;
        text = tr("Формула %1: %2, символ %3.").arg(i + 1).arg(reason).arg(position);
    }
    problem_->setText(text);
    problem_->setVisible(!text.isEmpty());
    ok_->setEnabled(text.isEmpty());
}

ShreddingSettings ShreddingDialog::Settings() const {
    ShreddingSettings settings;
    for (size_t i = 0; i < formulas_.size(); ++i) {
        settings.Formulas[i] = formulas_[i]->text().toStdString();
        settings.Digits[i] = digits_[i]->value();
    }
    return settings;
}

void ApplyShredding(Workspace& workspace, const ShreddingSettings& settings) {
    settings.StoreInto(workspace.Stats().List());
    {
        BusyScope busy(workspace.Busy(), workspace.Host(), "Сохранение файла конфигурации...");
        try {
            workspace.Stats().List().SaveShredding();
        } catch (const std::exception& e) {
            workspace.Host().ShowError(ActionError("Ошибка записи в файл конфигурации!\r\r%s", e.what()));
        }
    }
    workspace.Stats().ReloadCatalogue();
    workspace.Stats().CreateFullSetFiles(false, ShreddingGroupMask);
}

bool EditShredding(Workspace& workspace, QWidget* parent) {
    ShreddingDialog dialog(ShreddingSettings::From(workspace.Stats().List()), parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    ApplyShredding(workspace, dialog.Settings());
    return true;
}

}  // namespace quorvel::gui
