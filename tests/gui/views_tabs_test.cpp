#include <QChart>
#include <QChartView>
#include <QDir>
#include <QHeaderView>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QValueAxis>
#include <QtTest>
#include <algorithm>
#include <memory>
#include <set>

#include "gui/app/main_window.h"
#include "gui/views/card_page.h"
#include "gui/views/layout_page.h"
#include "gui/views/week_page.h"
#include "support/fake_ui_host.h"
#include "support/sample_window.h"
#include "support/temp_dir.h"
#include "support/xlsx_parts.h"

using namespace quorvel;
using quorvel::gui::MainWindow;

namespace {

constexpr int CardTab = 2;
constexpr int LayoutTab = 3;
constexpr int WeekTab = 4;

struct SampleWindow {
    SampleWindow() { window = test::OpenSampleWindow(dir.Path(), host); }
    template <typename Page>
    Page* Show(int tab) {
        window->RightTabs()->setCurrentIndex(tab);
        return window->findChild<Page*>();
    }
    static void Select(QTableView* table, int row, int column) {
        table->selectionModel()->select(table->model()->index(row, column),
                                        QItemSelectionModel::ClearAndSelect);
    }
    bool AnyCombHolds(const std::set<int>& values) const {
        const auto combs = window->GetWorkspace().Combs().List().Current();
        return std::any_of(combs.begin(), combs.end(), [&](const TComb& comb) {
            return std::any_of(comb.Values.begin(), comb.Values.end(),
                               [&](auto v) { return values.contains(v); });
        });
    }
    bool EveryCombHoldsOneOf(const std::set<int>& values) const {
        const auto combs = window->GetWorkspace().Combs().List().Current();
        return std::all_of(combs.begin(), combs.end(), [&](const TComb& comb) {
            return std::any_of(comb.Values.begin(), comb.Values.end(),
                               [&](auto v) { return values.contains(v); });
        });
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

class ViewsTabsTest : public QObject {
    Q_OBJECT

private slots:
    void theCardAndTheLayoutExportAsShown() {
        SampleWindow s;
        QTableView* card = s.Show<gui::CardPage>(2)->Table();
        const QString cardFile = QString::fromStdString((s.dir / "card.xlsx").string());
        s.window->SetExportFile(cardFile);
        QVERIFY(s.window->Actions().Execute("CardXlsExport"));
        const QString cardXml = test::ReadXlsxParts(cardFile);
        QVERIFY(cardXml.contains("name=\"Карта\""));
        // Every row of the virtual grid, under the caption row.
        QVERIFY(cardXml.contains(QString("<row r=\"%1\"").arg(card->model()->rowCount() + 1)));
        QVERIFY(!cardXml.contains(QString("<row r=\"%1\"").arg(card->model()->rowCount() + 2)));
        QVERIFY(cardXml.contains("patternFill patternType=\"solid\""));  // the channel colours

        s.Show<gui::LayoutPage>(3);
        const QString layoutFile = QString::fromStdString((s.dir / "layout.xlsx").string());
        s.window->SetExportFile(layoutFile);
        QVERIFY(s.window->Actions().Execute("LayoutXlsExport"));
        QVERIFY(test::ReadXlsxParts(layoutFile).contains("name=\"Схема\""));
        QVERIFY(s.host.Messages.empty());
    }

    void removingAWeekColumnRemovesItsValue() {
        SampleWindow s;
        auto* page = s.Show<gui::WeekPage>(WeekTab);
        QVERIFY(page != nullptr);
        QTableView* table = page->Table();
        QCOMPARE(table->model()->rowCount(), 7);
        QCOMPARE(table->model()->columnCount(), 10);
        QCOMPARE(table->model()->headerData(3, Qt::Horizontal).toString(), QString("3"));
        QCOMPARE(table->model()->headerData(0, Qt::Vertical).toString(), QString("Пн"));
        // The largest count is painted pure red.
        bool maxFound = false;
        for (int row = 0; row < 7; ++row) {
            for (int column = 0; column < 10; ++column) {
                const QModelIndex index = table->model()->index(row, column);
                if (index.data().toInt() == page->Counts().Max) {
                    QCOMPARE(index.data(Qt::BackgroundRole).value<QColor>(), QColor(255, 0, 0));
                    maxFound = true;
                }
            }
        }
        QVERIFY(maxFound);
        QVERIFY(page->Counts().Max > 0);
        QVERIFY(s.AnyCombHolds({3}));

        SampleWindow::Select(table, 2, 3);  // any row of the column captioned 3
        QVERIFY(s.window->Actions().Execute("WeekFilter_Exclude"));
        Workspace& workspace = s.window->GetWorkspace();
        QCOMPARE(workspace.Combs().List().CombCount(), 729);  // 1000 less the 271 holding a 3
        QVERIFY(!s.AnyCombHolds({3}));
        const auto& applied = workspace.Combs().List().Applied();
        QCOMPARE(applied.size(), size_t{1});
        QCOMPARE(applied.back().Source, std::string("Неделя"));
        QCOMPARE(applied.back().Values, std::string("3"));
        QCOMPARE(applied.back().Count, 729);
        s.Screenshot("week_tab.png");
    }

    // The week chart is short: its value axis shows fewer ticks, each label whole, never "…".
    void theShortWeekChartKeepsItsTickLabelsWhole() {
        SampleWindow s;
        auto* page = s.Show<gui::WeekPage>(WeekTab);
        s.window->resize(1240, 720);
        s.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(s.window.get()));
        page->Table()->setCurrentIndex(page->Table()->model()->index(2, 3));
        auto* view = page->findChild<QChartView*>("WeekChart");
        QVERIFY(view != nullptr);
        QTest::qWait(50);
        QChart* chart = view->chart();
        const auto axes = chart->axes(Qt::Vertical);
        QVERIFY(!axes.isEmpty());
        auto* values = qobject_cast<QValueAxis*>(axes.first());
        QVERIFY(values != nullptr);
        const double ticks = (values->max() - values->min()) / values->tickInterval();
        const double labelHeight = QFontMetrics(values->labelsFont()).height();
        QVERIFY2(ticks * labelHeight <= chart->plotArea().height(),
                 qPrintable(QString("%1 ticks of %2 px in %3 px")
                                .arg(ticks)
                                .arg(labelHeight)
                                .arg(chart->plotArea().height())));
        QVERIFY(ticks >= 1);
    }

    void theCardShowsEveryDrawAndRefusesEmptyCells() {
        SampleWindow s;
        auto* page = s.Show<gui::CardPage>(CardTab);
        QVERIFY(page != nullptr);
        const DrawArchive& archive = s.window->GetWorkspace().Archive();
        QTableView* table = page->Table();
        QCOMPARE(table->model()->rowCount(), archive.Count());
        const TDraw& newest = archive.Draws().back();
        QCOMPARE(table->model()->headerData(0, Qt::Vertical).toString(), QString::number(newest.Number));
        for (auto v : newest.Values) {
            QCOMPARE(table->model()->index(0, v).data().toString(), QString::number(v));
        }
        int emptyColumn = -1;
        for (int column = 0; column < 10; ++column) {
            if (table->model()->index(0, column).data().toString().isEmpty()) emptyColumn = column;
        }
        QVERIFY(emptyColumn >= 0);
        SampleWindow::Select(table, 0, emptyColumn);
        QVERIFY(s.window->Actions().Execute("CardFilter_Include"));
        QCOMPARE(s.host.Last("error"), std::string("В выделенном диапазоне нет значений для фильтра!"));
        QCOMPARE(s.window->GetWorkspace().Combs().List().CombCount(), 1000);

        SampleWindow::Select(table, 0, newest.Values[0]);
        QVERIFY(s.window->Actions().Execute("CardFilter_Include"));
        QVERIFY(s.EveryCombHoldsOneOf({newest.Values[0]}));
        QCOMPARE(s.window->GetWorkspace().Combs().List().Applied().back().Source, std::string("Карта"));
        s.Screenshot("card_tab.png");
    }

    void theLayoutPlacesEachValueOnceAndFilters() {
        SampleWindow s;
        auto* page = s.Show<gui::LayoutPage>(LayoutTab);
        QVERIFY(page != nullptr);
        QTableView* table = page->Table();
        const TLayoutGrid& grid = page->Grid();
        QCOMPARE(table->model()->rowCount(), grid.RowCount() - 1);
        QCOMPARE(table->model()->columnCount(), grid.ColumnCount() - 1);
        // Over 100 draws each of the ten values occurs once somewhere in the grid.
        std::multiset<int> seen;
        int valueRow = -1;
        int valueColumn = -1;
        for (int row = 0; row < table->model()->rowCount(); ++row) {
            for (int column = 0; column < table->model()->columnCount(); ++column) {
                const QString text = table->model()->index(row, column).data().toString();
                if (text.isEmpty()) continue;
                if (valueRow < 0 && !text.contains(',')) {
                    valueRow = row;
                    valueColumn = column;
                }
                for (QString word : text.split(',')) {
                    seen.insert(word.remove('[').remove(']').trimmed().toInt());
                }
            }
        }
        QCOMPARE(seen.size(), size_t{10});
        QCOMPARE(std::set<int>(seen.begin(), seen.end()).size(), size_t{10});

        const DrawArchive& archive = s.window->GetWorkspace().Archive();
        QTableWidget* first = page->CompareList(0);
        const int count = archive.Count();
        QCOMPARE(first->horizontalHeaderItem(1)->text(),
                 QString("%1 - %2")
                     .arg(archive.Draws()[static_cast<size_t>(count - 50)].Number)
                     .arg(archive.Draws().back().Number));
        QCOMPARE(first->horizontalHeaderItem(0)->text(), QString("Кол-во"));

        QVERIFY(valueRow >= 0);
        QString text = table->model()->index(valueRow, valueColumn).data().toString();
        const int value = text.remove('[').remove(']').toInt();
        SampleWindow::Select(table, valueRow, valueColumn);
        QVERIFY(s.window->Actions().Execute("LayoutFilter_Exclude"));
        QVERIFY(!s.AnyCombHolds({value}));
        QCOMPARE(s.window->GetWorkspace().Combs().List().Applied().back().Source, std::string("Схема"));
        s.Screenshot("layout_tab.png");
    }
};

QTEST_MAIN(ViewsTabsTest)
#include "views_tabs_test.moc"
