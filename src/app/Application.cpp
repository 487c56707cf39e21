// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Application.h"

#include "AuxWindows.h"
#include "BonusSpread.h"
#include "Countries.h"
#include "Expansion.h"
#include "LotteryPage.h"
#include "MainWindow.h"
#include "NumberPage.h"
#include "Panels.h"
#include "ShippedFiles.h"
#include "TicketFile.h"
#include "TicketPage.h"
#include "TicketSaver.h"
#include "WheelPage.h"

#include <QApplication>

#include <algorithm>

namespace {
const QString kFirstCountry = QStringLiteral("Australia");

void alert(const QString &message)
{
    AlertPanel::run(QStringLiteral("Alert"), message);
}
} // namespace

Application::Application(const QString &databasePath)
    : databasePath_(databasePath), window_(std::make_unique<MainWindow>()), saver_(new TicketSaver(this))
{
    connectPages();
}

Application::~Application()
{
    saver_->finishAll();
    // The small windows go before the main window.
    textWindow_.reset();
    aboutWindow_.reset();
    wheelsWindow_.reset();
    helpWindow_.reset();
    numberWindow_.reset();
}

void Application::connectPages()
{
    MainWindow *w = window_.get();
    connect(w->lotteryPage(), &LotteryPage::countryChosen, this,
            [this](const QString &country) { guarded([&] { chooseCountry(country); }); });
    connect(w->lotteryPage(), &LotteryPage::lotteryChosen, this, &Application::chooseLottery);
    connect(w->numberPage(), &NumberPage::keyChosen, w->wheelPage(), &WheelPage::showKey);
    connect(w->numberPage(), &NumberPage::randomPickRequested, this, &Application::pickAtRandom);
    // The odds of a wheel whose lines cannot be read say so on the page; Generate tells why.
    w->wheelPage()->setLineSource([this](WheelType type, const QString &guarantee) {
        try {
            return catalogue_.wheelLines(shape_.pick, type, guarantee, window_->numberPage()->selection().count());
        } catch (const QueryError &) {
            return QStringList();
        }
    });
    connect(w->wheelPage(), &WheelPage::wheelTypeChanged, this,
            [this](WheelType type) { guarded([&] { showWheels(type); }); });
    connect(w->ticketPage(), &TicketPage::saveRequested, this, &Application::save);
    connect(w->ticketPage(), &TicketPage::textViewRequested, this, &Application::showText);
    connect(w, &MainWindow::nextClicked, this, [this] { guarded([this] { next(); }); });
    connect(w, &MainWindow::previousClicked, this, &Application::previous);
    connect(w, &MainWindow::generateClicked, this, [this] { guarded([this] { makeTickets(); }); });
    connect(w, &MainWindow::startOverClicked, this, [w] { w->moveTo(MainWindow::LotteryStep); });
    connect(w, &MainWindow::aboutRequested, this, [this] { aboutWindow()->showWindow(); });
    connect(w, &MainWindow::wheelsRequested, this, [this] { wheelsWindow()->showWindow(); });
    connect(w, &MainWindow::helpRequested, this, [this] { helpWindow()->showWindow(); });
    connect(w, &MainWindow::exitRequested, this, [this] {
        if (confirmExit())
            quit();
    });
    w->setCloseGuard([this] {
        if (!confirmExit())
            return false;
        quit();
        return true;
    });
}

void Application::guarded(const std::function<void()> &work)
{
    try {
        work();
    } catch (const QueryError &e) {
        alert(e.message());
    }
}

void Application::start()
{
    LotteryPage *page = window_->lotteryPage();
    QStringList countries;
    for (const char *c : kCountries)
        countries << QString::fromLatin1(c);
    page->setCountries(countries);
    page->showCountry(kFirstCountry);

    // A missing or unreadable database is told once, here; the window still opens.
    const QString path = databasePath_.isEmpty() ? shippedFile(QStringLiteral("data.sqlite3")) : databasePath_;
    QString problem;
    if (!database_.open(path, &problem))
        alert(problem);

    // Start-up tells at most one failed query, and none when the open already told.
    QString firstError;
    const auto quietly = [&](const std::function<void()> &work) {
        try {
            work();
        } catch (const QueryError &e) {
            if (firstError.isEmpty())
                firstError = e.message();
        }
    };
    // The remembered lottery is chosen again when its country and row are still there; the
    // remembered name is kept either way, so the next start can find it once more.
    const QString rememberedCountry = settings_.country();
    lottery_ = settings_.lottery();
    QStringList names;
    if (!rememberedCountry.isNull() && page->showCountry(rememberedCountry))
        quietly([&] { names = catalogue_.lotteryNames(rememberedCountry); });
    if (!lottery_.isNull() && names.contains(lottery_)) {
        lotteryRow_ = static_cast<int>(names.indexOf(lottery_));
        gridIsStale_ = true;
    } else if (names.isEmpty()) {
        page->showCountry(kFirstCountry);
    }
    country_ = page->country();
    names.clear();
    quietly([&] { names = catalogue_.lotteryNames(country_); });
    page->showLotteries(names);
    page->selectLottery(lotteryRow_);

    window_->centreOnScreen();
    settings_.remember(country_, lottery_);
    if (database_.isOpen() && !firstError.isEmpty())
        alert(firstError);
}

void Application::chooseCountry(const QString &country)
{
    LotteryPage *page = window_->lotteryPage();
    country_ = country;
    lotteryRow_ = -1;
    // Should the query fail, the old country's lotteries are gone all the same.
    page->showLotteries({});
    page->showLotteries(catalogue_.lotteryNames(country_));
    page->selectLottery(-1);
    // The first lottery of the new country is the one shown chosen, so it is the one the
    // next page works with (not the lottery of the previous country).
    if (!page->lotteries().isEmpty()) {
        page->selectLottery(0);
        chooseLottery(0);
    }
    settings_.remember(country_, lottery_);
}

void Application::chooseLottery(int row)
{
    if (row == lotteryRow_)
        return;
    lotteryRow_ = row;
    lottery_ = window_->lotteryPage()->lotteries().value(row);
    gridIsStale_ = true;
    settings_.remember(country_, lottery_);
}

void Application::next()
{
    NumberPage *numbers = window_->numberPage();
    switch (window_->page()) {
    case MainWindow::LotteryStep:
        if (lotteryRow_ < 0) {
            AlertPanel::run(QStringLiteral("Reminder"), QStringLiteral("Please select a lottery"));
            return;
        }
        if (gridIsStale_) {
            // A lottery whose row is damaged is refused here, before it can freeze the grid or
            // ask for more numbers than its pool holds.
            const auto shape = catalogue_.shape(country_, lottery_);
            if (!shape) {
                alert(QStringLiteral("The lottery \"%1\" of %2 is not in the wheel database.").arg(lottery_, country_));
                return;
            }
            if (!shape->playable()) {
                alert(QStringLiteral("The lottery \"%1\" of %2 cannot be played: the wheel database holds no usable "
                                     "size for it (a pool of 2 to 99 numbers, and fewer on a ticket).")
                          .arg(lottery_, country_));
                return;
            }
            shape_ = *shape;
            details_ = catalogue_.details(country_, lottery_).value_or(LotteryDetails{});
            numbers->showLottery(lottery_, shape_.pool);
            numbers->showBonusPool(details_.facts.bonusPool, details_.facts.bonusDrawn,
                                   bonusIsDigit(country_, lottery_));
            gridIsStale_ = false;
        }
        window_->moveTo(MainWindow::NumberStep);
        break;
    case MainWindow::NumberStep:
        if (numbers->selection().count() < shape_.pick + 1) {
            AlertPanel::run(QStringLiteral("Reminder"),
                            QStringLiteral("You should select at least %1 numbers").arg(shape_.pick + 1));
            return;
        }
        // A playslip of a bonus game is not complete without its bonus numbers.
        if (numbers->bonus().poolSize() > 0 && numbers->bonus().count() < details_.facts.bonusDrawn) {
            AlertPanel::run(QStringLiteral("Reminder"),
                            QStringLiteral("Please choose at least %1 bonus number%2")
                                .arg(details_.facts.bonusDrawn)
                                .arg(details_.facts.bonusDrawn == 1 ? QString() : QStringLiteral("s")));
            return;
        }
        window_->wheelPage()->setPlay({country_, lottery_, details_, numbers->selection().count()});
        showWheels(window_->wheelPage()->wheelType());
        window_->moveTo(MainWindow::WheelStep);
        break;
    case MainWindow::WheelStep:
    case MainWindow::TicketStep:
        break;
    }
}

void Application::previous()
{
    if (window_->page() != MainWindow::LotteryStep)
        window_->moveTo(static_cast<MainWindow::Page>(window_->page() - 1));
}

void Application::showWheels(WheelType type)
{
    window_->wheelPage()->showWheels(
        type, catalogue_.wheelEntries(shape_.pick, type, window_->numberPage()->selection().count()));
}

void Application::makeTickets()
{
    WheelPage *wheels = window_->wheelPage();
    const auto wheel = wheels->chosenWheel();
    if (!wheel) {
        AlertPanel::run(QStringLiteral("Notice"), QStringLiteral("You must select a xy option!!"));
        return;
    }
    const SelectionModel &selection = window_->numberPage()->selection();
    // Damage in the database never becomes tickets: the wheel is named and nothing is made.
    const auto damaged = [&](const QString &why) {
        QString name = wheel->guarantee;
        for (QChar &c : name)
            if (c.category() == QChar::Other_Control)
                c = QLatin1Char('?');
        alert(QStringLiteral("The wheel \"%1\" for %2 numbers is damaged: %3. No tickets were made from it.")
                  .arg(name)
                  .arg(selection.count())
                  .arg(why));
    };
    if (std::any_of(wheel->guarantee.cbegin(), wheel->guarantee.cend(),
                    [](QChar c) { return c.category() == QChar::Other_Control; })) {
        damaged(QStringLiteral("its name holds characters that are no text"));
        return;
    }
    const QStringList lines =
        catalogue_.wheelLines(shape_.pick, wheels->wheelType(), wheel->guarantee, selection.count());
    if (lines.size() != wheel->tickets) {
        damaged(
            QStringLiteral("it has %1 lines where the wheel list promises %2").arg(lines.size()).arg(wheel->tickets));
        return;
    }
    const Expansion expansion = expandTickets(selection.selectionString(), lines, wheels->ticketFormat(), shape_.pick);
    if (!expansion.sound()) {
        damaged(QStringLiteral("its line \"%1\" %2").arg(expansion.badLine, expansion.fault));
        return;
    }
    const BonusSelection &bonus = window_->numberPage()->bonus();
    sheet_ = {country_, lottery_, selection.key(),
              withBonusNumbers(expansion.tickets, bonus.chosen(), details_.facts.bonusDrawn, wheels->ticketFormat())};
    window_->ticketPage()->showTickets(lottery_, sheet_.tickets);
    window_->moveTo(MainWindow::TicketStep);
}

void Application::pickAtRandom()
{
    NumberWindow *w = numberWindow();
    w->offerCounts(shape_.pool, shape_.pick, window_->numberPage()->selection().count());
    w->showWindow();
}

void Application::save()
{
    const QByteArray bytes =
        ticketFileBytes(ticketFileText(sheet_.country, sheet_.lottery, sheet_.key, sheet_.tickets));
    QPointer<TicketSaver> saver(saver_);
    SavePanel::ask(window_.get(), QStringLiteral("lottery"), [saver, bytes](const QString &path) {
        if (saver && !path.isEmpty())
            saver->save(path, bytes);
    });
}

void Application::showText()
{
    TextWindow *w = textWindow();
    w->showWindow();
    w->showText(ticketFileText(sheet_.country, sheet_.lottery, sheet_.key, sheet_.tickets));
}

bool Application::confirmExit()
{
    return AlertPanel::confirm(QStringLiteral("Reminder"), QStringLiteral("Are you sure to exit?"));
}

void Application::quit()
{
    // A failed save is told before the program goes.
    saver_->finishAll();
    window_->closeConfirmed();
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

void Application::finishSaves()
{
    saver_->finishAll();
}

NumberWindow *Application::numberWindow()
{
    if (!numberWindow_) {
        numberWindow_ = std::make_unique<NumberWindow>();
        connect(numberWindow_.get(), &NumberWindow::countChosen, window_->numberPage(), &NumberPage::drawRandom);
    }
    return numberWindow_.get();
}

TextWindow *Application::textWindow()
{
    if (!textWindow_)
        textWindow_ = std::make_unique<TextWindow>();
    return textWindow_.get();
}

AboutWindow *Application::aboutWindow()
{
    if (!aboutWindow_)
        aboutWindow_ = std::make_unique<AboutWindow>();
    return aboutWindow_.get();
}

WheelsWindow *Application::wheelsWindow()
{
    if (!wheelsWindow_)
        wheelsWindow_ = std::make_unique<WheelsWindow>();
    return wheelsWindow_.get();
}

HelpWindow *Application::helpWindow()
{
    if (!helpWindow_)
        helpWindow_ = std::make_unique<HelpWindow>();
    return helpWindow_.get();
}
