// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DrawCheckWindow.h"

#include "core/CountedText.h"
#include "ui_DrawCheckWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

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

// A field for a few numbers, like the drawn numbers' own.
QLineEdit *numberField(const QLineEdit *model, const QString &name, const QString &accessibleName)
{
    auto *field = new QLineEdit;
    field->setObjectName(name);
    field->setAccessibleName(accessibleName);
    field->setFont(model->font());
    return field;
}

QLabel *resultLabel(const QLabel *model, const QString &name, const QString &description)
{
    auto *label = new QLabel;
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setTextInteractionFlags(model->textInteractionFlags());
    label->setFont(model->font());
    label->setAccessibleDescription(description);
    return label;
}
} // namespace

DrawCheckWindow::DrawCheckWindow() : ui_(std::make_unique<Ui::DrawCheckWindow>())
{
    ui_->setupUi(this);
    setMinimumWidth(440);

    supplementaryField_ =
        numberField(ui_->bonusField, QStringLiteral("supplementaryField"), tr("Supplementary numbers"));
    supplementaryField_->setPlaceholderText(ui_->bonusField->placeholderText());
    supplementaryLabel_ = new QLabel(tr("&Supplementary numbers:"));
    supplementaryLabel_->setBuddy(supplementaryField_);
    ui_->drawForm->addRow(supplementaryLabel_, supplementaryField_);
    digitField_ = numberField(ui_->bonusField, QStringLiteral("digitField"), tr("Your digit"));
    digitField_->setMaxLength(1);
    digitField_->setPlaceholderText(tr("0 to 9, the digit on your ticket"));
    digitLabel_ = new QLabel(tr("&Your digit:"));
    digitLabel_->setBuddy(digitField_);
    ui_->drawForm->addRow(digitLabel_, digitField_);

    // The tiers follow the lowest prize line: each winning ticket, then the count per tier and
    // the fixed prizes won.
    tiers_ = resultLabel(ui_->drawSummary, QStringLiteral("drawTiers"), tr("Prize tiers won"));
    tierList_ = new QListWidget;
    tierList_->setObjectName(QStringLiteral("drawTierList"));
    tierList_->setAccessibleName(tr("Prize of each ticket"));
    tierList_->setSelectionMode(QAbstractItemView::SingleSelection);
    tierList_->setWordWrap(true);
    tierList_->setResizeMode(QListView::Adjust);
    tierList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int rowHeight = tierList_->fontMetrics().height() + 4;
    tierList_->setMinimumHeight(rowHeight * 4);
    tierList_->setMaximumHeight(rowHeight * 8);
    const int at = ui_->layout->indexOf(ui_->drawPrize) + 1;
    ui_->layout->insertWidget(at, tierList_);
    ui_->layout->insertWidget(at, tiers_);
    tierList_->hide();

    setTabOrder(ui_->bonusField, supplementaryField_);
    setTabOrder(supplementaryField_, digitField_);
    setTabOrder(digitField_, tierList_);
    setTabOrder(tierList_, ui_->drawCheckButton);
    connect(supplementaryField_, &QLineEdit::returnPressed, this, &DrawCheckWindow::check);
    connect(digitField_, &QLineEdit::returnPressed, this, &DrawCheckWindow::check);
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
        lotteryTitle, countedText("DrawCheckWindow", "1 ticket", QT_TRANSLATE_N_NOOP("DrawCheckWindow", "%n tickets"),
                                  tickets.size())));
    QString hint = rules_.mainCount > 0 ? tr("Type the %1 numbers drawn (1 to %2), separated by spaces or commas.")
                                              .arg(rules_.mainCount)
                                              .arg(rules_.pool)
                                        : tr("Type the numbers drawn, separated by spaces or commas.");
    const bool bonus = rules_.bonusCount != 0;
    const bool supplementary = rules_.supplementaryCount > 0;
    if (bonus && rules_.bonusIsDigit)
        hint += tr(" The bonus number is the digit drawn (0 to %1); your tickets' own digit goes "
                   "beside it.")
                    .arg(rules_.bonusPool - 1);
    else if (bonus && !rules_.bonusFromMainPool)
        hint += tr(" The bonus numbers come from their own pool (1 to %1).").arg(rules_.bonusPool);
    else if (bonus)
        hint += tr(" The bonus or supplementary numbers are drawn from the same numbers.");
    if (supplementary)
        hint += tr(" The supplementary numbers are drawn from the same numbers as the main ones.");
    if (bonus)
        hint += tr(" They may be left out.");
    ui_->drawHint->setText(hint);
    ui_->bonusLabel->setVisible(bonus);
    ui_->bonusField->setVisible(bonus);
    if (!bonus)
        ui_->bonusField->clear();
    ui_->bonusLabel->setText(rules_.bonusIsDigit      ? tr("&Bonus (digit drawn):")
                             : rules_.bonusCount == 1 ? tr("&Bonus number:")
                                                      : tr("&Bonus numbers:"));
    supplementaryLabel_->setVisible(supplementary);
    supplementaryField_->setVisible(supplementary);
    if (!supplementary)
        supplementaryField_->clear();
    // Beside a separate bonus pool, the one number more from the main pool is the bonus ball.
    supplementaryLabel_->setText(rules_.supplementaryCount == 1 ? tr("&Supplementary (bonus ball):")
                                                                : tr("&Supplementary numbers:"));
    digitLabel_->setVisible(rules_.bonusIsDigit);
    digitField_->setVisible(rules_.bonusIsDigit);
    if (!rules_.bonusIsDigit)
        digitField_->clear();
    forgetResult();
    growToFit();
}

void DrawCheckWindow::checkKnownDraw(const Draw &draw)
{
    const auto spaced = [](const QList<int> &numbers) {
        QStringList texts;
        for (int n : numbers)
            texts << QString::number(n);
        return texts.join(QStringLiteral("  "));
    };
    ui_->drawnField->setText(spaced(draw.main));
    ui_->bonusField->setText(spaced(draw.bonus));
    supplementaryField_->setText(spaced(draw.supplementary));
    if (draw.ticketDigit)
        digitField_->setText(QString::number(*draw.ticketDigit));
    check();
}

void DrawCheckWindow::check()
{
    const DrawnNumbers main = parseDrawnNumbers(ui_->drawnField->text());
    if (!main.error.isEmpty())
        return refuse(tr("Drawn numbers: %1").arg(main.error));
    const DrawnNumbers bonus = parseDrawnNumbers(ui_->bonusField->text());
    if (!bonus.error.isEmpty())
        return refuse(tr("Bonus numbers: %1").arg(bonus.error));
    const DrawnNumbers supplementary = parseDrawnNumbers(supplementaryField_->text());
    if (!supplementary.error.isEmpty())
        return refuse(tr("Supplementary numbers: %1").arg(supplementary.error));
    std::optional<int> digit;
    if (const QString typed = digitField_->text().trimmed(); !typed.isEmpty()) {
        if (typed.size() != 1 || typed[0] < QLatin1Char('0') || typed[0] > QLatin1Char('9'))
            return refuse(tr("Your digit: type one digit, 0 to 9"));
        digit = typed[0].unicode() - u'0';
    }
    const Draw draw{main.numbers, bonus.numbers, supplementary.numbers, digit};
    const QString fault = validateDraw(draw, rules_);
    if (!fault.isEmpty())
        return refuse(fault);

    const std::optional<PrizeTier> lowest = facts_ ? facts_->lowestPrize : std::nullopt;
    result_ = checkDraw(tickets_, draw, rules_, lowest, facts_ ? facts_->tiers : QList<TierRule>());
    showProblem(QString());
    QString drawn = tr("Draw: %1").arg(sortedText(draw.main));
    if (!draw.bonus.isEmpty())
        drawn += tr(", bonus %1").arg(sortedText(draw.bonus));
    if (!draw.supplementary.isEmpty())
        drawn += tr(", supplementary %1").arg(sortedText(draw.supplementary));
    if (draw.ticketDigit)
        drawn += tr(", your digit %1").arg(*draw.ticketDigit);
    ui_->drawSummary->setText(drawn + QLatin1Char('\n') + sentence(matchSummary(result_->ticketsPerMatches)));
    QString prize = prizeSummary(*result_);
    if (!prize.isEmpty())
        prize = sentence(prize);
    else if (lowest && draw.bonus.isEmpty())
        prize = tr("Type the bonus numbers too to see which tickets reach the lowest prize.");
    else if (lowest)
        prize = tr("The tickets carry no bonus numbers, so the lowest prize cannot be judged.");
    ui_->drawPrize->setText(prize);
    showTiers();
    growToFit();
    emit checked(result_->tickets, rules_.bonusFromMainPool);
}

void DrawCheckWindow::showTiers()
{
    tierList_->clear();
    if (result_->tiers.isEmpty()) {
        tiers_->setText(tr("The prize tiers of this lottery are not known here."));
        tierList_->hide();
        return;
    }
    tiers_->setText(sentence(tierSummary(*result_)) + QLatin1Char('\n') + sentence(fixedTotalText(*result_)));
    // Best tier first, the tickets' own order within a tier; a ticket not judged by the best
    // tier it may win.
    QList<qsizetype> order;
    for (qsizetype i = 0; i < result_->tickets.size(); ++i)
        if (result_->tickets[i].possibleTier >= 0)
            order << i;
    std::stable_sort(order.begin(), order.end(), [this](qsizetype a, qsizetype b) {
        return result_->tickets[a].possibleTier < result_->tickets[b].possibleTier;
    });
    for (const qsizetype i : order)
        tierList_->addItem(tr("Ticket %1: %2").arg(i + 1).arg(ticketTierText(*result_, result_->tickets[i])));
    tierList_->setVisible(!order.isEmpty());
}

void DrawCheckWindow::growToFit()
{
    // Word-wrapped lines need more height at this width than the window was opened with.
    layout()->activate();
    const int needed =
        layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(width()) : layout()->totalSizeHint().height();
    if (needed > height())
        resize(width(), needed);
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
    tiers_->clear();
    tierList_->clear();
    tierList_->hide();
    if (had)
        emit cleared();
}
