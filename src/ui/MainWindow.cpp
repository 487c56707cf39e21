// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/MainWindow.h"

#include "ui/Language.h"
#include "ui/LotteryPage.h"
#include "ui/NumberPage.h"
#include "ui/TicketPage.h"
#include "ui/WheelPage.h"
#include "ui_MainWindow.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>

MainWindow::MainWindow() : ui_(std::make_unique<Ui::MainWindow>()), lotteryPage_(new LotteryPage)
{
    ui_->setupUi(this);
    replaceStandIn(LotteryStep, lotteryPage_);
    // The later pages are made once the window has painted, or when something asks for them
    // first: the first showing waits only for the lottery page. Until then their tabs hold
    // empty stand-ins with their titles.
    connect(this, &MainWindow::firstPainted, this,
            [this] { QTimer::singleShot(0, this, &MainWindow::placeLaterPages); });
    // The pages are steps: only the step buttons move between them.
    ui_->mainTabs->setGuard([](int) { return false; });

    connect(ui_->previousButton, &QAbstractButton::clicked, this, &MainWindow::previousClicked);
    connect(ui_->nextButton, &QAbstractButton::clicked, this, &MainWindow::nextClicked);
    connect(ui_->generateButton, &QAbstractButton::clicked, this, &MainWindow::generateClicked);
    connect(ui_->startOverButton, &QAbstractButton::clicked, this, &MainWindow::startOverClicked);
    connect(ui_->aboutButton, &QAbstractButton::clicked, this, &MainWindow::aboutRequested);
    connect(ui_->aboutAction, &QAction::triggered, this, &MainWindow::aboutRequested);
    connect(ui_->wheelsButton, &QAbstractButton::clicked, this, &MainWindow::wheelsRequested);
    connect(ui_->wheelsAction, &QAction::triggered, this, &MainWindow::wheelsRequested);
    connect(ui_->helpButton, &QAbstractButton::clicked, this, &MainWindow::helpRequested);
    connect(ui_->helpAction, &QAction::triggered, this, &MainWindow::helpRequested);
    connect(ui_->exitAction, &QAction::triggered, this, &MainWindow::exitRequested);
    connect(ui_->openAction, &QAction::triggered, this, &MainWindow::openRequested);
    connect(ui_->printAction, &QAction::triggered, this, &MainWindow::printRequested);
    connect(ui_->printPreviewAction, &QAction::triggered, this, &MainWindow::printPreviewRequested);
    connect(ui_->exportPdfAction, &QAction::triggered, this, &MainWindow::exportPdfRequested);
    connect(ui_->exportCsvAction, &QAction::triggered, this, &MainWindow::exportCsvRequested);
    makeLanguageMenu();
    showStepButtons(LotteryStep);
}

void MainWindow::makeLanguageMenu()
{
    // Between File and Help; each language by its own name, so a player finds his own in any.
    auto *menu = new QMenu(tr("&Language"), this);
    menu->setObjectName(QStringLiteral("languageMenu"));
    menuBar()->insertMenu(ui_->helpMenu->menuAction(), menu);
    auto *group = new QActionGroup(menu);
    for (const WindowLanguage &language : windowLanguages()) {
        QAction *action = menu->addAction(language.name);
        action->setCheckable(true);
        action->setData(language.code);
        action->setChecked(language.code == currentWindowLanguage());
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, code = language.code] { emit languageChosen(code); });
    }
}

void MainWindow::showLanguage(const QString &code)
{
    if (auto *menu = findChild<QMenu *>(QStringLiteral("languageMenu")))
        for (QAction *action : menu->actions())
            action->setChecked(action->data().toString() == code);
}

MainWindow::~MainWindow() = default;

MainWindow::Page MainWindow::page() const
{
    return static_cast<Page>(ui_->mainTabs->currentIndex());
}

NumberPage *MainWindow::numberPage()
{
    makeLaterPages();
    return numberPage_;
}

WheelPage *MainWindow::wheelPage()
{
    makeLaterPages();
    return wheelPage_;
}

TicketPage *MainWindow::ticketPage()
{
    makeLaterPages();
    return ticketPage_;
}

void MainWindow::makeLaterPages()
{
    if (numberPage_)
        return;
    // Children in this order keep the keyboard's order. They wait beside the tabs, hidden,
    // until placeLaterPages() puts them in.
    numberPage_ = new NumberPage(this);
    wheelPage_ = new WheelPage(this);
    ticketPage_ = new TicketPage(this);
    for (QWidget *page :
         {static_cast<QWidget *>(numberPage_), static_cast<QWidget *>(wheelPage_), static_cast<QWidget *>(ticketPage_)})
        page->hide();
    connect(wheelPage_, &WheelPage::wheelsInfoRequested, this, &MainWindow::wheelsRequested);
    ticketPage_->setActive(page() == TicketStep);
    emit laterPagesMade();
}

void MainWindow::replaceStandIn(Page step, QWidget *page)
{
    PageTabs *tabs = ui_->mainTabs;
    QWidget *standIn = tabs->widget(step);
    const bool shown = tabs->currentIndex() == step;
    // In before the stand-in goes, so the page shown stays the page of this step.
    tabs->insertTab(step, page, tabs->tabText(step));
    if (shown)
        tabs->moveTo(step);
    tabs->removeTab(step + 1);
    delete standIn;
}

void MainWindow::placeLaterPages()
{
    if (laterPagesPlaced_)
        return;
    laterPagesPlaced_ = true;
    makeLaterPages();
    // Only stand-ins after the page shown are replaced, so the tabs' current page never changes.
    replaceStandIn(NumberStep, numberPage_);
    replaceStandIn(WheelStep, wheelPage_);
    replaceStandIn(TicketStep, ticketPage_);
}

void MainWindow::moveTo(Page page)
{
    if (page != LotteryStep)
        placeLaterPages();
    ui_->mainTabs->moveTo(page);
    showStepButtons(page);
}

void MainWindow::showStepButtons(Page page)
{
    ui_->previousButton->setVisible(page != LotteryStep);
    ui_->nextButton->setVisible(page == LotteryStep || page == NumberStep);
    ui_->generateButton->setVisible(page == WheelStep);
    ui_->startOverButton->setVisible(page == TicketStep);
    ui_->nextButton->setDefault(page == LotteryStep || page == NumberStep);
    ui_->generateButton->setDefault(page == WheelStep);
    if (ticketPage_)
        ticketPage_->setActive(page == TicketStep);
    // Printing and exporting take the tickets shown, so they work while the tickets are.
    for (QAction *a : {ui_->printAction, ui_->printPreviewAction, ui_->exportPdfAction, ui_->exportCsvAction})
        a->setEnabled(page == TicketStep);
}

void MainWindow::centreOnScreen()
{
    QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QSize size = this->size().boundedTo(area.size());
    resize(size);
    move(area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2);
}

void MainWindow::closeConfirmed()
{
    closeConfirmed_ = true;
}

bool MainWindow::event(QEvent *event)
{
    if (event->type() == QEvent::Paint && !painted_) {
        painted_ = true;
        // The children paint in the same pass; the signal goes once all of it is done.
        QTimer::singleShot(0, this, &MainWindow::firstPainted);
    }
    return QMainWindow::event(event);
}

void MainWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        for (QPushButton *b : {ui_->nextButton, ui_->generateButton})
            if (b->isDefault() && b->isVisible() && b->isEnabled()) {
                b->click();
                event->accept();
                return;
            }
    }
    QMainWindow::keyPressEvent(event);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!closeConfirmed_ && closeGuard_ && !closeGuard_()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}
