// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/WheelShelf.h"

#include "core/Catalogue.h"
#include "core/OwnWheels.h"
#include "core/TextSafety.h"
#include "wheelsearch/verify.h"

#include <QCoreApplication>

#include <bit>

namespace {

QString lineFault(const QString &line, const QString &fault)
{
    //: %1 is a wheel line; %2 says what is wrong with it, such as "is empty".
    return QCoreApplication::translate("WheelShelf", "its line %1 %2").arg(quotedForMessage(line), fault);
}

QString countFault(qsizetype lines, int promised)
{
    return QCoreApplication::translate("WheelShelf", "it has %1 lines where the wheel list promises %2")
        .arg(lines)
        .arg(promised);
}

} // namespace

WheelLines readWheelLines(const WheelOffer &wheel, const QStringList &stored)
{
    WheelLines out;
    const auto refuse = [&out](const QString &problem) {
        out.lines.clear();
        out.problem = problem;
        return out;
    };
    if (wheel.printableLabel() != wheel.label)
        return refuse(QCoreApplication::translate("WheelShelf", "its name holds characters that are no text"));
    if (stored.size() != wheel.tickets)
        return refuse(countFault(stored.size(), wheel.tickets));
    out.lines.reserve(static_cast<std::size_t>(stored.size()));
    for (const QString &text : stored) {
        if (text.isEmpty())
            return refuse(lineFault(text, QCoreApplication::translate("WheelShelf", "is empty")));
        wheel::Line line = 0;
        std::string error;
        int repeated = 0;
        if (!wheel::parseLine(text.toStdString(), wheel.numbers, line, error, &repeated))
            return refuse(lineFault(
                text, repeated > 0
                          ? QCoreApplication::translate("WheelShelf", "names place %1 twice").arg(repeated)
                          : QCoreApplication::translate("WheelShelf", "names a place outside your selection")));
        const int places = std::popcount(line);
        if (places != wheel.pick)
            return refuse(
                lineFault(text, QCoreApplication::translate("WheelShelf", "has %1 places where a ticket holds %2")
                                    .arg(places)
                                    .arg(wheel.pick)));
        if (wheel.type == WheelType::Key && !(line & 1))
            return refuse(
                lineFault(text, QCoreApplication::translate("WheelShelf", "does not hold the key number's place 01")));
        out.lines.push_back(line);
    }
    return out;
}

QList<WheelOffer> WheelShelf::offers(int pick, WheelType type, int numbers) const
{
    QList<WheelOffer> offers = catalogue_.offers(pick, type, numbers);
    if (own_)
        for (const OwnWheelEntry &e : own_->list(pick, letterOf(type), numbers))
            offers << WheelOffer{pick, type, numbers, e.guarantee, e.tickets, WheelOrigin::Own};
    return offers;
}

std::optional<WheelOffer> WheelShelf::find(int pick, WheelType type, int numbers, const Guarantee &guarantee,
                                           bool ownOnly) const
{
    std::optional<WheelOffer> best;
    for (const WheelOffer &offer : offers(pick, type, numbers)) {
        if (offer.guarantee() != guarantee || (ownOnly && !offer.isOwn()) || offer.tickets < 0)
            continue;
        if (!best || offer.tickets < best->tickets)
            best = offer;
    }
    return best;
}

WheelLines WheelShelf::lines(const WheelOffer &wheel) const
{
    const auto spec = wheel.spec();
    if (wheel.isOwn()) {
        // The library proves what it hands out, and sets aside a wheel that fails.
        if (!own_ || !spec)
            return {{}, QCoreApplication::translate("WheelShelf", "it is not in your wheel library")};
        const auto found = own_->find(*spec);
        if (!found)
            return {{}, QCoreApplication::translate("WheelShelf", "it is no longer in your wheel library")};
        if (static_cast<int>(found->size()) != wheel.tickets)
            return {{}, countFault(static_cast<qsizetype>(found->size()), wheel.tickets)};
        return {*found, QString()};
    }
    WheelLines read = readWheelLines(wheel, catalogue_.storedLines(wheel));
    if (!read.sound() || !prove_)
        return read;
    if (!spec)
        return {{},
                //: "x if y" is the form of a guarantee, kept as it is.
                QCoreApplication::translate("WheelShelf", "its guarantee %1 does not read \"x if y\"")
                    .arg(quotedForMessage(wheel.label))};
    const wheel::Verdict verdict = wheel::verifyWheel(*spec, read.lines);
    if (!verdict.holds)
        return {{},
                QCoreApplication::translate("WheelShelf", "it does not keep its guarantee (%1)")
                    .arg(QString::fromStdString(verdict.reason))};
    return read;
}

QString WheelShelf::takeNotice() const
{
    return own_ ? own_->takeNotice() : QString();
}
