// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The print module: the print dialog and the print preview, built as a library of their own
// (wheelwright_print) that PrintPanel loads the first time the player prints. Only this
// module links Qt Print Support; the program does not, so the start does not load it.
// The module answers one function, looked up by name.
#pragma once

#include <QString>

#include <functional>

class QPagedPaintDevice;
class QWidget;

// kind: 0 the print dialog, 1 the print preview (PrintPanel::Kind). `paint` draws the pages
// on the printer the player chose; the dialog asks for it only when the player prints.
using ShowPrintDialog = void (*)(QWidget *window, int kind, const QString &documentName,
                                 const std::function<void(QPagedPaintDevice *)> &paint);

// The module's file name without its suffix, and the name of its one function.
inline constexpr char kPrintModuleName[] = "wheelwright_print";
inline constexpr char kPrintModuleFunction[] = "wheelwrightShowPrintDialog";
