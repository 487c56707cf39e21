// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The small layer over Qt that the controller leans on: controls found by tag, the alert
// and save panels (with seams so tests can answer them), and where the bundle's files are.
#pragma once

#include <QObject>
#include <QString>
#include <QTabWidget>

#include <functional>

class QWidget;

// The tag a control carries in its layout (dynamic property "tag"); 0 when none.
int tagOf(const QObject *o);

// The first descendant of `container` whose tag is `tag`, when the tag lies in one of the
// control bands; nullptr otherwise.
QObject *findControl(int tag, QWidget *container);
// The first descendant carrying the tag, whatever its band (for number buttons and tests).
QWidget *findTagged(QWidget *container, int tag);

struct AlertRequest {
    QString title;
    QString message;
    QString defaultButton;
    QString alternateButton;
    QString otherButton;
};

// Modal alert: 1 for the default button, 0 the alternate, -1 the other.
class AlertPanel {
public:
    using Responder = std::function<int(const AlertRequest &)>;
    static int run(const QString &title, const QString &message, const QString &defaultButton,
                   const QString &alternateButton = QString(), const QString &otherButton = QString());
    // Tests answer every panel through this instead of a window.
    static void setResponder(Responder responder);

private:
    static Responder &responder();
};

// The window-modal save panel. `done` gets 1 and the chosen path, or 0 when cancelled.
class SavePanel {
public:
    using Done = std::function<void(int code, const QString &path)>;
    using Responder = std::function<void(const Done &)>;
    static void begin(QWidget *window, const QString &proposedName, const Done &done);
    static void setResponder(Responder responder);

private:
    static Responder &responder();
};

// Files shipped beside the program: the wheel database and the help page.
QString bundleResourcePath(const QString &name);

// A tab view with an integer tag that asks its delegate before every change of item,
// whether a click, a key or the program asks for it.
class KNSTabView : public QTabWidget {
    Q_OBJECT
public:
    class Delegate {
    public:
        virtual ~Delegate() = default;
        virtual bool tabViewShouldSelectTabViewItem(KNSTabView *tabView, int index) = 0;
    };

    explicit KNSTabView(QWidget *parent = nullptr);
    void setTag(int tag)
    {
        tag_ = tag;
        setProperty("tag", tag);
    }
    int getTag() const { return tag_; }
    void setDelegate(Delegate *d) { delegate_ = d; }
    void selectTabViewItemAtIndex(int index);
    QString selectedIdentifier() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    int tag_ = 0;
    Delegate *delegate_ = nullptr;
};

// Diagnostic line on standard error: "thread/function (file:line) message".
void DebugLog(const char *file, int line, const char *function, const QString &message);
