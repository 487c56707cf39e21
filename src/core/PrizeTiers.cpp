// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/PrizeTiers.h"

#include "core/Odds.h"

#include <QCoreApplication>
#include <QHash>

#include <limits>

int tierOf(const QList<TierRule> &tiers, int mainMatches, int supplementaryMatches, int bonusMatches)
{
    return odds::firstTierMet(
        tiers,
        [](const TierRule &t) {
            return odds::Tier{t.main, t.supplementary, t.bonus};
        },
        mainMatches, supplementaryMatches, bonusMatches);
}

namespace {
QLocale &moneyLocaleStore()
{
    static QLocale locale = QLocale::c();
    return locale;
}
} // namespace

void setMoneyLocale(const QLocale &locale)
{
    moneyLocaleStore() = locale;
}

QLocale moneyLocale()
{
    return moneyLocaleStore();
}

bool writesMoneyAsBefore(const QLocale &locale)
{
    return locale.language() == QLocale::C || locale.language() == QLocale::English;
}

// The currencies of the lotteries whose sign is not ambiguous; the dollars and the crowns keep
// their ISO code.
QString currencySign(const QString &code)
{
    static const QHash<QString, QString> signs{{QStringLiteral("EUR"), QStringLiteral("€")},
                                               {QStringLiteral("GBP"), QStringLiteral("£")},
                                               {QStringLiteral("BRL"), QStringLiteral("R$")},
                                               {QStringLiteral("TRY"), QStringLiteral("₺")},
                                               {QStringLiteral("CNY"), QStringLiteral("¥")}};
    return signs.value(code, code);
}

QString formatAmount(qint64 cents, const QString &currency)
{
    return formatAmount(cents, currency, moneyLocale());
}

QString formatAmount(qint64 cents, const QString &currency, const QLocale &locale)
{
    if (!writesMoneyAsBefore(locale)) {
        const double amount = static_cast<double>(cents) / 100;
        return currency.isEmpty() ? locale.toString(amount, 'f', 2)
                                  : locale.toCurrencyString(amount, currencySign(currency), 2);
    }
    const bool negative = cents < 0;
    const quint64 magnitude = negative ? 0 - static_cast<quint64>(cents) : static_cast<quint64>(cents);
    QString whole = QString::number(magnitude / 100);
    for (qsizetype at = whole.size() - 3; at > 0; at -= 3)
        whole.insert(at, QLatin1Char(','));
    QString text = (negative ? QStringLiteral("-") : QString()) + whole + QLatin1Char('.') +
                   QStringLiteral("%1").arg(magnitude % 100, 2, 10, QLatin1Char('0'));
    if (!currency.isEmpty())
        text += QLatin1Char(' ') + currency;
    return text;
}

QString prizeText(const TierRule &tier)
{
    switch (tier.prize) {
    case TierRule::Prize::Fixed:
        return formatAmount(tier.cents, tier.currency);
    case TierRule::Prize::Shared:
        //: The prize of a tier that is shared among its winners (pari-mutuel), in a table cell.
        return QCoreApplication::translate("PrizeTiers", "shared");
    case TierRule::Prize::Unknown:
        break;
    }
    return {};
}

bool parseAmount(const QString &text, qint64 *cents)
{
    const qsizetype dot = text.indexOf(QLatin1Char('.'));
    if (dot < 1 || dot != text.size() - 3)
        return false;
    qint64 value = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (i == dot)
            continue;
        const QChar c = text[i];
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
        if (value > (std::numeric_limits<qint64>::max() - 9) / 10)
            return false;
        value = value * 10 + (c.unicode() - u'0');
    }
    *cents = value;
    return true;
}

QString fixedPrizesWonText(const QMap<QString, qint64> &won, const QStringList &leftOut)
{
    QStringList amounts;
    for (auto it = won.constBegin(); it != won.constEnd(); ++it)
        amounts << formatAmount(it.value(), it.key());
    // Amounts of several currencies: "12.00 EUR and 3.00 GBP".
    QString all = amounts.value(0, QCoreApplication::translate("PrizeTiers", "none"));
    for (qsizetype i = 1; i < amounts.size(); ++i)
        all = QCoreApplication::translate("PrizeTiers", "%1 and %2").arg(all, amounts[i]);
    const QString text = QCoreApplication::translate("PrizeTiers", "Fixed prizes won: %1").arg(all);
    if (leftOut.isEmpty())
        return text;
    // "a", "a or b", "a, b or c".
    const QString left = leftOut.size() < 2
                             ? leftOut.first()
                             : QCoreApplication::translate("PrizeTiers", "%1 or %2")
                                   .arg(leftOut.mid(0, leftOut.size() - 1).join(QStringLiteral(", ")), leftOut.last());
    //: %1 lists what the total leaves out, such as "shared prizes or prizes not known here".
    return QCoreApplication::translate("PrizeTiers", "%1 (not counting %2)").arg(text, left);
}
