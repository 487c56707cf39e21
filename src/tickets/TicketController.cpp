// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The controller's tickets: expansion, the two tables and saving the ticket file.
#include "AppController.h"

#include "Expansion.h"
#include "TableModels.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMainWindow>
#include <QSaveFile>
#include <QTableView>
#include <QtConcurrent/QtConcurrentRun>

void AppController::reloadtickets()
{
    aNSMutableArray = g.gSelectString_Global.split(QLatin1Char('|'));
    listticket.clear();
    const char *sql = g.gWheelType == 0
        ? "SELECT digitalstring FROM wheels WHERE pick=? AND wheeltype='a' AND  xyoption=? AND zoption=?"
        : "SELECT digitalstring FROM wheels WHERE pick=? AND wheeltype='k' AND  xyoption=? AND zoption=?";
    const auto rows =
        database.select(sql, {QString::number(g.gMatch), g.gXyoption_Global, QString::number(g.gSelectNo)});
    QStringList lines;
    for (const auto &row : rows)
        lines << row.value(0);
    const Expansion e = expandTickets(g.gSelectString_Global, lines, g.gFormatType);
    if (!lines.isEmpty())
        aNSMutableArray1 = lines.constLast().split(QLatin1Char('-'));
    listticket = e.tickets;
    ticketModel_->reloadData();
    if (!e.badLine.isEmpty())
        AlertPanel::run(QStringLiteral("Alert"),
                        QStringLiteral("The wheel \"%1\" for %2 numbers is damaged: its line \"%3\" names a place "
                                       "outside your selection. No tickets were made from it.")
                            .arg(g.gXyoption_Global)
                            .arg(g.gSelectNo)
                            .arg(e.badLine),
                        QStringLiteral("Ok"));
}

int AppController::numberOfRowsInTableView(const QTableView *table) const
{
    switch (tagOf(table)) {
    case 40000:
        return static_cast<int>(listDataLottery.size());
    case 40001:
        return static_cast<int>(listticket.size());
    default:
        return 0;
    }
}

QString AppController::tableViewObjectValue(const QTableView *table, int row) const
{
    const QStringList *list = tagOf(table) == 40000 ? &listDataLottery : tagOf(table) == 40001 ? &listticket : nullptr;
    return list ? list->value(row) : QString();
}

bool AppController::tableViewShouldSelectRow(QTableView *table, int row)
{
    if (tagOf(table) != 40000 || row == gSelectNo_AppDelegate)
        return true;
    gSelectNo_AppDelegate = row;
    g.gSelectNo = 0;
    g.glotteryname_Global = listDataLottery.value(row);
    g.bChanged = 1;
    defaultSaveAppSetting();
    return true;
}

void AppController::save()
{
    QPointer<AppController> self(this);
    SavePanel::begin(window_.get(), QStringLiteral("lottery"), [self](int code, const QString &path) {
        if (self)
            self->saveFileDidEnd(code, path);
    });
}

void AppController::saveFileDidEnd(int code, const QString &path)
{
    if (code != 1)
        return;
    // The text is made here, on the main thread; the worker only writes it.
    const QString text = ticketText(g.gCountry_Global, g.glotteryname_Global, g.gKey_Global, listticket);
    QPointer<AppController> self(this);
    saves_.removeIf([](const QFuture<void> &f) { return f.isFinished(); });
    saves_ << QtConcurrent::run([self, path, text] {
        // UTF-16 in this machine's byte order, byte-order mark first; replaced whole or not at all.
        QByteArray bytes;
        const char16_t bom = 0xFEFF;
        bytes.append(reinterpret_cast<const char *>(&bom), sizeof bom);
        bytes.append(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
        QSaveFile file(path);
        QString failure;
        if (!file.open(QIODevice::WriteOnly))
            failure = file.errorString();
        else if (file.write(bytes) != bytes.size())
            failure = file.errorString();
        if (failure.isEmpty() && !file.commit())
            failure = file.errorString();
        if (failure.isEmpty())
            return;
        const QString message = QStringLiteral("Failed to create writable file with message '%1'.").arg(failure);
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [self, message] {
                if (self)
                    self->debugAlert(message);
            },
            Qt::QueuedConnection);
    });
}

void AppController::waitForSaves()
{
    for (auto &f : saves_)
        f.waitForFinished();
    saves_.clear();
}
