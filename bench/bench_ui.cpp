// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Prints how long the grid, tapping and ticket expansion take; asserts nothing about time.
#include "core/Play.h"
#include "ui/NumberButton.h"
#include "ui/NumberGridView.h"
#include "ui/NumberPage.h"
#include "ui/Panels.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>

#include <cstdio>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    AlertPanel::setResponder([](const AlertRequest &) { return 1; });
    NumberPage page;
    page.show();
    auto *grid = page.findChild<NumberGridView *>();

    for (int pool : {49, 90}) {
        QElapsedTimer t;
        const int rounds = 50;
        t.start();
        for (int i = 0; i < rounds; ++i)
            page.showLottery(QStringLiteral("Lotto"), pool);
        std::printf("grid of %d numbers: %.2f ms per rebuild\n", pool, t.nsecsElapsed() / 1e6 / rounds);
    }
    QRandomGenerator rng(42);
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < 1000; ++i)
        grid->button(1 + static_cast<int>(rng.bounded(90)))->click();
    std::printf("tap: %.3f ms each over 1000 random taps\n", t.nsecsElapsed() / 1e6 / 1000);

    // Generate on a wheel as long as the database allows, in every format.
    const std::vector<wheel::Line> lines(2000, wheel::Line{0x7f});
    QList<int> chosen;
    for (int i = 1; i <= 30; ++i)
        chosen << i;
    TicketSheet sheet;
    for (int format = 0; format < 8; ++format) {
        t.restart();
        sheet.format = format;
        sheet.tickets = ticketsOfWheel(lines, chosen, {}, 0);
        const QStringList text = sheet.lines();
        std::printf("expansion of 2000 lines, format %d: %.2f ms (%lld tickets)\n", format, t.nsecsElapsed() / 1e6,
                    static_cast<long long>(text.size()));
    }
    return 0;
}
