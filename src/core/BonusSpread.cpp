// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/BonusSpread.h"

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
