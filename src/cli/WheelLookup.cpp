// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/WheelLookup.h"

#include "core/ShippedFiles.h"
#include "core/TextSafety.h"

#include <QFileInfo>

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
    return quotedForMessage(text, 80);
}

} // namespace

void WheelOptions::addTo(QCommandLineParser &parser) const
{
    parser.addOptions({country, lottery, numbers, wheel, key, own, database, library, help});
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

std::optional<CommandFailure> WheelSource::open(const QString &databasePath, const QString &libraryPath)
{
    const QString path = databasePath.isEmpty() ? shippedFile(QStringLiteral("data.sqlite3")) : databasePath;
    QString problem;
    if (!database_.open(path, &problem))
        return notFound(problem);
    // The shipped database was proven when it was built; any other is proven wheel by wheel.
    shelf_.setProveStoredWheels(!isShippedDatabase(path));
    // A command only reads the player's library: one that is not there stays not there.
    const QString ownPath = libraryPath.isEmpty() ? ownWheelsFile() : libraryPath;
    if (QFileInfo(ownPath).isFile() && !own_.open(ownPath, &problem))
        return notFound(QStringLiteral("your wheel library cannot be read: %1").arg(problem));
    player_ = PlayerLotteries(playerLotteriesFile());
    player_.load(PlayerLotteries::LeaveDamaged);
    playerNotice_ = player_.takeNotice();
    return std::nullopt;
}

std::optional<PlayedLottery> WheelSource::lottery(const QString &country, const QString &name,
                                                  CommandFailure &failure) const
{
    if (auto details = catalogue_.details(country, name)) {
        PlayedLottery found{country, name, *details};
        if (const QString fault = lotteryFault(found); !fault.isEmpty()) {
            failure = notFound(fault);
            return std::nullopt;
        }
        return found;
    }
    const QStringList names = catalogue_.lotteryNames(country);
    if (names.isEmpty())
        failure = notFound(QStringLiteral("no lottery of the country %1 is known").arg(quoted(country)));
    else if (!playerNotice_.isEmpty())
        failure = notFound(QStringLiteral("%1 has no lottery %2 (%3)")
                               .arg(quoted(country), quoted(name), withoutControls(playerNotice_)));
    else
        failure = notFound(QStringLiteral("%1 has no lottery %2; its lotteries are %3")
                               .arg(withoutControls(country), quoted(name),
                                    quotedForMessage(names.join(QStringLiteral("\", \"")), 400)));
    return std::nullopt;
}

std::optional<WheelOffer> WheelSource::wheel(const PlayedLottery &lottery, const QString &guarantee, WheelType type,
                                             int numbers, bool ownOnly, CommandFailure &failure) const
{
    const int pick = lottery.details.pick;
    const QString kind = type == WheelType::Key ? QStringLiteral("key wheel") : QStringLiteral("wheel");
    if (numbers < pick) {
        failure = badCommand(QStringLiteral("a ticket of %1 holds %2 numbers; wheel at least %2, not %3")
                                 .arg(withoutControls(lottery.name))
                                 .arg(pick)
                                 .arg(numbers));
        return std::nullopt;
    }
    if (numbers > lottery.details.facts.pool) {
        failure = badCommand(QStringLiteral("%1 numbers cannot be chosen from the %2 of %3")
                                 .arg(numbers)
                                 .arg(lottery.details.facts.pool)
                                 .arg(withoutControls(lottery.name)));
        return std::nullopt;
    }
    const auto asked = parseGuarantee(guarantee);
    if (asked)
        if (auto found = shelf_.find(pick, type, numbers, *asked, ownOnly))
            return found;
    QStringList stored;
    for (const WheelOffer &offer : shelf_.offers(pick, type, numbers))
        if (!ownOnly || offer.isOwn())
            stored << quoted(offer.label);
    stored.removeDuplicates();
    const QString what = QStringLiteral("no %1%2 %3 is stored for %4 numbers of %5")
                             .arg(ownOnly ? QStringLiteral("own ") : QString(), kind, quoted(guarantee.simplified()))
                             .arg(numbers)
                             .arg(withoutControls(lottery.name));
    failure = notFound(what + (stored.isEmpty() ? QStringLiteral(", nor any other")
                                                : QStringLiteral("; there are ") + stored.join(QStringLiteral(", "))));
    return std::nullopt;
}

CommandFailure queryFailure(const QueryError &error)
{
    return notFound(error.file().isEmpty() ? error.message() : error.file() + QStringLiteral(": ") + error.message());
}

QString describeForCommand(const WheelOffer &wheel)
{
    return QStringLiteral("%1 %2 \"%3\" for %4 numbers (%5)")
        .arg(wheel.isOwn() ? QStringLiteral("your own") : QStringLiteral("the shipped"),
             wheel.type == WheelType::Key ? QStringLiteral("key wheel") : QStringLiteral("wheel"),
             wheel.printableLabel())
        .arg(wheel.numbers)
        .arg(wheel.tickets == 1 ? QStringLiteral("1 ticket") : QStringLiteral("%1 tickets").arg(wheel.tickets));
}

int reportFailure(QTextStream &err, const QString &command, const CommandFailure &failure)
{
    // One line, whatever a stored name holds, and not a screenful.
    QString message = withoutControls(failure.message);
    if (message.size() > 1000)
        message = message.left(1000) + QStringLiteral("...");
    err << QStringLiteral("wheelwright") << (command.isEmpty() ? QString() : QLatin1Char(' ') + command)
        << QStringLiteral(": ") << message << Qt::endl;
    return failure.status;
}

int finishOutput(QTextStream &out, QTextStream &err, const QString &command, const QString &what)
{
    out.flush();
    if (out.status() == QTextStream::Ok)
        return 0;
    const auto *file = qobject_cast<const QFileDevice *>(out.device());
    const QString reason =
        file && file->error() != QFileDevice::NoError ? file->errorString() : QStringLiteral("the write failed");
    return reportFailure(err, command,
                         {1, QStringLiteral("%1 could not be written to standard output: %2").arg(what, reason)});
}
