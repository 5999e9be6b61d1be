#include <QtTest>

#include "core/util/languages.h"
#include "gui/app/language_loader.h"
#include "support/shown_texts.h"
#include "support/window_tour.h"

using namespace quorvel;

namespace {

// The default size and the smallest screen the program is made for, less its title and task bars.
const QSize DefaultSize(1240, 720);
const QSize SmallScreen(1366, 700);

// The whole list goes to the log, where a failure's message would be cut short.
QString Listed(const std::vector<test::ShownText>& texts) {
    QStringList lines;
    for (const test::ShownText& text : texts)
        lines << text.where + ": " + text.text;
    if (!lines.isEmpty()) qWarning().noquote() << lines.join('\n');
    return QString("%1 texts, listed above").arg(lines.size());
}

std::vector<test::ShownText> Russian(const std::vector<test::ShownText>& texts) {
    std::vector<test::ShownText> russian;
    for (const test::ShownText& text : texts)
        // A language's entry in the language menu carries its own name.
        if (test::HasCyrillic(text.text) && text.text != "Русский") russian.push_back(text);
    return russian;
}

}  // namespace

class WindowTextsTest : public QObject {
    Q_OBJECT

private slots:
    void englishShowsNoRussianText() {
        test::FakeUiHost host;
        auto translator = gui::InstallLanguage(QUORVEL_BUILD_DIR, 1033, host);
        QVERIFY(translator != nullptr);
        test::TourWindow tour(DefaultSize);
        std::vector<test::ShownText> russian;
        test::VisitEveryTab(*tour.window, [&](const QString&) {
            for (const test::ShownText& text : Russian(test::ShownTexts(tour.window.get())))
                russian.push_back(text);
        });
        for (const auto& [action, name] : test::WindowActions()) {
            const bool opened = test::VisitWindowOf(*tour.window, action, [&](QWidget* window) {
                for (const test::ShownText& text : Russian(test::ShownTexts(window)))
                    russian.push_back({name + " " + text.where, text.text});
            });
            QVERIFY2(opened, qPrintable(action));
        }
        QVERIFY2(russian.empty(), qPrintable(Listed(russian)));
    }

    void noCaptionIsCutAtTheDefaultSize_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QSize>("size");
        QTest::newRow("Russian, default size") << BuiltInLanguage << DefaultSize;
        QTest::newRow("English, default size") << 1033 << DefaultSize;
        QTest::newRow("Russian, small screen") << BuiltInLanguage << SmallScreen;
    }
    void noCaptionIsCutAtTheDefaultSize() {
        QFETCH(int, language);
        QFETCH(QSize, size);
        test::FakeUiHost host;
        auto translator = gui::InstallLanguage(QUORVEL_BUILD_DIR, language, host);
        test::TourWindow tour(size);
        std::vector<test::ShownText> cut;
        test::VisitEveryTab(*tour.window, [&](const QString& tab) {
            for (const test::ShownText& text : test::CutCaptions(tour.window.get()))
                cut.push_back({tab + " " + text.where, text.text});
        });
        for (const auto& [action, name] : test::WindowActions()) {
            test::VisitWindowOf(*tour.window, action, [&](QWidget* opened) {
                for (const test::ShownText& text : test::CutCaptions(opened))
                    cut.push_back({name + " " + text.where, text.text});
            });
        }
        QVERIFY2(cut.empty(), qPrintable(Listed(cut)));
    }
};

QTEST_MAIN(WindowTextsTest)
#include "window_texts_test.moc"
