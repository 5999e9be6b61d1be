#pragma once

#include <QDialog>
#include <filesystem>

#include "core/stats/help_pages.h"
#include "core/stats/stat_method.h"

class QTextBrowser;

namespace quorvel::gui {

// "Описание методики расчета": the description page of one method, from the pages shipped
// in the program's folder, in the given language when its page is there, else in Russian; an
// empty page when the method has none.
class DescriptionWindow : public QDialog {
    Q_OBJECT

public:
    DescriptionWindow(const TStatMethod& entry, const std::filesystem::path& programDir,
                      QWidget* parent = nullptr, int language = HelpPagesLanguage);

    QTextBrowser* Browser() const { return browser_; }
    // The page shown; empty when there is none.
    const std::filesystem::path& Page() const { return page_; }

private:
    QTextBrowser* browser_;
    std::filesystem::path page_;
};

}  // namespace quorvel::gui
