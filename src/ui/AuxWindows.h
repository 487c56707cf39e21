// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The small windows beside the main one. Each is made on first use and kept: closing hides
// it, and the next showing brings back the same window.
#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class NumberWindow;
class AboutWindow;
class WheelsWindow;
class HelpWindow;
class TextWindow;
} // namespace Ui

// A dialog to screen readers and window managers, though it never blocks the main window.
class AuxWindow : public QDialog {
    Q_OBJECT
public:
    explicit AuxWindow(QWidget *parent = nullptr);
    void showWindow();
};

// Asks how many numbers the random pick draws.
class NumberWindow : public AuxWindow {
    Q_OBJECT
public:
    NumberWindow();
    ~NumberWindow() override;
    // Offers counts from what is still needed for a wheel (at least 1) up to what is free.
    void offerCounts(int poolSize, int pick, int chosen);

signals:
    void countChosen(int count);

private:
    void confirm();

    std::unique_ptr<Ui::NumberWindow> ui_;
};

class AboutWindow : public AuxWindow {
    Q_OBJECT
public:
    AboutWindow();
    ~AboutWindow() override;

private:
    std::unique_ptr<Ui::AboutWindow> ui_;
};

class WheelsWindow : public AuxWindow {
    Q_OBJECT
public:
    WheelsWindow();
    ~WheelsWindow() override;

private:
    std::unique_ptr<Ui::WheelsWindow> ui_;
};

// The help page, loaded when the window is first shown.
class HelpWindow : public AuxWindow {
    Q_OBJECT
public:
    HelpWindow();
    ~HelpWindow() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    std::unique_ptr<Ui::HelpWindow> ui_;
    bool loaded_ = false;
};

// The ticket file's text, as it would be saved.
class TextWindow : public AuxWindow {
    Q_OBJECT
public:
    TextWindow();
    ~TextWindow() override;
    void showText(const QString &text);

private:
    std::unique_ptr<Ui::TextWindow> ui_;
};
