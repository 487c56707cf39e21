// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Expansion.h"

#include "Database.h" // leadingInt

int readPosition(const QString &position)
{
    if (position.isEmpty())
        return 0;
    if (position[0] == QLatin1Char('0'))
        return leadingInt(position.mid(1, 1));
    return leadingInt(position.left(2));
}

Expansion expandTickets(const QString &selectionString, const QStringList &wheelLines, int format)
{
    if (format < 0 || format > 7)
        format = 0;
    static const char *const separators[] = {" ", "-", ",", ", "};
    const QString separator = QLatin1String(separators[format % 4]);
    const bool pad = format >= 4;
    const QStringList chosen = selectionString.split(QLatin1Char('|'));

    Expansion out;
    for (const QString &line : wheelLines) {
        const QStringList positions = line.split(QLatin1Char('-'));
        QString ticket;
        for (qsizetype i = 0; i < positions.size(); ++i) {
            const QString &pos = positions[i];
            const bool twoDigits = pos.size() == 2 && pos[0].isDigit() && pos[1].isDigit();
            const int p = twoDigits ? readPosition(pos) : 0;
            if (p < 1 || p > chosen.size() || chosen[p - 1].isEmpty()) {
                out.badLine = line;
                out.tickets.clear();
                return out;
            }
            const QString &n = chosen[p - 1];
            ticket += (pad && n.size() == 1) ? QLatin1Char('0') + n : n;
            if (i + 1 < positions.size())
                ticket += separator;
        }
        out.tickets << ticket;
    }
    return out;
}
