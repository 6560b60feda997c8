#include "startupprobe.h"

#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QGuiApplication>
#include <QSocketNotifier>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <unistd.h>

namespace startupprobe {

qint64 monotonicNanoseconds()
{
    timespec now {};
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

void report(const char *what)
{
    std::printf("%s %lld\n", what, static_cast<long long>(monotonicNanoseconds()));
    std::fflush(stdout);
}

void reportProcessorTime()
{
    timespec used {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &used);
    std::printf("cpu %lld\n", static_cast<long long>(qint64(used.tv_sec) * 1000000000 + used.tv_nsec));
    std::fflush(stdout);
}

void finishWhenAsked()
{
    std::printf("done\n");
    std::fflush(stdout);
    auto *asked = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(asked, &QSocketNotifier::activated, asked, [asked] {
        asked->setEnabled(false);
        char line[16];
        [[maybe_unused]] const ssize_t got = ::read(STDIN_FILENO, line, sizeof line);
        std::printf("peak %lld\n", static_cast<long long>(peakResidentKilobytes()));
        std::fflush(stdout);
        QCoreApplication::quit();
    });
}

} // namespace startupprobe

FirstFrameProbe::FirstFrameProbe(QObject *parent)
    : QObject(parent)
{ }

void FirstFrameProbe::watch(QWidget *widget, std::function<bool()> hasContent)
{
    // A list paints its entries on its viewport.
    QObject *painted = widget;
    if (auto *area = qobject_cast<QAbstractScrollArea *>(widget))
        painted = area->viewport();
    painted->installEventFilter(this);
    m_watched.push_back({ painted, std::move(hasContent), false });
}

void FirstFrameProbe::onPainted(std::function<void()> then)
{
    m_then = std::move(then);
}

bool FirstFrameProbe::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Paint || m_reported)
        return false;
    bool all = true;
    for (Watched &w : m_watched) {
        if (w.object == watched && !w.painted && w.hasContent())
            w.painted = true;
        all = all && w.painted;
    }
    if (all) {
        m_reported = true;
        // The widgets of one frame are painted in one go and the frame is handed
        // to the platform after the last of them: a queued call runs after that.
        QMetaObject::invokeMethod(this, &FirstFrameProbe::frameDone, Qt::QueuedConnection);
    }
    return false;
}

void FirstFrameProbe::frameDone()
{
    // On X11 the frame is a request to the server; one round trip on the same
    // connection returns only after the server has handled it.
    auto *x11 = QGuiApplication::platformName() == QLatin1String("xcb")
        ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>()
        : nullptr;
    if (xcb_connection_t *connection = x11 ? x11->connection() : nullptr)
        std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    if (m_then)
        m_then();
}
