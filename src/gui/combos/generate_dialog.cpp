#include "gui/combos/generate_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace quorvel::gui {

GenerateDialog::GenerateDialog(const TCombsGenerateParams& params, QWidget* parent) : QDialog(parent) {
    setObjectName("TFormCombsGenerate");
    setWindowTitle(tr("Создание нового списка комбинаций"));
    mode_ = new QComboBox(this);
    for (int mode = 0; mode < CombsGenerateModeCount; ++mode) {
        mode_->addItem(tr(CombsGenerateModeText(mode).c_str()));
    }
    mode_->setCurrentIndex(std::clamp(params.Mode, 0, CombsGenerateModeCount - 1));
    parameters_ = new QLineEdit(QString::fromStdString(params.Parameters), this);
    parameters_->setMaxLength(255);
    browse_ = new QPushButton("...", this);
    browse_->setFixedWidth(32);
    saveDefault_ = new QCheckBox(tr("Сохранить как параметры по умолчанию"), this);
    warning_ = new QLabel(this);
    warning_->setObjectName("warning");
    warning_->setWordWrap(true);
    warning_->setStyleSheet("color: #b00000");
    warning_->hide();

    auto* parametersRow = new QHBoxLayout;
    parametersRow->addWidget(parameters_, 1);
    parametersRow->addWidget(browse_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Отмена"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Режим генерации списка комбинаций:"), this));
    layout->addWidget(mode_);
    layout->addWidget(new QLabel(tr("Мои числа или имя файла для загрузки:"), this));
    layout->addLayout(parametersRow);
    layout->addWidget(saveDefault_);
    layout->addWidget(warning_);
    layout->addWidget(buttons);

    connect(mode_, &QComboBox::currentIndexChanged, this, &GenerateDialog::ModeChanged);
    connect(parameters_, &QLineEdit::textEdited, warning_, &QWidget::hide);
    connect(browse_, &QPushButton::clicked, this, [this] {
        const QString file =
            QFileDialog::getOpenFileName(this, tr("Открыть"), {}, tr("Файлы комбинаций (*.lcv)"));
        if (!file.isEmpty()) parameters_->setText(file);
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &GenerateDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &GenerateDialog::reject);
    ModeChanged();
    resize(520, sizeHint().height());
}

void GenerateDialog::ModeChanged() {
    const int mode = mode_->currentIndex();
    parameters_->setEnabled(mode != 0);
    browse_->setEnabled(mode == 4);
    warning_->hide();
}

void GenerateDialog::accept() {
    if (MyNumbersMissing(Params())) {
        warning_->setText(
            tr("Укажите свои числа от 0 до 9 через \",\" или \";\": без них этот режим "
               "не даст нужного списка."));
        warning_->show();
        // Grown to show the whole reason: the dialog was sized without it.
        layout()->activate();
        const int needed =
            layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(width()) : sizeHint().height();
        if (height() < needed) resize(width(), needed);
        parameters_->setFocus();
        return;
    }
    QDialog::accept();
}

TCombsGenerateParams GenerateDialog::Params() const {
    return {mode_->currentIndex(), parameters_->text().toStdString()};
}

bool GenerateDialog::SaveAsDefault() const {
    return saveDefault_->isChecked();
}

}  // namespace quorvel::gui
