// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The controller's number selection: the model, the grid, tapping, the summary and the
// random pick.
#include "AppController.h"

#include "NumberGrid.h"
#include "Widgets.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>

namespace {
const QColor kYellow(0xff, 0xe0, 0x3a);
}

void AppController::createMutable()
{
    selection.createMutable(iNumber);
}

void AppController::clearMutable()
{
    selection.clearMutable();
}

void AppController::addNumber(int n)
{
    selection.addNumber(n);
    g.gSelectNo = selection.count();
}

void AppController::removeNumber(int n)
{
    selection.removeNumber(n);
    g.gSelectNo = selection.count();
}

bool AppController::isInSelectedNumbers(int n) const
{
    return selection.isInSelectedNumbers(n);
}

NumberButton *AppController::numberButton(int n) const
{
    return qobject_cast<NumberButton *>(findTagged(aView2, n + 100));
}

void AppController::createButtons()
{
    for (int n = 1; n <= iNumber; ++n) {
        auto *b = new NumberButton(aView2);
        b->setGeometry(numberButtonFrame(n));
        b->setText(QString::number(n));
        b->setAccessibleName(QString::number(n));
        const bool chosen = isInSelectedNumbers(n);
        const bool key = chosen && n == g.gKey_Global;
        b->setLook(key ? QStringLiteral("frame1.png") : chosen ? QStringLiteral("frame.png") : QStringLiteral("framehh.png"));
        setButtonTextColor(b, QStringLiteral("Verdana"), 20.0f, chosen ? kYellow : QColor(Qt::black));
        connect(b, &QAbstractButton::clicked, this, [this, b] { tapped(b); });
        b->setProperty("tag", n + 100);
        b->show();
    }
    placeGrid();
}

void AppController::placeGrid()
{
    // The grid view grows with the pool so every number can be reached.
    aView2->setMinimumSize(numberGridSize(iNumber));
}

void AppController::clearButtons()
{
    for (int i = 0; i < iNumber; ++i)
        if (QWidget *b = findTagged(aView2, 101 + i)) {
            b->hide();
            b->setParent(nullptr);
            b->deleteLater();
        }
}

void AppController::setButtonTextColor(NumberButton *button, const QString &fontName, float fontSize,
                                       const QColor &color)
{
    if (!button)
        return;
    QFont font(fontName);
    font.setPointSizeF(static_cast<double>(fontSize));
    font.setBold(true);
    button->setTitleStyle(font, color);
}

void AppController::tapped(QObject *sender)
{
    auto *button = qobject_cast<NumberButton *>(sender);
    if (!button)
        return;
    const int n = tagOf(button) - 100;
    if (selection.sortedarray.isEmpty()) {
        g.gKey_Global = n;
        button->setLook(QStringLiteral("frame1.png"));
        button->setText(QString::number(n));
        setButtonTextColor(button, QStringLiteral("Verdana"), 20.0f, kYellow);
        addNumber(n);
        if (auto *key = qobject_cast<QLineEdit *>(getGUIObject(36000, tabview2->widget(1))))
            key->setText(QString::number(n));
    } else if (isInSelectedNumbers(n)) {
        if (n == g.gKey_Global && selection.sortedarray.size() > 1) {
            // The key stays while other numbers are chosen; nothing changes.
            AlertPanel::run(QStringLiteral("Notice"),
                            QStringLiteral("You can not remove the key except clearing all buttons and numbers "
                                           "(Click button 'Clear')"),
                            QStringLiteral("Ok"), QString(), QString());
            return;
        }
        button->setLook(QStringLiteral("framehh.png"));
        setButtonTextColor(button, QStringLiteral("Verdana"), 20.0f, Qt::black);
        removeNumber(n);
    } else {
        button->setLook(QStringLiteral("frame.png"));
        button->setText(QString::number(n));
        setButtonTextColor(button, QStringLiteral("Verdana"), 20.0f, kYellow);
        addNumber(n);
    }
    bringControlsUpToDate();
}

void AppController::bringControlsUpToDate()
{
    auto *backspace = qobject_cast<QWidget *>(getGUIObject(31009));
    auto *clear = qobject_cast<QWidget *>(getGUIObject(31025));
    if (selection.isEmpty()) {
        if (auto *field = qobject_cast<QLineEdit *>(getGUIObject(35000)))
            field->setText(QString());
        if (backspace)
            backspace->setEnabled(false);
        if (clear)
            clear->setEnabled(false);
    } else {
        if (backspace)
            backspace->setEnabled(true);
        if (clear)
            clear->setEnabled(true);
        displayNumbers(sortSwitchOn());
    }
}

bool AppController::sortSwitchOn() const
{
    const auto *sw = qobject_cast<QAbstractButton *>(getGUIObject(31029));
    return sw && sw->isChecked();
}

void AppController::displayNumbers(bool ascending)
{
    if (auto *field = qobject_cast<QLineEdit *>(getGUIObject(35000))) {
        field->setReadOnly(true);
        field->setText(selection.displayText(ascending));
    }
    g.gSelectString_Global = selection.selectionString();
    if (auto *total = qobject_cast<QLabel *>(getGUIObject(35001)))
        total->setText(QStringLiteral("Total Numbers:%1").arg(selection.count()));
}

void AppController::dodo(const QString &count)
{
    function1(leadingInt(count));
}

void AppController::function1(int count)
{
    for (int i = 1; i <= count; ++i) {
        // An empty pool ends the draw: no number can be drawn twice.
        if (selection.originalarray.isEmpty())
            break;
        const auto size = static_cast<quint32>(selection.originalarray.size());
        const quint32 idx = random_() % size;
        const int v = selection.originalarray[static_cast<qsizetype>(idx)].getValue();
        if (i == 1 && selection.nosortedarray.isEmpty()) {
            g.gKey_Global = v;
            if (auto *key = qobject_cast<QLineEdit *>(getGUIObject(36000, tabview2->widget(1))))
                key->setText(QString::number(v));
        }
        addNumber(v);
        displayNumbers(sortSwitchOn());
    }
    clearButtons();
    createButtons();
    bringControlsUpToDate();
}
