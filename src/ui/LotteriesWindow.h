// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/LotteryRules.h"

#include <QDialog>
#include <QList>

class Catalogue;
class PlayerLotteries;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;

// The player's lotteries: add one, copy a shipped one and edit the copy, edit or delete his
// own, reset one to the shipped facts, export one to a file. Every field is checked as it is
// typed with the rules the shipped lotteries keep, the reason shown beside it; Save stays off
// until every field is sound, so nothing unsound is ever stored.
class LotteriesWindow : public QDialog {
    Q_OBJECT
public:
    LotteriesWindow(const Catalogue &catalogue, PlayerLotteries &player, QWidget *parent = nullptr);

    // Lists the lotteries of `country` and shows the first (or `lottery` when listed).
    void showCountry(const QString &country, const QString &lottery = {});
    // The facts as the fields state them, and the first reason they cannot be stored ("" when
    // they can).
    LotteryRow typed() const;
    QString fault() const;

signals:
    // The player's lotteries changed: the lists that show them are to be read again.
    void lotteriesChanged();

private:
    struct Field {
        QLineEdit *edit = nullptr;
        QLabel *why = nullptr;
    };
    void showLottery(const QString &name);
    void fill(const LotteryRow &row);
    void check();
    void save();
    void removeOrReset();
    void copyShipped();
    void newLottery();
    void exportLottery();
    void importLotteries();
    void addTier(const TierRow &tier);

    const Catalogue &catalogue_;
    PlayerLotteries &player_;
    QString editing_; // the player's lottery being edited; empty for a new one or a copy
    QComboBox *country_;
    QListWidget *list_;
    Field name_, pool_, pick_, drawn_, supplementary_, bonusPool_, bonusDrawn_, price_, currency_;
    QTableWidget *tiers_;
    QLabel *tiersWhy_;
    QLabel *status_;
    QPushButton *save_, *remove_, *copy_, *export_;
    bool filling_ = false;
};
