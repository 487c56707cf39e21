// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/OwnWheels.h"
#include "core/Settings.h"
#include "core/WheelValue.h"
#include "ui/DrawHistoryWindow.h"
#include "ui/Panels.h"
#include "ui/ResultsImportDialog.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <bit>
#include <cmath>

namespace {
PlayedLottery lotto()
{
    PlayedLottery lottery;
    lottery.country = QStringLiteral("Canada");
    lottery.name = QStringLiteral("Lotto 6/49");
    lottery.details.facts = {49, 6, 1, 0, 0, PrizeTier{2, 1}};
    TierRule three{QStringLiteral("3 matches"), 3, 0, 0, TierRule::Prize::Fixed, 1000, QStringLiteral("CAD")};
    lottery.details.facts.tiers = {three};
    lottery.details.pick = 6;
    lottery.details.price = 3.0;
    lottery.details.currency = QStringLiteral("CAD");
    return lottery;
}
} // namespace

class TestDrawsWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        Settings::useFile(dir_.filePath(QStringLiteral("settings.ini")));
    }
    void cleanupTestCase()
    {
        OpenPanel::setResponder({});
        Settings::useFile(QString());
    }

    // Import through the dialog: the bad line is listed, the sound ones go in, the columns are
    // remembered; the window then shows one row a draw, the totals, and a chosen row's draw.
    void importAndCheck()
    {
        const QString library = dir_.filePath(QStringLiteral("own.sqlite3"));
        const QString results = dir_.filePath(QStringLiteral("results.csv"));
        {
            QFile file(results);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("Draw;Date;A;B;C;D;E;F;Bonus\n"
                       "1;05/12/2026;1;2;3;10;11;12;7\n"
                       "2;09/12/2026;1;2;3;4;5;60;9\n"
                       "3;12/12/2026;20;21;22;23;24;25;9\n");
        }
        QList<OpenRequest> asked;
        OpenPanel::setRequestResponder([&](const OpenRequest &request, const OpenPanel::Done &done) {
            asked << request;
            done(results);
        });
        DrawHistoryWindow window;
        // Two tickets as the lines of a wheel over twelve numbers.
        const std::vector<wheel::Line> lines{0x3f, 0xfc0};
        const QList<TicketNumbers> tickets = ticketsOfWheel(lines, {1, 2, 3, 4, 5, 6, 20, 21, 30, 31, 32, 33}, {}, 0);
        QCOMPARE(tickets[1].main, (QList<int>{20, 21, 30, 31, 32, 33}));
        const WheelOffer offer{6, WheelType::TypeA, 12, QStringLiteral("1 if 1"), 2, WheelOrigin::Shipped};
        window.setTickets(lotto(), tickets, library, oddsQuestion(lotto().details, offer, lines));
        window.show();
        auto *table = window.findChild<QTableWidget *>(QStringLiteral("drawTable"));
        QVERIFY(table);
        QTRY_VERIFY(!window.counting());
        QCOMPARE(table->rowCount(), 0);

        window.findChild<QPushButton *>(QStringLiteral("importResultsButton"))->click();
        QCOMPARE(asked.size(), 1);
        QCOMPARE(asked[0].title, QStringLiteral("Import Results"));
        QCOMPARE(asked[0].filters,
                 (QStringList{QStringLiteral("Results files (*.csv *.txt)"), QStringLiteral("All files (*)")}));
        auto *dialog = window.findChild<ResultsImportDialog *>();
        QVERIFY(dialog);
        QCOMPARE(dialog->read().draws.size(), 2);
        QCOMPARE(dialog->read().badCount, 1);
        // The preview shows the lines that are read, under a row of column boxes.
        auto *preview = dialog->findChild<QTableWidget *>(QStringLiteral("resultsPreview"));
        QCOMPARE(preview->rowCount(), 5);
        QCOMPARE(preview->item(2, 1)->text(), QStringLiteral("05/12/2026"));
        QCOMPARE(preview->item(4, 8)->text(), QStringLiteral("9"));
        // Choosing what a column holds reads the file as it was when the dialog opened, not the disk.
        const QString moved = dir_.filePath(QStringLiteral("moved.csv"));
        QVERIFY(QFile::rename(results, moved));
        auto *summary = dialog->findChild<QLabel *>(QStringLiteral("resultsSummary"));
        dialog->setColumn(0, ColumnRole::Date); // the draw's count: no line then reads as a draw
        dialog->setColumn(1, ColumnRole::Ignore);
        QCOMPARE(dialog->read().badCount, 3);
        QCOMPARE(summary->text(),
                 QStringLiteral("No line of %1 is a draw of this lottery (3 bad lines).").arg(results));
        QVERIFY(!dialog->findChild<QPushButton *>(QStringLiteral("importSoundButton"))->isEnabled());
        dialog->setColumn(1, ColumnRole::Date);
        dialog->setColumn(0, ColumnRole::Ignore);
        QCOMPARE(dialog->read().draws.size(), 2);
        QVERIFY(QFile::rename(moved, results));
        QVERIFY(dialog->findChild<QPlainTextEdit *>(QStringLiteral("resultsBadLines"))
                    ->toPlainText()
                    .startsWith(QStringLiteral("Line 3: 60 is outside")));
        // Every column box has a name a screen reader can say.
        for (const QComboBox *box : dialog->findChildren<QComboBox *>())
            QVERIFY(!box->accessibleName().isEmpty());
        // Taking the bonus out of the layout still reads the same draws, without their bonus.
        dialog->setColumn(8, ColumnRole::Ignore);
        QVERIFY(dialog->read().draws[0].bonus.isEmpty());
        dialog->setColumn(8, ColumnRole::Bonus);
        QCOMPARE(dialog->read().draws[0].bonus, QList<int>{7});
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        dialog->grab().save(dir_.filePath(QStringLiteral("import.png")));
        if (qEnvironmentVariableIsSet("DRAWS_PNG_DIR"))
            dialog->grab().save(qEnvironmentVariable("DRAWS_PNG_DIR") + QStringLiteral("/import.png"));
        dialog->findChild<QPushButton *>(QStringLiteral("importSoundButton"))->click();
        QVERIFY(rememberedLayout(QStringLiteral("Canada"), QStringLiteral("Lotto 6/49")).has_value());

        QTRY_COMPARE(table->rowCount(), 2);
        QTRY_VERIFY(!window.counting());
        QCOMPARE(table->item(0, 0)->text(), QStringLiteral("2026-12-05"));
        QCOMPARE(table->item(0, 2)->text(), QStringLiteral("3"));
        QCOMPARE(table->item(0, 3)->text(), QStringLiteral("1 x 3 matches"));
        QCOMPARE(table->item(1, 2)->text(), QStringLiteral("2"));
        const QString totals = window.findChild<QLabel *>(QStringLiteral("drawTotals"))->text();
        QVERIFY2(totals.contains(QStringLiteral("Tickets bought: 4")), qPrintable(totals));
        QVERIFY(totals.contains(QStringLiteral("Cost: 12.00 CAD")));
        QVERIFY(totals.contains(QStringLiteral("Fixed prizes won: 10.00 CAD")));
        QVERIFY(window.findChild<QLabel *>(QStringLiteral("pastDrawsSentence"))->isVisible());

        QSignalSpy chosen(&window, &DrawHistoryWindow::drawChosen);
        emit table->cellDoubleClicked(1, 0);
        QCOMPARE(chosen.size(), 1);
        QCOMPARE(chosen[0][0].value<StoredDraw>().date, QDate(2026, 12, 12));
        if (qEnvironmentVariableIsSet("DRAWS_PNG_DIR"))
            window.grab().save(qEnvironmentVariable("DRAWS_PNG_DIR") + QStringLiteral("/window.png"));

        // A second import of the same file adds nothing.
        OwnWheels own;
        QVERIFY(own.open(library));
        QCOMPARE(own.draws(QStringLiteral("Canada"), QStringLiteral("Lotto 6/49")).size(), 2);
        window.findChild<QPushButton *>(QStringLiteral("importResultsButton"))->click();
        QTRY_VERIFY(window.findChild<ResultsImportDialog *>());
        auto *again = window.findChild<ResultsImportDialog *>();
        QSignalSpy imported(again, &ResultsImportDialog::imported);
        again->findChild<QPushButton *>(QStringLiteral("importSoundButton"))->click();
        QCOMPARE(imported.size(), 1);
        QCOMPARE(again->stored().added, 0);
        QCOMPARE(again->stored().alreadyStored, 2);
    }

    // A wheel's window shows beside the draws the exact odds of its tickets, as the tier count
    // gives them (or the match table, where the tiers are not known); tickets of no wheel get
    // none, and closing the window stops the count.
    void exactOddsBesideAWheel()
    {
        const QString library = dir_.filePath(QStringLiteral("beside.sqlite3"));
        PlayedLottery lottery = lotto();
        auto &tiers = lottery.details.facts.tiers;
        tiers.prepend(TierRule{QStringLiteral("4 matches"), 4, 0, 0, TierRule::Prize::Shared, 0, {}});
        tiers << TierRule{QStringLiteral("2 + bonus"), 2, 1, 0, TierRule::Prize::Fixed, 500, QStringLiteral("CAD")};
        const QList<int> numbers{3, 8, 15, 21, 27, 34, 40, 46};
        std::vector<wheel::Line> lines; // every six of the eight numbers
        for (wheel::Line line = 0; line < 256; ++line)
            if (std::popcount(line) == 6)
                lines.push_back(line);
        const WheelOffer offer{6, WheelType::TypeA, 8, QStringLiteral("6 if 6"), 28, WheelOrigin::Shipped};
        const QList<TicketNumbers> tickets = ticketsOfWheel(lines, numbers, {}, 0);
        {
            OwnWheels own;
            QVERIFY(own.open(library));
            QList<StoredDraw> draws; // 0 to 4 of the player's numbers, so that tiers are won
            QRandomGenerator random(4049);
            for (int i = 0; i < 40; ++i) {
                QList<int> main = numbers.mid(i % 3, int(random.bounded(5)));
                while (main.size() < 6)
                    if (const int n = int(random.bounded(49)) + 1; !numbers.contains(n) && !main.contains(n))
                        main << n;
                std::sort(main.begin(), main.end());
                int bonus = 1;
                while (main.contains(bonus))
                    ++bonus;
                draws << StoredDraw{QDate(2026, 1, 3).addDays(7 * i), main, {bonus}, {}};
            }
            QVERIFY(own.addDraws(lottery.country, lottery.name, draws).ok());
        }
        DrawHistoryWindow window;
        auto *table = window.findChild<QTableWidget *>(QStringLiteral("oddsBesideTable"));
        const auto near = [](const QString &text, double value) { // three figures shown
            return std::abs(text.toDouble() - value) <= 0.005 * value;
        };
        const auto chanceText = [](double p) {
            const QString odds = oneInText(p);
            return odds.isEmpty() ? percentText(p) : percentText(p) + QStringLiteral(" (") + odds + u')';
        };
        const OddsQuestion question = oddsQuestion(lottery.details, offer, lines);
        QSignalSpy shown(&window, &DrawHistoryWindow::oddsShown);
        window.setTickets(lottery, tickets, library, question);
        window.show();
        QVERIFY(shown.wait());
        odds::TierOdds direct;
        std::string error;
        QCOMPARE(odds::computeTiers(question.tierQuestion(), direct, error), odds::Status::Done);
        QCOMPARE(table->rowCount(), int(tiers.size()) + 1);
        for (int r = 0; r < tiers.size(); ++r) {
            QCOMPARE(table->item(r, 2)->text(), chanceText(direct.anyTicket[std::size_t(r)]));
            QVERIFY(near(table->item(r, 4)->text(), direct.expectedTickets[std::size_t(r)]));
            QVERIFY(near(table->item(r, 3)->text(), window.besideOdds()->rows[r].tickets / 40.0));
        }
        QVERIFY(window.besideOdds()->rows[1].drawsWon > 0);
        QCOMPARE(table->item(int(tiers.size()), 2)->text(), chanceText(direct.anyPrize));
        QVERIFY(window.findChild<QLabel *>(QStringLiteral("oddsBesideNote"))
                    ->text()
                    .contains(formatAmount(std::llround(expectedFixedReturn(tiers, direct)->amount * 100),
                                           QStringLiteral("CAD")) +
                              QStringLiteral(" expected")));
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest); // the totals set just before
        if (qEnvironmentVariableIsSet("DRAWS_PNG_DIR"))
            window.grab().save(qEnvironmentVariable("DRAWS_PNG_DIR") + QStringLiteral("/beside.png"));

        // Other dates: the history again, beside the same odds.
        shown.clear();
        window.findChild<QLineEdit *>()->setText(QStringLiteral("2026-06-01"));
        window.findChild<QPushButton *>(QStringLiteral("countButton"))->click();
        QVERIFY(shown.wait());
        QVERIFY(window.result().draws.size() < 40);
        QCOMPARE(window.besideOdds()->draws, window.result().draws.size());

        tiers.clear();
        const OddsQuestion byMatches = oddsQuestion(lottery.details, offer, lines);
        shown.clear();
        window.setTickets(lottery, tickets, library, byMatches);
        QVERIFY(shown.wait());
        odds::Table matchTable;
        QCOMPARE(odds::compute(byMatches.lottery, byMatches.wheel, {2, nullptr}, matchTable, error),
                 odds::Status::Done);
        QCOMPARE(table->item(3, 0)->text(), QStringLiteral("3 or more matches"));
        QCOMPARE(table->item(3, 2)->text(), chanceText(matchTable.atLeast[3]));
        QVERIFY(near(table->item(3, 4)->text(), matchTable.expected[3] + matchTable.expected[4] +
                                                    matchTable.expected[5] + matchTable.expected[6]));

        window.setTickets(lottery, tickets, library);
        QVERIFY(!window.findChild<QWidget *>(QStringLiteral("oddsBeside"))->isVisible());
        window.setTickets(lottery, tickets, library, question);
        window.close();
        QVERIFY(!window.counting());
    }

private:
    QTemporaryDir dir_;
};

QTEST_MAIN(TestDrawsWindow)
#include "test_draws_window.moc"
