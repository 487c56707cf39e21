// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/SelectionModel.h"

#include <QStringList>

#include <algorithm>

void SelectionModel::reset(int poolSize)
{
    poolSize_ = std::max(poolSize, 0);
    free_.clear();
    chosen_.clear();
    ascending_.clear();
    for (int n = 1; n <= poolSize_; ++n)
        free_.append(n);
}

void SelectionModel::choose(int n)
{
    free_.removeOne(n);
    chosen_.append(n);
    ascending_.insert(std::upper_bound(ascending_.begin(), ascending_.end(), n), n);
}

void SelectionModel::giveBack(int n)
{
    chosen_.removeOne(n);
    ascending_.removeOne(n);
    free_.append(n);
}

SelectionModel::TapResult SelectionModel::tap(int n)
{
    if (n < 1 || n > poolSize_)
        return TapResult::Unchosen;
    if (!isChosen(n)) {
        choose(n);
        return TapResult::Chosen;
    }
    if (n == key() && chosen_.size() > 1)
        return TapResult::KeyKept;
    giveBack(n);
    return TapResult::Unchosen;
}

bool SelectionModel::takeBackLatest()
{
    if (chosen_.isEmpty())
        return false;
    giveBack(chosen_.constLast());
    return true;
}

int SelectionModel::drawRandom(int count, const std::function<quint32()> &random)
{
    int drawn = 0;
    for (; drawn < count && !free_.isEmpty(); ++drawn) {
        const auto at = static_cast<qsizetype>(random() % static_cast<quint32>(free_.size()));
        choose(free_[at]);
    }
    return drawn;
}

QString SelectionModel::selectionString() const
{
    QStringList parts;
    for (int n : chosen_)
        parts << QString::number(n);
    return parts.join(QLatin1Char('|'));
}

QString SelectionModel::displayText(bool ascending) const
{
    QString text;
    for (int n : ascending ? ascending_ : chosen_)
        text += QLatin1Char(' ') + QString::number(n);
    return text;
}
