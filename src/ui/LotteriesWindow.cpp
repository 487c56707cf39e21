// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/LotteriesWindow.h"

#include "core/Catalogue.h"
#include "core/CountedText.h"
#include "core/Countries.h"
#include "core/LotteryFaultText.h"
#include "core/PlayerLotteries.h"
#include "ui/Panels.h"

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSaveFile>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// The prize tier table's columns, translated where they are shown.
const char *const kTierColumns[] = {
    QT_TRANSLATE_NOOP("LotteriesWindow", "Name"),          QT_TRANSLATE_NOOP("LotteriesWindow", "Main"),
    QT_TRANSLATE_NOOP("LotteriesWindow", "Supplementary"), QT_TRANSLATE_NOOP("LotteriesWindow", "Bonus"),
    QT_TRANSLATE_NOOP("LotteriesWindow", "Prize"),         QT_TRANSLATE_NOOP("LotteriesWindow", "Currency")};

std::optional<int> count(const QLineEdit *edit, bool &ok)
{
    const QString text = edit->text().trimmed();
    ok = true;
    if (text.isEmpty())
        return std::nullopt;
    const int n = text.toInt(&ok);
    if (!ok)
        return std::nullopt;
    return n;
}

QString text(const std::string &s)
{
    return QString::fromStdString(s);
}

} // namespace

LotteriesWindow::LotteriesWindow(const Catalogue &catalogue, PlayerLotteries &player, QWidget *parent)
    : QDialog(parent), catalogue_(catalogue), player_(player), country_(new QComboBox(this)),
      list_(new QListWidget(this)), tiers_(new QTableWidget(0, 6, this)), tiersWhy_(new QLabel(this)),
      status_(new QLabel(this)), save_(new QPushButton(tr("&Save"), this)),
      remove_(new QPushButton(tr("&Delete"), this)), copy_(new QPushButton(tr("&Copy to edit"), this)),
      export_(new QPushButton(tr("E&xport..."), this))
{
    setWindowTitle(tr("Lotteries"));
    setAccessibleName(tr("Lotteries"));
    auto *top = new QHBoxLayout(this);

    auto *left = new QVBoxLayout;
    for (const char *c : kCountries)
        country_->addItem(QString::fromUtf8(c));
    country_->setAccessibleName(tr("Country"));
    list_->setAccessibleName(tr("Lotteries of the country"));
    list_->setMinimumWidth(220);
    auto *add = new QPushButton(tr("&New lottery"), this);
    add->setAccessibleName(tr("New lottery"));
    copy_->setAccessibleName(tr("Copy the shipped lottery to edit"));
    remove_->setAccessibleName(tr("Delete or reset the lottery"));
    export_->setAccessibleName(tr("Export the lottery to a file"));
    left->addWidget(country_);
    left->addWidget(list_, 1);
    left->addWidget(add);
    left->addWidget(copy_);
    left->addWidget(remove_);
    left->addWidget(export_);
    auto *import = new QPushButton(tr("&Import..."), this);
    import->setAccessibleName(tr("Import lotteries from a file"));
    left->addWidget(import);
    connect(import, &QPushButton::clicked, this, &LotteriesWindow::importLotteries);
    top->addLayout(left);

    auto *right = new QVBoxLayout;
    auto *form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    right->addLayout(form);
    const auto field = [&](const QString &label, const QString &accessible, Field &f) {
        f.edit = new QLineEdit(this);
        f.edit->setAccessibleName(accessible);
        f.why = new QLabel(this);
        f.why->setAccessibleName(tr("%1: problem").arg(accessible));
        f.why->setStyleSheet(QStringLiteral("color: #b00020;"));
        f.why->setWordWrap(true);
        f.why->setMinimumWidth(360);
        auto *row = new QHBoxLayout;
        row->addWidget(f.edit, 1);
        row->addWidget(f.why, 2);
        auto *l = new QLabel(label, this);
        l->setBuddy(f.edit);
        form->addRow(l, row);
        connect(f.edit, &QLineEdit::textChanged, this, &LotteriesWindow::check);
    };
    field(tr("&Name:"), tr("Name"), name_);
    field(tr("&Pool:"), tr("Pool"), pool_);
    field(tr("Numbers a &ticket:"), tr("Numbers a ticket"), pick_);
    field(tr("&Drawn:"), tr("Numbers drawn"), drawn_);
    field(tr("Supp&lementary drawn:"), tr("Supplementary numbers drawn"), supplementary_);
    field(tr("&Bonus pool:"), tr("Bonus pool"), bonusPool_);
    field(tr("Bonus dra&wn:"), tr("Bonus numbers drawn"), bonusDrawn_);
    field(tr("P&rice:"), tr("Price of a ticket"), price_);
    field(tr("C&urrency:"), tr("Currency"), currency_);

    auto *tiersLabel = new QLabel(tr("Prize t&iers, best first:"), this);
    tiersLabel->setBuddy(tiers_);
    QStringList tierColumns;
    for (const char *column : kTierColumns)
        tierColumns << tr(column);
    tiers_->setHorizontalHeaderLabels(tierColumns);
    tiers_->setAccessibleName(tr("Prize tiers"));
    tiers_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tiers_->horizontalHeader()->setStretchLastSection(true);
    tiers_->setMinimumHeight(140);
    tiersWhy_->setAccessibleName(tr("Prize tiers: problem"));
    tiersWhy_->setStyleSheet(QStringLiteral("color: #b00020;"));
    tiersWhy_->setWordWrap(true);
    auto *addTierButton = new QPushButton(tr("&Add tier"), this);
    addTierButton->setAccessibleName(tr("Add a prize tier"));
    auto *removeTier = new QPushButton(tr("Remove tier"), this);
    removeTier->setAccessibleName(tr("Remove the prize tier"));
    auto *tierButtons = new QHBoxLayout;
    tierButtons->addWidget(addTierButton);
    tierButtons->addWidget(removeTier);
    tierButtons->addStretch();
    right->addWidget(tiersLabel);
    right->addWidget(tiers_, 1);
    right->addLayout(tierButtons);
    right->addWidget(tiersWhy_);
    status_->setAccessibleName(tr("Status"));
    status_->setWordWrap(true);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(status_, 1);
    save_->setAccessibleName(tr("Save the lottery"));
    save_->setDefault(true);
    auto *close = new QPushButton(tr("Close"), this);
    close->setAccessibleName(tr("Close"));
    bottom->addWidget(save_);
    bottom->addWidget(close);
    right->addLayout(bottom);
    top->addLayout(right, 1);

    connect(country_, &QComboBox::activated, this, [this] { showCountry(country_->currentText()); });
    connect(list_, &QListWidget::currentTextChanged, this, [this](const QString &name) {
        if (!filling_)
            showLottery(name);
    });
    connect(add, &QPushButton::clicked, this, &LotteriesWindow::newLottery);
    connect(copy_, &QPushButton::clicked, this, &LotteriesWindow::copyShipped);
    connect(remove_, &QPushButton::clicked, this, &LotteriesWindow::removeOrReset);
    connect(export_, &QPushButton::clicked, this, &LotteriesWindow::exportLottery);
    connect(save_, &QPushButton::clicked, this, &LotteriesWindow::save);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(addTierButton, &QPushButton::clicked, this, [this] { this->addTier(TierRow{}); });
    connect(removeTier, &QPushButton::clicked, this, [this] {
        if (tiers_->currentRow() >= 0)
            tiers_->removeRow(tiers_->currentRow());
        check();
    });
    connect(tiers_, &QTableWidget::itemChanged, this, &LotteriesWindow::check);
    resize(1000, 580);
    showCountry(country_->currentText());
}

void LotteriesWindow::showCountry(const QString &country, const QString &lottery)
{
    const int at = country_->findText(country);
    if (at >= 0)
        country_->setCurrentIndex(at);
    filling_ = true;
    list_->clear();
    const QStringList names = catalogue_.lotteryNames(country_->currentText());
    for (const QString &name : names) {
        auto *item = new QListWidgetItem(name, list_);
        if (catalogue_.isPlayers(country_->currentText(), name))
            item->setText(name);
        item->setToolTip(catalogue_.factsNote(country_->currentText(), name));
        if (catalogue_.isPlayers(country_->currentText(), name)) {
            QFont f = item->font();
            f.setBold(true);
            item->setFont(f);
        }
    }
    filling_ = false;
    const int row = std::max<int>(0, static_cast<int>(names.indexOf(lottery)));
    if (!names.isEmpty()) {
        list_->setCurrentRow(row);
        showLottery(names.value(row));
    } else {
        newLottery();
    }
}

void LotteriesWindow::showLottery(const QString &name)
{
    const QString country = country_->currentText();
    const auto row = catalogue_.row(country, name);
    if (!row)
        return;
    const bool own = catalogue_.isPlayers(country, name);
    const bool shipped = catalogue_.isShipped(country, name);
    editing_ = own ? name : QString();
    fill(*row);
    // A shipped lottery is edited through a copy; the player's own are edited in place.
    for (const Field *f :
         {&name_, &pool_, &pick_, &drawn_, &supplementary_, &bonusPool_, &bonusDrawn_, &price_, &currency_})
        f->edit->setReadOnly(!own);
    tiers_->setEditTriggers(own ? QAbstractItemView::AllEditTriggers : QAbstractItemView::NoEditTriggers);
    copy_->setEnabled(shipped);
    remove_->setEnabled(own);
    remove_->setText(own && shipped ? tr("&Reset to shipped") : tr("&Delete"));
    export_->setEnabled(true);
    //: %1 says when and where the lottery's facts were read.
    status_->setText(own ? (shipped ? tr("%1, in place of the shipped facts").arg(catalogue_.factsNote(country, name))
                                    : catalogue_.factsNote(country, name))
                         : tr("%1. Copy it to edit.").arg(catalogue_.factsNote(country, name)));
    check();
}

void LotteriesWindow::fill(const LotteryRow &row)
{
    filling_ = true;
    const auto put = [](Field &f, const std::optional<int> &n) {
        f.edit->setText(n ? QString::number(*n) : QString());
    };
    name_.edit->setText(text(row.name));
    pool_.edit->setText(row.pool > 0 ? QString::number(row.pool) : QString());
    pick_.edit->setText(row.pick > 0 ? QString::number(row.pick) : QString());
    put(drawn_, row.drawn);
    put(supplementary_, row.supplementary);
    put(bonusPool_, row.bonusPool);
    put(bonusDrawn_, row.bonusPick);
    price_.edit->setText(row.price ? QString::number(*row.price, 'f', 2) : QString());
    currency_.edit->setText(text(row.currency));
    tiers_->setRowCount(0);
    for (const TierRow &t : row.tiers)
        addTier(t);
    filling_ = false;
}

void LotteriesWindow::addTier(const TierRow &t)
{
    const bool was = filling_;
    filling_ = true;
    const int r = tiers_->rowCount();
    tiers_->insertRow(r);
    const QStringList cells{
        text(t.name),  QString::number(t.main), QString::number(t.supplementary), QString::number(t.bonus),
        text(t.prize), text(t.currency)};
    for (int c = 0; c < cells.size(); ++c)
        tiers_->setItem(r, c, new QTableWidgetItem(cells[c]));
    filling_ = was;
    if (!filling_) {
        tiers_->setCurrentCell(r, 0);
        check();
    }
}

LotteryRow LotteriesWindow::typed() const
{
    LotteryRow r;
    r.country = country_->currentText().toStdString();
    r.name = name_.edit->text().trimmed().toStdString();
    bool ok = true;
    r.pool = count(pool_.edit, ok).value_or(0);
    r.pick = count(pick_.edit, ok).value_or(0);
    r.drawn = count(drawn_.edit, ok);
    r.supplementary = count(supplementary_.edit, ok);
    r.bonusPool = count(bonusPool_.edit, ok);
    r.bonusPick = count(bonusDrawn_.edit, ok);
    lotteryrules::priceFault(price_.edit->text().trimmed().toStdString(),
                             currency_.edit->text().trimmed().toStdString(), r.price);
    r.currency = currency_.edit->text().trimmed().toStdString();
    for (int row = 0; row < tiers_->rowCount(); ++row) {
        const auto cell = [&](int c) {
            return tiers_->item(row, c) ? tiers_->item(row, c)->text().trimmed() : QString();
        };
        TierRow t;
        t.tier = row + 1;
        t.name = cell(0).toStdString();
        t.main = cell(1).toInt(&ok);
        t.supplementary = cell(2).toInt(&ok);
        t.bonus = cell(3).toInt(&ok);
        t.prize = cell(4).toStdString();
        t.currency = cell(5).toStdString();
        r.tiers.push_back(t);
    }
    return r;
}

QString LotteriesWindow::fault() const
{
    // The reasons shown beside the fields, the first one that is set.
    for (const Field *f :
         {&name_, &pool_, &pick_, &drawn_, &supplementary_, &bonusPool_, &bonusDrawn_, &price_, &currency_})
        if (!f->why->text().isEmpty())
            return f->why->text();
    return tiersWhy_->text();
}

void LotteriesWindow::check()
{
    if (filling_)
        return;
    namespace rules = lotteryrules;
    const LotteryRow r = typed();
    const auto whole = [](const Field &f, bool needed) -> QString {
        const QString t = f.edit->text().trimmed();
        if (t.isEmpty())
            return needed ? QStringLiteral("needed") : QString();
        bool ok = false;
        t.toInt(&ok);
        return ok ? QString() : tr("a whole number");
    };
    const auto show = [](Field &f, const QString &number, const std::string &rule) {
        f.why->setText(!number.isEmpty() ? number : translatedLotteryFault(rule));
    };
    const int drawn = r.drawn.value_or(r.pick);
    const int bonusPool = r.bonusPool.value_or(0);
    show(name_, QString(), rules::nameFault(r.name));
    show(pool_, whole(pool_, true), rules::poolFault(r.pool));
    show(pick_, whole(pick_, true), rules::pickFault(r.pick, r.pool));
    show(drawn_, whole(drawn_, false), r.drawn ? rules::drawnFault(drawn, r.pool) : std::string());
    show(supplementary_, whole(supplementary_, false),
         r.supplementary ? rules::supplementaryFault(*r.supplementary, r.pool, drawn) : std::string());
    show(bonusPool_, whole(bonusPool_, false), rules::bonusPoolFault(bonusPool));
    show(bonusDrawn_, whole(bonusDrawn_, false), rules::bonusPickFault(r.bonusPick.value_or(0), bonusPool));
    std::optional<double> price;
    const std::string priceWhy = rules::priceFault(price_.edit->text().trimmed().toStdString(),
                                                   currency_.edit->text().trimmed().toStdString(), price);
    const bool currencyAt = priceWhy.find("currency") != std::string::npos && !price_.edit->text().trimmed().isEmpty();
    show(price_, QString(), currencyAt ? std::string() : priceWhy);
    show(currency_, QString(), currencyAt ? priceWhy : std::string());
    QString tierWhy;
    std::vector<TierRow> earlier;
    for (int row = 0; row < tiers_->rowCount() && tierWhy.isEmpty(); ++row) {
        for (int c = 1; c <= 3; ++c) {
            bool ok = false;
            if (tiers_->item(row, c))
                tiers_->item(row, c)->text().trimmed().toInt(&ok);
            if (!ok) {
                tierWhy = tr("Tier %1: %2 must be a whole number").arg(row + 1).arg(tr(kTierColumns[c]));
                break;
            }
        }
        if (tierWhy.isEmpty())
            if (const std::string why = rules::tierFault(r.tiers[static_cast<std::size_t>(row)], r, earlier);
                !why.empty())
                tierWhy = tr("Tier %1: %2").arg(row + 1).arg(translatedLotteryFault(why));
        earlier.push_back(r.tiers[static_cast<std::size_t>(row)]);
    }
    tiersWhy_->setText(tierWhy);
    const bool editable = !name_.edit->isReadOnly();
    save_->setEnabled(editable && fault().isEmpty());
}

void LotteriesWindow::save()
{
    check();
    if (!fault().isEmpty() || name_.edit->isReadOnly())
        return;
    const LotteryRow row = typed();
    QString problem;
    const QString country = country_->currentText();
    if (!player_.put({row, {}}, &problem, editing_.isEmpty() ? QString() : country, editing_)) {
        AlertPanel::run(tr("Alert"), tr("The lottery was not stored: %1").arg(problem));
        return;
    }
    emit lotteriesChanged();
    showCountry(country, text(row.name));
    status_->setText(tr("Stored. %1").arg(status_->text()));
}

void LotteriesWindow::removeOrReset()
{
    const QString country = country_->currentText();
    const QString name = editing_;
    if (name.isEmpty())
        return;
    const bool shipped = catalogue_.isShipped(country, name);
    const QString question = shipped ? tr("Forget your facts of \"%1\" and use the shipped ones again?").arg(name)
                                     : tr("Delete your lottery \"%1\"?").arg(name);
    if (!AlertPanel::confirm(tr("Reminder"), question))
        return;
    QString problem;
    if (!player_.remove(country, name, &problem)) {
        AlertPanel::run(tr("Alert"), problem);
        return;
    }
    emit lotteriesChanged();
    showCountry(country, shipped ? name : QString());
}

void LotteriesWindow::copyShipped()
{
    const QString country = country_->currentText();
    const QString name = list_->currentItem() ? list_->currentItem()->text() : QString();
    const auto row = catalogue_.row(country, name, true);
    if (!row)
        return;
    editing_.clear();
    fill(*row);
    for (const Field *f :
         {&name_, &pool_, &pick_, &drawn_, &supplementary_, &bonusPool_, &bonusDrawn_, &price_, &currency_})
        f->edit->setReadOnly(false);
    tiers_->setEditTriggers(QAbstractItemView::AllEditTriggers);
    remove_->setEnabled(false);
    status_->setText(tr("A copy of the shipped facts: keep the name to use it in place of the shipped lottery."));
    name_.edit->setFocus();
    check();
}

void LotteriesWindow::newLottery()
{
    editing_.clear();
    LotteryRow blank;
    fill(blank);
    for (const Field *f :
         {&name_, &pool_, &pick_, &drawn_, &supplementary_, &bonusPool_, &bonusDrawn_, &price_, &currency_})
        f->edit->setReadOnly(false);
    tiers_->setEditTriggers(QAbstractItemView::AllEditTriggers);
    list_->clearSelection();
    copy_->setEnabled(false);
    export_->setEnabled(false);
    remove_->setEnabled(false);
    status_->setText(tr("A new lottery of %1.").arg(country_->currentText()));
    name_.edit->setFocus();
    check();
}

void LotteriesWindow::exportLottery()
{
    const QString country = country_->currentText();
    const QString name = list_->currentItem() ? list_->currentItem()->text() : QString();
    const auto row = catalogue_.row(country, name);
    if (!row)
        return;
    PlayerLottery one{*row, {}};
    if (const PlayerLottery *own = player_.find(country, name))
        one = *own;
    const QByteArray bytes = writeLotteryFile({one});
    // The panel adds the suffix; a slash in the name ("Lotto 6/49") would name a folder.
    QString proposed = name;
    proposed.replace(QLatin1Char('/'), QLatin1Char('-')).replace(QLatin1Char('\\'), QLatin1Char('-'));
    SavePanel::askFor(this, tr("Export the lottery"), proposed, tr("Lottery files (*.txt)"), QStringLiteral("txt"),
                      [this, bytes](const QString &path) {
                          if (path.isEmpty())
                              return;
                          QSaveFile file(path);
                          if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
                              AlertPanel::run(tr("Alert"),
                                              tr("%1 could not be written: %2").arg(path, file.errorString()));
                          else
                              status_->setText(tr("Exported to %1.").arg(path));
                      });
}

void LotteriesWindow::importLotteries()
{
    const OpenRequest request{tr("Import a lottery"), {tr("Lottery files (*.txt)"), tr("All files (*)")}};
    OpenPanel::ask(this, request, [this](const QString &path) {
        if (path.isEmpty())
            return;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            AlertPanel::run(tr("Alert"), tr("%1 could not be read: %2").arg(path, file.errorString()));
            return;
        }
        const LotteryFileRead read = readLotteryFile(file.readAll(), QFileInfo(path).fileName());
        if (!read.error.isEmpty() || read.lotteries.isEmpty()) {
            AlertPanel::run(
                tr("Alert"),
                tr("No lottery was imported: %1").arg(read.error.isEmpty() ? tr("the file holds none") : read.error));
            return;
        }
        for (const PlayerLottery &l : read.lotteries) {
            QString problem;
            if (!player_.put(l, &problem)) {
                AlertPanel::run(tr("Alert"), tr("No more lotteries were imported: %1").arg(problem));
                break;
            }
        }
        emit lotteriesChanged();
        const LotteryRow &first = read.lotteries.first().facts;
        showCountry(text(first.country), text(first.name));
        status_->setText(
            tr("Imported %1 from %2.")
                .arg(countedText("LotteriesWindow", "1 lottery", QT_TRANSLATE_N_NOOP("LotteriesWindow", "%n lotteries"),
                                 read.lotteries.size()),
                     QFileInfo(path).fileName()));
    });
}
