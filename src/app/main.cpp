// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Application.h"
#include "MainWindow.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Wheelwright"));
    QApplication::setOrganizationName(QStringLiteral("Wheelwright"));
    QApplication::setQuitOnLastWindowClosed(false);
    Application wheelwright;
    wheelwright.start();
    wheelwright.mainWindow()->show();
    return QApplication::exec();
}
