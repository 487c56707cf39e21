// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Times checkHistory(): 10,000 draws of six from 49 with a bonus ball against 2,000 tickets,
// with the lottery's tiers, as the draw history window and `draws check` count them.
//
//   bench_draws [DRAWS [TICKETS]]
#include "core/DrawHistory.h"

#include <QRandomGenerator>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {
QList<int> randomNumbers(QRandomGenerator &random, int count, int pool, const QList<int> &taken = {})
{
    QList<int> out;
    while (out.size() < count) {
        const int n = int(random.bounded(pool)) + 1;
        if (!out.contains(n) && !taken.contains(n))
            out << n;
    }
    return out;
}
} // namespace

int main(int argc, char **argv)
{
    const int drawCount = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int ticketCount = argc > 2 ? std::atoi(argv[2]) : 2000;
    QRandomGenerator random(49);
    LotteryFacts facts{49, 6, 1, 0, 0, PrizeTier{2, 1}};
    for (const auto &[name, main, supplementary] :
         {std::tuple{"6", 6, 0}, {"5 + bonus", 5, 1}, {"5", 5, 0}, {"4", 4, 0}, {"3", 3, 0}, {"2 + bonus", 2, 1}}) {
        TierRule t;
        t.name = QString::fromLatin1(name);
        t.main = main;
        t.supplementary = supplementary;
        t.prize = TierRule::Prize::Fixed;
        t.cents = 1000;
        t.currency = QStringLiteral("CAD");
        facts.tiers << t;
    }
    QList<TicketNumbers> tickets;
    for (int i = 0; i < ticketCount; ++i)
        tickets << TicketNumbers{randomNumbers(random, 6, 49), {}};
    QList<StoredDraw> draws;
    for (int i = 0; i < drawCount; ++i) {
        StoredDraw d{QDate(1990, 1, 1).addDays(i), randomNumbers(random, 6, 49), {}, {}};
        d.bonus = randomNumbers(random, 1, 49, d.main);
        draws << d;
    }
    const auto start = std::chrono::steady_clock::now();
    const HistoryCheck check = checkHistory(tickets, draws, facts, 3.0, QStringLiteral("CAD"));
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%d draws x %d tickets: %.3f s (%.1f million ticket checks a second); %lld tickets won a tier\n",
                drawCount, ticketCount, seconds, double(drawCount) * ticketCount / seconds / 1e6,
                static_cast<long long>([&] {
                    qint64 n = 0;
                    for (const int v : check.ticketsPerTier)
                        n += v;
                    return n;
                }()));
    return 0;
}
