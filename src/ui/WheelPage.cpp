// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "WheelPage.h"

#include "WheelOffer.h"
#include "ui_WheelPage.h"

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
}

WheelPage::~WheelPage() = default;

WheelType WheelPage::wheelType() const
{
    return ui_->wheelTypeTabs->currentIndex() == kKeyTab ? WheelType::Key : WheelType::TypeA;
}

QComboBox *WheelPage::listOf(WheelType type) const
{
    return type == WheelType::Key ? ui_->wheelBox1 : ui_->wheelBox0;
}

QWidget *WheelPage::noticeOf(WheelType type) const
{
    return type == WheelType::Key ? ui_->noWheel1 : ui_->noWheel0;
}

void WheelPage::showWheels(WheelType type, const QStringList &entries, const QString &choose)
{
    QComboBox *list = listOf(type);
    // An empty list is emptied too, so no wheel of an earlier count can be taken from it.
    list->clear();
    list->addItems(entries);
    list->setCurrentIndex(entries.isEmpty() ? -1 : std::max<int>(0, static_cast<int>(entries.indexOf(choose))));
    list->setVisible(!entries.isEmpty());
    noticeOf(type)->setVisible(entries.isEmpty());
}

std::optional<WheelPage::Choice> WheelPage::chosenWheel() const
{
    // A list holding no "Tickets:" offers no wheel.
    const QString entry = listOf(wheelType())->currentText();
    const auto guarantee = guaranteeOfEntry(entry);
    if (!guarantee)
        return std::nullopt;
    return Choice{*guarantee, ticketCountOfEntry(entry).value_or(-1), isOwnEntry(entry)};
}

int WheelPage::ticketFormat() const
{
    return ui_->formatMatrix->format();
}

void WheelPage::showKey(int key)
{
    ui_->keyField->setText(QString::number(key));
}
