// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PlayReview.h"

#include "app/AfterDraw.h"
#include "app/Alert.h"
#include "app/WheelStore.h"
#include "core/Catalogue.h"
#include "core/DrawHistory.h"
#include "core/WheelShelf.h"
#include "ui/DrawCheckWindow.h"
#include "ui/DrawHistoryWindow.h"
#include "ui/MainWindow.h"
#include "ui/NumberPage.h"
#include "ui/TicketPage.h"
#include "ui/WheelCompareWindow.h"
#include "ui/WheelPage.h"

PlayReview::PlayReview(MainWindow *window, const Catalogue &catalogue, WheelStore &wheels, AfterDraw *afterDraw)
    : window_(window), catalogue_(catalogue), wheels_(wheels), afterDraw_(afterDraw)
{
}

PlayReview::~PlayReview() = default;

WheelCompareWindow *PlayReview::compareWindow()
{
    if (!compareWindow_) {
        compareWindow_ = std::make_unique<WheelCompareWindow>();
        connect(compareWindow_.get(), &WheelCompareWindow::wheelChosen, this, &PlayReview::wheelChosen);
    }
    return compareWindow_.get();
}

DrawHistoryWindow *PlayReview::wheelHistoryWindow()
{
    if (!wheelHistoryWindow_)
        wheelHistoryWindow_ = std::make_unique<DrawHistoryWindow>();
    return wheelHistoryWindow_.get();
}

DrawHistoryWindow *PlayReview::ticketHistoryWindow()
{
    if (!ticketHistoryWindow_) {
        ticketHistoryWindow_ = std::make_unique<DrawHistoryWindow>();
        // A draw of the history is checked like a typed one, against the same tickets.
        connect(ticketHistoryWindow_.get(), &DrawHistoryWindow::drawChosen, this, [this](const StoredDraw &draw) {
            guarded([&] {
                afterDraw_->checkDraw();
                afterDraw_->drawCheckWindow()->checkKnownDraw(draw.draw());
            });
        });
    }
    return ticketHistoryWindow_.get();
}

void PlayReview::compareWheels(const PlayedLottery &lottery)
{
    NumberPage *numbers = window_->numberPage();
    WheelCompareWindow *w = compareWindow();
    w->showWheels(lottery, numbers->selection().count(), numbers->bonus().chosen(), wheels_.shelf());
    w->show();
    w->raise();
    w->activateWindow();
}

void PlayReview::pastDrawsOfWheel(const PlayedLottery &lottery)
{
    const auto wheel = window_->wheelPage()->chosenWheel();
    if (!wheel)
        return;
    NumberPage *numbers = window_->numberPage();
    WheelShelf &shelf = wheels_.shelf();
    // The lines are read (and proven, where they need it) once, for the tickets Generate would make
    // and for the question the wheel page counts their odds from.
    const WheelLines read = shelf.lines(*wheel);
    if (const QString notice = shelf.takeNotice(); !notice.isEmpty())
        alert(notice);
    if (!read.sound()) {
        alert(tr("The wheel \"%1\" for %2 numbers is damaged: %3.")
                  .arg(wheel->printableLabel())
                  .arg(wheel->numbers)
                  .arg(read.problem));
        return;
    }
    const QList<int> chosen = numbers->selection().chosenInOrder(), bonus = numbers->bonus().chosen();
    const QList<TicketNumbers> tickets = ticketsOfWheel(read.lines, chosen, bonus, lottery.details.facts.bonusDrawn);
    DrawHistoryWindow *w = wheelHistoryWindow();
    w->setTickets(lottery, tickets, wheels_.own().path(), oddsQuestion(lottery, *wheel, read.lines, bonus));
    w->show();
    w->raise();
}

void PlayReview::pastDrawsOfTickets()
{
    const TicketSheet &sheet = window_->ticketPage()->sheet();
    if (sheet.isEmpty())
        return;
    const auto details = catalogue_.details(sheet.country, sheet.lottery);
    if (!details) {
        alert(tr("The draws of \"%1\" of %2 cannot be checked: the lottery is not known here.")
                  .arg(sheet.lottery, sheet.country));
        return;
    }
    DrawHistoryWindow *w = ticketHistoryWindow();
    w->setTickets({sheet.country, sheet.lottery, *details}, sheet.tickets, wheels_.own().path());
    w->show();
    w->raise();
}
