// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/WheelMakerWindow.h"

#include "core/ShippedFiles.h"
#include "ui/Panels.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

WheelMakerWindow::WheelMakerWindow()
    : numbersLabel_(new QLabel), x_(new QSpinBox), y_(new QSpinBox), type_(new QComboBox), mostTickets_(new QSpinBox),
      seconds_(new QSpinBox), boundLabel_(new QLabel), progress_(new QProgressBar), statusLabel_(new QLabel),
      startButton_(new QPushButton(tr("&Start"))), cancelButton_(new QPushButton(tr("&Cancel"))),
      closeButton_(new QPushButton(tr("Close")))
{
    setObjectName(QStringLiteral("WheelMakerWindow"));
    databasePath_ = shippedFile(QStringLiteral("data.sqlite3"));
    libraryPath_ = ownWheelsFile();
    setWindowTitle(tr("Make a wheel"));
    auto *intro = new QLabel(tr("Wheelwright starts from the best wheel it knows, searches for one with "
                                "fewer tickets, then proves its guarantee draw by draw before offering "
                                "it."));
    intro->setWordWrap(true);
    type_->addItems({tr("Type-A wheel"), tr("Key wheel (your key on every ticket)")});
    x_->setObjectName(QStringLiteral("matchesBox"));
    y_->setObjectName(QStringLiteral("drawnBox"));
    type_->setObjectName(QStringLiteral("typeBox"));
    mostTickets_->setObjectName(QStringLiteral("mostTicketsBox"));
    seconds_->setObjectName(QStringLiteral("secondsBox"));
    boundLabel_->setObjectName(QStringLiteral("boundLabel"));
    statusLabel_->setObjectName(QStringLiteral("statusLabel"));
    progress_->setObjectName(QStringLiteral("searchProgress"));
    startButton_->setObjectName(QStringLiteral("startButton"));
    cancelButton_->setObjectName(QStringLiteral("cancelSearchButton"));
    closeButton_->setObjectName(QStringLiteral("closeButton"));
    mostTickets_->setRange(1, 100000);
    mostTickets_->setValue(2000);
    mostTickets_->setGroupSeparatorShown(true);
    seconds_->setRange(1, 3600);
    seconds_->setValue(30);
    seconds_->setSuffix(QStringLiteral(" s"));

    auto *guarantee = new QHBoxLayout;
    guarantee->addWidget(x_);
    guarantee->addWidget(new QLabel(QStringLiteral("if")));
    guarantee->addWidget(y_);
    guarantee->addStretch();
    x_->setAccessibleName(tr("Matches guaranteed"));
    y_->setAccessibleName(tr("Drawn numbers among yours"));
    auto *form = new QFormLayout;
    form->addRow(tr("Numbers:"), numbersLabel_);
    form->addRow(tr("&Guarantee:"), guarantee);
    form->addRow(tr("&Type:"), type_);
    form->addRow(tr("At &most:"), mostTickets_);
    form->addRow(tr("Search &for:"), seconds_);
    form->addRow(tr("Lower bound:"), boundLabel_);
    qobject_cast<QLabel *>(form->labelForField(guarantee))->setBuddy(x_);

    statusLabel_->setWordWrap(true);
    statusLabel_->setMinimumHeight(statusLabel_->fontMetrics().lineSpacing() * 3);
    progress_->setTextVisible(false);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(startButton_);
    buttons->addWidget(cancelButton_);
    buttons->addWidget(closeButton_);
    startButton_->setDefault(true);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 18);
    layout->setSpacing(12);
    layout->addWidget(intro);
    layout->addLayout(form);
    layout->addWidget(progress_);
    layout->addWidget(statusLabel_);
    layout->addLayout(buttons);
    setMinimumWidth(520);

    for (QSpinBox *box : {x_, y_, mostTickets_})
        connect(box, &QSpinBox::valueChanged, this, &WheelMakerWindow::showBound);
    connect(type_, &QComboBox::currentIndexChanged, this, &WheelMakerWindow::showBound);
    connect(startButton_, &QAbstractButton::clicked, this, &WheelMakerWindow::startSearch);
    connect(cancelButton_, &QAbstractButton::clicked, this, &WheelMakerWindow::cancelSearch);
    connect(closeButton_, &QAbstractButton::clicked, this, &QWidget::close);
    setSearching(false);
}

WheelMakerWindow::~WheelMakerWindow()
{
    if (maker_) {
        maker_->setFinishedHandler({});
        maker_->setProgressHandler({});
    }
}

void WheelMakerWindow::offer(int pick, int numbers, bool key)
{
    if (isSearching())
        return;
    pick_ = pick;
    numbers_ = numbers;
    numbersLabel_->setText(tr("%1, %2 on a ticket").arg(numbers).arg(pick));
    {
        const QSignalBlocker bx(x_), by(y_), bt(type_);
        x_->setRange(1, pick);
        y_->setRange(1, std::min(pick, numbers));
        x_->setValue(std::min(3, pick));
        y_->setValue(std::min(std::max(4, x_->value()), std::min(pick, numbers)));
        type_->setCurrentIndex(key ? 1 : 0);
    }
    progress_->setValue(0);
    statusLabel_->clear();
    showBound();
}

void WheelMakerWindow::setWheelFiles(const QString &databasePath, const QString &libraryPath)
{
    databasePath_ = databasePath;
    libraryPath_ = libraryPath;
    showBound();
}

bool WheelMakerWindow::isSearching() const
{
    return searching_;
}

MakeRequest WheelMakerWindow::request() const
{
    MakeRequest r;
    r.pick = pick_;
    r.numbers = numbers_;
    r.x = x_->value();
    r.y = y_->value();
    r.key = type_->currentIndex() == 1;
    r.mostTickets = static_cast<std::size_t>(mostTickets_->value());
    r.seconds = seconds_->value();
    r.databasePath = databasePath_;
    r.libraryPath = libraryPath_;
    return r;
}

void WheelMakerWindow::showBound()
{
    const MakeRequest r = request();
    if (!isSearching() && heldShown_) {
        statusLabel_->clear();
        heldShown_ = false;
    }
    startButton_->setText(tr("&Start"));
    const QString refusal = WheelMaker::checkRequest(r);
    if (!refusal.isEmpty()) {
        boundLabel_->setText(refusal);
        startButton_->setEnabled(false);
        return;
    }
    const auto bound = WheelMaker::lowerBound(r);
    boundLabel_->setText(tr("no such wheel has fewer than %1 tickets").arg(bound));
    startButton_->setEnabled(!isSearching() && bound <= r.mostTickets);
    if (bound > r.mostTickets)
        boundLabel_->setText(tr("at least %1 tickets: more than the %2 you allow").arg(bound).arg(r.mostTickets));
    if (isSearching())
        return;
    // The library's count comes from the application, which keeps the library open; the
    // shipped database is asked here (one query).
    MakeRequest shippedOnly = r;
    shippedOnly.libraryPath.clear();
    const std::size_t own = stored_ ? stored_(r.spec()) : 0;
    const std::size_t shipped = WheelMaker::heldTickets(shippedOnly);
    if (own == 0 && shipped == 0)
        return;
    heldShown_ = true;
    const std::size_t held = own > 0 && (shipped == 0 || own < shipped) ? own : shipped;
    const bool fewer = bound < held;
    if (fewer)
        startButton_->setText(tr("Search for &fewer"));
    const QString question = fewer ? tr(" Search for fewer?") : tr(" No wheel can have fewer.");
    if (own > 0 && (shipped == 0 || own <= shipped))
        statusLabel_->setText(tr("Your library already holds this wheel with %1 tickets; it is in the "
                                 "wheel list. A search starts from it and keeps a new one only if it has "
                                 "fewer.%2")
                                  .arg(own)
                                  .arg(question));
    else
        statusLabel_->setText(tr("Wheelwright ships this wheel with %1 tickets; it is in the wheel list. "
                                 "A search starts from it.%2")
                                  .arg(shipped)
                                  .arg(question));
}

void WheelMakerWindow::setSearching(bool searching)
{
    for (QWidget *w : {static_cast<QWidget *>(x_), static_cast<QWidget *>(y_), static_cast<QWidget *>(type_),
                       static_cast<QWidget *>(mostTickets_), static_cast<QWidget *>(seconds_)})
        w->setEnabled(!searching);
    startButton_->setEnabled(!searching);
    cancelButton_->setEnabled(searching);
    closeButton_->setEnabled(!searching);
    if (!searching)
        showBound();
}

void WheelMakerWindow::startSearch()
{
    const MakeRequest r = request();
    maker_ = std::make_unique<WheelMaker>();
    cancelledByPlayer_ = false;
    progress_->setRange(0, static_cast<int>(std::lround(r.seconds * 10)));
    progress_->setValue(0);
    statusLabel_->setText(tr("Searching…"));
    heldShown_ = false;
    // The maker calls back on its own thread; the window takes the news on its own.
    maker_->setProgressHandler([this](const MakeProgress &p) {
        QMetaObject::invokeMethod(
            this, [this, p] { showProgress(p); }, Qt::QueuedConnection);
    });
    maker_->setFinishedHandler([this](const MakeResult &result) {
        QMetaObject::invokeMethod(
            this, [this, result] { finish(result); }, Qt::QueuedConnection);
    });
    searching_ = true;
    setSearching(true);
    maker_->start(r);
}

void WheelMakerWindow::cancelSearch()
{
    if (!isSearching())
        return;
    cancelledByPlayer_ = true;
    statusLabel_->setText(tr("Stopping and proving the best wheel so far…"));
    maker_->cancel();
}

void WheelMakerWindow::showProgress(const MakeProgress &p)
{
    if (!isSearching())
        return;
    progress_->setValue(progress_->maximum() - static_cast<int>(std::lround(p.secondsLeft * 10)));
    statusLabel_->setText(p.bestTickets == 0 ? tr("Searching… %1 s left").arg(std::lround(p.secondsLeft))
                                             : tr("Best so far: %1 tickets (lower bound %2). %3 s left.")
                                                   .arg(p.bestTickets)
                                                   .arg(p.lowerBound)
                                                   .arg(std::lround(p.secondsLeft)));
}

void WheelMakerWindow::finish(const MakeResult &result)
{
    if (maker_)
        maker_->wait();
    searching_ = false;
    setSearching(false);
    progress_->setValue(progress_->maximum());
    heldShown_ = false; // the outcome stays until a field changes
    const MakeRequest r = request();
    const QString name = QStringLiteral("\"%1 if %2\"").arg(r.x).arg(r.y);
    switch (result.outcome) {
    case MakeOutcome::Proven:
        statusLabel_->setText(
            tr("Proven: %1 on %2 numbers with %3 tickets%4. %5.")
                .arg(name)
                .arg(r.numbers)
                .arg(result.lines.size())
                .arg(result.reachedLowerBound ? tr(", as few as any wheel can have") : QString())
                .arg(result.note.isEmpty() ? result.note : result.note.at(0).toUpper() + result.note.mid(1)));
        emit wheelMade(r.spec(), result.lines);
        break;
    case MakeOutcome::Cancelled:
        if (result.lines.empty()) {
            statusLabel_->setText(tr("Stopped before any wheel was found."));
        } else if (AlertPanel::confirm(tr("Notice"), tr("The search was stopped. Keep the best wheel found so far "
                                                        "(%1 tickets, proven)?")
                                                         .arg(result.lines.size()))) {
            statusLabel_->setText(tr("Kept: %1 with %2 tickets.").arg(name).arg(result.lines.size()));
            emit wheelMade(r.spec(), result.lines);
        } else {
            statusLabel_->setText(tr("Stopped; nothing was kept."));
        }
        break;
    case MakeOutcome::NothingFound:
    case MakeOutcome::Refused:
        statusLabel_->setText(result.message);
        break;
    case MakeOutcome::ProofFailed:
        statusLabel_->setText(result.message);
        AlertPanel::run(tr("Alert"), result.message);
        break;
    }
}

void WheelMakerWindow::closeEvent(QCloseEvent *event)
{
    // A running search keeps the window; Cancel stops it first.
    if (isSearching()) {
        event->ignore();
        return;
    }
    AuxWindow::closeEvent(event);
}
