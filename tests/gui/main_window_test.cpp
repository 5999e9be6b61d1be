#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>
#include <memory>

#include "core/archive/draws_file.h"
#include "core/model/text_forms.h"
#include "core/stakes/stakes_file.h"
#include "core/util/version.h"
#include "gui/app/main_window.h"
#include "gui/archive/draw_dialog.h"
#include "gui/archive/draw_info_window.h"
#include "gui/archive/draws_page.h"
#include "support/fake_ui_host.h"
#include "support/temp_dir.h"
#include "support/when_open.h"
#include "support/window_tour.h"

using namespace quorvel;
using quorvel::gui::MainWindow;

namespace {

TDraw Draw(int number, int a, int b, int c) {
    TDraw draw;
    draw.Number = number;
    draw.Values = {static_cast<uint8_t>(a), static_cast<uint8_t>(b), static_cast<uint8_t>(c)};
    return draw;
}

// A started main window on a directory, its messages answered by a script.
struct StartedWindow {
    explicit StartedWindow(const test::TempDir& dir)
        : window(std::make_unique<MainWindow>(DataDirectory(dir.Path()), std::vector<std::string>{})) {
        window->SetUiHost(&host);
        initialised = window->Initialise();
    }
    test::FakeUiHost host;
    std::unique_ptr<MainWindow> window;
    bool initialised = false;
};

void SaveScreenshot(QWidget* widget, const QString& name) {
    QDir().mkpath(QUORVEL_SCREENSHOT_DIR);
    QVERIFY(widget->grab().save(QString(QUORVEL_SCREENSHOT_DIR) + "/" + name));
}

}  // namespace

// Where the page's controls stand, in the order Tab reaches them (a spin box's own line edit
// stands for the box).
constexpr int RowSlack = 8;
std::vector<QPoint> TabChain(QWidget* page) {
    std::vector<QPoint> chain;
    for (QWidget* w = page->nextInFocusChain(); w != page && chain.size() < 200; w = w->nextInFocusChain()) {
        if (!page->isAncestorOf(w) || !w->isVisible() || !w->isEnabled() ||
            !(w->focusPolicy() & Qt::TabFocus))
            continue;
        if (w->parentWidget() != nullptr && w->parentWidget()->focusProxy() == w) continue;
        chain.push_back(w->mapTo(page, QPoint(0, 0)));
    }
    return chain;
}

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void startsOnAnEmptyDirectory() {
        test::TempDir dir;
        StartedWindow s(dir);
        QVERIFY(s.initialised);
        QCOMPARE(s.window->windowTitle(), QString("Quorvel 3r10 версия ") + ProgramVersion);
        QCOMPARE(s.window->StatusText(0), QString("Архив тиражей: 0"));
        QCOMPARE(s.window->StatusText(1), QString("Следующий тираж: 1"));
        QCOMPARE(s.window->StatusText(2), QString());
        QCOMPARE(s.window->StatusText(4), QString("Ставок: 0"));
        QCOMPARE(s.window->RightTabs()->count(), 10);
        // The empty list says where draws come from, and the hint goes once there are some.
        QWidget* hint = s.window->Draws()->EmptyArchiveHint();
        QVERIFY(!hint->isHidden());
        QVERIFY(hint->findChild<QLabel*>("lbEmptyArchive")->text().contains(".csv"));
        QCOMPARE(hint->findChildren<QToolButton*>().size(), 2);
        QVERIFY(UiStateFile(dir / "Quorvel_3r10.frm").ReadUiBool("PrefetchsInit", false));
        QVERIFY(s.host.Messages.empty());
        // Every action waits while the program is busy.
        s.window->GetWorkspace().Busy().BeginBusy();
        s.window->Actions().UpdateAll();
        QVERIFY(!s.window->Actions().Find("DrawsAdd")->isEnabled());
        s.window->GetWorkspace().Busy().EndBusy();
        s.window->Actions().UpdateAll();
        QVERIFY(s.window->Actions().Find("DrawsAdd")->isEnabled());
        QVERIFY(!s.window->Actions().Find("DrawsEdit")->isEnabled());
    }

    void drawDialogRefusesABadValuesText() {
        test::FakeUiHost host;
        gui::DrawDialog dialog(Draw(231, 0, 0, 0), true, "Введите данные следующего тиража", host);
        QCOMPARE(dialog.NumberEdit()->value(), 231);
        QCOMPARE(dialog.ValuesEdit()->placeholderText(), QString("7;7;4"));
        for (const char* bad : {"1;2", "1;2;10", "1 2 3", "a;b;c", "7;x;4"}) {
            dialog.ValuesEdit()->setText(bad);
            dialog.accept();
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
            QCOMPARE(QString::fromStdString(host.Last("error")), QString("Введена некорректная комбинация!"));
        }
        dialog.ValuesEdit()->setText("1, 2,3");
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.Result().Number, 231);
        QCOMPARE(int(dialog.Result().Values[2]), 3);
        QCOMPARE(dialog.Result().DateText.Bytes().size(), size_t(16));
        dialog.ValuesEdit()->setText("774");
        dialog.accept();
        QCOMPARE(
            int(dialog.Result().Values[0]) * 100 + dialog.Result().Values[1] * 10 + dialog.Result().Values[2],
            774);
        QDir().mkpath(QUORVEL_SCREENSHOT_DIR);
        dialog.grab().save(QString(QUORVEL_SCREENSHOT_DIR) + "/draw_dialog.png");
    }

    // Enter on the untouched add dialog refuses, as letters do: nothing reaches the archive.
    void addDialogStartsEmptyAndStoresNothingItRefuses() {
        test::TempDir dir;
        SaveDrawsFile(dir / "Quorvel_3r10.ldr", {Draw(4, 1, 1, 1)});
        StartedWindow s(dir);
        QVERIFY(s.initialised);
        const std::string before = test::ReadBytes(dir / "Quorvel_3r10.ldr");
        QVERIFY(s.window->Draws()->EmptyArchiveHint()->isHidden());
        QString shown = "not opened";
        test::WhenOpen<gui::DrawDialog>([&](gui::DrawDialog& dialog) {
            shown = dialog.ValuesEdit()->text();
            dialog.accept();
            dialog.ValuesEdit()->setText("a;b;c");
            dialog.accept();
        });
        s.window->Actions().Find("DrawsAdd")->trigger();
        QCOMPARE(shown, QString());
        QCOMPARE(QString::fromStdString(s.host.Last("error")), QString("Введена некорректная комбинация!"));
        QCOMPARE(test::ReadBytes(dir / "Quorvel_3r10.ldr"), before);
        QCOMPARE(s.window->GetWorkspace().Archive().Count(), 1);
    }

    void deletesTwoRowsWithTheSameNumber() {
        test::TempDir dir;
        SaveDrawsFile(dir / "Quorvel_3r10.ldr", {Draw(4, 1, 1, 1), Draw(5, 2, 2, 2), Draw(5, 3, 3, 3)});
        StartedWindow s(dir);
        QTableView* list = s.window->Draws()->List();
        list->selectionModel()->select(list->model()->index(0, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
        list->selectionModel()->select(list->model()->index(1, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
        s.host.Answers = {true};
        QVERIFY(s.window->Actions().Execute("DrawsDel"));
        QCOMPARE(s.window->GetWorkspace().Archive().Count(), 1);
        QCOMPARE(s.window->GetWorkspace().Archive().Draws()[0].Number, 4);
        QCOMPARE(s.window->StatusText(0), QString("Архив тиражей: 1"));
        QCOMPARE(list->model()->rowCount(), 1);
    }

    void offsetBoxLimitsAndTheLightRedRow() {
        test::TempDir dir;
        TDrawsArray draws;
        for (int i = 1; i <= 10; ++i)
            draws.push_back(Draw(i, i % 10, 0, 0));
        SaveDrawsFile(dir / "Quorvel_3r10.ldr", draws);
        StartedWindow s(dir);
        QSpinBox* offset = s.window->Draws()->OffsetBox();
        QCOMPARE(offset->maximum(), 9);
        offset->setValue(3);
        QCOMPARE(s.window->GetWorkspace().Archive().Offset(), 3);
        QCOMPARE(s.window->StatusText(1), QString("Следующий тираж: 8"));
        QCOMPARE(s.window->StatusText(2), QString("8;0;0"));
        QAbstractItemModel* model = s.window->Draws()->List()->model();
        QCOMPARE(model->index(3, 0).data(Qt::BackgroundRole).value<QBrush>().color(),
                 QColor(0xFF, 0xAA, 0xAA));
        QCOMPARE(model->index(2, 0).data(Qt::BackgroundRole).value<QBrush>().color(), QColor(Qt::white));
        QCOMPARE(model->index(3, 1).data(Qt::BackgroundRole).value<QBrush>().color(),
                 QColor(0xFF, 0xAA, 0xAA));  // 7: channel 4
        // Deleting draws shrinks the limit and pulls the offset in.
        QTableView* list = s.window->Draws()->List();
        for (int row = 0; row < 8; ++row) {
            list->selectionModel()->select(model->index(row, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
        s.host.Answers = {true};
        QVERIFY(s.window->Actions().Execute("DrawsDel"));
        QCOMPARE(offset->maximum(), 1);
        QCOMPARE(offset->value(), 1);
    }

    void aSecondCopyIsRefused() {
        test::TempDir dir;
        StartedWindow first(dir);
        QVERIFY(first.initialised);
        StartedWindow second(dir);
        QVERIFY(!second.initialised);
        QCOMPARE(second.host.Last("error"), std::string(ExclusiveAccessMessage));
        QVERIFY(first.window->GetWorkspace().Draws().AddDraw(Draw(1, 1, 2, 3)));
    }

    void reopeningKeepsSizesAndColumnWidths() {
        test::TempDir dir;
        {
            StartedWindow s(dir);
            s.window->show();
            s.window->resize(1100, 640);
            s.window->MainSplitter()->setSizes({410, 690});
            s.window->Draws()->List()->horizontalHeader()->resizeSection(0, 77);
            QVERIFY(QTest::qWaitForWindowExposed(s.window.get()));
            s.window->close();
        }
        StartedWindow again(dir);
        again.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(again.window.get()));
        QCOMPARE(again.window->size(), QSize(1100, 640));
        QCOMPARE(again.window->MainSplitter()->sizes().first(), 410);
        QCOMPARE(again.window->Draws()->List()->horizontalHeader()->sectionSize(0), 77);
        QCOMPARE(UiStateFile(dir / "Quorvel_3r10.frm").ReadUiInt("LeftPanelWidth", 0), 410);
    }

    void informationWindowShowsTheValuesOnTheBoard() {
        TDraw draw = Draw(1234, 4, 4, 9);
        draw.DateText.SetText("05.03.2024 21:30");
        gui::DrawInfoWindow window(CombOfDraw(draw), draw, 3, 2);
        QCOMPARE(window.Board()->columnCount(), 3);
        QCOMPARE(window.Board()->item(4, 0)->text(), QString("4"));
        QCOMPARE(window.Board()->item(4, 1)->text(), QString("4"));
        QCOMPARE(window.Board()->item(9, 2)->text(), QString("9"));
        QCOMPARE(window.Board()->item(9, 0)->text(), QString());
        QCOMPARE(window.Board()->item(9, 0)->background().color(), QColor(0xAA, 0xAA, 0xFF));
        QCOMPARE(window.Properties()->topLevelItem(1)->text(1), QString("05.03.2024 21:30"));
        gui::DrawInfoWindow combination(CombOfDraw(draw), std::nullopt, 3, 2);
        QCOMPARE(combination.Properties()->topLevelItemCount(), 0);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        SaveScreenshot(&window, "draw_info_window.png");
    }

    void everyTabIsVisibleAtTheDefaultSizeWithSystemsShown() {
        test::TempDir dir;
        UiStateFile(dir / "Quorvel_3r10.frm").WriteUiValues({{"SystemsEnabled", "1"}});
        StartedWindow s(dir);
        QVERIFY(s.initialised);
        s.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(s.window.get()));
        // The default size fits a 1366 x 768 screen with its title bar and task bar.
        QVERIFY(s.window->width() <= 1366 && s.window->height() <= 720);
        QTabBar* bar = s.window->RightTabs()->tabBar();
        QVERIFY(bar->isTabVisible(8));
        for (int tab = 0; tab < bar->count(); ++tab) {
            if (!bar->isTabVisible(tab)) continue;
            QVERIFY2(bar->tabRect(tab).right() < bar->width(), qPrintable(bar->tabText(tab)));
        }
        SaveScreenshot(s.window.get(), "main_window_default_size.png");
    }

    // Tab goes along the statistics row as it is seen, into the table and out of it again.
    void tabMovesThroughTheStatisticsPageAndOutOfItsTable() {
        test::TempDir dir;
        StartedWindow s(dir);
        QVERIFY(s.initialised);
        s.window->show();
        QVERIFY(QTest::qWaitForWindowActive(s.window.get()));
        s.window->RightTabs()->setCurrentIndex(0);
        auto* length = s.window->findChild<QSpinBox*>("seDrawsStatLen");
        auto* table = s.window->findChild<QTableView*>("lvDrawsStat");
        length->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("cbDrawsStat"));
        for (int step = 0; step < 4 && QApplication::focusWidget() != table; ++step)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), table);
        QTest::keyClick(table, Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget() != table);
        for (QAbstractItemView* view : s.window->findChildren<QAbstractItemView*>())
            QVERIFY2(!view->tabKeyNavigation(), qPrintable(view->objectName()));

        // On every page Tab starts at the top left and never steps back along a row.
        test::VisitEveryTab(*s.window, [&](const QString& name) {
            QTabWidget* tabs = name.startsWith("left") ? s.window->LeftTabs() : s.window->RightTabs();
            const std::vector<QPoint> chain = TabChain(tabs->currentWidget());
            for (size_t i = 1; i < chain.size(); ++i) {
                const bool above = chain[i].y() < chain[0].y() - RowSlack;
                const bool leftOnRow =
                    std::abs(chain[i].y() - chain[0].y()) <= RowSlack && chain[i].x() < chain[0].x();
                QVERIFY2(!above && !leftOnRow, qPrintable(name + " does not start at the top left"));
                const bool back =
                    std::abs(chain[i].y() - chain[i - 1].y()) <= RowSlack && chain[i].x() < chain[i - 1].x();
                QVERIFY2(!back, qPrintable(name + " steps back along a row"));
            }
        });
    }

    void screenshotWithTheSampleArchive() {
        test::TempDir dir;
        StartedWindow s(dir);
        QVERIFY(
            s.window->GetWorkspace().Draws().ImportDraws(std::string(QUORVEL_SAMPLES_DIR) + "/cash3.csv"));
        s.window->GetWorkspace().Draws().SetDrawsOffset(2);
        s.window->resize(1100, 700);
        s.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(s.window.get()));
        QCOMPARE(s.window->StatusText(0), QString("Архив тиражей: 3329"));
        QCOMPARE(s.window->Draws()->List()->model()->index(0, 0).data().toInt(), 3329);
        SaveScreenshot(s.window.get(), "main_window.png");
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
