// Every item model of the main window under QAbstractItemModelTester while the usual work
// changes what the models show: any broken promise of the model interface fails the test.
#include <QAbstractItemModelTester>
#include <QTabWidget>
#include <QtTest>
#include <memory>
#include <set>
#include <vector>

#include "core/stakes/regulars_file.h"
#include "gui/app/main_window.h"
#include "support/fake_ui_host.h"
#include "support/sample_window.h"
#include "support/temp_dir.h"

using namespace quorvel;

namespace {

struct TestedWindow {
    TestedWindow() {
        window = test::OpenSampleWindow(dir.Path(), host);
        host.Answers = {true, true, true, true, true, true, true, true};
        window->resize(1200, 800);
        window->show();
        // The systems and regulars tabs build their models when shown.
        window->Actions().Execute("SystemsOn");
        for (QAbstractItemModel* model : window->findChildren<QAbstractItemModel*>()) {
            if (model->inherits("QAbstractTableModel")) {
                testers.push_back(std::make_unique<QAbstractItemModelTester>(
                    model, QAbstractItemModelTester::FailureReportingMode::QtTest));
                classes.insert(model->metaObject()->className());
            }
        }
    }
    Workspace& Space() { return window->GetWorkspace(); }

    test::TempDir dir;
    test::FakeUiHost host;
    std::unique_ptr<gui::MainWindow> window;
    std::vector<std::unique_ptr<QAbstractItemModelTester>> testers;
    std::set<QString> classes;
};

}  // namespace

class ItemModelsTest : public QObject {
    Q_OBJECT

private slots:
    void everyModelKeepsItsPromisesThroughTheUsualWork() {
        TestedWindow w;
        for (const char* name :
             {"quorvel::gui::DrawsModel", "quorvel::gui::CombsModel", "quorvel::gui::AppliedFiltersModel",
              "quorvel::gui::StatTableModel", "quorvel::gui::ViewGridModel", "quorvel::gui::StakesModel",
              "quorvel::gui::RatingModel", "quorvel::gui::RegularsModel", "quorvel::gui::SystemsModel",
              "quorvel::gui::ScenarioModel"}) {
            QVERIFY2(w.classes.count(name) == 1, name);
        }
        Workspace& ws = w.Space();
        // The archive and every view follow the offset.
        ws.Draws().SetDrawsOffset(5);
        ws.Draws().SetDrawsOffset(0);
        // The list is narrowed by statistics rows, undone, and stakes go into the file.
        QVERIFY(ws.Stats().ComputeTable(true));
        QVERIFY(ws.FilterByStatRows({0, 1}, true));
        ws.Combs().UndoCombs();
        QVERIFY(ws.Stakes().AddStakesForCombs({ws.Combs().List().CombAt(0), ws.Combs().List().CombAt(1)}, 1,
                                              2, "Проверка"));
        QVERIFY(ws.Stakes().CheckStakes() >= 0);
        QVERIFY(ws.Stakes().RebuildRating());
        // A regular, a scenario line and the systems list come and go.
        TRegularDraft draft;
        draft.Comment = "Регуляр";
        QCOMPARE(ws.Regulars().AddRegulars(draft, {0}), 1);
        QVERIFY(ws.Regulars().DeleteRegulars({0}));
        ws.Script().AppendScriptLine("FULL:0#RAND|TSD1#NUMS:10#LNO:#SF:0| | | | | | |строка");
        QVERIFY(ws.Script().ClearScript());
        ws.Systems().RefreshSystems();
        QVERIFY(ws.Stakes().ClearStakes());
    }
};

QTEST_MAIN(ItemModelsTest)
#include "item_models_test.moc"
