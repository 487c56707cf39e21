// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppController.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Wheelwright"));
    QApplication::setOrganizationName(QStringLiteral("Wheelwright"));
    QApplication::setQuitOnLastWindowClosed(false);
    AppController controller;
    controller.applicationDidFinishLaunching();
    controller.window()->show();
    return QApplication::exec();
}
