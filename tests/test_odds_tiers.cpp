// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/BonusSpread.h"
#include "core/Odds.h"
#include "core/SubsetCounts.h"

#include <QtTest>

#include <bit>

using Lines = std::vector<std::uint64_t>;
using Tiers = std::vector<odds::Tier>;
Q_DECLARE_METATYPE(Lines)
Q_DECLARE_METATYPE(Tiers)
Q_DECLARE_METATYPE(odds::Lottery)

class TestOddsTiers : public QObject {
    Q_OBJECT
private slots:
    void matchesEveryDraw_data();
    void matchesEveryDraw();
    void oneTicketSumsToAnyPrize();
    void firstRowWins();
    void subsetCountsMatchEnumeration();
    void nothingWonWithoutBonusNumbers();
    void refusesInvalid();
    void cancels();
};

namespace {

// Every r-subset of n places as bit sets, smallest first.
std::vector<std::uint64_t> subsets(int n, int r)
{
    std::vector<std::uint64_t> out;
    if (r == 0)
        return {0};
    for (std::uint64_t s = (std::uint64_t{1} << r) - 1; s < (std::uint64_t{1} << n);) {
        out.push_back(s);
        const std::uint64_t low = s & (~s + 1);
        const std::uint64_t ripple = s + low;
        s = (((ripple ^ s) >> 2) / low) | ripple;
    }
    return out;
}

Lines randomLines(int z, int k, int count, quint32 seed)
{
    QRandomGenerator rng(seed);
    Lines out;
    while (static_cast<int>(out.size()) < count) {
        std::uint64_t l = 0;
        while (std::popcount(l) < k)
            l |= std::uint64_t{1} << rng.bounded(z);
        out.push_back(l);
    }
    return out;
}

// The tickets of the lines, each carrying `perTicket` of the player's `chosen` bonus numbers as
// the tickets of a play are dealt them.
std::vector<odds::Ticket> ticketsOf(const Lines &lines, int chosen, int perTicket)
{
    QList<int> bonus;
    for (int i = 0; i < chosen; ++i)
        bonus << i;
    std::vector<odds::Ticket> tickets;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::uint64_t mask = 0;
        for (int b : bonusForTicket(bonus, perTicket, static_cast<qsizetype>(i)))
            mask |= std::uint64_t{1} << b;
        tickets.push_back({lines[i], mask});
    }
    return tickets;
}

// The same figures counted draw by draw: the player's numbers are 0..Z-1 of the pool and his bonus
// numbers 0..u-1 of the bonus pool.
odds::TierOdds everyDraw(const odds::TierQuestion &q)
{
    const odds::Lottery &l = q.lottery;
    const std::size_t tiers = q.tiers.size();
    std::vector<long double> any(tiers, 0);
    std::vector<long double> expected(tiers, 0);
    long double anyPrize = 0;
    long double draws = 0;
    const auto bonusDraws = l.bonusPool > 0 ? subsets(l.bonusPool, l.bonusDrawn) : std::vector<std::uint64_t>{0};
    const std::uint64_t pool = (std::uint64_t{1} << l.pool) - 1;
    for (const std::uint64_t main : subsets(l.pool, l.drawn)) {
        // The supplementary numbers come from what the main draw left: spread a subset over those places.
        std::vector<int> left;
        for (std::uint64_t r = pool & ~main; r; r &= r - 1)
            left.push_back(std::countr_zero(r));
        for (const std::uint64_t pick : subsets(static_cast<int>(left.size()), l.supplementary)) {
            std::uint64_t supplementary = 0;
            for (std::uint64_t r = pick; r; r &= r - 1)
                supplementary |= std::uint64_t{1} << left[static_cast<std::size_t>(std::countr_zero(r))];
            for (const std::uint64_t bonus : bonusDraws) {
                draws += 1;
                std::vector<bool> won(tiers, false);
                for (const odds::Ticket &t : q.tickets) {
                    const int tier =
                        odds::tierOf(q.tiers, std::popcount(t.line & main), std::popcount(t.line & supplementary),
                                     std::popcount(t.bonus & bonus));
                    if (tier >= 0) {
                        won[static_cast<std::size_t>(tier)] = true;
                        expected[static_cast<std::size_t>(tier)] += 1;
                    }
                }
                bool some = false;
                for (std::size_t i = 0; i < tiers; ++i)
                    if (won[i]) {
                        any[i] += 1;
                        some = true;
                    }
                if (some)
                    anyPrize += 1;
            }
        }
    }
    odds::TierOdds out;
    for (std::size_t i = 0; i < tiers; ++i) {
        out.anyTicket.push_back(static_cast<double>(any[i] / draws));
        out.expectedTickets.push_back(static_cast<double>(expected[i] / draws));
    }
    out.anyPrize = static_cast<double>(anyPrize / draws);
    return out;
}

bool near(double a, double b)
{
    return std::abs(a - b) <= 1e-13 + 1e-12 * std::abs(b);
}

} // namespace

void TestOddsTiers::matchesEveryDraw_data()
{
    QTest::addColumn<odds::Lottery>("lottery");
    QTest::addColumn<int>("numbers");
    QTest::addColumn<Lines>("lines");
    QTest::addColumn<int>("chosen");
    QTest::addColumn<int>("perTicket");
    QTest::addColumn<Tiers>("tiers");

    const Lines five{0x0f, 0x33, 0x3c, 0x55, 0x6a, 0x1e};  // 4 of 7 numbers, overlapping
    const Lines keyed{0x0f, 0x17, 0x1b, 0x1d, 0x71, 0x45}; // place 0 on most lines
    const Tiers withBall{{4, 0, 0}, {3, 1, 0}, {3, 0, 0}, {2, 1, 0}, {2, 0, 0}};
    QTest::newRow("a supplementary ball") << odds::Lottery{12, 4, 1, 0, 0} << 7 << five << 0 << 0 << withBall;
    QTest::newRow("a supplementary ball, key lines")
        << odds::Lottery{11, 4, 1, 0, 0} << 7 << keyed << 0 << 0 << withBall;
    QTest::newRow("every number played, a supplementary ball")
        << odds::Lottery{8, 3, 1, 0, 0} << 8 << Lines{0x07, 0x38, 0xc1, 0x92} << 0 << 0
        << Tiers{{3, 0, 0}, {2, 1, 0}, {2, 0, 0}, {1, 1, 0}};
    // Two supplementary numbers, with one tier of two patterns (one or two main numbers and both).
    QTest::newRow("two supplementary numbers")
        << odds::Lottery{11, 4, 2, 0, 0} << 7 << five << 0 << 0
        << Tiers{{4, 0, 0}, {3, 1, 0}, {3, 0, 0}, {2, 2, 0}, {1, 2, 0}, {2, 0, 0}};
    QTest::newRow("three supplementary numbers") << odds::Lottery{11, 3, 3, 0, 0} << 6 << Lines{0x07, 0x0e, 0x31, 0x2a}
                                                 << 0 << 0 << Tiers{{3, 0, 0}, {2, 1, 0}, {1, 2, 0}, {0, 3, 0}};
    const Tiers pooled{{4, 0, 1}, {4, 0, 0}, {3, 0, 1}, {3, 0, 0}, {2, 0, 1}, {1, 0, 1}, {0, 0, 1}};
    QTest::newRow("a bonus pool of 1 drawn, no bonus number chosen")
        << odds::Lottery{12, 4, 0, 5, 1} << 7 << five << 0 << 1 << pooled;
    QTest::newRow("a bonus pool of 1 drawn, one bonus number")
        << odds::Lottery{12, 4, 0, 5, 1} << 7 << five << 1 << 1 << pooled;
    QTest::newRow("a bonus pool of 1 drawn, three spread over the tickets")
        << odds::Lottery{12, 4, 0, 5, 1} << 7 << five << 3 << 1 << pooled;
    QTest::newRow("a bonus pool of 1 drawn, every bonus number chosen")
        << odds::Lottery{10, 4, 0, 4, 1} << 6 << Lines{0x0f, 0x3c, 0x33} << 4 << 1 << pooled;
    const Tiers stars{{4, 0, 2}, {4, 0, 1}, {4, 0, 0}, {3, 0, 2}, {3, 0, 1},
                      {2, 0, 2}, {3, 0, 0}, {1, 0, 2}, {2, 0, 1}, {2, 0, 0}};
    QTest::newRow("a bonus pool of 2 drawn, two carried")
        << odds::Lottery{11, 4, 0, 6, 2} << 7 << five << 2 << 2 << stars;
    QTest::newRow("a bonus pool of 2 drawn, four spread two a ticket")
        << odds::Lottery{11, 4, 0, 6, 2} << 7 << five << 4 << 2 << stars;
    QTest::newRow("a bonus pool of 2 drawn, three spread one a ticket")
        << odds::Lottery{11, 4, 0, 6, 2} << 7 << five << 3 << 1 << stars;
    // Enough tickets that most subsets of the player's numbers find every supplementary number on
    // some ticket and off another, so the count takes its shortcuts.
    QTest::newRow("many tickets, a supplementary ball")
        << odds::Lottery{17, 4, 1, 0, 0} << 15 << randomLines(15, 4, 60, 1) << 0 << 0 << withBall;
    Lines keyedMany = randomLines(15, 3, 60, 4);
    for (auto &l : keyedMany)
        l = (l << 1) | 1; // every ticket holds the key, the first number
    QTest::newRow("many key tickets, a supplementary ball")
        << odds::Lottery{18, 4, 1, 0, 0} << 16 << keyedMany << 0 << 0 << withBall;
    // Each ticket is place 9, one of places 0 to 2 and one more: a subset holding 0, 1, 2 and 9
    // has no ticket with one main match, though the subset 0, 1, 2 has many.
    Lines throughNine;
    for (int p = 0; p < 3; ++p)
        for (int q = 3; q < 12; ++q)
            if (q != 9)
                throughNine.push_back(std::uint64_t{1} << 9 | std::uint64_t{1} << p | std::uint64_t{1} << q);
    QTest::newRow("tickets through one later place and one of three, a supplementary ball")
        << odds::Lottery{14, 5, 1, 0, 0} << 12 << throughNine << 0 << 0
        << Tiers{{3, 0, 0}, {2, 1, 0}, {2, 0, 0}, {1, 1, 0}, {1, 0, 0}};
    // The same with one of places 0 and 1 and two more: the subset 0, 1, 9 counts its children at
    // once, and its tickets with one main match are not those of the subset 0, 1.
    Lines fourThroughNine;
    for (int p = 0; p < 2; ++p)
        for (int q = 2; q < 12; ++q)
            for (int r = q + 1; r < 12; ++r)
                if (q != 9 && r != 9)
                    fourThroughNine.push_back(std::uint64_t{1} << 9 | std::uint64_t{1} << p | std::uint64_t{1} << q |
                                              std::uint64_t{1} << r);
    QTest::newRow("tickets through one later place and one of two, a supplementary ball")
        << odds::Lottery{14, 4, 1, 0, 0} << 12 << fourThroughNine << 0 << 0
        << Tiers{{4, 0, 0}, {3, 0, 0}, {2, 1, 0}, {2, 0, 0}, {1, 1, 0}, {1, 0, 0}};
    // Too many tickets with one main match to split a node's children by, and place 11 only ever
    // beside place 10: with 10 drawn no ticket of one match holds 11.
    Lines besideTen = subsets(10, 3);
    besideTen.push_back(0x0c01);
    QTest::newRow("many tickets, one place only beside another, a supplementary ball")
        << odds::Lottery{14, 4, 1, 0, 0} << 12 << besideTen << 0 << 0
        << Tiers{{3, 0, 0}, {2, 1, 0}, {2, 0, 0}, {1, 1, 0}, {1, 0, 0}};
    const Tiers oneSupplementaryEnough{{4, 0, 0}, {3, 1, 0}, {3, 0, 0}, {2, 1, 0}};
    QTest::newRow("many tickets, two supplementary numbers")
        << odds::Lottery{16, 4, 2, 0, 0} << 15 << randomLines(15, 4, 60, 5) << 0 << 0 << oneSupplementaryEnough;
    // Few tickets: every place on one is told apart; a key wheel's key, undrawn, meets every ticket.
    QTest::newRow("few tickets, two supplementary numbers")
        << odds::Lottery{11, 4, 2, 0, 0} << 7 << five << 0 << 0 << oneSupplementaryEnough;
    QTest::newRow("many key tickets, two supplementary numbers, bonus numbers spread")
        << odds::Lottery{17, 4, 2, 5, 1} << 16 << keyedMany << 3 << 1
        << Tiers{{4, 0, 1}, {4, 0, 0}, {3, 1, 0}, {3, 0, 1}, {3, 0, 0}, {2, 1, 1}, {2, 0, 0}};
    // Tickets with two main matches are many: the slot's tickets stop being read once they cover
    // every undrawn place and three share no place but the key.
    QTest::newRow("many key tickets, two supplementary numbers, few drawn")
        << odds::Lottery{16, 3, 2, 0, 0} << 16 << keyedMany << 0 << 0
        << Tiers{{3, 0, 0}, {2, 1, 0}, {2, 0, 0}, {1, 1, 0}};
    // Every ticket through place 0 or 1: no three apart, so with many tickets of two main matches
    // the draws meeting them all are counted place by place.
    Lines twoHubs = randomLines(12, 4, 48, 9);
    for (std::size_t i = 0; i < twoHubs.size(); ++i)
        twoHubs[i] = (twoHubs[i] << 2) | (std::uint64_t{1} << (i % 2));
    QTest::newRow("tickets through one of two places, three supplementary numbers")
        << odds::Lottery{16, 4, 3, 0, 0} << 14 << twoHubs << 0 << 0
        << Tiers{{4, 0, 0}, {3, 1, 0}, {3, 0, 0}, {2, 1, 0}, {2, 0, 0}};
    QTest::newRow("many key tickets, three supplementary numbers")
        << odds::Lottery{16, 4, 3, 0, 0} << 16 << keyedMany << 0 << 0 << oneSupplementaryEnough;
    // A tier of both supplementary numbers on one ticket, every ticket through the key: a pair
    // holding the key is on a ticket wherever its other number is.
    QTest::newRow("many key tickets, two supplementary numbers, a tier of both")
        << odds::Lottery{17, 4, 2, 0, 0} << 16 << keyedMany << 0 << 0
        << Tiers{{4, 0, 0}, {3, 1, 0}, {3, 0, 0}, {2, 2, 0}, {1, 2, 0}};
    QTest::newRow("many tickets, two supplementary numbers, a tier of both")
        << odds::Lottery{16, 4, 2, 0, 0} << 14 << randomLines(14, 4, 50, 6) << 0 << 0
        << Tiers{{4, 0, 0}, {3, 1, 0}, {3, 0, 0}, {2, 2, 0}, {1, 2, 0}};
    // Three supplementary numbers with a tier of two of them on a ticket (pairs sharing places with
    // each other: a triple can hold two or three of them), and a tier of none beside one of one.
    const Tiers twoOfThree{{4, 0, 0}, {3, 1, 0}, {3, 0, 0}, {2, 2, 0}, {1, 2, 0}};
    QTest::newRow("three supplementary numbers, a tier of two")
        << odds::Lottery{12, 4, 3, 0, 0} << 9 << randomLines(9, 4, 7, 7) << 0 << 0 << twoOfThree;
    QTest::newRow("many tickets, three supplementary numbers, a tier of two")
        << odds::Lottery{13, 4, 3, 0, 0} << 12 << randomLines(12, 4, 40, 8) << 0 << 0 << twoOfThree;
    QTest::newRow("many tickets, a supplementary ball, bonus numbers spread")
        << odds::Lottery{16, 4, 1, 5, 1} << 14 << randomLines(14, 4, 50, 2) << 3 << 1
        << Tiers{{4, 0, 1}, {4, 0, 0}, {3, 1, 0}, {3, 0, 1}, {2, 1, 0}, {1, 1, 1}, {0, 0, 1}};
    QTest::newRow("many tickets, two drawn from a bonus pool")
        << odds::Lottery{15, 4, 0, 6, 2} << 15 << randomLines(15, 4, 70, 3) << 4 << 2 << stars;
    QTest::newRow("a supplementary ball and a bonus pool")
        << odds::Lottery{11, 4, 1, 4, 1} << 7 << keyed << 2 << 1
        << Tiers{{4, 0, 1}, {4, 0, 0}, {3, 1, 0}, {3, 0, 0}, {2, 0, 0}, {0, 0, 1}};
    QTest::newRow("a supplementary ball and a bonus pool, no bonus number chosen")
        << odds::Lottery{11, 4, 1, 4, 1} << 7 << keyed << 0 << 0
        << Tiers{{4, 0, 1}, {4, 0, 0}, {3, 1, 1}, {3, 1, 0}, {3, 0, 0}, {2, 1, 1}, {2, 0, 0}};
    QTest::newRow("a supplementary ball, two drawn from a bonus pool, two a ticket")
        << odds::Lottery{12, 4, 1, 6, 2} << 7 << five << 4 << 2
        << Tiers{{4, 0, 2}, {4, 0, 0}, {3, 1, 1}, {3, 1, 0}, {3, 0, 2}, {3, 0, 0}, {2, 1, 0}, {1, 0, 2}};
    QTest::newRow("a supplementary ball, two of eight bonus numbers drawn, six chosen")
        << odds::Lottery{11, 4, 1, 8, 2} << 7 << five << 6 << 2
        << Tiers{{4, 0, 2}, {4, 0, 0}, {3, 1, 1}, {3, 1, 0}, {3, 0, 2}, {3, 0, 0}, {2, 1, 0}, {1, 0, 2}};
    QTest::newRow("many key tickets, a supplementary ball, bonus numbers spread")
        << odds::Lottery{18, 4, 1, 5, 1} << 16 << keyedMany << 3 << 1
        << Tiers{{4, 0, 1}, {4, 0, 0}, {3, 1, 1}, {3, 1, 0}, {3, 0, 0}, {2, 1, 0}, {2, 0, 1}};
}

// Every draw of a small lottery, counted one by one, against the count over the player's numbers.
void TestOddsTiers::matchesEveryDraw()
{
    QFETCH(odds::Lottery, lottery);
    QFETCH(int, numbers);
    QFETCH(Lines, lines);
    QFETCH(int, chosen);
    QFETCH(int, perTicket);
    QFETCH(Tiers, tiers);
    odds::TierQuestion q;
    q.lottery = lottery;
    q.numbers = numbers;
    q.bonusNumbers = chosen;
    q.tickets = ticketsOf(lines, chosen, perTicket);
    q.tiers = tiers;
    odds::TierOdds counted;
    std::string error;
    QCOMPARE(odds::computeTiers(q, counted, error), odds::Status::Done);
    const odds::TierOdds truth = everyDraw(q);
    QCOMPARE(counted.anyTicket.size(), tiers.size());
    bool someWon = false;
    for (std::size_t i = 0; i < tiers.size(); ++i) {
        QVERIFY2(near(counted.anyTicket[i], truth.anyTicket[i]),
                 qPrintable(QStringLiteral("tier %1: %2 counted, %3 by every draw")
                                .arg(i)
                                .arg(counted.anyTicket[i], 0, 'g', 17)
                                .arg(truth.anyTicket[i], 0, 'g', 17)));
        QVERIFY2(near(counted.expectedTickets[i], truth.expectedTickets[i]),
                 qPrintable(QStringLiteral("tier %1 expected: %2 counted, %3 by every draw")
                                .arg(i)
                                .arg(counted.expectedTickets[i], 0, 'g', 17)
                                .arg(truth.expectedTickets[i], 0, 'g', 17)));
        someWon = someWon || truth.anyTicket[i] > 0;
        // No tier is likelier than winning anything, nor than the tickets expected in it.
        QVERIFY(counted.anyTicket[i] <= counted.anyPrize + 1e-15);
        QVERIFY(counted.anyTicket[i] <= counted.expectedTickets[i] + 1e-15);
    }
    QVERIFY(someWon);
    QVERIFY(near(counted.anyPrize, truth.anyPrize));
}

// One ticket is in one tier at most, so its tiers add up to its chance of any prize, and so do its
// expected counts.
void TestOddsTiers::oneTicketSumsToAnyPrize()
{
    odds::TierQuestion q;
    q.lottery = {49, 6, 1, 0, 0};
    q.numbers = 6;
    q.tickets = {{0x3f, 0}};
    q.tiers = {{6, 0, 0}, {5, 1, 0}, {5, 0, 0}, {4, 0, 0}, {3, 0, 0}, {2, 1, 0}, {2, 0, 0}};
    odds::TierOdds o;
    std::string error;
    QCOMPARE(odds::computeTiers(q, o, error), odds::Status::Done);
    double sum = 0;
    double expected = 0;
    for (std::size_t i = 0; i < q.tiers.size(); ++i) {
        sum += o.anyTicket[i];
        expected += o.expectedTickets[i];
        QVERIFY(near(o.anyTicket[i], o.expectedTickets[i]));
    }
    QVERIFY(near(sum, o.anyPrize));
    QVERIFY(near(expected, o.anyPrize));
    // The published odds of one Lotto 6/49 ticket: 1 in 13,983,816 for six, 6 in that for five and the bonus.
    QVERIFY(near(o.anyTicket[0], 1.0 / 13983816));
    QVERIFY(near(o.anyTicket[1], 6.0 / 13983816));
    QVERIFY(near(o.anyTicket[2], 252.0 / 13983816));
}

void TestOddsTiers::firstRowWins()
{
    const std::vector<odds::Tier> tiers{{5, 0, 2}, {5, 0, 1}, {5, 0, 0}, {2, 2, 0}, {1, 2, 0}};
    QCOMPARE(odds::tierOf(tiers, 5, 0, 2), 0);
    QCOMPARE(odds::tierOf(tiers, 5, 0, 1), 1);
    QCOMPARE(odds::tierOf(tiers, 5, 3, 0), 2);
    QCOMPARE(odds::tierOf(tiers, 2, 3, 0), 3);
    QCOMPARE(odds::tierOf(tiers, 1, 2, 9), 4);
    QCOMPARE(odds::tierOf(tiers, 1, 1, 0), -1);
    QCOMPARE(odds::tierOf(tiers, 4, 0, 2), -1);
}

// The draws of a few numbers meeting every set, or holding a pair of one, against every draw.
void TestOddsTiers::subsetCountsMatchEnumeration()
{
    QRandomGenerator rng(11);
    const int places = 14;
    const int pool = 17; // three numbers of the pool lie on no set
    for (int round = 0; round < 60; ++round) {
        // Through one of two places no three sets are disjoint, and triples through them are many
        // with none holding another: both ways of counting are taken.
        const bool star = round % 2;
        const int count = 1 + static_cast<int>(rng.bounded(star ? 30u : 6u));
        Lines sets;
        std::array<std::uint64_t, 64> near{};
        for (int i = 0; i < count; ++i) {
            std::uint64_t set = star ? std::uint64_t{1} << (i % 2) : 0;
            const int size = star ? 3 : 2 + static_cast<int>(rng.bounded(3u));
            while (std::popcount(set) < size)
                set |= std::uint64_t{1} << rng.bounded(places);
            sets.push_back(set);
            for (std::uint64_t r = set; r; r &= r - 1)
                near[static_cast<std::size_t>(std::countr_zero(r))] |= set & ~(r & (~r + 1));
        }
        for (int r = 1; r <= 4; ++r) {
            std::uint64_t meeting = 0, holding = 0;
            for (const std::uint64_t draw : subsets(pool, r)) {
                meeting += std::all_of(sets.begin(), sets.end(), [&](std::uint64_t set) { return (set & draw) != 0; });
                holding += std::any_of(sets.begin(), sets.end(),
                                       [&](std::uint64_t set) { return std::popcount(set & draw) >= 2; });
            }
            bool ok = false;
            const std::uint64_t counted = odds::subsetsMeetingEvery(sets, pool, r, ok);
            if (ok)
                QCOMPARE(counted, meeting);
            else
                QVERIFY(r > 3); // only four or more draws may be refused
            if (r == 2 || r == 3)
                QCOMPARE(odds::subsetsHoldingAPair(near, (std::uint64_t{1} << places) - 1, pool, r), holding);
        }
    }
    QCOMPARE(odds::subsetsOf(99, 8), std::uint64_t{171200862756});
    QCOMPARE(odds::subsetsOf(3, 4), std::uint64_t{0});
}

// Every tier asks the bonus ball and the player chose no bonus number: no draw wins anything.
void TestOddsTiers::nothingWonWithoutBonusNumbers()
{
    odds::TierQuestion q;
    q.lottery = {12, 4, 1, 5, 1};
    q.numbers = 9;
    q.tickets = ticketsOf(randomLines(9, 4, 12, 4), 0, 0);
    q.tiers = {{4, 0, 1}, {3, 1, 1}, {3, 0, 1}, {2, 0, 1}};
    odds::TierOdds counted;
    std::string error;
    QCOMPARE(odds::computeTiers(q, counted, error), odds::Status::Done);
    const odds::TierOdds truth = everyDraw(q);
    QCOMPARE(counted.anyTicket, truth.anyTicket);
    QCOMPARE(counted.expectedTickets, truth.expectedTickets);
    QCOMPARE(counted.anyPrize, 0.0);
    QCOMPARE(truth.anyPrize, 0.0);
}

void TestOddsTiers::refusesInvalid()
{
    const auto refused = [](const odds::TierQuestion &q) {
        odds::TierOdds o;
        std::string error;
        return odds::computeTiers(q, o, error) == odds::Status::Invalid && !error.empty() && o.anyTicket.empty();
    };
    odds::TierQuestion good;
    good.lottery = {20, 5, 1, 10, 1};
    good.numbers = 8;
    good.bonusNumbers = 2;
    good.tickets = {{0x1f, 1}, {0xf8, 2}};
    good.tiers = {{5, 0, 1}, {4, 1, 0}};
    QVERIFY(!refused(good));
    auto q = good;
    q.tiers.clear();
    QVERIFY(refused(q)); // nothing to count
    q = good;
    q.tickets.clear();
    QVERIFY(refused(q));
    q = good;
    q.tickets[1].line = 0x100;
    QVERIFY(refused(q)); // a place beyond the eight numbers
    q = good;
    q.tickets[0].bonus = 4;
    QVERIFY(refused(q)); // a third bonus number, of two chosen
    q = good;
    q.bonusNumbers = 11;
    QVERIFY(refused(q)); // more than the bonus pool
    q = good;
    q.lottery.supplementary = 16;
    QVERIFY(refused(q)); // more than the pool keeps after the main draw
    q = good;
    q.lottery.bonusDrawn = 0;
    QVERIFY(refused(q)); // a bonus pool that draws nothing
}

void TestOddsTiers::cancels()
{
    std::atomic<bool> stop{true};
    odds::TierQuestion q;
    q.lottery = {49, 6, 1, 0, 0};
    q.numbers = 30;
    for (int i = 0; i < 200; ++i)
        q.tickets.push_back({(std::uint64_t{0x3f} << (i % 24)) | (std::uint64_t{1} << ((i * 7) % 30)), 0});
    q.tiers = {{6, 0, 0}, {5, 1, 0}, {3, 0, 0}};
    q.cancel = &stop;
    odds::TierOdds o;
    std::string error;
    QCOMPARE(odds::computeTiers(q, o, error), odds::Status::Cancelled);
    QVERIFY(o.anyTicket.empty());
}

QTEST_GUILESS_MAIN(TestOddsTiers)
#include "test_odds_tiers.moc"
