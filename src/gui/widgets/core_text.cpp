#include "gui/widgets/core_text.h"

#include <QCoreApplication>

#include "core/util/version.h"
#include "language/method_text.h"
#include "language/translation.h"

namespace quorvel::gui {

QString ColumnText(std::string_view caption) {
    return language::Translate("Columns", caption);
}

QString ListEntryText(std::string_view entry) {
    return language::Translate("Lists", entry);
}

QString SeriesText(const std::string& title) {
    const QString method = language::MethodTitleText(title);
    return method != QString::fromStdString(title) ? method : ListEntryText(title);
}

QString ListEntriesText(std::string_view entries) {
    QStringList parts;
    size_t start = 0;
    while (true) {
        const size_t end = entries.find("; ", start);
        parts << ListEntryText(entries.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) break;
        start = end + 2;
    }
    return parts.join("; ");
}

QString MainCaptionText() {
    return QCoreApplication::translate("Captions", "%1 версия %2").arg(ProgramTitle, ProgramVersion);
}

QString MethodText(const std::string& listText) {
    return language::MethodListText(listText);
}

}  // namespace quorvel::gui
