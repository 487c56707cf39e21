// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Times the start of the program, from exec to the first painted main window, against a bare
// Qt window that opens the same database and asks it one question; prints the medians and
// their ratio, asserts nothing about time.
//
//   bench_startup [--cold] WHEELWRIGHT DATABASE [RUNS]
//                                               starts both RUNS times each (20), alternately
//   bench_startup --bare DATABASE               the bare window itself
//
// --cold empties the system's page cache before each counted start (as root: it writes
// /proc/sys/vm/drop_caches), so that every library, font and database page comes from the
// disk, as on the first start after the machine booted.
//
// Both run on the offscreen platform (or the one QT_QPA_PLATFORM names, xcb under Xvfb say)
// and quit after their first paint. The program is asked to
// by WHEELWRIGHT_EXIT_AFTER_FIRST_PAINT, the bare window does it always; each prints one line
// when it has painted, and the time from just before the exec to that line is what counts. The
// program's settings and own wheel library go to a folder of the benchmark's, made once by a
// start that is not counted.
#include <sqlite3.h>

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMainWindow>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

// Quits once the window has painted; the zero timer fires after the whole paint is done.
class QuitAfterPaint : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, qApp, [] {
                std::printf("first paint\n");
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool seen_ = false;
};

int bareWindow(int argc, char **argv, const char *database)
{
    QApplication app(argc, argv);
    sqlite3 *db = nullptr;
    int lotteries = -1;
    if (sqlite3_open_v2(database, &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt *count = nullptr;
        if (sqlite3_prepare_v2(db, "SELECT count(*) FROM lottery", -1, &count, nullptr) == SQLITE_OK &&
            sqlite3_step(count) == SQLITE_ROW)
            lotteries = sqlite3_column_int(count, 0);
        sqlite3_finalize(count);
    }
    sqlite3_close(db);
    QMainWindow window;
    window.setCentralWidget(new QLabel(QStringLiteral("%1 lotteries").arg(lotteries)));
    window.resize(800, 600);
    QuitAfterPaint quit;
    window.installEventFilter(&quit);
    window.show();
    return QApplication::exec();
}

// Milliseconds from just before the exec to the child's line; nothing when it failed.
std::optional<double> timeStart(const QString &program, const QStringList &arguments,
                                const QProcessEnvironment &environment)
{
    QProcess child;
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer clock;
    clock.start();
    child.start(program, arguments);
    while (!child.canReadLine())
        if (!child.waitForReadyRead(30000))
            break;
    const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    const bool painted = child.readLine().startsWith("first paint");
    child.waitForFinished(30000);
    if (!painted || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0) {
        std::fprintf(stderr, "%s did not paint and quit\n", qPrintable(program));
        return std::nullopt;
    }
    return ms;
}

// Writes the cached pages to disk and drops them; false when the system refuses.
bool dropPageCache()
{
    ::sync();
    std::FILE *drop = std::fopen("/proc/sys/vm/drop_caches", "w");
    if (!drop)
        return false;
    const bool written = std::fputs("3\n", drop) >= 0;
    return std::fclose(drop) == 0 && written;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

} // namespace

int main(int argc, char **argv)
{
    // The offscreen platform unless another is asked for (xcb under Xvfb, as on a desktop).
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 3 && qstrcmp(argv[1], "--bare") == 0)
        return bareWindow(argc, argv, argv[2]);
    const bool cold = argc > 1 && qstrcmp(argv[1], "--cold") == 0;
    const int first = cold ? 2 : 1; // the first of WHEELWRIGHT DATABASE [RUNS]
    if (argc < first + 2 || argc > first + 3) {
        std::fprintf(stderr, "usage: bench_startup [--cold] WHEELWRIGHT DATABASE [RUNS]\n");
        return 2;
    }
    QCoreApplication app(argc, argv);
    const QString wheelwright = QString::fromLocal8Bit(argv[first]);
    const QString database = QString::fromLocal8Bit(argv[first + 1]);
    const int runs = argc == first + 3 ? std::max(1, QByteArray(argv[first + 2]).toInt()) : 20;

    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path()); // made 0700, as Qt wants it
    environment.insert(QStringLiteral("WHEELWRIGHT_EXIT_AFTER_FIRST_PAINT"), QStringLiteral("1"));
    const QStringList programArguments{QStringLiteral("--database"), database};
    const QString self = QCoreApplication::applicationFilePath();
    const QStringList bareArguments{QStringLiteral("--bare"), database};

    // Not counted: the program makes its library and settings, and the files come into the cache.
    if (!timeStart(wheelwright, programArguments, environment) || !timeStart(self, bareArguments, environment))
        return 1;
    std::vector<double> program;
    std::vector<double> bare;
    const auto start = [&](const QString &executable, const QStringList &arguments) -> std::optional<double> {
        if (cold && !dropPageCache()) {
            std::fprintf(stderr, "--cold: the page cache cannot be dropped (it takes root)\n");
            return std::nullopt;
        }
        return timeStart(executable, arguments, environment);
    };
    for (int i = 0; i < runs; ++i) {
        const auto a = start(wheelwright, programArguments);
        const auto b = start(self, bareArguments);
        if (!a || !b)
            return 1;
        program.push_back(*a);
        bare.push_back(*b);
    }
    const double p = median(program);
    const double b = median(bare);
    std::printf("exec to first paint, median of %d alternate %s starts:\n", runs, cold ? "cold" : "warm");
    std::printf("  wheelwright   %7.1f ms  (fastest %.1f, slowest %.1f)\n", p,
                *std::min_element(program.begin(), program.end()), *std::max_element(program.begin(), program.end()));
    std::printf("  bare window   %7.1f ms  (fastest %.1f, slowest %.1f)\n", b,
                *std::min_element(bare.begin(), bare.end()), *std::max_element(bare.begin(), bare.end()));
    std::printf("  ratio         %7.2f\n", p / b);
    return 0;
}
