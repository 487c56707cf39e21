// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <functional>
#include <memory>

class LotteryListModel;
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
    // The lotteries of the country shown; those `isPlayers` answers for (country, name) are
    // marked "(yours)" in a column of their own, shown only when the list holds one.
    void setPlayersLotteries(std::function<bool(const QString &country, const QString &lottery)> isPlayers);
    void showLotteries(const QStringList &names);
    const QStringList &lotteries() const;
    bool isMarkedPlayers(int row) const;
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
    LotteryListModel *model_;
    std::function<bool(const QString &, const QString &)> isPlayers_;
    QLabel *factsNote_;
    bool programSelects_ = false;
};
