// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppController.h"

#include "Countries.h"
#include "NumberGrid.h"
#include "TableModels.h"
#include "Widgets.h"
#include "Windows.h"
#include "ui_MainWindow.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QRandomGenerator>
#include <QScreen>
#include <QSettings>
#include <QTableView>

namespace {
QString &settingsFile()
{
    static QString path;
    return path;
}
QString &databasePath()
{
    static QString path;
    return path;
}
std::unique_ptr<QSettings> openSettings()
{
    if (!settingsFile().isEmpty())
        return std::make_unique<QSettings>(settingsFile(), QSettings::IniFormat);
    return std::make_unique<QSettings>(QStringLiteral("Wheelwright"), QStringLiteral("Wheelwright"));
}
} // namespace

// Asks the controller before the main window closes.
class MainWindowCloseGuard : public QObject {
public:
    explicit MainWindowCloseGuard(AppController *c) : QObject(c), c_(c) {}
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Close && watched == c_->window()) {
            if (!c_->quitting_ && !c_->windowShouldClose())
                event->ignore();
            return !event->isAccepted();
        }
        return false;
    }

private:
    AppController *c_;
};

void AppController::setSettingsFile(const QString &path)
{
    settingsFile() = path;
}

void AppController::setDatabasePath(const QString &path)
{
    databasePath() = path;
}

AppController::AppController(QObject *parent)
    : QObject(parent), ui_(std::make_unique<Ui::MainWindow>()), window_(std::make_unique<QMainWindow>())
{
    ui_->setupUi(window_.get());
    tabview1 = ui_->mainTabs;
    tabview2 = ui_->wheelTypeTabs;
    t2 = ui_->ticketTable;
    aView2 = ui_->aView2;
    window_->installEventFilter(new MainWindowCloseGuard(this));

    lotteryModel_ = new ListTableModel(
        QStringLiteral("Lottery"), [this] { return numberOfRowsInTableView(ui_->lotteryTable); },
        [this](int row) { return tableViewObjectValue(ui_->lotteryTable, row); }, this);
    ticketModel_ = new ListTableModel(
        QStringLiteral("Ticket"), [this] { return numberOfRowsInTableView(ui_->ticketTable); },
        [this](int row) { return tableViewObjectValue(ui_->ticketTable, row); }, this);
    for (auto [table, model] :
         {std::pair{ui_->lotteryTable, lotteryModel_}, std::pair{ui_->ticketTable, ticketModel_}}) {
        table->setModel(model);
        table->setEditTriggers(QAbstractItemView::NoEditTriggers);
        table->setSelectionBehavior(QAbstractItemView::SelectRows);
        table->setSelectionMode(QAbstractItemView::SingleSelection);
        table->horizontalHeader()->setStretchLastSection(true);
        table->verticalHeader()->setDefaultSectionSize(26);
        table->setAlternatingRowColors(true);
    }
    ui_->ticketTable->setFont(QFont(QStringLiteral("DejaVu Sans Mono"), 11));
    // Lottery names are set while their page is hidden; leave them room to show whole.
    for (QLabel *l : {ui_->lotteryNameLabel, ui_->gridCaption, ui_->ticketLotteryLabel})
        l->setMinimumWidth(320);
    ui_->gridScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    random_ = [] { return QRandomGenerator::global()->generate(); };
    connectControls();
}

AppController::~AppController()
{
    waitForSaves();
    // The auxiliary windows go first, then the main window with the grid.
    vTextWindowController.reset();
    vAboutWindowController.reset();
    vWheelsWindowController.reset();
    vHelpWindowController.reset();
    vNumberWindowController.reset();
}

void AppController::applicationDidFinishLaunching()
{
    // 1.
    g.gFrom = 0;
    g.bChanged = 0;
    gSelectNo_AppDelegate = -1;
    // 2.
    tabview1->setTag(39000);
    tabview2->setTag(39001);
    tabview1->setDelegate(this);
    tabview2->setDelegate(this);
    // 3, 4.
    QStringList countries;
    for (const char *c : kCountries)
        countries << QString::fromLatin1(c);
    if (auto *box = qobject_cast<QComboBox *>(getGUIObject(40100))) {
        box->addItems(countries);
        box->setCurrentText(QStringLiteral("Australia"));
        box->setEditable(false);
    }
    // 5. A missing or unreadable file is told once, here; the window still opens.
    QString path = databasePath().isEmpty() ? bundleResourcePath(QStringLiteral("data.sqlite3")) : databasePath();
    QString problem;
    if (!database.open(path, &problem))
        AlertPanel::run(QStringLiteral("Alert"), problem, QStringLiteral("Ok"));
    const bool databaseUsable = database.isOpen();
    // 6.
    refreshGUIButton(0);
    // 7.
    listDataLottery.clear();
    listWheel.clear();
    listticket = QStringList{QString()};
    aNSMutableArray = QStringList{QString()};
    aNSMutableArray1 = QStringList{QString()};
    // 8.
    g.gFormatType = 0;
    // 9.
    defaultLoadAppSetting();
    // 10. Start-up reports at most one failed query, and none when the open already told.
    QString firstError;
    auto quietly = [&](const std::function<void()> &work) {
        try {
            work();
        } catch (const QueryError &e) {
            if (firstError.isEmpty())
                firstError = e.message();
        }
    };
    auto fallBack = [&] {
        quietly([&] { reloadLotteryTableFromDatabase(QStringLiteral("Australia")); });
        g.gCountry_Global = QStringLiteral("Australia");
        lotteryModel_->reloadData();
    };
    if (g.gCountry_Global.isNull()) {
        fallBack();
    } else {
        try {
            reloadLotteryTableFromDatabase(g.gCountry_Global);
            if (auto *box = qobject_cast<QComboBox *>(getGUIObject(40100));
                box && countries.contains(g.gCountry_Global))
                box->setCurrentText(g.gCountry_Global);
            lotteryModel_->reloadData();
            const auto row = listDataLottery.indexOf(g.glotteryname_Global);
            if (g.glotteryname_Global.isNull() || row < 0)
                throw std::out_of_range("lottery not listed");
            programSelectsLottery_ = true;
            ui_->lotteryTable->selectRow(static_cast<int>(row));
            programSelectsLottery_ = false;
            gSelectNo_AppDelegate = static_cast<int>(row);
            g.bChanged = 1;
        } catch (const QueryError &) {
            fallBack();
        } catch (const std::out_of_range &) {
            fallBack();
        }
    }
    // 11.
    if (QScreen *screen = window_->screen() ? window_->screen() : QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        const QSize size = window_->size().boundedTo(area.size());
        window_->resize(size);
        const float x = 0.5f * static_cast<float>(area.width()) - 0.5f * static_cast<float>(size.width());
        const float y = 0.5f * static_cast<float>(area.height()) - 0.5f * static_cast<float>(size.height());
        window_->move(area.x() + static_cast<int>(x), area.y() + static_cast<int>(y));
    }
    // 12. The country start-up ends with is always the one the box shows.
    if (auto *box = qobject_cast<QComboBox *>(getGUIObject(40100)))
        g.gCountry_Global = box->currentText();
    quietly([&] { reloadLotteryTableFromDatabase(g.gCountry_Global); });
    lotteryModel_->reloadData();
    if (gSelectNo_AppDelegate >= 0) {
        programSelectsLottery_ = true;
        ui_->lotteryTable->selectRow(gSelectNo_AppDelegate);
        programSelectsLottery_ = false;
    }
    // 13.
    defaultSaveAppSetting();
    if (databaseUsable && !firstError.isEmpty())
        AlertPanel::run(QStringLiteral("Alert"), firstError, QStringLiteral("Ok"));
    // 14. The random pick answers the Number window.
    // (connected when the Number window is made; it is the only sender of "dodo")
}

void AppController::defaultLoadAppSetting()
{
    auto s = openSettings();
    const QVariant country = s->value(QStringLiteral("LotteryCountry"));
    const QVariant lottery = s->value(QStringLiteral("LotteryName"));
    g.gCountry_Global = country.isValid() && !country.toString().isEmpty() ? country.toString() : QString();
    g.glotteryname_Global = lottery.isValid() && !lottery.toString().isEmpty() ? lottery.toString() : QString();
}

void AppController::defaultSaveAppSetting()
{
    auto s = openSettings();
    const auto store = [&s](const QString &key, const QString &value) {
        if (value.isNull())
            s->remove(key);
        else
            s->setValue(key, value);
    };
    store(QStringLiteral("LotteryCountry"), g.gCountry_Global);
    store(QStringLiteral("LotteryName"), g.glotteryname_Global);
    s->sync();
}

void AppController::refreshGUIButton(int page)
{
    if (page < 0 || page > 3)
        return;
    const bool ticketsShown = page == 3;
    for (int tag : {31010, 31028, 31027})
        if (auto *w = qobject_cast<QWidget *>(getGUIObject(tag)))
            w->setEnabled(ticketsShown);
    const std::pair<int, bool> shown[] = {
        {31021, page != 0}, {31022, page <= 1}, {31023, page == 2}, {31015, page == 3}};
    for (auto [tag, visible] : shown)
        if (auto *w = qobject_cast<QWidget *>(getGUIObject(tag)))
            w->setVisible(visible);
}

QObject *AppController::getGUIObject(int tag, QWidget *container) const
{
    return findControl(tag, container ? container : window_->centralWidget());
}

void AppController::reLoadView()
{
    g.bChanged = 0;
    clearButtons();
    clearMutable();
    g.gSelectNo = 0;
    iNumber = g.gFrom;
    createButtons();
    createMutable();
    if (auto *field = qobject_cast<QLineEdit *>(getGUIObject(35000)))
        field->setText(QString());
}

void AppController::debugAlert(const QString &message)
{
    // Shown as it stands: a percent sign in it is no directive.
    AlertPanel::run(QStringLiteral("Alert"), message, QStringLiteral("Ok"));
}

void AppController::guarded(const std::function<void()> &work)
{
    try {
        work();
    } catch (const QueryError &e) {
        AlertPanel::run(QStringLiteral("Alert"), e.message(), QStringLiteral("Ok"));
    }
}
