// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/LotteryChoice.h"

#include "app/Alert.h"
#include "app/LotteryRestore.h"
#include "core/Catalogue.h"
#include "core/Database.h"
#include "core/Settings.h"
#include "ui/LotteriesWindow.h"
#include "ui/LotteryPage.h"

#include <QCoreApplication>

LotteryChoice::LotteryChoice(LotteryPage &page, const Database &database, Catalogue &catalogue,
                             PlayerLotteries &players, Settings &settings, QWidget *windowParent)
    : page_(page), database_(database), catalogue_(catalogue), players_(players), settings_(settings),
      windowParent_(windowParent)
{
}

LotteryChoice::~LotteryChoice() = default;

QString LotteryChoice::restore()
{
    const RestoredLottery restored = restoreLottery(page_, catalogue_, settings_);
    country_ = restored.country;
    lottery_ = restored.lottery;
    row_ = restored.row;
    gridIsStale_ = restored.row >= 0;
    guarded([this] { showFactsNote(); });
    return restored.firstError;
}

void LotteryChoice::chooseCountry(const QString &country)
{
    country_ = country;
    row_ = -1;
    // Should the query fail, the old country's lotteries are gone all the same.
    page_.showLotteries({});
    page_.showLotteries(catalogue_.lotteryNames(country_));
    page_.selectLottery(-1);
    // The first lottery of the new country is the one shown chosen, so it is the one the
    // next page works with (not the lottery of the previous country).
    if (!page_.lotteries().isEmpty()) {
        page_.selectLottery(0);
        chooseLottery(0);
    }
    settings_.remember(country_, lottery_);
}

void LotteryChoice::chooseLottery(int row)
{
    if (row == row_)
        return;
    row_ = row;
    lottery_ = page_.lotteries().value(row);
    gridIsStale_ = true;
    settings_.remember(country_, lottery_);
    guarded([this] { showFactsNote(); });
}

void LotteryChoice::showFactsNote()
{
    page_.showFactsNote(lottery_.isEmpty() || !database_.isOpen() ? QString()
                                                                  : catalogue_.factsNote(country_, lottery_));
}

void LotteryChoice::showLotteriesWindow()
{
    if (!database_.isOpen())
        return;
    if (!lotteriesWindow_) {
        lotteriesWindow_ = std::make_unique<LotteriesWindow>(catalogue_, players_, windowParent_);
        // The page lists them again; the chosen lottery stays chosen when it is still there,
        // and its grid is made anew from its facts as they now stand.
        connect(lotteriesWindow_.get(), &LotteriesWindow::lotteriesChanged, this, [this] {
            guarded([this] {
                const QString chosen = lottery_;
                page_.showLotteries(catalogue_.lotteryNames(country_));
                const int row = static_cast<int>(page_.lotteries().indexOf(chosen));
                page_.selectLottery(row);
                row_ = row;
                lottery_ = row >= 0 ? chosen : QString();
                gridIsStale_ = true;
                showFactsNote();
            });
        });
    }
    lotteriesWindow_->showCountry(country_, lottery_);
    lotteriesWindow_->show();
    lotteriesWindow_->raise();
}

std::optional<PlayedLottery> LotteryChoice::takeForGrid(QString &fault)
{
    const auto details = catalogue_.details(country_, lottery_);
    if (!details) {
        fault = QCoreApplication::translate("Application", "The lottery \"%1\" of %2 is not in the wheel database.")
                    .arg(lottery_, country_);
        return std::nullopt;
    }
    PlayedLottery chosen{country_, lottery_, *details};
    fault = lotteryFault(chosen);
    if (!fault.isEmpty())
        return std::nullopt;
    gridIsStale_ = false;
    return chosen;
}
