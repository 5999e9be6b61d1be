#include "gui/stats/description_window.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "core/stats/help_pages.h"

namespace quorvel::gui {

DescriptionWindow::DescriptionWindow(const TStatMethod& entry, const std::filesystem::path& programDir,
                                     QWidget* parent, int language)
    : QDialog(parent), page_(MethodHelpPage(entry, programDir, language)) {
    setObjectName("TFormDescription");
    setWindowTitle(tr("Описание методики расчета"));
    setModal(true);
    browser_ = new QTextBrowser(this);
    browser_->setObjectName("wbDescription");
    // Links between the pages stay inside the window; addresses outside go to the browser.
    browser_->setOpenExternalLinks(true);
    if (!page_.empty()) {
        // Parameters of one class share a page; the window opens at the chosen one's section.
        QUrl url = QUrl::fromLocalFile(QString::fromStdString(page_.string()));
        if (entry.StatClass->HasParamRange()) url.setFragment(QString::fromStdString(entry.Code()));
        browser_->setSource(url);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(tr("Закрыть"));
    connect(buttons, &QDialogButtonBox::rejected, this, &DescriptionWindow::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser_, 1);
    layout->addWidget(buttons);
    resize(720, 540);
}

}  // namespace quorvel::gui
