// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/OwnWheels.h"
#include "core/WheelShelf.h"

#include <QString>

class Catalogue;

// The wheels the player can play: the shipped ones and those of his own library. The library
// is opened on first need, or when open() is called once the window has painted, so a start
// never waits for it (a new library is written to disk, one held by another Wheelwright is
// waited for). What kept it from opening, or what was set aside, is told when it opens.
class WheelStore {
public:
    // `ownPath` empty: the library in the player's data folder.
    WheelStore(const Catalogue &catalogue, const QString &ownPath);

    // Opens the library unless that was done already.
    void open();
    void setProveStoredWheels(bool prove) { shelf_.setProveStoredWheels(prove); }
    // The shelf and the library, the library opened first.
    WheelShelf &shelf();
    OwnWheels &own();

private:
    QString ownPath_;
    OwnWheels own_;
    WheelShelf shelf_;
    bool opened_ = false;
};
