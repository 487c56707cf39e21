// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/TicketSaver.h"

#include "core/TicketFile.h"
#include "ui/BackgroundPool.h"
#include "ui/Panels.h"

#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>

TicketSaver::TicketSaver(QObject *parent) : QObject(parent) {}

TicketSaver::~TicketSaver()
{
    for (const auto &job : std::as_const(jobs_))
        job->failure.waitForFinished();
}

void TicketSaver::save(const QString &path, const QByteArray &bytes)
{
    jobs_.removeIf([](const std::shared_ptr<Job> &job) { return job->told; });
    auto job = std::make_shared<Job>();
    job->failure = QtConcurrent::run(backgroundPool(), [path, bytes] { return writeWholeFile(path, bytes); });
    jobs_ << job;
    auto *watcher = new QFutureWatcher<QString>(this);
    connect(watcher, &QFutureWatcher<QString>::finished, this, [this, watcher, job] {
        watcher->deleteLater();
        tell(job);
    });
    watcher->setFuture(job->failure);
}

void TicketSaver::tell(const std::shared_ptr<Job> &job)
{
    if (job->told)
        return;
    job->told = true;
    const QString failure = job->failure.result();
    if (!failure.isEmpty())
        AlertPanel::run(tr("Alert"), tr("Failed to create writable file with message '%1'.").arg(failure));
}

void TicketSaver::finishAll()
{
    const auto jobs = jobs_;
    for (const auto &job : jobs) {
        job->failure.waitForFinished();
        tell(job);
    }
    jobs_.clear();
}
