// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QButtonGroup>
#include <QColor>
#include <QFont>
#include <QPushButton>
#include <QWidget>

// The ticket format matrix: two rows of four cells, one chosen at a time.
class FormatMatrix : public QWidget {
    Q_OBJECT
public:
    explicit FormatMatrix(QWidget *parent = nullptr);
    int selectedRow() const;
    int selectedColumn() const;
    void selectCell(int row, int column);

signals:
    void activated();

private:
    QButtonGroup group_;
};

// A number on the grid: its look is a picture with the title drawn over it.
class NumberButton : public QPushButton {
    Q_OBJECT
public:
    explicit NumberButton(QWidget *parent = nullptr);
    void setLook(const QString &imageName) { imageName_ = imageName; update(); }
    QString look() const { return imageName_; }
    void setTitleStyle(const QFont &font, const QColor &color);
    QColor titleColor() const { return color_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString imageName_;
    QFont font_;
    QColor color_ = Qt::black;
};

// The three looks of a number button, drawn here: "framehh.png" plain, "frame.png"
// chosen, "frame1.png" the key number.
QPixmap imageNamed(const QString &name);
