// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DrawHistoryWindow.h"

#include "core/OwnWheels.h"
#include "core/WheelValue.h"
#include "ui/ResultsImportDialog.h"

#include <QCoreApplication>
#include <QFileInfo>
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
    totals_ = new QLabel(this);
    totals_->setObjectName(QStringLiteral("drawTotals"));
    totals_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(totals_);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("drawStatus"));
    status_->setWordWrap(true);
    layout->addWidget(status_);
    resize(760, 600);
}

DrawHistoryWindow::~DrawHistoryWindow()
{
    stopWorker();
}

void DrawHistoryWindow::stopWorker()
{
    if (cancelled_)
        cancelled_->store(true);
    if (worker_.joinable())
        worker_.join();
}

void DrawHistoryWindow::setTickets(const PlayedLottery &lottery, const QList<TicketNumbers> &tickets,
                                   const QString &libraryPath, bool forWheel)
{
    lottery_ = lottery;
    tickets_ = tickets;
    libraryPath_ = libraryPath;
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
    worker_ =
        std::thread([this, draws, facts, price, currency, generation, tickets = tickets_, cancelled = cancelled_] {
            HistoryCheck check = checkHistory(tickets, draws, facts, price, currency, cancelled.get());
            if (cancelled->load())
                return;
            done_ = true;
            QMetaObject::invokeMethod(
                this, [this, check = std::move(check), generation] { showResult(check, generation); },
                Qt::QueuedConnection);
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
}

void DrawHistoryWindow::importResults()
{
    const QString path = ResultsImportDialog::chooseFile(this);
    if (path.isEmpty())
        return;
    auto *dialog = new ResultsImportDialog(lottery_, path, libraryPath_, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &ResultsImportDialog::imported, this, [this](const DrawsStored &stored) {
        recount();
        status_->setText(drawsStoredText(stored) + QLatin1Char('.'));
    });
    dialog->open();
}
