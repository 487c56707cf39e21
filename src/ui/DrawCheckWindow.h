// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/DrawCheck.h"
#include "ui/AuxWindows.h"

#include <optional>

class QLabel;
class QLineEdit;
class QListWidget;

namespace Ui {
class DrawCheckWindow;
}

// Takes the numbers of a draw, typed, and checks the tickets on the ticket page against
// them: a draw the lottery cannot have is refused in the window, a sound one gives the count
// of tickets per count of matches and those reaching the lowest prize when it is known, and,
// where the lottery's prize tiers are known, each winning ticket's tier and prize, the tickets
// per tier and the fixed prizes won. Supplementary numbers of a lottery that has a separate
// bonus pool as well, and the player's own digit where the ticket carries one, have fields of
// their own.
class DrawCheckWindow : public AuxWindow {
    Q_OBJECT
public:
    DrawCheckWindow();
    ~DrawCheckWindow() override;

    // The tickets to check and what is known of their lottery (nothing: only the tickets
    // speak, numbers 1 to 99 in any count). Forgets the last result; the typed numbers stay,
    // so the same draw can be checked against other tickets.
    void setTickets(const QString &lotteryTitle, const std::optional<LotteryFacts> &facts,
                    const QList<TicketNumbers> &tickets);
    // Checks the typed draw, as the Check button does.
    void check();
    // Types a known draw (one of the stored history, say) into the fields and checks it.
    void checkKnownDraw(const Draw &draw);
    const std::optional<DrawCheck> &result() const { return result_; }

protected:
    // The typed numbers take the keys as soon as the window shows.
    void showEvent(QShowEvent *event) override;

signals:
    // A draw was checked: one result a ticket, in the tickets' order.
    void checked(const QList<TicketCheck> &tickets, bool bonusFromMainPool);
    // The last result no longer stands (the draw was refused or other tickets came).
    void cleared();

private:
    void refuse(const QString &why);
    void showTiers();
    // Taller when the text no longer fits; never narrower or shorter.
    void growToFit();
    // The problem line and the drawn numbers' description together; empty for none.
    void showProblem(const QString &problem);
    void forgetResult();

    std::unique_ptr<Ui::DrawCheckWindow> ui_;
    QLabel *supplementaryLabel_ = nullptr;
    QLineEdit *supplementaryField_ = nullptr;
    QLabel *digitLabel_ = nullptr;
    QLineEdit *digitField_ = nullptr;
    QLabel *tiers_ = nullptr;
    QListWidget *tierList_ = nullptr;
    std::optional<LotteryFacts> facts_;
    DrawRules rules_;
    QList<TicketNumbers> tickets_;
    std::optional<DrawCheck> result_;
};
