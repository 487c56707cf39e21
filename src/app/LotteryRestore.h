// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class Catalogue;
class LotteryPage;
class Settings;

// The lottery page as a start leaves it.
struct RestoredLottery {
    QString country;    // the country shown
    QString lottery;    // the remembered lottery's name, kept even when it is not listed; null when none
    int row = -1;       // its row in the list shown; -1 when it is not there
    QString firstError; // the first query that failed; a start tells at most one
};

// Fills the country list, the first country shown.
void showCountries(LotteryPage &page);

// Shows the remembered country with its lotteries, the remembered lottery selected, when they
// are still there; else the first country. The remembered name is kept either way, so a later
// start can find it once more; the settings are written only when what they hold changes.
RestoredLottery restoreLottery(LotteryPage &page, const Catalogue &catalogue, Settings &settings);
