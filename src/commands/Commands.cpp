// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The controller's commands: one dispatcher for buttons, menu items, combo boxes and the
// format matrix; the step commands through the four pages; tab navigation; exit.
#include "AppController.h"

#include "Expansion.h"
#include "TableModels.h"
#include "WheelEntry.h"
#include "Widgets.h"
#include "Windows.h"
#include "ui_MainWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QTableView>

void AppController::connectControls()
{
    const auto buttons = window_->findChildren<QAbstractButton *>();
    for (QAbstractButton *b : buttons)
        if (tagOf(b) != 0 && !qobject_cast<FormatMatrix *>(b->parentWidget()))
            connect(b, &QAbstractButton::clicked, this, [this, b] { promptEvent(b); });
    const auto boxes = window_->findChildren<QComboBox *>();
    for (QComboBox *box : boxes)
        connect(box, &QComboBox::activated, this, [this, box] { promptEvent(box); });
    const auto actions = window_->findChildren<QAction *>();
    for (QAction *a : actions)
        if (tagOf(a) != 0)
            connect(a, &QAction::triggered, this, [this, a] { promptEvent(a); });
    connect(ui_->formatMatrix, &FormatMatrix::activated, this, [this] { promptEvent(ui_->formatMatrix); });
    // Help opens like the other windows, from its button and its menu item.
    connect(ui_->helpButton, &QAbstractButton::clicked, this, [this] { showHelpWindow(); });
    connect(ui_->helpAction, &QAction::triggered, this, [this] { showHelpWindow(); });
    // A lottery row chosen by the player, by mouse or keys; rows the program selects do not count.
    connect(ui_->lotteryTable->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                if (!programSelectsLottery_ && current.isValid())
                    guarded([&] { tableViewShouldSelectRow(ui_->lotteryTable, current.row()); });
            });
    connect(ui_->lotteryTable, &QAbstractItemView::pressed, this, [this](const QModelIndex &index) {
        if (index.isValid())
            guarded([&] { tableViewShouldSelectRow(ui_->lotteryTable, index.row()); });
    });
}

void AppController::promptEvent(QObject *sender)
{
    guarded([&] {
        const int tag = tagOf(sender);
        if (auto *matrix = qobject_cast<FormatMatrix *>(sender)) {
            if (tag == 32400)
                g.gFormatType = 4 * matrix->selectedRow() + matrix->selectedColumn();
        } else if (qobject_cast<QAction *>(sender)) {
            switch (tag) {
            case 32500: showAboutWindow(); break;
            case 32501: showWheelsWindow(); break;
            case 32502:
                if (AlertPanel::run(QStringLiteral("Reminder"), QStringLiteral("Are you sure to exit?"),
                                    QStringLiteral("Ok"), QStringLiteral("Cancel")) > 0)
                    closeApp();
                break;
            default: break;
            }
        } else if (qobject_cast<QAbstractButton *>(sender)) {
            switch (tag) {
            case 31001: showAboutWindow(); break;
            case 31002:
            case 31030: showWheelsWindow(); break;
            case 31009: backspace(); break;
            case 31010: save(); break;
            case 31015:
                goToPage(0);
                refreshGUIButton(0);
                break;
            case 31021:
                goToPage(gIntTabNo_appDelegate - 1);
                refreshGUIButton(gIntTabNo_appDelegate);
                break;
            case 31022: stepNext(); break;
            case 31023: stepGenerate(); break;
            case 31025: clearSelection(); break;
            case 31026: showNumberWindow(); break;
            case 31027: showTextWindow(); break;
            case 31029:
                displayNumbers(sortSwitchOn());
                g.bChanged = 0;
                break;
            default: break;
            }
        } else if (qobject_cast<QComboBox *>(sender)) {
            switch (tag) {
            case 40100: chooseCountry(); break;
            case 40101: xyOptionExtraction(0); break;
            case 40102: xyOptionExtraction(1); break;
            default: break;
            }
        }
    });
}

void AppController::backspace()
{
    if (selection.nosortedarray.isEmpty()) {
        AlertPanel::run(QStringLiteral("Alert"), QStringLiteral("No number to be backspaced"), QStringLiteral("Ok"),
                        QString(), QString());
        return;
    }
    const int n = selection.nosortedarray.constLast().getValue();
    if (NumberButton *b = numberButton(n)) {
        b->setLook(QStringLiteral("framehh.png"));
        setButtonTextColor(b, QStringLiteral("Verdana"), 20.0f, Qt::black);
    }
    removeNumber(n);
    afterRemovalRefresh();
}

void AppController::clearSelection()
{
    if (AlertPanel::run(QStringLiteral("Alert"), QStringLiteral("Are you sure to clear all selected numbers?"),
                        QStringLiteral("Ok"), QStringLiteral("Cancel"), QString()) > 0) {
        reLoadView();
        afterRemovalRefresh();
    }
}

void AppController::afterRemovalRefresh()
{
    // Unlike tapping, an emptied selection leaves the total label as it was.
    bringControlsUpToDate();
}

void AppController::goToPage(int page)
{
    gIntTabNo_appDelegate = page;
    isManual = true;
    tabview1->selectTabViewItemAtIndex(page);
    isManual = false;
}

void AppController::stepNext()
{
    const int t = gIntTabNo_appDelegate;
    if (t == 0 && gSelectNo_AppDelegate == -1) {
        AlertPanel::run(QStringLiteral("Reminder"), QStringLiteral("Please select a lottery"), QStringLiteral("Ok"));
        return;
    }
    if (t == 1 && g.gMatch + 1 > g.gSelectNo) {
        AlertPanel::run(QStringLiteral("Reminder"),
                        QStringLiteral("You should select at least %1 numbers").arg(g.gMatch + 1), QStringLiteral("Ok"));
        return;
    }
    goToPage(t + 1);
    if (t + 1 == 1) {
        if (auto *l = qobject_cast<QLabel *>(getGUIObject(36001)))
            l->setText(g.glotteryname_Global);
        for (int tag : {31009, 31025})
            if (auto *w = qobject_cast<QWidget *>(getGUIObject(tag)))
                w->setEnabled(false);
        if (g.bChanged == 1) {
            if (auto *field = qobject_cast<QLineEdit *>(getGUIObject(35000)))
                field->setText(QString());
            if (auto *total = qobject_cast<QLabel *>(getGUIObject(35001)))
                total->setText(QStringLiteral("Total Numbers:%1").arg(selection.count()));
            if (auto *l = qobject_cast<QLabel *>(getGUIObject(36005)))
                l->setText(g.glotteryname_Global);
            clearButtons();
            searchFrommLotteryTable(g.gCountry_Global, listDataLottery.value(gSelectNo_AppDelegate));
            iNumber = g.gFrom;
            createMutable();
            createButtons();
            g.bChanged = 0;
        }
    } else if (t + 1 == 2) {
        const int type = tabview2->selectedIdentifier() == QLatin1String("0") ? 0 : 1;
        g.gWheelType = type;
        reloadwheels(type);
        xyOptionExtraction(type);
    }
    refreshGUIButton(gIntTabNo_appDelegate);
}

void AppController::stepGenerate()
{
    if (g.gXyoption_Global.isNull()) {
        AlertPanel::run(QStringLiteral("Notice"), QStringLiteral("You must select a xy option!!"), QStringLiteral("Ok"));
        return;
    }
    reloadtickets();
    goToPage(gIntTabNo_appDelegate + 1);
    refreshGUIButton(gIntTabNo_appDelegate);
    if (auto *l = qobject_cast<QLabel *>(getGUIObject(36007)))
        l->setText(QStringLiteral("Total Tickets:%1").arg(listticket.size()));
    if (auto *l = qobject_cast<QLabel *>(getGUIObject(36006)))
        l->setText(g.glotteryname_Global);
}

void AppController::chooseCountry()
{
    auto *box = qobject_cast<QComboBox *>(getGUIObject(40100));
    if (!box)
        return;
    g.gCountry_Global = box->currentText();
    reloadLotteryTableFromDatabase(g.gCountry_Global);
    lotteryModel_->reloadData();
    box->clearFocus();
    programSelectsLottery_ = true;
    ui_->lotteryTable->clearSelection();
    gSelectNo_AppDelegate = -1;
    if (!listDataLottery.isEmpty())
        ui_->lotteryTable->selectRow(0);
    programSelectsLottery_ = false;
    // The first lottery of the new country is the one shown chosen, so it is the one the
    // next page works with (not the lottery of the previous country).
    if (!listDataLottery.isEmpty())
        tableViewShouldSelectRow(ui_->lotteryTable, 0);
    defaultSaveAppSetting();
}

void AppController::xyOptionExtraction(int item)
{
    QWidget *view = tabview2->widget(item);
    const auto *list = qobject_cast<QComboBox *>(getGUIObject(item == 0 ? 40101 : 40102, view));
    // A list that never showed a wheel holds no "Tickets:": no xy option is taken then.
    const auto xy = list ? xyOptionOf(list->currentText()) : std::nullopt;
    g.gXyoption_Global = xy ? *xy : QString();
}

bool AppController::tabViewShouldSelectTabViewItem(KNSTabView *tabView, int)
{
    if (tabView->getTag() == 39000) {
        const bool answer = isManual;
        isManual = false;
        return answer;
    }
    if (tabView->getTag() == 39001) {
        bool allowed = true;
        guarded([&] {
            const int type = tabView->selectedIdentifier() == QLatin1String("1") ? 0 : 1;
            g.gWheelType = type;
            reloadwheels(type);
            xyOptionExtraction(type);
            refreshGUIButton(gIntTabNo_appDelegate);
        });
        return allowed;
    }
    return true;
}

bool AppController::windowShouldClose()
{
    if (AlertPanel::run(QStringLiteral("Reminder"), QStringLiteral("Are you sure to exit?"), QStringLiteral("Ok"),
                        QStringLiteral("Cancel")) > 0) {
        closeApp();
        return true;
    }
    return false;
}

void AppController::closeApp()
{
    quitting_ = true;
    waitForSaves();
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

void AppController::showAboutWindow()
{
    if (!vAboutWindowController)
        vAboutWindowController = std::make_unique<AboutWindowController>();
    vAboutWindowController->showWindow();
}

void AppController::showWheelsWindow()
{
    if (!vWheelsWindowController)
        vWheelsWindowController = std::make_unique<WheelsWindowController>();
    vWheelsWindowController->showWindow();
}

void AppController::showHelpWindow()
{
    if (!vHelpWindowController)
        vHelpWindowController = std::make_unique<HelpWindowController>();
    vHelpWindowController->showWindow();
}

void AppController::showNumberWindow()
{
    if (!vNumberWindowController) {
        vNumberWindowController = std::make_unique<NumberWindowController>(g.gFrom, g.gMatch, g.gSelectNo);
        connect(vNumberWindowController.get(), &NumberWindowController::dodo, this,
                [this](const QString &count) { guarded([&] { dodo(count); }); });
    }
    vNumberWindowController->showWindow();
    vNumberWindowController->displayGUI();
}

void AppController::showTextWindow()
{
    const QString text = ticketText(g.gCountry_Global, g.glotteryname_Global, g.gKey_Global, listticket);
    if (!vTextWindowController)
        vTextWindowController = std::make_unique<TextWindowController>();
    vTextWindowController->showWindow();
    vTextWindowController->displayText(text);
}
