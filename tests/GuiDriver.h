// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// What the tests of the windows share: a temporary folder with settings of its own, every
// alert recorded and answered through the seam, the program started over a database, and
// the ways a player drives it (click, choose a lottery, tap a number, read the tickets).
#pragma once

#include "app/Application.h"
#include "core/Settings.h"
#include "ui/MainWindow.h"
#include "ui/NumberButton.h"
#include "ui/NumberGridView.h"
#include "ui/PageTabs.h"
#include "ui/Panels.h"
#include "ui/TicketPrinter.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class GuiDriver {
protected:
    // Before each test: fresh settings, and alerts recorded and answered with the next of
    // `answers` (1 when none is queued).
    void prepare()
    {
        QVERIFY(dir.isValid());
        QFile::remove(path("settings.ini"));
        Settings::useFile(path("settings.ini"));
        alerts.clear();
        answers.clear();
        AlertPanel::setResponder([this](const AlertRequest &r) {
            alerts << r;
            return answers.isEmpty() ? 1 : answers.takeFirst();
        });
    }

    // After each test: the program closed and the panels' answers forgotten.
    void finish()
    {
        app.reset();
        SavePanel::setResponder({});
        OpenPanel::setResponder({});
        PrintPanel::setResponder({});
    }

    // The program over `database`, its own wheels kept in the temporary folder.
    void startProgram(const QString &database)
    {
        app.reset();
        app = std::make_unique<Application>(database, path("own-wheels.sqlite3"));
        app->start();
        app->mainWindow()->resize(1024, 768);
        app->mainWindow()->show();
    }

    // The later pages are made after the first paint; a test that looks sooner has them made.
    template <class T> T *widget(const char *name) const
    {
        app->mainWindow()->ticketPage();
        return app->mainWindow()->findChild<T *>(QLatin1String(name));
    }

    void click(QAbstractButton *b)
    {
        QVERIFY(b);
        QVERIFY2(b->isVisible() && b->isEnabled(), qPrintable(b->objectName() + QStringLiteral(" cannot be clicked")));
        QTest::mouseClick(b, Qt::LeftButton);
    }

    void click(const char *name)
    {
        auto *b = widget<QAbstractButton>(name);
        QVERIFY2(b, name);
        click(b);
    }

    void chooseLottery(const QString &country, const QString &lottery)
    {
        auto *box = widget<QComboBox>("countryBox");
        box->setCurrentText(country);
        emit box->activated(box->currentIndex());
        auto *table = widget<QTableView>("lotteryTable");
        int row = -1;
        for (int r = 0; r < table->model()->rowCount(); ++r)
            if (table->model()->index(r, 0).data().toString() == lottery)
                row = r;
        QVERIFY2(row >= 0, qPrintable(lottery));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                          table->visualRect(table->model()->index(row, 0)).center());
    }

    void tap(int n)
    {
        NumberButton *b = widget<NumberGridView>("numberGrid")->button(n);
        QVERIFY2(b, qPrintable(QString::number(n)));
        QTest::mouseClick(b, Qt::LeftButton);
    }

    int page() const { return widget<PageTabs>("mainTabs")->currentIndex(); }

    // The ticket table's rows as they read.
    QStringList tickets() const
    {
        QStringList out;
        const auto *model = widget<QTableView>("ticketTable")->model();
        for (int r = 0; r < model->rowCount(); ++r)
            out << model->index(r, 0).data().toString();
        return out;
    }

    QString path(const char *name) const { return dir.filePath(QLatin1String(name)); }

    QTemporaryDir dir;
    std::unique_ptr<Application> app;
    QList<AlertRequest> alerts;
    QList<int> answers;
};
