// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

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

    // The price of one ticket the player gave for a lottery, kept under "Price/<country>/<lottery>";
    // nothing when none was given or what is stored is not a positive number.
    std::optional<double> price(const QString &country, const QString &lottery) const;
    // Nothing forgets the price the player gave.
    void rememberPrice(const QString &country, const QString &lottery, std::optional<double> price);

    // How the player said a lottery's results files are laid out, under
    // "ResultsLayout/<country>/<lottery>"; null when nothing was said. A null text forgets it.
    QString resultsLayout(const QString &country, const QString &lottery) const;
    void rememberResultsLayout(const QString &country, const QString &lottery, const QString &layout);

    // The window's language the player chose ("de", "pt_BR", "en"), under "Language"; null when he
    // chose none, and the system's language is taken.
    QString language() const;
    void rememberLanguage(const QString &code);
};
