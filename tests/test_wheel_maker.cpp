// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/MakeCommand.h"
#include "core/OwnWheels.h"
#include "core/WheelMaker.h"
#include "ui/WheelMakerWindow.h"
#include "wheelsearch/verify.h"
#include "wheelsearch/wheelfile.h"

#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include <sqlite3.h>

#include <bit>
#include <limits>

Q_DECLARE_METATYPE(MakeRequest)

namespace {

MakeRequest request(int pick, int numbers, int x, int y, bool key = false, double seconds = 20)
{
    MakeRequest r;
    r.pick = pick;
    r.numbers = numbers;
    r.x = x;
    r.y = y;
    r.key = key;
    r.seconds = seconds;
    r.threads = 2;
    return r;
}

// The guarantee checked the plain way, apart from the engine's verifier: every drawn set of
// y numbers (holding 01 for a key wheel) meets some line in at least x numbers.
bool keepsGuarantee(const MakeRequest &r, const std::vector<wheel::Line> &lines)
{
    for (std::uint64_t drawn = 0; drawn < (std::uint64_t{1} << r.numbers); ++drawn) {
        if (std::popcount(drawn) != r.y || (r.key && !(drawn & 1u)))
            continue;
        bool met = false;
        for (const wheel::Line line : lines)
            met = met || std::popcount(static_cast<std::uint64_t>(line) & drawn) >= r.x;
        if (!met)
            return false;
    }
    for (const wheel::Line line : lines)
        if (std::popcount(line) != r.pick || (r.key && !(line & 1u)) || (line >> r.numbers) != 0)
            return false;
    return true;
}

// Runs SQL on a library file behind the program's back.
void tamper(const QString &path, const char *sql)
{
    sqlite3 *db = nullptr;
    QCOMPARE(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
    QCOMPARE(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
}

int runMake(const QStringList &arguments, QString &out, QString &err)
{
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    return runMakeCommand(arguments, outStream, errStream);
}

} // namespace

class TestWheelMaker : public QObject {
    Q_OBJECT

private slots:
    void makesKnownOptimum_data();
    void makesKnownOptimum();
    void refuses_data();
    void refuses();
    void countsEveryCombinationFirst_data();
    void countsEveryCombinationFirst();
    void keepsToTheTime_data();
    void keepsToTheTime();
    void cancelCutsTheGreedyStartShort();
    void cancelKeepsBestSoFar();
    void neverWorseThanTheShippedWheel_data();
    void neverWorseThanTheShippedWheel();
    void startsFromTheLibrarysWheel();
    void commandTellsOfTheHeldWheel();
    void windowOffersTheShippedWheelAtOnce();
    void libraryStoresReusesAndReplaces();
    void librarySetsDamagedFileAside_data();
    void librarySetsDamagedFileAside();
    void libraryRemovesWheelFailingProof();
    void commandPrintsProvenWheel();
    void commandRefuses_data();
    void commandRefuses();
    void commandFailsWhenOutputIsLost_data();
    void commandFailsWhenOutputIsLost();
};

void TestWheelMaker::makesKnownOptimum_data()
{
    QTest::addColumn<MakeRequest>("req");
    QTest::addColumn<int>("tickets");
    // Published coverings whose record meets the lower bound, so the search stops there.
    QTest::newRow("pick 3, 7 numbers, 2 if 2") << request(3, 7, 2, 2) << 7;
    QTest::newRow("key pick 4, 8 numbers, 3 if 3") << request(4, 8, 3, 3, true) << 7;
    QTest::newRow("pick 5, 10 numbers, 2 if 2") << request(5, 10, 2, 2) << 6;
    QTest::newRow("pick 6, 11 numbers, 3 if 3") << request(6, 11, 3, 3) << 11;
    QTest::newRow("every combination, pick 3 of 5") << request(3, 5, 3, 3) << 10;
    QTest::newRow("key 1 if 3: the key alone") << request(3, 9, 1, 3, true) << 1;
}

void TestWheelMaker::makesKnownOptimum()
{
    QFETCH(MakeRequest, req);
    QFETCH(int, tickets);
    QCOMPARE(WheelMaker::lowerBound(req), std::size_t(tickets));
    int reports = 0;
    const auto result = WheelMaker::make(req, [&](const MakeProgress &) { ++reports; });
    QCOMPARE(result.outcome, MakeOutcome::Proven);
    QCOMPARE(int(result.lines.size()), tickets);
    QVERIFY(result.reachedLowerBound);
    QVERIFY(keepsGuarantee(req, result.lines));
    QVERIFY(std::is_sorted(result.lines.begin(), result.lines.end(), wheel::lineLess));
    if (req.x < req.pick && !(req.key && req.x == 1))
        QVERIFY(reports > 0); // at least the closing report of a search
}

void TestWheelMaker::refuses_data()
{
    QTest::addColumn<MakeRequest>("req");
    QTest::addColumn<MakeOutcome>("outcome");
    QTest::newRow("x above y") << request(6, 10, 4, 3) << MakeOutcome::Refused;
    QTest::newRow("y above pick") << request(5, 10, 3, 6) << MakeOutcome::Refused;
    QTest::newRow("x of 0") << request(5, 10, 0, 3) << MakeOutcome::Refused;
    QTest::newRow("numbers no more than pick") << request(6, 6, 3, 3) << MakeOutcome::Refused;
    QTest::newRow("numbers past 99") << request(6, 100, 3, 3) << MakeOutcome::Refused;
    QTest::newRow("numbers past the engine") << request(6, wheel::kMaxPositions + 1, 3, 3) << MakeOutcome::Refused;
    auto noTime = request(3, 7, 2, 2);
    noTime.seconds = 0;
    QTest::newRow("no time") << noTime << MakeOutcome::Refused;
    auto few = request(6, 18, 4, 4);
    few.mostTickets = 100; // the bound is 204
    QTest::newRow("bound above the ticket limit") << few << MakeOutcome::NothingFound;
    auto fullTooBig = request(6, 30, 6, 6);
    QTest::newRow("every combination past the limit") << fullTooBig << MakeOutcome::Refused;
}

void TestWheelMaker::refuses()
{
    QFETCH(MakeRequest, req);
    QFETCH(MakeOutcome, outcome);
    WheelMaker maker;
    bool finished = false;
    maker.setFinishedHandler([&](const MakeResult &) { finished = true; });
    QVERIFY(maker.start(req));
    maker.wait();
    QVERIFY(finished);
    const auto result = maker.result();
    QCOMPARE(result.outcome, outcome);
    QVERIFY(result.lines.empty());
    QVERIFY(!result.message.isEmpty());
}

void TestWheelMaker::countsEveryCombinationFirst_data()
{
    QTest::addColumn<MakeRequest>("req");
    QTest::addColumn<quint64>("tickets");
    // Listed, the first three would take from hundreds of megabytes to tens of gigabytes.
    QTest::newRow("7 if 7 on 49") << request(7, 49, 7, 7) << quint64(85'900'584);
    QTest::newRow("10 if 10 on 49") << request(10, 49, 10, 10) << quint64(8'217'822'536);
    QTest::newRow("8 if 8 on 36") << request(8, 36, 8, 8) << quint64(30'260'340);
    QTest::newRow("key 6 if 6 on 30") << request(6, 30, 6, 6, true) << quint64(118'755);
    QTest::newRow("key 1 if 5: the key alone") << request(5, 49, 1, 5, true) << quint64(1);
    QTest::newRow("3 if 4 needs a search") << request(6, 49, 3, 4) << quint64(0);
}

void TestWheelMaker::countsEveryCombinationFirst()
{
    QFETCH(MakeRequest, req);
    QFETCH(quint64, tickets);
    QCOMPARE(quint64(WheelMaker::ticketsWithoutSearch(req)), tickets);
    const QString refusal = WheelMaker::checkRequest(req);
    if (tickets <= req.mostTickets) {
        QVERIFY2(refusal.isEmpty(), qPrintable(refusal));
        return;
    }
    // Refused with the count, by counting: none of these would come back in the test's time,
    // or at all, if the lines were made first.
    QVERIFY(refusal.contains(QString::number(tickets)));
    QVERIFY(refusal.contains(QStringLiteral("2000")));
    QCOMPARE(WheelMaker::lowerBound(req), std::size_t(0));
    const auto made = WheelMaker::make(req);
    QCOMPARE(made.outcome, MakeOutcome::Refused);
    QCOMPARE(made.message, refusal);
    QVERIFY(made.lines.empty());

    // A limit far past the count still stops at what the maker can hold.
    auto unlimited = req;
    unlimited.mostTickets = std::numeric_limits<std::size_t>::max();
    QCOMPARE(WheelMaker::checkRequest(unlimited).isEmpty(), tickets <= 20'000'000);
}

void TestWheelMaker::keepsToTheTime_data()
{
    QTest::addColumn<QStringList>("arguments");
    const auto args = [](const char *pick, const char *numbers, const char *wheel) {
        return QStringList{QStringLiteral("--pick"),     QString::fromLatin1(pick), QStringLiteral("--numbers"),
                           QString::fromLatin1(numbers), QStringLiteral("--wheel"), QString::fromLatin1(wheel)};
    };
    // Lines so wide that one meets every drawn set: a search that walked each line's subsets of
    // every size to count the sets it covers ran on for days, whatever time it was given.
    QTest::newRow("pick 48 on 49, 1 if 48") << args("48", "49", "1 if 48");
    QTest::newRow("pick 40 on 45, 2 if 40") << args("40", "45", "2 if 40");
}

void TestWheelMaker::keepsToTheTime()
{
    QFETCH(QStringList, arguments);
    QString out;
    QString err;
    const int status = runMake(arguments + QStringList{QStringLiteral("--seconds"), QStringLiteral("1"),
                                                       QStringLiteral("--threads"), QStringLiteral("2")},
                               out, err);
    QVERIFY2(status == MakeOk, qPrintable(err));
    const auto parsed = wheel::parseWheels(out.toStdString(), "out");
    QVERIFY2(parsed.error.empty(), parsed.error.c_str());
    QCOMPARE(parsed.entries.size(), std::size_t(1));
    const auto &e = parsed.entries[0];
    QCOMPARE(e.lines.size(), std::size_t(1)); // one line meets every drawn set
    QVERIFY(wheel::verifyWheel(e.spec, e.lines).holds);
}

void TestWheelMaker::cancelCutsTheGreedyStartShort()
{
    // The search for "3 if 6" on 40 numbers weighs each line against millions of drawn sets,
    // and the time allowed is an hour: a cancel that waited for a step to end would keep the
    // test for minutes. What comes back is the start the maker had (a join), or nothing.
    const auto req = request(6, 40, 3, 6, false, 3600);
    std::atomic<bool> begun{false};
    WheelMaker maker;
    maker.setProgressHandler([&](const MakeProgress &p) {
        if (p.starts > 0)
            begun = true;
    });
    QVERIFY(maker.start(req));
    QTRY_VERIFY_WITH_TIMEOUT(begun.load(), 60000);
    maker.cancel();
    maker.wait();
    const auto result = maker.result();
    QCOMPARE(result.outcome, MakeOutcome::Cancelled);
    QVERIFY(result.lines.size() <= result.startTickets);
}

void TestWheelMaker::cancelKeepsBestSoFar()
{
    // Far above what the engine reaches in a minute, so only cancel() stops it.
    auto req = request(6, 18, 4, 4, false, 120);
    std::atomic<int> progressCalls{0};
    std::atomic<bool> finishedOnce{false};
    WheelMaker maker;
    maker.setProgressHandler([&](const MakeProgress &p) {
        ++progressCalls;
        QVERIFY(p.lowerBound == 204);
    });
    maker.setFinishedHandler([&](const MakeResult &) { finishedOnce = true; });
    QVERIFY(maker.start(req));
    QVERIFY(maker.isRunning());
    QVERIFY(!maker.start(req)); // one search at a time
    QTRY_VERIFY_WITH_TIMEOUT(maker.bestTickets() > 0, 60000);
    const std::size_t seen = maker.bestTickets();
    maker.cancel();
    QTRY_VERIFY_WITH_TIMEOUT(!maker.isRunning(), 15000);
    maker.wait();
    QVERIFY(finishedOnce);
    QVERIFY(progressCalls > 0);
    const auto result = maker.result();
    QCOMPARE(result.outcome, MakeOutcome::Cancelled);
    QVERIFY(!result.lines.empty());
    QVERIFY(result.lines.size() <= seen);
    QVERIFY(keepsGuarantee(req, result.lines));

    // The maker can be used again, and destroying it while it runs stops it.
    auto again = std::make_unique<WheelMaker>();
    QVERIFY(again->start(req));
    again.reset();
}

void TestWheelMaker::neverWorseThanTheShippedWheel_data()
{
    QTest::addColumn<MakeRequest>("request");
    QTest::addColumn<int>("shipped");
    // The first two are at their published records; the key wheel and the lotto design
    // above their counting bounds.
    QTest::newRow("pick 6, 18, \"4 if 4\"") << request(6, 18, 4, 4, false, 2) << 236;
    QTest::newRow("pick 6, 20, \"3 if 3\"") << request(6, 20, 3, 3, false, 2) << 70;
    QTest::newRow("key pick 5, 16, \"4 if 4\"") << request(5, 16, 4, 4, true, 2) << 124;
    QTest::newRow("pick 6, 15, \"5 if 6\"") << request(6, 15, 5, 6, false, 2) << 168;
}

void TestWheelMaker::neverWorseThanTheShippedWheel()
{
    QFETCH(MakeRequest, request);
    QFETCH(int, shipped);
    request.databasePath = QStringLiteral(DATABASE);
    QCOMPARE(WheelMaker::heldTickets(request), std::size_t(shipped));
    const MakeResult result = WheelMaker::make(request);
    QCOMPARE(result.outcome, MakeOutcome::Proven);
    QCOMPARE(result.heldTickets, std::size_t(shipped));
    QVERIFY(result.startTickets <= std::size_t(shipped));
    QVERIFY2(result.lines.size() <= std::size_t(shipped), qPrintable(result.note));
    QVERIFY(keepsGuarantee(request, result.lines));
    QVERIFY2(result.note.startsWith(QStringLiteral("made from the shipped wheel (%1 lines)").arg(shipped)),
             qPrintable(result.note));
}

void TestWheelMaker::startsFromTheLibrarysWheel()
{
    // The library's wheel for 10 numbers is a start for 9 (a number taken out) and no
    // database is needed for it.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("own.sqlite3"));
    MakeRequest larger = request(5, 10, 3, 3, false, 2);
    const MakeResult made = WheelMaker::make(larger);
    QCOMPARE(made.outcome, MakeOutcome::Proven);
    {
        OwnWheels own;
        QVERIFY(own.open(path));
        QCOMPARE(own.store(larger.spec(), made.lines), OwnWheels::Stored::Added);
    }
    MakeRequest fewer = request(5, 9, 3, 3, false, 1);
    fewer.libraryPath = path;
    QCOMPARE(WheelMaker::knownWheels(fewer).size(), std::size_t(1));
    const MakeResult result = WheelMaker::make(fewer);
    QCOMPARE(result.outcome, MakeOutcome::Proven);
    QVERIFY(result.startTickets > 0 && result.startTickets <= made.lines.size());
    QVERIFY(result.lines.size() <= result.startTickets);
    QVERIFY(keepsGuarantee(fewer, result.lines));
    QVERIFY2(result.note.contains(QStringLiteral("taken out of the own wheel on 10 numbers")), qPrintable(result.note));
    // A library that is not there gives nothing to start from, and makes no file.
    fewer.libraryPath = dir.filePath(QStringLiteral("none.sqlite3"));
    QVERIFY(WheelMaker::knownWheels(fewer).empty());
    QVERIFY(!QFile::exists(fewer.libraryPath));
}

void TestWheelMaker::commandTellsOfTheHeldWheel()
{
    QTemporaryDir dir;
    QString out;
    QString err;
    const int status =
        runMake({QStringLiteral("--pick"), QStringLiteral("6"), QStringLiteral("--numbers"), QStringLiteral("16"),
                 QStringLiteral("--wheel"), QStringLiteral("4 if 4"), QStringLiteral("--seconds"), QStringLiteral("1"),
                 QStringLiteral("--database"), QStringLiteral(DATABASE), QStringLiteral("--library"),
                 dir.filePath(QStringLiteral("none.sqlite3"))},
                out, err);
    QVERIFY2(status == MakeOk, qPrintable(err));
    QVERIFY2(err.contains(QStringLiteral("the wheel held for this request has 152 tickets; searching for fewer")),
             qPrintable(err));
    const auto parsed = wheel::parseWheels(out.toStdString(), "out");
    QCOMPARE(parsed.entries.size(), std::size_t(1));
    QVERIFY(parsed.entries[0].lines.size() <= 152);
    QVERIFY2(parsed.entries[0].note.rfind("made from the shipped wheel (152 lines)", 0) == 0,
             parsed.entries[0].note.c_str());
    // A database named that is not there is told, not searched without.
    QCOMPARE(runMake({QStringLiteral("--pick"), QStringLiteral("6"), QStringLiteral("--numbers"), QStringLiteral("16"),
                      QStringLiteral("--wheel"), QStringLiteral("4 if 4"), QStringLiteral("--database"),
                      dir.filePath(QStringLiteral("missing.sqlite3"))},
                     out, err),
             int(MakeNotFound));
}

void TestWheelMaker::windowOffersTheShippedWheelAtOnce()
{
    WheelMakerWindow window;
    window.setWheelFiles(QStringLiteral(DATABASE), QString());
    window.offer(6, 18, false);
    auto *status = window.findChild<QLabel *>(QStringLiteral("statusLabel"));
    auto *start = window.findChild<QPushButton *>(QStringLiteral("startButton"));
    window.findChild<QSpinBox *>(QStringLiteral("matchesBox"))->setValue(4);
    window.findChild<QSpinBox *>(QStringLiteral("drawnBox"))->setValue(4);
    QVERIFY2(status->text().startsWith(QStringLiteral("Wheelwright ships this wheel with 236 tickets")),
             qPrintable(status->text()));
    QVERIFY(status->text().endsWith(QStringLiteral("Search for fewer?")));
    QCOMPARE(start->text(), QStringLiteral("Search for &fewer"));
    QVERIFY(start->isEnabled());
    // A request nothing is held for asks nothing, and the word goes with the request.
    window.findChild<QSpinBox *>(QStringLiteral("matchesBox"))->setValue(1);
    window.findChild<QSpinBox *>(QStringLiteral("drawnBox"))->setValue(1);
    QVERIFY2(status->text().isEmpty(), qPrintable(status->text()));
    QCOMPARE(start->text(), QStringLiteral("&Start"));
    // The player's own wheel, told by the application, is named before the shipped one when
    // it has as few tickets.
    window.setStoredLookup([](const wheel::WheelSpec &s) { return s.x == 4 && s.y == 4 ? std::size_t(230) : 0; });
    window.findChild<QSpinBox *>(QStringLiteral("matchesBox"))->setValue(4);
    window.findChild<QSpinBox *>(QStringLiteral("drawnBox"))->setValue(4);
    QVERIFY2(status->text().startsWith(QStringLiteral("Your library already holds this wheel with 230 tickets")),
             qPrintable(status->text()));
}

void TestWheelMaker::libraryStoresReusesAndReplaces()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sub/own-wheels.sqlite3"));
    const wheel::WheelSpec spec{3, 'a', 7, 2, 2};
    const auto fano = WheelMaker::make(request(3, 7, 2, 2)).lines;
    QCOMPARE(fano.size(), std::size_t(7));
    // A worse wheel of the same promise: the Fano lines plus one.
    auto worse = fano;
    worse.push_back(0b0000111u);
    if (std::find(fano.begin(), fano.end(), worse.back()) != fano.end())
        worse.back() = 0b1110000u;
    {
        OwnWheels library;
        QVERIFY(library.open(path));
        QVERIFY(library.takeNotice().isEmpty());
        QVERIFY(!library.find(spec));
        QCOMPARE(library.store(spec, worse), OwnWheels::Stored::Added);
        QCOMPARE(library.store(spec, worse), OwnWheels::Stored::KeptStored);
        QCOMPARE(library.store(spec, fano), OwnWheels::Stored::Replaced);
        QCOMPARE(library.store(spec, worse), OwnWheels::Stored::KeptStored);
        // Not a wheel at all: two lines cannot keep "2 if 2" on 7 numbers.
        QString problem;
        QCOMPARE(library.store(spec, {fano[0], fano[1]}, &problem), OwnWheels::Stored::Refused);
        QVERIFY(!problem.isEmpty());
        QCOMPARE(library.store({4, 'k', 8, 3, 3}, WheelMaker::make(request(4, 8, 3, 3, true)).lines),
                 OwnWheels::Stored::Added);
    }
    OwnWheels reopened;
    QVERIFY(reopened.open(path));
    const auto found = reopened.find(spec);
    QVERIFY(found);
    QCOMPARE(*found, fano);
    const auto listed = reopened.list(3, 'a', 7);
    QCOMPARE(listed.size(), 1);
    QCOMPARE(listed[0].guarantee, QStringLiteral("2 if 2"));
    QCOMPARE(listed[0].tickets, 7);
    QCOMPARE(reopened.list(4, 'k', 8).size(), 1);
    QVERIFY(reopened.list(3, 'k', 7).isEmpty());
    QVERIFY(reopened.takeNotice().isEmpty());
}

void TestWheelMaker::librarySetsDamagedFileAside_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QByteArray>("sql");
    QTest::newRow("not SQLite") << QByteArray("this is no database\n").repeated(300) << QByteArray();
    QTest::newRow("wrong tables") << QByteArray() << QByteArray("CREATE TABLE wheels(a, b);");
    QTest::newRow("wheelsurvey lacks a column")
        << QByteArray() << QByteArray("CREATE TABLE wheelsurvey(pick, wheeltype, zoption, xyoption);");
}

void TestWheelMaker::librarySetsDamagedFileAside()
{
    QFETCH(QByteArray, content);
    QFETCH(QByteArray, sql);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("own-wheels.sqlite3"));
    if (!content.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    } else {
        tamper(path, sql.constData());
    }
    OwnWheels library;
    QVERIFY(library.open(path));
    const QString notice = library.takeNotice();
    QVERIFY2(notice.contains(QStringLiteral(".damaged-")), qPrintable(notice));
    const auto aside = QDir(dir.path()).entryList({QStringLiteral("own-wheels.sqlite3.damaged-*")});
    QCOMPARE(aside.size(), 1);
    if (!content.isEmpty()) {
        QFile kept(dir.filePath(aside[0]));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), content); // set aside untouched
    }
    // The fresh library works.
    const wheel::WheelSpec spec{3, 'a', 7, 2, 2};
    QCOMPARE(library.store(spec, WheelMaker::make(request(3, 7, 2, 2)).lines), OwnWheels::Stored::Added);
    QVERIFY(library.find(spec));
}

void TestWheelMaker::libraryRemovesWheelFailingProof()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("own-wheels.sqlite3"));
    const wheel::WheelSpec fano{3, 'a', 7, 2, 2};
    const wheel::WheelSpec key{4, 'k', 8, 3, 3};
    {
        OwnWheels library;
        QVERIFY(library.open(path));
        QCOMPARE(library.store(fano, WheelMaker::make(request(3, 7, 2, 2)).lines), OwnWheels::Stored::Added);
        QCOMPARE(library.store(key, WheelMaker::make(request(4, 8, 3, 3, true)).lines), OwnWheels::Stored::Added);
    }
    // One line lost (the count still says 7) and, separately, the count made to agree.
    tamper(path, "DELETE FROM wheels WHERE rowid = (SELECT min(rowid) FROM wheels WHERE pick = 3);"
                 "UPDATE wheelsurvey SET ticket = '6' WHERE pick = 3;");
    OwnWheels library;
    QVERIFY(library.open(path));
    QVERIFY(!library.find(fano));
    const QString notice = library.takeNotice();
    QVERIFY2(notice.contains(QStringLiteral("2 if 2")), qPrintable(notice));
    QCOMPARE(QDir(dir.path()).entryList({QStringLiteral("own-wheels.sqlite3.damaged-*")}).size(), 1);
    QVERIFY(library.list(3, 'a', 7).isEmpty());
    QVERIFY(library.find(key)); // the sound wheel stays
    // The request can be made and stored again.
    QCOMPARE(library.store(fano, WheelMaker::make(request(3, 7, 2, 2)).lines), OwnWheels::Stored::Added);
}

void TestWheelMaker::commandPrintsProvenWheel()
{
    QString out;
    QString err;
    const int status =
        runMake({QStringLiteral("--pick"), QStringLiteral("4"), QStringLiteral("--numbers"), QStringLiteral("8"),
                 QStringLiteral("--wheel"), QStringLiteral("3 if 3"), QStringLiteral("--key"),
                 QStringLiteral("--seconds"), QStringLiteral("20"), QStringLiteral("--threads"), QStringLiteral("2")},
                out, err);
    QVERIFY2(status == MakeOk, qPrintable(err));
    const auto parsed = wheel::parseWheels(out.toStdString(), "out");
    QVERIFY2(parsed.error.empty(), parsed.error.c_str());
    QCOMPARE(parsed.entries.size(), std::size_t(1));
    const auto &e = parsed.entries[0];
    QCOMPARE(e.spec.type, 'k');
    QCOMPARE(e.lines.size(), std::size_t(7));
    QVERIFY(keepsGuarantee(request(4, 8, 3, 3, true), e.lines));
    QVERIFY(err.contains(QStringLiteral("lower bound 7")));
}

void TestWheelMaker::commandRefuses_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    const auto args = [](const char *pick, const char *numbers, const char *wheel) {
        return QStringList{QStringLiteral("--pick"),     QString::fromLatin1(pick), QStringLiteral("--numbers"),
                           QString::fromLatin1(numbers), QStringLiteral("--wheel"), QString::fromLatin1(wheel)};
    };
    QTest::newRow("x above y") << args("6", "10", "4 if 3") << int(MakeBadCommand);
    QTest::newRow("y above pick") << args("5", "10", "3 if 6") << int(MakeBadCommand);
    QTest::newRow("numbers below pick") << args("6", "5", "3 if 3") << int(MakeBadCommand);
    QTest::newRow("numbers past 99") << args("6", "100", "3 if 3") << int(MakeBadCommand);
    QTest::newRow("guarantee not a guarantee") << args("6", "10", "three if four") << int(MakeBadCommand);
    QTest::newRow("pick not a number") << args("six", "10", "3 if 4") << int(MakeBadCommand);
    QTest::newRow("no guarantee") << QStringList{QStringLiteral("--pick"), QStringLiteral("6"),
                                                 QStringLiteral("--numbers"), QStringLiteral("10")}
                                  << int(MakeBadCommand);
    QTest::newRow("unknown option") << args("3", "7", "2 if 2") + QStringList{QStringLiteral("--fast")}
                                    << int(MakeBadCommand);
    QTest::newRow("no threads") << args("3", "7", "2 if 2") +
                                       QStringList{QStringLiteral("--threads"), QStringLiteral("0")}
                                << int(MakeBadCommand);
    QTest::newRow("bound above the limit")
        << args("6", "18", "4 if 4") + QStringList{QStringLiteral("--most"), QStringLiteral("100")}
        << int(MakeNotFound);
    QTest::newRow("every combination past the limit") << args("7", "49", "7 if 7") << int(MakeBadCommand);
}

void TestWheelMaker::commandRefuses()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QString out;
    QString err;
    QCOMPARE(runMake(arguments, out, err), status);
    QVERIFY(out.isEmpty());
    QCOMPARE(err.trimmed().count(QLatin1Char('\n')), 0); // one line
    QVERIFY(err.startsWith(QStringLiteral("wheelwright make: ")));
}

void TestWheelMaker::commandFailsWhenOutputIsLost_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("what");
    QTest::newRow("wheel") << QStringList{QStringLiteral("--pick"),    QStringLiteral("3"),
                                          QStringLiteral("--numbers"), QStringLiteral("7"),
                                          QStringLiteral("--wheel"),   QStringLiteral("2 if 2"),
                                          QStringLiteral("--threads"), QStringLiteral("2")}
                           << QStringLiteral("the wheel");
    QTest::newRow("help") << QStringList{QStringLiteral("--help")} << QStringLiteral("the help");
}

void TestWheelMaker::commandFailsWhenOutputIsLost()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, what);
    // A full disk: every write fails with ENOSPC.
    QFile full(QStringLiteral("/dev/full"));
    if (!full.open(QIODevice::WriteOnly))
        QSKIP("this system has no /dev/full");
    QTextStream out(&full);
    QString err;
    QTextStream errStream(&err);
    QCOMPARE(runMakeCommand(arguments, out, errStream), int(MakeNotWritten));
    const QStringList lines = err.trimmed().split(QLatin1Char('\n'));
    QCOMPARE(lines.last(), QStringLiteral("wheelwright make: %1 could not be written to standard output: %2")
                               .arg(what, full.errorString()));
    QVERIFY(!err.contains(QStringLiteral("proven")));
}

QTEST_MAIN(TestWheelMaker)
#include "test_wheel_maker.moc"
