// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Application.h"

#include "app/AfterDraw.h"
#include "app/Alert.h"
#include "app/LotteryChoice.h"
#include "app/LotteryRestore.h"
#include "app/PlayReview.h"
#include "core/CountedText.h"
#include "core/ShippedFiles.h"
#include "ui/AuxWindows.h"
#include "ui/DrawCheckWindow.h"
#include "ui/Language.h"
#include "ui/LotteryPage.h"
#include "ui/MainWindow.h"
#include "ui/NumberPage.h"
#include "ui/Panels.h"
#include "ui/TicketPage.h"
#include "ui/TicketSaver.h"
#include "ui/WheelMakerWindow.h"
#include "ui/WheelPage.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QTimer>

#include <algorithm>

namespace {
// The player's lotteries stand beside his wheel library.
QString lotteriesBeside(const QString &ownWheelsPath)
{
    return ownWheelsPath.isEmpty() ? playerLotteriesFile()
                                   : QFileInfo(ownWheelsPath).dir().filePath(QStringLiteral("lotteries.txt"));
}
} // namespace

Application::Application(const QString &databasePath, const QString &ownWheelsPath)
    : playerLotteries_(lotteriesBeside(ownWheelsPath)), wheels_(catalogue_, ownWheelsPath), databasePath_(databasePath),
      window_(std::make_unique<MainWindow>()), saver_(new TicketSaver(this)),
      afterDraw_(std::make_unique<AfterDraw>(window_.get(), catalogue_, saver_)),
      review_(std::make_unique<PlayReview>(window_.get(), catalogue_, wheels_, afterDraw_.get())),
      lotteries_(std::make_unique<LotteryChoice>(*window_->lotteryPage(), database_, catalogue_, playerLotteries_,
                                                 settings_, window_.get()))
{
    connectPages();
    connectAfterDraw();
}

Application::~Application()
{
    saver_->finishAll();
    // The small windows go before the main window.
    review_.reset();
    afterDraw_.reset();
    textWindow_.reset();
    aboutWindow_.reset();
    wheelsWindow_.reset();
    helpWindow_.reset();
    wheelMakerWindow_.reset();
    lotteries_.reset();
    numberWindow_.reset();
}

void Application::connectPages()
{
    MainWindow *w = window_.get();
    // The player's own lotteries are marked in the list; they are in memory, no query is asked.
    w->lotteryPage()->setPlayersLotteries(
        [this](const QString &country, const QString &lottery) { return catalogue_.isPlayers(country, lottery); });
    LotteryChoice *lotteries = lotteries_.get();
    connect(w->lotteryPage(), &LotteryPage::countryChosen, lotteries,
            [lotteries](const QString &country) { guarded([&] { lotteries->chooseCountry(country); }); });
    connect(w->lotteryPage(), &LotteryPage::lotteryChosen, lotteries, &LotteryChoice::chooseLottery);
    connect(w->lotteryPage(), &LotteryPage::lotteriesRequested, lotteries,
            [lotteries] { guarded([lotteries] { lotteries->showLotteriesWindow(); }); });
    connect(w, &MainWindow::laterPagesMade, this, &Application::connectLaterPages);
    connect(w, &MainWindow::nextClicked, this, [this] { guarded([this] { next(); }); });
    connect(w, &MainWindow::previousClicked, this, &Application::previous);
    connect(w, &MainWindow::generateClicked, this, [this] { guarded([this] { makeTickets(); }); });
    connect(w, &MainWindow::startOverClicked, this, [w] { w->moveTo(MainWindow::LotteryStep); });
    connect(w, &MainWindow::aboutRequested, this, [this] { aboutWindow()->showWindow(); });
    connect(w, &MainWindow::wheelsRequested, this, [this] { wheelsWindow()->showWindow(); });
    connect(w, &MainWindow::helpRequested, this, [this] { helpWindow()->showWindow(); });
    connect(w, &MainWindow::languageChosen, this, &Application::chooseLanguage);
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

void Application::connectLaterPages()
{
    MainWindow *w = window_.get();
    connect(w->numberPage(), &NumberPage::keyChosen, w->wheelPage(), &WheelPage::showKey);
    connect(w->numberPage(), &NumberPage::randomPickRequested, this, &Application::pickAtRandom);
    connect(w->wheelPage(), &WheelPage::makeWheelRequested, this, &Application::makeWheel);
    // The odds of a wheel whose lines cannot be read say so on the page; Generate tells why.
    w->wheelPage()->setLineSource([this](const WheelOffer &wheel) {
        try {
            return linesOf(wheel);
        } catch (const QueryError &e) {
            return WheelLines{{}, e.message()};
        }
    });
    connect(w->wheelPage(), &WheelPage::wheelTypeChanged, this,
            [this](WheelType type) { guarded([&] { showWheels(type); }); });
    connect(w->ticketPage(), &TicketPage::saveRequested, this, &Application::save);
    connect(w->ticketPage(), &TicketPage::textViewRequested, this, &Application::showText);
    AfterDraw *after = afterDraw_.get();
    connect(w->ticketPage(), &TicketPage::checkDrawRequested, after, &AfterDraw::checkDraw);
    connect(w->ticketPage(), &TicketPage::ticketsShown, after, &AfterDraw::followNewTickets);
    PlayReview *review = review_.get();
    connect(w->ticketPage(), &TicketPage::checkDrawsRequested, review,
            [review] { guarded([&] { review->pastDrawsOfTickets(); }); });
    connect(w->wheelPage(), &WheelPage::pastDrawsRequested, review,
            [this, review] { guarded([&] { review->pastDrawsOfWheel(lottery_); }); });
    connect(w->wheelPage(), &WheelPage::compareRequested, review,
            [this, review] { guarded([&] { review->compareWheels(lottery_); }); });
    // A wheel chosen in the comparison is chosen on the page, in the list of its type.
    connect(review, &PlayReview::wheelChosen, this, [this](const WheelOffer &wheel) {
        guarded([&] {
            window_->wheelPage()->showType(wheel.type);
            showWheels(wheel.type, wheel);
        });
    });
}

void Application::connectAfterDraw()
{
    MainWindow *w = window_.get();
    AfterDraw *after = afterDraw_.get();
    connect(w, &MainWindow::openRequested, after, &AfterDraw::openTickets);
    connect(w, &MainWindow::printRequested, after, [after] { after->print(false); });
    connect(w, &MainWindow::printPreviewRequested, after, [after] { after->print(true); });
    connect(w, &MainWindow::exportPdfRequested, after, &AfterDraw::exportPdf);
    connect(w, &MainWindow::exportCsvRequested, after, &AfterDraw::exportCsv);
}

void Application::start(Library library)
{
    LotteryPage *page = window_->lotteryPage();
    showCountries(*page);
    // A missing or unreadable database is told once, here; the window still opens.
    const QString path = databasePath_.isEmpty() ? shippedFile(QStringLiteral("data.sqlite3")) : databasePath_;
    QString problem;
    if (!database_.open(path, &problem))
        alert(problem);
    // The shipped database was proven when it was built; any other is proven wheel by wheel.
    wheels_.setProveStoredWheels(!isShippedDatabase(path));
    // The player's lotteries: a damaged file is set aside and told once; the program goes on.
    playerLotteries_.load();
    if (const QString notice = playerLotteries_.takeNotice(); !notice.isEmpty())
        alert(notice);
    if (library == Library::AtStart)
        wheels_.open();
    else
        // After the paint has reached the screen, not within it; firstPainted comes only once.
        connect(window_.get(), &MainWindow::firstPainted, this,
                [this] { QTimer::singleShot(0, this, [this] { wheels_.open(); }); });

    const QString firstError = lotteries_->restore();
    window_->centreOnScreen();
    // Start-up tells at most one failed query, and none when the open already told.
    if (database_.isOpen() && !firstError.isEmpty())
        alert(firstError);
}

void Application::chooseLanguage(const QString &code)
{
    settings_.rememberLanguage(code);
    window_->showLanguage(code);
    if (code == currentWindowLanguage())
        return;
    // Told in the language chosen, which the player reads best: it takes over at the next start.
    AlertPanel::run(textInLanguage(code, "Application", QT_TRANSLATE_NOOP("Application", "Language")),
                    textInLanguage(code, "Application",
                                   QT_TRANSLATE_NOOP("Application", "Wheelwright speaks this language from its next "
                                                                    "start.")));
}

void Application::next()
{
    NumberPage *numbers = window_->numberPage();
    switch (window_->page()) {
    case MainWindow::LotteryStep:
        if (!lotteries_->isChosen()) {
            AlertPanel::run(tr("Reminder"), tr("Please select a lottery"));
            return;
        }
        if (lotteries_->gridIsStale()) {
            QString fault;
            const auto chosen = lotteries_->takeForGrid(fault);
            if (!chosen) {
                alert(fault);
                return;
            }
            lottery_ = *chosen;
            const LotteryFacts &facts = lottery_.details.facts;
            numbers->showLottery(lottery_.name, facts.pool);
            numbers->showBonusPool(facts.bonusPool, facts.bonusDrawn, bonusIsDigit(lottery_.country, lottery_.name));
        }
        window_->moveTo(MainWindow::NumberStep);
        break;
    case MainWindow::NumberStep:
        if (numbers->selection().count() < lottery_.details.pick + 1) {
            AlertPanel::run(tr("Reminder"), tr("You should select at least %1 numbers").arg(lottery_.details.pick + 1));
            return;
        }
        // A playslip of a bonus game is not complete without its bonus numbers.
        if (numbers->bonus().poolSize() > 0 && numbers->bonus().count() < lottery_.details.facts.bonusDrawn) {
            AlertPanel::run(tr("Reminder"),
                            countedText("Application", "Please choose at least 1 bonus number",
                                        QT_TRANSLATE_N_NOOP("Application", "Please choose at least %n bonus numbers"),
                                        lottery_.details.facts.bonusDrawn));
            return;
        }
        window_->wheelPage()->setPlay({lottery_.country, lottery_.name, lottery_.details, numbers->selection().count(),
                                       numbers->bonus().chosen()});
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

void Application::showWheels(WheelType type, const std::optional<WheelOffer> &choose)
{
    const int numbers = window_->numberPage()->selection().count();
    window_->wheelPage()->showWheels(type, wheels_.shelf().offers(lottery_.details.pick, type, numbers), choose);
}

WheelLines Application::linesOf(const WheelOffer &wheel)
{
    WheelLines read = wheels_.shelf().lines(wheel);
    if (const QString notice = wheels_.shelf().takeNotice(); !notice.isEmpty())
        alert(notice);
    return read;
}

void Application::makeWheel()
{
    WheelMakerWindow *w = wheelMakerWindow();
    if (!w->isSearching())
        w->offer(lottery_.details.pick, window_->numberPage()->selection().count(),
                 window_->wheelPage()->wheelType() == WheelType::Key);
    w->showWindow();
}

void Application::keepOwnWheel(const wheel::WheelSpec &spec, const std::vector<wheel::Line> &lines)
{
    QString problem;
    if (wheels_.own().store(spec, lines, &problem) == OwnWheels::Stored::Refused) {
        alert(tr("The wheel could not be kept in your library: %1").arg(problem));
        return;
    }
    const auto type = spec.type == 'k' ? WheelType::Key : WheelType::TypeA;
    // The list shows the wheel the player just made (or the better one he already had).
    if (window_->page() == MainWindow::WheelStep && window_->numberPage()->selection().count() == spec.z &&
        lottery_.details.pick == spec.pick && window_->wheelPage()->wheelType() == type)
        guarded([&] {
            const Guarantee guarantee{spec.x, spec.y};
            showWheels(type, wheels_.shelf().find(spec.pick, type, spec.z, guarantee, true));
        });
}

void Application::makeTickets()
{
    WheelPage *wheels = window_->wheelPage();
    const auto wheel = wheels->chosenWheel();
    if (!wheel) {
        AlertPanel::run(tr("Notice"), tr("You must select a xy option!!"));
        return;
    }
    NumberPage *numbers = window_->numberPage();
    WheelShelf &shelf = wheels_.shelf();
    const PlayOutcome made = play(
        {lottery_, numbers->selection().chosenInOrder(), numbers->bonus().chosen(), *wheel, wheels->ticketFormat()},
        shelf);
    if (const QString notice = shelf.takeNotice(); !notice.isEmpty())
        alert(notice);
    // Damage in the database never becomes tickets: the wheel is named and nothing is made.
    if (!made.ok()) {
        alert(tr("The wheel \"%1\" for %2 numbers is damaged: %3. No tickets were made from it.")
                  .arg(wheel->printableLabel())
                  .arg(wheel->numbers)
                  .arg(made.problem));
        return;
    }
    window_->ticketPage()->showSheet(made.sheet);
    window_->moveTo(MainWindow::TicketStep);
}

void Application::pickAtRandom()
{
    NumberWindow *w = numberWindow();
    w->offerCounts(lottery_.details.facts.pool, lottery_.details.pick, window_->numberPage()->selection().count());
    w->showWindow();
}

void Application::save()
{
    const QByteArray bytes = window_->ticketPage()->sheet().fileBytes();
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
    w->showText(window_->ticketPage()->sheet().fileText());
}

bool Application::confirmExit()
{
    return AlertPanel::confirm(tr("Reminder"), tr("Are you sure to exit?"));
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

WheelMakerWindow *Application::wheelMakerWindow()
{
    if (!wheelMakerWindow_) {
        wheelMakerWindow_ = std::make_unique<WheelMakerWindow>();
        connect(wheelMakerWindow_.get(), &WheelMakerWindow::wheelMade, this, &Application::keepOwnWheel);
        // The library's list tells the count; the lines are proven when the wheel is played,
        // not at every change of the maker's fields.
        wheelMakerWindow_->setStoredLookup([this](const wheel::WheelSpec &spec) -> std::size_t {
            const auto type = spec.type == 'k' ? WheelType::Key : WheelType::TypeA;
            const auto found = wheels_.shelf().find(spec.pick, type, spec.z, Guarantee{spec.x, spec.y}, true);
            return found ? static_cast<std::size_t>(std::max(found->tickets, 0)) : 0;
        });
    }
    return wheelMakerWindow_.get();
}

HelpWindow *Application::helpWindow()
{
    if (!helpWindow_)
        helpWindow_ = std::make_unique<HelpWindow>();
    return helpWindow_.get();
}

DrawCheckWindow *Application::drawCheckWindow()
{
    return afterDraw_->drawCheckWindow();
}
