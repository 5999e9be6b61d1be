#include <QMainWindow>
#include <QTabWidget>
#include <QTableView>
#include <QtTest>

#include "gui/app/area_controller.h"
#include "gui/systems/systems_controller.h"
#include "gui/systems/systems_page.h"
#include "support/fake_ui_host.h"
#include "support/temp_dir.h"

using namespace quorvel;

namespace {

// A frame of the bare parts an area needs, without the program's window: the area's tab is the
// only one.
struct BareFrame {
    BareFrame() : workspace(DataDirectory(dir.Path()), host, {}) {
        frame.Window = &window;
        frame.Ws = &workspace;
        frame.Host = &host;
        frame.Actions = new gui::ActionList(&window, [this] { return workspace.IsIdle(); });
        frame.LeftTabs = new QTabWidget(&window);
        frame.RightTabs = new QTabWidget(&window);
        frame.UpdateStatus = [] {};
        workspace.LoadStartupSettings();
        QVERIFY(workspace.Initialise());
        frame.Working = true;
    }

    test::TempDir dir;
    test::FakeUiHost host;
    Workspace workspace;
    QMainWindow window;
    gui::Frame frame;
};

}  // namespace

class AreaAloneTest : public QObject {
    Q_OBJECT

private slots:
    // The systems tab is built and driven by its controller alone, over its own workspace.
    void theSystemsAreaWorksWithoutTheProgramWindow() {
        BareFrame bare;
        bare.workspace.Systems().SetShippedSystemsFolder(std::string(QUORVEL_BUILD_DIR) + "/Systems");
        gui::SystemsController systems(bare.frame);
        const int tab = bare.frame.RightTabs->addTab(systems.Page(), "Системы");
        systems.CreateActions();
        systems.ShowSystems(false, false);
        QVERIFY(!bare.frame.RightTabs->isTabVisible(tab));

        QVERIFY(bare.frame.Actions->Execute("SystemsOn"));
        QVERIFY(bare.frame.RightTabs->isTabVisible(tab));
        QCOMPARE(systems.Page()->List()->model()->rowCount(), 7);
        QVERIFY(UiStateFile(bare.dir / "Quorvel_3r10.frm").ReadUiBool("SystemsEnabled", false));

        QVERIFY(bare.frame.Actions->Execute("SystemsOn"));
        QCOMPARE(systems.Page()->List()->model()->rowCount(), 0);
        QCOMPARE(bare.host.Count("error"), 0);
    }
};

QTEST_MAIN(AreaAloneTest)
#include "area_alone_test.moc"
