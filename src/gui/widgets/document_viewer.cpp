#include "gui/widgets/document_viewer.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace quorvel::gui {

DocumentViewer::DocumentViewer(const QString& path, bool html, QWidget* parent) : QDialog(parent) {
    setObjectName("DocumentViewer");
    setWindowTitle(QFileInfo(path).fileName());
    setAttribute(Qt::WA_DeleteOnClose);
    browser_ = new QTextBrowser(this);
    browser_->setOpenExternalLinks(true);
    if (html) {
        // A page is titled by its own title, and the title follows the links the reader takes.
        connect(browser_, &QTextBrowser::sourceChanged, this, [this, path] {
            const QString title = browser_->documentTitle().trimmed();
            setWindowTitle(title.isEmpty() ? QFileInfo(path).fileName() : title);
        });
        browser_->setSource(QUrl::fromLocalFile(path));
    } else {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) browser_->setPlainText(QString::fromUtf8(file.readAll()));
    }
    pathLabel_ = new QLabel(tr("Файл: %1").arg(QDir::toNativeSeparators(path)), this);
    pathLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    pathLabel_->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(tr("Закрыть"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser_, 1);
    layout->addWidget(pathLabel_);
    pathLabel_->setVisible(!html);  // a log is a file the user may want; a help page is not
    layout->addWidget(buttons);
    resize(800, 600);
}

DocumentViewer* OpenDocument(const QString& path, bool html, QWidget* parent,
                             const ExternalOpener& external) {
    const QUrl url = QUrl::fromLocalFile(path);
    const bool started = external ? external(url) : QDesktopServices::openUrl(url);
    if (started) return nullptr;
    auto* viewer = new DocumentViewer(path, html, parent);
    viewer->show();
    return viewer;
}

}  // namespace quorvel::gui
