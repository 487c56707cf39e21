// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The wheel engine's own checks and files: the proof of a guarantee, the wheel file, lines
// borrowed from other wheels, the notes of how a wheel was found, and which wheels ship.
#include "EngineLines.h"
#include "wheelsearch/borrowedlines.h"
#include "wheelsearch/notes.h"
#include "wheelsearch/records.h"
#include "wheelsearch/search.h"
#include "wheelsearch/shipping.h"
#include "wheelsearch/verify.h"
#include "wheelsearch/wheelfile.h"

#include <QtTest>

#include <algorithm>
#include <bit>
#include <map>

using namespace wheel;

class TestEngineWheels : public QObject {
    Q_OBJECT
private slots:
    void verifierFindsHoles();
    void verifierRefusesMisshapenLines_data();
    void verifierRefusesMisshapenLines();
    void verifierAcceptsKnownDesigns();
    void verifierReachesFortyNineNumbers();
    void wheelFilesRefuseBadInput_data();
    void wheelFilesRefuseBadInput();
    void selectionDropsPointlessWheels();
    void neighboursLendTheirWheels();
    void notesTravelWithTheirWheels();
    void keyWheelsBorrowTheLinesOfTheirDesign();
    void wheelsNameTheWheelsTheyGrowFrom();
    void reportComparesWithRecords();
};

void TestEngineWheels::verifierFindsHoles()
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

void TestEngineWheels::verifierRefusesMisshapenLines_data()
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

void TestEngineWheels::verifierRefusesMisshapenLines()
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

void TestEngineWheels::verifierAcceptsKnownDesigns()
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

void TestEngineWheels::verifierReachesFortyNineNumbers()
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

void TestEngineWheels::wheelFilesRefuseBadInput_data()
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

void TestEngineWheels::wheelFilesRefuseBadInput()
{
    QFETCH(QString, text);
    QFETCH(QString, where);
    QFETCH(QString, what);
    const auto r = parseWheels(text.toStdString(), "f");
    QVERIFY(r.entries.empty());
    QVERIFY2(QString::fromStdString(r.error).startsWith(where), r.error.c_str());
    QVERIFY2(QString::fromStdString(r.error).contains(what), r.error.c_str());
}

void TestEngineWheels::selectionDropsPointlessWheels()
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

void TestEngineWheels::neighboursLendTheirWheels()
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

void TestEngineWheels::notesTravelWithTheirWheels()
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

void TestEngineWheels::keyWheelsBorrowTheLinesOfTheirDesign()
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

void TestEngineWheels::wheelsNameTheWheelsTheyGrowFrom()
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

void TestEngineWheels::reportComparesWithRecords()
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
    QVERIFY2(report.contains(QStringLiteral("below the published record:\n  0 designs\n")), qPrintable(report));

    // Against a record of 8 the plane is news, told once with how it was found, though a
    // second wheel has the same design.
    Entry again = fano;
    again.note = "derived from a neighbour";
    const QString news = QString::fromStdString(
        printReport({fano, again}, parseRecords("v,k,t,m,record,lower_bound,source\n7,3,2,2,8,7,x\n")));
    QVERIFY2(
        news.contains(QStringLiteral("below the published record:\n  pick 3 type-a, 7 numbers, \"2 if 2\": 7 lines, "
                                     "record 8 (design 7,3,2,2): searched 1.5 s from a greedy start of 9 lines\n"
                                     "  1 designs\n")),
        qPrintable(news));
}

QTEST_GUILESS_MAIN(TestEngineWheels)
#include "test_engine_wheels.moc"
