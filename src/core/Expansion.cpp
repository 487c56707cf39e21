// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Expansion.h"

#include "core/Database.h" // leadingInt

int readPosition(const QString &position)
{
    if (position.isEmpty())
        return 0;
    if (position[0] == QLatin1Char('0'))
        return leadingInt(position.mid(1, 1));
    return leadingInt(position.left(2));
}

Expansion expandTickets(const QString &selectionString, const QStringList &wheelLines, int format, int pick)
{
    if (format < 0 || format > 7)
        format = 0;
    static const char *const separators[] = {" ", "-", ",", ", "};
    const QString separator = QLatin1String(separators[format % 4]);
    const bool pad = format >= 4;
    const QStringList chosen = selectionString.split(QLatin1Char('|'));
    const auto isAsciiDigit = [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); };

    Expansion out;
    const auto refuse = [&out](const QString &line, const QString &fault) {
        out.badLine = line;
        out.fault = fault;
        out.tickets.clear();
        return out;
    };
    for (const QString &line : wheelLines) {
        if (line.isEmpty())
            return refuse(line, QStringLiteral("is empty"));
        const QStringList positions = line.split(QLatin1Char('-'));
        QList<int> seen;
        QString ticket;
        for (qsizetype i = 0; i < positions.size(); ++i) {
            const QString &pos = positions[i];
            const bool twoDigits = pos.size() == 2 && isAsciiDigit(pos[0]) && isAsciiDigit(pos[1]);
            const int p = twoDigits ? readPosition(pos) : 0;
            if (p < 1 || p > chosen.size() || chosen[p - 1].isEmpty())
                return refuse(line, QStringLiteral("names a place outside your selection"));
            if (seen.contains(p))
                return refuse(line, QStringLiteral("names place %1 twice").arg(p));
            seen << p;
            const QString &n = chosen[p - 1];
            ticket += (pad && n.size() == 1) ? QLatin1Char('0') + n : n;
            if (i + 1 < positions.size())
                ticket += separator;
        }
        if (positions.size() != pick)
            return refuse(line,
                          QStringLiteral("has %1 places where a ticket holds %2").arg(positions.size()).arg(pick));
        out.tickets << ticket;
    }
    return out;
}
