// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Application.h"

#include "core/BonusSpread.h"
#include "core/Countries.h"
#include "core/CsvExport.h"
#include "core/Expansion.h"
#include "core/ShippedFiles.h"
#include "core/TicketFile.h"
#include "core/WheelOffer.h"
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
#include <QStandardPaths>

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
    w->wheelPage()->setLineSource([this](WheelType type, const QString &guarantee) {
        const auto chosen = window_->wheelPage()->chosenWheel();
        try {
            return wheelLinesOf(type, guarantee, chosen && chosen->own);
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

    // The player's own wheels; a damaged library is set aside and told, the shipped wheels
    // stay whatever becomes of it.
    const QString ownPath =
        ownWheelsPath_.isEmpty()
            ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/own-wheels.sqlite3")
            : ownWheelsPath_;
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

void Application::showWheels(WheelType type, const QString &choose)
{
    const int numbers = window_->numberPage()->selection().count();
    QStringList entries = catalogue_.wheelEntries(shape_.pick, type, numbers);
    // The player's own wheels stand beside the shipped ones, marked as his.
    const auto own = ownWheels_.list(shape_.pick, type == WheelType::Key ? 'k' : 'a', numbers);
    for (const OwnWheelEntry &wheel : own)
        entries << wheelListEntry(wheel.guarantee, QString::number(wheel.tickets), true);
    window_->wheelPage()->showWheels(type, entries, choose);
}

QStringList Application::wheelLinesOf(WheelType type, const QString &guarantee, bool own)
{
    const int numbers = window_->numberPage()->selection().count();
    if (!own)
        return catalogue_.wheelLines(shape_.pick, type, guarantee, numbers);
    wheel::WheelSpec spec;
    spec.pick = shape_.pick;
    spec.type = type == WheelType::Key ? 'k' : 'a';
    spec.z = numbers;
    const QStringList parts = guarantee.split(QStringLiteral(" if "));
    spec.x = parts.value(0).toInt();
    spec.y = parts.value(1).toInt();
    QStringList lines;
    if (const auto found = ownWheels_.find(spec))
        for (wheel::Line line : *found)
            lines << QString::fromStdString(wheel::formatLine(line));
    if (const QString notice = ownWheels_.takeNotice(); !notice.isEmpty())
        alert(notice);
    return lines;
}

void Application::makeWheel()
{
    WheelMakerWindow *w = wheelMakerWindow();
    if (!w->isSearching())
        w->offer(shape_.pick, window_->numberPage()->selection().count(),
                 window_->wheelPage()->wheelType() == WheelType::Key);
    w->showWindow();
}

void Application::keepOwnWheel(const wheel::WheelSpec &spec, const std::vector<wheel::Line> &lines)
{
    QString problem;
    const auto stored = ownWheels_.store(spec, lines, &problem);
    if (stored == OwnWheels::Stored::Refused) {
        alert(QStringLiteral("The wheel could not be kept in your library: %1").arg(problem));
        return;
    }
    const auto type = spec.type == 'k' ? WheelType::Key : WheelType::TypeA;
    const QString guarantee = QString::fromStdString(spec.label());
    const auto own = ownWheels_.list(spec.pick, spec.type, spec.z);
    const auto kept =
        std::find_if(own.cbegin(), own.cend(), [&](const OwnWheelEntry &e) { return e.guarantee == guarantee; });
    // The list shows the wheel the player just made (or the better one he already had).
    if (window_->page() == MainWindow::WheelStep && window_->numberPage()->selection().count() == spec.z &&
        shape_.pick == spec.pick && window_->wheelPage()->wheelType() == type)
        guarded([&] {
            showWheels(type, kept == own.cend() ? QString()
                                                : wheelListEntry(guarantee, QString::number(kept->tickets), true));
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
              withBonusNumbers(expansion.tickets, bonus.chosen(), details_.facts.bonusDrawn, wheels->ticketFormat()),
              QStringLiteral("%1 wheel for %2 numbers, guarantee %3")
                  .arg(wheels->wheelType() == WheelType::Key ? QStringLiteral("Key") : QStringLiteral("Type-A"))
                  .arg(selection.count())
                  .arg(wheel->guarantee)};
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
        if (!drawCheckWindow_)
            return;
        guarded([this] {
            const auto tickets = ticketsOnPage();
            loadDrawWindow(tickets.value_or(QList<TicketNumbers>()));
        });
    });
    connect(w, &MainWindow::openRequested, this, &Application::openTickets);
    connect(w, &MainWindow::printRequested, this, [this] { printTickets(false); });
    connect(w, &MainWindow::printPreviewRequested, this, [this] { printTickets(true); });
    connect(w, &MainWindow::exportPdfRequested, this, &Application::exportPdf);
    connect(w, &MainWindow::exportCsvRequested, this, &Application::exportCsv);
}

std::optional<QList<TicketNumbers>> Application::ticketsOnPage()
{
    const QStringList &lines = window_->ticketPage()->tickets();
    QList<TicketNumbers> out;
    out.reserve(lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const ParsedTicketLine parsed = parseTicketLine(lines[i]);
        if (!parsed.error.isEmpty()) {
            alert(QStringLiteral("Ticket %1 (\"%2\") cannot be read: %3.")
                      .arg(i + 1)
                      .arg(lines[i].left(80), parsed.error));
            return std::nullopt;
        }
        out << parsed.ticket;
    }
    return out;
}

void Application::loadDrawWindow(const QList<TicketNumbers> &tickets)
{
    const auto details = catalogue_.details(sheet_.country, sheet_.lottery);
    const QString title =
        sheet_.country.isEmpty() ? sheet_.lottery : QStringLiteral("%1 (%2)").arg(sheet_.lottery, sheet_.country);
    drawCheckWindow()->setTickets(title, details ? std::optional<LotteryFacts>(details->facts) : std::nullopt, tickets);
}

void Application::checkDraw()
{
    if (sheet_.tickets.isEmpty())
        return;
    guarded([this] {
        const auto tickets = ticketsOnPage();
        if (!tickets)
            return;
        loadDrawWindow(*tickets);
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
    const TicketFileError fit = checkTicketRanges(file, details->facts.pool, details->facts.bonusPool);
    if (!fit.isEmpty())
        return refuse(fit);
    QStringList lines;
    lines.reserve(file.tickets.size());
    for (const TicketNumbers &t : file.tickets) {
        // A ticket of another size was not made for this lottery.
        if (details->pick > 0 && t.main.size() != details->pick)
            return refuse({t.line, QStringLiteral("a ticket of %1 holds %2 numbers, this one holds %3")
                                       .arg(file.lottery)
                                       .arg(details->pick)
                                       .arg(t.main.size())});
        lines << formatTicket(t, file.format);
    }
    sheet_ = {file.country, file.lottery, file.key, lines, QString()};
    window_->ticketPage()->showTickets(file.lottery, lines);
    window_->moveTo(MainWindow::TicketStep);
}

void Application::printTickets(bool preview)
{
    if (sheet_.tickets.isEmpty())
        return;
    const PrintedSheet sheet{sheet_.country, sheet_.lottery,       sheet_.wheel,
                             sheet_.key,     QDate::currentDate(), window_->ticketPage()->tickets()};
    PrintPanel::ask(window_.get(), preview ? PrintPanel::Preview : PrintPanel::Print, [sheet](QPrinter *printer) {
        printer->setDocName(sheet.lottery + QStringLiteral(" tickets"));
        if (paintSheet(printer, sheet) == 0)
            alert(QStringLiteral("The tickets could not be printed: the printer cannot be used."));
    });
}

void Application::exportPdf()
{
    if (sheet_.tickets.isEmpty())
        return;
    const PrintedSheet sheet{sheet_.country, sheet_.lottery,       sheet_.wheel,
                             sheet_.key,     QDate::currentDate(), window_->ticketPage()->tickets()};
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
    if (sheet_.tickets.isEmpty())
        return;
    const auto tickets = ticketsOnPage();
    if (!tickets)
        return;
    const QByteArray csv = ticketsCsv(*tickets);
    QPointer<TicketSaver> saver(saver_);
    SavePanel::askFor(window_.get(), QStringLiteral("Export CSV"), QStringLiteral("tickets"),
                      QStringLiteral("CSV files (*.csv)"), QStringLiteral("csv"), [saver, csv](const QString &path) {
                          if (saver && !path.isEmpty())
                              saver->save(path, csv);
                      });
}
