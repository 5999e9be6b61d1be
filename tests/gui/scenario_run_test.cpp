#include <QChart>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineSeries>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QToolButton>
#include <QtTest>
#include <memory>

#include "core/util/text_file.h"
#include "gui/app/main_window.h"
#include "gui/archive/draws_page.h"
#include "gui/scenario/scenario_controller.h"
#include "gui/scenario/scenario_page.h"
#include "gui/scenario/scenario_run_controller.h"
#include "gui/scenario/validation_dialog.h"
#include "gui/scenario/validation_window.h"
#include "support/fake_ui_host.h"
#include "support/sample_window.h"
#include "support/screenshot.h"
#include "support/temp_dir.h"
#include "support/when_open.h"

using namespace quorvel;
using quorvel::gui::MainWindow;

namespace {

struct RunWindow {
    explicit RunWindow(const std::vector<std::string>& lines) {
        window = test::OpenSampleWindow(dir.Path(), host);
        window->SetTestCountQuestion([this](int most) {
            mostTests = most;
            return std::optional<int>(tests);
        });
        window->SetLogViewer([this](const QString& file) { shownLogs << file; });
        window->SetScenarioSeed(11u);
        page = window->RightTabs()->findChild<gui::ScenarioPage*>();
        const std::filesystem::path file = dir.Path() / "run.lsc";
        WriteTextFile(file, lines);
        window->GetWorkspace().Script().OpenScriptFile(file);
    }
    bool Enabled(const char* name) { return window->Actions().Find(name)->isEnabled(); }
    bool Finish() { return window->ScenarioRun()->WaitUntilFinished(60000); }
    int Stakes() { return window->GetWorkspace().Stakes().File().RecordCount(); }

    test::TempDir dir;
    test::FakeUiHost host;
    std::unique_ptr<MainWindow> window;
    gui::ScenarioPage* page = nullptr;
    int tests = 5;
    int mostTests = 0;
    QStringList shownLogs;
};

// Enough variants to keep a run busy for a while.
const char* const LongLine = "FULL:0#FIRST|TSD1#NUMS:5-400;1#LNO:#SF:0| | | | | | |долго";

}  // namespace

class ScenarioRunTest : public QObject {
    Q_OBJECT

private slots:
    void aTestRunsOnItsThreadAndShowsTheResultAtTheEnd() {
        RunWindow w({"FULL:0#FIRST|TSD1#NUMS:10#LNO:#SF:0| | | | | | |t"});
        QVERIFY(w.Enabled("ScriptRun"));
        QVERIFY(w.Enabled("ScriptTest"));
        QVERIFY(!w.Enabled("ScriptStop"));
        QCOMPARE(w.window->Actions().Find("ScriptTest")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F10));
        w.window->GetWorkspace().Options().ScriptLogEnabled = true;
        QVERIFY(w.window->Actions().Execute("ScriptTest"));
        QVERIFY(w.Finish());
        QCOMPARE(w.mostTests, w.window->GetWorkspace().Archive().Count() - 1);
        QCOMPARE(w.Stakes(), 9);  // five stakes with separators between the passes
        QCOMPARE(w.window->GetWorkspace().Stakes().Rating().Count(), 1);
        QCOMPARE(w.window->GetWorkspace().Archive().Offset(), 0);
        QCOMPARE(w.page->RunPanel(0)->text(), QString("Цикл: 0"));
        QCOMPARE(w.page->RunPanel(2)->text(), QString("Ставок: 5"));
        QCOMPARE(w.page->RunPanelText(3), QString("Сценарий завершен!"));
        QCOMPARE(w.shownLogs.size(), 1);
        QVERIFY(w.shownLogs.first().contains("ScriptLog_"));
        QVERIFY(w.window->LeftTabs()->isEnabled());
        QVERIFY(w.Enabled("ScriptRun"));
        QVERIFY(w.host.Messages.empty());
    }

    void validationOnNewDrawsShowsItsRowsAndTouchesNoFileOfTheUser() {
        RunWindow w({"FULL:0#FIRST|TSD1#NUMS:10#LNO:#SF:0| | | | | | |a",
                     "FULL:0#LAST|BSD1#SUMS:20#LMV:2#ST:1| | | | | | |b"});
        const int stakes = w.Stakes();
        auto* scenario = w.window->findChild<gui::ScenarioController*>();
        QVERIFY(scenario != nullptr);
        QWidget* shown = nullptr;
        connect(scenario, &gui::ScenarioController::ValidationShown, this,
                [&](QWidget* window) { shown = window; });
        const int draws = w.window->GetWorkspace().Archive().Count();
        test::WhenOpen<gui::ValidationDialog>([draws](gui::ValidationDialog& dialog) {
            // Both kinds of passes share the offsets up to draws - 1; each leaves one to the other.
            QCOMPARE(dialog.TrainBox()->maximum(), draws - 2);
            QCOMPARE(dialog.TestBox()->maximum(), draws - 2);
            dialog.TrainBox()->setValue(30);
            dialog.TestBox()->setValue(20);
            dialog.TopBox()->setValue(2);
            dialog.RankingBox()->setCurrentIndex(1);
            test::SaveScreenshot(&dialog, "validation_dialog.png");
            dialog.accept();
        });
        QVERIFY(w.window->Actions().Execute("ScriptValidate"));
        QVERIFY(w.Finish());
        QTRY_VERIFY(shown != nullptr);
        auto* result = qobject_cast<gui::ValidationWindow*>(shown);
        QVERIFY(result != nullptr);
        QCOMPARE(result->Table()->rowCount(), 2);
        QCOMPARE(result->Table()->item(0, 4)->text(), QString("20"));  // one stake per new draw
        QCOMPARE(result->Chart()->series().size(), 3);
        QVERIFY(
            result->Summary()->text().startsWith("Проверено строк: 2 из 2; на новых тиражах p не больше "));
        QCOMPARE(w.Stakes(), stakes);
        QVERIFY(w.window->LeftTabs()->isEnabled());
        test::SaveScreenshot(result, "validation_window.png");
        QTest::keyClick(result, Qt::Key_Escape);
        QTRY_VERIFY(!result->isVisible());

        // Stopped part-way, it shows nothing and the window is free again.
        shown = nullptr;
        test::WhenOpen<gui::ValidationDialog>([](gui::ValidationDialog& dialog) {
            dialog.TrainBox()->setValue(3000);
            dialog.TestBox()->setValue(300);
            dialog.accept();
        });
        QVERIFY(w.window->Actions().Execute("ScriptValidate"));
        QVERIFY(w.window->ScenarioRun()->IsRunning());
        w.host.Answers = {true};
        QVERIFY(w.window->Actions().Execute("ScriptStop"));
        QVERIFY(w.Finish());
        QTest::qWait(50);
        QVERIFY(shown == nullptr);
        QVERIFY(w.Enabled("ScriptValidate"));
    }

    // A row that could not become a scenario line shows "-" for the new draws, says why, and has
    // no point on their average's line; the summary counts only the rows tested.
    void theResultMarksTheRowsItCouldNotTest() {
        ValidationReport report;
        ValidationRow tested;
        tested.Comment = "01.000: a @ FULL#FIRST + TSD#NUMS:10#LNO:#SF:0";
        tested.TrainStakes = 30;
        tested.TrainMean = 0.4;
        tested.TestStakes = 20;
        tested.TestMean = 0.35;
        tested.TestP = 0.2L;
        ValidationRow untested = tested;
        untested.Comment = "02.000: @ CURR#FIRST";
        untested.Testable = false;
        report.Rows = {untested, tested};
        report.Tested = 1;
        report.ByChance = 0.05;
        gui::ValidationWindow window(report);
        QCOMPARE(window.Table()->rowCount(), 2);
        for (int column = 4; column < ValidationColumnCount; ++column)
            QCOMPARE(window.Table()->item(0, column)->text(), QString("-"));
        QCOMPARE(window.Table()->item(1, 4)->text(), QString("20"));
        QVERIFY(!window.Table()->item(0, 0)->toolTip().isEmpty());
        QVERIFY(window.Table()->item(1, 0)->toolTip().isEmpty());
        const auto series = window.Chart()->series();
        QCOMPARE(series.size(), 3);
        QCOMPARE(qobject_cast<QLineSeries*>(series[0])->count(), 2);  // chosen on
        QCOMPARE(qobject_cast<QLineSeries*>(series[1])->count(), 1);  // checked on
        QVERIFY(window.Summary()->text().startsWith("Проверено строк: 1 из 2; "));
    }

    // A window destroyed while a test runs stops the run before its data goes, and what the
    // run read is still whole afterwards.
    void aWindowDestroyedMidRunStopsTheRunFirst() {
        RunWindow w({LongLine});
        w.tests = 500;
        const int draws = w.window->GetWorkspace().Archive().Count();
        QVERIFY(w.window->Actions().Execute("ScriptTest"));
        QTest::qWait(200);
        QVERIFY(w.window->ScenarioRun()->IsRunning());
        w.window.reset();
        gui::MainWindow again(DataDirectory(w.dir.Path()), {});
        again.SetUiHost(&w.host);
        again.Initialise();
        QCOMPARE(again.GetWorkspace().Archive().Count(), draws);
    }

    void stopDuringATestKeepsTheOffsetAndFreesTheWindow() {
        RunWindow w({LongLine});
        w.tests = 500;  // far more than the test waits for: it is stopped
        QVERIFY(w.window->Actions().Execute("ScriptTest"));
        QVERIFY(w.window->ScenarioRun()->IsRunning());
        // Only "Стоп" acts meanwhile, and the data tabs are off.
        QVERIFY(w.Enabled("ScriptStop"));
        QVERIFY(!w.Enabled("ScriptRun"));
        QVERIFY(!w.Enabled("ScriptAdd"));
        QVERIFY(!w.window->LeftTabs()->isEnabled());
        auto* notice = w.window->findChild<QLabel*>("lbRunNotice");
        QVERIFY(!notice->isHidden());  // the kept list says it is kept
        QTest::qWait(400);
        w.window->RightTabs()->setCurrentWidget(w.page);
        w.window->resize(1200, 720);
        w.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
        // The run goes on meanwhile and its steps take turns on the panels: the test waits for a
        // filtering step rather than expecting one at a given moment.
        QTRY_VERIFY(w.page->RunPanelText(3).startsWith("Фильтр "));
        // The window's own status bar and offset box follow the run, whatever tab is shown.
        QString progress;
        QTRY_VERIFY2((progress = w.window->StatusText(6)).startsWith("Проход ") &&
                         progress.contains(" из 500: Фильтр "),
                     qPrintable(progress));
        QDir().mkpath(QUORVEL_SCREENSHOT_DIR);
        QVERIFY(w.window->grab().save(QString(QUORVEL_SCREENSHOT_DIR) + "/scenario_running.png"));
        auto* stop = w.page->findChild<QToolButton*>("btnScriptStop");
        QVERIFY(stop != nullptr && stop->isVisible() && stop->isEnabled());

        // While the question is open the run holds still, and what the window shows then is one
        // pass: its number, its offset and its next draw.
        RunHold& hold = w.window->GetWorkspace().Script().Hold();
        int pass = 0;
        int offset = 0;
        bool stillWhileAsked = false;
        w.host.WhileAsking = [&] {
            QTRY_VERIFY(hold.Waiting());
            QTest::qWait(250);  // more than a panel refresh
            progress = w.window->StatusText(6);
            pass = progress.section(' ', 1, 1).toInt();
            offset = w.window->Draws()->OffsetBox()->value();
            QTest::qWait(300);
            stillWhileAsked = w.window->StatusText(6) == progress &&
                              w.window->Draws()->OffsetBox()->value() == offset && hold.Waiting();
        };
        w.host.Answers = {false};
        QTest::mouseClick(stop, Qt::LeftButton);
        QVERIFY(stillWhileAsked);
        QVERIFY2(pass >= 1 && offset == 501 - pass, qPrintable(QString("%1 %2").arg(pass).arg(offset)));
        QCOMPARE(
            w.window->StatusText(1),
            QString("Следующий тираж: %1").arg(w.window->GetWorkspace().Archive().NextDrawNumber(offset)));
        QVERIFY(w.window->ScenarioRun()->IsRunning());  // No lets it go on
        QTRY_VERIFY(w.window->StatusText(6) != progress);

        w.host.Answers = {true};
        QVERIFY(w.window->Actions().Execute("ScriptStop"));
        QVERIFY(!w.Enabled("ScriptStop"));  // asked once
        QVERIFY(w.Finish());
        QCOMPARE(w.host.Last("question"), std::string("Остановить выполнение сценария?"));
        // It stopped in the pass shown while the question was open, and says it stopped.
        QCOMPARE(w.window->GetWorkspace().Archive().Offset(), 501 - pass);
        QCOMPARE(w.window->Draws()->OffsetBox()->value(), 501 - pass);
        QCOMPARE(w.window->StatusText(1),
                 QString("Следующий тираж: %1")
                     .arg(w.window->GetWorkspace().Archive().NextDrawNumber(501 - pass)));
        QCOMPARE(w.page->RunPanelText(3), QString("Сценарий остановлен!"));
        QVERIFY(w.window->LeftTabs()->isEnabled());
        QVERIFY(notice->isHidden());
        QVERIFY(w.Enabled("ScriptTest"));
    }

    // A long variant text never widens the window: its panels show what fits.
    void aRunNeverWidensTheWindow() {
        // Seven steps: the variant's text is far wider than the window.
        std::string line = "FULL:0#FIRST|TSD1#NUMS:5-400;1#LNO:#SF:0";
        for (int step = 1; step < 7; ++step)
            line += "|TSD1#NUMS:" + std::to_string(300 + step) + "#LMV:2#SF:0";
        RunWindow w({line + "|"});
        w.tests = 500;
        w.window->RightTabs()->setCurrentWidget(w.page);  // where a person watches the run
        w.window->resize(1024, 700);
        w.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
        const QSize size = w.window->size();
        QVERIFY(w.window->Actions().Execute("ScriptTest"));
        QTRY_VERIFY(w.page->RunPanelText(3).startsWith("Фильтр "));
        for (int tick = 0; tick < 5; ++tick) {
            QTest::qWait(120);
            QCOMPARE(w.window->size(), size);
        }
        w.host.Answers = {true};
        if (w.window->ScenarioRun()->IsRunning()) QVERIFY(w.window->Actions().Execute("ScriptStop"));
        QVERIFY(w.Finish());
        QCOMPARE(w.window->size(), size);
    }

    void closingDuringARunStopsItFirst() {
        RunWindow w({LongLine});
        w.tests = 500;  // far more than the test waits for: it is stopped
        QVERIFY(w.window->Actions().Execute("ScriptTest"));
        w.host.Answers = {false};
        QVERIFY(!w.window->close());
        QVERIFY(w.window->ScenarioRun()->IsRunning());
        w.host.Answers = {true};
        QVERIFY(w.window->close());
        QVERIFY(!w.window->ScenarioRun()->IsRunning());
    }

    void anErrorOnTheWorkerIsShownByTheWindow() {
        RunWindow w({"FULL:0#FIRST|TSD1#ZZZZ:10#LNO:#SF:0| | | | | | |"});
        QVERIFY(w.window->Actions().Execute("ScriptRun"));
        QVERIFY(w.Finish());
        QCOMPARE(w.host.Last("error"), std::string("Некорректное описание фильтра: TSD1#ZZZZ:10#LNO:#SF:0!"));
        QCOMPARE(w.Stakes(), 0);
        QVERIFY(w.Enabled("ScriptRun"));
    }
};

QTEST_MAIN(ScenarioRunTest)
#include "scenario_run_test.moc"
