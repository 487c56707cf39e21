// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/MakeCommand.h"

#include "cli/WheelLookup.h"
#include "core/ShippedFiles.h"
#include "core/WheelMaker.h"
#include "core/WheelOffer.h"
#include "wheelsearch/wheelfile.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include <chrono>
#include <cmath>

namespace {

int fail(QTextStream &err, int status, const QString &message)
{
    err << QStringLiteral("wheelwright make: ") << message << Qt::endl;
    return status;
}

// A whole number from lo to hi, nothing else.
bool readCount(const QString &text, long long lo, long long hi, long long &value)
{
    bool ok = false;
    value = text.trimmed().toLongLong(&ok);
    return ok && value >= lo && value <= hi;
}

} // namespace

QString makeCommandUsage()
{
    return QStringLiteral("Usage: wheelwright make --pick K --numbers Z --wheel \"x if y\" [--key] [--seconds S]\n"
                          "                        [--threads N] [--most T] [--database path] [--library path]\n"
                          "Makes a wheel, proves it and prints it. It starts from the wheels the program holds\n"
                          "(the shipped ones and your own): the wheel for this request, one for more numbers\n"
                          "with numbers taken out, wheels joined from smaller ones; then it searches for fewer.\n"
                          "\n"
                          "  --pick K         numbers on a ticket\n"
                          "  --numbers Z      how many numbers the wheel is for (K+1 and up)\n"
                          "  --wheel \"x if y\" the guarantee: x matched on some ticket if y drawn are among the Z\n"
                          "  --key            a key wheel: number 01 on every ticket, the guarantee when it is drawn\n"
                          "  --seconds S      time for the search (default 30)\n"
                          "  --threads N      threads to search on (default: every core)\n"
                          "  --most T         the most tickets the wheel may have (default 2000)\n"
                          "  --database path  the wheel database to start from (default: the shipped one)\n"
                          "  --library path   your wheel library to start from (default: the window's)\n"
                          "  -h, --help       show this text\n"
                          "\n"
                          "Tells first how many tickets the wheel held for this request has, if there is one;\n"
                          "prints the best ticket count so far to the error stream about once a second, then the\n"
                          "proven wheel in the wheel file format: a header line, then one ticket per line.\n"
                          "\n"
                          "Exit status: 0 when a proven wheel was printed, 1 when none was found within the\n"
                          "ticket limit and the time or it could not be written, 2 when the command line is\n"
                          "wrong.\n");
}

int runMakeCommand(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    QCommandLineParser parser;
    const QCommandLineOption pickOption(QStringLiteral("pick"), QString(), QStringLiteral("K"));
    const QCommandLineOption numbersOption(QStringLiteral("numbers"), QString(), QStringLiteral("Z"));
    const QCommandLineOption wheelOption(QStringLiteral("wheel"), QString(), QStringLiteral("guarantee"));
    const QCommandLineOption keyOption(QStringLiteral("key"));
    const QCommandLineOption secondsOption(QStringLiteral("seconds"), QString(), QStringLiteral("S"));
    const QCommandLineOption threadsOption(QStringLiteral("threads"), QString(), QStringLiteral("N"));
    const QCommandLineOption mostOption(QStringLiteral("most"), QString(), QStringLiteral("T"));
    const QCommandLineOption seedOption(QStringLiteral("seed"), QString(), QStringLiteral("N"));
    const QCommandLineOption databaseOption(QStringLiteral("database"), QString(), QStringLiteral("path"));
    const QCommandLineOption libraryOption(QStringLiteral("library"), QString(), QStringLiteral("path"));
    const QCommandLineOption helpOption(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    parser.addOptions({pickOption, numbersOption, wheelOption, keyOption, secondsOption, threadsOption, mostOption,
                       seedOption, databaseOption, libraryOption, helpOption});
    if (!parser.parse(QStringList{QStringLiteral("make")} + arguments))
        return fail(err, MakeBadCommand, parser.errorText() + QStringLiteral(" (see wheelwright make --help)"));
    if (parser.isSet(helpOption)) {
        out << makeCommandUsage();
        return finishOutput(out, err, QStringLiteral("make"), QStringLiteral("the help")) ? MakeNotWritten : MakeOk;
    }
    if (!parser.positionalArguments().isEmpty())
        return fail(err, MakeBadCommand,
                    QStringLiteral("unexpected \"%1\" (the guarantee goes in quotes: --wheel \"3 if 4\")")
                        .arg(parser.positionalArguments().first()));
    for (const auto *needed : {&pickOption, &numbersOption, &wheelOption})
        if (!parser.isSet(*needed))
            return fail(err, MakeBadCommand,
                        QStringLiteral("give --%1 (see wheelwright make --help)").arg(needed->names().first()));

    MakeRequest request;
    long long value = 0;
    if (!readCount(parser.value(pickOption), 1, 98, value))
        return fail(err, MakeBadCommand, QStringLiteral("--pick must be a whole number from 1 to 98"));
    request.pick = static_cast<int>(value);
    if (!readCount(parser.value(numbersOption), 2, 99, value))
        return fail(err, MakeBadCommand, QStringLiteral("--numbers must be a whole number from 2 to 99"));
    request.numbers = static_cast<int>(value);
    const auto guarantee = parseGuarantee(parser.value(wheelOption));
    if (!guarantee)
        return fail(err, MakeBadCommand,
                    QStringLiteral("--wheel must read \"x if y\" with 1 <= x <= y, e.g. \"3 if 4\""));
    request.x = guarantee->match;
    request.y = guarantee->have;
    request.key = parser.isSet(keyOption);
    if (parser.isSet(secondsOption)) {
        bool ok = false;
        request.seconds = parser.value(secondsOption).toDouble(&ok);
        if (!ok || !std::isfinite(request.seconds) || request.seconds <= 0 || request.seconds > 86400)
            return fail(err, MakeBadCommand, QStringLiteral("--seconds must be more than 0 and at most 86400"));
    }
    if (parser.isSet(threadsOption)) {
        if (!readCount(parser.value(threadsOption), 1, 1024, value))
            return fail(err, MakeBadCommand, QStringLiteral("--threads must be a whole number from 1 to 1024"));
        request.threads = static_cast<int>(value);
    }
    if (parser.isSet(mostOption)) {
        if (!readCount(parser.value(mostOption), 1, 1'000'000, value))
            return fail(err, MakeBadCommand, QStringLiteral("--most must be a whole number from 1 to 1000000"));
        request.mostTickets = static_cast<std::size_t>(value);
    }
    if (parser.isSet(seedOption)) {
        if (!readCount(parser.value(seedOption), 1, 1'000'000'000, value))
            return fail(err, MakeBadCommand, QStringLiteral("--seed must be a whole number from 1 to 1000000000"));
        request.seed = static_cast<std::uint64_t>(value);
    }
    const QString refused = WheelMaker::checkRequest(request);
    if (!refused.isEmpty())
        return fail(err, MakeBadCommand, refused);
    request.databasePath =
        parser.isSet(databaseOption) ? parser.value(databaseOption) : shippedFile(QStringLiteral("data.sqlite3"));
    request.libraryPath = parser.isSet(libraryOption) ? parser.value(libraryOption) : ownWheelsFile();
    if (parser.isSet(databaseOption) && !QFileInfo(request.databasePath).isFile())
        return fail(err, MakeNotFound, QStringLiteral("no wheel database at %1").arg(request.databasePath));

    // A bound past the limit ends the command with its one line of reason, below.
    if (WheelMaker::lowerBound(request) <= request.mostTickets)
        err << QStringLiteral("lower bound %1 tickets").arg(WheelMaker::lowerBound(request)) << Qt::endl;
    if (const std::size_t held = WheelMaker::heldTickets(request); held > 0)
        err << QStringLiteral("the wheel held for this request has %1 tickets; searching for fewer").arg(held)
            << Qt::endl;
    auto lastLine = std::chrono::steady_clock::now();
    const auto result = WheelMaker::make(request, [&](const MakeProgress &p) {
        const auto now = std::chrono::steady_clock::now();
        if (now - lastLine < std::chrono::seconds(1) || p.secondsLeft <= 0)
            return;
        lastLine = now;
        if (p.bestTickets == 0)
            err << QStringLiteral("searching, %1 s left").arg(std::ceil(p.secondsLeft)) << Qt::endl;
        else
            err << QStringLiteral("best %1 tickets, %2 s left").arg(p.bestTickets).arg(std::ceil(p.secondsLeft))
                << Qt::endl;
    });
    if (result.outcome != MakeOutcome::Proven)
        return fail(err, result.outcome == MakeOutcome::Refused ? MakeBadCommand : MakeNotFound, result.message);

    wheel::Entry entry;
    entry.spec = request.spec();
    entry.lines = result.lines;
    entry.note = QStringLiteral("%1; proven; no wheel has fewer than %2 tickets")
                     .arg(result.note)
                     .arg(result.lowerBound)
                     .toStdString();
    out << QString::fromStdString(wheel::formatEntry(entry));
    if (finishOutput(out, err, QStringLiteral("make"), QStringLiteral("the wheel")))
        return MakeNotWritten;
    err << QStringLiteral("%1 tickets, proven%2")
               .arg(result.lines.size())
               .arg(result.reachedLowerBound ? QStringLiteral(" (no wheel can have fewer)") : QString())
        << Qt::endl;
    return MakeOk;
}
