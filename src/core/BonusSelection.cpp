// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/BonusSelection.h"

void BonusSelection::reset(int poolSize)
{
    poolSize_ = poolSize > 0 ? poolSize : 0;
    chosen_.clear();
}

void BonusSelection::tap(int n)
{
    if (n < 1 || n > poolSize_)
        return;
    if (!chosen_.removeOne(n))
        chosen_ << n;
}

int BonusSelection::drawRandom(int count, const std::function<quint32()> &random)
{
    QList<int> free;
    for (int n = 1; n <= poolSize_; ++n)
        if (!chosen_.contains(n))
            free << n;
    int drawn = 0;
    for (; drawn < count && !free.isEmpty(); ++drawn)
        chosen_ << free.takeAt(static_cast<qsizetype>(random() % static_cast<quint32>(free.size())));
    return drawn;
}

bool bonusIsDigit(const QString &country, const QString &lottery)
{
    static const char *const digitGames[][2] = {{"Germany", "Lotto 6aus49"},
                                                {"Spain", "La Primitiva"},
                                                {"Spain", "Bonoloto"},
                                                {"Spain", "El Gordo de la Primitiva"}};
    for (const auto &game : digitGames)
        if (country == QLatin1String(game[0]) && lottery == QLatin1String(game[1]))
            return true;
    return false;
}
