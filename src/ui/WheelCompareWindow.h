// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Play.h"
#include "core/WheelComparison.h"

#include <QFuture>
#include <QHash>
#include <QWidget>

#include <atomic>
#include <memory>

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QSortFilterProxyModel;
class QStandardItemModel;
class QTableView;
class QTableWidget;
class CostChanceChart;
class WheelShelf;

// Every wheel for the player's numbers side by side: what each costs and buys, which a budget
// buys best and why, a chart of cost against chance, and for the same budget the best wheel for
// every other count of numbers. The odds are counted off the window's thread, wheel by wheel, and
// the table fills in as they come; closing the window drops what is still counting.
class WheelCompareWindow : public QWidget {
    Q_OBJECT
public:
    explicit WheelCompareWindow(QWidget *parent = nullptr);
    ~WheelCompareWindow() override;

    // Lists the wheels for `numbers` numbers of the lottery and starts counting them. The shelf
    // is read now, and again for the other counts of numbers while the window is open: it must
    // outlive the window or the next call.
    void showWheels(const PlayedLottery &lottery, int numbers, const QList<int> &bonus, const WheelShelf &shelf);

    // The wheels of the table in the order listed (not as sorted), counted or not yet.
    const QList<ComparedWheel> &wheels() const { return wheels_; }
    const BudgetChoice &choice() const { return choice_; }
    bool tableCounted() const { return pending_ == 0; }
    bool countsCounted() const { return countsDone_; }
    void setBudget(double amount);
    // -1: any prize; else a column of the chances.
    void setChanceColumn(int column);

signals:
    // The player chose a wheel of the table to play.
    void wheelChosen(const WheelOffer &wheel);
    // Every wheel of the table has been counted.
    void wheelsCounted();
    // The best wheel for every count of numbers has been found.
    void numbersCounted();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void stopCounting();
    void startCounts();
    void takeResult(quint64 generation, int row, const ComparedWheel &wheel);
    void takeCount(quint64 generation, const QString &key, const ComparedWheel &wheel);
    void fillRow(int row);
    void refreshChoice();
    void refreshCounts();
    void chooseRow(const QModelIndex &index);
    int column() const;
    QString chanceName() const;

    QLabel *heading_;
    QDoubleSpinBox *budget_;
    QComboBox *tier_;
    QPushButton *play_;
    QLabel *sentence_;
    QLabel *status_;
    QStandardItemModel *model_;
    QSortFilterProxyModel *sorted_;
    QTableView *table_;
    CostChanceChart *chart_;
    QLabel *countsTitle_;
    QTableWidget *counts_;

    PlayedLottery lottery_;
    int numbers_ = 0;
    QList<int> bonus_;
    const WheelShelf *shelf_ = nullptr;
    ChanceColumns columns_;
    QList<ComparedWheel> wheels_;
    BudgetChoice choice_;
    int pending_ = 0;
    bool countsDone_ = false;
    // Counted wheels of other counts of numbers, by count and wheel.
    QHash<QString, ComparedWheel> countCache_;
    QHash<int, QList<QString>> countKeys_; // per count of numbers, the wheels within the budget
    quint64 generation_ = 0;
    quint64 countsGeneration_ = 0;
    std::shared_ptr<std::atomic<bool>> cancel_;
    std::shared_ptr<std::atomic<bool>> cancelCounts_;
    QList<QFuture<void>> running_;
};
