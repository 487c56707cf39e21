// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Catalogue.h"
#include "core/WheelShelf.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class WheelOddsPanel;
namespace Ui {
class WheelPage;
}

// The third page: type-a and key wheels on two tabs, the wheel list of each (or a notice
// that none is stored), the key number and the ticket format.
class WheelPage : public QWidget {
    Q_OBJECT
public:
    explicit WheelPage(QWidget *parent = nullptr);
    ~WheelPage() override;

    WheelType wheelType() const;
    // Turns to the list of that type (as a click on its tab does).
    void showType(WheelType type);
    // Fills the list of that type, first wheel chosen (or `choose` when it is listed); an empty
    // list shows the notice. Each entry carries its wheel as item data.
    void showWheels(WheelType type, const QList<WheelOffer> &wheels,
                    const std::optional<WheelOffer> &choose = std::nullopt);
    // The wheel chosen in the shown type's list; nothing when none is.
    std::optional<WheelOffer> chosenWheel() const;
    int ticketFormat() const;
    void showKey(int key);

    // What the cost and the odds of the chosen wheel depend on: the lottery and how many numbers
    // are played. Set before the wheel lists are filled.
    struct Play {
        QString country;
        QString lottery;
        LotteryDetails details;
        int numbers = 0;
        QList<int> bonus; // the bonus numbers chosen, dealt over the tickets as Generate deals them
    };
    void setPlay(const Play &play);
    // Where the lines of a listed wheel come from, checked.
    using LineSource = std::function<WheelLines(const WheelOffer &wheel)>;
    void setLineSource(LineSource source) { lineSource_ = std::move(source); }
    WheelOddsPanel *oddsPanel();

signals:
    // The player turned to the other type of wheels.
    void wheelTypeChanged(WheelType type);
    void wheelsInfoRequested();
    void makeWheelRequested();
    // "Past draws...": the wheel chosen over the numbers chosen, against the stored draws.
    void pastDrawsRequested();
    // "Compare wheels...": every wheel for the numbers chosen, side by side.
    void compareRequested();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QComboBox *listOf(WheelType type) const;
    QWidget *noticeOf(WheelType type) const;
    // The cost row and the odds panel, made when a play is first set or the page first shows:
    // a start that shows only the lottery page never pays for them.
    void buildPanels();
    // The cost and the odds of the wheel now chosen.
    void showValue();
    void showCost();
    void priceEdited(const QString &text);

    std::unique_ptr<Ui::WheelPage> ui_;
    Play play_;
    LineSource lineSource_;
    std::optional<double> price_;
    QLabel *costLabel_ = nullptr;
    QLineEdit *priceField_ = nullptr;
    QLabel *currencyLabel_ = nullptr;
    WheelOddsPanel *odds_ = nullptr;
};
