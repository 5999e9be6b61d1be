#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include "core/app/ui_state.h"
#include "core/util/languages.h"
#include "gui/app/language_loader.h"
#include "gui/app/main_window.h"
#include "gui/app/qt_ui_host.h"
#include "gui/combos/generate_dialog.h"
#include "gui/stakes/regular_dialog.h"
#include "support/fake_ui_host.h"
#include "support/temp_dir.h"

using namespace quorvel;

namespace {

bool HasCyrillic(const QString& text) {
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() >= 0x400 && c.unicode() <= 0x4FF; });
}

}  // namespace

class LanguageTest : public QObject {
    Q_OBJECT

private slots:
    void missingModuleIsReportedAndTheBuiltInTextsStay() {
        test::TempDir dir;
        test::FakeUiHost host;
        QVERIFY(gui::InstallLanguage(dir.Path(), 1033, host) == nullptr);
        QCOMPARE(host.Last("error"), std::string("Языковый модуль \"Quorvel_3r10_ENU.lng\" не найден!"));
        test::WriteBytes(dir / "Quorvel_3r10_ENU.lng", "not a module");
        QVERIFY(gui::InstallLanguage(dir.Path(), 1033, host) == nullptr);
        QVERIFY(host.Last("error").rfind("Не удалось загрузить языковый модуль \"Quorvel_3r10_ENU.lng\"!\r\r",
                                         0) == 0);
        QVERIFY(gui::InstallLanguage(dir.Path(), 1049, host) == nullptr);  // built in: nothing to load
        QCOMPARE(host.Count("error"), 2);
    }

    // Picking the language the program already speaks (the system's on a first start) stores it,
    // so that it holds when the locale changes; nothing needs a restart. A new language needs one,
    // which makes the combination list afresh: a filtered list is not thrown away unasked, and No
    // changes nothing.
    void pickingTheLanguageInUseStoresIt() {
        test::TempDir dir;
        test::FakeUiHost host;
        gui::MainWindow window(DataDirectory(dir.Path()), {});
        window.SetUiHost(&host);
        QVERIFY(window.Initialise());
        window.show();
        const UiStateFile state(dir / "Quorvel_3r10.frm");
        QCOMPARE(state.ReadUiInt("Language", 0), 0);
        auto* languages = window.menuBar()->findChild<QMenu*>("mnLanguages");
        QVERIFY(languages != nullptr);
        const QList<QAction*> entries = languages->actions();
        const auto inUse = std::find_if(entries.begin(), entries.end(), [](const QAction* entry) {
            return entry->data().toInt() == BuiltInLanguage;
        });
        QVERIFY(inUse != entries.end() && (*inUse)->isChecked());
        (*inUse)->trigger();
        QCOMPARE(state.ReadUiInt("Language", 0), BuiltInLanguage);
        QVERIFY(window.isVisible());  // not closed for a restart

        window.GetWorkspace().Combs().List().AddAppliedFilter(true, "Числа тиража", "5");
        host.Answers = {false};
        window.SwitchLanguage(1033);
        QCOMPARE(host.Count("question"), 1);
        QCOMPARE(state.ReadUiInt("Language", 0), BuiltInLanguage);
        QVERIFY(window.isVisible());
    }

    void qtsOwnButtonsFollowTheInterfaceLanguage() {
        auto translator = gui::InstallQtTranslation(BuiltInLanguage);
        QVERIFY2(translator != nullptr, "Qt's Russian translation (qt6-translations-l10n) is not installed");
        QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Yes |
                                 QDialogButtonBox::No);
        QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), QString("Отмена"));
        QCOMPARE(buttons.button(QDialogButtonBox::No)->text(), QString("&Нет"));
        QCoreApplication::removeTranslator(translator.get());
        QVERIFY(gui::InstallQtTranslation(12345) == nullptr);
    }

    void englishModuleReplacesTheWindowTexts() {
        test::FakeUiHost host;
        auto translator = gui::InstallLanguage(QUORVEL_BUILD_DIR, 1033, host);
        QVERIFY(translator != nullptr);
        test::TempDir dir;
        gui::MainWindow window(DataDirectory(dir.Path()), {});
        window.SetUiHost(&host);
        QVERIFY(window.Initialise());
        QCOMPARE(window.LeftTabs()->tabText(0), QString("Draw archive"));
        QCOMPARE(window.RightTabs()->tabText(0), QString("Statistics"));
        QCOMPARE(window.menuBar()->actions().first()->text(), QString("Program"));
        QCOMPARE(window.Actions().Find("DrawsAdd")->text(), QString("Add"));
        window.resize(1000, 500);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QDir().mkpath(QUORVEL_SCREENSHOT_DIR);
        QVERIFY(window.grab().save(QString(QUORVEL_SCREENSHOT_DIR) + "/main_window_english.png"));

        // A dialog's own warning follows the language too.
        gui::GenerateDialog generate({1, ""});
        generate.show();
        generate.accept();
        QVERIFY(generate.WarningLabel()->isVisible());
        QVERIFY(generate.WarningLabel()->text().startsWith("Enter your numbers"));
        for (int mode = 0; mode < generate.ModeBox()->count(); ++mode)
            QVERIFY2(!HasCyrillic(generate.ModeBox()->itemText(mode)),
                     qPrintable(generate.ModeBox()->itemText(mode)));
        QVERIFY(
            generate.grab().save(QString(QUORVEL_SCREENSHOT_DIR) + "/generate_dialog_warning_english.png"));

        // Default comments are offered in the interface language; what the user types is kept.
        gui::RegularDialog regular({}, {});
        QCOMPARE(regular.CommentEdit()->text(), QString("Regular stake"));

        // The core's messages too, paragraph by paragraph: the question before the start-up download.
        QString asked;
        QTimer::singleShot(0, [&asked] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                asked = box->text();
                box->button(QMessageBox::No)->click();
            }
        });
        gui::QtUiHost(&window).AskYesNo(
            "Обновить список тиражей?\r\rДля выполнения обновления необходимо действующее подключение к сети "
            "Интернет.");
        QCOMPARE(
            asked,
            QString(
                "Update the list of draws?\n\nAn active Internet connection is required for the update."));
        QCoreApplication::removeTranslator(translator.get());
    }
};

QTEST_MAIN(LanguageTest)
#include "language_test.moc"
