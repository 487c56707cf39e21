// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/TextSafety.h"

QString withoutControls(const QString &text)
{
    QString shown = text;
    for (QChar &c : shown)
        if (!c.isPrint())
            c = QLatin1Char('?');
    return shown;
}

QString quotedForMessage(const QString &text, qsizetype most)
{
    const QString cut = text.size() > most ? text.left(most) + QStringLiteral("...") : text;
    return QLatin1Char('"') + withoutControls(cut) + QLatin1Char('"');
}
