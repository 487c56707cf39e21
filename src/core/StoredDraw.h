// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/DrawCheck.h"

#include <QDate>
#include <QList>
#include <QMetaType>
#include <QString>

// The draws as the player's library keeps them, and what adding them did.

// One draw of a lottery on a day.
struct StoredDraw {
    QDate date;
    QList<int> main;
    QList<int> bonus;         // as Draw::bonus: supplementary numbers, or the separate pool's
    QList<int> supplementary; // as Draw::supplementary: only where the lottery has both
    bool operator==(const StoredDraw &o) const
    {
        return date == o.date && main == o.main && bonus == o.bonus && supplementary == o.supplementary;
    }
    Draw draw() const { return Draw{main, bonus, supplementary}; }
};
Q_DECLARE_METATYPE(StoredDraw)

// What happened to a draw of each date when draws were added to the library.
struct DrawsStored {
    int added = 0;
    int alreadyStored = 0;  // the same numbers were stored for that date: nothing changed
    QList<QDate> different; // other numbers are stored for that date: kept, never replaced
    QString problem;        // the library could not be written; nothing was added
    bool ok() const { return problem.isEmpty(); }
};
