#pragma once

#include <QDialog>
#include <QString>
#include <QUrl>
#include <functional>

class QLabel;
class QTextBrowser;

namespace quorvel::gui {

// The program's own window for a help page or a log: the page (HTML pages follow their links
// inside it) and where the file is, so the user can open it elsewhere.
class DocumentViewer : public QDialog {
    Q_OBJECT

public:
    DocumentViewer(const QString& path, bool html, QWidget* parent = nullptr);

    QTextBrowser* Browser() const { return browser_; }
    QLabel* PathLabel() const { return pathLabel_; }

private:
    QTextBrowser* browser_;
    QLabel* pathLabel_;
};

// How a file is handed to the system's viewer; true when one started.
using ExternalOpener = std::function<bool(const QUrl&)>;

// Shows the file with the system's viewer for its type, or, when none starts, in a
// DocumentViewer over the parent (returned, so a caller can look at it; nullptr otherwise).
DocumentViewer* OpenDocument(const QString& path, bool html, QWidget* parent,
                             const ExternalOpener& external = {});

}  // namespace quorvel::gui
