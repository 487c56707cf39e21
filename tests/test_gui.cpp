// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Drives the real main window on the offscreen platform. Every alert and save panel is
// answered through the seams, so no test can hang on a dialog.
#include "AppController.h"
#include "Expansion.h"
#include "Widgets.h"
#include "Windows.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QSettings>
#include <QSpinBox>
#include <QTabBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include <sqlite3.h>

class TestGui : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void startUpRestoresOrFallsBack_data();
    void startUpRestoresOrFallsBack();
    void badDatabaseIsToldOnce_data();
    void badDatabaseIsToldOnce();
    void tappingAndTheKey();
    void backspaceClearAndSort();
    void headerClicksAreRefused();
    void largePoolIsReachable();
    void fromStartUpToTickets();
    void countryChoiceTakesItsFirstLottery();
    void savingWritesUtf16AndNeverHalfAFile();
    void randomPickKeepsTheModelSound();
    void exitAsksFirst();
    void screenshots();

private:
    std::unique_ptr<AppController> start();
    void click(int tag);
    void chooseLottery(const QString &country, const QString &lottery);
    void tap(int n);
    QWidget *control(int tag) const { return qobject_cast<QWidget *>(c->getGUIObject(tag)); }

    QTemporaryDir dir;
    std::unique_ptr<AppController> c;
    QList<AlertRequest> alerts;
    QList<int> answers; // next answers to panels; 1 when none is queued
};

void TestGui::init()
{
    QVERIFY(dir.isValid());
    QFile::remove(dir.filePath(QStringLiteral("settings.ini")));
    AppController::setSettingsFile(dir.filePath(QStringLiteral("settings.ini")));
    AppController::setDatabasePath(QStringLiteral(DATABASE));
    alerts.clear();
    answers.clear();
    AlertPanel::setResponder([this](const AlertRequest &r) {
        alerts << r;
        return answers.isEmpty() ? 1 : answers.takeFirst();
    });
}

void TestGui::cleanup()
{
    c.reset();
    SavePanel::setResponder({});
}

std::unique_ptr<AppController> TestGui::start()
{
    auto app = std::make_unique<AppController>();
    app->applicationDidFinishLaunching();
    app->window()->resize(1024, 768);
    app->window()->show();
    return app;
}

void TestGui::click(int tag)
{
    auto *b = qobject_cast<QAbstractButton *>(c->getGUIObject(tag));
    QVERIFY2(b, qPrintable(QString::number(tag)));
    QVERIFY2(b->isVisible() && b->isEnabled(), qPrintable(QStringLiteral("%1 cannot be clicked").arg(tag)));
    QTest::mouseClick(b, Qt::LeftButton);
}

void TestGui::chooseLottery(const QString &country, const QString &lottery)
{
    auto *box = qobject_cast<QComboBox *>(c->getGUIObject(40100));
    box->setCurrentText(country);
    emit box->activated(box->currentIndex());
    auto *table = qobject_cast<QTableView *>(c->getGUIObject(40000));
    const int row = static_cast<int>(c->listDataLottery.indexOf(lottery));
    QVERIFY2(row >= 0, qPrintable(lottery));
    const QRect cell = table->visualRect(table->model()->index(row, 0));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(c->g.glotteryname_Global, lottery);
}

void TestGui::tap(int n)
{
    QWidget *b = findTagged(c->aView2, n + 100);
    QVERIFY2(b, qPrintable(QString::number(n)));
    QTest::mouseClick(b, Qt::LeftButton);
}

void TestGui::startUpRestoresOrFallsBack_data()
{
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("lottery");
    QTest::addColumn<QString>("boxShows");
    QTest::addColumn<int>("row");
    QTest::newRow("nothing stored") << QString() << QString() << "Australia" << -1;
    QTest::newRow("both found") << "Canada"
                                << "Lotto Max"
                                << "Canada" << 1;
    QTest::newRow("lottery gone") << "Canada"
                                  << "Lotto 7/77"
                                  << "Canada" << -1;
    QTest::newRow("unknown country") << "Atlantis"
                                     << "Lotto"
                                     << "Australia" << -1;
    QTest::newRow("quotes in names") << "Can'ada"
                                     << "O'Brien's 6"
                                     << "Australia" << -1;
}

void TestGui::startUpRestoresOrFallsBack()
{
    QFETCH(QString, country);
    QFETCH(QString, lottery);
    QFETCH(QString, boxShows);
    QFETCH(int, row);
    {
        QSettings s(dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
        if (!country.isNull())
            s.setValue(QStringLiteral("LotteryCountry"), country);
        if (!lottery.isNull())
            s.setValue(QStringLiteral("LotteryName"), lottery);
    }
    c = start();
    QVERIFY(alerts.isEmpty());
    QCOMPARE(qobject_cast<QComboBox *>(c->getGUIObject(40100))->currentText(), boxShows);
    QCOMPARE(c->g.gCountry_Global, boxShows);
    QVERIFY(!c->listDataLottery.isEmpty());
    QCOMPARE(c->gSelectNo_AppDelegate, row);
    QCOMPARE(c->g.bChanged, row >= 0 ? 1 : 0);
    QCOMPARE(c->listticket, QStringList{QString()}); // the ticket table's one blank row
    QCOMPARE(c->iNumber, 0);
    QSettings s(dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    QCOMPARE(s.value(QStringLiteral("LotteryCountry")).toString(), boxShows);
    QCOMPARE(s.value(QStringLiteral("LotteryName")).toString(), lottery);
    // Every control the pages need is there by its tag.
    for (int tag :
         {40100, 40000, 35000, 35001, 36001, 36005, 31009, 31025, 31029, 31026, 39001, 40101, 40102, 36003, 36004,
          36000, 31023, 40001, 36006, 36007, 31010, 31028, 31027, 31015, 31021, 31022, 31001, 31002, 31030, 39000})
        QVERIFY2(c->getGUIObject(tag), qPrintable(QString::number(tag)));
    QVERIFY(!c->getGUIObject(4));
    // The page controls follow the page; other indexes change nothing.
    QVERIFY(!control(31021)->isVisible() && control(31022)->isVisible() && !control(31010)->isEnabled());
    c->refreshGUIButton(4);
    QVERIFY(control(31022)->isVisible());
}

void TestGui::badDatabaseIsToldOnce_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing") << "missing";
    QTest::newRow("not SQLite") << "garbage";
    QTest::newRow("no tables") << "empty";
}

void TestGui::badDatabaseIsToldOnce()
{
    QFETCH(QString, kind);
    const QString path = dir.filePath(kind + QStringLiteral(".sqlite3"));
    if (kind == QLatin1String("garbage")) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(4096, 'x'));
    } else if (kind == QLatin1String("empty")) {
        sqlite3 *db = nullptr;
        sqlite3_open(path.toUtf8().constData(), &db);
        sqlite3_exec(db, "CREATE TABLE other(a)", nullptr, nullptr, nullptr);
        sqlite3_close(db);
    }
    AppController::setDatabasePath(path);
    c = start();
    QCOMPARE(alerts.size(), 1);
    QCOMPARE(alerts[0].title, QStringLiteral("Alert"));
    QVERIFY(kind == QLatin1String("empty") ? alerts[0].message.contains(QStringLiteral("no such table"))
                                           : alerts[0].message.contains(path));
    QVERIFY(!QFile::exists(path) || kind != QLatin1String("missing")); // never created
    // The window is open on the lottery page and answers: Next says a lottery is needed.
    QCOMPARE(c->gIntTabNo_appDelegate, 0);
    alerts.clear();
    click(31022);
    QCOMPARE(alerts.size(), 1);
    QCOMPARE(alerts[0].message, QStringLiteral("Please select a lottery"));
}

void TestGui::tappingAndTheKey()
{
    c = start();
    chooseLottery(QStringLiteral("Canada"), QStringLiteral("Lotto 6/49"));
    click(31022);
    QCOMPARE(c->gIntTabNo_appDelegate, 1);
    QCOMPARE(c->iNumber, 49);
    tap(17);
    auto *key = findTagged(c->tabview2->widget(1), 36000);
    QCOMPARE(qobject_cast<QLineEdit *>(key)->text(), QStringLiteral("17"));
    QCOMPARE(qobject_cast<NumberButton *>(findTagged(c->aView2, 117))->look(), QStringLiteral("frame1.png"));
    tap(3);
    tap(40);
    QCOMPARE(c->g.gSelectString_Global, QStringLiteral("17|3|40"));
    QCOMPARE(qobject_cast<QLineEdit *>(control(35000))->text(), QStringLiteral(" 17 3 40"));
    // The key cannot be taken back while others are chosen; the notice changes nothing.
    tap(17);
    QCOMPARE(alerts.size(), 1);
    QCOMPARE(alerts[0].title, QStringLiteral("Notice"));
    QCOMPARE(c->g.gSelectString_Global, QStringLiteral("17|3|40"));
    QCOMPARE(qobject_cast<NumberButton *>(findTagged(c->aView2, 117))->look(), QStringLiteral("frame1.png"));
    tap(3);
    tap(40);
    QCOMPARE(c->g.gSelectString_Global, QStringLiteral("17"));
    // Alone, the key goes with one click; the key field keeps it until the next first choice.
    tap(17);
    QVERIFY(c->selection.isEmpty());
    QVERIFY(!control(31009)->isEnabled() && !control(31025)->isEnabled());
    QCOMPARE(qobject_cast<QLineEdit *>(key)->text(), QStringLiteral("17"));
    QCOMPARE(qobject_cast<QLabel *>(control(35001))->text(), QStringLiteral("Total Numbers:1"));
    tap(5);
    QCOMPARE(c->g.gKey_Global, 5);
    // Back to the lottery page and forward again: the numbers stay as they were.
    click(31021);
    click(31022);
    QCOMPARE(c->g.gSelectString_Global, QStringLiteral("5"));
    QVERIFY(c->selection.isInSelectedNumbers(5));
    QVERIFY(!control(31009)->isEnabled());
    QCOMPARE(alerts.size(), 1);
}

void TestGui::backspaceClearAndSort()
{
    c = start();
    chooseLottery(QStringLiteral("Canada"), QStringLiteral("Lotto 6/49"));
    click(31022);
    for (int n : {5, 12, 3})
        tap(n);
    click(31029); // ascending
    QCOMPARE(qobject_cast<QLineEdit *>(control(35000))->text(), QStringLiteral(" 3 5 12"));
    QCOMPARE(c->g.bChanged, 0);
    click(31009); // the latest choice, not the largest
    QCOMPARE(c->g.gSelectString_Global, QStringLiteral("5|12"));
    QCOMPARE(qobject_cast<NumberButton *>(findTagged(c->aView2, 103))->look(), QStringLiteral("framehh.png"));
    click(31009);
    click(31009); // the key goes last, without a notice
    QVERIFY(alerts.isEmpty());
    QVERIFY(c->selection.isEmpty());
    QCOMPARE(qobject_cast<QLabel *>(control(35001))->text(), QStringLiteral("Total Numbers:1"));
    QVERIFY(!control(31009)->isEnabled());
    c->promptEvent(control(31009)); // nothing left to take back
    QCOMPARE(alerts.constLast().message, QStringLiteral("No number to be backspaced"));
    for (int n : {8, 9})
        tap(n);
    answers << 0; // Cancel keeps everything
    click(31025);
    QCOMPARE(c->selection.count(), 2);
    click(31025);
    QVERIFY(c->selection.isEmpty());
    QVERIFY(!control(31009)->isEnabled() && !control(31025)->isEnabled());
    QCOMPARE(qobject_cast<QLineEdit *>(control(35000))->text(), QString());
    // The format matrix sets the format as row x 4 + column.
    auto *matrix = qobject_cast<FormatMatrix *>(findTagged(c->window()->centralWidget(), 32400));
    matrix->selectCell(1, 2);
    c->promptEvent(matrix);
    QCOMPARE(c->g.gFormatType, 6);
}

void TestGui::headerClicksAreRefused()
{
    c = start();
    QTabBar *bar = c->tabview1->tabBar();
    for (int i = 1; i < 4; ++i) {
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(i).center());
        QCOMPARE(c->tabview1->currentIndex(), 0);
    }
    chooseLottery(QStringLiteral("Canada"), QStringLiteral("Lotto 6/49"));
    click(31022);
    QCOMPARE(c->tabview1->currentIndex(), 1);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
    QCOMPARE(c->tabview1->currentIndex(), 1);
    QVERIFY(!c->isManual);
}

void TestGui::largePoolIsReachable()
{
    c = start();
    chooseLottery(QStringLiteral("Turkey"), QStringLiteral("Çılgın Sayısal Loto"));
    click(31022);
    QCOMPARE(c->iNumber, 90);
    const QRect view = c->aView2->rect();
    for (int n = 1; n <= 90; ++n) {
        QWidget *b = findTagged(c->aView2, n + 100);
        QVERIFY(b && view.contains(b->geometry()));
    }
    tap(90);
    QCOMPARE(c->g.gKey_Global, 90);
}

// Goes from start-up to tickets through the widgets for one lottery of each pick count
// with wheels, with both wheel types, and checks every ticket against the wheel's lines.
void TestGui::fromStartUpToTickets()
{
    sqlite3 *db = nullptr;
    QCOMPARE(sqlite3_open_v2(DATABASE, &db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
    auto rows = [db](const QByteArray &sql) {
        QList<QStringList> out;
        sqlite3_stmt *s = nullptr;
        sqlite3_prepare_v2(db, sql.constData(), -1, &s, nullptr);
        while (sqlite3_step(s) == SQLITE_ROW) {
            QStringList r;
            for (int i = 0; i < sqlite3_column_count(s); ++i)
                r << QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(s, i)));
            out << r;
        }
        sqlite3_finalize(s);
        return out;
    };
    // For each pick, the smallest count of numbers with both kinds of wheel, and a lottery.
    const auto picks = rows("SELECT a.pick, min(a.zoption) FROM wheelsurvey a JOIN wheelsurvey k ON a.pick=k.pick AND "
                            "a.zoption=k.zoption AND a.wheeltype='a' AND k.wheeltype='k' GROUP BY a.pick");
    QVERIFY(!picks.isEmpty());
    int tested = 0;
    for (const auto &p : picks) {
        const auto lot = rows("SELECT country, lotteryname, ifrom FROM lottery WHERE imatch=" + p[0].toUtf8() +
                              " AND ifrom>=" + p[1].toUtf8() + " LIMIT 1");
        if (lot.isEmpty())
            continue;
        c = start();
        chooseLottery(lot[0][0], lot[0][1]);
        click(31022);
        const int z = p[1].toInt();
        QStringList chosen;
        const int pool = lot[0][2].toInt();
        const int stride = pool >= 2 * z ? 2 : 1;
        for (int i = 0; i < z; ++i) {
            const int n = pool - stride * i; // from the top, every other number where the pool allows
            tap(n);
            chosen << QString::number(n);
        }
        click(31022);
        QCOMPARE(c->gIntTabNo_appDelegate, 2);
        for (int type : {0, 1}) {
            if (type == 1)
                QTest::mouseClick(c->tabview2->tabBar(), Qt::LeftButton, {},
                                  c->tabview2->tabBar()->tabRect(1).center());
            QCOMPARE(c->g.gWheelType, type);
            QVERIFY(!c->g.gXyoption_Global.isNull());
            click(31023);
            QCOMPARE(c->gIntTabNo_appDelegate, 3);
            const auto lines = rows("SELECT digitalstring FROM wheels WHERE pick=" + p[0].toUtf8() +
                                    " AND wheeltype='" + (type ? "k" : "a") + "' AND zoption=" + p[1].toUtf8() +
                                    " AND xyoption='" + c->g.gXyoption_Global.toUtf8() + "'");
            QCOMPARE(c->listticket.size(), lines.size());
            for (qsizetype i = 0; i < lines.size(); ++i) {
                QStringList expected;
                for (const QString &pos : lines[i][0].split(QLatin1Char('-')))
                    expected << chosen[pos.toInt() - 1];
                QCOMPARE(c->listticket[i], expected.join(QLatin1Char(' ')));
                if (type == 1)
                    QVERIFY(c->listticket[i].startsWith(chosen[0] + QLatin1Char(' ')));
            }
            QCOMPARE(qobject_cast<QLabel *>(control(36007))->text(),
                     QStringLiteral("Total Tickets:%1").arg(lines.size()));
            click(31021);
        }
        // Previous, another format, Generate: the same wheel anew, not doubled.
        auto *matrix = qobject_cast<FormatMatrix *>(findTagged(c->window()->centralWidget(), 32400));
        matrix->selectCell(0, 1);
        c->promptEvent(matrix);
        const auto before = c->listticket.size();
        click(31023);
        QCOMPARE(c->listticket.size(), before);
        QVERIFY(c->listticket.first().contains(QLatin1Char('-')));
        QVERIFY(alerts.isEmpty());
        ++tested;
    }
    sqlite3_close(db);
    QVERIFY(tested > 0);
}

void TestGui::countryChoiceTakesItsFirstLottery()
{
    c = start();
    chooseLottery(QStringLiteral("Canada"), QStringLiteral("Lotto Max"));
    auto *box = qobject_cast<QComboBox *>(c->getGUIObject(40100));
    box->setCurrentText(QStringLiteral("Brazil"));
    emit box->activated(box->currentIndex());
    QCOMPARE(c->gSelectNo_AppDelegate, 0);
    QCOMPARE(c->g.glotteryname_Global, c->listDataLottery.first());
    click(31022);
    QCOMPARE(qobject_cast<QLabel *>(control(36001))->text(), c->listDataLottery.first());
    QCOMPARE(c->iNumber, 60);
}

void TestGui::savingWritesUtf16AndNeverHalfAFile()
{
    c = start();
    c->g.gCountry_Global = QStringLiteral("Canada");
    c->g.glotteryname_Global = QStringLiteral("Lotto 6/49");
    c->listticket = {QStringLiteral("1 2 3"), QStringLiteral("4 5 6"), QStringLiteral("7 8 9")};
    const QString path = dir.filePath(QStringLiteral("lottery.txt"));
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(100000, 'o')); // an existing, longer file is replaced whole
    }
    c->saveFileDidEnd(1, path);
    c->saveFileDidEnd(1, path); // two saves in a row
    c->saveFileDidEnd(0, dir.filePath(QStringLiteral("cancelled.txt")));
    c->waitForSaves();
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    QCOMPARE(bytes.left(2), QByteArray("\xFF\xFE", 2));
    const QString text =
        QString::fromUtf16(reinterpret_cast<const char16_t *>(bytes.constData() + 2), (bytes.size() - 2) / 2);
    QCOMPARE(text, QStringLiteral("Country:Canada\r\nLottery:Lotto 6/49\r\nKey:0\r\n\r\n1 2 3\r\n4 5 6\r\n7 8 9\r\n"));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("cancelled.txt"))));
    // The Text window shows the same text, and a second showing replaces the first.
    c->listticket = {QStringLiteral("10 11 12")};
    QMetaObject::invokeMethod(c.get(), [this] {
        auto *b = new QPushButton;
        b->setProperty("tag", 31027);
        c->promptEvent(b);
        c->promptEvent(b);
        delete b;
    });
    QCOMPARE(c->vTextWindowController->a()->toPlainText(),
             QStringLiteral("Country:Canada\nLottery:Lotto 6/49\nKey:0\n\n10 11 12\n"));
    // A folder that cannot be written: one alert on the main thread, nothing created.
    const QString bad = dir.filePath(QStringLiteral("no/such/folder/lottery.txt"));
    c->saveFileDidEnd(1, bad);
    c->waitForSaves();
    QTRY_COMPARE(alerts.size(), 1);
    QVERIFY(alerts[0].message.startsWith(QStringLiteral("Failed to create writable file with message '")));
    QVERIFY(!QFile::exists(bad));
    // The Save button goes through the panel seam.
    SavePanel::setResponder(
        [&](const SavePanel::Done &done) { done(1, dir.filePath(QStringLiteral("viaPanel.txt"))); });
    c->refreshGUIButton(3);
    c->promptEvent(control(31010));
    c->waitForSaves();
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("viaPanel.txt"))));
}

void TestGui::randomPickKeepsTheModelSound()
{
    c = start();
    chooseLottery(QStringLiteral("Canada"), QStringLiteral("Lotto 6/49"));
    click(31022);
    quint32 state = 1;
    c->setRandomSource([&state] { return state = state * 1664525u + 1013904223u; });
    click(31026);
    auto *w = c->vNumberWindowController.get();
    QVERIFY(w && w->isVisible());
    QCOMPARE(qobject_cast<QLineEdit *>(w->getGUIObject(35000))->text(), QStringLiteral("7"));
    QTest::mouseClick(qobject_cast<QAbstractButton *>(w->getGUIObject(31018)), Qt::LeftButton);
    QVERIFY(!w->isVisible());
    QCOMPARE(c->selection.count(), 7);
    QCOMPARE(c->g.gKey_Global, c->selection.nosortedarray.first().getValue());
    QCOMPARE(qobject_cast<NumberButton *>(findTagged(c->aView2, 100 + c->g.gKey_Global))->look(),
             QStringLiteral("frame1.png"));
    QVERIFY(control(31009)->isEnabled());
    // Asking for more than the pool holds draws the pool dry and stops.
    c->dodo(QStringLiteral("500"));
    QCOMPARE(c->selection.count(), 49);
    QVERIFY(c->selection.originalarray.isEmpty());
    c->dodo(QStringLiteral("no number"));
    QCOMPARE(c->selection.count(), 49);
    click(31026);
    auto *stepper = qobject_cast<QSpinBox *>(w->getGUIObject(32600));
    QCOMPARE(qobject_cast<QLineEdit *>(w->getGUIObject(35000))->text(), QStringLiteral("1"));
    QCOMPARE(stepper->value(), 1);
    QTest::mouseClick(qobject_cast<QAbstractButton *>(w->getGUIObject(31011)), Qt::LeftButton);
    // Over many seeded draws every number turns up and none twice in one draw.
    QSet<int> seen;
    for (int round = 0; round < 60; ++round) {
        c->reLoadView();
        c->function1(6);
        QSet<int> once;
        for (const auto &l : c->selection.nosortedarray) {
            QVERIFY(!once.contains(l.getValue()));
            once.insert(l.getValue());
            seen.insert(l.getValue());
        }
        QCOMPARE(c->selection.count(), 6);
        QCOMPARE(c->selection.originalarray.size(), 43);
    }
    QCOMPARE(seen.size(), 49);
}

void TestGui::exitAsksFirst()
{
    c = start();
    chooseLottery(QStringLiteral("Canada"), QStringLiteral("Lotto 6/49"));
    answers << 0;
    c->window()->close();
    QVERIFY(c->window()->isVisible());
    QCOMPARE(alerts.constLast().message, QStringLiteral("Are you sure to exit?"));
    QCOMPARE(c->g.glotteryname_Global, QStringLiteral("Lotto 6/49"));
    answers << 0;
    auto *exit = c->window()->findChild<QAction *>(QStringLiteral("exitAction"));
    exit->trigger();
    QVERIFY(c->window()->isVisible());
    QCOMPARE(alerts.size(), 2);
}

// With WHEELWRIGHT_SCREENSHOTS set, pictures of every page and window go to docs/.
void TestGui::screenshots()
{
    if (qEnvironmentVariableIsEmpty("WHEELWRIGHT_SCREENSHOTS"))
        QSKIP("set WHEELWRIGHT_SCREENSHOTS to render the pictures");
    const QString docs = QStringLiteral(DOCS_DIR);
    c = start();
    c->window()->grab().save(docs + QStringLiteral("/page-lottery.png"));
    chooseLottery(QStringLiteral("Canada"), QStringLiteral("Lotto 6/49"));
    click(31022);
    for (int n : {17, 3, 40, 8, 25, 31, 44, 12, 9, 21})
        tap(n);
    c->window()->grab().save(docs + QStringLiteral("/page-numbers.png"));
    click(31022);
    c->window()->grab().save(docs + QStringLiteral("/page-wheel.png"));
    click(31023);
    c->window()->grab().save(docs + QStringLiteral("/page-tickets.png"));
    click(31027);
    c->vTextWindowController->grab().save(docs + QStringLiteral("/window-text.png"));
    c->promptEvent(control(31026));
    c->vNumberWindowController->grab().save(docs + QStringLiteral("/window-number.png"));
    c->promptEvent(control(31001));
    c->vAboutWindowController->grab().save(docs + QStringLiteral("/window-about.png"));
    c->promptEvent(control(31002));
    c->vWheelsWindowController->grab().save(docs + QStringLiteral("/window-wheels.png"));
    c->window()->findChild<QAction *>(QStringLiteral("helpAction"))->trigger();
    c->vHelpWindowController->grab().save(docs + QStringLiteral("/window-help.png"));
    // Fifteen numbers a ticket: the wheels for a player with seventeen.
    c = start();
    chooseLottery(QStringLiteral("Brazil"), QStringLiteral("Lotofácil"));
    click(31022);
    for (int n : {13, 1, 2, 4, 5, 7, 8, 10, 11, 14, 16, 17, 19, 20, 22, 23, 25})
        tap(n);
    click(31022);
    c->window()->grab().save(docs + QStringLiteral("/page-wheel-15.png"));
}

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TestGui t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_gui.moc"
