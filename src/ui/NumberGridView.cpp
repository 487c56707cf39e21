// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/NumberGridView.h"

#include "core/SelectionModel.h"
#include "ui/NumberButton.h"
#include "ui/NumberGridLayout.h"

#include <algorithm>

NumberGridView::NumberGridView(QWidget *parent) : QWidget(parent) {}

void NumberGridView::showPool(int poolSize)
{
    qDeleteAll(buttons_);
    buttons_.clear();
    for (int n = 1; n <= poolSize; ++n) {
        auto *b = new NumberButton(n, this);
        connect(b, &QAbstractButton::clicked, this, [this, n] { emit numberClicked(n); });
        b->show();
        buttons_ << b;
    }
    setMinimumSize(numberGridSize(poolSize));
    placeButtons();
}

void NumberGridView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeButtons();
}

void NumberGridView::placeButtons()
{
    const int spare = width() - numberGridSize(static_cast<int>(buttons_.size())).width();
    const int left = std::max(0, spare / 2);
    for (NumberButton *b : std::as_const(buttons_))
        b->setGeometry(numberButtonFrame(b->number()).translated(left, 0));
}

void NumberGridView::showSelection(const SelectionModel &selection)
{
    for (NumberButton *b : std::as_const(buttons_)) {
        const int n = b->number();
        b->setLook(!selection.isChosen(n) ? NumberButton::Look::Free
                   : n == selection.key() ? NumberButton::Look::Key
                                          : NumberButton::Look::Chosen);
    }
}

NumberButton *NumberGridView::button(int number) const
{
    return number >= 1 && number <= buttons_.size() ? buttons_[number - 1] : nullptr;
}
