// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/CsvExport.h"

#include <algorithm>

namespace {

void appendRow(QByteArray &out, const QList<int> &main, qsizetype mainColumns, const QList<int> &bonus,
               qsizetype bonusColumns)
{
    QByteArrayList cells;
    for (qsizetype i = 0; i < mainColumns; ++i)
        cells << (i < main.size() ? QByteArray::number(main[i]) : QByteArray());
    for (qsizetype i = 0; i < bonusColumns; ++i)
        cells << (i < bonus.size() ? QByteArray::number(bonus[i]) : QByteArray());
    out += cells.join(',');
    out += "\r\n";
}

} // namespace

QByteArray ticketsCsv(const QList<TicketNumbers> &tickets)
{
    if (tickets.isEmpty())
        return {};
    qsizetype mainColumns = 0;
    qsizetype bonusColumns = 0;
    for (const TicketNumbers &t : tickets) {
        mainColumns = std::max(mainColumns, t.main.size());
        bonusColumns = std::max(bonusColumns, t.bonus.size());
    }
    QByteArrayList header;
    for (qsizetype i = 1; i <= mainColumns; ++i)
        header << 'N' + QByteArray::number(i);
    for (qsizetype i = 1; i <= bonusColumns; ++i)
        header << 'B' + QByteArray::number(i);
    QByteArray out = header.join(',') + "\r\n";
    for (const TicketNumbers &t : tickets)
        appendRow(out, t.main, mainColumns, t.bonus, bonusColumns);
    return out;
}
