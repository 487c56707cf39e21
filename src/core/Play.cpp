// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Play.h"

#include "core/BonusSpread.h"
#include "core/TextSafety.h"
#include "core/TicketFile.h"
#include "core/WheelShelf.h"

QString lotteryFault(const PlayedLottery &lottery)
{
    const LotteryDetails &d = lottery.details;
    const LotteryFacts &f = d.facts;
    const QString name = QStringLiteral("The lottery %1 of %2 cannot be played: the wheel database")
                             .arg(quotedForMessage(lottery.name), withoutControls(lottery.country));
    if (!LotteryShape{f.pool, d.pick}.playable())
        return name + QStringLiteral(" holds no usable size for it (a pool of 2 to 99 numbers, and fewer on a "
                                     "ticket).");
    if (f.bonusDrawn > 0 && (f.bonusPool < 1 || f.bonusPool > 99 || f.bonusDrawn > f.bonusPool))
        return name +
               QStringLiteral(" asks for %1 bonus numbers from a bonus pool of %2.").arg(f.bonusDrawn).arg(f.bonusPool);
    return QString();
}

QStringList TicketSheet::lines() const
{
    QStringList out;
    out.reserve(tickets.size());
    for (const TicketNumbers &t : tickets)
        out << formatTicket(t, format);
    return out;
}

QString TicketSheet::fileText() const
{
    return ticketFileText(country, lottery, key, lines());
}

QByteArray TicketSheet::fileBytes() const
{
    return ticketFileBytes(fileText());
}

QList<TicketNumbers> ticketsOfWheel(const std::vector<wheel::Line> &lines, const QList<int> &numbers,
                                    const QList<int> &bonus, int bonusPerTicket)
{
    QList<TicketNumbers> tickets;
    tickets.reserve(static_cast<qsizetype>(lines.size()));
    int places[64];
    for (const wheel::Line line : lines) {
        TicketNumbers t;
        const int n = wheel::positionsOf(line, places);
        for (int i = 0; i < n; ++i)
            if (places[i] < numbers.size())
                t.main << numbers[places[i]];
        t.bonus = bonusForTicket(bonus, bonusPerTicket, tickets.size());
        tickets << t;
    }
    return tickets;
}

PlayOutcome play(const PlayRequest &request, const WheelShelf &shelf)
{
    PlayOutcome out;
    const WheelLines read = shelf.lines(request.wheel);
    if (!read.sound()) {
        out.problem = read.problem;
        return out;
    }
    const PlayedLottery &lottery = request.lottery;
    out.sheet.country = lottery.country;
    out.sheet.lottery = lottery.name;
    out.sheet.key = request.numbers.value(0);
    out.sheet.format = request.format >= 0 && request.format <= 7 ? request.format : 0;
    out.sheet.tickets = ticketsOfWheel(read.lines, request.numbers, request.bonus, lottery.details.facts.bonusDrawn);
    out.sheet.wheel = request.wheel.description();
    return out;
}

int OddsQuestion::lowestPrizeMain() const
{
    // A tier that needs a bonus number is counted by its main numbers; one that needs none (the
    // bonus number alone wins) has no main-number figure at all.
    if (lowestPrize && lowestPrize->main > 0 && lowestPrize->main <= lottery.drawn)
        return lowestPrize->main;
    return 0;
}

OddsQuestion oddsQuestion(const LotteryDetails &lottery, const WheelOffer &wheel, const std::vector<wheel::Line> &lines)
{
    OddsQuestion q;
    q.lottery = {lottery.facts.pool, lottery.facts.drawn};
    q.wheel.numbers = wheel.numbers;
    q.wheel.lines = lines;
    q.keyWheel = wheel.type == WheelType::Key;
    q.guarantee = wheel.guarantee();
    q.label = wheel.printableLabel();
    q.lowestPrize = lottery.facts.lowestPrize;
    return q;
}

TicketFileError ticketsFitLottery(const TicketFileContents &file, const PlayedLottery &lottery)
{
    const LotteryDetails &d = lottery.details;
    const TicketFileError fit = checkTicketRanges(file, d.facts.pool, d.facts.bonusPool);
    if (!fit.isEmpty())
        return fit;
    for (const TicketNumbers &t : file.tickets)
        // A ticket of another size was not made for this lottery.
        if (d.pick > 0 && t.main.size() != d.pick)
            return {t.line, QStringLiteral("a ticket of %1 holds %2 numbers, this one holds %3")
                                .arg(withoutControls(lottery.name))
                                .arg(d.pick)
                                .arg(t.main.size())};
    return {};
}

TicketSheet sheetOfFile(const TicketFileContents &file)
{
    TicketSheet sheet;
    sheet.country = file.country;
    sheet.lottery = file.lottery;
    sheet.key = file.key;
    sheet.format = file.format;
    sheet.tickets = file.tickets;
    return sheet;
}
