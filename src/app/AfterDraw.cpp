// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AfterDraw.h"

#include "app/Alert.h"
#include "core/Catalogue.h"
#include "core/CsvExport.h"
#include "core/Play.h"
#include "core/TicketFileReader.h"
#include "ui/DrawCheckWindow.h"
#include "ui/MainWindow.h"
#include "ui/Panels.h"
#include "ui/TicketPage.h"
#include "ui/TicketPrinter.h"
#include "ui/TicketSaver.h"

#include <QDate>
#include <QDir>
#include <QPointer>

namespace {
PrintedSheet printed(const TicketSheet &tickets)
{
    return {tickets.country, tickets.lottery, tickets.wheel, tickets.key, QDate::currentDate(), tickets.lines()};
}
} // namespace

AfterDraw::AfterDraw(MainWindow *window, const Catalogue &catalogue, TicketSaver *saver)
    : window_(window), catalogue_(catalogue), saver_(saver)
{
}

AfterDraw::~AfterDraw() = default;

DrawCheckWindow *AfterDraw::drawCheckWindow()
{
    if (!drawCheckWindow_) {
        drawCheckWindow_ = std::make_unique<DrawCheckWindow>();
        TicketPage *page = window_->ticketPage();
        connect(drawCheckWindow_.get(), &DrawCheckWindow::checked, page, &TicketPage::showMatches);
        connect(drawCheckWindow_.get(), &DrawCheckWindow::cleared, page, &TicketPage::clearMatches);
    }
    return drawCheckWindow_.get();
}

const TicketSheet &AfterDraw::sheet() const
{
    return window_->ticketPage()->sheet();
}

void AfterDraw::loadDrawWindow()
{
    const TicketSheet &tickets = sheet();
    const auto details = catalogue_.details(tickets.country, tickets.lottery);
    const QString title =
        tickets.country.isEmpty() ? tickets.lottery : QStringLiteral("%1 (%2)").arg(tickets.lottery, tickets.country);
    drawCheckWindow()->setTickets(title, details ? std::optional<LotteryFacts>(details->facts) : std::nullopt,
                                  tickets.tickets);
}

void AfterDraw::checkDraw()
{
    if (sheet().isEmpty())
        return;
    guarded([this] {
        loadDrawWindow();
        drawCheckWindow()->showWindow();
    });
}

void AfterDraw::followNewTickets()
{
    // A draw window left open checks the tickets now shown, never the ones before.
    if (drawCheckWindow_)
        guarded([this] { loadDrawWindow(); });
}

void AfterDraw::openTickets()
{
    QPointer<AfterDraw> self(this);
    OpenPanel::ask(window_, [self](const QString &path) {
        if (self && !path.isEmpty())
            guarded([&] { self->openFile(path); });
    });
}

void AfterDraw::openFile(const QString &path)
{
    // Every refusal names the file and the line, and leaves the screen as it was.
    const QString name = QDir::toNativeSeparators(path);
    const auto refuse = [&](const TicketFileError &error) {
        alert(tr("These tickets cannot be opened.\n%1").arg(error.describe(name)));
    };
    const TicketFileRead read = loadTicketFile(path);
    if (!read.ok())
        return refuse(read.error);
    const TicketFileContents &file = read.contents;
    const auto details = catalogue_.details(file.country, file.lottery);
    if (!details) {
        if (catalogue_.lotteryNames(file.country).isEmpty())
            return refuse({1, tr("Wheelwright knows no lotteries of the country \"%1\"").arg(file.country)});
        return refuse({2, tr("Wheelwright does not know the lottery \"%1\" of %2").arg(file.lottery, file.country)});
    }
    const TicketFileError fit = ticketsFitLottery(file, {file.country, file.lottery, *details});
    if (!fit.isEmpty())
        return refuse(fit);
    window_->ticketPage()->showSheet(sheetOfFile(file));
    window_->moveTo(MainWindow::TicketStep);
}

void AfterDraw::print(bool preview)
{
    if (sheet().isEmpty())
        return;
    const PrintedSheet printedSheet = printed(sheet());
    const QString problem =
        PrintPanel::ask(window_, preview ? PrintPanel::Preview : PrintPanel::Print,
                        tr("%1 tickets").arg(printedSheet.lottery), [printedSheet](QPagedPaintDevice *printer) {
                            if (paintSheet(printer, printedSheet) == 0)
                                alert(tr("The tickets could not be printed: the printer cannot be used."));
                        });
    if (!problem.isEmpty())
        alert(problem);
}

void AfterDraw::exportPdf()
{
    if (sheet().isEmpty())
        return;
    QPointer<TicketSaver> saver(saver_);
    SavePanel::askFor(window_, tr("Export PDF"), QStringLiteral("tickets"), tr("PDF files (*.pdf)"),
                      QStringLiteral("pdf"), [saver, sheet = printed(sheet())](const QString &path) {
                          if (!saver || path.isEmpty())
                              return;
                          const QByteArray pdf = sheetPdf(sheet);
                          if (pdf.isEmpty())
                              alert(tr("%1: the PDF could not be made.").arg(QDir::toNativeSeparators(path)));
                          else
                              saver->save(path, pdf);
                      });
}

void AfterDraw::exportCsv()
{
    if (sheet().isEmpty())
        return;
    QPointer<TicketSaver> saver(saver_);
    SavePanel::askFor(window_, tr("Export CSV"), QStringLiteral("tickets"), tr("CSV files (*.csv)"),
                      QStringLiteral("csv"), [saver, csv = ticketsCsv(sheet().tickets)](const QString &path) {
                          if (saver && !path.isEmpty())
                              saver->save(path, csv);
                      });
}
