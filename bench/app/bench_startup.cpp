// Start-up of the whole program, measured on real processes.
//
// Each iteration starts this program again in its child role, which runs
// Brimlow exactly as main() does (offscreen platform) and reports on stdout:
//   shown <ns>   monotonic clock when the window was on screen
//   ready <ns>   when the start-up conversion had filled the result box
//   peak <kB>    the process's peak resident memory at that point
// The parent takes its clock just before it starts the child, so the figures
// include loading the program and its libraries.

#include "app/form1.h"
#include "app/startup.h"
#include "toolkit/textbox.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <ctime>

namespace {

qint64 monotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

qint64 peakResidentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

int runChild(int argc, char **argv)
{
    QApplication application(argc, argv);
    return runBrimlow(application, [](Form1 &form) {
        std::printf("shown %lld\n", static_cast<long long>(monotonicNanoseconds()));
        QObject::connect(form.Text2, &TextBox::change, &form, [&form] {
            if (form.Text2->text().isEmpty())
                return;
            std::printf("ready %lld\npeak %lld\n", static_cast<long long>(monotonicNanoseconds()),
                        static_cast<long long>(peakResidentKilobytes()));
            std::fflush(stdout);
            QTimer::singleShot(0, &form, &QWidget::close);
        });
    });
}

QString g_self;

void BM_StartupToWindow(benchmark::State &state)
{
    double readyTotal = 0;
    double peakTotal = 0;
    for (auto _ : state) {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        child.setProcessEnvironment(env);
        const qint64 start = monotonicNanoseconds();
        child.start(g_self, {QStringLiteral("--child")});
        if (!child.waitForFinished(30000) || child.exitCode() != 0) {
            state.SkipWithError("the child did not start Brimlow");
            return;
        }
        qint64 shown = 0, ready = 0, peak = 0;
        for (const QByteArray &line : child.readAllStandardOutput().split('\n')) {
            const QList<QByteArray> parts = line.split(' ');
            if (parts.size() != 2)
                continue;
            if (parts[0] == "shown")
                shown = parts[1].toLongLong();
            else if (parts[0] == "ready")
                ready = parts[1].toLongLong();
            else if (parts[0] == "peak")
                peak = parts[1].toLongLong();
        }
        state.SetIterationTime(double(shown - start) / 1e9);
        readyTotal += double(ready - start) / 1e6;
        peakTotal += double(peak) / 1024.0;
    }
    state.counters["ready_ms"] = benchmark::Counter(readyTotal, benchmark::Counter::kAvgIterations);
    state.counters["peak_MiB"] = benchmark::Counter(peakTotal, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_StartupToWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10)->Repetitions(3)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char **argv)
{
    if (argc > 1 && std::strcmp(argv[1], "--child") == 0)
        return runChild(argc, argv);
    g_self = QString::fromLocal8Bit(argv[0]);
    QCoreApplication core(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
