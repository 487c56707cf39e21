// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

#include <functional>

// The numbers of one lottery: those still free, and the chosen ones both in the order they
// were chosen and ascending. Each number 1..pool is either free or chosen, never both. The
// first number chosen is the key number; it cannot be taken back while others are chosen.
class SelectionModel {
public:
    enum class TapResult { Chosen, Unchosen, KeyKept };

    // A fresh pool 1..poolSize with nothing chosen.
    void reset(int poolSize);
    int poolSize() const { return poolSize_; }

    bool isChosen(int n) const { return chosen_.contains(n); }
    bool isEmpty() const { return chosen_.isEmpty(); }
    int count() const { return static_cast<int>(chosen_.size()); }
    // The key number; 0 while nothing is chosen.
    int key() const { return chosen_.isEmpty() ? 0 : chosen_.first(); }
    const QList<int> &chosenInOrder() const { return chosen_; }
    const QList<int> &chosenAscending() const { return ascending_; }
    // The free numbers; a number given back goes to the end.
    const QList<int> &free() const { return free_; }

    // A click on number n: chooses a free number, gives back a chosen one, and keeps the key
    // while other numbers are chosen. Numbers outside the pool are ignored (Unchosen).
    TapResult tap(int n);
    // Takes back the latest choice; false when nothing is chosen.
    bool takeBackLatest();
    // Draws up to `count` free numbers with `random` (any 32-bit source); stops when none is
    // left. Returns how many were drawn.
    int drawRandom(int count, const std::function<quint32()> &random);

    // The chosen numbers in order of choice, "7|3|12": what the wheels are expanded over.
    QString selectionString() const;
    // " 3 7 12" (ascending) or " 7 3 12" (order of choice), as the numbers field shows them.
    QString displayText(bool ascending) const;

private:
    void choose(int n);
    void giveBack(int n);

    int poolSize_ = 0;
    QList<int> free_;
    QList<int> chosen_;
    QList<int> ascending_;
};
