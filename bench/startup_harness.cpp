// startup-harness: the real window started as the program starts it, timed from process start
// to the first rows in the grid, with the peak resident size at that point.
//
//   startup-harness NETPATHMED
//
// NETPATHMED is what telvosetup.ini holds under [IB] NetPathMed (the folder of medical.gdb, e.g.
// "127.0.0.1:/var/tmp/bresolan-bench/r50000-p1000/"). The harness writes that file into a
// temporary program folder and creates TfrmDatabaseUpdate over it; the program itself reads no
// command line. Process start is taken from BRESOLAN_BENCH_T0_NS (CLOCK_REALTIME nanoseconds the
// runner read just before starting the process) when set, else from /proc/self/stat.
//
// Prints key=value lines: ms from process start to main, to the grid's first rows (the model
// reset with rows), and to the first paint of the grid after it; the processor time the process
// itself had used when the rows arrived; the rows; VmHWM in KiB.
#include "ErrorDialogs.h"
#include "ResultsModel.h"
#include "qelUpdater.h"

#include <QApplication>
#include <QFile>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// Milliseconds since the process started.
double sinceProcessStart()
{
    timespec now{};
    if (const char *t0 = std::getenv("BRESOLAN_BENCH_T0_NS")) {
        clock_gettime(CLOCK_REALTIME, &now);
        const long long nowNs = static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
        return static_cast<double>(nowNs - std::atoll(t0)) / 1e6;
    }
    // Field 22 of /proc/self/stat: the start time in clock ticks since boot.
    std::ifstream stat("/proc/self/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string field;
    for (int i = 3; i <= 22; ++i)
        fields >> field;
    const double startSeconds = std::stod(field) / static_cast<double>(sysconf(_SC_CLK_TCK));
    clock_gettime(CLOCK_BOOTTIME, &now);
    return (static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9 - startSeconds) * 1000.0;
}

// The process's own processor time so far (user and system), in ms: the client's work, whatever
// the server spends on the statement meanwhile.
double processorMilliseconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval &t) { return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_usec) / 1000.0; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

long statusKiB(const char *key)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(key, 0) == 0)
            return std::atol(line.c_str() + std::strlen(key));
    return -1;
}

// A failure at start-up ends the measurement instead of waiting on a message box.
class FailingDialogs : public ErrorDialogs
{
public:
    void showOpeningFailed(const QString &description) override { fail("Error opening database. " + description); }
    void showErrorReport(const QString &text) override { fail(text); }

private:
    [[noreturn]] static void fail(const QString &text)
    {
        std::fprintf(stderr, "startup-harness: %s\n", qPrintable(text));
        std::fflush(stderr);
        std::_Exit(1);
    }
};

// Notes the first paint of the grid once it has rows, then ends the run.
class FirstPaint : public QObject
{
public:
    using QObject::QObject;
    bool armed = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (armed && event->type() == QEvent::Paint) {
            armed = false;
            const double painted = sinceProcessStart();
            std::printf("start_to_painted_ms=%.1f\n", painted);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

int main(int argc, char *argv[])
{
    const double atMain = sinceProcessStart();
    if (argc != 2) {
        std::fprintf(stderr, "usage: startup-harness NETPATHMED\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QTemporaryDir programFolder;
    QFile ini(programFolder.filePath(QStringLiteral("telvosetup.ini")));
    if (!programFolder.isValid() || !ini.open(QIODevice::WriteOnly)
        || ini.write(QByteArray("[IB]\r\nNetPathMed=") + argv[1] + "\r\n") < 0) {
        std::fprintf(stderr, "startup-harness: cannot write telvosetup.ini\n");
        return 1;
    }
    ini.close();

    int appArgc = 1;
    QApplication application(appArgc, argv);
    TfrmDatabaseUpdate frmDatabaseUpdate(programFolder.path(), std::make_unique<FailingDialogs>());

    FirstPaint firstPaint;
    frmDatabaseUpdate.viewAT->viewport()->installEventFilter(&firstPaint);
    int rows = 0;
    QObject::connect(frmDatabaseUpdate.dsAT, &QAbstractItemModel::modelReset, &firstPaint, [&] {
        if (rows > 0 || frmDatabaseUpdate.dsAT->rowCount() == 0)
            return;
        const double shown = sinceProcessStart();
        rows = frmDatabaseUpdate.dsAT->rowCount();
        std::printf("start_to_main_ms=%.1f\nstart_to_rows_ms=%.1f\ncpu_to_rows_ms=%.1f\nrows=%d\n", atMain, shown,
                    processorMilliseconds(), rows);
        firstPaint.armed = true;
    });
    QTimer::singleShot(120000, &application, [] {
        std::fprintf(stderr, "startup-harness: no rows within two minutes\n");
        std::_Exit(1);
    });

    frmDatabaseUpdate.show();
    const int result = application.exec();
    std::printf("vmhwm_kib=%ld\nvmrss_kib=%ld\n", statusKiB("VmHWM:"), statusKiB("VmRSS:"));
    return rows > 0 ? result : 1;
}
