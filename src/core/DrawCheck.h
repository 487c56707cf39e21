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
};

// What a typed draw must look like.
struct DrawRules {
    int pool = 99;                 // main numbers 1..pool
    int mainCount = 0;             // exactly this many main numbers; 0: any count
    bool bonusFromMainPool = true; // bonus numbers are supplementary numbers from the main pool
    int bonusPool = 0;             // else they come from 1..bonusPool
    int bonusCount = -1;           // exactly this many bonus numbers when any are given; -1: any count; 0: none
};

// The rules of a known lottery. A lottery with a separate bonus pool takes its bonus numbers
// from there; one with supplementary numbers takes them from the main pool.
DrawRules drawRulesFor(const LotteryFacts &facts);

// Without the lottery's facts only the file speaks: numbers run 1..99, any count may be drawn,
// and bonus numbers come from a separate pool exactly when the tickets carry bonus numbers.
DrawRules drawRulesWithoutFacts(bool ticketsCarryBonus);

struct Draw {
    QList<int> main;
    QList<int> bonus; // may be left out: the check then judges main numbers only
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
    QList<int> mainMatches;  // the ticket's main numbers that were drawn, in the ticket's order
    QList<int> bonusMatches; // its numbers matching the drawn bonus numbers
    bool reachesPrize = false;
};

struct DrawCheck {
    QList<TicketCheck> tickets;       // one per ticket, in the order given
    QMap<int, int> ticketsPerMatches; // main matches -> how many tickets have exactly that many
    bool bonusChecked = false;        // bonus numbers were drawn and the tickets can match them
    std::optional<PrizeTier> prize;   // the lowest prize, when it could be judged for this draw
    int prizeTickets = 0;             // tickets reaching it
};

// Checks every ticket against a draw already validated. A ticket reaches the lowest prize
// when it has at least the tier's main matches and at least its bonus matches; a tier that
// needs a bonus match is judged only when bonus numbers were drawn and the tickets can match them.
DrawCheck checkDraw(const QList<TicketNumbers> &tickets, const Draw &draw, const DrawRules &rules,
                    std::optional<PrizeTier> lowestPrize);

// "3 tickets with 4 matches, 11 with 3, 6 with none": from the most matches down, leaving out
// counts no ticket has; "1 ticket with 1 match"; "no tickets" for an empty list.
QString matchSummary(const QMap<int, int> &ticketsPerMatches);

// "2 tickets reach the lowest prize (3 matches + 1 bonus)", "No ticket reaches ..."; empty
// when the prize could not be judged.
QString prizeSummary(const DrawCheck &check);

// "4 matches: 3 5 17 41, bonus 7", "1 match: 9", "no matches".
QString describeMatches(const TicketCheck &ticket);
