// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/PrizeTiers.h"
#include "core/TicketFileReader.h"

#include <QList>
#include <QMap>
#include <QString>

#include <optional>

// A prize tier as the matches it needs: main numbers, and bonus numbers where the tier needs them.
struct PrizeTier {
    int main = 0;
    int bonus = 0;
};

// What a lottery draws, as far as checking tickets needs it.
struct LotteryFacts {
    int pool = 0;          // main numbers run 1..pool
    int drawn = 0;         // main numbers drawn that count as main matches (as many as a player picks)
    int supplementary = 0; // more numbers drawn from the main pool (supplementary numbers, a bonus ball):
                           // a ticket's main numbers matching them count as bonus matches
    int bonusPool = 0;     // a separate bonus pool 1..bonusPool (Powerball-style); 0 when there is none
    int bonusDrawn = 0;    // numbers drawn from that separate pool
    std::optional<PrizeTier> lowestPrize; // unknown for some lotteries
    QList<TierRule> tiers = {};           // every prize tier, best first; empty when not known
    // The separate pool is a digit 0..9 that comes with the ticket (Superzahl, reintegro): the
    // drawn digit is bonus number 0..9 and the player's own digit is typed beside it.
    bool bonusIsTicketDigit = false;
};

// What a typed draw must look like.
struct DrawRules {
    int pool = 99;                 // main numbers 1..pool
    int mainCount = 0;             // exactly this many main numbers; 0: any count
    bool bonusFromMainPool = true; // bonus numbers are supplementary numbers from the main pool
    int bonusPool = 0;             // else they come from 1..bonusPool
    int bonusCount = -1;           // exactly this many bonus numbers when any are given; -1: any count; 0: none
    // A lottery with a separate bonus pool may draw supplementary numbers from the main pool as
    // well (a bonus ball, a complementario): they are typed on their own, this many.
    int supplementaryCount = 0;
    bool bonusIsDigit = false; // the separate pool is the digits 0..bonusPool-1, one on each ticket
};

// The rules of a known lottery. A lottery with a separate bonus pool takes its bonus numbers
// from there; one with supplementary numbers takes them from the main pool.
DrawRules drawRulesFor(const LotteryFacts &facts);

// Without the lottery's facts only the file speaks: numbers run 1..99, any count may be drawn,
// and bonus numbers come from a separate pool exactly when the tickets carry bonus numbers.
DrawRules drawRulesWithoutFacts(bool ticketsCarryBonus);

struct Draw {
    QList<int> main;
    QList<int> bonus;                              // may be left out: the check then judges main numbers only
    QList<int> supplementary = {};                 // for rules with a supplementaryCount; may be left out
    std::optional<int> ticketDigit = std::nullopt; // the player's own digit, for rules whose bonus is a digit
};

struct DrawnNumbers {
    QList<int> numbers;
    QString error; // empty when every part of the text is a number
};

// "5 17 3 41 9 12", "5,17,3,41,9,12", "5-17-3-41-9-12" or any mix of spaces, commas and dashes.
DrawnNumbers parseDrawnNumbers(const QString &text);

// Why a draw cannot be right for these rules ("50 is outside the numbers 1 to 49",
// "17 is drawn twice", "6 numbers are drawn in this lottery, 5 were given"); empty when it can.
QString validateDraw(const Draw &draw, const DrawRules &rules);

struct TicketCheck {
    QList<int> mainMatches;               // the ticket's main numbers that were drawn, in the ticket's order
    QList<int> bonusMatches;              // its numbers matching the drawn bonus numbers (its digit, where it has one)
    QList<int> supplementaryMatches = {}; // its main numbers matching supplementary numbers typed on their own
    bool reachesPrize = false;
    // The prize tier won, an index into DrawCheck::tiers; -1: none. When bonus numbers the tiers
    // need were not typed, `tier` is what the ticket wins without them and `possibleTier` what it
    // wins should they match: the ticket is judged only when the two agree.
    int tier = -1;
    int possibleTier = -1;
    bool judged() const { return tier == possibleTier; }
};

struct DrawCheck {
    QList<TicketCheck> tickets;       // one per ticket, in the order given
    QMap<int, int> ticketsPerMatches; // main matches -> how many tickets have exactly that many
    bool bonusChecked = false;        // bonus numbers were drawn and the tickets can match them
    std::optional<PrizeTier> prize;   // the lowest prize, when it could be judged for this draw
    int prizeTickets = 0;             // tickets reaching it

    QList<TierRule> tiers;          // the lottery's tiers, best first; empty when not known
    QMap<int, int> ticketsPerTier;  // tier index -> judged tickets winning it
    int unjudgedTickets = 0;        // tickets whose tier hangs on numbers not typed
    QString unjudgedWhy;            // "the bonus numbers were not typed", "your digit was not typed"
    QMap<QString, qint64> fixedWon; // currency -> hundredths won in fixed-prize tiers by judged tickets
    bool sharedWon = false;         // a judged ticket won a shared tier (its amount is not known yet)
    bool unknownPrizeWon = false;   // a judged ticket won a tier whose prize is not known here
};

// Checks every ticket against a draw already validated. A ticket reaches the lowest prize
// when it has at least the tier's main matches and at least its bonus matches; a tier that
// needs a bonus match is judged only when bonus numbers were drawn and the tickets can match them.
// With the lottery's tiers each ticket gets its best tier (see tierOf()); a ticket whose tier
// depends on numbers not typed (the bonus numbers, the supplementary numbers, the tickets' own
// bonus numbers or digit) is left unjudged rather than counted as a loss.
DrawCheck checkDraw(const QList<TicketNumbers> &tickets, const Draw &draw, const DrawRules &rules,
                    std::optional<PrizeTier> lowestPrize, const QList<TierRule> &tiers = {});

// "3 matches: 10.00 CAD", "6 matches: shared", "5 matches" (a prize not known here).
QString tierWithPrize(const TierRule &tier);

// The ticket's tier and prize, "no prize", or for a ticket not judged
// "3 + Powerball: 100.00 USD if the bonus matches, else 3 matches: 7.00 USD".
QString ticketTierText(const DrawCheck &check, const TicketCheck &ticket);

// "1 ticket wins 5 + bonus, 2 win 3 matches", best tier first; "No ticket wins a prize";
// then "; 2 tickets are not judged: the bonus numbers were not typed" where some are not.
// Empty when the tiers are not known.
QString tierSummary(const DrawCheck &check);

// "Fixed prizes won: 25.00 CAD", "Fixed prizes won: 7.00 USD and 2.50 EUR", "Fixed prizes won:
// none", with what the figure leaves out in brackets. Empty when the tiers are not known.
QString fixedTotalText(const DrawCheck &check);

// "3 tickets with 4 matches, 11 with 3, 6 with none": from the most matches down, leaving out
// counts no ticket has; "1 ticket with 1 match"; "no tickets" for an empty list.
QString matchSummary(const QMap<int, int> &ticketsPerMatches);

// "2 tickets reach the lowest prize (3 matches + 1 bonus)", "No ticket reaches ..."; empty
// when the prize could not be judged.
QString prizeSummary(const DrawCheck &check);

// "4 matches: 3 5 17 41, bonus 7", "1 match: 9", "no matches"; ", supplementary 9" for a
// supplementary number typed on its own.
QString describeMatches(const TicketCheck &ticket);
