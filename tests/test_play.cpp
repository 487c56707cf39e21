// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// One model of play: a wheel of the player's own library is played exactly as stored, in the
// window and by `wheelwright tickets`; what `tickets` writes, `check` reads; and the
// subcommands refuse damaged or hostile input with one clear line.
#include "GuiDriver.h"

#include "CommandRun.h"
#include "app/PlayReview.h"
#include "cli/CommandLine.h"
#include "core/DrawHistory.h"
#include "core/OwnWheels.h"
#include "core/TicketFile.h"
#include "ui/DrawCheckWindow.h"
#include "ui/DrawHistoryWindow.h"
#include "ui/MainWindow.h"
#include "ui/NumberPage.h"
#include "ui/TicketPage.h"
#include "ui/WheelCompareWindow.h"
#include "ui/WheelPage.h"

#include <QProcess>
#include <QTabWidget>

#include <sqlite3.h>
#include <sys/stat.h>

namespace {

using Run = CommandRun;

Run run(const QStringList &arguments)
{
    return runCommand(arguments);
}

wheel::Line lineOf(std::initializer_list<int> places)
{
    wheel::Line line = 0;
    for (int p : places)
        line |= wheel::Line{1} << (p - 1);
    return line;
}

bool execute(const QString &path, const QByteArray &sql)
{
    sqlite3 *db = nullptr;
    const bool ok = sqlite3_open(path.toUtf8().constData(), &db) == SQLITE_OK &&
                    sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return ok;
}

// The pairs of six numbers on tickets of four, two ways (a partition of the six into three
// pairs, each ticket two of them), and the key's pairs on two tickets.
const QList<wheel::Line> shippedPairs{lineOf({1, 2, 3, 4}), lineOf({1, 2, 5, 6}), lineOf({3, 4, 5, 6}),
                                      lineOf({1, 2, 3, 5})};
const QList<wheel::Line> ownPairs{lineOf({1, 2, 3, 5}), lineOf({1, 2, 4, 6}), lineOf({3, 4, 5, 6})};
const QList<wheel::Line> ownKeyPairs{lineOf({1, 2, 3, 5}), lineOf({1, 2, 4, 6})};
const QList<wheel::Line> ownCover{lineOf({1, 2, 3, 4}), lineOf({3, 4, 5, 6})};

} // namespace

class TestPlay : public QObject, public GuiDriver {
    Q_OBJECT
private slots:
    void initTestCase();
    void init() { prepare(); }
    void cleanup() { finish(); }
    void ownWheelsArePlayedAsStored_data();
    void ownWheelsArePlayedAsStored();
    void libraryOpensAfterTheFirstPaint();
    void subcommandsCompose();
    void reviewWindowsFollowThePlay();
    void checkKnowsTheWholeLottery();
    void damageIsNamedAndOutputChecked();
    void hostileInputIsRefused_data();
    void hostileInputIsRefused();

private:
    QStringList ticketsCommand(const QString &guarantee, bool key, bool own) const;
    QString database_;
    QString library_;
};

void TestPlay::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(dir.isValid());
    database_ = path("wheels.sqlite3");
    // "2 if 2" is shipped with a needless fourth ticket; the key wheel with two of its own.
    QByteArray sql =
        "CREATE TABLE lottery(country TEXT, lotteryname TEXT, ifrom INTEGER, imatch INTEGER, drawn INTEGER,"
        " supplementary INTEGER, bonuspool INTEGER, bonuspick INTEGER, lowestprize_main INTEGER,"
        " lowestprize_bonus INTEGER, price REAL, currency TEXT);"
        "CREATE TABLE wheelsurvey(pick INTEGER, wheeltype TEXT, xyoption TEXT, zoption INTEGER, ticket TEXT);"
        "CREATE TABLE wheels(pick INTEGER, wheeltype TEXT, xyoption TEXT, zoption INTEGER, digitalstring TEXT);"
        "INSERT INTO lottery VALUES('Canada','Four of 12',12,4,4,0,0,NULL,2,0,2.5,'CAD'),"
        "('Canada','Four and a star',12,4,4,0,5,1,2,1,NULL,NULL),"
        "('Canada','Four and a ball',12,4,4,1,0,NULL,3,1,NULL,NULL),"
        "('Canada','Broken',0,4,4,0,0,NULL,NULL,NULL,NULL,NULL),"
        "('Canada','Too many stars',12,4,4,0,5,9,NULL,NULL,NULL,NULL),"
        "('Canada','Ninety-nine',12,4,4,0,0,NULL,99,0,NULL,NULL);"
        "INSERT INTO wheelsurvey VALUES(4,'a','2 if 2',6,'4'),(4,'k','2 if 2',6,'2'),"
        "(4,'a','3 if 3',6,'4'),(4,'a','2 if 2'||char(27)||'[2J',6,'1');"
        "INSERT INTO wheels VALUES";
    QStringList rows;
    for (wheel::Line l : shippedPairs)
        rows << QStringLiteral("(4,'a','2 if 2',6,'%1')").arg(QString::fromStdString(wheel::formatLine(l)));
    for (wheel::Line l : {lineOf({1, 2, 3, 4}), lineOf({1, 4, 5, 6})})
        rows << QStringLiteral("(4,'k','2 if 2',6,'%1')").arg(QString::fromStdString(wheel::formatLine(l)));
    // Four copies of one line: the count is right, the guarantee is not.
    for (int i = 0; i < 4; ++i)
        rows << QStringLiteral("(4,'a','3 if 3',6,'01-02-03-04')");
    rows << QStringLiteral("(4,'a','2 if 2'||char(27)||'[2J',6,'01-02-03-04')");
    sql += rows.join(QLatin1Char(',')).toUtf8() + ';';
    QVERIFY(execute(database_, sql));

    library_ = path("own-wheels.sqlite3");
    OwnWheels own;
    QVERIFY(own.open(library_));
    const auto store = [&](char type, int x, int y, const QList<wheel::Line> &lines) {
        QString problem;
        const auto stored = own.store({4, type, 6, x, y}, {lines.begin(), lines.end()}, &problem);
        QVERIFY2(stored == OwnWheels::Stored::Added, qPrintable(problem));
    };
    store('a', 2, 2, ownPairs);    // fewer tickets than the shipped one
    store('k', 2, 2, ownKeyPairs); // as many as the shipped one, other lines
    store('a', 1, 2, ownCover);    // a guarantee nothing ships
}

QStringList TestPlay::ticketsCommand(const QString &guarantee, bool key, bool own) const
{
    QStringList arguments{QStringLiteral("tickets"),
                          QStringLiteral("--country"),
                          QStringLiteral("Canada"),
                          QStringLiteral("--lottery"),
                          QStringLiteral("Four of 12"),
                          QStringLiteral("--numbers"),
                          QStringLiteral("7,3,11,9,1,5"),
                          QStringLiteral("--wheel"),
                          guarantee,
                          QStringLiteral("--database"),
                          database_,
                          QStringLiteral("--library"),
                          library_};
    if (key)
        arguments << QStringLiteral("--key");
    if (own)
        arguments << QStringLiteral("--own");
    return arguments;
}

void TestPlay::ownWheelsArePlayedAsStored_data()
{
    QTest::addColumn<QString>("guarantee");
    QTest::addColumn<bool>("key");
    QTest::addColumn<QList<wheel::Line>>("lines");
    QTest::newRow("fewer tickets than the shipped wheel") << QStringLiteral("2 if 2") << false << ownPairs;
    QTest::newRow("as many tickets, other lines") << QStringLiteral("2 if 2") << true << ownKeyPairs;
    QTest::newRow("a guarantee nothing ships") << QStringLiteral("1 if 2") << false << ownCover;
}

// The tickets of the own wheel, whatever the shipped list holds, in the window and from the
// command line.
void TestPlay::ownWheelsArePlayedAsStored()
{
    QFETCH(QString, guarantee);
    QFETCH(bool, key);
    QFETCH(QList<wheel::Line>, lines);
    const QList<int> numbers{7, 3, 11, 9, 1, 5};
    QStringList expected;
    for (const wheel::Line line : lines) {
        QStringList ticket;
        for (int p = 0; p < 6; ++p)
            if (line & (wheel::Line{1} << p))
                ticket << QString::number(numbers[p]);
        expected << ticket.join(QLatin1Char(' '));
    }

    startProgram(database_);
    chooseLottery(QStringLiteral("Canada"), QStringLiteral("Four of 12"));
    click("nextButton");
    for (int n : numbers)
        tap(n);
    click("nextButton");
    QCOMPARE(page(), 2);
    auto *types = widget<PageTabs>("wheelTypeTabs");
    if (key)
        QTest::mouseClick(types->tabBar(), Qt::LeftButton, {}, types->tabBar()->tabRect(1).center());
    auto *list = widget<QComboBox>(key ? "wheelBox1" : "wheelBox0");
    int row = -1;
    for (int i = 0; i < list->count(); ++i)
        if (list->itemText(i).startsWith(guarantee) && list->itemText(i).endsWith(QStringLiteral("(your own wheel)")))
            row = i;
    QVERIFY2(row >= 0, qPrintable(guarantee));
    list->setCurrentIndex(row);
    QCOMPARE(app->mainWindow()->wheelPage()->chosenWheel()->origin, WheelOrigin::Own);
    click("generateButton");
    QVERIFY2(alerts.isEmpty(), alerts.isEmpty() ? "" : qPrintable(alerts.first().message));
    QCOMPARE(page(), 3);
    QCOMPARE(tickets(), expected);

    // The command line plays the own wheel where it has fewer tickets, and on --own.
    const Run r = run(ticketsCommand(guarantee, key, key));
    QVERIFY2(r.status == 0, qPrintable(r.err));
    QCOMPARE(r.out, expected.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    QVERIFY2(r.err.contains(QStringLiteral("from your own")), qPrintable(r.err));
    // Without --own an equal count plays the shipped wheel, and says so.
    if (key) {
        const Run shipped = run(ticketsCommand(guarantee, key, false));
        QVERIFY2(shipped.err.contains(QStringLiteral("from the shipped key wheel")), qPrintable(shipped.err));
        QVERIFY(shipped.out != r.out);
    }
}

// The window paints before it opens the player's library or makes the later pages; what the
// library had wrong is told then, the pages take their places in the steps, and the library's
// wheels are there when the wheel page needs them.
void TestPlay::libraryOpensAfterTheFirstPaint()
{
    const QString damaged = path("damaged-own.sqlite3");
    QFile f(damaged);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(8192, 'x'));
    f.close();
    app = std::make_unique<Application>(database_, damaged);
    app->start(Application::Library::AfterFirstPaint);
    QVERIFY(alerts.isEmpty());
    QVERIFY(QFile::exists(damaged)); // not touched before the window shows
    MainWindow *window = app->mainWindow();
    QVERIFY(!window->findChild<NumberPage *>());
    QVERIFY(!window->findChild<WheelPage *>());
    window->show();
    QTRY_COMPARE(alerts.size(), 1);
    auto *steps = window->findChild<QTabWidget *>(QStringLiteral("mainTabs"));
    QTRY_VERIFY(qobject_cast<TicketPage *>(steps->widget(MainWindow::TicketStep)));
    QVERIFY(qobject_cast<NumberPage *>(steps->widget(MainWindow::NumberStep)));
    QVERIFY(qobject_cast<WheelPage *>(steps->widget(MainWindow::WheelStep)));
    QCOMPARE(steps->tabText(MainWindow::WheelStep), QStringLiteral("3  Wheel"));
    QCOMPARE(steps->currentIndex(), int(MainWindow::LotteryStep));
    QVERIFY2(alerts.first().message.contains(QStringLiteral("damaged-own.sqlite3")),
             qPrintable(alerts.first().message));

    // A sound library opened the same way lists its wheels on the wheel page.
    alerts.clear();
    app = std::make_unique<Application>(database_, library_);
    app->start(Application::Library::AfterFirstPaint);
    app->mainWindow()->show();
    chooseLottery(QStringLiteral("Canada"), QStringLiteral("Four of 12"));
    click("nextButton");
    for (int n : {7, 3, 11, 9, 1, 5})
        tap(n);
    click("nextButton");
    QVERIFY(widget<QComboBox>("wheelBox0")->findText(QStringLiteral("1 if 2"), Qt::MatchStartsWith) >= 0);
    QVERIFY(alerts.isEmpty());
}

// The comparison and the draw histories work on what the pages hold: a wheel chosen in the
// comparison is the one the wheel page plays, the tickets shown are checked against the stored
// draws, a draw of that history opens in the single-draw check, and `check --draws` gives the
// same rows from a results file.
void TestPlay::reviewWindowsFollowThePlay()
{
    {
        OwnWheels own;
        QVERIFY(own.open(path("own-wheels.sqlite3")));
        const QList<StoredDraw> draws{{QDate(2026, 11, 7), {1, 3, 5, 7}, {}, {}},
                                      {QDate(2026, 11, 14), {2, 4, 6, 8}, {}, {}}};
        QVERIFY(own.addDraws(QStringLiteral("Canada"), QStringLiteral("Four of 12"), draws).ok());
    }
    startProgram(database_);
    chooseLottery(QStringLiteral("Canada"), QStringLiteral("Four of 12"));
    click("nextButton");
    for (int n : {7, 3, 11, 9, 1, 5})
        tap(n);
    click("nextButton");

    click("compareButton");
    WheelCompareWindow *compare = app->review()->compareWindow();
    QVERIFY(compare->isVisible());
    QTRY_VERIFY(compare->tableCounted());
    const auto key = std::find_if(compare->wheels().begin(), compare->wheels().end(),
                                  [](const ComparedWheel &w) { return w.offer.type == WheelType::Key; });
    QVERIFY(key != compare->wheels().end());
    emit compare->wheelChosen(key->offer);
    auto *page = app->mainWindow()->wheelPage();
    QCOMPARE(page->wheelType(), WheelType::Key);
    QCOMPARE(page->chosenWheel(), std::optional<WheelOffer>(key->offer));

    // The wheel's past draws, beside its exact odds, before a ticket is made.
    click("pastDrawsButton");
    DrawHistoryWindow *wheelHistory = app->review()->wheelHistoryWindow();
    QVERIFY(wheelHistory->isVisible());
    QTRY_VERIFY(wheelHistory->besideOdds().has_value());
    QCOMPARE(wheelHistory->besideOdds()->draws, qsizetype(2));
    QVERIFY(!wheelHistory->besideOdds()->rows.isEmpty());

    click("generateButton");
    const QList<TicketNumbers> shown = app->mainWindow()->ticketPage()->sheet().tickets;
    QVERIFY(!shown.isEmpty());
    click("checkDrawsButton");
    DrawHistoryWindow *history = app->review()->ticketHistoryWindow();
    QTRY_COMPARE(history->result().draws.size(), 2);
    QCOMPARE(history->result().tickets, shown.size());
    // The wheel's window counted the very tickets Generate made.
    QCOMPARE(wheelHistory->result().tickets, shown.size());
    for (int i = 0; i < 2; ++i)
        QCOMPARE(wheelHistory->result().draws[i].ticketsPerMatches, history->result().draws[i].ticketsPerMatches);
    QVERIFY(!history->besideOdds().has_value());
    const StoredDraw first{QDate(2026, 11, 7), {1, 3, 5, 7}, {}, {}};
    emit history->drawChosen(first);
    const auto &single = app->drawCheckWindow()->result();
    QVERIFY(single.has_value());
    QCOMPARE(single->tickets.size(), shown.size());
    QCOMPARE(single->ticketsPerMatches, history->result().draws.first().ticketsPerMatches);

    // The same tickets saved, against a results file of the same two draws.
    const QString saved = path("review.txt");
    SavePanel::setResponder([saved](const SavePanel::Done &done) { done(saved); });
    click("saveButton");
    app->finishSaves();
    const QString results = path("results.csv");
    QFile f(results);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("date,n1,n2,n3,n4\n2026-11-07,1,3,5,7\n2026-11-14,2,4,6,8\n");
    f.close();
    const Run r = run(
        {QStringLiteral("check"), QStringLiteral("--database"), database_, QStringLiteral("--draws"), results, saved});
    QVERIFY2(r.status == 0, qPrintable(r.err));
    QVERIFY2(r.out.contains(QStringLiteral("2026-11-07")) && r.out.contains(QStringLiteral("2026-11-14")),
             qPrintable(r.out));
}

// What `tickets` writes, `check` reads: the saved file's bytes, the printed lines and the CSV.
void TestPlay::subcommandsCompose()
{
    // The window's Save of the same wheel over the same numbers.
    startProgram(database_);
    chooseLottery(QStringLiteral("Canada"), QStringLiteral("Four of 12"));
    click("nextButton");
    for (int n : {7, 3, 11, 9, 1, 5})
        tap(n);
    click("nextButton");
    auto *list = widget<QComboBox>("wheelBox0");
    list->setCurrentIndex(0); // the shipped "2 if 2"
    QCOMPARE(list->currentText(), QStringLiteral("2 if 2       Tickets:4"));
    click("generateButton");
    const QString saved = path("saved.txt");
    SavePanel::setResponder([saved](const SavePanel::Done &done) { done(saved); });
    click("saveButton");
    app->finishSaves();

    // Without the own library, whose "2 if 2" has fewer tickets, the shipped wheel is played.
    QStringList arguments = ticketsCommand(QStringLiteral("2 if 2"), false, false);
    arguments[arguments.indexOf(QStringLiteral("--library")) + 1] = path("none.sqlite3");
    const QString written = path("written.txt");
    const Run toFile = run(arguments + QStringList{QStringLiteral("--output"), written});
    QVERIFY2(toFile.status == 0 && toFile.out.isEmpty(), qPrintable(toFile.err));
    QFile a(saved);
    QFile b(written);
    QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    QCOMPARE(b.readAll(), a.readAll());

    // Printed lines and the CSV export name no lottery: the command line does.
    const Run printed = run(arguments);
    QVERIFY(printed.status == 0);
    const QString lines = path("lines.txt");
    QFile out(lines);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(printed.out.toUtf8());
    out.close();
    const QString csv = path("tickets.csv");
    SavePanel::setResponder([csv](const SavePanel::Done &done) { done(csv); });
    emit app->mainWindow()->exportCsvRequested();
    app->finishSaves();
    const QStringList check{QStringLiteral("check"), QStringLiteral("--draw"), QStringLiteral("7 3 11 12"),
                            QStringLiteral("--database"), database_};
    const QStringList lottery{QStringLiteral("--country"), QStringLiteral("Canada"), QStringLiteral("--lottery"),
                              QStringLiteral("Four of 12")};
    const Run ofFile = run(check + QStringList{saved});
    QVERIFY2(ofFile.status == 0, qPrintable(ofFile.err));
    const QString summary = ofFile.out.section(QStringLiteral("Summary: "), 1);
    QVERIFY(!summary.isEmpty());
    for (const QString &other : {lines, csv}) {
        const Run r = run(check + lottery + QStringList{other});
        QVERIFY2(r.status == 0, qPrintable(r.err));
        QCOMPARE(r.out.section(QStringLiteral("Summary: "), 1), summary);
        const Run unnamed = run(check + QStringList{other});
        QCOMPARE(unnamed.status, 2);
        QVERIFY2(unnamed.err.contains(QStringLiteral("give --country and --lottery")), qPrintable(unnamed.err));
    }

    // And through a pipe, from the program itself: tickets | check -.
    const QString program = QStringLiteral(WHEELWRIGHT);
    QProcess producer;
    QProcess consumer;
    producer.setStandardOutputProcess(&consumer);
    producer.start(program, arguments);
    consumer.start(program, check + lottery + QStringList{QStringLiteral("-")});
    QVERIFY(producer.waitForFinished(60000) && consumer.waitForFinished(60000));
    QCOMPARE(consumer.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(consumer.readAllStandardOutput()).section(QStringLiteral("Summary: "), 1), summary);
}

// The check takes the lottery's whole facts: a bonus game's own file, the supplementary ball,
// the size of a ticket.
void TestPlay::checkKnowsTheWholeLottery()
{
    const QStringList base{QStringLiteral("check"), QStringLiteral("--database"), database_};
    const auto file = [&](const char *name, const QString &lottery, const QStringList &tickets) {
        const QString p = path(name);
        QFile f(p);
        f.open(QIODevice::WriteOnly);
        f.write(ticketFileBytes(ticketFileText(QStringLiteral("Canada"), lottery, 1, tickets)));
        return p;
    };
    const QString star = file("star.txt", QStringLiteral("Four and a star"),
                              {QStringLiteral("1 2 3 4 + 5"), QStringLiteral("5 6 7 8 + 2")});
    Run r = run(base + QStringList{QStringLiteral("--draw"), QStringLiteral("1 2 9 10"), QStringLiteral("--bonus"),
                                   QStringLiteral("5"), star});
    QVERIFY2(r.status == 0, qPrintable(r.err));
    QVERIFY2(r.out.contains(QStringLiteral("1 ticket reaches the lowest prize")), qPrintable(r.out));
    // The supplementary ball comes from the main pool.
    const QString ball = file("ball.txt", QStringLiteral("Four and a ball"), {QStringLiteral("1 2 3 4")});
    r = run(base + QStringList{QStringLiteral("--draw"), QStringLiteral("1 2 3 10"), QStringLiteral("--bonus"),
                               QStringLiteral("4"), ball});
    QVERIFY2(r.status == 0, qPrintable(r.err));
    // A ticket of another size is not one of this lottery; nor is an empty bonus.
    const QString five = file("five.txt", QStringLiteral("Four of 12"), {QStringLiteral("1 2 3 4 5")});
    r = run(base + QStringList{QStringLiteral("--draw"), QStringLiteral("1 2 3 4"), five});
    QCOMPARE(r.status, 1);
    QVERIFY2(r.err.contains(QStringLiteral("holds 4 numbers, this one holds 5")), qPrintable(r.err));
    r = run(base + QStringList{QStringLiteral("--draw"), QStringLiteral("1 2 3 4"), QStringLiteral("--bonus"),
                               QString(), star});
    QCOMPARE(r.status, 2);
}

// A prize no ticket can reach is not known, a query that fails names its file, and a write to
// a full disk is a failure.
void TestPlay::damageIsNamedAndOutputChecked()
{
    const QStringList odds{QStringLiteral("odds"),      QStringLiteral("--country"), QStringLiteral("Canada"),
                           QStringLiteral("--numbers"), QStringLiteral("6"),         QStringLiteral("--wheel"),
                           QStringLiteral("2 if 2"),    QStringLiteral("--library"), path("none.sqlite3"),
                           QStringLiteral("--lottery")};
    Run r = run(odds + QStringList{QStringLiteral("Ninety-nine"), QStringLiteral("--database"), database_});
    QCOMPARE(r.status, 0);
    QVERIFY2(r.out.contains(QStringLiteral("The lowest prize of this lottery is not known here.")), qPrintable(r.out));
    const QString renamed = path("renamed.sqlite3");
    QFile::remove(renamed);
    QVERIFY(QFile::copy(database_, renamed));
    QVERIFY(execute(renamed, "ALTER TABLE wheelsurvey RENAME COLUMN ticket TO tickets;"));
    r = run(odds + QStringList{QStringLiteral("Four of 12"), QStringLiteral("--database"), renamed});
    QCOMPARE(r.status, 1);
    QVERIFY2(r.err.contains(renamed) && r.err.contains(QStringLiteral("no such column")), qPrintable(r.err));

    // Columns without a type hold counts as numbers; the wheels are found all the same.
    const QString typeless = path("typeless.sqlite3");
    QFile::remove(typeless);
    QVERIFY(execute(typeless,
                    "CREATE TABLE lottery(country, lotteryname, ifrom, imatch);"
                    "CREATE TABLE wheelsurvey(pick, wheeltype, xyoption, zoption, ticket);"
                    "CREATE TABLE wheels(pick, wheeltype, xyoption, zoption, digitalstring);"
                    "INSERT INTO lottery VALUES('Canada','Four of 12',12,4);"
                    "INSERT INTO wheelsurvey VALUES(4,'a','1 if 1',6,2);"
                    "INSERT INTO wheels VALUES(4,'a','1 if 1',6,'01-02-03-04'),(4,'a','1 if 1',6,'03-04-05-06');"));
    r = run({QStringLiteral("tickets"), QStringLiteral("--country"), QStringLiteral("Canada"),
             QStringLiteral("--lottery"), QStringLiteral("Four of 12"), QStringLiteral("--numbers"),
             QStringLiteral("1,2,3,4,5,6"), QStringLiteral("--wheel"), QStringLiteral("1 if 1"),
             QStringLiteral("--database"), typeless, QStringLiteral("--library"), path("none.sqlite3")});
    QVERIFY2(r.status == 0, qPrintable(r.err));
    QCOMPARE(r.out, QStringLiteral("1 2 3 4\n3 4 5 6\n"));

    for (const QStringList &arguments : {QStringList{QStringLiteral("--help")},
                                         odds + QStringList{QStringLiteral("Four of 12"), QStringLiteral("--database"),
                                                            database_, QStringLiteral("--json")}}) {
        QProcess program;
        program.setStandardOutputFile(QStringLiteral("/dev/full"));
        program.start(QStringLiteral(WHEELWRIGHT), arguments);
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitCode(), 1);
        const QString err = QString::fromUtf8(program.readAllStandardError());
        QVERIFY2(err.contains(QStringLiteral("could not be written")) && err.count(QLatin1Char('\n')) == 1,
                 qPrintable(err));
    }
}

void TestPlay::hostileInputIsRefused_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    const QStringList odds{QStringLiteral("odds"),      QStringLiteral("--country"), QStringLiteral("Canada"),
                           QStringLiteral("--numbers"), QStringLiteral("6"),         QStringLiteral("--lottery")};
    const QStringList tickets{QStringLiteral("tickets"),   QStringLiteral("--country"),   QStringLiteral("Canada"),
                              QStringLiteral("--numbers"), QStringLiteral("1,2,3,4,5,6"), QStringLiteral("--lottery")};
    const QString four = QStringLiteral("Four of 12");
    const QString wheel = QStringLiteral("--wheel");
    QTest::newRow("tickets: the count is right, the guarantee is not")
        << tickets + QStringList{four, wheel, QStringLiteral("3 if 3")} << 1
        << QStringLiteral("does not keep its guarantee");
    QTest::newRow("odds: the same wheel") << odds + QStringList{four, wheel, QStringLiteral("3 if 3")} << 1
                                          << QStringLiteral("does not keep its guarantee");
    QTest::newRow("tickets: a pool of 0 is the database's fault")
        << tickets + QStringList{QStringLiteral("Broken"), wheel, QStringLiteral("2 if 2")} << 1
        << QStringLiteral("cannot be played: the wheel database holds no usable size");
    QTest::newRow("odds: nine stars of five")
        << odds + QStringList{QStringLiteral("Too many stars"), wheel, QStringLiteral("2 if 2")} << 1
        << QStringLiteral("asks for 9 bonus numbers from a bonus pool of 5");
    QTest::newRow("odds: escapes in a stored name")
        << odds + QStringList{four, wheel, QStringLiteral("2 if 2[2J")} << 1 << QStringLiteral("there are");
}

// Each refusal is one line of printable text on standard error, nothing on standard output.
void TestPlay::hostileInputIsRefused()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, message);
    const Run r = run(arguments + QStringList{QStringLiteral("--database"), database_, QStringLiteral("--library"),
                                              path("no-library.sqlite3")});
    QCOMPARE(r.status, status);
    QCOMPARE(r.out, QString());
    QVERIFY2(r.err.contains(message), qPrintable(r.err));
    QCOMPARE(r.err.count(QLatin1Char('\n')), 1);
    for (const QChar c : r.err.chopped(1))
        QVERIFY2(c.isPrint(), qPrintable(r.err));
    QVERIFY(!QFile::exists(path("no-library.sqlite3"))); // a command never makes a library

    // A named pipe is refused before it is read, and a 15 KB line is not quoted whole.
    const QString fifo = path("pipe");
    QFile::remove(fifo);
    QCOMPARE(mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    const Run piped = run({QStringLiteral("check"), QStringLiteral("--draw"), QStringLiteral("1 2 3 4"), fifo});
    QCOMPARE(piped.status, 1);
    QVERIFY2(piped.err.contains(QStringLiteral("not a regular file")), qPrintable(piped.err));
    const QString longLine = path("long.txt");
    QFile f(longLine);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(ticketFileBytes(QStringLiteral("Kountry:") + QString(15000, QLatin1Char('\x1b')) + QStringLiteral("\r\n")));
    f.close();
    const Run shown = run({QStringLiteral("check"), QStringLiteral("--draw"), QStringLiteral("1 2 3 4"), longLine});
    QCOMPARE(shown.status, 1);
    QVERIFY2(shown.err.size() < 300 && !shown.err.contains(QLatin1Char('\x1b')), qPrintable(shown.err));
    // A Country line that would retitle and clear a terminal reaches it as harmless text.
    const QString escapes = path("escapes.txt");
    QFile e(escapes);
    QVERIFY(e.open(QIODevice::WriteOnly));
    e.write(ticketFileBytes(ticketFileText(QStringLiteral("\x1b]0;owned\x07\x1b[2J"), QStringLiteral("Lotto"), 0,
                                           {QStringLiteral("1 2 3 4")})));
    e.close();
    const Run clean = run({QStringLiteral("check"), QStringLiteral("--draw"), QStringLiteral("1 2 3 4"), escapes});
    QCOMPARE(clean.status, 0);
    QVERIFY2(!clean.out.contains(QLatin1Char('\x1b')) && !clean.out.contains(QLatin1Char('\x07')),
             qPrintable(clean.out));
}

QTEST_MAIN(TestPlay)
#include "test_play.moc"
