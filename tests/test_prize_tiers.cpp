// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Prize tiers from the data file to the player: wheelgen builds them into a database, the
// catalogue gives them with a lottery's facts, and the draw check window names each ticket's
// tier and prize over a database made here.
#include "GuiDriver.h"
#include "core/Catalogue.h"
#include "core/Database.h"
#include "core/TicketFile.h"
#include "ui/DrawCheckWindow.h"

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>

#include <sqlite3.h>

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

bool execute(const QString &database, const char *sql)
{
    sqlite3 *db = nullptr;
    const bool opened = sqlite3_open(database.toUtf8().constData(), &db) == SQLITE_OK;
    const bool ok = opened && sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return ok;
}

const char *const lotteries =
    "country,lotteryname,ifrom,imatch,drawn,supplementary,bonuspool,bonuspick,lowestprize_main,lowestprize_bonus,"
    "price,currency\n"
    "Canada,Lotto 6/49,49,6,6,1,0,,2,0,3.00,CAD\n"
    "Canada,Lottario,45,6,6,1,0,,3,0,,\n"
    "United States,Powerball,69,5,5,0,26,1,0,1,2.00,USD\n"
    "Germany,Lotto 6aus49,49,6,6,0,10,1,2,1,1.20,EUR\n";

// Lottario has no rows: its tiers are not known.
const char *const tiers = "country,lotteryname,tier,name,main,supplementary,bonus,prize,currency\n"
                          "Canada,Lotto 6/49,1,6 matches,6,0,0,shared,\n"
                          "Canada,Lotto 6/49,2,5 + bonus,5,1,0,shared,\n"
                          "Canada,Lotto 6/49,3,5 matches,5,0,0,shared,\n"
                          "Canada,Lotto 6/49,4,4 matches,4,0,0,shared,\n"
                          "Canada,Lotto 6/49,5,3 matches,3,0,0,10.00,CAD\n"
                          "Canada,Lotto 6/49,6,2 + bonus,2,1,0,5.00,CAD\n"
                          "Canada,Lotto 6/49,7,2 matches,2,0,0,3.00,CAD\n"
                          "United States,Powerball,1,5 + Powerball,5,0,1,shared,\n"
                          "United States,Powerball,2,3 + Powerball,3,0,1,100.00,USD\n"
                          "United States,Powerball,3,Powerball only,0,0,1,4.00,USD\n"
                          "Germany,Lotto 6aus49,1,3 + Superzahl,3,0,1,shared,\n"
                          "Germany,Lotto 6aus49,2,3 matches,3,0,0,,\n"
                          "Germany,Lotto 6aus49,3,2 + Superzahl,2,0,1,6.00,EUR\n";

} // namespace

class TestPrizeTiers : public QObject, private GuiDriver {
    Q_OBJECT
private slots:
    void initTestCase();
    void init() { prepare(); }
    void cleanup() { finish(); }
    void tiersReachTheCatalogue();
    void oldOrDamagedDatabasesKnowNoTiers();
    void windowNamesEachTicketsTier();
    void windowTakesTheTicketsDigit();
    void windowWithoutTiersSaysSo();

private:
    template <class T> T *drawWidget(const char *name) const
    {
        return app->drawCheckWindow()->findChild<T *>(QLatin1String(name));
    }
    // The program over the database made here, showing these tickets and the draw window.
    void openTickets(const QString &country, const QString &lottery, const QStringList &lines);
    // Types into a field of the draw window as a player does, replacing what was there.
    void type(const char *field, const QString &text);
    QStringList tierList() const;

    QString database_;
};

void TestPrizeTiers::initTestCase()
{
    QVERIFY(dir.isValid());
    QDir(dir.path()).mkpath(QStringLiteral("data/wheels"));
    writeFile(path("data/wheels/none.txt"), {});
    writeFile(path("data/lotteries.csv"), lotteries);
    writeFile(path("data/prize-tiers.csv"), tiers);
    database_ = path("data.sqlite3");
    QProcess wheelgen;
    wheelgen.start(QStringLiteral(WHEELGEN), {QStringLiteral("build-db"), path("data"), database_});
    QVERIFY(wheelgen.waitForFinished(60000));
    QVERIFY2(wheelgen.exitCode() == 0, wheelgen.readAllStandardError().constData());
}

void TestPrizeTiers::tiersReachTheCatalogue()
{
    Database db;
    QVERIFY(db.open(database_));
    const Catalogue catalogue(db);
    const auto lotto = catalogue.details(QStringLiteral("Canada"), QStringLiteral("Lotto 6/49"));
    QVERIFY(lotto);
    const QList<TierRule> &t = lotto->facts.tiers;
    QCOMPARE(t.size(), 7);
    QCOMPARE(t[1].name, QStringLiteral("5 + bonus"));
    QCOMPARE((QList<int>{t[1].main, t[1].supplementary, t[1].bonus}), (QList<int>{5, 1, 0}));
    QCOMPARE(t[1].prize, TierRule::Prize::Shared);
    QCOMPARE(t[4].prize, TierRule::Prize::Fixed);
    QCOMPARE(t[4].cents, 1000);
    QCOMPARE(t[4].currency, QStringLiteral("CAD"));
    QCOMPARE(t[6].name, QStringLiteral("2 matches"));
    QVERIFY(!lotto->facts.bonusIsTicketDigit);

    const auto power = catalogue.details(QStringLiteral("United States"), QStringLiteral("Powerball"));
    QCOMPARE((QList<int>{power->facts.tiers[2].main, power->facts.tiers[2].bonus}), (QList<int>{0, 1}));
    QVERIFY(!power->facts.bonusIsTicketDigit);

    // The Superzahl comes with the ticket; an empty amount stays not known.
    const auto digit = catalogue.details(QStringLiteral("Germany"), QStringLiteral("Lotto 6aus49"));
    QVERIFY(digit);
    QVERIFY(digit->facts.bonusIsTicketDigit);
    QCOMPARE(digit->facts.tiers.size(), 3);
    QCOMPARE(digit->facts.tiers[1].prize, TierRule::Prize::Unknown);

    const auto lottario = catalogue.details(QStringLiteral("Canada"), QStringLiteral("Lottario"));
    QVERIFY(lottario);
    QVERIFY(lottario->facts.tiers.isEmpty());
    QVERIFY(lottario->facts.lowestPrize);
}

void TestPrizeTiers::oldOrDamagedDatabasesKnowNoTiers()
{
    // A database from before the tiers still gives every other fact.
    const QString old = path("old.sqlite3");
    QFile::remove(old);
    QVERIFY(QFile::copy(database_, old));
    QVERIFY(execute(old, "DROP TABLE prizetier;"));
    {
        Database db;
        QVERIFY(db.open(old));
        const auto lotto = Catalogue(db).details(QStringLiteral("Canada"), QStringLiteral("Lotto 6/49"));
        QVERIFY(lotto);
        QVERIFY(lotto->facts.tiers.isEmpty());
        QCOMPARE(lotto->facts.supplementary, 1);
    }
    // A row no ticket can match takes that lottery's tiers with it, and only that lottery's.
    const QString damaged = path("damaged.sqlite3");
    QFile::remove(damaged);
    QVERIFY(QFile::copy(database_, damaged));
    QVERIFY(execute(damaged, "UPDATE prizetier SET main=9 WHERE name='3 matches' AND country='Canada';"));
    Database db;
    QVERIFY(db.open(damaged));
    const Catalogue catalogue(db);
    QVERIFY(catalogue.details(QStringLiteral("Canada"), QStringLiteral("Lotto 6/49"))->facts.tiers.isEmpty());
    QCOMPARE(catalogue.details(QStringLiteral("United States"), QStringLiteral("Powerball"))->facts.tiers.size(), 3);
}

void TestPrizeTiers::openTickets(const QString &country, const QString &lottery, const QStringList &lines)
{
    const QString file = path("tickets.txt");
    writeFile(file, ticketFileBytes(ticketFileText(country, lottery, 1, lines)));
    startProgram(database_);
    OpenPanel::setResponder([file](const OpenPanel::Done &done) { done(file); });
    widget<QAction>("openAction")->trigger();
    QVERIFY2(alerts.isEmpty(), alerts.isEmpty() ? "" : qPrintable(alerts.first().message));
    QCOMPARE(tickets().size(), lines.size());
    click("checkButton");
    QVERIFY(app->drawCheckWindow()->isVisible());
}

void TestPrizeTiers::type(const char *field, const QString &text)
{
    auto *edit = drawWidget<QLineEdit>(field);
    QVERIFY2(edit && edit->isVisible(), field);
    edit->clear();
    QTest::keyClicks(edit, text);
}

QStringList TestPrizeTiers::tierList() const
{
    QStringList rows;
    const auto *list = drawWidget<QListWidget>("drawTierList");
    for (int i = 0; list && i < list->count(); ++i)
        rows << list->item(i)->text();
    return rows;
}

void TestPrizeTiers::windowNamesEachTicketsTier()
{
    openTickets(QStringLiteral("Canada"), QStringLiteral("Lotto 6/49"),
                {QStringLiteral("1 2 3 40 41 42"), QStringLiteral("1 2 7 40 41 42"), QStringLiteral("1 2 3 4 5 7"),
                 QStringLiteral("1 40 41 42 43 44"), QStringLiteral("1 2 3 43 44 45")});
    // This lottery draws its bonus ball from the main pool: no field of its own, no digit.
    QVERIFY(!drawWidget<QLineEdit>("supplementaryField")->isVisible());
    QVERIFY(!drawWidget<QLineEdit>("digitField")->isVisible());
    type("drawnField", QStringLiteral("1 2 3 4 5 6"));
    type("bonusField", QStringLiteral("7"));
    QTest::keyClick(drawWidget<QLineEdit>("bonusField"), Qt::Key_Return);
    QVERIFY(app->drawCheckWindow()->result());
    QCOMPARE(tierList(), (QStringList{QStringLiteral("Ticket 3: 5 + bonus: shared"),
                                      QStringLiteral("Ticket 1: 3 matches: 10.00 CAD"),
                                      QStringLiteral("Ticket 5: 3 matches: 10.00 CAD"),
                                      QStringLiteral("Ticket 2: 2 + bonus: 5.00 CAD")}));
    const QString summary = drawWidget<QLabel>("drawTiers")->text();
    QCOMPARE(summary, QStringLiteral("1 ticket wins 5 + bonus, 2 win 3 matches, 1 wins 2 + bonus.\n"
                                     "Fixed prizes won: 25.00 CAD (not counting shared prizes)."));
    // The lines that were there before stay as they were.
    QVERIFY(drawWidget<QLabel>("drawSummary")->text().contains(QStringLiteral("1 ticket with 5 matches")));
    QVERIFY(drawWidget<QLabel>("drawPrize")->text().startsWith(QStringLiteral("4 tickets reach the lowest prize")));

    // Read by a screen reader as they show; the list is reached with the keyboard.
    auto *list = drawWidget<QListWidget>("drawTierList");
    QCOMPARE(QAccessible::queryAccessibleInterface(list)->text(QAccessible::Name),
             QStringLiteral("Prize of each ticket"));
    QVERIFY(list->focusPolicy() & Qt::TabFocus);

    // A refused draw leaves no tiers behind.
    type("drawnField", QStringLiteral("1 2 3"));
    QTest::keyClick(drawWidget<QLineEdit>("drawnField"), Qt::Key_Return);
    QVERIFY(!app->drawCheckWindow()->result());
    QVERIFY(drawWidget<QLabel>("drawTiers")->text().isEmpty());
    QVERIFY(!list->isVisible());
}

void TestPrizeTiers::windowTakesTheTicketsDigit()
{
    openTickets(QStringLiteral("Germany"), QStringLiteral("Lotto 6aus49"),
                {QStringLiteral("1 2 40 41 42 43"), QStringLiteral("1 2 3 40 41 42")});
    auto *digit = drawWidget<QLineEdit>("digitField");
    QVERIFY(digit->isVisible());
    QCOMPARE(QAccessible::queryAccessibleInterface(digit)->text(QAccessible::Name), QStringLiteral("Your digit"));
    // Tab goes from the drawn digit to the player's own.
    auto *bonus = drawWidget<QLineEdit>("bonusField");
    app->drawCheckWindow()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(app->drawCheckWindow()));
    bonus->setFocus();
    QTest::keyClick(bonus, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), digit);

    type("drawnField", QStringLiteral("1 2 3 4 5 6"));
    type("bonusField", QStringLiteral("0"));
    QTest::keyClick(bonus, Qt::Key_Return);
    QVERIFY(app->drawCheckWindow()->result());
    QCOMPARE(tierList(),
             (QStringList{QStringLiteral("Ticket 2: 3 + Superzahl: shared if the bonus matches, else 3 matches"),
                          QStringLiteral("Ticket 1: 2 + Superzahl: 6.00 EUR if the bonus matches, else no prize")}));
    QVERIFY2(drawWidget<QLabel>("drawTiers")->text().contains(QStringLiteral("your digit was not typed")),
             qPrintable(drawWidget<QLabel>("drawTiers")->text()));

    type("digitField", QStringLiteral("0"));
    QTest::keyClick(digit, Qt::Key_Return);
    QCOMPARE(tierList(), (QStringList{QStringLiteral("Ticket 2: 3 + Superzahl: shared"),
                                      QStringLiteral("Ticket 1: 2 + Superzahl: 6.00 EUR")}));
    QCOMPARE(drawWidget<QLabel>("drawTiers")->text(),
             QStringLiteral("1 ticket wins 3 + Superzahl, 1 wins 2 + Superzahl.\n"
                            "Fixed prizes won: 6.00 EUR (not counting shared prizes)."));
    // The lowest prize (2 + Superzahl) is judged with the digit too.
    QVERIFY(drawWidget<QLabel>("drawPrize")->text().startsWith(QStringLiteral("2 tickets reach the lowest prize")));

    type("digitField", QStringLiteral("x"));
    QTest::keyClick(digit, Qt::Key_Return);
    QVERIFY(!app->drawCheckWindow()->result());
    QVERIFY(drawWidget<QLabel>("drawMessage")->text().contains(QStringLiteral("one digit, 0 to 9")));
}

void TestPrizeTiers::windowWithoutTiersSaysSo()
{
    openTickets(QStringLiteral("Canada"), QStringLiteral("Lottario"), {QStringLiteral("1 2 3 40 41 42")});
    type("drawnField", QStringLiteral("1 2 3 4 5 6"));
    QTest::keyClick(drawWidget<QLineEdit>("drawnField"), Qt::Key_Return);
    QVERIFY(app->drawCheckWindow()->result());
    QCOMPARE(drawWidget<QLabel>("drawTiers")->text(),
             QStringLiteral("The prize tiers of this lottery are not known here."));
    QVERIFY(!drawWidget<QListWidget>("drawTierList")->isVisible());
    QVERIFY(drawWidget<QLabel>("drawPrize")->text().startsWith(QStringLiteral("1 ticket reaches the lowest prize")));
}

QTEST_MAIN(TestPrizeTiers)
#include "test_prize_tiers.moc"
