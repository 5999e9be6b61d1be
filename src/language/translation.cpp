#include "language/translation.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <vector>

#include "core/util/format.h"
#include "core/util/languages.h"

namespace quorvel::language {

namespace {

const QTranslator* activeModule = nullptr;

QString Lookup(const char* context, const QString& text) {
    if (activeModule == nullptr) return text;
    const QString found = activeModule->translate(context, text.toUtf8().constData());
    return found.isEmpty() ? text : found;
}

}  // namespace

void UseLanguageModule(const QTranslator* module) {
    activeModule = module;
    // A module that goes away takes its texts with it: the built-in ones serve again.
    if (module != nullptr) {
        QObject::connect(module, &QObject::destroyed, [module] {
            if (activeModule == module) activeModule = nullptr;
        });
    }
}

bool LanguageModuleInUse() {
    return activeModule != nullptr;
}

QString Translate(const char* context, std::string_view text) {
    const QString original = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    if (activeModule == nullptr) return original;
    const QString exact = Lookup(context, original);
    if (exact != original) return exact;
    static const QRegularExpression numbers(R"(\d+)");
    std::vector<QRegularExpressionMatch> found;
    for (QRegularExpressionMatchIterator it = numbers.globalMatch(original); it.hasNext();)
        found.push_back(it.next());
    if (found.empty()) return original;
    QString pattern = original;
    QStringList values;
    // From the end, so that the positions of the numbers before stay where they were.
    for (size_t i = found.size(); i-- > 0;) {
        pattern.replace(found[i].capturedStart(), found[i].capturedLength(), QString("%%1").arg(i + 1));
        values.prepend(found[i].captured());
    }
    const QString translated = Lookup(context, pattern);
    return translated == pattern ? original : FillPlaceholders(translated, values);
}

QString FillPlaceholders(const QString& pattern, const QStringList& values) {
    static const QRegularExpression placeholder(R"(%(\d+))");
    QString filled;
    qsizetype from = 0;
    // In one pass, so that a value that itself holds "%1" is left as it is.
    for (QRegularExpressionMatchIterator it = placeholder.globalMatch(pattern); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const qsizetype index = match.captured(1).toLongLong() - 1;
        if (index < 0 || index >= values.size()) continue;
        filled += pattern.mid(from, match.capturedStart() - from) + values[index];
        from = match.capturedEnd();
    }
    return filled + pattern.mid(from);
}

LoadedModule LoadLanguageModule(const std::filesystem::path& directory, int lcid) {
    if (lcid == BuiltInLanguage || FindLanguage(lcid) == nullptr) return {};
    const std::string name = LanguageModuleName(lcid);
    const QString path = QString::fromStdString((directory / name).string());
    if (!QFileInfo::exists(path)) return {nullptr, Format("Языковый модуль \"%s\" не найден!", {name})};
    auto module = std::make_unique<QTranslator>();
    if (!module->load(path) || module->isEmpty()) {
        return {nullptr, Format("Не удалось загрузить языковый модуль \"%s\"!\r\r%s",
                                {name, "файл повреждён или имеет неверный формат"})};
    }
    return {std::move(module), {}};
}

}  // namespace quorvel::language
