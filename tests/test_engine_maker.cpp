// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The maker's starts: wheels for more numbers with numbers taken out, lines left pointless
// dropped, joins; and that the maker never hands back more lines than its best start.
#include "EngineLines.h"
#include "wheelsearch/maker.h"
#include "wheelsearch/search.h"
#include "wheelsearch/verify.h"

#include <QtTest>

#include <bit>

Q_DECLARE_METATYPE(wheel::WheelSpec)

namespace {

// The guarantee checked the plain way, apart from the engine's verifier: every drawn set of y
// numbers (holding 01 for a key wheel) meets some line in at least x; every line holds pick
// numbers within z (and 01 for a key wheel).
bool keepsGuarantee(const wheel::WheelSpec &s, const std::vector<wheel::Line> &lines)
{
    for (const wheel::Line line : lines)
        if (std::popcount(line) != s.pick || (s.type == 'k' && !(line & 1u)) || (line >> s.z) != 0)
            return false;
    for (wheel::Line drawn = (wheel::Line{1} << s.y) - 1; drawn < (wheel::Line{1} << s.z);
         drawn = wheel::nextOfSameSize(drawn)) {
        if (s.type == 'k' && !(drawn & 1u))
            continue;
        bool met = false;
        for (const wheel::Line line : lines)
            met = met || std::popcount(line & drawn) >= s.x;
        if (!met)
            return false;
    }
    return true;
}

std::vector<wheel::Line> searched(const wheel::WheelSpec &s, std::uint64_t seed = 1)
{
    wheel::SearchOptions o;
    o.seed = seed;
    o.secondsCap = 2.0;
    o.movesPerLevel = 20'000; // a good wheel is not needed, only a sound one
    return wheel::searchWheel(s, o).blocks;
}

wheel::WheelSpec spec(int pick, char type, int z, int x, int y)
{
    return {pick, type, z, x, y};
}

} // namespace

class TestEngineMaker : public QObject {
    Q_OBJECT
private slots:
    void takingNumbersOutKeepsTheGuarantee_data();
    void takingNumbersOutKeepsTheGuarantee();
    void startsFromLargerWheelsKeepTheGuarantee_data();
    void startsFromLargerWheelsKeepTheGuarantee();
    void onlyPointlessLinesAreDropped();
    void servesOnlyWithAsStrongAGuarantee();
    void joinsAreStarts();
    void makerIsNeverWorseThanItsBestStart();
};

void TestEngineMaker::takingNumbersOutKeepsTheGuarantee_data()
{
    QTest::addColumn<wheel::WheelSpec>("from");
    QTest::addColumn<QList<int>>("out"); // positions, 0 for number 01
    QTest::newRow("the last number") << spec(5, 'a', 12, 3, 4) << QList<int>{11};
    QTest::newRow("the first number") << spec(5, 'a', 12, 3, 4) << QList<int>{0};
    QTest::newRow("three inside") << spec(6, 'a', 13, 3, 3) << QList<int>{2, 6, 9};
    QTest::newRow("a key wheel keeps its key") << spec(6, 'k', 13, 4, 5) << QList<int>{5, 12};
    QTest::newRow("lotto design") << spec(6, 'a', 14, 3, 6) << QList<int>{1, 13};
    QTest::newRow("down to the pick") << spec(4, 'a', 7, 3, 3) << QList<int>{3, 4, 6};
}

void TestEngineMaker::takingNumbersOutKeepsTheGuarantee()
{
    QFETCH(wheel::WheelSpec, from);
    QFETCH(QList<int>, out);
    const auto lines = searched(from);
    QVERIFY(keepsGuarantee(from, lines));
    wheel::Line taken = 0;
    for (int p : out)
        taken |= wheel::Line{1} << p;
    wheel::WheelSpec to = from;
    to.z -= static_cast<int>(out.size());
    const auto fewer = wheel::takeNumbersOut(from, lines, taken);
    QVERIFY(!fewer.empty());
    QVERIFY(fewer.size() <= lines.size());
    QVERIFY(keepsGuarantee(to, fewer));
    QVERIFY(wheel::verifyWheel(to, fewer).holds);
}

void TestEngineMaker::startsFromLargerWheelsKeepTheGuarantee_data()
{
    QTest::addColumn<wheel::WheelSpec>("wanted");
    QTest::newRow("type-a") << spec(5, 'a', 11, 3, 4);
    QTest::newRow("key") << spec(6, 'k', 11, 4, 5);
    QTest::newRow("pair cover") << spec(6, 'a', 14, 2, 2);
}

void TestEngineMaker::startsFromLargerWheelsKeepTheGuarantee()
{
    QFETCH(wheel::WheelSpec, wanted);
    // Wheels for one to four numbers more, one of them with a stronger guarantee; the one
    // four numbers larger is too far to be a start.
    std::vector<wheel::KnownWheel> known;
    for (int more = 1; more <= 4; ++more) {
        wheel::WheelSpec s = wanted;
        s.z += more;
        if (more == 2)
            s.x = std::min(s.x + 1, s.y);
        known.push_back({s, searched(s, static_cast<std::uint64_t>(more)), "shipped"});
    }
    const auto starts = wheel::startsFromKnown(wanted, known);
    QCOMPARE(starts.size(), std::size_t(3));
    for (std::size_t i = 0; i < starts.size(); ++i) {
        QVERIFY2(keepsGuarantee(wanted, starts[i].lines), starts[i].how.c_str());
        QVERIFY(starts[i].how.find("taken out of the shipped wheel") != std::string::npos);
        if (i > 0)
            QVERIFY(starts[i - 1].lines.size() <= starts[i].lines.size());
    }
}

void TestEngineMaker::onlyPointlessLinesAreDropped()
{
    // Every triple of the 8 points lies on exactly one plane of the cube: no plane is
    // pointless, and lines added after them are.
    const wheel::WheelSpec s = spec(4, 'a', 8, 3, 3);
    auto planes = cubePlanes();
    auto withMore = planes;
    for (const wheel::Line extra : lines({"01-02-03-05", "02-04-06-07", "01-02-03-05"}, 8))
        withMore.push_back(extra);
    QCOMPARE(wheel::dropPointlessLines(s, withMore), std::size_t(3));
    std::sort(planes.begin(), planes.end(), wheel::lineLess);
    std::sort(withMore.begin(), withMore.end(), wheel::lineLess);
    QCOMPARE(withMore, planes);
    QCOMPARE(wheel::dropPointlessLines(s, planes), std::size_t(0));

    // A key wheel taken down from more numbers: what is dropped leaves the guarantee whole.
    const wheel::WheelSpec from = spec(6, 'k', 14, 4, 5);
    const wheel::WheelSpec to = spec(6, 'k', 12, 4, 5);
    auto fewer = wheel::takeNumbersOut(from, searched(from), wheel::Line{3} << 12);
    const std::size_t before = fewer.size();
    const std::size_t dropped = wheel::dropPointlessLines(to, fewer);
    QCOMPARE(fewer.size(), before - dropped);
    QVERIFY(keepsGuarantee(to, fewer));
}

void TestEngineMaker::servesOnlyWithAsStrongAGuarantee()
{
    const wheel::WheelSpec wanted = spec(6, 'a', 20, 3, 4);
    QVERIFY(wheel::servesRequest(wanted, wanted));
    QVERIFY(wheel::servesRequest(spec(6, 'a', 22, 3, 3), wanted)); // fewer drawn, more numbers
    QVERIFY(wheel::servesRequest(spec(6, 'a', 20, 4, 4), wanted));
    QVERIFY(!wheel::servesRequest(spec(6, 'a', 20, 2, 4), wanted)); // fewer matched
    QVERIFY(!wheel::servesRequest(spec(6, 'a', 20, 3, 5), wanted)); // more drawn
    QVERIFY(!wheel::servesRequest(spec(6, 'a', 19, 3, 4), wanted)); // fewer numbers
    QVERIFY(!wheel::servesRequest(spec(6, 'k', 20, 3, 4), wanted));
    QVERIFY(!wheel::servesRequest(spec(7, 'a', 20, 3, 4), wanted));
}

void TestEngineMaker::joinsAreStarts()
{
    // "3 if 3" of pick 4 on 9 numbers: the cube's planes for the draws without 09, and a pair
    // cover of the 8 by triples, each with 09, for those with it.
    const wheel::WheelSpec pairs = spec(3, 'a', 8, 2, 2);
    const std::vector<wheel::KnownWheel> known{{spec(4, 'a', 8, 3, 3), cubePlanes(), "shipped"},
                                               {pairs, searched(pairs), "shipped"}};
    const wheel::WheelSpec wanted = spec(4, 'a', 9, 3, 3);
    const auto starts = wheel::startsJoined(wanted, known);
    QVERIFY(!starts.empty());
    QVERIFY(starts.front().lines.size() <= 14 + known[1].lines.size());
    QVERIFY2(keepsGuarantee(wanted, starts.front().lines), starts.front().how.c_str());
    QVERIFY(starts.front().how.rfind("a wheel joined", 0) == 0);
}

void TestEngineMaker::makerIsNeverWorseThanItsBestStart()
{
    // A start at the lower bound ends the making at once.
    wheel::MakeWheelOptions o;
    o.spec = spec(4, 'a', 8, 3, 3);
    o.known = {{o.spec, cubePlanes(), "shipped"}};
    o.seconds = 5.0;
    o.threads = 2;
    o.lowerBound = 14;
    auto made = wheel::makeWheel(o);
    QCOMPARE(made.lines.size(), std::size_t(14));
    QCOMPARE(made.heldLines, std::size_t(14));
    QCOMPARE(made.note, std::string("made from the shipped wheel (14 lines), as few lines as any wheel can have"));

    // A poor start for 10 numbers is kept or bettered, never worsened, and a start from a
    // wheel for more numbers is named as such.
    o.spec = spec(5, 'a', 10, 3, 4);
    const wheel::WheelSpec larger = spec(5, 'a', 11, 3, 4);
    auto poor = searched(larger);
    o.known = {{larger, poor, "own"}};
    o.seconds = 0.5;
    o.lowerBound = 0;
    made = wheel::makeWheel(o);
    QVERIFY(!made.lines.empty());
    QVERIFY(made.startLines > 0);
    QVERIFY(made.lines.size() <= made.startLines);
    QCOMPARE(made.heldLines, std::size_t(0));
    QVERIFY(keepsGuarantee(o.spec, made.lines));
    QVERIFY2(made.note.rfind("made from number", 0) == 0, made.note.c_str());
    QVERIFY(made.note.find("taken out of the own wheel on 11 numbers") != std::string::npos);

    // Without a wheel to start from, the maker joins its own from every combination of fewer
    // numbers.
    o.known.clear();
    made = wheel::makeWheel(o);
    QVERIFY(keepsGuarantee(o.spec, made.lines));
    QVERIFY2(made.note.rfind("made from a wheel joined from ", 0) == 0, made.note.c_str());
}

QTEST_GUILESS_MAIN(TestEngineMaker)
#include "test_engine_maker.moc"
