// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>

#include <functional>
#include <memory>

class LotteryPage;
class NumberPage;
class WheelPage;
class TicketPage;
namespace Ui {
class MainWindow;
}

// The main window: the four pages as steps of one tab view, the step buttons under them
// and the menus. The player cannot pick a page from the tabs; the step buttons move on.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    enum Page { LotteryStep = 0, NumberStep = 1, WheelStep = 2, TicketStep = 3 };

    MainWindow();
    ~MainWindow() override;

    LotteryPage *lotteryPage() const { return lotteryPage_; }
    // The later pages, made on first use (see makeLaterPages()).
    NumberPage *numberPage();
    WheelPage *wheelPage();
    TicketPage *ticketPage();

    Page page() const;
    // Shows the page and the step buttons that belong to it.
    void moveTo(Page page);
    void centreOnScreen();
    // Asked before the window closes, unless closing was already confirmed.
    void setCloseGuard(std::function<bool()> guard) { closeGuard_ = std::move(guard); }
    void closeConfirmed();
    // Ticks `code` ("de", "en") in the Language menu.
    void showLanguage(const QString &code);

signals:
    void previousClicked();
    void nextClicked();
    void generateClicked();
    void startOverClicked();
    void aboutRequested();
    void wheelsRequested();
    void helpRequested();
    void exitRequested();
    void openRequested();
    void printRequested();
    void printPreviewRequested();
    void exportPdfRequested();
    void exportCsvRequested();
    // The player chose a language in the Language menu: "de", "pt_BR", "en".
    void languageChosen(const QString &code);
    // Once, when the window has been painted for the first time (after the paint is done):
    // start-up work the first page does not need waits for it.
    void firstPainted();
    // Once, when the number, wheel and ticket pages have been made: their wiring goes here.
    void laterPagesMade();

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    // Return and Enter press the default step button when no control takes them.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void showStepButtons(Page page);
    // Makes the number, wheel and ticket pages, once; placeLaterPages() then puts them in
    // place of their stand-ins in the tabs.
    void makeLaterPages();
    void placeLaterPages();
    void replaceStandIn(Page step, QWidget *page);
    void makeLanguageMenu();

    std::unique_ptr<Ui::MainWindow> ui_;
    LotteryPage *lotteryPage_;
    NumberPage *numberPage_ = nullptr;
    WheelPage *wheelPage_ = nullptr;
    TicketPage *ticketPage_ = nullptr;
    std::function<bool()> closeGuard_;
    bool closeConfirmed_ = false;
    bool painted_ = false;
    bool laterPagesPlaced_ = false;
};
