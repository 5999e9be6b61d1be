// Writes a picture of every tab, window and dialog of the desktop program, in Russian and in
// English, at the default window size and on a 1366 x 768 screen, with an index page showing
// them all: make screenshots.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTabWidget>
#include <QTextStream>
#include <cstdio>

#include "core/util/languages.h"
#include "gui/app/language_loader.h"
#include "support/window_tour.h"

using namespace quorvel;

namespace {

struct Shot {
    QString file;
    QString caption;
};

struct Section {
    QString title;
    std::vector<Shot> shots;
};

struct Language {
    int lcid;
    QString code;
    QString name;
};

QString TabCaption(gui::MainWindow& window, const QString& name) {
    QTabWidget* tabs = name.startsWith("left") ? window.LeftTabs() : window.RightTabs();
    return tabs->tabText(tabs->currentIndex()).remove('&');
}

bool Save(QWidget* widget, const QDir& dir, const QString& file) {
    if (widget->grab().save(dir.filePath(file))) return true;
    qCritical().noquote() << "Could not write" << dir.filePath(file);
    return false;
}

Section TabsAt(const Language& language, QSize size, const QDir& dir, bool& ok) {
    Section section{QString("%1, %2 × %3").arg(language.name).arg(size.width()).arg(size.height()), {}};
    test::TourWindow tour(size);
    test::VisitEveryTab(*tour.window, [&](const QString& name) {
        const QString file =
            QString("%1_%2x%3_%4.png").arg(language.code).arg(size.width()).arg(size.height()).arg(name);
        ok = Save(tour.window.get(), dir, file) && ok;
        section.shots.push_back({file, TabCaption(*tour.window, name)});
    });
    return section;
}

Section Dialogs(const Language& language, QSize size, const QDir& dir, bool& ok) {
    Section section{QString("%1, windows and dialogs").arg(language.name), {}};
    test::TourWindow tour(size);
    for (const auto& [action, name] : test::WindowActions()) {
        const bool opened = test::VisitWindowOf(*tour.window, action, [&](QWidget* window) {
            const QString file = QString("%1_window_%2.png").arg(language.code, name);
            ok = Save(window, dir, file) && ok;
            section.shots.push_back({file, window->windowTitle()});
        });
        if (!opened) {
            qCritical().noquote() << "No window opened for" << action;
            ok = false;
        }
    }
    return section;
}

bool WriteIndex(const QDir& dir, const std::vector<Section>& sections) {
    QFile file(dir.filePath("index.html"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    QTextStream out(&file);
    out << "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Quorvel 3r10 screenshots</title>\n"
           "<style>body{font-family:sans-serif;margin:2em}figure{display:inline-block;margin:1em;"
           "vertical-align:top}img{max-width:640px;border:1px solid #ccc}</style></head><body>\n"
           "<h1>Quorvel 3r10 screenshots</h1>\n";
    for (const Section& section : sections) {
        out << "<h2>" << section.title.toHtmlEscaped() << "</h2>\n";
        for (const Shot& shot : section.shots)
            out << "<figure><a href=\"" << shot.file << "\"><img src=\"" << shot.file << "\" alt=\""
                << shot.caption.toHtmlEscaped() << "\"></a><figcaption>" << shot.caption.toHtmlEscaped()
                << " (" << shot.file << ")</figcaption></figure>\n";
    }
    out << "</body></html>\n";
    return file.flush();
}

// The offscreen platform says for every window that it cannot pass size hints on; nothing else
// is dropped.
QtMessageHandler standardHandler = nullptr;

void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains("propagateSizeHints")) return;
    if (standardHandler != nullptr)
        standardHandler(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

}  // namespace

int main(int argc, char** argv) {
    standardHandler = qInstallMessageHandler(QuietHandler);
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const QDir dir(args.size() > 1 ? args[1] : QString(QUORVEL_SCREENSHOT_DIR) + "/gallery");
    if (!QDir().mkpath(dir.path())) {
        qCritical().noquote() << "Could not create" << dir.path();
        return 1;
    }
    const std::vector<Language> languages = {{BuiltInLanguage, "ru", "Русский"}, {1033, "en", "English"}};
    const std::vector<QSize> sizes = {{1240, 720}, {1366, 768}};
    std::vector<Section> sections;
    bool ok = true;
    for (const Language& language : languages) {
        test::FakeUiHost host;
        auto translator = gui::InstallLanguage(QUORVEL_BUILD_DIR, language.lcid, host);
        auto qtTranslator = gui::InstallQtTranslation(language.lcid);
        for (QSize size : sizes)
            sections.push_back(TabsAt(language, size, dir, ok));
        sections.push_back(Dialogs(language, sizes.front(), dir, ok));
        if (translator) QCoreApplication::removeTranslator(translator.get());
        if (qtTranslator) QCoreApplication::removeTranslator(qtTranslator.get());
    }
    if (!WriteIndex(dir, sections)) {
        qCritical().noquote() << "Could not write the index page in" << dir.path();
        return 1;
    }
    size_t count = 0;
    for (const Section& section : sections)
        count += section.shots.size();
    QTextStream(stdout) << count << " pictures and index.html in " << dir.path() << "\n";
    return ok ? 0 : 1;
}
