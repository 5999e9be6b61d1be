#include "gui/scenario/validation_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

namespace quorvel::gui {

namespace {

QSpinBox* CountBox(const QString& name, int most, int value, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(1, std::max(1, most));
    box->setValue(std::clamp(value, 1, std::max(1, most)));
    return box;
}

}  // namespace

ValidationDialog::ValidationDialog(int drawCount, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Проверка на новых тиражах"));
    // The two kinds of passes share the offsets up to the largest, draws - 1, so each may take
    // all of them but the one the other needs at least.
    const int most = drawCount - 2;
    train_ = CountBox("seTrain", most, 100, this);
    test_ = CountBox("seTest", most, 50, this);
    top_ = CountBox("seTop", 1000, 10, this);
    ranking_ = new QComboBox(this);
    ranking_->setObjectName("cbRanking");
    ranking_->addItems({tr("по p (угадано), сначала меньшие"), tr("по \"Среднее\", сначала большие")});

    auto* explanation = new QLabel(
        tr("Сценарий тестируется на проходах перед последними тиражами, лучшие строки его рейтинга "
           "становятся строками сценария и тестируются на последних тиражах, которых выбор не видел. "
           "Ставки, рейтинг и журналы программы не меняются."),
        this);
    explanation->setWordWrap(true);
    auto* form = new QFormLayout;
    form->addRow(tr("Проходов для выбора строк:"), train_);
    form->addRow(tr("Последних тиражей для проверки:"), test_);
    form->addRow(tr("Лучших строк рейтинга:"), top_);
    form->addRow(tr("Порядок выбора:"), ranking_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setMinimumWidth(460);
}

ValidationRequest ValidationDialog::Request() const {
    ValidationRequest request;
    request.Train = train_->value();
    request.Test = test_->value();
    request.Top = top_->value();
    request.ByMean = ranking_->currentIndex() == 1;
    return request;
}

}  // namespace quorvel::gui
