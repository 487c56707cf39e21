// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/LotteryRestore.h"

#include "core/Catalogue.h"
#include "core/Countries.h"
#include "core/Database.h"
#include "core/Settings.h"
#include "ui/LotteryPage.h"

#include <QStringList>

namespace {
const QString kFirstCountry = QStringLiteral("Australia");
} // namespace

void showCountries(LotteryPage &page)
{
    QStringList countries;
    for (const char *c : kCountries)
        countries << QString::fromLatin1(c);
    page.setCountries(countries);
    page.showCountry(kFirstCountry);
}

RestoredLottery restoreLottery(LotteryPage &page, const Catalogue &catalogue, Settings &settings)
{
    RestoredLottery restored;
    const auto lotteriesOf = [&](const QString &country) {
        try {
            return catalogue.lotteryNames(country);
        } catch (const QueryError &e) {
            if (restored.firstError.isEmpty())
                restored.firstError = e.message();
            return QStringList();
        }
    };
    const QString rememberedCountry = settings.country();
    restored.lottery = settings.lottery();
    QStringList names;
    if (!rememberedCountry.isNull() && page.showCountry(rememberedCountry))
        names = lotteriesOf(rememberedCountry);
    if (!restored.lottery.isNull() && names.contains(restored.lottery))
        restored.row = static_cast<int>(names.indexOf(restored.lottery));
    else if (names.isEmpty())
        page.showCountry(kFirstCountry);
    restored.country = page.country();
    if (restored.country != rememberedCountry || names.isEmpty())
        names = lotteriesOf(restored.country);
    page.showLotteries(names);
    page.selectLottery(restored.row);
    // Writing the settings file (locked and synced to disk) would be the dearest step of a start:
    // it is written only when the country shown is not the one it holds.
    if (restored.country != rememberedCountry)
        settings.remember(restored.country, restored.lottery);
    return restored;
}
