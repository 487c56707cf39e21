// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wheelsearch/wheelfile.h"

#include <optional>
#include <string>
#include <vector>

// One prize tier as data/prize-tiers.csv states it.
struct TierRow {
    int tier = 0;          // 1, 2, ... best first; rows may share a number
    std::string name;      // "5 + bonus"
    int main = 0;          // main numbers matched, exactly
    int supplementary = 0; // at least this many supplementary numbers / bonus balls matched
    int bonus = 0;         // at least this many numbers of the separate bonus pool matched
    std::string prize;     // "10.00", "shared", or empty where no source states it
    std::string currency;  // ISO 4217, set exactly when prize is an amount
    int line = 0;          // where the row stands in the file
};

struct LotteryRow {
    std::string country;
    std::string name;
    int pool = 0; // ifrom
    int pick = 0; // imatch
    // What the lottery really draws; empty where no public source stated it.
    std::optional<int> drawn;         // main numbers drawn that count for matching
    std::optional<int> supplementary; // further numbers drawn from the main pool, not picked
    std::optional<int> bonusPool;     // size of a separate bonus pool, 0 if none
    std::optional<int> bonusPick;     // bonus numbers the player picks
    std::optional<int> lowestMain;    // main matches of the lowest prize tier
    std::optional<int> lowestBonus;   // bonus matches that tier needs
    std::optional<double> price;      // one line
    std::string currency;             // ISO 4217, set exactly when price is
    std::vector<TierRow> tiers = {};  // best first; empty when the tiers are not known
    std::string factsRead = {};       // the month the facts were read from public sources, "2026-12"
};

// Reads lotteries.csv: UTF-8 (a leading byte order mark is allowed), a header naming the columns
// country,lotteryname,ifrom,imatch first and then any of drawn, supplementary, bonuspool, bonuspick,
// lowestprize_main, lowestprize_bonus, price, currency, factsread (YYYY-MM) (other columns are notes and are skipped).
// Fields may be quoted; empty optional fields stay unknown. Every country must be one the program
// offers. Refuses anything else with file:line. The prize tiers come from prize-tiers.csv in the
// folder of `fileName` (see parsePrizeTiers); without that file no tiers are known.
bool parseLotteries(const std::string &csv, const std::string &fileName, std::vector<LotteryRow> &rows,
                    std::string &error);

// Reads the prize tiers of `lotteries` from prize-tiers.csv (UTF-8, a byte order mark allowed):
// the header country,lotteryname,tier,name,main,supplementary,bonus,prize,currency, then the rows
// of each lottery together, best tier first. Every row must fit its lottery as lotteries.csv
// states it (matches it can have, a tier a ticket can reach) and no row may be shadowed by an
// earlier one. Refuses anything else with file:line and leaves `lotteries` as it was.
bool parsePrizeTiers(const std::string &csv, const std::string &fileName, std::vector<LotteryRow> &lotteries,
                     std::string &error);

// Writes the database next to `path` and moves it into place only when it is whole.
bool writeDatabase(const std::string &path, const std::vector<LotteryRow> &lotteries,
                   const std::vector<wheel::Entry> &wheels, std::string &error);
