// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The player's remembered choices. The keys "LotteryCountry" and "LotteryName" are what
// earlier versions stored, so they keep their spelling.
class Settings {
public:
    // Keep the settings in this file instead of the player's store (tests); empty: the store.
    static void useFile(const QString &path);

    // Null when nothing (or an empty text) is stored.
    QString country() const;
    QString lottery() const;
    // A null value removes the key.
    void remember(const QString &country, const QString &lottery);
};
