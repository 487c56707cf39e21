// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Odds.h"
#include "wheelsearch/wheel.h"

#include <QFile>
#include <QRegularExpression>
#include <QtTest>

#include <bit>

using Lines = std::vector<std::uint64_t>;
Q_DECLARE_METATYPE(Lines)

class TestOdds : public QObject {
    Q_OBJECT
private slots:
    void matchesEveryDraw_data();
    void matchesEveryDraw();
    void subsetsOfLargerWheels_data();
    void subsetsOfLargerWheels();
    void sumsAndOrder();
    void shippedGuaranteesShow();
    void edgeCases();
    void refusesInvalid_data();
    void refusesInvalid();
    void cancels();
};

static Lines allLines(int z, int k) // every k-subset of z: the full wheel
{
    Lines out;
    for (std::uint64_t s = (std::uint64_t{1} << k) - 1;;) {
        out.push_back(s);
        const std::uint64_t low = s & (~s + 1);
        const std::uint64_t ripple = s + low;
        if (ripple == 0) // past the 64th position
            break;
        s = (((ripple ^ s) >> 2) / low) | ripple;
        if (z < 64 && s >= (std::uint64_t{1} << z))
            break;
    }
    return out;
}

static Lines randomLines(int z, int k, int count, quint32 seed, bool key)
{
    QRandomGenerator rng(seed);
    Lines out;
    while (static_cast<int>(out.size()) < count) {
        std::uint64_t l = key ? 1 : 0;
        while (std::popcount(l) < k)
            l |= std::uint64_t{1} << rng.bounded(z);
        out.push_back(l);
    }
    return out;
}

static std::uint64_t choose(int n, int r)
{
    return static_cast<std::uint64_t>(odds::binomial(n, r));
}

void TestOdds::matchesEveryDraw_data()
{
    QTest::addColumn<int>("pool");
    QTest::addColumn<int>("drawn");
    QTest::addColumn<int>("numbers");
    QTest::addColumn<Lines>("lines");
    QTest::addColumn<int>("lowest");
    QTest::newRow("full wheel 7 numbers, pick 5") << 15 << 5 << 7 << allLines(7, 5) << 3;
    QTest::newRow("full wheel 8 numbers, pick 4") << 15 << 5 << 8 << allLines(8, 4) << 2;
    QTest::newRow("key wheel 8 numbers") << 15 << 5 << 8 << randomLines(8, 5, 4, 7, true) << 3;
    QTest::newRow("key wheel 9 numbers") << 15 << 5 << 9 << randomLines(9, 5, 6, 8, true) << 4;
    QTest::newRow("sparse wheel 9 numbers") << 15 << 5 << 9 << randomLines(9, 5, 5, 9, false) << 3;
    QTest::newRow("repeated line") << 15 << 5 << 7 << Lines{0x1f, 0x1f, 0x7c} << 5;
    QTest::newRow("one line, numbers = pick") << 15 << 5 << 5 << Lines{0x1f} << 2;
    QTest::newRow("more drawn than numbers") << 14 << 7 << 6 << randomLines(6, 4, 3, 10, false) << 3;
    QTest::newRow("mixed line sizes") << 13 << 6 << 9 << Lines{0x7, 0x1f0, 0x155, 0x0f} << 1;
    QTest::newRow("every number played") << 12 << 4 << 12 << randomLines(12, 5, 8, 11, false) << 3;
}

// Every draw of the pool, counted one by one, against the walk over subsets of the player's numbers.
void TestOdds::matchesEveryDraw()
{
    QFETCH(int, pool);
    QFETCH(int, drawn);
    QFETCH(int, numbers);
    QFETCH(Lines, lines);
    QFETCH(int, lowest);
    odds::Table t;
    std::string error;
    QCOMPARE(odds::compute({pool, drawn}, {numbers, lines}, {lowest, nullptr}, t, error), odds::Status::Done);

    const int depth = std::min(drawn, numbers);
    // tally[keyed][j][b]: draws with j of the player's numbers whose best line matches exactly b
    std::vector<std::vector<std::vector<std::uint64_t>>> tally(
        2, std::vector<std::vector<std::uint64_t>>(depth + 1, std::vector<std::uint64_t>(drawn + 1, 0)));
    std::vector<long double> exactly(drawn + 1, 0);
    const std::uint64_t mine = (std::uint64_t{1} << numbers) - 1;
    std::uint64_t draws = 0;
    for (std::uint64_t d : allLines(pool, drawn)) {
        ++draws;
        int best = 0;
        for (auto l : lines) {
            const int m = std::popcount(d & l);
            best = std::max(best, m);
            exactly[m] += 1;
        }
        ++tally[0][std::popcount(d & mine)][best];
        if (d & 1)
            ++tally[1][std::popcount(d & mine)][best];
    }
    QCOMPARE(static_cast<long double>(draws), odds::binomial(pool, drawn));
    QCOMPARE(static_cast<int>(t.have.size()), depth + 1);
    std::vector<long double> overall(drawn + 1, 0);
    for (int j = 0; j <= depth; ++j) {
        const std::uint64_t outside = choose(pool - numbers, drawn - j); // draws per j-subset
        std::uint64_t drawsWithJ = 0;
        for (auto c : tally[0][j])
            drawsWithJ += c;
        QCOMPARE(t.have[j].probability, static_cast<double>(static_cast<long double>(drawsWithJ) / draws));
        for (int keyed = 0; keyed < 2; ++keyed) {
            const odds::HaveRow &row = keyed ? t.keyedHave[j] : t.have[j];
            std::uint64_t atLeast = 0;
            for (int b = drawn; b >= 0; --b) {
                atLeast += tally[keyed][j][b];
                if (!keyed)
                    overall[b] += atLeast;
                QVERIFY2(row.atLeastSets[b] * outside == atLeast,
                         qPrintable(QStringLiteral("keyed %1 j %2 b %3: %4 subsets x %5 draws, counted %6")
                                        .arg(keyed)
                                        .arg(j)
                                        .arg(b)
                                        .arg(row.atLeastSets[b])
                                        .arg(outside)
                                        .arg(atLeast)));
            }
        }
    }
    for (int b = 0; b <= drawn; ++b) {
        QVERIFY(qAbs(t.atLeast[b] - static_cast<double>(overall[b] / draws)) < 1e-15);
        QVERIFY(qAbs(t.expected[b] - static_cast<double>(exactly[b] / draws)) < 1e-12);
    }
    QCOMPARE(t.prize, t.atLeast[lowest]);
}

void TestOdds::subsetsOfLargerWheels_data()
{
    QTest::addColumn<int>("drawn");
    QTest::addColumn<int>("numbers");
    QTest::addColumn<Lines>("lines");
    // From lines that meet a subset in one place at most (few, short) to many long lines, so the
    // count takes each of its ways of doing two levels at once, and the way one at a time.
    QTest::newRow("few short lines") << 6 << 22 << randomLines(22, 3, 12, 21, false);
    QTest::newRow("sparse pick 6") << 6 << 20 << randomLines(20, 6, 25, 22, false);
    QTest::newRow("dense pick 6") << 6 << 18 << randomLines(18, 6, 300, 23, false);
    QTest::newRow("key pick 7") << 7 << 19 << randomLines(19, 7, 80, 24, true);
    QTest::newRow("more than 64 lines, pick 5") << 5 << 24 << randomLines(24, 5, 140, 25, false);
    // {0, 1, 5, 6}: its best line meets {0, 1} in one place only, yet holds both 5 and 6.
    QTest::newRow("a line one short holds both") << 4 << 12 << Lines{0x303, 0x461, 0x0c4, 0x812, 0x128};
    QTest::newRow("seven drawn of few numbers") << 7 << 12 << randomLines(12, 4, 9, 26, false);
    // Key wheels are walked without the key; three levels at once meet lines of every count.
    QTest::newRow("key wheel, every number drawn") << 7 << 7 << randomLines(7, 4, 5, 27, true);
    QTest::newRow("dense key pick 6") << 7 << 16 << randomLines(16, 6, 150, 28, true);
    QTest::newRow("key lines of two") << 5 << 14 << randomLines(14, 2, 10, 30, true);
    Lines mixed = randomLines(18, 3, 20, 31, false);
    for (auto l : randomLines(18, 7, 40, 32, false))
        mixed.push_back(l);
    QTest::newRow("lines of mixed sizes") << 7 << 18 << mixed;
    QTest::newRow("numbers up to the 64th") << 4 << 64 << randomLines(64, 6, 40, 29, false);
}

// The best match of every subset of the player's numbers, counted one by one, against the walk.
void TestOdds::subsetsOfLargerWheels()
{
    QFETCH(int, drawn);
    QFETCH(int, numbers);
    QFETCH(Lines, lines);
    odds::Table t;
    std::string error;
    QCOMPARE(odds::compute({std::max(60, numbers), drawn}, {numbers, lines}, {}, t, error), odds::Status::Done);
    const int depth = std::min(drawn, numbers);
    for (int j = 0; j <= depth; ++j) {
        std::vector<std::uint64_t> all(drawn + 1, 0);
        std::vector<std::uint64_t> keyed(drawn + 1, 0);
        for (std::uint64_t s : j == 0 ? Lines{0} : allLines(numbers, j)) {
            int best = 0;
            for (auto l : lines)
                best = std::max(best, std::popcount(s & l));
            for (int b = 0; b <= best; ++b) {
                ++all[b];
                keyed[b] += s & 1;
            }
        }
        for (int b = 0; b <= drawn; ++b) {
            QVERIFY2(t.have[j].atLeastSets[b] == all[b], qPrintable(QStringLiteral("j %1 b %2").arg(j).arg(b)));
            if (j > 0)
                QVERIFY2(t.keyedHave[j].atLeastSets[b] == keyed[b],
                         qPrintable(QStringLiteral("keyed j %1 b %2").arg(j).arg(b)));
        }
    }
}

void TestOdds::sumsAndOrder()
{
    // A 20-number wheel for a 6/49 game: large enough that the pruned walk matters.
    const Lines lines = randomLines(20, 6, 60, 12, false);
    odds::Table t;
    std::string error;
    QCOMPARE(odds::compute({49, 6}, {20, lines}, {3, nullptr}, t, error), odds::Status::Done);
    QCOMPARE(t.tickets, 60);
    long double sum = 0;
    for (const auto &row : t.have) {
        sum += row.probability;
        QCOMPARE(row.subsets, choose(20, row.j));
        QCOMPARE(row.atLeast[0], 1.0);
        for (std::size_t b = 1; b < row.atLeast.size(); ++b) {
            QVERIFY(row.atLeastSets[b] <= row.atLeastSets[b - 1]);
            if (static_cast<int>(b) > row.j)
                QCOMPARE(row.atLeastSets[b], std::uint64_t{0});
        }
    }
    QVERIFY(qAbs(static_cast<double>(sum) - 1.0) < 1e-15);
    QVERIFY(qAbs(t.atLeast[0] - 1.0) < 1e-15);
    for (std::size_t b = 1; b < t.atLeast.size(); ++b)
        QVERIFY(t.atLeast[b] <= t.atLeast[b - 1]);
    double tickets = 0;
    for (double e : t.expected)
        tickets += e;
    QVERIFY(qAbs(tickets - 60.0) < 1e-9); // every line matches some number of times
    QCOMPARE(t.prize, t.atLeast[3]);
}

// The promise "x if y" of every shipped 5-number wheel must read as a certainty in its row.
void TestOdds::shippedGuaranteesShow()
{
    QFile file(QStringLiteral(WHEELS_DIR "/pick5.txt"));
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    static const QRegularExpression head(
        QStringLiteral(R"re(^wheel pick=(\d+) type=([ak]) numbers=(\d+) guarantee="(\d+) if (\d+)" tickets=(\d+))re"));
    int checked = 0;
    while (!file.atEnd()) {
        const auto m = head.match(QString::fromUtf8(file.readLine()));
        if (!m.hasMatch())
            continue;
        const int z = m.captured(3).toInt();
        const int x = m.captured(4).toInt();
        const int y = m.captured(5).toInt();
        const bool key = m.captured(2) == QLatin1String("k");
        Lines lines;
        for (int i = m.captured(6).toInt(); i > 0; --i) {
            const std::string text = file.readLine().trimmed().toStdString();
            if (text.find(' ') != std::string::npos) // names the wheels its lines come from
                break;
            std::uint64_t l = 0;
            std::string error;
            QVERIFY2(wheel::parseLine(text, z, l, error), error.c_str());
            lines.push_back(l);
        }
        if (lines.empty())
            continue;
        odds::Table t;
        std::string error;
        QCOMPARE(odds::compute({50, 5}, {z, lines}, {}, t, error), odds::Status::Done);
        const QString what = m.captured(0);
        const auto &rows = key ? t.keyedHave : t.have;
        for (int j = y; j <= std::min(5, z); ++j) // more of the drawn among yours never breaks it
            QVERIFY2(rows[j].atLeastSets[x] == rows[j].subsets, qPrintable(what));
        ++checked;
    }
    QVERIFY(checked > 300);
}

void TestOdds::edgeCases()
{
    odds::Table t;
    std::string error;
    // Numbers = pick: the one line matches every drawn number that is among the player's.
    QCOMPARE(odds::compute({45, 6}, {6, {0x3f}}, {}, t, error), odds::Status::Done);
    for (const auto &row : t.have) {
        QCOMPARE(row.atLeast[row.j], 1.0);
        if (row.j < 6)
            QCOMPARE(row.atLeast[row.j + 1], 0.0);
    }
    QCOMPARE(t.have[6].probability, static_cast<double>(1.0L / odds::binomial(45, 6)));
    // More drawn than played: rows stop at the player's count, match counts still reach the drawn.
    QCOMPARE(odds::compute({20, 8}, {5, {0x1f}}, {}, t, error), odds::Status::Done);
    QCOMPARE(static_cast<int>(t.have.size()), 6);
    QCOMPARE(static_cast<int>(t.atLeast.size()), 9);
    QCOMPARE(t.atLeast[6], 0.0);
    QCOMPARE(t.prize, -1.0);
    // Every number of the pool played: exactly `drawn` of them are always among the player's.
    QCOMPARE(odds::compute({7, 3}, {7, allLines(7, 3)}, {}, t, error), odds::Status::Done);
    QCOMPARE(t.have[3].probability, 1.0);
    QCOMPARE(t.atLeast[3], 1.0);
    // A pool of 99 with half of it drawn: the binomials are far beyond 64 bits.
    QCOMPARE(odds::compute({99, 49}, {10, allLines(10, 9)}, {}, t, error), odds::Status::Done);
    double sum = 0;
    for (const auto &row : t.have)
        sum += row.probability;
    QVERIFY(qAbs(sum - 1.0) < 1e-12);
}

void TestOdds::refusesInvalid_data()
{
    QTest::addColumn<int>("pool");
    QTest::addColumn<int>("drawn");
    QTest::addColumn<int>("numbers");
    QTest::addColumn<Lines>("lines");
    QTest::addColumn<int>("lowest");
    QTest::newRow("pool too large") << 100 << 6 << 8 << Lines{0x3f} << 0;
    QTest::newRow("pool too small") << 1 << 1 << 1 << Lines{0x1} << 0;
    QTest::newRow("nothing drawn") << 49 << 0 << 8 << Lines{0x3f} << 0;
    QTest::newRow("more drawn than the pool") << 49 << 50 << 8 << Lines{0x3f} << 0;
    QTest::newRow("more numbers than the pool") << 10 << 6 << 11 << Lines{0x3f} << 0;
    QTest::newRow("no lines") << 49 << 6 << 8 << Lines{} << 0;
    QTest::newRow("empty line") << 49 << 6 << 8 << Lines{0x3f, 0} << 0;
    QTest::newRow("position beyond the numbers") << 49 << 6 << 8 << Lines{0x13f} << 0;
    QTest::newRow("lowest prize beyond the drawn") << 49 << 6 << 8 << Lines{0x3f} << 7;
}

void TestOdds::refusesInvalid()
{
    QFETCH(int, pool);
    QFETCH(int, drawn);
    QFETCH(int, numbers);
    QFETCH(Lines, lines);
    QFETCH(int, lowest);
    odds::Table t;
    std::string error;
    QCOMPARE(odds::compute({pool, drawn}, {numbers, lines}, {lowest, nullptr}, t, error), odds::Status::Invalid);
    QVERIFY(!error.empty());
    QVERIFY(t.have.empty());
}

void TestOdds::cancels()
{
    std::atomic<bool> stop{true};
    odds::Table t;
    std::string error;
    QCOMPARE(odds::compute({49, 6}, {30, randomLines(30, 6, 500, 13, false)}, {0, &stop}, t, error),
             odds::Status::Cancelled);
    QVERIFY(t.have.empty());
    stop = false;
    QCOMPARE(odds::compute({49, 6}, {12, randomLines(12, 6, 20, 13, false)}, {0, &stop}, t, error), odds::Status::Done);
}

QTEST_GUILESS_MAIN(TestOdds)
#include "test_odds.moc"
