// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QLocale>
#include <QMap>
#include <QString>
#include <QStringList>

// One prize tier of a lottery as the data file states it: the matches a ticket needs and what
// the tier pays.
struct TierRule {
    QString name;          // as a player reads it: "5 + bonus", "4 + Powerball"
    int main = 0;          // main numbers matched, exactly
    int supplementary = 0; // at least this many of the ticket's main numbers among the numbers
                           // drawn from the main pool after the main draw (a bonus ball)
    int bonus = 0;         // at least this many matches of the separate bonus pool
    enum class Prize { Unknown, Fixed, Shared } prize = Prize::Unknown;
    qint64 cents = 0; // the fixed amount in hundredths, when prize == Fixed
    QString currency; // ISO 4217, when prize == Fixed
};

// The index of the ticket's tier in `tiers` (best first), by the rule the odds count by
// (odds::firstTierMet): the first whose main equals the main matches and whose supplementary
// and bonus needs are met; -1 when no tier pays.
int tierOf(const QList<TierRule> &tiers, int mainMatches, int supplementaryMatches, int bonusMatches);

// "10.00 CAD", "1,000,000.00 USD": an amount in hundredths with its currency.
// In the locale of the money in texts (below), which only the window sets: the command line
// keeps this form.
QString formatAmount(qint64 cents, const QString &currency);
// The same in `locale`: as above in C and English, else the language's way ("1.250,00 €").
QString formatAmount(qint64 cents, const QString &currency, const QLocale &locale);
// The locale formatAmount(), prizeText() and fixedPrizesWonText() write money in; C until set.
void setMoneyLocale(const QLocale &locale);
QLocale moneyLocale();
// C and English keep the figures the program always wrote; other languages write money,
// shares and odds their way.
bool writesMoneyAsBefore(const QLocale &locale);
// The sign a player reads for a currency where it is not ambiguous ("€"), else its ISO code.
QString currencySign(const QString &code);
// "Fixed prizes won: 118.00 CAD and 3.00 EUR (not counting shared prizes or ...)": the fixed
// amounts won, in hundredths per currency, and what the figure leaves out.
QString fixedPrizesWonText(const QMap<QString, qint64> &won, const QStringList &leftOut);

// "10.00 CAD", "shared", "" for a tier whose prize is not known.
QString prizeText(const TierRule &tier);

// An amount as the data file writes it ("5.00", "1000000.00") in hundredths; false unless it is
// digits, a dot and exactly two digits.
bool parseAmount(const QString &text, qint64 *cents);
