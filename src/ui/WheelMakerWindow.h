// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/WheelMaker.h"
#include "ui/AuxWindows.h"

#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;

// Makes a wheel for the player's numbers: the guarantee and type, a bound on the tickets
// and a time budget; shows the lower bound before starting, then the best count so far
// and the time left. The search runs off the window's thread and can be cancelled at any
// moment; only a proven wheel is ever offered.
class WheelMakerWindow : public AuxWindow {
    Q_OBJECT
public:
    WheelMakerWindow();
    ~WheelMakerWindow() override;

    // A fresh request for this pick and count of numbers; `key` chooses key wheels.
    void offer(int pick, int numbers, bool key);
    bool isSearching() const;
    // Tells the tickets of the wheel the player's library already holds for a request, 0
    // when it holds none; that wheel is shown before a search, which keeps a new one only
    // when it has fewer tickets.
    void setStoredLookup(std::function<std::size_t(const wheel::WheelSpec &)> lookup) { stored_ = std::move(lookup); }
    // The wheel database and library the maker starts from (by default the shipped database
    // and the player's library); the wheel the database holds for a request is offered at once.
    void setWheelFiles(const QString &databasePath, const QString &libraryPath);

signals:
    // A proven wheel the player took.
    void wheelMade(const wheel::WheelSpec &spec, const std::vector<wheel::Line> &lines);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    MakeRequest request() const;
    void showBound();
    void startSearch();
    void cancelSearch();
    void showProgress(const MakeProgress &progress);
    void finish(const MakeResult &result);
    void setSearching(bool searching);

    int pick_ = 0;
    int numbers_ = 0;
    std::unique_ptr<WheelMaker> maker_;
    QLabel *numbersLabel_;
    QSpinBox *x_;
    QSpinBox *y_;
    QComboBox *type_;
    QSpinBox *mostTickets_;
    QSpinBox *seconds_;
    QLabel *boundLabel_;
    QProgressBar *progress_;
    QLabel *statusLabel_;
    QPushButton *startButton_;
    QPushButton *cancelButton_;
    QPushButton *closeButton_;
    bool cancelledByPlayer_ = false;
    bool searching_ = false; // from Start until the result is shown
    std::function<std::size_t(const wheel::WheelSpec &)> stored_;
    QString databasePath_;
    QString libraryPath_;
    bool heldShown_ = false; // the status tells of a wheel held for the request
};
