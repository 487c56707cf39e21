// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The odds and tickets subcommands, run in-process as the program runs them, over a small
// database made here and over the database the build ships.
#include "CommandRun.h"
#include "cli/CommandLine.h"
#include "cli/TicketsCommand.h"
#include "core/BonusSpread.h"
#include "core/Catalogue.h"
#include "core/Database.h"
#include "core/Play.h"
#include "core/TicketFileReader.h"
#include "core/WheelOffer.h"
#include "core/WheelShelf.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include <sqlite3.h>

#include <algorithm>

namespace {

using Run = CommandRun;

Run run(const QStringList &arguments)
{
    return runCommand(arguments);
}

QString realDatabase()
{
    return QStringLiteral(DATABASE);
}

// The fields the odds document promises, in the order it promises them.
const QStringList requiredFields{QStringLiteral("pool"),    QStringLiteral("drawn"), QStringLiteral("numbers"),
                                 QStringLiteral("tickets"), QStringLiteral("have"),  QStringLiteral("atLeast"),
                                 QStringLiteral("prize")};

// Checks what every odds object must hold and returns it; `guarantee` "x if y" must show
// in the have rows (those given the key for a key wheel).
QJsonObject checkOddsObject(const QString &json, int pool, int drawn, int numbers, const QString &guarantee, bool key)
{
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(json.toUtf8(), &error);
    [&] {
        QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString() + QLatin1Char(' ') + json));
        QVERIFY(doc.isObject());
        QVERIFY2(json.endsWith(QLatin1Char('\n')) && json.count(QLatin1Char('\n')) == 1, "one line");
        // The required fields come first, in the documented order.
        int at = 0;
        for (const QString &field : requiredFields) {
            const auto next = json.indexOf(QLatin1Char('"') + field + QStringLiteral("\":"), at);
            QVERIFY2(next >= at, qPrintable(field));
            at = static_cast<int>(next);
        }
        const QJsonObject o = doc.object();
        QCOMPARE(o.value(QStringLiteral("pool")).toInt(), pool);
        QCOMPARE(o.value(QStringLiteral("drawn")).toInt(), drawn);
        QCOMPARE(o.value(QStringLiteral("numbers")).toInt(), numbers);
        QVERIFY(o.value(QStringLiteral("tickets")).toInt() > 0);
        QCOMPARE(o.value(QStringLiteral("given")).toString(), key ? QStringLiteral("key") : QString());
        const QJsonArray have = o.value(QStringLiteral("have")).toArray();
        QCOMPARE(have.size(), std::min(drawn, numbers) + 1);
        double sum = 0;
        for (qsizetype j = 0; j < have.size(); ++j) {
            const QJsonObject row = have[j].toObject();
            QCOMPARE(row.keys().size(), 3);
            QCOMPARE(row.value(QStringLiteral("j")).toInt(-1), j);
            const QJsonArray atLeast = row.value(QStringLiteral("atLeast")).toArray();
            QCOMPARE(atLeast.size(), drawn + 1);
            QCOMPARE(atLeast[0].toDouble(), 1.0);
            for (qsizetype b = 1; b <= drawn; ++b) // a best match never exceeds what is drawn among yours
                QVERIFY(atLeast[b].toDouble() <= atLeast[b - 1].toDouble() && (b <= j || atLeast[b].toDouble() == 0));
            sum += row.value(QStringLiteral("probability")).toDouble();
        }
        QVERIFY2(qAbs(sum - 1) < 1e-12, qPrintable(QString::number(sum, 'g', 17)));
        const QStringList xy = guarantee.split(QStringLiteral(" if "));
        const int x = xy.value(0).toInt();
        const int y = xy.value(1).toInt();
        for (int j = y; j < have.size(); ++j)
            QVERIFY2(have[j].toObject().value(QStringLiteral("atLeast")).toArray()[x].toDouble() == 1.0,
                     qPrintable(QStringLiteral("%1 given %2 drawn among yours").arg(guarantee).arg(j)));
        const QJsonArray overall = o.value(QStringLiteral("atLeast")).toArray();
        QCOMPARE(overall.size(), drawn + 1);
        QCOMPARE(overall[0].toDouble(), 1.0);
    }();
    return doc.object();
}

} // namespace

class TestCli : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void bonusSpread_data();
    void bonusSpread();
    void bonusSpreadIsEven();
    void oddsJson_data();
    void oddsJson();
    void oddsOfShippedWheels();
    void oddsTable();
    void ticketsAreTheExpansion_data();
    void ticketsAreTheExpansion();
    void ticketsCarryBonusNumbers_data();
    void ticketsCarryBonusNumbers();
    void errors_data();
    void errors();
    void helpNamesTheSubcommands();

private:
    QTemporaryDir dir_;
    QString small_; // the database made here
};

void TestCli::initTestCase()
{
    QVERIFY(dir_.isValid());
    small_ = dir_.filePath(QStringLiteral("small.sqlite3"));
    sqlite3 *db = nullptr;
    QCOMPARE(sqlite3_open(small_.toUtf8().constData(), &db), SQLITE_OK);
    // Four of 12, with and without a separate bonus pool. The "2 if 2" wheel covers every
    // pair of 6 numbers; the key wheel every pair holding the key (01) but not 02 with 05.
    const char *sql =
        "CREATE TABLE lottery(country TEXT, lotteryname TEXT, ifrom INTEGER, imatch INTEGER, drawn INTEGER,"
        " supplementary INTEGER, bonuspool INTEGER, bonuspick INTEGER, lowestprize_main INTEGER,"
        " lowestprize_bonus INTEGER, price REAL, currency TEXT);"
        "CREATE TABLE wheelsurvey(pick INTEGER, wheeltype TEXT, xyoption TEXT, zoption INTEGER, ticket TEXT);"
        "CREATE TABLE wheels(pick INTEGER, wheeltype TEXT, xyoption TEXT, zoption INTEGER, digitalstring TEXT);"
        "INSERT INTO lottery VALUES"
        "('Testland','Four of 12',12,4,4,0,0,NULL,2,0,NULL,NULL),"
        "('Testland','Four and a star',12,4,4,0,5,1,0,1,NULL,NULL),"
        "('Testland','Four and two stars',12,4,4,0,6,2,2,1,NULL,NULL),"
        "('Testland','Four, prize unknown',12,4,4,0,0,NULL,NULL,NULL,NULL,NULL);"
        "INSERT INTO wheelsurvey VALUES(4,'a','2 if 2',6,'3'),(4,'k','2 if 2',6,'2'),(4,'a','1 if 1',6,'1');"
        "INSERT INTO wheels VALUES(4,'a','2 if 2',6,'01-02-03-04'),(4,'a','2 if 2',6,'01-02-05-06'),"
        "(4,'a','2 if 2',6,'03-04-05-06'),(4,'k','2 if 2',6,'01-02-03-04'),(4,'k','2 if 2',6,'01-04-05-06'),"
        "(4,'a','1 if 1',6,'01-02-03-07');";
    QCOMPARE(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
}

void TestCli::bonusSpread_data()
{
    QTest::addColumn<QList<int>>("bonus");
    QTest::addColumn<int>("perTicket");
    QTest::addColumn<int>("format");
    QTest::addColumn<QStringList>("lines");
    const QStringList five{QStringLiteral("1 2"), QStringLiteral("3 4"), QStringLiteral("5 6"), QStringLiteral("7 8"),
                           QStringLiteral("9 10")};
    QTest::newRow("one each, round the three")
        << QList<int>{7, 3, 12} << 1 << 0
        << QStringList{QStringLiteral("1 2 + 7"), QStringLiteral("3 4 + 3"), QStringLiteral("5 6 + 12"),
                       QStringLiteral("7 8 + 7"), QStringLiteral("9 10 + 3")};
    QTest::newRow("two each of three, dealt on")
        << QList<int>{7, 12, 20} << 2 << 0
        << QStringList{QStringLiteral("1 2 + 7 12"), QStringLiteral("3 4 + 20 7"), QStringLiteral("5 6 + 12 20"),
                       QStringLiteral("7 8 + 7 12"), QStringLiteral("9 10 + 20 7")};
    QTest::newRow("two each of two: both on every ticket")
        << QList<int>{2, 11} << 2 << 0
        << QStringList{QStringLiteral("1 2 + 2 11"), QStringLiteral("3 4 + 2 11"), QStringLiteral("5 6 + 2 11"),
                       QStringLiteral("7 8 + 2 11"), QStringLiteral("9 10 + 2 11")};
    QTest::newRow("fewer than a ticket takes: all of them")
        << QList<int>{4} << 2 << 0
        << QStringList{QStringLiteral("1 2 + 4"), QStringLiteral("3 4 + 4"), QStringLiteral("5 6 + 4"),
                       QStringLiteral("7 8 + 4"), QStringLiteral("9 10 + 4")};
    QTest::newRow("none chosen: lines unchanged") << QList<int>{} << 1 << 0 << five;
    QTest::newRow("no bonus per ticket: lines unchanged") << QList<int>{3} << 0 << 0 << five;
    QTest::newRow("padded with commas and blanks")
        << QList<int>{7, 11} << 2 << 7
        << QStringList{QStringLiteral("1 2 + 07, 11"), QStringLiteral("3 4 + 07, 11"), QStringLiteral("5 6 + 07, 11"),
                       QStringLiteral("7 8 + 07, 11"), QStringLiteral("9 10 + 07, 11")};
    QTest::newRow("dashes") << QList<int>{5, 9} << 1 << 1
                            << QStringList{QStringLiteral("1 2 + 5"), QStringLiteral("3 4 + 9"),
                                           QStringLiteral("5 6 + 5"), QStringLiteral("7 8 + 9"),
                                           QStringLiteral("9 10 + 5")};
}

void TestCli::bonusSpread()
{
    QFETCH(QList<int>, bonus);
    QFETCH(int, perTicket);
    QFETCH(int, format);
    QFETCH(QStringList, lines);
    TicketSheet sheet;
    sheet.format = format;
    sheet.tickets = ticketsOfWheel({0b11, 0b1100, 0b110000, 0b11000000, 0b1100000000}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10},
                                   bonus, perTicket);
    QStringList got = sheet.lines();
    // The main numbers stand as the rows' own format writes them; the rows above are unpadded.
    for (int i = 0; i < 5; ++i)
        QCOMPARE(got[i].section(QStringLiteral(" + "), 1), lines[i].section(QStringLiteral(" + "), 1));
    QCOMPARE(got.size(), lines.size());
}

void TestCli::bonusSpreadIsEven()
{
    // However many are chosen and taken per ticket, no ticket holds a number twice, and over
    // the tickets no chosen number is played more than once more often than another.
    for (int count = 1; count <= 7; ++count) {
        QList<int> bonus;
        for (int n = 1; n <= count; ++n)
            bonus << 10 + n;
        for (int perTicket = 1; perTicket <= count; ++perTicket) {
            QMap<int, int> played;
            for (qsizetype i = 0; i < 50; ++i) {
                const QList<int> carried = bonusForTicket(bonus, perTicket, i);
                QCOMPARE(carried.size(), perTicket);
                QCOMPARE(QSet<int>(carried.begin(), carried.end()).size(), perTicket);
                for (const int n : carried)
                    ++played[n];
                const auto [least, most] = std::minmax_element(played.begin(), played.end());
                QVERIFY2(played.size() < count || *most - *least <= 1,
                         qPrintable(QStringLiteral("%1 of %2 after %3 tickets").arg(perTicket).arg(count).arg(i + 1)));
            }
        }
    }
}

void TestCli::oddsJson_data()
{
    QTest::addColumn<QString>("lottery");
    QTest::addColumn<QString>("wheel");
    QTest::addColumn<bool>("key");
    QTest::addColumn<QJsonValue>("prize");
    QTest::addColumn<int>("prizeMain");
    QTest::newRow("type a, lowest prize 2 main")
        << QStringLiteral("Four of 12") << QStringLiteral("2 if 2") << false << QJsonValue(0.0) << 2;
    QTest::newRow("key wheel") << QStringLiteral("Four of 12") << QStringLiteral("2 if 2") << true << QJsonValue(0.0)
                               << 2;
    QTest::newRow("prize needs a bonus: main numbers counted")
        << QStringLiteral("Four and two stars") << QStringLiteral("2 if 2") << false << QJsonValue(0.0) << 2;
    QTest::newRow("prize needs only the bonus")
        << QStringLiteral("Four and a star") << QStringLiteral("2 if 2") << false << QJsonValue(QJsonValue::Null) << 0;
    QTest::newRow("prize unknown") << QStringLiteral("Four, prize unknown") << QStringLiteral("2 if 2") << true
                                   << QJsonValue(QJsonValue::Null) << 0;
}

void TestCli::oddsJson()
{
    QFETCH(QString, lottery);
    QFETCH(QString, wheel);
    QFETCH(bool, key);
    QFETCH(QJsonValue, prize);
    QFETCH(int, prizeMain);
    QStringList arguments{QStringLiteral("odds"),
                          QStringLiteral("--country"),
                          QStringLiteral("Testland"),
                          QStringLiteral("--lottery"),
                          lottery,
                          QStringLiteral("--numbers"),
                          QStringLiteral("6"),
                          QStringLiteral("--wheel"),
                          wheel,
                          QStringLiteral("--json"),
                          QStringLiteral("--database"),
                          small_};
    if (key)
        arguments << QStringLiteral("--key");
    const Run r = run(arguments);
    QCOMPARE(r.err, QString());
    QCOMPARE(r.status, 0);
    const QJsonObject o = checkOddsObject(r.out, 12, 4, 6, wheel, key);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(o.value(QStringLiteral("tickets")).toInt(), key ? 2 : 3);
    const QJsonArray have = o.value(QStringLiteral("have")).toArray();
    const QJsonArray atLeast = o.value(QStringLiteral("atLeast")).toArray();
    if (prize.isNull())
        QVERIFY(o.value(QStringLiteral("prize")).isNull());
    else
        QCOMPARE(o.value(QStringLiteral("prize")).toDouble(), atLeast[prizeMain].toDouble());
    // The chance of j among yours: C(6,j) C(6,4-j) / C(12,4) = 15, 120, 225, 120, 15 in 495;
    // given the key: C(5,j-1) C(6,4-j) / C(11,3) = 0, 20, 75, 60, 10 in 165.
    const QList<double> plain{15 / 495.0, 120 / 495.0, 225 / 495.0, 120 / 495.0, 15 / 495.0};
    const QList<double> keyed{0, 20 / 165.0, 75 / 165.0, 60 / 165.0, 10 / 165.0};
    for (int j = 0; j <= 4; ++j)
        QCOMPARE(have[j].toObject().value(QStringLiteral("probability")).toDouble(), (key ? keyed : plain)[j]);
    if (key) {
        QCOMPARE(o.value(QStringLiteral("keyDrawn")).toDouble(), 4 / 12.0);
        // Without the key the wheel misses 02 with 05: over all draws 2 matches are not certain.
        QVERIFY(atLeast[2].toDouble() < 1);
    }
}

void TestCli::oddsOfShippedWheels()
{
    // Every wheel the program ships for 10 numbers of a 6-number game, on a real lottery.
    Database database;
    QVERIFY(database.open(realDatabase()));
    const Catalogue catalogue(database);
    const auto details = catalogue.details(QStringLiteral("Canada"), QStringLiteral("Lotto 6/49"));
    QVERIFY(details && details->facts.pool == 49 && details->pick == 6);
    int checked = 0;
    for (const WheelType type : {WheelType::TypeA, WheelType::Key}) {
        for (const WheelOffer &offer : catalogue.offers(6, type, 10)) {
            const QString guarantee = offer.label;
            QStringList arguments{
                QStringLiteral("odds"),      QStringLiteral("--country"),  QStringLiteral("Canada"),
                QStringLiteral("--lottery"), QStringLiteral("Lotto 6/49"), QStringLiteral("--numbers"),
                QStringLiteral("10"),        QStringLiteral("--wheel"),    guarantee,
                QStringLiteral("--json"),    QStringLiteral("--database"), realDatabase()};
            if (type == WheelType::Key)
                arguments << QStringLiteral("--key");
            const Run r = run(arguments);
            QVERIFY2(r.status == 0, qPrintable(r.err));
            const QJsonObject o = checkOddsObject(r.out, 49, 6, 10, guarantee, type == WheelType::Key);
            if (QTest::currentTestFailed())
                return;
            QCOMPARE(o.value(QStringLiteral("tickets")).toInt(), static_cast<int>(catalogue.storedLines(offer).size()));
            ++checked;
        }
    }
    QVERIFY(checked >= 2);
}

void TestCli::oddsTable()
{
    const Run r = run({QStringLiteral("odds"), QStringLiteral("--country"), QStringLiteral("Testland"),
                       QStringLiteral("--lottery"), QStringLiteral("Four of 12"), QStringLiteral("--numbers"),
                       QStringLiteral("6"), QStringLiteral("--wheel"), QStringLiteral("2  if 2"),
                       QStringLiteral("--database"), small_});
    QCOMPARE(r.err, QString());
    QCOMPARE(r.status, 0);
    const QStringList lines = r.out.split(QLatin1Char('\n'));
    QVERIFY(lines.first().startsWith(QStringLiteral("Testland, Four of 12: 4 of 12 drawn; wheel \"2 if 2\"")));
    // The guarantee row reads 100% from 2 matches on; j = 2 is a row of its own.
    const auto row =
        std::find_if(lines.begin(), lines.end(), [](const QString &l) { return l.startsWith(QLatin1Char('2')); });
    QVERIFY(row != lines.end());
    QCOMPARE(row->simplified().split(QLatin1Char(' ')).mid(2, 2),
             (QStringList{QStringLiteral("100%"), QStringLiteral("100%")}));
    QVERIFY(r.out.contains(QStringLiteral("lowest prize (2 main numbers)")));
}

void TestCli::ticketsAreTheExpansion_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<bool>("key");
    for (int format = 0; format < 8; ++format)
        for (const bool key : {false, true})
            QTest::addRow("format %d%s", format, key ? " key" : "") << format << key;
}

void TestCli::ticketsAreTheExpansion()
{
    QFETCH(int, format);
    QFETCH(bool, key);
    Database database;
    QVERIFY(database.open(realDatabase()));
    const Catalogue catalogue(database);
    const WheelType type = key ? WheelType::Key : WheelType::TypeA;
    const QList<WheelOffer> offers = catalogue.offers(6, type, 10);
    QVERIFY(!offers.isEmpty());
    const QString guarantee = offers.first().label;
    static const char *const examples[8] = {"5 17 3 41",   "5-17-3-41",   "5,17,3,41",   "5, 17, 3, 41",
                                            "05 17 03 41", "05-17-03-41", "05,17,03,41", "05, 17, 03, 41"};
    QStringList arguments{QStringLiteral("tickets"),
                          QStringLiteral("--country"),
                          QStringLiteral("Canada"),
                          QStringLiteral("--lottery"),
                          QStringLiteral("Lotto 6/49"),
                          QStringLiteral("--numbers"),
                          QStringLiteral("3,17,40,5,9,41,12,33,28,1"),
                          QStringLiteral("--wheel"),
                          guarantee,
                          QStringLiteral("--format"),
                          QLatin1String(examples[format]),
                          QStringLiteral("--database"),
                          realDatabase()};
    if (key)
        arguments << QStringLiteral("--key");
    const Run r = run(arguments);
    QVERIFY2(r.err.startsWith(QStringLiteral("wheelwright tickets: ")), qPrintable(r.err));
    QVERIFY2(r.err.contains(QStringLiteral("from the shipped")), qPrintable(r.err));
    QCOMPARE(r.status, 0);
    // The stored lines, place by place over the numbers in the order given.
    const QList<int> numbers{3, 17, 40, 5, 9, 41, 12, 33, 28, 1};
    QStringList expected;
    for (const QString &line : catalogue.storedLines(offers.first())) {
        TicketNumbers t;
        for (const QString &place : line.split(QLatin1Char('-')))
            t.main << numbers[place.toInt() - 1];
        expected << formatTicket(t, format);
    }
    QVERIFY(!expected.isEmpty());
    QCOMPARE(r.out, expected.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    if (key) // the first number given is the key: on every ticket
        for (const QString &t : expected)
            QVERIFY(parseTicketLine(t).ticket.main.contains(3));
}

void TestCli::ticketsCarryBonusNumbers_data()
{
    QTest::addColumn<QString>("lottery");
    QTest::addColumn<QString>("bonus");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("one star each, spread")
        << QStringLiteral("Four and a star") << QStringLiteral("4,2")
        << QStringList{QStringLiteral("05-11-10-07 + 04"), QStringLiteral("05-11-09-08 + 02"),
                       QStringLiteral("10-07-09-08 + 04")};
    QTest::newRow("two stars each, dealt on")
        << QStringLiteral("Four and two stars") << QStringLiteral("6 1 3")
        << QStringList{QStringLiteral("05-11-10-07 + 06-01"), QStringLiteral("05-11-09-08 + 03-06"),
                       QStringLiteral("10-07-09-08 + 01-03")};
    QTest::newRow("without --bonus, none")
        << QStringLiteral("Four and a star") << QString()
        << QStringList{QStringLiteral("05-11-10-07"), QStringLiteral("05-11-09-08"), QStringLiteral("10-07-09-08")};
}

void TestCli::ticketsCarryBonusNumbers()
{
    QFETCH(QString, lottery);
    QFETCH(QString, bonus);
    QFETCH(QStringList, lines);
    QStringList arguments{QStringLiteral("tickets"),
                          QStringLiteral("--country"),
                          QStringLiteral("Testland"),
                          QStringLiteral("--lottery"),
                          lottery,
                          QStringLiteral("--numbers"),
                          QStringLiteral("5,11,10,7,9,8"),
                          QStringLiteral("--wheel"),
                          QStringLiteral("2 if 2"),
                          QStringLiteral("--format"),
                          QStringLiteral("05-17-03-41"),
                          QStringLiteral("--database"),
                          small_};
    if (!bonus.isNull())
        arguments << QStringLiteral("--bonus") << bonus;
    const Run r = run(arguments);
    QVERIFY2(r.err.startsWith(QStringLiteral("wheelwright tickets: 3 tickets from the shipped wheel")),
             qPrintable(r.err));
    QCOMPARE(r.status, 0);
    QCOMPARE(r.out, lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    // What is printed reads back as the saved file's tickets do.
    for (const QString &line : lines)
        QVERIFY2(parseTicketLine(line).error.isEmpty(), qPrintable(line));
}

void TestCli::errors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    // "odds 6" and "tickets 1,2,3" name the command and its --numbers; the lotteries of the
    // database made here are in Testland, any other in a country nobody knows.
    const auto line = [](const QString &what, const QString &lottery, const QString &wheel, const QString &more = {}) {
        const QStringList head = what.split(QLatin1Char(' '));
        QStringList arguments{head[0], QStringLiteral("--country"),
                              lottery.startsWith(QLatin1String("Four")) ? QStringLiteral("Testland")
                                                                        : QStringLiteral("Atlantis"),
                              QStringLiteral("--lottery"), lottery};
        if (head.size() > 1)
            arguments << QStringLiteral("--numbers") << head[1];
        if (!wheel.isEmpty())
            arguments << QStringLiteral("--wheel") << wheel;
        if (!more.isEmpty())
            arguments << more.split(QLatin1Char('|'));
        return arguments;
    };
    const QString four = QStringLiteral("Four of 12");
    const QString star = QStringLiteral("Four and a star");
    const QString pair = QStringLiteral("2 if 2");
    const QString six = QStringLiteral("tickets 1,2,3,4,5,6");
    QTest::newRow("odds: unknown country") << line(QStringLiteral("odds 6"), QStringLiteral("Lotto"), pair) << 1
                                           << QStringLiteral("wheelwright odds: no lottery of the country "
                                                             "\"Atlantis\" is known");
    QTest::newRow("tickets: unknown lottery") << line(six, QStringLiteral("Four of 13"), pair) << 1
                                              << QStringLiteral("wheelwright tickets: Testland has no lottery \"Four "
                                                                "of 13\"; its lotteries are");
    QTest::newRow("odds: wheel not stored for that many")
        << line(QStringLiteral("odds 7"), four, pair) << 1
        << QStringLiteral("no wheel \"2 if 2\" is stored for 7 numbers of Four of 12, nor any other");
    QTest::newRow("odds: no such guarantee, the stored ones named")
        << line(QStringLiteral("odds 6"), four, QStringLiteral("3 if 4")) << 1
        << QStringLiteral("; there are \"2 if 2\", \"1 if 1\"");
    QTest::newRow("odds: fewer than a ticket holds") << line(QStringLiteral("odds 3"), four, pair) << 2
                                                     << QStringLiteral("holds 4 numbers; wheel at least 4, not 3");
    QTest::newRow("odds: more than the pool") << line(QStringLiteral("odds 13"), four, pair) << 2
                                              << QStringLiteral("13 numbers cannot be chosen from the 12");
    QTest::newRow("odds: not a count") << line(QStringLiteral("odds 1,2,3,4,5,6"), four, pair) << 2
                                       << QStringLiteral("--numbers takes how many numbers are played");
    QTest::newRow("odds: damaged stored wheel")
        << line(QStringLiteral("odds 6"), four, QStringLiteral("1 if 1")) << 1
        << QStringLiteral("is damaged: its line \"01-02-03-07\" names a place outside your selection");
    QTest::newRow("tickets: damaged stored wheel")
        << line(six, four, QStringLiteral("1 if 1")) << 1 << QStringLiteral("is damaged: its line \"01-02-03-07\"");
    QTest::newRow("odds: --wheel missing")
        << line(QStringLiteral("odds 6"), four, QString()) << 2 << QStringLiteral("give --wheel");
    QTest::newRow("odds: --numbers missing")
        << line(QStringLiteral("odds"), four, pair) << 2 << QStringLiteral("give --numbers");
    QTest::newRow("odds: unknown option") << line(QStringLiteral("odds 6"), four, pair, QStringLiteral("--keys")) << 2
                                          << QStringLiteral("Unknown option 'keys'");
    QTest::newRow("tickets: guarantee not in quotes")
        << line(six, star, pair, QStringLiteral("if|3")) << 2 << QStringLiteral("unexpected \"if\"");
    QTest::newRow("tickets: number outside the pool") << line(QStringLiteral("tickets 1,2,3,4,5,13"), star, pair) << 2
                                                      << QStringLiteral("--numbers: 13 is outside the numbers 1 to 12");
    QTest::newRow("tickets: number repeated") << line(QStringLiteral("tickets 1,2,3,4,5,1"), star, pair) << 2
                                              << QStringLiteral("--numbers: 1 is given twice");
    QTest::newRow("tickets: not a number")
        << line(QStringLiteral("tickets 1,2,x,4,5,6"), star, pair) << 2 << QStringLiteral("--numbers: ");
    QTest::newRow("tickets: count without a wheel")
        << line(QStringLiteral("tickets 1,2,3,4,5,6,7"), star, pair) << 1 << QStringLiteral("is stored for 7 numbers");
    QTest::newRow("tickets: bad format") << line(six, star, pair, QStringLiteral("--format|05/17")) << 2
                                         << QStringLiteral("--format \"05/17\" is none of \"5 17 3 41\"");
    QTest::newRow("tickets: bonus without a bonus pool") << line(six, four, pair, QStringLiteral("--bonus|3")) << 2
                                                         << QStringLiteral("--bonus: Four of 12 has no separate "
                                                                           "bonus pool");
    QTest::newRow("tickets: bonus outside its pool") << line(six, star, pair, QStringLiteral("--bonus|6")) << 2
                                                     << QStringLiteral("6 is outside the bonus numbers 1 to 5");
    QTest::newRow("tickets: bonus repeated")
        << line(six, star, pair, QStringLiteral("--bonus|2,2")) << 2 << QStringLiteral("--bonus: 2 is given twice");
    QTest::newRow("tickets: fewer bonus than a ticket takes")
        << line(six, QStringLiteral("Four and two stars"), pair, QStringLiteral("--bonus|3")) << 2
        << QStringLiteral("carries 2 bonus numbers; give at least 2");
    QTest::newRow("tickets: database missing") << line(six, four, pair, QStringLiteral("--database|/nonexistent/db"))
                                               << 1 << QStringLiteral("/nonexistent/db is missing");
}

void TestCli::errors()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, message);
    if (!arguments.contains(QStringLiteral("--database")))
        arguments << QStringLiteral("--database") << small_;
    const Run r = run(arguments);
    QCOMPARE(r.status, status);
    QCOMPARE(r.out, QString());
    QVERIFY2(r.err.contains(message), qPrintable(r.err));
    QVERIFY2(r.err.startsWith(QStringLiteral("wheelwright ") + arguments.first() + QStringLiteral(": ")),
             qPrintable(r.err));
    QCOMPARE(r.err.count(QLatin1Char('\n')), 1);
    QVERIFY(r.err.endsWith(QLatin1Char('\n')));
}

void TestCli::helpNamesTheSubcommands()
{
    const Run r = run({QStringLiteral("--help")});
    QCOMPARE(r.status, 0);
    for (const char *word : {"wheelwright odds", "wheelwright tickets", "wheelwright check", "--json", "--format"})
        QVERIFY2(r.out.contains(QLatin1String(word)), word);
    for (const char *name : {"odds", "tickets"}) {
        const Run own = run({QLatin1String(name), QStringLiteral("--help")});
        QCOMPARE(own.status, 0);
        QVERIFY(own.out.startsWith(QStringLiteral("Usage: wheelwright ") + QLatin1String(name)));
    }
    QCOMPARE(ticketFormatOfExample(QStringLiteral("05, 17, 03, 41")), 7);
    QCOMPARE(ticketFormatOfExample(QStringLiteral("5 17 3 41 ")), -1);
}

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"
