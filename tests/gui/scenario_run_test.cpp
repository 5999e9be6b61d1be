#include <QChart>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
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
        QCOMPARE(w.page->RunPanel(3)->text(), QString("Сценарий завершен!"));
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
        test::WhenOpen<gui::ValidationDialog>([](gui::ValidationDialog& dialog) {
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
        QVERIFY(result->Summary()->text().startsWith("Строк: 2; на новых тиражах p не больше "));
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
        QTRY_VERIFY(w.page->RunPanel(3)->text().startsWith("Фильтр "));
        // The window's own status bar and offset box follow the run, whatever tab is shown.
        // (A panel may be a pass ahead of another.)
        QString progress;
        QTRY_VERIFY2((progress = w.window->StatusText(6)).startsWith("Проход ") &&
                         progress.contains(" из 500: Фильтр "),
                     qPrintable(progress));
        const int pass = progress.section(' ', 1, 1).toInt();
        const int offset = w.window->Draws()->OffsetBox()->value();
        QVERIFY2(pass >= 1 && std::abs(offset - (501 - pass)) <= 1,
                 qPrintable(QString("%1 %2").arg(pass).arg(offset)));
        QStringList near;
        for (int o : {offset - 1, offset, offset + 1})
            near << QString("Следующий тираж: %1").arg(w.window->GetWorkspace().Archive().NextDrawNumber(o));
        QVERIFY2(near.contains(w.window->StatusText(1)), qPrintable(w.window->StatusText(1)));
        QDir().mkpath(QUORVEL_SCREENSHOT_DIR);
        QVERIFY(w.window->grab().save(QString(QUORVEL_SCREENSHOT_DIR) + "/scenario_running.png"));

        w.host.Answers = {false};
        QVERIFY(w.window->Actions().Execute("ScriptStop"));
        QVERIFY(w.window->ScenarioRun()->IsRunning());  // No keeps it going
        w.host.Answers = {true};
        QVERIFY(w.window->Actions().Execute("ScriptStop"));
        QVERIFY(!w.Enabled("ScriptStop"));  // asked once
        QVERIFY(w.Finish());
        QCOMPARE(w.host.Last("question"), std::string("Остановить выполнение сценария?"));
        QVERIFY(w.window->GetWorkspace().Archive().Offset() > 0);
        QVERIFY(w.window->LeftTabs()->isEnabled());
        QVERIFY(notice->isHidden());
        QVERIFY(w.Enabled("ScriptTest"));
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
