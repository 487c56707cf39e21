// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Play.h"

#include "core/BonusSelection.h"
#include "core/BonusSpread.h"
#include "core/TextSafety.h"
#include "core/TicketFile.h"
#include "core/WheelShelf.h"

#include <QCoreApplication>

QString lotteryFault(const PlayedLottery &lottery)
{
    const LotteryDetails &d = lottery.details;
    const LotteryFacts &f = d.facts;
    const QString name = quotedForMessage(lottery.name);
    const QString country = withoutControls(lottery.country);
    if (!LotteryShape{f.pool, d.pick}.playable())
        return QCoreApplication::translate("Play", "The lottery %1 of %2 cannot be played: the wheel database holds "
                                                   "no usable size for it (a pool of 2 to 99 numbers, and fewer on a "
                                                   "ticket).")
            .arg(name, country);
    if (f.bonusDrawn > 0 && (f.bonusPool < 1 || f.bonusPool > 99 || f.bonusDrawn > f.bonusPool))
        return QCoreApplication::translate("Play", "The lottery %1 of %2 cannot be played: the wheel database asks "
                                                   "for %3 bonus numbers from a bonus pool of %4.")
            .arg(name, country)
            .arg(f.bonusDrawn)
            .arg(f.bonusPool);
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

OddsQuestion oddsQuestion(const LotteryDetails &lottery, const WheelOffer &wheel, const std::vector<wheel::Line> &lines,
                          const QList<int> &bonus)
{
    OddsQuestion q;
    const LotteryFacts &f = lottery.facts;
    q.lottery = {f.pool, f.drawn, f.supplementary, f.bonusPool, f.bonusPool > 0 ? f.bonusDrawn : 0};
    q.tiers = f.tiers;
    q.bonus = f.bonusPool > 0 ? bonus : QList<int>();
    q.bonusPerTicket = f.bonusPool > 0 ? f.bonusDrawn : 0;
    q.price = lottery.price;
    q.currency = lottery.currency;
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
            return {t.line, QCoreApplication::translate("Play", "a ticket of %1 holds %2 numbers, this one holds %3")
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

OddsQuestion oddsQuestion(const PlayedLottery &lottery, const WheelOffer &wheel, const std::vector<wheel::Line> &lines,
                          const QList<int> &bonus)
{
    OddsQuestion q = oddsQuestion(lottery.details, wheel, lines, bonus);
    // Any one digit stands for the ticket's: every digit is as likely to be drawn.
    if (q.bonus.isEmpty() && q.lottery.bonusPool > 0 && bonusIsDigit(lottery.country, lottery.name))
        q.bonus = {1};
    return q;
}

odds::TierQuestion OddsQuestion::tierQuestion() const
{
    odds::TierQuestion q;
    q.lottery = lottery;
    q.numbers = wheel.numbers;
    q.bonusNumbers = static_cast<int>(bonus.size());
    q.tickets.reserve(wheel.lines.size());
    for (std::size_t i = 0; i < wheel.lines.size(); ++i) {
        std::uint64_t carried = 0;
        for (const int b : bonusForTicket(bonus, bonusPerTicket, static_cast<qsizetype>(i)))
            if (const qsizetype at = bonus.indexOf(b); at < 64) // more are refused by the count
                carried |= std::uint64_t{1} << at;
        q.tickets.push_back({wheel.lines[i], carried});
    }
    for (const TierRule &t : tiers)
        q.tiers.push_back({t.main, t.supplementary, t.bonus});
    return q;
}

std::optional<FixedReturn> expectedFixedReturn(const QList<TierRule> &tiers, const odds::TierOdds &odds)
{
    std::optional<FixedReturn> out;
    for (qsizetype i = 0; i < tiers.size() && i < static_cast<qsizetype>(odds.expectedTickets.size()); ++i) {
        if (tiers[i].prize != TierRule::Prize::Fixed)
            continue;
        if (!out)
            out = FixedReturn{0, tiers[i].currency};
        out->amount += odds.expectedTickets[static_cast<std::size_t>(i)] * static_cast<double>(tiers[i].cents) / 100.0;
    }
    return out;
}

ExactOdds countExactOdds(const OddsQuestion &question, const std::atomic_bool *cancelled)
{
    ExactOdds out;
    std::string error;
    odds::Status status;
    if (!question.tiers.isEmpty()) {
        odds::TierQuestion tq = question.tierQuestion();
        tq.cancel = cancelled;
        odds::TierOdds tiers;
        status = odds::computeTiers(tq, tiers, error);
        if (status == odds::Status::Done)
            out.tiers = std::move(tiers);
    } else {
        odds::Options options;
        options.lowestPrizeMain = question.lowestPrizeMain();
        options.cancel = cancelled;
        out.lowestPrizeMain = options.lowestPrizeMain;
        odds::Table table;
        status = odds::compute(question.lottery, question.wheel, options, table, error);
        if (status == odds::Status::Done)
            out.matches = std::move(table);
    }
    out.cancelled = status == odds::Status::Cancelled;
    if (status == odds::Status::Invalid)
        out.problem = QString::fromStdString(error);
    return out;
}
