// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Play.h"
#include "core/WheelOffer.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <optional>
#include <vector>

class WheelShelf;

// Every wheel a player could play on his count of numbers, side by side: what each costs and
// what it buys, counted with the exact odds, and which one a budget buys best.

// The full wheel (every combination) is compared where it has at most this many tickets.
constexpr int kFullWheelTicketLimit = 2000;

// A wheel to compare: the offer and its lines, or why they cannot be read.
struct WheelCandidate {
    WheelOffer offer;
    std::vector<wheel::Line> lines;
    bool everyCombination = false; // made here, not kept on the shelf
    QString problem;               // why the lines cannot be played; empty when they can
};

// The full wheel of this type on `numbers` numbers, when it has at most the limit of tickets.
std::optional<WheelCandidate> everyCombination(int pick, WheelType type, int numbers);

// The offers of both types, type-a first, and the full wheel of each type that the offers lack
// and that keeps within the limit. Offers whose cost is above `maxCost` (a price times tickets,
// or tickets where the price is not known) are left out when it is given, and their lines never read.
QList<WheelCandidate> wheelsToCompare(const WheelShelf &shelf, const LotteryDetails &lottery, int numbers,
                                      std::optional<double> maxCost = std::nullopt);
// The same over offers already listed (the shelf is asked only for lines).
QList<WheelCandidate> candidatesOf(const QList<WheelOffer> &offers, const WheelShelf *shelf, int pick, int numbers,
                                   const std::function<bool(const WheelOffer &)> &keep = {});

// The chances compared beside "any prize": the three best tiers where the tiers are known, else
// "3 or more matches" and so on up to every number drawn, from the lowest prize's main numbers.
struct ChanceColumns {
    QStringList names;      // "5 + bonus", "3 or more matches"
    QList<int> tierIndexes; // per column, the tier counted; empty when the tiers are unknown
    QList<int> matches;     // per column, the matches counted when the tiers are unknown
};
ChanceColumns chanceColumns(const LotteryDetails &lottery);

// What one wheel costs and buys. Chances are -1 where they cannot be counted.
struct ComparedWheel {
    WheelOffer offer;
    bool everyCombination = false;
    bool counted = false;       // the figures below hold
    QString problem;            // why they do not
    std::optional<double> cost; // price x tickets, when the price is known
    double anyPrize = -1;
    QList<double> chances;               // one per column of chanceColumns()
    std::optional<double> fixedReturn;   // per draw; nothing when no tier has a fixed amount
    std::optional<double> returnPerUnit; // the fixed return per unit spent
    QString currency;

    // Which figure a budget compares: -1 any prize, else a column.
    double chanceOf(int column) const;
    // "key 3 if 4", "3 if 4 (yours)", "6 if 6 (every combination)".
    QString name() const;
};

// Counts one wheel with the exact odds: the prize tiers where they are known, else the match
// table. Cancelled: `counted` stays false and `problem` says so.
ComparedWheel compareWheel(const PlayedLottery &lottery, const WheelCandidate &wheel, const QList<int> &bonus,
                           const std::atomic<bool> *cancel = nullptr);

// What a budget buys: the wheels above it, the one with the best chance of the chosen figure
// within it (ties go to the cheaper, then to the earlier), and one sentence that says why.
struct BudgetChoice {
    int best = -1;         // index into the wheels, -1 when none fits
    QList<int> overBudget; // indexes of the wheels that cost more
    QString sentence;
};
// The cost a budget compares: the price times the tickets, or the tickets when the price is not known.
double budgetCost(const ComparedWheel &wheel);
// "20.00 CAD", or "20 tickets" where the price is not known.
QString budgetText(double amount, const QString &currency, bool priced);
// `column`: -1 for any prize, else the column of chanceColumns(); `columnName` names it in the sentence.
// The chance in the sentence is written in `locale`'s way (the window's; the command line keeps C).
BudgetChoice chooseWithin(const QList<ComparedWheel> &wheels, double budget, int column, const QString &columnName,
                          const QLocale &locale = QLocale::c());

// The wheels that no cheaper wheel beats: sorted by cost, each has a better chance than every
// wheel that costs less or the same and comes before it. Uncounted wheels are left out.
QList<int> frontOf(const QList<ComparedWheel> &wheels, int column);
