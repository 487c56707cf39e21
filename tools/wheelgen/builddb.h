// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/LotteryRules.h"
#include "wheelsearch/wheelfile.h"

#include <optional>
#include <string>
#include <vector>

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
