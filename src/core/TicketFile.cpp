// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "TicketFile.h"

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

QString writeWholeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return file.errorString();
    return QString();
}
