#include "language/method_text.h"

#include <QRegularExpression>

#include "language/translation.h"

namespace quorvel::language {

QString MethodTitleText(const std::string& title) {
    static const QRegularExpression shredding("^Метод шинковки (\\d+): (.*)$");
    const QRegularExpressionMatch match = shredding.match(QString::fromStdString(title));
    if (match.hasMatch())
        return FillPlaceholders(Translate("Methods", "Метод шинковки %1: %2"),
                                {match.captured(1), match.captured(2)});
    return Translate("Methods", title);
}

QString MethodListText(const std::string& listText) {
    // The group's code in braces before the title and the feature letters in brackets after it.
    static const QRegularExpression parts(R"(^(\{ \S+ \} )?(.*?)( \[ [A-Z]+ \])?$)");
    const QRegularExpressionMatch match = parts.match(QString::fromStdString(listText));
    if (!match.hasMatch()) return QString::fromStdString(listText);
    return match.captured(1) + MethodTitleText(match.captured(2).toStdString()) + match.captured(3);
}

}  // namespace quorvel::language
