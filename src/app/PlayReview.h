// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Play.h"

#include <QObject>

#include <memory>

class AfterDraw;
class Catalogue;
class DrawHistoryWindow;
class MainWindow;
class WheelCompareWindow;
class WheelStore;

// What the player looks at before and after he plays: every wheel for his numbers side by side
// (the wheel page's "Compare wheels..."), how the chosen wheel over his numbers would have done
// in the stored draws ("Past draws..."), and how the tickets shown did in them ("Check
// draws..."). A draw of the tickets' history opens in the single-draw check.
class PlayReview : public QObject {
    Q_OBJECT
public:
    PlayReview(MainWindow *window, const Catalogue &catalogue, WheelStore &wheels, AfterDraw *afterDraw);
    ~PlayReview() override;

    // The windows, made on first use (tests look at them).
    WheelCompareWindow *compareWindow();
    DrawHistoryWindow *wheelHistoryWindow();
    DrawHistoryWindow *ticketHistoryWindow();

    // The lottery on the number page, with the numbers and bonus numbers chosen there.
    void compareWheels(const PlayedLottery &lottery);
    void pastDrawsOfWheel(const PlayedLottery &lottery);
    // The tickets the ticket page shows, of the lottery they name.
    void pastDrawsOfTickets();

signals:
    // The player chose a wheel of the comparison to play.
    void wheelChosen(const WheelOffer &wheel);

private:
    MainWindow *window_;
    const Catalogue &catalogue_;
    WheelStore &wheels_;
    AfterDraw *afterDraw_;
    std::unique_ptr<WheelCompareWindow> compareWindow_;
    std::unique_ptr<DrawHistoryWindow> wheelHistoryWindow_;
    std::unique_ptr<DrawHistoryWindow> ticketHistoryWindow_;
};
