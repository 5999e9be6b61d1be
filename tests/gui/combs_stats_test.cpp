#include <QApplication>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QValueAxis>
#include <QtTest>
#include <memory>

#include "gui/app/main_window.h"
#include "gui/combos/combs_page.h"
#include "gui/combos/generate_dialog.h"
#include "gui/stats/stats_page.h"
#include "support/fake_ui_host.h"
#include "support/sample_window.h"
#include "support/temp_dir.h"
#include "support/xlsx_parts.h"

using namespace quorvel;
using quorvel::gui::MainWindow;

namespace {

struct SampleWindow {
    SampleWindow() { window = test::OpenSampleWindow(dir.Path(), host); }
    void SelectStatRows(const QStringList& captions) {
        QTableView* table = window->StatsTab()->Table();
        for (int row = 0; row < table->model()->rowCount(); ++row) {
            if (captions.contains(table->model()->index(row, 0).data().toString())) {
                table->selectionModel()->select(table->model()->index(row, 0),
                                                QItemSelectionModel::Select | QItemSelectionModel::Rows);
            }
        }
    }
    void Screenshot(const QString& name) {
        window->resize(1200, 720);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QDir().mkpath(QUORVEL_SCREENSHOT_DIR);
        QVERIFY(window->grab().save(QString(QUORVEL_SCREENSHOT_DIR) + "/" + name));
    }

    test::TempDir dir;
    test::FakeUiHost host;
    std::unique_ptr<MainWindow> window;
};

}  // namespace

class CombsStatsTest : public QObject {
    Q_OBJECT

private slots:
    void theStatisticsTableExportsAsShown() {
        SampleWindow s;
        QTableView* table = s.window->StatsTab()->Table();
        const QString file = QString::fromStdString((s.dir / "stats.xlsx").string());
        s.window->SetExportFile(file);
        QVERIFY(s.window->Actions().Execute("DrawsStatExportToExcel"));
        QVERIFY(s.host.Messages.empty());
        // Read back by an independent reader: the sheet is titled with the tab's caption, the
        // captions and the first row's texts are the window's, the counts are numbers.
        const QString xml = test::ReadXlsxParts(file);
        QVERIFY(xml.contains("name=\"Статистика\""));
        QVERIFY(xml.contains(table->model()->headerData(1, Qt::Horizontal).toString()));
        const QString count = table->model()->index(0, 1).data().toString();
        QVERIFY(xml.contains(QString("<v>%1</v>").arg(count)));
        // A failed write is shown and changes nothing.
        s.window->SetExportFile(QString::fromStdString((s.dir / "missing" / "x.xlsx").string()));
        QVERIFY(s.window->Actions().Execute("DrawsStatExportToExcel"));
        QCOMPARE(s.host.Count("error"), 1);
        QVERIFY(s.host.Last("error").rfind("Ошибка записи в файл", 0) == 0);
    }

    void keepingTheRowsOfTwoValuesAndUndo() {
        SampleWindow s;
        QTableView* table = s.window->StatsTab()->Table();
        QCOMPARE(table->model()->rowCount(), 10);  // NUMS over the last 1000 draws
        QCOMPARE(table->model()->headerData(1, Qt::Horizontal).toString(), QString("Количество"));
        QCOMPARE(s.window->StatusText(3), QString("Комбинаций: 1000"));
        s.SelectStatRows({"3", "7"});
        QVERIFY(s.window->Actions().Execute("StatFilter_Include"));
        QCOMPARE(s.window->GetWorkspace().Combs().List().CombCount(), 488);
        QCOMPARE(s.window->StatusText(3), QString("Комбинаций: 488"));
        QAbstractItemModel* filters = s.window->Combs()->Filters()->model();
        QCOMPARE(filters->rowCount(), 1);
        QCOMPARE(filters->index(0, 1).data().toString(), QString("7; 3"));  // in display order
        QCOMPARE(filters->index(0, 2).data().toInt(), 488);
        s.window->RightTabs()->setCurrentIndex(0);
        s.window->LeftTabs()->setCurrentIndex(1);
        s.Screenshot("combs_after_filter.png");
        QVERIFY(s.window->Actions().Execute("CombsUndo"));
        QCOMPARE(s.window->GetWorkspace().Combs().List().CombCount(), 1000);
        QCOMPARE(filters->rowCount(), 0);
        QVERIFY(!s.window->Actions().Find("CombsUndo")->isEnabled());
    }

    void sortingByAHeaderClickAndTheNormColumns() {
        SampleWindow s;
        QTableView* table = s.window->StatsTab()->Table();
        QVERIFY(table->isColumnHidden(3));
        emit s.window->StatsTab()->SortRequested(0);
        QCOMPARE(table->model()->index(0, 0).data().toString(), QString("0"));
        emit s.window->StatsTab()->SortRequested(0);  // the same column again: descending
        QCOMPARE(table->model()->index(0, 0).data().toString(), QString("9"));
        QVERIFY(s.window->Actions().Execute("DrawsStatePrefetchsEnabled"));
        QVERIFY(!table->isColumnHidden(3));
        QCOMPARE(table->model()->index(0, 3).data().toString(), QString("306"));  // round((325 + 287) / 2)
        s.Screenshot("stats_table.png");
        // The chart names the values under their points and counts from 0 in round steps.
        QChart* chart = s.window->StatsTab()->Chart()->chart();
        const auto bottom = chart->axes(Qt::Horizontal);
        QCOMPARE(bottom.size(), 1);
        auto* values = qobject_cast<QCategoryAxis*>(bottom.first());
        QVERIFY(values != nullptr);
        QCOMPARE(values->categoriesLabels(), QStringList({"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}));
        auto* counts = qobject_cast<QValueAxis*>(chart->axes(Qt::Vertical).first());
        QVERIFY(counts != nullptr);
        QCOMPARE(counts->min(), 0.0);
        QVERIFY(counts->max() >= 325);
    }

    void clipboardGenerationAndExclusion() {
        SampleWindow s;
        Workspace& workspace = s.window->GetWorkspace();
        QApplication::clipboard()->setText("01 02 03\n04 05 06\n");
        QVERIFY(s.window->Actions().Execute("CombsPaste"));
        QCOMPARE(workspace.Combs().List().CombCount(), 2);
        QApplication::clipboard()->setText("1 2 3\n1;2\n");
        QVERIFY(s.window->Actions().Execute("CombsPaste"));
        QCOMPARE(s.host.Last("error"), std::string("Некорректная комбинация: \"1;2\"!"));
        QCOMPARE(workspace.Combs().List().CombCount(), 2);

        gui::GenerateDialog dialog(workspace.Combs().StoredGenerateParams());
        QVERIFY(!dialog.ParametersEdit()->isEnabled());
        dialog.ModeBox()->setCurrentIndex(2);
        // Without my numbers the dialog says so and stays open, rather than make an empty list.
        dialog.show();
        dialog.accept();
        QVERIFY(dialog.isVisible());
        QVERIFY(dialog.WarningLabel()->isVisible());
        QDir().mkpath(QUORVEL_SCREENSHOT_DIR);
        dialog.grab().save(QString(QUORVEL_SCREENSHOT_DIR) + "/generate_dialog_warning.png");
        dialog.ParametersEdit()->setText("1;2;3");
        QVERIFY(dialog.ParametersEdit()->isEnabled());
        workspace.Combs().GenerateCombsList(dialog.Params(), true);
        QCOMPARE(workspace.Combs().List().CombCount(), 27);
        QDir().mkpath(QUORVEL_SCREENSHOT_DIR);
        dialog.grab().save(QString(QUORVEL_SCREENSHOT_DIR) + "/generate_dialog.png");
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));

        workspace.Combs().GenerateCombsList({}, true);
        s.window->Combs()->ExcludeBox()->setValue(5);
        QVERIFY(s.window->Actions().Execute("CombsDelExists"));
        QVERIFY(workspace.Combs().List().CombCount() >= 995);
        QCOMPARE(workspace.Options().DrawsExclude, 5);
    }
};

QTEST_MAIN(CombsStatsTest)
#include "combs_stats_test.moc"
