// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/WheelValue.h"

#include <algorithm>
#include <cmath>

QString costLine(int tickets, double price, const QString &currency, const QLocale &locale)
{
    // Cents are counted whole, so 39 x 2.20 is 85.80 and never 85.79999.
    const double cents = std::round(price * 100);
    const double total = cents * tickets / 100;
    // A price the player gave for a lottery without a known currency stands without one.
    const QString unit = currency.isEmpty() ? QString() : QLatin1Char(' ') + currency;
    return QStringLiteral("%1 %2 x %3%4 = %5%4")
        .arg(tickets)
        .arg(tickets == 1 ? QStringLiteral("ticket") : QStringLiteral("tickets"))
        .arg(locale.toString(cents / 100, 'f', 2), unit, locale.toString(total, 'f', 2));
}

std::optional<double> parsePrice(const QString &text, const QLocale &locale)
{
    const QString trimmed = text.trimmed();
    bool isNumber = false;
    double value = locale.toDouble(trimmed, &isNumber);
    if (!isNumber)
        value = QLocale::c().toDouble(trimmed, &isNumber);
    if (!isNumber || !(value > 0) || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::vector<odds::HaveRow> givenKeyRows(const odds::Table &table)
{
    std::vector<odds::HaveRow> rows = table.keyedHave;
    const long double keyDraws = odds::binomial(table.pool - 1, table.drawn - 1);
    for (odds::HaveRow &row : rows) {
        if (row.j == 0) {
            // No draw holding the key misses all of the player's numbers; the row reads like
            // any row that cannot match.
            row.probability = 0;
            std::fill(row.atLeast.begin(), row.atLeast.end(), 0.0);
            if (!row.atLeast.empty())
                row.atLeast.front() = 1;
            continue;
        }
        row.probability =
            static_cast<double>(odds::binomial(table.numbers - 1, row.j - 1) *
                                odds::binomial(table.pool - table.numbers, table.drawn - row.j) / keyDraws);
    }
    return rows;
}

QString percentText(double p)
{
    if (p <= 0)
        return QStringLiteral("0");
    if (p >= 1)
        return QStringLiteral("100%");
    const QString text = QString::number(p * 100, 'g', 3);
    if (text == QLatin1String("100"))
        return QStringLiteral(">99.9%");
    return text + QLatin1Char('%');
}

QString oneInText(double p)
{
    if (p <= 0 || p >= 0.5)
        return QString();
    const double n = 1 / p;
    return QStringLiteral("1 in %1").arg(
        QLocale::c().toString(n < 10 ? std::round(n * 10) / 10 : std::round(n), 'f', n < 10 ? 1 : 0));
}
