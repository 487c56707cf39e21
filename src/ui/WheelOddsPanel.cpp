// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/WheelOddsPanel.h"

#include "core/CountedText.h"
#include "core/PrizeTiers.h"
#include "core/WheelValue.h"
#include "ui/BackgroundPool.h"

#include <QCoreApplication>
#include <QFutureWatcher>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <cmath>
#include <initializer_list>

// The chance, over all draws, that the best ticket matches at least b, as bars on a scale of
// powers of ten: a chance of one in a million still shows.
class OddsChart : public QWidget {
public:
    explicit OddsChart(QWidget *parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("oddsChart"));
        setAccessibleName(
            QCoreApplication::translate("WheelOddsPanel", "Chance per draw of at least each match count"));
        setMinimumWidth(300);
    }
    void showBars(QList<std::pair<int, double>> bars)
    {
        bars_ = std::move(bars);
        setMinimumHeight(kTop + kRow * static_cast<int>(bars_.size()) + 4);
        // The longest figure keeps its room whatever the language's words for "1 in".
        setMinimumWidth(std::max(300, kLabelWidth + kLeastBar + 6 + longestText() + 4));
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        if (bars_.isEmpty())
            return;
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(QRect(0, 0, width(), kTop - 4), Qt::AlignLeft | Qt::AlignVCenter,
                   QCoreApplication::translate("WheelOddsPanel", "Per draw, your best ticket matches at least:"));
        double smallest = 1;
        for (const auto &[b, chance] : bars_)
            if (chance > 0)
                smallest = std::min(smallest, chance);
        const double decades = std::max(1.0, std::ceil(-std::log10(smallest)));
        const int labelWidth = kLabelWidth;
        const int textWidth = longestText();
        const int barSpace = std::max(kLeastBar, width() - labelWidth - textWidth - 10);
        int y = kTop;
        for (const auto &[b, chance] : bars_) {
            p.setPen(palette().color(QPalette::WindowText));
            p.drawText(QRect(0, y, labelWidth - 4, kRow - 4), Qt::AlignRight | Qt::AlignVCenter, QString::number(b));
            const double share = chance <= 0 ? 0 : std::clamp(1 + std::log10(chance) / decades, 0.02, 1.0);
            const QRectF bar(labelWidth, y + 2, barSpace * share, kRow - 8);
            p.setPen(Qt::NoPen);
            p.setBrush(chance >= 1 ? QColor(0x2e, 0x8b, 0x57) : QColor(0x2f, 0x5f, 0xb3));
            p.drawRoundedRect(bar, 3, 3);
            p.setPen(palette().color(QPalette::WindowText));
            p.drawText(QRect(labelWidth + static_cast<int>(bar.width()) + 6, y, textWidth + 4, kRow - 4),
                       Qt::AlignLeft | Qt::AlignVCenter, figureText(chance));
            y += kRow;
        }
    }

private:
    static QString figureText(double chance)
    {
        const QString odds = oneInText(chance, QLocale());
        return percentText(chance, QLocale()) + (odds.isEmpty() ? QString() : QStringLiteral("  (") + odds + u')');
    }
    int longestText() const
    {
        int widest = 0;
        for (const auto &bar : bars_)
            widest = std::max(widest, fontMetrics().horizontalAdvance(figureText(bar.second)));
        return widest;
    }

    static constexpr int kTop = 22;
    static constexpr int kRow = 22;
    static constexpr int kLabelWidth = 28;
    static constexpr int kLeastBar = 40;
    QList<std::pair<int, double>> bars_;
};

namespace {
QString prizeText(const PrizeTier &tier)
{
    QString text = countedText("WheelOddsPanel", "1 main number",
                               QT_TRANSLATE_N_NOOP("WheelOddsPanel", "%n main numbers"), tier.main);
    if (tier.bonus > 0)
        //: Added to "3 main numbers": the bonus numbers the prize tier also needs.
        text += QCoreApplication::translate("WheelOddsPanel", " + %n bonus", nullptr, tier.bonus);
    return text;
}

QLabel *note(QWidget *parent, const char *name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    return label;
}
} // namespace

WheelOddsPanel::WheelOddsPanel(QWidget *parent)
    : QGroupBox(tr("Exact odds of this wheel, counted over every possible draw"), parent),
      status_(note(this, "oddsStatus")), keyNote_(note(this, "oddsKeyNote")), table_(new QTableWidget(this)),
      chart_(new OddsChart(this)), prize_(note(this, "oddsPrize")), expected_(note(this, "oddsExpected")),
      guaranteeNote_(note(this, "oddsGuarantee")), tiersTitle_(note(this, "tiersTitle")),
      tiersStatus_(note(this, "tiersStatus")), tiersTable_(new QTableWidget(this)),
      tiersSummary_(note(this, "tiersSummary"))
{
    setObjectName(QStringLiteral("oddsGroup"));
    table_->setObjectName(QStringLiteral("oddsTable"));
    table_->setAccessibleName(tr("Odds table"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(22);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    status_->setStyleSheet(QStringLiteral("color: #555;"));
    keyNote_->setStyleSheet(QStringLiteral("color: #555;"));
    guaranteeNote_->setStyleSheet(QStringLiteral("color: #1e6b3a;"));

    // The table on the left with the guarantee under it; the chart and the figures per draw on
    // the right, so the whole fits under the wheel lists without scrolling at the usual size.
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto *left = new QVBoxLayout;
    left->setSpacing(4);
    left->addWidget(status_);
    left->addWidget(table_);
    left->addStretch();
    auto *right = new QVBoxLayout;
    right->setSpacing(6);
    right->addWidget(keyNote_);
    right->addWidget(chart_);
    right->addWidget(prize_);
    right->addWidget(expected_);
    right->addStretch();
    auto *row = new QHBoxLayout;
    row_ = row;
    row->setSpacing(14);
    row->addLayout(left, 0);
    row->addLayout(right, 1);
    // The prize tiers under the table and the chart: a tier's name and prize, the chance that at
    // least one ticket wins it and the tickets expected in it, then what they add up to.
    tiersTitle_->setText(tr("<b>Prize tiers:</b> the chance per draw that at least one of your tickets "
                            "wins each (a ticket counts in its best tier only)"));
    tiersTitle_->setAccessibleName(tr("Prize tiers"));
    tiersStatus_->setStyleSheet(QStringLiteral("color: #555;"));
    tiersStatus_->setAccessibleName(tr("Prize tiers status"));
    tiersTable_->setObjectName(QStringLiteral("tiersTable"));
    tiersTable_->setAccessibleName(tr("Prize tier odds"));
    tiersTable_->setAccessibleDescription(
        tr("Each row: a prize tier, its prize, the chance that at least one ticket wins it, and the "
           "tickets expected in it per draw"));
    tiersTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tiersTable_->setSelectionMode(QAbstractItemView::NoSelection);
    tiersTable_->verticalHeader()->hide();
    tiersTable_->verticalHeader()->setDefaultSectionSize(22);
    tiersTable_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tiersTable_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tiersTable_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    tiersSummary_->setAccessibleName(tr("Any prize and the fixed return"));
    tiersSummary_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    auto *tiersRow = new QHBoxLayout;
    tiersRow->setSpacing(14);
    tiersRow->addWidget(tiersTable_, 0, Qt::AlignTop);
    tiersRow->addWidget(tiersSummary_, 1, Qt::AlignTop);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(10, 6, 10, 6);
    column->setSpacing(4);
    column->addLayout(row);
    column->addWidget(guaranteeNote_);
    column->addSpacing(6);
    column->addWidget(tiersTitle_);
    column->addWidget(tiersStatus_);
    column->addLayout(tiersRow);
    column->addStretch(1); // room to spare goes under everything, not between the parts
    showNothing(QString());
}

WheelOddsPanel::~WheelOddsPanel()
{
    // A count still running holds only copies and its own flag; it is told to stop and waited
    // for, so nothing outlives the page.
    dropRunning();
    for (QFuture<Result> &f : running_)
        f.waitForFinished();
    for (QFuture<TierResult> &f : runningTiers_)
        f.waitForFinished();
}

void WheelOddsPanel::dropRunning()
{
    ++generation_;
    if (cancel_)
        *cancel_ = true;
    cancel_.reset();
    shown_.reset();
    shownTiers_.reset();
}

void WheelOddsPanel::showNothing(const QString &why)
{
    dropRunning();
    setTitle(tr("Exact odds of this wheel, counted over every possible draw"));
    status_->setText(why);
    status_->setVisible(!why.isEmpty());
    for (QWidget *w : std::initializer_list<QWidget *>{keyNote_, table_, chart_, prize_, expected_, guaranteeNote_,
                                                       tiersTitle_, tiersStatus_, tiersTable_, tiersSummary_})
        w->hide();
}

void WheelOddsPanel::showTierNote(const QString &text)
{
    tiersTitle_->show();
    tiersStatus_->setText(text);
    tiersStatus_->show();
    tiersTable_->hide();
    tiersSummary_->hide();
}

void WheelOddsPanel::showOdds(const Request &request)
{
    //: %1 is a wheel's guarantee, such as "3 if 4", kept as it is.
    showNothing(tr("Counting the odds of “%1”…").arg(request.label));
    const quint64 generation = generation_;
    cancel_ = std::make_shared<std::atomic<bool>>(false);
    const std::shared_ptr<std::atomic<bool>> cancel = cancel_;
    odds::Options options;
    options.lowestPrizeMain = request.lowestPrizeMain();
    QFuture<Result> future =
        QtConcurrent::run(backgroundPool(), [lottery = request.lottery, wheel = request.wheel, options, cancel] {
            Result result;
            odds::Options withFlag = options;
            withFlag.cancel = cancel.get();
            std::string error;
            result.status = odds::compute(lottery, wheel, withFlag, result.table, error);
            result.error = QString::fromStdString(error);
            return result;
        });
    running_ << future;
    auto *watcher = new QFutureWatcher<Result>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, generation, request] {
        watcher->deleteLater();
        const Result result = watcher->result();
        running_.removeIf([&](const QFuture<Result> &f) { return f.isFinished(); });
        if (result.status == odds::Status::Cancelled)
            ++cancelled_;
        // A count for a wheel no longer chosen is never shown.
        if (generation != generation_)
            return;
        // The flag stays: the tiers of this wheel may still be counting under it.
        if (result.status != odds::Status::Done) {
            showNothing(tr("The odds of “%1” cannot be counted: %2.").arg(request.label, result.error));
            return;
        }
        present(request, result.table);
    });
    watcher->setFuture(future);
    countTiers(request);
}

void WheelOddsPanel::countTiers(const Request &request)
{
    if (request.tiers.isEmpty()) {
        showTierNote(tr("The prize tiers of this lottery are not known: only the match counts above "
                        "are counted."));
        emit tiersShown();
        return;
    }
    showTierNote(tr("Counting the chance of every prize tier…"));
    const quint64 generation = generation_;
    const std::shared_ptr<std::atomic<bool>> cancel = cancel_;
    QFuture<TierResult> future =
        QtConcurrent::run(backgroundPool(), [question = request.tierQuestion(), cancel]() mutable {
            TierResult result;
            question.cancel = cancel.get();
            std::string error;
            result.status = odds::computeTiers(question, result.odds, error);
            result.error = QString::fromStdString(error);
            return result;
        });
    runningTiers_ << future;
    auto *watcher = new QFutureWatcher<TierResult>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, generation, request] {
        watcher->deleteLater();
        const TierResult result = watcher->result();
        runningTiers_.removeIf([&](const QFuture<TierResult> &f) { return f.isFinished(); });
        if (generation != generation_)
            return;
        if (result.status != odds::Status::Done) {
            showTierNote(tr("The prize tiers cannot be counted: %1.").arg(result.error));
            emit tiersShown();
            return;
        }
        presentTiers(request, result.odds);
    });
    watcher->setFuture(future);
}

void WheelOddsPanel::presentTiers(const Request &request, const odds::TierOdds &tiers)
{
    shownTiers_ = tiers;
    tiersTable_->clear();
    tiersTable_->setColumnCount(4);
    tiersTable_->setRowCount(static_cast<int>(request.tiers.size()));
    tiersTable_->setHorizontalHeaderLabels(
        {tr("Tier"), tr("Prize"), tr("At least one ticket"), tr("Tickets per draw")});
    tiersTable_->horizontalHeaderItem(2)->setToolTip(
        tr("The chance per draw that at least one of your tickets wins this tier"));
    tiersTable_->horizontalHeaderItem(3)->setToolTip(tr("How many of your tickets win this tier per draw, on average"));
    for (int r = 0; r < tiersTable_->rowCount(); ++r) {
        const TierRule &t = request.tiers[r];
        const double chance = tiers.anyTicket[static_cast<std::size_t>(r)];
        const QString odds = oneInText(chance, QLocale());
        const QStringList cells{t.name, t.prize == TierRule::Prize::Unknown ? tr("not known") : prizeText(t),
                                odds.isEmpty() ? percentText(chance, QLocale())
                                               : percentText(chance, QLocale()) + QStringLiteral("  (") + odds + u')',
                                figureLocale().toString(tiers.expectedTickets[static_cast<std::size_t>(r)], 'g', 3)};
        for (int c = 0; c < cells.size(); ++c) {
            auto *item = new QTableWidgetItem(cells[c]);
            item->setTextAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
            tiersTable_->setItem(r, c, item);
        }
    }
    tiersTable_->resizeColumnsToContents();
    int width = 2 * tiersTable_->frameWidth() + 2;
    for (int c = 0; c < tiersTable_->columnCount(); ++c) {
        tiersTable_->setColumnWidth(c, tiersTable_->columnWidth(c) + 10);
        width += tiersTable_->columnWidth(c);
    }
    tiersTable_->setFixedSize(width, tiersTable_->horizontalHeader()->sizeHint().height() +
                                         22 * tiersTable_->rowCount() + 2 * tiersTable_->frameWidth() + 2);

    QStringList summary;
    const QString anyOdds = oneInText(tiers.anyPrize, QLocale());
    summary << tr("<b>Any prize:</b> at least one ticket wins a tier in %1 of draws%2.")
                   .arg(percentText(tiers.anyPrize, QLocale()),
                        anyOdds.isEmpty() ? QString() : QStringLiteral(", ") + anyOdds);
    const int tickets = static_cast<int>(request.wheel.lines.size());
    if (const auto fixed = expectedFixedReturn(request.tiers, tiers)) {
        QString text =
            tr("<b>Fixed prizes:</b> they return %1 per draw on average")
                .arg(amountText(std::llround(fixed->amount * 100), fixed->currency, QLocale()).toHtmlEscaped());
        if (request.price)
            text += tr(", against a cost of %1")
                        .arg(costLine(tickets, *request.price, request.currency, QLocale()).toHtmlEscaped());
        summary << text + tr(". Tiers with shared prizes are not in this return.");
    } else {
        summary << tr("No tier pays a fixed amount, so no return per draw is counted; shared prizes "
                      "depend on the pool and the winners.");
    }
    if (request.lottery.bonusPool > 0 && request.bonus.isEmpty())
        summary << tr("Counted without bonus numbers: a tier that needs one is won by no ticket here.");
    else if (request.lottery.bonusPool > 0)
        summary << tr("Counted with the bonus numbers dealt over the tickets as they are played.");
    tiersSummary_->setText(summary.join(QStringLiteral("<br><br>")));
    tiersTitle_->show();
    tiersStatus_->hide();
    tiersTable_->show();
    tiersSummary_->show();
    emit tiersShown();
}

void WheelOddsPanel::present(const Request &request, const odds::Table &table)
{
    shown_ = table;
    const auto rows = request.keyWheel ? givenKeyRows(table) : table.have;
    const int x = request.guarantee ? request.guarantee->match : 0;
    const int y = request.guarantee ? request.guarantee->have : 0;

    // Columns b = 1..D; a match count certain in every draw says nothing but the last of them.
    QList<int> columns;
    for (int b = 1; b <= table.drawn; ++b) {
        const auto all = [&](int c) { return table.atLeast[static_cast<std::size_t>(c)]; };
        const bool certain = all(b) >= 1 && b < table.drawn && all(b + 1) >= 1;
        if (b == x || (!certain && all(b) > 0))
            columns << b;
    }
    QList<const odds::HaveRow *> shownRows;
    for (const odds::HaveRow &row : rows)
        if (row.probability > 0 || row.j == y)
            shownRows << &row;

    table_->clear();
    table_->setColumnCount(static_cast<int>(columns.size()) + 2);
    table_->setRowCount(static_cast<int>(shownRows.size()) + 1);
    QStringList headers{tr("Yours drawn"), tr("Chance")};
    for (int b : columns)
        headers << QStringLiteral("≥ %1").arg(b);
    table_->setHorizontalHeaderLabels(headers);
    table_->setToolTip(tr("Each row: how many of the drawn numbers are among yours, how likely that is, "
                          "and for each column b the chance that your best ticket then matches at least "
                          "b of them."));
    const auto cell = [this](int r, int c, const QString &text) {
        auto *item = new QTableWidgetItem(text);
        item->setTextAlignment(Qt::AlignCenter);
        table_->setItem(r, c, item);
        return item;
    };
    const QColor certainTint(0xe8, 0xf6, 0xea);
    const QColor guaranteeTint(0x9c, 0xdc, 0xa8);
    for (int r = 0; r < shownRows.size(); ++r) {
        const odds::HaveRow &row = *shownRows[r];
        cell(r, 0, QString::number(row.j));
        cell(r, 1, percentText(row.probability, QLocale()));
        for (int c = 0; c < columns.size(); ++c) {
            const double q = row.atLeast[static_cast<std::size_t>(columns[c])];
            QTableWidgetItem *item = cell(r, c + 2, percentText(q, QLocale()));
            if (q >= 1)
                item->setBackground(certainTint);
            if (row.j == y && columns[c] == x) {
                item->setBackground(guaranteeTint);
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
                item->setToolTip(
                    //: %1 is a wheel's guarantee, such as "3 if 4", kept as it is.
                    tr("The guarantee “%1”").arg(request.label));
                item->setData(Qt::AccessibleDescriptionRole, tr("the guarantee"));
            }
        }
    }
    const int anyRow = static_cast<int>(shownRows.size());
    QFont bold = table_->font();
    bold.setBold(true);
    cell(anyRow, 0, tr("Any draw"))->setFont(bold);
    cell(anyRow, 1, QStringLiteral("100%"))->setFont(bold);
    QList<std::pair<int, double>> bars;
    for (int c = 0; c < columns.size(); ++c) {
        const double q = table.atLeast[static_cast<std::size_t>(columns[c])];
        cell(anyRow, c + 2, percentText(q, QLocale()))->setFont(bold);
        bars << std::pair{columns[c], q};
    }
    // The table shows whole: every row and column, never a scroll bar of its own.
    table_->resizeColumnsToContents();
    int width = 2 * table_->frameWidth() + 2;
    for (int c = 0; c < table_->columnCount(); ++c) {
        table_->setColumnWidth(c, table_->columnWidth(c) + 6);
        width += table_->columnWidth(c);
    }
    table_->setFixedSize(width, table_->horizontalHeader()->sizeHint().height() + 22 * table_->rowCount() +
                                    2 * table_->frameWidth() + 2);
    // A wide table (many match counts, as for fifteen numbers a ticket) leaves no room beside
    // it: the chart and the figures then go under it.
    row_->setDirection(width > 560 ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight);
    chart_->showBars(bars);

    //: %1 is the wheel's guarantee, such as "3 if 4" (kept as it is); %3 is "12 tickets"; %4 of %5 are
    //: the numbers drawn and the pool.
    setTitle(tr("Exact odds of “%1” on %2 numbers: %3, %4 of %5 drawn")
                 .arg(request.label)
                 .arg(table.numbers)
                 .arg(countedText("WheelOddsPanel", "1 ticket", QT_TRANSLATE_N_NOOP("WheelOddsPanel", "%n tickets"),
                                  table.tickets))
                 .arg(table.drawn)
                 .arg(table.pool));
    table_->horizontalHeaderItem(0)->setToolTip(tr("How many of the drawn numbers are among yours"));
    keyNote_->setText(tr("Key wheel: the rows count the draws that hold your key number (%1 of all "
                         "draws); the last row counts every draw.")
                          .arg(percentText(double(table.drawn) / table.pool, QLocale())));
    if (x > 0 && y > 0)
        guaranteeNote_->setText(
            //: %1 is a guarantee such as "3 if 4": 3 matches if 4 of the drawn numbers are among those
            //: played. %3 is empty or ", the key one of them".
            tr("Highlighted: the guarantee “%1”. When %2 of the drawn numbers are "
               "among yours%3, your best ticket matches at least %4 of them: %5.")
                .arg(request.label)
                .arg(y)
                .arg(request.keyWheel ? tr(", the key one of them") : QString())
                .arg(x)
                .arg(percentText(rows.size() > std::size_t(y) ? rows[std::size_t(y)].atLeast[std::size_t(x)] : 0,
                                 QLocale())));
    const auto &lowest = request.lowestPrize;
    if (!lowest)
        prize_->setText(tr("The lowest prize of this lottery is not known here."));
    else if (lowest->main == 0)
        prize_->setText(tr("The lowest prize is won by the bonus number alone; these odds count the main "
                           "numbers only."));
    else if (lowest->main > table.drawn || table.prize < 0)
        prize_->setText(tr("The chance of the lowest prize (%1) is not counted here.").arg(prizeText(*lowest)));
    else {
        const QString odds = oneInText(table.prize, QLocale());
        prize_->setText(tr("<b>At least one prize:</b> some ticket wins the lowest prize (%1)%2 in %3 of "
                           "draws%4.")
                            .arg(prizeText(*lowest))
                            .arg(lowest->bonus > 0 ? tr(", main numbers only counted,") : QString())
                            .arg(percentText(table.prize, QLocale()))
                            .arg(odds.isEmpty() ? QString() : QStringLiteral(", ") + odds));
    }
    QStringList expected;
    for (int b = 1; b < static_cast<int>(table.expected.size()); ++b)
        if (table.expected[static_cast<std::size_t>(b)] > 0)
            expected << QStringLiteral("%1: %2").arg(b).arg(
                figureLocale().toString(table.expected[static_cast<std::size_t>(b)], 'g', 3));
    //: %1 lists "match count: tickets", such as "3: 0.0188;  4: 0.000969".
    expected_->setText(
        tr("Tickets per draw, on average, matching exactly  %1").arg(expected.join(QStringLiteral(";  "))));

    status_->hide();
    for (QWidget *w : std::initializer_list<QWidget *>{table_, chart_, prize_, expected_})
        w->show();
    keyNote_->setVisible(request.keyWheel);
    guaranteeNote_->setVisible(x > 0 && y > 0);
    emit oddsShown();
}
