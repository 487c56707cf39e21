// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/WheelOffer.h"

#include "core/TextSafety.h"
#include "wheelsearch/wheelfile.h"

char letterOf(WheelType type)
{
    return type == WheelType::Key ? 'k' : 'a';
}

std::optional<Guarantee> parseGuarantee(const QString &text)
{
    // The wheel files' own reader, with blanks forgiven as a player types them.
    Guarantee g;
    if (!wheel::parseGuarantee(text.simplified().toStdString(), g.match, g.have))
        return std::nullopt;
    return g;
}

std::optional<wheel::WheelSpec> WheelOffer::spec() const
{
    const auto g = guarantee();
    if (!g)
        return std::nullopt;
    wheel::WheelSpec spec;
    spec.pick = pick;
    spec.type = letterOf(type);
    spec.z = numbers;
    spec.x = g->match;
    spec.y = g->have;
    return spec;
}

QString WheelOffer::listText() const
{
    return printableLabel() + QStringLiteral("       Tickets:") + QString::number(tickets) +
           (isOwn() ? QStringLiteral("   (your own wheel)") : QString());
}

QString WheelOffer::description() const
{
    return QStringLiteral("%1 wheel for %2 numbers, guarantee %3")
        .arg(type == WheelType::Key ? QStringLiteral("Key") : QStringLiteral("Type-A"))
        .arg(numbers)
        .arg(printableLabel());
}

QString WheelOffer::printableLabel() const
{
    return withoutControls(label);
}

WheelOffer offerOf(const wheel::WheelSpec &spec, int tickets, WheelOrigin origin)
{
    return WheelOffer{spec.pick, spec.type == 'k' ? WheelType::Key : WheelType::TypeA,
                      spec.z,    QString::fromStdString(spec.label()),
                      tickets,   origin};
}
