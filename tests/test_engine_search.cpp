// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The searches for wheels: plain, kept by cyclic groups and by groups from geometry, at a
// fixed count, and from smaller designs given new numbers.
#include "EngineLines.h"
#include "wheelsearch/extend.h"
#include "wheelsearch/fixedcount.h"
#include "wheelsearch/groupcover.h"
#include "wheelsearch/groups.h"
#include "wheelsearch/orbits.h"
#include "wheelsearch/search.h"
#include "wheelsearch/verify.h"
#include "wheelsearch/wheelfile.h"

#include <QtTest>

#include <algorithm>
#include <bit>
#include <map>
#include <numeric>
#include <set>

using namespace wheel;

class TestEngineSearch : public QObject {
    Q_OBJECT
private slots:
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
    void drawnSetSearchGoesDownFromAWheel();
    void keyWheelsCarryTheKey();
    void largePicksAreSearchedAndProven();
    void extensionsByNewNumbersHoldEveryTriple();
};

void TestEngineSearch::searchReachesKnownOptima_data()
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

void TestEngineSearch::searchReachesKnownOptima()
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

void TestEngineSearch::turnsMoveRunsAndKeepFixedPoints()
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

void TestEngineSearch::orbitSearchFindsCyclicDesigns_data()
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

void TestEngineSearch::orbitSearchFindsCyclicDesigns()
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

void TestEngineSearch::fieldsAndGeometricGroupsHaveTheirOrders()
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

void TestEngineSearch::groupSearchFindsDesignsOfGeometry_data()
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

void TestEngineSearch::groupSearchFindsDesignsOfGeometry()
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

void TestEngineSearch::backtrackingOverOrbitsFindsExactDesigns()
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

void TestEngineSearch::fixedCountSearchReachesDesignsAndStopsAtTheBound()
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
    QVERIFY(!searchableAtFixedCount({12, 6, 5, 5}));
}

void TestEngineSearch::drawnSetSearchGoesDownFromAWheel()
{
    // From random blocks at the count of the shipped wheel, and down from a greedy wheel:
    // pairs in triples ("2 if 3"), triples in 4-sets, 4-sets in 5-sets, triples in 5-sets.
    struct Known {
        Design d;
        std::size_t blocks;
    };
    for (const Known &known : {Known{{13, 5, 2, 3}, 5}, Known{{14, 5, 3, 4}, 20}, Known{{15, 6, 3, 4}, 14},
                               Known{{13, 6, 4, 5}, 21}, Known{{15, 5, 3, 5}, 13}, Known{{15, 7, 3, 5}, 5}}) {
        const WheelSpec spec{known.d.k, 'a', known.d.v, known.d.t, known.d.m};
        QVERIFY(searchableAtFixedCount(known.d));
        WeighOptions o;
        o.secondsCap = 20;
        const auto blocks = searchOverDrawnSets(known.d, known.blocks, o);
        QCOMPARE(blocks.size(), known.blocks);
        QVERIFY(verifyWheel(spec, blocks).holds);

        SearchOptions greedy;
        greedy.movesPerLevel = 0;
        FixedCountOptions down;
        down.secondsCap = 1;
        down.start = searchWheel(spec, greedy).blocks;
        QVERIFY(down.start.size() > known.blocks);
        const auto r = descendAtFixedCount(known.d, down.start.size(), down);
        QVERIFY(!r.blocks.empty() && r.blocks.size() < down.start.size());
        QVERIFY(verifyWheel(spec, r.blocks).holds);
    }
    // Drawn sets three numbers larger than a hit are not taken.
    QVERIFY(!searchableAtFixedCount({12, 6, 3, 6}));
    QVERIFY(searchOverDrawnSets({12, 6, 3, 6}, 10, {}).empty());
}

void TestEngineSearch::keyWheelsCarryTheKey()
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

void TestEngineSearch::largePicksAreSearchedAndProven()
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

void TestEngineSearch::extensionsByNewNumbersHoldEveryTriple()
{
    // S(3,4,8): the planes of the cube over GF(2), every triple of 8 points once, and every
    // pair on 3 of its blocks. Given 4 new points, each pair misses at least one of them.
    const std::vector<Line> planes = cubePlanes();
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

QTEST_GUILESS_MAIN(TestEngineSearch)
#include "test_engine_search.moc"
