// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Panels.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {
AlertPanel::Responder &alertResponder()
{
    static AlertPanel::Responder r;
    return r;
}

SavePanel::RequestResponder &saveResponder()
{
    static SavePanel::RequestResponder r;
    return r;
}

OpenPanel::RequestResponder &openResponder()
{
    static OpenPanel::RequestResponder r;
    return r;
}
} // namespace

void AlertPanel::setResponder(Responder r)
{
    alertResponder() = std::move(r);
}

int AlertPanel::run(const QString &title, const QString &message, const QString &defaultButton,
                    const QString &alternateButton, const QString &otherButton)
{
    const AlertRequest request{title, message, defaultButton, alternateButton, otherButton};
    if (alertResponder())
        return alertResponder()(request);
    QMessageBox box(QMessageBox::NoIcon, title, message);
    // Every window titles its warnings "Alert", in the player's language once translated.
    const bool warning = title == QLatin1String("Alert") ||
                         //: The title of a warning; every window's warnings carry the same word.
                         title == QCoreApplication::translate("Panels", "Alert");
    box.setIcon(warning ? QMessageBox::Warning : QMessageBox::Information);
    QAbstractButton *def = box.addButton(
        defaultButton.isEmpty() ? QCoreApplication::translate("Panels", "Ok") : defaultButton, QMessageBox::AcceptRole);
    QAbstractButton *alt =
        alternateButton.isEmpty() ? nullptr : box.addButton(alternateButton, QMessageBox::RejectRole);
    QAbstractButton *other = otherButton.isEmpty() ? nullptr : box.addButton(otherButton, QMessageBox::DestructiveRole);
    box.setDefaultButton(qobject_cast<QPushButton *>(def));
    if (alt)
        box.setEscapeButton(alt);
    box.exec();
    if (other && box.clickedButton() == other)
        return -1;
    return box.clickedButton() == def ? 1 : 0;
}

void SavePanel::setResponder(Responder r)
{
    if (r)
        saveResponder() = [r = std::move(r)](const SaveRequest &, const Done &done) { r(done); };
    else
        saveResponder() = nullptr;
}

void SavePanel::setRequestResponder(RequestResponder r)
{
    saveResponder() = std::move(r);
}

void SavePanel::ask(QWidget *window, const QString &proposedName, const Done &done)
{
    askFor(window, QCoreApplication::translate("Panels", "Save tickets"), proposedName,
           QCoreApplication::translate("Panels", "Text files (*.txt)"), QStringLiteral("txt"), done);
}

void SavePanel::askFor(QWidget *window, const QString &title, const QString &proposedName, const QString &filter,
                       const QString &suffix, const Done &done)
{
    if (saveResponder()) {
        saveResponder()({title, proposedName, filter, suffix}, done);
        return;
    }
    auto *dialog = new QFileDialog(window, title);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setNameFilter(filter);
    dialog->setDefaultSuffix(suffix);
    dialog->selectFile(proposedName + QLatin1Char('.') + suffix);
    dialog->setWindowModality(Qt::WindowModal);
    QObject::connect(dialog, &QFileDialog::finished, dialog, [dialog, done](int result) {
        const QStringList files = dialog->selectedFiles();
        done(result == QDialog::Accepted && !files.isEmpty() ? files.first() : QString());
    });
    dialog->open();
}

void OpenPanel::setResponder(Responder r)
{
    if (r)
        openResponder() = [r = std::move(r)](const OpenRequest &, const Done &done) { r(done); };
    else
        openResponder() = nullptr;
}

void OpenPanel::setRequestResponder(RequestResponder r)
{
    openResponder() = std::move(r);
}

void OpenPanel::ask(QWidget *window, const Done &done)
{
    ask(window,
        {QCoreApplication::translate("Panels", "Open tickets"),
         {QCoreApplication::translate("Panels", "Ticket files (*.txt)"),
          QCoreApplication::translate("Panels", "All files (*)")}},
        done);
}

void OpenPanel::ask(QWidget *window, const OpenRequest &request, const Done &done)
{
    if (openResponder()) {
        openResponder()(request, done);
        return;
    }
    auto *dialog = new QFileDialog(window, request.title);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setNameFilters(request.filters);
    dialog->setWindowModality(Qt::WindowModal);
    QObject::connect(dialog, &QFileDialog::finished, dialog, [dialog, done](int result) {
        const QStringList files = dialog->selectedFiles();
        done(result == QDialog::Accepted && !files.isEmpty() ? files.first() : QString());
    });
    dialog->open();
}
