// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <memory>

class QPlainTextEdit;
class QTextBrowser;
namespace Ui {
class Number;
class About;
class Wheels;
class Help;
class Text;
} // namespace Ui

// A small window of its own; its button 31018 closes (hides) it, and the next showing
// brings back the same window.
class AuxWindowController : public QWidget {
    Q_OBJECT
public:
    explicit AuxWindowController(QWidget *parent = nullptr);
    void showWindow();
    virtual void promptEvent(QObject *sender);

protected:
    void wireButtons();
};

class NumberWindowController : public AuxWindowController {
    Q_OBJECT
public:
    NumberWindowController(int &from, int &match, int &selectNo);
    ~NumberWindowController() override;
    void displayGUI();
    void promptEvent(QObject *sender) override;
    QObject *getGUIObject(int tag, QWidget *container = nullptr) const;

signals:
    void dodo(const QString &count);

private:
    std::unique_ptr<Ui::Number> ui_;
    int &gFrom;
    int &gMatch;
    int &gSelectNo;
};

class AboutWindowController : public AuxWindowController {
    Q_OBJECT
public:
    AboutWindowController();
    ~AboutWindowController() override;

private:
    std::unique_ptr<Ui::About> ui_;
};

class WheelsWindowController : public AuxWindowController {
    Q_OBJECT
public:
    WheelsWindowController();
    ~WheelsWindowController() override;

private:
    std::unique_ptr<Ui::Wheels> ui_;
};

class HelpWindowController : public AuxWindowController {
    Q_OBJECT
public:
    HelpWindowController();
    ~HelpWindowController() override;
    QTextBrowser *webView() const;
    // Loads the help page; the first showing calls it.
    void timerFired();
    bool loaded() const { return loaded_; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    std::unique_ptr<Ui::Help> ui_;
    bool loaded_ = false;
};

class TextWindowController : public AuxWindowController {
    Q_OBJECT
public:
    TextWindowController();
    ~TextWindowController() override;
    void displayText(const QString &text);
    QPlainTextEdit *a() const;

private:
    std::unique_ptr<Ui::Text> ui_;
};
