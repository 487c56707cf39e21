// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPushButton>

// One number of the grid. It is checked while chosen; the key number has a look of its own
// (crimson with a gold ring and star) and says so to a screen reader. The check shows the
// selection and nothing else: a click, the space bar and a screen reader's Press and Toggle
// actions all ask for the number the same way, and the owner's answer sets the look.
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
    void nextCheckState() override;
    void checkStateSet() override;

private:
    void showCheck();

    int number_;
    Look look_ = Look::Free;
    bool showingLook_ = false;
};
