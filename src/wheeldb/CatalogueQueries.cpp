// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The controller's queries: the lottery catalogue and the wheel list. Values are bound,
// never pasted into the text, so a name holding a quote is just a name.
#include "AppController.h"

#include "WheelEntry.h"

#include <QComboBox>
#include <QDir>
#include <QStandardPaths>

bool AppController::openDatabase(const QString &path)
{
    return database.open(path);
}

void AppController::closeDatabase()
{
    database.close();
}

QString AppController::getDocumentDirectory() const
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

void AppController::reloadLotteryTableFromDatabase(const QString &country)
{
    listDataLottery.clear();
    for (const auto &row : database.select("SELECT lotteryname FROM lottery WHERE country=?", {country}))
        listDataLottery << row.value(0);
}

void AppController::searchFrommLotteryTable(const QString &country, const QString &lottery)
{
    const auto rows =
        database.select("SELECT ifrom,imatch FROM lottery WHERE country=? AND lotteryname=?", {country, lottery});
    g.gFrom = -1;
    for (const auto &row : rows) {
        g.gFrom = leadingInt(row.value(0));
        g.gMatch = leadingInt(row.value(1));
    }
}

void AppController::reloadwheels(int type)
{
    listWheel.clear();
    const char *sql = type == 0
        ? "SELECT  xyoption,ticket FROM wheelsurvey WHERE pick=? AND wheeltype='a' AND zoption=? "
        : "SELECT  xyoption,ticket FROM wheelsurvey WHERE pick=? AND wheeltype='k' AND zoption=? ";
    const auto rows = database.select(sql, {QString::number(g.gMatch), QString::number(g.gSelectNo)});
    for (const auto &row : rows)
        listWheel << wheelEntry(row.value(0), row.value(1));

    QWidget *item = tabview2->widget(type == 0 ? 0 : 1);
    auto *list = qobject_cast<QComboBox *>(getGUIObject(type == 0 ? 40101 : 40102, item));
    auto *notice = qobject_cast<QWidget *>(getGUIObject(type == 0 ? 36003 : 36004, item));
    if (!listWheel.isEmpty()) {
        if (list) {
            list->show();
            list->clear();
            list->addItems(listWheel);
            list->setCurrentIndex(0);
            list->setEditable(false);
            list->clearFocus();
        }
        if (notice)
            notice->hide();
    } else {
        if (list)
            list->hide();
        if (notice)
            notice->show();
    }
}
