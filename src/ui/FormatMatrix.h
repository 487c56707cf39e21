// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QButtonGroup>
#include <QWidget>

// The ticket format choice: two rows of four examples, one chosen at a time. The format
// number is 4 x row + column.
class FormatMatrix : public QWidget {
    Q_OBJECT
public:
    explicit FormatMatrix(QWidget *parent = nullptr);
    int format() const;
    void setFormat(int format);

private:
    QButtonGroup group_;
};
