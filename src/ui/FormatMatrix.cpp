// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FormatMatrix.h"

#include <QGridLayout>
#include <QRadioButton>

#include <algorithm>

FormatMatrix::FormatMatrix(QWidget *parent) : QWidget(parent)
{
    static const char *const examples[8] = {"5 17 3 41",   "5-17-3-41",   "5,17,3,41",   "5, 17, 3, 41",
                                            "05 17 03 41", "05-17-03-41", "05,17,03,41", "05, 17, 03, 41"};
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(18);
    for (int i = 0; i < 8; ++i) {
        auto *cell = new QRadioButton(QString::fromLatin1(examples[i]), this);
        cell->setAccessibleName(tr("Ticket format %1").arg(QString::fromLatin1(examples[i])));
        group_.addButton(cell, i);
        grid->addWidget(cell, i / 4, i % 4);
    }
    group_.button(0)->setChecked(true);
}

int FormatMatrix::format() const
{
    return std::max(group_.checkedId(), 0);
}

void FormatMatrix::setFormat(int format)
{
    if (auto *b = group_.button(format))
        b->setChecked(true);
}
