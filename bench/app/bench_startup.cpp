// Start-up of the whole program against the floor: a bare Qt Widgets window of
// the same shape (bench_startup_bare), started as a second program.
//
// Each benchmark starts the programs in turn, alternating which goes first, for
// --runs rounds (9 unless given; at least 8 make a median worth reading), on one
// platform:
//   - X11: a private Xvfb server that this program starts, as a user's desktop
//     has; the window is viewable when the server maps it, which is the moment
//     `xdotool search --onlyvisible` can first find it (this program hears the
//     server's MapNotify instead of polling, then asks xdotool once per run that
//     the window it timed is the program's visible window);
//   - offscreen: Qt's offscreen platform, without a display server.
// The children report the first complete frame, the first result and their
// peak memory (startupprobe.h). Times run from just before the child process is
// made, so they include loading the program and its libraries.
//
// Counters (medians over the runs):
//   window_ms     Brimlow's window viewable (X11 only)
//   painted_ms    Brimlow's first complete frame on the screen
//   cpu_ms        processor time Brimlow used until that frame (all its threads;
//                 less swayed by other load on the machine than the times are)
//   ready_ms      Brimlow's first result in the result box
//   peak_MiB      Brimlow's peak resident memory
//   *_x           Brimlow's figure over the bare window's of the same round (the
//                 two start one after the other), median over the rounds
//   peak_extra_MiB  Brimlow's peak memory above the bare window's of the same
//                 round, median over the rounds
//   bare_*        the bare window's own figures
// With --compare=<path of another build's bench_startup_brimlow> that build runs
// in the same rotation and its figures appear as before_* (ratios to the same
// bare window), for a before-and-after in one run.

#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QString>
#include <QTemporaryDir>

#include <xcb/xcb.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

qint64 monotonicNanoseconds()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

struct Options
{
    int runs = 9;
    QString bare;
    QString brimlow;
    QString compare; // another build's Brimlow child, or empty
};
Options g_options;

// The private X server ---------------------------------------------------------------

class Xvfb final
{
public:
    ~Xvfb()
    {
        if (m_connection)
            xcb_disconnect(m_connection);
        if (m_pid > 0) {
            kill(m_pid, SIGTERM);
            waitpid(m_pid, nullptr, 0);
        }
    }

    // Starts the server on a free display (it names it through -displayfd) and
    // listens for windows mapped on its screen. Empty on success, else why not.
    std::string start()
    {
        int pipeFds[2];
        if (pipe(pipeFds) != 0)
            return "no pipe for Xvfb";
        m_pid = fork();
        if (m_pid == 0) {
            close(pipeFds[0]);
            const std::string fd = std::to_string(pipeFds[1]);
            const int devNull = open("/dev/null", O_WRONLY);
            dup2(devNull, STDOUT_FILENO);
            dup2(devNull, STDERR_FILENO);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24", "-nolisten",
                "tcp", static_cast<char *>(nullptr));
            _exit(127);
        }
        close(pipeFds[1]);
        if (m_pid < 0)
            return "cannot start Xvfb";
        std::string number;
        char c;
        while (read(pipeFds[0], &c, 1) == 1 && c != '\n')
            number += c;
        close(pipeFds[0]);
        if (number.empty())
            return "Xvfb did not start (is the xvfb package installed?)";
        m_display = ":" + number;
        m_connection = xcb_connect(m_display.c_str(), nullptr);
        if (xcb_connection_has_error(m_connection))
            return "cannot connect to Xvfb on " + m_display;
        const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_connection, screen->root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(m_connection);
        return {};
    }

    const std::string &display() const { return m_display; }
    int fd() const { return xcb_get_file_descriptor(m_connection); }

    // Reads the server's events; the first top-level window mapped while
    // `window` is 0 is kept, with the time this program heard of it.
    void readEvents(xcb_window_t &window, qint64 &when)
    {
        while (xcb_generic_event_t *event = xcb_poll_for_event(m_connection)) {
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
                const auto *mapped = reinterpret_cast<xcb_map_notify_event_t *>(event);
                if (!window && !mapped->override_redirect) {
                    window = mapped->window;
                    when = monotonicNanoseconds();
                }
            }
            std::free(event);
        }
    }

private:
    pid_t m_pid = -1;
    std::string m_display;
    xcb_connection_t *m_connection = nullptr;
};

std::unique_ptr<Xvfb> g_xvfb;

// One run of one child -------------------------------------------------------------

enum class Platform { X11, Offscreen };

struct Run
{
    double windowMs = 0; // X11: mapped, viewable
    double paintedMs = 0;
    double cpuMs = 0; // processor time used until the first frame
    double readyMs = 0;
    double peakMiB = 0;
};

std::vector<std::string> childEnvironment(Platform platform, const QString &runtimeDir)
{
    std::vector<std::string> env;
    for (char **e = environ; *e; ++e) {
        const std::string entry = *e;
        const char *const set[] = { "QT_QPA_PLATFORM=", "DISPLAY=", "WAYLAND_DISPLAY=", "XDG_RUNTIME_DIR=" };
        if (std::none_of(
                std::begin(set), std::end(set), [&](const char *name) { return entry.rfind(name, 0) == 0; }))
            env.push_back(entry);
    }
    env.push_back(platform == Platform::X11 ? "QT_QPA_PLATFORM=xcb" : "QT_QPA_PLATFORM=offscreen");
    if (platform == Platform::X11)
        env.push_back("DISPLAY=" + g_xvfb->display());
    // A desktop session has a runtime folder; without one Qt warns on every start.
    env.push_back("XDG_RUNTIME_DIR=" + runtimeDir.toStdString());
    return env;
}

// Asks xdotool, as a user's script would, for the program's visible windows.
bool xdotoolSeesWindow(pid_t pid, xcb_window_t window)
{
    const std::string command = "DISPLAY=" + g_xvfb->display() + " xdotool search --onlyvisible --pid "
        + std::to_string(pid) + " 2>/dev/null";
    FILE *out = popen(command.c_str(), "r");
    if (!out)
        return false;
    bool seen = false;
    unsigned long id = 0;
    while (std::fscanf(out, "%lu", &id) == 1)
        seen = seen || id == window;
    pclose(out);
    return seen;
}

std::optional<Run> runChild(
    const QString &program, Platform platform, const QString &runtimeDir, std::string &error)
{
    const std::vector<std::string> env = childEnvironment(platform, runtimeDir);
    std::vector<char *> envp;
    for (const std::string &e : env)
        envp.push_back(const_cast<char *>(e.c_str()));
    envp.push_back(nullptr);
    const QByteArray path = QFile::encodeName(program);

    int toChild[2], fromChild[2];
    if (pipe(toChild) != 0 || pipe(fromChild) != 0) {
        error = "no pipes";
        return std::nullopt;
    }
    xcb_window_t window = 0;
    qint64 mappedAt = 0;
    if (platform == Platform::X11)
        g_xvfb->readEvents(window, mappedAt); // nothing from earlier runs counts
    window = 0;

    const qint64 start = monotonicNanoseconds();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(toChild[0], STDIN_FILENO);
        dup2(fromChild[1], STDOUT_FILENO);
        for (int fd : { toChild[0], toChild[1], fromChild[0], fromChild[1] })
            close(fd);
        char *argv[] = { const_cast<char *>(path.constData()), nullptr };
        execve(path.constData(), argv, envp.data());
        _exit(127);
    }
    close(toChild[0]);
    close(fromChild[1]);

    Run run;
    qint64 painted = 0, cpu = 0, ready = 0, peak = 0;
    bool done = false;
    bool asked = false;
    std::string pending;
    const qint64 deadline = start + qint64(30) * 1000000000;
    for (;;) {
        pollfd fds[2]
            = { { fromChild[0], POLLIN, 0 }, { platform == Platform::X11 ? g_xvfb->fd() : -1, POLLIN, 0 } };
        const int left = int((deadline - monotonicNanoseconds()) / 1000000);
        if (left <= 0 || poll(fds, 2, left) < 0) {
            if (errno == EINTR)
                continue;
            error = "the child gave no answer within 30 s";
            kill(pid, SIGKILL);
            break;
        }
        if (platform == Platform::X11)
            g_xvfb->readEvents(window, mappedAt);
        if (!(fds[0].revents & (POLLIN | POLLHUP)))
            continue;
        char buffer[256];
        const ssize_t got = read(fromChild[0], buffer, sizeof buffer);
        if (got <= 0)
            break; // the child has ended
        pending.append(buffer, size_t(got));
        for (size_t nl; (nl = pending.find('\n')) != std::string::npos; pending.erase(0, nl + 1)) {
            const std::string line = pending.substr(0, nl);
            long long value = 0;
            if (std::sscanf(line.c_str(), "painted %lld", &value) == 1)
                painted = value;
            else if (std::sscanf(line.c_str(), "cpu %lld", &value) == 1)
                cpu = value;
            else if (std::sscanf(line.c_str(), "ready %lld", &value) == 1)
                ready = value;
            else if (std::sscanf(line.c_str(), "peak %lld", &value) == 1)
                peak = value;
            else if (line == "done")
                done = true;
        }
        if (done && !asked) {
            asked = true;
            if (platform == Platform::X11 && !(window && xdotoolSeesWindow(pid, window)))
                error = "xdotool does not find the window that was timed as viewable";
            [[maybe_unused]] const ssize_t sent = write(toChild[1], "quit\n", 5);
        }
    }
    close(toChild[1]);
    close(fromChild[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (error.empty() && !(WIFEXITED(status) && WEXITSTATUS(status) == 0))
        error = program.toStdString() + " ended with status " + std::to_string(status);
    if (error.empty() && (!painted || !peak))
        error = program.toStdString() + " reported no first frame or no peak memory";
    if (!error.empty())
        return std::nullopt;
    run.windowMs = mappedAt ? double(mappedAt - start) / 1e6 : 0;
    run.paintedMs = double(painted - start) / 1e6;
    run.cpuMs = double(cpu) / 1e6;
    run.readyMs = ready ? double(ready - start) / 1e6 : 0;
    run.peakMiB = double(peak) / 1024.0;
    return run;
}

// The benchmarks ---------------------------------------------------------------------

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Medians
{
    double window = 0, painted = 0, cpu = 0, ready = 0, peak = 0;
};

Medians mediansOf(const std::vector<Run> &runs)
{
    auto of = [&](double Run::*field) {
        std::vector<double> values;
        for (const Run &r : runs)
            values.push_back(r.*field);
        return median(values);
    };
    return { of(&Run::windowMs), of(&Run::paintedMs), of(&Run::cpuMs), of(&Run::readyMs), of(&Run::peakMiB) };
}

void BM_Startup(benchmark::State &state, Platform platform)
{
    if (platform == Platform::X11 && !g_xvfb) {
        g_xvfb = std::make_unique<Xvfb>();
        if (const std::string error = g_xvfb->start(); !error.empty()) {
            g_xvfb.reset();
            state.SkipWithError(error.c_str());
            return;
        }
    }
    QTemporaryDir runtimeDir;
    QFile::setPermissions(runtimeDir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    struct Program
    {
        QString path;
        const char *prefix;
        std::vector<Run> runs;
    };
    std::vector<Program> programs = { { g_options.bare, "bare_", {} }, { g_options.brimlow, "", {} } };
    if (!g_options.compare.isEmpty())
        programs.push_back({ g_options.compare, "before_", {} });

    for (auto _ : state) {
        for (int round = 0; round < g_options.runs; ++round) {
            // Each round starts with the next program, so none always goes first.
            for (size_t k = 0; k < programs.size(); ++k) {
                Program &program = programs[(size_t(round) + k) % programs.size()];
                std::string error;
                const std::optional<Run> run = runChild(program.path, platform, runtimeDir.path(), error);
                if (!run) {
                    state.SkipWithError(error.c_str());
                    return;
                }
                program.runs.push_back(*run);
            }
        }
        state.SetIterationTime(mediansOf(programs[1].runs).painted / 1e3);
    }

    for (const Program &program : programs) {
        const Medians m = mediansOf(program.runs);
        const std::string p = program.prefix;
        if (platform == Platform::X11)
            state.counters[p + "window_ms"] = m.window;
        state.counters[p + "painted_ms"] = m.painted;
        state.counters[p + "cpu_ms"] = m.cpu;
        state.counters[p + "peak_MiB"] = m.peak;
        if (&program == &programs[0])
            continue;
        // Each round's figure over the bare window's of the same round, which
        // ran just before or after it under the same load on the machine.
        auto perRound = [&](double Run::*field, bool difference) {
            std::vector<double> values;
            for (size_t round = 0; round < program.runs.size(); ++round) {
                const double own = program.runs[round].*field;
                const double floor = programs[0].runs[round].*field;
                values.push_back(difference ? own - floor : own / floor);
            }
            return median(values);
        };
        if (platform == Platform::X11)
            state.counters[p + "window_x"] = perRound(&Run::windowMs, false);
        state.counters[p + "painted_x"] = perRound(&Run::paintedMs, false);
        state.counters[p + "cpu_x"] = perRound(&Run::cpuMs, false);
        state.counters[p + "ready_ms"] = m.ready;
        state.counters[p + "peak_extra_MiB"] = perRound(&Run::peakMiB, true);
    }
}
BENCHMARK_CAPTURE(BM_Startup, x11, Platform::X11)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_Startup, offscreen, Platform::Offscreen)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    QCoreApplication core(argc, argv);
    const QString folder = QCoreApplication::applicationDirPath();
    g_options.bare = QDir(folder).filePath(QStringLiteral("bench_startup_bare"));
    g_options.brimlow = QDir(folder).filePath(QStringLiteral("bench_startup_brimlow"));
    for (const QString &argument : QCoreApplication::arguments().mid(1)) {
        if (argument.startsWith(QLatin1String("--runs="))) {
            g_options.runs = std::max(1, argument.mid(7).toInt());
        } else if (argument.startsWith(QLatin1String("--compare="))) {
            g_options.compare = QFileInfo(argument.mid(10)).absoluteFilePath();
        } else {
            std::fprintf(stderr,
                "usage: bench_startup [benchmark options] [--runs=N] "
                "[--compare=<other build>/bin/bench_startup_brimlow]\n");
            return 2;
        }
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_xvfb.reset();
    return 0;
}
