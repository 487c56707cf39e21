// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <QList>

// One number as a list entry.
class Lottery {
public:
    void setValue(int v) { value_ = v; }
    int getValue() const { return value_; }
    void setIsSelected(bool s) { isSelected_ = s; }
    bool getIsSelected() const { return isSelected_; }

private:
    int value_ = 0;
    bool isSelected_ = false;
};

// The numbers of one lottery: the pool of those not chosen, and the chosen ones both in
// order of choice and ascending. Each number 1..N sits in exactly one of the pool and the
// chosen lists; the first chosen is the key number.
class SelectionModel {
public:
    QList<Lottery> originalarray; // the pool; numbers given back go to its end
    QList<Lottery> nosortedarray; // chosen, oldest first
    QList<Lottery> sortedarray;   // chosen, ascending

    void createMutable(int count); // pool 1..count, nothing chosen
    void clearMutable();
    void addNumber(int n);    // n must be in the pool
    void removeNumber(int n); // n must be chosen
    bool isInSelectedNumbers(int n) const;
    bool isEmpty() const { return nosortedarray.isEmpty(); }
    int count() const { return static_cast<int>(nosortedarray.size()); }

    QString selectionString() const;             // "7|3|12"
    QString displayText(bool ascending) const;   // " 3 7 12" or " 7 3 12"
};
