// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The passes wheelgen runs over a folder of search results: which wheels each takes, and
// what each search gives back for one wheel.
#include "EngineLines.h"
#include "wheelsearch/notes.h"
#include "wheelsearch/targets.h"
#include "wheelsearch/verify.h"

#include <QtTest>

#include <algorithm>
#include <string>

using namespace wheel;

namespace {

// The Fano plane, with `more` lines beyond it: "2 if 2" of pick 3 on 7 numbers.
Entry fano(std::size_t more = 0, std::string note = {})
{
    Entry e{{3, 'a', 7, 2, 2},
            lines({"01-02-03", "01-04-05", "01-06-07", "02-04-06", "02-05-07", "03-04-07", "03-05-06", "01-02-04",
                   "03-06-07"},
                  7),
            0,
            std::move(note),
            {}};
    e.lines.resize(7 + more);
    return e;
}

std::string name(const WheelSpec &s)
{
    return std::to_string(s.pick) + s.type + std::to_string(s.z) + " " + s.label();
}

} // namespace

class TestEngineStrategies : public QObject {
    Q_OBJECT
private slots:
    void groupPassesTakeWheelsAboveTheirRecordOrMissing();
    void fixedCountPassesTakeEachDesignOnce();
    void extensionsFindTheirSmallerDesigns();
    void catalogueListsTheCommonCountsFirst();
    void searchingAgainTakesTheLargestGapsFirst();
    void groupSearchesGiveWheelsWithTheirNotes();
    void fixedCountAndRepeatedSearchesKeepTheirNotes();
    void extensionGrowsAWheelFromItsBase();
    void catalogueTellsWhatItMadeOfAGuarantee();
};

void TestEngineStrategies::groupPassesTakeWheelsAboveTheirRecordOrMissing()
{
    const auto records = parseRecords("v,k,t,m,record,lower_bound,source\n7,3,2,2,7,7,x\n7,3,2,3,2,2,y\n");
    const auto never = [](const WheelSpec &) { return false; };
    // Of two wheels of one guarantee the smaller is taken; a key wheel "3 if 3" rests on the
    // type-a wheel of the pick below, and a pick not asked for is passed over.
    const Entry key{{4, 'k', 8, 3, 3}, linesFromDesign({4, 'k', 8, 3, 3}, fano(2).lines), 0, {}, {}};
    auto above = recordTargets({fano(2), fano(1), key}, records, 1.0, {3, 4}, 0, 0, never);
    QCOMPARE(above.size(), std::size_t{1});
    QCOMPARE(above[0].wheel.lines.size(), std::size_t{8});
    QCOMPARE(above[0].ratio, 8.0 / 7.0);
    QVERIFY(recordTargets({fano(1)}, records, 1.2, {3}, 0, 0, never).empty()); // within the ratio
    QVERIFY(recordTargets({fano(1)}, records, 1.0, {4}, 0, 0, never).empty());
    QVERIFY(recordTargets({fano(1)}, records, 1.0, {3}, 0, 0, [](const WheelSpec &s) {
                return s.z == 7;
            }).empty()); // tried before

    // Given a range of numbers, the guarantees there without a wheel: "2 if 2" makes "2 if 3"
    // pointless, and the full wheel is never searched.
    QVERIFY(recordTargets({fano()}, records, 1.0, {3}, 7, 7, never).empty());
    const auto missing = recordTargets({}, records, 1.0, {3}, 7, 7, never);
    QCOMPARE(missing.size(), std::size_t{2});
    QCOMPARE(name(missing[0].wheel.spec), std::string("3a7 2 if 2"));
    QCOMPARE(name(missing[1].wheel.spec), std::string("3a7 2 if 3"));
    QVERIFY(missing[0].wheel.lines.empty());
    const auto notTried = recordTargets({}, records, 1.0, {3}, 7, 7, [](const WheelSpec &s) { return s.y == 2; });
    QCOMPARE(notTried.size(), std::size_t{1});
    QCOMPARE(name(notTried[0].wheel.spec), std::string("3a7 2 if 3"));
}

void TestEngineStrategies::fixedCountPassesTakeEachDesignOnce()
{
    // The plane as a type-a wheel and, key in front, as the key wheel of pick 4: one design,
    // searched once, from the type-a wheel.
    const Entry typeA = fano(2);
    const Entry key{{4, 'k', 8, 3, 3}, linesFromDesign({4, 'k', 8, 3, 3}, typeA.lines), 0, {}, {}};
    for (const auto &all : {std::vector<Entry>{key, typeA}, std::vector<Entry>{typeA, key}}) {
        const auto targets = fixedCountTargets(all, {});
        QCOMPARE(targets.size(), std::size_t{1});
        QCOMPARE(targets[0].spec.type, 'a');
    }
    // The same lines as a "2 if 3" wheel are another design, searched over its drawn sets.
    const Entry twoIfThree{{3, 'a', 7, 2, 3}, typeA.lines, 0, {}, {}};
    QCOMPARE(fixedCountTargets({typeA, twoIfThree}, {}).size(), std::size_t{2});
    // At its record, at the counting bound, or drawn sets three larger than a hit: nothing to do.
    const auto records = parseRecords("v,k,t,m,record,lower_bound,source\n7,3,2,2,9,7,x\n");
    QVERIFY(fixedCountTargets({typeA}, records).empty());
    QVERIFY(fixedCountTargets({fano()}, {}).empty());
    QVERIFY(fixedCountTargets({{{3, 'a', 7, 2, 5}, typeA.lines, 0, {}, {}}}, {}).empty());
}

void TestEngineStrategies::extensionsFindTheirSmallerDesigns()
{
    // Triples of 12 numbers on lines of 5 may grow from triples of 8 on lines of 4 (four new
    // numbers, one a line); a design of pairs is never extended.
    Entry planes{{4, 'a', 8, 3, 3}, fullWheel(4, 'a', 8).lines, 0, {}, {}};
    planes.lines.resize(40);
    Entry twelve{{5, 'a', 12, 3, 3}, fullWheel(5, 'a', 12).lines, 0, {}, {}};
    twelve.lines.resize(60);
    const auto targets = extensionTargets({planes, twelve, fano(2)}, {});
    QCOMPARE(targets.size(), std::size_t{1}); // nothing held for the 8 to grow from
    QCOMPARE(targets[0].wheel.spec.z, 12);
    QCOMPARE(targets[0].bases.size(), std::size_t{1});
    QCOMPARE(targets[0].bases[0].fresh, 4);
    QCOMPARE(targets[0].bases[0].each, 1);
    QCOMPARE(targets[0].bases[0].base.lines.size(), std::size_t{40});
    // At its record the wheel is left alone.
    const auto records = parseRecords("v,k,t,m,record,lower_bound,source\n12,5,3,3,60,27,x\n");
    QVERIFY(extensionTargets({planes, twelve}, records).empty());
}

void TestEngineStrategies::catalogueListsTheCommonCountsFirst()
{
    const auto specs = catalogueSpecs({3}, 11, 14);
    QVERIFY(!specs.empty());
    // Up to 12 numbers first, every pick and type alike, then the rest in the order listed.
    const auto firstLarge = std::find_if(specs.begin(), specs.end(), [](const WheelSpec &s) { return s.z > 12; });
    QVERIFY(std::all_of(firstLarge, specs.end(), [](const WheelSpec &s) { return s.z > 12; }));
    QVERIFY(std::any_of(specs.begin(), firstLarge, [](const WheelSpec &s) { return s.type == 'k'; }));
    // Every guarantee "2 if 2" to "3 if 3" of both types; a key wheel "3 if 3" only while the
    // pick below is not catalogued, as assemble makes it from that pick's wheels.
    QCOMPARE(specs.size(), std::size_t{4 * 2 * 3});
    const auto withTwo = catalogueSpecs({2, 3}, 11, 14);
    QVERIFY(std::none_of(withTwo.begin(), withTwo.end(),
                         [](const WheelSpec &s) { return s.pick == 3 && s.type == 'k' && s.x > 2; }));
    // A large pick: only the strong guarantees, and up to five numbers more than it picks.
    for (const WheelSpec &s : catalogueSpecs({10}, 0, 30))
        QVERIFY(s.x >= 6 && s.z <= 15);
}

void TestEngineStrategies::searchingAgainTakesTheLargestGapsFirst()
{
    Entry nine{{3, 'a', 9, 2, 2}, fullWheel(3, 'a', 9).lines, 0, {}, "p3a-z9-2if2.txt"};
    nine.lines.resize(20); // the bound is 12
    Entry searched = nine;
    searched.note = "searched 5.0 s from a greedy start of 20 lines";
    const auto targets = searchAgainTargets({fano(), fano(2), searched, nine, fullWheel(3, 'a', 5)}, 3.0);
    QCOMPARE(targets.size(), std::size_t{2});
    QCOMPARE(targets[0].wheel.file, std::string("p3a-z9-2if2.txt"));
    QCOMPARE(targets[0].gap, 20.0 / 12.0);
    QCOMPARE(targets[1].wheel.lines.size(), std::size_t{9});
    QCOMPARE(targets[1].searched, 0.0);
    // Searched long enough already, the wheel waits for a longer pass.
    QCOMPARE(searchAgainTargets({searched}, 6.0).size(), std::size_t{1});
    // Asked for more, it goes on however long it was searched; the bound still stops it.
    QCOMPARE(searchAgainTargets({searched, fano()}, 3.0, true).size(), std::size_t{1});
}

void TestEngineStrategies::groupSearchesGiveWheelsWithTheirNotes()
{
    const WheelSpec plane{3, 'a', 7, 2, 2};
    int told = 0;
    const Entry orbit =
        searchThroughOrbits(plane, 1, 1, 100, [&](const PointCycles &, const OrbitSearchResult &) { ++told; });
    QCOMPARE(told, static_cast<int>(cycleGroupsFor(7, 5).size()));
    QCOMPARE(orbit.lines.size(), std::size_t{7});
    QVERIFY(verifyWheel(plane, orbit.lines).holds);
    QVERIFY2(orbit.note.starts_with("kept by turning 1 run(s) of 7"), orbit.note.c_str());

    const Entry group = searchThroughGroups(plane, 0.2, 1, 100);
    QCOMPARE(group.lines.size(), std::size_t{7});
    QVERIFY(verifyWheel(plane, group.lines).holds);
    QVERIFY2(group.note.starts_with("kept by the group "), group.note.c_str());
    QVERIFY(searchThroughGroups(plane, 0.2, 1, 100, "no such group").lines.empty());
    // A design more than twice the lines asked for is no start.
    QVERIFY(searchThroughGroups(plane, 0.2, 1, 3).lines.empty());

    const Entry exact = exactThroughGroups(plane, 7, 1, {});
    QCOMPARE(exact.lines.size(), std::size_t{7});
    QVERIFY(verifyWheel(plane, exact.lines).holds);
    QVERIFY2(exact.note.ends_with(", every choice of its orbits tried: 1 orbits of lines, 7 lines"),
             exact.note.c_str());
    QVERIFY(exactThroughGroups(plane, 6, 1, {}).lines.empty()); // below the counting bound
}

void TestEngineStrategies::fixedCountAndRepeatedSearchesKeepTheirNotes()
{
    const auto [down, seconds] = searchWheelAtFixedCount(fano(2), 1, 1, FixedCountMethod::weigh);
    QCOMPARE(down.lines.size(), std::size_t{7});
    QVERIFY(verifyWheel(down.spec, down.lines).holds);
    QVERIFY2(down.note.starts_with("weighted at a fixed count: 7 lines in "), down.note.c_str());
    QVERIFY(seconds >= 0);
    const auto key =
        searchWheelAtFixedCount({{4, 'k', 8, 3, 3}, linesFromDesign({4, 'k', 8, 3, 3}, fano(2).lines), 0, {}, {}}, 1, 1,
                                FixedCountMethod::tabu);
    QCOMPARE(key.wheel.lines.size(), std::size_t{7});
    QVERIFY(verifyWheel(key.wheel.spec, key.wheel.lines).holds); // the key put back in front
    QVERIFY(searchWheelAtFixedCount(fano(), 0.2, 1, FixedCountMethod::tabu).wheel.lines.empty());

    // Searched again, a wheel keeps how it was found and adds the time; a wheel the search
    // cannot better keeps its lines.
    const auto joined = searchAgain(fano(2, "joined from two parts"), 0.5, 1);
    QVERIFY(joined.wheel.lines.size() < 9);
    QVERIFY(verifyWheel(joined.wheel.spec, joined.wheel.lines).holds);
    QVERIFY2(joined.wheel.note.starts_with("joined from two parts; then searched "), joined.wheel.note.c_str());
    const auto plain = searchAgain(fano(), 0.2, 1);
    QCOMPARE(plain.wheel.lines, fano().lines);
    QVERIFY2(plain.wheel.note.ends_with(" s from a greedy start of 7 lines"), plain.wheel.note.c_str());
}

void TestEngineStrategies::extensionGrowsAWheelFromItsBase()
{
    // The planes of the cube over GF(2), every triple of 8 numbers once, each given one of 4
    // new numbers: a wheel of pick 5 on 12 at most as large as the greedy cover of the rest.
    const std::vector<Line> planes = cubePlanes();
    Entry twelve{{5, 'a', 12, 3, 3}, fullWheel(5, 'a', 12).lines, 0, {}, {}};
    twelve.lines.resize(60);
    const ExtensionTarget target{twelve, {{4, 1, {{4, 'a', 8, 3, 3}, planes, 0, {}, {}}}}};
    std::size_t told = 0;
    const Extension x =
        extendFromSmaller(target, 0.2, 1, [&](const ExtensionBase &b, std::size_t, std::size_t covered) {
            QCOMPARE(b.fresh, 4);
            told = covered;
        });
    QCOMPARE(x.from, &target.bases[0]);
    QCOMPARE(x.startLines, told);
    QVERIFY(x.lines <= x.startLines && x.lines == x.wheel.lines.size());
    QVERIFY(verifyWheel(x.wheel.spec, x.wheel.lines).holds);
    QVERIFY2(x.wheel.note.starts_with("extended from the 14 lines of pick 4 type-a \"3 if 3\" on 8 numbers, each "
                                      "with one of 4 numbers more"),
             x.wheel.note.c_str());
    // A base that cannot be extended gives nothing.
    const ExtensionTarget misfit{twelve, {{4, 1, {{3, 'a', 8, 2, 2}, fullWheel(3, 'a', 8).lines, 0, {}, {}}}}};
    QVERIFY(extendFromSmaller(misfit, 0.2, 1).from == nullptr);
}

void TestEngineStrategies::catalogueTellsWhatItMadeOfAGuarantee()
{
    const auto full = catalogueWheel({3, 'k', 9, 3, 3}, 1, 1);
    QCOMPARE(full.outcome, CatalogueWheel::Outcome::found);
    QVERIFY(!full.searched);
    QCOMPARE(full.wheel.note, std::string("every combination"));
    QCOMPARE(full.wheel.lines.size(), std::size_t{28});
    QCOMPARE(catalogueWheel({5, 'a', 30, 5, 5}, 1, 1).outcome, CatalogueWheel::Outcome::none); // 142,506 lines

    const auto searched = catalogueWheel({3, 'a', 9, 2, 2}, 1, 1);
    QCOMPARE(searched.outcome, CatalogueWheel::Outcome::found);
    QVERIFY(searched.searched);
    QCOMPARE(searched.wheel.lines.size(), searched.search.blocks.size());
    QVERIFY(verifyWheel(searched.wheel.spec, searched.wheel.lines).holds);
    QVERIFY2(searched.wheel.note.starts_with("searched "), searched.wheel.note.c_str());

    // More lines than the catalogue searches, or more drawn sets than the search follows.
    const auto large = catalogueWheel({4, 'a', 49, 3, 3}, 1, 1);
    QCOMPARE(large.outcome, CatalogueWheel::Outcome::none);
    QVERIFY(!large.searched);
    const WheelSpec many{10, 'a', 40, 2, 10};
    QVERIFY(lowerBound(designOf(many)) <= kMostLinesSearched);
    QCOMPARE(catalogueWheel(many, 1, 1).outcome, CatalogueWheel::Outcome::tooManySets);
}

QTEST_GUILESS_MAIN(TestEngineStrategies)
#include "test_engine_strategies.moc"
