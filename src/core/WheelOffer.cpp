// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/WheelOffer.h"

namespace {
const QString kOwnMark = QStringLiteral("   (your own wheel)");
}

QString wheelListEntry(const QString &guarantee, const QString &tickets, bool own)
{
    return guarantee + QStringLiteral("     ") + QStringLiteral("  Tickets:") + tickets + (own ? kOwnMark : QString());
}

bool isOwnEntry(const QString &entry)
{
    return entry.endsWith(kOwnMark);
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
    QString digits = entry.mid(at + 8);
    if (isOwnEntry(digits))
        digits.chop(kOwnMark.size());
    const int count = digits.toInt(&ok);
    return ok && count >= 0 ? std::optional<int>(count) : std::nullopt;
}
