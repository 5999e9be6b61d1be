#include <QChart>
#include <QCheckBox>
#include <QDir>
#include <QLineSeries>
#include <QPointer>
#include <QTemporaryDir>
#include <QValueAxis>
#include <QtTest>
#include <cmath>

#include "core/app/ui_state.h"
#include "gui/widgets/chart_window.h"

using quorvel::gui::ChartWindow;

class ChartWindowTest : public QObject {
    Q_OBJECT

private slots:
    void seriesIsFoundByTitleIgnoringCaseAndKeepsItsFirstLook() {
        ChartWindow window;
        window.AddChartPoint(101, "Профит", 5, true, false, QColor(Qt::darkGreen));
        window.AddChartPoint(102, "ПРОФИТ", -3, false, true, QColor(Qt::red));
        window.AddChartPoint(103, "профит", 1, false, true);
        window.AddChartPoint(101, "Match", 2, false, false);
        QCOMPARE(window.Chart()->series().size(), 2);
        QLineSeries* profit = window.FindSeries("пРоФиТ");
        QVERIFY(profit != nullptr);
        QCOMPARE(profit->name(), QString("Профит"));
        QCOMPARE(profit->points(), QList<QPointF>({{101, 5}, {102, -3}, {103, 1}}));
        QCOMPARE(profit->pen().color(), QColor(Qt::darkGreen));
        QCOMPARE(profit->pen().width(), 2);
        QCOMPARE(profit->markerSize(), 3.0);
        QVERIFY(profit->pointsVisible());
        QVERIFY(!profit->pointLabelsVisible());
        QVERIFY(window.FindSeries("match")->pen().color().isValid());  // the chart's own colour
        QVERIFY(window.FindSeries("Профи") == nullptr);
    }

    void checkBoxGovernsOnlySeriesCreatedWithMarks() {
        ChartWindow window;
        QCOMPARE(window.MarksCheck()->text(), QString("Отображать метки на графиках"));
        QVERIFY(window.MarksCheck()->isChecked());
        window.AddChartPoint(1, "marked", 1, true, true);
        window.AddChartPoint(1, "plain", 2, true, false);
        QLineSeries* marked = window.FindSeries("marked");
        QLineSeries* plain = window.FindSeries("plain");
        QVERIFY(marked->pointLabelsVisible());
        window.MarksCheck()->setChecked(false);
        QVERIFY(!marked->pointLabelsVisible());
        window.AddChartPoint(1, "late", 3, true, true);  // made while the box is clear
        QVERIFY(!window.FindSeries("late")->pointLabelsVisible());
        window.MarksCheck()->setChecked(true);
        QVERIFY(marked->pointLabelsVisible());
        QVERIFY(window.FindSeries("late")->pointLabelsVisible());
        QVERIFY(!plain->pointLabelsVisible());
    }

    void xLabelsStepThroughThePointsXValues() {
        ChartWindow window;
        auto* axis = qobject_cast<QValueAxis*>(window.Chart()->axes(Qt::Horizontal).value(0));
        QVERIFY(axis != nullptr);
        window.AddChartPoint(12345, "a", 1, true, false);
        QCOMPARE(axis->min(), 12344.5);                  // one x alone still gets a span
        QCOMPARE(axis->labelFormat(), QString("%.0f"));  // draw numbers print whole
        for (int draw = 12346; draw <= 12444; ++draw)
            window.AddChartPoint(draw, "a", draw % 7, true, false);
        QCOMPARE(axis->min(), 12345.0);
        QCOMPARE(axis->max(), 12444.0);
        QCOMPARE(axis->tickAnchor(), 12345.0);
        QCOMPARE(axis->tickInterval(), 10.0);
        window.AddChartPoint(12344.5, "b", 3, true, false);
        QCOMPARE(axis->labelFormat(), QString("%.2f"));
        QCOMPARE(axis->tickAnchor(), 12344.5);

        window.Clear();
        QVERIFY(window.Chart()->series().isEmpty());
        window.AddChartPoint(7, "A", -2, false, false);
        QCOMPARE(window.FindSeries("a")->count(), 1);
        QCOMPARE(axis->max(), 7.5);
        QCOMPARE(axis->labelFormat(), QString("%.0f"));
    }

    void yAxisStartsAtZeroUnlessValuesGoBelow() {
        ChartWindow window;
        auto* axis = qobject_cast<QValueAxis*>(window.Chart()->axes(Qt::Vertical).value(0));
        QVERIFY(axis != nullptr);
        for (int x = 0; x <= 3; ++x)
            window.AddChartPoint(x, "matches", 6.561 / (x * x + 1), true, false);
        QCOMPARE(axis->min(), 0.0);  // counts of matches: no room below 0
        QVERIFY(axis->max() >= 6.561 && axis->max() <= 10);
        QCOMPARE(axis->tickAnchor(), 0.0);
        window.Clear();
        for (int x = 0; x <= 3; ++x)
            window.AddChartPoint(x, "counts", x, true, false);
        QCOMPARE(axis->labelFormat(), QString("%.0f"));  // whole values, whole labels
        QVERIFY(axis->tickInterval() >= 1);
        window.AddChartPoint(4, "profit", -100, true, false);
        QVERIFY(axis->min() <= -100 && axis->min() > -200);
    }

    void placementIsKeptInTheStateFile() {
        QTemporaryDir dir;
        quorvel::UiStateFile state(std::filesystem::path(dir.filePath("Quorvel_3r10.frm").toStdString()));
        {
            ChartWindow window(&state);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            window.setGeometry(40, 60, 500, 300);
            window.close();
        }
        QCOMPARE(state.ReadUiString("FormChart.NormPos", ""), std::string("40,60,540,360"));
        ChartWindow again(&state);
        QCOMPARE(again.geometry(), QRect(40, 60, 500, 300));
    }

    void opensOverItsOwnerWithTheRememberedSizeAndClosesOnEsc() {
        QTemporaryDir dir;
        quorvel::UiStateFile state(std::filesystem::path(dir.filePath("Quorvel_3r10.frm").toStdString()));
        state.WriteUiValues({{"FormChart.NormPos", "0,700,600,1100"}});  // closed at the bottom left
        QWidget owner;
        owner.setGeometry(100, 50, 600, 500);
        auto* chart = new ChartWindow(&state, &owner);
        chart->setAttribute(Qt::WA_DeleteOnClose);
        QCOMPARE(chart->size(), QSize(600, 400));
        QCOMPARE(chart->geometry().center(), owner.geometry().center());
        chart->show();
        QVERIFY(QTest::qWaitForWindowExposed(chart));
        const QRect shown = chart->geometry();
        QPointer<ChartWindow> watched(chart);
        QTest::keyClick(chart, Qt::Key_Escape);
        QTRY_VERIFY(watched.isNull());
        const QString stored = QString("%1,%2,%3,%4")
                                   .arg(shown.left())
                                   .arg(shown.top())
                                   .arg(shown.left() + shown.width())
                                   .arg(shown.top() + shown.height());
        QCOMPARE(QString::fromStdString(state.ReadUiString("FormChart.NormPos", "")), stored);
    }

    void screenshot() {
        ChartWindow window;
        for (int i = 0; i < 10; ++i) {
            const double draw = 2401 + i;
            window.AddChartPoint(draw, "Профит", std::round(40 * std::sin(i * 0.7)) - 5, true, true,
                                 QColor(0, 90, 200));
            window.AddChartPoint(draw, "Совпадения", i % 4, true, false, QColor(210, 60, 40));
        }
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QDir().mkpath(QUORVEL_SCREENSHOT_DIR);
        QVERIFY(window.grab().save(QString(QUORVEL_SCREENSHOT_DIR) + "/chart_window.png"));
    }
};

QTEST_MAIN(ChartWindowTest)
#include "chart_window_test.moc"
