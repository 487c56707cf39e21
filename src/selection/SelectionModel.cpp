// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SelectionModel.h"

#include <QStringList>

namespace {
Lottery entry(int n)
{
    Lottery l;
    l.setValue(n);
    return l;
}

void takeOut(QList<Lottery> &list, int n)
{
    for (qsizetype i = 0; i < list.size(); ++i)
        if (list[i].getValue() == n) {
            list.removeAt(i);
            return;
        }
}
} // namespace

void SelectionModel::createMutable(int count)
{
    clearMutable();
    for (int n = 1; n <= count; ++n)
        originalarray.append(entry(n));
}

void SelectionModel::clearMutable()
{
    originalarray.clear();
    nosortedarray.clear();
    sortedarray.clear();
}

void SelectionModel::addNumber(int n)
{
    takeOut(originalarray, n);
    nosortedarray.append(entry(n));
    qsizetype at = 0;
    while (at < sortedarray.size() && sortedarray[at].getValue() <= n)
        ++at;
    sortedarray.insert(at, entry(n));
}

void SelectionModel::removeNumber(int n)
{
    takeOut(sortedarray, n);
    takeOut(nosortedarray, n);
    originalarray.append(entry(n));
}

bool SelectionModel::isInSelectedNumbers(int n) const
{
    for (const auto &l : nosortedarray)
        if (l.getValue() == n)
            return true;
    return false;
}

QString SelectionModel::selectionString() const
{
    QStringList parts;
    for (const auto &l : nosortedarray)
        parts << QString::number(l.getValue());
    return parts.join(QLatin1Char('|'));
}

QString SelectionModel::displayText(bool ascending) const
{
    QString text;
    for (const auto &l : ascending ? sortedarray : nosortedarray)
        text += QLatin1Char(' ') + QString::number(l.getValue());
    return text;
}
