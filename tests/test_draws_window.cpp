// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/OwnWheels.h"
#include "core/Settings.h"
#include "ui/DrawHistoryWindow.h"
#include "ui/ResultsImportDialog.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

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
        ResultsImportDialog::setFileChooser({});
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
        ResultsImportDialog::setFileChooser([&](QWidget *) { return results; });
        DrawHistoryWindow window;
        window.setTickets(lotto(), {TicketNumbers{{1, 2, 3, 4, 5, 6}, {}}, TicketNumbers{{20, 21, 30, 31, 32, 33}, {}}},
                          library, true);
        window.show();
        auto *table = window.findChild<QTableWidget *>(QStringLiteral("drawTable"));
        QVERIFY(table);
        QTRY_VERIFY(!window.counting());
        QCOMPARE(table->rowCount(), 0);

        window.findChild<QPushButton *>(QStringLiteral("importResultsButton"))->click();
        auto *dialog = window.findChild<ResultsImportDialog *>();
        QVERIFY(dialog);
        QCOMPARE(dialog->read().draws.size(), 2);
        QCOMPARE(dialog->read().badCount, 1);
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

private:
    QTemporaryDir dir_;
};

QTEST_MAIN(TestDrawsWindow)
#include "test_draws_window.moc"
