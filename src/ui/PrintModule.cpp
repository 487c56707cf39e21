// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The print module (see ui/PrintModule.h): built on its own, loaded when the player prints.
#include "ui/PrintModule.h"

#include <QCoreApplication>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

extern "C" Q_DECL_EXPORT void wheelwrightShowPrintDialog(QWidget *window, int kind, const QString &documentName,
                                                         const std::function<void(QPagedPaintDevice *)> &paint)
{
    // The type is checked here, where the function is defined, against what the loader calls.
    [[maybe_unused]] const ShowPrintDialog checked = &wheelwrightShowPrintDialog;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    printer.setDocName(documentName);
    if (kind == 1) {
        QPrintPreviewDialog preview(&printer, window);
        preview.setWindowTitle(QCoreApplication::translate("TicketPrinter", "Print preview"));
        QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&paint](QPrinter *p) { paint(p); });
        preview.exec();
        return;
    }
    QPrintDialog dialog(&printer, window);
    dialog.setWindowTitle(QCoreApplication::translate("TicketPrinter", "Print tickets"));
    if (dialog.exec() == QDialog::Accepted)
        paint(&printer);
}
