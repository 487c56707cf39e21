// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Application.h"
#include "cli/CommandLine.h"
#include "core/Settings.h"
#include "ui/DeferredIconStyle.h"
#include "ui/Language.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>

int main(int argc, char **argv)
{
    QElapsedTimer sinceMain;
    sinceMain.start();
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QTextStream out(stdout);
    QTextStream err(stderr);
    WindowOptions options;
    // The subcommands find the player's library where the window keeps it: the names come first.
    QCoreApplication::setApplicationName(QStringLiteral("Wheelwright"));
    QCoreApplication::setOrganizationName(QStringLiteral("Wheelwright"));
    QCoreApplication::setApplicationVersion(QStringLiteral(WHEELWRIGHT_VERSION));
    if (needsNoDisplay(arguments)) {
        QCoreApplication app(argc, argv);
        return *answerCommandLine(arguments, out, err, options);
    }
    QApplication app(argc, argv);
    // The desktop groups the windows under the menu entry of this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.wheelwright.Wheelwright"));
    QApplication::setQuitOnLastWindowClosed(false);
    // The style chosen (by the desktop, -style or QT_STYLE_OVERRIDE) stays; it only reads the
    // menu bar's overflow arrow when that is drawn.
    QApplication::setStyle(new DeferredIconStyle(QApplication::style()));
    arguments = QApplication::arguments().mid(1); // the toolkit's own options taken out
    if (const auto status = answerCommandLine(arguments, out, err, options))
        return *status;
    // The window speaks the language chosen, else the system's; English, the texts' own, loads nothing.
    useWindowLanguage(startLanguage(Settings().language()));
    Application wheelwright(options.databasePath);
    // Nothing the first page does not need holds up the window's first showing.
    wheelwright.start(Application::Library::AfterFirstPaint);
    // For the start-up benchmark (bench/bench_startup.cpp): quit once the window has painted.
    if (qEnvironmentVariableIsSet("WHEELWRIGHT_EXIT_AFTER_FIRST_PAINT"))
        QObject::connect(wheelwright.mainWindow(), &MainWindow::firstPainted, &app, [&sinceMain] {
            std::printf("first paint %.1f ms after main began\n", static_cast<double>(sinceMain.nsecsElapsed()) / 1e6);
            std::fflush(stdout);
            QCoreApplication::exit(0);
        });
    wheelwright.mainWindow()->show();
    return QApplication::exec();
}
