// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wheelsearch/wheel.h"

#include <QMetaType>
#include <QString>

#include <optional>

// Type-a wheels guarantee a match among any of the player's numbers; key wheels carry the
// key number on every ticket. The databases tell them apart by 'a' and 'k'.
enum class WheelType { TypeA, Key };

char letterOf(WheelType type);

// Where a wheel's lines are kept: the database shipped with the program, or the player's
// own library of wheels he made.
enum class WheelOrigin { Shipped, Own };

// "x if y": if y of the numbers drawn are among the player's, some ticket holds x of them.
struct Guarantee {
    int match = 0; // x
    int have = 0;  // y

    bool operator==(const Guarantee &) const = default;
};

// Reads "3 if 4", forgiving blanks around and between the words; nothing for any other text.
// The only place the program reads a guarantee back from text.
std::optional<Guarantee> parseGuarantee(const QString &text);

// One wheel a player can play: what it promises, for how many numbers and tickets, and where
// its lines are kept. The wheel list holds it as item data; Generate, the odds, the maker and
// the subcommands all take it as it is, never from the text shown.
struct WheelOffer {
    int pick = 0;
    WheelType type = WheelType::TypeA;
    int numbers = 0;
    QString label; // the guarantee as stored ("3 if 4"); a damaged database may hold anything
    int tickets = 0;
    WheelOrigin origin = WheelOrigin::Shipped;

    std::optional<Guarantee> guarantee() const { return parseGuarantee(label); }
    bool isOwn() const { return origin == WheelOrigin::Own; }
    // The engine's name of the wheel; needs a guarantee that reads.
    std::optional<wheel::WheelSpec> spec() const;
    // The entry of the wheel list: the guarantee, seven blanks, "Tickets:" and the count, with a
    // mark after a wheel of the player's own library.
    QString listText() const;
    // "Key wheel for 10 numbers, guarantee 3 if 4", as a printed sheet names it.
    QString description() const;
    // The label with anything that is no text (control characters) shown as "?".
    QString printableLabel() const;

    bool operator==(const WheelOffer &) const = default;
};

// The offer for a wheel the engine made or keeps.
WheelOffer offerOf(const wheel::WheelSpec &spec, int tickets, WheelOrigin origin);

Q_DECLARE_METATYPE(WheelOffer)
