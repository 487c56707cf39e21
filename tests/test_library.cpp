// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The player's wheel library and saved files when the machine is not kind: a library held by
// another Wheelwright, damaged inside, in a folder that cannot be written; a full disk; a save
// aimed at something that is not a regular file.
#include "core/OwnWheels.h"
#include "core/TicketFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

#include <sqlite3.h>

#include <cerrno>
#include <csignal>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <system_error>
#include <unistd.h>

namespace {

// Two wheels the Fano plane keeps: every pair, and so every triple, meets a line in two numbers.
const wheel::WheelSpec kFano{3, 'a', 7, 2, 2};
const wheel::WheelSpec kFanoOfThree{3, 'a', 7, 2, 3};

wheel::Line lineOf(std::initializer_list<int> positions)
{
    wheel::Line line = 0;
    for (const int p : positions)
        line |= wheel::Line{1} << p;
    return line;
}

// The seven lines of the Fano plane: every pair of seven numbers on exactly one line.
std::vector<wheel::Line> fanoLines()
{
    return {lineOf({0, 1, 3}), lineOf({1, 2, 4}), lineOf({2, 3, 5}), lineOf({3, 4, 6}),
            lineOf({4, 5, 0}), lineOf({5, 6, 1}), lineOf({6, 0, 2})};
}

void makeLibrary(const QString &path)
{
    OwnWheels library;
    QVERIFY(library.open(path));
    QCOMPARE(library.store(kFano, fanoLines()), OwnWheels::Stored::Added);
    QCOMPARE(library.store(kFanoOfThree, fanoLines()), OwnWheels::Stored::Added);
}

QStringList setAside(const QString &path)
{
    const QFileInfo info(path);
    return QDir(info.absolutePath()).entryList({info.fileName() + QStringLiteral(".damaged-*")});
}

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A second connection to the library, as another running Wheelwright would hold it.
class OtherProgram {
public:
    explicit OtherProgram(const QString &path) { sqlite3_open(QFile::encodeName(path).constData(), &db_); }
    ~OtherProgram() { sqlite3_close(db_); }
    OtherProgram(const OtherProgram &) = delete;
    OtherProgram &operator=(const OtherProgram &) = delete;
    bool run(const char *sql) { return sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) == SQLITE_OK; }

private:
    sqlite3 *db_ = nullptr;
};

// Writes with the size of a file limited, the way a full disk cuts a write short.
QString writeWithFileSizeLimit(const QString &path, const QByteArray &bytes, rlim_t limit)
{
    rlimit before{};
    getrlimit(RLIMIT_FSIZE, &before);
    rlimit limited = before;
    limited.rlim_cur = limit;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &limited);
    const QString failure = writeWholeFile(path, bytes);
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, oldHandler);
    return failure;
}

} // namespace

class TestLibrary : public QObject {
    Q_OBJECT
private slots:
    void busyLibraryIsLeftAlone();
    void busyLibraryKeepsItsWheels();
    void damagedPagesAreSetAside();
    void damageThatCannotBeSetAsideIsTold_data();
    void damageThatCannotBeSetAsideIsTold();
    void writeFailuresInPlainWords_data();
    void writeFailuresInPlainWords();
    void shortWriteKeepsThePreviousFile_data();
    void shortWriteKeepsThePreviousFile();
    void onlyRegularFilesAreReplaced_data();
    void onlyRegularFilesAreReplaced();
};

void TestLibrary::busyLibraryIsLeftAlone()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("own-wheels.sqlite3"));
    makeLibrary(path);
    const QByteArray before = contentOf(path);
    {
        // The other program is in the middle of a write: its journal lies beside the file.
        OtherProgram other(path);
        QVERIFY(other.run("BEGIN EXCLUSIVE"));
        QVERIFY(other.run("INSERT INTO lottery(country, lotteryname, ifrom, imatch) VALUES('A', 'B', 49, 6)"));
        QVERIFY(QFile::exists(path + QStringLiteral("-journal")));

        OwnWheels library;
        library.setBusyWait(50);
        QString problem;
        QVERIFY(!library.open(path, &problem));
        QVERIFY2(problem.contains(QStringLiteral("in use by another Wheelwright")), qPrintable(problem));
        QVERIFY2(problem.contains(path), qPrintable(problem));
        QVERIFY(library.takeNotice().isEmpty());
        QVERIFY(setAside(path).isEmpty());
        QVERIFY(QFile::exists(path + QStringLiteral("-journal")));
        QVERIFY(other.run("ROLLBACK"));
    }
    QCOMPARE(contentOf(path), before);
    OwnWheels library;
    QVERIFY(library.open(path));
    QVERIFY(library.find(kFano));
    QVERIFY(library.find(kFanoOfThree));
}

void TestLibrary::busyLibraryKeepsItsWheels()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("own-wheels.sqlite3"));
    makeLibrary(path);
    OwnWheels library;
    library.setBusyWait(50);
    QVERIFY(library.open(path));
    OtherProgram other(path);
    // Held for writing: still read, but not written.
    QVERIFY(other.run("BEGIN IMMEDIATE"));
    QVERIFY(library.find(kFano));
    QString problem;
    QCOMPARE(library.store({3, 'a', 7, 1, 1}, fanoLines(), &problem), OwnWheels::Stored::Refused);
    QVERIFY2(problem.contains(QStringLiteral("in use by another Wheelwright")), qPrintable(problem));
    // Held while it writes: not even read, and a wheel that cannot be read is not a wheel that fails.
    QVERIFY(other.run("COMMIT"));
    QVERIFY(other.run("BEGIN EXCLUSIVE"));
    QVERIFY(!library.find(kFano));
    const QString notice = library.takeNotice();
    QVERIFY2(!notice.contains(QStringLiteral("does not hold")), qPrintable(notice));
    QVERIFY2(notice.contains(QStringLiteral("in use by another Wheelwright")), qPrintable(notice));
    QVERIFY(setAside(path).isEmpty());
    QVERIFY(other.run("ROLLBACK"));
    QVERIFY(library.find(kFano));
    QVERIFY(library.find(kFanoOfThree));
}

void TestLibrary::damagedPagesAreSetAside()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("own-wheels.sqlite3"));
    makeLibrary(path);
    // Spoil the head of the page holding the wheels' lines; the file's own header stays sound.
    int page = 0;
    int pageSize = 0;
    {
        sqlite3 *db = nullptr;
        QCOMPARE(sqlite3_open(QFile::encodeName(path).constData(), &db), SQLITE_OK);
        sqlite3_stmt *s = nullptr;
        sqlite3_prepare_v2(db,
                           "SELECT rootpage, (SELECT page_size FROM pragma_page_size) FROM sqlite_master "
                           "WHERE name = 'wheels'",
                           -1, &s, nullptr);
        QCOMPARE(sqlite3_step(s), SQLITE_ROW);
        page = sqlite3_column_int(s, 0);
        pageSize = sqlite3_column_int(s, 1);
        sqlite3_finalize(s);
        sqlite3_close(db);
    }
    QVERIFY(page > 1);
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.seek(qint64(page - 1) * pageSize));
        QCOMPARE(file.write(QByteArray(8, '\xff')), 8);
    }
    const QByteArray damaged = contentOf(path);

    OwnWheels library;
    QString problem;
    QVERIFY2(library.open(path, &problem), qPrintable(problem));
    const QString notice = library.takeNotice();
    const QStringList aside = setAside(path);
    QCOMPARE(aside.size(), 1);
    QVERIFY2(notice.contains(path) && notice.contains(aside[0]), qPrintable(notice));
    QCOMPARE(contentOf(dir.filePath(aside[0])), damaged);
    // A fresh library, empty and working.
    QVERIFY(!library.find(kFano));
    QVERIFY(library.list(3, 'a', 7).isEmpty());
    QCOMPARE(library.store(kFano, fanoLines()), OwnWheels::Stored::Added);
    QVERIFY(library.find(kFano));
    QVERIFY(library.takeNotice().isEmpty());
}

void TestLibrary::damageThatCannotBeSetAsideIsTold_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("folderReadOnly");
    // The folder may be written, but "<name>.damaged-<date>" is longer than a name may be.
    QTest::newRow("set-aside name too long") << QString(240, QLatin1Char('w')) << false;
    QTest::newRow("folder cannot be written") << QStringLiteral("own-wheels.sqlite3") << true;
}

void TestLibrary::damageThatCannotBeSetAsideIsTold()
{
    QFETCH(QString, name);
    QFETCH(bool, folderReadOnly);
    if (folderReadOnly && geteuid() == 0)
        QSKIP("permissions do not hold back root");
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    const QByteArray junk = QByteArray("this is no database\n").repeated(300);
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(junk), junk.size());
    }
    if (folderReadOnly)
        QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    OwnWheels library;
    QString problem;
    const bool opened = library.open(path, &problem);
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QVERIFY(!opened);
    QVERIFY(!library.isOpen());
    QVERIFY2(problem.contains(path), qPrintable(problem));
    QVERIFY2(problem.contains(QStringLiteral("damaged")), qPrintable(problem));
    QCOMPARE(contentOf(path), junk); // neither removed nor written over
}

void TestLibrary::writeFailuresInPlainWords_data()
{
    QTest::addColumn<int>("systemError");
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("errorString");
    QTest::addColumn<QString>("words");
    const QString full = QStringLiteral("The disk is full.");
    const QString unknown = QStringLiteral("Unknown error");
    QTest::newRow("short write, no space") << ENOSPC << int(QFileDevice::NoError) << unknown << full;
    QTest::newRow("flush, no space") << ENOSPC << int(QFileDevice::WriteError) << unknown << full;
    QTest::newRow("quota spent") << EDQUOT << int(QFileDevice::WriteError) << unknown << full;
    QTest::newRow("resource error") << 0 << int(QFileDevice::ResourceError) << QStringLiteral("No space") << full;
    QTest::newRow("read-only disk") << EROFS << int(QFileDevice::OpenError) << unknown
                                    << QStringLiteral("The disk can only be read, not written.");
    QTest::newRow("too large") << EFBIG << int(QFileDevice::WriteError) << unknown
                               << QStringLiteral("The file is too large for this disk or this account.");
    QTest::newRow("device's words") << 0 << int(QFileDevice::RenameError) << QStringLiteral("Cannot rename")
                                    << QStringLiteral("The file could not be written (Cannot rename).");
    QTest::newRow("system's words over none") << EIO << int(QFileDevice::WriteError) << unknown
                                              << QStringLiteral("The file could not be written (%1).")
                                                     .arg(QString::fromStdString(std::generic_category().message(EIO)));
}

void TestLibrary::writeFailuresInPlainWords()
{
    QFETCH(int, systemError);
    QFETCH(int, error);
    QFETCH(QString, errorString);
    QFETCH(QString, words);
    QCOMPARE(writeFailureInWords(systemError, QFileDevice::FileError(error), errorString), words);
}

void TestLibrary::shortWriteKeepsThePreviousFile_data()
{
    QTest::addColumn<int>("size");
    QTest::newRow("cut short in the buffer") << 9000;   // fails when the buffer is flushed
    QTest::newRow("cut short while written") << 100000; // the write itself comes back short
}

void TestLibrary::shortWriteKeepsThePreviousFile()
{
    QFETCH(int, size);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lottery.txt"));
    const QByteArray previous = ticketFileBytes(QStringLiteral("Country:A\r\n"));
    QVERIFY(writeWholeFile(path, previous).isEmpty());
    const QString failure = writeWithFileSizeLimit(path, QByteArray(size, 'x'), 4096);
    QVERIFY2(failure.startsWith(QDir::toNativeSeparators(path)), qPrintable(failure));
    QVERIFY2(failure.endsWith(QStringLiteral("The file is too large for this disk or this account.")),
             qPrintable(failure));
    QCOMPARE(contentOf(path), previous);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("lottery.txt")});
}

void TestLibrary::onlyRegularFilesAreReplaced_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("fifo") << QStringLiteral("fifo");
    QTest::newRow("socket") << QStringLiteral("socket");
    QTest::newRow("folder") << QStringLiteral("folder");
    QTest::newRow("null device") << QStringLiteral("null");
    QTest::newRow("full device") << QStringLiteral("full");
    QTest::newRow("link to a fifo") << QStringLiteral("link to fifo");
    QTest::newRow("link to a regular file") << QStringLiteral("link to file");
}

void TestLibrary::onlyRegularFilesAreReplaced()
{
    QFETCH(QString, kind);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lottery.txt"));
    const QByteArray target = QFile::encodeName(path);
    int socketFd = -1;
    auto cleanup = qScopeGuard([&] {
        if (socketFd >= 0)
            ::close(socketFd);
    });
    if (kind == QLatin1String("fifo")) {
        QCOMPARE(mkfifo(target.constData(), 0600), 0);
    } else if (kind == QLatin1String("socket")) {
        socketFd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        QVERIFY(size_t(target.size()) < sizeof address.sun_path);
        qstrcpy(address.sun_path, target.constData());
        QCOMPARE(::bind(socketFd, reinterpret_cast<const sockaddr *>(&address), sizeof address), 0);
    } else if (kind == QLatin1String("folder")) {
        QVERIFY(QDir().mkdir(path));
    } else if (kind == QLatin1String("null") || kind == QLatin1String("full")) {
        // Root gets a node of its own, never the machine's: were the rule broken, only the copy
        // is lost. Others may link to the machine's, since they cannot write beside it.
        const bool null = kind == QLatin1String("null");
        if (mknod(target.constData(), S_IFCHR | 0600, makedev(1, null ? 3 : 7)) != 0 &&
            (geteuid() == 0 || !QFile::link(null ? QStringLiteral("/dev/null") : QStringLiteral("/dev/full"), path)))
            QSKIP("no device node can be had here");
    } else if (kind == QLatin1String("link to fifo")) {
        QCOMPARE(mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("pipe"))).constData(), 0600), 0);
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("pipe")), path));
    } else {
        QVERIFY(writeWholeFile(dir.filePath(QStringLiteral("real.txt")), "old").isEmpty());
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("real.txt")), path));
    }
    const QByteArray bytes = ticketFileBytes(QStringLiteral("Country:A\r\n"));
    const QString failure = writeWholeFile(path, bytes);
    if (kind == QLatin1String("link to file")) {
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        QVERIFY(QFileInfo(path).isSymLink());
        QCOMPARE(contentOf(dir.filePath(QStringLiteral("real.txt"))), bytes);
        return;
    }
    QCOMPARE(failure, QDir::toNativeSeparators(path) +
                          QStringLiteral(" is not a regular file, so the tickets were not written there."));
    // Left as it was, and nothing else made beside it.
    struct stat after {};
    QCOMPARE(lstat(target.constData(), &after), 0);
    QVERIFY(!S_ISREG(after.st_mode));
    QStringList expected{QStringLiteral("lottery.txt")};
    if (kind == QLatin1String("link to fifo"))
        expected.append(QStringLiteral("pipe")); // beside the link, and unchanged
    QCOMPARE(
        QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name),
        expected);
}

QTEST_GUILESS_MAIN(TestLibrary)
#include "test_library.moc"
