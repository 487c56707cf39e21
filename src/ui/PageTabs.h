// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTabWidget>

#include <functional>

// A tab widget whose every change of page - a click, a key, an accessibility action or a
// call of setCurrentIndex() - is first put to a guard; a refused change is undone before
// anyone sees it. The program's own moves go through moveTo() and are not asked.
class PageTabs : public QTabWidget {
    Q_OBJECT
public:
    using Guard = std::function<bool(int index)>;

    explicit PageTabs(QWidget *parent = nullptr);
    void setGuard(Guard guard) { guard_ = std::move(guard); }
    void moveTo(int index);
    // As tall as the page shown, not as the tallest page: for tabs above other content.
    void setFitsShownPage(bool fits);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // After a change the guard let through, or a move of the program's own.
    void pageShown(int index);

private:
    void onCurrentChanged(int index);
    QSize fitted(QSize size) const;

    Guard guard_;
    int shown_ = 0;
    bool programMove_ = false;
    bool undoing_ = false;
    bool fitsShownPage_ = false;
};
