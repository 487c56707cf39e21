// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The bonus numbers on the number page and what the wheel page tells of the chosen wheel: its
// cost and its exact odds, counted off the page's thread. Drives the real main window on the
// offscreen platform; every alert and save panel is answered through the seams.
#include "GuiDriver.h"
#include "app/Application.h"
#include "core/Catalogue.h"
#include "core/Database.h"
#include "core/Odds.h"
#include "core/Play.h"
#include "core/Settings.h"
#include "core/TicketFile.h"
#include "core/WheelShelf.h"
#include "core/WheelValue.h"
#include "ui/BackgroundPool.h"
#include "ui/BonusPicker.h"
#include "ui/MainWindow.h"
#include "ui/NumberButton.h"
#include "ui/NumberGridView.h"
#include "ui/NumberPage.h"
#include "ui/PageTabs.h"
#include "ui/Panels.h"
#include "ui/WheelOddsPanel.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QScopeGuard>
#include <QSemaphore>
#include <QSettings>
#include <QSignalSpy>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QThreadPool>
#include <QtTest>

#include <algorithm>

class TestWheelPage : public QObject, private GuiDriver {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void bonusNumbersOnEveryTicket_data();
    void bonusNumbersOnEveryTicket();
    void bonusIsAskedFor();
    void lotteriesWithoutBonusPoolUnchanged_data();
    void lotteriesWithoutBonusPoolUnchanged();
    void costAndRememberedPrice();
    void oddsTableAgreesWithCount_data();
    void oddsTableAgreesWithCount();
    void staleOddsAreNeverShown();
    void wheelListsTakeOnlyTheirRoom();
    void screenshots();

private:
    void start() { startProgram(QStringLiteral(DATABASE)); }
    // A new start, Lotto 6/49 (Canada) chosen, these numbers tapped, and on to the wheel page.
    void startOnWheelPage(std::initializer_list<int> numbers);
    void tapBonus(int n);
    // The wheel of the shown type named `guarantee`, or the one with the most tickets when empty.
    void chooseWheel(const QString &guarantee = QString());
    QList<int> numbersOn(const QString &part) const;
};

void TestWheelPage::startOnWheelPage(std::initializer_list<int> numbers)
{
    start();
    chooseLottery(QStringLiteral("Canada"), QStringLiteral("Lotto 6/49"));
    click("nextButton");
    for (int n : numbers)
        tap(n);
    click("nextButton");
}

void TestWheelPage::init()
{
    prepare();
}

void TestWheelPage::cleanup()
{
    finish();
}

void TestWheelPage::tapBonus(int n)
{
    NumberButton *b = widget<BonusPicker>("bonusGroup")->button(n);
    QVERIFY2(b && b->isVisible(), qPrintable(QString::number(n)));
    QTest::mouseClick(b, Qt::LeftButton);
}

void TestWheelPage::chooseWheel(const QString &guarantee)
{
    const bool key = widget<PageTabs>("wheelTypeTabs")->currentIndex() == 1;
    auto *list = widget<QComboBox>(key ? "wheelBox1" : "wheelBox0");
    int best = -1;
    int most = -1;
    for (int i = 0; i < list->count(); ++i) {
        const QString entry = list->itemText(i);
        const int count = entry.mid(entry.indexOf(QStringLiteral("Tickets:")) + 8).toInt();
        if (guarantee.isEmpty() ? count > most : entry.startsWith(guarantee + QLatin1Char(' '))) {
            best = i;
            most = count;
        }
    }
    QVERIFY2(best >= 0, qPrintable(guarantee));
    list->setCurrentIndex(best);
}

QList<int> TestWheelPage::numbersOn(const QString &part) const
{
    QList<int> numbers;
    for (const QString &n : part.split(QRegularExpression(QStringLiteral("[ ,-]+")), Qt::SkipEmptyParts))
        numbers << n.toInt();
    return numbers;
}

void TestWheelPage::bonusNumbersOnEveryTicket_data()
{
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("lottery");
    QTest::addColumn<int>("bonusPool");
    QTest::addColumn<int>("perTicket");
    QTest::addColumn<QList<int>>("bonus");
    QTest::newRow("one Powerball") << "United States"
                                   << "Powerball" << 26 << 1 << QList<int>{7};
    QTest::newRow("three Powerballs shared") << "United States"
                                             << "Powerball" << 26 << 1 << QList<int>{26, 7, 12};
    QTest::newRow("two stars of three") << "United Kingdom"
                                        << "EuroMillions" << 12 << 2 << QList<int>{3, 9, 11};
    QTest::newRow("two stars exactly") << "United Kingdom"
                                       << "EuroMillions" << 12 << 2 << QList<int>{12, 1};
}

void TestWheelPage::bonusNumbersOnEveryTicket()
{
    QFETCH(QString, country);
    QFETCH(QString, lottery);
    QFETCH(int, bonusPool);
    QFETCH(int, perTicket);
    QFETCH(QList<int>, bonus);
    start();
    chooseLottery(country, lottery);
    click("nextButton");
    auto *picker = widget<BonusPicker>("bonusGroup");
    QVERIFY(picker->isVisible());
    QVERIFY(picker->button(bonusPool) && !picker->button(bonusPool + 1));
    QVERIFY(picker->title().contains(QStringLiteral("1 to %1").arg(bonusPool)));
    for (int n : {3, 17, 40, 8, 25, 31, 44, 12})
        tap(n);
    for (int n : bonus)
        tapBonus(n);
    QCOMPARE(picker->selection().chosen(), bonus);
    click("nextButton");
    chooseWheel();
    click("generateButton");
    QVERIFY(alerts.isEmpty());
    const QStringList made = tickets();
    QVERIFY(made.size() >= 3);
    QMap<int, int> played;
    for (const QString &line : made) {
        const auto parts = line.split(QStringLiteral(" + "));
        QCOMPARE(parts.size(), 2);
        QCOMPARE(numbersOn(parts[0]).size(), 5);
        const QList<int> carried = numbersOn(parts[1]);
        QCOMPARE(carried.size(), perTicket);
        QCOMPARE(QSet<int>(carried.begin(), carried.end()).size(), perTicket); // never one twice
        for (int n : carried) {
            QVERIFY2(bonus.contains(n), qPrintable(line));
            ++played[n];
        }
    }
    // Each chosen bonus number is played about equally often.
    const auto [fewest, most] = std::minmax_element(played.cbegin(), played.cend());
    QCOMPARE(played.size(), bonus.size());
    QVERIFY2(*most - *fewest <= 1, qPrintable(made.join(u'|')));
    // The saved file carries them the same way.
    const QString path = dir.filePath(QStringLiteral("bonus.txt"));
    SavePanel::setResponder([path](const SavePanel::Done &done) { done(path); });
    click("saveButton");
    app->finishSaves();
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    const QString saved =
        QString::fromUtf16(reinterpret_cast<const char16_t *>(bytes.constData() + 2), (bytes.size() - 2) / 2);
    QVERIFY(saved.endsWith(made.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
}

void TestWheelPage::bonusIsAskedFor()
{
    start();
    chooseLottery(QStringLiteral("United Kingdom"), QStringLiteral("EuroMillions"));
    click("nextButton");
    for (int n : {3, 17, 40, 8, 25, 31, 44})
        tap(n);
    tapBonus(5);
    click("nextButton");
    QCOMPARE(alerts.size(), 1);
    QCOMPARE(alerts[0].message, QStringLiteral("Please choose at least 2 bonus numbers"));
    QCOMPARE(widget<PageTabs>("mainTabs")->currentIndex(), 1);
    // The random pick fills up what a ticket needs, then adds one at a time.
    app->mainWindow()->numberPage()->setRandomSource([] { return 3u; });
    click("bonusRandomButton");
    QCOMPARE(widget<BonusPicker>("bonusGroup")->selection().count(), 2);
    click("bonusRandomButton");
    QCOMPARE(widget<BonusPicker>("bonusGroup")->selection().count(), 3);
    QCOMPARE(widget<QLabel>("bonusNumbersLabel")->text().count(QLatin1Char(' ')), 3);
    click("nextButton");
    QCOMPARE(alerts.size(), 1);
    QCOMPARE(widget<PageTabs>("mainTabs")->currentIndex(), 2);
    // Taken back, a bonus number is free again; Clear gives back every one.
    click("previousButton");
    tapBonus(5);
    QCOMPARE(widget<BonusPicker>("bonusGroup")->selection().count(), 2);
    QCOMPARE(widget<BonusPicker>("bonusGroup")->button(5)->look(), NumberButton::Look::Free);
    click("bonusClearButton");
    QCOMPARE(widget<BonusPicker>("bonusGroup")->selection().count(), 0);
}

void TestWheelPage::lotteriesWithoutBonusPoolUnchanged_data()
{
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("lottery");
    QTest::addColumn<bool>("digitNote");
    QTest::newRow("no bonus pool") << "Canada"
                                   << "Lotto 6/49" << false;
    QTest::newRow("bonus ball from the main pool") << "United Kingdom"
                                                   << "Lotto" << false;
    QTest::newRow("Superzahl digit") << "Germany"
                                     << "Lotto 6aus49" << true;
    QTest::newRow("reintegro digit") << "Spain"
                                     << "La Primitiva" << true;
}

void TestWheelPage::lotteriesWithoutBonusPoolUnchanged()
{
    QFETCH(QString, country);
    QFETCH(QString, lottery);
    QFETCH(bool, digitNote);
    start();
    chooseLottery(country, lottery);
    click("nextButton");
    auto *picker = widget<BonusPicker>("bonusGroup");
    QCOMPARE(picker->isVisible(), digitNote);
    QVERIFY(!picker->button(1));
    if (digitNote)
        QVERIFY(widget<QLabel>("bonusHint")->text().contains(QStringLiteral("digit 0 to 9")));
    const QList<int> chosen{4, 5, 6, 7, 8, 9, 10, 33, 41};
    for (int n : chosen)
        tap(n);
    click("nextButton");
    QVERIFY(alerts.isEmpty());
    chooseWheel(QStringLiteral("3 if 4"));
    const QString path = dir.filePath(QStringLiteral("plain.txt"));
    SavePanel::setResponder([path](const SavePanel::Done &done) { done(path); });
    click("generateButton");
    click("saveButton");
    app->finishSaves();
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));

    // The file as the program wrote it before bonus numbers existed: the wheel's lines over
    // the chosen numbers and nothing after them.
    Database database;
    QVERIFY(database.open(QStringLiteral(DATABASE)));
    const Catalogue catalogue(database);
    const WheelOffer offer{6, WheelType::TypeA, 9, QStringLiteral("3 if 4"), 0, WheelOrigin::Shipped};
    const QStringList lines = catalogue.storedLines(offer);
    QVERIFY(!lines.isEmpty());
    QStringList expected;
    for (const QString &line : lines) {
        QStringList ticket;
        for (const QString &place : line.split(QLatin1Char('-')))
            ticket << QString::number(chosen[place.toInt() - 1]);
        expected << ticket.join(QLatin1Char(' '));
    }
    QCOMPARE(f.readAll(), ticketFileBytes(ticketFileText(country, lottery, 4, expected)));
    for (const QString &t : tickets())
        QVERIFY(!t.contains(u'+'));
}

void TestWheelPage::costAndRememberedPrice()
{
    startOnWheelPage({4, 5, 6, 7, 8, 9, 10, 33, 41});
    chooseWheel(QStringLiteral("3 if 4"));
    auto *list = widget<QComboBox>("wheelBox0");
    const int count = list->currentText().mid(list->currentText().indexOf(QStringLiteral("Tickets:")) + 8).toInt();
    QVERIFY(count > 1);
    auto *price = widget<QLineEdit>("priceField");
    // The price a public source states, until the player gives another.
    QCOMPARE(price->text(), QStringLiteral("3.00"));
    QCOMPARE(widget<QLabel>("costLabel")->text(),
             QStringLiteral("Cost: %1 tickets x 3.00 CAD = %2.00 CAD").arg(count).arg(count * 3));
    price->selectAll();
    QTest::keyClicks(price, QStringLiteral("2.2"));
    QCOMPARE(widget<QLabel>("costLabel")->text(),
             QStringLiteral("Cost: %1 tickets x 2.20 CAD = %2 CAD").arg(count).arg(count * 2.2, 0, 'f', 2));
    // Another wheel, another total.
    chooseWheel(QStringLiteral("6 if 6"));
    QVERIFY(widget<QLabel>("costLabel")->text().startsWith(QStringLiteral("Cost: 84 tickets x 2.20 CAD = 184.80")));
    QTest::keyClicks(price, QStringLiteral("x"));
    QCOMPARE(widget<QLabel>("costLabel")->text(),
             QStringLiteral("Please enter the price of one ticket as a number, such as 2.50"));
    QTest::keyClick(price, Qt::Key_Backspace);
    const QString key = QStringLiteral("Price/Canada/Lotto 6%2F49");
    QCOMPARE(QSettings(dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat).value(key).toString(),
             QStringLiteral("2.2"));

    // Remembered for this lottery across starts, and only for it.
    startOnWheelPage({4, 5, 6, 7, 8, 9, 10});
    QCOMPARE(widget<QLineEdit>("priceField")->text(), QStringLiteral("2.20"));
    // Unknown: asked for, never made up.
    start();
    chooseLottery(QStringLiteral("Australia"), QStringLiteral("Saturday Lotto"));
    click("nextButton");
    for (int n : {4, 5, 6, 7, 8, 9, 10})
        tap(n);
    click("nextButton");
    QVERIFY(widget<QLineEdit>("priceField")->text().isEmpty());
    QCOMPARE(widget<QLabel>("costLabel")->text(), QStringLiteral("Price per ticket: unknown - enter it"));
    QTest::keyClicks(widget<QLineEdit>("priceField"), QStringLiteral("1.5"));
    QVERIFY(widget<QLabel>("costLabel")->text().contains(QStringLiteral(" x 1.50 = ")));
    // Emptied, the price is forgotten.
    widget<QLineEdit>("priceField")->selectAll();
    QTest::keyClick(widget<QLineEdit>("priceField"), Qt::Key_Delete);
    QVERIFY(!Settings().price(QStringLiteral("Australia"), QStringLiteral("Saturday Lotto")));
    QVERIFY(alerts.isEmpty());
}

void TestWheelPage::oddsTableAgreesWithCount_data()
{
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("lottery");
    QTest::addColumn<int>("pick");
    QTest::addColumn<bool>("key");
    QTest::addColumn<QString>("guarantee");
    QTest::newRow("type-a 3 if 4, 6 of 49") << "Canada"
                                            << "Lotto 6/49" << 6 << false << "3 if 4";
    QTest::newRow("type-a 4 if 6, 6 of 49") << "Canada"
                                            << "Lotto 6/49" << 6 << false << "4 if 6";
    QTest::newRow("key wheel, 6 of 49") << "Canada"
                                        << "Lotto 6/49" << 6 << true << QString();
    QTest::newRow("type-a, 5 of 69 with Powerball") << "United States"
                                                    << "Powerball" << 5 << false << QString();
}

void TestWheelPage::oddsTableAgreesWithCount()
{
    QFETCH(QString, country);
    QFETCH(QString, lottery);
    QFETCH(int, pick);
    QFETCH(bool, key);
    QFETCH(QString, guarantee);
    start();
    chooseLottery(country, lottery);
    click("nextButton");
    const QList<int> chosen{4, 5, 6, 7, 8, 9, 10, 33, 41, 44};
    for (int n : chosen)
        tap(n);
    if (auto *picker = widget<BonusPicker>("bonusGroup"); picker->isVisible())
        tapBonus(1);
    click("nextButton");
    auto *odds = widget<WheelOddsPanel>("oddsGroup");
    QSignalSpy shown(odds, &WheelOddsPanel::oddsShown);
    if (key)
        widget<PageTabs>("wheelTypeTabs")->setCurrentIndex(1);
    chooseWheel(guarantee);
    auto *list = widget<QComboBox>(key ? "wheelBox1" : "wheelBox0");
    const QString name = list->currentText().left(list->currentText().indexOf(QStringLiteral("  "))).trimmed();
    QTRY_VERIFY(odds->shownTable().has_value());

    // The same count made here from the stored lines.
    Database database;
    QVERIFY(database.open(QStringLiteral(DATABASE)));
    const Catalogue catalogue(database);
    const auto details = catalogue.details(country, lottery);
    QVERIFY(details);
    odds::Wheel wheel;
    wheel.numbers = 10;
    for (const QString &line :
         catalogue.storedLines({pick, key ? WheelType::Key : WheelType::TypeA, 10, name, 0, WheelOrigin::Shipped})) {
        wheel::Line bits = 0;
        std::string problem;
        QVERIFY(wheel::parseLine(line.toStdString(), 10, bits, problem));
        wheel.lines.push_back(bits);
    }
    odds::Table expected;
    std::string error;
    QCOMPARE(odds::compute({details->facts.pool, details->facts.drawn}, wheel, {}, expected, error),
             odds::Status::Done);
    const odds::Table &table = *odds->shownTable();
    QCOMPARE(table.tickets, expected.tickets);
    QCOMPARE(table.atLeast, expected.atLeast);
    QCOMPARE(table.expected, expected.expected);

    // Every cell of the table reads the counted figure: rows by "yours drawn", columns by "≥ b".
    auto *cells = widget<QTableWidget>("oddsTable");
    QVERIFY(cells->isVisible());
    const auto rows = key ? givenKeyRows(expected) : expected.have;
    QMap<int, int> columnOf;
    for (int c = 2; c < cells->columnCount(); ++c)
        columnOf[cells->horizontalHeaderItem(c)->text().mid(2).toInt()] = c;
    const int x = name.section(u' ', 0, 0).toInt();
    const int y = name.section(u' ', 2, 2).toInt();
    QVERIFY(columnOf.contains(x));
    bool guaranteeSeen = false;
    for (int r = 0; r + 1 < cells->rowCount(); ++r) {
        const int j = cells->item(r, 0)->text().toInt();
        const odds::HaveRow &row = rows[static_cast<std::size_t>(j)];
        QCOMPARE(cells->item(r, 1)->text(), percentText(row.probability));
        for (auto it = columnOf.cbegin(); it != columnOf.cend(); ++it)
            QCOMPARE(cells->item(r, it.value())->text(), percentText(row.atLeast[static_cast<std::size_t>(it.key())]));
        if (j == y) {
            // The guarantee "x if y" is the cell (y, at least x), certain and marked.
            QTableWidgetItem *cell = cells->item(r, columnOf[x]);
            QCOMPARE(cell->text(), QStringLiteral("100%"));
            QVERIFY(cell->font().bold());
            QCOMPARE(cell->toolTip(), QStringLiteral("The guarantee “%1”").arg(name));
            guaranteeSeen = true;
        }
    }
    QVERIFY(guaranteeSeen);
    const int last = cells->rowCount() - 1;
    QCOMPARE(cells->item(last, 0)->text(), QStringLiteral("Any draw"));
    for (auto it = columnOf.cbegin(); it != columnOf.cend(); ++it)
        QCOMPARE(cells->item(last, it.value())->text(),
                 percentText(expected.atLeast[static_cast<std::size_t>(it.key())]));
    QVERIFY(widget<QLabel>("oddsGuarantee")->text().contains(QStringLiteral(": 100%.")));
    QCOMPARE(widget<QLabel>("oddsKeyNote")->isVisible(), key);
    QVERIFY(widget<QLabel>("oddsPrize")->isVisible());
    QCOMPARE(shown.size(), 1);
    QVERIFY(alerts.isEmpty());
}

void TestWheelPage::staleOddsAreNeverShown()
{
    startOnWheelPage({4, 5, 6, 7, 8, 9, 10, 33, 41, 44, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21});
    auto *odds = widget<WheelOddsPanel>("oddsGroup");
    QTRY_VERIFY(odds->shownTable().has_value());
    QSignalSpy shown(odds, &WheelOddsPanel::oddsShown);
    // The counts' threads are held busy while the wheels change, so that the counts of the wheels
    // left behind are still waiting when they are told to stop, however fast they would be.
    QThreadPool *pool = backgroundPool();
    QSemaphore gate;
    const int threads = pool->maxThreadCount();
    for (int i = 0; i < threads; ++i)
        pool->start([&gate] { gate.acquire(); });
    auto release = qScopeGuard([&] { gate.release(threads); });
    // The biggest wheel, then at once the other type and a small wheel: only the last is shown.
    chooseWheel();
    widget<PageTabs>("wheelTypeTabs")->setCurrentIndex(1);
    chooseWheel();
    widget<PageTabs>("wheelTypeTabs")->setCurrentIndex(0);
    chooseWheel(QStringLiteral("3 if 6"));
    QVERIFY(!odds->shownTable().has_value());
    QVERIFY(widget<QLabel>("oddsStatus")->text().contains(QStringLiteral("“3 if 6”")));
    release.dismiss();
    gate.release(threads);
    QTRY_COMPARE(shown.size(), 1);
    QTest::qWait(300);
    QCOMPARE(shown.size(), 1);
    // The big wheels' counts were told to stop, not left to run on.
    QVERIFY2(odds->cancelledCount() >= 1, qPrintable(QString::number(odds->cancelledCount())));
    auto *list = widget<QComboBox>("wheelBox0");
    QCOMPARE(odds->shownTable()->tickets,
             list->currentText().mid(list->currentText().indexOf(QStringLiteral("Tickets:")) + 8).toInt());
    QVERIFY(odds->title().startsWith(QStringLiteral("Exact odds of “3 if 6” on 20 numbers")));
    // Going back and changing the count drops the old odds too.
    click("previousButton");
    tap(21);
    click("nextButton");
    QVERIFY(!odds->shownTable().has_value() || odds->shownTable()->numbers == 19);
    QTRY_VERIFY(odds->shownTable().has_value());
    QCOMPARE(odds->shownTable()->numbers, 19);
}

// The type-a list is shorter than the key wheels' list with its key field: shown, it leaves its
// room to the odds instead of standing as tall as the key wheels' list.
void TestWheelPage::wheelListsTakeOnlyTheirRoom()
{
    startOnWheelPage({17, 3, 40, 8, 25, 31, 44, 12, 9, 21});
    auto *tabs = widget<PageTabs>("wheelTypeTabs");
    auto *odds = widget<QWidget>("oddsScroll");
    QVERIFY(tabs->widget(1)->sizeHint().height() > tabs->widget(0)->sizeHint().height());
    QTRY_VERIFY(tabs->isVisible() && odds->height() > 0);
    const int typeA = tabs->height();
    const int oddsBeside = odds->height();
    tabs->setCurrentIndex(1);
    QTRY_VERIFY(tabs->height() > typeA);
    QTRY_VERIFY(odds->height() < oddsBeside);
    tabs->setCurrentIndex(0);
    QTRY_COMPARE(tabs->height(), typeA);
    QTRY_COMPARE(odds->height(), oddsBeside);
}

// With WHEELWRIGHT_SCREENSHOTS set, the wheel page with its odds and a bonus game's number page go to docs/.
void TestWheelPage::screenshots()
{
    if (qEnvironmentVariableIsEmpty("WHEELWRIGHT_SCREENSHOTS"))
        QSKIP("set WHEELWRIGHT_SCREENSHOTS to render the pictures");
    const QString docs = QStringLiteral(DOCS_DIR);
    startOnWheelPage({17, 3, 40, 8, 25, 31, 44, 12, 9, 21});
    chooseWheel(QStringLiteral("3 if 4"));
    QTRY_VERIFY(widget<WheelOddsPanel>("oddsGroup")->shownTable().has_value());
    app->mainWindow()->grab().save(docs + QStringLiteral("/page-wheel-odds.png"));
    start();
    chooseLottery(QStringLiteral("United States"), QStringLiteral("Powerball"));
    click("nextButton");
    for (int n : {17, 3, 40, 8, 25, 31, 44, 12, 66})
        tap(n);
    for (int n : {7, 19})
        tapBonus(n);
    app->mainWindow()->grab().save(docs + QStringLiteral("/page-numbers-bonus.png"));
}

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Amounts are written in the player's locale; the tests read them with a point.
    QLocale::setDefault(QLocale::c());
    QApplication app(argc, argv);
    TestWheelPage t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_wheel_page.moc"
