#include <QDir>
#include <QHeaderView>
#include <QLineEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>
#include <memory>

#include "app/main_window.h"
#include "stakes/stake_dialog.h"
#include "stakes/stakes_pages.h"
#include "support/fake_ui_host.h"
#include "support/temp_dir.h"

using namespace quorvel;
using quorvel::gui::MainWindow;

namespace {

struct SampleWindow {
    SampleWindow() {
        {
            MainWindow first(DataDirectory(dir.Path()), {});
            first.SetUiHost(&host);
            first.Initialise();
            first.GetWorkspace().ImportDraws(std::string(QUORVEL_SAMPLES_DIR) + "/cash3.csv");
        }
        window = std::make_unique<MainWindow>(DataDirectory(dir.Path()), std::vector<std::string>{});
        window->SetUiHost(&host);
        window->Initialise();
        stakes = window->RightTabs()->findChild<gui::StakesPage*>();
        rating = window->RightTabs()->findChild<gui::RatingPage*>();
    }
    // A manual stake on a given draw, as the stake dialog makes it.
    void AddStake(int draw, const QString& values, const QString& comment, int draws = 1) {
        gui::StakeDialog dialog(window->GetWorkspace().NewManualStake());
        dialog.DrawBox()->setValue(draw);
        dialog.ValuesEdit()->setText(values);
        dialog.CommentEdit()->setText(comment);
        dialog.DrawsBox()->setValue(draws);
        QVERIFY(!dialog.Problem().has_value());
        QVERIFY(window->GetWorkspace().AddStake(dialog.Stake(), dialog.Draws()));
    }
    QString Cell(QAbstractItemModel* model, int row, int column) {
        return model->index(row, column).data().toString();
    }
    void Screenshot(int tab, const QString& name) {
        window->RightTabs()->setCurrentIndex(tab);
        window->resize(1200, 720);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QDir().mkpath(QUORVEL_SCREENSHOT_DIR);
        QVERIFY(window->grab().save(QString(QUORVEL_SCREENSHOT_DIR) + "/" + name));
    }

    test::TempDir dir;
    test::FakeUiHost host;
    std::unique_ptr<MainWindow> window;
    gui::StakesPage* stakes = nullptr;
    gui::RatingPage* rating = nullptr;
};

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
        QCOMPARE(s.window->GetWorkspace().RatingSortColumn(), 1);
        QVERIFY(!s.window->GetWorkspace().RatingDescending());
        emit s.rating->SortRequested(1);  // the same column again: descending
        QVERIFY(s.window->GetWorkspace().RatingDescending());
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
};

QTEST_MAIN(StakesTabsTest)
#include "stakes_tabs_test.moc"
