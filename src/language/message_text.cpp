#include "language/message_text.h"

#include <QRegularExpression>

#include "language/translation.h"

namespace quorvel::language {

namespace {

constexpr const char* Context = "Messages";

QString Lookup(const QString& source) {
    return Translate(Context, source.toStdString());
}

QString ParagraphText(const QString& paragraph);

// The contents of quoted parts and the numbers outside them become %1, %2... left to right.
// A quoted part may itself be a message of the core (the reason inside a failure), so it is
// given in the interface language too.
QString PatternOf(const QString& paragraph, QStringList& values, bool translateQuoted = false) {
    static const QRegularExpression parts(R"x("([^"]*)"|(\d+))x");
    QString pattern;
    qsizetype from = 0;
    for (QRegularExpressionMatchIterator it = parts.globalMatch(paragraph); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const bool quoted = match.capturedStart(1) >= 0;
        values << (!quoted           ? match.captured(2)
                   : translateQuoted ? ParagraphText(match.captured(1))
                                     : match.captured(1));
        const QString mark = QString("%%1").arg(values.size());
        pattern += paragraph.mid(from, match.capturedStart() - from) + (quoted ? '"' + mark + '"' : mark);
        from = match.capturedEnd();
    }
    return pattern + paragraph.mid(from);
}

const QRegularExpression& LineBreak() {
    static const QRegularExpression lineBreak("\r\n|\r|\n");
    return lineBreak;
}

// A paragraph the core writes one item a line (the draws a combination was found in): each line
// is a message of its own.
QString LinesText(const QString& paragraph) {
    QString text;
    qsizetype from = 0;
    for (QRegularExpressionMatchIterator it = LineBreak().globalMatch(paragraph); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        text += ParagraphText(paragraph.mid(from, match.capturedStart() - from)) + match.captured();
        from = match.capturedEnd();
    }
    return text + ParagraphText(paragraph.mid(from));
}

// Where a label ends: the first ": " outside quotes, or -1.
qsizetype LabelEnd(const QString& paragraph) {
    bool quoted = false;
    for (qsizetype i = 0; i + 1 < paragraph.size(); ++i) {
        if (paragraph[i] == '"') quoted = !quoted;
        if (!quoted && paragraph[i] == ':' && paragraph[i + 1] == ' ') return i;
    }
    return -1;
}

QString ParagraphText(const QString& paragraph) {
    if (paragraph.isEmpty()) return paragraph;
    const QString exact = Lookup(paragraph);
    if (exact != paragraph) return exact;
    QStringList values;
    const QString pattern = PatternOf(paragraph, values);
    if (!values.isEmpty()) {
        const QString translated = Lookup(pattern);
        if (translated != pattern) {
            values.clear();
            PatternOf(paragraph, values, true);
            return FillPlaceholders(translated, values);
        }
    }
    if (paragraph.contains(LineBreak())) return LinesText(paragraph);
    const qsizetype colon = LabelEnd(paragraph);
    if (colon > 0) {
        values.clear();
        QString label = PatternOf(paragraph.left(colon), values);
        label += QString(": %%1").arg(values.size() + 1);
        values << paragraph.mid(colon + 2);
        const QString translated = Lookup(label);
        if (translated != label) return FillPlaceholders(translated, values);
    }
    return paragraph;
}

}  // namespace

QString MessageText(const std::string& text) {
    const QString message = QString::fromStdString(text);
    if (!LanguageModuleInUse()) return message;
    QStringList paragraphs = message.split("\r\r");
    for (QString& paragraph : paragraphs)
        paragraph = ParagraphText(paragraph);
    return paragraphs.join("\r\r");
}

}  // namespace quorvel::language
