// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/LotteryFile.h"

#include <QList>
#include <QString>
#include <QStringList>

// The lotteries the player set up, kept in one text file in his data folder (see
// playerLotteriesFile()) in the form of an exported lottery. Never in the shipped database.
// A file that cannot be read as lotteries is set aside ("<file>.damaged-<date>") and reported
// once by takeNotice(); the program goes on without it.
class PlayerLotteries {
public:
    PlayerLotteries() = default; // no file: nothing stored, nothing kept
    explicit PlayerLotteries(const QString &path) : path_(path) {}

    // Reads the file; a missing file is no lotteries. A damaged file is set aside, or with
    // LeaveDamaged left where it is (for a command that only reads); either way takeNotice()
    // tells it and the lotteries stay empty. False when a damaged file stays in place; put() and
    // remove() then refuse, so the file is never written over and may be mended by hand.
    enum Damaged { SetDamagedAside, LeaveDamaged };
    bool load(Damaged damaged = SetDamagedAside);
    const QString &path() const { return path_; }
    const QList<PlayerLottery> &all() const { return lotteries_; }
    // The player's lottery of that country and name, or nullptr.
    const PlayerLottery *find(const QString &country, const QString &name) const;
    QStringList names(const QString &country) const;

    // Stores `lottery` (checked again first), in place of the one named `replacing` (country,
    // name) when given, else in place of one of the same country and name, else added. The day
    // of the change is set. False with the reason when the facts are not sound or the file
    // cannot be written; nothing is changed then.
    bool put(PlayerLottery lottery, QString *problem, const QString &replacingCountry = {},
             const QString &replacingName = {});
    // Removes the player's lottery of that country and name; false with the reason when the
    // file cannot be written.
    bool remove(const QString &country, const QString &name, QString *problem);

    // What was set aside since the last call; empty when nothing was.
    QString takeNotice();

private:
    bool save(const QList<PlayerLottery> &lotteries, QString *problem);

    QString path_;
    bool damagedInPlace_ = false; // the file could not be read and stays: nothing is written over it
    QList<PlayerLottery> lotteries_;
    QString notice_;
};
