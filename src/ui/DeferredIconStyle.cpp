// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DeferredIconStyle.h"

#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QWidget>

namespace {

// Asks the style for the icon the first time it is drawn or measured, and hands on to it.
class DeferredIconEngine : public QIconEngine {
public:
    DeferredIconEngine(const QStyle *style, QStyle::StandardPixmap which, const QWidget *widget)
        : style_(const_cast<QStyle *>(style)), which_(which), widget_(const_cast<QWidget *>(widget))
    {
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    QIconEngine *clone() const override { return new DeferredIconEngine(*this); }

private:
    const QIcon &icon()
    {
        if (!read_) {
            read_ = true;
            if (style_)
                icon_ = style_->standardIcon(which_, nullptr, widget_);
        }
        return icon_;
    }

    QPointer<QStyle> style_; // held only to ask; never changed
    QStyle::StandardPixmap which_;
    QPointer<QWidget> widget_;
    bool read_ = false;
    QIcon icon_;
};

} // namespace

QIcon DeferredIconStyle::standardIcon(StandardPixmap icon, const QStyleOption *option, const QWidget *widget) const
{
    // Only the overflow arrows wait, and only when no option (gone by the time they are drawn)
    // comes with the question.
    const bool arrow = icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton;
    if (!arrow || option || !baseStyle())
        return QProxyStyle::standardIcon(icon, option, widget);
    return QIcon(new DeferredIconEngine(baseStyle(), icon, widget));
}
