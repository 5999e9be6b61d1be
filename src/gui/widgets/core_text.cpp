#include "gui/widgets/core_text.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include "core/util/version.h"
#include "language/translation.h"

namespace quorvel::gui {

namespace {

// A shredding method's title carries the formula the user set, so it is translated as a pattern.
QString TitleText(const QString& title) {
    static const QRegularExpression shredding("^Метод шинковки (\\d+): (.*)$");
    const QRegularExpressionMatch match = shredding.match(title);
    if (match.hasMatch())
        return QCoreApplication::translate("Methods", "Метод шинковки %1: %2")
            .arg(match.captured(1), match.captured(2));
    return language::Translate("Methods", title.toStdString());
}

}  // namespace

QString ColumnText(std::string_view caption) {
    return language::Translate("Columns", caption);
}

QString ListEntryText(std::string_view entry) {
    return language::Translate("Lists", entry);
}

QString SeriesText(const std::string& title) {
    const QString method = TitleText(QString::fromStdString(title));
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
    // The group's code in braces before the title and the feature letters in brackets after it.
    static const QRegularExpression parts(R"(^(\{ \S+ \} )?(.*?)( \[ [A-Z]+ \])?$)");
    const QRegularExpressionMatch match = parts.match(QString::fromStdString(listText));
    if (!match.hasMatch()) return QString::fromStdString(listText);
    return match.captured(1) + TitleText(match.captured(2)) + match.captured(3);
}

}  // namespace quorvel::gui
