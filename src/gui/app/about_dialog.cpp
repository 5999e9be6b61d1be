#include "gui/app/about_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/widgets/core_text.h"

namespace quorvel::gui {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("О программе"));

    auto* title = new QLabel(MainCaptionText(), this);
    title->setObjectName("title");
    QFont font = title->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.4);
    title->setFont(font);
    title->setAlignment(Qt::AlignCenter);

    auto* description = new QLabel(
        tr("Анализатор ежедневной лотереи «три цифры»: статистика тиражей, фильтры, сценарии и ставки."),
        this);
    description->setAlignment(Qt::AlignCenter);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(tr("Закрыть"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(12);
    layout->addWidget(title);
    layout->addWidget(description);
    layout->addWidget(buttons);
    adjustSize();
    setFixedSize(size());
}

}  // namespace quorvel::gui
