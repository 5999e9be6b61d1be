#include <QChart>
#include <QCheckBox>
#include <QDir>
#include <QLineSeries>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QtTest>
#include <map>
#include <memory>
#include <set>

#include "gui/app/main_window.h"
#include "gui/stats/method_combo.h"
#include "gui/views/card_page.h"
#include "gui/views/graphs_page.h"
#include "gui/views/repeats_window.h"
#include "gui/widgets/chart_window.h"
#include "support/fake_ui_host.h"
#include "support/sample_window.h"
#include "support/temp_dir.h"

using namespace quorvel;
using quorvel::gui::MainWindow;

namespace {

struct SampleWindow {
    SampleWindow() { window = test::OpenSampleWindow(dir.Path(), host); }
    gui::GraphsPage* ShowGraphs() {
        gui::GraphsPage* page = window->GraphsTab();
        window->RightTabs()->setCurrentWidget(page);
        return page;
    }
    static QLineSeries* Series(const QChart* chart, int index) {
        const auto all = chart->series();
        return index < all.size() ? qobject_cast<QLineSeries*>(all[index]) : nullptr;
    }
    static void Save(QWidget* widget, const QString& name) {
        QDir().mkpath(QUORVEL_SCREENSHOT_DIR);
        QVERIFY(widget->grab().save(QString(QUORVEL_SCREENSHOT_DIR) + "/" + name));
    }

    test::TempDir dir;
    test::FakeUiHost host;
    std::unique_ptr<MainWindow> window;
};

}  // namespace

class GraphsTabTest : public QObject {
    Q_OBJECT

private slots:
    void theGraphCoversTheWindowWithItsAverageAndMostFrequentLines() {
        SampleWindow s;
        gui::GraphsPage* page = s.ShowGraphs();
        QVERIFY(page != nullptr);
        QVERIFY(page->Methods()->CurrentEntry() >= 0);
        QVERIFY(s.window->Actions().Execute("DrawsGraphDraw"));
        const DrawArchive& archive = s.window->GetWorkspace().Archive();
        QVERIFY(archive.Count() > 100);
        QCOMPARE(page->Chart()->series().size(), 3);
        QLineSeries* main = SampleWindow::Series(page->Chart(), 0);
        QLineSeries* average = SampleWindow::Series(page->Chart(), 1);
        QLineSeries* frequent = SampleWindow::Series(page->Chart(), 2);
        QVERIFY(main && average && frequent);
        QCOMPARE(main->count(), 100);
        QCOMPARE(average->count(), 100);
        QCOMPARE(frequent->count(), 100);
        QCOMPARE(average->name(), QString("Среднее значение"));
        QCOMPARE(frequent->name(), QString("Наиболее часто встречающееся значение"));
        QCOMPARE(main->color(), QColor(0x00, 0x80, 0x00));
        // The window ends at the newest draw, oldest first.
        QCOMPARE(main->at(99).x(), double(archive.Draws().back().Number));
        QCOMPARE(main->at(0).x(), double(archive.Draws()[static_cast<size_t>(archive.Count() - 100)].Number));
        double total = 0;
        std::map<double, int> counts;
        for (const QPointF& p : main->points()) {
            total += p.y();
            ++counts[p.y()];
        }
        QCOMPARE(average->at(0).y(), total / 100);
        QCOMPARE(average->at(99).y(), total / 100);
        int best = 0;
        for (const auto& [value, count] : counts)
            best = std::max(best, count);
        QCOMPARE(counts[frequent->at(0).y()], best);

        // The marks follow the check box.
        page->MarksCheck()->setChecked(true);
        QVERIFY(main->pointLabelsVisible());
        page->MarksCheck()->setChecked(false);
        QVERIFY(!main->pointLabelsVisible());
        page->MarksCheck()->setChecked(true);

        s.window->resize(1200, 720);
        s.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(s.window.get()));
        SampleWindow::Save(s.window.get(), "graphs_tab.png");

        // A shorter window entered in the box redraws with fewer points.
        page->Length()->setValue(10);
        page->Length()->setFocus();
        QTest::keyClick(page->Length(), Qt::Key_Return);
        QCOMPARE(s.window->GetWorkspace().Options().DrawsGraphLen, 10);
        main = SampleWindow::Series(page->Chart(), 0);
        QVERIFY(main != nullptr);
        QCOMPARE(main->count(), 10);
        QCOMPARE(SampleWindow::Series(page->Chart(), 2)->count(), 10);
        QCOMPARE(main->at(9).x(), double(archive.Draws().back().Number));
    }

    void theSumDistributionComparesTheArchiveWithAllCombinations() {
        SampleWindow s;
        QVERIFY(s.window->Actions().Execute("TotalSumCombs"));
        auto* chart = s.window->findChild<gui::ChartWindow*>("TotalSumCombsChart");
        QVERIFY(chart != nullptr);
        QCOMPARE(chart->windowTitle(), QString("Распределение сумм тиражей и всех возможных комбинаций"));
        const DrawArchive& archive = s.window->GetWorkspace().Archive();
        QLineSeries* factual = chart->FindSeries("Фактическое распределение сумм (по тиражам)");
        QLineSeries* theoretical = chart->FindSeries("Теоретическое распределение сумм (по комбинациям)");
        QVERIFY(factual && theoretical);
        QCOMPARE(theoretical->count(), 28);
        // Every draw is counted once under its sum.
        double draws = 0;
        double fmax = 0;
        for (const QPointF& p : factual->points()) {
            draws += p.y();
            fmax = std::max(fmax, p.y());
        }
        QCOMPARE(draws, double(archive.Count()));
        QVERIFY(factual->pointsVisible());
        QCOMPARE(factual->color(), QColor(0xFF, 0x00, 0x00));
        // The theoretical counts are scaled so that their peak, at sums 13 and 14, meets Fmax.
        QCOMPARE(theoretical->at(13).x(), 13.0);
        QCOMPARE(theoretical->at(13).y(), fmax);
        QCOMPARE(theoretical->at(14).y(), fmax);
        QCOMPARE(theoretical->at(0).y(), fmax / 75);
        QLineSeries* first = chart->FindSeries("Диапазон 1 (от 1/3 и выше по оси Y) - суммы 6-21");
        QLineSeries* second = chart->FindSeries("Диапазон 2 (от 1/2 и выше по оси Y) - суммы 8-19");
        QLineSeries* third = chart->FindSeries("Диапазон 3 (от 2/3 и выше по оси Y) - суммы 9-18");
        QVERIFY(first && second && third);
        QCOMPARE(first->count(), 28);
        QCOMPARE(first->at(5).y(), 26 * fmax / 75);
        QCOMPARE(third->at(27).y(), 51 * fmax / 75);
        chart->resize(1000, 640);
        QVERIFY(QTest::qWaitForWindowExposed(chart));
        SampleWindow::Save(chart, "sums_chart.png");
        chart->close();
    }

    void theRepeatsWindowListsEveryDrawSharingPositions() {
        SampleWindow s;
        QVERIFY(s.window->Actions().Execute("AnalyzeRepeats"));
        auto* window = s.window->findChild<gui::RepeatsWindow*>();
        QVERIFY(window != nullptr);
        QCOMPARE(window->windowTitle(), QString("Количество повторов в зависимости от тиража"));
        QTableWidget* table = window->Table();
        QCOMPARE(table->horizontalHeaderItem(2)->text(), QString("Кол-во повторов"));
        QVERIFY(table->rowCount() > 0);
        const DrawArchive& archive = s.window->GetWorkspace().Archive();
        // Newest draw first; every row's list holds as many draws as it counts repeats.
        QCOMPARE(table->item(0, 0)->text(), QString::number(archive.Draws().back().Number));
        int most = 0;
        for (int row = 0; row < table->rowCount(); ++row) {
            QCOMPARE(table->item(row, 3)->text().split(' ').size(), table->item(row, 2)->text().toInt());
            most = std::max(most, table->item(row, 1)->text().toInt());
        }
        QCOMPARE(window->Chart()->series().size(), most);
        QCOMPARE(window->Chart()->series().front()->name(), QString("Совпадений: 1"));
        // A shallower search finds fewer repeats.
        const int before = table->rowCount();
        window->Deep()->setValue(1);
        QTest::keyClick(window->Deep(), Qt::Key_Return);
        QVERIFY(table->rowCount() < before);
        for (int row = 0; row < table->rowCount(); ++row)
            QCOMPARE(table->item(row, 2)->text(), QString("1"));
        QVERIFY(QTest::qWaitForWindowExposed(window));
        SampleWindow::Save(window, "repeats_window.png");
        window->close();
    }
};

QTEST_MAIN(GraphsTabTest)
#include "graphs_tab_test.moc"
