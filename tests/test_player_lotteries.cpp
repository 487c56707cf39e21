// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The player's own lotteries: the file they are kept and shared in, the rules every fact keeps,
// the catalogue that lists them with the shipped ones, and the subcommands that play them.
#include "CommandRun.h"
#include "core/Catalogue.h"
#include "core/Database.h"
#include "core/LotteryFile.h"
#include "core/Odds.h"
#include "core/OwnWheels.h"
#include "core/PlayerLotteries.h"
#include "core/ShippedFiles.h"
#include "wheelsearch/wheelfile.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QByteArray kSample = "country: Canada\n"
                           "lottery: Lotto Max Classic\n"
                           "pool: 50\n"
                           "numbers a ticket: 7\n"
                           "drawn: 7\n"
                           "supplementary drawn: 1\n"
                           "bonus pool: 0\n"
                           "bonus drawn: 0\n"
                           "lowest prize main: 3\n"
                           "lowest prize bonus: 0\n"
                           "price: 5.00\n"
                           "currency: CAD\n"
                           "changed: 2026-12-10\n"
                           "tier: 7 numbers, 7, 0, 0, shared\n"
                           "tier: 6 + bonus, 6, 1, 0, shared\n"
                           "tier: 3 numbers, 3, 0, 0, 20.00, CAD\n"
                           "\n"
                           "country: Germany\n"
                           "lottery: Tiny\n"
                           "pool: 2\n"
                           "numbers a ticket: 1\n";

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A game of the player's with a bonus pool of its own: two of twelve drawn, two on a ticket.
const QByteArray kTwelveStars = "country: Canada\n"
                                "lottery: Twelve Stars\n"
                                "pool: 40\n"
                                "numbers a ticket: 6\n"
                                "drawn: 6\n"
                                "bonus pool: 12\n"
                                "bonus drawn: 2\n"
                                "price: 2.00\n"
                                "currency: CAD\n"
                                "tier: 6 + 2 stars, 6, 0, 2, shared\n"
                                "tier: 6 numbers, 6, 0, 0, shared\n"
                                "tier: 5 + 1 star, 5, 0, 1, 100.00, CAD\n"
                                "tier: 4 numbers, 4, 0, 0, 10.00, CAD\n"
                                "tier: 3 numbers, 3, 0, 0, 2.00, CAD\n";

// The tier question of printed tickets ("2 5 11 17 23 29 + 3 7"), the player's numbers and bonus
// numbers placed in the order given: the odds do not hang on which number stands where.
odds::TierQuestion questionOf(const QStringList &tickets, const QList<int> &numbers, const QList<int> &bonus)
{
    odds::TierQuestion q;
    q.lottery = {40, 6, 0, 12, 2};
    q.numbers = static_cast<int>(numbers.size());
    q.bonusNumbers = static_cast<int>(bonus.size());
    q.tiers = {{6, 0, 2}, {6, 0, 0}, {5, 0, 1}, {4, 0, 0}, {3, 0, 0}};
    for (const QString &line : tickets) {
        const QStringList parts = line.split(QStringLiteral(" + "));
        odds::Ticket t;
        for (const QString &n : parts.value(0).split(QLatin1Char(' '), Qt::SkipEmptyParts))
            t.line |= std::uint64_t(1) << numbers.indexOf(n.toInt());
        for (const QString &n : parts.value(1).split(QLatin1Char(' '), Qt::SkipEmptyParts))
            t.bonus |= std::uint64_t(1) << bonus.indexOf(n.toInt());
        q.tickets.push_back(t);
    }
    return q;
}

} // namespace

class TestPlayerLotteries : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCoreApplication::setApplicationName(QStringLiteral("wheelwright-test-lotteries"));
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(QDir().mkpath(QFileInfo(playerLotteriesFile()).absolutePath()));
    }
    void init() { QFile::remove(playerLotteriesFile()); }
    void cleanupTestCase() { QFile::remove(playerLotteriesFile()); }

    // What is written reads back the same, and writing that again gives the same bytes.
    void fileRoundTrips()
    {
        const LotteryFileRead read = readLotteryFile(kSample, QStringLiteral("lotteries.txt"));
        QCOMPARE(read.error, QString());
        QCOMPARE(read.lotteries.size(), 2);
        const LotteryRow &max = read.lotteries[0].facts;
        QCOMPARE(max.pool, 50);
        QCOMPARE(max.pick, 7);
        QCOMPARE(max.supplementary, std::optional<int>(1));
        QCOMPARE(max.price, std::optional<double>(5.0));
        QCOMPARE(max.tiers.size(), std::size_t(3));
        QCOMPARE(max.tiers[2].prize, std::string("20.00"));
        QCOMPARE(max.tiers[2].currency, std::string("CAD"));
        QCOMPARE(read.lotteries[0].changed, QDate(2026, 12, 10));
        QCOMPARE(read.lotteries[1].facts.drawn, std::optional<int>());
        QCOMPARE(writeLotteryFile(read.lotteries), kSample);

        // Windows line ends, a byte order mark and notes are read as well; a price with four
        // decimals keeps them.
        QByteArray odd = "\xef\xbb\xbf# my game\r\ncountry: Spain\r\nlottery: Mine\r\npool: 99\r\n"
                         "numbers a ticket: 6\r\nprice: 0.1250\r\ncurrency: EUR\r\n";
        const LotteryFileRead r = readLotteryFile(odd, QStringLiteral("x"));
        QCOMPARE(r.error, QString());
        QVERIFY(writeLotteryFile(r.lotteries).contains("price: 0.125\n") ||
                writeLotteryFile(r.lotteries).contains("price: 0.1250\n"));
        QCOMPARE(readLotteryFile(writeLotteryFile(r.lotteries), QStringLiteral("x")).lotteries[0].facts.price,
                 std::optional<double>(0.125));
    }

    // Every kind of bad fact is refused with its line and why.
    void badFieldsAreRefusedWithTheirLine_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("error");
        const QByteArray head = "country: Canada\nlottery: Mine\n";
        QTest::newRow("pool too small for the ticket") << head + "pool: 6\nnumbers a ticket: 6\n"
                                                       << "f:4: a ticket holds 6 numbers, so the pool needs at least 7";
        QTest::newRow("pool over 99") << head + "pool: 100\nnumbers a ticket: 6\n"
                                      << "f:3: the pool holds 2 to 99 numbers";
        QTest::newRow("pool not a number") << head + "pool: many\nnumbers a ticket: 6\n"
                                           << "f:3: pool must be a whole number";
        QTest::newRow("unknown country") << QByteArray(
                                                "country: Atlantis\nlottery: Mine\npool: 49\nnumbers a ticket: 6\n")
                                         << "f:1: \"Atlantis\" is not a country the program offers";
        QTest::newRow("no name") << QByteArray("country: Canada\nlottery:\npool: 49\nnumbers a ticket: 6\n")
                                 << "f:2: the lottery needs a name";
        QTest::newRow("missing pool") << head + "numbers a ticket: 6\n"
                                      << "f:1: the lottery needs a line \"pool: ...\"";
        QTest::newRow("drawn past the pool") << head + "pool: 10\nnumbers a ticket: 6\ndrawn: 11\n"
                                             << "f:5: the draw takes 1 to 10 numbers from a pool of 10";
        QTest::newRow("supplementary past the pool")
            << head + "pool: 10\nnumbers a ticket: 6\ndrawn: 6\nsupplementary drawn: 5\n"
            << "f:6: after 6 numbers are drawn the pool has 4 left for supplementary numbers";
        QTest::newRow("bonus drawn without a pool") << head + "pool: 49\nnumbers a ticket: 6\nbonus drawn: 1\n"
                                                    << "f:5: there is no bonus pool, so no bonus numbers are drawn";
        QTest::newRow("bonus drawn past the bonus pool")
            << head + "pool: 49\nnumbers a ticket: 6\nbonus pool: 3\nbonus drawn: 4\n"
            << "f:6: the bonus pool of 3 gives 1 to 3 bonus numbers";
        QTest::newRow("bonus pool over 99") << head + "pool: 49\nnumbers a ticket: 6\nbonus pool: 120\n"
                                            << "f:5: the bonus pool holds 0 (none) to 99 numbers";
        QTest::newRow("price without currency") << head + "pool: 49\nnumbers a ticket: 6\nprice: 2.50\n"
                                                << "f:5: a price needs its currency";
        QTest::newRow("price not an amount") << head + "pool: 49\nnumbers a ticket: 6\nprice: 2,50\ncurrency: EUR\n"
                                             << "f:5: a price is an amount like 2.50";
        QTest::newRow("currency not a code") << head + "pool: 49\nnumbers a ticket: 6\nprice: 2.50\ncurrency: euro\n"
                                             << "f:5: the currency is a three-letter code like EUR (ISO 4217)";
        QTest::newRow("lowest prize past the ticket")
            << head + "pool: 49\nnumbers a ticket: 6\nlowest prize main: 7\nlowest prize bonus: 0\n"
            << "f:5: the lowest prize needs 0 to 6 main matches";
        QTest::newRow("tier needing nothing") << head + "pool: 49\nnumbers a ticket: 6\ntier: Free, 0, 0, 0, shared\n"
                                              << "f:5: a tier cannot need no match at all";
        QTest::newRow("tier shadowed")
            << head + "pool: 49\nnumbers a ticket: 6\ntier: Three, 3, 0, 0\ntier: Three again, 3, 0, 0\n"
            << "f:6: no ticket can reach \"Three again\": \"Three\" (line 5) comes first and takes every ticket it "
               "would";
        QTest::newRow("tier amount without currency")
            << head + "pool: 49\nnumbers a ticket: 6\ntier: Three, 3, 0, 0, 10.00\n"
            << "f:5: a fixed amount needs a three-letter currency code (ISO 4217)";
        QTest::newRow("tier short") << head + "pool: 49\nnumbers a ticket: 6\ntier: Three, 3\n"
                                    << "f:5: a tier is name, main, supplementary, bonus, prize, currency";
        QTest::newRow("unknown field") << head + "pool: 49\nnumbers a ticket: 6\ncolour: red\n"
                                       << "f:5: \"colour\" is not a field of a lottery";
        QTest::newRow("field twice") << head + "pool: 49\npool: 50\n"
                                     << "f:4: \"pool\" is given twice (a blank line parts two lotteries)";
        QTest::newRow("no colon") << head + "pool 49\n"
                                  << "f:3: expected \"field: value\"";
        QTest::newRow("not UTF-8") << head + "pool: 4\xff\n"
                                   << "f:3: is not UTF-8 text";
        QTest::newRow("same lottery twice")
            << head + "pool: 49\nnumbers a ticket: 6\n\n" + head + "pool: 45\nnumbers a ticket: 6\n"
            << "f:7: \"Mine\" of Canada is in the file twice";
        QTest::newRow("bad day") << head + "pool: 49\nnumbers a ticket: 6\nchanged: yesterday\n"
                                 << "f:5: the day is written like 2026-12-10";
    }
    void badFieldsAreRefusedWithTheirLine()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, error);
        const LotteryFileRead read = readLotteryFile(text, QStringLiteral("f"));
        QCOMPARE(read.error, error);
        QVERIFY(read.lotteries.isEmpty());
    }

    // A player's lottery of a shipped name stands in its place; reset brings the shipped one back.
    // One of his own is listed after the shipped ones. Both survive a new start.
    void overrideAndReset()
    {
        Database db;
        QVERIFY(db.open(QStringLiteral(DATABASE)));
        const QString canada = QStringLiteral("Canada");
        const QString name = QStringLiteral("Lotto 6/49");
        const auto shipped = Catalogue(db).details(canada, name);
        QVERIFY(shipped);
        QVERIFY(Catalogue(db).factsNote(canada, name).startsWith(QStringLiteral("Facts as of 20")));

        PlayerLotteries player(playerLotteriesFile());
        QVERIFY(player.load());
        const Catalogue catalogue(db, &player);
        LotteryRow changed = *catalogue.row(canada, name);
        QCOMPARE(changed.pool, shipped->facts.pool);
        changed.pool = 52;
        QString problem;
        QVERIFY2(player.put({changed, {}}, &problem), qPrintable(problem));
        LotteryRow own{"Canada", "Home Game", 30, 5};
        QVERIFY2(player.put({own, {}}, &problem), qPrintable(problem));

        PlayerLotteries again(playerLotteriesFile()); // as after a restart
        QVERIFY(again.load());
        const Catalogue after(db, &again);
        const QStringList names = after.lotteryNames(canada);
        QCOMPARE(names.count(name), 1);
        QCOMPARE(names.indexOf(name), Catalogue(db).lotteryNames(canada).indexOf(name));
        QCOMPARE(names.last(), QStringLiteral("Home Game"));
        QCOMPARE(after.details(canada, name)->facts.pool, 52);
        QCOMPARE(after.details(canada, name)->facts.tiers.size(), shipped->facts.tiers.size());
        QCOMPARE(after.shape(canada, QStringLiteral("Home Game"))->pool, 30);
        QVERIFY(after.isPlayers(canada, name) && after.isShipped(canada, name));
        QVERIFY(after.factsNote(canada, name).startsWith(QStringLiteral("Your lottery, changed ")));
        QCOMPARE(after.row(canada, name, true)->pool, shipped->facts.pool);

        QVERIFY(again.remove(canada, name, &problem));
        QCOMPARE(after.details(canada, name)->facts.pool, shipped->facts.pool);
        QVERIFY(!after.isPlayers(canada, name));

        // An unsound lottery is never stored, and the file keeps what it had.
        LotteryRow bad{"Canada", "Broken", 6, 6};
        QVERIFY(!again.put({bad, {}}, &problem));
        QCOMPARE(problem, QStringLiteral("a ticket holds 6 numbers, so the pool needs at least 7"));
        PlayerLotteries third(playerLotteriesFile());
        QVERIFY(third.load());
        QCOMPARE(third.names(canada), QStringList{QStringLiteral("Home Game")});
    }

    // A damaged file is set aside, told once, and the program goes on with none.
    void damagedFileIsSetAside()
    {
        writeFile(playerLotteriesFile(), "country: Canada\nlottery: X\npool: 3\nnumbers a ticket: 9\n");
        PlayerLotteries readOnly(playerLotteriesFile());
        QVERIFY(!readOnly.load(PlayerLotteries::LeaveDamaged));
        QVERIFY(QFile::exists(playerLotteriesFile()));
        QVERIFY(readOnly.takeNotice().contains(QStringLiteral("lotteries.txt:4")));
        // A file left in place is never written over: the player may mend it by hand.
        QString refused;
        QVERIFY(!readOnly.put({LotteryRow{"Canada", "Fresh", 10, 3}, {}}, &refused));
        QVERIFY2(refused.contains(QStringLiteral("could not be read")), qPrintable(refused));
        QCOMPARE(readFile(playerLotteriesFile()),
                 QByteArray("country: Canada\nlottery: X\npool: 3\nnumbers a ticket: 9\n"));

        PlayerLotteries player(playerLotteriesFile());
        QVERIFY(player.load());
        QVERIFY(player.all().isEmpty());
        const QString notice = player.takeNotice();
        QVERIFY2(notice.contains(QStringLiteral("set aside as")), qPrintable(notice));
        QVERIFY(player.takeNotice().isEmpty());
        QVERIFY(!QFile::exists(playerLotteriesFile()));
        const QFileInfo file(playerLotteriesFile());
        const QStringList aside = file.dir().entryList({file.fileName() + QStringLiteral(".damaged-*")}, QDir::Files);
        QCOMPARE(aside.size(), 1);
        QString problem;
        QVERIFY(player.put({LotteryRow{"Canada", "Fresh", 10, 3}, {}}, &problem));
        for (const QString &name : aside)
            QFile::remove(file.dir().filePath(name));
    }

    // Import, list, show, export and reset from the command line, and a lottery of an unusual pool
    // played from it: its tickets made and checked.
    void commandLineFlow()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("mine.txt"));
        writeFile(path,
                  "country: Spain\nlottery: Gran Pool\npool: 99\nnumbers a ticket: 6\ndrawn: 6\n"
                  "tier: Six, 6, 0, 0, shared\ntier: Five, 5, 0, 0, 50.00, EUR\ntier: Three, 3, 0, 0, 1.00, EUR\n\n"
                  "country: Spain\nlottery: Two Balls\npool: 2\nnumbers a ticket: 1\n");
        const QString db = QStringLiteral(DATABASE);
        CommandRun r = runCommand({QStringLiteral("lottery"), QStringLiteral("import"), path});
        QCOMPARE(r.err, QString());
        QCOMPARE(r.status, 0);
        QVERIFY(r.out.contains(QStringLiteral("Imported \"Gran Pool\" of Spain")));

        r = runCommand({QStringLiteral("lottery"), QStringLiteral("list"), QStringLiteral("--country"),
                        QStringLiteral("Spain"), QStringLiteral("--database"), db});
        QCOMPARE(r.status, 0);
        QVERIFY2(r.out.contains(QStringLiteral("Spain\tGran Pool\t6 of 99\tyours\n")), qPrintable(r.out));
        QVERIFY(r.out.contains(QStringLiteral("Spain\tTwo Balls\t1 of 2\tyours\n")));

        const QString exported = dir.filePath(QStringLiteral("out.txt"));
        r = runCommand({QStringLiteral("lottery"), QStringLiteral("export"), QStringLiteral("--country"),
                        QStringLiteral("Spain"), QStringLiteral("--lottery"), QStringLiteral("Gran Pool"),
                        QStringLiteral("--output"), exported, QStringLiteral("--database"), db});
        QCOMPARE(r.status, 0);
        QFile out(exported);
        QVERIFY(out.open(QIODevice::ReadOnly));
        const LotteryFileRead back = readLotteryFile(out.readAll(), exported);
        QCOMPARE(back.error, QString());
        QCOMPARE(back.lotteries.size(), 1);
        QCOMPARE(back.lotteries[0].facts.tiers.size(), std::size_t(3));

        // The tickets of a shipped wheel for the player's 99-number game, then checked.
        const QString tickets = dir.filePath(QStringLiteral("tickets.txt"));
        r = runCommand({QStringLiteral("tickets"), QStringLiteral("--country"), QStringLiteral("Spain"),
                        QStringLiteral("--lottery"), QStringLiteral("Gran Pool"), QStringLiteral("--numbers"),
                        QStringLiteral("91,92,93,94,95,96,99"), QStringLiteral("--wheel"), QStringLiteral("5 if 6"),
                        QStringLiteral("--output"), tickets, QStringLiteral("--database"), db});
        QCOMPARE(r.status, 0);
        QVERIFY2(r.err.contains(QStringLiteral("1 ticket from the shipped wheel")), qPrintable(r.err));
        // 7 numbers on one ticket of 6: the draw of six of them wins Six or Five, judged by the
        // player's tiers.
        r = runCommand({QStringLiteral("check"), QStringLiteral("--draw"), QStringLiteral("91 92 93 94 95 96"),
                        QStringLiteral("--database"), db, tickets});
        QCOMPARE(r.err, QString());
        QVERIFY2(r.out.contains(QStringLiteral("Five")) || r.out.contains(QStringLiteral("Six")), qPrintable(r.out));

        // Once the lottery is gone the file is still checked, but no longer by its tiers.
        r = runCommand({QStringLiteral("lottery"), QStringLiteral("reset"), QStringLiteral("--country"),
                        QStringLiteral("Spain"), QStringLiteral("--lottery"), QStringLiteral("Gran Pool"),
                        QStringLiteral("--database"), db});
        QCOMPARE(r.status, 0);
        r = runCommand({QStringLiteral("check"), QStringLiteral("--draw"), QStringLiteral("91 92 93 94 95 96"),
                        QStringLiteral("--database"), db, tickets});
        QVERIFY2(!r.out.contains(QStringLiteral("Five")) && !r.out.contains(QStringLiteral("Six")), qPrintable(r.out));

        // A bad file names its line and changes nothing.
        writeFile(path, "country: Spain\nlottery: Bad\npool: 5\nnumbers a ticket: 5\n");
        r = runCommand({QStringLiteral("lottery"), QStringLiteral("import"), path});
        QCOMPARE(r.status, 2);
        QCOMPARE(r.err, QStringLiteral("wheelwright lottery: %1:4: a ticket holds 5 numbers, so the pool needs at "
                                       "least 6\n")
                            .arg(path));
        r = runCommand({QStringLiteral("lottery"), QStringLiteral("show"), QStringLiteral("--country"),
                        QStringLiteral("Spain"), QStringLiteral("--lottery"), QStringLiteral("Bad"),
                        QStringLiteral("--database"), db});
        QCOMPARE(r.status, 1);
        r = runCommand({QStringLiteral("lottery"), QStringLiteral("show"), QStringLiteral("--database"), db});
        QCOMPARE(r.status, 2);
    }

    // A player's game with a bonus pool of its own through make, tickets and odds: the wheel made
    // for its ticket, every ticket carrying two of the player's bonus numbers, and the odds of its
    // own tiers and of the main numbers as the counts give them for those tickets.
    void bonusPoolGameThroughTheCommands()
    {
        writeFile(playerLotteriesFile(), kTwelveStars);
        QTemporaryDir dir;
        const QString db = QStringLiteral(DATABASE);
        const QString library = dir.filePath(QStringLiteral("own-wheels.sqlite3"));
        CommandRun r = runCommand({QStringLiteral("make"), QStringLiteral("--pick"), QStringLiteral("6"),
                                   QStringLiteral("--numbers"), QStringLiteral("8"), QStringLiteral("--wheel"),
                                   QStringLiteral("3 if 3"), QStringLiteral("--seconds"), QStringLiteral("1"),
                                   QStringLiteral("--threads"), QStringLiteral("1"), QStringLiteral("--database"), db,
                                   QStringLiteral("--library"), library});
        QVERIFY2(r.status == 0, qPrintable(r.err));
        const auto made = wheel::parseWheels(r.out.toStdString(), "made");
        QVERIFY2(made.error.empty() && made.entries.size() == 1, made.error.c_str());
        {
            OwnWheels own;
            QVERIFY(own.open(library));
            QCOMPARE(own.store(made.entries[0].spec, made.entries[0].lines), OwnWheels::Stored::Added);
        }

        const QList<int> numbers{2, 5, 11, 17, 23, 29, 34, 40};
        const QList<int> bonus{3, 7, 11};
        const QStringList lottery{QStringLiteral("--country"), QStringLiteral("Canada"), QStringLiteral("--lottery"),
                                  QStringLiteral("Twelve Stars")};
        // tickets takes the numbers themselves, odds how many are played; both the bonus numbers.
        const QStringList wheel{QStringLiteral("--bonus"),
                                QStringLiteral("3,7,11"),
                                QStringLiteral("--wheel"),
                                QStringLiteral("3 if 3"),
                                QStringLiteral("--own"),
                                QStringLiteral("--database"),
                                db,
                                QStringLiteral("--library"),
                                library};
        r = runCommand(QStringList{QStringLiteral("tickets"), QStringLiteral("--numbers"),
                                   QStringLiteral("2,5,11,17,23,29,34,40")} +
                       lottery + wheel);
        QVERIFY2(r.status == 0, qPrintable(r.err));
        const QStringList tickets = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(tickets.size(), qsizetype(made.entries[0].lines.size()));
        for (const QString &t : tickets) {
            const QStringList parts = t.split(QStringLiteral(" + "));
            QCOMPARE(parts.size(), 2);
            const QStringList main = parts[0].split(QLatin1Char(' '));
            const QStringList carried = parts[1].split(QLatin1Char(' '));
            QCOMPARE(main.size(), 6);
            QCOMPARE(carried.size(), 2);
            QVERIFY2(carried[0] != carried[1], qPrintable(t));
            for (const QString &n : main)
                QVERIFY2(numbers.contains(n.toInt()), qPrintable(t));
            for (const QString &n : carried)
                QVERIFY2(bonus.contains(n.toInt()), qPrintable(t));
        }

        r = runCommand(QStringList{QStringLiteral("odds"), QStringLiteral("--json"), QStringLiteral("--numbers"),
                                   QStringLiteral("8")} +
                       lottery + wheel);
        QVERIFY2(r.status == 0, qPrintable(r.err));
        const QJsonObject o = QJsonDocument::fromJson(r.out.toUtf8()).object();
        QCOMPARE(o.value(QStringLiteral("pool")).toInt(), 40);
        QCOMPARE(o.value(QStringLiteral("bonusPool")).toInt(), 12);
        QCOMPARE(o.value(QStringLiteral("bonusDrawn")).toInt(), 2);
        QCOMPARE(o.value(QStringLiteral("tickets")).toInt(), tickets.size());

        const odds::TierQuestion question = questionOf(tickets, numbers, bonus);
        odds::TierOdds expected;
        std::string error;
        QCOMPARE(odds::computeTiers(question, expected, error), odds::Status::Done);
        const QJsonArray tiers = o.value(QStringLiteral("tiers")).toArray();
        QCOMPARE(tiers.size(), 5);
        QCOMPARE(tiers[2].toObject().value(QStringLiteral("name")).toString(), QStringLiteral("5 + 1 star"));
        const auto near = [](double a, double b) { return qAbs(a - b) <= 1e-12 * qMax(qAbs(b), 1e-300); };
        for (qsizetype i = 0; i < tiers.size(); ++i) {
            const QJsonObject t = tiers[i].toObject();
            QVERIFY2(near(t.value(QStringLiteral("anyTicket")).toDouble(), expected.anyTicket[std::size_t(i)]),
                     qPrintable(QString::number(i)));
            QVERIFY(
                near(t.value(QStringLiteral("expectedTickets")).toDouble(), expected.expectedTickets[std::size_t(i)]));
        }
        QVERIFY(expected.anyTicket[0] > 0); // the bonus numbers were counted
        QVERIFY(near(o.value(QStringLiteral("anyPrize")).toDouble(), expected.anyPrize));

        odds::Table table;
        odds::Wheel played{8, {}};
        for (const odds::Ticket &t : question.tickets)
            played.lines.push_back(t.line);
        QCOMPARE(odds::compute(question.lottery, played, {}, table, error), odds::Status::Done);
        const QJsonArray atLeast = o.value(QStringLiteral("atLeast")).toArray();
        QCOMPARE(atLeast.size(), qsizetype(table.atLeast.size()));
        for (qsizetype b = 0; b < atLeast.size(); ++b)
            QVERIFY(near(atLeast[b].toDouble(), table.atLeast[std::size_t(b)]));
    }
};

QTEST_GUILESS_MAIN(TestPlayerLotteries)
#include "test_player_lotteries.moc"
