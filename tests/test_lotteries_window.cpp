// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The player's lotteries in the window: played from the first page to the tickets, set up in
// the Lotteries window (unsound input refused, sound input stored), reset to the shipped facts,
// and a damaged file told at start.
#include "GuiDriver.h"
#include "core/Catalogue.h"
#include "core/Database.h"
#include "core/PlayerLotteries.h"
#include "ui/LotteriesWindow.h"
#include "ui/LotteryPage.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

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
        const auto open = [this] {
            OpenPanel::setResponder([this](const OpenPanel::Done &done) { done(path("ninety.txt")); });
            widget<QAction>("openAction")->trigger();
        };
        open();
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

        // Export and import through the panels: a bad file is refused naming its line.
        SavePanel::setResponder([this](const SavePanel::Done &done) { done(path("shared.txt")); });
        window.showCountry(QStringLiteral("Canada"), QStringLiteral("Home Game"));
        click(named<QPushButton>(&window, QStringLiteral("Export the lottery to a file")));
        QVERIFY(player.remove(QStringLiteral("Canada"), QStringLiteral("Home Game"), nullptr));
        window.showCountry(QStringLiteral("Canada"));
        OpenPanel::setResponder([this](const OpenPanel::Done &done) { done(path("shared.txt")); });
        click(named<QPushButton>(&window, QStringLiteral("Import lotteries from a file")));
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
