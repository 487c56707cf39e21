// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/PageTabs.h"

PageTabs::PageTabs(QWidget *parent) : QTabWidget(parent)
{
    connect(this, &QTabWidget::currentChanged, this, &PageTabs::onCurrentChanged);
}

void PageTabs::moveTo(int index)
{
    if (index < 0 || index >= count() || index == currentIndex())
        return;
    programMove_ = true;
    setCurrentIndex(index);
    programMove_ = false;
}

void PageTabs::onCurrentChanged(int index)
{
    if (undoing_ || index < 0)
        return;
    if (!programMove_ && guard_ && !guard_(index)) {
        undoing_ = true;
        setCurrentIndex(shown_);
        undoing_ = false;
        return;
    }
    shown_ = index;
    emit pageShown(index);
}
