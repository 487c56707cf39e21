// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Catalogue.h"

#include "Database.h"
#include "WheelOffer.h"

namespace {
QString letterOf(WheelType type)
{
    return type == WheelType::Key ? QStringLiteral("k") : QStringLiteral("a");
}
} // namespace

QStringList Catalogue::lotteryNames(const QString &country) const
{
    QStringList names;
    for (const auto &row : database_.select("SELECT lotteryname FROM lottery WHERE country=?", {country}))
        names << row.value(0);
    return names;
}

std::optional<LotteryShape> Catalogue::shape(const QString &country, const QString &lottery) const
{
    const auto rows =
        database_.select("SELECT ifrom,imatch FROM lottery WHERE country=? AND lotteryname=?", {country, lottery});
    if (rows.empty())
        return std::nullopt;
    // Should a name stand twice, the last row counts.
    return LotteryShape{leadingInt(rows.back().value(0)), leadingInt(rows.back().value(1))};
}

QStringList Catalogue::wheelEntries(int pick, WheelType type, int numbers) const
{
    QStringList entries;
    const auto rows =
        database_.select("SELECT xyoption,ticket FROM wheelsurvey WHERE pick=? AND wheeltype=? AND zoption=?",
                         {QString::number(pick), letterOf(type), QString::number(numbers)});
    for (const auto &row : rows)
        entries << wheelListEntry(row.value(0), row.value(1));
    return entries;
}

QStringList Catalogue::wheelLines(int pick, WheelType type, const QString &guarantee, int numbers) const
{
    QStringList lines;
    const auto rows =
        database_.select("SELECT digitalstring FROM wheels WHERE pick=? AND wheeltype=? AND xyoption=? AND zoption=?",
                         {QString::number(pick), letterOf(type), guarantee, QString::number(numbers)});
    for (const auto &row : rows)
        lines << row.value(0);
    return lines;
}
