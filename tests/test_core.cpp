// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The widget-free core: selection, expansion, the ticket file and the catalogue's queries.
#include "core/Catalogue.h"
#include "core/Database.h"
#include "core/Play.h"
#include "core/SelectionModel.h"
#include "core/Settings.h"
#include "core/TicketFile.h"
#include "core/WheelShelf.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <sqlite3.h>

class TestCore : public QObject {
    Q_OBJECT
private slots:
    void selectionKeepsItsInvariants();
    void selectionOrdersAndTheKey();
    void randomPickKeepsTheKey();
    void formats_data();
    void formats();
    void expansionRefusesBadLines_data();
    void expansionRefusesBadLines();
    void ticketFile();
    void wheelEntries();
    void leadingIntegers();
    void catalogueAnswersFromTheDatabase();
    void settingsRoundTrip();
};

static void checkInvariants(const SelectionModel &m)
{
    const int n = m.poolSize();
    QList<int> seen(n + 1, 0);
    for (int v : m.free())
        ++seen[v];
    for (int v : m.chosenInOrder())
        ++seen[v];
    for (int v = 1; v <= n; ++v)
        QVERIFY2(seen[v] == 1, qPrintable(QStringLiteral("number %1 is held %2 times").arg(v).arg(seen[v])));
    QList<int> chosen = m.chosenInOrder();
    std::sort(chosen.begin(), chosen.end());
    QCOMPARE(m.chosenAscending(), chosen);
}

void TestCore::selectionKeepsItsInvariants()
{
    // Long runs of taps, take-backs, random picks, clears and lottery changes.
    QRandomGenerator rng(1234);
    SelectionModel m;
    m.reset(49);
    int key = 0;
    for (int step = 0; step < 20000; ++step) {
        const int what = static_cast<int>(rng.bounded(100));
        const int n = m.poolSize();
        if (what < 65) {
            const int v = 1 + static_cast<int>(rng.bounded(n));
            const bool wasEmpty = m.isEmpty();
            const auto result = m.tap(v);
            if (wasEmpty)
                key = v;
            QCOMPARE(result == SelectionModel::TapResult::KeyKept, v == key && m.count() > 1 && m.isChosen(v));
        } else if (what < 80) {
            const bool hadAny = !m.isEmpty();
            QCOMPARE(m.takeBackLatest(), hadAny);
        } else if (what < 90) {
            const bool wasEmpty = m.isEmpty();
            m.drawRandom(static_cast<int>(rng.bounded(5)), [&rng] { return rng.generate(); });
            if (wasEmpty && !m.isEmpty())
                key = m.chosenInOrder().first();
        } else if (what < 97) {
            m.reset(n);
        } else {
            m.reset(5 + static_cast<int>(rng.bounded(86)));
        }
        checkInvariants(m);
        if (!m.isEmpty())
            QCOMPARE(m.key(), key);
        if (QTest::currentTestFailed())
            return;
    }
}

void TestCore::selectionOrdersAndTheKey()
{
    SelectionModel m;
    m.reset(49);
    for (int v : {7, 3, 12})
        QCOMPARE(m.tap(v), SelectionModel::TapResult::Chosen);
    QCOMPARE(m.selectionString(), QStringLiteral("7|3|12"));
    QCOMPARE(m.displayText(false), QStringLiteral(" 7 3 12"));
    QCOMPARE(m.displayText(true), QStringLiteral(" 3 7 12"));
    // The key stays while others are chosen.
    QCOMPARE(m.tap(7), SelectionModel::TapResult::KeyKept);
    QCOMPARE(m.key(), 7);
    QCOMPARE(m.tap(3), SelectionModel::TapResult::Unchosen);
    QCOMPARE(m.free().constLast(), 3); // given back to the end of the pool
    m.tap(3);
    QCOMPARE(m.selectionString(), QStringLiteral("7|12|3"));
    // Backspace takes the latest choice, not the largest; the key goes last.
    QVERIFY(m.takeBackLatest());
    QVERIFY(m.takeBackLatest());
    QCOMPARE(m.tap(7), SelectionModel::TapResult::Unchosen);
    QVERIFY(m.isEmpty());
    QCOMPARE(m.key(), 0);
    QVERIFY(!m.takeBackLatest());
    // Numbers outside the pool change nothing.
    QCOMPARE(m.tap(0), SelectionModel::TapResult::Unchosen);
    QCOMPARE(m.tap(50), SelectionModel::TapResult::Unchosen);
    QVERIFY(m.isEmpty());
}

void TestCore::randomPickKeepsTheKey()
{
    SelectionModel m;
    m.reset(49);
    m.tap(17);
    m.tap(4);
    quint32 state = 1;
    const auto lcg = [&state] { return state = state * 1664525u + 1013904223u; };
    QCOMPARE(m.drawRandom(6, lcg), 6);
    // A random pick adds to an existing selection; it never makes another number the key.
    QCOMPARE(m.key(), 17);
    QCOMPARE(m.chosenInOrder().mid(0, 2), (QList<int>{17, 4}));
    // Asking for more than is free draws the pool dry and stops.
    QCOMPARE(m.drawRandom(500, lcg), 41);
    QVERIFY(m.free().isEmpty());
    QCOMPARE(m.drawRandom(3, lcg), 0);
    // Over many draws every number turns up, none twice in one draw.
    QSet<int> seen;
    for (int round = 0; round < 60; ++round) {
        m.reset(49);
        m.drawRandom(6, lcg);
        QCOMPARE(QSet<int>(m.chosenInOrder().begin(), m.chosenInOrder().end()).size(), 6);
        seen.unite(QSet<int>(m.chosenInOrder().begin(), m.chosenInOrder().end()));
    }
    QCOMPARE(seen.size(), 49);
}

void TestCore::formats_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("ticket");
    const char *const expected[8] = {"5 17 3 41 9 30",      "5-17-3-41-9-30",        "5,17,3,41,9,30",
                                     "5, 17, 3, 41, 9, 30", "05 17 03 41 09 30",     "05-17-03-41-09-30",
                                     "05,17,03,41,09,30",   "05, 17, 03, 41, 09, 30"};
    for (int f = 0; f < 8; ++f)
        QTest::addRow("format %d", f) << f << QString::fromLatin1(expected[f]);
}

void TestCore::formats()
{
    QFETCH(int, format);
    QFETCH(QString, ticket);
    TicketSheet sheet;
    sheet.format = format;
    sheet.tickets = ticketsOfWheel({0b1110111}, {5, 17, 3, 22, 41, 9, 30}, {}, 0);
    QCOMPARE(sheet.lines(), QStringList{ticket});
}

void TestCore::expansionRefusesBadLines_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("fault");
    const QString outside = QStringLiteral("names a place outside your selection");
    QTest::newRow("position 00") << QStringLiteral("00-02-03") << outside;
    QTest::newRow("beyond the selection") << QStringLiteral("01-02-11") << outside;
    QTest::newRow("one character") << QStringLiteral("1-02-03") << outside;
    QTest::newRow("ends in a dash") << QStringLiteral("01-02-") << outside;
    QTest::newRow("not ASCII digits") << QStringLiteral("01-02-\u0660\u0663") << outside;
    QTest::newRow("empty") << QString() << QStringLiteral("is empty");
    QTest::newRow("a place twice") << QStringLiteral("01-02-02") << QStringLiteral("names place 2 twice");
    QTest::newRow("too few places") << QStringLiteral("01-02") << QStringLiteral("has 2 places where a ticket holds 3");
    QTest::newRow("too many places") << QStringLiteral("01-02-03-04")
                                     << QStringLiteral("has 4 places where a ticket holds 3");
}

void TestCore::expansionRefusesBadLines()
{
    QFETCH(QString, line);
    QFETCH(QString, fault);
    WheelOffer wheel{3, WheelType::TypeA, 10, QStringLiteral("2 if 2"), 2, WheelOrigin::Shipped};
    const WheelLines read = readWheelLines(wheel, {QStringLiteral("01-02-03"), line});
    QVERIFY(read.lines.empty());
    QVERIFY2(read.problem.startsWith(QStringLiteral("its line \"") + line + QLatin1Char('"')) ||
                 line.contains(QChar(0x0660)),
             qPrintable(read.problem));
    QVERIFY2(read.problem.endsWith(fault), qPrintable(read.problem));
    // A line count the list does not promise, and a key wheel's line without the key's place.
    QCOMPARE(readWheelLines(wheel, {QStringLiteral("01-02-03")}).problem,
             QStringLiteral("it has 1 lines where the wheel list promises 2"));
    wheel.type = WheelType::Key;
    QVERIFY(readWheelLines(wheel, {QStringLiteral("01-02-03"), QStringLiteral("02-03-04")})
                .problem.endsWith(QStringLiteral("does not hold the key number's place 01")));
    // Places 01 and 10 are read whole; numbers of three digits are never padded.
    wheel.type = WheelType::TypeA;
    wheel.tickets = 1;
    const WheelLines ok = readWheelLines(wheel, {QStringLiteral("01-10-02")});
    QVERIFY(ok.sound());
    TicketSheet sheet;
    sheet.format = 4;
    sheet.tickets = ticketsOfWheel(ok.lines, {101, 2, 3, 4, 5, 6, 7, 8, 9, 100}, {}, 0);
    QCOMPARE(sheet.lines(), QStringList{QStringLiteral("101 02 100")});
}

void TestCore::ticketFile()
{
    const QString text = ticketFileText(QStringLiteral("Canada"), QStringLiteral("Lotto 6/49"), 0,
                                        {QStringLiteral("1 2 3"), QStringLiteral("4 5 6"), QStringLiteral("7 8 9")});
    QCOMPARE(text, QStringLiteral("Country:Canada\r\nLottery:Lotto 6/49\r\nKey:0\r\n\r\n1 2 3\r\n4 5 6\r\n7 8 9\r\n"));
    QCOMPARE(ticketFileText(QStringLiteral("A"), QStringLiteral("B"), 7, {}),
             QStringLiteral("Country:A\r\nLottery:B\r\nKey:7\r\n\r\n"));
    // UTF-16 in this machine's order, the byte-order mark first.
    const QByteArray bytes = ticketFileBytes(QStringLiteral("Ç1"));
    QCOMPARE(bytes.size(), 6);
    QCOMPARE(*reinterpret_cast<const char16_t *>(bytes.constData()), char16_t(0xFEFF));
    QCOMPARE(*reinterpret_cast<const char16_t *>(bytes.constData() + 2), char16_t(0xC7));
    // A file is replaced whole; a folder that is not there is told, and nothing is made.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lottery.txt"));
    QVERIFY(writeWholeFile(path, QByteArray(100000, 'o')).isEmpty());
    QVERIFY(writeWholeFile(path, bytes).isEmpty());
    QFile written(path);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), bytes);
    const QString bad = dir.filePath(QStringLiteral("no/such/folder/lottery.txt"));
    QVERIFY(!writeWholeFile(bad, bytes).isEmpty());
    QVERIFY(!QFile::exists(bad));
}

void TestCore::wheelEntries()
{
    WheelOffer wheel{6, WheelType::TypeA, 10, QStringLiteral("3 if 4"), 12, WheelOrigin::Shipped};
    QCOMPARE(wheel.listText(), QStringLiteral("3 if 4       Tickets:12"));
    wheel.origin = WheelOrigin::Own;
    QCOMPARE(wheel.listText(), QStringLiteral("3 if 4       Tickets:12   (your own wheel)"));
    // The one reader of a guarantee forgives blanks and nothing else.
    QCOMPARE(parseGuarantee(QStringLiteral(" 3  if 4 ")), (std::optional<Guarantee>(Guarantee{3, 4})));
    for (const char *bad : {"", "3if4", "3 if", "x if y", "3 if 4 tickets", "-3 if 4", "5 if 4", "0 if 2"})
        QVERIFY2(!parseGuarantee(QLatin1String(bad)), bad);
    QCOMPARE(wheel.spec()->label(), std::string("3 if 4"));
    wheel.label = QStringLiteral("3 if 4") + QChar(0) + QStringLiteral("\x1b[2J");
    QVERIFY(!wheel.spec());
    QCOMPARE(wheel.printableLabel(), QStringLiteral("3 if 4??[2J"));
}

void TestCore::leadingIntegers()
{
    QCOMPARE(leadingInt(QStringLiteral("49 balls")), 49);
    QCOMPARE(leadingInt(QStringLiteral("  -3")), -3);
    QCOMPARE(leadingInt(QStringLiteral("none")), 0);
    QCOMPARE(leadingInt(QStringLiteral("99999999999")), INT_MAX);
}

void TestCore::catalogueAnswersFromTheDatabase()
{
    QTemporaryDir dir;
    const QByteArray path = dir.filePath(QStringLiteral("wheels.sqlite3")).toUtf8();
    sqlite3 *db = nullptr;
    QCOMPARE(sqlite3_open(path.constData(), &db), SQLITE_OK);
    const char *sql =
        "CREATE TABLE lottery(country TEXT, lotteryname TEXT, ifrom INTEGER, imatch INTEGER);"
        "CREATE TABLE wheelsurvey(pick INTEGER, wheeltype TEXT, xyoption TEXT, zoption INTEGER, ticket TEXT);"
        "CREATE TABLE wheels(pick INTEGER, wheeltype TEXT, xyoption TEXT, zoption INTEGER, digitalstring TEXT);"
        "INSERT INTO lottery VALUES('Canada','Lotto 6/49',49,6),('Canada','O''Brien''s 6',40,6),"
        "('Ireland','Lotto',47,6);"
        "INSERT INTO wheelsurvey VALUES(6,'a','3 if 4',7,'2'),(6,'k','3 if 3',7,'1'),(6,'a','2 if 2',7,'1');"
        "INSERT INTO wheels VALUES(6,'a','3 if 4',7,'01-02-03-04-05-06'),(6,'k','3 if 3',7,'01-02-03-04-05-07'),"
        "(6,'a','3 if 4',7,'01-02-03-04-05-07'),(6,'a','3 if 4',8,'01-02-03-04-05-08');";
    QCOMPARE(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);

    Database database;
    QVERIFY(database.open(QString::fromUtf8(path)));
    const Catalogue catalogue(database);
    // Rows in the order they are stored; a name with quotes is just a name.
    QCOMPARE(catalogue.lotteryNames(QStringLiteral("Canada")),
             (QStringList{QStringLiteral("Lotto 6/49"), QStringLiteral("O'Brien's 6")}));
    QVERIFY(catalogue.lotteryNames(QStringLiteral("Can'ada")).isEmpty());
    const auto shape = catalogue.shape(QStringLiteral("Canada"), QStringLiteral("O'Brien's 6"));
    QVERIFY(shape && shape->pool == 40 && shape->pick == 6);
    QVERIFY(!catalogue.shape(QStringLiteral("Ireland"), QStringLiteral("Lotto 6/49")));
    // Each type has its own wheels, and only those for the count of numbers.
    const auto offered = [&](WheelType type) {
        QStringList texts;
        for (const WheelOffer &w : catalogue.offers(6, type, 7))
            texts << w.listText();
        return texts;
    };
    QCOMPARE(offered(WheelType::TypeA),
             (QStringList{QStringLiteral("3 if 4       Tickets:2"), QStringLiteral("2 if 2       Tickets:1")}));
    QCOMPARE(offered(WheelType::Key), QStringList{QStringLiteral("3 if 3       Tickets:1")});
    const WheelOffer first = catalogue.offers(6, WheelType::TypeA, 7).first();
    QCOMPARE(catalogue.storedLines(first),
             (QStringList{QStringLiteral("01-02-03-04-05-06"), QStringLiteral("01-02-03-04-05-07")}));
    WheelOffer key = first;
    key.type = WheelType::Key;
    QVERIFY(catalogue.storedLines(key).isEmpty());
}

void TestCore::settingsRoundTrip()
{
    QTemporaryDir dir;
    Settings::useFile(dir.filePath(QStringLiteral("settings.ini")));
    Settings s;
    QVERIFY(s.country().isNull() && s.lottery().isNull());
    s.remember(QStringLiteral("Canada"), QStringLiteral("Lotto Max"));
    QCOMPARE(s.country(), QStringLiteral("Canada"));
    QCOMPARE(s.lottery(), QStringLiteral("Lotto Max"));
    // The keys keep the spelling earlier versions stored.
    QSettings raw(dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    QCOMPARE(raw.value(QStringLiteral("LotteryName")).toString(), QStringLiteral("Lotto Max"));
    s.remember(QStringLiteral("Canada"), QString());
    QVERIFY(s.lottery().isNull());
    Settings::useFile(QString());
}

QTEST_GUILESS_MAIN(TestCore)
#include "test_core.moc"
