// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Odds.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// What a wheel costs and wins, as the wheel page tells it.

// "39 tickets x 3.00 CAD = 117.00 CAD", amounts in `locale`'s digits with two decimals; without a
// currency the amounts stand alone. Under a locale other than C or English the amounts are money
// in that locale's way, the currency as its sign where it has one: "39 Tickets x 3,00 € = 117,00 €".
QString costLine(int tickets, double price, const QString &currency, const QLocale &locale);
// A price as the player typed it, in `locale` or with a point; nothing unless a positive amount.
std::optional<double> parsePrice(const QString &text, const QLocale &locale);

// The rows a key wheel's guarantee speaks of: the draws that hold the key number, with the
// chance of j among the player's given that the key is drawn, C(Z-1, j-1) C(N-Z, D-j) / C(N-1, D-1).
std::vector<odds::HaveRow> givenKeyRows(const odds::Table &table);

// A share as a percentage read at a glance: "100%" only when certain, ">99.9%" just short of it.
// The window passes its locale ("5,82 %" in German); the command line keeps C.
QString percentText(double p, const QLocale &locale = QLocale::c());
// "1 in 57" for a chance p, or "" when p is 0 or at least one half.
QString oneInText(double p, const QLocale &locale = QLocale::c());
// An amount of money in `locale`'s way: the C and English locales write "117.00 CAD" as before,
// others "117,00 €" with the currency's sign where it has a well-known one.
QString moneyText(double amount, const QString &currency, const QLocale &locale);
// Whole cents as formatAmount() writes them ("1,250.00 EUR") in C and English, else as moneyText().
QString amountText(qint64 cents, const QString &currency, const QLocale &locale);
// The locale figures are written in: C, as the program always wrote them, for C and English
// (whatever an English locale's own habits); the window's language's otherwise.
QLocale figureLocale(const QLocale &locale = QLocale());
