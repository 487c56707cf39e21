// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "WheelEntry.h"

QString wheelEntry(const QString &xyoption, const QString &ticket)
{
    return xyoption + QStringLiteral("     ") + QStringLiteral("  Tickets:") + ticket;
}

std::optional<QString> xyOptionOf(const QString &entry)
{
    const auto at = entry.indexOf(QStringLiteral("Tickets:"));
    if (at < 7)
        return std::nullopt;
    return entry.left(at - 7);
}
