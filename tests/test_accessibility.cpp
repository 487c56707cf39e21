// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The windows as a screen reader and a keyboard reach them: controls found by what they say,
// read through their accessible names and descriptions, worked through their accessible actions.
// Every alert is answered through the seam, so nothing waits on a dialog.
#include "GuiDriver.h"
#include "app/Application.h"
#include "core/DrawCheck.h"
#include "ui/BonusPicker.h"
#include "ui/DrawCheckWindow.h"
#include "ui/MainWindow.h"
#include "ui/NumberButton.h"
#include "ui/NumberGridView.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QTableView>
#include <QtTest>

namespace {
QAccessibleInterface *reach(QObject *o)
{
    return QAccessible::queryAccessibleInterface(o);
}

// The first element under `root`, itself included, whose description is `description`.
QAccessibleInterface *describedAs(QAccessibleInterface *root, const QString &description)
{
    if (!root)
        return nullptr;
    if (root->text(QAccessible::Description) == description)
        return root;
    for (int i = 0; i < root->childCount(); ++i)
        if (QAccessibleInterface *found = describedAs(root->child(i), description))
            return found;
    return nullptr;
}

// What a screen reader says for the element described as `description`.
QString readOut(QWidget *window, const QString &description)
{
    QAccessibleInterface *element = describedAs(reach(window), description);
    return element ? element->text(QAccessible::Name) : QStringLiteral("<nothing described as %1>").arg(description);
}

// A checkable button offers Toggle; Press is still carried out when asked for by name.
void act(QWidget *control, const QString &action)
{
    QAccessibleInterface *iface = reach(control);
    QVERIFY(iface && iface->actionInterface());
    QVERIFY(iface->actionInterface()->actionNames().contains(QAccessibleActionInterface::toggleAction()));
    iface->actionInterface()->doAction(action);
}
} // namespace

class TestAccessibility : public QObject, private GuiDriver {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void numberButtonActionsChooseAsAClickDoes();
    void bonusButtonActionsChooseAsAClickDoes();
    void drawCheckReadsWhatItShows();
    void focusAloneChoosesNoLottery_data();
    void focusAloneChoosesNoLottery();

private:
    QString rememberedLottery() const
    {
        return QSettings(dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat)
            .value(QStringLiteral("LotteryName"))
            .toString();
    }
    QString text(const char *name) const
    {
        if (auto *l = widget<QLabel>(name))
            return l->text();
        return widget<QLineEdit>(name)->text();
    }
};

void TestAccessibility::init()
{
    prepare();
}

void TestAccessibility::cleanup()
{
    finish();
}

void TestAccessibility::numberButtonActionsChooseAsAClickDoes()
{
    startProgram(QStringLiteral(DATABASE));
    chooseLottery(QStringLiteral("Canada"), QStringLiteral("Lotto 6/49"));
    click("nextButton");
    NumberGridView *grid = widget<NumberGridView>("numberGrid");
    const auto checked = [grid](int n) { return reach(grid->button(n))->state().checked; };
    const QString toggle = QAccessibleActionInterface::toggleAction();
    const QString press = QAccessibleActionInterface::pressAction();

    act(grid->button(17), toggle);
    QCOMPARE(text("numbersField"), QStringLiteral(" 17"));
    QCOMPARE(text("keyField"), QStringLiteral("17"));
    QVERIFY(checked(17));
    act(grid->button(3), press);
    QTRY_COMPARE(text("numbersField"), QStringLiteral(" 17 3"));
    act(grid->button(40), toggle);
    QCOMPARE(text("numbersField"), QStringLiteral(" 17 3 40"));
    QVERIFY(checked(3) && checked(40));
    QVERIFY(alerts.isEmpty());

    // The key number stays while others are chosen, whichever action asks; the notice says so.
    act(grid->button(17), toggle);
    QCOMPARE(alerts.size(), 1);
    QCOMPARE(alerts[0].title, QStringLiteral("Notice"));
    QCOMPARE(text("numbersField"), QStringLiteral(" 17 3 40"));
    QVERIFY(checked(17));
    QCOMPARE(grid->button(17)->look(), NumberButton::Look::Key);
    act(grid->button(17), press);
    QTRY_COMPARE(alerts.size(), 2);
    QVERIFY(checked(17));

    // Taken back through Toggle, a number is free and unchecked again.
    act(grid->button(3), toggle);
    QCOMPARE(text("numbersField"), QStringLiteral(" 17 40"));
    QVERIFY(!checked(3));
    QCOMPARE(alerts.size(), 2);
}

void TestAccessibility::bonusButtonActionsChooseAsAClickDoes()
{
    startProgram(QStringLiteral(DATABASE));
    chooseLottery(QStringLiteral("United Kingdom"), QStringLiteral("EuroMillions"));
    click("nextButton");
    auto *picker = widget<BonusPicker>("bonusGroup");
    QVERIFY(picker->isVisible());
    QAccessibleInterface *five = reach(picker->button(5));

    act(picker->button(5), QAccessibleActionInterface::toggleAction());
    QCOMPARE(text("bonusNumbersLabel"), QStringLiteral("Bonus: 5"));
    QVERIFY(five->state().checked);
    act(picker->button(9), QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(text("bonusNumbersLabel"), QStringLiteral("Bonus: 5 9"));
    act(picker->button(5), QAccessibleActionInterface::toggleAction());
    QCOMPARE(text("bonusNumbersLabel"), QStringLiteral("Bonus: 9"));
    QVERIFY(!five->state().checked);
}

void TestAccessibility::drawCheckReadsWhatItShows()
{
    DrawCheckWindow window;
    LotteryFacts facts;
    facts.pool = 49;
    facts.drawn = 6;
    facts.lowestPrize = PrizeTier{3, 0};
    window.setTickets(QStringLiteral("Lotto 6/49"), facts,
                      {{{1, 2, 3, 4, 5, 6}, {}, 0}, {{1, 2, 3, 10, 11, 12}, {}, 0}});
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *drawn = window.findChild<QLineEdit *>(QStringLiteral("drawnField"));
    QAccessibleInterface *field = reach(drawn);
    const QString fieldDescription = field->text(QAccessible::Description);
    QAccessibleInterface *checkButton = nullptr;
    for (int i = 0; i < reach(&window)->childCount(); ++i)
        if (QAccessibleInterface *c = reach(&window)->child(i); c->text(QAccessible::Name) == QStringLiteral("Check"))
            checkButton = c;
    QVERIFY(checkButton && checkButton->actionInterface());
    const auto checkTyped = [&](const QString &typed) {
        drawn->clear();
        QTest::keyClicks(drawn, typed);
        checkButton->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    };

    // A refused draw: the problem is read out, and read with the field the player goes back to.
    checkTyped(QStringLiteral("1 2 3"));
    QTRY_VERIFY(!window.findChild<QLabel *>(QStringLiteral("drawMessage"))->text().isEmpty());
    const QString problem = readOut(&window, QStringLiteral("Problem with the draw"));
    QVERIFY2(problem.startsWith(QStringLiteral("6 numbers are drawn in this lottery")), qPrintable(problem));
    QCOMPARE(field->text(QAccessible::Description), problem);

    // A sound draw: the summary and the prize line are read as they show; the old problem is gone.
    checkTyped(QStringLiteral("1 2 3 4 5 9"));
    QTRY_VERIFY(window.result());
    const QString summary = readOut(&window, QStringLiteral("Tickets per count of matches"));
    QVERIFY2(summary.contains(QStringLiteral("1 ticket with 5 matches")), qPrintable(summary));
    const QString prize = readOut(&window, QStringLiteral("Lowest prize"));
    QVERIFY2(prize.startsWith(QStringLiteral("2 tickets reach the lowest prize")), qPrintable(prize));
    QCOMPARE(readOut(&window, QStringLiteral("Problem with the draw")), QString());
    QCOMPARE(field->text(QAccessible::Description), fieldDescription);
}

void TestAccessibility::focusAloneChoosesNoLottery_data()
{
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("lottery");
    QTest::addColumn<int>("row"); // shown selected at start-up, -1 for none
    QTest::newRow("nothing remembered") << QString() << QString() << -1;
    QTest::newRow("remembered") << "Canada"
                                << "Lotto Max" << 1;
}

void TestAccessibility::focusAloneChoosesNoLottery()
{
    QFETCH(QString, country);
    QFETCH(QString, lottery);
    QFETCH(int, row);
    if (!country.isNull()) {
        QSettings s(dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
        s.setValue(QStringLiteral("LotteryCountry"), country);
        s.setValue(QStringLiteral("LotteryName"), lottery);
    }
    startProgram(QStringLiteral(DATABASE));
    QApplication::setActiveWindow(app->mainWindow());
    auto *box = widget<QComboBox>("countryBox");
    auto *table = widget<QTableView>("lotteryTable");
    QAccessibleTableInterface *lotteries = reach(table)->tableInterface();
    QVERIFY(lotteries);
    const auto selectedRow = [lotteries] {
        const QList<int> rows = lotteries->selectedRows();
        return rows.isEmpty() ? -1 : rows.first();
    };
    QCOMPARE(selectedRow(), row);

    // Tab from the country box into the table: it takes the keys and chooses nothing.
    box->setFocus();
    QTRY_VERIFY(box->hasFocus());
    QTest::keyClick(box, Qt::Key_Tab);
    QTRY_VERIFY(table->hasFocus());
    QCOMPARE(rememberedLottery(), lottery);
    QCOMPARE(selectedRow(), row);
    click("nextButton");
    QCOMPARE(page(), row >= 0 ? 1 : 0);
    if (row < 0)
        QCOMPARE(alerts.constLast().message, QStringLiteral("Please select a lottery"));
    else
        click("previousButton");

    // Space chooses the row the table stands on; the arrows move and choose.
    table->setFocus();
    const int first = row < 0 ? 0 : row;
    const QString firstName = table->model()->index(first, 0).data().toString();
    QTest::keyClick(table, Qt::Key_Space);
    QCOMPARE(rememberedLottery(), firstName);
    QCOMPARE(selectedRow(), first);
    QTest::keyClick(table, Qt::Key_Down);
    QCOMPARE(rememberedLottery(), table->model()->index(first + 1, 0).data().toString());
    QCOMPARE(selectedRow(), first + 1);

    // A screen reader selecting a row chooses it as a click does.
    QVERIFY(lotteries->selectRow(first + 2));
    QCOMPARE(rememberedLottery(), table->model()->index(first + 2, 0).data().toString());
    QCOMPARE(selectedRow(), first + 2);
}

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TestAccessibility t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_accessibility.moc"
