// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The tickets on paper: a header with the lottery, the date, the wheel and the numbers
// played, then the tickets in numbered columns that fit the page, page after page, each
// numbered "Page 2 of 7". A ticket is never cut between pages or columns.
#pragma once

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QStringList>

#include <functional>

class QPagedPaintDevice;
class QWidget;

struct PrintedSheet {
    QString country;
    QString lottery;
    QString wheel; // "Key wheel 3 if 4 for 10 numbers"; empty when not known (an opened file)
    int key = 0;   // 0: no key number
    QDate date;
    QStringList tickets;
};

// Which tickets a page holds: the first page has less room, as the header takes some.
struct PageSpan {
    qsizetype first = 0;
    qsizetype count = 0;
};
QList<PageSpan> ticketPages(qsizetype tickets, qsizetype firstPageRoom, qsizetype pageRoom);

// Paints the sheet on the device's pages; returns the count of pages, 0 when the device
// could not be painted on.
int paintSheet(QPagedPaintDevice *device, const PrintedSheet &sheet);

// The sheet as a PDF on A4, for Export PDF; `pages` gets the count of pages.
QByteArray sheetPdf(const PrintedSheet &sheet, int *pages = nullptr);

// The print dialog and the print preview. They live in the print module (ui/PrintModule.h),
// which is loaded the first time the player prints, so Qt Print Support is not loaded at
// every start. Tests answer with a printer of their own, so no test waits on a dialog.
class PrintPanel {
public:
    enum Kind { Print = 0, Preview = 1 };
    using Paint = std::function<void(QPagedPaintDevice *)>;
    using Responder = std::function<void(Kind, const Paint &)>;
    // Shows the dialog; `documentName` is the print job's name. Returns why it could not be
    // shown (the print module missing or damaged), empty when it was.
    static QString ask(QWidget *window, Kind kind, const QString &documentName, const Paint &paint);
    static void setResponder(Responder responder);
    // The folder the print module is looked for in before the program's own places.
    static void setModuleFolder(const QString &folder);
};
