// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ShippedFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString shippedFile(const QString &name)
{
    const QString appDir = QCoreApplication::applicationDirPath();
    const QStringList dirs{appDir + QStringLiteral("/resources"), appDir + QStringLiteral("/../share/wheelwright")};
    for (const QString &dir : dirs) {
        const QString path = QDir(dir).filePath(name);
        if (QFileInfo::exists(path))
            return QDir::cleanPath(path);
    }
    return QString();
}

bool isShippedDatabase(const QString &path)
{
    const QString shipped = shippedFile(QStringLiteral("data.sqlite3"));
    return !shipped.isEmpty() && QFileInfo(shipped).canonicalFilePath() == QFileInfo(path).canonicalFilePath();
}

QString ownWheelsFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/own-wheels.sqlite3");
}

QString playerLotteriesFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/lotteries.txt");
}
