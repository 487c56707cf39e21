// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Drives the real main window on the offscreen platform, through its widgets as a player
// would. Every alert and save panel is answered through the seams, so no test can hang on
// a dialog.
#include "GuiDriver.h"
#include "app/Application.h"
#include "core/Settings.h"
#include "ui/AuxWindows.h"
#include "ui/DeferredIconStyle.h"
#include "ui/FormatMatrix.h"
#include "ui/LotteryPage.h"
#include "ui/MainWindow.h"
#include "ui/NumberButton.h"
#include "ui/NumberGridLayout.h"
#include "ui/NumberGridView.h"
#include "ui/PageTabs.h"
#include "ui/Panels.h"
#include "ui/WheelMakerWindow.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QSpinBox>
#include <QStyleFactory>
#include <QTabBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include <sqlite3.h>

#include <algorithm>
#include <climits>

namespace {
// A wheel database of its own for one test: the three tables and what `rows` adds.
void makeDatabase(const QString &path, const QByteArray &rows)
{
    QFile::remove(path);
    sqlite3 *db = nullptr;
    QCOMPARE(sqlite3_open(path.toUtf8().constData(), &db), SQLITE_OK);
    const QByteArray sql =
        "CREATE TABLE lottery(country TEXT, lotteryname TEXT, ifrom INTEGER, imatch INTEGER);"
        "CREATE TABLE wheelsurvey(pick INTEGER, wheeltype TEXT, xyoption TEXT, zoption INTEGER, ticket TEXT);"
        "CREATE TABLE wheels(pick INTEGER, wheeltype TEXT, xyoption TEXT, zoption INTEGER, digitalstring TEXT);"
        "INSERT INTO lottery VALUES('Canada','Healthy 6/49',49,6);" +
        rows;
    char *error = nullptr;
    const int rc = sqlite3_exec(db, sql.constData(), nullptr, nullptr, &error);
    QVERIFY2(rc == SQLITE_OK, error);
    sqlite3_close(db);
}
} // namespace

class TestGui : public QObject, private GuiDriver {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void startUpRestoresOrFallsBack_data();
    void startUpRestoresOrFallsBack();
    void badDatabaseIsToldOnce_data();
    void badDatabaseIsToldOnce();
    void damagedWheelsMakeNoTickets_data();
    void damagedWheelsMakeNoTickets();
    void damagedLotteryRowsAreRefused_data();
    void damagedLotteryRowsAreRefused();
    void keyboardReachesEverything();
    void screenReaderReadsNamesRolesAndStates();
    void tappingAndTheKey();
    void backspaceClearAndSort();
    void pagesMoveOnlyByTheStepButtons();
    void largePoolIsReachable();
    void gridScrollsOnlyWhereItMust_data();
    void gridScrollsOnlyWhereItMust();
    void fromStartUpToTickets();
    void countryChoiceTakesItsFirstLottery();
    void playersLotteriesAreMarkedInTheList();
    void savingWritesUtf16AndTellsFailures();
    void randomPick();
    void exitAsksFirst();
    void makingAWheelKeepsItInTheLibrary();
    void gridFrames();
    void overflowArrowIsTheStylesOwn();
    void screenshots();

private:
    void start(const QString &database = QStringLiteral(DATABASE)) { startProgram(database); }
    QString text(const char *name) const;
    // Chooses as a player does, and checks the choice is remembered.
    void chooseLottery(const QString &country, const QString &lottery);
    NumberButton::Look lookOf(int n) const;
    // Until the wheel page has counted the odds of the wheel shown.
    void waitForOdds() const
    {
        const auto counting = [this] {
            const auto labels = app->mainWindow()->findChildren<QLabel *>();
            return std::any_of(labels.begin(), labels.end(), [](const QLabel *l) {
                return l->isVisible() && l->text().startsWith(QStringLiteral("Counting the odds"));
            });
        };
        QTRY_VERIFY_WITH_TIMEOUT(!counting(), 30000);
        QTest::qWait(200); // the page lays itself out anew around the table
    }
};

void TestGui::init()
{
    prepare();
}

void TestGui::cleanup()
{
    finish();
}

QString TestGui::text(const char *name) const
{
    if (auto *l = widget<QLabel>(name))
        return l->text();
    if (auto *e = widget<QLineEdit>(name))
        return e->text();
    return QStringLiteral("<no %1>").arg(QLatin1String(name));
}

void TestGui::chooseLottery(const QString &country, const QString &lottery)
{
    GuiDriver::chooseLottery(country, lottery);
    QCOMPARE(QSettings(dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat)
                 .value(QStringLiteral("LotteryName"))
                 .toString(),
             lottery);
}

NumberButton::Look TestGui::lookOf(int n) const
{
    return widget<NumberGridView>("numberGrid")->button(n)->look();
}

void TestGui::startUpRestoresOrFallsBack_data()
{
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("lottery");
    QTest::addColumn<QString>("boxShows");
    QTest::addColumn<int>("row");
    QTest::newRow("nothing stored") << QString() << QString() << "Australia" << -1;
    QTest::newRow("both found") << "Canada"
                                << "Lotto Max"
                                << "Canada" << 1;
    QTest::newRow("lottery gone") << "Canada"
                                  << "Lotto 7/77"
                                  << "Canada" << -1;
    QTest::newRow("unknown country") << "Atlantis"
                                     << "Lotto"
                                     << "Australia" << -1;
    QTest::newRow("quotes in names") << "Can'ada"
                                     << "O'Brien's 6"
                                     << "Australia" << -1;
}

void TestGui::startUpRestoresOrFallsBack()
{
    QFETCH(QString, country);
    QFETCH(QString, lottery);
    QFETCH(QString, boxShows);
    QFETCH(int, row);
    {
        QSettings s(dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
        if (!country.isNull())
            s.setValue(QStringLiteral("LotteryCountry"), country);
        if (!lottery.isNull())
            s.setValue(QStringLiteral("LotteryName"), lottery);
    }
    start();
    QVERIFY(alerts.isEmpty());
    QCOMPARE(widget<QComboBox>("countryBox")->currentText(), boxShows);
    auto *table = widget<QTableView>("lotteryTable");
    QVERIFY(table->model()->rowCount() > 0);
    const auto selected = table->selectionModel()->selectedRows();
    QCOMPARE(selected.isEmpty() ? -1 : selected.first().row(), row);
    QCOMPARE(tickets(), QStringList{QString()}); // the ticket table's one blank row
    // The remembered lottery is kept, found or not, so a later start can find it again.
    QSettings s(dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    QCOMPARE(s.value(QStringLiteral("LotteryCountry")).toString(), boxShows);
    QCOMPARE(s.value(QStringLiteral("LotteryName")).toString(), lottery);
    // The step buttons follow the page.
    QVERIFY(!widget<QWidget>("previousButton")->isVisible() && widget<QWidget>("nextButton")->isVisible());
    QVERIFY(!widget<QWidget>("generateButton")->isVisible() && !widget<QWidget>("saveButton")->isEnabled());
    // With a lottery restored, Next goes straight to its grid.
    click("nextButton");
    QCOMPARE(page(), row >= 0 ? 1 : 0);
    if (row >= 0)
        QCOMPARE(text("lotteryNameLabel"), lottery);
    else
        QCOMPARE(alerts.constLast().message, QStringLiteral("Please select a lottery"));
}

void TestGui::badDatabaseIsToldOnce_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing") << "missing";
    QTest::newRow("not SQLite") << "garbage";
    QTest::newRow("no tables") << "empty";
    QTest::newRow("zero bytes") << "zero";
}

void TestGui::badDatabaseIsToldOnce()
{
    QFETCH(QString, kind);
    const QString path = dir.filePath(kind + QStringLiteral(".sqlite3"));
    if (kind == QLatin1String("garbage") || kind == QLatin1String("zero")) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(kind == QLatin1String("zero") ? 0 : 4096, 'x'));
    } else if (kind == QLatin1String("empty")) {
        sqlite3 *db = nullptr;
        sqlite3_open(path.toUtf8().constData(), &db);
        sqlite3_exec(db, "CREATE TABLE other(a)", nullptr, nullptr, nullptr);
        sqlite3_close(db);
    }
    start(path);
    QCOMPARE(alerts.size(), 1);
    QCOMPARE(alerts[0].title, QStringLiteral("Alert"));
    // The message names the file and says what is wrong with it.
    QVERIFY2(alerts[0].message.contains(path), qPrintable(alerts[0].message));
    if (kind == QLatin1String("empty") || kind == QLatin1String("zero"))
        QVERIFY(alerts[0].message.contains(QStringLiteral("no wheel database")));
    QVERIFY(!QFile::exists(path) || kind != QLatin1String("missing")); // never created
    // The window is open on the lottery page and answers: Next says a lottery is needed,
    // and choosing countries brings no further alert about the file.
    QCOMPARE(page(), 0);
    alerts.clear();
    auto *box = widget<QComboBox>("countryBox");
    for (const QString &country : {QStringLiteral("Brazil"), QStringLiteral("Canada")}) {
        box->setCurrentText(country);
        emit box->activated(box->currentIndex());
    }
    QVERIFY(alerts.isEmpty());
    click("nextButton");
    QCOMPARE(alerts.size(), 1);
    QCOMPARE(alerts[0].message, QStringLiteral("Please select a lottery"));
}

void TestGui::damagedWheelsMakeNoTickets_data()
{
    QTest::addColumn<QByteArray>("rows");
    QTest::addColumn<QString>("why");
    const QByteArray survey = "INSERT INTO wheelsurvey VALUES(6,'a','3 if 4',7,'2');";
    const QByteArray good = "INSERT INTO wheels VALUES(6,'a','3 if 4',7,'01-02-03-04-05-06');";
    const auto second = [&](const QByteArray &line) -> QByteArray {
        return survey + good + "INSERT INTO wheels VALUES(6,'a','3 if 4',7," + line + ");";
    };
    QTest::newRow("too few places") << second("'01-02-03-04-05'") << "has 5 places where a ticket holds 6";
    QTest::newRow("too many places") << second("'01-02-03-04-05-06-07'") << "has 7 places where a ticket holds 6";
    QTest::newRow("a place twice") << second("'01-02-03-04-05-05'") << "names place 5 twice";
    QTest::newRow("outside the selection") << second("'01-02-03-04-05-08'") << "outside your selection";
    QTest::newRow("empty line") << second("''") << "is empty";
    QTest::newRow("NULL line") << second("NULL") << "is empty";
    QTest::newRow("rows missing") << QByteArray("INSERT INTO wheelsurvey VALUES(6,'a','3 if 4',7,'3');") + good + good
                                  << "has 2 lines where the wheel list promises 3";
    QTest::newRow("NUL in the name")
        << QByteArray("INSERT INTO wheelsurvey VALUES(6,'a','3 if 4'||char(0)||'x',7,'1');"
                      "INSERT INTO wheels VALUES(6,'a','3 if 4'||char(0)||'x',7,'01-02-03-04-05-06');")
        << "holds characters that are no text";
    // Many lines, so that the damaged page below lies among them.
    QByteArray many = "INSERT INTO wheelsurvey VALUES(6,'a','3 if 4',7,'3000');";
    for (int i = 0; i < 3000; ++i)
        many += "INSERT INTO wheels VALUES(6,'a','3 if 4',7,'01-02-03-04-05-06');";
    // SQLite either stops on the damaged page with an error or, now and then, ends the rows
    // there as if the table were whole; either way the player hears the wheel is damaged.
    QTest::newRow("damaged page") << many
                                  << "could not be read to the end|has \\d+ lines where the wheel list promises 3000";
}

// A wheel the database holds damaged gives one alert that names it, and no tickets.
void TestGui::damagedWheelsMakeNoTickets()
{
    QFETCH(QByteArray, rows);
    QFETCH(QString, why);
    const QString path = dir.filePath(QStringLiteral("damaged.sqlite3"));
    makeDatabase(path, rows);
    if (QTest::currentTestFunction() && QByteArray(QTest::currentDataTag()) == "damaged page") {
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadWrite));
        const qint64 pages = f.size() / 4096;
        QVERIFY(pages > 8);
        f.seek(4096 * (pages - 3) + 8); // inside a page of wheel lines, past its header
        f.write(QByteArray(64, '\xff'));
    }
    start(path);
    chooseLottery(QStringLiteral("Canada"), QStringLiteral("Healthy 6/49"));
    click("nextButton");
    for (int n : {11, 12, 13, 14, 15, 16, 17})
        tap(n);
    click("nextButton");
    QCOMPARE(page(), 2);
    QVERIFY(alerts.isEmpty());
    click("generateButton");
    QCOMPARE(alerts.size(), 1);
    QCOMPARE(alerts[0].title, QStringLiteral("Alert"));
    QVERIFY2(alerts[0].message.contains(QRegularExpression(why)), qPrintable(alerts[0].message));
    if (!why.startsWith(QLatin1String("could not")))
        QVERIFY2(alerts[0].message.startsWith(QStringLiteral("The wheel \"3 if 4")), qPrintable(alerts[0].message));
    QCOMPARE(page(), 2);
    QCOMPARE(tickets(), QStringList{QString()});
}

void TestGui::damagedLotteryRowsAreRefused_data()
{
    QTest::addColumn<QByteArray>("pool");
    QTest::addColumn<QByteArray>("pick");
    QTest::newRow("pool 0") << QByteArray("0") << QByteArray("6");
    QTest::newRow("pool NULL") << QByteArray("NULL") << QByteArray("6");
    QTest::newRow("pool text") << QByteArray("'many'") << QByteArray("6");
    QTest::newRow("pool negative") << QByteArray("-45") << QByteArray("6");
    QTest::newRow("pool 100000") << QByteArray("100000") << QByteArray("6");
    QTest::newRow("pool INT_MAX") << QByteArray::number(INT_MAX) << QByteArray("6");
    QTest::newRow("pick 0") << QByteArray("49") << QByteArray("0");
    QTest::newRow("pick text") << QByteArray("49") << QByteArray("'six'");
    QTest::newRow("pick above pool") << QByteArray("49") << QByteArray("50");
    QTest::newRow("pick equals pool") << QByteArray("10") << QByteArray("10");
}

// A lottery whose row is damaged is refused with an alert; the program stays usable.
void TestGui::damagedLotteryRowsAreRefused()
{
    QFETCH(QByteArray, pool);
    QFETCH(QByteArray, pick);
    const QString path = dir.filePath(QStringLiteral("lotteries.sqlite3"));
    makeDatabase(path, "INSERT INTO lottery VALUES('Canada','Damaged'," + pool + "," + pick + ");");
    start(path);
    chooseLottery(QStringLiteral("Canada"), QStringLiteral("Damaged"));
    click("nextButton");
    QCOMPARE(alerts.size(), 1);
    QVERIFY2(alerts[0].message.contains(QStringLiteral("\"Damaged\" of Canada cannot be played")),
             qPrintable(alerts[0].message));
    QCOMPARE(page(), 0);
    chooseLottery(QStringLiteral("Canada"), QStringLiteral("Healthy 6/49"));
    click("nextButton");
    QCOMPARE(page(), 1);
    QVERIFY(widget<NumberGridView>("numberGrid")->button(49));
}

void TestGui::keyboardReachesEverything()
{
    start();
    chooseLottery(QStringLiteral("Canada"), QStringLiteral("Lotto 6/49"));
    QWidget *window = app->mainWindow();
    QApplication::setActiveWindow(window);
    auto *table = widget<QTableView>("lotteryTable");
    table->setFocus();
    QTRY_VERIFY(table->hasFocus());
    const auto rememberedLottery = [this] {
        return QSettings(dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat)
            .value(QStringLiteral("LotteryName"))
            .toString();
    };
    // Tab leaves the table for the next control and chooses nothing on its way.
    QTest::keyClick(table, Qt::Key_Tab);
    QVERIFY(!table->hasFocus());
    QCOMPARE(rememberedLottery(), QStringLiteral("Lotto 6/49"));
    // Arrow keys move within the table and choose.
    table->setFocus();
    QTest::keyClick(table, Qt::Key_Down);
    QVERIFY(rememberedLottery() != QStringLiteral("Lotto 6/49"));
    QTest::keyClick(table, Qt::Key_Up);
    QCOMPARE(rememberedLottery(), QStringLiteral("Lotto 6/49"));
    // Return and keypad Enter press the default button: Next, then Generate on the wheel page.
    QTest::keyClick(table, Qt::Key_Return);
    QCOMPARE(page(), 1);
    QTest::keyClick(window, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(alerts.constLast().message, QStringLiteral("You should select at least 7 numbers"));
    // Numbers are chosen with the space bar on a focused number button.
    for (int n : {1, 2, 3, 4, 5, 6, 7}) {
        NumberButton *b = widget<NumberGridView>("numberGrid")->button(n);
        b->setFocus();
        QTest::keyClick(b, Qt::Key_Space);
    }
    QCOMPARE(text("numbersField"), QStringLiteral(" 1 2 3 4 5 6 7"));
    QTest::keyClick(window, Qt::Key_Return);
    QCOMPARE(page(), 2);
    QTest::keyClick(window, Qt::Key_Return);
    QCOMPARE(page(), 3);
    QCOMPARE(tickets().size(), text("ticketCountLabel").section(QLatin1Char(':'), 1).toInt());
}

void TestGui::screenReaderReadsNamesRolesAndStates()
{
    start();
    chooseLottery(QStringLiteral("Canada"), QStringLiteral("Lotto 6/49"));
    click("nextButton");
    for (int n : {17, 3, 40})
        tap(n);
    const auto read = [](QObject *o) { return QAccessible::queryAccessibleInterface(o); };
    // A label is read by the text it shows; what it is comes as its description.
    QAccessibleInterface *total = read(widget<QLabel>("totalLabel"));
    QCOMPARE(total->text(QAccessible::Name), QStringLiteral("Total Numbers:3"));
    QCOMPARE(total->text(QAccessible::Description), QStringLiteral("Total numbers"));
    QCOMPARE(read(widget<QLabel>("lotteryNameLabel"))->text(QAccessible::Name), QStringLiteral("Lotto 6/49"));
    // Number buttons say whether they are chosen, and which is the key.
    auto *grid = widget<NumberGridView>("numberGrid");
    QAccessibleInterface *key = read(grid->button(17));
    QCOMPARE(key->text(QAccessible::Name), QStringLiteral("17"));
    QVERIFY(key->state().checkable && key->state().checked);
    QCOMPARE(key->text(QAccessible::Description), QStringLiteral("17, key number"));
    QVERIFY(read(grid->button(3))->state().checked);
    QVERIFY(!read(grid->button(4))->state().checked);
    // The small windows are dialogs, not fillers.
    click("aboutButton");
    QCOMPARE(read(app->aboutWindow())->role(), QAccessible::Dialog);
    app->aboutWindow()->close();
    // A tab pressed through its accessibility action passes the same guard as a click:
    // the step tabs refuse it, the wheel type tabs turn and show their wheels.
    QAccessibleInterface *steps = read(widget<PageTabs>("mainTabs")->tabBar());
    QAccessibleInterface *wheelsTab = steps->child(2);
    QVERIFY(wheelsTab && wheelsTab->actionInterface());
    wheelsTab->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(page(), 1);
    QVERIFY(widget<QWidget>("nextButton")->isVisible() && !widget<QWidget>("generateButton")->isVisible());
    for (int n : {8, 9, 10, 11})
        tap(n);
    click("nextButton");
    QAccessibleInterface *types = read(widget<PageTabs>("wheelTypeTabs")->tabBar());
    types->child(1)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(widget<PageTabs>("wheelTypeTabs")->currentIndex(), 1);
    auto *keyWheels = widget<QComboBox>("wheelBox1");
    QVERIFY(keyWheels->isVisible() && keyWheels->count() > 0);
    QVERIFY(!widget<QWidget>("noWheel1")->isVisible());
    click("generateButton");
    for (const QString &t : tickets())
        QVERIFY2(t.startsWith(QStringLiteral("17 ")), qPrintable(t)); // key wheels: the key on every ticket
}

void TestGui::tappingAndTheKey()
{
    start();
    chooseLottery(QStringLiteral("Canada"), QStringLiteral("Lotto 6/49"));
    click("nextButton");
    QCOMPARE(page(), 1);
    QVERIFY(widget<NumberGridView>("numberGrid")->button(49) && !widget<NumberGridView>("numberGrid")->button(50));
    tap(17);
    QCOMPARE(text("keyField"), QStringLiteral("17"));
    QCOMPARE(lookOf(17), NumberButton::Look::Key);
    tap(3);
    tap(40);
    QCOMPARE(text("numbersField"), QStringLiteral(" 17 3 40"));
    QCOMPARE(text("totalLabel"), QStringLiteral("Total Numbers:3"));
    QCOMPARE(lookOf(3), NumberButton::Look::Chosen);
    // The key cannot be taken back while others are chosen; the notice changes nothing.
    tap(17);
    QCOMPARE(alerts.size(), 1);
    QCOMPARE(alerts[0].title, QStringLiteral("Notice"));
    QCOMPARE(text("numbersField"), QStringLiteral(" 17 3 40"));
    QCOMPARE(lookOf(17), NumberButton::Look::Key);
    QVERIFY(widget<NumberGridView>("numberGrid")->button(17)->isChecked());
    tap(3);
    tap(40);
    QCOMPARE(lookOf(3), NumberButton::Look::Free);
    // Alone, the key goes with one click; the key field keeps it until the next first choice.
    tap(17);
    QCOMPARE(lookOf(17), NumberButton::Look::Free);
    QVERIFY(!widget<QWidget>("backspaceButton")->isEnabled() && !widget<QWidget>("clearButton")->isEnabled());
    QCOMPARE(text("keyField"), QStringLiteral("17"));
    QCOMPARE(text("numbersField"), QString());
    QCOMPARE(text("totalLabel"), QStringLiteral("Total Numbers:0"));
    tap(5);
    QCOMPARE(text("keyField"), QStringLiteral("5"));
    tap(8);
    // Back to the lottery page and forward again: the numbers, and what can be done with
    // them, stay as they were.
    click("previousButton");
    click("nextButton");
    QCOMPARE(text("numbersField"), QStringLiteral(" 5 8"));
    QCOMPARE(lookOf(5), NumberButton::Look::Key);
    QVERIFY(widget<QWidget>("backspaceButton")->isEnabled() && widget<QWidget>("clearButton")->isEnabled());
    // Another lottery brings a fresh grid with nothing chosen and says so.
    click("previousButton");
    chooseLottery(QStringLiteral("Canada"), QStringLiteral("Lotto Max"));
    click("nextButton");
    QCOMPARE(text("numbersField"), QString());
    QCOMPARE(text("totalLabel"), QStringLiteral("Total Numbers:0"));
    QCOMPARE(lookOf(5), NumberButton::Look::Free);
    QCOMPARE(alerts.size(), 1);
}

void TestGui::backspaceClearAndSort()
{
    start();
    chooseLottery(QStringLiteral("Canada"), QStringLiteral("Lotto 6/49"));
    click("nextButton");
    for (int n : {5, 12, 3})
        tap(n);
    click("sortSwitch"); // ascending
    QCOMPARE(text("numbersField"), QStringLiteral(" 3 5 12"));
    // The switch answers however it is changed, not only to a click.
    widget<QCheckBox>("sortSwitch")->setChecked(false);
    QCOMPARE(text("numbersField"), QStringLiteral(" 5 12 3"));
    click("backspaceButton"); // the latest choice, not the largest
    QCOMPARE(text("numbersField"), QStringLiteral(" 5 12"));
    QCOMPARE(lookOf(3), NumberButton::Look::Free);
    click("backspaceButton");
    click("backspaceButton"); // the key goes last, without a notice
    QVERIFY(alerts.isEmpty());
    QCOMPARE(text("numbersField"), QString());
    QVERIFY(!widget<QWidget>("backspaceButton")->isEnabled());
    for (int n : {8, 9})
        tap(n);
    answers << 0; // Cancel keeps everything
    click("clearButton");
    QCOMPARE(text("numbersField"), QStringLiteral(" 8 9"));
    click("clearButton");
    QCOMPARE(text("numbersField"), QString());
    QCOMPARE(lookOf(8), NumberButton::Look::Free);
    QVERIFY(!widget<QWidget>("backspaceButton")->isEnabled() && !widget<QWidget>("clearButton")->isEnabled());
    QCOMPARE(alerts.size(), 2);
}

void TestGui::pagesMoveOnlyByTheStepButtons()
{
    start();
    auto *tabs = widget<PageTabs>("mainTabs");
    QTabBar *bar = tabs->tabBar();
    for (int i = 1; i < 4; ++i) {
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(i).center());
        QCOMPARE(tabs->currentIndex(), 0);
        // Any other way of changing the tab is refused the same way.
        bar->setCurrentIndex(i);
        QCOMPARE(tabs->currentIndex(), 0);
        QVERIFY(tabs->currentWidget()->isVisible());
    }
    chooseLottery(QStringLiteral("Canada"), QStringLiteral("Lotto 6/49"));
    click("nextButton");
    QCOMPARE(tabs->currentIndex(), 1);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
    QCOMPARE(tabs->currentIndex(), 1);
}

void TestGui::largePoolIsReachable()
{
    start();
    chooseLottery(QStringLiteral("Turkey"), QStringLiteral("Çılgın Sayısal Loto"));
    click("nextButton");
    auto *grid = widget<NumberGridView>("numberGrid");
    const QRect view = grid->rect();
    for (int n = 1; n <= 90; ++n)
        QVERIFY(grid->button(n) && view.contains(grid->button(n)->geometry()));
    tap(90);
    QCOMPARE(text("keyField"), QStringLiteral("90"));
}

void TestGui::gridScrollsOnlyWhereItMust_data()
{
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("lottery");
    QTest::addColumn<int>("pool");
    QTest::addColumn<bool>("smallest"); // the window at its smallest size, else at its first
    QTest::addColumn<bool>("scrolls");  // the rows need a vertical scroll bar
    const QString turkey = QStringLiteral("Turkey"), ninety = QStringLiteral("Çılgın Sayısal Loto");
    const QString canada = QStringLiteral("Canada"), fortyNine = QStringLiteral("Lotto 6/49");
    QTest::newRow("49 numbers, first size") << canada << fortyNine << 49 << false << false;
    QTest::newRow("90 numbers, first size") << turkey << ninety << 90 << false << false;
    QTest::newRow("49 numbers, smallest size") << canada << fortyNine << 49 << true << false;
    QTest::newRow("90 numbers, smallest size") << turkey << ninety << 90 << true << true;
}

// The grid's scroll bars show only where the grid does not fit, from the moment the page shows,
// and every number can be brought into view whole.
void TestGui::gridScrollsOnlyWhereItMust()
{
    QFETCH(QString, country);
    QFETCH(QString, lottery);
    QFETCH(int, pool);
    QFETCH(bool, smallest);
    QFETCH(bool, scrolls);
    start();
    if (smallest) {
        QWidget *window = app->mainWindow();
        window->resize(window->minimumSize().expandedTo(window->minimumSizeHint()));
        QCoreApplication::processEvents();
    }
    chooseLottery(country, lottery);
    click("nextButton");
    auto *area = widget<QScrollArea>("gridScroll");
    auto *grid = widget<NumberGridView>("numberGrid");
    QVERIFY(!area->horizontalScrollBar()->isVisible());
    QCOMPARE(area->verticalScrollBar()->isVisible(), scrolls);
    const auto inView = [&](int from, int to) {
        for (int n = from; n <= to; ++n) {
            const NumberButton *b = grid->button(n);
            if (!area->viewport()->rect().contains(QRect(b->mapTo(area->viewport(), QPoint(0, 0)), b->size())))
                return false;
        }
        return true;
    };
    if (!scrolls) {
        QVERIFY(inView(1, pool));
        return;
    }
    QVERIFY(inView(1, 9));
    area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
    QVERIFY(inView(pool - (pool - 1) % 9, pool));
}

// Goes from start-up to tickets through the widgets for one lottery of each pick count
// with wheels, with both wheel types, and checks every ticket against the wheel's lines.
void TestGui::fromStartUpToTickets()
{
    sqlite3 *db = nullptr;
    QCOMPARE(sqlite3_open_v2(DATABASE, &db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
    auto rows = [db](const QByteArray &sql) {
        QList<QStringList> out;
        sqlite3_stmt *s = nullptr;
        sqlite3_prepare_v2(db, sql.constData(), -1, &s, nullptr);
        while (sqlite3_step(s) == SQLITE_ROW) {
            QStringList r;
            for (int i = 0; i < sqlite3_column_count(s); ++i)
                r << QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(s, i)));
            out << r;
        }
        sqlite3_finalize(s);
        return out;
    };
    // For each pick, the smallest count of numbers with both kinds of wheel, and a lottery.
    const auto picks = rows("SELECT a.pick, min(a.zoption) FROM wheelsurvey a JOIN wheelsurvey k ON a.pick=k.pick AND "
                            "a.zoption=k.zoption AND a.wheeltype='a' AND k.wheeltype='k' GROUP BY a.pick");
    QVERIFY(!picks.isEmpty());
    int tested = 0;
    for (const auto &p : picks) {
        const auto lot = rows("SELECT country, lotteryname, ifrom FROM lottery WHERE imatch=" + p[0].toUtf8() +
                              " AND ifrom>=" + p[1].toUtf8() +
                              " ORDER BY coalesce(bonuspool, 0) > 0 LIMIT 1"); // no bonus number to choose
        if (lot.isEmpty())
            continue;
        start();
        chooseLottery(lot[0][0], lot[0][1]);
        click("nextButton");
        const int z = p[1].toInt();
        QStringList chosen;
        const int pool = lot[0][2].toInt();
        const int stride = pool >= 2 * z ? 2 : 1;
        for (int i = 0; i < z; ++i) {
            const int n = pool - stride * i; // from the top, every other number where the pool allows
            tap(n);
            chosen << QString::number(n);
        }
        click("nextButton");
        QCOMPARE(page(), 2);
        auto *types = widget<PageTabs>("wheelTypeTabs");
        for (int type : {0, 1}) {
            if (type == 1)
                QTest::mouseClick(types->tabBar(), Qt::LeftButton, {}, types->tabBar()->tabRect(1).center());
            QCOMPARE(types->currentIndex(), type);
            auto *list = widget<QComboBox>(type ? "wheelBox1" : "wheelBox0");
            QVERIFY(list->isVisible() && list->count() > 0);
            const QString guarantee = list->currentText().section(QStringLiteral("     "), 0, 0);
            click("generateButton");
            QCOMPARE(page(), 3);
            const auto lines = rows("SELECT digitalstring FROM wheels WHERE pick=" + p[0].toUtf8() +
                                    " AND wheeltype='" + (type ? "k" : "a") + "' AND zoption=" + p[1].toUtf8() +
                                    " AND xyoption='" + guarantee.toUtf8() + "'");
            const QStringList made = tickets();
            QCOMPARE(made.size(), lines.size());
            for (qsizetype i = 0; i < lines.size(); ++i) {
                QStringList expected;
                for (const QString &pos : lines[i][0].split(QLatin1Char('-')))
                    expected << chosen[pos.toInt() - 1];
                QCOMPARE(made[i], expected.join(QLatin1Char(' ')));
                if (type == 1)
                    QVERIFY(made[i].startsWith(chosen[0] + QLatin1Char(' ')));
            }
            QCOMPARE(text("ticketCountLabel"), QStringLiteral("Total Tickets:%1").arg(lines.size()));
            click("previousButton");
        }
        // Previous, another format, Generate: the same wheel anew, not doubled.
        const auto before = tickets().size();
        widget<FormatMatrix>("formatMatrix")->setFormat(1);
        click("generateButton");
        QCOMPARE(tickets().size(), before);
        QVERIFY(tickets().first().contains(QLatin1Char('-')));
        QVERIFY(alerts.isEmpty());
        ++tested;
    }
    sqlite3_close(db);
    QVERIFY(tested > 0);
}

void TestGui::countryChoiceTakesItsFirstLottery()
{
    start();
    chooseLottery(QStringLiteral("Canada"), QStringLiteral("Lotto Max"));
    auto *box = widget<QComboBox>("countryBox");
    box->setCurrentText(QStringLiteral("Brazil"));
    emit box->activated(box->currentIndex());
    auto *table = widget<QTableView>("lotteryTable");
    QCOMPARE(table->selectionModel()->selectedRows().value(0).row(), 0);
    const QString first = table->model()->index(0, 0).data().toString();
    click("nextButton");
    QCOMPARE(text("lotteryNameLabel"), first);
    QVERIFY(widget<NumberGridView>("numberGrid")->button(60) && !widget<NumberGridView>("numberGrid")->button(61));
}

// The player's lotteries (his own, and his facts for a shipped one) say "(yours)" beside the
// name, to the eye and to a screen reader; a country with none of his shows the list as it was.
void TestGui::playersLotteriesAreMarkedInTheList()
{
    {
        QFile file(path("lotteries.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("country: Canada\nlottery: Ninety Nine\npool: 99\nnumbers a ticket: 6\n\n"
                   "country: Canada\nlottery: Lotto 6/49\npool: 49\nnumbers a ticket: 6\n");
    }
    start();
    QVERIFY(alerts.isEmpty());
    chooseLottery(QStringLiteral("Canada"), QStringLiteral("Ninety Nine")); // found by its name alone
    auto *table = widget<QTableView>("lotteryTable");
    QAbstractItemModel *model = table->model();
    QVERIFY(!table->isColumnHidden(1));
    const LotteryPage *page = app->mainWindow()->lotteryPage();
    QStringList marked;
    for (int row = 0; row < model->rowCount(); ++row) {
        const QModelIndex mark = model->index(row, 1);
        QCOMPARE(page->isMarkedPlayers(row), !mark.data().isNull());
        if (mark.data().isNull())
            continue;
        QCOMPARE(mark.data().toString(), QStringLiteral("(yours)"));
        QCOMPARE(mark.data(Qt::AccessibleTextRole).toString(), QStringLiteral("your lottery"));
        marked << model->index(row, 0).data().toString();
    }
    marked.sort();
    QCOMPARE(marked, (QStringList{QStringLiteral("Lotto 6/49"), QStringLiteral("Ninety Nine")}));
    // The names keep the room; the mark takes only its own.
    QVERIFY(table->columnWidth(0) > table->columnWidth(1));

    auto *box = widget<QComboBox>("countryBox");
    box->setCurrentText(QStringLiteral("Brazil"));
    emit box->activated(box->currentIndex());
    QVERIFY(table->isColumnHidden(1));
    QVERIFY(!page->isMarkedPlayers(0));
    box->setCurrentText(QStringLiteral("Canada"));
    emit box->activated(box->currentIndex());
    QVERIFY(!table->isColumnHidden(1));
}

void TestGui::savingWritesUtf16AndTellsFailures()
{
    start();
    chooseLottery(QStringLiteral("Canada"), QStringLiteral("Lotto 6/49"));
    click("nextButton");
    for (int n : {4, 5, 6, 7, 8, 9, 10})
        tap(n);
    click("nextButton");
    auto *list = widget<QComboBox>("wheelBox0");
    list->setCurrentIndex(list->findText(QStringLiteral("6 if 6"), Qt::MatchStartsWith));
    QVERIFY(list->currentIndex() >= 0);
    click("generateButton");
    const QStringList made = tickets();
    QCOMPARE(made.size(), 7);

    const QString path = dir.filePath(QStringLiteral("lottery.txt"));
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(100000, 'o')); // an existing, longer file is replaced whole
    }
    QString answer = path;
    SavePanel::setResponder([&answer](const SavePanel::Done &done) { done(answer); });
    click("saveButton");
    click("saveButton"); // two saves in a row
    answer.clear();      // cancelled: nothing is written
    click("saveButton");
    app->finishSaves();
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    QCOMPARE(bytes.left(2), QByteArray("\xFF\xFE", 2));
    const QString saved =
        QString::fromUtf16(reinterpret_cast<const char16_t *>(bytes.constData() + 2), (bytes.size() - 2) / 2);
    QCOMPARE(saved, QStringLiteral("Country:Canada\r\nLottery:Lotto 6/49\r\nKey:4\r\n\r\n") +
                        made.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    // The Text window shows the same text, and a second showing replaces the first.
    click("textViewButton");
    click("textViewButton");
    QString shown = saved;
    QCOMPARE(app->textWindow()->findChild<QPlainTextEdit *>()->toPlainText(),
             shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    QVERIFY(alerts.isEmpty());
    // A folder that cannot be written: one alert on the main thread, nothing created.
    answer = dir.filePath(QStringLiteral("no/such/folder/lottery.txt"));
    click("saveButton");
    QTRY_COMPARE(alerts.size(), 1);
    QVERIFY(alerts[0].message.startsWith(QStringLiteral("Failed to create writable file with message '")));
    // It names the file and says what happened in plain words.
    QVERIFY2(alerts[0].message.contains(answer) && alerts[0].message.contains(QStringLiteral("does not exist")),
             qPrintable(alerts[0].message));
    QVERIFY(!QFile::exists(answer));
    // Ending the program right after a failed save still tells it, before it goes.
    click("saveButton");
    app->finishSaves();
    QCOMPARE(alerts.size(), 2);
}

void TestGui::randomPick()
{
    start();
    chooseLottery(QStringLiteral("Canada"), QStringLiteral("Lotto 6/49"));
    click("nextButton");
    tap(30);
    click("numberWindowButton");
    NumberWindow *w = app->numberWindow();
    QVERIFY(w->isVisible());
    auto *field = w->findChild<QLineEdit *>(QStringLiteral("countField"));
    auto *stepper = w->findChild<QSpinBox *>(QStringLiteral("countStepper"));
    // Offered: what a wheel still needs, up to what is free.
    QCOMPARE(field->text(), QStringLiteral("6"));
    QCOMPARE(stepper->maximum(), 48);
    stepper->setValue(9);
    QCOMPARE(field->text(), QStringLiteral("9"));
    QTest::mouseClick(w->findChild<QAbstractButton *>(QStringLiteral("okButton")), Qt::LeftButton);
    QVERIFY(!w->isVisible());
    QCOMPARE(text("totalLabel"), QStringLiteral("Total Numbers:10"));
    // The draw adds to the selection; the key stays the number chosen first.
    QCOMPARE(text("keyField"), QStringLiteral("30"));
    QCOMPARE(lookOf(30), NumberButton::Look::Key);
    QVERIFY(widget<QWidget>("backspaceButton")->isEnabled());
    // A count that is no count is answered, and nothing is drawn.
    for (const QString &bad : {QStringLiteral("abc"), QString(), QStringLiteral("0"), QStringLiteral("-5")}) {
        click("numberWindowButton");
        field->setText(bad);
        QTest::mouseClick(w->findChild<QAbstractButton *>(QStringLiteral("okButton")), Qt::LeftButton);
        QVERIFY(w->isVisible());
        QVERIFY(alerts.constLast().message.contains(QStringLiteral("is not a count of numbers")));
        QTest::mouseClick(w->findChild<QAbstractButton *>(QStringLiteral("cancelButton")), Qt::LeftButton);
    }
    QCOMPARE(alerts.size(), 4);
    QCOMPARE(text("totalLabel"), QStringLiteral("Total Numbers:10"));
    // Asking for more than the pool holds draws it dry and stops.
    click("numberWindowButton");
    field->setText(QStringLiteral("500"));
    QTest::mouseClick(w->findChild<QAbstractButton *>(QStringLiteral("okButton")), Qt::LeftButton);
    QCOMPARE(text("totalLabel"), QStringLiteral("Total Numbers:49"));
    click("numberWindowButton");
    QCOMPARE(field->text(), QStringLiteral("1"));
}

void TestGui::exitAsksFirst()
{
    start();
    chooseLottery(QStringLiteral("Canada"), QStringLiteral("Lotto 6/49"));
    answers << 0;
    app->mainWindow()->close();
    QVERIFY(app->mainWindow()->isVisible());
    QCOMPARE(alerts.constLast().message, QStringLiteral("Are you sure to exit?"));
    answers << 0;
    auto *exit = app->mainWindow()->findChild<QAction *>(QStringLiteral("exitAction"));
    exit->trigger();
    QVERIFY(app->mainWindow()->isVisible());
    QCOMPARE(alerts.size(), 2);
}

void TestGui::makingAWheelKeepsItInTheLibrary()
{
    start();
    chooseLottery(QStringLiteral("Canada"), QStringLiteral("Lotto 6/49"));
    click("nextButton");
    for (int n : {2, 4, 6, 8, 10, 12, 14, 16})
        tap(n);
    click("nextButton");
    click("makeWheelButton");
    WheelMakerWindow *maker = app->wheelMakerWindow();
    QVERIFY(maker->isVisible());
    const auto field = [maker](const char *name) { return maker->findChild<QSpinBox *>(QLatin1String(name)); };
    field("matchesBox")->setValue(2);
    field("drawnBox")->setValue(3);
    field("secondsBox")->setValue(5);
    // The lower bound shows before anything is searched.
    QVERIFY(maker->findChild<QLabel *>(QStringLiteral("boundLabel"))->text().contains(QStringLiteral("fewer than")));
    QTest::mouseClick(maker->findChild<QAbstractButton *>(QStringLiteral("startButton")), Qt::LeftButton);
    QVERIFY(maker->isSearching());
    QTRY_VERIFY_WITH_TIMEOUT(!maker->isSearching(), 30000);
    const QString status = maker->findChild<QLabel *>(QStringLiteral("statusLabel"))->text();
    QVERIFY2(status.startsWith(QStringLiteral("Proven")), qPrintable(status));
    // The wheel is listed as the player's own, chosen, and makes tickets like any other.
    auto *list = widget<QComboBox>("wheelBox0");
    QVERIFY2(list->currentText().startsWith(QStringLiteral("2 if 3")), qPrintable(list->currentText()));
    QVERIFY(list->currentText().endsWith(QStringLiteral("(your own wheel)")));
    const int count =
        list->currentText().section(QStringLiteral("Tickets:"), 1).section(QLatin1Char(' '), 0, 0).toInt();
    maker->close();
    click("generateButton");
    QCOMPARE(tickets().size(), count);
    QVERIFY(alerts.isEmpty());
    // It survives a restart, and a damaged library is set aside with a word, the shipped
    // wheels untouched.
    start();
    chooseLottery(QStringLiteral("Canada"), QStringLiteral("Lotto 6/49"));
    click("nextButton");
    for (int n : {2, 4, 6, 8, 10, 12, 14, 16})
        tap(n);
    click("nextButton");
    QVERIFY(widget<QComboBox>("wheelBox0")->findText(QStringLiteral("2 if 3"), Qt::MatchStartsWith) >= 0);
    // Asking for the same wheel again shows the one the library holds before any search.
    click("makeWheelButton");
    maker = app->wheelMakerWindow();
    maker->findChild<QSpinBox *>(QStringLiteral("matchesBox"))->setValue(2);
    maker->findChild<QSpinBox *>(QStringLiteral("drawnBox"))->setValue(3);
    QVERIFY(maker->findChild<QLabel *>(QStringLiteral("statusLabel"))
                ->text()
                .startsWith(QStringLiteral("Your library already holds this wheel with %1 tickets").arg(count)));
    maker->close();
    app.reset();
    {
        QFile library(dir.filePath(QStringLiteral("own-wheels.sqlite3")));
        QVERIFY(library.open(QIODevice::WriteOnly));
        library.write(QByteArray(5000, 'x'));
    }
    start();
    QCOMPARE(alerts.size(), 1);
    chooseLottery(QStringLiteral("Canada"), QStringLiteral("Lotto 6/49"));
    click("nextButton");
    for (int n : {2, 4, 6, 8, 10, 12, 14, 16})
        tap(n);
    click("nextButton");
    QVERIFY(widget<QComboBox>("wheelBox0")->count() > 0);
    QCOMPARE(widget<QComboBox>("wheelBox0")->findText(QStringLiteral("(your own wheel)"), Qt::MatchEndsWith), -1);
}

void TestGui::gridFrames()
{
    // Row 0 at the top, nine to a row; number 10 starts row 1 at the left.
    QCOMPARE(numberButtonFrame(1), QRect(40, 39, 45, 35));
    QCOMPARE(numberButtonFrame(9).x(), 40 + 73 * 8);
    QCOMPARE(numberButtonFrame(10), QRect(40, 79, 45, 35));
    // Every number of a 99 pool lies inside the grid view made for it.
    const QRect view(QPoint(0, 0), numberGridSize(99));
    for (int n = 1; n <= 99; ++n)
        QVERIFY(view.contains(numberButtonFrame(n)));
    // In a wider view the block stands in the middle, as far from either side.
    NumberGridView grid;
    grid.showPool(49);
    grid.resize(1000, 500);
    grid.show();
    const int leftSpace = grid.button(1)->geometry().left();
    QVERIFY(leftSpace > numberButtonFrame(1).left());
    QVERIFY(std::abs(leftSpace - (grid.width() - 1 - grid.button(9)->geometry().right())) <= 1);
}

// The overflow arrow the program's style hands out late draws exactly what the style itself
// draws, in every size the menu bar may ask for; other icons come from the style as they are.
void TestGui::overflowArrowIsTheStylesOwn()
{
    std::unique_ptr<QStyle> plain(QStyleFactory::create(QStringLiteral("Fusion")));
    DeferredIconStyle deferred(QStyleFactory::create(QStringLiteral("Fusion")));
    QMenuBar bar;
    for (const auto which : {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton,
                             QStyle::SP_MessageBoxWarning}) {
        const QIcon late = deferred.standardIcon(which, nullptr, &bar);
        const QIcon own = plain->standardIcon(which, nullptr, &bar);
        QVERIFY(!late.isNull());
        for (int size : {8, 16, 32}) {
            QCOMPARE(late.actualSize(QSize(size, size)), own.actualSize(QSize(size, size)));
            QCOMPARE(late.pixmap(size).toImage(), own.pixmap(size).toImage());
        }
    }
}

// With WHEELWRIGHT_SCREENSHOTS set, pictures of every page and window go to docs/.
void TestGui::screenshots()
{
    if (qEnvironmentVariableIsEmpty("WHEELWRIGHT_SCREENSHOTS"))
        QSKIP("set WHEELWRIGHT_SCREENSHOTS to render the pictures");
    const QString docs = QStringLiteral(DOCS_DIR);
    start();
    app->mainWindow()->grab().save(docs + QStringLiteral("/page-lottery.png"));
    chooseLottery(QStringLiteral("Canada"), QStringLiteral("Lotto 6/49"));
    click("nextButton");
    for (int n : {17, 3, 40, 8, 25, 31, 44, 12, 9, 21})
        tap(n);
    app->mainWindow()->grab().save(docs + QStringLiteral("/page-numbers.png"));
    click("nextButton");
    waitForOdds();
    app->mainWindow()->grab().save(docs + QStringLiteral("/page-wheel.png"));
    click("makeWheelButton");
    app->wheelMakerWindow()->grab().save(docs + QStringLiteral("/window-make-wheel.png"));
    app->wheelMakerWindow()->close();
    click("generateButton");
    app->mainWindow()->grab().save(docs + QStringLiteral("/page-tickets.png"));
    click("textViewButton");
    app->textWindow()->grab().save(docs + QStringLiteral("/window-text.png"));
    app->numberWindow()->offerCounts(49, 6, 10);
    app->numberWindow()->showWindow();
    app->numberWindow()->grab().save(docs + QStringLiteral("/window-number.png"));
    click("aboutButton");
    app->aboutWindow()->grab().save(docs + QStringLiteral("/window-about.png"));
    click("wheelsButton");
    app->wheelsWindow()->grab().save(docs + QStringLiteral("/window-wheels.png"));
    click("helpButton");
    app->helpWindow()->grab().save(docs + QStringLiteral("/window-help.png"));
    // Fifteen numbers a ticket: the wheels for a player with seventeen.
    start();
    chooseLottery(QStringLiteral("Brazil"), QStringLiteral("Lotofácil"));
    click("nextButton");
    for (int n : {13, 1, 2, 4, 5, 7, 8, 10, 11, 14, 16, 17, 19, 20, 22, 23, 25})
        tap(n);
    click("nextButton");
    waitForOdds();
    app->mainWindow()->grab().save(docs + QStringLiteral("/page-wheel-15.png"));
}

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TestGui t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_gui.moc"
