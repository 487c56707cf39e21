// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// Reads one wheel position: "07" is 7, "10" is 10; only the first two characters count.
int readPosition(const QString &position);

struct Expansion {
    QStringList tickets;
    QString badLine; // the first wheel line that breaks the data limits (it may be empty itself)
    QString fault;   // what is wrong with it, in words that follow "its line ... "; empty when none
    bool sound() const { return fault.isEmpty(); }
};

// Puts the chosen numbers in place of the positions of every wheel line, in ticket format
// 0..7 (4 x row + column of the format choice: separators " ", "-", ",", ", "; the second
// row pads one-digit numbers with a 0). A line with a position that is not two digits, is
// 00 or lies beyond the selection, a place named twice, or a line with another count of
// places than `pick` stops the expansion: no number outside the selection is ever read, and
// no ticket is made.
Expansion expandTickets(const QString &selectionString, const QStringList &wheelLines, int format, int pick);
