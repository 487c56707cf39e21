// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Application.h"

#include "core/Countries.h"
#include "core/CsvExport.h"
#include "core/ShippedFiles.h"
#include "ui/AuxWindows.h"
#include "ui/DrawCheckWindow.h"
#include "ui/LotteryPage.h"
#include "ui/MainWindow.h"
#include "ui/NumberPage.h"
#include "ui/Panels.h"
#include "ui/TicketPage.h"
#include "ui/TicketPrinter.h"
#include "ui/TicketSaver.h"
#include "ui/WheelMakerWindow.h"
#include "ui/WheelPage.h"

#include <QApplication>
#include <QDir>
#include <QPrinter>

#include <algorithm>

namespace {
const QString kFirstCountry = QStringLiteral("Australia");

void alert(const QString &message)
{
    AlertPanel::run(QStringLiteral("Alert"), message);
}
} // namespace

Application::Application(const QString &databasePath, const QString &ownWheelsPath)
    : ownWheelsPath_(ownWheelsPath), databasePath_(databasePath), window_(std::make_unique<MainWindow>()),
      saver_(new TicketSaver(this))
{
    connectPages();
    connectAfterDraw();
}

Application::~Application()
{
    saver_->finishAll();
    // The small windows go before the main window.
    drawCheckWindow_.reset();
    textWindow_.reset();
    aboutWindow_.reset();
    wheelsWindow_.reset();
    helpWindow_.reset();
    wheelMakerWindow_.reset();
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
    // The shipped database was proven when it was built; any other is proven wheel by wheel.
    shelf_.setProveStoredWheels(!isShippedDatabase(path));

    // The player's own wheels; a damaged library is set aside and told, the shipped wheels
    // stay whatever becomes of it.
    const QString ownPath = ownWheelsPath_.isEmpty() ? ownWheelsFile() : ownWheelsPath_;
    QString ownProblem;
    if (!ownWheels_.open(ownPath, &ownProblem))
        alert(QStringLiteral("Your own wheels cannot be kept: %1").arg(ownProblem));
    else if (const QString notice = ownWheels_.takeNotice(); !notice.isEmpty())
        alert(notice);

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
    lotteryName_ = settings_.lottery();
    QStringList names;
    if (!rememberedCountry.isNull() && page->showCountry(rememberedCountry))
        quietly([&] { names = catalogue_.lotteryNames(rememberedCountry); });
    if (!lotteryName_.isNull() && names.contains(lotteryName_)) {
        lotteryRow_ = static_cast<int>(names.indexOf(lotteryName_));
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
    settings_.remember(country_, lotteryName_);
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
    settings_.remember(country_, lotteryName_);
}

void Application::chooseLottery(int row)
{
    if (row == lotteryRow_)
        return;
    lotteryRow_ = row;
    lotteryName_ = window_->lotteryPage()->lotteries().value(row);
    gridIsStale_ = true;
    settings_.remember(country_, lotteryName_);
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
            const auto details = catalogue_.details(country_, lotteryName_);
            if (!details) {
                alert(QStringLiteral("The lottery \"%1\" of %2 is not in the wheel database.")
                          .arg(lotteryName_, country_));
                return;
            }
            const PlayedLottery chosen{country_, lotteryName_, *details};
            if (const QString fault = lotteryFault(chosen); !fault.isEmpty()) {
                alert(fault);
                return;
            }
            lottery_ = chosen;
            const LotteryFacts &facts = lottery_.details.facts;
            numbers->showLottery(lottery_.name, facts.pool);
            numbers->showBonusPool(facts.bonusPool, facts.bonusDrawn, bonusIsDigit(country_, lottery_.name));
            gridIsStale_ = false;
        }
        window_->moveTo(MainWindow::NumberStep);
        break;
    case MainWindow::NumberStep:
        if (numbers->selection().count() < lottery_.details.pick + 1) {
            AlertPanel::run(QStringLiteral("Reminder"),
                            QStringLiteral("You should select at least %1 numbers").arg(lottery_.details.pick + 1));
            return;
        }
        // A playslip of a bonus game is not complete without its bonus numbers.
        if (numbers->bonus().poolSize() > 0 && numbers->bonus().count() < lottery_.details.facts.bonusDrawn) {
            AlertPanel::run(QStringLiteral("Reminder"),
                            QStringLiteral("Please choose at least %1 bonus number%2")
                                .arg(lottery_.details.facts.bonusDrawn)
                                .arg(lottery_.details.facts.bonusDrawn == 1 ? QString() : QStringLiteral("s")));
            return;
        }
        window_->wheelPage()->setPlay(
            {lottery_.country, lottery_.name, lottery_.details, numbers->selection().count()});
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
    window_->wheelPage()->showWheels(type, shelf_.offers(lottery_.details.pick, type, numbers), choose);
}

WheelLines Application::linesOf(const WheelOffer &wheel)
{
    WheelLines read = shelf_.lines(wheel);
    if (const QString notice = shelf_.takeNotice(); !notice.isEmpty())
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
    if (ownWheels_.store(spec, lines, &problem) == OwnWheels::Stored::Refused) {
        alert(QStringLiteral("The wheel could not be kept in your library: %1").arg(problem));
        return;
    }
    const auto type = spec.type == 'k' ? WheelType::Key : WheelType::TypeA;
    // The list shows the wheel the player just made (or the better one he already had).
    if (window_->page() == MainWindow::WheelStep && window_->numberPage()->selection().count() == spec.z &&
        lottery_.details.pick == spec.pick && window_->wheelPage()->wheelType() == type)
        guarded([&] {
            const Guarantee guarantee{spec.x, spec.y};
            showWheels(type, shelf_.find(spec.pick, type, spec.z, guarantee, true));
        });
}

void Application::makeTickets()
{
    WheelPage *wheels = window_->wheelPage();
    const auto wheel = wheels->chosenWheel();
    if (!wheel) {
        AlertPanel::run(QStringLiteral("Notice"), QStringLiteral("You must select a xy option!!"));
        return;
    }
    NumberPage *numbers = window_->numberPage();
    const PlayOutcome made = play(
        {lottery_, numbers->selection().chosenInOrder(), numbers->bonus().chosen(), *wheel, wheels->ticketFormat()},
        shelf_);
    if (const QString notice = shelf_.takeNotice(); !notice.isEmpty())
        alert(notice);
    // Damage in the database never becomes tickets: the wheel is named and nothing is made.
    if (!made.ok()) {
        alert(QStringLiteral("The wheel \"%1\" for %2 numbers is damaged: %3. No tickets were made from it.")
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
    const QByteArray bytes = sheet().fileBytes();
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
    w->showText(sheet().fileText());
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

WheelMakerWindow *Application::wheelMakerWindow()
{
    if (!wheelMakerWindow_) {
        wheelMakerWindow_ = std::make_unique<WheelMakerWindow>();
        connect(wheelMakerWindow_.get(), &WheelMakerWindow::wheelMade, this, &Application::keepOwnWheel);
        wheelMakerWindow_->setStoredLookup([this](const wheel::WheelSpec &spec) -> std::size_t {
            const auto found = ownWheels_.find(spec);
            return found ? found->size() : 0;
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
    if (!drawCheckWindow_) {
        drawCheckWindow_ = std::make_unique<DrawCheckWindow>();
        TicketPage *page = window_->ticketPage();
        connect(drawCheckWindow_.get(), &DrawCheckWindow::checked, page, &TicketPage::showMatches);
        connect(drawCheckWindow_.get(), &DrawCheckWindow::cleared, page, &TicketPage::clearMatches);
    }
    return drawCheckWindow_.get();
}

void Application::connectAfterDraw()
{
    MainWindow *w = window_.get();
    connect(w->ticketPage(), &TicketPage::checkDrawRequested, this, &Application::checkDraw);
    // A draw window left open checks the tickets now shown, never the ones before.
    connect(w->ticketPage(), &TicketPage::ticketsShown, this, [this] {
        if (drawCheckWindow_)
            guarded([this] { loadDrawWindow(); });
    });
    connect(w, &MainWindow::openRequested, this, &Application::openTickets);
    connect(w, &MainWindow::printRequested, this, [this] { printTickets(false); });
    connect(w, &MainWindow::printPreviewRequested, this, [this] { printTickets(true); });
    connect(w, &MainWindow::exportPdfRequested, this, &Application::exportPdf);
    connect(w, &MainWindow::exportCsvRequested, this, &Application::exportCsv);
}

const TicketSheet &Application::sheet() const
{
    return window_->ticketPage()->sheet();
}

void Application::loadDrawWindow()
{
    const TicketSheet &tickets = sheet();
    const auto details = catalogue_.details(tickets.country, tickets.lottery);
    const QString title =
        tickets.country.isEmpty() ? tickets.lottery : QStringLiteral("%1 (%2)").arg(tickets.lottery, tickets.country);
    drawCheckWindow()->setTickets(title, details ? std::optional<LotteryFacts>(details->facts) : std::nullopt,
                                  tickets.tickets);
}

void Application::checkDraw()
{
    if (sheet().isEmpty())
        return;
    guarded([this] {
        loadDrawWindow();
        drawCheckWindow()->showWindow();
    });
}

void Application::openTickets()
{
    QPointer<Application> self(this);
    OpenPanel::ask(window_.get(), [self](const QString &path) {
        if (self && !path.isEmpty())
            self->guarded([&] { self->openFile(path); });
    });
}

void Application::openFile(const QString &path)
{
    // Every refusal names the file and the line, and leaves the screen as it was.
    const QString name = QDir::toNativeSeparators(path);
    const auto refuse = [&](const TicketFileError &error) {
        alert(QStringLiteral("These tickets cannot be opened.\n%1").arg(error.describe(name)));
    };
    const TicketFileRead read = loadTicketFile(path);
    if (!read.ok())
        return refuse(read.error);
    const TicketFileContents &file = read.contents;
    const auto details = catalogue_.details(file.country, file.lottery);
    if (!details) {
        if (catalogue_.lotteryNames(file.country).isEmpty())
            return refuse(
                {1, QStringLiteral("Wheelwright knows no lotteries of the country \"%1\"").arg(file.country)});
        return refuse(
            {2, QStringLiteral("Wheelwright does not know the lottery \"%1\" of %2").arg(file.lottery, file.country)});
    }
    const TicketFileError fit = ticketsFitLottery(file, {file.country, file.lottery, *details});
    if (!fit.isEmpty())
        return refuse(fit);
    window_->ticketPage()->showSheet(sheetOfFile(file));
    window_->moveTo(MainWindow::TicketStep);
}

void Application::printTickets(bool preview)
{
    const TicketSheet &tickets = sheet();
    if (tickets.isEmpty())
        return;
    const PrintedSheet sheet{tickets.country, tickets.lottery,      tickets.wheel,
                             tickets.key,     QDate::currentDate(), tickets.lines()};
    PrintPanel::ask(window_.get(), preview ? PrintPanel::Preview : PrintPanel::Print, [sheet](QPrinter *printer) {
        printer->setDocName(sheet.lottery + QStringLiteral(" tickets"));
        if (paintSheet(printer, sheet) == 0)
            alert(QStringLiteral("The tickets could not be printed: the printer cannot be used."));
    });
}

void Application::exportPdf()
{
    const TicketSheet &tickets = sheet();
    if (tickets.isEmpty())
        return;
    const PrintedSheet sheet{tickets.country, tickets.lottery,      tickets.wheel,
                             tickets.key,     QDate::currentDate(), tickets.lines()};
    QPointer<TicketSaver> saver(saver_);
    SavePanel::askFor(window_.get(), QStringLiteral("Export PDF"), QStringLiteral("tickets"),
                      QStringLiteral("PDF files (*.pdf)"), QStringLiteral("pdf"), [saver, sheet](const QString &path) {
                          if (!saver || path.isEmpty())
                              return;
                          const QByteArray pdf = sheetPdf(sheet);
                          if (pdf.isEmpty())
                              alert(
                                  QStringLiteral("%1: the PDF could not be made.").arg(QDir::toNativeSeparators(path)));
                          else
                              saver->save(path, pdf);
                      });
}

void Application::exportCsv()
{
    if (sheet().isEmpty())
        return;
    const QByteArray csv = ticketsCsv(sheet().tickets);
    QPointer<TicketSaver> saver(saver_);
    SavePanel::askFor(window_.get(), QStringLiteral("Export CSV"), QStringLiteral("tickets"),
                      QStringLiteral("CSV files (*.csv)"), QStringLiteral("csv"), [saver, csv](const QString &path) {
                          if (saver && !path.isEmpty())
                              saver->save(path, csv);
                      });
}
