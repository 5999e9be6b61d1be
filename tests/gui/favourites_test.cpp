#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QInputDialog>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>
#include <functional>
#include <memory>

#include "core/archive/draws_file.h"
#include "core/util/codepage.h"
#include "core/util/ini_file.h"
#include "gui/app/main_window.h"
#include "gui/app/params_dialog.h"
#include "gui/archive/draw_info_window.h"
#include "gui/archive/draws_page.h"
#include "gui/stats/description_window.h"
#include "gui/stats/favourites_dialog.h"
#include "gui/stats/method_combo.h"
#include "gui/stats/stats_page.h"
#include "gui/views/graphs_page.h"
#include "support/fake_ui_host.h"
#include "support/temp_dir.h"
#include "support/when_open.h"

using namespace quorvel;
using gui::FavouritesDialog;
using gui::MainWindow;

using quorvel::test::WhenOpen;

namespace {

TDraw Draw(int number, int a, int b, int c) {
    TDraw draw;
    draw.Number = number;
    draw.Values = {static_cast<uint8_t>(a), static_cast<uint8_t>(b), static_cast<uint8_t>(c)};
    return draw;
}

struct StartedWindow {
    explicit StartedWindow(const test::TempDir& dir)
        : window(std::make_unique<MainWindow>(DataDirectory(dir.Path()), std::vector<std::string>{})) {
        window->SetUiHost(&host);
        initialised = window->Initialise();
    }
    gui::MethodCombo* StatsList() const { return window->StatsTab()->Methods(); }
    gui::MethodCombo* GraphsList() const { return window->GraphsTab()->Methods(); }
    TStatList& Stats() const { return window->GetWorkspace().Stats().List(); }
    int Index(const char* code) const { return Stats().IndexOfCode(code); }
    // The number of methods the statistics list holds when every method (of a group) is shown.
    int Listable(int group = -1) const {
        int count = 0;
        for (const TStatMethod& entry : Stats().Items) {
            count += entry.StatClass->Available && entry.StatClass->Selectable &&
                     (group < 0 || entry.StatClass->Group == group);
        }
        return count;
    }

    test::FakeUiHost host;
    std::unique_ptr<MainWindow> window;
    bool initialised = false;
};

QStringList Texts(const QComboBox* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->itemText(i);
    return texts;
}

void ClickNode(QTreeWidget* tree, QTreeWidgetItem* node) {
    tree->scrollToItem(node);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(node).center());
}

bool Marked(const QTreeWidgetItem* node) {
    return node->checkState(0) == Qt::Checked;
}

QPushButton* ButtonOf(QWidget& dialog, const char* name) {
    return dialog.findChild<QPushButton*>(name);
}

void SaveScreenshot(QWidget& widget, const QString& name) {
    QDir().mkpath(QUORVEL_SCREENSHOT_DIR);
    QVERIFY(widget.grab().save(QString(QUORVEL_SCREENSHOT_DIR) + "/" + name));
}

std::string SavedFavourites(const test::TempDir& dir) {
    return TIniFile::Load(dir / "Quorvel_3r10.flt").ReadString("FILTERS", "Favorites", "<none>");
}

}  // namespace

class FavouritesTest : public QObject {
    Q_OBJECT

private slots:
    void listsShowTheCatalogueAndTheStatisticsMenuHoldsTheActions() {
        test::TempDir dir;
        StartedWindow s(dir);
        QVERIFY(s.initialised);
        QCOMPARE(s.window->RightTabs()->widget(0)->objectName(), QString("tsStat"));
        QCOMPARE(s.window->RightTabs()->widget(1)->objectName(), QString("tsGraphs"));
        QCOMPARE(s.StatsList()->count(), s.Listable());
        QCOMPARE(s.StatsList()->currentIndex(), 0);
        QCOMPARE(s.StatsList()->itemText(0), QString("{ num } Числа тиража [ N ]"));
        QCOMPARE(s.StatsList()->itemData(0).toInt(), s.Index("NUMS"));
        QCOMPARE(s.GraphsList()->count(), int(s.Stats().MethodList(true).size()));
        QCOMPARE(s.GraphsList()->itemText(0),
                 QString("{ num } Количество четных чисел в тираже (Ч:Н) [ NG ]"));
        QCOMPARE(s.GraphsList()->CurrentEntry(), s.Index("EVEN"));

        QMenu* menu = s.window->menuBar()->findChild<QMenu*>("mnStats");
        QVERIFY(menu != nullptr);
        QCOMPARE(menu->title(), QString("Статистика"));
        QStringList captions;
        for (QAction* action : menu->actions())
            if (!action->isSeparator()) captions << action->text();
        QCOMPARE(captions.mid(0, 3),
                 QStringList({"Избранные статистики", "Все доступные статистики", "Описание статистики"}));
        QVERIFY(captions.contains("Оставить выделенные"));
        // Each entry says what it refreshes: no two entries read the same.
        QCOMPARE(captions.removeDuplicates(), 0);
        QVERIFY(captions.contains("Обновить таблицу статистики") && captions.contains("Обновить график"));
        QCOMPARE(s.window->StatsTab()->FavouritesButton()->text(), QString("Избранное"));
        QVERIFY(s.window->Actions().Find("FiltersInfo")->isEnabled());

        // Busy: the favourites button follows its action.
        s.window->GetWorkspace().Busy().BeginBusy();
        s.window->Actions().UpdateAll();
        QVERIFY(!s.window->StatsTab()->FavouritesButton()->isEnabled());
        s.window->GetWorkspace().Busy().EndBusy();
        s.window->Actions().UpdateAll();
        QVERIFY(s.window->StatsTab()->FavouritesButton()->isEnabled());

        s.window->resize(1100, 600);
        s.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(s.window.get()));
        SaveScreenshot(*s.window, "stats_tab.png");
    }

    void refillingKeepsValidPositionsAndLeavesNoneOtherwise() {
        test::TempDir dir;
        StartedWindow s(dir);
        s.StatsList()->setCurrentIndex(5);
        s.GraphsList()->setCurrentIndex(2);
        // A reload rebuilds the catalogue; names and favourites pass through the names file.
        s.Stats().ParseFavourites("NUMS,DIGS,EVEN,SMAL,PRIM,POS1,POS2,POS3");
        s.Stats().Items[size_t(s.Index("POS1"))].CustomName = "Первая позиция";
        s.window->FillMethodLists(true, true);
        QCOMPARE(s.StatsList()->count(), 8);
        QCOMPARE(s.StatsList()->currentIndex(), 5);
        QCOMPARE(s.StatsList()->currentText(), QString("{ num } Первая позиция [ SNG ]"));
        QCOMPARE(s.GraphsList()->currentIndex(), 2);
        QVERIFY(!s.Stats().ShowAll);

        s.window->FillMethodLists(false, false);
        QCOMPARE(s.StatsList()->currentIndex(), 0);

        s.StatsList()->setCurrentIndex(5);
        s.Stats().ParseFavourites("NUMS,POS2");
        s.window->FillMethodLists(false, true);
        QCOMPARE(s.StatsList()->count(), 2);
        QCOMPARE(s.StatsList()->currentIndex(), -1);
        QCOMPARE(s.StatsList()->CurrentEntry(), -1);
        QVERIFY(!s.window->Actions().Find("FiltersInfo")->isEnabled());
        s.StatsList()->setCurrentIndex(1);
        QVERIFY(s.window->Actions().Find("FiltersInfo")->isEnabled());

        // The parameters dialog reloads the catalogue through the names file, keeping positions.
        std::filesystem::remove(dir / "Quorvel_3r10.flt");
        WhenOpen<gui::ParamsDialog>([](gui::ParamsDialog& dialog) { dialog.accept(); });
        QVERIFY(s.window->Actions().Execute("EditConfig"));
        QCOMPARE(SavedFavourites(dir), std::string("NUMS,POS2"));
        QCOMPARE(s.StatsList()->count(), 2);
        QCOMPARE(s.StatsList()->currentIndex(), 1);
        QCOMPARE(s.Stats().Items[size_t(s.Index("POS1"))].Name(), std::string("Первая позиция"));
    }

    void unmarkingEveryEntryAndConfirmingShowsEveryMethodAgain() {
        test::TempDir dir;
        test::WriteBytes(dir / "Quorvel_3r10.flt", "[FILTERS]\r\nFavorites=NUMS,POS2\r\n");
        StartedWindow s(dir);
        QCOMPARE(s.StatsList()->count(), 2);
        // Nothing marked changes the lists and the chosen method: the dialog asks first, and No
        // leaves it open as it was.
        s.host.Answers = {false, true};
        WhenOpen<FavouritesDialog>([&s](FavouritesDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), QString("Менеджер избранных методов расчета статистики"));
            QTest::mouseClick(ButtonOf(dialog, "btUncheckAll"), Qt::LeftButton);
            const FavouritesEdit edit = dialog.Edit();
            for (const FavouriteEdit& entry : edit.Entries)
                QVERIFY(!entry.Favourite);
            dialog.accept();
            QVERIFY(dialog.isVisible());
            QCOMPARE(s.host.Count("question"), 1);
            dialog.accept();
        });
        QVERIFY(s.window->Actions().Execute("FiltersManager"));
        QCOMPARE(s.StatsList()->count(), s.Listable());
        QCOMPARE(s.StatsList()->currentIndex(), 0);
        QVERIFY(s.Stats().ShowAll);
        QCOMPARE(SavedFavourites(dir), std::string());
        QCOMPARE(s.host.Count("question"), 2);
        QVERIFY(s.window->GetWorkspace().IsIdle());
    }

    void markingOnlyNumsAndPos2LeavesThoseTwo() {
        test::TempDir dir;
        StartedWindow s(dir);
        WhenOpen<FavouritesDialog>([&s](FavouritesDialog& dialog) {
            QTreeWidget* tree = dialog.Tree();
            QCOMPARE(dialog.CountLabel()->text(), QString("всего %1 методов").arg(s.Stats().Count()));
            QCOMPARE(tree->topLevelItem(0)->text(0), QString("{ num } Числа тиража"));
            QVERIFY(tree->topLevelItem(0)->isExpanded());
            QVERIFY(dialog.OrderedBox()->text() == "Сортировать списки по названию метода");
            QVERIFY(!dialog.OrderedBox()->isChecked());
            QVERIFY(dialog.GroupNameBox()->isChecked());
            QVERIFY(dialog.MethodFlagsBox()->isChecked());
            // Nothing chosen: only the whole-tree buttons work.
            QVERIFY(ButtonOf(dialog, "btCheckAll")->isEnabled());
            QVERIFY(!ButtonOf(dialog, "btCheckGroup")->isEnabled());
            QVERIFY(!ButtonOf(dialog, "btRename")->isEnabled());

            QTest::mouseClick(ButtonOf(dialog, "btUncheckAll"), Qt::LeftButton);
            QTreeWidgetItem* nums = dialog.EntryNode(s.Index("NUMS"));
            QTreeWidgetItem* pos2 = dialog.EntryNode(s.Index("POS2"));
            QCOMPARE(nums->text(0), QString("Числа тиража"));
            ClickNode(tree, nums);
            ClickNode(tree, pos2);
            ClickNode(tree, dialog.EntryNode(s.Index("DIGS")));
            ClickNode(tree, dialog.EntryNode(s.Index("DIGS")));  // a second click takes the mark off
            QVERIFY(Marked(nums));
            QVERIFY(Marked(pos2));
            QVERIFY(!Marked(dialog.EntryNode(s.Index("DIGS"))));
            // A group node takes no mark and choosing it allows only the group buttons.
            ClickNode(tree, tree->topLevelItem(0));
            QVERIFY(tree->topLevelItem(0)->data(0, Qt::CheckStateRole).isNull());
            QVERIFY(ButtonOf(dialog, "btCheckGroup")->isEnabled());
            QVERIFY(!ButtonOf(dialog, "btRename")->isEnabled());
            QVERIFY(!ButtonOf(dialog, "btDescription")->isEnabled());
            SaveScreenshot(dialog, "favourites_dialog.png");
            dialog.accept();
        });
        QVERIFY(s.window->Actions().Execute("FiltersManager"));
        QCOMPARE(Texts(s.StatsList()),
                 QStringList({"{ num } Числа тиража [ N ]", "{ num } Число в 2 позиции тиража [ SNG ]"}));
        QCOMPARE(Texts(s.GraphsList()), QStringList({"{ num } Число в 2 позиции тиража [ SNG ]"}));
        QCOMPARE(SavedFavourites(dir), std::string("NUMS,POS2"));

        // The group buttons mark the whole group of the chosen entry; the options apply too.
        WhenOpen<FavouritesDialog>([&s](FavouritesDialog& dialog) {
            QVERIFY(!Marked(dialog.EntryNode(s.Index("DIGS"))));
            dialog.Tree()->setCurrentItem(dialog.EntryNode(s.Index("POS3")));
            QTest::mouseClick(ButtonOf(dialog, "btCheckGroup"), Qt::LeftButton);
            QVERIFY(Marked(dialog.EntryNode(s.Index("DIGS"))));
            QVERIFY(!Marked(dialog.EntryNode(s.Index("SUMS"))));  // another group stays as it was
            dialog.GroupNameBox()->setChecked(false);
            dialog.MethodFlagsBox()->setChecked(false);
            dialog.accept();
        });
        QVERIFY(s.window->Actions().Execute("FiltersManager"));
        QCOMPARE(s.StatsList()->count(), s.Listable(0));
        QCOMPARE(s.StatsList()->itemText(0), QString("Числа тиража"));
    }

    void renamingChangesTheListTextAndATitleInOtherCaseIsDropped() {
        test::TempDir dir;
        StartedWindow s(dir);
        s.Stats().Items[size_t(s.Index("NUMS"))].CustomName = "Мои числа";
        s.window->FillMethodLists(false, false);
        QCOMPARE(s.StatsList()->itemText(0), QString("{ num } Мои числа [ N ]"));
        const auto rename = [](FavouritesDialog& dialog, QTreeWidgetItem* node, const QString& name) {
            dialog.Tree()->setCurrentItem(node);
            WhenOpen<QInputDialog>([name, node](QInputDialog& input) {
                QCOMPARE(input.windowTitle(), QString("Переименование"));
                QCOMPARE(input.labelText(), QString("Введите наименование фильтра:"));
                QCOMPARE(input.textValue(), node->text(0));
                input.setTextValue(name);
                input.accept();
            });
            QTest::mouseClick(ButtonOf(dialog, "btRename"), Qt::LeftButton);
        };
        WhenOpen<FavouritesDialog>([&](FavouritesDialog& dialog) {
            QCOMPARE(dialog.EntryNode(s.Index("NUMS"))->text(0), QString("Мои числа"));
            rename(dialog, dialog.EntryNode(s.Index("NUMS")), "ЧИСЛА ТИРАЖА");
            rename(dialog, dialog.EntryNode(s.Index("EVEN")), "Чётность");
            rename(dialog, dialog.EntryNode(s.Index("POS1")), "Сотни");
            QCOMPARE(dialog.EntryNode(s.Index("POS1"))->text(0), QString("Сотни"));
            QTest::mouseClick(ButtonOf(dialog, "btRestore"), Qt::LeftButton);
            QCOMPARE(dialog.EntryNode(s.Index("POS1"))->text(0), QString("Число в 1 позиции тиража"));
            dialog.accept();
        });
        QVERIFY(s.window->Actions().Execute("FiltersManager"));
        QCOMPARE(s.Stats().Items[size_t(s.Index("NUMS"))].CustomName, std::string());
        QCOMPARE(s.StatsList()->itemText(0), QString("{ num } Числа тиража [ N ]"));
        QVERIFY(Texts(s.StatsList()).contains("{ num } Чётность [ NG ]"));
        QVERIFY(Texts(s.StatsList()).contains("{ num } Число в 1 позиции тиража [ SNG ]"));
        const TIniFile names = TIniFile::Load(dir / "Quorvel_3r10.flt");
        QCOMPARE(names.ReadString("STRINGS_RUS", "NUMS", "<none>"), std::string("<none>"));
        QCOMPARE(names.ReadString("STRINGS_RUS", "EVEN", "<none>"), std::string("Чётность"));

        // Cancel leaves the catalogue as it was.
        WhenOpen<FavouritesDialog>([&](FavouritesDialog& dialog) {
            rename(dialog, dialog.EntryNode(s.Index("EVEN")), "Другое");
            QTest::mouseClick(ButtonOf(dialog, "btUncheckAll"), Qt::LeftButton);
            dialog.reject();
        });
        QVERIFY(s.window->Actions().Execute("FiltersManager"));
        QVERIFY(Texts(s.StatsList()).contains("{ num } Чётность [ NG ]"));
        QCOMPARE(s.StatsList()->count(), s.Listable());
    }

    void importedNamesReachTheCatalogueOnlyOnConfirmation() {
        test::TempDir dir;
        test::WriteBytes(dir / "names.flt", "[FILTERS]\r\nFavorites=DIGS\r\n[STRINGS_RUS]\r\nPOS3=Units\r\n");
        StartedWindow s(dir);
        s.window->SetProgramDirectory(dir.Path());
        for (bool confirm : {false, true}) {
            WhenOpen<FavouritesDialog>([&](FavouritesDialog& dialog) {
                dialog.EntryNode(s.Index("NUMS"))->setCheckState(0, Qt::Unchecked);
                QVERIFY(dialog.ImportNames(dir / "names.flt"));
                QCOMPARE(dialog.EntryNode(s.Index("POS3"))->text(0), QString("Units"));
                QVERIFY(!Marked(dialog.EntryNode(s.Index("NUMS"))));  // the marks stay as edited
                QVERIFY(!dialog.ImportNames(dir.Path()));
                QVERIFY(s.host.Last("error").rfind("Ошибка загрузки списка фильтров!\r\r", 0) == 0);
                QVERIFY(dialog.ExportNames(dir / "exported.flt"));
                confirm ? dialog.accept() : dialog.reject();
            });
            QVERIFY(s.window->Actions().Execute("FiltersManager"));
            QCOMPARE(s.Stats().Items[size_t(s.Index("POS3"))].Name(),
                     std::string(confirm ? "Units" : "Число в 3 позиции тиража"));
            QCOMPARE(s.StatsList()->count(), s.Listable() - (confirm ? 1 : 0));
        }
        QCOMPARE(TIniFile::Load(dir / "exported.flt").ReadString("STRINGS_RUS", "POS3", ""),
                 std::string("Units"));
    }

    void resetAsksAndOnYesShowsEveryMethod() {
        test::TempDir dir;
        test::WriteBytes(dir / "Quorvel_3r10.flt", "[FILTERS]\r\nFavorites=nums,POS2\r\n");
        StartedWindow s(dir);
        QCOMPARE(s.StatsList()->count(), 2);
        s.StatsList()->setCurrentIndex(1);
        s.host.Answers = {false};
        QVERIFY(s.window->Actions().Execute("FiltersReset"));
        QCOMPARE(s.host.Last("question"),
                 std::string("Вы действительно хотите сбросить список избранных фильтров?"));
        QCOMPARE(s.StatsList()->count(), 2);
        QCOMPARE(SavedFavourites(dir), std::string("nums,POS2"));

        s.host.Answers = {true};
        QVERIFY(s.window->Actions().Execute("FiltersReset"));
        QCOMPARE(s.host.Count("question"), 2);
        QCOMPARE(s.StatsList()->count(), s.Listable());
        QCOMPARE(s.StatsList()->currentIndex(), 0);
        QCOMPARE(SavedFavourites(dir), std::string());
        QVERIFY(s.window->GetWorkspace().IsIdle());
    }

    void descriptionShowsThePageOfTheChosenMethod() {
        test::TempDir dir;
        std::filesystem::create_directories(dir / "program" / "help");
        // The pages are written in code page 1251, as the program's other texts.
        test::WriteBytes(dir / "program" / "help" / "Filters_1049_POSx.htm",
                         Utf8ToCp1251("<html><head><meta http-equiv=\"Content-Type\" "
                                      "content=\"text/html; charset=windows-1251\"></head>"
                                      "<body><h2>Число в позиции</h2>"
                                      "<p>Значение, выпавшее в выбранной позиции тиража.</p></body></html>"));
        StartedWindow s(dir);
        s.window->SetProgramDirectory(dir / "program");
        s.StatsList()->setCurrentIndex(s.StatsList()->findData(s.Index("POS2")));
        WhenOpen<gui::DescriptionWindow>([&](gui::DescriptionWindow& window) {
            QCOMPARE(window.windowTitle(), QString("Описание методики расчета"));
            QVERIFY(window.isModal());
            QCOMPARE(window.Page(), dir / "program" / "help" / "Filters_1049_POSx.htm");
            QVERIFY(
                window.Browser()->toPlainText().contains("Значение, выпавшее в выбранной позиции тиража."));
            SaveScreenshot(window, "description_window.png");
        });
        QVERIFY(s.window->Actions().Execute("FiltersInfo"));

        // A method without a page shows an empty one; the manager's button opens the same window.
        WhenOpen<FavouritesDialog>([&](FavouritesDialog& dialog) {
            dialog.Tree()->setCurrentItem(dialog.EntryNode(s.Index("NUMS")));
            WhenOpen<gui::DescriptionWindow>([](gui::DescriptionWindow& window) {
                QCOMPARE(window.Page(), std::filesystem::path());
                QVERIFY(window.Browser()->toPlainText().isEmpty());
            });
            QTest::mouseClick(ButtonOf(dialog, "btDescription"), Qt::LeftButton);
        });
        QVERIFY(s.window->Actions().Execute("FiltersManager"));
    }

    void informationWindowListsEveryGraphMethodsValue() {
        test::TempDir dir;
        SaveDrawsFile(dir / "Quorvel_3r10.ldr", {Draw(1, 1, 1, 1), Draw(2, 2, 7, 4), Draw(3, 9, 9, 9)});
        test::WriteBytes(dir / "Quorvel_3r10.flt", "[FILTERS]\r\nFavorites=NUMS\r\n");
        StartedWindow s(dir);
        QTableView* list = s.window->Draws()->List();
        int row = -1;
        for (int r = 0; r < list->model()->rowCount(); ++r)
            if (list->model()->index(r, 0).data().toInt() == 2) row = r;
        QVERIFY(row >= 0);
        list->selectRow(row);
        WhenOpen<gui::DrawInfoWindow>([](gui::DrawInfoWindow& window) {
            QTreeWidget* properties = window.Properties();
            QCOMPARE(properties->topLevelItem(0)->text(0), QString("Номер тиража:"));
            QCOMPARE(properties->topLevelItem(0)->text(1), QString("2"));
            QCOMPARE(properties->topLevelItem(1)->text(0), QString("Дата тиража:"));
            // Every graph method counts, favourite or not.
            const auto value = [properties](const QString& title) {
                const auto found = properties->findItems(title, Qt::MatchExactly, 0);
                return found.size() == 1 ? found.first()->text(1) : QString("<missing>");
            };
            QCOMPARE(value("Количество четных чисел в тираже (Ч:Н)"), QString("2"));
            QCOMPARE(value("Число в 1 позиции тиража"), QString("2"));
            QCOMPARE(value("Число в 2 позиции тиража"), QString("7"));
            QCOMPARE(value("Число в 3 позиции тиража"), QString("4"));
            QCOMPARE(value("Числа тиража"), QString("<missing>"));  // no graph value
            SaveScreenshot(window, "draw_info_methods.png");
        });
        QVERIFY(s.window->Actions().Execute("DrawsInfo"));
    }
};

QTEST_MAIN(FavouritesTest)
#include "favourites_test.moc"
