// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/LotteryRules.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>

// A lottery the player set up himself: its facts and the day he last changed them.
struct PlayerLottery {
    LotteryRow facts;
    QDate changed;
};

// The player's lottery file, small enough to read and write by hand (UTF-8):
//
//   country: Canada
//   lottery: Lotto 6/49
//   pool: 49
//   numbers a ticket: 6
//   drawn: 6
//   supplementary drawn: 1
//   bonus pool: 0
//   bonus drawn: 0
//   price: 3.00
//   currency: CAD
//   changed: 2026-12-10
//   tier: 6 numbers, 6, 0, 0, shared
//   tier: 2 numbers, 2, 0, 0, 3.00, CAD
//
// A tier is name, main, supplementary, bonus, prize and currency as in prize-tiers.csv. Lotteries
// are parted by a blank line; a line starting with # is a note. The country, the name, the pool and
// the numbers a ticket are needed; the rest may be left out. Every fact keeps the rules the shipped
// lotteries keep (see LotteryRules.h).
struct LotteryFileRead {
    QList<PlayerLottery> lotteries;
    QString error; // "lotteries.txt:7: a ticket holds 6 numbers, so the pool needs at least 7"; empty when read
};

// Reads `bytes`; `fileName` names the file in the error. Refuses the whole file at its first fault.
LotteryFileRead readLotteryFile(const QByteArray &bytes, const QString &fileName);

// The file of `lotteries`, in the form readLotteryFile() reads back the same.
QByteArray writeLotteryFile(const QList<PlayerLottery> &lotteries);
