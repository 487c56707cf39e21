// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ShippedFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

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
