// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Every wheel side by side: the figures against the odds of each wheel counted alone, the
// full wheel's limit, the budget's choice and its sentence, the chart's front, the compare
// subcommand, and the window filling in off its thread.
#include "CommandRun.h"
#include "cli/WheelLookup.h"
#include "core/WheelComparison.h"
#include "core/WheelValue.h"
#include "ui/CostChanceChart.h"
#include "ui/WheelCompareWindow.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QSignalSpy>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <set>

class TestCompare : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void figuresEqualTheOddsOfEachWheel();
    void matchColumnsWhereTiersAreUnknown();
    void fullWheelOnlyWithinTheLimit();
    void budgetChoosesTheBestWithin();
    void frontHoldsNoWheelACheaperOneBeats();
    void commandPrintsEveryWheelAndItsJson();
    void commandRefusesWhatItCannotCompare();
    void windowFillsInAndPlaysTheChosenRow();

private:
    QStringList compareArguments(const QString &lottery, int numbers) const;
    QTemporaryDir dir_;
    QString library_;
};

namespace {

ComparedWheel made(const char *label, int tickets, double chance, double price = 3.0)
{
    ComparedWheel w;
    w.offer = WheelOffer{6, WheelType::TypeA, 10, QLatin1String(label), tickets, WheelOrigin::Shipped};
    w.counted = true;
    w.cost = price * tickets;
    w.currency = QStringLiteral("CAD");
    w.anyPrize = chance;
    w.chances = {chance / 10};
    return w;
}

} // namespace

void TestCompare::initTestCase()
{
    QVERIFY(dir_.isValid());
    // A library that does not exist: only the shipped wheels are compared.
    library_ = dir_.filePath(QStringLiteral("none.sqlite3"));
}

QStringList TestCompare::compareArguments(const QString &lottery, int numbers) const
{
    return {QStringLiteral("compare"),
            QStringLiteral("--country"),
            QStringLiteral("Canada"),
            QStringLiteral("--lottery"),
            lottery,
            QStringLiteral("--numbers"),
            QString::number(numbers),
            QStringLiteral("--database"),
            QStringLiteral(DATABASE),
            QStringLiteral("--library"),
            library_};
}

void TestCompare::figuresEqualTheOddsOfEachWheel()
{
    WheelSource source;
    QVERIFY(!source.open(QStringLiteral(DATABASE), library_));
    CommandFailure failure;
    const auto lottery = source.lottery(QStringLiteral("Canada"), QStringLiteral("Lotto 6/49"), failure);
    QVERIFY(lottery);
    const QList<WheelCandidate> candidates = wheelsToCompare(source.shelf(), lottery->details, 9);
    QVERIFY(candidates.size() > 10);
    std::set<WheelType> types;
    for (const WheelCandidate &c : candidates) {
        QVERIFY2(c.problem.isEmpty(), qPrintable(c.problem));
        types.insert(c.offer.type);
        const ComparedWheel w = compareWheel(*lottery, c, {});
        QVERIFY(w.counted);
        // The same question counted alone, as the odds panel and subcommand count it.
        const OddsQuestion q = oddsQuestion(*lottery, c.offer, c.lines);
        odds::TierOdds alone;
        std::string error;
        QCOMPARE(odds::computeTiers(q.tierQuestion(), alone, error), odds::Status::Done);
        QCOMPARE(w.anyPrize, alone.anyPrize);
        QCOMPARE(w.chances.size(), 3);
        for (int t = 0; t < 3; ++t)
            QCOMPARE(w.chances[t], alone.anyTicket[static_cast<std::size_t>(t)]);
        QCOMPARE(w.cost.value(), 3.0 * c.offer.tickets);
        const auto fixed = expectedFixedReturn(q.tiers, alone);
        QCOMPARE(w.fixedReturn.has_value(), fixed.has_value());
        if (fixed)
            QCOMPARE(*w.returnPerUnit, fixed->amount / (3.0 * c.offer.tickets));
    }
    QCOMPARE(types.size(), std::size_t{2});

    // And the subcommands agree: compare's figures for "3 if 4" are odds' own.
    const CommandRun odds =
        runCommand({QStringLiteral("odds"), QStringLiteral("--country"), QStringLiteral("Canada"),
                    QStringLiteral("--lottery"), QStringLiteral("Lotto 6/49"), QStringLiteral("--numbers"),
                    QStringLiteral("9"), QStringLiteral("--wheel"), QStringLiteral("3 if 4"), QStringLiteral("--json"),
                    QStringLiteral("--database"), QStringLiteral(DATABASE), QStringLiteral("--library"), library_});
    QCOMPARE(odds.status, 0);
    const QJsonObject oddsJson = QJsonDocument::fromJson(odds.out.toUtf8()).object();
    const CommandRun compare =
        runCommand(compareArguments(QStringLiteral("Lotto 6/49"), 9) << QStringLiteral("--json"));
    QCOMPARE(compare.status, 0);
    bool found = false;
    for (const QString &line : compare.out.split(u'\n', Qt::SkipEmptyParts)) {
        const QJsonObject w = QJsonDocument::fromJson(line.toUtf8()).object();
        if (w[QStringLiteral("guarantee")] != QStringLiteral("3 if 4") ||
            w[QStringLiteral("type")] != QStringLiteral("a"))
            continue;
        found = true;
        QCOMPARE(w[QStringLiteral("anyPrize")].toDouble(), oddsJson[QStringLiteral("anyPrize")].toDouble());
        const QJsonArray tiers = oddsJson[QStringLiteral("tiers")].toArray();
        const QJsonArray chances = w[QStringLiteral("chances")].toArray();
        for (int t = 0; t < 3; ++t) {
            QCOMPARE(chances[t][QStringLiteral("name")], tiers[t][QStringLiteral("name")]);
            QCOMPARE(chances[t][QStringLiteral("chance")].toDouble(), tiers[t][QStringLiteral("anyTicket")].toDouble());
        }
        QCOMPARE(w[QStringLiteral("fixedReturn")].toDouble(), oddsJson[QStringLiteral("expectedReturn")].toDouble());
        QCOMPARE(w[QStringLiteral("tickets")].toInt(), oddsJson[QStringLiteral("tickets")].toInt());
    }
    QVERIFY(found);
}

void TestCompare::matchColumnsWhereTiersAreUnknown()
{
    PlayedLottery lottery;
    lottery.country = QStringLiteral("Nowhere");
    lottery.name = QStringLiteral("Pick 6");
    lottery.details.pick = 6;
    lottery.details.facts.pool = 49;
    lottery.details.facts.drawn = 6;
    lottery.details.facts.lowestPrize = PrizeTier{3, 0};
    const ChanceColumns columns = chanceColumns(lottery.details);
    QCOMPARE(columns.names, QStringList({QStringLiteral("3 or more matches"), QStringLiteral("4 or more matches"),
                                         QStringLiteral("5 or more matches"), QStringLiteral("6 or more matches")}));
    // The full wheel on 8 numbers against the match table counted alone.
    const auto full = everyCombination(6, WheelType::TypeA, 8);
    QVERIFY(full);
    const ComparedWheel w = compareWheel(lottery, *full, {});
    QVERIFY(w.counted);
    QVERIFY(!w.cost); // no price: costs are in tickets
    QCOMPARE(budgetCost(w), 28.0);
    odds::Options options;
    options.lowestPrizeMain = 3;
    odds::Table table;
    std::string error;
    QCOMPARE(odds::compute({49, 6, 0, 0, 0}, {8, full->lines}, options, table, error), odds::Status::Done);
    QCOMPARE(w.anyPrize, table.prize);
    for (int b = 3; b <= 6; ++b)
        QCOMPARE(w.chanceOf(b - 3), table.atLeast[static_cast<std::size_t>(b)]);
    QVERIFY(!w.fixedReturn);
    // A cancelled count is no figure.
    std::atomic<bool> stop{true};
    const auto big = everyCombination(6, WheelType::TypeA, 13);
    QVERIFY(big);
    const ComparedWheel dropped = compareWheel(lottery, *big, {}, &stop);
    QVERIFY(!dropped.counted);
}

void TestCompare::fullWheelOnlyWithinTheLimit()
{
    // Every combination: C(13,6) = 1716 tickets are kept, C(14,6) = 3003 are not; a key wheel's
    // key is on every ticket, so C(13,5) = 1287 of them fit on 14 numbers.
    const auto a13 = everyCombination(6, WheelType::TypeA, 13);
    QVERIFY(a13);
    QCOMPARE(a13->offer.tickets, 1716);
    QCOMPARE(a13->offer.label, QStringLiteral("6 if 6"));
    QCOMPARE(std::set<wheel::Line>(a13->lines.begin(), a13->lines.end()).size(), std::size_t{1716});
    for (const wheel::Line l : a13->lines)
        QVERIFY(std::popcount(l) == 6 && l < (wheel::Line{1} << 13));
    QVERIFY(!everyCombination(6, WheelType::TypeA, 14));
    const auto k14 = everyCombination(6, WheelType::Key, 14);
    QVERIFY(k14);
    QCOMPARE(k14->offer.tickets, 1287);
    for (const wheel::Line l : k14->lines)
        QVERIFY(l & 1);
    QVERIFY(!everyCombination(6, WheelType::Key, 15));

    // Added where the offers lack it, never twice, and a stored one past the limit is left out.
    const WheelOffer stored{6, WheelType::TypeA, 13, QStringLiteral("6 if 6"), 1716, WheelOrigin::Shipped};
    const WheelOffer small{6, WheelType::TypeA, 13, QStringLiteral("3 if 4"), 40, WheelOrigin::Shipped};
    const auto fulls = [](const QList<WheelCandidate> &list) {
        int n = 0;
        for (const WheelCandidate &c : list)
            n += c.offer.label == QStringLiteral("6 if 6") ? 1 : 0;
        return n;
    };
    QCOMPARE(fulls(candidatesOf({small}, nullptr, 6, 13)), 2); // made for both types
    QCOMPARE(fulls(candidatesOf({small, stored}, nullptr, 6, 13)), 2);
    QVERIFY(!candidatesOf({small, stored}, nullptr, 6, 13).first().everyCombination);
    const WheelOffer huge{6, WheelType::TypeA, 14, QStringLiteral("6 if 6"), 3003, WheelOrigin::Shipped};
    const QList<WheelCandidate> on14 = candidatesOf({huge}, nullptr, 6, 14);
    QCOMPARE(on14.size(), 1); // the key wheel's only
    QCOMPARE(on14.first().offer.type, WheelType::Key);
    // A budget keeps out what costs more, the full wheels too.
    QCOMPARE(candidatesOf({small}, nullptr, 6, 13, [](const WheelOffer &o) { return o.tickets <= 100; }).size(), 1);
}

void TestCompare::budgetChoosesTheBestWithin()
{
    const QString any = QStringLiteral("3 or more matches");
    QList<ComparedWheel> wheels{made("4 if 5", 7, 0.09), made("3 if 4", 4, 0.0582), made("2 if 3", 2, 0.03),
                                made("3 if 5", 3, 0.0582)};
    // The cheaper of two as good wins; the better one over the budget is named first.
    BudgetChoice c = chooseWithin(wheels, 20.0, -1, any);
    QCOMPARE(c.best, 3);
    QCOMPARE(c.overBudget, QList<int>{0});
    QCOMPARE(c.sentence, QStringLiteral("4 if 5, 7 tickets, 21.00 CAD: over budget; 3 if 5, 3 tickets, 9.00 CAD: best "
                                        "chance of 3 or more matches within 20.00 CAD: 5.82%."));
    // The whole budget: the best of all, nothing said over it.
    c = chooseWithin(wheels, 21.0, -1, any);
    QCOMPARE(c.best, 0);
    QVERIFY(c.overBudget.isEmpty());
    QVERIFY(c.sentence.startsWith(QStringLiteral("4 if 5, 7 tickets, 21.00 CAD: best chance")));
    // Another column is chosen by its own figure.
    wheels[2].chances = {0.5};
    QCOMPARE(chooseWithin(wheels, 20.0, 0, QStringLiteral("the tier 6")).best, 2);
    // An exact tie of chance and cost keeps the first and says so.
    wheels << made("3 if 5", 3, 0.0582);
    wheels.last().offer.origin = WheelOrigin::Own;
    c = chooseWithin(wheels, 20.0, -1, any);
    QCOMPARE(c.best, 3);
    QVERIFY(c.sentence.endsWith(QStringLiteral("(another wheel as good costs as much).")));
    // Nothing within: the cheapest is named.
    c = chooseWithin(wheels, 5.0, -1, any);
    QCOMPARE(c.best, -1);
    QCOMPARE(c.overBudget.size(), wheels.size());
    QCOMPARE(c.sentence, QStringLiteral("No wheel fits within 5.00 CAD: the cheapest is 2 if 3, 2 tickets, 6.00 CAD."));
    // Uncounted wheels are greyed when over, never chosen.
    wheels[1].counted = false;
    wheels[3].counted = false;
    wheels[4].counted = false;
    QCOMPARE(chooseWithin(wheels, 20.0, -1, any).best, 2);
    // Without a price the budget counts tickets.
    for (ComparedWheel &w : wheels)
        w.cost.reset();
    c = chooseWithin(wheels, 3, -1, any);
    QCOMPARE(c.best, 2);
    QVERIFY(c.sentence.contains(QStringLiteral("within 3 tickets")));
    QCOMPARE(chooseWithin({}, 10, -1, any).sentence, QStringLiteral("No wheel is stored for these numbers."));
}

void TestCompare::frontHoldsNoWheelACheaperOneBeats()
{
    QList<ComparedWheel> wheels{made("a", 10, 0.2), made("b", 4, 0.1),  made("c", 4, 0.15), made("d", 20, 0.18),
                                made("e", 30, 0.4), made("f", 2, 0.01), made("g", 12, 0.2)};
    wheels[5].counted = false;
    const QList<int> front = frontOf(wheels, -1);
    QCOMPARE(front, QList<int>({2, 0, 4}));
    // Cheapest first, each better than all that cost as little or less.
    for (int i = 0; i < front.size(); ++i)
        for (int j = 0; j < wheels.size(); ++j)
            if (j != front[i] && wheels[j].counted && budgetCost(wheels[j]) <= budgetCost(wheels[front[i]]))
                QVERIFY(wheels[j].anyPrize < wheels[front[i]].anyPrize);
    // Every wheel off the front is beaten or matched by one no dearer on it.
    for (int j = 0; j < wheels.size(); ++j) {
        if (front.contains(j) || !wheels[j].counted)
            continue;
        bool beaten = false;
        for (const int f : front)
            beaten |= budgetCost(wheels[f]) <= budgetCost(wheels[j]) && wheels[f].anyPrize >= wheels[j].anyPrize;
        QVERIFY(beaten);
    }
}

void TestCompare::commandPrintsEveryWheelAndItsJson()
{
    const CommandRun json =
        runCommand(compareArguments(QStringLiteral("Lotto 6/49"), 8)
                   << QStringLiteral("--json") << QStringLiteral("--budget") << QStringLiteral("12"));
    QCOMPARE(json.status, 0);
    const QStringList lines = json.out.split(u'\n', Qt::SkipEmptyParts);
    QVERIFY(lines.size() > 10);
    const QStringList keys{QStringLiteral("guarantee"),  QStringLiteral("type"),        QStringLiteral("origin"),
                           QStringLiteral("tickets"),    QStringLiteral("cost"),        QStringLiteral("anyPrize"),
                           QStringLiteral("chances"),    QStringLiteral("fixedReturn"), QStringLiteral("returnPerUnit"),
                           QStringLiteral("overBudget"), QStringLiteral("best")};
    int best = -1;
    for (int i = 0; i + 1 < lines.size(); ++i) {
        const QJsonObject w = QJsonDocument::fromJson(lines[i].toUtf8()).object();
        QStringList have = w.keys();
        QStringList wanted = keys;
        have.sort();
        wanted.sort();
        QCOMPARE(have, wanted);
        QCOMPARE(w[QStringLiteral("cost")].toDouble(), 3.0 * w[QStringLiteral("tickets")].toInt());
        QCOMPARE(w[QStringLiteral("overBudget")].toBool(), w[QStringLiteral("cost")].toDouble() > 12);
        QCOMPARE(w[QStringLiteral("chances")].toArray().size(), 3);
        if (w[QStringLiteral("best")].toBool())
            best = i;
    }
    const QJsonObject last = QJsonDocument::fromJson(lines.last().toUtf8()).object();
    QCOMPARE(last[QStringLiteral("budget")].toDouble(), 12.0);
    QCOMPARE(last[QStringLiteral("best")].toInt(-1), best);
    QVERIFY(last[QStringLiteral("sentence")].toString().contains(QStringLiteral("within 12.00 CAD")));

    const CommandRun text = runCommand(compareArguments(QStringLiteral("Lotto 6/49"), 8)
                                       << QStringLiteral("--budget") << QStringLiteral("12"));
    QCOMPARE(text.status, 0);
    QVERIFY(text.out.contains(QStringLiteral("Any prize")));
    QVERIFY(text.out.contains(QStringLiteral("6 if 6")));
    QVERIFY(text.out.contains(last[QStringLiteral("sentence")].toString()));
}

void TestCompare::commandRefusesWhatItCannotCompare()
{
    QCOMPARE(runCommand(compareArguments(QStringLiteral("Lotto 6/49"), 6)).status, 2);
    QCOMPARE(runCommand(compareArguments(QStringLiteral("Lotto 6/49"), 8)
                        << QStringLiteral("--budget") << QStringLiteral("lots"))
                 .status,
             2);
    QCOMPARE(runCommand(compareArguments(QStringLiteral("No such lottery"), 8)).status, 1);
    QCOMPARE(runCommand({QStringLiteral("compare"), QStringLiteral("--numbers"), QStringLiteral("8")}).status, 2);
    const CommandRun help = runCommand({QStringLiteral("compare"), QStringLiteral("--help")});
    QCOMPARE(help.status, 0);
    QVERIFY(help.out.startsWith(QStringLiteral("Usage: wheelwright compare")));
}

void TestCompare::windowFillsInAndPlaysTheChosenRow()
{
    WheelSource source;
    QVERIFY(!source.open(QStringLiteral(DATABASE), library_));
    CommandFailure failure;
    const auto lottery = source.lottery(QStringLiteral("Canada"), QStringLiteral("Lotto 6/49"), failure);
    QVERIFY(lottery);
    auto window = std::make_unique<WheelCompareWindow>();
    QSignalSpy counted(window.get(), &WheelCompareWindow::wheelsCounted);
    QSignalSpy numbers(window.get(), &WheelCompareWindow::numbersCounted);
    QSignalSpy chosen(window.get(), &WheelCompareWindow::wheelChosen);
    window->show();
    window->showWheels(*lottery, 9, {}, source.shelf());
    auto *table = window->findChild<QTableView *>(QStringLiteral("compareTable"));
    QVERIFY(table);
    QCOMPARE(table->model()->rowCount(), static_cast<int>(window->wheels().size()));
    QTRY_COMPARE_WITH_TIMEOUT(counted.size(), 1, 60000);
    for (const ComparedWheel &w : window->wheels())
        QVERIFY(w.counted);
    QCOMPARE(window->choice().best, chooseWithin(window->wheels(), 20, -1, QStringLiteral("any prize")).best);
    QVERIFY(
        window->findChild<QLabel *>(QStringLiteral("compareSentence"))->text().contains(QStringLiteral("20.00 CAD")));
    QTRY_COMPARE_WITH_TIMEOUT(numbers.size(), 1, 60000);
    auto *counts = window->findChild<QTableWidget *>(QStringLiteral("countsTable"));
    QCOMPARE(counts->rowCount(), 20 - 6);
    QVERIFY(!counts->item(0, 1)->text().startsWith(QStringLiteral("counting")));

    // Sorted by tickets, the first row is the fewest; Return on it plays that wheel.
    table->sortByColumn(2, Qt::AscendingOrder);
    table->setFocus();
    table->setCurrentIndex(table->model()->index(0, 0));
    QTest::keyClick(table, Qt::Key_Return);
    QCOMPARE(chosen.size(), 1);
    const auto offer = chosen.first().first().value<WheelOffer>();
    int fewest = 1 << 30;
    for (const ComparedWheel &w : window->wheels())
        fewest = std::min(fewest, w.offer.tickets);
    QCOMPARE(offer.tickets, fewest);
    QCOMPARE(offer.numbers, 9);

    // A smaller budget greys more and recounts the other counts within it.
    window->setBudget(6);
    QVERIFY(window->choice().overBudget.size() > 0);
    QTRY_VERIFY_WITH_TIMEOUT(window->countsCounted(), 60000);
    if (!qEnvironmentVariableIsEmpty("WHEELWRIGHT_COMPARE_GRAB")) {
        window->setBudget(20);
        QTRY_VERIFY_WITH_TIMEOUT(window->countsCounted(), 60000);
        window->grab().save(qEnvironmentVariable("WHEELWRIGHT_COMPARE_GRAB"));
    }

    // Closing in the middle of a count drops it; the window goes without waiting long.
    window->showWheels(*lottery, 20, {}, source.shelf());
    QVERIFY(!window->tableCounted());
    window->close();
    window.reset();
}

QTEST_MAIN(TestCompare)
#include "test_compare.moc"
