// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheelsearch/borrowedlines.h"
#include "wheelsearch/designs.h"
#include "wheelsearch/exactcover.h"
#include "wheelsearch/extend.h"
#include "wheelsearch/fixedcount.h"
#include "wheelsearch/groupcover.h"
#include "wheelsearch/groups.h"
#include "wheelsearch/join.h"
#include "wheelsearch/notes.h"
#include "wheelsearch/orbits.h"
#include "wheelsearch/quads.h"
#include "wheelsearch/records.h"
#include "wheelsearch/search.h"
#include "wheelsearch/shipping.h"
#include "wheelsearch/verify.h"
#include "wheelsearch/wheelfile.h"

#include <QtTest>

#include <algorithm>
#include <bit>
#include <map>
#include <numeric>
#include <set>

using namespace wheel;

namespace {

// How many blocks each pair of points lies on; only pairs on some block are listed.
std::map<std::pair<int, int>, int> blocksOnPairs(const std::vector<Line> &blocks)
{
    std::map<std::pair<int, int>, int> on;
    for (Line b : blocks) {
        int pos[64];
        const int n = positionsOf(b, pos);
        for (int i = 0; i < n; ++i)
            for (int j = i + 1; j < n; ++j)
                ++on[{pos[i], pos[j]}];
    }
    return on;
}

bool allOfSize(const std::vector<Line> &blocks, int k)
{
    return std::all_of(blocks.begin(), blocks.end(), [k](Line b) { return std::popcount(b) == k; });
}

} // namespace

class TestEngine : public QObject {
    Q_OBJECT
private slots:
    void verifierFindsHoles();
    void verifierRefusesMisshapenLines_data();
    void verifierRefusesMisshapenLines();
    void verifierAcceptsKnownDesigns();
    void verifierReachesFortyNineNumbers();
    void searchReachesKnownOptima_data();
    void searchReachesKnownOptima();
    void turnsMoveRunsAndKeepFixedPoints();
    void orbitSearchFindsCyclicDesigns_data();
    void orbitSearchFindsCyclicDesigns();
    void fieldsAndGeometricGroupsHaveTheirOrders();
    void groupSearchFindsDesignsOfGeometry_data();
    void groupSearchFindsDesignsOfGeometry();
    void backtrackingOverOrbitsFindsExactDesigns();
    void fixedCountSearchReachesDesignsAndStopsAtTheBound();
    void keyWheelsCarryTheKey();
    void wheelFilesRefuseBadInput_data();
    void wheelFilesRefuseBadInput();
    void selectionDropsPointlessWheels();
    void largePicksAreSearchedAndProven();
    void neighboursLendTheirWheels();
    void partsJoinIntoLargerWheels();
    void notesTravelWithTheirWheels();
    void keyWheelsBorrowTheLinesOfTheirDesign();
    void wheelsNameTheWheelsTheyGrowFrom();
    void reportComparesWithRecords();
    void constructedWheelsAreSteinerSystems();
    void transversalDesignsHoldEveryPair();
    void quadraticsHoldEveryTriple();
    void puncturedInversivePlaneHoldsEveryTriple();
    void exactCoverMeetsEveryColumnAsOftenAsAsked();
    void exactPairCoversMeetPairsAsOftenAsAsked();
    void groupDivisibleCoversReachTheBound();
    void steinerSystemsGrowByOneNumber();
    void extensionsByNewNumbersHoldEveryTriple();
};

static std::vector<Line> lines(std::initializer_list<const char *> texts, int z)
{
    std::vector<Line> out;
    for (const char *t : texts) {
        Line l = 0;
        std::string error;
        if (!parseLine(t, z, l, error))
            qFatal("bad test line %s", t);
        out.push_back(l);
    }
    return out;
}

void TestEngine::verifierFindsHoles()
{
    // The Fano plane covers every pair of 7 points with 7 triples; drop one and a pair is bare.
    auto fano = lines({"01-02-03", "01-04-05", "01-06-07", "02-04-06", "02-05-07", "03-04-07", "03-05-06"}, 7);
    QVERIFY(verifyWheel({3, 'a', 7, 2, 2}, fano).holds);
    fano.pop_back();
    const auto v = verifyWheel({3, 'a', 7, 2, 2}, fano);
    QVERIFY(!v.holds);
    QCOMPARE(std::popcount(v.hole), 2);
    QVERIFY((v.hole & ((1u << 2) | (1u << 4))) == ((1u << 2) | (1u << 4))); // 03 and 05 never meet
}

void TestEngine::verifierRefusesMisshapenLines_data()
{
    QTest::addColumn<int>("pick");
    QTest::addColumn<char>("type");
    QTest::addColumn<int>("z");
    QTest::addColumn<QString>("extra");
    QTest::addColumn<QString>("reason");
    // Each wheel below holds without its extra line, so only the line's shape can refuse it.
    QTest::newRow("key wheel line without the key")
        << 3 << 'k' << 5 << QStringLiteral("02-03-04") << QStringLiteral("lacks position 01");
    QTest::newRow("line beyond the numbers")
        << 3 << 'a' << 6 << QStringLiteral("01-02-07") << QStringLiteral("does not hold 3 positions of 01..6");
    QTest::newRow("line too short") << 3 << 'a' << 6 << QStringLiteral("01-02")
                                    << QStringLiteral("does not hold 3 positions");
}

void TestEngine::verifierRefusesMisshapenLines()
{
    QFETCH(int, pick);
    QFETCH(char, type);
    QFETCH(int, z);
    QFETCH(QString, extra);
    QFETCH(QString, reason);
    Entry full = fullWheel(pick, type, z);
    full.spec.x = 2;
    full.spec.y = 2;
    QVERIFY(verifyWheel(full.spec, full.lines).holds);
    full.lines.push_back(lines({extra.toLatin1().constData()}, 7).front());
    const auto v = verifyWheel(full.spec, full.lines);
    QVERIFY(!v.holds);
    QVERIFY2(QString::fromStdString(v.reason).contains(reason), v.reason.c_str());
    QCOMPARE(v.hole, Line{0});
}

void TestEngine::verifierAcceptsKnownDesigns()
{
    // "3 if 4" on 8 numbers with 4 lines of 6 is not possible with 2 lines but is with the
    // full wheel; full wheels always hold.
    // As many numbers as a ticket holds: the one line is every combination.
    for (char type : {'a', 'k'}) {
        const auto one = fullWheel(5, type, 5);
        QCOMPARE(one.lines.size(), std::size_t(1));
        QVERIFY(verifyWheel(one.spec, one.lines).holds);
        QVERIFY(verifyWheel({5, type, 5, 3, 4}, one.lines).holds);
    }
    // A key wheel "1 if y" is the key alone: it matches every drawn set that holds the key.
    QVERIFY(verifyWheel({3, 'k', 5, 1, 3}, {Line{0b00111}}).holds);
    QVERIFY(verifyWheel({3, 'k', 9, 1, 2}, {Line{0b00111}}).holds);
    QVERIFY(!verifyWheel({3, 'a', 6, 1, 3}, {Line{0b00111}}).holds); // 04-05-06 misses it
    for (int z = 6; z <= 9; ++z) {
        const auto full = fullWheel(5, 'a', z);
        QCOMPARE(full.lines.size(), binomial(z, 5));
        QVERIFY(verifyWheel(full.spec, full.lines).holds);
        const auto key = fullWheel(5, 'k', z);
        QCOMPARE(key.lines.size(), binomial(z - 1, 4));
        QVERIFY(verifyWheel(key.spec, key.lines).holds);
    }
}

void TestEngine::verifierReachesFortyNineNumbers()
{
    // Seven lines of seven split 49 numbers: any seven drawn meet some line, but seven
    // drawn one from each line meet none of them twice.
    std::vector<Line> parts;
    for (int i = 0; i < 7; ++i)
        parts.push_back(Line{0x7f} << (7 * i));
    QVERIFY(verifyWheel({7, 'a', 49, 1, 7}, parts).holds);
    const auto v = verifyWheel({7, 'a', 49, 2, 7}, parts);
    QVERIFY(!v.holds);
    QCOMPARE(std::popcount(v.hole), 7);
    for (Line part : parts)
        QCOMPARE(std::popcount(v.hole & part), 1);
    QCOMPARE(formatLine(parts.back()), std::string("43-44-45-46-47-48-49"));
    Line l = 0;
    std::string error;
    QVERIFY(parseLine("43-44-45-46-47-48-49", 49, l, error) && l == parts.back());
    QVERIFY(!parseLine("44-45-46-47-48-49-50", 49, l, error));
}

void TestEngine::searchReachesKnownOptima_data()
{
    QTest::addColumn<int>("v");
    QTest::addColumn<int>("k");
    QTest::addColumn<int>("t");
    QTest::addColumn<int>("optimum");
    QTest::addColumn<bool>("tabu");
    for (bool tabu : {true, false}) {
        const char *how = tabu ? "tabu" : "annealing";
        QTest::addRow("C(7,3,2) %s", how) << 7 << 3 << 2 << 7 << tabu;
        QTest::addRow("C(9,3,2) %s", how) << 9 << 3 << 2 << 12 << tabu;
        QTest::addRow("C(10,5,4) %s", how) << 10 << 5 << 4 << 51 << tabu;
    }
}

void TestEngine::searchReachesKnownOptima()
{
    QFETCH(int, v);
    QFETCH(int, k);
    QFETCH(int, t);
    QFETCH(int, optimum);
    QFETCH(bool, tabu);
    SearchOptions o;
    o.seed = 7;
    o.tabu = tabu;
    o.movesPerLevel = tabu ? 10'000 : 400'000;
    const auto r = searchDesign({v, k, t, t}, o);
    QCOMPARE(static_cast<int>(r.blocks.size()), optimum);
    QVERIFY(verifyWheel({k, 'a', v, t, t}, r.blocks).holds);
    QVERIFY(r.blocks.size() <= r.greedyLines);
    // The same seed gives the same wheel.
    QCOMPARE(searchDesign({v, k, t, t}, o).blocks, r.blocks);
}

void TestEngine::turnsMoveRunsAndKeepFixedPoints()
{
    // Two runs of 5 and two fixed points on 12.
    const PointCycles g{5, 2};
    QCOMPARE(g.fixedPoints(12), 2);
    const Line s = (Line{1} << 4) | (Line{1} << 5) | (Line{1} << 11);
    // The last of the first run goes round to its first; the second run's first moves on; 11 stays.
    QCOMPARE(g.turn(s, 1), (Line{1} << 0) | (Line{1} << 6) | (Line{1} << 11));
    QCOMPARE(g.turn(s, 5), s);
    QCOMPARE(g.turn(g.turn(s, 3), -3), s);
    // Runs on 49 points fill the whole word.
    const PointCycles wide{49, 1};
    QCOMPARE(wide.turn(Line{1} << 48, 1), Line{1});
    for (const auto &group : cycleGroupsFor(49, 12)) {
        QVERIFY(group.length >= 12);
        QVERIFY(group.fixedPoints(49) >= 0 && group.fixedPoints(49) <= 3);
    }
    // The largest group first: two runs of 23 with x -> ax + b, a of order 11, three fixed.
    const auto groups = cycleGroupsFor(49, 12);
    QCOMPARE(groups.front().length, 23);
    QCOMPARE(groups.front().cycles, 2);
    QCOMPARE(groups.front().order(), 23 * 11);
    // Every order dividing 46 up to 12 is offered on the run of 47.
    QCOMPARE(std::count_if(groups.begin(), groups.end(), [](const PointCycles &g) { return g.length == 47; }), 2);
    for (const auto &group : groups)
        QVERIFY(group.order() <= groups.front().order());
    // Multiplying maps onto the run: 2x + 1 on 5 takes {0, 1} to {1, 3}, and x -> 4x + b is
    // the mirror image.
    const PointCycles mirror{5, 1, 4};
    QCOMPARE(mirror.order(), 10);
    QCOMPARE(PointCycles({5, 1, 2}).image(Line{3}, 5 + 1), Line{(1 << 1) | (1 << 3)});
    QCOMPARE(mirror.image(Line{1} << 1, 5), Line{1} << 4);
}

void TestEngine::orbitSearchFindsCyclicDesigns_data()
{
    QTest::addColumn<int>("v");
    QTest::addColumn<int>("k");
    QTest::addColumn<int>("t");
    QTest::addColumn<int>("m");
    QTest::addColumn<int>("runLength");
    QTest::addColumn<int>("runs");
    QTest::addColumn<int>("optimum");
    // Difference sets: one base block and its turns.
    QTest::addRow("Fano plane") << 7 << 3 << 2 << 2 << 7 << 1 << 7;
    QTest::addRow("plane of order 3") << 13 << 4 << 2 << 2 << 13 << 1 << 13;
    QTest::addRow("C(17,5,3)") << 17 << 5 << 3 << 3 << 17 << 1 << 68;
    // A fixed point: the Steiner system S(3,4,8) from two base blocks turned on 7 points.
    QTest::addRow("S(3,4,8)") << 8 << 4 << 3 << 3 << 7 << 1 << 14;
}

void TestEngine::orbitSearchFindsCyclicDesigns()
{
    QFETCH(int, v);
    QFETCH(int, k);
    QFETCH(int, t);
    QFETCH(int, m);
    QFETCH(int, runLength);
    QFETCH(int, runs);
    QFETCH(int, optimum);
    OrbitSearchOptions o;
    o.group = {runLength, runs};
    o.seed = 3;
    o.secondsCap = 20;
    o.movesPerLevel = 20'000;
    const auto r = searchOrbitDesign({v, k, t, m}, o);
    QCOMPARE(static_cast<int>(r.blocks.size()), optimum);
    QVERIFY(verifyWheel({k, 'a', v, t, m}, r.blocks).holds);
    // The design is the group's: every turn of every line is a line.
    for (Line b : r.blocks)
        QVERIFY(std::find(r.blocks.begin(), r.blocks.end(), o.group.turn(b, 1)) != r.blocks.end());
}

void TestEngine::fieldsAndGeometricGroupsHaveTheirOrders()
{
    // Every field that fits: multiplying and adding obey the laws, the generator's powers
    // meet every nonzero element, and x -> x^p is additive.
    for (int q : {4, 5, 8, 9, 16, 25, 27, 32, 49}) {
        const Field f(q);
        QVERIFY2(f.valid(), qPrintable(QString::number(q)));
        std::set<int> powers;
        for (int i = 0; i < q - 1; ++i)
            powers.insert(f.power(i));
        QCOMPARE(static_cast<int>(powers.size()), q - 1);
        for (int a = 0; a < q; ++a) {
            QCOMPARE(f.add(a, f.neg(a)), 0);
            if (a != 0)
                QCOMPARE(f.mul(a, f.inv(a)), 1);
            for (int b = 0; b < q; ++b) {
                QCOMPARE(f.frobenius(f.add(a, b)), f.add(f.frobenius(a), f.frobenius(b)));
                const int c = (a * 7 + b * 3 + 1) % q;
                QCOMPARE(f.mul(a, f.add(b, c)), f.add(f.mul(a, b), f.mul(a, c)));
            }
        }
    }
    QVERIFY(!Field(6).valid());
    QVERIFY(!Field(50).valid());

    // The orders say the maps are the right ones: PSL(2,q) has q(q^2-1)/2 maps for odd q,
    // PGL(2,q) twice that, AGL(1,q) q(q-1), ASL(2,q) q^3(q^2-1).
    std::map<std::string, std::size_t> orders;
    for (const auto &g : geometricGroupsFor(26, 200'000)) {
        orders[g.name] = g.order();
        QCOMPARE(g.v, 26);
        // Every map is a permutation of the 26 numbers.
        for (std::size_t i = 0; i < g.order(); i += 97) {
            std::set<int> images(g.maps[i].begin(), g.maps[i].begin() + 26);
            QCOMPARE(static_cast<int>(images.size()), 26);
            QCOMPARE(*images.rbegin(), 25);
        }
    }
    QCOMPARE(orders["PSL(2,25)"], std::size_t{25 * 624 / 2});
    QCOMPARE(orders["PGL(2,25)"], std::size_t{25 * 624});
    QCOMPARE(orders["PGL(2,25) and x->x^5"], std::size_t{25 * 624 * 2});
    QCOMPARE(orders["AGL(1,25), 1 fixed"], std::size_t{25 * 24});
    QCOMPARE(orders["x->ax+b on GF(25) with a^8=1, 1 fixed"], std::size_t{25 * 8});
    QCOMPARE(orders["the translations of GF(13) on 2 copies"], std::size_t{13});
    QCOMPARE(orders["ASL(2,5), 1 fixed"], std::size_t{125 * 24});
    QCOMPARE(orders["PSL(2,11) on 2 copies, 2 fixed"], std::size_t{660});
    QCOMPARE(orders["the turns modulo 2 times AGL(1,13)"], std::size_t{2 * 13 * 12});
    QCOMPARE(orders["the translations of GF(4) times the turns modulo 6, 2 fixed"], std::size_t{24});
    QVERIFY(orders.count("the turns modulo 2 times the turns modulo 13") == 0); // the turns modulo 26
    // The affine lines may leave up to six numbers fixed, the other geometries three.
    QCOMPARE(orders["x->ax+b on GF(11) with a^5=1 on 2 copies, 4 fixed"], std::size_t{11 * 5});
    QCOMPARE(orders["AGL(1,7) on 3 copies, 5 fixed"], std::size_t{7 * 6});
    QVERIFY(orders.count("AGL(1,19), 7 fixed") == 0);
    for (const auto &g : geometricGroupsFor(26, 1000))
        if (g.name.ends_with(", 5 fixed"))
            for (const auto &map : g.maps)
                for (std::size_t x = 21; x < 26; ++x)
                    QCOMPARE(static_cast<std::size_t>(map[x]), x);
    // Too small a group for its sets is refused, not searched for hours.
    const auto thirteen = geometricGroupsFor(13, 1000);
    GroupSearchOptions few;
    few.mostOrbits = 3;
    QVERIFY(searchGroupDesign({13, 4, 2, 2}, thirteen.front(), few).tooLarge);
    // So is one whose orbits are few but would take too many lookups to weigh.
    GroupSearchOptions costly;
    costly.mostLookups = 100;
    QVERIFY(searchGroupDesign({13, 4, 2, 2}, thirteen.front(), costly).tooLarge);
    QVERIFY(!searchGroupDesign({13, 4, 2, 2}, thirteen.front(), {}).tooLarge);
    // Where no field fits, the turns modulo n with the powers of a unit, each set of powers
    // once: modulo 21 the powers of a unit make three groups of order 2, one of 3, three of 6.
    int modulo21 = 0;
    for (const auto &g : geometricGroupsFor(21, 1000))
        if (g.name.starts_with("x->") && g.name.find("modulo 21") != std::string::npos) {
            ++modulo21;
            QVERIFY(g.order() % 21 == 0 && g.order() <= 21 * 6);
        }
    QCOMPARE(modulo21, 7);
    // The turns alone, on as many copies as fit; not again where a prime field's
    // translations are the same group.
    std::map<std::string, std::size_t> turns;
    for (const auto &g : geometricGroupsFor(44, 1000))
        turns[g.name] = g.order();
    QCOMPARE(turns["the turns modulo 11 on 4 copies"], std::size_t{11});
    QCOMPARE(turns["the turns modulo 7 on 6 copies, 2 fixed"], std::size_t{7});
    QCOMPARE(turns["the turns modulo 44"], std::size_t{44});
    QVERIFY(turns.count("the turns modulo 43, 1 fixed") == 0 && turns.count("the translations of GF(43), 1 fixed"));
    // A group past the limit is left out rather than cut short.
    for (const auto &g : geometricGroupsFor(26, 10'000))
        QVERIFY(g.order() <= 10'000 && g.name != "PGL(2,25)");
}

void TestEngine::groupSearchFindsDesignsOfGeometry_data()
{
    QTest::addColumn<int>("v");
    QTest::addColumn<int>("k");
    QTest::addColumn<int>("t");
    QTest::addColumn<int>("m");
    QTest::addColumn<QString>("group");
    QTest::addColumn<int>("optimum");
    // The plane of order 3 from one orbit of the translations.
    QTest::addRow("S(2,4,13)") << 13 << 4 << 2 << 2 << "the translations of GF(13)" << 13;
    // S(3,4,8) is kept by AGL(1,8), S(3,5,17) by PGL(2,16), S(3,5,26) by two copies of
    // the affine line over GF(13).
    QTest::addRow("S(3,4,8)") << 8 << 4 << 3 << 3 << "AGL(1,8)" << 14;
    // The plane of order 4 from the turns modulo 21 and multiplying by 4.
    QTest::addRow("S(2,5,21)") << 21 << 5 << 2 << 2 << "x->4^i x+b modulo 21" << 21;
    QTest::addRow("S(3,5,17)") << 17 << 5 << 3 << 3 << "PGL(2,16)" << 68;
    QTest::addRow("S(3,5,26)") << 26 << 5 << 3 << 3 << "AGL(1,13) on 2 copies" << 260;
    // A lotto design, every drawn 5 of 10 meeting a line in 4: one orbit of the
    // translations of the plane of order 3, the tenth number left where it is.
    QTest::addRow("4 if 5 on 10") << 10 << 6 << 4 << 5 << "the translations of GF(9), 1 fixed" << 9;
}

void TestEngine::groupSearchFindsDesignsOfGeometry()
{
    QFETCH(int, v);
    QFETCH(int, k);
    QFETCH(int, t);
    QFETCH(int, m);
    QFETCH(QString, group);
    QFETCH(int, optimum);
    const auto groups = geometricGroupsFor(v, 100'000);
    const auto g =
        std::find_if(groups.begin(), groups.end(), [&](const auto &x) { return x.name == group.toStdString(); });
    QVERIFY(g != groups.end());
    GroupSearchOptions o;
    o.seed = 5;
    o.secondsCap = 0.5;
    const auto r = searchGroupDesign({v, k, t, m}, *g, o);
    QVERIFY(!r.tooLarge);
    QCOMPARE(static_cast<int>(r.blocks.size()), optimum);
    QVERIFY(verifyWheel({k, 'a', v, t, m}, r.blocks).holds);
    // The design is the group's: every image of every line is a line.
    const std::set<Line> lines(r.blocks.begin(), r.blocks.end());
    for (Line b : r.blocks)
        for (std::size_t e = 0; e < g->order(); e += 1 + g->order() / 50)
            QVERIFY(lines.count(g->image(b, e)) == 1);
}

void TestEngine::backtrackingOverOrbitsFindsExactDesigns()
{
    // Planes of order 4 (one orbit of the turns modulo 21), S(2,5,41) (two orbits of
    // the translations of GF(41)) and S(2,5,45) (kept by no cyclic group, but by the turns
    // of a grid of 3 by 15) are found at once; one line fewer than the plane is below the
    // counting bound, and the search says so rather than hand back a wheel.
    struct Case {
        Design d;
        const char *group;
        std::size_t lines;
        bool found;
    };
    for (const Case &c : {Case{{21, 5, 2, 2}, "the turns modulo 21", 21, true},
                          Case{{41, 5, 2, 2}, "the translations of GF(41)", 82, true},
                          Case{{45, 5, 2, 2}, "the turns modulo 3 times the turns modulo 15", 99, true},
                          Case{{21, 5, 2, 2}, "the turns modulo 21", 20, false}}) {
        const auto groups = geometricGroupsFor(c.d.v, 1000);
        const auto g = std::find_if(groups.begin(), groups.end(), [&](const auto &x) { return x.name == c.group; });
        QVERIFY(g != groups.end());
        GroupSearchOptions o;
        o.secondsCap = 5;
        o.backtrackAtMost = c.lines;
        const auto r = searchGroupDesign(c.d, *g, o);
        QCOMPARE(r.blocks.empty(), !c.found);
        if (c.found) {
            QCOMPARE(r.blocks.size(), c.lines);
            QVERIFY(verifyWheel({c.d.k, 'a', c.d.v, c.d.t, c.d.m}, r.blocks).holds);
        }
    }
}

void TestEngine::fixedCountSearchReachesDesignsAndStopsAtTheBound()
{
    // The Fano plane, the affine and projective planes of order 3 (every pair once), the
    // Steiner systems S(3,4,8) and S(3,4,10) (every triple once), C(9,4,3) = 25,
    // C(9,5,4) = 30 and S(4,5,11): the least counts there are, found by the tabu search,
    // by annealing and by weighing the bare sets.
    auto search = [](const Design &d, std::size_t count, FixedCountMethod method, double seconds) {
        if (method == FixedCountMethod::anneal) {
            AnnealOptions o;
            o.secondsCap = seconds;
            return annealAtFixedCount(d, count, o);
        }
        if (method == FixedCountMethod::weigh) {
            WeighOptions o;
            o.secondsCap = seconds;
            return weighAtFixedCount(d, count, o);
        }
        FixedCountOptions o;
        o.secondsCap = seconds;
        return searchAtFixedCount(d, count, o);
    };
    const auto methods = {FixedCountMethod::tabu, FixedCountMethod::anneal, FixedCountMethod::weigh};
    struct Known {
        Design d;
        std::size_t blocks;
    };
    for (const Known &known :
         {Known{{7, 3, 2, 2}, 7}, Known{{9, 3, 2, 2}, 12}, Known{{13, 4, 2, 2}, 13}, Known{{8, 4, 3, 3}, 14},
          Known{{10, 4, 3, 3}, 30}, Known{{9, 4, 3, 3}, 25}, Known{{9, 5, 4, 4}, 30}, Known{{11, 5, 4, 4}, 66}}) {
        for (const auto method : methods) {
            const auto blocks = search(known.d, known.blocks, method, 20);
            QCOMPARE(blocks.size(), known.blocks);
            QVERIFY(verifyWheel({known.d.k, 'a', known.d.v, known.d.t, known.d.m}, blocks).holds);
        }
    }
    for (const auto method : methods) {
        // Below the counting bound nothing is found, and the time cap holds.
        QVERIFY(search({7, 3, 2, 2}, 6, method, 0.2).empty());
        QVERIFY(search({8, 4, 3, 3}, 13, method, 0.2).empty());
        // Only whole pairs, triples and 4-sets are taken.
        QVERIFY(search({12, 6, 5, 5}, 200, method, 0.2).empty());
        // From 11 lines the descent goes down to the plane and stops there.
        FixedCountOptions quick;
        quick.secondsCap = 0.2;
        quick.method = method;
        const auto d = descendAtFixedCount({7, 3, 2, 2}, 11, quick);
        QCOMPARE(d.blocks.size(), std::size_t{7});
        QVERIFY(verifyWheel({3, 'a', 7, 2, 2}, d.blocks).holds);
        // Nothing to find when even the count below is out of reach.
        QVERIFY(descendAtFixedCount({7, 3, 2, 2}, 7, quick).blocks.empty());
        QVERIFY(descendAtFixedCount({7, 3, 2, 2}, 1, quick).blocks.empty());
    }
    QVERIFY(!searchableAtFixedCount({12, 6, 3, 4}));
    QVERIFY(!searchableAtFixedCount({12, 6, 5, 5}));
}

void TestEngine::keyWheelsCarryTheKey()
{
    const WheelSpec spec{6, 'k', 12, 3, 4};
    SearchOptions o;
    o.movesPerLevel = 5'000;
    const auto r = searchWheel(spec, o);
    QVERIFY(!r.blocks.empty());
    for (Line l : r.blocks)
        QVERIFY(l & 1u);
    QVERIFY(verifyWheel(spec, r.blocks).holds);
    // The reduced design is exactly what the key wheel promises.
    const Design d = designOf(spec);
    QCOMPARE(d.v, 11);
    QCOMPARE(d.k, 5);
    QCOMPARE(d.t, 2);
    QCOMPARE(d.m, 3);
}

void TestEngine::wheelFilesRefuseBadInput_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("what");
    const QString head = QStringLiteral("wheel pick=3 type=a numbers=4 guarantee=\"3 if 3\" tickets=%1\n");
    QTest::newRow("line before header") << QStringLiteral("01-02-03\n") << QStringLiteral("f:1:")
                                        << QStringLiteral("before any wheel header");
    QTest::newRow("one digit") << head.arg(1) + QStringLiteral("01-02-3\n") << QStringLiteral("f:2:")
                               << QStringLiteral("two digits");
    QTest::newRow("position 00") << head.arg(1) + QStringLiteral("00-02-03\n") << QStringLiteral("f:2:")
                                 << QStringLiteral("position 00 is outside 01..4");
    QTest::newRow("repeated place") << head.arg(1) + QStringLiteral("01-03-03\n") << QStringLiteral("f:2:")
                                    << QStringLiteral("position 03 is repeated");
    QTest::newRow("trailing dash") << head.arg(1) + QStringLiteral("01-02-03-\n") << QStringLiteral("f:2:")
                                   << QStringLiteral("two digits");
    QTest::newRow("fewer lines than declared")
        << head.arg(2) + QStringLiteral("01-02-03\n") << QStringLiteral("f:1:") << QStringLiteral("does not agree");
    QTest::newRow("more lines than declared")
        << head.arg(1) + QStringLiteral("01-02-03\n01-02-04\n") << QStringLiteral("f:3:") << QStringLiteral("one more");
    QTest::newRow("label with Tickets:")
        << QStringLiteral("wheel pick=3 type=a numbers=4 guarantee=\"Tickets:\" tickets=1\n01-02-03\n")
        << QStringLiteral("f:1:") << QStringLiteral("guarantee must read");
    QTest::newRow("unknown type") << QStringLiteral("wheel pick=3 type=b numbers=4 guarantee=\"3 if 3\" tickets=1\n")
                                  << QStringLiteral("f:1:") << QStringLiteral("type must be a or k");
}

void TestEngine::wheelFilesRefuseBadInput()
{
    QFETCH(QString, text);
    QFETCH(QString, where);
    QFETCH(QString, what);
    const auto r = parseWheels(text.toStdString(), "f");
    QVERIFY(r.entries.empty());
    QVERIFY2(QString::fromStdString(r.error).startsWith(where), r.error.c_str());
    QVERIFY2(QString::fromStdString(r.error).contains(what), r.error.c_str());
}

void TestEngine::selectionDropsPointlessWheels()
{
    auto entry = [](int x, int y, int n) {
        Entry e;
        e.spec = {6, 'a', 10, x, y};
        e.lines.assign(static_cast<std::size_t>(n), 0x3f);
        return e;
    };
    // "3 if 4" with 5 lines makes "3 if 5" with 6 pointless, but not "4 if 4" with 20.
    const auto kept = selectWheels({entry(3, 5, 6), entry(4, 4, 20), entry(3, 4, 5), entry(2, 6, 1)});
    QCOMPARE(kept.size(), std::size_t(3));
    QCOMPARE(kept[0].spec.label(), std::string("2 if 6"));
    QCOMPARE(kept[1].spec.label(), std::string("3 if 4"));
    QCOMPARE(kept[2].spec.label(), std::string("4 if 4"));
    // A stronger guarantee with as many lines makes the weaker one pointless too, and of
    // a wheel listed twice one copy stays.
    QCOMPARE(selectWheels({entry(3, 5, 5), entry(3, 4, 5)}).size(), std::size_t(1));
    QCOMPARE(selectWheels({entry(3, 5, 5), entry(3, 4, 5)}).front().spec.label(), std::string("3 if 4"));
    QCOMPARE(selectWheels({entry(3, 4, 5), entry(3, 4, 5)}).size(), std::size_t(1));
}

void TestEngine::largePicksAreSearchedAndProven()
{
    // Fifteen a ticket: the full wheels hold, and one line short of full leaves its own set bare.
    auto full = fullWheel(15, 'a', 17);
    QCOMPARE(full.lines.size(), std::size_t(136));
    QVERIFY(verifyWheel(full.spec, full.lines).holds);
    const Line last = full.lines.back();
    full.lines.pop_back();
    const auto v = verifyWheel(full.spec, full.lines);
    QVERIFY(!v.holds);
    QCOMPARE(v.hole, last);
    const auto key = fullWheel(15, 'k', 18);
    QCOMPARE(key.lines.size(), std::size_t(680));
    QVERIFY(verifyWheel(key.spec, key.lines).holds);
    // "13 if 15" on 18 numbers: no single line does it, a search finds a few.
    const WheelSpec spec{15, 'a', 18, 13, 15};
    SearchOptions o;
    o.movesPerLevel = 2'000;
    o.secondsCap = 5;
    const auto r = searchWheel(spec, o);
    QVERIFY(r.blocks.size() > 1 && r.blocks.size() <= r.greedyLines);
    QVERIFY(verifyWheel(spec, r.blocks).holds);
}

void TestEngine::neighboursLendTheirWheels()
{
    // A searched "3 if 3" of pick 5 on 9 numbers beats the 56 lines of every combination of
    // 8 numbers and a poor pick-6 wheel on 9, and is, with the key in front, "4 if 4" of
    // pick 6 on 10; every derived wheel still holds.
    Entry nine;
    nine.spec = {5, 'a', 9, 3, 3};
    SearchOptions o;
    o.movesPerLevel = 5'000;
    nine.lines = searchWheel(nine.spec, o).blocks;
    QVERIFY(!nine.lines.empty() && nine.lines.size() < 56);
    Entry eight{{5, 'a', 8, 3, 3}, fullWheel(5, 'a', 8).lines, 0, {}, {}};
    Entry wider{{6, 'a', 9, 3, 3}, fullWheel(6, 'a', 9).lines, 0, {}, {}};
    std::vector<Entry> entries{nine, eight, wider};
    QVERIFY(deriveFromNeighbours(entries, {5, 6}) >= 3);
    std::map<std::string, std::size_t> found;
    for (const auto &e : entries) {
        QVERIFY2(verifyWheel(e.spec, e.lines).holds, e.note.c_str());
        QVERIFY(e.lines.size() <= nine.lines.size());
        found[std::to_string(e.spec.pick) + e.spec.type + std::to_string(e.spec.z) + " " + e.spec.label()] =
            e.lines.size();
    }
    QVERIFY(found.count("5a8 3 if 3") && found.count("6a9 3 if 3"));
    QCOMPARE(found["6k10 4 if 4"], nine.lines.size());
    // A wheel of another design fills no gap (no pick-6 wheel on 8 numbers was searched),
    // and nothing is made for a pick not asked for; the key wheel on 9 rests on the 8.
    QVERIFY(found.count("6k9 4 if 4") && !found.count("6a8 3 if 3"));
    QCOMPARE(found.size(), std::size_t(5));
}

void TestEngine::partsJoinIntoLargerWheels()
{
    // Two Fano planes on 7 + 7 numbers: of 3 drawn, 2 share a plane, and a line holds them.
    // With the key in front they are the key wheel "3 if 4" of pick 4 on 15 numbers.
    Entry fano{{3, 'a', 7, 2, 2},
               lines({"01-02-03", "01-04-05", "01-06-07", "02-04-06", "02-05-07", "03-04-07", "03-05-06"}, 7),
               0,
               {},
               {}};
    std::map<std::string, Entry> made;
    for (auto &e : joinParts({fano}, {3, 4}, 15)) {
        QVERIFY2(verifyWheel(e.spec, e.lines).holds, e.note.c_str());
        made[std::to_string(e.spec.pick) + e.spec.type + std::to_string(e.spec.z) + " " + e.spec.label()] = e;
    }
    QCOMPARE(made["3a14 2 if 3"].lines.size(), std::size_t(14));
    QCOMPARE(made["3a14 2 if 3"].note, std::string("joined from the wheels of pick 3 \"2 if 2\" on 7 and \"2 if 2\" "
                                                   "on 7 numbers"));
    QCOMPARE(made["4k15 3 if 4"].lines.size(), std::size_t(14));
    // A part without lines: of 3 drawn from 5, 2 lie in the first 4.
    QCOMPARE(made["3a5 2 if 3"].lines.size(), std::size_t(3));
    QCOMPARE(made["3a5 2 if 3"].note,
             std::string("joined from the wheels of pick 3 \"2 if 2\" on 4 numbers and 1 more without lines"));
    // Two parts of 4, each with every pair in 3 lines (themselves joined from parts).
    QCOMPARE(made["3a8 2 if 3"].lines.size(), std::size_t(6));
    QVERIFY(!made.count("3a7 2 if 2")); // nothing joined beats what is known

    // One number more: the pairs without the 8th are the plane's, those with it come from
    // lines of two that meet every one of the 7 (the key wheel "2 if 2" of pick 3 on 8).
    // 7 + 4 = 11 lines, the fewest "2 if 2" of pick 3 on 8 numbers can have.
    Entry pairs{{3, 'k', 8, 2, 2}, lines({"01-02-03", "01-04-05", "01-06-07", "01-07-08"}, 8), 0, {}, {}};
    made.clear();
    for (auto &e : joinParts({fano, pairs}, {3}, 8)) {
        QVERIFY2(verifyWheel(e.spec, e.lines).holds, e.note.c_str());
        made[std::to_string(e.spec.pick) + e.spec.type + std::to_string(e.spec.z) + " " + e.spec.label()] = e;
    }
    QCOMPARE(made["3a8 2 if 2"].lines.size(), std::size_t(11));
    QVERIFY(made["3a8 2 if 2"].note.find("one number more in each line") != std::string::npos);

    // Two numbers more, the lines mixing the parts: pairs within the 13 come from the
    // projective plane of order 3, pairs across from 13 in runs of 2 beside both new
    // numbers (7 lines), and one of those also holds the new pair: 20, where adding one
    // number at a time takes 13 + 5 + 5 = 23.
    Entry plane{
        {4, 'a', 13, 2, 2},
        lines({"01-02-04-10", "02-03-05-11", "03-04-06-12", "04-05-07-13", "01-05-06-08", "02-06-07-09", "03-07-08-10",
               "04-08-09-11", "05-09-10-12", "06-10-11-13", "01-07-11-12", "02-08-12-13", "01-03-09-13"},
              13),
        0,
        {},
        {}};
    QVERIFY(verifyWheel(plane.spec, plane.lines).holds);
    made.clear();
    for (auto &e : joinParts({plane}, {4, 5}, 16)) {
        QVERIFY2(verifyWheel(e.spec, e.lines).holds, e.note.c_str());
        made[std::to_string(e.spec.pick) + e.spec.type + std::to_string(e.spec.z) + " " + e.spec.label()] = e;
    }
    QCOMPARE(made["4a15 2 if 2"].lines.size(), std::size_t(20));
    QCOMPARE(made["4a15 2 if 2"].note, std::string("joined from designs on two parts of 2 and 13 numbers, for each "
                                                   "way a drawn set can fall into them"));
    QCOMPARE(made["5k16 3 if 3"].lines.size(), std::size_t(20));
    QVERIFY(made["5k16 3 if 3"].note.ends_with(", the key in front"));

    // Mixed designs that come close without beating the best are handed out as starts, one
    // wheel per design: "3 if 4" on 14 numbers mixed ties with adding one number (78 lines).
    std::vector<std::vector<Entry>> starts;
    joinParts({plane}, {4, 5}, 16, {&starts, 1.2, 3});
    QVERIFY(starts.size() >= 2);
    // The second splits: a design's second start is one of its first ones' designs too.
    std::set<std::string> firsts;
    for (const auto &e : starts[0])
        firsts.insert(std::to_string(e.spec.pick) + e.spec.type + std::to_string(e.spec.z) + " " + e.spec.label());
    for (const auto &e : starts[1]) {
        QVERIFY2(verifyWheel(e.spec, e.lines).holds, e.note.c_str());
        QVERIFY(
            firsts.count(std::to_string(e.spec.pick) + e.spec.type + std::to_string(e.spec.z) + " " + e.spec.label()));
    }
    std::map<std::string, std::size_t> startLines;
    for (const auto &e : starts[0]) {
        QVERIFY2(verifyWheel(e.spec, e.lines).holds, e.note.c_str());
        QVERIFY(e.note.starts_with("joined from designs on two parts"));
        startLines[std::to_string(e.spec.pick) + e.spec.type + std::to_string(e.spec.z) + " " + e.spec.label()] =
            e.lines.size();
    }
    QCOMPARE(startLines["4a14 3 if 4"], std::size_t(78));
    QCOMPARE(made["4a14 3 if 4"].lines.size(), std::size_t(78));
    QVERIFY(!startLines.count("5k15 4 if 5")); // the same design as a key wheel
    QVERIFY(!startLines.count("4a15 2 if 2")); // the mix is the best there, not a start
}

void TestEngine::notesTravelWithTheirWheels()
{
    const std::string text = "# Wheels for 3\n\n# searched 0.1 s\nwheel pick=3 type=a numbers=4 guarantee=\"3 if 3\" "
                             "tickets=1\n01-02-03\n\nwheel pick=3 type=a numbers=4 guarantee=\"2 if 3\" tickets=1\n"
                             "01-02-03\n";
    const auto r = parseWheels(text, "f");
    QVERIFY2(r.error.empty(), r.error.c_str());
    QCOMPARE(r.entries.size(), std::size_t(2));
    QCOMPARE(r.entries[0].note, std::string("searched 0.1 s"));
    QVERIFY(r.entries[1].note.empty()); // no comment just above it, no note
    const auto again = parseWheels(formatEntry(r.entries[0]), "g");
    QCOMPARE(again.entries.at(0).note, r.entries[0].note);

    // Searching a wheel again adds to its note without losing how it was first found.
    QCOMPARE(searchedAgainNote("searched 5.0 s from a greedy start of 40 lines", 2.5, 38),
             std::string("searched 7.5 s from a greedy start of 40 lines"));
    QCOMPARE(searchedAgainNote("", 2.5, 38), std::string("searched 2.5 s from a greedy start of 38 lines"));
    const std::string joined = "joined from designs on two parts of 2 and 28 numbers, for each way a drawn set can "
                               "fall into them";
    const std::string once = searchedAgainNote(joined, 20.0, 259);
    QCOMPARE(once, joined + "; then searched 20.0 s");
    QCOMPARE(searchedAgainNote(once, 5.0, 251), joined + "; then searched 25.0 s");
    QCOMPARE(secondsSearched(once), 20.0);
    QCOMPARE(secondsSearched(joined), 0.0);
    const std::string orbit = orbitNote(10, 2, 1, 0, 40, 400, 10.0);
    QCOMPARE(secondsSearched(searchedAgainNote(orbit, 6.0, 400)), 16.0);
}

void TestEngine::keyWheelsBorrowTheLinesOfTheirDesign()
{
    // The key wheel "3 if 3" of pick 4 on 8 numbers is the Fano plane with the key in front.
    Entry fano{{3, 'a', 7, 2, 2},
               lines({"01-02-03", "01-04-05", "01-06-07", "02-04-06", "02-05-07", "03-04-07", "03-05-06"}, 7),
               0,
               {},
               {}};
    Entry key{{4, 'k', 8, 3, 3}, linesFromDesign({4, 'k', 8, 3, 3}, fano.lines), 0, "derived", {}};
    std::vector<Entry> both{fano, key};
    borrowWhereTheSame(both);
    QCOMPARE(both[0].borrowedTickets, std::size_t(0));
    QCOMPARE(both[1].borrowedTickets, std::size_t(7));
    const std::string keyText = formatEntry(both[1]);
    QCOMPARE(keyText, std::string("# derived\nwheel pick=4 type=k numbers=8 guarantee=\"3 if 3\" tickets=7\n"
                                  "01 in front of each line of pick 3 type-a \"2 if 2\" on 7 numbers, the rest one "
                                  "higher\n"));

    // Read back, from two files as the data keeps them, the lines are filled in again.
    auto read = parseWheels(formatEntry(fano), "pick3.txt").entries;
    const auto keyRead = parseWheels(keyText, "pick4.txt");
    QVERIFY(keyRead.error.empty());
    QVERIFY(keyRead.entries.at(0).lines.empty());
    read.push_back(keyRead.entries.at(0));
    QCOMPARE(lendLines(read), std::string());
    QCOMPARE(read[1].lines, key.lines);
    QVERIFY(verifyWheel(read[1].spec, read[1].lines).holds);

    // Without the wheel it names, or with one of another count, it is refused with its place.
    std::vector<Entry> alone{keyRead.entries.at(0)};
    QCOMPARE(lendLines(alone), std::string("pick4.txt:2: the wheel borrows the lines of the type-a wheel \"2 if 2\" "
                                           "of pick 3 on 7 numbers with 7 tickets, and there is no such wheel"));
    std::vector<Entry> shorter{keyRead.entries.at(0), fano};
    shorter[1].lines.pop_back();
    QVERIFY(!lendLines(shorter).empty());
    // Lines after the borrowed ones, or borrowing in a type-a wheel, are malformed.
    QCOMPARE(parseWheels(keyText + "01-02-03-04\n", "f").error, std::string("f:4: the wheel borrows its lines; none "
                                                                            "may follow"));
    QVERIFY(!parseWheels("wheel pick=3 type=a numbers=8 guarantee=\"2 if 2\" tickets=7\n" +
                             borrowedLinesText({4, 'k', 8, 3, 3}) + "\n",
                         "f")
                 .error.empty());
    // A small wheel keeps its lines: naming the other wheel would be longer.
    std::vector<Entry> small{{{2, 'a', 3, 2, 2}, lines({"01-02", "01-03", "02-03"}, 3), 0, {}, {}},
                             {{3, 'k', 4, 3, 3}, lines({"01-02-03", "01-02-04", "01-03-04"}, 4), 0, {}, {}}};
    borrowWhereTheSame(small);
    QCOMPARE(small[1].borrowedTickets, std::size_t(0));
}

void TestEngine::wheelsNameTheWheelsTheyGrowFrom()
{
    // Every triple of 8 numbers: those of the first 7, and every pair of them with 08 added.
    std::vector<Entry> all{{{3, 'a', 7, 2, 3}, fullWheel(3, 'a', 7).lines, 0, {}, {}},
                           {{2, 'a', 7, 1, 2}, fullWheel(2, 'a', 7).lines, 0, {}, {}},
                           {{3, 'a', 8, 2, 3}, fullWheel(3, 'a', 8).lines, 0, "joined", {}},
                           fullWheel(4, 'k', 9)};
    std::reverse(all[2].lines.begin(), all[2].lines.end()); // the order does not matter
    const auto wanted = fullWheel(3, 'a', 8).lines;
    borrowWhereTheSame(all);
    QCOMPARE(all[0].given, LinesGiven::listed);
    QCOMPARE(all[2].given, LinesGiven::grown);
    QCOMPARE(all[3].given, LinesGiven::everyCombination);
    const std::string grown = formatEntry(all[2]);
    QCOMPARE(grown, std::string("# joined\nwheel pick=3 type=a numbers=8 guarantee=\"2 if 3\" tickets=56\n"
                                "the 35 lines of pick 3 type-a \"2 if 3\" on 7 numbers, and the 21 of pick 2 type-a "
                                "\"1 if 2\" on 7 numbers with 08 added to each\n"));
    const std::string full = formatEntry(all[3]);
    QCOMPARE(full, std::string("wheel pick=4 type=k numbers=9 guarantee=\"4 if 4\" tickets=56\n"
                               "01 in front of every combination of 3 of the numbers 02 to 09\n"));

    // Read back with the grown wheel first, its lines are filled in from those after it.
    auto read = parseWheels(grown + "\n" + full + "\n" + formatEntry(all[1]) + "\n" + formatEntry(all[0]), "f");
    QVERIFY(read.error.empty());
    QCOMPARE(lendLines(read.entries), std::string());
    QCOMPARE(read.entries[0].lines, wanted);
    QCOMPARE(read.entries[1].lines, fullWheel(4, 'k', 9).lines);
    QVERIFY(verifyWheel(read.entries[0].spec, read.entries[0].lines).holds);

    // A named wheel that is missing, or a count that disagrees, is refused with its place.
    auto alone = parseWheels(grown + "\n" + formatEntry(all[0]), "f").entries;
    QCOMPARE(lendLines(alone), std::string("f:2: the wheel borrows the lines of the type-a wheel \"1 if 2\" of pick 2 "
                                           "on 7 numbers with 21 tickets, and there is no such wheel"));
    std::string fewer = full;
    fewer.replace(fewer.find("tickets=56"), 10, "tickets=55");
    QCOMPARE(parseWheels(fewer, "f").error, std::string("f:2: every combination makes 56 tickets, the header "
                                                        "promises 55"));
    std::string more = grown;
    more.replace(more.find("tickets=56"), 10, "tickets=57");
    QVERIFY(!parseWheels(more, "f").error.empty());
}

void TestEngine::reportComparesWithRecords()
{
    // The Fano plane meets its record; a key wheel compares with its reduced design, here
    // C(6,2,1) = 3 against a record of 2; the greedy figure in the note is checked.
    Entry fano{{3, 'a', 7, 2, 2},
               lines({"01-02-03", "01-04-05", "01-06-07", "02-04-06", "02-05-07", "03-04-07", "03-05-06"}, 7),
               0,
               "searched 1.5 s from a greedy start of 9 lines",
               {}};
    Entry key{{3, 'k', 7, 2, 2},
              lines({"01-02-03", "01-04-05", "01-06-07"}, 7),
              0,
              "searched 0.5 s from a greedy start of 2 lines",
              {}};
    const auto records = parseRecords(
        "v,k,t,m,record,lower_bound,source\n7,3,2,2,7,7,x\n6,2,1,1,2,2,y\n7,3,2,3,2,2,z\n49,6,3,6,163,54,w\nbad,row\n");
    QCOMPARE(records.size(), std::size_t(4));
    // The Fano plane is a poor lotto design "2 if 3" (two lines do).
    Entry lotto{{3, 'a', 7, 2, 3}, fano.lines, 0, "joined from the wheels of pick 3 \"2 if 2\" on 7 numbers", {}};
    const QString report = QString::fromStdString(printReport({fano, key, lotto}, records));
    QVERIFY2(report.contains(QStringLiteral("compared with a record: 3; at or below the record: 1; median ratio 1.500; "
                                            "worst 3.500")),
             qPrintable(report));
    QVERIFY2(report.contains(QStringLiteral("searched: 2 (2 s of one core in all, the longest 2 s; worse than their "
                                            "greedy start: 1)")),
             qPrintable(report));
    QVERIFY2(report.contains(QStringLiteral("every combination: 0; joined: 1; through orbits: 0")), qPrintable(report));
    // Both wheels fall in the first range; lotto designs are listed with ours where we have one.
    QVERIFY2(
        report.contains(QStringLiteral("up to 16    3 wheels; 3 compared, 1 at or below the record, 1 within 1.10, "
                                       "median 1.500, worst 3.500 (pick 3 type-a, 7 numbers, \"2 if 3\": 7)")),
        qPrintable(report));
    QVERIFY2(report.contains(QStringLiteral("31-49       0 wheels; none with a published figure")), qPrintable(report));
    QVERIFY2(report.contains(QStringLiteral("49 numbers, pick 6, \"3 if 6\": record 163, none shipped")),
             qPrintable(report));
    QVERIFY2(report.contains(QStringLiteral("7 numbers, pick 3, \"2 if 3\": record 2, ours 7 (3.500)")),
             qPrintable(report));
}

void TestEngine::constructedWheelsAreSteinerSystems()
{
    // Each meets every y-set exactly once, so its line count is C(z, y) / C(pick, y) and no
    // wheel of that guarantee can have fewer lines.
    const auto wheels = golayWheels();
    QCOMPARE(wheels.size(), std::size_t(4));
    for (const auto &e : wheels) {
        QCOMPARE(e.lines.size(), binomial(e.spec.z, e.spec.y) / binomial(e.spec.pick, e.spec.y));
        QCOMPARE(e.lines.size(), lowerBound(designOf(e.spec)));
        QVERIFY2(verifyWheel(e.spec, e.lines).holds, e.spec.label().c_str());
    }
    QCOMPARE(wheels[0].lines.size(), std::size_t(759));
    QCOMPARE(wheels[3].lines.size(), std::size_t(21));
    for (int q : {3, 5}) {
        const Entry circles = inversivePlaneWheel(q);
        QCOMPARE(circles.lines.size(), static_cast<std::size_t>(q * (q * q + 1)));
        QCOMPARE(circles.lines.size(), lowerBound(designOf(circles.spec)));
        QVERIFY(verifyWheel(circles.spec, circles.lines).holds);
    }
    QVERIFY(inversivePlaneWheel(4).lines.empty()); // not a prime
}

void TestEngine::puncturedInversivePlaneHoldsEveryTriple()
{
    // Ten points out of the plane of order 7: 306 circles keep 3 to 7 points and 44 all
    // eight, so 394 lines once the triples the split circles miss find room elsewhere.
    const Entry forty = puncturedInversiveWheel(40, 1, 50);
    QCOMPARE(forty.spec.z, 40);
    QVERIFY(forty.lines.size() <= 400);
    QVERIFY(verifyWheel(forty.spec, forty.lines).holds);
    // One point out: 294 circles left whole, far more triples to place than room.
    const Entry most = puncturedInversiveWheel(49, 1, 0);
    QVERIFY(verifyWheel(most.spec, most.lines).holds);
    QVERIFY(std::all_of(most.lines.begin(), most.lines.end(), [](Line l) { return std::popcount(l) == 7; }));
    QVERIFY(puncturedInversiveWheel(37, 1, 0).lines.empty());
    QVERIFY(puncturedInversiveWheel(50, 1, 0).lines.empty());
}

void TestEngine::quadraticsHoldEveryTriple()
{
    // Seven runs of 7: the 343 quadratics, the covers across each two runs and what the
    // runs miss come under the 657 lines published for pick 7 on 49 numbers.
    const Entry seven = quadraticWheel(7, 7, 2);
    QCOMPARE(seven.spec.z, 49);
    QVERIFY(verifyWheel(seven.spec, seven.lines).holds);
    QVERIFY2(seven.lines.size() < 657, std::to_string(seven.lines.size()).c_str());
    const Entry five = quadraticWheel(5, 5, 0.5);
    QVERIFY(verifyWheel(five.spec, five.lines).holds);
    QVERIFY(five.lines.size() > 125 && five.lines.size() < binomial(25, 3) / binomial(5, 3) * 2);
    // The covers across two runs, each laid under its own relabelling, hold every triple
    // within a run as well: no line is spent inside one run.
    const Entry fiveOnSevens = quadraticWheel(5, 7, 0.5);
    QVERIFY(verifyWheel(fiveOnSevens.spec, fiveOnSevens.lines).holds);
    for (const auto &[wheel, n] : {std::pair{&five, 5}, std::pair{&fiveOnSevens, 7}})
        for (Line line : wheel->lines)
            for (int run = 0; run < 5; ++run)
                QVERIFY((line & ~(((Line{1} << n) - 1) << (n * run))) != 0);
    // A pick above the run, a count that is no prime power, or too many numbers: nothing.
    QVERIFY(quadraticWheel(7, 5, 0.1).lines.empty());
    QVERIFY(quadraticWheel(5, 6, 0.1).lines.empty());
    QVERIFY(quadraticWheel(7, 8, 0.1).lines.empty());
}

void TestEngine::transversalDesignsHoldEveryPair()
{
    // Nine numbers in three rows of three: any two rows make a line of 6 and hold every
    // pair. Six runs of 8 over GF(8) with one number more: 64 + 6 * 3 lines, the published
    // figure for pick 6 on 49 numbers; over GF(9) with five runs, pick 5 on 46 numbers.
    Entry rows;
    rows.spec = {6, 'a', 9, 2, 2};
    rows.lines = {0b000111111, 0b111000111, 0b111111000};
    QVERIFY(verifyWheel(rows.spec, rows.lines).holds);
    const Entry six = transversalWheel(6, 8, 1, rows);
    QCOMPARE(six.lines.size(), std::size_t{82});
    QVERIFY(verifyWheel(six.spec, six.lines).holds);
    QCOMPARE(six.spec.z, 49);

    Entry ten; // pick 5 on 10 numbers in 6 lines, as the search finds it
    ten.spec = {5, 'a', 10, 2, 2};
    SearchOptions o;
    o.seed = 3;
    o.secondsCap = 5;
    ten.lines = searchWheel(ten.spec, o).blocks;
    QCOMPARE(ten.lines.size(), std::size_t{6});
    const Entry five = transversalWheel(5, 9, 1, ten);
    QCOMPARE(five.lines.size(), std::size_t{81 + 5 * 6});
    QVERIFY(verifyWheel(five.spec, five.lines).holds);

    // A wheel for the runs of another size, a pick above the run, or a count that is no
    // prime power gives nothing.
    QVERIFY(transversalWheel(6, 8, 0, rows).lines.empty());
    QVERIFY(transversalWheel(6, 5, 4, rows).lines.empty());
    QVERIFY(transversalWheel(6, 6, 3, rows).lines.empty());
}

void TestEngine::exactCoverMeetsEveryColumnAsOftenAsAsked()
{
    // Column 2 asks for two rows. {0, 1} with {2} leaves it one short and {2, 2} is no
    // row, so the one cover is {0, 2} with {1, 2}; no row is taken twice.
    ExactCover twice({1, 1, 2});
    twice.addRow({0, 1});
    twice.addRow({0, 2});
    twice.addRow({2});
    twice.addRow({1, 2});
    const auto rows = twice.solve(1000);
    QVERIFY(rows.has_value());
    QCOMPARE(*rows, (std::vector<std::size_t>{1, 3}));

    // A row that meets a column twice counts twice, and too often is no fit.
    ExactCover doubled({2, 1});
    doubled.addRow({0, 0, 1});
    QVERIFY(doubled.solve(1000).has_value());
    ExactCover over({1});
    over.addRow({0, 0});
    QVERIFY(!over.solve(1000).has_value());
    QVERIFY(over.exhausted());

    // Each row takes two of three columns: no two are apart and none takes all three.
    // Running out of nodes is told apart from there being no cover.
    ExactCover none({1, 1, 1});
    none.addRow({0, 1});
    none.addRow({1, 2});
    none.addRow({0, 2});
    QVERIFY(!none.solve(1000).has_value());
    QVERIFY(none.exhausted());
    ExactCover cut({1, 1, 1, 1});
    cut.addRow({0, 1});
    cut.addRow({2, 3});
    QVERIFY(!cut.solve(0).has_value());
    QVERIFY(!cut.exhausted());
}

void TestEngine::exactPairCoversMeetPairsAsOftenAsAsked()
{
    // On 31 and 34 points the counting bound (78 and 94 blocks) leaves room for exactly
    // three pairs too many: one pair on four blocks, every other pair on one.
    for (int v : {31, 34}) {
        QVERIFY(quadCoverPutsOnePairOnFour(v));
        const ExactPairCover c = quadCoverWithOnePairOnFour(v, 2, 100'000'000);
        QCOMPARE(c.blocks.size(), static_cast<std::size_t>(lowerBound({v, 4, 2, 2})));
        QVERIFY(allOfSize(c.blocks, 4));
        auto onBlocks = blocksOnPairs(c.blocks);
        QCOMPARE(onBlocks.size(), static_cast<std::size_t>(v * (v - 1) / 2));
        std::map<int, int> pairsByCount;
        for (const auto &[pair, n] : onBlocks)
            ++pairsByCount[n];
        QCOMPARE(pairsByCount[4], 1);
        QCOMPARE(pairsByCount[1], v * (v - 1) / 2 - 1);
        const WheelSpec key{5, 'k', v + 1, 3, 3};
        QVERIFY(verifyWheel(key, linesFromDesign(key, c.blocks)).holds);
    }
    // The same search at large: the Fano plane under the turns modulo 7, and with every
    // orbit of pairs named once, the design that holds every pair twice (14 triples).
    PairCoverAsk fano;
    fano.v = 7;
    fano.k = 3;
    fano.length = 7;
    QCOMPARE(exactPairCover(fano, 1, 1000).blocks.size(), std::size_t{7});
    fano.oftener = {{0, 1}, {0, 2}, {0, 3}};
    const ExactPairCover twice = exactPairCover(fano, 1, 100000);
    QCOMPARE(twice.blocks.size(), std::size_t{14});
    QVERIFY(allOfSize(twice.blocks, 3));
    const auto onTriples = blocksOnPairs(twice.blocks);
    QCOMPARE(onTriples.size(), std::size_t{21});
    QVERIFY(std::all_of(onTriples.begin(), onTriples.end(), [](const auto &p) { return p.second == 2; }));
    // A given block that meets a pair too often ends the search at once; runs that do
    // not fit the numbers are no group.
    fano.oftener.clear();
    fano.given = {{0, 1, 3}, {0, 1, 2}};
    const ExactPairCover over = exactPairCover(fano, 1, 1000);
    QVERIFY(over.blocks.empty() && over.exhausted);
    fano.given.clear();
    fano.length = 3;
    QVERIFY(exactPairCover(fano, 1, 1000).blocks.empty());

    // Where the bound asks for something else it is not tried.
    for (int v : {19, 28, 33, 39})
        QVERIFY(!quadCoverPutsOnePairOnFour(v));
    QVERIFY(quadCoverWithOnePairOnFour(28, 1, 1000).blocks.empty());
}

void TestEngine::groupDivisibleCoversReachTheBound()
{
    // 39 and 45 numbers: u groups of six and three fixed numbers. Every pair lies on a
    // block; the three fixed numbers share one block, each group's pairs stay among its
    // own three blocks (three pairs on two of them), and pairs from two groups lie on one.
    for (const auto &[u, runs] : {std::pair{6, 3}, std::pair{7, 6}}) {
        const int v = 6 * u + 3;
        const ExactPairCover c = groupDivisibleQuadCover(u, runs, 1, 1'000'000);
        QCOMPARE(c.blocks.size(), static_cast<std::size_t>(lowerBound({v, 4, 2, 2})));
        QVERIFY(allOfSize(c.blocks, 4));
        auto onBlocks = blocksOnPairs(c.blocks);
        QCOMPARE(onBlocks.size(), static_cast<std::size_t>(v * (v - 1) / 2));
        const int fixedPairs = onBlocks[std::pair{0, 1}] + onBlocks[std::pair{0, 2}] + onBlocks[std::pair{1, 2}];
        QCOMPARE(fixedPairs, 3);
        int twice = 0;
        for (const auto &[pair, n] : onBlocks)
            twice += n == 2;
        QCOMPARE(twice, 3 * u + 3); // three pairs of each group, and the fixed numbers with 3
        const Entry key = groupDivisibleKeyWheel(u, 1'000'000);
        QCOMPARE(key.lines.size(), c.blocks.size());
        QVERIFY(verifyWheel(key.spec, key.lines).holds);
    }
    // Five groups in runs of ten: no such design is kept by the turns.
    QVERIFY(groupDivisibleQuadCover(5, 3, 1, 1'000'000).exhausted);
    QVERIFY(groupDivisibleQuadCover(3, 3, 1, 1000).blocks.empty());
}

void TestEngine::steinerSystemsGrowByOneNumber()
{
    // The planes of the affine space over GF(2) hold every triple of its points once: as
    // key wheels pick 5 "4 if 4" on 9 and 17 numbers. One number more costs the pair cover
    // by triples of the points (11 and 43 lines), which reaches the bound (25 and 183).
    for (const auto &[dim, bound] : {std::pair{3, 25}, std::pair{4, 183}}) {
        const int points = 1 << dim;
        std::vector<Line> planes;
        for (int a = 0; a < points; ++a)
            for (int b = a + 1; b < points; ++b)
                for (int c = b + 1; c < points; ++c)
                    if (const int d = a ^ b ^ c; d > c)
                        planes.push_back(Line{1} << a | Line{1} << b | Line{1} << c | Line{1} << d);
        Entry steiner;
        steiner.spec = {5, 'k', points + 1, 4, 4};
        steiner.lines = linesFromDesign(steiner.spec, planes);
        QVERIFY(verifyWheel(steiner.spec, steiner.lines).holds);
        const Entry grown = steinerGrownKeyWheel(steiner);
        QCOMPARE(grown.spec.z, points + 2);
        QCOMPARE(grown.lines.size(), static_cast<std::size_t>(bound));
        QCOMPARE(static_cast<int>(grown.lines.size()), lowerBound({points + 1, 4, 3, 3}));
        QVERIFY(verifyWheel(grown.spec, grown.lines).holds);
        // A wheel one line short of such a system grows nothing.
        steiner.lines.pop_back();
        QVERIFY(steinerGrownKeyWheel(steiner).lines.empty());
    }
    // Ten points: no cyclic triple system on nine, so no cover is offered.
    QVERIFY(tripleCoverOfPairs(10).empty());
    QCOMPARE(tripleCoverOfPairs(28).size(), std::size_t{131});
}

QTEST_GUILESS_MAIN(TestEngine)
void TestEngine::extensionsByNewNumbersHoldEveryTriple()
{
    // S(3,4,8): the planes of the cube over GF(2), every triple of 8 points once, and every
    // pair on 3 of its blocks. Given 4 new points, each pair misses at least one of them.
    std::vector<Line> planes;
    for (Line b = 15; b < (Line{1} << 8); b = nextOfSameSize(b)) {
        int pos[8];
        positionsOf(b, pos);
        if ((pos[0] ^ pos[1] ^ pos[2] ^ pos[3]) == 0)
            planes.push_back(b);
    }
    QCOMPARE(planes.size(), std::size_t{14});
    // The t-sets of v points no block holds, by how many of them are new (past `old`).
    auto bareByNewPoints = [](const std::vector<Line> &blocks, int v, int t, int old) {
        std::vector<std::size_t> bare(static_cast<std::size_t>(t) + 1, 0);
        for (Line s = (Line{1} << t) - 1; s < (Line{1} << v); s = nextOfSameSize(s))
            if (std::none_of(blocks.begin(), blocks.end(), [s](Line b) { return (b & s) == s; }))
                ++bare[static_cast<std::size_t>(std::popcount(s >> old))];
        return bare;
    };
    const Design d{12, 5, 3, 3};
    const auto e = extendByNewPoints(d, planes, 4, 1, 20'000);
    QCOMPARE(e.blocks.size(), std::size_t{14 + 8});
    // Two or three new points: held by the lines of all the new points.
    const auto bare = bareByNewPoints(e.blocks, 12, 3, 8);
    QCOMPARE(bare, (std::vector<std::size_t>{0, e.bare, 0, 0}));
    QVERIFY(e.bare >= 28);
    for (Line b : e.blocks)
        QVERIFY(std::popcount(b) == 5 && b < (Line{1} << 12));

    // Covered greedily, then weighed down from there: still a wheel. The cover keeps the
    // extended lines and adds no line that holds nothing new.
    const auto covered = coverBareGreedily(d, e.blocks, 1, 8);
    QVERIFY(std::equal(e.blocks.begin(), e.blocks.end(), covered.begin()));
    QVERIFY(covered.size() > e.blocks.size() && covered.size() <= e.blocks.size() + e.bare);
    QVERIFY(verifyWheel({5, 'a', 12, 3, 3}, covered).holds);
    auto bareBefore = [&](std::size_t lines) {
        const auto bare =
            bareByNewPoints({covered.begin(), covered.begin() + static_cast<std::ptrdiff_t>(lines)}, 12, 3, 8);
        return std::accumulate(bare.begin(), bare.end(), std::size_t{0});
    };
    for (std::size_t i = e.blocks.size(); i < covered.size(); ++i)
        QVERIFY(bareBefore(i + 1) < bareBefore(i));
    QCOMPARE(coverBareGreedily(d, covered, 1, 8), covered); // nothing bare: nothing added
    QVERIFY(coverBareGreedily({12, 5, 4, 3}, e.blocks, 1, 8).empty());
    SearchOptions complete;
    complete.movesPerLevel = 0;
    complete.start = covered;
    const auto start = searchDesign(d, complete);
    QVERIFY(verifyWheel({5, 'a', 12, 3, 3}, start.blocks).holds);
    FixedCountOptions o;
    o.secondsCap = 0.5;
    o.method = FixedCountMethod::weigh;
    o.start = start.blocks;
    const auto down = descendAtFixedCount(d, start.blocks.size(), o);
    if (!down.blocks.empty()) {
        QVERIFY(down.blocks.size() < start.blocks.size());
        QVERIFY(verifyWheel({5, 'a', 12, 3, 3}, down.blocks).holds);
    }

    // Three new points: the old ones two at a time on a line with all three (4 lines), and
    // the three handed out over the planes, whose pairs lie on three each.
    const auto e3 = extendByNewPoints({11, 5, 3, 3}, planes, 3, 1, 20'000);
    QCOMPARE(e3.blocks.size(), std::size_t{14 + 4});
    QCOMPARE(bareByNewPoints(e3.blocks, 11, 3, 8), (std::vector<std::size_t>{0, e3.bare, 0, 0}));
    QVERIFY(extendByNewPoints({13, 5, 3, 3}, planes, 5, 1, 100).blocks.empty()); // as many new as a line holds
    QVERIFY(extendByNewPoints({9, 5, 3, 3}, planes, 1, 1, 100).blocks.empty());

    // 4-sets: every 4-set of 6 old points, given 4 new points. Each old triple lies on 3 of
    // them, so 20 (triple, new point) stay bare at least; those with three new points or
    // four are held, those with two new points are left to the completion.
    std::vector<Line> all4;
    for (Line b = 15; b < (Line{1} << 6); b = nextOfSameSize(b))
        all4.push_back(b);
    const auto e4 = extendByNewPoints({10, 5, 4, 4}, all4, 4, 1, 20'000);
    QCOMPARE(e4.blocks.size(), std::size_t{15 + 6});
    const auto bare4 = bareByNewPoints(e4.blocks, 10, 4, 6);
    QCOMPARE(bare4[0], std::size_t{0});
    QCOMPARE(bare4[1], e4.bare);
    QCOMPARE(bare4[3] + bare4[4], std::size_t{0});
    QVERIFY(e4.bare >= 20);

    // Two new points a block: the planes, four points short of a line of 6, each take a pair
    // of 4 new points and no line is added. A triple of two old points and a new one is held
    // where a plane through the two carries it, one of an old point and two new ones where a
    // plane through the old one carries the pair; no triple of three new points is held.
    const auto e2 = extendByNewPoints({12, 6, 3, 3}, planes, 4, 1, 20'000, 2);
    QCOMPARE(e2.blocks.size(), planes.size());
    for (std::size_t i = 0; i < planes.size(); ++i) {
        QCOMPARE(e2.blocks[i] & 0xff, planes[i]);
        QCOMPARE(std::popcount(e2.blocks[i] >> 8), 2);
    }
    const auto bare2 = bareByNewPoints(e2.blocks, 12, 3, 8);
    QCOMPARE(bare2[0], std::size_t{0});
    QCOMPARE(bare2[1] + bare2[2], e2.bare);
    QCOMPARE(bare2[3], std::size_t{4});
    // Each pair of old points lies on 3 planes, 6 places for the 4 new points; each old point
    // on 7, for the 6 pairs of new points: the hand-out can hold them all, and does.
    QCOMPARE(e2.bare, std::size_t{0});
    QVERIFY(extendByNewPoints({10, 6, 3, 3}, planes, 2, 1, 100, 2).blocks.empty()); // too few new points to pair
    QVERIFY(extendByNewPoints({12, 5, 3, 3}, planes, 4, 1, 100, 2).blocks.empty()); // planes one point short
    QVERIFY(extendByNewPoints({12, 7, 3, 3}, planes, 4, 1, 100, 3).blocks.empty()); // one or two a block only

    // Only designs of whole triples or 4-sets, from blocks one point short on the old points.
    QVERIFY(extendByNewPoints({12, 5, 2, 2}, planes, 4, 1, 100).blocks.empty());
    QVERIFY(extendByNewPoints({12, 5, 4, 3}, planes, 4, 1, 100).blocks.empty());
    QVERIFY(!extendByNewPoints({13, 5, 3, 3}, planes, 4, 1, 100).blocks.empty());
    auto misshapen = planes;
    misshapen.back() |= Line{1} << std::countr_zero(~misshapen.back()); // five points
    QVERIFY(extendByNewPoints(d, misshapen, 4, 1, 100).blocks.empty());
    QVERIFY(extendByNewPoints({11, 5, 3, 3}, planes, 4, 1, 100).blocks.empty()); // a plane past the 7 old points

    // Weighing from a start cuts the blocks that hold least alone: two lines more than the
    // Fano plane go, and the plane is left.
    const auto fano = lines({"01-02-03", "01-04-05", "01-06-07", "02-04-06", "02-05-07", "03-04-07", "03-05-06"}, 7);
    WeighOptions w;
    w.start = lines(
        {"01-02-04", "01-02-03", "01-04-05", "01-06-07", "02-04-06", "02-05-07", "03-04-07", "03-05-06", "03-06-07"},
        7);
    auto found = weighAtFixedCount({7, 3, 2, 2}, 7, w);
    auto plane = fano;
    std::sort(plane.begin(), plane.end());
    std::sort(found.begin(), found.end());
    QCOMPARE(found, plane);
}

#include "test_engine.moc"
