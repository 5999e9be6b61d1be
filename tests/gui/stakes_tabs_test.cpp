#include <QChart>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>
#include <filesystem>
#include <functional>
#include <memory>

#include "gui/app/main_window.h"
#include "gui/combos/combs_page.h"
#include "gui/stakes/multi_stake_dialog.h"
#include "gui/stakes/stake_dialog.h"
#include "gui/stakes/stake_filter_dialog.h"
#include "gui/stakes/stakes_models.h"
#include "gui/stakes/stakes_pages.h"
#include "gui/widgets/chart_window.h"
#include "support/fake_ui_host.h"
#include "support/sample_window.h"
#include "support/screenshot.h"
#include "support/temp_dir.h"
#include "support/when_open.h"

using namespace quorvel;
using quorvel::gui::MainWindow;

using quorvel::test::WhenOpen;

namespace {

struct SampleWindow {
    SampleWindow() {
        window = test::OpenSampleWindow(dir.Path(), host);
        stakes = window->RightTabs()->findChild<gui::StakesPage*>();
        rating = window->RightTabs()->findChild<gui::RatingPage*>();
    }
    // A manual stake on a given draw, as the stake dialog makes it.
    void AddStake(int draw, const QString& values, const QString& comment, int draws = 1) {
        gui::StakeDialog dialog(window->GetWorkspace().Stakes().NewManualStake());
        dialog.DrawBox()->setValue(draw);
        dialog.ValuesEdit()->setText(values);
        dialog.CommentEdit()->setText(comment);
        dialog.DrawsBox()->setValue(draws);
        QVERIFY(!dialog.Problem().has_value());
        QVERIFY(window->GetWorkspace().Stakes().AddStake(dialog.Stake(), dialog.Draws()));
    }
    QString Cell(QAbstractItemModel* model, int row, int column) {
        return model->index(row, column).data().toString();
    }
    void Screenshot(int tab, const QString& name) {
        window->RightTabs()->setCurrentIndex(tab);
        window->resize(1200, 720);
        test::SaveScreenshot(window.get(), name);
    }

    test::TempDir dir;
    test::FakeUiHost host;
    std::unique_ptr<MainWindow> window;
    gui::StakesPage* stakes = nullptr;
    gui::RatingPage* rating = nullptr;
};

// Answers the multi-stake dialog with a draw, a number of draws and a comment.
void AnswerMultiStake(int draw, int draws, const QString& comment) {
    WhenOpen<gui::MultiStakeDialog>([=](gui::MultiStakeDialog& dialog) {
        dialog.DrawBox()->setValue(draw);
        dialog.DrawsBox()->setValue(draws);
        dialog.CommentEdit()->setText(comment);
        dialog.accept();
    });
}

void SelectCombRows(gui::CombsPage* page, std::initializer_list<int> rows) {
    page->List()->clearSelection();
    for (int row : rows) {
        page->List()->selectionModel()->select(page->List()->model()->index(row, 0),
                                               QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
}

// The chart windows the stakes and rating graphs opened, newest last.
QList<gui::ChartWindow*> StakesCharts() {
    QList<gui::ChartWindow*> charts;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* chart = qobject_cast<gui::ChartWindow*>(widget);
        if (chart != nullptr && chart->objectName() == "StakesChart" && chart->isVisible()) charts << chart;
    }
    return charts;
}

void CloseCharts() {
    for (gui::ChartWindow* chart : StakesCharts())
        chart->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Pixels of the cell that are drawn in the bold blue of a matching value.
int BluePixels(QTableView* view, int row, int column) {
    const QImage image =
        view->viewport()->grab(view->visualRect(view->model()->index(row, column))).toImage();
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += c.blue() > 180 && c.red() < 90 && c.green() < 90;
        }
    }
    return count;
}

QStringList MenuTexts(const QList<QAction*>& actions) {
    QStringList texts;
    for (QAction* action : actions)
        texts << (action->isSeparator() ? QString("-") : action->text());
    return texts;
}

}  // namespace

class StakesTabsTest : public QObject {
    Q_OBJECT

private slots:
    void theStakeDialogChecksItsEntries() {
        TStakeRecord stake;
        stake.Kind = StakeKindManual;
        stake.DrawNumber = 5;
        stake.Values = TStakeComb{3, {1, 2, 3, 0}};
        stake.Comment.SetText("Ставка \"вручную\"");
        gui::StakeDialog dialog(stake);
        QCOMPARE(dialog.windowTitle(), QString("Добавление ставки"));
        QCOMPARE(dialog.ValuesEdit()->text(), QString("1;2;3"));
        QCOMPARE(dialog.SumEdit()->text(), QString("6"));
        dialog.ValuesEdit()->setText("4,5,9");
        QCOMPARE(dialog.SumEdit()->text(), QString("18"));
        QVERIFY(!dialog.Problem().has_value());
        dialog.DrawsBox()->setValue(3);
        QCOMPARE(dialog.Draws(), 3);
        QCOMPARE(dialog.Stake().Values, (TStakeComb{3, {4, 5, 9, 0}}));
        QCOMPARE(dialog.Stake().DrawNumber, 5);
        dialog.ValuesEdit()->setText("1;2");
        QCOMPARE(dialog.Problem().value_or(""), QString("Введена некорректная комбинация!"));
        dialog.ValuesEdit()->setText("1;2;3");
        dialog.CommentEdit()->clear();
        QCOMPARE(dialog.Problem().value_or(""), QString("Необходимо ввести комментарий!"));
    }

    void stakesAreShownCheckedAndRated() {
        SampleWindow s;
        QVERIFY(s.stakes != nullptr && s.rating != nullptr);
        QAbstractItemModel* grid = s.stakes->Grid()->model();
        QCOMPARE(grid->headerData(0, Qt::Horizontal).toString(), QString("№ тиража"));
        QCOMPARE(grid->headerData(8, Qt::Horizontal).toString(), QString("Комментарий"));
        QCOMPARE(s.stakes->Grid()->columnWidth(2), 120);
        QCOMPARE(s.stakes->Grid()->columnWidth(8), 1000);
        QCOMPARE(grid->rowCount(), 0);

        // Draw 1 of the sample is 7;4;8 and draw 2 is 0;9;2; draw 99999 is not in the archive.
        s.AddStake(1, "7;4;8", "Мой");
        s.AddStake(2, "0;1;2", "мой");
        s.AddStake(99999, "1;1;1", "Будущий");
        QCOMPARE(grid->rowCount(), 3);
        QCOMPARE(s.window->StatusText(4), QString("Ставок: 3"));
        QCOMPARE(s.Cell(grid, 0, 1), QString("Вручную"));
        QCOMPARE(s.Cell(grid, 0, 2), QString("7;4;8"));
        QCOMPARE(s.Cell(grid, 0, 4), QString("7;4;8"));
        QCOMPARE(s.Cell(grid, 0, 5), QString("3"));
        QCOMPARE(s.Cell(grid, 1, 5), QString("2"));
        QCOMPARE(s.Cell(grid, 1, 6), QString("0 2"));
        QCOMPARE(s.Cell(grid, 2, 4), QString());  // not checked
        QCOMPARE(grid->index(0, 1).data(Qt::BackgroundRole).value<QBrush>().color(),
                 QColor(0xEA, 0xFF, 0xEA));
        // A win is green, a loss red, an unchecked stake keeps the ordinary colour.
        const bool won = s.Cell(grid, 0, 7).toDouble() > 0;
        QCOMPARE(grid->index(0, 7).data(Qt::ForegroundRole).value<QBrush>().color(),
                 won ? QColor(Qt::darkGreen) : QColor(Qt::red));
        QCOMPARE(grid->index(2, 7).data(Qt::ForegroundRole).value<QBrush>().color(), QColor(Qt::black));
        QCOMPARE(grid->index(0, 7).data(Qt::TextAlignmentRole).toInt(),
                 int(Qt::AlignRight | Qt::AlignVCenter));

        // Both checked stakes share one rating row; the unchecked one is not rated.
        QAbstractItemModel* list = s.rating->List()->model();
        QCOMPARE(list->rowCount(), 1);
        QCOMPARE(s.window->StatusText(5), QString("Рейтинг: 1"));
        QCOMPARE(list->headerData(3, Qt::Horizontal).toString(), QString("Среднее"));
        QCOMPARE(s.Cell(list, 0, 1), QString("2"));
        QCOMPARE(s.Cell(list, 0, 2), QString("5"));
        QVERIFY(s.window->Actions().Execute("StakesCheckManual"));
        QCOMPARE(s.Cell(list, 0, 1), QString("2"));  // checking again adds nothing

        // A stake for three draws after a real stake: each copy follows a separator.
        s.AddStake(3, "6;4;6", "Другой", 3);
        QCOMPARE(grid->rowCount(), 9);
        QCOMPARE(s.Cell(grid, 3, 0), QString());
        QCOMPARE(s.Cell(grid, 4, 0), QString("3"));
        QCOMPARE(s.Cell(grid, 8, 0), QString("5"));
        QCOMPARE(grid->index(3, 1).data(Qt::BackgroundRole).value<QBrush>().color(),
                 QApplication::palette().color(QPalette::Window));
        QCOMPARE(list->rowCount(), 2);
        emit s.rating->SortRequested(1);  // a new column: ascending
        QCOMPARE(s.Cell(list, 0, 0), QString("Мой"));
        QCOMPARE(s.window->GetWorkspace().Stakes().RatingSortColumn(), 1);
        QVERIFY(!s.window->GetWorkspace().Stakes().RatingDescending());
        emit s.rating->SortRequested(1);  // the same column again: descending
        QVERIFY(s.window->GetWorkspace().Stakes().RatingDescending());
        QCOMPARE(s.Cell(list, 0, 0), QString("Другой"));
        QCOMPARE(s.Cell(list, 0, 1), QString("3"));

        s.Screenshot(5, "stakes_tab.png");
        s.Screenshot(6, "rating_tab.png");

        // Deleting the selected rows asks first; "no" keeps them.
        s.stakes->Grid()->selectRow(2);
        QVERIFY(s.window->Actions().Find("StakeDel")->isEnabled());
        QVERIFY(s.window->Actions().Execute("StakeDel"));
        QCOMPARE(s.host.Last("delete"), std::string("Удалить выделенную запись?"));
        QCOMPARE(grid->rowCount(), 9);
        s.host.Answers.push_back(true);
        s.stakes->Grid()->selectRow(2);
        QVERIFY(s.window->Actions().Execute("StakeDel"));
        QCOMPARE(grid->rowCount(), 8);
        QCOMPARE(s.Cell(grid, 1, 0), QString("2"));
        QCOMPARE(s.Cell(grid, 2, 0), QString());
        QCOMPARE(s.Cell(grid, 3, 0), QString("3"));

        // Rebuilding asks while the rating holds rows.
        s.host.Answers.push_back(true);
        QVERIFY(s.window->Actions().Execute("RatingsRefresh"));
        QCOMPARE(s.host.Last("question"),
                 std::string("Пересчитать рейтинг только по текущим ставкам?\r\r"
                             "Накопленные ранее данные по удаленным ставкам будут потеряны."));
        QCOMPARE(list->rowCount(), 2);

        // Deleting all, then keeping the rating as it was.
        s.host.Answers.push_back(true);
        s.host.Answers.push_back(false);
        QVERIFY(s.window->Actions().Execute("StakeClear"));
        QCOMPARE(grid->rowCount(), 0);
        QCOMPARE(s.window->StatusText(4), QString("Ставок: 0"));
        QCOMPARE(list->rowCount(), 2);
        QVERIFY(!s.window->Actions().Find("StakesCheckManual")->isEnabled());
    }

    // A person who quits with stakes and starts again sees them at once, not after Ctrl+F5.
    void stakesOfAnEarlierStartAreShownAtTheNextStart() {
        test::TempDir dir;
        {
            test::FakeUiHost first;
            auto window = test::OpenSampleWindow(dir.Path(), first);
            window->GetWorkspace().Stakes().AddStakesForCombs({{{1, 2, 3}}, {{4, 5, 6}}}, 3330, 2, "Мой");
        }
        test::FakeUiHost host;
        gui::MainWindow again(DataDirectory(dir.Path()), {});
        again.SetUiHost(&host);
        QVERIFY(again.Initialise());
        auto* page = again.RightTabs()->findChild<gui::StakesPage*>();
        const int records = again.GetWorkspace().Stakes().File().RecordCount();
        QVERIFY(records >= 4);
        QCOMPARE(page->Grid()->model()->rowCount(), records);
        QCOMPARE(again.StatusText(4), QString("Ставок: %1").arg(records));
    }

    void multiStakesFollowTheCombinationList() {
        SampleWindow s;
        Workspace& ws = s.window->GetWorkspace();
        gui::CombsPage* combs = s.window->Combs();
        QAbstractItemModel* grid = s.stakes->Grid()->model();
        QVERIFY(!s.window->Actions().Find("StakeAddSelected")->isEnabled());
        SelectCombRows(combs, {7, 2, 5});
        QVERIFY(s.window->Actions().Find("StakeAddSelected")->isEnabled());

        // Cancelling stakes nothing and keeps the selection.
        bool opened = false;
        WhenOpen<gui::MultiStakeDialog>([&](gui::MultiStakeDialog& dialog) {
            opened = true;
            QCOMPARE(dialog.DrawNumber(), ws.Archive().NextDrawNumber(ws.Archive().Offset()));
            QCOMPARE(dialog.Draws(), 1);
            QCOMPARE(dialog.Comment(), QString("Ставка \"вручную\""));
            dialog.reject();
        });
        QVERIFY(s.window->Actions().Execute("StakeAddSelected"));
        QVERIFY(opened);
        QCOMPARE(grid->rowCount(), 0);
        QCOMPARE(combs->SelectedRows().size(), size_t(3));

        // Draw 1 of the sample is 7;4;8: the stakes are made in list order and checked at once.
        AnswerMultiStake(1, 1, "Мульти");
        QVERIFY(s.window->Actions().Execute("StakeAddSelected"));
        QCOMPARE(grid->rowCount(), 3);
        QCOMPARE(s.Cell(grid, 0, 2), QString("0;0;2"));
        QCOMPARE(s.Cell(grid, 1, 2), QString("0;0;5"));
        QCOMPARE(s.Cell(grid, 2, 2), QString("0;0;7"));
        QCOMPARE(s.Cell(grid, 2, 0), QString("1"));
        QCOMPARE(s.Cell(grid, 2, 1), QString("Вручную"));
        QCOMPARE(s.Cell(grid, 2, 3), QString("1000"));
        QCOMPARE(s.Cell(grid, 2, 4), QString("7;4;8"));
        QCOMPARE(s.Cell(grid, 2, 8), QString("Мульти"));
        QVERIFY(combs->SelectedRows().empty());
        QVERIFY(!s.window->Actions().Find("StakeAddSelected")->isEnabled());

        // Every combination of the list for two draws: each copy follows a separator.
        AnswerMultiStake(2, 2, "Все");
        QVERIFY(s.window->Actions().Execute("StakeAddAll"));
        QCOMPARE(grid->rowCount(), 3 + 1000 * 4);
        QCOMPARE(s.window->StatusText(4), QString("Ставок: 4003"));
        QCOMPARE(s.Cell(grid, 3, 0), QString());
        QCOMPARE(s.Cell(grid, 4, 0), QString("2"));
        QCOMPARE(s.Cell(grid, 4, 2), QString("0;0;0"));
        QCOMPARE(s.Cell(grid, 6, 0), QString("3"));
        QCOMPARE(s.Cell(grid, 6, 2), QString("0;0;0"));
        QCOMPARE(s.Cell(grid, 8, 2), QString("0;0;1"));
        QCOMPARE(s.Cell(grid, 4002, 2), QString("9;9;9"));
        QVERIFY(!s.Cell(grid, 4002, 4).isEmpty());  // checked at once
        // The list and its selection are untouched by staking all of it.
        QCOMPARE(ws.Combs().List().CombCount(), 1000);
        QCOMPARE(s.rating->List()->model()->rowCount(), 2);
    }

    void doubleClickAndRandomStakeOfferACombinationOfTheList() {
        SampleWindow s;
        Workspace& ws = s.window->GetWorkspace();
        gui::CombsPage* combs = s.window->Combs();
        s.window->LeftTabs()->setCurrentWidget(combs);
        s.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(s.window.get()));
        QTableView* list = combs->List();
        QString offered;
        WhenOpen<gui::StakeDialog>([&](gui::StakeDialog& dialog) {
            offered = dialog.ValuesEdit()->text();
            dialog.reject();
        });
        // A double click follows a click, which gives the view the row it was pressed on.
        const QPoint cell = list->visualRect(list->model()->index(5, 0)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, cell);
        QCOMPARE(offered, QString("0;0;5"));
        QCOMPARE(s.stakes->Grid()->model()->rowCount(), 0);

        // A random stake always offers a combination of the current list.
        ws.Combs().PasteCombs("1;2;3\r\n4;5;6\r\n");
        QCOMPARE(ws.Combs().List().CombCount(), 2);
        const QSet<QString> listed{"1;2;3", "4;5;6"};
        for (int i = 0; i < 8; ++i) {
            offered.clear();
            WhenOpen<gui::StakeDialog>([&](gui::StakeDialog& dialog) {
                offered = dialog.ValuesEdit()->text();
                dialog.reject();
            });
            QVERIFY(s.window->Actions().Execute("StakeAddRandom"));
            QVERIFY2(listed.contains(offered), qPrintable(offered));
        }
        WhenOpen<gui::StakeDialog>([](gui::StakeDialog& dialog) { dialog.accept(); });
        QVERIFY(s.window->Actions().Execute("StakeAddRandom"));
        QCOMPARE(s.stakes->Grid()->model()->rowCount(), 1);
        QVERIFY(listed.contains(s.Cell(s.stakes->Grid()->model(), 0, 2)));
        QCOMPARE(s.Cell(s.stakes->Grid()->model(), 0, 3), QString("2"));
    }

    void altF4StakesTheSelectionOnlyFromTheCombinationList() {
        SampleWindow s;
        gui::CombsPage* combs = s.window->Combs();
        s.window->LeftTabs()->setCurrentWidget(combs);
        s.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(s.window.get()));
        s.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(s.window.get()));
        combs->List()->setFocus();
        QVERIFY(QTest::qWaitFor([&] { return combs->List()->hasFocus(); }));
        SelectCombRows(combs, {3});
        bool opened = false;
        WhenOpen<gui::MultiStakeDialog>([&](gui::MultiStakeDialog& dialog) {
            opened = true;
            dialog.reject();
        });
        QTest::keyClick(combs->List(), Qt::Key_F4, Qt::AltModifier);
        QVERIFY(opened);
        QVERIFY(s.window->isVisible());

        // The list claims the key only while it can stake: without a selection the key is left
        // to the shortcuts, where it ends the program as everywhere else.
        auto claimed = [&] {
            QKeyEvent override(QEvent::ShortcutOverride, Qt::Key_F4, Qt::AltModifier);
            override.ignore();
            QApplication::sendEvent(combs->List(), &override);
            return override.isAccepted();
        };
        QVERIFY(claimed());
        combs->List()->clearSelection();
        QVERIFY(!claimed());
        QCOMPARE(s.window->Actions().Find("ExitProgram")->shortcut(), QKeySequence(QKeySequence::Quit));
        QVERIFY(s.window->Actions().Find("ExitProgram")->shortcuts().contains(QKeySequence("Alt+F4")));

        // Shift+F4 stakes the selection from anywhere in the window, as the desktop never takes it.
        SelectCombRows(combs, {3});
        s.window->RightTabs()->setCurrentWidget(s.stakes);
        s.stakes->Grid()->setFocus();
        opened = false;
        WhenOpen<gui::MultiStakeDialog>([&](gui::MultiStakeDialog& dialog) {
            opened = true;
            dialog.reject();
        });
        QVERIFY(s.window->Actions().Find("StakeAddSelected")->isEnabled());
        s.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(s.window.get()));
        QTest::keyClick(s.stakes->Grid(), Qt::Key_F4, Qt::ShiftModifier);
        QVERIFY(opened);
        // A key without modifiers: the application's last known modifiers are Shift otherwise,
        // and the next test's selections would extend instead of replace.
        QTest::keyClick(s.stakes->Grid(), Qt::Key_Home);
    }

    void deletingByConditionKeepsSeparators() {
        SampleWindow s;
        QAbstractItemModel* grid = s.stakes->Grid()->model();
        s.AddStake(1, "7;4;8", "Три");
        s.AddStake(1, "0;0;0", "Ноль");
        s.AddStake(99999, "1;1;1", "Будущий");
        s.AddStake(2, "0;9;2", "Два тиража", 2);  // separator, draw 2, separator, draw 3
        QCOMPARE(grid->rowCount(), 7);
        auto countRows = [&](int column, const QString& text) {
            int n = 0;
            for (int row = 0; row < grid->rowCount(); ++row)
                n += s.Cell(grid, row, column) == text;
            return n;
        };
        auto deleteWhere = [&](int condition, int matches, bool ok) {
            WhenOpen<gui::StakeFilterDialog>([=](gui::StakeFilterDialog& dialog) {
                dialog.ConditionBox()->setCurrentIndex(condition);
                dialog.MatchesBox()->setValue(matches);
                if (ok) dialog.accept();
            });
            QVERIFY(s.window->Actions().Execute("StakeFilter"));
        };
        deleteWhere(4, 3, false);  // cancelled: nothing goes
        QCOMPARE(grid->rowCount(), 7);

        const int zeros = countRows(5, "0");
        QVERIFY(zeros >= 1);
        deleteWhere(0, 0, true);  // "Равно [ = ]" 0 keeps the unchecked stake
        QCOMPARE(grid->rowCount(), 7 - zeros);
        QCOMPARE(countRows(5, "0"), 0);
        QCOMPARE(countRows(8, "Будущий"), 1);
        QCOMPARE(countRows(0, ""), 2);
        QCOMPARE(countRows(8, "Три"), 1);

        const int belowThree = grid->rowCount() - 2 - countRows(5, "3");
        deleteWhere(3, 3, true);  // "Менее [ < ]" 3 also takes the unchecked stake
        QCOMPARE(grid->rowCount(), 7 - zeros - belowThree);
        QCOMPARE(countRows(8, "Будущий"), 0);
        QCOMPARE(countRows(0, ""), 2);
        QCOMPARE(countRows(8, "Три"), 1);
        QCOMPARE(s.window->StatusText(4), QString("Ставок: %1").arg(grid->rowCount()));
    }

    void matchingValuesAreDrawnInBoldBlue() {
        SampleWindow s;
        s.AddStake(2, "0;1;2", "Мой");   // draw 2 is 0;9;2: positions 1 and 3 match
        s.AddStake(1, "1;2;3", "Мимо");  // draw 1 is 7;4;8: nothing matches
        s.AddStake(99999, "7;4;8", "Будущий");
        QAbstractItemModel* grid = s.stakes->Grid()->model();
        const int role = gui::StakesModel::MatchMaskRole;
        QCOMPARE(grid->index(0, 2).data(role).toInt(), 0b101);
        QCOMPARE(grid->index(0, 4).data(role).toInt(), 0b101);
        QCOMPARE(grid->index(1, 2).data(role).toInt(), 0);
        QVERIFY(grid->index(1, 2).data(role).isValid());
        QVERIFY(!grid->index(2, 2).data(role).isValid());  // unchecked: nothing to compare with
        QVERIFY(!grid->index(0, 5).data(role).isValid());

        s.window->RightTabs()->setCurrentWidget(s.stakes);
        s.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(s.window.get()));
        QTableView* view = s.stakes->Grid();
        view->clearSelection();
        QVERIFY(BluePixels(view, 0, 2) > 0);
        QVERIFY(BluePixels(view, 0, 4) > 0);
        QCOMPARE(BluePixels(view, 1, 2), 0);
        QCOMPARE(BluePixels(view, 2, 2), 0);
        QCOMPARE(BluePixels(view, 0, 8), 0);
    }

    void optionTogglesAreStoredAtOnce() {
        SampleWindow s;
        Workspace& ws = s.window->GetWorkspace();
        const struct {
            const char* action;
            const char* key;
            bool TUiOptions::*flag;
        } options[] = {{"LogStakes", "StakesLogEnabled", &TUiOptions::StakesLogEnabled},
                       {"StakesScroll", "StakesScrollEnabled", &TUiOptions::StakesScrollEnabled},
                       {"StakesCheckLine", "StakesCheckOnLine", &TUiOptions::StakesCheckOnLine}};
        for (const auto& option : options) {
            QAction* action = s.window->Actions().Find(option.action);
            QVERIFY(action->isCheckable());
            const bool before = ws.Options().*option.flag;
            QCOMPARE(action->isChecked(), before);
            QVERIFY(s.window->Actions().Execute(option.action));
            QCOMPARE(ws.Options().*option.flag, !before);
            QCOMPARE(action->isChecked(), !before);
            QCOMPARE(ws.UiState().ReadUiBool(option.key, before), !before);
        }
        QCOMPARE(s.window->Actions().Find("LogStakes")->text(), QString("Журналы ставок"));

        // With the logs on, a checked stake writes the log of its number of matches.
        QVERIFY(ws.Options().StakesLogEnabled);
        s.AddStake(1, "7;4;8", "Мой");
        const std::filesystem::path log = s.dir.Path() / "Quorvel_3r10-3.log";
        QVERIFY(std::filesystem::exists(log));
        QVERIFY(s.window->Actions().Execute("LogStakesDelete"));
        QVERIFY(!std::filesystem::exists(log));
        QCOMPARE(s.host.Count("info"), 1);
        QVERIFY(s.window->Actions().Execute("LogStakesDelete"));
        QCOMPARE(s.host.Last("info"), std::string("Файлы журналов не найдены!"));

        // The next start shows the stored options marked.
        s.window.reset();
        MainWindow again(DataDirectory(s.dir.Path()), {});
        again.SetUiHost(&s.host);
        for (const auto& option : options) {
            QCOMPARE(again.Actions().Find(option.action)->isChecked(),
                     again.GetWorkspace().Options().*option.flag);
        }
        QVERIFY(again.Actions().Find("LogStakes")->isChecked());
    }

    void ratingActionsDrawExportAndFeedTheScenario() {
        SampleWindow s;
        Workspace& ws = s.window->GetWorkspace();
        QAbstractItemModel* list = s.rating->List()->model();
        // A stake costs 1; three matches win 500, two win 10.
        TConfigData config = ws.Stats().List().Config;
        config.Cost = 10000;
        config.Profits = {{3, 500 * 10000}, {2, 10 * 10000}};
        ws.Stats().ApplyConfig(config);
        constexpr int Draws = 12;
        for (int draw = 1; draw <= Draws; ++draw) {
            s.AddStake(draw, "0;9;2", "Мой");
            s.AddStake(draw, "1;2;3", "Мой @ FULL#RAND + TSD#NUMS:10#LNO:#SF:0");
        }
        QCOMPARE(list->rowCount(), 2);
        for (const char* name :
             {"StakesGraphOverlap", "StakesGraphProfits", "RatingsGraphOverlap", "RatingsToScript"})
            QVERIFY2(!s.window->Actions().Find(name)->isEnabled(), name);  // no row selected

        // The efficiency submenu: one mode marked, stored, and the columns follow it.
        QCOMPARE(ws.Options().RatingsEffMode, 1);
        QVERIFY(s.window->Actions().Find("RatingsEffMode1")->isChecked());
        QVERIFY(s.Cell(list, 0, 10).endsWith('%'));
        QVERIFY(s.window->Actions().Execute("RatingsEffMode0"));
        QCOMPARE(ws.Options().RatingsEffMode, 0);
        QCOMPARE(ws.UiState().ReadUiInt("RatingsEffMode", -1), 0);
        QVERIFY(s.window->Actions().Find("RatingsEffMode0")->isChecked());
        QVERIFY(!s.window->Actions().Find("RatingsEffMode1")->isChecked());
        QCOMPARE(s.Cell(list, 0, 10), QString::number(qRound(Draws * 0.729)));

        // The graphs open in chart windows titled with their hints.
        QVERIFY(s.window->Actions().Execute("StakesGraphDraws"));
        QCOMPARE(StakesCharts().size(), 1);
        gui::ChartWindow* profit = StakesCharts().last();
        QCOMPARE(profit->windowTitle(), QString("График суммарного профита ставок по тиражам"));
        QVERIFY(profit->FindSeries("Накопленное значение") != nullptr);
        QCOMPARE(profit->FindSeries("Суммарный профит ставок по тиражу")->count(), Draws);
        // The running total ends at the sum of the grid's profits.
        double total = 0;
        QAbstractItemModel* grid = s.stakes->Grid()->model();
        for (int row = 0; row < grid->rowCount(); ++row)
            total += s.Cell(grid, row, 7).replace(',', '.').toDouble();
        QCOMPARE(profit->FindSeries("Накопленное значение")->points().last().y(), total);
        profit->resize(900, 520);
        QDir().mkpath(QUORVEL_SCREENSHOT_DIR);
        QVERIFY(QTest::qWaitForWindowExposed(profit));
        QVERIFY(profit->grab().save(QString(QUORVEL_SCREENSHOT_DIR) + "/stakes_profit_graph.png"));
        CloseCharts();

        s.rating->List()->selectAll();
        QVERIFY(s.window->Actions().Execute("StakesGraphOverlap"));
        gui::ChartWindow* matches = StakesCharts().last();
        QCOMPARE(matches->windowTitle(), QString("График количества совпадений для всех ставок по тиражам"));
        QCOMPARE(matches->FindSeries("мой")->count(), Draws);
        QCOMPARE(matches->Chart()->series().size(), 2);
        CloseCharts();
        QVERIFY(s.window->Actions().Execute("StakesGraphProfits"));
        QCOMPARE(StakesCharts().last()->windowTitle(), QString("График профита для всех ставок по тиражам"));
        CloseCharts();
        // A double click on the list draws the match counts against a random choice.
        s.rating->List()->selectRow(0);
        emit s.rating->RowActivated();
        gui::ChartWindow* counts = StakesCharts().last();
        QCOMPARE(counts->windowTitle(),
                 QString("График количества совпадений для выделенных строк рейтинга"));
        QCOMPARE(counts->FindSeries("Нормальные значения")->count(), 4);
        QCOMPARE(counts->Chart()->series().size(), 2);
        CloseCharts();

        // The CSV export writes where it is told, adding the extension.
        const QString csv = QString::fromStdString((s.dir.Path() / "rating").string());
        s.window->SetExportFile(csv);
        QVERIFY(s.window->Actions().Execute("RatingsExport"));
        QFile exported(csv + ".csv");
        QVERIFY(exported.open(QIODevice::ReadOnly));
        QCOMPARE(exported.readAll().count("\r\n"), 3);

        // Rows that describe a scenario variant become lines; the scenario tab comes forward.
        const int lines = static_cast<int>(ws.Script().Scenario().Lines().size());
        s.rating->List()->selectAll();
        QVERIFY(s.window->Actions().Execute("RatingsToScript"));
        QCOMPARE(static_cast<int>(ws.Script().Scenario().Lines().size()), lines + 1);
        QCOMPARE(s.host.Last("warning"), std::string("Строку\r\rМой\r\rневозможно добавить в сценарий!"));
        QCOMPARE(s.window->RightTabs()->currentWidget()->objectName(), QString("tsScript"));
    }

    void significanceColumnsFollowTheOptionAndOrderTheRating() {
        SampleWindow s;
        Workspace& ws = s.window->GetWorkspace();
        QAbstractItemModel* list = s.rating->List()->model();
        // One source stakes what was then drawn, the other a combination that did not come.
        for (int index = 0; index < 8; ++index) {
            const TDraw& draw = ws.Archive().Draws()[static_cast<size_t>(index)];
            s.AddStake(draw.Number,
                       QString("%1;%2;%3").arg(draw.Values[0]).arg(draw.Values[1]).arg(draw.Values[2]),
                       "Удача");
            s.AddStake(draw.Number,
                       QString("%1;%2;%3")
                           .arg((draw.Values[0] + 1) % 10)
                           .arg((draw.Values[1] + 1) % 10)
                           .arg((draw.Values[2] + 1) % 10),
                       "Мимо");
        }
        QCOMPARE(list->columnCount(), RatingColumnCount);
        QVERIFY(!s.rating->SignificanceLine()->isVisibleTo(s.rating));

        QVERIFY(s.window->Actions().Execute("RatingsSignificance"));
        QVERIFY(ws.UiState().ReadUiBool("RatingsSignificance", false));
        QCOMPARE(list->columnCount(), RatingColumnCount + 4);
        QCOMPARE(list->headerData(RatingColumnCount, Qt::Horizontal).toString(), QString("p (угадано)"));
        QVERIFY(s.rating->SignificanceLine()->isVisibleTo(s.rating));
        QVERIFY(s.rating->SignificanceLine()->text().startsWith(
            "Строк со ставками: 2; из них q (угадано) не больше "));
        const int lucky = s.Cell(list, 0, 0) == "Удача" ? 0 : 1;
        // 24 matches of 24 by chance: 1e-24; none of 24: p = 1.
        QCOMPARE(s.Cell(list, lucky, RatingColumnCount), QString("1e-24"));
        QCOMPARE(s.Cell(list, 1 - lucky, RatingColumnCount), QString("1"));

        // A probability column orders the rating, smallest first, then largest first.
        emit s.rating->SortRequested(RatingColumnCount);
        QCOMPARE(s.Cell(list, 0, 0), QString("Удача"));
        emit s.rating->SortRequested(RatingColumnCount);
        QCOMPARE(s.Cell(list, 0, 0), QString("Мимо"));
        QCOMPARE(s.rating->List()->horizontalHeader()->sortIndicatorSection(), RatingColumnCount);
        s.Screenshot(6, "rating_significance.png");

        QVERIFY(s.window->Actions().Execute("RatingsSignificance"));
        QCOMPARE(list->columnCount(), RatingColumnCount);
        QVERIFY(!s.rating->SignificanceLine()->isVisibleTo(s.rating));
    }

    void menusOfferEveryStakesAndRatingAction() {
        SampleWindow s;
        QMenu* stakes = nullptr;
        QMenu* rating = nullptr;
        for (QAction* entry : s.window->menuBar()->actions()) {
            if (entry->text() == "Ставки") stakes = entry->menu();
            if (entry->text() == "Рейтинг") rating = entry->menu();
        }
        QVERIFY(stakes != nullptr && rating != nullptr);
        const QList<QAction*> grid = s.stakes->Grid()->actions();
        for (const char* name :
             {"StakeAdd", "StakeAddRandom", "StakeAddSelected", "StakeAddAll", "StakeDel", "StakeFilter",
              "StakeClear", "StakesCheckManual", "StakesGraphDraws", "StakesXlsExport", "LogStakes",
              "StakesScroll", "StakesCheckLine", "LogStakesDelete"}) {
            QAction* action = s.window->Actions().Find(name);
            QVERIFY2(action != nullptr, name);
            QVERIFY2(stakes->actions().contains(action), name);
            QVERIFY2(grid.contains(action), name);
        }
        const QList<QAction*> list = s.rating->List()->actions();
        for (const char* name :
             {"RatingsRefresh", "StakesGraphOverlap", "StakesGraphProfits", "RatingsGraphOverlap",
              "RatingsToScript", "RatingsExport", "RatingsXlsExport"}) {
            QAction* action = s.window->Actions().Find(name);
            QVERIFY2(rating->actions().contains(action), name);
            QVERIFY2(list.contains(action), name);
        }
        QMenu* effModes = rating->findChild<QMenu*>("mnRatingsEffMode");
        QVERIFY(effModes != nullptr);
        QCOMPARE(effModes->title(), QString("Эффективность (столбцы E0..n)"));
        QVERIFY(list.contains(effModes->menuAction()));
        QCOMPARE(MenuTexts(effModes->actions()),
                 QStringList({"Ожидаемые значения совпадений", "Абсолютные значения эффективности",
                              "Относительные значения эффективности"}));
        for (const char* name : {"StakeAdd", "StakeAddRandom", "StakeAddSelected", "StakeAddAll"})
            QVERIFY2(s.window->Combs()->List()->actions().contains(s.window->Actions().Find(name)), name);

        const std::pair<const char*, QKeySequence> keys[] = {
            {"StakeAddRandom", QKeySequence("Ctrl+F4")},    {"StakeAddSelected", QKeySequence("Shift+F4")},
            {"StakeAddAll", QKeySequence("Ctrl+Shift+F4")}, {"StakeFilter", QKeySequence("Alt+D")},
            {"StakesGraphDraws", QKeySequence("F6")},       {"StakesGraphOverlap", QKeySequence("Ctrl+F6")},
            {"StakesGraphProfits", QKeySequence("Alt+F6")}};
        for (const auto& [name, key] : keys)
            QCOMPARE(s.window->Actions().Find(name)->shortcut(), key);
        // The keys the desktop takes first still work where they arrive.
        QVERIFY(s.window->Actions().Find("StakeAddAll")->shortcuts().contains(QKeySequence("Ctrl+Alt+F4")));
    }

    void thousandsOfStakesAndTheEfficiencySubmenuLookRight() {
        SampleWindow s;
        Workspace& ws = s.window->GetWorkspace();
        const int last = ws.Archive().NextDrawNumber(ws.Archive().Offset()) - 1;
        for (int draw = last - 2; draw <= last; ++draw) {
            AnswerMultiStake(draw, 1, QString("Все комбинации, тираж %1").arg(draw));
            QVERIFY(s.window->Actions().Execute("StakeAddAll"));
        }
        QCOMPARE(s.stakes->Grid()->model()->rowCount(), 3000);
        QCOMPARE(s.window->StatusText(4), QString("Ставок: 3000"));
        // Show a stretch of the newest draw where values match.
        s.window->RightTabs()->setCurrentWidget(s.stakes);
        s.window->resize(1200, 720);
        s.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(s.window.get()));
        const QString drawn = s.Cell(s.stakes->Grid()->model(), 2999, 4);
        const int first = drawn.section(';', 0, 0).toInt() * 100 + drawn.section(';', 1, 1).toInt() * 10;
        s.stakes->Grid()->scrollTo(s.stakes->Grid()->model()->index(2000 + first, 0),
                                   QAbstractItemView::PositionAtTop);
        s.stakes->Grid()->selectRow(2000 + first + 3);
        s.Screenshot(5, "stakes_tab_thousands.png");

        // The rating with its context menu and the efficiency submenu open over it.
        s.window->RightTabs()->setCurrentWidget(s.rating);
        s.rating->List()->selectRow(1);
        QVERIFY(QTest::qWaitForWindowExposed(s.window.get()));
        QPixmap shot = s.window->grab();
        QMenu context;
        context.addActions(s.rating->List()->actions());
        const QPoint at = s.rating->List()->viewport()->mapTo(s.window.get(), QPoint(120, 60));
        context.popup(s.window->mapToGlobal(at));
        QVERIFY(QTest::qWaitForWindowExposed(&context));
        QMenu* effModes = s.window->findChild<QMenu*>("mnRatingsEffMode");
        const QRect entry = context.actionGeometry(effModes->menuAction());
        effModes->popup(context.mapToGlobal(QPoint(context.width() - 4, entry.top())));
        QVERIFY(QTest::qWaitForWindowExposed(effModes));
        QPainter painter(&shot);
        painter.drawPixmap(at, context.grab());
        painter.drawPixmap(at + QPoint(context.width() - 4, entry.top()), effModes->grab());
        painter.end();
        effModes->close();
        context.close();
        QVERIFY(shot.save(QString(QUORVEL_SCREENSHOT_DIR) + "/rating_tab_efficiency_menu.png"));
    }
};

QTEST_MAIN(StakesTabsTest)
#include "stakes_tabs_test.moc"
