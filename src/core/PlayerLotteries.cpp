// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/PlayerLotteries.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {
bool sameLottery(const PlayerLottery &l, const QString &country, const QString &name)
{
    return QString::fromStdString(l.facts.country) == country && QString::fromStdString(l.facts.name) == name;
}
} // namespace

bool PlayerLotteries::load(Damaged damaged)
{
    lotteries_.clear();
    damagedInPlace_ = false;
    if (path_.isEmpty() || !QFileInfo::exists(path_))
        return true;
    QFile file(path_);
    QString why;
    if (!file.open(QIODevice::ReadOnly)) {
        why = file.errorString();
    } else {
        const LotteryFileRead read = readLotteryFile(file.readAll(), QFileInfo(path_).fileName());
        file.close();
        if (read.error.isEmpty()) {
            lotteries_ = read.lotteries;
            return true;
        }
        why = read.error;
    }
    if (damaged == LeaveDamaged) {
        damagedInPlace_ = true;
        notice_ +=
            QCoreApplication::translate("PlayerLotteries", "your lotteries %1 could not be read: %2\n").arg(path_, why);
        return false;
    }
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = path_ + QStringLiteral(".damaged-") + stamp;
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = path_ + QStringLiteral(".damaged-") + stamp + QLatin1Char('-') + QString::number(n);
    if (!QFile::rename(path_, aside)) {
        // Never removed instead: the file is the player's, and may yet be mended by hand.
        damagedInPlace_ = true;
        notice_ += QStringLiteral("Your lotteries %1 could not be read (%2) nor set aside; they are not used. Move "
                                  "the file away to start again.\n")
                       .arg(path_, why);
        return false;
    }
    notice_ += QStringLiteral("Your lotteries %1 could not be read (%2); the file was set aside as %3 and your "
                              "lotteries start afresh.\n")
                   .arg(path_, why, aside);
    return true;
}

const PlayerLottery *PlayerLotteries::find(const QString &country, const QString &name) const
{
    for (const PlayerLottery &l : lotteries_)
        if (sameLottery(l, country, name))
            return &l;
    return nullptr;
}

QStringList PlayerLotteries::names(const QString &country) const
{
    QStringList names;
    for (const PlayerLottery &l : lotteries_)
        if (QString::fromStdString(l.facts.country) == country)
            names << QString::fromStdString(l.facts.name);
    return names;
}

bool PlayerLotteries::put(PlayerLottery lottery, QString *problem, const QString &replacingCountry,
                          const QString &replacingName)
{
    if (const std::string why = lotteryrules::lotteryFault(lottery.facts); !why.empty()) {
        if (problem)
            *problem = QString::fromStdString(why);
        return false;
    }
    lottery.changed = QDate::currentDate();
    QList<PlayerLottery> next = lotteries_;
    const QString country = QString::fromStdString(lottery.facts.country);
    const QString name = QString::fromStdString(lottery.facts.name);
    const bool replacing = !replacingName.isEmpty();
    qsizetype at = -1;
    for (qsizetype i = 0; i < next.size(); ++i) {
        if (replacing && sameLottery(next[i], replacingCountry, replacingName))
            at = i;
        else if (sameLottery(next[i], country, name) &&
                 (!replacing || country != replacingCountry || name != replacingName)) {
            if (replacing) {
                if (problem)
                    *problem = QStringLiteral("you already have a lottery \"%1\" of %2").arg(name, country);
                return false;
            }
            at = i;
        }
    }
    if (at >= 0)
        next[at] = lottery;
    else
        next << lottery;
    if (!save(next, problem))
        return false;
    lotteries_ = next;
    return true;
}

bool PlayerLotteries::remove(const QString &country, const QString &name, QString *problem)
{
    QList<PlayerLottery> next = lotteries_;
    next.removeIf([&](const PlayerLottery &l) { return sameLottery(l, country, name); });
    if (next.size() == lotteries_.size())
        return true;
    if (!save(next, problem))
        return false;
    lotteries_ = next;
    return true;
}

bool PlayerLotteries::save(const QList<PlayerLottery> &lotteries, QString *problem)
{
    if (path_.isEmpty()) {
        if (problem)
            *problem = QCoreApplication::translate("PlayerLotteries", "there is no place to keep your lotteries");
        return false;
    }
    if (damagedInPlace_ && QFileInfo::exists(path_)) {
        if (problem)
            *problem = QStringLiteral("your lotteries %1 could not be read and are kept as they are; move the file "
                                      "away to store others")
                           .arg(path_);
        return false;
    }
    QDir().mkpath(QFileInfo(path_).absolutePath());
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly) || file.write(writeLotteryFile(lotteries)) < 0 || !file.commit()) {
        if (problem)
            *problem = QCoreApplication::translate("PlayerLotteries", "%1 could not be written: %2")
                           .arg(path_, file.errorString());
        return false;
    }
    return true;
}

QString PlayerLotteries::takeNotice()
{
    const QString notice = notice_.trimmed();
    notice_.clear();
    return notice;
}
