// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Application.h"
#include "cli/CommandLine.h"
#include "ui/MainWindow.h"

#include <QApplication>

int main(int argc, char **argv)
{
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
    arguments = QApplication::arguments().mid(1); // the toolkit's own options taken out
    if (const auto status = answerCommandLine(arguments, out, err, options))
        return *status;
    Application wheelwright(options.databasePath);
    wheelwright.start();
    wheelwright.mainWindow()->show();
    return QApplication::exec();
}
