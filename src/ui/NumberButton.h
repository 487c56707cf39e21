// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPushButton>

// One number of the grid. It is checked while chosen; the key number has a look of its own
// (crimson with a gold ring and star) and says so to a screen reader.
class NumberButton : public QPushButton {
    Q_OBJECT
public:
    enum class Look { Free, Chosen, Key };

    NumberButton(int number, QWidget *parent = nullptr);
    int number() const { return number_; }
    Look look() const { return look_; }
    void setLook(Look look);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int number_;
    Look look_ = Look::Free;
};
