// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The application object: it opens the wheel database, makes the main window with its four
// pages and the small windows, and carries the player from page to page:
//   lottery page  - a country and a lottery (remembered in the settings)
//   number page   - the numbers, the first one the key
//   wheel page    - a wheel for that many numbers, of either type, and a ticket format
//   ticket page   - the tickets, saved or shown as text
// What each step checks before it moves on is in next() and makeTickets().
#pragma once

#include "core/Catalogue.h"
#include "core/Database.h"
#include "core/OwnWheels.h"
#include "core/Play.h"
#include "core/Settings.h"
#include "core/WheelShelf.h"

#include <QObject>
#include <QStringList>

#include <functional>
#include <memory>

class MainWindow;
class NumberWindow;
class AboutWindow;
class WheelsWindow;
class HelpWindow;
class TextWindow;
class TicketSaver;
class WheelMakerWindow;
class DrawCheckWindow;

class Application : public QObject {
    Q_OBJECT
public:
    // `databasePath` empty: the database shipped beside the program. `ownWheelsPath` empty:
    // the player's own wheel library in the user's data folder.
    explicit Application(const QString &databasePath = QString(), const QString &ownWheelsPath = QString());
    ~Application() override;

    // Opens the database, restores the remembered lottery and shows the lottery page.
    void start();
    MainWindow *mainWindow() const { return window_.get(); }
    // The small windows, made on first use (tests look at them).
    NumberWindow *numberWindow();
    TextWindow *textWindow();
    AboutWindow *aboutWindow();
    WheelsWindow *wheelsWindow();
    HelpWindow *helpWindow();
    WheelMakerWindow *wheelMakerWindow();
    DrawCheckWindow *drawCheckWindow();
    // Waits for the saves still running and tells their failures.
    void finishSaves();

private:
    void connectPages();
    // Runs one step of the player's; a query that fails is told instead of ending the run.
    void guarded(const std::function<void()> &work);
    void chooseCountry(const QString &country);
    void chooseLottery(int row);
    void next();
    void previous();
    void makeTickets();
    void showWheels(WheelType type, const std::optional<WheelOffer> &choose = std::nullopt);
    // The lines of a listed wheel; tells what the own library set aside while reading them.
    WheelLines linesOf(const WheelOffer &wheel);
    void makeWheel();
    void keepOwnWheel(const wheel::WheelSpec &spec, const std::vector<wheel::Line> &lines);
    void pickAtRandom();
    void save();
    void showText();
    bool confirmExit();
    void quit();

    // After the draw: checking the tickets, opening a saved file, printing and exporting.
    void connectAfterDraw();
    void checkDraw();
    // Gives the draw window the tickets shown and their lottery's facts.
    void loadDrawWindow();
    const TicketSheet &sheet() const;
    void openTickets();
    void openFile(const QString &path);
    void printTickets(bool preview);
    void exportPdf();
    void exportCsv();

    Database database_;
    Catalogue catalogue_{database_};
    Settings settings_;
    OwnWheels ownWheels_;
    WheelShelf shelf_{catalogue_, &ownWheels_};
    QString ownWheelsPath_;
    QString databasePath_;
    std::unique_ptr<MainWindow> window_;
    std::unique_ptr<NumberWindow> numberWindow_;
    std::unique_ptr<TextWindow> textWindow_;
    std::unique_ptr<AboutWindow> aboutWindow_;
    std::unique_ptr<WheelsWindow> wheelsWindow_;
    std::unique_ptr<HelpWindow> helpWindow_;
    std::unique_ptr<WheelMakerWindow> wheelMakerWindow_;
    std::unique_ptr<DrawCheckWindow> drawCheckWindow_;
    TicketSaver *saver_;

    QString country_;          // the country shown
    QString lotteryName_;      // the lottery chosen or remembered; null until there is one
    int lotteryRow_ = -1;      // its row in the list; -1 while none is chosen
    bool gridIsStale_ = false; // a lottery was chosen since the number grid was built
    PlayedLottery lottery_;    // the lottery on the number page, with its facts
};
