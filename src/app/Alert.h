// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Database.h"
#include "ui/Panels.h"

#include <QString>

#include <functional>

// What goes wrong is told in the one alert titled "Alert".
inline void alert(const QString &message)
{
    AlertPanel::run(QStringLiteral("Alert"), message);
}

// Runs one step of the player's; a query that fails is told instead of ending the run.
inline void guarded(const std::function<void()> &work)
{
    try {
        work();
    } catch (const QueryError &e) {
        alert(e.message());
    }
}
