// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/TicketFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <system_error>

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

QString writeFailureInWords(int systemError, QFileDevice::FileError error, const QString &errorString)
{
    switch (systemError) {
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("The disk is full.");
    case EROFS:
        return QStringLiteral("The disk can only be read, not written.");
    case EFBIG:
        return QStringLiteral("The file is too large for this disk or this account.");
    case EACCES:
    case EPERM:
        return QStringLiteral("You may not write there.");
    default:
        break;
    }
    // Writing, a file device says "resource" only when the disk has no room left.
    if (systemError == 0 && error == QFileDevice::ResourceError)
        return QStringLiteral("The disk is full.");
    const QString reason =
        systemError != 0 ? QString::fromStdString(std::generic_category().message(systemError)) : errorString;
    return QStringLiteral("The file could not be written (%1).").arg(reason);
}

namespace {
// What went wrong, in words a player understands, naming the file. `systemError` is errno
// just after the failing call, or 0 where Qt's own steps since may have changed it.
QString inPlainWords(const QString &path, const QSaveFile &file, int systemError)
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
    else
        what = writeFailureInWords(systemError, file.error(), file.errorString());
    return QDir::toNativeSeparators(path) + QStringLiteral(": ") + what;
}
} // namespace

QString writeWholeFile(const QString &path, const QByteArray &bytes)
{
    // Saving over a device or a pipe would put a plain file in its place (or write nothing
    // where the player thinks a file is); a link to a regular file is followed.
    const QFileInfo target(path);
    if (target.exists() && !target.isFile())
        return QDir::toNativeSeparators(path) +
               QStringLiteral(" is not a regular file, so the tickets were not written there.");
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return inPlainWords(path, file, errno);
    // A write cut short by a full disk comes back short with no error set on the device.
    errno = 0;
    if (file.write(bytes) != bytes.size())
        return inPlainWords(path, file, errno);
    // commit() does not notice when the last of the buffer fails to reach the disk, and would put
    // the cut file in place of the whole one: flush first, and give up the save if that fails.
    errno = 0;
    if (!file.flush())
        return inPlainWords(path, file, errno);
    if (!file.commit())
        return inPlainWords(path, file, 0);
    return QString();
}
