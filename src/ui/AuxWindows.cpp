// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/AuxWindows.h"

#include "core/ShippedFiles.h"
#include "ui/Panels.h"
#include "ui_AboutWindow.h"
#include "ui_HelpWindow.h"
#include "ui_NumberWindow.h"
#include "ui_TextWindow.h"
#include "ui_WheelsWindow.h"

#include <QLabel>
#include <QUrl>

#include <algorithm>

AuxWindow::AuxWindow(QWidget *parent) : QDialog(parent) {}

void AuxWindow::showWindow()
{
    show();
    raise();
    activateWindow();
}

NumberWindow::NumberWindow() : ui_(std::make_unique<Ui::NumberWindow>())
{
    ui_->setupUi(this);
    connect(ui_->countStepper, &QSpinBox::valueChanged, this,
            [this](int value) { ui_->countField->setText(QString::number(value)); });
    connect(ui_->cancelButton, &QAbstractButton::clicked, this, &QWidget::close);
    connect(ui_->okButton, &QAbstractButton::clicked, this, &NumberWindow::confirm);
}

NumberWindow::~NumberWindow() = default;

void NumberWindow::offerCounts(int poolSize, int pick, int chosen)
{
    const int lower = std::max(pick + 1 - chosen, 1);
    // With every number chosen the upper bound falls below the lower; the stepper then
    // stays at the lower bound.
    const int upper = std::max(lower, poolSize - chosen);
    QSignalBlocker block(ui_->countStepper);
    ui_->countStepper->setRange(lower, upper);
    ui_->countStepper->setValue(lower);
    ui_->countField->setText(QString::number(lower));
}

void NumberWindow::confirm()
{
    bool whole = false;
    const int count = ui_->countField->text().trimmed().toInt(&whole);
    if (!whole || count < 1) {
        AlertPanel::run(tr("Alert"), tr("\"%1\" is not a count of numbers. Type a whole number from %2 to %3.")
                                         .arg(ui_->countField->text())
                                         .arg(ui_->countStepper->minimum())
                                         .arg(ui_->countStepper->maximum()));
        return;
    }
    emit countChosen(count);
    close();
}

AboutWindow::AboutWindow() : ui_(std::make_unique<Ui::AboutWindow>())
{
    ui_->setupUi(this);
    connect(ui_->closeButton, &QAbstractButton::clicked, this, &QWidget::close);
}

AboutWindow::~AboutWindow() = default;

WheelsWindow::WheelsWindow() : ui_(std::make_unique<Ui::WheelsWindow>())
{
    ui_->setupUi(this);
    connect(ui_->closeButton, &QAbstractButton::clicked, this, &QWidget::close);
}

WheelsWindow::~WheelsWindow() = default;

HelpWindow::HelpWindow() : ui_(std::make_unique<Ui::HelpWindow>())
{
    ui_->setupUi(this);
    // The help page is written in English only: a player of another language is told so, in his
    // language, above it. In English (no catalogue) the note is the source text and stays hidden.
    const char *note = QT_TR_NOOP("The help below is in English.");
    if (const QString translated = tr(note); translated != QLatin1String(note)) {
        auto *label = new QLabel(translated, this);
        label->setObjectName(QStringLiteral("languageNote"));
        label->setWordWrap(true);
        ui_->layout->insertWidget(0, label);
    }
    connect(ui_->closeButton, &QAbstractButton::clicked, this, &QWidget::close);
}

HelpWindow::~HelpWindow() = default;

void HelpWindow::showEvent(QShowEvent *event)
{
    if (!loaded_) {
        const QString path = shippedFile(QStringLiteral("welcome.html"));
        if (path.isEmpty())
            ui_->helpView->setHtml(tr("<p>The help page welcome.html is missing from this installation.</p>"));
        else
            ui_->helpView->setSource(QUrl::fromLocalFile(path));
        loaded_ = true;
    }
    AuxWindow::showEvent(event);
}

TextWindow::TextWindow() : ui_(std::make_unique<Ui::TextWindow>())
{
    ui_->setupUi(this);
    connect(ui_->closeButton, &QAbstractButton::clicked, this, &QWidget::close);
}

TextWindow::~TextWindow() = default;

void TextWindow::showText(const QString &text)
{
    // The text keeps the file's CR LF line ends; the view shows plain lines.
    QString shown = text;
    ui_->ticketText->setPlainText(shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}
