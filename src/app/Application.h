// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The application object: it opens the wheel database, makes the main window with its four
// pages and the small windows, and carries the player from page to page:
//   lottery page  - a country and a lottery (remembered in the settings; LotteryChoice)
//   number page   - the numbers, the first one the key
//   wheel page    - a wheel for that many numbers, of either type, and a ticket format
//                   (the shipped wheels and the player's own library; WheelStore)
//   ticket page   - the tickets, saved or shown as text; checked against a draw, opened from
//                   a file, printed and exported (AfterDraw)
// What each step checks before it moves on is in next() and makeTickets().
#pragma once

#include "app/WheelStore.h"
#include "core/Catalogue.h"
#include "core/Database.h"
#include "core/Play.h"
#include "core/PlayerLotteries.h"
#include "core/Settings.h"

#include <QObject>

#include <memory>
#include <optional>

class MainWindow;
class NumberWindow;
class AboutWindow;
class WheelsWindow;
class HelpWindow;
class TextWindow;
class TicketSaver;
class WheelMakerWindow;
class LotteryChoice;
class PlayReview;
class DrawCheckWindow;
class AfterDraw;

class Application : public QObject {
    Q_OBJECT
public:
    // `databasePath` empty: the database shipped beside the program. `ownWheelsPath` empty:
    // the player's own wheel library in the user's data folder.
    explicit Application(const QString &databasePath = QString(), const QString &ownWheelsPath = QString());
    ~Application() override;

    // When start() opens the player's own wheel library: with the rest, so that what it tells
    // comes with the start; or once the window has painted, so that the first window never
    // waits for it (the program's own start). Either way it opens at once when first needed.
    enum class Library { AtStart, AfterFirstPaint };
    // Opens the database, restores the remembered lottery and readies the lottery page.
    void start(Library library = Library::AtStart);
    MainWindow *mainWindow() const { return window_.get(); }
    // The small windows, made on first use (tests look at them).
    NumberWindow *numberWindow();
    TextWindow *textWindow();
    AboutWindow *aboutWindow();
    WheelsWindow *wheelsWindow();
    HelpWindow *helpWindow();
    WheelMakerWindow *wheelMakerWindow();
    DrawCheckWindow *drawCheckWindow();
    // The comparison of wheels and the draw histories.
    PlayReview *review() const { return review_.get(); }
    // Waits for the saves still running and tells their failures.
    void finishSaves();

private:
    void connectPages();
    // The number, wheel and ticket pages are made after the first paint, or on first use.
    void connectLaterPages();
    void connectAfterDraw();
    // Keeps the language chosen in the Language menu; the window speaks it from the next start.
    void chooseLanguage(const QString &code);
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

    Database database_;
    PlayerLotteries playerLotteries_; // beside the own wheel library
    Catalogue catalogue_{database_, &playerLotteries_};
    Settings settings_;
    WheelStore wheels_;
    QString databasePath_;
    std::unique_ptr<MainWindow> window_;
    std::unique_ptr<NumberWindow> numberWindow_;
    std::unique_ptr<TextWindow> textWindow_;
    std::unique_ptr<AboutWindow> aboutWindow_;
    std::unique_ptr<WheelsWindow> wheelsWindow_;
    std::unique_ptr<HelpWindow> helpWindow_;
    std::unique_ptr<WheelMakerWindow> wheelMakerWindow_;
    TicketSaver *saver_;
    std::unique_ptr<AfterDraw> afterDraw_;
    std::unique_ptr<PlayReview> review_;
    std::unique_ptr<LotteryChoice> lotteries_; // the country and lottery chosen, and their window

    PlayedLottery lottery_; // the lottery on the number page, with its facts
};
