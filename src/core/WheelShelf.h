// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/WheelOffer.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

class Catalogue;
class OwnWheels;

// A wheel's lines, read and checked; or why they cannot be played.
struct WheelLines {
    std::vector<wheel::Line> lines; // bit p: place p + 1 of the player's numbers; empty unless sound
    QString problem;                // "its line "01-02" has 2 places where a ticket holds 6"; empty when sound
    bool sound() const { return problem.isEmpty(); }
};

// Reads stored lines "01-02-05" of a wheel offered for `wheel.numbers` numbers: every line names
// `wheel.pick` different places of two digits, 01 up to the count of numbers (a key wheel's
// every line holds 01, its key's place), and there are as many lines as the wheel promises
// tickets. The one reader of stored lines: Generate, the odds and the subcommands all use it.
WheelLines readWheelLines(const WheelOffer &wheel, const QStringList &stored);

// The wheels a player can play: the shipped database's and those of his own library, as
// offers, and the lines of each. Lines from a database that is not the shipped one are proven
// before they are handed out (a shipped database is proven when it is built; the own library
// proves its wheels itself).
class WheelShelf {
public:
    // `own` may be null (no library, or none could be opened).
    WheelShelf(const Catalogue &catalogue, OwnWheels *own) : catalogue_(catalogue), own_(own) {}

    void setProveStoredWheels(bool prove) { prove_ = prove; }

    // The shipped wheels in the database's order, then the player's own, fewest tickets first.
    // Throws QueryError when the shipped wheels cannot be read.
    QList<WheelOffer> offers(int pick, WheelType type, int numbers) const;
    // The offer of this guarantee for the numbers: the one with fewer tickets, the shipped one on a
    // tie; with `ownOnly` the player's own. Nothing when neither holds it.
    std::optional<WheelOffer> find(int pick, WheelType type, int numbers, const Guarantee &guarantee,
                                   bool ownOnly = false) const;
    // The lines of an offered wheel, checked (and proven where they need it).
    WheelLines lines(const WheelOffer &wheel) const;
    // What the own library set aside while reading (a wheel that failed its proof); empty when nothing.
    QString takeNotice() const;

private:
    const Catalogue &catalogue_;
    OwnWheels *own_;
    bool prove_ = false;
};
