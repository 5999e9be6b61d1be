#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

#include "gui/app/main_window.h"
#include "gui/stakes/multi_stake_dialog.h"
#include "gui/stakes/stakes_pages.h"
#include "gui/systems/system_dialog.h"
#include "gui/systems/systems_page.h"
#include "support/fake_ui_host.h"
#include "support/screenshot.h"
#include "support/temp_dir.h"

using namespace quorvel;
using quorvel::gui::MainWindow;

namespace {

struct SystemsWindow {
    SystemsWindow() {
        window = std::make_unique<MainWindow>(DataDirectory(dir.Path()), std::vector<std::string>{});
        window->SetUiHost(&host);
        window->GetWorkspace().Systems().SetShippedSystemsFolder(std::string(QUORVEL_BUILD_DIR) + "/Systems");
        window->Initialise();
        page = window->RightTabs()->findChild<gui::SystemsPage*>();
    }
    int Tab() const { return window->RightTabs()->indexOf(page); }
    QString Cell(int row, int column) const {
        return page->List()->model()->index(row, column).data().toString();
    }
    QAction* Action(const char* name) const { return window->Actions().Find(name); }
    // Runs an action whose body opens a modal dialog, handling the dialog once it shows.
    template <typename Dialog>
    void WithDialog(const char* action, std::function<void(Dialog*)> handle) {
        // Progress texts let the event loop run before the dialog exists, so keep looking.
        bool seen = false;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr || seen) return;
            seen = true;
            poll.stop();
            handle(dialog);
        });
        poll.start(10);
        QVERIFY(window->Actions().Execute(action));
        QVERIFY(seen);
    }

    test::TempDir dir;
    test::FakeUiHost host;
    std::unique_ptr<MainWindow> window;
    gui::SystemsPage* page = nullptr;
};

TSystemData OwnSystem() {
    TSystemData data;
    data.Info.Title = "Моя система";
    data.Info.Author = "Автор";
    data.Info.Description = "Пять чисел";
    data.Info.Numbers = 5;
    data.CombsText = "01 02 03\r\n03 04 05";
    return data;
}

}  // namespace

class SystemsTabTest : public QObject {
    Q_OBJECT

private slots:
    void theSwitchShowsTheTabWithItsActions() {
        SystemsWindow s;
        QVERIFY(s.page != nullptr);
        QVERIFY(!s.window->RightTabs()->isTabVisible(s.Tab()));
        QVERIFY(!s.Action("SystemsOn")->isChecked());
        QVERIFY(!s.Action("SystemStakeAll")->isVisible());
        QVERIFY(!s.Action("SystemsRefresh")->isEnabled());
        QCOMPARE(s.Action("SystemsOn")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_J));
        QCOMPARE(s.Action("SystemStakeAll")->shortcut(), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_J));
        QCOMPARE(s.Action("SystemStakeFilter")->shortcut(), QKeySequence(Qt::ALT | Qt::Key_J));
        QCOMPARE(s.Action("SystemStakeAll")->text(), QString("Cистемная игра по списку системы"));
        QCOMPARE(
            s.Action("SystemStakeFilter")->statusTip(),
            QString("Системная игра только по комбинациям, которые есть и в системе и в списке комбинаций"));

        QVERIFY(s.window->Actions().Execute("SystemsOn"));
        QVERIFY(s.window->RightTabs()->isTabVisible(s.Tab()));
        QCOMPARE(s.window->RightTabs()->currentIndex(), s.Tab());
        QVERIFY(s.Action("SystemsOn")->isChecked());
        QVERIFY(s.Action("SystemStakeAll")->isVisible() && s.Action("SystemStakeAll")->isEnabled());
        QVERIFY(UiStateFile(s.dir / "Quorvel_3r10.frm").ReadUiBool("SystemsEnabled", false));

        // The shipped systems, sorted by their numbers.
        QAbstractItemModel* model = s.page->List()->model();
        QCOMPARE(model->rowCount(), 7);
        QCOMPARE(model->headerData(2, Qt::Horizontal).toString(), QString("Числа"));
        QCOMPARE(s.Cell(0, 2), QString("04"));
        QCOMPARE(s.Cell(6, 2), QString("10"));
        QCOMPARE(s.Cell(6, 4), QString("120"));
        QCOMPARE(s.Cell(6, 7), QString("Загружена"));
        QVERIFY(!s.Action("SystemsProp")->isEnabled());
        s.page->List()->selectRow(0);
        QVERIFY(s.Action("SystemsProp")->isEnabled() && s.Action("SystemsDel")->isEnabled());

        // Ctrl+J opens a scenario on the scenario tab and switches system games elsewhere.
        s.window->RightTabs()->setCurrentIndex(9);
        QVERIFY(s.Action("SystemsOn")->shortcut().isEmpty());
        // Open keeps a key of its own wherever system games take Ctrl+J.
        QCOMPARE(s.Action("ScriptOpen")->shortcut(), QKeySequence("Ctrl+Shift+O"));
        QVERIFY(s.Action("ScriptOpen")->shortcuts().contains(QKeySequence("Ctrl+J")));
        s.window->RightTabs()->setCurrentIndex(s.Tab());
        QCOMPARE(s.Action("SystemsOn")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_J));

        s.window->resize(1200, 720);
        test::SaveScreenshot(s.window.get(), "systems_tab.png");

        // Hiding empties the list; the next start shows the tab again.
        QVERIFY(s.window->Actions().Execute("SystemsOn"));
        QVERIFY(!s.window->RightTabs()->isTabVisible(s.Tab()));
        QCOMPARE(model->rowCount(), 0);
        QVERIFY(!s.Action("SystemStakeFilter")->isVisible());
        QVERIFY(s.window->Actions().Execute("SystemsOn"));
        s.window.reset();
        s.window = std::make_unique<MainWindow>(DataDirectory(s.dir.Path()), std::vector<std::string>{});
        s.window->SetUiHost(&s.host);
        s.window->Initialise();
        s.page = s.window->RightTabs()->findChild<gui::SystemsPage*>();
        QVERIFY(s.window->RightTabs()->isTabVisible(s.Tab()));
        QVERIFY(s.Action("SystemsOn")->isChecked());
        QCOMPARE(s.page->List()->model()->rowCount(), 7);
    }

    void theStakeActionsStakeTheSystemOfTheCurrentList() {
        SystemsWindow s;
        QVERIFY(s.window->Actions().Execute("SystemsOn"));
        // The whole generated list holds all ten values: the system for ten numbers.
        s.WithDialog<gui::MultiStakeDialog>("SystemStakeAll", [](gui::MultiStakeDialog* dialog) {
            QCOMPARE(dialog->windowTitle(), QString("Добавление мультиставки"));
            QCOMPARE(dialog->CommentEdit()->text(),
                     QString("Системная игра для 10 чисел [вся система]: 3-10-0_0010"));
            QCOMPARE(dialog->DrawBox()->value(), 1);
            dialog->DrawsBox()->setValue(2);
            dialog->accept();
        });
        auto* stakes = s.window->RightTabs()->findChild<gui::StakesPage*>();
        QAbstractItemModel* grid = stakes->Grid()->model();
        QCOMPARE(grid->rowCount(), 120 * 2 * 2 - 1);  // two draws, each copy after a separator
        QCOMPARE(grid->index(0, 1).data().toString(), QString("Система"));
        QCOMPARE(grid->index(0, 2).data().toString(), QString("0;1;2"));
        QCOMPARE(grid->index(2, 0).data().toString(), QString("2"));

        // Cancel makes nothing.
        s.WithDialog<gui::MultiStakeDialog>("SystemStakeFilter", [](gui::MultiStakeDialog* dialog) {
            QCOMPARE(dialog->CommentEdit()->text(),
                     QString("Системная игра для 10 чисел [комбинации]: 3-10-0_0010"));
            dialog->CommentEdit()->clear();
            QCOMPARE(dialog->Problem().value_or(""), QString("Необходимо ввести комментарий!"));
            dialog->reject();
        });
        QCOMPARE(grid->rowCount(), 479);
    }

    void theDialogNormalisesAndChecksItsEntries() {
        gui::SystemDialog dialog(TSystemData{}, true);
        QCOMPARE(dialog.windowTitle(), QString("Система"));
        QCOMPARE(dialog.LengthEdit()->text(), QString("3"));
        QVERIFY(dialog.LengthEdit()->isReadOnly() && dialog.CountEdit()->isReadOnly());
        dialog.CombsEdit()->setPlainText("1,2,3\nnot a line\n2 3 4 5\n3-4-6\n");
        dialog.NormalizeCombs();
        QCOMPARE(dialog.CombsEdit()->toPlainText(), QString("01 02 03\n03 04 06"));
        QCOMPARE(dialog.NumbersEdit()->text(), QString("6"));
        QCOMPARE(dialog.CountEdit()->text(), QString("2"));
        QCOMPARE(dialog.Problem().value_or(""), QString("Название системы должно быть указано обязательно!"));
        dialog.TitleEdit()->setText("Т");
        dialog.BlockEdit()->setText("7");
        QCOMPARE(dialog.Problem().value_or(""), QString("Указан недопустмый размер блока!"));
        dialog.BlockEdit()->setText("1");
        dialog.AuthorEdit()->setText("А");
        dialog.DescriptionEdit()->setPlainText("О");
        QVERIFY(!dialog.Problem().has_value());
        const TSystemData data = dialog.Data();
        QCOMPARE(int(data.Info.Numbers), 6);
        QCOMPARE(int(data.Info.Block), 1);
        QCOMPARE(data.Info.Combinations, 2);

        // Another's system is only shown.
        gui::SystemDialog view(OwnSystem(), false);
        QVERIFY(view.TitleEdit()->isReadOnly() && view.CombsEdit()->isReadOnly());

        SystemsWindow s;
        TSystemData shown = OwnSystem();
        shown.Info.Link = "https://example.org/systems/9001";
        shown.Info.Created = 1735732800;
        gui::SystemDialog filled(shown, true, s.window.get());
        test::SaveScreenshot(&filled, "system_dialog.png");
    }

    void ownSystemsAreAddedThroughTheDialogAndDeleted() {
        SystemsWindow s;
        QVERIFY(s.window->Actions().Execute("SystemsOn"));
        s.host.Answers.push_back(true);  // replace the shipped system for five numbers
        s.WithDialog<gui::SystemDialog>("SystemsAdd", [](gui::SystemDialog* dialog) {
            const TSystemData data = OwnSystem();
            dialog->TitleEdit()->setText(QString::fromStdString(data.Info.Title));
            dialog->AuthorEdit()->setText(QString::fromStdString(data.Info.Author));
            dialog->DescriptionEdit()->setPlainText(QString::fromStdString(data.Info.Description));
            dialog->CombsEdit()->setPlainText(QString::fromStdString(data.CombsText));
            dialog->NormalizeCombs();
            dialog->NumbersEdit()->setText("5");
            dialog->accept();
        });
        QVERIFY(std::filesystem::exists(s.dir / "Systems" / "3-05-0_9001.dat"));
        QVERIFY(!std::filesystem::exists(s.dir / "Systems" / "3-05-0_0005.dat"));
        QCOMPARE(s.page->List()->model()->rowCount(), 7);
        QCOMPARE(s.Cell(1, 0), QString("Моя система"));

        s.page->List()->selectRow(1);
        s.host.Answers.push_back(true);
        QVERIFY(s.window->Actions().Execute("SystemsDel"));
        QCOMPARE(s.host.Last("question"),
                 std::string("Вы действительно хотите удалить систему \"Моя система\"?"));
        QCOMPARE(s.page->List()->model()->rowCount(), 6);
        // A shipped system is not the user's own.
        s.page->List()->selectRow(0);
        QVERIFY(s.window->Actions().Execute("SystemsDel"));
        QCOMPARE(s.host.Last("warning"), std::string("Вы можете удалять только свои системы!"));
        QCOMPARE(s.page->List()->model()->rowCount(), 6);
    }
};

QTEST_MAIN(SystemsTabTest)
#include "systems_tab_test.moc"
