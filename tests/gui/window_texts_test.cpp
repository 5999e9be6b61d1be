#include <QtTest>
#include <map>

#include "core/model/text_forms.h"
#include "core/util/languages.h"
#include "gui/app/first_run_dialog.h"
#include "gui/app/language_loader.h"
#include "gui/scenario/script_line_dialog.h"
#include "language/message_text.h"
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

// The dialogs a person fills in, each opened by its action, and the name of each.
const std::vector<std::pair<QString, QString>> DialogActions = {
    {"EditConfig", "settings"},      {"EditProxy", "proxy"},
    {"EditShredding", "shredding"},  {"FiltersManager", "favourites"},
    {"ScriptAdd", "scenario_line"},  {"ScriptEdit", "scenario_line_edit"},
    {"StakeAdd", "stake_add"},       {"StakeAddAll", "stake_many"},
    {"StakeFilter", "stake_filter"}, {"TablesAdd", "regular_add"},
    {"CombsGen", "generate"},        {"DrawsAdd", "draw_add"},
    {"DrawsEdit", "draw_edit"},      {"ScriptValidate", "validation"},
    {"SystemsAdd", "system_new"},    {"SystemStakeAll", "system_stake"},
};

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

    // Whatever a choice in a dialog shows or hides, its tool tips and the texts its fields are
    // offered with: the step editor's rules and stop conditions, default comments, warnings.
    void englishDialogsShowNoRussianTextInAnyMode() {
        test::FakeUiHost host;
        auto translator = gui::InstallLanguage(QUORVEL_BUILD_DIR, 1033, host);
        QVERIFY(translator != nullptr);
        test::TourWindow tour(DefaultSize);
        std::vector<test::ShownText> russian;
        const auto collect = [&](const QString& name, QWidget* window) {
            for (const test::ShownText& text : Russian(test::EveryText(window)))
                russian.push_back({name + " " + text.where, text.text});
        };
        tour.window->findChild<QTableView*>("lvScript")->selectRow(0);
        tour.window->findChild<QTableView*>("lvSystems")->selectRow(0);
        for (const auto& [action, name] : DialogActions) {
            const bool opened = test::VisitWindowOf(*tour.window, action, [&](QWidget* dialog) {
                collect(name, dialog);
                if (auto* line = qobject_cast<gui::ScriptLineDialog*>(dialog)) {
                    line->SetStepEditorRunner([&, name = name](gui::FilterStepDialog& step) {
                        collect(name + " step", &step);
                        return false;
                    });
                    line->EditStep(0);
                }
            });
            QVERIFY2(opened, qPrintable(action));
        }
        gui::FirstRunDialog firstRun("");
        collect("first_run", &firstRun);
        QVERIFY2(russian.empty(), qPrintable(Listed(russian)));
    }

    // Messages that list draws one a line are given line by line.
    void englishListsOfFoundDrawsHaveNoRussianLine() {
        test::FakeUiHost host;
        auto translator = gui::InstallLanguage(QUORVEL_BUILD_DIR, 1033, host);
        QVERIFY(translator != nullptr);
        test::TourWindow tour(DefaultSize);
        Workspace& ws = tour.window->GetWorkspace();
        // A combination drawn more than once, so that the list has several lines.
        std::map<std::string, int> drawn;
        std::string repeated;
        for (const TDraw& draw : ws.Archive().Draws())
            if (++drawn[CombToStr(CombOfDraw(draw))] == 2) repeated = CombToStr(CombOfDraw(draw));
        QVERIFY(!repeated.empty());
        ws.Combs().FindCombInDraws(StrToComb(repeated));
        const std::string found = tour.host.Last("info");
        QVERIFY2(std::count(found.begin(), found.end(), '\r') > 2, found.c_str());
        const QString shown = language::MessageText(found);
        QVERIFY2(!test::HasCyrillic(shown), qPrintable(shown));
        QVERIFY2(shown.startsWith("The selected combination was found in the following draws:\r\rDraw No. "),
                 qPrintable(shown));
    }

    void noCaptionIsCutAtTheDefaultSize_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QSize>("size");
        QTest::newRow("Russian, default size") << BuiltInLanguage << DefaultSize;
        QTest::newRow("English, default size") << 1033 << DefaultSize;
        QTest::newRow("Russian, small screen") << BuiltInLanguage << SmallScreen;
        // What a window manager leaves of 1240 x 720 and 1024 x 700 screens once its title bar
        // and borders are drawn (openbox: 4 pixels each side, a title bar of 28).
        QTest::newRow("Russian, 1240 x 720 screen") << BuiltInLanguage << QSize(1232, 684);
        QTest::newRow("English, 1240 x 720 screen") << 1033 << QSize(1232, 684);
        QTest::newRow("Russian, 1024 x 700 screen") << BuiltInLanguage << QSize(1016, 664);
        QTest::newRow("English, 1024 x 700 screen") << 1033 << QSize(1016, 664);
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
