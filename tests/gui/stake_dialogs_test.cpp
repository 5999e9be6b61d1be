#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>
#include <climits>

#include "core/stakes/stake_record.h"
#include "gui/stakes/multi_stake_dialog.h"
#include "gui/stakes/stake_filter_dialog.h"

using namespace quorvel;
using quorvel::gui::MultiStakeDialog;
using quorvel::gui::StakeFilterDialog;

namespace {

void Screenshot(QWidget& widget, const QString& name) {
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    QDir().mkpath(QUORVEL_SCREENSHOT_DIR);
    QVERIFY(widget.grab().save(QString(QUORVEL_SCREENSHOT_DIR) + "/" + name));
}

}  // namespace

class StakeDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void multiStakeDialogKeepsTheLimitsOfTheStakeDialog() {
        MultiStakeDialog dialog(3330, "Ставка \"вручную\"");
        QCOMPARE(dialog.windowTitle(), QString("Добавление мультиставки"));
        QCOMPARE(dialog.DrawNumber(), 3330);
        QCOMPARE(dialog.Draws(), 1);
        QCOMPARE(dialog.Comment(), QString("Ставка \"вручную\""));
        QVERIFY(!dialog.Problem().has_value());
        QCOMPARE(dialog.DrawBox()->minimum(), 1);
        QCOMPARE(dialog.DrawBox()->maximum(), INT_MAX);
        QCOMPARE(dialog.DrawsBox()->minimum(), 1);
        QCOMPARE(dialog.DrawsBox()->maximum(), 65535);
        QCOMPARE(dialog.DrawBox()->toolTip(), QString("Номер первого тиража"));
        QCOMPARE(dialog.DrawsBox()->toolTip(),
                 QString("Количество тиражей, на которые нужно сделать ставку (начиная с указанного)"));
        // Typing is cut at 64 characters, as in the stake dialog.
        dialog.CommentEdit()->clear();
        QTest::keyClicks(dialog.CommentEdit(), QString(80, QChar('x')));
        QCOMPARE(dialog.Comment().size(), 64);
        dialog.CommentEdit()->clear();
        QCOMPARE(dialog.Problem().value_or(""), QString("Необходимо ввести комментарий!"));
        // Blanks are no comment either, as for a regular and on the command line.
        dialog.CommentEdit()->setText("   ");
        QCOMPARE(dialog.Problem().value_or(""), QString("Необходимо ввести комментарий!"));
        dialog.DrawsBox()->setValue(70000);
        QCOMPARE(dialog.Draws(), 65535);
        Screenshot(dialog, "multi_stake_dialog.png");
    }

    void multiStakeDialogStartsAtTheFirstDrawWhenTheArchiveIsEmpty() {
        // An archive with no draws stakes draw 1; nothing below it can be entered.
        MultiStakeDialog dialog(0, "x");
        QCOMPARE(dialog.DrawNumber(), 1);
        dialog.DrawBox()->setValue(-5);
        QCOMPARE(dialog.DrawNumber(), 1);
    }

    void conditionDialogOffersTheConditionsInTheirOrder() {
        StakeFilterDialog dialog;
        QCOMPARE(dialog.windowTitle(), QString("Удаление по условию"));
        QVERIFY(dialog.findChild<QLabel*>() != nullptr);
        QCOMPARE(dialog.findChild<QLabel*>()->text(), QString("Выберите условие:"));
        // Each text must choose the rule of the same name.
        QCOMPARE(dialog.ConditionBox()->count(), StakeConditionCount);
        const TStakeCondition conditions[] = {TStakeCondition::Equal, TStakeCondition::Greater,
                                              TStakeCondition::NotLess, TStakeCondition::Less,
                                              TStakeCondition::NotGreater};
        for (int i = 0; i < StakeConditionCount; ++i) {
            QCOMPARE(dialog.ConditionBox()->itemText(i),
                     QString::fromUtf8(StakeConditionTexts[static_cast<size_t>(i)]));
            dialog.ConditionBox()->setCurrentIndex(i);
            QCOMPARE(dialog.Condition(), conditions[i]);
        }
        QCOMPARE(dialog.MatchesBox()->minimum(), 0);
        QCOMPARE(dialog.MatchesBox()->maximum(), 3);
        dialog.MatchesBox()->setValue(9);
        QCOMPARE(dialog.Matches(), 3);
        QCOMPARE(dialog.MatchesBox()->toolTip(), QString("Количество совпадений"));
        QCOMPARE(dialog.OkButton()->toolTip(), QString("Удалить ставки"));
        dialog.ConditionBox()->setCurrentIndex(4);
        dialog.MatchesBox()->setValue(0);
        Screenshot(dialog, "stake_filter_dialog.png");
    }
};

QTEST_MAIN(StakeDialogsTest)
#include "stake_dialogs_test.moc"
