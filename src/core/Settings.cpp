// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Settings.h"

#include <QSettings>

#include <cmath>
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

// A slash in a name would open a group of its own, so names are percent-encoded in the key.
QString lotteryKey(const QString &group, const QString &country, const QString &lottery)
{
    const auto part = [](const QString &name) {
        return QString::fromLatin1(name.toUtf8().toPercentEncoding(QByteArrayLiteral(" ")));
    };
    return group + QLatin1Char('/') + part(country) + QLatin1Char('/') + part(lottery);
}

QString priceKey(const QString &country, const QString &lottery)
{
    return lotteryKey(QStringLiteral("Price"), country, lottery);
}
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

std::optional<double> Settings::price(const QString &country, const QString &lottery) const
{
    bool isNumber = false;
    const double value = openSettings()->value(priceKey(country, lottery)).toString().toDouble(&isNumber);
    if (!isNumber || !(value > 0) || !std::isfinite(value))
        return std::nullopt;
    return value;
}

void Settings::rememberPrice(const QString &country, const QString &lottery, std::optional<double> price)
{
    auto s = openSettings();
    if (price && *price > 0 && std::isfinite(*price))
        s->setValue(priceKey(country, lottery), QString::number(*price, 'g', 10));
    else
        s->remove(priceKey(country, lottery));
    s->sync();
}

QString Settings::resultsLayout(const QString &country, const QString &lottery) const
{
    return storedText(lotteryKey(QStringLiteral("ResultsLayout"), country, lottery));
}

void Settings::rememberResultsLayout(const QString &country, const QString &lottery, const QString &layout)
{
    auto s = openSettings();
    const QString key = lotteryKey(QStringLiteral("ResultsLayout"), country, lottery);
    if (layout.isEmpty())
        s->remove(key);
    else
        s->setValue(key, layout);
    s->sync();
}

QString Settings::language() const
{
    return storedText(QStringLiteral("Language"));
}

void Settings::rememberLanguage(const QString &code)
{
    auto s = openSettings();
    s->setValue(QStringLiteral("Language"), code);
    s->sync();
}
