// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>
#include <QList>
#include <QString>

#include <utility>

// One value as compact JSON text: QJsonDocument writes every double so that it reads back
// the same, and escapes every text.
inline QByteArray jsonText(const QJsonValue &value)
{
    const QByteArray wrapped = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return wrapped.mid(1, wrapped.size() - 2);
}

// QJsonObject sorts its keys; the fields are written by hand so that they keep the order the
// commands' help documents.
inline QByteArray jsonObject(const QList<std::pair<QString, QByteArray>> &fields)
{
    QByteArray text = "{";
    for (const auto &[name, value] : fields) {
        if (text.size() > 1)
            text += ',';
        text += jsonText(name) + ':' + value;
    }
    return text + '}';
}
