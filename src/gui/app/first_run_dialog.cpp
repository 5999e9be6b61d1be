#include "gui/app/first_run_dialog.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace quorvel::gui {

FirstRunDialog::FirstRunDialog(const QString& helpFilePath, QWidget* parent)
    : QDialog(parent), helpFilePath_(helpFilePath) {
    setWindowTitle(tr("Справочная информация"));

    auto* text =
        new QLabel(tr("Добро пожаловать!\n\n"
                      "Прежде чем начать работу, рекомендуем прочитать встроенную справку: в ней "
                      "описаны архив тиражей, методы статистики, фильтры, сценарии и ставки, а также "
                      "порядок работы с ними. Открыть справку можно и позже, клавишей F1.\n\n"
                      "Новости программы, примеры сценариев и ответы на вопросы пользователей вы "
                      "найдёте на сайте программы и в блоге."),
                   this);
    text->setWordWrap(true);
    text->setMinimumWidth(420);

    openHelp_ = new QPushButton(tr("Открыть файл встроенной справочной системы"), this);
    openHelp_->setObjectName("openHelp");
    openHelp_->setEnabled(!helpFilePath_.isEmpty() && QFileInfo::exists(helpFilePath_));
    connect(openHelp_, &QPushButton::clicked, this,
            [this] { QDesktopServices::openUrl(QUrl::fromLocalFile(helpFilePath_)); });

    auto* site = new QPushButton(tr("Сайт программы"), this);
    site->setObjectName("site");
    connect(site, &QPushButton::clicked, this, [] { QDesktopServices::openUrl(QUrl(MainSiteUrl)); });
    auto* blog = new QPushButton(tr("Блог"), this);
    blog->setObjectName("blog");
    connect(blog, &QPushButton::clicked, this, [] { QDesktopServices::openUrl(QUrl(BlogUrl)); });

    dontShow_ = new QCheckBox(tr("Больше не показывать данный диалог"), this);
    dontShow_->setObjectName("dontShow");
    auto* close = new QPushButton(tr("Закрыть"), this);
    close->setObjectName("close");
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* links = new QHBoxLayout;
    links->addWidget(site);
    links->addWidget(blog);
    links->addStretch();
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(dontShow_);
    bottom->addStretch();
    bottom->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addSpacing(8);
    layout->addWidget(openHelp_);
    layout->addLayout(links);
    layout->addSpacing(8);
    layout->addLayout(bottom);
    adjustSize();
}

bool FirstRunDialog::DontShowAgain() const {
    return dontShow_->isChecked();
}

}  // namespace quorvel::gui
