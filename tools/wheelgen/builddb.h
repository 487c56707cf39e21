// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wheelsearch/wheelfile.h"

#include <optional>
#include <string>
#include <vector>

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
};

// Reads lotteries.csv: UTF-8 (a leading byte order mark is allowed), a header naming the columns
// country,lotteryname,ifrom,imatch first and then any of drawn, supplementary, bonuspool, bonuspick,
// lowestprize_main, lowestprize_bonus, price, currency (other columns are notes and are skipped).
// Fields may be quoted; empty optional fields stay unknown. Every country must be one the program
// offers. Refuses anything else with file:line.
bool parseLotteries(const std::string &csv, const std::string &fileName, std::vector<LotteryRow> &rows,
                    std::string &error);

// Writes the database next to `path` and moves it into place only when it is whole.
bool writeDatabase(const std::string &path, const std::vector<LotteryRow> &lotteries,
                   const std::vector<wheel::Entry> &wheels, std::string &error);
