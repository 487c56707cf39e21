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

std::optional<int> ticketCountOfEntry(const QString &entry)
{
    const auto at = entry.indexOf(QStringLiteral("Tickets:"));
    if (at < 0)
        return std::nullopt;
    bool ok = false;
    const int count = entry.mid(at + 8).toInt(&ok);
    return ok && count >= 0 ? std::optional<int>(count) : std::nullopt;
}
