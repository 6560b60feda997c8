#ifndef BRIMLOW_STARTUPPROBE_H
#define BRIMLOW_STARTUPPROBE_H

// What the child programs of the start-up benchmark share: the clock, the lines
// they report on standard output, and the watch for the first complete frame.
//
// A child prints, each on a line of its own:
//   painted <ns>  the first frame in which every watched widget was painted with
//                 its content had reached the display server
//   cpu <ns>      the process's processor time (all threads) at that moment
//   ready <ns>    (Brimlow only) the start-up conversion had filled the result box
//   done          nothing more to time
// then waits for a line on standard input (the harness looks at the window
// meanwhile), prints
//   peak <kB>     the process's peak resident memory (VmHWM)
// and ends. Times are CLOCK_MONOTONIC, which the harness shares.
//
// The watch lives here, outside the program: the program does not know it is
// watched and cannot claim a frame it has not drawn. A widget counts as painted
// only when it receives a paint event while its content test holds, so a window
// shown early and filled later is timed at the frame that shows the content.

#include <QObject>

#include <functional>
#include <vector>

class QWidget;

namespace startupprobe {

qint64 monotonicNanoseconds();
qint64 peakResidentKilobytes();

// Prints "<what> <now in ns>".
void report(const char *what);

// Prints "cpu <processor time of the whole process in ns>".
void reportProcessorTime();

// Prints "done", waits for the harness's line on standard input, prints the
// peak memory and quits the application.
void finishWhenAsked();

} // namespace startupprobe

class FirstFrameProbe final : public QObject
{
    Q_OBJECT

public:
    explicit FirstFrameProbe(QObject *parent = nullptr);

    // `widget` counts once it gets a paint event while `hasContent()` is true.
    void watch(QWidget *widget, std::function<bool()> hasContent);

    // Runs `then` once, after the frame that completed the watch has been
    // handed to the platform (and, on X11, the server has taken it).
    void onPainted(std::function<void()> then);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Watched
    {
        QObject *object;
        std::function<bool()> hasContent;
        bool painted;
    };
    void frameDone();

    std::vector<Watched> m_watched;
    std::function<void()> m_then;
    bool m_reported = false;
};

#endif
