// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The player's lotteries in the window: played from the first page to the tickets, set up in
// the Lotteries window (unsound input refused, sound input stored), reset to the shipped facts,
// and a damaged file told at start.
#include "GuiDriver.h"
#include "core/Catalogue.h"
#include "core/Database.h"
#include "core/Odds.h"
#include "core/PlayerLotteries.h"
#include "ui/BonusPicker.h"
#include "ui/LotteriesWindow.h"
#include "ui/LotteryPage.h"
#include "ui/WheelMakerWindow.h"
#include "ui/WheelOddsPanel.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

class TestLotteriesWindow : public QObject, private GuiDriver {
    Q_OBJECT

    void writeLotteries(const QByteArray &text)
    {
        QFile file(path("lotteries.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    template <class T> static T *named(QWidget *in, const QString &accessible)
    {
        for (T *w : in->findChildren<T *>())
            if (w->accessibleName() == accessible)
                return w;
        return nullptr;
    }
    static void type(QWidget *window, const QString &field, const QString &text)
    {
        auto *edit = named<QLineEdit>(window, field);
        QVERIFY2(edit, qPrintable(field));
        edit->selectAll();
        QTest::keyClicks(edit, text);
        if (text.isEmpty())
            QTest::keyClick(edit, Qt::Key_Backspace);
    }
    static QString why(QWidget *window, const QString &field)
    {
        auto *label = named<QLabel>(window, field + QStringLiteral(": problem"));
        return label ? label->text() : QStringLiteral("(no label)");
    }

private slots:
    void init() { prepare(); }
    void cleanup() { finish(); }

    // A lottery of 99 numbers and one of 2, set up by the player, are listed, shown and played.
    void playersLotteryIsPlayedToTheTickets()
    {
        writeLotteries("country: Canada\nlottery: Ninety Nine\npool: 99\nnumbers a ticket: 6\nchanged: 2026-12-10\n"
                       "tier: Six, 6, 0, 0, shared\n\n"
                       "country: Canada\nlottery: Two\npool: 2\nnumbers a ticket: 1\n");
        startProgram(QStringLiteral(DATABASE));
        QVERIFY(alerts.isEmpty());
        chooseLottery(QStringLiteral("Canada"), QStringLiteral("Lotto 6/49"));
        QVERIFY(app->mainWindow()->lotteryPage()->factsNote().startsWith(QStringLiteral("Facts as of 20")));
        chooseLottery(QStringLiteral("Canada"), QStringLiteral("Ninety Nine"));
        QCOMPARE(app->mainWindow()->lotteryPage()->factsNote(), QStringLiteral("Your lottery, changed 2026-12-10"));
        click("nextButton");
        auto *grid = widget<NumberGridView>("numberGrid");
        QVERIFY(grid->button(99) && !grid->button(100));
        for (int n : {91, 92, 93, 94, 95, 96, 99})
            tap(n);
        click("nextButton");
        click("generateButton");
        const QStringList made = tickets();
        QVERIFY(!made.isEmpty() && !made.first().isEmpty());
        for (const QString &t : made)
            QCOMPARE(t.split(QLatin1Char(' '), Qt::SkipEmptyParts).size(), 6);
        QVERIFY(alerts.isEmpty());
        // Saved, the tickets open again while the lottery is there, and name it when it is gone.
        SavePanel::setResponder([this](const SavePanel::Done &done) { done(path("ninety.txt")); });
        click("saveButton");
        app->finishSaves();
        OpenRequest asked;
        const auto open = [this, &asked] {
            OpenPanel::setRequestResponder([this, &asked](const OpenRequest &request, const OpenPanel::Done &done) {
                asked = request;
                done(path("ninety.txt"));
            });
            widget<QAction>("openAction")->trigger();
        };
        open();
        QCOMPARE(asked.title, QStringLiteral("Open tickets"));
        QCOMPARE(asked.filters.value(0), QStringLiteral("Ticket files (*.txt)"));
        QVERIFY2(alerts.isEmpty(), alerts.isEmpty() ? "" : qPrintable(alerts.first().message));
        QCOMPARE(tickets(), made);

        click("startOverButton");
        chooseLottery(QStringLiteral("Canada"), QStringLiteral("Two"));
        click("nextButton");
        grid = widget<NumberGridView>("numberGrid");
        QVERIFY(grid->button(1) && grid->button(2) && !grid->button(3));

        // Started anew without the 99-number lottery, its saved tickets say which lottery is missing.
        writeLotteries("country: Canada\nlottery: Two\npool: 2\nnumbers a ticket: 1\n");
        startProgram(QStringLiteral(DATABASE));
        open();
        QCOMPARE(alerts.size(), 1);
        QVERIFY2(alerts[0].message.contains(QStringLiteral("\"Ninety Nine\" of Canada")),
                 qPrintable(alerts[0].message));
    }

    // The window shows why each field cannot be, keeps Save off until all are sound, and stores
    // what is sound; a copy of a shipped lottery stands in its place until it is reset.
    void windowRefusesUnsoundAndStoresSound()
    {
        QFile::remove(path("lotteries.txt"));
        Database db;
        QVERIFY(db.open(QStringLiteral(DATABASE)));
        PlayerLotteries player(path("lotteries.txt"));
        QVERIFY(player.load());
        const Catalogue catalogue(db, &player);
        LotteriesWindow window(catalogue, player);
        window.show();
        window.showCountry(QStringLiteral("Canada"), QStringLiteral("Lotto 6/49"));
        auto *save = named<QPushButton>(&window, QStringLiteral("Save the lottery"));
        QVERIFY(!save->isEnabled()); // a shipped lottery is copied before it is edited

        click(named<QPushButton>(&window, QStringLiteral("New lottery")));
        QVERIFY(!save->isEnabled());
        type(&window, QStringLiteral("Name"), QStringLiteral("Home Game"));
        type(&window, QStringLiteral("Pool"), QStringLiteral("6"));
        type(&window, QStringLiteral("Numbers a ticket"), QStringLiteral("6"));
        QCOMPARE(why(&window, QStringLiteral("Numbers a ticket")),
                 QStringLiteral("a ticket holds 6 numbers, so the pool needs at least 7"));
        type(&window, QStringLiteral("Pool"), QStringLiteral("4x"));
        QCOMPARE(why(&window, QStringLiteral("Pool")), QStringLiteral("a whole number"));
        type(&window, QStringLiteral("Pool"), QStringLiteral("120"));
        QCOMPARE(why(&window, QStringLiteral("Pool")), QStringLiteral("the pool holds 2 to 99 numbers"));
        type(&window, QStringLiteral("Pool"), QStringLiteral("40"));
        QCOMPARE(why(&window, QStringLiteral("Pool")), QString());
        type(&window, QStringLiteral("Bonus numbers drawn"), QStringLiteral("1"));
        QCOMPARE(why(&window, QStringLiteral("Bonus numbers drawn")),
                 QStringLiteral("there is no bonus pool, so no bonus numbers are drawn"));
        type(&window, QStringLiteral("Bonus pool"), QStringLiteral("10"));
        QCOMPARE(why(&window, QStringLiteral("Bonus numbers drawn")), QString());
        type(&window, QStringLiteral("Price of a ticket"), QStringLiteral("2.50"));
        QCOMPARE(why(&window, QStringLiteral("Currency")), QStringLiteral("a price needs its currency"));
        type(&window, QStringLiteral("Numbers a ticket"), QStringLiteral("45"));
        if (qEnvironmentVariableIsSet("WHEELWRIGHT_SHOTS"))
            window.grab().save(qEnvironmentVariable("WHEELWRIGHT_SHOTS") +
                               QStringLiteral("/lotteries-window-faults.png"));
        type(&window, QStringLiteral("Numbers a ticket"), QStringLiteral("6"));
        QVERIFY(!save->isEnabled());
        type(&window, QStringLiteral("Currency"), QStringLiteral("CAD"));
        QVERIFY2(save->isEnabled(), qPrintable(window.fault()));
        click(named<QPushButton>(&window, QStringLiteral("Add a prize tier")));
        QVERIFY(!save->isEnabled()); // a tier that needs no match at all
        QVERIFY(window.fault().startsWith(QStringLiteral("Tier 1: ")));
        click(named<QPushButton>(&window, QStringLiteral("Remove the prize tier")));
        QVERIFY(save->isEnabled());
        QVERIFY(!QFile::exists(path("lotteries.txt"))); // nothing stored until Save
        click(save);
        QVERIFY(alerts.isEmpty());
        PlayerLotteries stored(path("lotteries.txt"));
        QVERIFY(stored.load());
        QCOMPARE(stored.all().size(), 1);
        QCOMPARE(stored.all()[0].facts.pool, 40);
        QCOMPARE(stored.all()[0].facts.bonusPick, std::optional<int>(1));

        // A copy of a shipped lottery, saved under its name, is used in its place; reset forgets it.
        const auto shipped = catalogue.details(QStringLiteral("Canada"), QStringLiteral("Lotto 6/49"));
        window.showCountry(QStringLiteral("Canada"), QStringLiteral("Lotto 6/49"));
        click(named<QPushButton>(&window, QStringLiteral("Copy the shipped lottery to edit")));
        type(&window, QStringLiteral("Pool"), QStringLiteral("50"));
        click(save);
        QCOMPARE(catalogue.details(QStringLiteral("Canada"), QStringLiteral("Lotto 6/49"))->facts.pool, 50);
        QCOMPARE(catalogue.lotteryNames(QStringLiteral("Canada")).count(QStringLiteral("Lotto 6/49")), 1);
        auto *reset = named<QPushButton>(&window, QStringLiteral("Delete or reset the lottery"));
        QCOMPARE(reset->text(), QStringLiteral("&Reset to shipped"));
        answers << 0; // cancelled: nothing changes
        click(reset);
        QCOMPARE(catalogue.details(QStringLiteral("Canada"), QStringLiteral("Lotto 6/49"))->facts.pool, 50);
        click(reset);
        QCOMPARE(alerts.size(), 2);
        QCOMPARE(catalogue.details(QStringLiteral("Canada"), QStringLiteral("Lotto 6/49"))->facts.pool,
                 shipped->facts.pool);

        // A shipped lottery is exported too; the name proposed for its file holds no folder (the
        // slash of "6/49") and no suffix, which the panel adds.
        SaveRequest proposed;
        SavePanel::setRequestResponder([this, &proposed](const SaveRequest &request, const SavePanel::Done &done) {
            proposed = request;
            done(path("649.txt"));
        });
        click(named<QPushButton>(&window, QStringLiteral("Export the lottery to a file")));
        QCOMPARE(proposed.title, QStringLiteral("Export the lottery"));
        QCOMPARE(proposed.proposedName, QStringLiteral("Lotto 6-49"));
        QCOMPARE(proposed.suffix, QStringLiteral("txt"));
        QVERIFY(QFile::exists(path("649.txt")));

        // Export and import through the panels: a bad file is refused naming its line.
        SavePanel::setResponder([this](const SavePanel::Done &done) { done(path("shared.txt")); });
        window.showCountry(QStringLiteral("Canada"), QStringLiteral("Home Game"));
        click(named<QPushButton>(&window, QStringLiteral("Export the lottery to a file")));
        QVERIFY(player.remove(QStringLiteral("Canada"), QStringLiteral("Home Game"), nullptr));
        window.showCountry(QStringLiteral("Canada"));
        OpenRequest asked;
        OpenPanel::setRequestResponder([this, &asked](const OpenRequest &request, const OpenPanel::Done &done) {
            asked = request;
            done(path("shared.txt"));
        });
        click(named<QPushButton>(&window, QStringLiteral("Import lotteries from a file")));
        QCOMPARE(asked.title, QStringLiteral("Import a lottery"));
        QCOMPARE(asked.filters.value(0), QStringLiteral("Lottery files (*.txt)"));
        QCOMPARE(alerts.size(), 2);
        QCOMPARE(catalogue.details(QStringLiteral("Canada"), QStringLiteral("Home Game"))->facts.pool, 40);
        QFile bad(path("bad.txt"));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("country: Canada\nlottery: Bad\npool: 3\nnumbers a ticket: 3\n");
        bad.close();
        OpenPanel::setResponder([this](const OpenPanel::Done &done) { done(path("bad.txt")); });
        click(named<QPushButton>(&window, QStringLiteral("Import lotteries from a file")));
        QCOMPARE(alerts.size(), 3);
        QCOMPARE(alerts.last().message,
                 QStringLiteral("No lottery was imported: bad.txt:4: a ticket holds 3 numbers, so the pool needs at "
                                "least 4"));
        QVERIFY(!catalogue.isPlayers(QStringLiteral("Canada"), QStringLiteral("Bad")));

        // Every control of the window has a name a screen reader can read.
        for (QWidget *w : window.findChildren<QWidget *>())
            if ((qobject_cast<QLineEdit *>(w) || qobject_cast<QAbstractButton *>(w) || qobject_cast<QListWidget *>(w) ||
                 qobject_cast<QComboBox *>(w)) &&
                w->parentWidget() == &window)
                QVERIFY2(!w->accessibleName().isEmpty(), w->metaObject()->className());
        if (qEnvironmentVariableIsSet("WHEELWRIGHT_SHOTS"))
            window.grab().save(qEnvironmentVariable("WHEELWRIGHT_SHOTS") + QStringLiteral("/lotteries-window.png"));
    }

    // A player's game with a bonus pool of its own, set up in the Lotteries window of the program:
    // its grid and bonus grid, a wheel the maker makes for it, its tickets each carrying two bonus
    // numbers, and the odds panel counting its own tiers and its main numbers for those tickets.
    void bonusPoolGameIsWheeledAndCounted()
    {
        QFile::remove(path("lotteries.txt"));
        QFile::remove(path("own-wheels.sqlite3"));
        startProgram(QStringLiteral(DATABASE));
        chooseLottery(QStringLiteral("Canada"), QStringLiteral("Lotto 6/49"));
        click(named<QPushButton>(app->mainWindow(), QStringLiteral("Lotteries: add, copy or edit your own")));
        auto *window = app->mainWindow()->findChild<LotteriesWindow *>();
        QVERIFY(window && window->isVisible());
        click(named<QPushButton>(window, QStringLiteral("New lottery")));
        type(window, QStringLiteral("Name"), QStringLiteral("Twelve Stars"));
        type(window, QStringLiteral("Pool"), QStringLiteral("40"));
        type(window, QStringLiteral("Numbers a ticket"), QStringLiteral("6"));
        type(window, QStringLiteral("Numbers drawn"), QStringLiteral("6"));
        type(window, QStringLiteral("Bonus pool"), QStringLiteral("12"));
        type(window, QStringLiteral("Bonus numbers drawn"), QStringLiteral("2"));
        type(window, QStringLiteral("Price of a ticket"), QStringLiteral("2.00"));
        type(window, QStringLiteral("Currency"), QStringLiteral("CAD"));
        auto *tiers = named<QTableWidget>(window, QStringLiteral("Prize tiers"));
        // Name, main, supplementary, bonus, prize, currency.
        const QStringList rows{QStringLiteral("6 + 2 stars;6;0;2;shared;"), QStringLiteral("6 numbers;6;0;0;shared;"),
                               QStringLiteral("5 + 1 star;5;0;1;100.00;CAD"),
                               QStringLiteral("4 numbers;4;0;0;10.00;CAD"), QStringLiteral("3 numbers;3;0;0;2.00;CAD")};
        for (const QString &row : rows) {
            click(named<QPushButton>(window, QStringLiteral("Add a prize tier")));
            const QStringList cells = row.split(QLatin1Char(';'));
            for (int c = 0; c < cells.size(); ++c)
                tiers->item(tiers->rowCount() - 1, c)->setText(cells[c]);
        }
        QVERIFY2(window->fault().isEmpty(), qPrintable(window->fault()));
        click(named<QPushButton>(window, QStringLiteral("Save the lottery")));
        QVERIFY2(alerts.isEmpty(), alerts.isEmpty() ? "" : qPrintable(alerts.first().message));
        window->close();

        chooseLottery(QStringLiteral("Canada"), QStringLiteral("Twelve Stars"));
        click("nextButton");
        QVERIFY(widget<NumberGridView>("numberGrid")->button(40) && !widget<NumberGridView>("numberGrid")->button(41));
        auto *picker = widget<BonusPicker>("bonusGroup");
        QVERIFY(picker->isVisible() && picker->button(12) && !picker->button(13));
        const QList<int> numbers{2, 5, 11, 17, 23, 29, 34, 40};
        const QList<int> bonus{3, 7, 11};
        for (int n : numbers)
            tap(n);
        for (int b : bonus)
            QTest::mouseClick(picker->button(b), Qt::LeftButton);
        click("nextButton");
        QCOMPARE(page(), 2);

        click("makeWheelButton");
        WheelMakerWindow *maker = app->wheelMakerWindow();
        maker->findChild<QSpinBox *>(QStringLiteral("drawnBox"))->setValue(3);
        maker->findChild<QSpinBox *>(QStringLiteral("matchesBox"))->setValue(3);
        maker->findChild<QSpinBox *>(QStringLiteral("secondsBox"))->setValue(1);
        QTest::mouseClick(maker->findChild<QAbstractButton *>(QStringLiteral("startButton")), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!maker->isSearching(), 60000);
        const QString status = maker->findChild<QLabel *>(QStringLiteral("statusLabel"))->text();
        QVERIFY2(status.startsWith(QStringLiteral("Proven")), qPrintable(status));
        maker->close();
        const QString chosen = widget<QComboBox>("wheelBox0")->currentText();
        QVERIFY2(chosen.startsWith(QStringLiteral("3 if 3")) && chosen.endsWith(QStringLiteral("(your own wheel)")),
                 qPrintable(chosen));
        click("generateButton");
        QVERIFY(alerts.isEmpty());
        const QStringList made = tickets();
        QVERIFY(!made.isEmpty());

        // The same tickets, counted here with the player's numbers and bonus numbers in the order
        // chosen: the odds do not hang on which number stands where.
        odds::TierQuestion question;
        question.lottery = {40, 6, 0, 12, 2};
        question.numbers = static_cast<int>(numbers.size());
        question.bonusNumbers = static_cast<int>(bonus.size());
        question.tiers = {{6, 0, 2}, {6, 0, 0}, {5, 0, 1}, {4, 0, 0}, {3, 0, 0}};
        odds::Wheel wheel{question.numbers, {}};
        for (const QString &line : made) {
            const QStringList parts = line.split(QStringLiteral(" + "));
            QCOMPARE(parts.size(), 2);
            odds::Ticket t;
            for (const QString &n : parts[0].split(QLatin1Char(' '), Qt::SkipEmptyParts))
                t.line |= std::uint64_t(1) << numbers.indexOf(n.toInt());
            for (const QString &n : parts[1].split(QLatin1Char(' '), Qt::SkipEmptyParts))
                t.bonus |= std::uint64_t(1) << bonus.indexOf(n.toInt());
            QCOMPARE(qPopulationCount(t.line), 6);
            QCOMPARE(qPopulationCount(t.bonus), 2);
            question.tickets.push_back(t);
            wheel.lines.push_back(t.line);
        }
        odds::TierOdds expected;
        odds::Table table;
        std::string error;
        QCOMPARE(odds::computeTiers(question, expected, error), odds::Status::Done);
        QCOMPARE(odds::compute(question.lottery, wheel, {}, table, error), odds::Status::Done);
        QVERIFY(expected.anyTicket[0] > 0); // counted with the bonus numbers chosen

        const auto near = [](double a, double b) { return qAbs(a - b) <= 1e-12 * qMax(qAbs(b), 1e-300); };
        const auto same = [&](const std::vector<double> &a, const std::vector<double> &b) {
            if (a.size() != b.size())
                return false;
            for (std::size_t i = 0; i < a.size(); ++i)
                if (!near(a[i], b[i]))
                    return false;
            return true;
        };
        auto *panel = widget<WheelOddsPanel>("oddsGroup");
        QTRY_VERIFY(panel->shownTiers() && same(panel->shownTiers()->anyTicket, expected.anyTicket));
        QVERIFY(same(panel->shownTiers()->expectedTickets, expected.expectedTickets));
        QTRY_VERIFY(panel->shownTable() && same(panel->shownTable()->atLeast, table.atLeast));
        auto *shown = widget<QTableWidget>("tiersTable");
        QCOMPARE(shown->rowCount(), 5);
        QCOMPARE(shown->item(2, 0)->text(), QStringLiteral("5 + 1 star"));
        QCOMPARE(shown->item(2, 1)->text(), QStringLiteral("100.00 CAD"));
    }

    // A damaged lotteries file is set aside and told once at start; the program goes on.
    void damagedFileIsToldAtStart()
    {
        writeLotteries("country: Canada\nlottery: Broken\npool: 5\nnumbers a ticket: 9\n");
        startProgram(QStringLiteral(DATABASE));
        QCOMPARE(alerts.size(), 1);
        QVERIFY2(alerts[0].message.contains(QStringLiteral("lotteries.txt:4")), qPrintable(alerts[0].message));
        QVERIFY(alerts[0].message.contains(QStringLiteral("set aside")));
        QVERIFY(!QFile::exists(path("lotteries.txt")));
        chooseLottery(QStringLiteral("Canada"), QStringLiteral("Lotto 6/49"));
        click("nextButton");
        QCOMPARE(page(), 1);
    }
};

QTEST_MAIN(TestLotteriesWindow)
#include "test_lotteries_window.moc"
