#include <QChart>
#include <QDir>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QtTest>
#include <memory>
#include <set>

#include "core/model/colors.h"
#include "core/util/ini_file.h"
#include "core/util/languages.h"
#include "gui/app/main_window.h"
#include "gui/archive/draws_page.h"
#include "gui/stats/stats_page.h"
#include "gui/views/card_page.h"
#include "gui/views/graphs_page.h"
#include "gui/views/layout_page.h"
#include "gui/views/panel_splitter.h"
#include "gui/views/repeats_window.h"
#include "gui/views/week_page.h"
#include "support/fake_ui_host.h"
#include "support/temp_dir.h"

using namespace quorvel;
using quorvel::gui::MainWindow;

namespace {

const char* const TabActions[] = {"TabGraps", "TabCard", "TabLayout", "TabWeek"};
const char* const TabKeys[] = {"TabGraphs", "TabCard", "TabLayout", "TabWeek"};

// A data directory holding the sample archive, and a window started on it.
struct SampleWindow {
    SampleWindow() {
        {
            MainWindow first(DataDirectory(dir.Path()), {});
            first.SetUiHost(&host);
            first.Initialise();
            first.GetWorkspace().Draws().ImportDraws(std::string(QUORVEL_SAMPLES_DIR) + "/cash3.csv");
        }
        Restart();
    }
    void Restart() {
        window.reset();
        window = std::make_unique<MainWindow>(DataDirectory(dir.Path()), std::vector<std::string>{});
        window->SetUiHost(&host);
        window->Initialise();
    }
    template <typename Page>
    Page* Find() const {
        return window->findChild<Page*>();
    }
    bool Shown(QWidget* page) const {
        return window->RightTabs()->isTabVisible(window->RightTabs()->indexOf(page));
    }
    UiStateFile State() const { return UiStateFile(dir / "Quorvel_3r10.frm"); }
    void Screenshot(QWidget* widget, const QString& name) {
        if (widget == window.get()) window->resize(1200, 720);
        widget->show();
        QVERIFY(QTest::qWaitForWindowExposed(widget));
        QDir().mkpath(QUORVEL_SCREENSHOT_DIR);
        QVERIFY(widget->grab().save(QString(QUORVEL_SCREENSHOT_DIR) + "/" + name));
    }
    QColor Background(QTableView* table, int row, int column) const {
        return table->model()->index(row, column).data(Qt::BackgroundRole).value<QColor>();
    }

    test::TempDir dir;
    test::FakeUiHost host;
    std::unique_ptr<MainWindow> window;
};

// Counts which rows a view asks its model for, to see that only what is shown is built.
class RowsAsked : public QIdentityProxyModel {
public:
    QVariant data(const QModelIndex& index, int role) const override {
        rows.insert(index.row());
        return QIdentityProxyModel::data(index, role);
    }
    mutable std::set<int> rows;
};

TDrawsArray MadeUpDraws(int count) {
    TDrawsArray draws(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        TDraw& draw = draws[static_cast<size_t>(i)];
        draw.Number = i + 1;
        draw.Values = {static_cast<uint8_t>(i % 10), static_cast<uint8_t>(i * 7 % 10),
                       static_cast<uint8_t>(i * 3 % 10)};
    }
    return draws;
}

}  // namespace

class ViewsOptionsTest : public QObject {
    Q_OBJECT

private slots:
    void hiddenTabsAreWrittenAtOnceAndStayHiddenAndUnbuiltAfterARestart() {
        SampleWindow s;
        for (size_t i = 0; i < std::size(TabActions); ++i) {
            QVERIFY(s.window->Actions().Find(TabActions[i])->isChecked());
            QVERIFY(s.window->Actions().Execute(TabActions[i]));
            QVERIFY(!s.window->Actions().Find(TabActions[i])->isChecked());
            QVERIFY(!s.State().ReadUiBool(TabKeys[i], true));  // on disk before any shut-down
        }
        for (QWidget* page :
             std::initializer_list<QWidget*>{s.Find<gui::GraphsPage>(), s.Find<gui::CardPage>(),
                                             s.Find<gui::LayoutPage>(), s.Find<gui::WeekPage>()})
            QVERIFY(!s.Shown(page));

        s.Restart();
        auto* card = s.Find<gui::CardPage>();
        auto* graphs = s.Find<gui::GraphsPage>();
        QVERIFY(!s.Shown(card) && !s.Shown(graphs));
        QVERIFY(!s.Shown(s.Find<gui::LayoutPage>()) && !s.Shown(s.Find<gui::WeekPage>()));
        for (const char* name : TabActions)
            QVERIFY(!s.window->Actions().Find(name)->isChecked());
        // The start-up computation left every hidden tab alone.
        QCOMPARE(card->Grid().RowCount(), 0);
        QCOMPARE(s.Find<gui::LayoutPage>()->Grid().RowCount(), 0);
        QCOMPARE(s.Find<gui::WeekPage>()->Counts().Max, 0);
        QVERIFY(graphs->Chart()->series().isEmpty());

        // Shown again: computed at once and brought to the front.
        QVERIFY(s.window->Actions().Execute("TabCard"));
        QVERIFY(s.Shown(card));
        QCOMPARE(s.window->RightTabs()->currentWidget(), card);
        QCOMPARE(card->Grid().RowCount(), s.window->GetWorkspace().Archive().Count() + 1);
        QVERIFY(s.State().ReadUiBool("TabCard", false));
        s.Screenshot(s.window.get(), "views_card_shown_again.png");
        QVERIFY(s.window->Actions().Execute("TabGraps"));
        QCOMPARE(s.window->RightTabs()->currentWidget(), graphs);
        QCOMPARE(graphs->Chart()->series().size(), 3);
        QVERIFY(s.State().ReadUiBool("TabGraphs", false));
        s.Screenshot(s.window.get(), "views_graphs_shown_again.png");
        QVERIFY(s.window->Actions().Execute("TabWeek"));
        QVERIFY(s.Find<gui::WeekPage>()->Counts().Max > 0);
        s.Screenshot(s.window.get(), "views_week_shown_again.png");
        QVERIFY(s.window->Actions().Execute("TabLayout"));
        QVERIFY(s.Find<gui::LayoutPage>()->Grid().RowCount() > 1);
        QVERIFY(s.Find<gui::LayoutPage>()->CompareList(0)->rowCount() > 0);
        s.Screenshot(s.window.get(), "views_layout_shown_again.png");
    }

    void aHiddenTabFollowsTheArchiveOnlyOnceShown() {
        SampleWindow s;
        auto* card = s.Find<gui::CardPage>();
        auto* week = s.Find<gui::WeekPage>();
        Workspace& workspace = s.window->GetWorkspace();
        s.window->RightTabs()->setCurrentWidget(card);
        const int rows = card->Grid().RowCount();
        QCOMPARE(rows, workspace.Archive().Count() + 1);
        // The week counts the whole archive, so that every added draw counts.
        workspace.Options().WeekLen = 1000000;
        QVERIFY(s.window->Actions().Execute("WeekStatCalc"));
        auto sevens = [week] {
            int total = 0;
            for (int day = 0; day < 7; ++day)
                total += week->Counts().At(7, day);
            return total;
        };
        const int before = sevens();
        QVERIFY(s.window->Actions().Execute("TabCard"));
        QVERIFY(s.window->Actions().Execute("TabWeek"));
        // Ten draws of 7 7 7, dated as the newest draw.
        for (int i = 0; i < 10; ++i) {
            TDraw draw = workspace.Draws().NewDrawTemplate();
            draw.Values = {7, 7, 7};
            draw.DateText = workspace.Archive().Draws().back().DateText;
            QVERIFY(workspace.Draws().AddDraw(draw));
        }
        QCOMPARE(card->Grid().RowCount(), rows);
        QCOMPARE(sevens(), before);

        QVERIFY(s.window->Actions().Execute("TabCard"));
        QCOMPARE(card->Grid().RowCount(), rows + 10);
        QCOMPARE(card->Grid().At(8, 1), std::string("7"));
        QCOMPARE(card->Grid().At(7, 1), std::string(""));
        QVERIFY(s.window->Actions().Execute("TabWeek"));
        QCOMPARE(sevens(), before + 30);
    }

    void colourOptionsRepaintAndAreKept() {
        SampleWindow s;
        auto* card = s.Find<gui::CardPage>();
        s.window->RightTabs()->setCurrentWidget(card);
        QTableView* table = card->Table();
        const int channelSize = s.window->GetWorkspace().Stats().List().Config.ChannelSize;
        // A cell marked by the sequence colours, and an empty cell, in the newest rows.
        int markedRow = -1, markedColumn = -1, emptyRow = -1, emptyColumn = -1;
        for (int row = 0; row < 50 && (markedRow < 0 || emptyRow < 0); ++row) {
            for (int column = 0; column < 10; ++column) {
                const QString text = table->model()->index(row, column).data().toString();
                const QColor color = s.Background(table, row, column);
                if (text.isEmpty() && emptyRow < 0) {
                    emptyRow = row;
                    emptyColumn = column;
                }
                if (!text.isEmpty() && markedRow < 0 &&
                    (color == QColor(0xFFFF00) || color == QColor(0x00FF00) || color == QColor(0x00FFFF))) {
                    markedRow = row;
                    markedColumn = column;
                }
            }
        }
        QVERIFY(markedRow >= 0 && emptyRow >= 0);
        const QColor channel(QRgb(ValueColor(emptyColumn, channelSize)));
        QCOMPARE(s.Background(table, emptyRow, emptyColumn), channel);

        QSignalSpy repaints(table->model(), &QAbstractItemModel::dataChanged);
        QVERIFY(s.window->Actions().Execute("ColorCardSequences"));
        QVERIFY(!s.window->Actions().Find("ColorCardSequences")->isChecked());
        QVERIFY(!s.State().ReadUiBool("ColorCardSequences", true));
        QCOMPARE(repaints.count(), 1);
        QCOMPARE(s.Background(table, markedRow, markedColumn),
                 QColor(QRgb(ValueColor(markedColumn, channelSize))));
        QVERIFY(s.window->Actions().Execute("ColorCard"));
        QVERIFY(!s.State().ReadUiBool("ColorCard", true));
        QCOMPARE(repaints.count(), 2);
        QVERIFY(!s.Background(table, emptyRow, emptyColumn).isValid());
        QVERIFY(!s.Background(table, markedRow, markedColumn).isValid());
        s.Screenshot(s.window.get(), "views_card_without_colours.png");

        // The card's options need its tab; hidden, they are off and do nothing.
        QVERIFY(s.window->Actions().Execute("TabCard"));
        QVERIFY(!s.window->Actions().Find("ColorCard")->isEnabled());
        QVERIFY(!s.window->Actions().Execute("ColorCard"));
        QVERIFY(!s.window->GetWorkspace().Options().ColorCard);

        auto* layout = s.Find<gui::LayoutPage>();
        s.window->RightTabs()->setCurrentWidget(layout);
        QTableView* grid = layout->Table();
        const std::set<QRgb> chequered = {0xFFFFEAEA, 0xFFEAFFEA};
        int row = 0;
        while (row < grid->model()->rowCount() &&
               grid->model()->index(row, 0).data().toString().contains('['))
            ++row;
        QVERIFY(!chequered.contains(s.Background(grid, row, 0).rgba()));
        QVERIFY(s.window->Actions().Execute("LayoutGradient"));
        QVERIFY(!s.State().ReadUiBool("LayoutGradient", true));
        QVERIFY(chequered.contains(s.Background(grid, row, 0).rgba()));
        s.Screenshot(s.window.get(), "views_layout_chequered.png");

        // After a restart the pages paint as the stored options say.
        s.Restart();
        card = s.Find<gui::CardPage>();
        QVERIFY(!card->Coloring().ColorCard && !card->Coloring().ColorCardSequences);
        s.window->RightTabs()->setCurrentWidget(s.Find<gui::LayoutPage>());
        QVERIFY(chequered.contains(s.Background(s.Find<gui::LayoutPage>()->Table(), row, 0).rgba()));
    }

    void checkMarksFollowTheStoredOptionsAfterARestart() {
        test::TempDir dir;
        test::FakeUiHost host;
        UiStateFile state(dir / "Quorvel_3r10.frm");
        state.WriteUiValues({{"PrefetchsInit", "1"},
                             {"PrefetchsEnabled", "1"},
                             {"ShowTotalLine", "0"},
                             {"DownloadDrawsOnStart", "2"},
                             {"SortedDraws", "1"},
                             {"WeekChartMode", "1"},
                             {"TabCard", "0"},
                             {"TabGraphs", "0"},
                             {"ColorCardSequences", "0"},
                             {"LayoutGradient", "0"},
                             {"StakesScrollEnabled", "0"},
                             {"Language", "1033"},
                             {"DrawsStatLen", "300"},
                             {"DrawsGraphLen", "40"},
                             {"LayoutLen", "55"},
                             {"LayoutCompareLen2", "77"},
                             {"WeekLen", "500"}});
        MainWindow window(DataDirectory(dir.Path()), {});
        window.SetUiHost(&host);
        gui::ActionList& actions = window.Actions();
        QVERIFY(actions.Find("DrawsStatePrefetchsEnabled")->isChecked());
        QVERIFY(!actions.Find("DrawsStatShowTotalLine")->isChecked());
        QVERIFY(!actions.Find("AutoDownload0")->isChecked());
        QVERIFY(!actions.Find("AutoDownload1")->isChecked());
        QVERIFY(actions.Find("AutoDownload2")->isChecked());
        QVERIFY(actions.Find("DrawsSorted")->isChecked());
        QVERIFY(actions.Find("ViewWeekChartMode")->isChecked());
        QVERIFY(!actions.Find("TabCard")->isChecked());
        QVERIFY(!actions.Find("TabGraps")->isChecked());
        QVERIFY(actions.Find("TabLayout")->isChecked());
        QVERIFY(actions.Find("ColorCard")->isChecked());
        QVERIFY(!actions.Find("ColorCardSequences")->isChecked());
        QVERIFY(!actions.Find("LayoutGradient")->isChecked());
        QVERIFY(!actions.Find("StakesScroll")->isChecked());
        // The length boxes, made before the options were read as well, show the stored lengths.
        QCOMPARE(window.StatsTab()->WindowLength()->value(), 300);
        QCOMPARE(window.GraphsTab()->Length()->value(), 40);
        auto* layout = window.findChild<gui::LayoutPage*>();
        QCOMPARE(layout->Length()->value(), 55);
        QCOMPARE(layout->CompareLength(0)->value(), 50);
        QCOMPARE(layout->CompareLength(1)->value(), 77);
        QCOMPARE(window.findChild<gui::WeekPage*>()->Length()->value(), 500);
        QCOMPARE(window.GetWorkspace().Options().LayoutLen, 55);

        // The stored language is marked when its module is there, else the built-in one.
        auto* languages = window.menuBar()->findChild<QMenu*>("mnLanguages");
        QVERIFY(languages != nullptr);
        bool english = false;
        for (const QAction* entry : languages->actions())
            english = english || entry->data().toInt() == 1033;
        int checked = 0;
        for (const QAction* entry : languages->actions()) {
            if (!entry->isChecked()) continue;
            ++checked;
            QCOMPARE(entry->data().toInt(), english ? 1033 : BuiltInLanguage);
        }
        QCOMPARE(checked, 1);
    }

    void theRepeatsWindowKeepsItsOwnSection() {
        SampleWindow s;
        UiStateFile repeats = s.State().ForSection("TFormRepeats");
        repeats.WriteUiValues({{"NormPos", "40,30,760,630"},
                               {"DrawsLength", "50"},
                               {"DrawsDeep", "20"},
                               {"GraphHeight", "200"},
                               {"lvRepeats.Column1", "123"}});
        QVERIFY(s.window->Actions().Execute("AnalyzeRepeats"));
        auto* window = s.window->findChild<gui::RepeatsWindow*>();
        QVERIFY(window != nullptr);
        QCOMPARE(window->size(), QSize(720, 600));
        QCOMPARE(window->Length()->value(), 50);
        QCOMPARE(window->Deep()->value(), 20);
        QCOMPARE(window->Table()->horizontalHeader()->sectionSize(1), 123);
        QVERIFY(window->Table()->rowCount() > 0);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCOMPARE(window->GraphHeight(), 200);
        s.Screenshot(window, "repeats_window_restored.png");

        window->Length()->setValue(60);
        window->Splitter()->setSizes({window->Splitter()->height() - 250, 250});
        const int chart = window->GraphHeight();
        window->close();
        QCOMPARE(repeats.ReadUiInt("DrawsLength", 0), 60);
        QCOMPARE(repeats.ReadUiInt("DrawsDeep", 0), 20);
        QCOMPARE(repeats.ReadUiInt("GraphHeight", 0), chart);
        QCOMPARE(repeats.ReadUiString("NormPos", ""), std::string("40,30,760,630"));
        // Nothing of it lands in the main window's section.
        for (const char* key : {"DrawsLength", "DrawsDeep", "GraphHeight", "lvRepeats.Column1"})
            QCOMPARE(s.State().ReadUiString(key, "-"), std::string("-"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        QVERIFY(s.window->Actions().Execute("AnalyzeRepeats"));
        window = s.window->findChild<gui::RepeatsWindow*>();
        QVERIFY(window != nullptr);
        QCOMPARE(window->Length()->value(), 60);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCOMPARE(window->GraphHeight(), chart);
        window->close();
    }

    void theCardFollowsTheDrawsListAndBuildsOnlyTheRowsShown() {
        gui::CardPage page;
        page.SetNumberColumnWidth(64);
        page.Rebuild(MadeUpDraws(30000));
        QCOMPARE(page.Grid().RowCount(), 30001);
        RowsAsked counter;
        counter.setSourceModel(page.Table()->model());
        page.Table()->setModel(&counter);
        page.resize(500, 600);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QCOMPARE(page.Table()->verticalHeader()->width(), 64);
        (void)page.grab();
        QVERIFY(!counter.rows.empty());
        QVERIFY(counter.rows.size() < 100);
        page.Table()->scrollToBottom();
        (void)page.grab();
        QVERIFY(counter.rows.contains(29999));
        QVERIFY(counter.rows.size() < 200);

        // In the window the number column takes the draws list's first column width.
        SampleWindow s;
        QHeaderView* draws = s.window->Draws()->List()->horizontalHeader();
        auto* card = s.Find<gui::CardPage>();
        draws->resizeSection(0, 77);
        QCOMPARE(card->Table()->verticalHeader()->width(), 77);
        s.Restart();
        QCOMPARE(s.window->Draws()->List()->horizontalHeader()->sectionSize(0), 77);
        QCOMPARE(s.Find<gui::CardPage>()->Table()->verticalHeader()->width(), 77);
    }

    void theChartAndCompareHeightsAreKeptBetweenRuns() {
        SampleWindow s;
        s.window.reset();  // its shut-down would write the heights over these
        s.State().WriteUiValues({{"WeekHeight", "200"}, {"LayoutCompareHeight", "180"}});
        s.Restart();
        auto* week = s.Find<gui::WeekPage>();
        auto* layout = s.Find<gui::LayoutPage>();
        QCOMPARE(week->Splitter()->PanelHeight(), 200);
        s.window->RightTabs()->setCurrentWidget(week);
        s.Screenshot(s.window.get(), "views_week_chart_height.png");
        QCOMPARE(week->Splitter()->sizes().last(), 200);
        s.window->resize(1200, 900);  // a taller window grows the grid, not the chart
        QTest::qWait(10);
        QCOMPARE(week->Splitter()->sizes().last(), 200);
        week->Splitter()->setSizes({300, 240});
        s.window->close();
        s.Restart();
        // The layout page was never shown: its stored height passes through unchanged.
        QCOMPARE(s.State().ReadUiInt("WeekHeight", 0), 240);
        QCOMPARE(s.State().ReadUiInt("LayoutCompareHeight", 0), 180);
        layout = s.Find<gui::LayoutPage>();
        s.window->RightTabs()->setCurrentWidget(layout);
        s.Screenshot(s.window.get(), "views_layout_compare_height.png");
        QCOMPARE(layout->Splitter()->sizes().last(), 180);
    }

    void theViewMenuOffersTheTabsAndColours() {
        SampleWindow s;
        auto* menu = s.window->menuBar()->findChild<QMenu*>("mnView");
        QVERIFY(menu != nullptr);
        QStringList captions;
        for (const QAction* action : menu->actions())
            if (!action->isSeparator()) captions << action->text();
        for (const char* caption :
             {"Вкладка \"Графики\"", "Вкладка \"Карта\"", "Вкладка \"Схема\"", "Вкладка \"Неделя\"",
              "Выделять каналы в карте тиражей", "Выделять последовательности в карте тиражей",
              "Градиентная раскраска схемы"})
            QVERIFY2(captions.contains(QString(caption)), caption);
        QVERIFY(s.window->Actions().Execute("TabLayout"));
        s.window->RightTabs()->setCurrentWidget(s.Find<gui::CardPage>());
        s.Screenshot(s.window.get(), "views_menu_base.png");
        QPixmap shot = s.window->grab();
        const QPoint at = s.window->menuBar()->actionGeometry(menu->menuAction()).bottomLeft();
        menu->popup(s.window->mapToGlobal(at));
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        QPainter painter(&shot);
        painter.drawPixmap(at, menu->grab());
        painter.end();
        menu->close();
        QVERIFY(shot.save(QString(QUORVEL_SCREENSHOT_DIR) + "/views_menu.png"));
    }
};

QTEST_MAIN(ViewsOptionsTest)
#include "views_options_test.moc"
