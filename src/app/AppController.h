// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The one controller of the main window. It owns, and defines in the folder named:
//   app/        run state, start-up, settings, page controls, reset, diagnostics
//   wheeldb/    the database connection, the lottery catalogue, the wheel list
//   selection/  the selection model, the number grid, tapping, summary, random pick
//   tickets/    ticket expansion, the two tables, saving the ticket file
//   commands/   the command dispatcher, step commands, tab navigation, exit
//   windows/    the Number, Help, About, Wheels and Text windows it opens
#pragma once

#include "Database.h"
#include "SelectionModel.h"
#include "Toolkit.h"

#include <QColor>
#include <QFuture>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <memory>

class QMainWindow;
class QTableView;
class QWidget;
class NumberButton;
class ListTableModel;
class NumberWindowController;
class HelpWindowController;
class AboutWindowController;
class WheelsWindowController;
class TextWindowController;
namespace Ui {
class MainWindow;
}

// The values every operation of a run shares.
struct RunState {
    QString gCountry_Global;     // chosen country; null until known
    QString glotteryname_Global; // chosen lottery; null until one is chosen
    int gFrom = 0;               // pool size of the chosen lottery, -1 when the last look-up found none
    int gMatch = 0;              // numbers on one ticket
    int gSelectNo = 0;           // count of chosen numbers
    int gKey_Global = 0;         // the key number; 0 until a first number is chosen
    QString gSelectString_Global;
    int gWheelType = 0;          // 0 type-a wheels, 1 key wheels
    QString gXyoption_Global;    // guarantee of the chosen wheel; null while none is taken
    int gFormatType = 0;         // ticket format 0..7
    int bChanged = 0;            // 1 when a lottery was chosen since the grid was last built
};

class AppController : public QObject, public KNSTabView::Delegate {
    Q_OBJECT
public:
    explicit AppController(QObject *parent = nullptr);
    ~AppController() override;

    // --- app/
    void applicationDidFinishLaunching();
    QMainWindow *window() const { return window_.get(); }
    void defaultLoadAppSetting();
    void defaultSaveAppSetting();
    void refreshGUIButton(int page);
    bool tableViewShouldEditTableColumn(QTableView *, int, int) const { return false; }
    QObject *getGUIObject(int tag, QWidget *container = nullptr) const;
    void reLoadView();
    void debugAlert(const QString &message);
    // Settings go to this file instead of the user's store (tests).
    static void setSettingsFile(const QString &path);
    // The database the start-up opens; empty means the one shipped beside the program.
    static void setDatabasePath(const QString &path);

    // --- wheeldb/
    bool openDatabase(const QString &path);
    void closeDatabase();
    QString getDocumentDirectory() const;
    void reloadLotteryTableFromDatabase(const QString &country);
    void searchFrommLotteryTable(const QString &country, const QString &lottery);
    void reloadwheels(int type);

    // --- selection/
    void createMutable();
    void clearMutable();
    void addNumber(int n);
    void removeNumber(int n);
    bool isInSelectedNumbers(int n) const;
    void createButtons();
    void clearButtons();
    void setButtonTextColor(NumberButton *button, const QString &fontName, float fontSize, const QColor &color);
    void tapped(QObject *sender);
    void displayNumbers(bool ascending);
    void dodo(const QString &count);
    void function1(int count);
    void setRandomSource(std::function<quint32()> source) { random_ = std::move(source); }

    // --- tickets/
    void reloadtickets();
    int numberOfRowsInTableView(const QTableView *table) const;
    QString tableViewObjectValue(const QTableView *table, int row) const;
    bool tableViewShouldSelectRow(QTableView *table, int row);
    void saveFileDidEnd(int code, const QString &path);
    void waitForSaves();

    // --- commands/
    void promptEvent(QObject *sender);
    bool tabViewShouldSelectTabViewItem(KNSTabView *tabView, int index) override;
    bool windowShouldClose();
    void closeApp();

    // State, open to the tests.
    RunState g;
    SelectionModel selection;
    QStringList listDataLottery;
    QStringList listWheel;
    QStringList listticket;
    QStringList aNSMutableArray;
    QStringList aNSMutableArray1;
    int iNumber = 0;
    int gSelectNo_AppDelegate = 0;
    int gIntTabNo_appDelegate = 0;
    bool isManual = false;
    KNSTabView *tabview1 = nullptr;
    KNSTabView *tabview2 = nullptr;
    QTableView *t2 = nullptr;
    QWidget *aView2 = nullptr;
    std::unique_ptr<NumberWindowController> vNumberWindowController;
    std::unique_ptr<HelpWindowController> vHelpWindowController;
    std::unique_ptr<AboutWindowController> vAboutWindowController;
    std::unique_ptr<WheelsWindowController> vWheelsWindowController;
    std::unique_ptr<TextWindowController> vTextWindowController;

private:
    friend class MainWindowCloseGuard;
    void connectControls();
    // Runs one entry point; a query that fails is told in an alert instead of ending the run.
    void guarded(const std::function<void()> &work);
    void xyOptionExtraction(int item);
    void goToPage(int page);
    void stepNext();
    void stepGenerate();
    void chooseCountry();
    void backspace();
    void clearSelection();
    void afterRemovalRefresh();
    void bringControlsUpToDate();
    bool sortSwitchOn() const;
    void showTextWindow();
    void showNumberWindow();
    void showHelpWindow();
    void showAboutWindow();
    void showWheelsWindow();
    void save();
    NumberButton *numberButton(int n) const;
    void placeGrid();

    std::unique_ptr<Ui::MainWindow> ui_;
    std::unique_ptr<QMainWindow> window_;
    ListTableModel *lotteryModel_ = nullptr;
    ListTableModel *ticketModel_ = nullptr;
    Database database;
    std::function<quint32()> random_;
    QList<QFuture<void>> saves_;
    bool quitting_ = false;
    bool programSelectsLottery_ = false;
};
