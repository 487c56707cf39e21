// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/DrawHistory.h"
#include "core/Play.h"
#include "ui/Panels.h"

#include <QByteArray>
#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

// Imports a results file into the player's library: a preview of its first lines with a box
// above each column to say what it holds (found from the file, or as chosen the last time for
// the lottery), the bad lines with their numbers, and the choice to import the sound lines or
// nothing. The columns chosen are remembered for the lottery when draws are imported.
class ResultsImportDialog : public QDialog {
    Q_OBJECT
public:
    ResultsImportDialog(const PlayedLottery &lottery, const QString &resultsPath, const QString &libraryPath,
                        QWidget *parent = nullptr);

    // What the open panel asks for when the player picks a results file.
    static OpenRequest fileRequest();

    const ResultsRead &read() const { return read_; }
    const DrawsStored &stored() const { return stored_; }
    void setColumn(int column, ColumnRole role);

public slots:
    void importSound();

signals:
    void imported(const DrawsStored &stored);

private:
    void reread();

    PlayedLottery lottery_;
    QString path_;
    QByteArray bytes_; // the file as read when the dialog opened; every later read is of these
    QString libraryPath_;
    ResultsLayout layout_;
    ResultsRead read_;
    DrawsStored stored_;
    QList<QComboBox *> roles_;
    QCheckBox *header_;
    QTableWidget *preview_;
    QPlainTextEdit *badLines_;
    QLabel *summary_;
    QPushButton *importButton_;
    QPushButton *nothingButton_;
};
