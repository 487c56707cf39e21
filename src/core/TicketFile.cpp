// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/TicketFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

QString ticketFileText(const QString &country, const QString &lottery, int key, const QStringList &tickets)
{
    const QString crlf = QStringLiteral("\r\n");
    QString text = QStringLiteral("Country:") + country + crlf + QStringLiteral("Lottery:") + lottery + crlf +
                   QStringLiteral("Key:") + QString::number(key) + crlf + crlf;
    for (const QString &t : tickets)
        text += t + crlf;
    return text;
}

QByteArray ticketFileBytes(const QString &text)
{
    QByteArray bytes;
    const char16_t bom = 0xFEFF;
    bytes.append(reinterpret_cast<const char *>(&bom), sizeof bom);
    bytes.append(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    return bytes;
}

namespace {
// What went wrong, in words a player understands, naming the file.
QString inPlainWords(const QString &path, const QSaveFile &file, bool opening)
{
    const QFileInfo target(path);
    const QFileInfo folder(target.absolutePath());
    QString what;
    if (!folder.exists())
        what = QStringLiteral("The folder %1 does not exist.").arg(QDir::toNativeSeparators(folder.filePath()));
    else if (!folder.isWritable())
        what = QStringLiteral("You may not write in this folder.");
    else if (target.exists() && !target.isWritable())
        what = QStringLiteral("You may not replace this file.");
    else if (file.error() == QFileDevice::ResourceError || (!opening && file.error() == QFileDevice::WriteError))
        what = QStringLiteral("The disk is full.");
    else
        what = QStringLiteral("The file could not be written (%1).").arg(file.errorString());
    return QDir::toNativeSeparators(path) + QStringLiteral(": ") + what;
}
} // namespace

QString writeWholeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return inPlainWords(path, file, true);
    if (file.write(bytes) != bytes.size() || !file.commit())
        return inPlainWords(path, file, false);
    return QString();
}
