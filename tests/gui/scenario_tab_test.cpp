#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "core/util/text_file.h"
#include "gui/app/main_window.h"
#include "gui/scenario/filter_step_dialog.h"
#include "gui/scenario/scenario_page.h"
#include "gui/scenario/script_line_dialog.h"
#include "gui/stats/method_combo.h"
#include "support/fake_ui_host.h"
#include "support/temp_dir.h"

using namespace quorvel;
using quorvel::gui::MainWindow;

namespace {

const char* const FirstLine = "excl:7#all#nex|tsd1#nums:10| | | | | | |Первая";
const char* const ThirdLine = "FULL#RAND|T#SUMS:10|BMF12#NUMS:10#LMV:5#ST:3| | | | | |Третья";

struct ScenarioWindow {
    ScenarioWindow() {
        window = std::make_unique<MainWindow>(DataDirectory(dir.Path()), std::vector<std::string>{});
        window->SetUiHost(&host);
        initialised = window->Initialise();
        page = window->RightTabs()->findChild<gui::ScenarioPage*>();
        // Three lines: a command line, a separator, a command line.
        const std::filesystem::path file = dir.Path() / "three.lsc";
        WriteTextFile(file, {FirstLine, "", ThirdLine});
        window->GetWorkspace().Script().OpenScriptFile(file);
    }
    QString Cell(int row, int column) const { return page->Model()->index(row, column).data().toString(); }
    bool Enabled(const char* name) { return window->Actions().Find(name)->isEnabled(); }

    test::TempDir dir;
    test::FakeUiHost host;
    std::unique_ptr<MainWindow> window;
    gui::ScenarioPage* page = nullptr;
    bool initialised = false;
};

// Presses OK on the step editor and returns the text of the message it shows, if any.
QString PressOk(gui::FilterStepDialog& editor) {
    QString shown;
    QTimer::singleShot(0, [&shown] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->accept();
        }
    });
    editor.accept();
    QCoreApplication::processEvents();
    return shown;
}

}  // namespace

class ScenarioTabTest : public QObject {
    Q_OBJECT

private slots:
    void theListShowsTheLinesNormalised() {
        ScenarioWindow w;
        QVERIFY(w.initialised);
        QVERIFY(w.page != nullptr);
        QCOMPARE(w.window->RightTabs()->tabText(w.window->RightTabs()->indexOf(w.page)), QString("Сценарий"));
        QCOMPARE(w.page->Model()->rowCount(), 3);
        QCOMPARE(w.page->Model()->columnCount(), 9);
        QCOMPARE(w.page->Model()->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QString("Комментарии"));
        QCOMPARE(w.page->Model()->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QString("Опции"));
        QCOMPARE(w.page->Model()->headerData(8, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QString("Фильтр 7"));
        QCOMPARE(w.page->CountLabel()->text(), QString("Строк: 3"));
        QCOMPARE(w.Cell(0, 0), QString("Первая"));
        QVERIFY(w.Cell(0, 1).startsWith("Исключить 7 тиражей; "));
        QVERIFY(w.Cell(0, 1).endsWith("; Только новые ставки"));
        QCOMPARE(w.Cell(0, 2), QString("TSD1#NUMS:10#LNO:#SF:0"));
        QCOMPARE(w.Cell(0, 3), QString());
        for (int column = 0; column < 9; ++column)
            QCOMPARE(w.Cell(1, column), QString());
        QCOMPARE(w.Cell(2, 0), QString("Третья"));
        QCOMPARE(w.Cell(2, 2), QString("TSD1#SUMS:10#LNO:#SF:0"));
        QCOMPARE(w.Cell(2, 3), QString("BMF12#NUMS:10#LMV:5#ST:3"));
    }

    void movingFollowsTheFirstSelectedRow() {
        ScenarioWindow w;
        // Nothing selected: neither move nor delete is offered.
        QVERIFY(!w.Enabled("ScriptUp"));
        QVERIFY(!w.Enabled("ScriptDel"));
        QVERIFY(w.Enabled("ScriptSave"));
        QVERIFY(w.Enabled("ScriptClr"));
        w.page->SelectOnly(0);
        QVERIFY(!w.Enabled("ScriptUp"));
        QVERIFY(w.Enabled("ScriptDown"));
        QVERIFY(w.Enabled("ScriptEdit"));
        w.page->SelectOnly(1);
        // The separator cannot be edited nor cloned.
        QVERIFY(!w.Enabled("ScriptEdit"));
        QVERIFY(!w.Enabled("ScriptClone"));
        w.page->SelectOnly(2);
        QVERIFY(!w.Enabled("ScriptDown"));
        QVERIFY(w.window->Actions().Execute("ScriptUp"));
        QCOMPARE(w.Cell(1, 0), QString("Третья"));
        QCOMPARE(w.Cell(2, 0), QString());
        QCOMPARE(w.page->SelectedRows(), std::vector<int>{1});
        QCOMPARE(w.window->GetWorkspace().Script().ScriptLine(1), std::string(ThirdLine));
        QVERIFY(w.window->Actions().Execute("ScriptUp"));
        QCOMPARE(w.Cell(0, 0), QString("Третья"));
        QCOMPARE(w.page->SelectedRows(), std::vector<int>{0});
        QVERIFY(!w.Enabled("ScriptUp"));
        QVERIFY(!w.window->Actions().Execute("ScriptUp"));
        // The change reached the autosave file.
        const std::vector<std::string> saved = ReadTextFile(w.window->GetWorkspace().Script().AutosavePath());
        QCOMPARE(saved.size(), size_t(3));
        QCOMPARE(saved[0], std::string(ThirdLine));
        QCOMPARE(saved[1], std::string(FirstLine));
    }

    void deletingAsksFirst() {
        ScenarioWindow w;
        w.page->SelectOnly(0);
        w.page->List()->selectionModel()->select(w.page->Model()->index(2, 0),
                                                 QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QVERIFY(w.Enabled("ScriptDel"));
        w.host.Answers = {false};
        w.window->Actions().Execute("ScriptDel");
        QCOMPARE(w.host.Last("delete"),
                 std::string("Удалить все выделенные записи (всего будет удалено 2 записи(ей))?"));
        QCOMPARE(w.page->Model()->rowCount(), 3);
        w.host.Answers = {true};
        w.window->Actions().Execute("ScriptDel");
        QCOMPARE(w.page->Model()->rowCount(), 1);
        QCOMPARE(w.page->CountLabel()->text(), QString("Строк: 1"));
        QCOMPARE(w.Cell(0, 0), QString());
        QVERIFY(!w.Enabled("ScriptDel"));
        // A separator appended to a non-empty scenario becomes the only selected row.
        QVERIFY(w.window->Actions().Execute("ScriptEmpty"));
        QCOMPARE(w.page->Model()->rowCount(), 2);
        QCOMPARE(w.page->SelectedRows(), std::vector<int>{1});
        w.host.Answers = {true};
        QVERIFY(w.window->Actions().Execute("ScriptClr"));
        QCOMPARE(w.host.Last("delete"),
                 std::string("Удалить все выделенные записи (всего будет удалено 2 записи(ей))?"));
        QCOMPARE(w.page->CountLabel()->text(), QString("Строк: 0"));
        QVERIFY(!w.Enabled("ScriptSave"));
        QVERIFY(!w.Enabled("ScriptEmpty"));
        QVERIFY(w.Enabled("ScriptAdd"));
    }

    void theLineDialogReadsAndBuildsALine() {
        gui::ScriptLineDialog dialog("Редактирование строки", 3, FirstLine, {});
        QCOMPARE(dialog.windowTitle(), QString("Редактирование строки"));
        QCOMPARE(dialog.CommentEdit()->text(), QString("Первая"));
        // The line's options override the default number of draws.
        QCOMPARE(dialog.ListModeBox()->currentIndex(), 1);
        QCOMPARE(dialog.DrawsBox()->value(), 7);
        QCOMPARE(dialog.StakeModeBox()->currentIndex(), 3);
        QVERIFY(!dialog.ClearStakesBox()->isChecked());
        QVERIFY(dialog.NewStakesBox()->isChecked());
        QCOMPARE(dialog.StepEdit(0)->text(), QString("tsd1#nums:10"));
        QCOMPARE(dialog.StepEdit(1)->text(), QString());
        QCOMPARE(dialog.Line(), std::string("EXCL:7#ALL#NEX|tsd1#nums:10| | | | | | |Первая"));
        dialog.ListModeBox()->setCurrentIndex(2);
        dialog.StakeModeBox()->setCurrentIndex(0);
        dialog.ClearStakesBox()->setChecked(true);
        dialog.NewStakesBox()->setChecked(false);
        dialog.CommentEdit()->clear();
        dialog.StepEdit(6)->setText("T#SUMS:10");
        QCOMPARE(dialog.Line(), std::string("CURR:7#RAND#CLR|tsd1#nums:10| | | | | |T#SUMS:10|"));

        gui::ScriptLineDialog blank("Создание новой строки", 4, "", {});
        QCOMPARE(blank.CommentEdit()->text(), QString());
        QCOMPARE(blank.StepEdit(0)->text(), QString());
        QCOMPARE(blank.ListModeBox()->currentIndex(), 0);
        QCOMPARE(blank.DrawsBox()->value(), 4);
        QCOMPARE(blank.StakeModeBox()->currentIndex(), 0);
        QVERIFY(!blank.NewStakesBox()->isChecked());
        blank.show();
        QVERIFY(QTest::qWaitForWindowExposed(&blank));
        QDir().mkpath(QUORVEL_SCREENSHOT_DIR);
        QVERIFY(blank.grab().save(QString(QUORVEL_SCREENSHOT_DIR) + "/scenario_line_dialog.png"));
    }

    void theStepEditorOpensOnDefaultsAndReadsAStep() {
        ScenarioWindow w;
        const TStatList& catalogue = w.window->GetWorkspace().Stats().List();
        const int nums = catalogue.IndexOfCode("NUMS");
        const int sums = catalogue.IndexOfCode("SUMS");
        const gui::FilterStepDefaults defaults{&catalogue, sums, 25};

        gui::FilterStepDialog empty(TFilterItem{}, defaults);
        QCOMPARE(empty.windowTitle(), QString("Фильтр"));
        QCOMPARE(empty.MethodBox()->CurrentEntry(), sums);
        QCOMPARE(empty.DrawsEdit()->text(), QString("25"));
        QCOMPARE(empty.SortColumnBox()->currentIndex(), 1);
        QCOMPARE(empty.RuleBox()->currentIndex(), 0);
        QCOMPARE(empty.StopBox()->currentIndex(), 0);
        QVERIFY(empty.TopDownButton()->isChecked());
        QVERIFY(!empty.BottomUpButton()->isChecked());
        QVERIFY(empty.RemoveButton()->isChecked());
        QVERIFY(!empty.KeepButton()->isChecked());
        // Those defaults would empty the list: the dialog says so until one of them changes.
        QVERIFY(!empty.RemovesEverythingNote()->isHidden());
        empty.KeepButton()->setChecked(true);
        QVERIFY(empty.RemovesEverythingNote()->isHidden());
        empty.RemoveButton()->setChecked(true);
        empty.StopBox()->setCurrentIndex(1);
        QVERIFY(empty.RemovesEverythingNote()->isHidden());
        empty.StopBox()->setCurrentIndex(0);
        // The weight coefficients are offered only for the weight rules, and only when overridden.
        QVERIFY(!empty.WeightOverrideBox()->isEnabled());
        empty.RuleBox()->setCurrentIndex(20);
        QVERIFY(empty.WeightOverrideBox()->isEnabled());
        QVERIFY(!empty.CountBox()->isEnabled());
        empty.WeightOverrideBox()->setChecked(true);
        QVERIFY(empty.CountBox()->isEnabled());
        QVERIFY(empty.PercentsBox()->isEnabled());
        QCOMPARE(empty.CountBox()->value(), catalogue.Config.Weights.Count);

        const char* const text = "BMF12#NUMS:10#LMV:5#ST:3";
        gui::FilterStepDialog loaded(StrToFilterItem(text, catalogue), defaults);
        QCOMPARE(loaded.MethodBox()->CurrentEntry(), nums);
        QCOMPARE(loaded.DrawsEdit()->text(), QString("10"));
        QCOMPARE(loaded.SortColumnBox()->currentIndex(), 12);
        QVERIFY(loaded.BottomUpButton()->isChecked());
        QVERIFY(loaded.KeepButton()->isChecked());
        QVERIFY(loaded.MultiSelectBox()->isChecked());
        QCOMPARE(loaded.RuleValuesEdit()->text(), QString("5"));
        QCOMPARE(loaded.StopValueBox()->value(), 3);
        QCOMPARE(FilterItemToStr(loaded.Item(), catalogue), std::string(text));
        // Letters cannot be typed into the number list fields.
        loaded.DrawsEdit()->clear();
        QTest::keyClicks(loaded.DrawsEdit(), "1a-9;2");
        QCOMPARE(loaded.DrawsEdit()->text(), QString("1-9;2"));
    }

    void theStepEditorRefusesWhatCannotRun() {
        ScenarioWindow w;
        const TStatList& catalogue = w.window->GetWorkspace().Stats().List();
        gui::FilterStepDialog editor(TFilterItem{}, {&catalogue, catalogue.IndexOfCode("NUMS"), 0});
        editor.show();
        QCOMPARE(PressOk(editor), QString("Введен некорректный диапазон значений!"));
        QCOMPARE(editor.result(), int(QDialog::Rejected));
        QVERIFY(editor.DrawsEdit()->hasFocus() || !QApplication::focusWidget());
        editor.DrawsEdit()->setText("10");
        editor.RuleBox()->setCurrentIndex(1);
        QCOMPARE(PressOk(editor), QString("Введен некорректный диапазон значений!"));
        editor.RuleValuesEdit()->setText("3");
        editor.MultiSelectBox()->setChecked(true);
        editor.StopBox()->setCurrentIndex(1);
        QVERIFY(PressOk(editor).startsWith("В режиме мультивыделения остановка сценария"));
        editor.StopBox()->setCurrentIndex(0);
        QCOMPARE(PressOk(editor), QString());
        QCOMPARE(editor.result(), int(QDialog::Accepted));
        QCOMPARE(FilterItemToStr(editor.Item(), catalogue), std::string("TMD1#NUMS:10#LMV:3#SF:1"));
    }

    void theDotsButtonEditsAStepField() {
        ScenarioWindow w;
        const TStatList& catalogue = w.window->GetWorkspace().Stats().List();
        gui::ScriptLineDialog dialog("Редактирование строки", 0, FirstLine,
                                     {&catalogue, catalogue.IndexOfCode("SUMS"), 10});
        int opened = 0;
        dialog.SetStepEditorRunner([&](gui::FilterStepDialog& editor) {
            ++opened;
            editor.KeepButton()->setChecked(true);
            return opened == 1;  // OK the first time, Cancel the second
        });
        dialog.EditStep(0);
        QCOMPARE(dialog.StepEdit(0)->text(), QString("TSF1#NUMS:10#LNO:#SF:1"));
        // An empty field opens on the statistics tab's method; Cancel leaves the field alone.
        dialog.EditStep(1);
        QCOMPARE(dialog.StepEdit(1)->text(), QString());
        QCOMPARE(opened, 2);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::mouseDClick(dialog.StepEdit(2), Qt::LeftButton);
        QCOMPARE(opened, 3);

        gui::FilterStepDialog editor(StrToFilterItem("BMF12#NUMS:10#LMV:5#ST:3", catalogue),
                                     {&catalogue, -1, 0});
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        QDir().mkpath(QUORVEL_SCREENSHOT_DIR);
        QVERIFY(editor.grab().save(QString(QUORVEL_SCREENSHOT_DIR) + "/filter_step_dialog.png"));
    }

    void screenshot() {
        ScenarioWindow w;
        w.page->SelectOnly(0);
        w.window->RightTabs()->setCurrentWidget(w.page);
        w.window->resize(1200, 720);
        w.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
        QDir().mkpath(QUORVEL_SCREENSHOT_DIR);
        QVERIFY(w.window->grab().save(QString(QUORVEL_SCREENSHOT_DIR) + "/scenario_tab.png"));
    }
};

QTEST_MAIN(ScenarioTabTest)
#include "scenario_tab_test.moc"
