// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/DrawCheck.h"

#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace {

QString counted(qsizetype n, const char *one, const char *many)
{
    return QString::number(n) + QLatin1Char(' ') + QLatin1String(n == 1 ? one : many);
}

QString joined(const QList<int> &numbers)
{
    QStringList parts;
    for (const int n : numbers)
        parts << QString::number(n);
    return parts.join(QLatin1Char(' '));
}

QString tierText(const PrizeTier &tier)
{
    if (tier.bonus == 0)
        return counted(tier.main, "match", "matches");
    if (tier.main == 0)
        return counted(tier.bonus, "bonus match", "bonus matches");
    return counted(tier.main, "match", "matches") + QStringLiteral(" + ") + QString::number(tier.bonus) +
           QStringLiteral(" bonus");
}

} // namespace

DrawRules drawRulesFor(const LotteryFacts &facts)
{
    DrawRules r;
    r.pool = facts.pool;
    r.mainCount = facts.drawn;
    if (facts.bonusPool > 0) {
        r.bonusFromMainPool = false;
        r.bonusPool = facts.bonusPool;
        r.bonusCount = facts.bonusDrawn;
    } else {
        r.bonusFromMainPool = true;
        r.bonusCount = facts.supplementary;
    }
    return r;
}

DrawRules drawRulesWithoutFacts(bool ticketsCarryBonus)
{
    DrawRules r;
    r.pool = 99;
    r.mainCount = 0;
    r.bonusFromMainPool = !ticketsCarryBonus;
    r.bonusPool = ticketsCarryBonus ? 99 : 0;
    r.bonusCount = -1;
    return r;
}

DrawnNumbers parseDrawnNumbers(const QString &text)
{
    DrawnNumbers out;
    static const QRegularExpression separators(QStringLiteral("[\\s,\\-]+"));
    const QStringList parts = text.split(separators, Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        bool digits = part.size() <= 3;
        for (const QChar c : part)
            digits = digits && c >= QLatin1Char('0') && c <= QLatin1Char('9');
        if (!digits) {
            out.error = QStringLiteral("\"%1\" is not a lottery number").arg(part.left(20));
            out.numbers.clear();
            return out;
        }
        out.numbers << part.toInt();
    }
    return out;
}

QString validateDraw(const Draw &draw, const DrawRules &rules)
{
    if (draw.main.isEmpty())
        return QStringLiteral("no drawn numbers were given");
    QSet<int> seen;
    for (const int n : draw.main) {
        if (n < 1 || n > rules.pool)
            return QStringLiteral("%1 is outside the numbers 1 to %2").arg(n).arg(rules.pool);
        if (seen.contains(n))
            return QStringLiteral("%1 is drawn twice").arg(n);
        seen.insert(n);
    }
    if (rules.mainCount > 0 && draw.main.size() != rules.mainCount)
        return QStringLiteral("%1 drawn in this lottery, %2 given")
            .arg(counted(rules.mainCount, "number is", "numbers are"))
            .arg(draw.main.size());

    if (draw.bonus.isEmpty())
        return {};
    if (rules.bonusCount == 0)
        return QStringLiteral("this lottery draws no bonus numbers");
    const int bonusPool = rules.bonusFromMainPool ? rules.pool : rules.bonusPool;
    QSet<int> seenBonus;
    for (const int n : draw.bonus) {
        if (n < 1 || n > bonusPool)
            return QStringLiteral("bonus number %1 is outside the numbers 1 to %2").arg(n).arg(bonusPool);
        // Supplementary numbers come out of the same drum as the main ones.
        if (rules.bonusFromMainPool && seen.contains(n))
            return QStringLiteral("bonus number %1 is also one of the main numbers drawn").arg(n);
        if (seenBonus.contains(n))
            return QStringLiteral("bonus number %1 is drawn twice").arg(n);
        seenBonus.insert(n);
    }
    if (rules.bonusCount > 0 && draw.bonus.size() != rules.bonusCount)
        return QStringLiteral("%1 drawn in this lottery, %2 given")
            .arg(counted(rules.bonusCount, "bonus number is", "bonus numbers are"))
            .arg(draw.bonus.size());
    return {};
}

DrawCheck checkDraw(const QList<TicketNumbers> &tickets, const Draw &draw, const DrawRules &rules,
                    std::optional<PrizeTier> lowestPrize)
{
    DrawCheck out;
    const QSet<int> mainDrawn(draw.main.begin(), draw.main.end());
    const QSet<int> bonusDrawn(draw.bonus.begin(), draw.bonus.end());
    const bool ticketsCarryBonus =
        std::any_of(tickets.begin(), tickets.end(), [](const TicketNumbers &t) { return !t.bonus.isEmpty(); });
    out.bonusChecked = !draw.bonus.isEmpty() && (rules.bonusFromMainPool || ticketsCarryBonus);
    if (lowestPrize && (lowestPrize->bonus == 0 || out.bonusChecked))
        out.prize = lowestPrize;

    out.tickets.reserve(tickets.size());
    for (const TicketNumbers &t : tickets) {
        TicketCheck c;
        for (const int n : t.main)
            if (mainDrawn.contains(n))
                c.mainMatches << n;
        // A supplementary number is matched by a main number of the ticket; a separate
        // pool's number only by the ticket's own bonus numbers.
        for (const int n : rules.bonusFromMainPool ? t.main : t.bonus)
            if (bonusDrawn.contains(n))
                c.bonusMatches << n;
        if (out.prize)
            c.reachesPrize = c.mainMatches.size() >= out.prize->main && c.bonusMatches.size() >= out.prize->bonus;
        out.prizeTickets += c.reachesPrize ? 1 : 0;
        ++out.ticketsPerMatches[int(c.mainMatches.size())];
        out.tickets << c;
    }
    return out;
}

QString matchSummary(const QMap<int, int> &ticketsPerMatches)
{
    QStringList parts;
    for (auto it = ticketsPerMatches.constEnd(); it != ticketsPerMatches.constBegin();) {
        --it;
        if (it.value() == 0)
            continue;
        if (parts.isEmpty()) {
            const QString matches =
                it.key() == 0 ? QStringLiteral("no matches") : counted(it.key(), "match", "matches");
            parts << counted(it.value(), "ticket", "tickets") + QStringLiteral(" with ") + matches;
        } else {
            const QString matches = it.key() == 0 ? QStringLiteral("none") : QString::number(it.key());
            parts << QString::number(it.value()) + QStringLiteral(" with ") + matches;
        }
    }
    return parts.isEmpty() ? QStringLiteral("no tickets") : parts.join(QStringLiteral(", "));
}

QString prizeSummary(const DrawCheck &check)
{
    if (!check.prize)
        return {};
    const QString tier = tierText(*check.prize);
    if (check.prizeTickets == 0)
        return QStringLiteral("No ticket reaches the lowest prize (%1)").arg(tier);
    return QStringLiteral("%1 the lowest prize (%2)")
        .arg(counted(check.prizeTickets, "ticket reaches", "tickets reach"), tier);
}

QString describeMatches(const TicketCheck &ticket)
{
    QString text = ticket.mainMatches.isEmpty() ? QStringLiteral("no matches")
                                                : counted(ticket.mainMatches.size(), "match", "matches") +
                                                      QStringLiteral(": ") + joined(ticket.mainMatches);
    if (!ticket.bonusMatches.isEmpty())
        text += QStringLiteral(", bonus ") + joined(ticket.bonusMatches);
    return text;
}
