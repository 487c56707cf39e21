// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/DrawsCommand.h"
#include "core/DrawHistory.h"
#include "core/OwnWheels.h"
#include "core/Settings.h"
#include "core/WheelSchema.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <sqlite3.h>

namespace {

// Six from 49 with one bonus ball from the same drum, and tiers that pay fixed amounts below 5.
LotteryFacts sixFromFortyNine()
{
    LotteryFacts facts{49, 6, 1, 0, 0, PrizeTier{2, 1}};
    const auto tier = [](const char *name, int main, int supplementary, qint64 cents) {
        TierRule t;
        t.name = QString::fromLatin1(name);
        t.main = main;
        t.supplementary = supplementary;
        t.prize = cents > 0 ? TierRule::Prize::Fixed : TierRule::Prize::Shared;
        t.cents = cents;
        t.currency = QStringLiteral("CAD");
        return t;
    };
    facts.tiers = {tier("6 matches", 6, 0, 0),  tier("5 + bonus", 5, 1, 0),    tier("5 matches", 5, 0, 0),
                   tier("4 matches", 4, 0, 0),  tier("3 matches", 3, 0, 1000), tier("2 + bonus", 2, 1, 500),
                   tier("2 matches", 2, 0, 300)};
    return facts;
}

QList<int> randomNumbers(QRandomGenerator &random, int count, int pool, const QList<int> &not_ = {})
{
    QList<int> out;
    while (out.size() < count) {
        const int n = int(random.bounded(pool)) + 1;
        if (!out.contains(n) && !not_.contains(n))
            out << n;
    }
    return out;
}

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    return path;
}

} // namespace

class TestDrawHistory : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(dir_.isValid()); }

    // Columns found from the first lines, whatever the separator, a header and a draw number.
    void layoutIsFound()
    {
        const DrawRules rules = drawRulesFor(sixFromFortyNine());
        const ResultsRead csv = readResultsBytes("Draw,Date,N1,N2,N3,N4,N5,N6,Bonus\n"
                                                 "4101,2026-12-05,3,17,22,31,40,45,7\n"
                                                 "4102,2026-12-09,1,2,3,4,5,6,9\n",
                                                 rules);
        QVERIFY2(csv.ok(), qPrintable(csv.error));
        QCOMPARE(csv.layout.toText(), QStringLiteral("H:-,D,M,M,M,M,M,M,B"));
        QCOMPARE(csv.draws.size(), 2);
        QCOMPARE(csv.draws[0].main, (QList<int>{3, 17, 22, 31, 40, 45}));
        QCOMPARE(csv.draws[0].bonus, QList<int>{7});
        QCOMPARE(csv.badCount, 0);

        const ResultsRead text = readResultsBytes("05.12.2026  3 17 22 31 40 45 7\r\n\r\n"
                                                  "09.12.2026  1 2 3 4 5 6\r\n",
                                                  rules);
        QVERIFY2(text.ok(), qPrintable(text.error));
        QCOMPARE(text.draws.size(), 2);
        QCOMPARE(text.draws[0].date, QDate(2026, 12, 5));
        QVERIFY(text.draws[1].bonus.isEmpty()); // the bonus may be left out

        // The layout the player gives wins over the guess, and survives the settings' text.
        const ResultsLayout given = ResultsLayout::fromText(QStringLiteral("M,M,M,M,M,M,-,D"));
        QVERIFY(given.isValid());
        QCOMPARE(ResultsLayout::fromText(given.toText()), given);
        const ResultsRead last = readResultsBytes("3;17;22;31;40;45;x;2026-12-05\n", rules, given);
        QCOMPARE(last.draws.size(), 1);
        QVERIFY(!ResultsLayout::fromText(QStringLiteral("M,M,X")).isValid());
        QVERIFY(!ResultsLayout::fromText(QStringLiteral("M,M,M")).isValid());
    }

    // Every kind of bad line is listed with its own line number, and the sound lines still come.
    void badLinesAreListedWithTheirNumbers()
    {
        const DrawRules rules = drawRulesFor(sixFromFortyNine());
        const QByteArray file = "2026-12-01,1,2,3,4,5,6,7\n"        // 1 sound
                                "2026-13-01,1,2,3,4,5,6,7\n"        // 2 no such date
                                "2026-12-02,1,2,3,4,50,6,7\n"       // 3 outside the pool
                                "2026-12-03,1,2,3,4,4,6,7\n"        // 4 drawn twice
                                "2026-12-04,1,2,3,4,5\n"            // 5 too few columns
                                "2026-12-05,1,2,3,4,5,x,7\n"        // 6 not a number
                                "2026-12-06,1,2,3,4,5,6,6\n"        // 7 bonus among the main numbers
                                "2026-12-01,9,10,11,12,13,14,15\n"  // 8 a date twice
                                "2026-12-08,1,2,3,4,5,6,7,8\n"      // 9 ignored extra column: sound
                                "2026-12-09,1,2,\xff\xfe,4,5,6,7\n" // 10 not text
                                + QByteArray(5000, '1') +
                                "\n"                           // 11 too long
                                "2026-12-10,1,2,3,4,5,6,70\n"; // 12 bonus outside the pool
        const ResultsRead read = readResultsBytes(file, rules);
        QVERIFY2(read.ok(), qPrintable(read.error));
        QCOMPARE(read.draws.size(), 2);
        QList<qint64> lines;
        for (const BadLine &bad : read.bad)
            lines << bad.line;
        QCOMPARE(lines, (QList<qint64>{2, 3, 4, 5, 6, 7, 8, 10, 11, 12}));
        QCOMPARE(read.badCount, 10);
        const auto reason = [&](int line) {
            for (const BadLine &bad : read.bad)
                if (bad.line == line)
                    return bad.reason;
            return QString();
        };
        QVERIFY(reason(2).contains(QStringLiteral("not a date")));
        QVERIFY(reason(3).contains(QStringLiteral("50 is outside")));
        QVERIFY(reason(4).contains(QStringLiteral("twice")));
        QVERIFY(reason(5).contains(QStringLiteral("columns")));
        QVERIFY(reason(6).contains(QStringLiteral("not a lottery number")));
        QVERIFY(reason(7).contains(QStringLiteral("also one of the main")));
        QVERIFY(reason(8).contains(QStringLiteral("already on line 1")));
        QVERIFY(reason(10).contains(QStringLiteral("not text")));
        QVERIFY(reason(11).contains(QStringLiteral("longer")));
        QVERIFY(badLinesText(read, 3).endsWith(QStringLiteral("... and 7 more")));
    }

    // Binary data, an oversized file, and a file of no draws are refused with a plain reason.
    void filesThatAreNotResultsAreRefused()
    {
        const DrawRules rules = drawRulesFor(sixFromFortyNine());
        const ResultsRead binary = readResultsBytes(QByteArray("\x7f"
                                                               "ELF\0\0\1",
                                                               7) +
                                                        QByteArray(300, '\0'),
                                                    rules);
        QVERIFY(!binary.ok());
        QVERIFY(binary.error.contains(QStringLiteral("binary")));
        const ResultsRead noDraws = readResultsBytes("hello\nworld\n", rules);
        QVERIFY(!noDraws.ok());
        // Bytes read from a file are named as the file.
        QVERIFY(readResultsBytes("hello\nworld\n", rules, ResultsLayout::fromText(QStringLiteral("M,M,M,M,M,M,-,D")),
                                 QStringLiteral("/home/p/draws.csv"))
                    .error.startsWith(QStringLiteral("No line of /home/p/draws.csv is a draw")));

        const QString big = dir_.filePath(QStringLiteral("big.csv"));
        {
            QFile file(big);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(file.resize(maxResultsFileBytes + 1)); // sparse: nothing is written
        }
        const ResultsRead tooBig = readResultsFile(big, rules);
        QVERIFY(!tooBig.ok());
        QVERIFY(tooBig.error.contains(QStringLiteral("MB")));
        QVERIFY(!readResultsFile(dir_.filePath(QStringLiteral("none.csv")), rules).ok());
    }

    // Stored per lottery; the same file twice adds nothing; other numbers on a stored date are
    // reported and never replace what is stored; a date range picks the draws.
    void drawsAreStoredWithoutDuplicates()
    {
        OwnWheels own;
        QVERIFY(own.open(dir_.filePath(QStringLiteral("own.sqlite3"))));
        const QList<StoredDraw> draws{{QDate(2026, 12, 2), {1, 2, 3, 4, 5, 6}, {7}, {}},
                                      {QDate(2026, 12, 5), {8, 9, 10, 11, 12, 13}, {}, {}},
                                      {QDate(2026, 12, 9), {14, 15, 16, 17, 18, 19}, {20}, {}}};
        const DrawsStored first = own.addDraws(QStringLiteral("Canada"), QStringLiteral("Lotto 6/49"), draws);
        QVERIFY(first.ok());
        QCOMPARE(first.added, 3);
        const DrawsStored again = own.addDraws(QStringLiteral("Canada"), QStringLiteral("Lotto 6/49"), draws);
        QCOMPARE(again.added, 0);
        QCOMPARE(again.alreadyStored, 3);
        StoredDraw changed = draws[1];
        changed.main[0] = 40;
        const DrawsStored clash = own.addDraws(QStringLiteral("Canada"), QStringLiteral("Lotto 6/49"), {changed});
        QCOMPARE(clash.added, 0);
        QCOMPARE(clash.different, QList<QDate>{QDate(2026, 12, 5)});
        QVERIFY(drawsStoredText(clash).contains(QStringLiteral("2026-12-05")));

        QCOMPARE(own.draws(QStringLiteral("Canada"), QStringLiteral("Lotto 6/49")), draws);
        QCOMPARE(
            own.draws(QStringLiteral("Canada"), QStringLiteral("Lotto 6/49"), QDate(2026, 12, 3), QDate(2026, 12, 9)),
            draws.mid(1));
        QVERIFY(own.draws(QStringLiteral("Canada"), QStringLiteral("Lotto Max")).isEmpty());
        QVERIFY(own.addDraws(QStringLiteral("Canada"), QStringLiteral("Lotto Max"), draws.mid(0, 1)).added == 1);
        QCOMPARE(own.draws(QStringLiteral("Canada"), QStringLiteral("Lotto 6/49")).size(), 3);
    }

    // A library of the version before the draws opens, keeps its wheels and takes draws.
    void anOlderLibraryOpensAndKeepsItsWheels()
    {
        const QString path = dir_.filePath(QStringLiteral("old.sqlite3"));
        {
            sqlite3 *db = nullptr;
            QCOMPARE(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
            const std::string sql = std::string(kWheelTables) + kWheelIndexes +
                                    "INSERT INTO wheelsurvey VALUES(3,'F',4,'2 if 2','2');"
                                    "INSERT INTO wheels VALUES(3,'F',4,'2 if 2','01-02-03');"
                                    "INSERT INTO wheels VALUES(3,'F',4,'2 if 2','01-02-04');";
            QCOMPARE(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
            sqlite3_close(db);
        }
        OwnWheels own;
        QString problem;
        QVERIFY2(own.open(path, &problem), qPrintable(problem));
        QVERIFY(own.takeNotice().isEmpty()); // nothing was set aside
        QCOMPARE(own.list(3, 'F', 4).size(), 1);
        QCOMPARE(own.addDraws(QStringLiteral("Canada"), QStringLiteral("Lotto 6/49"),
                              {{QDate(2026, 12, 2), {1, 2, 3, 4, 5, 6}, {}, {}}})
                     .added,
                 1);
        QCOMPARE(own.list(3, 'F', 4).size(), 1);
    }

    // The per-draw rows agree with checkDraw() run draw by draw, and with a plain count; the
    // totals are the sums of the rows.
    void historyAgreesWithAnIndependentCount()
    {
        QRandomGenerator random(4649);
        const LotteryFacts facts = sixFromFortyNine();
        const DrawRules rules = drawRulesFor(facts);
        QList<TicketNumbers> tickets;
        for (int i = 0; i < 60; ++i)
            tickets << TicketNumbers{randomNumbers(random, 6, 12), {}};
        QList<StoredDraw> draws;
        for (int i = 0; i < 200; ++i) {
            StoredDraw d;
            d.date = QDate(2020, 1, 1).addDays(i * 3);
            d.main = randomNumbers(random, 6, 12); // a small pool, so that every tier is reached
            if (i % 5 != 0)                        // some lines leave the bonus out
                d.bonus = randomNumbers(random, 1, 12, d.main);
            draws << d;
        }
        const HistoryCheck check = checkHistory(tickets, draws, facts, 2.5, QStringLiteral("CAD"));
        QCOMPARE(check.draws.size(), draws.size());
        QMap<int, int> perTier, perMatches;
        qint64 won = 0, unjudged = 0;
        for (qsizetype i = 0; i < draws.size(); ++i) {
            const DrawOutcome &row = check.draws[i];
            const DrawCheck one = checkDraw(tickets, draws[i].draw(), rules, facts.lowestPrize, facts.tiers);
            QCOMPARE(row.ticketsPerTier, one.ticketsPerTier);
            QCOMPARE(row.ticketsPerMatches, one.ticketsPerMatches);
            QCOMPARE(row.unjudged, one.unjudgedTickets);
            QCOMPARE(row.fixedWon.value(QStringLiteral("CAD")), one.fixedWon.value(QStringLiteral("CAD")));
            // The best match by hand.
            int best = 0;
            for (const TicketNumbers &t : tickets) {
                int m = 0;
                for (const int n : t.main)
                    m += draws[i].main.contains(n) ? 1 : 0;
                best = std::max(best, m);
            }
            QCOMPARE(row.bestMain, best);
            for (auto it = row.ticketsPerTier.cbegin(); it != row.ticketsPerTier.cend(); ++it)
                perTier[it.key()] += it.value();
            for (auto it = row.ticketsPerMatches.cbegin(); it != row.ticketsPerMatches.cend(); ++it)
                perMatches[it.key()] += it.value();
            won += row.fixedWon.value(QStringLiteral("CAD"));
            unjudged += row.unjudged;
        }
        QVERIFY(unjudged > 0);         // the draws without a bonus leave 5 and 2 matches open
        QVERIFY(perTier.value(4) > 0); // 3 matches were won
        QCOMPARE(check.ticketsPerTier, perTier);
        QCOMPARE(check.ticketsPerMatches, perMatches);
        QCOMPARE(check.fixedWon.value(QStringLiteral("CAD")), won);
        QCOMPARE(check.unjudged, unjudged);
        QCOMPARE(check.ticketsBought, qint64(60) * 200);
        QCOMPARE(*check.cost, 60 * 200 * 2.5);
        QVERIFY(historyTotalsText(check).contains(QStringLiteral("Cost: 30,000.00 CAD")));
        QVERIFY(historyTotalsText(check).join(u'\n').contains(QStringLiteral("12,000")));
        // The window's language writes the money and the counts its own way.
        const QLocale german(QLocale::German, QLocale::Germany);
        setMoneyLocale(german);
        const QStringList inGerman = historyTotalsText(check);
        setMoneyLocale(QLocale::c());
        QVERIFY(inGerman.join(u'\n').contains(german.toCurrencyString(30000.0, QStringLiteral("CAD"), 2)));
        QVERIFY(inGerman.join(u'\n').contains(QStringLiteral("12.000")));

        // A separate bonus pool, tickets with and without their bonus numbers.
        LotteryFacts powerball{20, 5, 0, 6, 1, PrizeTier{0, 1}};
        TierRule jackpot{QStringLiteral("5 + Powerball"), 5, 0, 1, TierRule::Prize::Shared, 0, {}};
        TierRule bonusOnly{
            QStringLiteral("0 + Powerball"), 0, 0, 1, TierRule::Prize::Fixed, 400, QStringLiteral("USD")};
        TierRule three{QStringLiteral("3"), 3, 0, 0, TierRule::Prize::Fixed, 700, QStringLiteral("USD")};
        powerball.tiers = {jackpot, three, bonusOnly};
        const DrawRules pbRules = drawRulesFor(powerball);
        QList<TicketNumbers> pbTickets;
        for (int i = 0; i < 30; ++i)
            pbTickets << TicketNumbers{randomNumbers(random, 5, 20),
                                       i % 3 ? QList<int>{int(random.bounded(6)) + 1} : QList<int>{}};
        QList<StoredDraw> pbDraws;
        for (int i = 0; i < 80; ++i)
            pbDraws << StoredDraw{QDate(2021, 1, 1).addDays(i),
                                  randomNumbers(random, 5, 20),
                                  i % 4 ? QList<int>{int(random.bounded(6)) + 1} : QList<int>{},
                                  {}};
        const HistoryCheck pb = checkHistory(pbTickets, pbDraws, powerball);
        QVERIFY(!pb.cost);
        for (qsizetype i = 0; i < pbDraws.size(); ++i) {
            const DrawCheck one =
                checkDraw(pbTickets, pbDraws[i].draw(), pbRules, powerball.lowestPrize, powerball.tiers);
            QCOMPARE(pb.draws[i].ticketsPerTier, one.ticketsPerTier);
            QCOMPARE(pb.draws[i].unjudged, one.unjudgedTickets);
            QCOMPARE(pb.draws[i].fixedWon, one.fixedWon);
        }
    }

    // A wheel's history beside its exact odds: the past figures add up from the rows; without
    // tiers a row is "b or more matches", counted here by hand, and its expectation is one
    // ticket's chance times the tickets.
    void historyStandsBesideTheExactOdds()
    {
        QRandomGenerator random(7013);
        LotteryFacts facts = sixFromFortyNine();
        facts.pool = 12; // small, so that the draws reach the tiers
        std::vector<wheel::Line> lines(9);
        for (wheel::Line &line : lines)
            for (const int place : randomNumbers(random, 6, 10))
                line |= wheel::Line{1} << (place - 1);
        const WheelOffer offer{6, WheelType::TypeA, 10, QStringLiteral("2 if 3"), 9, WheelOrigin::Shipped};
        const QList<TicketNumbers> tickets = ticketsOfWheel(lines, {4, 9, 1, 12, 7, 3, 10, 6, 2, 11}, {}, 0);
        QList<StoredDraw> draws;
        for (int i = 0; i < 150; ++i) {
            const QList<int> main = randomNumbers(random, 6, 12);
            draws << StoredDraw{
                QDate(2022, 1, 1).addDays(i), main, i % 10 ? randomNumbers(random, 1, 12, main) : QList<int>{}, {}};
        }

        HistoryCheck check = checkHistory(tickets, draws, facts);
        OddsQuestion question = oddsQuestion(LotteryDetails{facts, 6, 2.5, QStringLiteral("CAD")}, offer, lines);
        HistoryBesideOdds beside = historyBesideOdds(check, question, countExactOdds(question));
        QCOMPARE(beside.rows.size(), facts.tiers.size());
        qint64 inTiers = 0;
        for (qsizetype i = 0; i < facts.tiers.size(); ++i) {
            const auto won = std::count_if(check.draws.cbegin(), check.draws.cend(),
                                           [i](const DrawOutcome &d) { return d.ticketsPerTier.contains(int(i)); });
            QCOMPARE(beside.rows[i].drawsWon, int(won));
            QCOMPARE(beside.rows[i].tickets, qint64(check.ticketsPerTier.value(int(i))));
            inTiers += beside.rows[i].tickets;
        }
        QCOMPARE(beside.anyPrize->tickets, inTiers);
        QCOMPARE(beside.anyPrize->drawsWon,
                 int(std::count_if(check.draws.cbegin(), check.draws.cend(),
                                   [](const DrawOutcome &d) { return !d.ticketsPerTier.isEmpty(); })));
        QVERIFY(beside.fixedWon > 0 && beside.unjudged > 0);
        QCOMPARE(beside.fixedWon, check.fixedWon.value(QStringLiteral("CAD")));
        QCOMPARE(beside.unjudged, check.unjudged);

        facts.tiers.clear();
        facts.lowestPrize = PrizeTier{3, 0};
        check = checkHistory(tickets, draws, facts);
        question = oddsQuestion(LotteryDetails{facts, 6, std::nullopt, QString()}, offer, lines);
        beside = historyBesideOdds(check, question, countExactOdds(question));
        QVERIFY(beside.byMatches);
        QCOMPARE(beside.rows.size(), qsizetype(6));
        QCOMPARE(beside.rows[3].name, QStringLiteral("3 or more matches"));
        const auto choose = [](int n, int r) { return double(odds::binomial(n, r)); };
        for (int b = 6; b >= 1; --b) {
            const OddsBesideRow &row = beside.rows[6 - b];
            double single = 0;
            for (int m = b; m <= 6; ++m)
                single += choose(6, m) * choose(6, 6 - m) / choose(12, 6);
            QVERIFY2(qAbs(row.expected - 9 * single) < 1e-9, qPrintable(row.name));
            int won = 0;
            qint64 inRow = 0;
            for (const StoredDraw &d : draws) {
                int best = 0;
                for (const TicketNumbers &t : tickets) {
                    const auto m =
                        std::count_if(t.main.cbegin(), t.main.cend(), [&](int n) { return d.main.contains(n); });
                    inRow += m >= b ? 1 : 0;
                    best = std::max(best, int(m));
                }
                won += best >= b ? 1 : 0;
            }
            QCOMPARE(row.drawsWon, won);
            QCOMPARE(row.tickets, inRow);
        }
        QCOMPARE(beside.anyPrize->tickets, beside.rows[3].tickets);
    }

    // import, list and check from the command line: bad lines stop the import unless told.
    void commandLine()
    {
        const QString library = dir_.filePath(QStringLiteral("cli.sqlite3"));
        const QString results = writeFile(dir_, QStringLiteral("results.csv"),
                                          "Date,N1,N2,N3,N4,N5,N6,Bonus\n"
                                          "2026-12-05,3,17,22,31,40,45,7\n"
                                          "2026-12-09,1,2,3,4,5,6,9\n"
                                          "2026-12-12,1,2,3,4,5,60,9\n");
        const QString tickets = writeFile(dir_, QStringLiteral("tickets.txt"), "1 2 3 17 22 31\n1 2 3 4 5 6\n");
        const auto run = [&](const QStringList &arguments, QString *printed = nullptr) {
            QString outText, errText;
            QTextStream out(&outText), err(&errText);
            const int status =
                runDrawsCommand(arguments + QStringList{QStringLiteral("--library"), library,
                                                        QStringLiteral("--database"), QStringLiteral(DATABASE)},
                                out, err);
            if (printed)
                *printed = outText + errText;
            return status;
        };
        const QStringList lottery{QStringLiteral("--country"), QStringLiteral("Canada"), QStringLiteral("--lottery"),
                                  QStringLiteral("Lotto 6/49")};
        QString printed;
        QCOMPARE(run(QStringList{QStringLiteral("import")} + lottery + QStringList{results}, &printed), 1);
        QVERIFY2(printed.contains(QStringLiteral("Line 4: 60 is outside")), qPrintable(printed));
        QCOMPARE(run(QStringList{QStringLiteral("list")} + lottery, &printed), 0);
        QVERIFY(printed.contains(QStringLiteral("0 draws")));
        QCOMPARE(
            run(QStringList{QStringLiteral("import"), QStringLiteral("--skip-bad")} + lottery + QStringList{results},
                &printed),
            0);
        QVERIFY2(printed.contains(QStringLiteral("2 draws added")), qPrintable(printed));
        QCOMPARE(
            run(QStringList{QStringLiteral("import"), QStringLiteral("--skip-bad")} + lottery + QStringList{results},
                &printed),
            0);
        QVERIFY(printed.contains(QStringLiteral("No draw added, 2 already stored")));
        QCOMPARE(
            run(QStringList{QStringLiteral("list"), QStringLiteral("--from"), QStringLiteral("2026-12-06")} + lottery,
                &printed),
            0);
        QVERIFY(printed.contains(QStringLiteral("2026-12-09  1 2 3 4 5 6 + 9")));
        QVERIFY(!printed.contains(QStringLiteral("2026-12-05")));
        QCOMPARE(run(QStringList{QStringLiteral("check")} + lottery + QStringList{tickets}, &printed), 0);
        QVERIFY2(printed.contains(QStringLiteral("Draws: 2")), qPrintable(printed));
        QVERIFY(printed.contains(QStringLiteral("Tickets bought: 4")));
        QCOMPARE(run(QStringList{QStringLiteral("check"), QStringLiteral("--to"), QStringLiteral("12/2026")} + lottery +
                     QStringList{tickets}),
                 2);
        QCOMPARE(run(QStringList{QStringLiteral("remove")} + lottery), 2);
    }

private:
    QTemporaryDir dir_;
};

QTEST_GUILESS_MAIN(TestDrawHistory)
#include "test_draw_history.moc"
