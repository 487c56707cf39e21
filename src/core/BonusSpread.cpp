// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/BonusSpread.h"

#include "core/TicketFileReader.h"

#include <algorithm>

QList<int> bonusForTicket(const QList<int> &bonus, int perTicket, qsizetype index)
{
    const qsizetype count = bonus.size();
    if (count == 0 || perTicket < 1 || index < 0)
        return {};
    const qsizetype take = std::min<qsizetype>(perTicket, count);
    // Ticket i starts where ticket i-1 stopped; the start is reduced first so that no long
    // ticket list can overflow the product.
    const qsizetype start = (index % count) * (take % count) % count;
    QList<int> carried;
    carried.reserve(take);
    for (qsizetype k = 0; k < take; ++k)
        carried << bonus[(start + k) % count];
    return carried;
}

QStringList withBonusNumbers(const QStringList &tickets, const QList<int> &bonus, int perTicket, int format)
{
    if (bonus.isEmpty() || perTicket < 1)
        return tickets;
    QStringList lines;
    lines.reserve(tickets.size());
    for (qsizetype i = 0; i < tickets.size(); ++i) {
        // The bonus part is written by the same code that reads saved tickets back.
        const QString part = formatTicket(TicketNumbers{bonusForTicket(bonus, perTicket, i), {}, 0}, format);
        lines << tickets[i] + QStringLiteral(" + ") + part;
    }
    return lines;
}
