// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/NumberGridView.h"

#include "core/SelectionModel.h"
#include "ui/NumberButton.h"
#include "ui/NumberGridLayout.h"

NumberGridView::NumberGridView(QWidget *parent) : QWidget(parent) {}

void NumberGridView::showPool(int poolSize)
{
    qDeleteAll(buttons_);
    buttons_.clear();
    for (int n = 1; n <= poolSize; ++n) {
        auto *b = new NumberButton(n, this);
        b->setGeometry(numberButtonFrame(n));
        connect(b, &QAbstractButton::clicked, this, [this, n] { emit numberClicked(n); });
        b->show();
        buttons_ << b;
    }
    setMinimumSize(numberGridSize(poolSize));
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
