#pragma once

#include <QDialog>
#include <QString>

class QCheckBox;
class QPushButton;

namespace quorvel::gui {

// Web addresses of the maker's resources, shared with the help menu's links.
inline const char* const MainSiteUrl = "https://quorvel.example/";
inline const char* const BlogUrl = "https://quorvel.example/blog";

// "Справочная информация": shown at start while FirstRun is on; the caller writes FirstRun
// as false when DontShowAgain() is true after the dialog closes. The help button opens the
// given page (the help's main page) in the system's browser; without one it is disabled.
class FirstRunDialog : public QDialog {
    Q_OBJECT

public:
    explicit FirstRunDialog(const QString& helpFilePath, QWidget* parent = nullptr);

    bool DontShowAgain() const;

private:
    QString helpFilePath_;
    QPushButton* openHelp_;
    QCheckBox* dontShow_;
};

}  // namespace quorvel::gui
