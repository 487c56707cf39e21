// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Database.h"
#include "Expansion.h"
#include "NumberGrid.h"
#include "SelectionModel.h"
#include "WheelEntry.h"

#include <QRandomGenerator>
#include <QtTest>

class TestCore : public QObject {
    Q_OBJECT
private slots:
    void selectionKeepsItsInvariants();
    void selectionOrders();
    void formats_data();
    void formats();
    void expansionRefusesBadLines_data();
    void expansionRefusesBadLines();
    void ticketFileText();
    void wheelEntries();
    void leadingIntegers();
    void gridFrames();
};

static void checkInvariants(const SelectionModel &m, int n)
{
    QList<int> seen(n + 1, 0);
    for (const auto &l : m.originalarray)
        ++seen[l.getValue()];
    for (const auto &l : m.nosortedarray)
        ++seen[l.getValue()];
    for (int v = 1; v <= n; ++v)
        QVERIFY2(seen[v] == 1, qPrintable(QStringLiteral("number %1 is held %2 times").arg(v).arg(seen[v])));
    QCOMPARE(m.sortedarray.size(), m.nosortedarray.size());
    QList<int> chosen;
    for (const auto &l : m.nosortedarray)
        chosen << l.getValue();
    std::sort(chosen.begin(), chosen.end());
    for (qsizetype i = 0; i < chosen.size(); ++i)
        QCOMPARE(m.sortedarray[i].getValue(), chosen[i]);
}

void TestCore::selectionKeepsItsInvariants()
{
    // Long runs of taps, take-backs, clears and lottery changes, as the controller makes them.
    QRandomGenerator rng(1234);
    SelectionModel m;
    int n = 49;
    int key = 0;
    m.createMutable(n);
    for (int step = 0; step < 20000; ++step) {
        const int what = static_cast<int>(rng.bounded(100));
        if (what < 70) { // tap
            const int v = 1 + static_cast<int>(rng.bounded(n));
            if (m.isEmpty()) {
                key = v;
                m.addNumber(v);
            } else if (m.isInSelectedNumbers(v)) {
                if (v != key || m.count() == 1)
                    m.removeNumber(v);
            } else {
                m.addNumber(v);
            }
        } else if (what < 90) { // Backspace
            if (!m.isEmpty())
                m.removeNumber(m.nosortedarray.constLast().getValue());
        } else if (what < 97) { // Clear
            m.createMutable(n);
        } else { // another lottery
            n = 5 + static_cast<int>(rng.bounded(86));
            m.createMutable(n);
        }
        checkInvariants(m, n);
        if (!m.isEmpty())
            QCOMPARE(m.nosortedarray.first().getValue(), key);
        if (QTest::currentTestFailed())
            return;
    }
}

void TestCore::selectionOrders()
{
    SelectionModel m;
    m.createMutable(49);
    for (int v : {7, 3, 12})
        m.addNumber(v);
    QCOMPARE(m.selectionString(), QStringLiteral("7|3|12"));
    QCOMPARE(m.displayText(false), QStringLiteral(" 7 3 12"));
    QCOMPARE(m.displayText(true), QStringLiteral(" 3 7 12"));
    m.removeNumber(3);
    QCOMPARE(m.originalarray.constLast().getValue(), 3); // given back to the end of the pool
    m.addNumber(3);
    QCOMPARE(m.selectionString(), QStringLiteral("7|12|3"));
    QCOMPARE(m.displayText(true), QStringLiteral(" 3 7 12"));
    QVERIFY(!SelectionModel().isInSelectedNumbers(1));
}

void TestCore::formats_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("ticket");
    const char *const expected[8] = {"5 17 3 41 9 30",   "5-17-3-41-9-30",   "5,17,3,41,9,30",   "5, 17, 3, 41, 9, 30",
                                     "05 17 03 41 09 30", "05-17-03-41-09-30", "05,17,03,41,09,30", "05, 17, 03, 41, 09, 30"};
    for (int f = 0; f < 8; ++f)
        QTest::addRow("format %d", f) << f << QString::fromLatin1(expected[f]);
}

void TestCore::formats()
{
    QFETCH(int, format);
    QFETCH(QString, ticket);
    const auto e = expandTickets(QStringLiteral("5|17|3|22|41|9|30"), {QStringLiteral("01-02-03-05-06-07")}, format);
    QCOMPARE(e.tickets, QStringList{ticket});
    QVERIFY(e.badLine.isEmpty());
}

void TestCore::expansionRefusesBadLines_data()
{
    QTest::addColumn<QString>("line");
    QTest::newRow("position 00") << QStringLiteral("00-02-03");
    QTest::newRow("beyond the selection") << QStringLiteral("01-02-11");
    QTest::newRow("one character") << QStringLiteral("1-02-03");
    QTest::newRow("ends in a dash") << QStringLiteral("01-02-");
    QTest::newRow("empty") << QString();
}

void TestCore::expansionRefusesBadLines()
{
    QFETCH(QString, line);
    const QString selection = QStringLiteral("1|2|3|4|5|6|7|8|9|10");
    const auto e = expandTickets(selection, {QStringLiteral("01-02-03"), line}, 0);
    QVERIFY(e.tickets.isEmpty());
    QCOMPARE(e.badLine, line);
    // Positions 01 and 10, and numbers of three digits, are read whole and never padded.
    const auto ok = expandTickets(QStringLiteral("101|2|3|4|5|6|7|8|9|100"), {QStringLiteral("01-10-02")}, 4);
    QCOMPARE(ok.tickets, QStringList{QStringLiteral("101 100 02")});
    QCOMPARE(getINT(QStringLiteral("07")), 7);
    QCOMPARE(getINT(QStringLiteral("10")), 10);
}

void TestCore::ticketFileText()
{
    const QString text = ticketText(QStringLiteral("Canada"), QStringLiteral("Lotto 6/49"), 0,
                                    {QStringLiteral("1 2 3"), QStringLiteral("4 5 6"), QStringLiteral("7 8 9")});
    QCOMPARE(text, QStringLiteral("Country:Canada\r\nLottery:Lotto 6/49\r\nKey:0\r\n\r\n1 2 3\r\n4 5 6\r\n7 8 9\r\n"));
    QCOMPARE(ticketText(QStringLiteral("A"), QStringLiteral("B"), 7, {}),
             QStringLiteral("Country:A\r\nLottery:B\r\nKey:7\r\n\r\n"));
}

void TestCore::wheelEntries()
{
    const QString entry = wheelEntry(QStringLiteral("3 if 4"), QStringLiteral("12"));
    QCOMPARE(entry, QStringLiteral("3 if 4       Tickets:12"));
    QCOMPARE(xyOptionOf(entry), std::optional<QString>(QStringLiteral("3 if 4")));
    QCOMPARE(xyOptionOf(QString()), std::nullopt);
    QCOMPARE(xyOptionOf(QStringLiteral("3 Tickets:")), std::nullopt);
}

void TestCore::leadingIntegers()
{
    QCOMPARE(leadingInt(QStringLiteral("49 balls")), 49);
    QCOMPARE(leadingInt(QStringLiteral("  -3")), -3);
    QCOMPARE(leadingInt(QStringLiteral("none")), 0);
    QCOMPARE(leadingInt(QStringLiteral("99999999999")), INT_MAX);
}

void TestCore::gridFrames()
{
    // Row 0 at the top, nine to a row; number 10 starts row 1 at the left.
    QCOMPARE(numberButtonFrame(1), QRect(40, 39, 45, 35));
    QCOMPARE(numberButtonFrame(9).x(), 40 + 73 * 8);
    QCOMPARE(numberButtonFrame(10), QRect(40, 79, 45, 35));
    // Every number of a 99 pool lies inside the grid view made for it.
    const QRect view(QPoint(0, 0), numberGridSize(99));
    for (int n = 1; n <= 99; ++n)
        QVERIFY(view.contains(numberButtonFrame(n)));
}

QTEST_GUILESS_MAIN(TestCore)
#include "test_core.moc"
