// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <memory>

class ListTableModel;
class QLabel;
namespace Ui {
class LotteryPage;
}

// The first page: the country box and the country's lotteries. It tells what the player
// chooses; what the program selects itself is not told back.
class LotteryPage : public QWidget {
    Q_OBJECT
public:
    explicit LotteryPage(QWidget *parent = nullptr);
    ~LotteryPage() override;

    void setCountries(const QStringList &countries);
    QString country() const;
    // False when the country is not in the box; the box then keeps what it shows.
    bool showCountry(const QString &country);
    void showLotteries(const QStringList &names);
    const QStringList &lotteries() const;
    // Selects a row without telling it as the player's choice; -1 selects none.
    void selectLottery(int row);
    // "Facts as of 2026-12", "Your lottery, changed 2026-12-10" for the chosen lottery.
    void showFactsNote(const QString &note);
    QString factsNote() const;

signals:
    void countryChosen(const QString &country);
    void lotteryChosen(int row);
    // "Lotteries...": the player wants to add, copy or edit lotteries.
    void lotteriesRequested();

private:
    std::unique_ptr<Ui::LotteryPage> ui_;
    ListTableModel *model_;
    QLabel *factsNote_;
    bool programSelects_ = false;
};
