// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

// The application's style with the toolbar and menu bar overflow arrows read when they are
// first drawn, not when a widget asks for them. The menu bar asks for its overflow arrow as it is made, and reading
// that image loads the image plugins; the arrow shows only in a window too narrow for the
// menus, so the first window no longer waits for it.
class DeferredIconStyle : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;
    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};
