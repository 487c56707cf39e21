// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/TicketTable.h"

#include "core/CountedText.h"

#include <QApplication>
#include <QPainter>

namespace {
const QColor kMainMatch(0xFF, 0xD5, 0x4F);  // amber
const QColor kBonusMatch(0x81, 0xD4, 0xFA); // light blue
const QColor kMatchText(Qt::black);         // dark on both grounds, selected or not

struct Token {
    QString text;
    bool number = false;
    bool bonusPart = false; // after " + "
};

// The line in runs of digits and runs of everything else, so separators keep their look.
QList<Token> tokens(const QString &line)
{
    QList<Token> out;
    bool bonusPart = false;
    for (const QChar c : line) {
        const bool digit = c.isDigit();
        if (c == QLatin1Char('+'))
            bonusPart = true;
        if (out.isEmpty() || out.last().number != digit)
            out.append({QString(), digit, bonusPart});
        out.last().text += c;
    }
    return out;
}
} // namespace

TicketTableModel::TicketTableModel(QObject *parent) : ListTableModel(tr("Ticket"), parent) {}

void TicketTableModel::showMatches(const QList<TicketCheck> &checks, bool bonusFromMain)
{
    checks_ = checks;
    bonusFromMain_ = bonusFromMain;
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, 0));
}

void TicketTableModel::clearMatches()
{
    if (checks_.isEmpty())
        return;
    checks_.clear();
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, 0));
}

QVariant TicketTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= checks_.size())
        return ListTableModel::data(index, role);
    const TicketCheck &check = checks_[index.row()];
    switch (role) {
    case MainMatchesRole:
        return QVariant::fromValue(check.mainMatches);
    case BonusMatchesRole:
        return QVariant::fromValue(check.bonusMatches);
    case BonusFromMainRole:
        return bonusFromMain_;
    case MatchCountRole: {
        QString text = countedText("TicketTableModel", "1 match", QT_TRANSLATE_N_NOOP("TicketTableModel", "%n matches"),
                                   check.mainMatches.size());
        if (!check.bonusMatches.isEmpty())
            text += tr(" + bonus");
        if (check.reachesPrize)
            text += tr(", prize");
        return text;
    }
    case Qt::ToolTipRole:
        return describeMatches(check);
    case Qt::AccessibleTextRole: {
        QString text = tr("ticket %1: %2").arg(index.row() + 1).arg(describeMatches(check));
        if (check.reachesPrize)
            text += tr(", reaches the lowest prize");
        return text;
    }
    default:
        return ListTableModel::data(index, role);
    }
}

void TicketMatchDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const QVariant mainData = index.data(TicketTableModel::MainMatchesRole);
    if (!mainData.isValid()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QString line = opt.text;
    opt.text.clear();
    const QWidget *widget = opt.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

    const QList<int> mainMatches = mainData.value<QList<int>>();
    const QList<int> bonusMatches = index.data(TicketTableModel::BonusMatchesRole).value<QList<int>>();
    const bool bonusFromMain = index.data(TicketTableModel::BonusFromMainRole).toBool();
    const bool selected = opt.state & QStyle::State_Selected;
    const QColor plainText = opt.palette.color(selected ? QPalette::HighlightedText : QPalette::Text);

    painter->save();
    const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget).adjusted(2, 0, -4, 0);
    QFont bold = opt.font;
    bold.setBold(true);
    int x = area.left();
    for (const Token &t : tokens(line)) {
        const int value = t.number ? t.text.toInt() : 0;
        bool main = false;
        bool bonus = false;
        if (t.number && !t.bonusPart) {
            main = mainMatches.contains(value);
            bonus = !main && bonusFromMain && bonusMatches.contains(value);
        } else if (t.number) {
            bonus = !bonusFromMain && bonusMatches.contains(value);
        }
        const QFont &font = main || bonus ? bold : opt.font;
        const QFontMetrics metrics(font);
        const int width = metrics.horizontalAdvance(t.text);
        const QRect box(x, area.top(), width, area.height());
        if (main || bonus) {
            const QRect ground = box.adjusted(-2, 3, 2, -3);
            painter->setPen(Qt::NoPen);
            painter->setBrush(main ? kMainMatch : kBonusMatch);
            painter->drawRoundedRect(ground, 3, 3);
        }
        painter->setFont(font);
        painter->setPen(main || bonus ? kMatchText : plainText);
        painter->drawText(box, Qt::AlignVCenter | Qt::AlignLeft, t.text);
        x += width;
    }

    // The count of matches, quieter, at the right end when there is room for it.
    const QString count = index.data(TicketTableModel::MatchCountRole).toString();
    QFont small = opt.font;
    small.setPointSizeF(opt.font.pointSizeF() * 0.85);
    const QFontMetrics smallMetrics(small);
    const int countWidth = smallMetrics.horizontalAdvance(count);
    if (x + 24 + countWidth <= area.right()) {
        painter->setFont(small);
        QColor quiet = plainText;
        quiet.setAlphaF(selected ? 0.9F : 0.6F);
        painter->setPen(quiet);
        painter->drawText(area, Qt::AlignVCenter | Qt::AlignRight, count);
    }
    painter->restore();
}

QSize TicketMatchDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    if (index.data(TicketTableModel::MainMatchesRole).isValid()) {
        QFont bold = option.font;
        bold.setBold(true);
        size.setWidth(QFontMetrics(bold).horizontalAdvance(index.data().toString()) + 160);
    }
    return size;
}
