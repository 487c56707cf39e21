// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/LotteryCommand.h"

#include "cli/WheelLookup.h"
#include "core/Catalogue.h"
#include "core/Countries.h"
#include "core/Database.h"
#include "core/PlayerLotteries.h"
#include "core/ShippedFiles.h"
#include "core/TextSafety.h"

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

const QString kCommand = QStringLiteral("lottery");

CommandFailure failure(int status, const QString &message)
{
    return CommandFailure{status, message};
}

// "6 of 49", "5 of 69 + 1 of 26", "6 of 45 + 2 supplementary".
QString matrix(const LotteryDetails &d)
{
    QString text = QStringLiteral("%1 of %2").arg(d.pick).arg(d.facts.pool);
    if (d.facts.bonusPool > 0)
        text += QStringLiteral(" + %1 of %2").arg(d.facts.bonusDrawn).arg(d.facts.bonusPool);
    if (d.facts.supplementary > 0)
        text += QStringLiteral(" + %1 supplementary").arg(d.facts.supplementary);
    return text;
}

} // namespace

QString lotteryCommandUsage()
{
    return QStringLiteral(
        "Usage: wheelwright lottery list [--country C]\n"
        "       wheelwright lottery show|export|reset --country C --lottery L [--output FILE]\n"
        "       wheelwright lottery import FILE\n"
        "Lists the lotteries, shows or exports one as a small text file, imports the lotteries of such a\n"
        "file as your own, or resets one you changed to the shipped facts.\n"
        "\n"
        "  list                  every lottery of the country (of every country without --country);\n"
        "                        yours are marked \"yours\"\n"
        "  show                  the lottery's facts, in the form of an exported file\n"
        "  export                the same, into --output FILE (or to the output without it)\n"
        "  import FILE           checks every fact of the file and keeps its lotteries as yours; one with\n"
        "                        the name of a shipped lottery stands in its place\n"
        "  reset                 forgets your facts of the lottery (a lottery only you have is removed)\n"
        "  --lotteries PATH      your lotteries file instead of the window's\n"
        "  --database PATH       use this wheel database instead of the one shipped with the program\n");
}

int runLotteryCommand(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    QCommandLineParser parser;
    const QCommandLineOption country(QStringLiteral("country"), QString(), QStringLiteral("country"));
    const QCommandLineOption lottery(QStringLiteral("lottery"), QString(), QStringLiteral("lottery"));
    const QCommandLineOption output(QStringLiteral("output"), QString(), QStringLiteral("path"));
    const QCommandLineOption lotteries(QStringLiteral("lotteries"), QString(), QStringLiteral("path"));
    const QCommandLineOption database(QStringLiteral("database"), QString(), QStringLiteral("path"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    parser.addOptions({country, lottery, output, lotteries, database, help});
    const QString seeHelp = QStringLiteral("; try wheelwright lottery --help");
    if (!parser.parse(QStringList{kCommand} + arguments))
        return reportFailure(err, kCommand, failure(WheelCommandBadCommand, parser.errorText() + seeHelp));
    if (parser.isSet(help)) {
        out << lotteryCommandUsage();
        return finishOutput(out, err, kCommand, QStringLiteral("the help"));
    }
    const QStringList words = parser.positionalArguments();
    const QString action = words.value(0);
    static const QStringList actions{QStringLiteral("list"), QStringLiteral("show"), QStringLiteral("export"),
                                     QStringLiteral("import"), QStringLiteral("reset")};
    if (!actions.contains(action))
        return reportFailure(
            err, kCommand,
            failure(WheelCommandBadCommand,
                    (action.isEmpty() ? QStringLiteral("give list, show, export, import or reset")
                                      : QStringLiteral("unknown action %1").arg(quotedForMessage(action, 40))) +
                        seeHelp));
    const bool named =
        action == QLatin1String("show") || action == QLatin1String("export") || action == QLatin1String("reset");
    if (words.size() != (action == QLatin1String("import") ? 2 : 1))
        return reportFailure(
            err, kCommand,
            failure(WheelCommandBadCommand,
                    action == QLatin1String("import")
                        ? QStringLiteral("import takes one file") + seeHelp
                        : QStringLiteral("unexpected %1").arg(quotedForMessage(words.value(1), 40)) + seeHelp));
    if (named)
        for (const QCommandLineOption *needed : {&country, &lottery})
            if (parser.value(*needed).trimmed().isEmpty())
                return reportFailure(
                    err, kCommand,
                    failure(WheelCommandBadCommand, QStringLiteral("give --") + needed->names().first() + seeHelp));

    PlayerLotteries player(parser.isSet(lotteries) ? parser.value(lotteries) : playerLotteriesFile());
    if (!player.load(PlayerLotteries::LeaveDamaged))
        return reportFailure(err, kCommand, failure(WheelCommandNotFound, withoutControls(player.takeNotice())));

    if (action == QLatin1String("import")) {
        QFile file(words.value(1));
        if (!file.open(QIODevice::ReadOnly))
            return reportFailure(
                err, kCommand,
                failure(WheelCommandNotFound, QStringLiteral("%1: %2").arg(words.value(1), file.errorString())));
        const LotteryFileRead read = readLotteryFile(file.readAll(), words.value(1));
        if (!read.error.isEmpty())
            return reportFailure(err, kCommand, failure(WheelCommandBadCommand, read.error));
        if (read.lotteries.isEmpty())
            return reportFailure(err, kCommand,
                                 failure(WheelCommandBadCommand, words.value(1) + QStringLiteral(": no lotteries")));
        for (const PlayerLottery &l : read.lotteries) {
            QString problem;
            if (!player.put(l, &problem))
                return reportFailure(err, kCommand, failure(WheelCommandNotFound, problem));
            out << "Imported \"" << withoutControls(QString::fromStdString(l.facts.name)) << "\" of "
                << QString::fromStdString(l.facts.country) << '\n';
        }
        return finishOutput(out, err, kCommand);
    }

    Database db;
    const QString dbPath =
        parser.isSet(database) ? parser.value(database) : shippedFile(QStringLiteral("data.sqlite3"));
    QString problem;
    if (!db.open(dbPath, &problem))
        return reportFailure(err, kCommand, failure(WheelCommandNotFound, problem));
    const Catalogue catalogue(db, &player);
    try {
        if (action == QLatin1String("list")) {
            QStringList countries;
            if (parser.isSet(country)) {
                countries << parser.value(country);
            } else {
                for (const char *c : kCountries)
                    countries << QString::fromUtf8(c);
            }
            for (const QString &c : countries) {
                const QStringList names = catalogue.lotteryNames(c);
                if (names.isEmpty() && parser.isSet(country))
                    return reportFailure(err, kCommand,
                                         failure(WheelCommandNotFound, QStringLiteral("no lottery of the country %1 "
                                                                                      "is known")
                                                                           .arg(quotedForMessage(c, 80))));
                for (const QString &name : names) {
                    const auto details = catalogue.details(c, name);
                    out << c << '\t' << withoutControls(name) << '\t' << (details ? matrix(*details) : QString());
                    if (catalogue.isPlayers(c, name))
                        out << (catalogue.isShipped(c, name) ? "\tyours, in place of the shipped one" : "\tyours");
                    out << '\n';
                }
            }
            return finishOutput(out, err, kCommand);
        }
        const QString c = parser.value(country);
        const QString name = parser.value(lottery);
        if (action == QLatin1String("reset")) {
            if (!catalogue.isPlayers(c, name))
                return reportFailure(
                    err, kCommand,
                    failure(WheelCommandNotFound, QStringLiteral("you have no lottery %1 of %2")
                                                      .arg(quotedForMessage(name, 80), quotedForMessage(c, 80))));
            if (!player.remove(c, name, &problem))
                return reportFailure(err, kCommand, failure(WheelCommandNotFound, problem));
            out << (catalogue.isShipped(c, name) ? "Back to the shipped facts of \"" : "Removed \"")
                << withoutControls(name) << "\" of " << withoutControls(c) << '\n';
            return finishOutput(out, err, kCommand);
        }
        const auto row = catalogue.row(c, name);
        if (!row)
            return reportFailure(
                err, kCommand,
                failure(
                    WheelCommandNotFound,
                    QStringLiteral("%1 has no lottery %2").arg(quotedForMessage(c, 80), quotedForMessage(name, 80))));
        PlayerLottery one{*row, {}};
        if (const PlayerLottery *own = player.find(c, name))
            one = *own;
        const QByteArray text = writeLotteryFile({one});
        if (action == QLatin1String("show") || !parser.isSet(output) || parser.value(output) == QLatin1String("-")) {
            if (action == QLatin1String("show"))
                if (const QString note = catalogue.factsNote(c, name); !note.isEmpty())
                    out << "# " << note << '\n';
            out << QString::fromUtf8(text);
            return finishOutput(out, err, kCommand, QStringLiteral("the lottery"));
        }
        QSaveFile file(parser.value(output));
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit())
            return reportFailure(
                err, kCommand,
                failure(WheelCommandNotFound, QStringLiteral("%1: %2").arg(parser.value(output), file.errorString())));
        return finishOutput(out, err, kCommand);
    } catch (const QueryError &e) {
        return reportFailure(err, kCommand, queryFailure(e));
    }
}
