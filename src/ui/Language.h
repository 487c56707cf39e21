// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The window's language. The texts are written in English, which loads nothing; another language
// loads its catalogue of the program and Qt's own (for the buttons of Qt's dialogs, where Debian
// ships one) and makes its locale the default, so that figures, money and dates follow it. Only
// the window comes here: the command line keeps English and C figures, which scripts read.
struct WindowLanguage {
    QString code; // "de", "pt_BR"; "en" for English
    QString name; // in its own language: "Deutsch", "Português (Brasil)"
};

// The languages the window speaks, English last.
const QList<WindowLanguage> &windowLanguages();
// The first language of `preferred` (as QLocale::uiLanguages() gives them, best first: "de-DE",
// "pt-BR", "zh-Hans-CN") that the window speaks; "en" when none is.
QString languageFor(const QStringList &preferred);
// The language chosen in the settings when it is one of windowLanguages(), else the system's.
QString startLanguage(const QString &chosen);

// Loads `code`'s catalogues in place of those loaded before; English unloads them. False, and
// nothing changed, when the program's catalogue of `code` cannot be loaded.
bool useWindowLanguage(const QString &code);
// The code last loaded by useWindowLanguage(); "en" before.
QString currentWindowLanguage();
// `source` (of `context`) in the language `code`, without loading it for the window: what the
// player reads when he chooses a language that takes over at the next start.
QString textInLanguage(const QString &code, const char *context, const char *source);
