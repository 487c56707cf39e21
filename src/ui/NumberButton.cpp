// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/NumberButton.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>

#include <cmath>

namespace {
// The face of a button in one look, drawn at twice the button's size so it stays crisp
// when scaled, and kept once drawn.
QPixmap faceOf(NumberButton::Look look)
{
    static QHash<int, QPixmap> cache;
    const int id = static_cast<int>(look);
    if (auto it = cache.constFind(id); it != cache.constEnd())
        return *it;
    const QSize size(90, 70);
    QPixmap pm(size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(QPointF(0, 0), size).adjusted(2, 2, -2, -2);
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    QColor edge;
    switch (look) {
    case NumberButton::Look::Chosen: // deep blue
        fill.setColorAt(0, QColor(0x2f, 0x5f, 0xb3));
        fill.setColorAt(1, QColor(0x17, 0x34, 0x6e));
        edge = QColor(0x10, 0x24, 0x4d);
        break;
    case NumberButton::Look::Key: // crimson with a gold ring
        fill.setColorAt(0, QColor(0xc6, 0x28, 0x28));
        fill.setColorAt(1, QColor(0x7f, 0x10, 0x10));
        edge = QColor(0xff, 0xc1, 0x07);
        break;
    case NumberButton::Look::Free: // light
        fill.setColorAt(0, QColor(0xfd, 0xfd, 0xfd));
        fill.setColorAt(1, QColor(0xe3, 0xe6, 0xea));
        edge = QColor(0x9a, 0xa3, 0xad);
        break;
    }
    p.setBrush(fill);
    p.setPen(QPen(edge, look == NumberButton::Look::Key ? 7 : 3));
    p.drawRoundedRect(r.adjusted(2, 2, -2, -2), 14, 14);
    if (look == NumberButton::Look::Key) {
        // A small gold star in the corner says "key" even without colour.
        QPainterPath star;
        const QPointF c(r.right() - 14, r.top() + 14);
        for (int i = 0; i < 10; ++i) {
            const double a = -M_PI / 2 + i * M_PI / 5;
            const double radius = i % 2 ? 4.5 : 10.5;
            const QPointF pt(c.x() + radius * std::cos(a), c.y() + radius * std::sin(a));
            i ? star.lineTo(pt) : star.moveTo(pt);
        }
        star.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xff, 0xd5, 0x4f));
        p.drawPath(star);
    }
    p.end();
    cache.insert(id, pm);
    return pm;
}
} // namespace

NumberButton::NumberButton(int number, QWidget *parent) : QPushButton(QString::number(number), parent), number_(number)
{
    setFlat(true);
    setCheckable(true);
    setCursor(Qt::PointingHandCursor);
    setAccessibleName(QString::number(number));
    QFont f(QStringLiteral("Verdana"));
    f.setPointSizeF(20.0);
    f.setBold(true);
    setFont(f);
    setLook(Look::Free);
}

void NumberButton::setLook(Look look)
{
    look_ = look;
    showCheck();
    switch (look) {
    case Look::Free:
        setAccessibleDescription(QString());
        break;
    case Look::Chosen:
        setAccessibleDescription(tr("%1, chosen").arg(number_));
        break;
    case Look::Key:
        setAccessibleDescription(tr("%1, key number").arg(number_));
        break;
    }
    update();
}

void NumberButton::showCheck()
{
    showingLook_ = true;
    setChecked(look_ != Look::Free);
    showingLook_ = false;
}

// A click leaves the check alone: it asks for the number, and the answer (which may be a
// refusal, for the key number) comes back through setLook().
void NumberButton::nextCheckState() {}

// The check changed without a click: the screen reader's Toggle action calls toggle(), which
// emits no clicked(). Take it as the click it stands for, then show whatever the selection made
// of it, so the button never says "checked" for a number that is not chosen.
void NumberButton::checkStateSet()
{
    QPushButton::checkStateSet();
    if (showingLook_ || isChecked() == (look_ != Look::Free))
        return;
    const QPointer<NumberButton> alive(this);
    click();
    if (alive && isChecked() != (look_ != Look::Free))
        showCheck();
}

void NumberButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawPixmap(rect(), faceOf(look_));
    if (hasFocus()) {
        p.setPen(QPen(palette().highlight().color(), 2, Qt::DotLine));
        p.drawRoundedRect(QRectF(rect()).adjusted(2, 2, -2, -2), 6, 6);
    }
    p.setFont(font());
    p.setPen(look_ == Look::Free ? QColor(Qt::black) : QColor(0xff, 0xe0, 0x3a));
    p.drawText(rect(), Qt::AlignCenter, text());
}
