// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/OwnWheels.h"

#include "wheelsearch/verify.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

#include <algorithm>
#include <memory>

namespace {

struct StatementFinalizer {
    void operator()(sqlite3_stmt *s) const { sqlite3_finalize(s); }
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementFinalizer>;

Statement prepare(sqlite3 *db, const char *sql)
{
    sqlite3_stmt *s = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &s, nullptr) != SQLITE_OK) {
        sqlite3_finalize(s);
        return nullptr;
    }
    return Statement(s);
}

void bindText(sqlite3_stmt *s, int column, const std::string &text)
{
    sqlite3_bind_text(s, column, text.c_str(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
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

// The tables of the shipped database; the lottery table stays empty, but with it the file
// opens wherever a wheel database is expected.
constexpr const char *kSchema =
    "CREATE TABLE IF NOT EXISTS lottery(country TEXT NOT NULL, lotteryname TEXT NOT NULL,"
    " ifrom INTEGER NOT NULL, imatch INTEGER NOT NULL, drawn INTEGER, supplementary INTEGER,"
    " bonuspool INTEGER, bonuspick INTEGER, lowestprize_main INTEGER, lowestprize_bonus INTEGER,"
    " price REAL, currency TEXT);"
    "CREATE TABLE IF NOT EXISTS wheelsurvey(pick INTEGER NOT NULL, wheeltype TEXT NOT NULL,"
    " zoption INTEGER NOT NULL, xyoption TEXT NOT NULL, ticket TEXT NOT NULL);"
    "CREATE TABLE IF NOT EXISTS wheels(pick INTEGER NOT NULL, wheeltype TEXT NOT NULL,"
    " zoption INTEGER NOT NULL, xyoption TEXT NOT NULL, digitalstring TEXT NOT NULL);"
    "CREATE INDEX IF NOT EXISTS survey_by_choice ON wheelsurvey(pick, wheeltype, zoption);"
    "CREATE INDEX IF NOT EXISTS wheels_by_wheel ON wheels(pick, wheeltype, zoption, xyoption);";

} // namespace

OwnWheels::~OwnWheels()
{
    if (db_)
        sqlite3_close(db_);
}

bool OwnWheels::open(const QString &path, QString *problem)
{
    if (db_)
        sqlite3_close(db_);
    db_ = nullptr;
    path_ = path;
    if (path.isEmpty()) {
        if (problem)
            *problem = QStringLiteral("No file was named for the wheel library.");
        return false;
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!openFile(problem))
        return false;
    if (looksLikeLibrary())
        return true;
    setAside(QStringLiteral("it is not a wheel library"));
    return openFile(problem) && looksLikeLibrary();
}

bool OwnWheels::openFile(QString *problem)
{
    sqlite3 *db = nullptr;
    const int rc =
        sqlite3_open_v2(QFile::encodeName(path_).constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (rc != SQLITE_OK) {
        if (problem)
            *problem = QStringLiteral("The wheel library %1 cannot be opened: %2")
                           .arg(path_, QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(rc)));
        sqlite3_close(db);
        return false;
    }
    db_ = db;
    // Another copy of the program may be writing; wait for it rather than fail.
    sqlite3_busy_timeout(db_, 3000);
    return true;
}

bool OwnWheels::looksLikeLibrary()
{
    // A file that is not SQLite only shows itself on the first read; a new file gets its tables.
    if (sqlite3_exec(db_, kSchema, nullptr, nullptr, nullptr) != SQLITE_OK)
        return false;
    auto survey = prepare(db_, "SELECT pick, wheeltype, zoption, xyoption, ticket FROM wheelsurvey LIMIT 1");
    auto lines = prepare(db_, "SELECT pick, wheeltype, zoption, xyoption, digitalstring FROM wheels LIMIT 1");
    if (!survey || !lines)
        return false;
    auto check = prepare(db_, "PRAGMA quick_check");
    return check && sqlite3_step(check.get()) == SQLITE_ROW && columnText(check.get(), 0) == QLatin1String("ok");
}

QString OwnWheels::asideName() const
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString name = path_ + QStringLiteral(".damaged-") + stamp;
    for (int n = 2; QFileInfo::exists(name); ++n)
        name = path_ + QStringLiteral(".damaged-") + stamp + QLatin1Char('-') + QString::number(n);
    return name;
}

void OwnWheels::setAside(const QString &why)
{
    if (db_)
        sqlite3_close(db_);
    db_ = nullptr;
    const QString aside = asideName();
    if (QFile::rename(path_, aside)) {
        // A journal left beside the file belongs to it, not to the fresh library.
        QFile::rename(path_ + QStringLiteral("-journal"), aside + QStringLiteral("-journal"));
        notice_ += QStringLiteral("Your wheel library %1 could not be used (%2); it was set aside as %3 and a new "
                                  "one started.\n")
                       .arg(path_, why, aside);
    } else {
        QFile::remove(path_);
        notice_ += QStringLiteral("Your wheel library %1 could not be used (%2) nor set aside; a new one was "
                                  "started.\n")
                       .arg(path_, why);
    }
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
        return fail(QStringLiteral("The wheel library is not open."));
    const auto verdict = wheel::verifyWheel(spec, lines);
    if (!verdict.holds)
        return fail(QStringLiteral("The wheel does not keep its guarantee (%1); it was not stored.")
                        .arg(QString::fromStdString(verdict.reason)));
    const auto held = find(spec);
    if (!db_)
        return fail(QStringLiteral("The wheel library is not open."));
    if (held && held->size() <= lines.size())
        return Stored::KeptStored;

    std::vector<wheel::Line> sorted = lines;
    std::sort(sorted.begin(), sorted.end(), wheel::lineLess);
    if (sqlite3_exec(db_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK)
        return fail(
            QStringLiteral("The wheel library cannot be written: %1").arg(QString::fromUtf8(sqlite3_errmsg(db_))));
    auto rollback = [&] {
        const QString why = QString::fromUtf8(sqlite3_errmsg(db_));
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        return fail(QStringLiteral("The wheel library cannot be written: %1").arg(why));
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
    auto rows = prepare(db_, "SELECT digitalstring FROM wheels WHERE pick = ? AND wheeltype = ? AND zoption = ? AND "
                             "xyoption = ?");
    if (!survey || !rows) {
        setAside(QStringLiteral("its tables cannot be read"));
        openFile(nullptr);
        if (db_ && !looksLikeLibrary()) {
            sqlite3_close(db_);
            db_ = nullptr;
        }
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
