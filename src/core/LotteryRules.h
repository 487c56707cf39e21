// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The rules a lottery's facts must keep, in one place: the database build checks lotteries.csv
// and prize-tiers.csv with them, the player's lottery file with them, and the Lotteries window
// checks each field with them as it is typed. Plain C++, so the build tool needs no Qt.
// Each check returns why a value cannot be, as a player reads it, or "" when it can.

#include <optional>
#include <string>
#include <vector>

// One prize tier as the data states it.
struct TierRow {
    int tier = 0;          // 1, 2, ... best first; rows may share a number
    std::string name;      // "5 + bonus"
    int main = 0;          // main numbers matched, exactly
    int supplementary = 0; // at least this many supplementary numbers / bonus balls matched
    int bonus = 0;         // at least this many numbers of the separate bonus pool matched
    std::string prize;     // "10.00", "shared", or empty where no source states it
    std::string currency;  // ISO 4217, set exactly when prize is an amount
    int line = 0;          // where the row stands in its file
};

struct LotteryRow {
    std::string country;
    std::string name;
    int pool = 0; // ifrom
    int pick = 0; // imatch
    // What the lottery really draws; empty where no public source stated it.
    std::optional<int> drawn = {};         // main numbers drawn that count for matching
    std::optional<int> supplementary = {}; // further numbers drawn from the main pool, not picked
    std::optional<int> bonusPool = {};     // size of a separate bonus pool, 0 if none
    std::optional<int> bonusPick = {};     // bonus numbers the player picks
    std::optional<int> lowestMain = {};    // main matches of the lowest prize tier
    std::optional<int> lowestBonus = {};   // bonus matches that tier needs
    std::optional<double> price = {};      // one line
    std::string currency = {};             // ISO 4217, set exactly when price is
    std::vector<TierRow> tiers = {};       // best first; empty when the tiers are not known
    std::string factsRead = {};            // the month the facts were read from public sources, "2026-12"
};

namespace lotteryrules {

std::string countryFault(const std::string &country);
std::string nameFault(const std::string &name);
std::string poolFault(int pool);
std::string pickFault(int pick, int pool);
std::string drawnFault(int drawn, int pool);
std::string supplementaryFault(int supplementary, int pool, int drawn);
std::string bonusPoolFault(int bonusPool);
std::string bonusPickFault(int bonusPick, int bonusPool);
// The lowest prize: given together or not at all, within what a ticket can match.
std::string lowestPrizeFault(std::optional<int> main, std::optional<int> bonus, int pick, int drawn, int bonusPick);
// A price as written ("2.50": digits, a point and up to four decimals) and its currency; both
// empty, or both set. `value` gets the price.
std::string priceFault(const std::string &price, const std::string &currency, std::optional<double> &value);
// YYYY-MM, from 2000-01 to 2099-12.
std::string monthFault(const std::string &month);

// A prize tier of `lottery` after the `earlier` ones (best first): its name, the matches it
// needs, its prize and currency, and that no earlier tier takes every ticket it would.
std::string tierFault(const TierRow &tier, const LotteryRow &lottery, const std::vector<TierRow> &earlier);

// The first fault of the lottery's facts and tiers, field by field in the order above.
std::string lotteryFault(const LotteryRow &lottery);

bool currencyCode(const std::string &code);
// A tier's fixed prize: digits, a point and exactly two decimals, more than nothing.
bool prizeAmount(const std::string &amount);

} // namespace lotteryrules
