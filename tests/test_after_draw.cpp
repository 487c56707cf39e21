// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// After the draw, through the real windows on the offscreen platform: checking the tickets
// shown, opening a saved ticket file, printing, the PDF and the CSV. Every panel is answered
// through its seam, so nothing waits on a dialog.
#include "GuiDriver.h"
#include "app/Application.h"
#include "core/Settings.h"
#include "core/TicketFile.h"
#include "core/TicketFileReader.h"
#include "ui/DrawCheckWindow.h"
#include "ui/FormatMatrix.h"
#include "ui/MainWindow.h"
#include "ui/NumberButton.h"
#include "ui/NumberGridView.h"
#include "ui/PageTabs.h"
#include "ui/Panels.h"
#include "ui/TicketPrinter.h"
#include "ui/TicketTable.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <set>

namespace {
// The numbers of a ticket line, main ones before " + ", bonus ones after, read without the
// program's own parser.
std::pair<std::set<int>, std::set<int>> numbersOf(const QString &line)
{
    const QStringList halves = line.split(QLatin1Char('+'));
    std::pair<std::set<int>, std::set<int>> out;
    static const QRegularExpression digits(QStringLiteral("\\d+"));
    for (int h = 0; h < halves.size(); ++h)
        for (const auto &m : digits.globalMatch(halves[h]))
            (h == 0 ? out.first : out.second).insert(m.captured().toInt());
    return out;
}

// The first `count` tickets of six numbers out of 1..pool, in the order of combinations.
QStringList combinations(int count, int pool, int format)
{
    QStringList out;
    QList<int> c{1, 2, 3, 4, 5, 6};
    while (out.size() < count) {
        out << formatTicket({c, {}, 0}, format);
        int i = 5;
        while (i >= 0 && c[i] == pool - 5 + i)
            --i;
        if (i < 0)
            break;
        ++c[i];
        for (int j = i + 1; j < 6; ++j)
            c[j] = c[j - 1] + 1;
    }
    return out;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray ticketFile(const QString &country, const QString &lottery, int key, const QStringList &tickets)
{
    return ticketFileBytes(ticketFileText(country, lottery, key, tickets));
}
} // namespace

class TestAfterDraw : public QObject, private GuiDriver {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void checkingADrawMarksEveryTicket_data();
    void checkingADrawMarksEveryTicket();
    void bonusDrawsOfABonusGame();
    void savedTicketsOpenAgain_data();
    void savedTicketsOpenAgain();
    void failedOpensKeepTheScreen_data();
    void failedOpensKeepTheScreen();
    void pagesHoldEveryTicketOnce_data();
    void pagesHoldEveryTicketOnce();
    void longWheelPrintsWhole();
    void printingGoesThroughThePrintPanel();
    void printModuleShowsTheDialogs();
    void csvHoldsTheTickets();
    void screenshots();

private:
    template <class T> T *drawWidget(const char *name) const
    {
        return app->drawCheckWindow()->findChild<T *>(QLatin1String(name));
    }
    void start() { startProgram(QStringLiteral(DATABASE)); }
    void trigger(const char *action);
    // `wheel`: the guarantee of the type-A wheel to use ("4 if 4"); empty: the first listed.
    void makeTickets(const QString &country, const QString &lottery, const QList<int> &numbers, int format = 0,
                     const QString &wheel = QString());
    void open(const QString &path);
    void checkDraw(const QString &main, const QString &bonus = QString());
};

void TestAfterDraw::init()
{
    prepare();
}

void TestAfterDraw::cleanup()
{
    finish();
}

void TestAfterDraw::trigger(const char *action)
{
    auto *a = widget<QAction>(action);
    QVERIFY2(a && a->isEnabled(), action);
    a->trigger();
}

void TestAfterDraw::makeTickets(const QString &country, const QString &lottery, const QList<int> &numbers, int format,
                                const QString &wheel)
{
    chooseLottery(country, lottery);
    click(widget<QAbstractButton>("nextButton"));
    for (const int n : numbers)
        click(widget<NumberGridView>("numberGrid")->button(n));
    click(widget<QAbstractButton>("nextButton"));
    widget<FormatMatrix>("formatMatrix")->setFormat(format);
    if (!wheel.isEmpty()) {
        auto *list = widget<QComboBox>("wheelBox0");
        list->setCurrentIndex(list->findText(wheel + QLatin1Char(' '), Qt::MatchStartsWith));
        QVERIFY2(list->currentIndex() >= 0, qPrintable(wheel));
    }
    click(widget<QAbstractButton>("generateButton"));
    QCOMPARE(page(), int(MainWindow::TicketStep));
    QVERIFY(alerts.isEmpty());
}

void TestAfterDraw::open(const QString &file)
{
    OpenPanel::setResponder([file](const OpenPanel::Done &done) { done(file); });
    trigger("openAction");
}

void TestAfterDraw::checkDraw(const QString &main, const QString &bonus)
{
    click(widget<QAbstractButton>("checkButton"));
    QVERIFY(app->drawCheckWindow()->isVisible());
    drawWidget<QLineEdit>("drawnField")->setText(main);
    drawWidget<QLineEdit>("bonusField")->setText(bonus);
    click(drawWidget<QAbstractButton>("drawCheckButton"));
}

void TestAfterDraw::checkingADrawMarksEveryTicket_data()
{
    QTest::addColumn<QString>("draw");
    QTest::addColumn<QString>("bonus");
    QTest::addColumn<QString>("refusal"); // empty: the draw is checked
    QTest::newRow("spaces") << "5 17 3 41 9 12"
                            << ""
                            << "";
    QTest::newRow("commas, with the bonus") << "3,5,9,12,17,20"
                                            << "8"
                                            << "";
    QTest::newRow("dashes, all drawn") << "3-5-8-9-12-17"
                                       << ""
                                       << "";
    QTest::newRow("out of the pool") << "5 17 3 41 9 50"
                                     << ""
                                     << "50 is outside the numbers 1 to 49";
    QTest::newRow("drawn twice") << "5 17 3 41 9 9"
                                 << ""
                                 << "9 is drawn twice";
    QTest::newRow("too few") << "5 17 3 41 9"
                             << ""
                             << "6 numbers are drawn in this lottery, 5 given";
    QTest::newRow("too many") << "5 17 3 41 9 12 13"
                              << ""
                              << "6 numbers are drawn in this lottery, 7 given";
    QTest::newRow("a letter") << "5 17 x 41 9 12"
                              << ""
                              << "\"x\" is not a lottery number";
    QTest::newRow("bonus among the main") << "5 17 3 41 9 12"
                                          << "17"
                                          << "bonus number 17 is also one of the main numbers drawn";
    QTest::newRow("nothing typed") << ""
                                   << ""
                                   << "no drawn numbers were given";
}

void TestAfterDraw::checkingADrawMarksEveryTicket()
{
    QFETCH(QString, draw);
    QFETCH(QString, bonus);
    QFETCH(QString, refusal);
    start();
    makeTickets(QStringLiteral("Canada"), QStringLiteral("Lotto 6/49"), {4, 3, 5, 8, 9, 12, 17, 20, 25, 41}, 0,
                QStringLiteral("4 if 4"));
    const QStringList shown = tickets();
    QVERIFY(shown.size() > 5);
    // A good draw first, so a refused one must also take its marks away.
    checkDraw(QStringLiteral("1 2 3 4 5 6"));
    QVERIFY(app->drawCheckWindow()->result());
    checkDraw(draw, bonus);
    const auto *model = widget<QTableView>("ticketTable")->model();
    QVERIFY(alerts.isEmpty());
    if (!refusal.isEmpty()) {
        QVERIFY(!app->drawCheckWindow()->result());
        QVERIFY2(drawWidget<QLabel>("drawMessage")->text().contains(refusal, Qt::CaseInsensitive),
                 qPrintable(drawWidget<QLabel>("drawMessage")->text()));
        QVERIFY(!model->index(0, 0).data(TicketTableModel::MainMatchesRole).isValid());
        QCOMPARE(model->index(0, 0).data(Qt::AccessibleTextRole).toString(), shown[0]);
        return;
    }
    QVERIFY(drawWidget<QLabel>("drawMessage")->text().isEmpty());

    // The counts per match, and each row's marks, against a count of the test's own.
    const auto drawn = numbersOf(draw).first;
    const auto drawnBonus = numbersOf(bonus).first;
    QMap<int, int> perMatches;
    int prize = 0;
    for (int r = 0; r < shown.size(); ++r) {
        const auto ticket = numbersOf(shown[r]).first;
        QList<int> matched;
        for (const int n : numbersOf(shown[r].split(QLatin1Char('+')).first()).first)
            if (drawn.count(n))
                matched << n;
        ++perMatches[int(matched.size())];
        prize += matched.size() >= 2 ? 1 : 0; // the lowest prize of Lotto 6/49: 2 matches
        const QModelIndex index = model->index(r, 0);
        QList<int> marked = index.data(TicketTableModel::MainMatchesRole).value<QList<int>>();
        std::sort(marked.begin(), marked.end());
        QCOMPARE(marked, matched);
        QList<int> bonusMarked = index.data(TicketTableModel::BonusMatchesRole).value<QList<int>>();
        QList<int> bonusExpected;
        for (const int n : ticket)
            if (drawnBonus.count(n))
                bonusExpected << n;
        std::sort(bonusMarked.begin(), bonusMarked.end());
        QCOMPARE(bonusMarked, bonusExpected);
        const QString spoken = index.data(Qt::AccessibleTextRole).toString();
        QVERIFY2(spoken.startsWith(QStringLiteral("ticket %1: %2 match").arg(r + 1).arg(matched.size())) ||
                     (matched.isEmpty() && spoken.startsWith(QStringLiteral("ticket %1: no matches").arg(r + 1))),
                 qPrintable(spoken));
    }
    QCOMPARE(app->drawCheckWindow()->result()->ticketsPerMatches, perMatches);
    QCOMPARE(app->drawCheckWindow()->result()->prizeTickets, prize);
    QVERIFY(drawWidget<QLabel>("drawPrize")->text().contains(QStringLiteral("lowest prize (2 matches)")));
    const int most = perMatches.lastKey();
    QVERIFY2(drawWidget<QLabel>("drawSummary")->text().contains(QStringLiteral(" with %1 match").arg(most)),
             qPrintable(drawWidget<QLabel>("drawSummary")->text()));

    // New tickets take the marks away and reach the open window.
    click(widget<QAbstractButton>("previousButton"));
    click(widget<QAbstractButton>("generateButton"));
    QVERIFY(!model->index(0, 0).data(TicketTableModel::MainMatchesRole).isValid());
    QVERIFY(!app->drawCheckWindow()->result());
}

void TestAfterDraw::bonusDrawsOfABonusGame()
{
    // New Zealand's Lotto Powerball: six of 1..40, one Powerball of 1..10, lowest prize 3 + 1.
    const QStringList lines{QStringLiteral("1 2 3 4 5 6 + 7"), QStringLiteral("1 2 3 10 11 12 + 7"),
                            QStringLiteral("1 2 3 20 21 22 + 3"), QStringLiteral("30 31 32 33 34 35 + 7")};
    writeFile(path("powerball.txt"),
              ticketFile(QStringLiteral("New Zealand"), QStringLiteral("Lotto Powerball"), 1, lines));
    start();
    open(path("powerball.txt"));
    QVERIFY2(alerts.isEmpty(), alerts.isEmpty() ? "" : qPrintable(alerts.first().message));
    QCOMPARE(tickets(), lines);
    checkDraw(QStringLiteral("1 2 3 36 37 38"), QStringLiteral("7"));
    const auto &result = app->drawCheckWindow()->result();
    QVERIFY(result);
    QCOMPARE(result->ticketsPerMatches, (QMap<int, int>{{0, 1}, {3, 3}}));
    QCOMPARE(result->prizeTickets, 2);
    QCOMPARE(widget<QTableView>("ticketTable")->model()->index(1, 0).data(Qt::AccessibleTextRole).toString(),
             QStringLiteral("ticket 2: 3 matches: 1 2 3, bonus 7, reaches the lowest prize"));
    // The Powerball comes from its own pool: 11 is not one of it, and 3 may be drawn again.
    checkDraw(QStringLiteral("1 2 3 36 37 38"), QStringLiteral("11"));
    QVERIFY(drawWidget<QLabel>("drawMessage")->text().contains(QStringLiteral("outside the numbers 1 to 10")));
    checkDraw(QStringLiteral("1 2 3 36 37 38"), QStringLiteral("3"));
    QCOMPARE(app->drawCheckWindow()->result()->prizeTickets, 1);
    // Without the Powerball the lowest prize cannot be judged, and the window says why.
    checkDraw(QStringLiteral("1 2 3 36 37 38"));
    QVERIFY(drawWidget<QLabel>("drawPrize")->text().contains(QStringLiteral("bonus numbers too")));
}

void TestAfterDraw::savedTicketsOpenAgain_data()
{
    QTest::addColumn<int>("format");
    for (int f = 0; f < 8; ++f)
        QTest::addRow("format %d", f) << f;
}

void TestAfterDraw::savedTicketsOpenAgain()
{
    QFETCH(int, format);
    start();
    makeTickets(QStringLiteral("Canada"), QStringLiteral("Lotto 6/49"), {14, 3, 5, 8, 9, 12, 17, 20, 25, 41}, format);
    const QStringList made = tickets();
    SavePanel::setResponder([this](const SavePanel::Done &done) { done(path("saved.txt")); });
    click(widget<QAbstractButton>("saveButton"));
    app->finishSaves();
    // Another lottery's tickets on screen, then the saved ones opened over them.
    click(widget<QAbstractButton>("startOverButton"));
    makeTickets(QStringLiteral("Australia"), QStringLiteral("Saturday Lotto"), {1, 2, 3, 4, 5, 6, 7});
    open(path("saved.txt"));
    QVERIFY2(alerts.isEmpty(), alerts.isEmpty() ? "" : qPrintable(alerts.first().message));
    QCOMPARE(page(), int(MainWindow::TicketStep));
    QCOMPARE(tickets(), made);
    QCOMPARE(widget<QLabel>("ticketLotteryLabel")->text(), QStringLiteral("Lotto 6/49"));
    // Saved again, the file is the same, key and country included.
    SavePanel::setResponder([this](const SavePanel::Done &done) { done(path("again.txt")); });
    click(widget<QAbstractButton>("saveButton"));
    app->finishSaves();
    QCOMPARE(readFile(path("again.txt")), readFile(path("saved.txt")));
}

void TestAfterDraw::failedOpensKeepTheScreen_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("where"); // ":line:" the alert names after the file
    const QString ca = QStringLiteral("Canada");
    const QString lotto = QStringLiteral("Lotto 6/49");
    const QStringList good{QStringLiteral("1 2 3 4 5 6"), QStringLiteral("7 8 9 10 11 12")};
    const QByteArray whole = ticketFile(ca, lotto, 1, good);
    QTest::newRow("empty file") << QByteArray() << ":";
    QTest::newRow("not a ticket file") << QByteArray("Dear diary,\nthe draw is tonight.\n") << ":";
    QTest::newRow("truncated in the header") << whole.left(30) << ":2:";
    QTest::newRow("cut inside a character") << whole.left(whole.size() - 3) << ":";
    QTest::newRow("a letter in a ticket")
        << ticketFile(ca, lotto, 1, {good[0], QStringLiteral("7 8 x 10 11 12")}) << ":6:";
    QTest::newRow("unknown lottery") << ticketFile(ca, QStringLiteral("Lotto 7/77"), 1, good) << ":2:";
    QTest::newRow("unknown country") << ticketFile(QStringLiteral("Atlantis"), lotto, 1, good) << ":1:";
    QTest::newRow("number out of range") << ticketFile(ca, lotto, 1, {good[0], QStringLiteral("7 8 9 10 11 50")})
                                         << ":6:";
    QTest::newRow("bonus numbers in a game without a bonus pool")
        << ticketFile(ca, lotto, 1, {QStringLiteral("1 2 3 4 5 6 + 7"), QStringLiteral("7 8 9 10 11 12 + 1")}) << ":5:";
    QTest::newRow("tickets of another size")
        << ticketFile(ca, lotto, 1, {QStringLiteral("1 2 3 4 5"), QStringLiteral("7 8 9 10 11")}) << ":5:";
}

void TestAfterDraw::failedOpensKeepTheScreen()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, where);
    writeFile(path("bad.txt"), bytes);
    start();
    makeTickets(QStringLiteral("Canada"), QStringLiteral("Lotto 6/49"), {4, 3, 5, 8, 9, 12, 17, 20, 25, 41});
    const QStringList before = tickets();
    click(widget<QAbstractButton>("previousButton"));
    open(path("bad.txt"));
    QCOMPARE(alerts.size(), 1);
    const QString named = QDir::toNativeSeparators(path("bad.txt")) + where;
    QVERIFY2(alerts.first().message.contains(named), qPrintable(alerts.first().message));
    QCOMPARE(page(), int(MainWindow::WheelStep));
    QCOMPARE(tickets(), before);
    QCOMPARE(widget<QLabel>("ticketLotteryLabel")->text(), QStringLiteral("Lotto 6/49"));
    // A cancelled open changes nothing either.
    open(QString());
    QCOMPARE(alerts.size(), 1);
    QCOMPARE(page(), int(MainWindow::WheelStep));
}

void TestAfterDraw::pagesHoldEveryTicketOnce_data()
{
    QTest::addColumn<int>("tickets");
    QTest::addColumn<int>("firstRoom");
    QTest::addColumn<int>("room");
    QTest::addColumn<int>("pages");
    QTest::newRow("no tickets") << 0 << 50 << 80 << 1;
    QTest::newRow("first page full") << 50 << 50 << 80 << 1;
    QTest::newRow("one over") << 51 << 50 << 80 << 2;
    QTest::newRow("long wheel") << 2000 << 150 << 240 << 9;
    QTest::newRow("header fills the first page") << 10 << 0 << 4 << 4;
}

void TestAfterDraw::pagesHoldEveryTicketOnce()
{
    QFETCH(int, tickets);
    QFETCH(int, firstRoom);
    QFETCH(int, room);
    QFETCH(int, pages);
    const QList<PageSpan> spans = ticketPages(tickets, firstRoom, room);
    QCOMPARE(spans.size(), pages);
    qsizetype next = 0;
    for (qsizetype p = 0; p < spans.size(); ++p) {
        QCOMPARE(spans[p].first, next);
        QVERIFY(spans[p].count <= (p == 0 ? firstRoom : room));
        next += spans[p].count;
    }
    QCOMPARE(next, qsizetype(tickets));
}

void TestAfterDraw::longWheelPrintsWhole()
{
    const QStringList lines = combinations(2000, 20, 5);
    writeFile(path("long.txt"), ticketFile(QStringLiteral("Canada"), QStringLiteral("Lotto 6/49"), 1, lines));
    start();
    open(path("long.txt"));
    QCOMPARE(tickets().size(), 2000);
    SavePanel::setResponder([this](const SavePanel::Done &done) { done(path("long.pdf")); });
    trigger("exportPdfAction");
    app->finishSaves();
    QVERIFY2(alerts.isEmpty(), alerts.isEmpty() ? "" : qPrintable(alerts.first().message));
    const QByteArray pdf = readFile(path("long.pdf"));
    QVERIFY(pdf.startsWith("%PDF-"));
    static const QRegularExpression pageObject(QStringLiteral("/Type\\s*/Page[^s]"));
    const int pages = int(QString::fromLatin1(pdf).count(pageObject));
    QVERIFY2(pages > 5 && pages < 40, qPrintable(QString::number(pages)));

    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        QSKIP("pdftotext is not installed: the pages were counted, their text not read");
    QProcess run;
    run.start(pdftotext, {QStringLiteral("-layout"), path("long.pdf"), QStringLiteral("-")});
    QVERIFY(run.waitForFinished(60000));
    const QString text = QString::fromUtf8(run.readAllStandardOutput());
    // Every ticket once, whole, after its number; every page numbered.
    QMap<int, QString> found;
    static const QRegularExpression numbered(QStringLiteral("(\\d+)\\.\\s+((?:\\d\\d-){5}\\d\\d)"));
    for (const auto &m : numbered.globalMatch(text)) {
        const int n = m.captured(1).toInt();
        QVERIFY2(!found.contains(n), qPrintable(QStringLiteral("ticket %1 twice").arg(n)));
        found[n] = m.captured(2);
    }
    QCOMPARE(found.size(), 2000);
    for (int i = 0; i < 2000; ++i)
        QCOMPARE(found.value(i + 1), lines[i]);
    for (int p = 1; p <= pages; ++p)
        QVERIFY2(text.contains(QStringLiteral("Page %1 of %2").arg(p).arg(pages)), qPrintable(QString::number(p)));
    QVERIFY(text.contains(QStringLiteral("Lotto 6/49 - Canada")));
    QVERIFY(text.contains(QStringLiteral("2000 tickets")));
}

void TestAfterDraw::printingGoesThroughThePrintPanel()
{
    start();
    // Nothing to print before tickets are made.
    QVERIFY(!widget<QAction>("printAction")->isEnabled());
    makeTickets(QStringLiteral("Canada"), QStringLiteral("Lotto 6/49"), {4, 3, 5, 8, 9, 12, 17, 20, 25, 41});
    QList<PrintPanel::Kind> asked;
    PrintPanel::setResponder([&](PrintPanel::Kind kind, const PrintPanel::Paint &paint) {
        asked << kind;
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path("printed.pdf"));
        paint(&printer);
    });
    trigger("printAction");
    trigger("printPreviewAction");
    QCOMPARE(asked, (QList<PrintPanel::Kind>{PrintPanel::Print, PrintPanel::Preview}));
    QVERIFY(readFile(path("printed.pdf")).startsWith("%PDF-"));
    QVERIFY(alerts.isEmpty());
    // A printer that cannot be used is told, not passed over.
    PrintPanel::setResponder([&](PrintPanel::Kind, const PrintPanel::Paint &paint) {
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path("no/such/folder/printed.pdf"));
        paint(&printer);
    });
    trigger("printAction");
    QCOMPARE(alerts.size(), 1);
    QVERIFY(alerts.first().message.contains(QStringLiteral("could not be printed")));
}

// The dialogs themselves come from the print module, loaded on the first print: a module
// that is not found is told, one that is found shows the dialog asked for, and the preview
// asks for the pages. Each dialog is closed by a timer as soon as it is up.
void TestAfterDraw::printModuleShowsTheDialogs()
{
    QString shown;
    QTimer closer;
    closer.setInterval(10);
    connect(&closer, &QTimer::timeout, this, [&] {
        if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
            shown = QString::fromLatin1(dialog->metaObject()->className());
            dialog->reject();
        }
    });
    int painted = 0;
    const PrintPanel::Paint paint = [&](QPagedPaintDevice *device) { painted += device != nullptr; };

    PrintPanel::setModuleFolder(path("nothing-here"));
    const QString missing = PrintPanel::ask(nullptr, PrintPanel::Print, QStringLiteral("Tickets"), paint);
    QVERIFY2(missing.contains(QStringLiteral("print module")), qPrintable(missing));

    PrintPanel::setModuleFolder(QStringLiteral(PRINT_MODULE_DIR));
    closer.start();
    QCOMPARE(PrintPanel::ask(nullptr, PrintPanel::Print, QStringLiteral("Tickets"), paint), QString());
    QCOMPARE(shown, QStringLiteral("QPrintDialog"));
    QCOMPARE(painted, 0); // dismissed: nothing printed
    shown.clear();
    QCOMPARE(PrintPanel::ask(nullptr, PrintPanel::Preview, QStringLiteral("Tickets"), paint), QString());
    QCOMPARE(shown, QStringLiteral("QPrintPreviewDialog"));
    QVERIFY(painted > 0);
    closer.stop();
    PrintPanel::setModuleFolder({});
}

void TestAfterDraw::csvHoldsTheTickets()
{
    const QStringList lines{QStringLiteral("01-02-03-04-05-06 + 07"), QStringLiteral("10-20-30-31-32-40 + 01")};
    writeFile(path("nz.txt"), ticketFile(QStringLiteral("New Zealand"), QStringLiteral("Lotto Powerball"), 1, lines));
    start();
    open(path("nz.txt"));
    QVERIFY(alerts.isEmpty());
    SavePanel::setResponder([this](const SavePanel::Done &done) { done(path("nz.csv")); });
    trigger("exportCsvAction");
    app->finishSaves();
    QCOMPARE(readFile(path("nz.csv")), QByteArray("N1,N2,N3,N4,N5,N6,B1\r\n1,2,3,4,5,6,7\r\n10,20,30,31,32,40,1\r\n"));
    // A folder that is not there: the alert names the file, nothing is written.
    const QString missing = path("gone/nz.csv");
    SavePanel::setResponder([missing](const SavePanel::Done &done) { done(missing); });
    trigger("exportCsvAction");
    app->finishSaves();
    QCOMPARE(alerts.size(), 1);
    QVERIFY2(alerts.first().message.contains(QDir::toNativeSeparators(missing)), qPrintable(alerts.first().message));
    QVERIFY(!QFile::exists(missing));
}

void TestAfterDraw::screenshots()
{
    if (qEnvironmentVariableIsEmpty("WHEELWRIGHT_SCREENSHOTS"))
        QSKIP("set WHEELWRIGHT_SCREENSHOTS to render the pictures");
    const QString docs = QStringLiteral(DOCS_DIR);
    start();
    makeTickets(QStringLiteral("Canada"), QStringLiteral("Lotto 6/49"), {17, 3, 40, 8, 25, 31, 44, 12, 9, 21}, 5,
                QStringLiteral("4 if 4"));
    checkDraw(QStringLiteral("3 9 17 25 33 44"), QStringLiteral("12"));
    QVERIFY(app->drawCheckWindow()->result());
    // The word-wrapped labels take their height once the layout has run.
    QTest::qWait(50);
    app->mainWindow()->grab().save(docs + QStringLiteral("/page-tickets-checked.png"));
    app->drawCheckWindow()->grab().save(docs + QStringLiteral("/window-draw-check.png"));

    // The first printed page of these tickets, and the first two pages of a long wheel (in the
    // temporary folder, to be looked at).
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (pdftoppm.isEmpty())
        QSKIP("pdftoppm is not installed: no picture of a printed page");
    const auto render = [&](const QString &pdf, int page, const QString &png) {
        QProcess run;
        run.start(pdftoppm, {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("72"), QStringLiteral("-f"),
                             QString::number(page), QStringLiteral("-l"), QString::number(page),
                             QStringLiteral("-singlefile"), pdf, png});
        QVERIFY(run.waitForFinished(60000));
    };
    SavePanel::setResponder([this](const SavePanel::Done &done) { done(path("short.pdf")); });
    trigger("exportPdfAction");
    app->finishSaves();
    render(path("short.pdf"), 1, docs + QStringLiteral("/printed-page"));
    writeFile(path("long.txt"),
              ticketFile(QStringLiteral("Canada"), QStringLiteral("Lotto 6/49"), 1, combinations(2000, 20, 5)));
    open(path("long.txt"));
    SavePanel::setResponder([this](const SavePanel::Done &done) { done(path("long.pdf")); });
    trigger("exportPdfAction");
    app->finishSaves();
    for (const int page : {1, 2})
        render(path("long.pdf"), page, QDir::temp().filePath(QStringLiteral("wheelwright-long-page-%1").arg(page)));
}

QTEST_MAIN(TestAfterDraw)
#include "test_after_draw.moc"
