// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WheelStore.h"

#include "app/Alert.h"
#include "core/ShippedFiles.h"

#include <QCoreApplication>

WheelStore::WheelStore(const Catalogue &catalogue, const QString &ownPath) : ownPath_(ownPath), shelf_(catalogue, &own_)
{
}

void WheelStore::open()
{
    if (opened_)
        return;
    // Tried once: a library that cannot be had stays closed, and the shipped wheels are played
    // whatever becomes of it.
    opened_ = true;
    QString problem;
    if (!own_.open(ownPath_.isEmpty() ? ownWheelsFile() : ownPath_, &problem))
        alert(QCoreApplication::translate("WheelStore", "Your own wheels cannot be kept: %1").arg(problem));
    else if (const QString notice = own_.takeNotice(); !notice.isEmpty())
        alert(notice);
}

WheelShelf &WheelStore::shelf()
{
    open();
    return shelf_;
}

OwnWheels &WheelStore::own()
{
    open();
    return own_;
}
