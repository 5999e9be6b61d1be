#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QtTest>
#include <functional>
#include <memory>

#include "core/archive/draws_file.h"
#include "core/model/text_forms.h"
#include "core/stakes/regulars_file.h"
#include "gui/app/main_window.h"
#include "gui/combos/combs_page.h"
#include "gui/stakes/regular_dialog.h"
#include "gui/stakes/regulars_page.h"
#include "gui/stakes/stake_dialog.h"
#include "support/fake_ui_host.h"
#include "support/records_from_text.h"
#include "support/screenshot.h"
#include "support/temp_dir.h"
#include "support/when_open.h"

using namespace quorvel;
using quorvel::gui::MainWindow;
using quorvel::test::Draw;
using quorvel::test::Regular;

namespace {

// A window over draws 10 (1;2;3), 11 (4;4;4), 12 (0;5;9) and the regulars given.
struct RegularsWindow {
    explicit RegularsWindow(const std::vector<TRegular>& regulars = {}) {
        SaveDrawsFile(dir / "Quorvel_3r10.ldr", {Draw(10, "1;2;3"), Draw(11, "4;4;4"), Draw(12, "0;5;9")});
        if (!regulars.empty()) SaveRegularsFile(dir / RegularsFileName, regulars);
        window = std::make_unique<MainWindow>(DataDirectory(dir.Path()), std::vector<std::string>{});
        window->SetUiHost(&host);
        window->Initialise();
        page = window->RightTabs()->findChild<gui::RegularsPage*>();
    }
    Workspace& Space() { return window->GetWorkspace(); }
    int Tab() const { return window->RightTabs()->indexOf(page); }
    QString Cell(int row, int column) const {
        return page->List()->model()->index(row, column).data().toString();
    }
    QAction* Action(const char* name) const { return window->Actions().Find(name); }
    void SelectRegulars(std::initializer_list<int> rows) {
        page->List()->clearSelection();
        for (int row : rows)
            page->List()->selectionModel()->select(page->List()->model()->index(row, 0),
                                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    void SelectCombs(std::initializer_list<int> rows) {
        QTableView* list = window->Combs()->List();
        list->clearSelection();
        for (int row : rows)
            list->selectionModel()->select(list->model()->index(row, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    std::vector<TRegular> Stored() { return LoadRegularsFile(dir / RegularsFileName).Regulars; }
    // Runs an action whose body opens a modal dialog, handling the dialog once it shows.
    template <typename Dialog>
    void WithDialog(const char* action, std::function<void(Dialog*)> handle) {
        bool seen = false;
        test::WhenOpen<Dialog>([&](Dialog& dialog) {
            seen = true;
            handle(&dialog);
        });
        QVERIFY(window->Actions().Execute(action));
        QVERIFY(seen);
    }

    test::TempDir dir;
    test::FakeUiHost host;
    std::unique_ptr<MainWindow> window;
    gui::RegularsPage* page = nullptr;
};

}  // namespace

class RegularsTabTest : public QObject {
    Q_OBJECT

private slots:
    void theTabListsTheFileAndItsSwitchHidesIt() {
        RegularsWindow w({Regular("Вверх", "8;9;0", 1), Regular("Тираж", "0;0;0", -3, true)});
        QVERIFY(w.page != nullptr);
        QVERIFY(w.window->RightTabs()->isTabVisible(w.Tab()));
        QCOMPARE(w.window->RightTabs()->tabText(w.Tab()), QString("Регуляры"));
        QCOMPARE(w.page->List()->model()->rowCount(), 2);
        QCOMPARE(w.page->List()->model()->headerData(1, Qt::Horizontal).toString(),
                 QString("Стартовая комбинация"));
        QCOMPARE(w.Cell(0, 3), QString("8;9;0"));
        QCOMPARE(w.Cell(1, 2), QString("-3"));
        QCOMPARE(w.Action("TablesStakeTest")->text(), QString("Тест регуляров"));
        QCOMPARE(w.Action("TabTables")->text(), QString("Вкладка \"Регуляры\""));
        QCOMPARE(w.Action("TabTables")->statusTip(),
                 QString("Скрыть / показать вкладку \"Регулярные ставки\""));
        QVERIFY(w.Action("TabTables")->isChecked());
        QVERIFY(w.Action("TablesAdd")->isEnabled());
        QVERIFY(!w.Action("TablesDel")->isEnabled());
        QVERIFY(!w.Action("TablesStakeAdd")->isEnabled());
        w.SelectRegulars({1});
        QVERIFY(w.Action("TablesDel")->isEnabled() && w.Action("TablesStakeAdd")->isEnabled());
        QVERIFY(w.page->List()->actions().contains(w.Action("TablesStakeTest")));
        QMenu* menu = nullptr;
        for (QAction* entry : w.window->menuBar()->actions()) {
            if (entry->text() == "Регуляры") menu = entry->menu();
        }
        QVERIFY(menu != nullptr && menu->actions().contains(w.Action("TablesStakeAdd")));
        // The tab's switch sits with the other tabs' switches.
        auto* view = w.window->menuBar()->findChild<QMenu*>("mnView");
        QVERIFY(view != nullptr && view->actions().contains(w.Action("TabTables")));
        w.window->resize(1100, 600);
        w.window->RightTabs()->setCurrentIndex(w.Tab());
        test::SaveScreenshot(w.window.get(), "regulars_tab.png");

        // Hidden: the list is emptied, the file stays and every regular action is off.
        QVERIFY(w.window->Actions().Execute("TabTables"));
        QVERIFY(!w.window->RightTabs()->isTabVisible(w.Tab()));
        QVERIFY(w.Space().Regulars().List().empty());
        QCOMPARE(w.page->List()->model()->rowCount(), 0);
        QVERIFY(!w.Action("TablesAdd")->isEnabled());
        QVERIFY(!UiStateFile(w.dir / "Quorvel_3r10.frm").ReadUiBool("TabTables", true));
        QCOMPARE(w.Stored().size(), size_t(2));
        // Shown again: read anew and brought to the front.
        QVERIFY(w.window->Actions().Execute("TabTables"));
        QCOMPARE(w.window->RightTabs()->currentIndex(), w.Tab());
        QCOMPARE(w.page->List()->model()->rowCount(), 2);
        QVERIFY(UiStateFile(w.dir / "Quorvel_3r10.frm").ReadUiBool("TabTables", false));
    }

    void theAddDialogChecksInOrderAndMakesOnePerCombination() {
        RegularsWindow w({Regular("Занято", "1;1;1", 1)});
        w.SelectCombs({123});
        w.WithDialog<gui::RegularDialog>("TablesAdd", [&](gui::RegularDialog* dialog) {
            QCOMPARE(dialog->windowTitle(), QString("Добавление регулярной ставки"));
            QCOMPARE(dialog->CommentEdit()->text(), QString("Регулярная ставка"));
            QCOMPARE(dialog->StartEdit()->text(), QString("1;2;3"));
            QVERIFY(dialog->StartEdit()->isEnabled());
            QCOMPARE(dialog->StepBox()->value(), 1);
            QCOMPARE(dialog->StepBox()->minimum(), -9);
            test::SaveScreenshot(dialog, "regular_dialog.png");
            dialog->StartEdit()->setText("1;2;10");
            dialog->CommentEdit()->clear();
            QCOMPARE(dialog->Problem().value_or(""), QString("Введена некорректная комбинация!"));
            dialog->StartEdit()->setText("7, 8 ,9");
            QCOMPARE(dialog->Problem().value_or(""), QString("Необходимо ввести комментарий!"));
            dialog->CommentEdit()->setText("ЗАНЯТО");
            QCOMPARE(
                dialog->Problem().value_or(""),
                QString(
                    "Запись с таким комментарией уже присутствует в списке!\rВыберите другой комментарий."));
            // The previous draw as base: the typed start is no longer checked.
            dialog->LastDrawStart()->setChecked(true);
            QVERIFY(!dialog->StartEdit()->isEnabled());
            dialog->ConstantStart()->setChecked(true);
            dialog->CommentEdit()->setText("Своя");
            dialog->StepBox()->setValue(-3);
            QVERIFY(!dialog->Problem());
            dialog->accept();
        });
        QCOMPARE(w.Space().Regulars().List().size(), size_t(2));
        QCOMPARE(w.Cell(1, 0), QString("Своя"));
        QCOMPARE(w.Cell(1, 1), QString("7;8;9"));
        QCOMPARE(w.Cell(1, 2), QString("-3"));

        // Three combinations: the field stands for them and each gets a regular of its own.
        w.SelectCombs({5, 0, 999});
        w.WithDialog<gui::RegularDialog>("TablesAdd", [&](gui::RegularDialog* dialog) {
            QCOMPARE(dialog->StartEdit()->text(), QString("{...Выделенные комбинации...}"));
            QVERIFY(!dialog->StartEdit()->isEnabled());
            dialog->StepBox()->setValue(-9);
            test::SaveScreenshot(dialog, "regular_dialog_many.png");
            dialog->CommentEdit()->setText("Ряд");
            QVERIFY(!dialog->Problem());
            dialog->accept();
        });
        QCOMPARE(w.Stored().size(), size_t(5));
        QCOMPARE(w.Cell(2, 0), QString("Ряд (1)"));
        QCOMPARE(w.Cell(3, 0), QString("Ряд (6)"));
        QCOMPARE(w.Cell(4, 0), QString("Ряд (1000)"));
        QCOMPARE(w.Cell(4, 3), QString("9;9;9"));
        QCOMPARE(w.Cell(4, 2), QString("-9"));
    }

    void stakingGoesThroughTheStakeDialogAndCancelChangesNothing() {
        RegularsWindow w({Regular("Вверх", "8;9;0", 1)});
        w.SelectRegulars({0});
        w.WithDialog<gui::StakeDialog>("TablesStakeAdd", [&](gui::StakeDialog* dialog) {
            QCOMPARE(dialog->ValuesEdit()->text(), QString("9;0;1"));
            QCOMPARE(dialog->DrawBox()->value(), 13);
            QCOMPARE(dialog->CommentEdit()->text(), QString("Вверх"));
            dialog->reject();
        });
        QCOMPARE(w.Cell(0, 3), QString("8;9;0"));
        QCOMPARE(w.Cell(0, 4), QString("0"));
        QCOMPARE(w.Space().Stakes().File().RecordCount(), 0);

        w.WithDialog<gui::StakeDialog>("TablesStakeAdd", [&](gui::StakeDialog* dialog) { dialog->accept(); });
        QCOMPARE(w.Cell(0, 3), QString("9;0;1"));
        QCOMPARE(w.Stored()[0].StakesMade, 1);
        QCOMPARE(w.Space().Stakes().File().RecordCount(), 1);
        QCOMPARE(int(w.Space().Stakes().File().Read(0).Kind), int(StakeKindRegular));
        w.WithDialog<gui::StakeDialog>("TablesStakeAdd", [&](gui::StakeDialog* dialog) {
            QCOMPARE(dialog->ValuesEdit()->text(), QString("0;1;2"));
            dialog->accept();
        });
        QCOMPARE(w.Cell(0, 4), QString("2"));
    }

    void theTestStakesPastDrawsAndRestoresTheOffset() {
        RegularsWindow w({Regular("Вверх", "8;9;0", 1), Regular("Тираж", "0;0;0", 0, true)});
        w.Space().Draws().SetDrawsOffset(1);
        w.SelectRegulars({1});
        int asked = 0;
        w.window->SetTestCountQuestion([&](int most) {
            asked = most;
            return std::optional<int>();
        });
        QVERIFY(w.window->Actions().Execute("TablesStakeTest"));
        QCOMPARE(asked, 2);
        QCOMPARE(w.Space().Stakes().File().RecordCount(), 0);

        w.window->SetTestCountQuestion([](int) { return std::optional<int>(2); });
        QVERIFY(w.window->Actions().Execute("TablesStakeTest"));
        QCOMPARE(w.Space().Archive().Offset(), 1);
        StakesFile& stakes = w.Space().Stakes().File();
        QCOMPARE(stakes.RecordCount(), 2);
        QCOMPARE(stakes.Read(0).DrawNumber, 11);
        QCOMPARE(StakeCombToStr(stakes.Read(0).Values, ";"), std::string("1;2;3"));
        QCOMPARE(StakeCombToStr(stakes.Read(1).Values, ";"), std::string("4;4;4"));
        QVERIFY(stakes.Read(1).IsChecked());
        QCOMPARE(w.Cell(1, 4), QString("2"));
        QCOMPARE(w.Cell(0, 4), QString("0"));
    }

    void deletingAsksFirst() {
        RegularsWindow w({Regular("A", "1;2;3", 1), Regular("B", "1;2;3", 1), Regular("C", "1;2;3", 1)});
        w.SelectRegulars({0, 2});
        QVERIFY(w.window->Actions().Execute("TablesDel"));
        QCOMPARE(QString::fromStdString(w.host.Last("delete")),
                 QString("Удалить все выделенные записи (всего будет удалено 2 записи(ей))?"));
        QCOMPARE(w.page->List()->model()->rowCount(), 3);
        w.host.Answers = {true};
        QVERIFY(w.window->Actions().Execute("TablesDel"));
        QCOMPARE(w.page->List()->model()->rowCount(), 1);
        QCOMPARE(w.Cell(0, 0), QString("B"));
        QVERIFY(w.page->SelectedRows().empty());
        QCOMPARE(w.Stored().size(), size_t(1));
    }
};

QTEST_MAIN(RegularsTabTest)
#include "regulars_tab_test.moc"
