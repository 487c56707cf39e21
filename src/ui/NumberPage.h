// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SelectionModel.h"

#include <QWidget>

#include <functional>
#include <memory>

namespace Ui {
class NumberPage;
}

// The second page: the number grid of the chosen lottery, the numbers chosen so far and
// their count, Backspace, Clear, the sort switch and the random pick.
class NumberPage : public QWidget {
    Q_OBJECT
public:
    explicit NumberPage(QWidget *parent = nullptr);
    ~NumberPage() override;

    // A fresh grid for the lottery, nothing chosen.
    void showLottery(const QString &name, int poolSize);
    const SelectionModel &selection() const { return selection_; }
    // Draws up to `count` free numbers; the first of an empty selection becomes the key.
    void drawRandom(int count);
    void setRandomSource(std::function<quint32()> source) { random_ = std::move(source); }

signals:
    void keyChosen(int key);
    void randomPickRequested();

private:
    void tap(int number);
    void backspace();
    void askToClear();
    void showSelection();

    std::unique_ptr<Ui::NumberPage> ui_;
    SelectionModel selection_;
    std::function<quint32()> random_;
    int shownKey_ = 0;
};
