// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/TicketPrinter.h"

#include "core/CountedText.h"
#include "core/TicketFileReader.h"
#include "core/WheelValue.h"
#include "ui/PrintModule.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <set>

namespace {
const QString kMono = QStringLiteral("DejaVu Sans Mono");
const QString kSans = QStringLiteral("DejaVu Sans");
constexpr qreal kTicketPoints = 10;
constexpr qreal kSmallestTicketPoints = 6;

QFont sheetFont(const QString &family, qreal points, bool bold = false)
{
    QFont f(family);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

QString numbersText(const std::set<int> &numbers)
{
    QStringList parts;
    for (const int n : numbers)
        parts << QString::number(n);
    return parts.join(QLatin1Char(' '));
}

// The header lines under the title: what the tickets are and how they were made.
QStringList headerLines(const PrintedSheet &sheet)
{
    std::set<int> main;
    std::set<int> bonus;
    for (const QString &line : sheet.tickets) {
        const ParsedTicketLine parsed = parseTicketLine(line);
        main.insert(parsed.ticket.main.begin(), parsed.ticket.main.end());
        bonus.insert(parsed.ticket.bonus.begin(), parsed.ticket.bonus.end());
    }
    QStringList lines;
    // English keeps its own way of writing the date; another language writes it in its long form.
    const QLocale figures = figureLocale();
    lines << QCoreApplication::translate("TicketPrinter", "Printed %1")
                 .arg(figures == QLocale::c() ? figures.toString(sheet.date, QStringLiteral("d MMMM yyyy"))
                                              : figures.toString(sheet.date, QLocale::LongFormat));
    if (!sheet.wheel.isEmpty())
        lines << QCoreApplication::translate("TicketPrinter", "Wheel: %1").arg(sheet.wheel);
    QString played =
        QCoreApplication::translate("TicketPrinter", "Numbers played (%1): %2").arg(main.size()).arg(numbersText(main));
    if (sheet.key > 0)
        played += QCoreApplication::translate("TicketPrinter", "   Key number: %1").arg(sheet.key);
    lines << played;
    if (!bonus.empty())
        lines << QCoreApplication::translate("TicketPrinter", "Bonus numbers played: %1").arg(numbersText(bonus));
    lines << countedText("TicketPrinter", "1 ticket", QT_TRANSLATE_N_NOOP("TicketPrinter", "%n tickets"),
                         sheet.tickets.size());
    return lines;
}

QString title(const PrintedSheet &sheet)
{
    if (sheet.country.isEmpty())
        return sheet.lottery;
    return sheet.lottery.isEmpty() ? sheet.country : sheet.lottery + QStringLiteral(" - ") + sheet.country;
}
} // namespace

QList<PageSpan> ticketPages(qsizetype tickets, qsizetype firstPageRoom, qsizetype pageRoom)
{
    QList<PageSpan> pages;
    firstPageRoom = std::max<qsizetype>(firstPageRoom, 0);
    pageRoom = std::max<qsizetype>(pageRoom, 1);
    qsizetype next = 0;
    // The first page is there even for no tickets, and with no room for any (a huge header).
    do {
        const qsizetype room = pages.isEmpty() ? firstPageRoom : pageRoom;
        const qsizetype count = std::min(room, tickets - next);
        pages.append({next, count});
        next += count;
    } while (next < tickets);
    return pages;
}

int paintSheet(QPagedPaintDevice *device, const PrintedSheet &sheet)
{
    QPainter painter;
    if (!painter.begin(device))
        return 0;
    const QRectF body(0, 0, device->width(), device->height());
    const auto lineHeight = [&](const QFont &f) { return QFontMetricsF(f, device).lineSpacing(); };

    // The ticket font shrinks until the widest ticket fits the page once at least.
    const qsizetype count = sheet.tickets.size();
    const QString widestNumber = QString::number(std::max<qsizetype>(count, 1)) + QStringLiteral(".");
    qsizetype widestLine = 0;
    for (const QString &t : sheet.tickets)
        widestLine = std::max(widestLine, t.size());
    QFont ticketFont = sheetFont(kMono, kTicketPoints);
    QFont numberFont = sheetFont(kSans, kTicketPoints * 0.8);
    qreal numberWidth = 0;
    qreal ticketWidth = 0;
    qreal gap = 0;
    for (qreal points = kTicketPoints;; points -= 0.5) {
        ticketFont = sheetFont(kMono, points);
        numberFont = sheetFont(kSans, points * 0.8);
        const QFontMetricsF metrics(ticketFont, device);
        numberWidth = QFontMetricsF(numberFont, device).horizontalAdvance(widestNumber);
        ticketWidth = metrics.horizontalAdvance(QString(widestLine, QLatin1Char('0')));
        gap = metrics.horizontalAdvance(QStringLiteral("00"));
        if (numberWidth + gap / 2 + ticketWidth <= body.width() || points <= kSmallestTicketPoints)
            break;
    }
    const qreal cellWidth = numberWidth + gap / 2 + ticketWidth + gap;
    const int columns = std::max(1, int((body.width() + gap) / cellWidth));
    // The columns spread over the whole width, the last one ending at the right margin.
    const qreal columnStep =
        columns > 1 ? std::max(cellWidth, (body.width() - (cellWidth - gap)) / (columns - 1)) : cellWidth;
    const qreal rowHeight = lineHeight(ticketFont) * 1.15;

    const QFont titleFont = sheetFont(kSans, 16, true);
    const QFont headerFont = sheetFont(kSans, 10);
    const QFont smallFont = sheetFont(kSans, 8);
    const QStringList header = headerLines(sheet);
    // Long lines (forty numbers played) wrap.
    const int wrapped = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    QList<qreal> headerHeights;
    qreal headerHeight = 0;
    for (const QString &line : header) {
        headerHeights
            << QFontMetricsF(headerFont, device).boundingRect(QRectF(0, 0, body.width(), 1e6), wrapped, line).height();
        headerHeight += headerHeights.last();
    }
    const qreal firstHeader = lineHeight(titleFont) * 1.3 + headerHeight + rowHeight;
    const qreal laterHeader = lineHeight(smallFont) * 1.2 + rowHeight * 0.6;
    const qreal footer = lineHeight(smallFont) * 2;
    const auto rowsIn = [&](qreal headerHeight) {
        return std::max(1, int((body.height() - headerHeight - footer) / rowHeight));
    };
    const int firstRows = rowsIn(firstHeader);
    const int rows = rowsIn(laterHeader);
    const QList<PageSpan> pages = ticketPages(count, qsizetype(firstRows) * columns, qsizetype(rows) * columns);
    const QColor stripe(0xF0, 0xF0, 0xF0);
    const QColor quiet(0x55, 0x55, 0x55);

    for (qsizetype p = 0; p < pages.size(); ++p) {
        if (p > 0 && !device->newPage())
            return 0;
        qreal y = 0;
        if (p == 0) {
            painter.setPen(Qt::black);
            painter.setFont(titleFont);
            painter.drawText(QRectF(0, y, body.width(), lineHeight(titleFont)), Qt::AlignLeft | Qt::AlignVCenter,
                             title(sheet));
            y += lineHeight(titleFont) * 1.3;
            painter.setFont(headerFont);
            for (qsizetype i = 0; i < header.size(); ++i) {
                painter.drawText(QRectF(0, y, body.width(), headerHeights[i]), wrapped, header[i]);
                y += headerHeights[i];
            }
            y += rowHeight * 0.4;
        } else {
            painter.setPen(quiet);
            painter.setFont(smallFont);
            const PageSpan span = pages[p];
            painter.drawText(QRectF(0, y, body.width(), lineHeight(smallFont)), Qt::AlignLeft | Qt::AlignVCenter,
                             QCoreApplication::translate("TicketPrinter", "%1 - tickets %2 to %3")
                                 .arg(title(sheet))
                                 .arg(span.first + 1)
                                 .arg(span.first + span.count));
            y += lineHeight(smallFont) * 1.2;
            y += rowHeight * 0.2;
        }
        painter.setPen(QPen(quiet, 0));
        painter.drawLine(QPointF(0, y), QPointF(body.width(), y));
        y += rowHeight * 0.4;

        // Numbered down each column, then across, as a reader runs down a list.
        const PageSpan span = pages[p];
        const int pageRows = p == 0 ? firstRows : rows;
        const int usedRows = int(std::min<qsizetype>(pageRows, span.count));
        for (int r = 1; r < usedRows; r += 2)
            painter.fillRect(QRectF(0, y + r * rowHeight, body.width(), rowHeight), stripe);
        for (qsizetype i = 0; i < span.count; ++i) {
            const qsizetype ticket = span.first + i;
            const int column = int(i / pageRows);
            const int row = int(i % pageRows);
            const qreal x = column * columnStep;
            const QRectF cell(x, y + row * rowHeight, cellWidth, rowHeight);
            painter.setPen(quiet);
            painter.setFont(numberFont);
            painter.drawText(QRectF(cell.left(), cell.top(), numberWidth, rowHeight), Qt::AlignRight | Qt::AlignVCenter,
                             QString::number(ticket + 1) + QLatin1Char('.'));
            painter.setPen(Qt::black);
            painter.setFont(ticketFont);
            painter.drawText(QRectF(cell.left() + numberWidth + gap / 2, cell.top(), ticketWidth + gap, rowHeight),
                             Qt::AlignLeft | Qt::AlignVCenter, sheet.tickets[ticket]);
        }

        painter.setPen(quiet);
        painter.setFont(smallFont);
        painter.drawText(QRectF(0, body.height() - lineHeight(smallFont), body.width(), lineHeight(smallFont)),
                         Qt::AlignHCenter | Qt::AlignVCenter,
                         QCoreApplication::translate("TicketPrinter", "Page %1 of %2").arg(p + 1).arg(pages.size()));
    }
    painter.end();
    return int(pages.size());
}

QByteArray sheetPdf(const PrintedSheet &sheet, int *pages)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    int painted = 0;
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer.setResolution(300);
        writer.setTitle(QCoreApplication::translate("TicketPrinter", "%1 tickets").arg(title(sheet)));
        writer.setCreator(QStringLiteral("Wheelwright"));
        painted = paintSheet(&writer, sheet);
    }
    if (pages)
        *pages = painted;
    return painted > 0 ? bytes : QByteArray();
}

namespace {
PrintPanel::Responder &printResponder()
{
    static PrintPanel::Responder r;
    return r;
}

QString &moduleFolder()
{
    static QString folder;
    return folder;
}

// The module's function, loaded once; nothing, with the reason, when it cannot be.
ShowPrintDialog loadPrintModule(QString *problem)
{
    static ShowPrintDialog show = nullptr;
    if (show)
        return show;
    // Beside the program in the build tree; where the installation puts it, relative to the
    // program, once installed.
    const QString appDir = QCoreApplication::applicationDirPath();
    QStringList folders{appDir, QDir::cleanPath(appDir + u'/' + QLatin1StringView(WHEELWRIGHT_PRINT_MODULE_DIR))};
    if (!moduleFolder().isEmpty())
        folders.prepend(moduleFolder());
    QStringList tried;
    for (const QString &folder : folders) {
        QLibrary module(QDir(folder).filePath(QLatin1StringView(kPrintModuleName)));
        if (module.load()) {
            show = reinterpret_cast<ShowPrintDialog>(module.resolve(kPrintModuleFunction));
            if (show)
                return show;
            module.unload();
        }
        tried << module.errorString();
    }
    *problem = QCoreApplication::translate("TicketPrinter",
                                           "Printing is not available: the print module could not be loaded (%1).")
                   .arg(tried.join(QStringLiteral("; ")));
    return nullptr;
}
} // namespace

void PrintPanel::setResponder(Responder responder)
{
    printResponder() = std::move(responder);
}

void PrintPanel::setModuleFolder(const QString &folder)
{
    moduleFolder() = folder;
}

QString PrintPanel::ask(QWidget *window, Kind kind, const QString &documentName, const Paint &paint)
{
    if (printResponder()) {
        printResponder()(kind, paint);
        return {};
    }
    QString problem;
    if (const ShowPrintDialog show = loadPrintModule(&problem))
        show(window, kind, documentName, paint);
    return problem;
}
