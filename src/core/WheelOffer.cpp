// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "WheelOffer.h"

QString wheelListEntry(const QString &guarantee, const QString &tickets)
{
    return guarantee + QStringLiteral("     ") + QStringLiteral("  Tickets:") + tickets;
}

std::optional<QString> guaranteeOfEntry(const QString &entry)
{
    const auto at = entry.indexOf(QStringLiteral("Tickets:"));
    if (at < 7)
        return std::nullopt;
    return entry.left(at - 7);
}
