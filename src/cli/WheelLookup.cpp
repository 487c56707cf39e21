// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/WheelLookup.h"

#include "core/ShippedFiles.h"
#include "core/WheelOffer.h"

namespace {

CommandFailure notFound(const QString &message)
{
    return CommandFailure{WheelCommandNotFound, message};
}

CommandFailure badCommand(const QString &message)
{
    return CommandFailure{WheelCommandBadCommand, message};
}

QString quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

} // namespace

void WheelOptions::addTo(QCommandLineParser &parser) const
{
    parser.addOptions({country, lottery, numbers, wheel, key, database, help});
}

std::optional<CommandFailure> WheelOptions::parse(QCommandLineParser &parser, const QString &command,
                                                  const QStringList &arguments) const
{
    const QString seeHelp = QStringLiteral(" (see wheelwright ") + command + QStringLiteral(" --help)");
    if (!parser.parse(QStringList{command} + arguments))
        return badCommand(parser.errorText() + seeHelp);
    if (parser.isSet(help))
        return std::nullopt;
    if (!parser.positionalArguments().isEmpty())
        return badCommand(QStringLiteral("unexpected %1; a value with blanks goes in quotes, "
                                         "like --wheel \"3 if 4\"")
                              .arg(quoted(parser.positionalArguments().first())));
    for (const QCommandLineOption *needed : {&country, &lottery, &numbers, &wheel})
        if (!parser.isSet(*needed) || parser.value(*needed).trimmed().isEmpty())
            return badCommand(QStringLiteral("give --") + needed->names().first() + seeHelp);
    return std::nullopt;
}

std::optional<CommandFailure> openDatabase(Database &database, const QString &path)
{
    QString problem;
    if (!database.open(path.isEmpty() ? shippedFile(QStringLiteral("data.sqlite3")) : path, &problem))
        return notFound(problem);
    return std::nullopt;
}

std::optional<LotteryDetails> lookUpLottery(const Catalogue &catalogue, const QString &country, const QString &lottery,
                                            CommandFailure &failure)
{
    if (auto details = catalogue.details(country, lottery))
        return details;
    const QStringList names = catalogue.lotteryNames(country);
    if (names.isEmpty())
        failure = notFound(QStringLiteral("no lottery of the country %1 is known").arg(quoted(country)));
    else
        failure = notFound(QStringLiteral("%1 has no lottery %2; its lotteries are %3")
                               .arg(country, quoted(lottery), quoted(names.join(QStringLiteral("\", \"")))));
    return std::nullopt;
}

StoredWheel WheelOptions::requested(const QCommandLineParser &parser) const
{
    StoredWheel wheel;
    wheel.country = parser.value(country);
    wheel.lottery = parser.value(lottery);
    wheel.guarantee = parser.value(this->wheel);
    wheel.type = parser.isSet(key) ? WheelType::Key : WheelType::TypeA;
    return wheel;
}

bool lookUpWheel(const Catalogue &catalogue, StoredWheel &wheel, CommandFailure &failure)
{
    wheel.guarantee = wheel.guarantee.simplified();
    const int pick = wheel.details.pick;
    const QString kind = wheel.type == WheelType::Key ? QStringLiteral("key wheel") : QStringLiteral("wheel");
    if (wheel.numbers < pick) {
        failure = badCommand(QStringLiteral("a ticket of %1 holds %2 numbers; wheel at least %2, not %3")
                                 .arg(wheel.lottery)
                                 .arg(pick)
                                 .arg(wheel.numbers));
        return false;
    }
    if (wheel.numbers > wheel.details.facts.pool) {
        failure = badCommand(QStringLiteral("%1 numbers cannot be chosen from the %2 of %3")
                                 .arg(wheel.numbers)
                                 .arg(wheel.details.facts.pool)
                                 .arg(wheel.lottery));
        return false;
    }
    wheel.lines = catalogue.wheelLines(pick, wheel.type, wheel.guarantee, wheel.numbers);
    if (!wheel.lines.isEmpty())
        return true;
    QStringList stored;
    for (const QString &entry : catalogue.wheelEntries(pick, wheel.type, wheel.numbers))
        if (const auto guarantee = guaranteeOfEntry(entry))
            stored << quoted(*guarantee);
    const QString what = QStringLiteral("no %1 %2 is stored for %3 numbers of %4")
                             .arg(kind, quoted(wheel.guarantee))
                             .arg(wheel.numbers)
                             .arg(wheel.lottery);
    failure = notFound(what + (stored.isEmpty() ? QStringLiteral(", nor any other")
                                                : QStringLiteral("; there are ") + stored.join(QStringLiteral(", "))));
    return false;
}

int reportFailure(QTextStream &err, const QString &command, const CommandFailure &failure)
{
    // One line, whatever a stored name holds.
    QString message = failure.message;
    message.replace(QLatin1Char('\n'), QLatin1Char(' '));
    err << QStringLiteral("wheelwright ") << command << QStringLiteral(": ") << message << Qt::endl;
    return failure.status;
}
