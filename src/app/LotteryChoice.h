// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The lottery page's side of the play: the country shown, the lottery chosen (remembered in
// the settings), its facts note, and the Lotteries window that edits the player's lotteries.
#pragma once

#include "core/Play.h"

#include <QObject>
#include <QString>

#include <memory>
#include <optional>

class Catalogue;
class Database;
class LotteriesWindow;
class LotteryPage;
class PlayerLotteries;
class Settings;
class QWidget;

class LotteryChoice : public QObject {
    Q_OBJECT
public:
    LotteryChoice(LotteryPage &page, const Database &database, Catalogue &catalogue, PlayerLotteries &players,
                  Settings &settings, QWidget *windowParent);
    ~LotteryChoice() override;

    // Fills the page as the last run left it; the first failed query, empty when none.
    QString restore();
    void chooseCountry(const QString &country);
    void chooseLottery(int row);
    void showLotteriesWindow();

    bool isChosen() const { return row_ >= 0; }
    // Whether a lottery was chosen since the number grid was last made.
    bool gridIsStale() const { return gridIsStale_; }
    // The chosen lottery with its facts, for a new number grid; empty, with `fault` saying why,
    // where it is not in the database or its row is damaged (before it can freeze the grid or
    // ask for more numbers than its pool holds). Taken, the grid is no longer stale.
    std::optional<PlayedLottery> takeForGrid(QString &fault);

private:
    void showFactsNote();

    LotteryPage &page_;
    const Database &database_;
    Catalogue &catalogue_;
    PlayerLotteries &players_;
    Settings &settings_;
    QWidget *windowParent_;
    std::unique_ptr<LotteriesWindow> lotteriesWindow_;

    QString country_;          // the country shown
    QString lottery_;          // the lottery chosen or remembered; null until there is one
    int row_ = -1;             // its row in the list; -1 while none is chosen
    bool gridIsStale_ = false; // a lottery was chosen since the number grid was built
};
