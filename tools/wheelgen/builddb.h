// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue.h"

#include <string>
#include <vector>

struct LotteryRow {
    std::string country;
    std::string name;
    int pool = 0; // ifrom
    int pick = 0; // imatch
};

// Reads "country,lotteryname,ifrom,imatch[,note...]" with a header row; fields may be
// quoted. Every country must be one the program offers.
bool parseLotteries(const std::string &csv, const std::string &fileName, std::vector<LotteryRow> &rows,
                    std::string &error);

// Writes the database next to `path` and moves it into place only when it is whole.
bool writeDatabase(const std::string &path, const std::vector<LotteryRow> &lotteries,
                   const std::vector<wheel::Entry> &wheels, std::string &error);
