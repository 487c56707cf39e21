// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

// A text whose words follow a count ("1 ticket", "3 tickets"). The texts are written in English,
// which loads no catalogue: it takes `one` for a count of 1 and `many` otherwise. Every other
// language takes all its forms from its catalogue's entry for `many`, which is marked with
// QT_TRANSLATE_N_NOOP so that lupdate gives it the language's plural forms; %n stands for the count.
inline QString countedText(const char *context, const char *one, const char *many, qsizetype count)
{
    const int n = static_cast<int>(count);
    const QString shown = QCoreApplication::translate(context, many, nullptr, n);
    const QString untranslated = QString::fromUtf8(many).replace(QStringLiteral("%n"), QStringLiteral("%1").arg(n));
    if (n == 1 && shown == untranslated)
        return QString::fromUtf8(one);
    return shown;
}
