// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/WheelCompareWindow.h"

#include "core/Database.h"
#include "core/TextSafety.h"
#include "core/WheelShelf.h"
#include "core/WheelValue.h"
#include "ui/BackgroundPool.h"
#include "ui/CostChanceChart.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>

namespace {

constexpr int kSortRole = Qt::UserRole;
constexpr int kIndexRole = Qt::UserRole + 1;
constexpr int kHighestCount = 20;

enum FixedColumn { WheelColumn, TypeColumn, TicketsColumn, CostColumn, AnyColumn, FirstChanceColumn };

QString keyOf(const WheelOffer &o, bool everyCombination)
{
    return QStringLiteral("%1|%2|%3|%4|%5|%6")
        .arg(o.numbers)
        .arg(letterOf(o.type))
        .arg(o.label)
        .arg(o.isOwn() ? 1 : 0)
        .arg(o.tickets)
        .arg(everyCombination ? 1 : 0);
}

QString chanceCell(double p)
{
    if (p < 0)
        return QCoreApplication::translate("WheelCompareWindow", "not known");
    return percentText(p, QLocale());
}

QString chanceTip(double p)
{
    const QString odds = oneInText(p, QLocale());
    return odds.isEmpty() ? QString() : QCoreApplication::translate("WheelCompareWindow", "%1 per draw").arg(odds);
}

QString money(double amount)
{
    return QLocale().toString(amount, 'f', 2);
}

} // namespace

WheelCompareWindow::WheelCompareWindow(QWidget *parent)
    : QWidget(parent, Qt::Window), heading_(new QLabel(this)), budget_(new QDoubleSpinBox(this)),
      tier_(new QComboBox(this)), play_(new QPushButton(tr("&Play this wheel"), this)), sentence_(new QLabel(this)),
      status_(new QLabel(this)), model_(new QStandardItemModel(this)), sorted_(new QSortFilterProxyModel(this)),
      table_(new QTableView(this)), chart_(new CostChanceChart(this)), countsTitle_(new QLabel(this)),
      counts_(new QTableWidget(this))
{
    setObjectName(QStringLiteral("compareWindow"));
    setWindowTitle(tr("Compare wheels"));
    setAccessibleName(tr("Compare wheels"));
    heading_->setObjectName(QStringLiteral("compareHeading"));
    heading_->setWordWrap(true);

    budget_->setObjectName(QStringLiteral("compareBudget"));
    budget_->setAccessibleName(tr("Budget a draw"));
    budget_->setRange(0, 1000000);
    budget_->setKeyboardTracking(false);
    auto *tierLabel = new QLabel(tr("Best &chance of:"), this);
    tierLabel->setBuddy(tier_);
    tier_->setObjectName(QStringLiteral("compareTier"));
    tier_->setAccessibleName(tr("Chance compared"));
    play_->setObjectName(QStringLiteral("comparePlay"));
    play_->setEnabled(false);
    play_->setToolTip(tr("Chooses the selected wheel on the wheel page"));

    sentence_->setObjectName(QStringLiteral("compareSentence"));
    sentence_->setAccessibleName(tr("Best wheel within the budget"));
    sentence_->setWordWrap(true);
    sentence_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    status_->setObjectName(QStringLiteral("compareStatus"));
    status_->setAccessibleName(tr("Counting status"));
    status_->setStyleSheet(QStringLiteral("color: #555;"));

    sorted_->setSourceModel(model_);
    sorted_->setSortRole(kSortRole);
    table_->setObjectName(QStringLiteral("compareTable"));
    table_->setAccessibleName(tr("Wheels compared"));
    table_->setAccessibleDescription(QStringLiteral(
        "Each row: a wheel, its type, tickets, cost, the chance of any prize and of the best tiers, and the fixed "
        "return per draw and per unit spent. Return or double-click plays the wheel."));
    table_->setModel(sorted_);
    table_->setSortingEnabled(true);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->setTabKeyNavigation(false);

    countsTitle_->setObjectName(QStringLiteral("countsTitle"));
    countsTitle_->setWordWrap(true);
    counts_->setObjectName(QStringLiteral("countsTable"));
    counts_->setAccessibleName(tr("Best wheel for each count of numbers"));
    counts_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    counts_->setSelectionBehavior(QAbstractItemView::SelectRows);
    counts_->verticalHeader()->hide();
    counts_->setTabKeyNavigation(false);
    counts_->setColumnCount(5);
    counts_->setHorizontalHeaderLabels({tr("Numbers"), tr("Best wheel"), tr("Tickets"), tr("Cost"), tr("Chance")});
    counts_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    auto *controls = new QHBoxLayout;
    controls->addWidget(budget_);
    controls->addSpacing(12);
    controls->addWidget(tierLabel);
    controls->addWidget(tier_);
    controls->addStretch(1);
    controls->addWidget(play_);
    // The table across the whole width; under it the chart beside the counts of numbers.
    auto *countsColumn = new QVBoxLayout;
    countsColumn->addWidget(countsTitle_);
    countsColumn->addWidget(counts_);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(chart_, 1);
    bottom->addLayout(countsColumn, 1);
    auto *column = new QVBoxLayout(this);
    column->addWidget(heading_);
    column->addLayout(controls);
    column->addWidget(sentence_);
    column->addWidget(table_, 1);
    column->addLayout(bottom, 1);
    column->addWidget(status_);
    setTabOrder(budget_, tier_);
    setTabOrder(tier_, play_);
    setTabOrder(play_, table_);
    setTabOrder(table_, counts_);
    resize(1120, 820);

    connect(budget_, &QDoubleSpinBox::valueChanged, this, [this] {
        refreshChoice();
        startCounts();
    });
    connect(tier_, &QComboBox::currentIndexChanged, this, [this] {
        refreshChoice();
        refreshCounts();
    });
    connect(table_, &QTableView::activated, this, &WheelCompareWindow::chooseRow);
    connect(play_, &QPushButton::clicked, this, [this] { chooseRow(table_->currentIndex()); });
    connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                const int row = current.isValid() ? sorted_->mapToSource(current).row() : -1;
                play_->setEnabled(row >= 0 && row < wheels_.size() && !wheels_[row].everyCombination);
            });
}

WheelCompareWindow::~WheelCompareWindow()
{
    stopCounting();
    for (QFuture<void> &f : running_)
        f.waitForFinished();
}

void WheelCompareWindow::stopCounting()
{
    ++generation_;
    ++countsGeneration_;
    if (cancel_)
        *cancel_ = true;
    if (cancelCounts_)
        *cancelCounts_ = true;
    cancel_.reset();
    cancelCounts_.reset();
}

void WheelCompareWindow::closeEvent(QCloseEvent *event)
{
    stopCounting();
    if (pending_ > 0)
        status_->setText(tr("Counting stopped."));
    QWidget::closeEvent(event);
}

int WheelCompareWindow::column() const
{
    return tier_->currentIndex() - 1;
}

QString WheelCompareWindow::chanceName() const
{
    const int c = column();
    if (c < 0)
        return tr("any prize");
    return columns_.tierIndexes.isEmpty() ? columns_.names[c] : tr("the tier %1").arg(columns_.names[c]);
}

void WheelCompareWindow::setBudget(double amount)
{
    budget_->setValue(amount);
}

void WheelCompareWindow::setChanceColumn(int c)
{
    tier_->setCurrentIndex(c + 1);
}

void WheelCompareWindow::showWheels(const PlayedLottery &lottery, int numbers, const QList<int> &bonus,
                                    const WheelShelf &shelf)
{
    stopCounting();
    lottery_ = lottery;
    numbers_ = numbers;
    bonus_ = bonus;
    shelf_ = &shelf;
    columns_ = chanceColumns(lottery.details);
    countCache_.clear();
    countKeys_.clear();
    countsDone_ = false;

    const bool priced = lottery.details.price.has_value();
    const QString unit = priced ? lottery.details.currency : QStringLiteral("tickets");
    {
        const QSignalBlocker blockBudget(budget_);
        const QSignalBlocker blockTier(tier_);
        //: Before the budget's amount, with its space: "At most 20 EUR a draw".
        budget_->setPrefix(tr("At most "));
        //: After the budget's amount, with its space; %1 is the currency or "tickets".
        budget_->setSuffix(tr(" %1 a draw").arg(unit));
        budget_->setDecimals(priced ? 2 : 0);
        budget_->setSingleStep(priced ? *lottery.details.price : 1);
        budget_->setValue(20);
        tier_->clear();
        tier_->addItem(tr("any prize"));
        for (const QString &name : columns_.names)
            tier_->addItem(name);
    }
    heading_->setText(
        tr("<b>%1, %2:</b> every wheel for %3 numbers%4, counted over every possible draw.")
            .arg(withoutControls(lottery.country).toHtmlEscaped(), withoutControls(lottery.name).toHtmlEscaped())
            .arg(numbers)
            .arg(priced ? tr(", a ticket %1 %2").arg(money(*lottery.details.price), unit)
                        : tr("; the price of a ticket is not known, so costs are in tickets")));

    QList<WheelCandidate> candidates;
    try {
        candidates = wheelsToCompare(shelf, lottery.details, numbers);
    } catch (const QueryError &e) {
        status_->setText(tr("The wheels cannot be read: %1").arg(QString::fromUtf8(e.what())));
    }
    wheels_.clear();
    for (const WheelCandidate &c : candidates) {
        ComparedWheel w;
        w.offer = c.offer;
        w.everyCombination = c.everyCombination;
        w.currency = lottery.details.currency;
        if (priced)
            w.cost = *lottery.details.price * c.offer.tickets;
        w.problem = c.problem;
        wheels_ << w;
    }

    table_->setSortingEnabled(false);
    model_->clear();
    QStringList headers{tr("Wheel"), tr("Type"), tr("Tickets"), priced ? tr("Cost (%1)").arg(unit) : tr("Cost"),
                        tr("Any prize")};
    headers << columns_.names << tr("Return a draw") << tr("Return per unit");
    model_->setHorizontalHeaderLabels(headers);
    model_->setRowCount(static_cast<int>(wheels_.size()));
    for (int r = 0; r < wheels_.size(); ++r)
        fillRow(r);
    table_->setSortingEnabled(true);
    table_->sortByColumn(CostColumn, Qt::AscendingOrder);

    pending_ = 0;
    const quint64 generation = generation_;
    cancel_ = std::make_shared<std::atomic<bool>>(false);
    QList<std::pair<int, WheelCandidate>> jobs;
    for (int r = 0; r < candidates.size(); ++r)
        if (candidates[r].problem.isEmpty())
            jobs << std::pair{r, candidates[r]};
    pending_ = static_cast<int>(jobs.size());
    status_->setText(pending_ > 0 ? tr("Counting %1 wheels…").arg(pending_) : QString());
    refreshChoice();
    if (pending_ == 0) {
        emit wheelsCounted();
        startCounts();
        return;
    }
    running_.removeIf([](const QFuture<void> &f) { return f.isFinished(); });
    running_ << QtConcurrent::run(backgroundPool(), [this, jobs, lottery, bonus, cancel = cancel_, generation] {
        for (const auto &[row, candidate] : jobs) {
            if (*cancel)
                return;
            ComparedWheel w = compareWheel(lottery, candidate, bonus, cancel.get());
            if (*cancel)
                return;
            QMetaObject::invokeMethod(
                this, [this, generation, row, w] { takeResult(generation, row, w); }, Qt::QueuedConnection);
        }
    });
}

void WheelCompareWindow::takeResult(quint64 generation, int row, const ComparedWheel &wheel)
{
    if (generation != generation_ || row >= wheels_.size())
        return;
    wheels_[row] = wheel;
    fillRow(row);
    --pending_;
    status_->setText(pending_ > 0 ? tr("Counting %1 more wheels…").arg(pending_) : QString());
    refreshChoice();
    if (pending_ == 0) {
        emit wheelsCounted();
        startCounts();
    }
}

void WheelCompareWindow::fillRow(int row)
{
    const ComparedWheel &w = wheels_[row];
    const int columnCount = model_->columnCount();
    const auto set = [&](int c, const QString &text, double sortValue) {
        auto *item = new QStandardItem(text);
        item->setData(sortValue, kSortRole);
        item->setData(row, kIndexRole);
        item->setTextAlignment(c == WheelColumn ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
        model_->setItem(row, c, item);
    };
    QString origin = w.everyCombination ? tr(", every combination") : w.offer.isOwn() ? tr(", yours") : QString();
    set(WheelColumn, w.offer.printableLabel() + origin,
        w.offer.guarantee() ? w.offer.guarantee()->match * 100 - w.offer.guarantee()->have : 0);
    set(TypeColumn, w.offer.type == WheelType::Key ? QStringLiteral("key") : QStringLiteral("a"),
        w.offer.type == WheelType::Key ? 1 : 0);
    set(TicketsColumn, QString::number(w.offer.tickets), w.offer.tickets);
    set(CostColumn, w.cost ? money(*w.cost) : QString::number(w.offer.tickets), budgetCost(w));
    const QString waiting = w.problem.isEmpty() ? tr("counting…") : tr("cannot be counted");
    const auto chance = [&](int c, double p) {
        if (!w.counted)
            set(c, waiting, -1);
        else {
            set(c, chanceCell(p), p);
            model_->item(row, c)->setToolTip(chanceTip(p));
        }
    };
    chance(AnyColumn, w.anyPrize);
    for (int c = 0; c < columns_.names.size(); ++c)
        chance(FirstChanceColumn + c, w.chanceOf(c));
    const int returnColumn = FirstChanceColumn + static_cast<int>(columns_.names.size());
    if (w.counted) {
        set(returnColumn, w.fixedReturn ? money(*w.fixedReturn) : QStringLiteral("-"), w.fixedReturn.value_or(-1));
        set(returnColumn + 1, w.returnPerUnit ? QLocale().toString(*w.returnPerUnit, 'f', 3) : QStringLiteral("-"),
            w.returnPerUnit.value_or(-1));
    } else {
        set(returnColumn, waiting, -1);
        set(returnColumn + 1, waiting, -1);
    }
    if (!w.problem.isEmpty())
        for (int c = 0; c < columnCount; ++c)
            model_->item(row, c)->setToolTip(w.problem);
}

void WheelCompareWindow::refreshChoice()
{
    const int c = column();
    choice_ = chooseWithin(wheels_, budget_->value(), c, chanceName(), QLocale());
    sentence_->setText(choice_.sentence);
    const QColor grey = palette().color(QPalette::Disabled, QPalette::Text);
    const QColor normal = palette().color(QPalette::Text);
    for (int r = 0; r < wheels_.size(); ++r) {
        const bool over = choice_.overBudget.contains(r);
        const bool best = r == choice_.best;
        for (int col = 0; col < model_->columnCount(); ++col) {
            QStandardItem *item = model_->item(r, col);
            if (!item)
                continue;
            item->setForeground(over ? grey : normal);
            QFont font = item->font();
            font.setBold(best);
            item->setFont(font);
            item->setData(over   ? tr("over budget")
                          : best ? tr("best within budget")
                                 : QString(),
                          Qt::AccessibleDescriptionRole);
        }
    }
    QList<CostChanceChart::Point> points;
    QList<int> pointOf(wheels_.size(), -1);
    QList<ComparedWheel> counted;
    QList<int> countedIndex;
    for (int r = 0; r < wheels_.size(); ++r)
        if (wheels_[r].counted && wheels_[r].chanceOf(c) >= 0) {
            pointOf[r] = static_cast<int>(points.size());
            points << CostChanceChart::Point{budgetCost(wheels_[r]), wheels_[r].chanceOf(c),
                                             choice_.overBudget.contains(r), false};
        }
    QList<int> front;
    for (const int r : frontOf(wheels_, c))
        if (pointOf[r] >= 0) {
            front << pointOf[r];
            points[pointOf[r]].onFront = true;
        }
    const bool priced = lottery_.details.price.has_value();
    chart_->showPoints(points, front, choice_.best >= 0 ? pointOf[choice_.best] : -1, budget_->value(),
                       priced ? lottery_.details.currency : QStringLiteral("tickets"), chanceName());
}

void WheelCompareWindow::startCounts()
{
    ++countsGeneration_;
    if (cancelCounts_)
        *cancelCounts_ = true;
    cancelCounts_.reset();
    countsDone_ = false;
    if (!shelf_ || pending_ > 0)
        return;
    const int pick = lottery_.details.pick;
    const int last = std::min({kHighestCount, lottery_.details.facts.pool, 64});
    const double budget = budget_->value();
    countKeys_.clear();
    QList<WheelCandidate> jobs;
    QStringList jobKeys;
    try {
        for (int z = pick + 1; z <= last; ++z) {
            if (z == numbers_)
                continue;
            QList<QString> &keys = countKeys_[z];
            for (const WheelCandidate &c : wheelsToCompare(*shelf_, lottery_.details, z, budget)) {
                const QString key = keyOf(c.offer, c.everyCombination);
                keys << key;
                if (!countCache_.contains(key) && !jobKeys.contains(key)) {
                    jobs << c;
                    jobKeys << key;
                }
            }
        }
    } catch (const QueryError &e) {
        countsTitle_->setText(tr("The wheels for other counts cannot be read: %1").arg(QString::fromUtf8(e.what())));
        return;
    }
    countsDone_ = jobs.isEmpty();
    refreshCounts();
    if (jobs.isEmpty()) {
        emit numbersCounted();
        return;
    }
    const quint64 generation = countsGeneration_;
    cancelCounts_ = std::make_shared<std::atomic<bool>>(false);
    running_.removeIf([](const QFuture<void> &f) { return f.isFinished(); });
    const int total = static_cast<int>(jobs.size());
    running_ << QtConcurrent::run(backgroundPool(), [this, jobs, jobKeys, lottery = lottery_, bonus = bonus_,
                                                     cancel = cancelCounts_, generation, total] {
        for (int i = 0; i < jobs.size(); ++i) {
            if (*cancel)
                return;
            ComparedWheel w = compareWheel(lottery, jobs[i], bonus, cancel.get());
            if (*cancel)
                return;
            const QString key = jobKeys[i];
            const bool lastOne = i + 1 == total;
            QMetaObject::invokeMethod(
                this,
                [this, generation, key, w, lastOne] {
                    takeCount(generation, key, w);
                    if (lastOne && generation == countsGeneration_) {
                        countsDone_ = true;
                        refreshCounts();
                        emit numbersCounted();
                    }
                },
                Qt::QueuedConnection);
        }
    });
}

void WheelCompareWindow::takeCount(quint64 generation, const QString &key, const ComparedWheel &wheel)
{
    // A wheel counted is worth keeping even when the budget moved on.
    if (wheel.counted)
        countCache_.insert(key, wheel);
    if (generation == countsGeneration_ && !countsDone_)
        refreshCounts();
}

void WheelCompareWindow::refreshCounts()
{
    const int c = column();
    const double budget = budget_->value();
    const bool priced = lottery_.details.price.has_value();
    countsTitle_->setText(tr("<b>How many numbers to play:</b> the best wheel within %1 for each count "
                             "of numbers (the figures hold for any numbers of that count)%2")
                              .arg(budgetText(budget, lottery_.details.currency, priced).toHtmlEscaped(),
                                   countsDone_ ? QStringLiteral(".") : tr("; counting…")));
    QList<int> counts = countKeys_.keys();
    counts << numbers_;
    std::sort(counts.begin(), counts.end());
    counts.erase(std::unique(counts.begin(), counts.end()), counts.end());
    counts_->setRowCount(static_cast<int>(counts.size()));
    for (int r = 0; r < counts.size(); ++r) {
        const int z = counts[r];
        QList<ComparedWheel> within;
        int known = 0, listed = 0;
        if (z == numbers_) {
            for (const ComparedWheel &w : wheels_)
                if (budgetCost(w) <= budget + 1e-9) {
                    ++listed;
                    known += w.counted ? 1 : 0;
                    within << w;
                }
        } else {
            for (const QString &key : countKeys_.value(z)) {
                ++listed;
                if (const auto it = countCache_.constFind(key); it != countCache_.constEnd()) {
                    ++known;
                    within << *it;
                }
            }
        }
        const BudgetChoice best = chooseWithin(within, budget, c, chanceName(), QLocale());
        QStringList cells{z == numbers_ ? tr("%1 (yours)").arg(z) : QString::number(z)};
        if (best.best >= 0) {
            const ComparedWheel &w = within[best.best];
            cells << w.name() << QString::number(w.offer.tickets)
                  << (w.cost ? money(*w.cost) : QString::number(w.offer.tickets)) << chanceCell(w.chanceOf(c));
        } else {
            cells << (listed == 0 ? tr("no wheel within the budget") : tr("counting %1 of %2…").arg(known).arg(listed))
                  << QString() << QString() << QString();
        }
        for (int col = 0; col < cells.size(); ++col) {
            auto *item = new QTableWidgetItem(cells[col]);
            item->setTextAlignment(col == 1 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
            if (z == numbers_) {
                QFont font = item->font();
                font.setBold(true);
                item->setFont(font);
            }
            counts_->setItem(r, col, item);
        }
    }
}

void WheelCompareWindow::chooseRow(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    const int row = sorted_->mapToSource(index).row();
    if (row < 0 || row >= wheels_.size())
        return;
    if (wheels_[row].everyCombination) {
        status_->setText(tr("Every combination of your numbers is not stored as a wheel, so it "
                            "cannot be chosen on the wheel page."));
        return;
    }
    emit wheelChosen(wheels_[row].offer);
}
