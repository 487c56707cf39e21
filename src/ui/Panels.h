// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The program's modal panels. Both can be answered by a test instead of a window, so no
// test waits on a dialog.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

struct AlertRequest {
    QString title; // "Alert", "Notice" or "Reminder"
    QString message;
    QString defaultButton;
    QString alternateButton;
    QString otherButton;
};

// Modal alert: 1 for the default button, 0 the alternate, -1 the other.
class AlertPanel {
public:
    using Responder = std::function<int(const AlertRequest &)>;
    static int run(const QString &title, const QString &message, const QString &defaultButton = QStringLiteral("Ok"),
                   const QString &alternateButton = QString(), const QString &otherButton = QString());
    // True when the player confirmed the question with the default button.
    static bool confirm(const QString &title, const QString &message)
    {
        return run(title, message, QStringLiteral("Ok"), QStringLiteral("Cancel")) > 0;
    }
    static void setResponder(Responder responder);
};

// What a save panel asks for.
struct SaveRequest {
    QString title;        // "Save tickets"
    QString proposedName; // without its suffix: "lottery"
    QString filter;       // "Text files (*.txt)"
    QString suffix;       // "txt", added to the name proposed
};

// The window-modal save panel. `done` gets the chosen path, or an empty text when cancelled.
class SavePanel {
public:
    using Done = std::function<void(const QString &path)>;
    using Responder = std::function<void(const Done &)>;
    // A responder that also sees what the panel was asked for.
    using RequestResponder = std::function<void(const SaveRequest &, const Done &)>;
    static void ask(QWidget *window, const QString &proposedName, const Done &done);
    // The same panel for another kind of file: `filter` "PDF files (*.pdf)", `suffix` "pdf".
    // Tests answer it through the same responder.
    static void askFor(QWidget *window, const QString &title, const QString &proposedName, const QString &filter,
                       const QString &suffix, const Done &done);
    static void setResponder(Responder responder);
    static void setRequestResponder(RequestResponder responder);
};

// What an open panel asks for: its title and the kinds of file it offers, first the one shown.
struct OpenRequest {
    QString title;       // "Open tickets"
    QStringList filters; // "Ticket files (*.txt)", "All files (*)"
};

// The window-modal open panel. `done` gets the chosen path, or an empty text when cancelled.
class OpenPanel {
public:
    using Done = std::function<void(const QString &path)>;
    using Responder = std::function<void(const Done &)>;
    // A responder that also sees what the panel was asked for.
    using RequestResponder = std::function<void(const OpenRequest &, const Done &)>;
    // A ticket file: "Open tickets", ticket files or any file.
    static void ask(QWidget *window, const Done &done);
    // Another kind of file, under the caller's title and filters.
    static void ask(QWidget *window, const OpenRequest &request, const Done &done);
    static void setResponder(Responder responder);
    static void setRequestResponder(RequestResponder responder);
};
