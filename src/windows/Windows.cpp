// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Windows.h"

#include "Database.h"
#include "Toolkit.h"
#include "ui_About.h"
#include "ui_Help.h"
#include "ui_Number.h"
#include "ui_Text.h"
#include "ui_Wheels.h"

#include <QAbstractButton>
#include <QSpinBox>
#include <QUrl>

AuxWindowController::AuxWindowController(QWidget *parent) : QWidget(parent, Qt::Window) {}

void AuxWindowController::showWindow()
{
    show();
    raise();
    activateWindow();
}

void AuxWindowController::promptEvent(QObject *sender)
{
    if (qobject_cast<QAbstractButton *>(sender) && tagOf(sender) == 31018)
        close();
}

void AuxWindowController::wireButtons()
{
    const auto buttons = findChildren<QAbstractButton *>();
    for (QAbstractButton *b : buttons)
        connect(b, &QAbstractButton::clicked, this, [this, b] { promptEvent(b); });
}

NumberWindowController::NumberWindowController(int &from, int &match, int &selectNo)
    : ui_(std::make_unique<Ui::Number>()), gFrom(from), gMatch(match), gSelectNo(selectNo)
{
    ui_->setupUi(this);
    wireButtons();
    connect(ui_->countStepper, &QSpinBox::valueChanged, this, [this] { promptEvent(ui_->countStepper); });
}

NumberWindowController::~NumberWindowController() = default;

QObject *NumberWindowController::getGUIObject(int tag, QWidget *container) const
{
    QWidget *where = container ? container : const_cast<NumberWindowController *>(this);
    if (tag == 32600)
        return findTagged(where, tag);
    return findControl(tag, where);
}

void NumberWindowController::displayGUI()
{
    const int lower = gMatch + 1 > gSelectNo ? gMatch + 1 - gSelectNo : 1;
    const int upper = gFrom - gSelectNo;
    // With every number chosen the upper bound falls below the lower; the stepper then
    // stays at the lower bound.
    QSignalBlocker block(ui_->countStepper);
    ui_->countStepper->setRange(lower, std::max(lower, upper));
    ui_->countStepper->setSingleStep(1);
    ui_->countStepper->setValue(lower);
    ui_->countField->setText(QString::number(lower));
}

void NumberWindowController::promptEvent(QObject *sender)
{
    if (qobject_cast<QAbstractButton *>(sender)) {
        const int tag = tagOf(sender);
        if (tag == 31011) {
            close();
        } else if (tag == 31018) {
            const QString count = ui_->countField->text();
            emit dodo(count);
            close();
        }
        return;
    }
    if (qobject_cast<QSpinBox *>(sender) && tagOf(sender) == 32600)
        ui_->countField->setText(QString::number(ui_->countStepper->value()));
}

AboutWindowController::AboutWindowController() : ui_(std::make_unique<Ui::About>())
{
    ui_->setupUi(this);
    wireButtons();
}
AboutWindowController::~AboutWindowController() = default;

WheelsWindowController::WheelsWindowController() : ui_(std::make_unique<Ui::Wheels>())
{
    ui_->setupUi(this);
    wireButtons();
}
WheelsWindowController::~WheelsWindowController() = default;

HelpWindowController::HelpWindowController() : ui_(std::make_unique<Ui::Help>())
{
    ui_->setupUi(this);
    wireButtons();
}
HelpWindowController::~HelpWindowController() = default;

QTextBrowser *HelpWindowController::webView() const
{
    return ui_->webView;
}

void HelpWindowController::timerFired()
{
    const QString path = bundleResourcePath(QStringLiteral("welcome.html"));
    if (path.isEmpty()) {
        ui_->webView->setHtml(QStringLiteral("<p>The help page welcome.html is missing from this installation.</p>"));
    } else {
        ui_->webView->setSource(QUrl::fromLocalFile(path));
    }
    loaded_ = true;
}

void HelpWindowController::showEvent(QShowEvent *event)
{
    if (!loaded_)
        timerFired();
    AuxWindowController::showEvent(event);
}

TextWindowController::TextWindowController() : ui_(std::make_unique<Ui::Text>())
{
    ui_->setupUi(this);
    wireButtons();
}
TextWindowController::~TextWindowController() = default;

void TextWindowController::displayText(const QString &text)
{
    // The text keeps the file's CR LF line ends; the view shows plain lines.
    QString shown = text;
    ui_->a->setPlainText(shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

QPlainTextEdit *TextWindowController::a() const
{
    return ui_->a;
}
