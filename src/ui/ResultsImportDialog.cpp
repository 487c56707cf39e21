// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ResultsImportDialog.h"

#include "core/CountedText.h"
#include "core/OwnWheels.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
const QList<ColumnRole> allRoles{ColumnRole::Ignore, ColumnRole::Date, ColumnRole::Main, ColumnRole::Bonus,
                                 ColumnRole::Supplementary};
const int previewRows = 8;
} // namespace

OpenRequest ResultsImportDialog::fileRequest()
{
    return {tr("Import Results"), tr("Results files (*.csv *.txt);;All files (*)").split(QStringLiteral(";;"))};
}

ResultsImportDialog::ResultsImportDialog(const PlayedLottery &lottery, const QString &resultsPath,
                                         const QString &libraryPath, QWidget *parent)
    : QDialog(parent), lottery_(lottery), path_(resultsPath), libraryPath_(libraryPath)
{
    setWindowTitle(tr("Import Results"));
    setAccessibleName(tr("Import results"));
    auto *layout = new QVBoxLayout(this);
    auto *intro = new QLabel(tr("Draws of %1, %2 from %3. Say above each column what it holds:")
                                 .arg(lottery.country, lottery.name, resultsPath),
                             this);
    intro->setWordWrap(true);
    layout->addWidget(intro);

    // The guess from the file, unless the player chose the columns for this lottery before.
    const DrawRules rules = drawRulesFor(lottery.details.facts);
    // The file is read this once: the preview and every choice of what a column holds read these
    // bytes, so what the player sees is what is imported.
    QString error;
    QList<QStringList> sample;
    {
        QFile file(resultsPath);
        const QFileInfo info(file);
        if (info.isFile() && info.size() <= maxResultsFileBytes && file.open(QIODevice::ReadOnly))
            bytes_ = file.readAll();
        if (!file.isOpen() || file.error() != QFileDevice::NoError) {
            bytes_.clear();
            error = readResultsFile(resultsPath, rules).error; // why, in the words of any read of a results file
            if (error.isEmpty()) // it could be read the second time: say why the first failed
                error = QCoreApplication::translate("DrawHistory", "%1 cannot be opened: %2.")
                            .arg(resultsPath, file.errorString());
        } else {
            // The preview and any refusal come from the first lines: a head of the file is enough.
            const ResultsRead head = readResultsBytes(bytes_.left(1024 * 1024), rules, std::nullopt, resultsPath);
            error = head.error;
            sample = head.sample.mid(0, previewRows);
        }
    }
    layout_ = rememberedLayout(lottery.country, lottery.name).value_or(guessLayout(sample, rules));
    qsizetype columns = layout_.columns.size();
    for (const QStringList &cells : sample)
        columns = std::max(columns, cells.size());
    columns = std::min<qsizetype>(columns, 40);
    while (layout_.columns.size() < columns)
        layout_.columns << ColumnRole::Ignore;

    preview_ = new QTableWidget(int(sample.size()) + 1, int(columns), this);
    preview_->setObjectName(QStringLiteral("resultsPreview"));
    preview_->setAccessibleName(tr("First lines of the file"));
    preview_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    preview_->verticalHeader()->hide();
    for (int c = 0; c < columns; ++c) {
        auto *box = new QComboBox(preview_);
        for (const ColumnRole role : allRoles)
            box->addItem(columnRoleName(role));
        box->setCurrentIndex(int(allRoles.indexOf(layout_.columns.value(c))));
        box->setAccessibleName(tr("Column %1 holds").arg(c + 1));
        connect(box, &QComboBox::currentIndexChanged, this, [this, c](int index) {
            layout_.columns[c] = allRoles.value(index);
            reread();
        });
        preview_->setCellWidget(0, c, box);
        roles_ << box;
        for (int r = 0; r < sample.size(); ++r)
            preview_->setItem(r + 1, c, new QTableWidgetItem(sample[r].value(c)));
    }
    preview_->resizeColumnsToContents();
    preview_->setMinimumHeight(preview_->verticalHeader()->length() + preview_->horizontalHeader()->height() + 8);
    layout->addWidget(preview_, 1);

    header_ = new QCheckBox(tr("The first line names the columns"), this);
    header_->setAccessibleName(tr("The first line names the columns"));
    header_->setChecked(layout_.header);
    connect(header_, &QCheckBox::toggled, this, [this](bool on) {
        layout_.header = on;
        reread();
    });
    layout->addWidget(header_);

    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("resultsSummary"));
    summary_->setWordWrap(true);
    layout->addWidget(summary_);
    badLines_ = new QPlainTextEdit(this);
    badLines_->setObjectName(QStringLiteral("resultsBadLines"));
    badLines_->setAccessibleName(tr("Bad lines"));
    badLines_->setReadOnly(true);
    badLines_->setMaximumHeight(120);
    layout->addWidget(badLines_);

    auto *buttons = new QDialogButtonBox(this);
    importButton_ = buttons->addButton(tr("Import the sound lines"), QDialogButtonBox::AcceptRole);
    importButton_->setObjectName(QStringLiteral("importSoundButton"));
    importButton_->setAccessibleName(tr("Import the sound lines"));
    nothingButton_ = buttons->addButton(tr("Import nothing"), QDialogButtonBox::RejectRole);
    nothingButton_->setObjectName(QStringLiteral("importNothingButton"));
    nothingButton_->setAccessibleName(tr("Import nothing"));
    connect(importButton_, &QPushButton::clicked, this, &ResultsImportDialog::importSound);
    connect(nothingButton_, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(720, 480);

    if (!error.isEmpty()) {
        summary_->setText(error);
        importButton_->setEnabled(false);
        return;
    }
    reread();
}

void ResultsImportDialog::setColumn(int column, ColumnRole role)
{
    if (column >= 0 && column < roles_.size())
        roles_[column]->setCurrentIndex(int(allRoles.indexOf(role)));
}

void ResultsImportDialog::reread()
{
    ResultsLayout used = layout_;
    while (!used.columns.isEmpty() && used.columns.last() == ColumnRole::Ignore)
        used.columns.removeLast();
    if (!used.isValid()) {
        read_ = {};
        summary_->setText(tr("Choose one column of dates and the columns of the main numbers."));
        badLines_->clear();
        importButton_->setEnabled(false);
        return;
    }
    // The player knows the bytes as the file he picked: they are named as a read of the file names it.
    read_ = readResultsBytes(bytes_, drawRulesFor(lottery_.details.facts), used, path_);
    if (!read_.ok()) {
        summary_->setText(read_.error);
        importButton_->setEnabled(false);
    } else {
        summary_->setText(
            read_.badCount == 0
                ? tr("%1 draws, every line sound.").arg(read_.draws.size())
                : tr("%1 sound lines; %2, listed below, will not be imported.")
                      .arg(read_.draws.size())
                      .arg(countedText("ResultsImportDialog", "1 bad line",
                                       QT_TRANSLATE_N_NOOP("ResultsImportDialog", "%n bad lines"), read_.badCount)));
        importButton_->setEnabled(!read_.draws.isEmpty());
    }
    badLines_->setPlainText(badLinesText(read_, 200));
}

void ResultsImportDialog::importSound()
{
    if (!read_.ok() || read_.draws.isEmpty())
        return;
    OwnWheels own;
    QString problem;
    if (!own.open(libraryPath_, &problem)) {
        stored_ = {};
        stored_.problem = problem;
        summary_->setText(problem);
        return;
    }
    stored_ = own.addDraws(lottery_.country, lottery_.name, read_.draws);
    if (!stored_.ok()) {
        summary_->setText(stored_.problem);
        return;
    }
    rememberLayout(lottery_.country, lottery_.name, read_.layout);
    emit imported(stored_);
    accept();
}
