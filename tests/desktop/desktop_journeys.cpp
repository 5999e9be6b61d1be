// The desktop journeys: the real window on a real X server with a window manager, driven only
// by key presses and clicks through X, checked as a person would check it. Run by
// tests/desktop/run-journeys.sh (make test-desktop), which starts Xvfb and openbox; screenshots
// of every step go to the output folder, one subfolder per journey.

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <cstdio>
#include <filesystem>
#include <thread>

#include "core/app/data_dir.h"
#include "core/app/ui_state.h"
#include "core/util/version.h"
#include "gui/app/main_window.h"
#include "gui/archive/draw_dialog.h"
#include "gui/archive/draws_page.h"
#include "gui/scenario/scenario_page.h"
#include "gui/scenario/scenario_run_controller.h"
#include "gui/stakes/stake_dialog.h"
#include "journey_harness.h"
#include "language/message_text.h"
#include "support/shown_texts.h"
#include "support/temp_dir.h"

using namespace quorvel;
using namespace quorvel::journeys;

namespace {

constexpr int EnglishLanguage = 1033;

// The interface's own words in the language installed now, as the program looks them up.
QString Tr(const char* context, const char* text) {
    return OnGui([&] { return QCoreApplication::translate(context, text); });
}

std::string FileBytes(const std::filesystem::path& path) {
    return std::filesystem::exists(path) ? test::ReadBytes(path) : std::string();
}

void ImportSample(Journey& journey) {
    const CliRun run = RunCli(journey.DataDir(), {"import", QUORVEL_SAMPLES_DIR "/cash3.csv"});
    journey.Require(run.Code == 0, "the command line did not import the sample archive: " + run.Output);
}

void StoreUiValues(Journey& journey, const std::vector<std::pair<std::string, std::string>>& values) {
    UiStateFile(DataDirectory(journey.DataDir()).UiStatePath()).WriteUiValues(values);
}

// The number of draws the command line counts in the archive ("info": its first line).
int ArchiveCountFromCli(Journey& journey) {
    const CliRun run = RunCli(journey.DataDir(), {"info"});
    const QRegularExpressionMatch count = QRegularExpression(R"((\d+))").match(run.Output);
    journey.Require(run.Code == 0 && count.hasMatch(), "the command line's info says nothing: " + run.Output);
    return count.captured(1).toInt();
}

int ArchiveRows(Program& program) {
    return OnGui([&] { return program.Window().Draws()->Model()->rowCount(); });
}

// The index of the tab showing the page named, on either side.
int TabOf(QTabWidget* tabs, const char* pageName) {
    for (int tab = 0; tab < tabs->count(); ++tab) {
        if (tabs->widget(tab)->objectName() == pageName || tabs->widget(tab)->findChild<QWidget*>(pageName))
            return tab;
    }
    return -1;
}

QTabWidget* Left(gui::MainWindow& window) {
    return window.LeftTabs();
}

QTabWidget* Right(gui::MainWindow& window) {
    return window.RightTabs();
}

// The rows a table shows, each as its cells joined by ";", as "stakes list" prints them.
QStringList TableRows(QTableView* table) {
    QStringList rows;
    const QAbstractItemModel* model = table->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < model->columnCount(); ++column)
            cells << model->index(row, column).data().toString();
        rows << cells.join(';');
    }
    return rows;
}

// The captions cut short; tab bars are left to HiddenTabCaptions, which reports each bar once.
QStringList CutCaptionTexts(QWidget* window) {
    QStringList cut;
    for (const test::ShownText& text : test::CutCaptions(window)) {
        if (text.where.startsWith("QTabBar ")) continue;
        cut << QString("%1 \"%2\"").arg(text.where, QString(text.text).replace('\n', ' '));
    }
    return cut;
}

// The texts of the archive page a person reads besides the offset box's caption and the list's
// column headers: where an empty archive says what to do.
QStringList ArchiveHints(gui::MainWindow& window) {
    gui::DrawsPage* page = window.Draws();
    const QRect offsetRow = page->OffsetBox()->geometry();
    QStringList hints;
    for (QLabel* label : page->findChildren<QLabel*>()) {
        if (!label->isVisibleTo(page) || label->text().trimmed().isEmpty()) continue;
        const QRect place(label->mapTo(page, QPoint(0, 0)), label->size());
        if (place.center().y() >= offsetRow.top() && place.center().y() <= offsetRow.bottom()) continue;
        hints << label->text();
    }
    return hints;
}

// The menu bar's entries and the tab captions: where the interface language shows first.
QStringList FrameWords(gui::MainWindow& window) {
    QStringList words;
    for (QAction* menu : window.menuBar()->actions())
        words << menu->text();
    for (QTabWidget* tabs : {window.LeftTabs(), window.RightTabs()}) {
        for (int tab = 0; tab < tabs->count(); ++tab)
            if (tabs->isTabVisible(tab)) words << tabs->tabText(tab);
    }
    return words;
}

// 1. The first start on an empty data directory, and the start after it.
void FirstStart(Journey& journey) {
    QRect firstFrame;
    {
        Program program(journey, journey.DataDir());
        journey.Shot("first_start");
        program.ExpectInsideScreen("on the first start");
        firstFrame = program.Frame();
        journey.Expect(ArchiveRows(program) == 0, "an empty data directory shows draws in the archive list");
        const QStringList hints = OnGui([&] { return ArchiveHints(program.Window()); });
        journey.Expect(!hints.isEmpty(),
                       "the empty archive list shows no hint of what to do (no text on the archive page "
                       "besides the offset box's caption)");
        for (const QString& hint : hints)
            journey.Expect(hint.size() <= 200, "the empty archive's hint is not short: " + hint);
        const QStringList cut = OnGui([&] { return CutCaptionTexts(&program.Window()); });
        journey.Expect(cut.isEmpty(), "captions cut short on the first start: " + cut.join(", "));
        program.QuitByKey();
    }
    journey.Expect(std::filesystem::exists(DataDirectory(journey.DataDir()).UiStatePath()),
                   "closing the window wrote no interface state into the data directory");
    Program again(journey, journey.DataDir());
    journey.Shot("second_start");
    const QRect frame = again.Frame();
    journey.Expect(frame == firstFrame,
                   QString("the second start put the window at %1, the first left it at %2")
                       .arg(RectText(frame), RectText(firstFrame)));
    again.QuitByKey();
}

// 2. The sample archive imported by the command line, then the window's archive list.
void ImportedArchive(Journey& journey, bool english) {
    ImportSample(journey);
    if (english) StoreUiValues(journey, {{"Language", std::to_string(EnglishLanguage)}});
    const int draws = ArchiveCountFromCli(journey);
    Program program(journey, journey.DataDir());
    journey.Shot("archive");
    program.ExpectInsideScreen("with the sample archive");
    const int rows = ArchiveRows(program);
    journey.Expect(
        rows == draws,
        QString("the archive list shows %1 rows, the archive holds %2 draws").arg(rows).arg(draws));
    const QString firstNumber =
        OnGui([&] { return program.Window().Draws()->Model()->index(0, 0).data().toString(); });
    journey.Expect(!firstNumber.isEmpty(), "the archive list's first row shows no draw number");
    const QStringList hints = OnGui([&] { return ArchiveHints(program.Window()); });
    journey.Expect(hints.isEmpty(),
                   "the archive page still shows the empty archive's hint: " + hints.join(" / "));
    if (english) {
        const QStringList words = OnGui([&] { return FrameWords(program.Window()); });
        QStringList russian;
        for (const QString& word : words)
            if (test::HasCyrillic(word)) russian << word;
        journey.Expect(russian.isEmpty(),
                       "with English chosen, menus and tabs still say: " + russian.join(", "));
    }
    program.QuitByKey();
}

// Opens "add a draw": Insert on the archive list; the menu entry when Insert does nothing.
void OpenAddDraw(Journey& journey, Program& program, bool tryInsert) {
    if (tryInsert) {
        program.ClickWidget([&]() -> QWidget* {
            QTableView* list = program.Window().Draws()->List();
            return list->viewport();
        });
        x::Key("Insert");
        const bool opened = WaitForModal(1500, "quorvel::gui::DrawDialog").has_value();
        journey.Expect(opened, "Insert on the archive list opened no dialog to add a draw");
        if (opened) return;
    }
    program.ChooseMenuEntry("DrawsAdd");
    journey.Require(WaitForModal(5000, "quorvel::gui::DrawDialog").has_value(),
                    "the menu entry to add a draw opened no dialog");
}

QString AddDrawValues() {
    return OnGui([] {
        auto* dialog = qobject_cast<gui::DrawDialog*>(QApplication::activeModalWidget());
        return dialog != nullptr ? dialog->ValuesEdit()->text() : QString("(no dialog)");
    });
}

// Enter on the add dialog: the refusal comes up and is dismissed, the dialog stays, Esc closes
// it.
void ExpectEnterRefused(Journey& journey, const QString& typed) {
    const QString refusal = Tr("quorvel::gui::DrawDialog", "Введена некорректная комбинация!");
    x::Key("Return");
    const std::optional<ModalFacts> message = WaitForModal(3000, "QMessageBox");
    if (!message) {
        const bool stillOpen = ModalNow().has_value();
        journey.Expect(false, "Enter with " + typed + " in the values field brought no refusal" +
                                  (stillOpen ? QString() : QString("; the dialog closed")));
        if (stillOpen) x::Key("Escape");
        WaitForNoModal(3000);
        return;
    }
    journey.Shot("refusal");
    journey.Expect(message->Text == refusal,
                   QString("the refusal says \"%1\", expected \"%2\"").arg(message->Text, refusal));
    x::Key("Return");
    journey.Require(WaitForModal(3000, "quorvel::gui::DrawDialog").has_value(),
                    "after the refusal was dismissed the add dialog is not there to correct");
    x::Key("Escape");
    journey.Expect(WaitForNoModal(3000), "Esc did not close the add dialog");
}

// 3. A draw typed with letters is refused, and so is Enter on the untouched dialog; the archive
// file stays byte for byte as it was.
void DrawWithLetters(Journey& journey, bool english) {
    ImportSample(journey);
    if (english) StoreUiValues(journey, {{"Language", std::to_string(EnglishLanguage)}});
    const std::filesystem::path draws = DataDirectory(journey.DataDir()).DrawsPath();
    const std::string before = FileBytes(draws);
    Program program(journey, journey.DataDir());
    const int rows = ArchiveRows(program);

    OpenAddDraw(journey, program, true);
    journey.Shot("add_dialog");
    journey.Expect(AddDrawValues().isEmpty(),
                   "the add dialog's values field starts with \"" + AddDrawValues() + "\"");
    const bool typingThere = OnGui([] {
        auto* dialog = qobject_cast<gui::DrawDialog*>(QApplication::activeModalWidget());
        return dialog != nullptr && QApplication::focusWidget() == dialog->ValuesEdit();
    });
    if (!journey.Expect(typingThere, "the add dialog does not put the keyboard in its values field"))
        program.ClickWidget([] {
            auto* dialog = qobject_cast<gui::DrawDialog*>(QApplication::activeModalWidget());
            return dialog != nullptr ? static_cast<QWidget*>(dialog->ValuesEdit()) : nullptr;
        });
    x::Type("a;b;c");
    journey.Shot("typed_letters");
    journey.Note("the values field shows \"" + AddDrawValues() + "\" after a;b;c was typed");
    ExpectEnterRefused(journey, "a;b;c");
    journey.Expect(FileBytes(draws) == before, "a draw typed as a;b;c changed the archive file");
    journey.Expect(ArchiveRows(program) == rows, "a draw typed as a;b;c reached the archive list");

    OpenAddDraw(journey, program, false);
    journey.Expect(AddDrawValues().isEmpty(),
                   "the add dialog opened a second time starts with \"" + AddDrawValues() + "\"");
    ExpectEnterRefused(journey, "nothing");
    journey.Expect(FileBytes(draws) == before, "Enter on the untouched add dialog changed the archive file");
    journey.Expect(ArchiveRows(program) == rows,
                   "Enter on the untouched add dialog added a draw to the list");
    journey.Shot("after");
    program.QuitByKey();
    journey.Expect(FileBytes(draws) == before, "the archive file changed by the program's shut-down");
}

QStringList StakesGrid(Program& program) {
    return OnGui([&] {
        auto* grid = program.Window().findChild<QTableView*>("sgStakes");
        return grid != nullptr ? TableRows(grid) : QStringList{"(no stakes grid)"};
    });
}

// The stakes grid as the window shows it, after a click on the stakes tab.
QStringList ShownStakes(Journey& journey, Program& program) {
    const int tab = OnGui([&] { return TabOf(program.Window().RightTabs(), "tsStakes"); });
    journey.Require(tab >= 0 && program.ClickTab(&Right, tab),
                    "a click on the stakes tab's caption did not show it");
    Pause(200);
    return StakesGrid(program);
}

QStringList CliStakes(Journey& journey) {
    const CliRun run = RunCli(journey.DataDir(), {"stakes", "list"});
    journey.Require(run.Code == 0, "the command line cannot list the stakes: " + run.Output);
    return run.Output.split('\n', Qt::SkipEmptyParts);
}

void ExpectSameStakes(Journey& journey, const QStringList& shown, const QStringList& listed,
                      const QString& when) {
    if (journey.Expect(shown.size() == listed.size(),
                       QString("%1: the stakes grid shows %2 rows, the stakes file holds %3 records "
                               "(the grid begins: %4)")
                           .arg(when)
                           .arg(shown.size())
                           .arg(listed.size())
                           .arg(shown.mid(0, 4).join(" | "))))
        for (int row = 0; row < shown.size(); ++row) {
            if (!journey.Expect(shown[row] == listed[row],
                                QString("%1: stakes grid row %2 shows \"%3\", the file holds \"%4\"")
                                    .arg(when)
                                    .arg(row + 1)
                                    .arg(shown[row], listed[row])))
                break;
        }
}

// 4. Stakes made before a start and during it are in the grid after the program is quit by a
// key and started again, without asking for a check. The command line reads the stakes file only
// while the window is closed: an open window holds the data directory.
void StakesAfterRestart(Journey& journey) {
    ImportSample(journey);
    const CliRun added = RunCli(journey.DataDir(), {"stakes", "add", "1;2;3", "--draws", "3"});
    journey.Require(added.Code == 0, "the command line made no stakes: " + added.Output);
    const QStringList made = CliStakes(journey);
    {
        Program program(journey, journey.DataDir());
        ExpectSameStakes(journey, ShownStakes(journey, program), made, "the first start");
        journey.Shot("stakes_first_start");
        x::Key("F4");
        journey.Require(WaitForModal(5000, "quorvel::gui::StakeDialog").has_value(),
                        "F4 opened no stake dialog");
        program.ClickWidget([] {
            auto* dialog = qobject_cast<gui::StakeDialog*>(QApplication::activeModalWidget());
            return dialog != nullptr ? static_cast<QWidget*>(dialog->ValuesEdit()) : nullptr;
        });
        x::Key("ctrl+a");
        x::Type("4;5;6");
        journey.Shot("stake_dialog");
        x::Key("Return");
        const bool closed = WaitForNoModal(5000);
        const auto modal = ModalNow();
        journey.Require(closed, "Enter on the stake dialog with 4;5;6 did not make the stake" +
                                    (modal ? ": " + modal->Describe() : QString()));
        Pause(300);
        const QStringList shown = StakesGrid(program);
        journey.Expect(
            shown.mid(0, made.size()) == made,
            "after F4 the stakes grid no longer begins with the stakes made before: " + shown.join(" | "));
        journey.Expect(
            shown.filter(";4;5;6;").size() == 1,
            "after F4 the stakes grid does not show the stake on 4;5;6 once: " + shown.join(" | "));
        journey.Shot("after_f4");
        program.QuitByKey();
    }
    const QStringList listed = CliStakes(journey);
    journey.Expect(listed.filter(";4;5;6;").size() == 1,
                   "the stakes file does not hold the stake made with F4 once: " + listed.join(" | "));
    Program again(journey, journey.DataDir());
    ExpectSameStakes(journey, ShownStakes(journey, again), listed, "the start after quitting");
    journey.Shot("stakes_second_start");
    again.QuitByKey();
}

// The run's pass and number of passes in the status bar's progress text.
std::optional<std::pair<int, int>> PassShown(gui::MainWindow& window) {
    const QString text = window.StatusText(6);
    const QRegularExpressionMatch match = QRegularExpression(R"((\d+)\D+(\d+))").match(text);
    if (!match.hasMatch()) return std::nullopt;
    return std::pair(match.captured(1).toInt(), match.captured(2).toInt());
}

// A panel's text and, where a long one is cut to the panel, the whole of it in its tooltip.
QString ShownInFull(const QLabel* label) {
    if (label == nullptr) return {};
    return label->toolTip().isEmpty() ? label->text() : label->text() + " / " + label->toolTip();
}

QAbstractButton* StopButton(gui::MainWindow& window) {
    QAction* stop = window.Actions().Find("ScriptStop");
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (!button->isVisible() || button->window() != &window) continue;
        auto* tool = qobject_cast<QToolButton*>(button);
        if ((tool != nullptr && tool->defaultAction() == stop) ||
            QString(button->text()).remove('&') == QString(stop->text()).remove('&'))
            return button;
    }
    return nullptr;
}

// 5. A 200-pass test stopped on the way: it ends as stopped, where it stopped, and the window
// stays on the screen all along.
void TestStoppedMidway(Journey& journey) {
    constexpr int Passes = 200;
    ImportSample(journey);
    // About a thousand filter variants a pass, so that the test takes long enough to be stopped.
    test::WriteBytes(journey.DataDir() / "Quorvel_3r10.lss",
                     "FULL:0#RAND|TSD1#NUMS:10-1000;1#LNO:#SF:0| | | | | | |\r\n");
    Program program(journey, journey.DataDir());
    const QRect area = x::WorkArea();
    const int scenarioTab = OnGui([&] { return TabOf(program.Window().RightTabs(), "tsScript"); });
    journey.Require(scenarioTab >= 0 && program.ClickTab(&Right, scenarioTab),
                    "a click on the scenario tab's caption did not show it");
    journey.Require(
        OnGui([&] { return program.Window().findChild<QTableView*>("lvScript")->model()->rowCount() == 1; }),
        "the scenario tab does not show the saved scenario's line");
    const QRect before = program.Frame();
    journey.Shot("scenario");

    x::Key("ctrl+F10");
    journey.Require(WaitForModal(5000, "QInputDialog").has_value(),
                    "Ctrl+F10 did not ask for the number of tests");
    journey.Shot("test_count");
    x::Key("ctrl+a");
    x::Type(QString::number(Passes));
    x::Key("Return");
    auto running = [&] { return OnGui([&] { return program.Window().ScenarioRun()->IsRunning(); }); };
    journey.Require(WaitUntil(running, 5000), "the test did not start");
    program.ParkMouse();

    std::vector<QRect> frames;
    auto sample = [&] {
        if (const auto frame = x::FrameOf(program.WindowId())) frames.push_back(*frame);
    };
    int passSeen = 0;
    WaitUntil(
        [&] {
            sample();
            const auto pass = OnGui([&] { return PassShown(program.Window()); });
            if (pass) passSeen = pass->first;
            return !running() || passSeen >= 20;
        },
        60000, 100);
    journey.Shot("running");
    journey.Require(running(),
                    QString("the test ended before Stop could be pressed (pass %1 seen)").arg(passSeen));
    journey.Expect(
        OnGui([&] { return PassShown(program.Window()); }).value_or(std::pair(0, 0)).second == Passes,
        "the status bar does not say how many passes the test has: " +
            OnGui([&] { return program.Window().StatusText(6); }));

    if (!journey.Expect(program.ClickWidget([&] { return StopButton(program.Window()); }),
                        "the running test shows no Stop button on the screen to click"))
        x::Key("ctrl+x");
    const std::optional<ModalFacts> question = WaitForModal(5000, "QMessageBox");
    journey.Require(question.has_value(), "Stop did not ask whether to stop the scenario");
    journey.Expect(
        question->Text == Tr("quorvel::gui::ScenarioController", "Остановить выполнение сценария?"),
        "Stop asks: " + question->Text);
    journey.Shot("stop_question");
    x::Key("Return");
    const bool ended = WaitUntil(
        [&] {
            sample();
            return !running();
        },
        30000, 100);
    journey.Require(ended, "the test was still running 30 s after Stop was confirmed");
    Pause(300);
    sample();
    journey.Shot("stopped");

    journey.Note(QString("%1 window frames sampled during the run").arg(frames.size()));
    journey.Expect(frames.size() >= 5,
                   QString("only %1 window frames could be read during the run").arg(frames.size()));
    for (const QRect& frame : frames) {
        if (!journey.Expect(frame.width() <= before.width() && frame.height() <= before.height(),
                            QString("during the run the window's frame grew from %1 to %2")
                                .arg(RectText(before), RectText(frame))))
            break;
    }
    if (area.contains(before)) {
        for (const QRect& frame : frames) {
            if (!journey.Expect(area.contains(frame),
                                QString("during the run the window's frame became %1, past the screen's free "
                                        "area %2")
                                    .arg(RectText(frame), RectText(area))))
                break;
        }
    } else {
        journey.Expect(false,
                       QString("before the run the window's frame, %1, already did not fit the screen's "
                               "free area, %2")
                           .arg(RectText(before), RectText(area)));
    }

    struct After {
        int Box;
        int Offset;
        int NextDraw;
        QString NextDrawPanel;
        QString Progress;
        QString RunText;
    };
    const After after = OnGui([&] {
        gui::MainWindow& window = program.Window();
        const DrawArchive& archive = window.GetWorkspace().Archive();
        auto* page = window.findChild<gui::ScenarioPage*>();
        return After{window.Draws()->OffsetBox()->value(),
                     archive.Offset(),
                     archive.NextDrawNumber(archive.Offset()),
                     window.StatusText(1),
                     ShownInFull(window.findChild<QLabel*>("StatusPanel6")),
                     page != nullptr ? ShownInFull(page->RunPanel(3)) : QString()};
    });
    journey.Expect(
        after.Offset >= 1 && after.Offset <= Passes - passSeen + 1,
        QString("the stopped test left the archive at offset %1; it was stopped after pass %2 of %3")
            .arg(after.Offset)
            .arg(passSeen)
            .arg(Passes));
    journey.Expect(
        after.Box == after.Offset,
        QString("the offset box shows %1, the test stopped at offset %2").arg(after.Box).arg(after.Offset));
    journey.Expect(
        after.NextDrawPanel.contains(QRegularExpression(QString(R"(\b%1\b)").arg(after.NextDraw))),
        QString("the status bar says \"%1\"; at the offset where the test stopped the next draw is %2")
            .arg(after.NextDrawPanel)
            .arg(after.NextDraw));
    const QString finished = "Сценарий завершен!";
    const QString finishedShown = OnGui([&] { return language::MessageText(finished.toStdString()); });
    for (const QString& text : {after.Progress, after.RunText}) {
        journey.Expect(!text.contains(finished) && !text.contains(finishedShown),
                       "the stopped test is reported as completed: \"" + text + "\"");
    }
    program.QuitByKey();
}

// What the keyboard focus is on, named as a person would point at it: the control holding it.
QString FocusedControl(QWidget* dialog, const QList<QWidget*>& controls) {
    for (QWidget* widget = QApplication::focusWidget(); widget != nullptr && widget != dialog;
         widget = widget->parentWidget()) {
        if (controls.contains(widget))
            return widget->objectName().isEmpty() ? widget->metaObject()->className() : widget->objectName();
    }
    QWidget* focus = QApplication::focusWidget();
    return focus == nullptr
               ? QString("(nothing)")
               : QString("%1 outside the dialog's controls").arg(focus->metaObject()->className());
}

// The controls Tab stops at: shown, enabled, taking focus by Tab, none inside another.
QList<QWidget*> TabStops(QWidget* dialog) {
    QList<QWidget*> stops;
    for (QWidget* widget : dialog->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(dialog) || !widget->isEnabled() || widget->focusProxy() != nullptr ||
            (widget->focusPolicy() & Qt::TabFocus) == 0)
            continue;
        stops << widget;
    }
    QList<QWidget*> outer;
    for (QWidget* widget : stops) {
        bool inside = false;
        for (QWidget* parent = widget->parentWidget(); parent != nullptr && parent != dialog;
             parent = parent->parentWidget())
            inside = inside || stops.contains(parent);
        if (!inside) outer << widget;
    }
    return outer;
}

// 6. The settings dialog by keyboard alone: Tab goes through every control once, in the order
// it is read (the left column top to bottom, the right column, then the buttons), and Esc
// closes it with nothing changed.
void SettingsByKeyboard(Journey& journey) {
    ImportSample(journey);
    const std::filesystem::path settings = DataDirectory(journey.DataDir()).SettingsPath();
    Program program(journey, journey.DataDir());
    const std::string before = FileBytes(settings);
    program.ChooseMenuEntry("EditConfig");
    const std::optional<ModalFacts> dialog = WaitForModal(5000, "quorvel::gui::ParamsDialog");
    journey.Require(dialog.has_value(), "the menu entry of the settings opened no dialog");
    journey.Expect(dialog->Title == Tr("quorvel::gui::ParamsDialog", "Параметры системы"),
                   "the settings dialog is titled " + dialog->Title);
    journey.Shot("settings");

    // The button box's buttons are named by what they say, left to right.
    const QStringList reading = OnGui([&] {
        QWidget* window = dialog->Widget;
        QStringList names{"cost",       "profits",     "count",        "deviation",
                          "level",      "usePercents", "useAbsValues", "matrixCols",
                          "matrixRows", "segments",    "channelSize"};
        if (auto* box = window->findChild<QDialogButtonBox*>()) {
            QList<QAbstractButton*> buttons = box->buttons();
            std::sort(buttons.begin(), buttons.end(),
                      [](QAbstractButton* a, QAbstractButton* b) { return a->x() < b->x(); });
            for (QAbstractButton* button : buttons) {
                if (button->objectName().isEmpty())
                    button->setObjectName(QString(button->text()).remove('&'));
                names << button->objectName();
            }
        }
        QStringList stops;
        for (QWidget* stop : TabStops(window))
            stops << stop->objectName();
        QStringList order;
        for (const QString& name : names)
            if (stops.contains(name)) order << name;
        for (const QString& stop : stops)
            if (!order.contains(stop)) order << "(unexpected) " + stop;
        return order;
    });
    journey.Note("Tab stops in reading order: " + reading.join(", "));
    journey.Require(!reading.isEmpty(), "the settings dialog has no control Tab could reach");
    for (const QString& stop : reading)
        journey.Expect(!stop.startsWith("(unexpected)"),
                       "a control Tab reaches has no place in the dialog's reading order: " + stop);

    auto focused = [&] {
        return OnGui([&] {
            return dialog->Widget ? FocusedControl(dialog->Widget, TabStops(dialog->Widget))
                                  : QString("(closed)");
        });
    };
    QString current = focused();
    QStringList path{current};
    int start = reading.indexOf(current);
    journey.Expect(start == 0, "the settings dialog opens with the keyboard on " + current + ", not on " +
                                   reading.first());
    if (start < 0) start = 0;
    bool inOrder = true;
    for (int press = 1; press <= reading.size(); ++press) {
        x::Key("Tab");
        const QString previous = current;
        WaitUntil([&] { return (current = focused()) != previous; }, 500);
        path << current;
        const QString expected = reading[(start + press) % reading.size()];
        if (inOrder && current == previous) {
            inOrder =
                journey.Expect(false, QString("Tab %1 left the keyboard in %2 instead of moving on to %3 (a "
                                              "trap)")
                                          .arg(press)
                                          .arg(current, expected));
        } else if (inOrder) {
            inOrder =
                journey.Expect(current == expected, QString("Tab %1 went from %2 to %3; in reading order %4 "
                                                            "comes next")
                                                        .arg(press)
                                                        .arg(previous, current, expected));
        }
    }
    journey.Note("focus path: " + path.join(" → "));
    QStringList missed;
    for (const QString& stop : reading)
        if (!path.contains(stop)) missed << stop;
    journey.Expect(missed.isEmpty(),
                   QString("%1 Tab presses never reached %2").arg(reading.size()).arg(missed.join(", ")));
    journey.Shot("after_tabs");

    const QString focusAtEsc = focused();
    x::Key("Escape");
    if (!journey.Expect(WaitForNoModal(2000),
                        "Esc did not close the settings dialog (the keyboard was on " + focusAtEsc + ")")) {
        x::Key("Escape");
        journey.Require(WaitForNoModal(2000), "a second Esc did not close the settings dialog either");
    }
    journey.Expect(FileBytes(settings) == before,
                   "the settings dialog closed by Esc changed the settings file");
    program.QuitByKey();
}

// The room a tab needs for its caption, with the style's margins, as the tab bar reckons it.
int TextWidth(QTabBar* bar, const QString& caption) {
    return bar->fontMetrics().horizontalAdvance(QString(caption).remove('&')) +
           bar->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, bar);
}

// The tab bar's captions a person cannot read whole: hidden behind scroll arrows or elided.
QStringList HiddenTabCaptions(QTabWidget* tabs) {
    QTabBar* bar = tabs->tabBar();
    QList<QRect> arrows;
    for (QToolButton* arrow : bar->findChildren<QToolButton*>())
        if (arrow->isVisible()) arrows << arrow->geometry();
    QStringList hidden;
    for (int tab = 0; tab < bar->count(); ++tab) {
        if (!bar->isTabVisible(tab)) continue;
        const QRect rect = bar->tabRect(tab);
        const bool underArrows = std::any_of(arrows.begin(), arrows.end(),
                                             [&](const QRect& arrow) { return arrow.intersects(rect); });
        if (underArrows || !bar->rect().contains(rect) || TextWidth(bar, bar->tabText(tab)) > rect.width())
            hidden << bar->tabText(tab);
    }
    if (!arrows.isEmpty()) hidden.prepend("(scroll arrows shown)");
    return hidden;
}

// Where the tab bar scrolls, clicks its arrows as a person would until the tab's caption is in
// sight (the captions hidden behind them are reported once for the whole bar).
void ScrollIntoSight(Program& program, QTabWidget* (*side)(gui::MainWindow&), int tab) {
    for (int click = 0; click < 12; ++click) {
        const std::optional<QPoint> arrow = OnGui([&]() -> std::optional<QPoint> {
            QTabBar* bar = side(program.Window())->tabBar();
            const QRect caption = bar->tabRect(tab);
            QToolButton* toward = nullptr;
            bool covered = !bar->rect().contains(caption);
            for (QToolButton* button : bar->findChildren<QToolButton*>()) {
                if (!button->isVisible()) continue;
                covered = covered || button->geometry().intersects(caption);
                if (button->arrowType() ==
                    (caption.center().x() > bar->width() / 2 ? Qt::RightArrow : Qt::LeftArrow))
                    toward = button;
            }
            if (!covered || toward == nullptr || !toward->isEnabled()) return std::nullopt;
            return CentreOnScreen(toward);
        });
        if (!arrow) return;
        x::Click(*arrow);
    }
}

// 7. Every tab, each side's in turn, on the screen the journey runs on: the window fits, every
// tab caption shows whole, no caption is cut; a picture of each.
void EveryTab(Journey& journey, bool english) {
    ImportSample(journey);
    const CliRun added = RunCli(journey.DataDir(), {"stakes", "add", "1;2;3", "--draws", "3"});
    journey.Require(added.Code == 0, "the command line made no stakes: " + added.Output);
    test::WriteBytes(journey.DataDir() / "Quorvel_3r10.lss",
                     "FULL:0#RAND|TSD1#NUMS:10#LNO:#SF:0| | | | | | |\r\n");
    std::vector<std::pair<std::string, std::string>> state{{"SystemsEnabled", "1"}};
    if (english) state.emplace_back("Language", std::to_string(EnglishLanguage));
    StoreUiValues(journey, state);

    Program program(journey, journey.DataDir());
    program.ExpectInsideScreen("on start");
    const QRect area = x::WorkArea();
    const QRect start = program.Frame();
    // Where the panels meet: a tab of either side must not move it.
    auto leftWidth = [&] { return OnGui([&] { return program.Window().LeftTabs()->width(); }); };
    const int startLeft = leftWidth();
    for (QTabWidget* (*side)(gui::MainWindow&) : {&Left, &Right}) {
        const QString sideName = side == &Left ? "left" : "right";
        const QStringList hidden = OnGui([&] { return HiddenTabCaptions(side(program.Window())); });
        journey.Expect(
            hidden.isEmpty(),
            QString("the %1 tab captions a person cannot read whole: %2").arg(sideName, hidden.join(", ")));
        const int count = OnGui([&] { return side(program.Window())->count(); });
        for (int tab = 0; tab < count; ++tab) {
            const auto [visible, caption] = OnGui([&] {
                QTabWidget* tabs = side(program.Window());
                return std::pair(tabs->isTabVisible(tab), tabs->tabText(tab).remove('&'));
            });
            if (!visible) continue;
            ScrollIntoSight(program, side, tab);
            const std::optional<QPoint> centre = OnGui([&] {
                QTabBar* bar = side(program.Window())->tabBar();
                return CentreOnScreen(bar, bar->tabRect(tab));
            });
            if (!journey.Expect(
                    centre && area.contains(*centre),
                    QString("the %1 tab \"%2\" cannot be clicked: its caption lies off the screen")
                        .arg(sideName, caption)))
                continue;
            if (!journey.Expect(
                    program.ClickTab(side, tab),
                    QString("a click on the %1 tab \"%2\" did not show it").arg(sideName, caption)))
                continue;
            program.ParkMouse();
            Pause(250);
            journey.Shot(QString("%1_%2").arg(sideName).arg(tab, 2, 10, QChar('0')));
            const QStringList cut = OnGui([&] { return CutCaptionTexts(&program.Window()); });
            journey.Expect(cut.isEmpty(), QString("on the %1 tab \"%2\", captions cut short: %3")
                                              .arg(sideName, caption, cut.join(", ")));
            const QRect frame = program.Frame();
            journey.Expect(frame == start,
                           QString("showing the %1 tab \"%2\" changed the window's frame from %3 to "
                                   "%4")
                               .arg(sideName, caption, RectText(start), RectText(frame)));
            journey.Expect(leftWidth() == startLeft,
                           QString("showing the %1 tab \"%2\" moved the panels' divider: the left panel went "
                                   "from %3 to %4 pixels")
                               .arg(sideName, caption)
                               .arg(startLeft)
                               .arg(leftWidth()));
        }
        program.ClickTab(side, 0);
    }
    program.QuitByKey();
}

struct Entry {
    const char* name;
    std::function<void(Journey&)> run;
    bool screenInName;
};

const std::vector<Entry>& AllJourneys() {
    static const std::vector<Entry> all = {
        {"first_start", FirstStart, false},
        {"import_ru", [](Journey& j) { ImportedArchive(j, false); }, false},
        {"import_en", [](Journey& j) { ImportedArchive(j, true); }, false},
        {"draw_letters_ru", [](Journey& j) { DrawWithLetters(j, false); }, false},
        {"draw_letters_en", [](Journey& j) { DrawWithLetters(j, true); }, false},
        {"stakes_restart", StakesAfterRestart, false},
        {"test_stop", TestStoppedMidway, false},
        {"settings_keyboard", SettingsByKeyboard, false},
        {"every_tab_ru", [](Journey& j) { EveryTab(j, false); }, true},
        {"every_tab_en", [](Journey& j) { EveryTab(j, true); }, true},
    };
    return all;
}

struct Outcome {
    QString name;
    int checks;
    int failures;
    QString abort;
};

std::vector<Outcome> RunJourneys(const QStringList& names, const std::filesystem::path& out) {
    const QRect screen = x::WorkArea();
    std::vector<Outcome> outcomes;
    for (const Entry& entry : AllJourneys()) {
        if (!names.isEmpty() && !names.contains(entry.name)) continue;
        QString name = entry.name;
        if (entry.screenInName) name += QString("_%1x%2").arg(screen.width()).arg(screen.height());
        Journey journey(name, out);
        QString abort;
        try {
            entry.run(journey);
        } catch (const JourneyAbort& e) {
            abort = e.what();
        } catch (const std::exception& e) {
            abort = QString("error: ") + e.what();
            journey.Expect(false, abort);
        }
        // What the journey left on the screen goes before the next one starts.
        OnGui([] {
            for (QWidget* widget : QApplication::topLevelWidgets())
                if (widget->isVisible()) widget->close();
        });
        outcomes.push_back({name, journey.Checks(), journey.Failures(), abort});
    }
    return outcomes;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(ProgramName);
    // The journeys start the program many times in one process; between two starts nothing is
    // shown and the process must go on.
    QApplication::setQuitOnLastWindowClosed(false);
    if (QGuiApplication::platformName() != "xcb") {
        std::fprintf(stderr, "desktop_journeys needs an X server (run tests/desktop/run-journeys.sh)\n");
        return 77;
    }
    QStringList names;
    std::filesystem::path out = std::filesystem::path(QUORVEL_BUILD_DIR) / "journeys";
    const QStringList args = QApplication::arguments();
    for (int i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == "--out")
            out = args[++i].toStdString();
        else if (args[i] == "--journeys")
            names = args[++i].split(',', Qt::SkipEmptyParts);
    }
    for (const QString& name : names) {
        if (std::none_of(AllJourneys().begin(), AllJourneys().end(),
                         [&](const Entry& entry) { return name == entry.name; })) {
            std::fprintf(stderr, "desktop_journeys: no journey is called %s\n", qPrintable(name));
            return 2;
        }
    }

    int failed = 0;
    std::thread driver([&] {
        const std::vector<Outcome> outcomes = RunJourneys(names, out);
        std::fprintf(stderr, "\n");
        int passed = 0;
        for (const Outcome& outcome : outcomes) {
            if (outcome.failures == 0) {
                ++passed;
                std::fprintf(stderr, "PASS %s (%d checks)\n", qPrintable(outcome.name), outcome.checks);
            } else {
                ++failed;
                std::fprintf(stderr, "FAIL %s (%d of %d checks failed%s)\n", qPrintable(outcome.name),
                             outcome.failures, outcome.checks,
                             outcome.abort.isEmpty() ? "" : ", stopped there");
            }
        }
        std::printf("journeys: %d passed, %d failed\n", passed, failed);
        std::fflush(stdout);
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
    });
    QApplication::exec();
    driver.join();
    return failed == 0 ? 0 : 1;
}
