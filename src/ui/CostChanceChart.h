// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QWidget>

// Cost across, chance up: one point per wheel, the wheels no cheaper wheel beats joined as a
// line, the chosen one ringed, the budget a dashed upright. Both scales turn to powers of ten
// when the figures span more than a few of them, so a chance of one in a million still shows.
class CostChanceChart : public QWidget {
    Q_OBJECT
public:
    struct Point {
        double cost = 0;
        double chance = 0;
        bool overBudget = false;
        bool onFront = false;
    };

    explicit CostChanceChart(QWidget *parent = nullptr);

    // `front`: indexes of the points joined, cheapest first; `chosen`: the point ringed, -1 none.
    void showPoints(const QList<Point> &points, const QList<int> &front, int chosen, double budget,
                    const QString &costUnit, const QString &chanceName);

    const QList<Point> &points() const { return points_; }
    QSize sizeHint() const override { return {460, 300}; }
    QSize minimumSizeHint() const override { return {320, 220}; }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QList<Point> points_;
    QList<int> front_;
    int chosen_ = -1;
    double budget_ = -1;
    QString costUnit_;
    QString chanceName_;
};
