// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Widgets.h"

#include <QGridLayout>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QRadioButton>
#include <QStyleOptionButton>

FormatMatrix::FormatMatrix(QWidget *parent) : QWidget(parent)
{
    static const char *const examples[8] = {"5 17 3 41",   "5-17-3-41",   "5,17,3,41",   "5, 17, 3, 41",
                                            "05 17 03 41", "05-17-03-41", "05,17,03,41", "05, 17, 03, 41"};
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(18);
    for (int i = 0; i < 8; ++i) {
        auto *cell = new QRadioButton(QString::fromLatin1(examples[i]), this);
        cell->setAccessibleName(QStringLiteral("Ticket format %1").arg(QString::fromLatin1(examples[i])));
        group_.addButton(cell, i);
        grid->addWidget(cell, i / 4, i % 4);
    }
    group_.button(0)->setChecked(true);
    connect(&group_, &QButtonGroup::idClicked, this, [this](int) { emit activated(); });
}

int FormatMatrix::selectedRow() const
{
    return std::max(group_.checkedId(), 0) / 4;
}

int FormatMatrix::selectedColumn() const
{
    return std::max(group_.checkedId(), 0) % 4;
}

void FormatMatrix::selectCell(int row, int column)
{
    if (auto *b = group_.button(row * 4 + column))
        b->setChecked(true);
}

NumberButton::NumberButton(QWidget *parent) : QPushButton(parent)
{
    setFlat(true);
    setCursor(Qt::PointingHandCursor);
}

void NumberButton::setTitleStyle(const QFont &font, const QColor &color)
{
    font_ = font;
    color_ = color;
    update();
}

void NumberButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawPixmap(rect(), imageNamed(imageName_));
    if (hasFocus()) {
        p.setPen(QPen(palette().highlight().color(), 2, Qt::DotLine));
        p.drawRoundedRect(QRectF(rect()).adjusted(2, 2, -2, -2), 6, 6);
    }
    p.setFont(font_);
    p.setPen(color_);
    p.drawText(rect(), Qt::AlignCenter, text());
}

QPixmap imageNamed(const QString &name)
{
    static QHash<QString, QPixmap> cache;
    if (auto it = cache.constFind(name); it != cache.constEnd())
        return *it;
    // Drawn at twice the button size so they stay crisp when scaled.
    const QSize size(90, 70);
    QPixmap pm(size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(QPointF(0, 0), size).adjusted(2, 2, -2, -2);
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    QColor edge;
    if (name == QLatin1String("frame.png")) { // chosen: deep blue, yellow title
        fill.setColorAt(0, QColor(0x2f, 0x5f, 0xb3));
        fill.setColorAt(1, QColor(0x17, 0x34, 0x6e));
        edge = QColor(0x10, 0x24, 0x4d);
    } else if (name == QLatin1String("frame1.png")) { // key: crimson with a gold ring
        fill.setColorAt(0, QColor(0xc6, 0x28, 0x28));
        fill.setColorAt(1, QColor(0x7f, 0x10, 0x10));
        edge = QColor(0xff, 0xc1, 0x07);
    } else { // plain: light, black title
        fill.setColorAt(0, QColor(0xfd, 0xfd, 0xfd));
        fill.setColorAt(1, QColor(0xe3, 0xe6, 0xea));
        edge = QColor(0x9a, 0xa3, 0xad);
    }
    p.setBrush(fill);
    p.setPen(QPen(edge, name == QLatin1String("frame1.png") ? 7 : 3));
    p.drawRoundedRect(r.adjusted(2, 2, -2, -2), 14, 14);
    if (name == QLatin1String("frame1.png")) {
        // A small gold star in the corner says "key" even without colour.
        QPainterPath star;
        const QPointF c(r.right() - 14, r.top() + 14);
        for (int i = 0; i < 10; ++i) {
            const double a = -M_PI / 2 + i * M_PI / 5;
            const double rad = i % 2 ? 4.5 : 10.5;
            const QPointF pt(c.x() + rad * std::cos(a), c.y() + rad * std::sin(a));
            i ? star.lineTo(pt) : star.moveTo(pt);
        }
        star.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xff, 0xd5, 0x4f));
        p.drawPath(star);
    }
    p.end();
    cache.insert(name, pm);
    return pm;
}
