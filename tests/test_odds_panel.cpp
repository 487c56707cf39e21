// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The prize tiers on the wheel page's odds panel: on their own, and on the page of the program.
#include "GuiDriver.h"
#include "core/WheelValue.h"
#include "ui/BackgroundPool.h"
#include "ui/WheelOddsPanel.h"

#include <QImage>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTableWidget>
#include <QThreadPool>

#include <atomic>
#include <thread>

class TestOddsPanel : public QObject, GuiDriver {
    Q_OBJECT
private slots:
    void init() { prepare(); }
    void cleanup() { finish(); }
    void showsEveryTier();
    void saysWhenTiersAreNotKnown();
    void bonusTiersNeedBonusNumbers();
    void wheelPageShowsTiers();
    void countsNeverHoldUpAPaint();
};

namespace {

TierRule tier(const char *name, int main, int supplementary, TierRule::Prize prize, qint64 cents = 0)
{
    TierRule t;
    t.name = QLatin1String(name);
    t.main = main;
    t.supplementary = supplementary;
    t.prize = prize;
    t.cents = cents;
    t.currency = prize == TierRule::Prize::Fixed ? QStringLiteral("CAD") : QString();
    return t;
}

// Eight numbers of a 6/49 game with a bonus ball, on four tickets.
WheelOddsPanel::Request sixOfFortyNine()
{
    WheelOddsPanel::Request q;
    q.lottery = {49, 6, 1, 0, 0};
    q.wheel = {8, {0x3f, 0xfc, 0xcf, 0xf3}};
    q.label = QStringLiteral("3 if 4");
    q.guarantee = Guarantee{3, 4};
    q.lowestPrize = PrizeTier{2, 0};
    using P = TierRule::Prize;
    q.tiers = {tier("6 matches", 6, 0, P::Shared),      tier("5 + bonus", 5, 1, P::Shared),
               tier("5 matches", 5, 0, P::Shared),      tier("4 matches", 4, 0, P::Shared),
               tier("3 matches", 3, 0, P::Fixed, 1000), tier("2 + bonus", 2, 1, P::Fixed, 500),
               tier("2 matches", 2, 0, P::Unknown)};
    q.price = 3.0;
    q.currency = QStringLiteral("CAD");
    return q;
}

} // namespace

void TestOddsPanel::showsEveryTier()
{
    WheelOddsPanel panel;
    panel.resize(900, 700);
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    QSignalSpy tiersShown(&panel, &WheelOddsPanel::tiersShown);
    const auto request = sixOfFortyNine();
    panel.showOdds(request);
    QTRY_COMPARE(tiersShown.size(), 1);
    QTRY_VERIFY(panel.shownTable().has_value());
    QVERIFY(panel.shownTiers().has_value());

    odds::TierOdds expected;
    std::string error;
    QCOMPARE(odds::computeTiers(request.tierQuestion(), expected, error), odds::Status::Done);
    QCOMPARE(panel.shownTiers()->anyTicket, expected.anyTicket);

    auto *table = panel.findChild<QTableWidget *>(QStringLiteral("tiersTable"));
    QVERIFY(table && table->isVisible());
    QCOMPARE(table->rowCount(), 7);
    QCOMPARE(table->columnCount(), 4);
    QVERIFY(!table->accessibleName().isEmpty());
    QVERIFY(table->focusPolicy() & Qt::TabFocus);
    QCOMPARE(table->item(1, 0)->text(), QStringLiteral("5 + bonus"));
    QCOMPARE(table->item(1, 1)->text(), QStringLiteral("shared"));
    QCOMPARE(table->item(4, 1)->text(), QStringLiteral("10.00 CAD"));
    QCOMPARE(table->item(6, 1)->text(), QStringLiteral("not known"));
    for (int r = 0; r < 7; ++r)
        QVERIFY(table->item(r, 2)->text().startsWith(percentText(expected.anyTicket[static_cast<std::size_t>(r)])));
    // The whole table shows: no row or column is cut.
    QVERIFY(table->viewport()->height() >= table->rowHeight(0) * table->rowCount());
    for (int c = 0; c < 4; ++c)
        QVERIFY(table->columnWidth(c) >= table->fontMetrics().horizontalAdvance(table->item(0, c)->text()));

    const QString summary = panel.findChild<QLabel *>(QStringLiteral("tiersSummary"))->text();
    QVERIFY2(summary.contains(QStringLiteral("Any prize:")), qPrintable(summary));
    QVERIFY(summary.contains(percentText(expected.anyPrize)));
    // 10.00 and 5.00 CAD times the tickets expected in those tiers, against 4 tickets at 3.00.
    const auto fixed = expectedFixedReturn(request.tiers, expected);
    QVERIFY(fixed &&
            qAbs(fixed->amount - (10 * expected.expectedTickets[4] + 5 * expected.expectedTickets[5])) < 1e-12);
    QVERIFY(summary.contains(formatAmount(std::llround(fixed->amount * 100), QStringLiteral("CAD"))));
    QVERIFY(summary.contains(QStringLiteral("4 tickets x 3.00 CAD = 12.00 CAD")));
    QVERIFY(summary.contains(QStringLiteral("Tiers with shared prizes are not in this return.")));
    // Today's table stays beside it.
    QVERIFY(panel.findChild<QTableWidget *>(QStringLiteral("oddsTable"))->isVisible());
}

void TestOddsPanel::saysWhenTiersAreNotKnown()
{
    WheelOddsPanel panel;
    panel.show();
    QSignalSpy tiersShown(&panel, &WheelOddsPanel::tiersShown);
    auto request = sixOfFortyNine();
    request.tiers.clear();
    panel.showOdds(request);
    QCOMPARE(tiersShown.size(), 1); // nothing to count
    QVERIFY(!panel.shownTiers().has_value());
    auto *status = panel.findChild<QLabel *>(QStringLiteral("tiersStatus"));
    QVERIFY(status->isVisible());
    QVERIFY(status->text().startsWith(QStringLiteral("The prize tiers of this lottery are not known")));
    QVERIFY(!panel.findChild<QTableWidget *>(QStringLiteral("tiersTable"))->isVisible());
    QTRY_VERIFY(panel.shownTable().has_value());
    QVERIFY(panel.findChild<QTableWidget *>(QStringLiteral("oddsTable"))->isVisible());
    QVERIFY(status->isVisible());

    // A fresh wheel with tiers replaces the sentence; one without brings it back.
    panel.showOdds(sixOfFortyNine());
    QTRY_VERIFY(panel.shownTiers().has_value());
    QVERIFY(!status->isVisible());
    panel.showOdds(request);
    QVERIFY(!panel.shownTiers().has_value());
    QVERIFY(status->isVisible());
}

void TestOddsPanel::bonusTiersNeedBonusNumbers()
{
    WheelOddsPanel panel;
    panel.show();
    auto request = sixOfFortyNine();
    request.lottery = {49, 6, 0, 10, 1};
    request.tiers = {tier("6 + bonus", 6, 0, TierRule::Prize::Shared),
                     tier("3 matches", 3, 0, TierRule::Prize::Shared)};
    request.tiers[0].bonus = 1;
    request.bonusPerTicket = 1;
    panel.showOdds(request);
    QTRY_VERIFY(panel.shownTiers().has_value());
    QCOMPARE(panel.shownTiers()->anyTicket[0], 0.0);
    const auto *summary = panel.findChild<QLabel *>(QStringLiteral("tiersSummary"));
    QVERIFY(summary->text().contains(QStringLiteral("Counted without bonus numbers")));
    QVERIFY(summary->text().contains(QStringLiteral("No tier pays a fixed amount")));
    request.bonus = {4, 9};
    panel.showOdds(request);
    QTRY_VERIFY(panel.shownTiers().has_value());
    // Six of 49 on one of the four tickets, times the drawn bonus on its number: 4 / C(49,6) / 10.
    QVERIFY(qAbs(panel.shownTiers()->anyTicket[0] - 4.0 / 13983816 / 10) < 1e-20);
    QVERIFY(summary->text().contains(QStringLiteral("Counted with the bonus numbers")));
}

// On the page of the program: a lottery with tiers shows them under today's table, one without
// says so, and the page never waits for either.
void TestOddsPanel::wheelPageShowsTiers()
{
    startProgram(QStringLiteral(DATABASE));
    chooseLottery(QStringLiteral("Canada"), QStringLiteral("Lotto 6/49"));
    click("nextButton");
    for (int n : {17, 3, 40, 8, 25, 31, 44, 12, 9, 21})
        tap(n);
    click("nextButton");
    auto *panel = widget<WheelOddsPanel>("oddsGroup");
    QVERIFY(panel);
    QTRY_VERIFY(panel->shownTiers().has_value());
    QTRY_VERIFY(panel->shownTable().has_value());
    auto *table = widget<QTableWidget>("tiersTable");
    QCOMPARE(table->rowCount(), 7);
    QCOMPARE(table->item(1, 0)->text(), QStringLiteral("5 + bonus"));
    QVERIFY(table->isVisible());
    // The panel's whole height fits the page's scroll area: nothing is cut.
    QVERIFY(table->mapTo(app->mainWindow(), QPoint(0, table->height())).y() > 0);
    // WHEELWRIGHT_ODDS_PICTURE names a file for a picture of the page, tall enough to hold the tiers.
    if (const QString picture = qEnvironmentVariable("WHEELWRIGHT_ODDS_PICTURE"); !picture.isEmpty()) {
        app->mainWindow()->resize(1024, 1180);
        QTest::qWait(50);
        app->mainWindow()->grab().save(picture);
    }

    click("previousButton");
    click("previousButton");
    chooseLottery(QStringLiteral("Malaysia"), QStringLiteral("Supreme Toto 6/58"));
    click("nextButton");
    for (int n : {17, 3, 40, 8, 25, 31, 44, 12, 9, 21})
        tap(n);
    click("nextButton");
    QTRY_VERIFY(panel->shownTable().has_value());
    QVERIFY(!panel->shownTiers().has_value());
    QVERIFY(widget<QLabel>("tiersStatus")
                ->text()
                .startsWith(QStringLiteral("The prize tiers of this lottery are not "
                                           "known")));
    QVERIFY(alerts.isEmpty());
}

// The raster paint engine splits a large fill over the toolkit's global pool and waits for its
// threads. The counts run on threads of their own: with every one of those held, the panel's
// counts wait in their queue while paints go on.
void TestOddsPanel::countsNeverHoldUpAPaint()
{
    QThreadPool *pool = backgroundPool();
    QVERIFY(pool != QThreadPool::globalInstance());
    const int threads = pool->maxThreadCount();
    QSemaphore started;
    QSemaphore release;
    for (int i = 0; i < threads; ++i)
        pool->start([&started, &release] {
            started.release();
            release.acquire();
        });
    QVERIFY(started.tryAcquire(threads, 10000));
    // The held threads go free after 60 s whatever happens, so the test cannot hang.
    QSemaphore done;
    std::atomic<bool> timedOut{false};
    std::thread guard([&] {
        if (!done.tryAcquire(1, 60000))
            timedOut = true;
        release.release(threads);
    });

    WheelOddsPanel panel;
    panel.resize(900, 700);
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    QSignalSpy tiersShown(&panel, &WheelOddsPanel::tiersShown);
    panel.showOdds(sixOfFortyNine());

    QImage image(900, 700, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, 0, 700);
    gradient.setColorAt(0, Qt::white);
    gradient.setColorAt(1, Qt::darkBlue);
    painter.fillRect(image.rect(), gradient);
    painter.end();
    QVERIFY(!panel.grab().isNull());
    QTest::qWait(300);
    const bool countWaited = tiersShown.isEmpty() && !panel.shownTable().has_value();

    done.release();
    guard.join();
    QVERIFY(!timedOut);
    QVERIFY(countWaited);
    QTRY_COMPARE(tiersShown.size(), 1);
    QVERIFY(panel.shownTable().has_value());
}

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale::c());
    QApplication app(argc, argv);
    TestOddsPanel t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_odds_panel.moc"
