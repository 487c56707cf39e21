// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/WheelValue.h"

#include "core/CountedText.h"
#include "core/PrizeTiers.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

QLocale figureLocale(const QLocale &locale)
{
    return writesMoneyAsBefore(locale) ? QLocale::c() : locale;
}

QString amountText(qint64 cents, const QString &currency, const QLocale &locale)
{
    return formatAmount(cents, currency, locale);
}

QString moneyText(double amount, const QString &currency, const QLocale &locale)
{
    if (writesMoneyAsBefore(locale))
        return locale.toString(amount, 'f', 2) + (currency.isEmpty() ? QString() : QLatin1Char(' ') + currency);
    return formatAmount(std::llround(amount * 100), currency, locale);
}

QString costLine(int tickets, double price, const QString &currency, const QLocale &locale)
{
    // Cents are counted whole, so 39 x 2.20 is 85.80 and never 85.79999.
    const double cents = std::round(price * 100);
    const double total = cents * tickets / 100;
    // A price the player gave for a lottery without a known currency stands without one.
    //: The cost of a wheel: "12 tickets x 2.00 EUR = 24.00 EUR"; %1 is the price of one, %2 the total.
    return countedText("WheelValue", "1 ticket x %1 = %2", QT_TRANSLATE_N_NOOP("WheelValue", "%n tickets x %1 = %2"),
                       tickets)
        .arg(moneyText(cents / 100, currency, locale), moneyText(total, currency, locale));
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

QString percentText(double p, const QLocale &asked)
{
    const QLocale locale = figureLocale(asked);
    if (p <= 0)
        return QStringLiteral("0");
    //: A percentage: German writes "%1 %", Turkish "%%1".
    const char *percent = QT_TRANSLATE_NOOP("WheelValue", "%1%");
    if (p >= 1)
        return QCoreApplication::translate("WheelValue", percent).arg(locale.toString(100));
    QString text = locale.toString(p * 100, 'g', 3);
    if (p * 100 < 1e-4) {
        // Three figures without an exponent: "0.00000715%", never "7.15e-06%".
        const int decimals = 2 - static_cast<int>(std::floor(std::log10(p * 100)));
        text = locale.toString(p * 100, 'f', std::min(decimals, 30));
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
    }
    if (text == locale.toString(100))
        return QCoreApplication::translate("WheelValue", percent).arg(QLatin1Char('>') + locale.toString(99.9, 'f', 1));
    return QCoreApplication::translate("WheelValue", percent).arg(text);
}

QString oneInText(double p, const QLocale &asked)
{
    const QLocale locale = figureLocale(asked);
    if (p <= 0 || p >= 0.5)
        return QString();
    const double n = 1 / p;
    //: A chance: "1 in 57".
    return QCoreApplication::translate("WheelValue", "1 in %1")
        .arg(locale.toString(n < 10 ? std::round(n * 10) / 10 : std::round(n), 'f', n < 10 ? 1 : 0));
}
