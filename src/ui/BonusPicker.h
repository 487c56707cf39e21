// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/BonusSelection.h"

#include <QGroupBox>

#include <functional>

class QGridLayout;
class QLabel;
class QPushButton;
class NumberButton;

// The bonus numbers of a lottery with a separate bonus pool: a small grid of its own, the
// numbers chosen, a random pick and Clear. Every ticket carries `perTicket` of them; more
// chosen are spread evenly over the tickets.
class BonusPicker : public QGroupBox {
    Q_OBJECT
public:
    explicit BonusPicker(QWidget *parent = nullptr);

    // A fresh pool, nothing chosen; a pool of 0 hides the picker. `digitsOnly`: the bonus is a
    // digit 0..9 the ticket gives, so nothing is offered and the player is told so.
    void showPool(int poolSize, int perTicket, bool digitsOnly);
    const BonusSelection &selection() const { return selection_; }
    int perTicket() const { return perTicket_; }
    NumberButton *button(int number) const;
    void setRandomSource(std::function<quint32()> source) { random_ = std::move(source); }

private:
    void tap(int number);
    void pickAtRandom();
    void showSelection();

    BonusSelection selection_;
    int perTicket_ = 0;
    std::function<quint32()> random_;
    QWidget *grid_;
    QGridLayout *gridLayout_;
    QList<NumberButton *> buttons_;
    QLabel *hint_;
    QLabel *chosenLabel_;
    QPushButton *randomButton_;
    QPushButton *clearButton_;
};
