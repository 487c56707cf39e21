// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DrawHistoryWindow.h"

#include "core/OwnWheels.h"
#include "core/WheelValue.h"
#include "ui/Panels.h"
#include "ui/ResultsImportDialog.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

// The best match of each draw as a bar, oldest on the left; many draws share a pixel column,
// which then shows the best of them.
class BestMatchChart : public QWidget {
public:
    explicit BestMatchChart(QWidget *parent) : QWidget(parent)
    {
        setMinimumHeight(110);
        setAccessibleName(QCoreApplication::translate("DrawHistoryWindow", "Best match per draw"));
    }
    void setCheck(const HistoryCheck *check)
    {
        check_ = check;
        if (check_ && !check_->draws.isEmpty())
            setAccessibleDescription(QCoreApplication::translate("DrawHistoryWindow",
                                                                 "%n draws; the best match of any draw is %1", nullptr,
                                                                 int(check_->draws.size()))
                                         .arg(check_->mostMain));
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), palette().base());
        const int left = fontMetrics().horizontalAdvance(QStringLiteral("00")) + 8, bottom = height() - 6, top = 6;
        const int scale = std::max(check_ ? check_->mostMain : 0, 1);
        p.setPen(palette().color(QPalette::Text));
        p.drawLine(left, top, left, bottom);
        p.drawLine(left, bottom, width() - 4, bottom);
        p.drawText(QRect(0, top - 2, left - 4, fontMetrics().height()), Qt::AlignRight, QString::number(scale));
        p.drawText(QRect(0, bottom - fontMetrics().height(), left - 4, fontMetrics().height()), Qt::AlignRight,
                   QStringLiteral("0"));
        if (!check_ || check_->draws.isEmpty())
            return;
        const int plotWidth = std::max(width() - left - 6, 1);
        const qsizetype n = check_->draws.size();
        const QColor bar = palette().color(QPalette::Highlight);
        const auto barHeight = [&](int best) { return (bottom - top) * best / scale; };
        if (n <= plotWidth) {
            // A bar a draw, at most 40 pixels wide, with a gap between bars.
            const int step = int(plotWidth / n), barWidth = std::clamp(step - 2, 1, 40);
            for (qsizetype i = 0; i < n; ++i) {
                const int h = barHeight(check_->draws[i].bestMain);
                p.fillRect(left + 1 + int(plotWidth * i / n), bottom - h, barWidth, h, bar);
            }
            return;
        }
        for (int x = 0; x < plotWidth; ++x) {
            const qsizetype first = n * x / plotWidth, last = std::max(first + 1, n * (x + 1) / plotWidth);
            int best = 0;
            for (qsizetype i = first; i < last && i < n; ++i)
                best = std::max(best, check_->draws[i].bestMain);
            p.fillRect(left + 1 + x, bottom - barHeight(best), 1, barHeight(best), bar);
        }
    }

private:
    const HistoryCheck *check_ = nullptr;
};

namespace {
// Tickets per draw to three figures, in plain decimals however small: "0.494", "0.000012".
QString perDrawText(double tickets)
{
    if (tickets <= 0)
        return QStringLiteral("0");
    const int decimals = std::clamp(2 - int(std::floor(std::log10(tickets))), 3, 15);
    QString text = QString::number(tickets, 'f', decimals);
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u'.'))
        text.chop(1);
    return text;
}
} // namespace

DrawHistoryWindow::DrawHistoryWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(tr("Past Draws"));
    setAccessibleName(tr("Past draws"));
    auto *layout = new QVBoxLayout(this);
    title_ = new QLabel(this);
    title_->setWordWrap(true);
    layout->addWidget(title_);
    sentence_ = new QLabel(pastDrawsSentence(), this);
    sentence_->setObjectName(QStringLiteral("pastDrawsSentence"));
    sentence_->setWordWrap(true);
    layout->addWidget(sentence_);

    auto *range = new QHBoxLayout;
    auto *fromLabel = new QLabel(tr("&From:"), this);
    from_ = new QLineEdit(this);
    from_->setPlaceholderText(tr("first draw"));
    from_->setAccessibleName(tr("From date"));
    fromLabel->setBuddy(from_);
    auto *toLabel = new QLabel(tr("&To:"), this);
    to_ = new QLineEdit(this);
    to_->setPlaceholderText(tr("last draw"));
    to_->setAccessibleName(tr("To date"));
    toLabel->setBuddy(to_);
    countButton_ = new QPushButton(tr("&Check"), this);
    countButton_->setObjectName(QStringLiteral("countButton"));
    countButton_->setAccessibleName(tr("Check the draws between the dates"));
    importButton_ = new QPushButton(tr("&Import results…"), this);
    importButton_->setObjectName(QStringLiteral("importResultsButton"));
    importButton_->setAccessibleName(tr("Import results"));
    for (QWidget *w :
         {static_cast<QWidget *>(fromLabel), static_cast<QWidget *>(from_), static_cast<QWidget *>(toLabel),
          static_cast<QWidget *>(to_), static_cast<QWidget *>(countButton_)})
        range->addWidget(w);
    range->addStretch();
    range->addWidget(importButton_);
    layout->addLayout(range);
    connect(countButton_, &QPushButton::clicked, this, &DrawHistoryWindow::recount);
    connect(from_, &QLineEdit::returnPressed, this, &DrawHistoryWindow::recount);
    connect(to_, &QLineEdit::returnPressed, this, &DrawHistoryWindow::recount);
    connect(importButton_, &QPushButton::clicked, this, &DrawHistoryWindow::importResults);

    table_ = new QTableWidget(0, 5, this);
    table_->setObjectName(QStringLiteral("drawTable"));
    table_->setAccessibleName(tr("Draws"));
    table_->setHorizontalHeaderLabels(
        {tr("Date"), tr("Numbers"), tr("Best match"), tr("Tickets winning"), tr("Fixed prizes")});
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    connect(table_, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
        if (row >= 0 && row < result_.draws.size())
            emit drawChosen(result_.draws[row].draw);
    });
    layout->addWidget(table_, 1);
    chart_ = new BestMatchChart(this);
    layout->addWidget(chart_);
    // The totals on the left; for a wheel, the same tickets' exact odds beside them.
    auto *bottom = new QHBoxLayout;
    totals_ = new QLabel(this);
    totals_->setObjectName(QStringLiteral("drawTotals"));
    totals_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    totals_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred); // never cut short by the odds
    bottom->addWidget(totals_, 0, Qt::AlignTop);
    auto *oddsBox = new QGroupBox(tr("What the draws gave, beside the exact odds"), this);
    oddsBox->setObjectName(QStringLiteral("oddsBeside"));
    oddsBox_ = oddsBox;
    auto *oddsLayout = new QVBoxLayout(oddsBox);
    oddsStatus_ = new QLabel(oddsBox);
    oddsStatus_->setObjectName(QStringLiteral("oddsBesideStatus"));
    oddsStatus_->setWordWrap(true);
    oddsLayout->addWidget(oddsStatus_);
    oddsTable_ = new QTableWidget(0, 5, oddsBox);
    oddsTable_->setObjectName(QStringLiteral("oddsBesideTable"));
    oddsTable_->setAccessibleName(tr("Past draws beside the exact odds"));
    oddsTable_->setAccessibleDescription(
        QStringLiteral("Each row: a prize tier, the share of past draws in which a ticket won it, the exact chance "
                       "per draw, and the tickets in it per draw, in the past draws and on average"));
    oddsTable_->setHorizontalHeaderLabels({tr("Tier"), tr("Past draws\nwon"), tr("Exact chance\nper draw"),
                                           tr("Past tickets\nper draw"), tr("Expected tickets\nper draw")});
    oddsTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    oddsTable_->setSelectionMode(QAbstractItemView::NoSelection);
    oddsTable_->verticalHeader()->hide();
    oddsTable_->verticalHeader()->setDefaultSectionSize(22);
    oddsTable_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    oddsTable_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    oddsTable_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    oddsLayout->addWidget(oddsTable_);
    oddsNote_ = new QLabel(oddsBox);
    oddsNote_->setObjectName(QStringLiteral("oddsBesideNote"));
    oddsNote_->setWordWrap(true);
    oddsNote_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    oddsLayout->addWidget(oddsNote_);
    bottom->addWidget(oddsBox, 1);
    oddsBox->hide();
    layout->addLayout(bottom);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("drawStatus"));
    status_->setWordWrap(true);
    layout->addWidget(status_);
    resize(1000, 880);
}

DrawHistoryWindow::~DrawHistoryWindow()
{
    stopWorker();
}

void DrawHistoryWindow::closeEvent(QCloseEvent *event)
{
    // Nothing counts for a window no one sees; the next setTickets() counts again.
    stopWorker();
    QWidget::closeEvent(event);
}

void DrawHistoryWindow::stopWorker()
{
    if (cancelled_)
        cancelled_->store(true);
    if (worker_.joinable())
        worker_.join();
}

void DrawHistoryWindow::setTickets(const PlayedLottery &lottery, const QList<TicketNumbers> &tickets,
                                   const QString &libraryPath, const std::optional<OddsQuestion> &wheelOdds)
{
    const bool forWheel = wheelOdds.has_value();
    // Nothing counted for the tickets before may be shown for these.
    stopWorker();
    ++generation_;
    lottery_ = lottery;
    tickets_ = tickets;
    libraryPath_ = libraryPath;
    question_ = wheelOdds;
    exact_.reset();
    beside_.reset();
    oddsTable_->setRowCount(0);
    oddsNote_->clear();
    oddsBox_->setVisible(forWheel);
    title_->setText(
        tr("%1 tickets of %2, %3 against the stored draws").arg(tickets.size()).arg(lottery.country, lottery.name));
    sentence_->setVisible(forWheel);
    recount();
}

void DrawHistoryWindow::recount()
{
    const auto date = [this](QLineEdit *edit, bool &ok) {
        ok = true;
        const QString text = edit->text().trimmed();
        if (text.isEmpty())
            return QDate();
        const QDate d = parseDrawDate(text);
        ok = d.isValid();
        return d;
    };
    bool fromOk = true, toOk = true;
    const QDate from = date(from_, fromOk), to = date(to_, toOk);
    if (!fromOk || !toOk) {
        status_->setText(tr("Give the dates as 2026-12-05, or leave them empty for every draw."));
        return;
    }
    QList<StoredDraw> draws;
    if (QFileInfo(libraryPath_).isFile()) {
        OwnWheels own;
        QString problem;
        if (!own.open(libraryPath_, &problem)) {
            status_->setText(problem);
            return;
        }
        draws = own.draws(lottery_.country, lottery_.name, from, to, &problem);
        if (!problem.isEmpty()) {
            status_->setText(problem);
            return;
        }
    }
    stopWorker();
    status_->setText(draws.isEmpty() ? tr("No draws of this lottery are stored between these dates: "
                                          "import a results file.")
                                     : tr("Checking %1 draws…").arg(draws.size()));
    cancelled_ = std::make_shared<std::atomic_bool>(false);
    done_ = false;
    const quint64 generation = ++generation_;
    const LotteryFacts facts = lottery_.details.facts;
    const auto price = lottery_.details.price;
    const QString currency = lottery_.details.currency;
    // The odds do not hang on the dates: they are counted once for the tickets, after the history
    // is shown.
    std::optional<OddsQuestion> question = exact_ ? std::nullopt : question_;
    if (question) {
        oddsStatus_->setText(tr("Counting the exact odds of these tickets…"));
        oddsStatus_->show();
    }
    worker_ = std::thread([this, draws, facts, price, currency, generation, tickets = tickets_,
                           question = std::move(question), cancelled = cancelled_] {
        HistoryCheck check = checkHistory(tickets, draws, facts, price, currency, cancelled.get());
        if (cancelled->load())
            return;
        QMetaObject::invokeMethod(
            this, [this, check = std::move(check), generation] { showResult(check, generation); },
            Qt::QueuedConnection);
        if (question) {
            ExactOdds exact = countExactOdds(*question, cancelled.get());
            if (cancelled->load())
                return;
            QMetaObject::invokeMethod(
                this, [this, exact = std::move(exact), generation] { showOdds(exact, generation); },
                Qt::QueuedConnection);
        }
        done_ = true;
    });
}

void DrawHistoryWindow::showResult(const HistoryCheck &check, quint64 generation)
{
    if (generation != generation_)
        return;
    result_ = check;
    table_->setRowCount(int(check.draws.size()));
    for (int r = 0; r < check.draws.size(); ++r) {
        const DrawOutcome &row = check.draws[r];
        QString best = QString::number(row.bestMain);
        if (row.bestBonus > 0)
            best += QStringLiteral(" + ") + QString::number(row.bestBonus);
        QStringList won;
        for (auto it = row.fixedWon.cbegin(); it != row.fixedWon.cend(); ++it)
            won << amountText(it.value(), it.key(), QLocale());
        const QStringList cells{row.draw.date.toString(Qt::ISODate), drawNumbersText(row.draw), best,
                                outcomeWinsText(check, row), won.join(QStringLiteral(", "))};
        for (int c = 0; c < cells.size(); ++c)
            table_->setItem(r, c, new QTableWidgetItem(cells[c]));
    }
    table_->resizeColumnsToContents();
    table_->horizontalHeader()->setStretchLastSection(true);
    totals_->setText(historyTotalsText(check).join(QLatin1Char('\n')));
    chart_->setCheck(&result_);
    if (!check.draws.isEmpty())
        status_->setText(tr("Double-click a draw to see each ticket in the check of one draw."));
    emit counted();
    if (exact_)
        showBeside();
}

void DrawHistoryWindow::showOdds(const ExactOdds &exact, quint64 generation)
{
    if (generation != generation_)
        return;
    exact_ = exact;
    showBeside();
}

void DrawHistoryWindow::showBeside()
{
    if (!question_ || !exact_)
        return;
    if (!exact_->ok()) {
        beside_.reset();
        oddsStatus_->setText(tr("The exact odds of these tickets cannot be counted: %1.").arg(exact_->problem));
        oddsStatus_->show();
        oddsTable_->setRowCount(0);
        oddsNote_->clear();
        emit oddsShown();
        return;
    }
    const HistoryBesideOdds beside = historyBesideOdds(result_, *question_, *exact_);
    beside_ = beside;
    oddsStatus_->hide();
    oddsTable_->horizontalHeaderItem(0)->setText(beside.byMatches ? tr("Matches") : tr("Tier"));
    QList<OddsBesideRow> rows = beside.rows;
    if (beside.anyPrize)
        rows << *beside.anyPrize;
    oddsTable_->setRowCount(int(rows.size()));
    // Every row shows: the draws above take what room is left.
    oddsTable_->setFixedHeight(oddsTable_->horizontalHeader()->sizeHint().height() + 22 * oddsTable_->rowCount() +
                               2 * oddsTable_->frameWidth() + 2);
    const double draws = double(beside.draws);
    for (int r = 0; r < rows.size(); ++r) {
        const OddsBesideRow &row = rows[r];
        const QString odds = oneInText(row.chance);
        const QStringList cells{
            row.name,
            beside.draws == 0 ? tr("no draws")
            : row.drawsWon == 0
                ? tr("0 of %1").arg(beside.draws)
                : tr("%1 of %2 (%3)").arg(row.drawsWon).arg(beside.draws).arg(percentText(row.drawsWon / draws)),
            odds.isEmpty() ? percentText(row.chance) : percentText(row.chance) + QStringLiteral(" (") + odds + u')',
            beside.draws == 0 ? QStringLiteral("-") : perDrawText(double(row.tickets) / draws),
            perDrawText(row.expected)};
        const bool any = beside.anyPrize && r == rows.size() - 1;
        for (int c = 0; c < cells.size(); ++c) {
            auto *item = new QTableWidgetItem(cells[c]);
            item->setTextAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
            if (any) {
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
            }
            oddsTable_->setItem(r, c, item);
        }
    }
    // Every column shows too, however narrow the window is made.
    oddsTable_->resizeColumnsToContents();
    int width = 2 * oddsTable_->frameWidth() + 2;
    for (int c = 0; c < oddsTable_->columnCount(); ++c) {
        oddsTable_->setColumnWidth(c, oddsTable_->columnWidth(c) + 12);
        width += oddsTable_->columnWidth(c);
    }
    oddsTable_->setMinimumWidth(width);
    QStringList notes;
    if (beside.fixedExpected) {
        const QString currency = beside.fixedExpected->currency;
        const QString expected = formatAmount(std::llround(beside.fixedExpected->amount * 100), currency);
        notes << (beside.draws == 0
                      ? tr("Fixed prizes: %1 per draw expected.").arg(expected)
                      : tr("Fixed prizes per draw: %1 won in these draws, %2 expected.")
                            .arg(formatAmount(std::llround(double(beside.fixedWon) / draws), currency), expected));
    }
    if (beside.byMatches)
        notes << QStringLiteral("The prize tiers of this lottery are not known: a row counts the tickets matching at "
                                "least so many main numbers, and its chance is that the best ticket does.");
    if (beside.unjudged > 0)
        notes << tr("%1 tickets whose tier hangs on numbers the results did not give are in no row.")
                     .arg(beside.unjudged);
    oddsNote_->setText(notes.join(QLatin1Char(' ')));
    oddsNote_->setVisible(!notes.isEmpty());
    emit oddsShown();
}

void DrawHistoryWindow::importResults()
{
    OpenPanel::ask(this, ResultsImportDialog::fileRequest(), [this](const QString &path) {
        if (path.isEmpty())
            return;
        auto *dialog = new ResultsImportDialog(lottery_, path, libraryPath_, this);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        connect(dialog, &ResultsImportDialog::imported, this, [this](const DrawsStored &stored) {
            recount();
            status_->setText(drawsStoredText(stored) + QLatin1Char('.'));
        });
        dialog->open();
    });
}
