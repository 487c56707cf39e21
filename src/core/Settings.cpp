// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Settings.h"

#include <QSettings>

#include <memory>

namespace {
QString &settingsFile()
{
    static QString path;
    return path;
}

std::unique_ptr<QSettings> openSettings()
{
    if (!settingsFile().isEmpty())
        return std::make_unique<QSettings>(settingsFile(), QSettings::IniFormat);
    return std::make_unique<QSettings>(QStringLiteral("Wheelwright"), QStringLiteral("Wheelwright"));
}

QString storedText(const QString &key)
{
    const QString value = openSettings()->value(key).toString();
    return value.isEmpty() ? QString() : value;
}

const QString kCountryKey = QStringLiteral("LotteryCountry");
const QString kLotteryKey = QStringLiteral("LotteryName");
} // namespace

void Settings::useFile(const QString &path)
{
    settingsFile() = path;
}

QString Settings::country() const
{
    return storedText(kCountryKey);
}

QString Settings::lottery() const
{
    return storedText(kLotteryKey);
}

void Settings::remember(const QString &country, const QString &lottery)
{
    auto s = openSettings();
    const auto store = [&s](const QString &key, const QString &value) {
        if (value.isNull())
            s->remove(key);
        else
            s->setValue(key, value);
    };
    store(kCountryKey, country);
    store(kLotteryKey, lottery);
    s->sync();
}
