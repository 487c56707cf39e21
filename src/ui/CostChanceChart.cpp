// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/CostChanceChart.h"

#include "core/WheelValue.h"

#include <QLocale>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

// One axis: linear from zero, or by powers of ten when the values span more than two of them.
struct Scale {
    double low = 0;
    double high = 1;
    bool logarithmic = false;

    static Scale of(const QList<double> &values)
    {
        Scale s;
        double smallest = 0, largest = 0;
        for (const double v : values) {
            if (v <= 0)
                continue;
            smallest = smallest == 0 ? v : std::min(smallest, v);
            largest = std::max(largest, v);
        }
        if (largest <= 0)
            return s;
        s.logarithmic = largest / smallest > 20;
        if (s.logarithmic) {
            s.low = std::floor(std::log10(smallest));
            s.high = std::ceil(std::log10(largest));
            if (s.high <= s.low)
                s.high = s.low + 1;
        } else {
            s.low = 0;
            s.high = largest * 1.08;
        }
        return s;
    }
    // 0..1 along the axis.
    double at(double v) const
    {
        if (logarithmic)
            return v <= 0 ? 0 : std::clamp((std::log10(v) - low) / (high - low), 0.0, 1.0);
        return std::clamp((v - low) / (high - low), 0.0, 1.0);
    }
    QList<double> ticks() const
    {
        QList<double> out;
        if (logarithmic) {
            const int step = std::max(1, static_cast<int>(std::ceil((high - low) / 6)));
            for (double e = low; e <= high + 1e-9; e += step)
                out << std::pow(10.0, e);
            return out;
        }
        const double raw = (high - low) / 5;
        const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
        double step = magnitude;
        for (const double m : {1.0, 2.0, 5.0, 10.0})
            if (raw <= m * magnitude) {
                step = m * magnitude;
                break;
            }
        for (double v = 0; v <= high + 1e-9; v += step)
            out << v;
        return out;
    }
};

QString costTick(double v)
{
    const QLocale figures = figureLocale();
    return v >= 100 || v == std::floor(v) ? figures.toString(v, 'f', 0) : figures.toString(v, 'g', 3);
}

} // namespace

CostChanceChart::CostChanceChart(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("costChanceChart"));
    setAccessibleName(tr("Chart of cost against chance"));
    setAccessibleDescription(tr("One point per wheel; the table above carries the same figures"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void CostChanceChart::showPoints(const QList<Point> &points, const QList<int> &front, int chosen, double budget,
                                 const QString &costUnit, const QString &chanceName)
{
    points_ = points;
    front_ = front;
    chosen_ = chosen;
    budget_ = budget;
    costUnit_ = costUnit;
    chanceName_ = chanceName;
    update();
}

void CostChanceChart::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor text = palette().color(QPalette::WindowText);
    const QFontMetrics fm = fontMetrics();
    p.fillRect(rect(), palette().color(QPalette::Base));
    if (points_.isEmpty()) {
        p.setPen(text);
        p.drawText(rect(), Qt::AlignCenter, tr("No wheel counted yet"));
        return;
    }
    QList<double> costs, chances;
    for (const Point &pt : points_) {
        costs << pt.cost;
        chances << pt.chance;
    }
    if (budget_ > 0)
        costs << budget_;
    const Scale x = Scale::of(costs);
    const Scale y = Scale::of(chances);
    const QList<double> yTicks = y.ticks();
    int labelWidth = 0;
    for (const double t : yTicks)
        labelWidth = std::max(labelWidth, fm.horizontalAdvance(percentText(t, QLocale())));
    const int line = fm.height();
    const QRect plot(labelWidth + 12, line + 8, std::max(40, width() - labelWidth - 24),
                     std::max(40, height() - 3 * line - 20));
    p.setPen(text);
    p.drawText(QRect(0, 0, width(), line + 4), Qt::AlignLeft | Qt::AlignVCenter,
               tr("Chance of %1 per draw").arg(chanceName_) +
                   (y.logarithmic ? tr(" (scale by tenfold steps)") : QString()));
    const auto px = [&](double v) { return plot.left() + x.at(v) * plot.width(); };
    const auto py = [&](double v) { return plot.bottom() - y.at(v) * plot.height(); };

    // Grid and ticks.
    const QColor grid = palette().color(QPalette::Mid);
    for (const double t : yTicks) {
        p.setPen(QPen(grid, 0.5, Qt::DotLine));
        p.drawLine(QPointF(plot.left(), py(t)), QPointF(plot.right(), py(t)));
        p.setPen(text);
        p.drawText(QRectF(0, py(t) - line / 2.0, labelWidth + 6, line), Qt::AlignRight | Qt::AlignVCenter,
                   percentText(t, QLocale()));
    }
    double lastRight = -1e9;
    for (const double t : x.ticks()) {
        const QString label = costTick(t);
        const double w = fm.horizontalAdvance(label);
        const double left = std::clamp(px(t) - w / 2, 0.0, width() - w);
        p.setPen(QPen(grid, 0.5, Qt::DotLine));
        p.drawLine(QPointF(px(t), plot.top()), QPointF(px(t), plot.bottom()));
        if (left < lastRight + 6)
            continue;
        p.setPen(text);
        p.drawText(QRectF(left, plot.bottom() + 4, w + 1, line), Qt::AlignCenter, label);
        lastRight = left + w;
    }
    p.setPen(text);
    p.drawRect(plot);
    p.drawText(QRect(plot.left(), plot.bottom() + line + 6, plot.width(), line + 2), Qt::AlignCenter,
               tr("Cost a draw (%1)").arg(costUnit_) + (x.logarithmic ? tr(", scale by tenfold steps") : QString()));

    if (budget_ > 0) {
        p.setPen(QPen(QColor(0xb0, 0x40, 0x30), 1.2, Qt::DashLine));
        p.drawLine(QPointF(px(budget_), plot.top()), QPointF(px(budget_), plot.bottom()));
    }
    // The front, cheapest first.
    if (front_.size() > 1) {
        QPainterPath path;
        for (int i = 0; i < front_.size(); ++i) {
            const Point &pt = points_[front_[i]];
            const QPointF at(px(pt.cost), py(pt.chance));
            if (i == 0)
                path.moveTo(at);
            else
                path.lineTo(at);
        }
        p.setPen(QPen(QColor(0x2f, 0x5f, 0xb3), 1.6));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }
    for (int i = 0; i < points_.size(); ++i) {
        const Point &pt = points_[i];
        const QPointF at(px(pt.cost), py(pt.chance));
        p.setPen(Qt::NoPen);
        p.setBrush(pt.overBudget ? QColor(0xa0, 0xa0, 0xa0) : QColor(0x2f, 0x5f, 0xb3));
        p.drawEllipse(at, pt.onFront ? 4.0 : 3.0, pt.onFront ? 4.0 : 3.0);
    }
    if (chosen_ >= 0 && chosen_ < points_.size()) {
        const Point &pt = points_[chosen_];
        const QPointF at(px(pt.cost), py(pt.chance));
        p.setPen(QPen(QColor(0x1e, 0x8b, 0x3a), 2.4));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(at, 8.0, 8.0);
    }
}
