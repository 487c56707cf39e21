// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class NumberButton;
class SelectionModel;

// The grid of number buttons for one lottery's pool; it grows with the pool so that every
// number can be reached. It shows a selection; it never changes one.
class NumberGridView : public QWidget {
    Q_OBJECT
public:
    explicit NumberGridView(QWidget *parent = nullptr);
    // Buttons for 1..poolSize, all free.
    void showPool(int poolSize);
    // Every button takes the look the selection gives its number.
    void showSelection(const SelectionModel &selection);
    NumberButton *button(int number) const;

signals:
    void numberClicked(int number);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    // The block of buttons stands in the middle of a view wider than it.
    void placeButtons();
    QList<NumberButton *> buttons_;
};
