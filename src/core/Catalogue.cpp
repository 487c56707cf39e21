// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Catalogue.h"

#include "core/BonusSelection.h"
#include "core/Database.h"
#include "core/PlayerLotteries.h"
#include "core/TextSafety.h"

#include <QCoreApplication>

#include <algorithm>

namespace {
QString typeColumn(WheelType type)
{
    return QString(QLatin1Char(letterOf(type)));
}
} // namespace

LotteryDetails detailsOf(const LotteryRow &row, bool bonusIsTicketDigit)
{
    LotteryDetails details;
    details.pick = row.pick;
    details.facts.pool = row.pool;
    details.facts.drawn = row.pick;
    details.facts.supplementary = row.supplementary.value_or(0);
    if (row.bonusPool.value_or(0) > 0 && row.bonusPick.value_or(0) > 0) {
        details.facts.bonusPool = *row.bonusPool;
        details.facts.bonusDrawn = *row.bonusPick;
    }
    if (row.lowestMain && row.lowestBonus)
        details.facts.lowestPrize = PrizeTier{*row.lowestMain, *row.lowestBonus};
    if (row.price) {
        details.price = *row.price;
        details.currency = QString::fromStdString(row.currency);
    }
    details.facts.bonusIsTicketDigit = details.facts.bonusPool > 0 && bonusIsTicketDigit;
    for (const TierRow &t : row.tiers) {
        TierRule rule;
        rule.name = QString::fromStdString(t.name);
        rule.main = t.main;
        rule.supplementary = t.supplementary;
        rule.bonus = t.bonus;
        if (t.prize == "shared") {
            rule.prize = TierRule::Prize::Shared;
        } else if (parseAmount(QString::fromStdString(t.prize), &rule.cents)) {
            rule.prize = TierRule::Prize::Fixed;
            rule.currency = QString::fromStdString(t.currency);
        }
        details.facts.tiers << rule;
    }
    return details;
}

const PlayerLottery *Catalogue::players(const QString &country, const QString &lottery) const
{
    return player_ ? player_->find(country, lottery) : nullptr;
}

QStringList Catalogue::lotteryNames(const QString &country) const
{
    QStringList names;
    for (const auto &row : database_.select("SELECT lotteryname FROM lottery WHERE country=?", {country}))
        names << row.value(0);
    if (player_)
        for (const QString &name : player_->names(country))
            if (!names.contains(name))
                names << name;
    return names;
}

bool Catalogue::isPlayers(const QString &country, const QString &lottery) const
{
    return players(country, lottery) != nullptr;
}

bool Catalogue::isShipped(const QString &country, const QString &lottery) const
{
    return !database_.select("SELECT 1 FROM lottery WHERE country=? AND lotteryname=?", {country, lottery}).empty();
}

QString Catalogue::factsNote(const QString &country, const QString &lottery) const
{
    if (const PlayerLottery *own = players(country, lottery))
        return own->changed.isValid() ? QCoreApplication::translate("Catalogue", "Your lottery, changed %1")
                                            .arg(own->changed.toString(Qt::ISODate))
                                      : QCoreApplication::translate("Catalogue", "Your lottery");
    std::vector<QStringList> rows;
    try {
        rows = database_.select("SELECT factsread FROM lottery WHERE country=? AND lotteryname=?", {country, lottery});
    } catch (const QueryError &) {
        return {}; // a database from before the month was kept
    }
    if (rows.empty() || rows.back().value(0).isEmpty())
        return {};
    //: %1 is the month the lottery's facts were read, such as 2026-11.
    return QCoreApplication::translate("Catalogue", "Facts as of %1")
        .arg(withoutControls(rows.back().value(0)).left(7));
}

std::optional<LotteryRow> Catalogue::row(const QString &country, const QString &lottery, bool shipped) const
{
    if (!shipped)
        if (const PlayerLottery *own = players(country, lottery))
            return own->facts;
    const auto details = shippedDetails(country, lottery);
    if (!details)
        return std::nullopt;
    LotteryRow row;
    row.country = country.toStdString();
    row.name = lottery.toStdString();
    row.pool = details->facts.pool;
    row.pick = details->pick;
    row.drawn = details->facts.drawn;
    row.supplementary = details->facts.supplementary;
    row.bonusPool = details->facts.bonusPool;
    row.bonusPick = details->facts.bonusDrawn;
    if (details->facts.lowestPrize) {
        row.lowestMain = details->facts.lowestPrize->main;
        row.lowestBonus = details->facts.lowestPrize->bonus;
    }
    row.price = details->price;
    if (details->price)
        row.currency = details->currency.toStdString();
    int number = 0;
    for (const TierRule &t : details->facts.tiers) {
        TierRow tier;
        tier.tier = ++number;
        tier.name = t.name.toStdString();
        tier.main = t.main;
        tier.supplementary = t.supplementary;
        tier.bonus = t.bonus;
        if (t.prize == TierRule::Prize::Shared) {
            tier.prize = "shared";
        } else if (t.prize == TierRule::Prize::Fixed) {
            tier.prize = QString(QString::number(t.cents / 100) + QLatin1Char('.') +
                                 QString::number(t.cents % 100).rightJustified(2, QLatin1Char('0')))
                             .toStdString();
            tier.currency = t.currency.toStdString();
        }
        row.tiers.push_back(tier);
    }
    return row;
}

std::optional<LotteryShape> Catalogue::shape(const QString &country, const QString &lottery) const
{
    if (const PlayerLottery *own = players(country, lottery))
        return LotteryShape{own->facts.pool, own->facts.pick};
    const auto rows =
        database_.select("SELECT ifrom,imatch FROM lottery WHERE country=? AND lotteryname=?", {country, lottery});
    if (rows.empty())
        return std::nullopt;
    const auto whole = [](const QString &text) {
        bool ok = false;
        const int value = text.trimmed().toInt(&ok);
        return ok ? value : 0;
    };
    // Should a name stand twice, the last row counts.
    return LotteryShape{whole(rows.back().value(0)), whole(rows.back().value(1))};
}

std::optional<LotteryDetails> Catalogue::details(const QString &country, const QString &lottery) const
{
    if (const PlayerLottery *own = players(country, lottery))
        return detailsOf(own->facts, bonusIsDigit(country, lottery));
    return shippedDetails(country, lottery);
}

std::optional<LotteryDetails> Catalogue::shippedDetails(const QString &country, const QString &lottery) const
{
    const auto rowsOfShape =
        database_.select("SELECT ifrom,imatch FROM lottery WHERE country=? AND lotteryname=?", {country, lottery});
    if (rowsOfShape.empty())
        return std::nullopt;
    const auto whole = [](const QString &text) {
        bool ok = false;
        const int value = text.trimmed().toInt(&ok);
        return ok ? value : 0;
    };
    const auto shape = std::optional<LotteryShape>(
        LotteryShape{whole(rowsOfShape.back().value(0)), whole(rowsOfShape.back().value(1))});
    if (!shape)
        return std::nullopt;
    LotteryDetails details;
    details.pick = shape->pick;
    details.facts.pool = shape->pool;
    details.facts.drawn = shape->pick;
    std::vector<QStringList> rows;
    try {
        rows = database_.select("SELECT drawn,supplementary,bonuspool,bonuspick,lowestprize_main,lowestprize_bonus,"
                                "price,currency FROM lottery WHERE country=? AND lotteryname=?",
                                {country, lottery});
    } catch (const QueryError &) {
        return details; // a database without the facts
    }
    if (rows.empty())
        return details;
    const QStringList &row = rows.back();
    const auto number = [&row](int column) { return row.value(column).isEmpty() ? -1 : leadingInt(row.value(column)); };
    if (number(1) > 0)
        details.facts.supplementary = number(1);
    if (number(2) > 0 && number(3) > 0) {
        details.facts.bonusPool = number(2);
        details.facts.bonusDrawn = number(3);
    }
    // A lowest prize no ticket can reach (more matches than are drawn, or none at all) is damage
    // in the row, and is taken as not known rather than counted as "0 of draws".
    const PrizeTier lowest{number(4), std::max(number(5), 0)};
    const int bonusMatchable = std::max(details.facts.bonusDrawn, details.facts.supplementary);
    if (lowest.main >= 0 && lowest.main <= details.facts.drawn && lowest.bonus <= bonusMatchable &&
        lowest.main + lowest.bonus > 0)
        details.facts.lowestPrize = lowest;
    bool isPrice = false;
    const double price = row.value(6).toDouble(&isPrice);
    if (isPrice && price > 0 && !row.value(7).isEmpty()) {
        details.price = price;
        details.currency = row.value(7);
    }
    details.facts.bonusIsTicketDigit = details.facts.bonusPool > 0 && bonusIsDigit(country, lottery);
    details.facts.tiers = shippedTiers(country, lottery, details.facts);
    return details;
}

QList<TierRule> Catalogue::tiers(const QString &country, const QString &lottery, const LotteryFacts &facts) const
{
    if (const PlayerLottery *own = players(country, lottery))
        return detailsOf(own->facts, false).facts.tiers;
    return shippedTiers(country, lottery, facts);
}

QList<TierRule> Catalogue::shippedTiers(const QString &country, const QString &lottery, const LotteryFacts &facts) const
{
    std::vector<QStringList> rows;
    try {
        rows = database_.select("SELECT name,main,supplementary,bonus,prize,currency FROM prizetier "
                                "WHERE country=? AND lotteryname=? ORDER BY rowid",
                                {country, lottery});
    } catch (const QueryError &) {
        return {}; // a database from before the tiers
    }
    QList<TierRule> tiers;
    const auto count = [](const QString &text) {
        bool ok = false;
        const int n = text.trimmed().toInt(&ok);
        return ok ? n : -1;
    };
    for (const QStringList &row : rows) {
        TierRule t;
        t.name = withoutControls(row.value(0)).left(80);
        t.main = count(row.value(1));
        t.supplementary = count(row.value(2));
        t.bonus = count(row.value(3));
        // A row no ticket can match is damage: the lottery's tiers are then taken as not known
        // rather than judged by part of them.
        if (t.name.isEmpty() || t.main < 0 || t.main > facts.drawn || t.supplementary < 0 ||
            t.supplementary > facts.supplementary || t.bonus < 0 || t.bonus > std::max(facts.bonusDrawn, 0) ||
            t.main + t.supplementary + t.bonus == 0)
            return {};
        const QString prize = row.value(4);
        const QString currency = row.value(5);
        if (prize == QLatin1String("shared")) {
            t.prize = TierRule::Prize::Shared;
        } else if (parseAmount(prize, &t.cents) && t.cents > 0 && currency.size() == 3 &&
                   std::all_of(currency.begin(), currency.end(),
                               [](QChar c) { return c >= QLatin1Char('A') && c <= QLatin1Char('Z'); })) {
            t.prize = TierRule::Prize::Fixed;
            t.currency = currency;
        }
        tiers << t;
    }
    return tiers;
}

// Counts are matched as numbers and as text, so a database whose columns have no type (and hold
// 6 where another holds '6') lists the same wheels; the index on them is still used.
QList<WheelOffer> Catalogue::offers(int pick, WheelType type, int numbers) const
{
    QList<WheelOffer> offers;
    const auto rows = database_.select(
        "SELECT xyoption,ticket FROM wheelsurvey WHERE pick IN (?1,CAST(?1 AS INTEGER)) AND wheeltype=?2 AND "
        "zoption IN (?3,CAST(?3 AS INTEGER))",
        {QString::number(pick), typeColumn(type), QString::number(numbers)});
    for (const auto &row : rows) {
        bool isCount = false;
        const int tickets = row.value(1).trimmed().toInt(&isCount);
        offers << WheelOffer{
            pick, type, numbers, row.value(0), isCount && tickets >= 0 ? tickets : -1, WheelOrigin::Shipped};
    }
    return offers;
}

QStringList Catalogue::storedLines(const WheelOffer &wheel) const
{
    QStringList lines;
    const auto rows = database_.select(
        "SELECT digitalstring FROM wheels WHERE pick IN (?1,CAST(?1 AS INTEGER)) AND wheeltype=?2 AND xyoption=?3 "
        "AND zoption IN (?4,CAST(?4 AS INTEGER))",
        {QString::number(wheel.pick), typeColumn(wheel.type), wheel.label, QString::number(wheel.numbers)});
    for (const auto &row : rows)
        lines << row.value(0);
    return lines;
}
