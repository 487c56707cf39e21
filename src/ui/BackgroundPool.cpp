// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/BackgroundPool.h"

#include <QCoreApplication>
#include <QPointer>
#include <QThreadPool>

QThreadPool *backgroundPool()
{
    // Called on the main thread only; a pool ended with one application is made anew for the next.
    static QPointer<QThreadPool> pool;
    if (!pool) {
        pool = new QThreadPool(QCoreApplication::instance());
        pool->setObjectName(QStringLiteral("backgroundPool"));
    }
    return pool;
}
