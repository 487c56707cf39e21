// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/BonusSelection.h"
#include "core/SelectionModel.h"

#include <QWidget>

#include <functional>
#include <memory>

class BonusPicker;
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
    // The bonus grid for a lottery with a separate bonus pool of `poolSize` numbers, `perTicket` on
    // each ticket; 0 hides it. `digitsOnly`: a bonus digit the program does not offer.
    void showBonusPool(int poolSize, int perTicket, bool digitsOnly);
    const BonusSelection &bonus() const;
    // Draws up to `count` free numbers; the first of an empty selection becomes the key.
    void drawRandom(int count);
    // The source of the random picks, main and bonus numbers alike.
    void setRandomSource(std::function<quint32()> source);

signals:
    void keyChosen(int key);
    void randomPickRequested();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void tap(int number);
    void backspace();
    void askToClear();
    void showSelection();

    std::unique_ptr<Ui::NumberPage> ui_;
    BonusPicker *bonusPicker_;
    SelectionModel selection_;
    std::function<quint32()> random_;
    int shownKey_ = 0;
};
