// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/PageTabs.h"

#include <algorithm>

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

void PageTabs::setFitsShownPage(bool fits)
{
    fitsShownPage_ = fits;
    updateGeometry();
}

// The tab widget's own hint holds the tallest page; the page shown takes its place.
QSize PageTabs::fitted(QSize size) const
{
    const QWidget *shown = currentWidget();
    if (!fitsShownPage_ || !shown)
        return size;
    int tallest = 0;
    for (int i = 0; i < count(); ++i)
        if (isTabVisible(i))
            tallest = std::max(tallest, widget(i)->sizeHint().height());
    size.setHeight(size.height() - tallest + shown->sizeHint().height());
    return size;
}

QSize PageTabs::sizeHint() const
{
    return fitted(QTabWidget::sizeHint());
}

QSize PageTabs::minimumSizeHint() const
{
    QSize least = QTabWidget::minimumSizeHint();
    if (fitsShownPage_)
        least.setHeight(std::min(least.height(), sizeHint().height()));
    return least;
}

void PageTabs::onCurrentChanged(int index)
{
    if (fitsShownPage_)
        updateGeometry();
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
