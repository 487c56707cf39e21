// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Prints how long the grid, tapping and Generate take; asserts nothing about time.
#include "AppController.h"
#include "Expansion.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    AppController::setSettingsFile(dir.filePath(QStringLiteral("settings.ini")));
    if (argc > 1)
        AppController::setDatabasePath(QString::fromLocal8Bit(argv[1]));
    AlertPanel::setResponder([](const AlertRequest &) { return 1; });
    AppController c;
    c.applicationDidFinishLaunching();
    c.window()->show();

    for (int pool : {49, 90}) {
        QElapsedTimer t;
        const int rounds = 50;
        t.start();
        for (int i = 0; i < rounds; ++i) {
            c.clearButtons();
            c.iNumber = pool;
            c.createMutable();
            c.createButtons();
        }
        std::printf("grid of %d numbers: %.2f ms per rebuild\n", pool, t.nsecsElapsed() / 1e6 / rounds);
    }
    QRandomGenerator rng(42);
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < 1000; ++i) {
        const int n = 1 + static_cast<int>(rng.bounded(c.iNumber));
        c.tapped(findTagged(c.aView2, n + 100));
    }
    std::printf("tap: %.3f ms each over 1000 random taps\n", t.nsecsElapsed() / 1e6 / 1000);

    // Generate on the largest wheel of the database, in every format.
    QStringList lines;
    for (int i = 0; i < 2000; ++i)
        lines << QStringLiteral("01-02-03-04-05-06-07");
    QStringList chosen;
    for (int i = 1; i <= 30; ++i)
        chosen << QString::number(i);
    for (int format = 0; format < 8; ++format) {
        t.restart();
        const auto e = expandTickets(chosen.join(QLatin1Char('|')), lines, format);
        std::printf("expansion of 2000 lines, format %d: %.2f ms (%lld tickets)\n", format, t.nsecsElapsed() / 1e6,
                    static_cast<long long>(e.tickets.size()));
    }
    return 0;
}
