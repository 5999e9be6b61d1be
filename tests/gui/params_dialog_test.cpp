#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableWidget>
#include <QtTest>
#include <set>

#include "core/model/lists.h"
#include "core/stats/config_changes.h"
#include "core/util/format.h"
#include "gui/app/params_dialog.h"
#include "support/fake_ui_host.h"
#include "support/focus_path.h"

using quorvel::ConfigChangeMarks;
using quorvel::TConfigData;
using quorvel::gui::ParamsDialog;
using quorvel::test::FakeUiHost;

namespace {

// Unlike the defaults in every field, with amounts and coefficients that two and three
// decimals cannot show exactly and a channel wider than the spin box's usual range.
TConfigData Unusual() {
    TConfigData config;
    config.ChannelSize = 40;
    config.Cost = 12345;
    config.MaxStake = 6;
    config.Profits = {{3, 5000000}, {1, 10005}, {3, 1}};
    config.Weights = {0.12345, -2.5, 1e7, true, false};
    config.MatrixSegments = quorvel::StrToSegments("123456789212345678931234567894");
    return config;
}

QTableWidget* Grid(QDialog& dialog, const char* name) {
    return dialog.findChild<QTableWidget*>(name);
}

// Types into a cell the way the user does and returns the open editor.
QLineEdit* TypeInto(QTableWidget* table, int row, int column, const QString& keys) {
    table->setCurrentCell(row, column);
    table->editItem(table->item(row, column));
    auto* editor = qobject_cast<QLineEdit*>(table->indexWidget(table->model()->index(row, column)));
    if (editor != nullptr) {
        editor->selectAll();
        QTest::keyClicks(editor, keys);
    }
    return editor;
}

}  // namespace

class ParamsDialogTest : public QObject {
    Q_OBJECT

private slots:
    void init() { quorvel::FormatSettings().DecimalSeparator = ','; }

    void untouchedDialogGivesTheRecordBackExactly() {
        FakeUiHost host;
        const TConfigData config = Unusual();
        ParamsDialog dialog(config, host);
        QCOMPARE(dialog.windowTitle(), QString("Параметры системы"));
        QCOMPARE(dialog.findChild<QLineEdit*>("cost")->text(), QString("1,23"));
        QCOMPARE(Grid(dialog, "profits")->item(3, 1)->text(), QString("500,00"));  // the first row of 3 wins
        QCOMPARE(Grid(dialog, "segments")->item(9, 0)->text(), QString("2"));      // column p is position p
        QCOMPARE(Grid(dialog, "segments")->item(1, 1)->text(), QString("2"));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(dialog.Config() == config);
        QVERIFY(host.Messages.empty());
    }

    void leavingASegmentCellWithAWrongNumberWarnsAndPutsOne() {
        for (const char* way : {"tab", "enter", "other cell"}) {
            FakeUiHost host;
            ParamsDialog dialog(TConfigData{}, host);
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            QTableWidget* segments = Grid(dialog, "segments");
            QLineEdit* editor = TypeInto(segments, 4, 1, "x0.");  // digits only get in
            QVERIFY(editor != nullptr);
            QCOMPARE(editor->text(), QString("0"));
            QVERIFY(host.Messages.empty());
            if (QString(way) == "tab") QTest::keyClick(editor, Qt::Key_Tab);
            if (QString(way) == "enter") QTest::keyClick(editor, Qt::Key_Return);
            if (QString(way) == "other cell") segments->setCurrentCell(7, 2);
            QCoreApplication::processEvents();
            QCOMPARE(host.Count("warning"), 1);
            QCOMPARE(host.Last("warning"),
                     std::string("Некорректное значение: 0!\r\rУкажите любое число от 1 до 9"));
            QCOMPARE(segments->item(4, 1)->text(), QString("1"));
        }
    }

    void emptySegmentCellSavesOne() {
        FakeUiHost host;
        TConfigData config;
        config.MatrixSegments = quorvel::StrToSegments(std::string(30, '5'));
        ParamsDialog dialog(config, host);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTableWidget* segments = Grid(dialog, "segments");
        QTest::keyClick(TypeInto(segments, 6, 2, ""), Qt::Key_Backspace);
        TypeInto(segments, 0, 0, "7");
        segments->setCurrentCell(1, 0);
        QVERIFY(host.Messages.empty());
        const TConfigData edited = dialog.Config();
        QCOMPARE(int(edited.MatrixSegments[2][6]), 1);
        QCOMPARE(int(edited.MatrixSegments[0][0]), 7);
        QCOMPARE(int(edited.MatrixSegments[2][5]), 5);
        QCOMPARE(ConfigChangeMarks(config, edited), quorvel::ChangeMarkSegments);
    }

    void okWhileAWrongCellIsEditedCorrectsItAndStaysOpen() {
        FakeUiHost host;
        ParamsDialog dialog(TConfigData{}, host);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(TypeInto(Grid(dialog, "segments"), 0, 0, "12") != nullptr);
        dialog.accept();
        QCOMPARE(host.Count("warning"), 1);
        QVERIFY(dialog.isVisible());
        dialog.accept();
        QCOMPARE(host.Count("warning"), 1);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(int(dialog.Config().MatrixSegments[0][0]), 1);
    }

    void changingOnlyTheChannelSizeGivesMarkEight() {
        FakeUiHost host;
        const TConfigData config = Unusual();
        ParamsDialog dialog(config, host);
        dialog.findChild<QSpinBox*>("channelSize")->setValue(7);
        TConfigData expected = config;
        expected.ChannelSize = 7;
        QVERIFY(dialog.Config() == expected);
        QCOMPARE(ConfigChangeMarks(config, dialog.Config()), quorvel::ChangeMarkChannelSize);
    }

    void profitAmountsRoundTripThroughTheTable() {
        FakeUiHost host;
        ParamsDialog dialog(TConfigData{}, host);  // no prize rows stored yet
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTableWidget* profits = Grid(dialog, "profits");
        QCOMPARE(profits->item(0, 1)->text(), QString("0,00"));
        QVERIFY(dialog.Config().Profits.empty());  // untouched: nothing invented

        QCOMPARE(TypeInto(profits, 3, 1, "5-00x,2e5")->text(), QString("500,25"));
        TypeInto(profits, 1, 1, "1");
        TypeInto(profits, 2, 1, ",");  // unreadable: counts as 0
        profits->setCurrentCell(0, 0);
        const TConfigData edited = dialog.Config();
        const std::vector<quorvel::ProfitRow> expected{{0, 0}, {1, 10000}, {2, 0}, {3, 5002500}};
        QVERIFY(edited.Profits == expected);

        ParamsDialog again(edited, host);
        QCOMPARE(Grid(again, "profits")->item(3, 1)->text(), QString("500,25"));
        QVERIFY(again.Config() == edited);
    }

    void segmentGridFollowsTheMatrixColumnCount() {
        FakeUiHost host;
        TConfigData wide = Unusual();
        wide.MatrixCols = 5;
        ParamsDialog wideDialog(wide, host);
        QCOMPARE(Grid(wideDialog, "segments")->columnCount(), 5);
        QVERIFY(!(Grid(wideDialog, "segments")->item(0, 3)->flags() & Qt::ItemIsEditable));  // past entry 30

        TConfigData narrow = Unusual();
        narrow.MatrixCols = 1;
        ParamsDialog narrowDialog(narrow, host);
        Grid(narrowDialog, "segments")->item(0, 0)->setText("9");
        const TConfigData edited = narrowDialog.Config();
        QCOMPARE(int(edited.MatrixSegments[0][0]), 9);
        QVERIFY(edited.MatrixSegments[2] == narrow.MatrixSegments[2]);  // not shown, kept
    }

    // Tab walks every control once and leaves the tables; arrows move inside them.
    void tabReachesEveryControlOnceAndLeavesTheTables() {
        FakeUiHost host;
        ParamsDialog dialog(TConfigData{}, host);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QVERIFY(QApplication::focusWidget() != nullptr);
        const std::vector<QWidget*> path = quorvel::test::TabFocusPath(&dialog, 80);
        QVERIFY2(path.size() < 80, "Tab never came back to where it started");
        const std::set<QWidget*> distinct(path.begin(), path.end());
        QCOMPARE(distinct.size(), path.size());
        QVERIFY(distinct.count(Grid(dialog, "profits")) == 1);
        QVERIFY(distinct.count(Grid(dialog, "segments")) == 1);
        // Every control that takes the focus by Tab is on the path (the parts of a table are
        // the table's).
        auto insideTable = [](QWidget* widget) {
            for (QWidget* up = widget->parentWidget(); up != nullptr; up = up->parentWidget())
                if (qobject_cast<QAbstractItemView*>(up) != nullptr) return true;
            return false;
        };
        for (QWidget* widget : dialog.findChildren<QWidget*>()) {
            if (widget->isVisible() && widget->isEnabled() && (widget->focusPolicy() & Qt::TabFocus) &&
                widget->focusProxy() == nullptr && !insideTable(widget))
                QVERIFY2(distinct.count(widget) == 1,
                         qPrintable(
                             QString("%1 %2").arg(widget->metaObject()->className(), widget->objectName())));
        }
    }

    void screenshot() {
        FakeUiHost host;
        ParamsDialog dialog(Unusual(), host);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QDir().mkpath(QUORVEL_SCREENSHOT_DIR);
        QVERIFY(dialog.grab().save(QString(QUORVEL_SCREENSHOT_DIR) + "/params_dialog.png"));
    }
};

QTEST_MAIN(ParamsDialogTest)
#include "params_dialog_test.moc"
