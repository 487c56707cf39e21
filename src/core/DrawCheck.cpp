// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/DrawCheck.h"

#include "core/CountedText.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace {

// The texts below reach the window, which translates them (context "DrawCheck"); the command
// line loads no catalogue and prints them as written.

// "a", "a and b", "a, b and c".
QString listed(const QStringList &parts)
{
    if (parts.size() < 2)
        return parts.value(0);
    //: The last two items of a list: "the bonus numbers and your digit".
    return QCoreApplication::translate("DrawCheck", "%1 and %2")
        .arg(parts.mid(0, parts.size() - 1).join(QStringLiteral(", ")), parts.last());
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
    const QString main = countedText("DrawCheck", "1 match", QT_TRANSLATE_N_NOOP("DrawCheck", "%n matches"), tier.main);
    if (tier.bonus == 0)
        return main;
    if (tier.main == 0)
        return countedText("DrawCheck", "1 bonus match", QT_TRANSLATE_N_NOOP("DrawCheck", "%n bonus matches"),
                           tier.bonus);
    //: A prize tier: "3 matches + 1 bonus".
    return QCoreApplication::translate("DrawCheck", "%1 + %2 bonus").arg(main, QString::number(tier.bonus));
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
        r.supplementaryCount = facts.supplementary;
        r.bonusIsDigit = facts.bonusIsTicketDigit;
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
            out.error = QCoreApplication::translate("DrawCheck", "\"%1\" is not a lottery number").arg(part.left(20));
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
        return QCoreApplication::translate("DrawCheck", "no drawn numbers were given");
    QSet<int> seen;
    for (const int n : draw.main) {
        if (n < 1 || n > rules.pool)
            return QCoreApplication::translate("DrawCheck", "%1 is outside the numbers 1 to %2").arg(n).arg(rules.pool);
        if (seen.contains(n))
            return QCoreApplication::translate("DrawCheck", "%1 is drawn twice").arg(n);
        seen.insert(n);
    }
    if (rules.mainCount > 0 && draw.main.size() != rules.mainCount)
        return countedText("DrawCheck", "1 number is drawn in this lottery, %1 given",
                           QT_TRANSLATE_N_NOOP("DrawCheck", "%n numbers are drawn in this lottery, %1 given"),
                           rules.mainCount)
            .arg(draw.main.size());

    if (!draw.supplementary.isEmpty()) {
        if (rules.supplementaryCount == 0)
            return QCoreApplication::translate("DrawCheck",
                                               "this lottery draws no supplementary numbers besides its bonus numbers");
        QSet<int> seenSupplementary;
        for (const int n : draw.supplementary) {
            if (n < 1 || n > rules.pool)
                return QCoreApplication::translate("DrawCheck",
                                                   "supplementary number %1 is outside the numbers 1 to %2")
                    .arg(n)
                    .arg(rules.pool);
            if (seen.contains(n))
                return QCoreApplication::translate("DrawCheck",
                                                   "supplementary number %1 is also one of the main numbers drawn")
                    .arg(n);
            if (seenSupplementary.contains(n))
                return QCoreApplication::translate("DrawCheck", "supplementary number %1 is drawn twice").arg(n);
            seenSupplementary.insert(n);
        }
        if (draw.supplementary.size() != rules.supplementaryCount)
            return countedText(
                       "DrawCheck", "1 supplementary number is drawn in this lottery, %1 given",
                       QT_TRANSLATE_N_NOOP("DrawCheck", "%n supplementary numbers are drawn in this lottery, %1 given"),
                       rules.supplementaryCount)
                .arg(draw.supplementary.size());
    }
    if (draw.ticketDigit) {
        if (!rules.bonusIsDigit)
            return QCoreApplication::translate("DrawCheck", "the tickets of this lottery carry no digit of their own");
        if (*draw.ticketDigit < 0 || *draw.ticketDigit >= rules.bonusPool)
            return QCoreApplication::translate("DrawCheck", "your digit %1 is not one of 0 to %2")
                .arg(*draw.ticketDigit)
                .arg(rules.bonusPool - 1);
    }

    if (draw.bonus.isEmpty())
        return {};
    if (rules.bonusCount == 0)
        return QCoreApplication::translate("DrawCheck", "this lottery draws no bonus numbers");
    const int lowestBonus = rules.bonusIsDigit ? 0 : 1;
    const int bonusPool = rules.bonusFromMainPool ? rules.pool : rules.bonusPool - 1 + lowestBonus;
    QSet<int> seenBonus;
    for (const int n : draw.bonus) {
        if (n < lowestBonus || n > bonusPool)
            return QCoreApplication::translate("DrawCheck", "bonus number %1 is outside the numbers %2 to %3")
                .arg(n)
                .arg(lowestBonus)
                .arg(bonusPool);
        // Supplementary numbers come out of the same drum as the main ones.
        if (rules.bonusFromMainPool && seen.contains(n))
            return QCoreApplication::translate("DrawCheck", "bonus number %1 is also one of the main numbers drawn")
                .arg(n);
        if (seenBonus.contains(n))
            return QCoreApplication::translate("DrawCheck", "bonus number %1 is drawn twice").arg(n);
        seenBonus.insert(n);
    }
    if (rules.bonusCount > 0 && draw.bonus.size() != rules.bonusCount)
        return countedText("DrawCheck", "1 bonus number is drawn in this lottery, %1 given",
                           QT_TRANSLATE_N_NOOP("DrawCheck", "%n bonus numbers are drawn in this lottery, %1 given"),
                           rules.bonusCount)
            .arg(draw.bonus.size());
    return {};
}

DrawCheck checkDraw(const QList<TicketNumbers> &tickets, const Draw &draw, const DrawRules &rules,
                    std::optional<PrizeTier> lowestPrize, const QList<TierRule> &tiers)
{
    DrawCheck out;
    out.tiers = tiers;
    const QSet<int> mainDrawn(draw.main.begin(), draw.main.end());
    const QSet<int> bonusDrawn(draw.bonus.begin(), draw.bonus.end());
    const QSet<int> supplementaryDrawn(draw.supplementary.begin(), draw.supplementary.end());
    const bool ticketsCarryBonus =
        std::any_of(tickets.begin(), tickets.end(), [](const TicketNumbers &t) { return !t.bonus.isEmpty(); });
    const bool digitTyped = rules.bonusIsDigit && draw.ticketDigit.has_value();
    out.bonusChecked = !draw.bonus.isEmpty() && (rules.bonusFromMainPool || ticketsCarryBonus || digitTyped);
    if (lowestPrize && (lowestPrize->bonus == 0 || out.bonusChecked))
        out.prize = lowestPrize;

    // What the tiers may need and was not typed: the ticket is then judged both ways.
    const int supplementaryCount = rules.bonusFromMainPool ? std::max(rules.bonusCount, 0) : rules.supplementaryCount;
    const bool supplementaryKnown =
        supplementaryCount == 0 || !(rules.bonusFromMainPool ? draw.bonus : draw.supplementary).isEmpty();
    const int separateCount = rules.bonusFromMainPool ? 0 : std::max(rules.bonusCount, 0);
    QStringList notTyped;
    bool manyNotTyped = false; // "were" or "was" not typed
    if (!supplementaryKnown) {
        notTyped << (rules.bonusFromMainPool ? QCoreApplication::translate("DrawCheck", "the bonus numbers")
                                             : QCoreApplication::translate("DrawCheck", "the supplementary numbers"));
        manyNotTyped = true;
    }
    if (separateCount > 0 && draw.bonus.isEmpty()) {
        notTyped << (rules.bonusIsDigit ? QCoreApplication::translate("DrawCheck", "the digit drawn")
                                        : QCoreApplication::translate("DrawCheck", "the bonus numbers"));
        manyNotTyped = manyNotTyped || !rules.bonusIsDigit;
    }
    if (separateCount > 0 && rules.bonusIsDigit && !draw.ticketDigit)
        notTyped << QCoreApplication::translate("DrawCheck", "your digit");
    manyNotTyped = manyNotTyped || notTyped.size() > 1;

    bool carryNoBonus = false;
    out.tickets.reserve(tickets.size());
    for (const TicketNumbers &t : tickets) {
        TicketCheck c;
        for (const int n : t.main)
            if (mainDrawn.contains(n))
                c.mainMatches << n;
        // A supplementary number is matched by a main number of the ticket; a separate
        // pool's number only by the ticket's own bonus numbers, or by its digit.
        for (const int n : rules.bonusFromMainPool ? t.main : t.bonus)
            if (bonusDrawn.contains(n))
                c.bonusMatches << n;
        if (digitTyped && bonusDrawn.contains(*draw.ticketDigit) && !c.bonusMatches.contains(*draw.ticketDigit))
            c.bonusMatches << *draw.ticketDigit;
        for (const int n : t.main)
            if (supplementaryDrawn.contains(n))
                c.supplementaryMatches << n;
        if (out.prize)
            c.reachesPrize = c.mainMatches.size() >= out.prize->main && c.bonusMatches.size() >= out.prize->bonus;
        out.prizeTickets += c.reachesPrize ? 1 : 0;
        ++out.ticketsPerMatches[int(c.mainMatches.size())];

        if (!tiers.isEmpty()) {
            const int main = int(c.mainMatches.size());
            const int supplementary =
                int(rules.bonusFromMainPool ? c.bonusMatches.size() : c.supplementaryMatches.size());
            const int separate = rules.bonusFromMainPool ? 0 : int(c.bonusMatches.size());
            const bool separateKnown =
                separateCount == 0 || (!draw.bonus.isEmpty() && (rules.bonusIsDigit ? digitTyped : !t.bonus.isEmpty()));
            const int supplementaryAtMost = supplementaryKnown ? supplementary : supplementaryCount;
            const int separateAtMost = separateKnown ? separate : separateCount;
            c.tier = tierOf(tiers, main, supplementaryKnown ? supplementary : 0, separateKnown ? separate : 0);
            c.possibleTier = tierOf(tiers, main, supplementaryAtMost, separateAtMost);
            if (!c.judged()) {
                ++out.unjudgedTickets;
                carryNoBonus = carryNoBonus || (!separateKnown && !draw.bonus.isEmpty() && !rules.bonusIsDigit);
            } else if (c.tier >= 0) {
                ++out.ticketsPerTier[c.tier];
                const TierRule &won = tiers[c.tier];
                if (won.prize == TierRule::Prize::Fixed)
                    out.fixedWon[won.currency] += won.cents;
                out.sharedWon = out.sharedWon || won.prize == TierRule::Prize::Shared;
                out.unknownPrizeWon = out.unknownPrizeWon || won.prize == TierRule::Prize::Unknown;
            }
        }
        out.tickets << c;
    }
    if (out.unjudgedTickets > 0) {
        QStringList why;
        if (!notTyped.isEmpty())
            why << (manyNotTyped ? QCoreApplication::translate("DrawCheck", "%1 were not typed")
                                 : QCoreApplication::translate("DrawCheck", "%1 was not typed"))
                       .arg(listed(notTyped));
        if (carryNoBonus)
            why << QCoreApplication::translate("DrawCheck", "the tickets carry no bonus numbers");
        out.unjudgedWhy = listed(why);
    }
    return out;
}

QString tierWithPrize(const TierRule &tier)
{
    const QString prize = prizeText(tier);
    return prize.isEmpty() ? tier.name : tier.name + QStringLiteral(": ") + prize;
}

QString ticketTierText(const DrawCheck &check, const TicketCheck &ticket)
{
    const auto won = [&](int tier) {
        return tier >= 0 && tier < check.tiers.size() ? tierWithPrize(check.tiers[tier])
                                                      : QCoreApplication::translate("DrawCheck", "no prize");
    };
    if (ticket.judged())
        return won(ticket.tier);
    //: %1 is the prize tier won if the bonus matches, %2 the one won otherwise.
    return QCoreApplication::translate("DrawCheck", "%1 if the bonus matches, else %2")
        .arg(won(ticket.possibleTier), won(ticket.tier));
}

QString tierSummary(const DrawCheck &check)
{
    if (check.tiers.isEmpty())
        return {};
    QStringList parts;
    for (auto it = check.ticketsPerTier.constBegin(); it != check.ticketsPerTier.constEnd(); ++it) {
        const QString name = check.tiers.value(it.key()).name;
        //: %1 is the name of a prize tier.
        if (parts.isEmpty())
            parts << countedText("DrawCheck", "1 ticket wins %1", QT_TRANSLATE_N_NOOP("DrawCheck", "%n tickets win %1"),
                                 it.value())
                         .arg(name);
        else
            //: After "2 tickets win Tier 1": ", 1 wins Tier 2".
            parts << countedText("DrawCheck", "1 wins %1", QT_TRANSLATE_N_NOOP("DrawCheck", "%n win %1"), it.value())
                         .arg(name);
    }
    QString text = parts.isEmpty() ? QCoreApplication::translate("DrawCheck", "No ticket wins a prize")
                                   : parts.join(QStringLiteral(", "));
    if (check.unjudgedTickets > 0)
        //: %1 says what was missing, such as "the bonus numbers were not typed".
        text += countedText("DrawCheck", "; 1 ticket is not judged: %1",
                            QT_TRANSLATE_N_NOOP("DrawCheck", "; %n tickets are not judged: %1"), check.unjudgedTickets)
                    .arg(check.unjudgedWhy);
    return text;
}

QString fixedTotalText(const DrawCheck &check)
{
    if (check.tiers.isEmpty())
        return {};
    QStringList left;
    if (check.sharedWon)
        left << QCoreApplication::translate("DrawCheck", "shared prizes");
    if (check.unknownPrizeWon)
        left << QCoreApplication::translate("DrawCheck", "prizes not known here");
    if (check.unjudgedTickets > 0)
        left << QCoreApplication::translate("DrawCheck", "the tickets not judged");
    return fixedPrizesWonText(check.fixedWon, left);
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
                it.key() == 0
                    ? QCoreApplication::translate("DrawCheck", "no matches")
                    : countedText("DrawCheck", "1 match", QT_TRANSLATE_N_NOOP("DrawCheck", "%n matches"), it.key());
            //: "3 tickets with 2 matches".
            parts << QCoreApplication::translate("DrawCheck", "%1 with %2")
                         .arg(countedText("DrawCheck", "1 ticket", QT_TRANSLATE_N_NOOP("DrawCheck", "%n tickets"),
                                          it.value()),
                              matches);
        } else {
            //: After "3 tickets with 2 matches": "5 with none".
            const QString matches =
                it.key() == 0 ? QCoreApplication::translate("DrawCheck", "none") : QString::number(it.key());
            parts << QCoreApplication::translate("DrawCheck", "%1 with %2").arg(QString::number(it.value()), matches);
        }
    }
    return parts.isEmpty() ? QCoreApplication::translate("DrawCheck", "no tickets") : parts.join(QStringLiteral(", "));
}

QString prizeSummary(const DrawCheck &check)
{
    if (!check.prize)
        return {};
    const QString tier = tierText(*check.prize);
    if (check.prizeTickets == 0)
        return QCoreApplication::translate("DrawCheck", "No ticket reaches the lowest prize (%1)").arg(tier);
    //: %1 is a prize tier, such as "3 matches".
    return countedText("DrawCheck", "1 ticket reaches the lowest prize (%1)",
                       QT_TRANSLATE_N_NOOP("DrawCheck", "%n tickets reach the lowest prize (%1)"), check.prizeTickets)
        .arg(tier);
}

QString describeMatches(const TicketCheck &ticket)
{
    //: %1 lists the numbers matched: "2 matches: 7 31".
    QString text = ticket.mainMatches.isEmpty()
                       ? QCoreApplication::translate("DrawCheck", "no matches")
                       : countedText("DrawCheck", "1 match: %1", QT_TRANSLATE_N_NOOP("DrawCheck", "%n matches: %1"),
                                     ticket.mainMatches.size())
                             .arg(joined(ticket.mainMatches));
    if (!ticket.bonusMatches.isEmpty())
        text += QCoreApplication::translate("DrawCheck", ", bonus %1").arg(joined(ticket.bonusMatches));
    if (!ticket.supplementaryMatches.isEmpty())
        text += QCoreApplication::translate("DrawCheck", ", supplementary %1").arg(joined(ticket.supplementaryMatches));
    return text;
}
