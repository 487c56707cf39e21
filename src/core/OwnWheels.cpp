// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/OwnWheels.h"

#include "core/SqliteHandles.h"
#include "core/WheelSchema.h"

#include "wheelsearch/verify.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

#include <algorithm>
#include <memory>

namespace {

using Statement = SqliteStatement;

Statement prepare(sqlite3 *db, const char *sql)
{
    return prepareStatement(db, sql);
}

// Binds pick, type, count of numbers and guarantee, the columns that name a wheel, from `first` on.
void bindWheel(sqlite3_stmt *s, const wheel::WheelSpec &spec, int first = 1)
{
    sqlite3_bind_int(s, first, spec.pick);
    bindText(s, first + 1, std::string(1, spec.type));
    sqlite3_bind_int(s, first + 2, spec.z);
    bindText(s, first + 3, spec.label());
}

QString columnText(sqlite3_stmt *s, int column)
{
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(s, column));
    return text ? QString::fromUtf8(text) : QString();
}

} // namespace

OwnWheels::~OwnWheels()
{
    close();
}

OwnWheels::Health OwnWheels::healthOf(int code)
{
    switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return Health::Busy;
    case SQLITE_ERROR: // a table or column missing
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
    case SQLITE_FORMAT:
    case SQLITE_SCHEMA:
    case SQLITE_MISMATCH:
    case SQLITE_TOOBIG:
        return Health::Damaged;
    default: // rights, a full or failing disk, memory: nothing says the file is at fault
        return Health::Unusable;
    }
}

void OwnWheels::close()
{
    if (db_)
        sqlite3_close(db_);
    db_ = nullptr;
}

bool OwnWheels::open(const QString &path, QString *problem)
{
    close();
    path_ = path;
    auto fail = [&](const QString &why) {
        close();
        if (problem)
            *problem = why;
        return false;
    };
    if (path.isEmpty())
        return fail(QCoreApplication::translate("OwnWheels", "No file was named for the wheel library."));
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        return fail(QCoreApplication::translate(
                        "OwnWheels", "Your wheel library %1 cannot be made: its folder %2 cannot be created.")
                        .arg(path, folder));
    QString why;
    if (!openFile(&why))
        return fail(why);
    switch (examine(&why)) {
    case Health::Sound:
        return true;
    case Health::Busy:
        // Only busy: the pages were never read, and the journal beside the file is the other
        // program's, live. Setting either aside would lose the player's wheels.
        return fail(inUse() + QStringLiteral(" It was left as it is; close the other Wheelwright and start this one "
                                             "again to use your own wheels."));
    case Health::Unusable:
        return fail(
            QCoreApplication::translate("OwnWheels", "Your wheel library %1 cannot be used: %2.").arg(path_, why));
    case Health::Damaged:
        break;
    }
    if (!setAside(why, problem))
        return false;
    if (!openFile(&why))
        return fail(why);
    if (examine(&why) != Health::Sound)
        return fail(QCoreApplication::translate("OwnWheels", "A new wheel library %1 could not be started: %2.")
                        .arg(path_, why));
    return true;
}

bool OwnWheels::openFile(QString *problem)
{
    sqlite3 *db = nullptr;
    const int rc =
        sqlite3_open_v2(QFile::encodeName(path_).constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (rc != SQLITE_OK) {
        if (problem)
            *problem = QCoreApplication::translate("OwnWheels", "Your wheel library %1 cannot be opened: %2.")
                           .arg(path_, QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(rc)));
        sqlite3_close(db);
        return false;
    }
    db_ = db;
    // Another copy of the program may be writing; wait for it rather than fail.
    sqlite3_busy_timeout(db_, busyWait_);
    return true;
}

OwnWheels::Health OwnWheels::examine(QString *why)
{
    // What stopped the look, in the player's words when the file is at fault and in SQLite's
    // when the file may be sound but cannot be had.
    auto stopped = [&](int code, const QString &fault) {
        const Health health = healthOf(code);
        if ((code & 0xff) == SQLITE_CORRUPT)
            *why = QCoreApplication::translate("OwnWheels", "it is damaged inside");
        else if (health == Health::Damaged)
            *why = fault;
        else
            *why = QString::fromUtf8(sqlite3_errmsg(db_));
        return health;
    };
    // A file that is not SQLite only shows itself on the first read; a new file gets its tables.
    if (const int rc = sqlite3_exec(db_, (std::string(kWheelTables) + kWheelIndexes + kDrawTables).c_str(), nullptr,
                                    nullptr, nullptr);
        rc != SQLITE_OK)
        return stopped(rc, QCoreApplication::translate("OwnWheels", "it is not a wheel library"));
    for (const char *sql : {"SELECT pick, wheeltype, zoption, xyoption, ticket FROM wheelsurvey LIMIT 1",
                            "SELECT pick, wheeltype, zoption, xyoption, digitalstring FROM wheels LIMIT 1",
                            "SELECT country, lotteryname, drawdate, main, bonus, supplementary FROM draws LIMIT 1"})
        if (!prepare(db_, sql))
            return stopped(sqlite3_errcode(db_), QCoreApplication::translate("OwnWheels", "it is not a wheel library"));
    auto check = prepare(db_, "PRAGMA quick_check");
    if (!check)
        return stopped(sqlite3_errcode(db_), QCoreApplication::translate("OwnWheels", "it is damaged inside"));
    const int rc = sqlite3_step(check.get());
    if (rc != SQLITE_ROW)
        return stopped(rc, QCoreApplication::translate("OwnWheels", "it is damaged inside"));
    if (columnText(check.get(), 0) != QLatin1String("ok")) {
        *why = QCoreApplication::translate("OwnWheels", "it is damaged inside");
        return Health::Damaged;
    }
    return Health::Sound;
}

QString OwnWheels::inUse() const
{
    return QStringLiteral("Your wheel library %1 is in use by another Wheelwright or another program, which did "
                          "not let go of it in time.")
        .arg(path_);
}

QString OwnWheels::asideName() const
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString name = path_ + QStringLiteral(".damaged-") + stamp;
    for (int n = 2; QFileInfo::exists(name); ++n)
        name = path_ + QStringLiteral(".damaged-") + stamp + QLatin1Char('-') + QString::number(n);
    return name;
}

bool OwnWheels::setAside(const QString &why, QString *problem)
{
    close();
    const QString aside = asideName();
    QFile file(path_);
    if (!file.rename(aside)) {
        // Never removed instead: the file is the player's, and may yet be mended.
        if (problem)
            *problem = QStringLiteral("Your wheel library %1 is damaged (%2) and could not be set aside as %3 (%4). "
                                      "Move it away to start a new one.")
                           .arg(path_, why, aside, file.errorString());
        return false;
    }
    // A journal left beside the file belongs to it, not to the fresh library.
    QFile::rename(path_ + QStringLiteral("-journal"), aside + QStringLiteral("-journal"));
    notice_ += QStringLiteral("Your wheel library %1 could not be used (%2); it was set aside as %3 and a new "
                              "one started.\n")
                   .arg(path_, why, aside);
    return true;
}

QString OwnWheels::takeNotice()
{
    QString notice = notice_.trimmed();
    notice_.clear();
    return notice;
}

OwnWheels::Stored OwnWheels::store(const wheel::WheelSpec &spec, const std::vector<wheel::Line> &lines,
                                   QString *problem)
{
    auto fail = [&](const QString &why) {
        if (problem)
            *problem = why;
        return Stored::Refused;
    };
    if (!db_)
        return fail(QCoreApplication::translate("OwnWheels", "The wheel library is not open."));
    const auto verdict = wheel::verifyWheel(spec, lines);
    if (!verdict.holds)
        return fail(
            QCoreApplication::translate("OwnWheels", "The wheel does not keep its guarantee (%1); it was not stored.")
                .arg(QString::fromStdString(verdict.reason)));
    const auto held = find(spec);
    if (!db_)
        return fail(QCoreApplication::translate("OwnWheels", "The wheel library is not open."));
    if (held && held->size() <= lines.size())
        return Stored::KeptStored;

    std::vector<wheel::Line> sorted = lines;
    std::sort(sorted.begin(), sorted.end(), wheel::lineLess);
    const auto cannotWrite = [&] {
        if (healthOf(sqlite3_errcode(db_)) == Health::Busy)
            return fail(inUse() + QCoreApplication::translate("OwnWheels", " The wheel was not stored."));
        return fail(QCoreApplication::translate("OwnWheels", "The wheel library cannot be written: %1")
                        .arg(QString::fromUtf8(sqlite3_errmsg(db_))));
    };
    if (sqlite3_exec(db_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK)
        return cannotWrite();
    auto rollback = [&] {
        const Stored refused = cannotWrite();
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        return refused;
    };
    auto dropSurvey =
        prepare(db_, "DELETE FROM wheelsurvey WHERE pick = ? AND wheeltype = ? AND zoption = ? AND xyoption = ?");
    auto dropLines =
        prepare(db_, "DELETE FROM wheels WHERE pick = ? AND wheeltype = ? AND zoption = ? AND xyoption = ?");
    auto addSurvey =
        prepare(db_, "INSERT INTO wheelsurvey(pick, wheeltype, zoption, xyoption, ticket) VALUES(?,?,?,?,?)");
    auto addLine =
        prepare(db_, "INSERT INTO wheels(pick, wheeltype, zoption, xyoption, digitalstring) VALUES(?,?,?,?,?)");
    if (!dropSurvey || !dropLines || !addSurvey || !addLine)
        return rollback();
    for (sqlite3_stmt *s : {dropSurvey.get(), dropLines.get()}) {
        bindWheel(s, spec);
        if (sqlite3_step(s) != SQLITE_DONE)
            return rollback();
    }
    bindWheel(addSurvey.get(), spec);
    bindText(addSurvey.get(), 5, std::to_string(sorted.size()));
    if (sqlite3_step(addSurvey.get()) != SQLITE_DONE)
        return rollback();
    bindWheel(addLine.get(), spec);
    for (const wheel::Line line : sorted) {
        bindText(addLine.get(), 5, wheel::formatLine(line));
        if (sqlite3_step(addLine.get()) != SQLITE_DONE)
            return rollback();
        sqlite3_reset(addLine.get());
    }
    if (sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK)
        return rollback();
    return held ? Stored::Replaced : Stored::Added;
}

std::optional<std::vector<wheel::Line>> OwnWheels::find(const wheel::WheelSpec &spec)
{
    if (!db_)
        return std::nullopt;
    auto survey = prepare(db_, "SELECT ticket FROM wheelsurvey WHERE pick = ? AND wheeltype = ? AND zoption = ? AND "
                               "xyoption = ?");
    // The second only after the first, so that the error code is the failing one's.
    auto rows = survey ? prepare(db_, "SELECT digitalstring FROM wheels WHERE pick = ? AND wheeltype = ? AND "
                                      "zoption = ? AND xyoption = ?")
                       : Statement();
    const auto busy = [this] {
        notice_ += inUse() + QCoreApplication::translate("OwnWheels", " Its wheels could not be read just now.\n");
        return std::nullopt;
    };
    if (!survey || !rows) {
        if (healthOf(sqlite3_errcode(db_)) == Health::Busy)
            return busy();
        QString problem;
        if (!setAside(QCoreApplication::translate("OwnWheels", "its tables cannot be read"), &problem))
            notice_ += problem + QLatin1Char('\n');
        else if (QString why; openFile(nullptr) && examine(&why) != Health::Sound)
            close();
        return std::nullopt;
    }
    bindWheel(survey.get(), spec);
    bindWheel(rows.get(), spec);
    int surveys = 0;
    QString tickets;
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(survey.get())) == SQLITE_ROW) {
        ++surveys;
        tickets = columnText(survey.get(), 0);
    }
    std::vector<wheel::Line> lines;
    std::string why;
    bool sound = rc == SQLITE_DONE;
    while (sound && (rc = sqlite3_step(rows.get())) == SQLITE_ROW) {
        wheel::Line line = 0;
        const QByteArray text = columnText(rows.get(), 0).toUtf8();
        if (!wheel::parseLine(text.toStdString(), spec.z, line, why))
            sound = false;
        lines.push_back(line);
    }
    sound = sound && rc == SQLITE_DONE;
    if (rc != SQLITE_ROW && rc != SQLITE_DONE) {
        // Busy is no fault of the wheel; anything else that stops the read is.
        if (healthOf(rc) == Health::Busy)
            return busy();
        why = sqlite3_errmsg(db_);
    }
    if (surveys == 0 && lines.empty() && sound)
        return std::nullopt;
    if (sound && (surveys != 1 || tickets != QString::number(lines.size()))) {
        sound = false;
        why = "its ticket count does not agree with its lines";
    }
    if (sound) {
        const auto verdict = wheel::verifyWheel(spec, lines);
        sound = verdict.holds;
        why = verdict.reason;
    }
    if (sound) {
        std::sort(lines.begin(), lines.end(), wheel::lineLess);
        return lines;
    }
    // Keep the whole file for whoever looks into it, and the library's other wheels in use.
    const QString aside = asideName();
    const QString label = QString::fromStdString(spec.label());
    survey.reset();
    rows.reset();
    if (QFile::copy(path_, aside))
        notice_ += QStringLiteral("The wheel \"%1\" on %2 numbers in your wheel library does not hold (%3); it was "
                                  "removed, and a copy of the library kept as %4.\n")
                       .arg(label)
                       .arg(spec.z)
                       .arg(QString::fromStdString(why), aside);
    else
        notice_ += QStringLiteral("The wheel \"%1\" on %2 numbers in your wheel library does not hold (%3); it was "
                                  "removed.\n")
                       .arg(label)
                       .arg(spec.z)
                       .arg(QString::fromStdString(why));
    forget(spec);
    return std::nullopt;
}

void OwnWheels::forget(const wheel::WheelSpec &spec)
{
    if (sqlite3_exec(db_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK)
        return;
    bool ok = true;
    for (const char *sql : {"DELETE FROM wheelsurvey WHERE pick = ? AND wheeltype = ? AND zoption = ? AND xyoption = ?",
                            "DELETE FROM wheels WHERE pick = ? AND wheeltype = ? AND zoption = ? AND xyoption = ?"}) {
        auto s = prepare(db_, sql);
        if (!s)
            ok = false;
        if (ok) {
            bindWheel(s.get(), spec);
            ok = sqlite3_step(s.get()) == SQLITE_DONE;
        }
    }
    sqlite3_exec(db_, ok ? "COMMIT" : "ROLLBACK", nullptr, nullptr, nullptr);
}

QList<OwnWheelEntry> OwnWheels::list(int pick, char type, int numbers)
{
    QList<OwnWheelEntry> entries;
    if (!db_)
        return entries;
    auto s = prepare(db_, "SELECT xyoption, ticket FROM wheelsurvey WHERE pick = ? AND wheeltype = ? AND zoption = ?");
    if (!s)
        return entries;
    sqlite3_bind_int(s.get(), 1, pick);
    bindText(s.get(), 2, std::string(1, type));
    sqlite3_bind_int(s.get(), 3, numbers);
    while (sqlite3_step(s.get()) == SQLITE_ROW)
        entries.append({columnText(s.get(), 0), columnText(s.get(), 1).toInt()});
    std::stable_sort(entries.begin(), entries.end(),
                     [](const OwnWheelEntry &a, const OwnWheelEntry &b) { return a.tickets < b.tickets; });
    return entries;
}

namespace {

std::string numbersColumn(const QList<int> &numbers)
{
    std::string text;
    for (const int n : numbers) {
        if (!text.empty())
            text += ' ';
        text += std::to_string(n);
    }
    return text;
}

// Numbers as numbersColumn() writes them; false for anything else.
bool readNumbersColumn(const QString &text, QList<int> &numbers)
{
    numbers.clear();
    for (const QString &part : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int n = part.toInt(&ok);
        if (!ok || part.size() > 3)
            return false;
        numbers << n;
    }
    return true;
}

} // namespace

DrawsStored OwnWheels::addDraws(const QString &country, const QString &lottery, const QList<StoredDraw> &draws)
{
    DrawsStored out;
    if (!db_) {
        out.problem = QCoreApplication::translate("OwnWheels", "The library is not open; no draw was added.");
        return out;
    }
    const auto cannotWrite = [&] {
        out.added = out.alreadyStored = 0;
        out.different.clear();
        if (healthOf(sqlite3_errcode(db_)) == Health::Busy)
            out.problem = inUse() + QCoreApplication::translate("OwnWheels", " No draw was added.");
        else
            out.problem =
                QCoreApplication::translate("OwnWheels", "Your library %1 cannot be written (%2); no draw was added.")
                    .arg(path_, QString::fromUtf8(sqlite3_errmsg(db_)));
        return out;
    };
    if (sqlite3_exec(db_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK)
        return cannotWrite();
    const auto rollback = [&] {
        cannotWrite();
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        return out;
    };
    auto held = prepare(db_, "SELECT main, bonus, supplementary FROM draws WHERE country = ? AND lotteryname = ? "
                             "AND drawdate = ?");
    auto add = prepare(db_, "INSERT INTO draws(country, lotteryname, drawdate, main, bonus, supplementary) "
                            "VALUES(?,?,?,?,?,?)");
    if (!held || !add)
        return rollback();
    const std::string countryText = country.toStdString(), lotteryText = lottery.toStdString();
    for (const StoredDraw &d : draws) {
        const std::string date = d.date.toString(Qt::ISODate).toStdString();
        const std::string main = numbersColumn(d.main), bonus = numbersColumn(d.bonus),
                          supplementary = numbersColumn(d.supplementary);
        sqlite3_reset(held.get());
        bindText(held.get(), 1, countryText);
        bindText(held.get(), 2, lotteryText);
        bindText(held.get(), 3, date);
        const int rc = sqlite3_step(held.get());
        if (rc == SQLITE_ROW) {
            const bool same = columnText(held.get(), 0).toStdString() == main &&
                              columnText(held.get(), 1).toStdString() == bonus &&
                              columnText(held.get(), 2).toStdString() == supplementary;
            if (same)
                ++out.alreadyStored;
            else
                out.different << d.date;
            continue;
        }
        if (rc != SQLITE_DONE)
            return rollback();
        sqlite3_reset(add.get());
        bindText(add.get(), 1, countryText);
        bindText(add.get(), 2, lotteryText);
        bindText(add.get(), 3, date);
        bindText(add.get(), 4, main);
        bindText(add.get(), 5, bonus);
        bindText(add.get(), 6, supplementary);
        if (sqlite3_step(add.get()) != SQLITE_DONE)
            return rollback();
        ++out.added;
    }
    held.reset();
    add.reset();
    if (sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK)
        return rollback();
    return out;
}

QList<StoredDraw> OwnWheels::draws(const QString &country, const QString &lottery, const QDate &from, const QDate &to,
                                   QString *problem, int *unreadable)
{
    QList<StoredDraw> out;
    if (unreadable)
        *unreadable = 0;
    if (!db_) {
        if (problem)
            *problem = QCoreApplication::translate("OwnWheels", "The library is not open.");
        return out;
    }
    // ISO dates sort as text; an open end is the widest text either way.
    auto s = prepare(db_, "SELECT drawdate, main, bonus, supplementary FROM draws WHERE country = ? AND "
                          "lotteryname = ? AND drawdate >= ? AND drawdate <= ? ORDER BY drawdate");
    if (!s) {
        if (problem)
            *problem =
                healthOf(sqlite3_errcode(db_)) == Health::Busy
                    ? inUse()
                    : QCoreApplication::translate("OwnWheels", "The draws in your library %1 cannot be read: %2.")
                          .arg(path_, QString::fromUtf8(sqlite3_errmsg(db_)));
        return out;
    }
    bindText(s.get(), 1, country.toStdString());
    bindText(s.get(), 2, lottery.toStdString());
    bindText(s.get(), 3, from.isValid() ? from.toString(Qt::ISODate).toStdString() : std::string());
    bindText(s.get(), 4, to.isValid() ? to.toString(Qt::ISODate).toStdString() : std::string("~"));
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(s.get())) == SQLITE_ROW) {
        StoredDraw d;
        d.date = QDate::fromString(columnText(s.get(), 0), Qt::ISODate);
        const bool sound = d.date.isValid() && readNumbersColumn(columnText(s.get(), 1), d.main) && !d.main.isEmpty() &&
                           readNumbersColumn(columnText(s.get(), 2), d.bonus) &&
                           readNumbersColumn(columnText(s.get(), 3), d.supplementary);
        if (sound)
            out << d;
        else if (unreadable)
            ++*unreadable;
    }
    if (rc != SQLITE_DONE && problem)
        *problem = healthOf(rc) == Health::Busy
                       ? inUse()
                       : QCoreApplication::translate("OwnWheels", "The draws in your library %1 cannot be read: %2.")
                             .arg(path_, QString::fromUtf8(sqlite3_errmsg(db_)));
    return out;
}
