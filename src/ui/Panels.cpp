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

SavePanel::Responder &saveResponder()
{
    static SavePanel::Responder r;
    return r;
}

OpenPanel::Responder &openResponder()
{
    static OpenPanel::Responder r;
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
    saveResponder() = std::move(r);
}

void SavePanel::ask(QWidget *window, const QString &proposedName, const Done &done)
{
    if (saveResponder()) {
        saveResponder()(done);
        return;
    }
    auto *dialog = new QFileDialog(window, QCoreApplication::translate("Panels", "Save tickets"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setNameFilter(QCoreApplication::translate("Panels", "Text files (*.txt)"));
    dialog->setDefaultSuffix(QStringLiteral("txt"));
    dialog->selectFile(proposedName + QStringLiteral(".txt"));
    dialog->setWindowModality(Qt::WindowModal);
    QObject::connect(dialog, &QFileDialog::finished, dialog, [dialog, done](int result) {
        const QStringList files = dialog->selectedFiles();
        done(result == QDialog::Accepted && !files.isEmpty() ? files.first() : QString());
    });
    dialog->open();
}

void SavePanel::askFor(QWidget *window, const QString &title, const QString &proposedName, const QString &filter,
                       const QString &suffix, const Done &done)
{
    if (saveResponder()) {
        saveResponder()(done);
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
    openResponder() = std::move(r);
}

void OpenPanel::ask(QWidget *window, const Done &done)
{
    if (openResponder()) {
        openResponder()(done);
        return;
    }
    auto *dialog = new QFileDialog(window, QCoreApplication::translate("Panels", "Open tickets"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setNameFilters({QCoreApplication::translate("Panels", "Ticket files (*.txt)"),
                            QCoreApplication::translate("Panels", "All files (*)")});
    dialog->setWindowModality(Qt::WindowModal);
    QObject::connect(dialog, &QFileDialog::finished, dialog, [dialog, done](int result) {
        const QStringList files = dialog->selectedFiles();
        done(result == QDialog::Accepted && !files.isEmpty() ? files.first() : QString());
    });
    dialog->open();
}
