// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFuture>
#include <QList>
#include <QObject>

#include <memory>

// Writes ticket files on worker threads, so a long file never holds up the window. A
// failure is told in an alert on the main thread, and none is lost when the program ends
// right after a save: finishAll() tells what is still untold.
class TicketSaver : public QObject {
    Q_OBJECT
public:
    explicit TicketSaver(QObject *parent = nullptr);
    ~TicketSaver() override;
    void save(const QString &path, const QByteArray &bytes);
    // Waits for every running save and tells each failure not told yet.
    void finishAll();

private:
    struct Job {
        QFuture<QString> failure;
        bool told = false;
    };
    void tell(const std::shared_ptr<Job> &job);

    QList<std::shared_ptr<Job>> jobs_;
};
