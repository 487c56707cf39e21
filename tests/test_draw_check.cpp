// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CheckCommand.h"
#include "core/CsvExport.h"
#include "core/DrawCheck.h"
#include "core/Play.h"
#include "core/TicketFile.h"
#include "core/TicketFileReader.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <numeric>

Q_DECLARE_METATYPE(DrawRules)
Q_DECLARE_METATYPE(std::optional<LotteryFacts>)
Q_DECLARE_METATYPE(LotteryFacts)
Q_DECLARE_METATYPE(Draw)
Q_DECLARE_METATYPE(QList<TicketNumbers>)

namespace {

// The bytes of a saved file: a byte-order mark, then UTF-16 in the order asked for.
QByteArray utf16(const QString &text, bool bigEndian = false)
{
    QByteArray bytes = bigEndian ? QByteArray("\xFE\xFF", 2) : QByteArray("\xFF\xFE", 2);
    for (const QChar c : text) {
        const char hi = char(c.unicode() >> 8), lo = char(c.unicode() & 0xFF);
        bytes.append(bigEndian ? hi : lo).append(bigEndian ? lo : hi);
    }
    return bytes;
}

// Exactly what the program writes when it saves: native byte order, mark first.
QByteArray savedBytes(const QString &text)
{
    QByteArray bytes;
    const char16_t bom = 0xFEFF;
    bytes.append(reinterpret_cast<const char *>(&bom), sizeof bom);
    bytes.append(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    return bytes;
}

QString header()
{
    return QStringLiteral("Country:Canada\r\nLottery:Lotto 6/49\r\nKey:0\r\n\r\n");
}

LotteryFacts sixFromFortyNine()
{
    // Six drawn and one bonus ball from the same drum; the lowest prize needs 2 and the bonus ball.
    return {49, 6, 1, 0, 0, PrizeTier{2, 1}};
}

LotteryFacts fiveAndPowerball()
{
    return {69, 5, 0, 26, 1, PrizeTier{3, 0}};
}

TierRule shared(const char *name, int main, int supplementary, int bonus)
{
    return {QString::fromUtf8(name), main, supplementary, bonus, TierRule::Prize::Shared, 0, {}};
}

TierRule fixed(const char *name, int main, int supplementary, int bonus, qint64 cents, const char *currency)
{
    return {QString::fromUtf8(name),      main, supplementary, bonus, TierRule::Prize::Fixed, cents,
            QString::fromLatin1(currency)};
}

// Six of 49 and a bonus ball from the same drum, with fixed prizes low down.
LotteryFacts canadaLike()
{
    LotteryFacts f = sixFromFortyNine();
    f.tiers = {shared("6 matches", 6, 0, 0),
               shared("5 + bonus", 5, 1, 0),
               shared("5 matches", 5, 0, 0),
               shared("4 matches", 4, 0, 0),
               fixed("3 matches", 3, 0, 0, 1000, "CAD"),
               fixed("2 + bonus", 2, 1, 0, 500, "CAD"),
               fixed("2 matches (free play)", 2, 0, 0, 300, "CAD")};
    return f;
}

// Five of 69 and one of a separate pool of 26; a prize for the bonus number alone.
LotteryFacts powerballLike()
{
    LotteryFacts f{69, 5, 0, 26, 1, PrizeTier{0, 1}};
    f.tiers = {shared("5 + Powerball", 5, 0, 1),
               fixed("5 matches", 5, 0, 0, 100000000, "USD"),
               fixed("4 + Powerball", 4, 0, 1, 5000000, "USD"),
               fixed("4 matches", 4, 0, 0, 10000, "USD"),
               fixed("3 + Powerball", 3, 0, 1, 10000, "USD"),
               fixed("3 matches", 3, 0, 0, 700, "USD"),
               fixed("2 + Powerball", 2, 0, 1, 700, "USD"),
               fixed("1 + Powerball", 1, 0, 1, 400, "USD"),
               fixed("Powerball only", 0, 0, 1, 400, "USD")};
    return f;
}

// Five of 50 and two stars of 12; two fixed amounts in another currency to see them kept apart.
LotteryFacts euroLike()
{
    LotteryFacts f{50, 5, 0, 12, 2, PrizeTier{2, 0}};
    f.tiers = {shared("5 + 2 Lucky Stars", 5, 0, 2),
               shared("5 + 1 Lucky Star", 5, 0, 1),
               shared("5 matches", 5, 0, 0),
               shared("4 + 2 Lucky Stars", 4, 0, 2),
               shared("4 + 1 Lucky Star", 4, 0, 1),
               shared("3 + 2 Lucky Stars", 3, 0, 2),
               shared("4 matches", 4, 0, 0),
               shared("2 + 2 Lucky Stars", 2, 0, 2),
               shared("3 + 1 Lucky Star", 3, 0, 1),
               shared("3 matches", 3, 0, 0),
               fixed("1 + 2 Lucky Stars", 1, 0, 2, 800, "GBP"),
               fixed("2 + 1 Lucky Star", 2, 0, 1, 600, "EUR"),
               fixed("2 matches", 2, 0, 0, 400, "EUR")};
    return f;
}

// Six of 49 and the ticket's own digit against one drawn from 0..9.
LotteryFacts digitLike()
{
    LotteryFacts f{49, 6, 0, 10, 1, PrizeTier{2, 1}};
    f.bonusIsTicketDigit = true;
    f.tiers = {shared("Class 1 (6 + Superzahl)", 6, 0, 1), shared("Class 2 (6 matches)", 6, 0, 0),
               shared("Class 7 (3 + Superzahl)", 3, 0, 1), shared("Class 8 (3 matches)", 3, 0, 0),
               fixed("Class 9 (2 + Superzahl)", 2, 0, 1, 600, "EUR")};
    return f;
}

// Six of 40 with a bonus ball from the same drum and a Powerball of 10 as well.
LotteryFacts ballAndPowerball()
{
    LotteryFacts f{40, 6, 1, 10, 1, PrizeTier{5, 0}};
    f.tiers = {shared("6 + Powerball", 6, 0, 1), shared("6 matches", 6, 0, 0), shared("5 + bonus + Powerball", 5, 1, 1),
               fixed("5 + bonus", 5, 1, 0, 10000, "NZD"), fixed("5 matches", 5, 0, 0, 5000, "NZD")};
    return f;
}

QStringList texts(std::initializer_list<const char *> list)
{
    QStringList out;
    for (const char *text : list)
        out << QString::fromUtf8(text);
    return out;
}

QList<TicketNumbers> ticketsOf(const QList<QList<int>> &main, const QList<QList<int>> &bonus = {})
{
    QList<TicketNumbers> tickets;
    for (qsizetype i = 0; i < main.size(); ++i)
        tickets << TicketNumbers{main[i], bonus.value(i), int(i) + 5};
    return tickets;
}

} // namespace

class TestDrawCheck : public QObject {
    Q_OBJECT
private slots:
    void tierOfPicksBestTier_data();
    void tierOfPicksBestTier();
    void amounts();
    void tierOfEachTicket_data();
    void tierOfEachTicket();
    void extraFieldsRefused_data();
    void extraFieldsRefused();
    void roundTrip_data();
    void roundTrip();
    void encodingsAndLineEnds_data();
    void encodingsAndLineEnds();
    void damagedFiles_data();
    void damagedFiles();
    void ranges_data();
    void ranges();
    void drawRefusals_data();
    void drawRefusals();
    void checkAgreesWithIndependentCount();
    void bonusAndPrize_data();
    void bonusAndPrize();
    void summaryWording_data();
    void summaryWording();
    void csvOfBonusGame();
    void commandLine_data();
    void commandLine();
    void commandLineOutput();
};

void TestDrawCheck::tierOfPicksBestTier_data()
{
    QTest::addColumn<int>("main");
    QTest::addColumn<int>("supplementary");
    QTest::addColumn<int>("bonus");
    QTest::addColumn<int>("tier");
    // Rows as a lottery with a bonus ball and one with two shared-number rows would list them.
    QTest::newRow("6 matches, bonus ball as well: the 6 row") << 6 << 1 << 0 << 0;
    QTest::newRow("5 + bonus ball before plain 5") << 5 << 1 << 0 << 1;
    QTest::newRow("5 without the ball") << 5 << 0 << 0 << 2;
    QTest::newRow("main must match exactly: 4 is not 5") << 4 << 1 << 0 << -1;
    QTest::newRow("shared tier number, first pattern") << 1 << 2 << 0 << 3;
    QTest::newRow("shared tier number, second pattern") << 2 << 2 << 0 << 4;
    QTest::newRow("one supplementary too few") << 2 << 1 << 0 << -1;
    QTest::newRow("separate-pool bonus is not a supplementary") << 2 << 0 << 2 << -1;
    QTest::newRow("no matches") << 0 << 0 << 0 << -1;
}

void TestDrawCheck::tierOfPicksBestTier()
{
    QFETCH(int, main);
    QFETCH(int, supplementary);
    QFETCH(int, bonus);
    QFETCH(int, tier);
    auto rule = [](int m, int s) { return TierRule{QString(), m, s, 0, TierRule::Prize::Shared, 0, {}}; };
    const QList<TierRule> tiers{rule(6, 0), rule(5, 1), rule(5, 0), rule(1, 2), rule(2, 2)};
    QCOMPARE(tierOf(tiers, main, supplementary, bonus), tier);
    QCOMPARE(tierOf({}, main, supplementary, bonus), -1);
}

void TestDrawCheck::amounts()
{
    qint64 cents = -1;
    QVERIFY(parseAmount(QStringLiteral("1000000.00"), &cents));
    QCOMPARE(cents, 100000000);
    QCOMPARE(formatAmount(cents, QStringLiteral("USD")), QStringLiteral("1,000,000.00 USD"));
    QVERIFY(parseAmount(QStringLiteral("0.05"), &cents));
    QCOMPARE(formatAmount(cents, QStringLiteral("CAD")), QStringLiteral("0.05 CAD"));
    QCOMPARE(formatAmount(123456, {}), QStringLiteral("1,234.56"));
    for (const char *bad :
         {"5", "5.0", "5.000", ".50", "5,00", "-5.00", "5.0a", "1e3.00", "99999999999999999999.00", ""})
        QVERIFY2(!parseAmount(QString::fromLatin1(bad), &cents), bad);
}

void TestDrawCheck::tierOfEachTicket_data()
{
    QTest::addColumn<LotteryFacts>("facts");
    QTest::addColumn<QList<TicketNumbers>>("tickets");
    QTest::addColumn<Draw>("draw");
    QTest::addColumn<QStringList>("tiers"); // each ticket's tier and prize, in the tickets' order
    QTest::addColumn<QString>("perTier");
    QTest::addColumn<QString>("fixedTotal");

    const QList<TicketNumbers> lotto = ticketsOf({{1, 2, 3, 4, 5, 6},
                                                  {1, 2, 3, 4, 5, 7},
                                                  {1, 2, 3, 4, 5, 40},
                                                  {1, 2, 3, 40, 41, 42},
                                                  {1, 2, 7, 40, 41, 42},
                                                  {1, 2, 40, 41, 42, 43},
                                                  {1, 7, 40, 41, 42, 43},
                                                  {1, 2, 3, 7, 41, 42}});
    const QList<int> oneToSix{1, 2, 3, 4, 5, 6};
    QTest::newRow("bonus ball drawn from the main pool")
        << canadaLike() << lotto << Draw{oneToSix, {7}}
        << texts({"6 matches: shared", "5 + bonus: shared", "5 matches: shared", "3 matches: 10.00 CAD",
                  "2 + bonus: 5.00 CAD", "2 matches (free play): 3.00 CAD", "no prize", "3 matches: 10.00 CAD"})
        << QStringLiteral("1 ticket wins 6 matches, 1 wins 5 + bonus, 1 wins 5 matches, 2 win 3 matches, "
                          "1 wins 2 + bonus, 1 wins 2 matches (free play)")
        << QStringLiteral("Fixed prizes won: 28.00 CAD (not counting shared prizes)");
    // Without the ball a ticket that may have it is not judged; one whose tiers do not hang
    // on it (6 matches, 3 matches, 1 match) is.
    QTest::newRow("bonus ball not typed")
        << canadaLike() << lotto << Draw{oneToSix, {}}
        << texts({"6 matches: shared", "5 + bonus: shared if the bonus matches, else 5 matches: shared",
                  "5 + bonus: shared if the bonus matches, else 5 matches: shared", "3 matches: 10.00 CAD",
                  "2 + bonus: 5.00 CAD if the bonus matches, else 2 matches (free play): 3.00 CAD",
                  "2 + bonus: 5.00 CAD if the bonus matches, else 2 matches (free play): 3.00 CAD", "no prize",
                  "3 matches: 10.00 CAD"})
        << QStringLiteral("1 ticket wins 6 matches, 2 win 3 matches; 4 tickets are not judged: the bonus numbers "
                          "were not typed")
        << QStringLiteral("Fixed prizes won: 20.00 CAD (not counting shared prizes or the tickets not judged)");

    const QList<TicketNumbers> power =
        ticketsOf({{1, 2, 3, 4, 5}, {1, 2, 3, 4, 5}, {1, 2, 3, 40, 41}, {40, 41, 42, 43, 44}, {1, 40, 41, 42, 43}},
                  {{10}, {11}, {10}, {10}, {9}});
    QTest::newRow("separate bonus pool")
        << powerballLike() << power << Draw{{1, 2, 3, 4, 5}, {10}}
        << texts({"5 + Powerball: shared", "5 matches: 1,000,000.00 USD", "3 + Powerball: 100.00 USD",
                  "Powerball only: 4.00 USD", "no prize"})
        << QStringLiteral("1 ticket wins 5 + Powerball, 1 wins 5 matches, 1 wins 3 + Powerball, 1 wins Powerball only")
        << QStringLiteral("Fixed prizes won: 1,000,104.00 USD (not counting shared prizes)");
    QTest::newRow("separate bonus pool not typed")
        << powerballLike() << power.mid(2, 3) << Draw{{1, 2, 3, 4, 5}, {}}
        << texts({"3 + Powerball: 100.00 USD if the bonus matches, else 3 matches: 7.00 USD",
                  "Powerball only: 4.00 USD if the bonus matches, else no prize",
                  "1 + Powerball: 4.00 USD if the bonus matches, else no prize"})
        << QStringLiteral("No ticket wins a prize; 3 tickets are not judged: the bonus numbers were not typed")
        << QStringLiteral("Fixed prizes won: none (not counting the tickets not judged)");
    QTest::newRow("tickets without their bonus numbers")
        << powerballLike() << ticketsOf({{1, 2, 3, 4, 5}, {40, 41, 42, 43, 44}, {1, 2, 40, 41, 42}})
        << Draw{{1, 2, 3, 4, 5}, {10}}
        << texts({"5 + Powerball: shared if the bonus matches, else 5 matches: 1,000,000.00 USD",
                  "Powerball only: 4.00 USD if the bonus matches, else no prize",
                  "2 + Powerball: 7.00 USD if the bonus matches, else no prize"})
        << QStringLiteral("No ticket wins a prize; 3 tickets are not judged: the tickets carry no bonus numbers")
        << QStringLiteral("Fixed prizes won: none (not counting the tickets not judged)");

    QTest::newRow("two bonus numbers, two currencies")
        << euroLike()
        << ticketsOf({{1, 2, 3, 4, 5},
                      {1, 2, 3, 4, 40},
                      {1, 2, 40, 41, 42},
                      {1, 40, 41, 42, 43},
                      {1, 2, 40, 41, 42},
                      {40, 41, 42, 43, 44},
                      {1, 2, 3, 40, 41}},
                     {{6, 7}, {6, 8}, {6, 9}, {6, 7}, {8, 9}, {6, 7}, {7, 6}})
        << Draw{{1, 2, 3, 4, 5}, {6, 7}}
        << texts({"5 + 2 Lucky Stars: shared", "4 + 1 Lucky Star: shared", "2 + 1 Lucky Star: 6.00 EUR",
                  "1 + 2 Lucky Stars: 8.00 GBP", "2 matches: 4.00 EUR", "no prize", "3 + 2 Lucky Stars: shared"})
        << QStringLiteral("1 ticket wins 5 + 2 Lucky Stars, 1 wins 4 + 1 Lucky Star, 1 wins 3 + 2 Lucky Stars, "
                          "1 wins 1 + 2 Lucky Stars, 1 wins 2 + 1 Lucky Star, 1 wins 2 matches")
        << QStringLiteral("Fixed prizes won: 10.00 EUR and 8.00 GBP (not counting shared prizes)");

    const QList<TicketNumbers> digitTickets =
        ticketsOf({{1, 2, 40, 41, 42, 43}, {1, 2, 3, 40, 41, 42}, {1, 2, 3, 4, 5, 6}});
    QTest::newRow("the ticket's digit matches the digit drawn")
        << digitLike() << digitTickets << Draw{oneToSix, {0}, {}, 0}
        << texts({"Class 9 (2 + Superzahl): 6.00 EUR", "Class 7 (3 + Superzahl): shared",
                  "Class 1 (6 + Superzahl): shared"})
        << QStringLiteral("1 ticket wins Class 1 (6 + Superzahl), 1 wins Class 7 (3 + Superzahl), "
                          "1 wins Class 9 (2 + Superzahl)")
        << QStringLiteral("Fixed prizes won: 6.00 EUR (not counting shared prizes)");
    QTest::newRow("the ticket's digit misses")
        << digitLike() << digitTickets << Draw{oneToSix, {0}, {}, 5}
        << texts({"no prize", "Class 8 (3 matches): shared", "Class 2 (6 matches): shared"})
        << QStringLiteral("1 ticket wins Class 2 (6 matches), 1 wins Class 8 (3 matches)")
        << QStringLiteral("Fixed prizes won: none (not counting shared prizes)");

    const QList<TicketNumbers> both =
        ticketsOf({{1, 2, 3, 4, 5, 40}, {1, 2, 3, 4, 5, 40}, {1, 2, 3, 4, 5, 39}}, {{7}, {8}, {8}});
    QTest::newRow("bonus ball and a separate pool")
        << ballAndPowerball() << both << Draw{oneToSix, {7}, {40}}
        << texts({"5 + bonus + Powerball: shared", "5 + bonus: 100.00 NZD", "5 matches: 50.00 NZD"})
        << QStringLiteral("1 ticket wins 5 + bonus + Powerball, 1 wins 5 + bonus, 1 wins 5 matches")
        << QStringLiteral("Fixed prizes won: 150.00 NZD (not counting shared prizes)");
    QTest::newRow("bonus ball not typed beside the pool")
        << ballAndPowerball() << both << Draw{oneToSix, {7}}
        << texts({"5 + bonus + Powerball: shared if the bonus matches, else 5 matches: 50.00 NZD",
                  "5 + bonus: 100.00 NZD if the bonus matches, else 5 matches: 50.00 NZD",
                  "5 + bonus: 100.00 NZD if the bonus matches, else 5 matches: 50.00 NZD"})
        << QStringLiteral("No ticket wins a prize; 3 tickets are not judged: the supplementary numbers were not typed")
        << QStringLiteral("Fixed prizes won: none (not counting the tickets not judged)");
}

void TestDrawCheck::tierOfEachTicket()
{
    QFETCH(LotteryFacts, facts);
    QFETCH(QList<TicketNumbers>, tickets);
    QFETCH(Draw, draw);
    QFETCH(QStringList, tiers);
    QFETCH(QString, perTier);
    QFETCH(QString, fixedTotal);
    const DrawRules rules = drawRulesFor(facts);
    QCOMPARE(validateDraw(draw, rules), QString());
    const DrawCheck check = checkDraw(tickets, draw, rules, facts.lowestPrize, facts.tiers);
    QStringList shown;
    for (const TicketCheck &t : check.tickets)
        shown << ticketTierText(check, t);
    QCOMPARE(shown, tiers);
    QCOMPARE(tierSummary(check), perTier);
    QCOMPARE(fixedTotalText(check), fixedTotal);
    // Every ticket that wins or may win is counted once: in its tier or among those not judged.
    int counted = check.unjudgedTickets;
    for (const int n : check.ticketsPerTier)
        counted += n;
    QCOMPARE(counted, tiers.size() - tiers.count(QStringLiteral("no prize")));
    // The lowest prize line stays as it was.
    QCOMPARE(checkDraw(tickets, draw, rules, facts.lowestPrize).prizeTickets, check.prizeTickets);
}

void TestDrawCheck::extraFieldsRefused_data()
{
    QTest::addColumn<LotteryFacts>("facts");
    QTest::addColumn<Draw>("draw");
    QTest::addColumn<QString>("words"); // empty: the draw is accepted
    const QList<int> main{1, 2, 3, 4, 5, 6};
    QTest::newRow("digit 0 is a digit drawn") << digitLike() << Draw{main, {0}, {}, 9} << QString();
    QTest::newRow("10 is no digit") << digitLike() << Draw{main, {10}} << QStringLiteral("outside the numbers 0 to 9");
    QTest::newRow("own digit past 9") << digitLike() << Draw{main, {}, {}, 10} << QStringLiteral("not one of 0 to 9");
    QTest::newRow("own digit where tickets carry none")
        << ballAndPowerball() << Draw{main, {}, {}, 3} << QStringLiteral("carry no digit");
    QTest::newRow("a pool's number 0 is not a digit")
        << ballAndPowerball() << Draw{main, {0}} << QStringLiteral("outside the numbers 1 to 10");
    QTest::newRow("supplementary among the main numbers")
        << ballAndPowerball() << Draw{main, {}, {6}} << QStringLiteral("also one of the main numbers");
    QTest::newRow("supplementary past the pool")
        << ballAndPowerball() << Draw{main, {}, {41}} << QStringLiteral("outside the numbers 1 to 40");
    QTest::newRow("two supplementary where one is drawn")
        << ballAndPowerball() << Draw{main, {}, {7, 8}} << QStringLiteral("1 supplementary number is drawn");
    QTest::newRow("supplementary where the bonus field takes it")
        << canadaLike() << Draw{main, {}, {7}} << QStringLiteral("draws no supplementary numbers");
}

void TestDrawCheck::extraFieldsRefused()
{
    QFETCH(LotteryFacts, facts);
    QFETCH(Draw, draw);
    QFETCH(QString, words);
    const QString fault = validateDraw(draw, drawRulesFor(facts));
    if (words.isEmpty())
        QCOMPARE(fault, QString());
    else
        QVERIFY2(fault.contains(words), qPrintable(fault));
}

void TestDrawCheck::roundTrip_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("bonusCount");
    for (int f = 0; f < 8; ++f)
        for (int b = 0; b <= 2; ++b)
            QTest::addRow("format %d, %d bonus", f, b) << f << b;
}

void TestDrawCheck::roundTrip()
{
    QFETCH(int, format);
    QFETCH(int, bonusCount);
    // The tickets come from the program's own expansion; bonus numbers follow " + " in the same format.
    TicketSheet sheet;
    sheet.format = format;
    sheet.tickets = ticketsOfWheel({0b1110111, 0b11111010, 0b11101101}, {5, 17, 3, 22, 41, 9, 30, 1}, {}, 0);
    const QList<QList<int>> bonusOf{{7, 11}, {11, 2}, {2, 7}};
    for (int i = 0; i < 3; ++i)
        sheet.tickets[i].bonus = bonusOf[i].mid(0, bonusCount);
    const QStringList lines = sheet.lines();
    const TicketFileRead r =
        readTicketFile(savedBytes(ticketFileText(QStringLiteral("España"), QStringLiteral("La Primitiva"), 17, lines)));
    QVERIFY2(r.ok(), qPrintable(r.error.describe(QStringLiteral("file"))));
    QCOMPARE(r.contents.country, QStringLiteral("España"));
    QCOMPARE(r.contents.lottery, QStringLiteral("La Primitiva"));
    QCOMPARE(r.contents.key, 17);
    QCOMPARE(r.contents.format, format);
    QCOMPARE(r.contents.tickets.size(), 3);
    const QList<QList<int>> expectedMain{{5, 17, 3, 41, 9, 30}, {17, 22, 41, 9, 30, 1}, {5, 3, 22, 9, 30, 1}};
    const QList<QList<int>> expectedBonus{{7, 11}, {11, 2}, {2, 7}};
    for (int i = 0; i < 3; ++i) {
        const TicketNumbers &t = r.contents.tickets[i];
        QCOMPARE(t.main, expectedMain[i]);
        QCOMPARE(t.bonus, expectedBonus[i].mid(0, bonusCount));
        QCOMPARE(t.line, 5 + i);
        QCOMPARE(formatTicket(t, r.contents.format), lines[i]);
    }
}

void TestDrawCheck::encodingsAndLineEnds_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QString crlf = header() + QStringLiteral("1 2 3\r\n4 5 6\r\n");
    QString lf = crlf;
    lf.remove(QLatin1Char('\r'));
    QTest::newRow("little-endian, CR LF") << utf16(crlf);
    QTest::newRow("big-endian, CR LF") << utf16(crlf, true);
    QTest::newRow("little-endian, LF") << utf16(lf);
    QTest::newRow("big-endian, LF") << utf16(lf, true);
    QTest::newRow("empty lines after the last ticket") << utf16(crlf + QStringLiteral("\r\n\r\n"));
}

void TestDrawCheck::encodingsAndLineEnds()
{
    QFETCH(QByteArray, bytes);
    const TicketFileRead r = readTicketFile(bytes);
    QVERIFY2(r.ok(), qPrintable(r.error.describe(QStringLiteral("file"))));
    QCOMPARE(r.contents.lottery, QStringLiteral("Lotto 6/49"));
    QCOMPARE(r.contents.tickets, (QList<TicketNumbers>{{{1, 2, 3}, {}, 0}, {{4, 5, 6}, {}, 0}}));
}

void TestDrawCheck::damagedFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("words");
    const QString good = header() + QStringLiteral("1 2 3\r\n4 5 6\r\n7 8 9\r\n");
    const auto withTickets = [](const char *tickets) { return utf16(header() + QLatin1String(tickets)); };

    QTest::newRow("empty file") << QByteArray() << 1 << QStringLiteral("empty");
    QTest::newRow("UTF-8 without a mark") << good.toUtf8() << 1 << QStringLiteral("byte-order mark");
    QTest::newRow("UTF-8 with a mark") << QByteArray("\xEF\xBB\xBF") + good.toUtf8() << 1 << QStringLiteral("UTF-8");
    QTest::newRow("cut in the middle of a character") << utf16(good).chopped(3) << 7 << QStringLiteral("cut off");
    QByteArray broken = utf16(header() + QStringLiteral("1 2 3\r\nX 5 6\r\n"));
    broken[2 + 2 * (header().size() + 7)] = '\x00';
    broken[2 + 2 * (header().size() + 7) + 1] = '\xD8'; // a high surrogate with no low one after it
    QTest::newRow("broken surrogate pair") << broken << 6 << QStringLiteral("not valid UTF-16");
    QByteArray lowAlone = utf16(header() + QStringLiteral("1 2 3\r\n"));
    lowAlone[2 + 2 * header().size()] = '\x00';
    lowAlone[2 + 2 * header().size() + 1] = '\xDC'; // a low surrogate with no high one before it
    QTest::newRow("lone low surrogate") << lowAlone << 5 << QStringLiteral("not valid UTF-16");
    QTest::newRow("a carriage return inside a line")
        << withTickets("1 2 3\r\n4 5\r6\r\n") << 6 << QStringLiteral("\"5?6\" is not a number");
    QTest::newRow("no country line") << utf16(QStringLiteral("Lottery:L\r\nKey:0\r\n\r\n1 2\r\n")) << 1
                                     << QStringLiteral("\"Country:\"");
    QTest::newRow("no lottery line") << utf16(QStringLiteral("Country:C\r\nKey:0\r\n\r\n1 2\r\n")) << 2
                                     << QStringLiteral("\"Lottery:\"");
    QTest::newRow("ends after the country")
        << utf16(QStringLiteral("Country:C\r\n")) << 2 << QStringLiteral("ends before the \"Lottery:\"");
    QTest::newRow("key not a number") << utf16(QStringLiteral("Country:C\r\nLottery:L\r\nKey:x\r\n\r\n1 2\r\n")) << 3
                                      << QStringLiteral("key number");
    QTest::newRow("no empty line after the key")
        << utf16(QStringLiteral("Country:C\r\nLottery:L\r\nKey:0\r\n1 2\r\n")) << 4 << QStringLiteral("empty line");
    QTest::newRow("header without line ends")
        << utf16(QStringLiteral("Country:C\r\nLottery:L\r\nKey:0")) << 4 << QStringLiteral("ends before");
    QTest::newRow("no tickets") << utf16(header()) << 5 << QStringLiteral("no tickets");
    QTest::newRow("a letter in a ticket")
        << withTickets("1 2 3\r\n4 5 6\r\n7 x 9\r\n") << 7 << QStringLiteral("\"x\" is not a number");
    QTest::newRow("two separators in a row") << withTickets("1-2-3\r\n4--6\r\n") << 6 << QStringLiteral("missing");
    QTest::newRow("separator at the end") << withTickets("1,2,3,\r\n") << 5 << QStringLiteral("missing");
    QTest::newRow("a number twice") << withTickets("1 2 3\r\n4 5 4\r\n") << 6 << QStringLiteral("4 appears twice");
    QTest::newRow("a bonus number twice") << withTickets("1 2 3 + 4 4\r\n") << 5 << QStringLiteral("4 appears twice");
    QTest::newRow("a shorter ticket") << withTickets("1 2 3\r\n4 5 6\r\n7 8\r\n") << 7
                                      << QStringLiteral("has 2 numbers, the first one has 3");
    QTest::newRow("bonus missing on one ticket")
        << withTickets("1 2 3 + 4\r\n4 5 6\r\n") << 6 << QStringLiteral("0 bonus numbers");
    QTest::newRow("empty line among the tickets")
        << withTickets("1 2 3\r\n\r\n4 5 6\r\n") << 6 << QStringLiteral("empty line");
    QTest::newRow("two plus signs") << withTickets("1 2 3 + 4 + 5\r\n") << 5 << QStringLiteral("more than once");
    QTest::newRow("nothing after the plus")
        << withTickets("1 2 3 +  \r\n1 2 3\r\n") << 5 << QStringLiteral("\"+\" is not a number");
    QTest::newRow("a zero") << withTickets("0 2 3\r\n") << 5 << QStringLiteral("start at 1");
    QTest::newRow("a four-digit number") << withTickets("1 2 1000\r\n") << 5 << QStringLiteral("too long");
    // The program ends every line with CR LF: a file without it after the last ticket was cut.
    QTest::newRow("last ticket cut at a character") << utf16(good).chopped(8) << 7 << QStringLiteral("cut short");
    QTest::newRow("no line end after the last ticket") << utf16(good).chopped(4) << 7 << QStringLiteral("cut short");
}

void TestDrawCheck::damagedFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, line);
    QFETCH(QString, words);
    const TicketFileRead r = readTicketFile(bytes);
    QVERIFY(!r.ok());
    QVERIFY2(r.error.message.contains(words), qPrintable(r.error.message));
    QVERIFY(std::all_of(r.error.message.begin(), r.error.message.end(), [](QChar c) { return c.isPrint(); }));
    QCOMPARE(r.error.line, line);
    QCOMPARE(r.error.describe(QStringLiteral("t.txt")), QStringLiteral("t.txt:%1: %2").arg(line).arg(r.error.message));
}

void TestDrawCheck::ranges_data()
{
    QTest::addColumn<QString>("tickets");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("bonusPool");
    QTest::addColumn<int>("line");
    QTest::newRow("all in range") << QStringLiteral("1 2 49\r\n3 4 5\r\n") << 49 << 0 << 0;
    QTest::newRow("bonus in range") << QStringLiteral("1 2 3 + 10\r\n") << 0 << 10 << 0;
    QTest::newRow("main beyond the pool") << QStringLiteral("1 2 3\r\n4 50 6\r\n") << 0 << 0 << 6;
    QTest::newRow("bonus beyond its pool") << QStringLiteral("1 2 3 + 10\r\n1 2 3 + 11\r\n") << 0 << 10 << 6;
    QTest::newRow("bonus without a bonus pool") << QStringLiteral("1 2 3 + 1\r\n") << 0 << 0 << 5;
    QTest::newRow("key beyond the pool") << QStringLiteral("1 2 3\r\n") << 50 << 0 << 3;
}

void TestDrawCheck::ranges()
{
    QFETCH(QString, tickets);
    QFETCH(int, key);
    QFETCH(int, bonusPool);
    QFETCH(int, line);
    const TicketFileRead r =
        readTicketFile(utf16(QStringLiteral("Country:C\r\nLottery:L\r\nKey:%1\r\n\r\n").arg(key) + tickets));
    QVERIFY(r.ok());
    const TicketFileError e = checkTicketRanges(r.contents, 49, bonusPool);
    QCOMPARE(e.line, line);
    QCOMPARE(e.isEmpty(), line == 0);
}

void TestDrawCheck::drawRefusals_data()
{
    QTest::addColumn<QString>("main");
    QTest::addColumn<QString>("bonus");
    QTest::addColumn<DrawRules>("rules");
    QTest::addColumn<QString>("words"); // empty: the draw is accepted
    const DrawRules lotto = drawRulesFor(sixFromFortyNine());
    const DrawRules power = drawRulesFor(fiveAndPowerball());
    const DrawRules unknown = drawRulesWithoutFacts(false);
    const DrawRules unknownBonus = drawRulesWithoutFacts(true);

    QTest::newRow("spaces") << QStringLiteral("5 17 3 41 9 12") << QString() << lotto << QString();
    QTest::newRow("commas, dashes and spaces")
        << QStringLiteral(" 5,17-3, 41 -9,,12 ") << QStringLiteral("1") << lotto << QString();
    QTest::newRow("nothing typed") << QStringLiteral("  ") << QString() << lotto << QStringLiteral("no drawn numbers");
    QTest::newRow("a letter") << QStringLiteral("5 17 x 41 9 12") << QString() << lotto
                              << QStringLiteral("\"x\" is not a lottery number");
    QTest::newRow("a sign") << QStringLiteral("5 17 +3 41 9 12") << QString() << lotto
                            << QStringLiteral("not a lottery number");
    QTest::newRow("beyond the pool") << QStringLiteral("5 17 3 41 9 50") << QString() << lotto
                                     << QStringLiteral("50 is outside the numbers 1 to 49");
    QTest::newRow("zero") << QStringLiteral("0 17 3 41 9 12") << QString() << lotto << QStringLiteral("0 is outside");
    QTest::newRow("repeated") << QStringLiteral("5 17 3 17 9 12") << QString() << lotto
                              << QStringLiteral("17 is drawn twice");
    QTest::newRow("too few") << QStringLiteral("5 17 3 41 9") << QString() << lotto
                             << QStringLiteral("6 numbers are drawn in this lottery, 5 given");
    QTest::newRow("too many") << QStringLiteral("5 17 3 41 9 12 13") << QString() << lotto
                              << QStringLiteral("6 numbers are drawn in this lottery, 7 given");
    QTest::newRow("bonus ball among the main numbers")
        << QStringLiteral("5 17 3 41 9 12") << QStringLiteral("17") << lotto << QStringLiteral("also one of the main");
    QTest::newRow("two bonus balls") << QStringLiteral("5 17 3 41 9 12") << QStringLiteral("1 2") << lotto
                                     << QStringLiteral("1 bonus number is drawn in this lottery, 2 given");
    QTest::newRow("powerball beyond its pool") << QStringLiteral("5 17 3 41 69") << QStringLiteral("27") << power
                                               << QStringLiteral("bonus number 27 is outside the numbers 1 to 26");
    QTest::newRow("powerball may equal a main number")
        << QStringLiteral("5 17 3 41 69") << QStringLiteral("17") << power << QString();
    QTest::newRow("no bonus in this lottery")
        << QStringLiteral("5 17 3 41 9 12") << QStringLiteral("7") << drawRulesFor({49, 6, 0, 0, 0, {}})
        << QStringLiteral("draws no bonus numbers");
    QTest::newRow("unknown lottery, any count") << QStringLiteral("5 17 3") << QString() << unknown << QString();
    QTest::newRow("unknown lottery, 99") << QStringLiteral("5 17 99") << QString() << unknown << QString();
    QTest::newRow("unknown lottery, 100")
        << QStringLiteral("5 17 100") << QString() << unknown << QStringLiteral("outside the numbers 1 to 99");
    QTest::newRow("unknown lottery, supplementary repeats")
        << QStringLiteral("5 17 3") << QStringLiteral("3") << unknown << QStringLiteral("also one of the main");
    QTest::newRow("unknown lottery, separate bonus repeats")
        << QStringLiteral("5 17 3") << QStringLiteral("3") << unknownBonus << QString();
    QTest::newRow("unknown lottery, bonus 100") << QStringLiteral("5 17 3") << QStringLiteral("100") << unknownBonus
                                                << QStringLiteral("outside the numbers 1 to 99");
}

void TestDrawCheck::drawRefusals()
{
    QFETCH(QString, main);
    QFETCH(QString, bonus);
    QFETCH(DrawRules, rules);
    QFETCH(QString, words);
    const DrawnNumbers m = parseDrawnNumbers(main);
    const DrawnNumbers b = parseDrawnNumbers(bonus);
    const QString fault = !m.error.isEmpty() ? m.error : validateDraw({m.numbers, b.numbers}, rules);
    QVERIFY2(words.isEmpty() ? fault.isEmpty() : fault.contains(words), qPrintable(fault));
}

void TestDrawCheck::checkAgreesWithIndependentCount()
{
    // Random tickets against random draws, counted again by sorted-set intersection.
    QRandomGenerator rng(20240613);
    const auto pick = [&](int count, int pool) {
        QList<int> all(pool);
        std::iota(all.begin(), all.end(), 1);
        std::shuffle(all.begin(), all.end(), rng);
        return all.mid(0, count);
    };
    for (int round = 0; round < 50; ++round) {
        QList<TicketNumbers> tickets;
        for (int i = 0; i < 40; ++i)
            tickets << TicketNumbers{pick(6, 20), pick(1, 5), 0};
        const Draw draw{pick(6, 20), pick(1, 5)};
        const DrawRules rules = drawRulesFor({20, 6, 0, 5, 1, PrizeTier{3, 1}});
        QVERIFY(validateDraw(draw, rules).isEmpty());
        const DrawCheck c = checkDraw(tickets, draw, rules, PrizeTier{3, 1});
        QMap<int, int> perCount;
        int winners = 0;
        for (int i = 0; i < tickets.size(); ++i) {
            QList<int> t = tickets[i].main, d = draw.main;
            std::sort(t.begin(), t.end());
            std::sort(d.begin(), d.end());
            QList<int> both;
            std::set_intersection(t.begin(), t.end(), d.begin(), d.end(), std::back_inserter(both));
            const bool bonus = tickets[i].bonus.first() == draw.bonus.first();
            QList<int> found = c.tickets[i].mainMatches;
            std::sort(found.begin(), found.end());
            QCOMPARE(found, both);
            QCOMPARE(c.tickets[i].bonusMatches.size(), bonus ? 1 : 0);
            QCOMPARE(c.tickets[i].reachesPrize, both.size() >= 3 && bonus);
            ++perCount[int(both.size())];
            winners += both.size() >= 3 && bonus;
        }
        QCOMPARE(c.ticketsPerMatches, perCount);
        QCOMPARE(c.prizeTickets, winners);
    }
}

void TestDrawCheck::bonusAndPrize_data()
{
    QTest::addColumn<std::optional<LotteryFacts>>("facts");
    QTest::addColumn<QList<int>>("bonusDrawn");
    QTest::addColumn<bool>("ticketCarriesBonus");
    QTest::addColumn<QList<int>>("bonusMatches");
    QTest::addColumn<bool>("judged");
    QTest::addColumn<bool>("reaches");
    // The ticket is 1 2 3 4 5 6 (+ 7 when it carries a bonus); the draw's main numbers are 1 2 10 11 12 13.
    QTest::newRow("bonus ball matched by a main number")
        << std::optional(sixFromFortyNine()) << QList<int>{6} << false << QList<int>{6} << true << true;
    QTest::newRow("bonus ball missed") << std::optional(sixFromFortyNine()) << QList<int>{40} << false << QList<int>{}
                                       << true << false;
    QTest::newRow("bonus ball not given")
        << std::optional(sixFromFortyNine()) << QList<int>{} << false << QList<int>{} << false << false;
    QTest::newRow("separate pool matched by the ticket's bonus")
        << std::optional<LotteryFacts>({49, 6, 0, 10, 1, PrizeTier{2, 1}}) << QList<int>{7} << true << QList<int>{7}
        << true << true;
    QTest::newRow("separate pool is not matched by main numbers")
        << std::optional<LotteryFacts>({49, 6, 0, 10, 1, PrizeTier{2, 1}}) << QList<int>{6} << true << QList<int>{}
        << true << false;
    QTest::newRow("separate pool, tickets without bonus numbers")
        << std::optional<LotteryFacts>({49, 6, 0, 10, 1, PrizeTier{2, 1}}) << QList<int>{7} << false << QList<int>{}
        << false << false;
    QTest::newRow("prize of main numbers only") << std::optional<LotteryFacts>({49, 6, 0, 0, 0, PrizeTier{2, 0}})
                                                << QList<int>{} << false << QList<int>{} << true << true;
    QTest::newRow("prize not known") << std::optional<LotteryFacts>() << QList<int>{6} << false << QList<int>{6}
                                     << false << false;
}

void TestDrawCheck::bonusAndPrize()
{
    QFETCH(std::optional<LotteryFacts>, facts);
    QFETCH(QList<int>, bonusDrawn);
    QFETCH(bool, ticketCarriesBonus);
    QFETCH(QList<int>, bonusMatches);
    QFETCH(bool, judged);
    QFETCH(bool, reaches);
    const TicketNumbers ticket{{1, 2, 3, 4, 5, 6}, ticketCarriesBonus ? QList<int>{7} : QList<int>{}, 0};
    const Draw draw{{1, 2, 10, 11, 12, 13}, bonusDrawn};
    const DrawRules rules = facts ? drawRulesFor(*facts) : drawRulesWithoutFacts(ticketCarriesBonus);
    QVERIFY(validateDraw(draw, rules).isEmpty());
    const DrawCheck c = checkDraw({ticket}, draw, rules, facts ? facts->lowestPrize : std::nullopt);
    QCOMPARE(c.tickets.first().mainMatches, (QList<int>{1, 2}));
    QCOMPARE(c.tickets.first().bonusMatches, bonusMatches);
    QCOMPARE(c.prize.has_value(), judged);
    QCOMPARE(c.tickets.first().reachesPrize, reaches);
    QCOMPARE(prizeSummary(c).isEmpty(), !judged);
}

void TestDrawCheck::summaryWording_data()
{
    QTest::addColumn<QList<int>>("matchesPerTicket");
    QTest::addColumn<QString>("summary");
    QTest::newRow("the usual") << QList<int>{4, 3, 4, 3, 4} + QList<int>(9, 3)
                               << QStringLiteral("3 tickets with 4 matches, 11 with 3");
    QTest::newRow("one ticket") << QList<int>{4} << QStringLiteral("1 ticket with 4 matches");
    QTest::newRow("one match") << QList<int>{1, 1} << QStringLiteral("2 tickets with 1 match");
    QTest::newRow("one ticket, one match, then none")
        << QList<int>{1, 0, 0} << QStringLiteral("1 ticket with 1 match, 2 with none");
    QTest::newRow("nothing matched") << QList<int>{0, 0, 0} << QStringLiteral("3 tickets with no matches");
    QTest::newRow("gaps are left out") << QList<int>{6, 2, 2, 0}
                                       << QStringLiteral("1 ticket with 6 matches, 2 with 2, 1 with none");
    QTest::newRow("no tickets") << QList<int>{} << QStringLiteral("no tickets");
}

void TestDrawCheck::summaryWording()
{
    QFETCH(QList<int>, matchesPerTicket);
    QFETCH(QString, summary);
    QMap<int, int> perCount;
    for (const int m : matchesPerTicket)
        ++perCount[m];
    QCOMPARE(matchSummary(perCount), summary);
}

void TestDrawCheck::csvOfBonusGame()
{
    const QList<TicketNumbers> tickets{{{5, 17, 3, 41, 9}, {2, 11}, 0}, {{1, 2, 3, 4, 5}, {7, 2}, 0}};
    QCOMPARE(ticketsCsv(tickets), QByteArray("N1,N2,N3,N4,N5,B1,B2\r\n5,17,3,41,9,2,11\r\n1,2,3,4,5,7,2\r\n"));
    // A short row keeps its bonus numbers in the bonus columns.
    QCOMPARE(ticketsCsv({{{1, 2, 3}, {}, 0}, {{4, 5}, {6}, 0}}), QByteArray("N1,N2,N3,B1\r\n1,2,3,\r\n4,5,,6\r\n"));
    QCOMPARE(ticketsCsv({}), QByteArray());
}

void TestDrawCheck::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments"); // FILE stands for the ticket file written for the row
    QTest::addColumn<QString>("text");          // the ticket file's text; empty: no file is written
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("words"); // in the one line on err when the status is not 0, else in out
    const QString file = QStringLiteral("Country:Canada\r\nLottery:Lotto 6/49\r\nKey:0\r\n\r\n"
                                        "01 02 03 04 05 06\r\n07 08 09 10 11 12\r\n01 02 07 08 13 14\r\n");
    const QString fileArg = QStringLiteral("FILE");
    const QString draw = QStringLiteral("--draw");
    QTest::newRow("checked") << QStringList{draw, QStringLiteral("1 2 7 8 9 20"), fileArg} << file << 0
                             << QStringLiteral("Summary: 1 ticket with 4 matches, 1 with 3, 1 with 2");
    QTest::newRow("tiers not known") << QStringList{draw, QStringLiteral("1 2 7 8 9 20"), fileArg} << file << 0
                                     << QStringLiteral("\nThe prize tiers of this lottery are not known here.\n");
    QTest::newRow("supplementary and digit shown with the draw")
        << QStringList{draw,
                       QStringLiteral("1 2 7 8 9 20"),
                       QStringLiteral("--supplementary"),
                       QStringLiteral("33"),
                       QStringLiteral("--digit"),
                       QStringLiteral("4"),
                       fileArg}
        << QString(file).replace(QStringLiteral("Canada"), QStringLiteral("Both")) << 0
        << QStringLiteral("Draw: 1 2 7 8 9 20, supplementary 33, your digit 4\n");
    QTest::newRow("two digits") << QStringList{draw, QStringLiteral("1 2 7 8 9 20"), QStringLiteral("--digit"),
                                               QStringLiteral("12"), fileArg}
                                << file << 2 << QStringLiteral("--digit: give one digit, 0 to 9");
    QTest::newRow("a digit where tickets carry none")
        << QStringList{draw, QStringLiteral("1 2 7 8 9 20"), QStringLiteral("--digit"), QStringLiteral("1"), fileArg}
        << file << 2 << QStringLiteral("carry no digit");
    QTest::newRow("empty supplementary") << QStringList{draw, QStringLiteral("1 2 7 8 9 20"),
                                                        QStringLiteral("--supplementary="), fileArg}
                                         << file << 2 << QStringLiteral("--supplementary: no numbers");
    QTest::newRow("help") << QStringList{QStringLiteral("--help")} << QString() << 0 << QStringLiteral("Usage:");
    QTest::newRow("no draw") << QStringList{fileArg} << file << 2 << QStringLiteral("--draw");
    QTest::newRow("no file named") << QStringList{draw, QStringLiteral("1 2 3 4 5 6")} << QString() << 2
                                   << QStringLiteral("name the ticket file");
    QTest::newRow("unknown option") << QStringList{QStringLiteral("--drew"), QStringLiteral("1"), fileArg} << file << 2
                                    << QStringLiteral("drew");
    QTest::newRow("draw without quotes") << QStringList{draw, QStringLiteral("1"), QStringLiteral("2"), fileArg} << file
                                         << 2 << QStringLiteral("go in quotes");
    QTest::newRow("draw with a letter") << QStringList{draw, QStringLiteral("1 2 x"), fileArg} << file << 2
                                        << QStringLiteral("\"x\"");
    QTest::newRow("draw with a repeat") << QStringList{draw, QStringLiteral("1 2 2"), fileArg} << file << 2
                                        << QStringLiteral("2 is drawn twice");
    QTest::newRow("draw too few for the lottery")
        << QStringList{draw, QStringLiteral("1 2 3"), fileArg} << file << 2 << QStringLiteral("6 numbers are drawn");
    QTest::newRow("file missing") << QStringList{draw, QStringLiteral("1 2 3"), QStringLiteral("/nonexistent/t.txt")}
                                  << QString() << 1 << QStringLiteral("/nonexistent/t.txt: cannot be opened");
    QTest::newRow("damaged file") << QStringList{draw, QStringLiteral("1 2 3 4 5 6"), fileArg}
                                  << file + QStringLiteral("1 2 x 4 5 6\r\n") << 1 << QStringLiteral(":8: \"x\"");
    QTest::newRow("numbers beyond the lottery")
        << QStringList{draw, QStringLiteral("1 2 3 4 5 6"), fileArg} << file + QStringLiteral("1 2 3 4 5 50\r\n") << 1
        << QStringLiteral(":8: 50 lies outside the numbers 1 to 49");
    QTest::newRow("unknown lottery takes any count")
        << QStringList{draw, QStringLiteral("1,2,3"), fileArg}
        << QString(file).replace(QStringLiteral("6/49"), QStringLiteral("9/99")) << 0
        << QStringLiteral("not known here");
}

void TestDrawCheck::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, text);
    QFETCH(int, status);
    QFETCH(QString, words);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("tickets.txt"));
    if (!text.isEmpty()) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(savedBytes(text));
    }
    arguments.replaceInStrings(QStringLiteral("FILE"), path);
    CheckContext ctx;
    ctx.lotteryFacts = [](const QString &country, const QString &lottery) -> std::optional<LotteryFacts> {
        if (country == QLatin1String("Canada") && lottery == QLatin1String("Lotto 6/49"))
            return LotteryFacts{49, 6, 1, 0, 0, std::nullopt};
        if (country == QLatin1String("Both")) {
            // A bonus ball beside a pool of digits, the ticket's own digit among them.
            LotteryFacts both{49, 6, 1, 10, 1, std::nullopt};
            both.bonusIsTicketDigit = true;
            return both;
        }
        return std::nullopt;
    };
    QString outText, errText;
    QTextStream out(&outText), err(&errText);
    QCOMPARE(runCheckCommand(arguments, out, err, ctx), status);
    if (status == 0) {
        QVERIFY(errText.isEmpty());
        QVERIFY2(outText.contains(words), qPrintable(outText));
    } else {
        QVERIFY(outText.isEmpty());
        QCOMPARE(errText.count(QLatin1Char('\n')), 1);
        QVERIFY(errText.endsWith(QLatin1Char('\n')));
        QVERIFY2(errText.contains(words), qPrintable(errText));
    }
}

void TestDrawCheck::commandLineOutput()
{
    // A bonus game with its lowest prize known: only the tickets reaching it are listed, best first.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("power.txt"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(savedBytes(QStringLiteral("Country:USA\r\nLottery:Powerball\r\nKey:0\r\n\r\n"
                                      "5-17-3-41-9 + 2\r\n5-17-3-40-8 + 1\r\n1-2-3-4-6 + 2\r\n5-17-3-41-60 + 9\r\n")));
    f.close();
    CheckContext ctx;
    ctx.lotteryFacts = [](const QString &, const QString &) {
        LotteryFacts facts = fiveAndPowerball();
        facts.tiers = powerballLike().tiers;
        return std::optional(facts);
    };
    QString outText, errText;
    QTextStream out(&outText), err(&errText);
    const int status = runCheckCommand(
        {QStringLiteral("--draw"), QStringLiteral("41-17-5-3-69"), QStringLiteral("--bonus=2"), path}, out, err, ctx);
    QCOMPARE(status, 0);
    QCOMPARE(outText, QStringLiteral("USA, Powerball: 4 tickets in ") + path +
                          QStringLiteral("\n"
                                         "Draw: 3 5 17 41 69, bonus 2\n"
                                         "Tickets reaching the lowest prize:\n"
                                         "  Ticket 1: 5-17-3-41-9 + 2  (4 matches: 5 17 3 41, bonus 2)\n"
                                         "  Ticket 4: 5-17-3-41-60 + 9  (4 matches: 5 17 3 41)\n"
                                         "  Ticket 2: 5-17-3-40-8 + 1  (3 matches: 5 17 3)\n"
                                         "Summary: 2 tickets with 4 matches, 1 with 3, 1 with 1\n"
                                         "3 tickets reach the lowest prize (3 matches)\n"
                                         "Prize tiers:\n"
                                         "  Ticket 1: 4 + Powerball: 50,000.00 USD\n"
                                         "  Ticket 4: 4 matches: 100.00 USD\n"
                                         "  Ticket 2: 3 matches: 7.00 USD\n"
                                         "  Ticket 3: 1 + Powerball: 4.00 USD\n"
                                         "Tiers: 1 ticket wins 4 + Powerball, 1 wins 4 matches, 1 wins 3 matches, "
                                         "1 wins 1 + Powerball\n"
                                         "Fixed prizes won: 50,111.00 USD\n"));
}

QTEST_GUILESS_MAIN(TestDrawCheck)
#include "test_draw_check.moc"
