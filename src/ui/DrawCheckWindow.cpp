// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DrawCheckWindow.h"

#include "ui_DrawCheckWindow.h"

#include <algorithm>

namespace {
QString sentence(QString text)
{
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    if (!text.endsWith(QLatin1Char('.')))
        text += QLatin1Char('.');
    return text;
}

QString sortedText(QList<int> numbers)
{
    std::sort(numbers.begin(), numbers.end());
    QStringList parts;
    for (const int n : numbers)
        parts << QString::number(n);
    return parts.join(QLatin1Char(' '));
}
} // namespace

DrawCheckWindow::DrawCheckWindow() : ui_(std::make_unique<Ui::DrawCheckWindow>())
{
    ui_->setupUi(this);
    setMinimumWidth(440);
    connect(ui_->drawCheckButton, &QAbstractButton::clicked, this, &DrawCheckWindow::check);
    connect(ui_->drawCloseButton, &QAbstractButton::clicked, this, &QWidget::close);
    connect(ui_->drawnField, &QLineEdit::returnPressed, this, &DrawCheckWindow::check);
    connect(ui_->bonusField, &QLineEdit::returnPressed, this, &DrawCheckWindow::check);
}

DrawCheckWindow::~DrawCheckWindow() = default;

void DrawCheckWindow::showEvent(QShowEvent *event)
{
    AuxWindow::showEvent(event);
    ui_->drawnField->setFocus();
    ui_->drawnField->selectAll();
}

void DrawCheckWindow::setTickets(const QString &lotteryTitle, const std::optional<LotteryFacts> &facts,
                                 const QList<TicketNumbers> &tickets)
{
    facts_ = facts;
    tickets_ = tickets;
    const bool ticketsCarryBonus =
        std::any_of(tickets.begin(), tickets.end(), [](const TicketNumbers &t) { return !t.bonus.isEmpty(); });
    rules_ = facts ? drawRulesFor(*facts) : drawRulesWithoutFacts(ticketsCarryBonus);

    ui_->drawLotteryLabel->setText(QStringLiteral("%1 - %2").arg(
        lotteryTitle,
        tickets.size() == 1 ? QStringLiteral("1 ticket") : QStringLiteral("%1 tickets").arg(tickets.size())));
    QString hint = rules_.mainCount > 0
                       ? QStringLiteral("Type the %1 numbers drawn (1 to %2), separated by spaces or commas.")
                             .arg(rules_.mainCount)
                             .arg(rules_.pool)
                       : QStringLiteral("Type the numbers drawn, separated by spaces or commas.");
    const bool bonus = rules_.bonusCount != 0;
    if (bonus && !rules_.bonusFromMainPool)
        hint += QStringLiteral(" The bonus numbers come from their own pool (1 to %1).").arg(rules_.bonusPool);
    else if (bonus)
        hint += QStringLiteral(" The bonus or supplementary numbers are drawn from the same numbers.");
    if (bonus)
        hint += QStringLiteral(" They may be left out.");
    ui_->drawHint->setText(hint);
    ui_->bonusLabel->setVisible(bonus);
    ui_->bonusField->setVisible(bonus);
    if (!bonus)
        ui_->bonusField->clear();
    ui_->bonusLabel->setText(rules_.bonusCount == 1 ? QStringLiteral("&Bonus number:")
                                                    : QStringLiteral("&Bonus numbers:"));
    forgetResult();
}

void DrawCheckWindow::check()
{
    const DrawnNumbers main = parseDrawnNumbers(ui_->drawnField->text());
    if (!main.error.isEmpty())
        return refuse(QStringLiteral("Drawn numbers: ") + main.error);
    const DrawnNumbers bonus = parseDrawnNumbers(ui_->bonusField->text());
    if (!bonus.error.isEmpty())
        return refuse(QStringLiteral("Bonus numbers: ") + bonus.error);
    const Draw draw{main.numbers, bonus.numbers};
    const QString fault = validateDraw(draw, rules_);
    if (!fault.isEmpty())
        return refuse(fault);

    const std::optional<PrizeTier> lowest = facts_ ? facts_->lowestPrize : std::nullopt;
    result_ = checkDraw(tickets_, draw, rules_, lowest);
    showProblem(QString());
    QString drawn = QStringLiteral("Draw: ") + sortedText(draw.main);
    if (!draw.bonus.isEmpty())
        drawn += QStringLiteral(", bonus ") + sortedText(draw.bonus);
    ui_->drawSummary->setText(drawn + QLatin1Char('\n') + sentence(matchSummary(result_->ticketsPerMatches)));
    QString prize = prizeSummary(*result_);
    if (!prize.isEmpty())
        prize = sentence(prize);
    else if (lowest && draw.bonus.isEmpty())
        prize = QStringLiteral("Type the bonus numbers too to see which tickets reach the lowest prize.");
    else if (lowest)
        prize = QStringLiteral("The tickets carry no bonus numbers, so the lowest prize cannot be judged.");
    ui_->drawPrize->setText(prize);
    emit checked(result_->tickets, rules_.bonusFromMainPool);
}

void DrawCheckWindow::refuse(const QString &why)
{
    forgetResult();
    showProblem(sentence(why));
}

void DrawCheckWindow::showProblem(const QString &problem)
{
    ui_->drawMessage->setText(problem);
    // Read out with the field the player goes back to, and gone with the problem.
    ui_->drawnField->setAccessibleDescription(problem);
}

void DrawCheckWindow::forgetResult()
{
    const bool had = result_.has_value();
    result_.reset();
    showProblem(QString());
    ui_->drawSummary->clear();
    ui_->drawPrize->clear();
    if (had)
        emit cleared();
}
