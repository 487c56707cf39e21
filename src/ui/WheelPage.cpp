// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/WheelPage.h"

#include "core/Settings.h"
#include "core/WheelValue.h"
#include "ui/WheelOddsPanel.h"
#include "ui_WheelPage.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QSignalBlocker>

#include <algorithm>

namespace {
// The tabs stand in this order in the page's layout.
constexpr int kKeyTab = 1;
} // namespace

WheelPage::WheelPage(QWidget *parent) : QWidget(parent), ui_(std::make_unique<Ui::WheelPage>())
{
    ui_->setupUi(this);
    connect(ui_->wheelTypeTabs, &PageTabs::pageShown, this,
            [this](int index) { emit wheelTypeChanged(index == kKeyTab ? WheelType::Key : WheelType::TypeA); });
    connect(ui_->wheelsInfoButton, &QAbstractButton::clicked, this, &WheelPage::wheelsInfoRequested);
    connect(ui_->makeWheelButton, &QAbstractButton::clicked, this, &WheelPage::makeWheelRequested);
    connect(ui_->pastDrawsButton, &QAbstractButton::clicked, this, &WheelPage::pastDrawsRequested);
    connect(ui_->compareButton, &QAbstractButton::clicked, this, &WheelPage::compareRequested);
    for (QComboBox *list : {ui_->wheelBox0, ui_->wheelBox1})
        connect(list, &QComboBox::currentIndexChanged, this, [this, list] {
            if (list == listOf(wheelType()))
                showValue();
        });
}

void WheelPage::showEvent(QShowEvent *event)
{
    buildPanels();
    QWidget::showEvent(event);
}

WheelOddsPanel *WheelPage::oddsPanel()
{
    buildPanels();
    return odds_;
}

void WheelPage::buildPanels()
{
    if (odds_)
        return;
    // The cost and the odds stand between the wheel lists and the ticket format; the lists
    // give up their empty room to them.
    auto *costRow = new QHBoxLayout;
    auto *priceLabel = new QLabel(tr("&Price per ticket:"), this);
    priceField_ = new QLineEdit(this);
    priceField_->setObjectName(QStringLiteral("priceField"));
    priceField_->setAccessibleName(tr("Price per ticket"));
    priceField_->setMaximumWidth(90);
    priceField_->setPlaceholderText(QStringLiteral("unknown"));
    priceLabel->setBuddy(priceField_);
    currencyLabel_ = new QLabel(this);
    currencyLabel_->setObjectName(QStringLiteral("currencyLabel"));
    costLabel_ = new QLabel(this);
    costLabel_->setObjectName(QStringLiteral("costLabel"));
    QFont strong = costLabel_->font();
    strong.setBold(true);
    costLabel_->setFont(strong);
    costRow->addWidget(priceLabel);
    costRow->addWidget(priceField_);
    costRow->addWidget(currencyLabel_);
    costRow->addSpacing(20);
    costRow->addWidget(costLabel_, 1);
    odds_ = new WheelOddsPanel(this);
    // In a smaller window the odds scroll rather than crowd the ticket format.
    auto *oddsScroll = new QScrollArea(this);
    oddsScroll->setObjectName(QStringLiteral("oddsScroll"));
    oddsScroll->setFrameShape(QFrame::NoFrame);
    oddsScroll->setWidgetResizable(true);
    oddsScroll->setWidget(odds_);
    oddsScroll->setMinimumHeight(160);
    const int at = ui_->wheelLayout->indexOf(ui_->formatGroup);
    ui_->wheelLayout->insertLayout(at, costRow);
    ui_->wheelLayout->insertWidget(at + 1, oddsScroll, 1);
    // The wheel lists take only the room they need: the list shown, not the taller key wheels'
    // list when the type-a list is shown.
    ui_->wheelTypeTabs->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    ui_->wheelTypeTabs->setFitsShownPage(true);
    for (QBoxLayout *tab : {ui_->wheelItemLayout0, ui_->wheelItemLayout1}) {
        tab->setContentsMargins(10, 8, 10, 8);
        tab->setSpacing(6);
    }
    connect(priceField_, &QLineEdit::textEdited, this, &WheelPage::priceEdited);
}

void WheelPage::setPlay(const Play &play)
{
    buildPanels();
    play_ = play;
    // The player's own price comes first; else the one a public source states.
    price_ = Settings().price(play.country, play.lottery);
    if (!price_)
        price_ = play.details.price;
    priceField_->setText(price_ ? QLocale().toString(*price_, 'f', 2) : QString());
    currencyLabel_->setText(play.details.currency);
    showValue();
}

void WheelPage::priceEdited(const QString &text)
{
    price_ = parsePrice(text, QLocale());
    // Only a price the player gives is remembered; emptying the field forgets it.
    if (price_ || text.trimmed().isEmpty())
        Settings().rememberPrice(play_.country, play_.lottery, price_);
    showCost();
}

void WheelPage::showCost()
{
    const auto wheel = chosenWheel();
    if (!wheel || wheel->tickets < 0)
        costLabel_->clear();
    else if (!price_)
        costLabel_->setText(priceField_->text().trimmed().isEmpty()
                                ? tr("Price per ticket: unknown - enter it")
                                : tr("Please enter the price of one ticket as a number, such as 2.50"));
    else
        costLabel_->setText(tr("Cost: %1").arg(costLine(wheel->tickets, *price_, play_.details.currency, QLocale())));
}

void WheelPage::showValue()
{
    buildPanels();
    showCost();
    const auto wheel = chosenWheel();
    if (!wheel || play_.numbers < 1 || !lineSource_) {
        odds_->showNothing(QString());
        return;
    }
    const WheelLines read = lineSource_(*wheel);
    if (!read.sound()) {
        odds_->showNothing(tr("The odds of “%1” cannot be counted: the wheel is damaged (%2).")
                               .arg(wheel->printableLabel(), read.problem));
        return;
    }
    // The odds count the player's bonus numbers and the price he gave, as Generate and the cost
    // row use them.
    OddsQuestion question =
        oddsQuestion(PlayedLottery{play_.country, play_.lottery, play_.details}, *wheel, read.lines, play_.bonus);
    question.price = price_;
    odds_->showOdds(question);
}

WheelPage::~WheelPage() = default;

WheelType WheelPage::wheelType() const
{
    return ui_->wheelTypeTabs->currentIndex() == kKeyTab ? WheelType::Key : WheelType::TypeA;
}

void WheelPage::showType(WheelType type)
{
    ui_->wheelTypeTabs->setCurrentIndex(type == WheelType::Key ? kKeyTab : 0);
}

QComboBox *WheelPage::listOf(WheelType type) const
{
    return type == WheelType::Key ? ui_->wheelBox1 : ui_->wheelBox0;
}

QWidget *WheelPage::noticeOf(WheelType type) const
{
    return type == WheelType::Key ? ui_->noWheel1 : ui_->noWheel0;
}

void WheelPage::showWheels(WheelType type, const QList<WheelOffer> &wheels, const std::optional<WheelOffer> &choose)
{
    QComboBox *list = listOf(type);
    // An empty list is emptied too, so no wheel of an earlier count can be taken from it.
    const QSignalBlocker quiet(list);
    list->clear();
    int chosen = wheels.isEmpty() ? -1 : 0;
    for (const WheelOffer &wheel : wheels) {
        if (choose && wheel == *choose)
            chosen = list->count();
        list->addItem(wheel.listText(), QVariant::fromValue(wheel));
    }
    list->setCurrentIndex(chosen);
    list->setVisible(!wheels.isEmpty());
    noticeOf(type)->setVisible(wheels.isEmpty());
    if (type == wheelType())
        showValue();
}

std::optional<WheelOffer> WheelPage::chosenWheel() const
{
    const QVariant data = listOf(wheelType())->currentData();
    if (!data.canConvert<WheelOffer>())
        return std::nullopt;
    return data.value<WheelOffer>();
}

int WheelPage::ticketFormat() const
{
    return ui_->formatMatrix->format();
}

void WheelPage::showKey(int key)
{
    ui_->keyField->setText(QString::number(key));
}
