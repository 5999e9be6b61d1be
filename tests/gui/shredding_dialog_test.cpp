#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>
#include <filesystem>
#include <functional>
#include <memory>

#include "core/stats/fullset_file.h"
#include "core/util/ini_file.h"
#include "gui/app/main_window.h"
#include "gui/stats/method_combo.h"
#include "gui/stats/shredding_dialog.h"
#include "gui/stats/stats_page.h"
#include "gui/views/graphs_page.h"
#include "support/fake_ui_host.h"
#include "support/temp_dir.h"
#include "support/when_open.h"

using namespace quorvel;
using gui::MainWindow;
using gui::ShreddingDialog;
using gui::ShreddingSettings;

namespace {

struct StartedWindow {
    explicit StartedWindow(const test::TempDir& dir)
        : window(std::make_unique<MainWindow>(DataDirectory(dir.Path()), std::vector<std::string>{})) {
        window->SetUiHost(&host);
        initialised = window->Initialise();
    }
    TStatList& Stats() const { return window->GetWorkspace().Stats().List(); }
    gui::MethodCombo* StatsList() const { return window->StatsTab()->Methods(); }
    gui::MethodCombo* GraphsList() const { return window->GraphsTab()->Methods(); }

    test::FakeUiHost host;
    std::unique_ptr<MainWindow> window;
    bool initialised = false;
};

QLineEdit* Formula(QWidget& dialog, int i) {
    return dialog.findChild<QLineEdit*>(QString("edFormula%1").arg(i));
}

QSpinBox* Digits(QWidget& dialog, int i) {
    return dialog.findChild<QSpinBox*>(QString("edDigits%1").arg(i));
}

void Retype(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

bool ListHolds(const QComboBox* list, const QString& text) {
    for (int i = 0; i < list->count(); ++i) {
        if (list->itemText(i).contains(text)) return true;
    }
    return false;
}

ShreddingSettings Unusual() {
    ShreddingSettings settings;
    settings.Formulas = {"SQRT(n1*p1)", "", "(t1+t2+t3)/7"};
    settings.Digits = {5, 1, 3};
    return settings;
}

FullSetData StaleData() {
    FullSetData data;
    data.Records = {FullSetRecord{{7, 0, 0, 0}, 1000}};
    data.MinCount = 1000;
    data.MaxCount = 1000;
    return data;
}

}  // namespace

class ShreddingDialogTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheSettingsAndGivesBackWhatWasTyped() {
        ShreddingDialog dialog(Unusual());
        QCOMPARE(dialog.windowTitle(), QString("Методы шинковки"));
        QCOMPARE(dialog.objectName(), QString("TFormShredding"));
        for (int i = 1; i <= 3; ++i) {
            QLineEdit* formula = Formula(dialog, i);
            QSpinBox* digits = Digits(dialog, i);
            QVERIFY(formula != nullptr && digits != nullptr);
            QCOMPARE(formula->toolTip(), QString("Используемая формула"));
            QCOMPARE(digits->toolTip(), QString("Количество используемых знаков после запятой"));
            QCOMPARE(digits->minimum(), 1);
            QCOMPARE(digits->maximum(), 5);
            bool labelled = false;
            for (QLabel* label : dialog.findChildren<QLabel*>())
                labelled =
                    labelled || (label->text() == QString("Формула %1:").arg(i) && label->buddy() == formula);
            QVERIFY(labelled);
        }
        QCOMPARE(Formula(dialog, 1)->text(), QString("SQRT(n1*p1)"));
        QCOMPARE(Formula(dialog, 2)->text(), QString());
        QCOMPARE(Digits(dialog, 1)->value(), 5);
        QCOMPARE(Digits(dialog, 3)->value(), 3);
        QCOMPARE(dialog.findChild<QLabel*>("lbVariables")->text(),
                 QString("Используемые переменные:\nn1, n2, n3, ..., nX - числа текущего тиража\n"
                         "p1, p2, p3, ..., pX - числа предыдущего тиража"));
        QVERIFY(dialog.Settings() == Unusual());

        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QDir().mkpath(QUORVEL_SCREENSHOT_DIR);
        QVERIFY(dialog.grab().save(QString(QUORVEL_SCREENSHOT_DIR) + "/shredding_dialog.png"));

        // A formula that cannot be read is shown with its place, and OK waits for a good one.
        auto* problem = dialog.findChild<QLabel*>("lbFormulaProblem");
        auto* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        QCOMPARE(problem->text(), QString("Формула 2: Синтаксическая ошибка, символ 1."));  // empty
        QVERIFY(!ok->isEnabled());
        Retype(Formula(dialog, 2), "(n1 + * 2");
        QCOMPARE(problem->text(), QString("Формула 2: Не хватает скобочки, символ 10."));
        QVERIFY(dialog.grab().save(QString(QUORVEL_SCREENSHOT_DIR) + "/shredding_dialog_problem.png"));
        Retype(Formula(dialog, 2), "n1 + * 2)");
        QCOMPARE(problem->text(), QString("Формула 2: Не хватает скобочки, символ 9."));
        Formula(dialog, 2)->setText("1 + ё");
        QCOMPARE(problem->text(), QString("Формула 2: Синтаксическая ошибка, символ 5."));
        Retype(Formula(dialog, 2), "n4+n9");
        QCOMPARE(problem->text(),
                 QString("Формула 2: Неизвестная переменная n4 (есть n1–n3, p1–p3, t1–t3), символ 1."));
        Retype(Formula(dialog, 2), "n1 / 3");
        QVERIFY(problem->isHidden());
        QVERIFY(ok->isEnabled());
        Digits(dialog, 2)->setValue(9);
        Digits(dialog, 3)->setValue(0);
        const ShreddingSettings typed = dialog.Settings();
        QCOMPARE(typed.Formulas[1], std::string("n1 / 3"));
        QCOMPARE(typed.Digits[1], 5);
        QCOMPARE(typed.Digits[2], 1);

        // Digit counts from a hand-edited file are shown and stored inside the range.
        ShreddingSettings wild = Unusual();
        wild.Digits = {0, 200, -4};
        ShreddingDialog shown(wild);
        QCOMPARE(Digits(shown, 1)->value(), 1);
        QCOMPARE(Digits(shown, 2)->value(), 5);
        TStatList stats("unused.ini");
        wild.StoreInto(stats);
        QCOMPARE(int(stats.Formula1Digits), 1);
        QCOMPARE(int(stats.Formula2Digits), 5);
        QCOMPARE(int(stats.Formula3Digits), 1);
        QCOMPARE(stats.Formula3, std::string("(t1+t2+t3)/7"));
    }

    void cancelKeepsAndOkStoresWritesAndRefreshes() {
        test::TempDir dir;
        StartedWindow s(dir);
        QVERIFY(s.initialised);
        QAction* action = s.window->Actions().Find("EditShredding");
        QVERIFY(action->isEnabled());
        s.window->GetWorkspace().Busy().BeginBusy();
        s.window->Actions().UpdateAll();
        QVERIFY(!action->isEnabled());
        s.window->GetWorkspace().Busy().EndBusy();
        s.window->Actions().UpdateAll();

        // The comparison with the full set is on: the shredding files follow the formulas, the
        // files of other groups are left alone.
        s.window->GetWorkspace().Options().PrefetchsEnabled = true;
        std::filesystem::create_directories(FullSetPath(dir.Path(), "SHR1").parent_path());
        WriteFullSetFile(FullSetPath(dir.Path(), "SHR1"), StaleData());
        WriteFullSetFile(FullSetPath(dir.Path(), "NUMS"), StaleData());
        const std::string stale = test::ReadBytes(FullSetPath(dir.Path(), "NUMS"));

        // Cancel changes nothing.
        const bool iniExisted = std::filesystem::exists(dir / "Quorvel_3r10.ini");
        test::WhenOpen<ShreddingDialog>([](ShreddingDialog& dialog) {
            Retype(Formula(dialog, 1), "n3");
            dialog.reject();
        });
        QVERIFY(s.window->Actions().Execute("EditShredding"));
        QCOMPARE(s.Stats().Formula1, std::string("(n1+n2)/n3"));
        QCOMPARE(std::filesystem::exists(dir / "Quorvel_3r10.ini"), iniExisted);
        QCOMPARE(test::ReadBytes(FullSetPath(dir.Path(), "SHR1")),
                 test::ReadBytes(FullSetPath(dir.Path(), "NUMS")));

        s.StatsList()->setCurrentIndex(4);
        s.GraphsList()->setCurrentIndex(2);
        QVERIFY(ListHolds(s.StatsList(), "Метод шинковки 1: (n1+n2)/n3"));
        test::WhenOpen<ShreddingDialog>([](ShreddingDialog& dialog) {
            QCOMPARE(Formula(dialog, 1)->text(), QString("(n1+n2)/n3"));
            QCOMPARE(Formula(dialog, 3)->text(), QString("(n2+n3)/n1"));
            QCOMPARE(Digits(dialog, 2)->value(), 2);
            Retype(Formula(dialog, 1), "n1/4");
            Digits(dialog, 1)->setValue(3);
            dialog.accept();
        });
        QVERIFY(s.window->Actions().Execute("EditShredding"));

        QCOMPARE(s.Stats().Formula1, std::string("n1/4"));
        QCOMPARE(int(s.Stats().Formula1Digits), 3);
        QCOMPARE(s.Stats().Formula2, std::string("(n1+n3)/n2"));
        const TIniFile ini = TIniFile::Load(dir / "Quorvel_3r10.ini");
        QCOMPARE(ini.ReadString("SHREDDING", "Formula1", ""), std::string("n1/4"));
        QCOMPARE(ini.ReadInteger("SHREDDING", "Formula1Digits", 0), 3);
        QCOMPARE(ini.ReadString("SHREDDING", "Formula3", ""), std::string("(n2+n3)/n1"));
        QCOMPARE(ini.ReadInteger("SHREDDING", "Formula2Digits", 0), 2);

        QVERIFY(ListHolds(s.StatsList(), "Метод шинковки 1: n1/4"));
        QVERIFY(!ListHolds(s.StatsList(), "(n1+n2)/n3"));
        QVERIFY(ListHolds(s.GraphsList(), "Метод шинковки 1: n1/4"));
        QCOMPARE(s.StatsList()->currentIndex(), 4);
        QCOMPARE(s.GraphsList()->currentIndex(), 2);

        const auto shr1 = ReadFullSetFile(FullSetPath(dir.Path(), "SHR1"));
        QVERIFY(shr1.has_value());
        QCOMPARE(int(shr1->Records.size()), 4);  // n1/4 keeps 0, 250, 500 or 750
        QCOMPARE(int(shr1->Records[1].Key[0]), 250);
        QCOMPARE(shr1->Records[1].Count, 300);
        QCOMPARE(test::ReadBytes(FullSetPath(dir.Path(), "NUMS")), stale);
        QVERIFY(s.host.Messages.empty());
        QVERIFY(s.window->GetWorkspace().IsIdle());
    }

    void aFailedWriteIsShownAndTheNewFormulasStayInUse() {
        test::TempDir dir;
        StartedWindow s(dir);
        QVERIFY(s.initialised);
        std::filesystem::remove(dir / "Quorvel_3r10.ini");
        std::filesystem::create_directories(dir / "Quorvel_3r10.ini" / "blocked");
        test::WhenOpen<ShreddingDialog>([](ShreddingDialog& dialog) {
            Retype(Formula(dialog, 3), "t1/7");
            dialog.accept();
        });
        QVERIFY(s.window->Actions().Execute("EditShredding"));
        QCOMPARE(s.host.Count("error"), 1);
        QVERIFY(s.host.Last("error").starts_with("Ошибка записи в файл конфигурации!\r\r"));
        QVERIFY(s.host.Last("error").size() > std::string("Ошибка записи в файл конфигурации!\r\r").size());
        QCOMPARE(s.Stats().Formula3, std::string("t1/7"));
        QVERIFY(ListHolds(s.StatsList(), "Метод шинковки 3: t1/7"));
        QVERIFY(s.window->GetWorkspace().IsIdle());
    }
};

QTEST_MAIN(ShreddingDialogTest)
#include "shredding_dialog_test.moc"
