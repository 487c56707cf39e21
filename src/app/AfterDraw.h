// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <memory>

class Catalogue;
class DrawCheckWindow;
class MainWindow;
class TicketSaver;
struct TicketSheet;

// What the player does with tickets once they are made: checks them against a draw, opens a
// saved ticket file, prints them, exports them as PDF or CSV. Each works on the tickets the
// ticket page shows.
class AfterDraw : public QObject {
    Q_OBJECT
public:
    AfterDraw(MainWindow *window, const Catalogue &catalogue, TicketSaver *saver);
    ~AfterDraw() override;

    // Made on first use (tests look at it).
    DrawCheckWindow *drawCheckWindow();
    void checkDraw();
    // The tickets shown changed: a draw window left open checks the new ones.
    void followNewTickets();
    void openTickets();
    void openFile(const QString &path);
    void print(bool preview);
    void exportPdf();
    void exportCsv();

private:
    const TicketSheet &sheet() const;
    // Gives the draw window the tickets shown and their lottery's facts.
    void loadDrawWindow();

    MainWindow *window_;
    const Catalogue &catalogue_;
    TicketSaver *saver_;
    std::unique_ptr<DrawCheckWindow> drawCheckWindow_;
};
