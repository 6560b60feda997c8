// A host with classes of its own named as the runtime's are: Timer, Frame,
// Scale, MessageBox and PictureBox, with the same member names and signatures.
// Every one of their functions counts its calls, and the program exports them
// all (-Wl,--export-dynamic), so a library that named any of them unqualified
// would get the host's. It creates the Lumivane control by name, shows it and
// draws through Canvas: nothing of the host's may have been called.

#include <Formkit/componentruntime.h>
#include <Formkit/frame.h>
#include <Formkit/messagebox.h>
#include <Formkit/picturebox.h>
#include <Formkit/scale.h>
#include <Formkit/timer.h>

#include <QApplication>
#include <QColor>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QImage>
#include <QMetaObject>
#include <QPixmap>
#include <QPointF>
#include <QSize>
#include <QWidget>

#include <cstdio>
#include <functional>
#include <optional>

// The host's own calls, counted.
int hostCalls = 0;

class Timer : public QObject
{
public:
    explicit Timer(QObject *parent = nullptr);
    int interval() const;
    void setInterval(int milliseconds);
    bool isEnabled() const;
    void setEnabled(bool enabled);
    void timer();
};

Timer::Timer(QObject *parent)
    : QObject(parent)
{
    ++hostCalls;
}
int Timer::interval() const
{
    ++hostCalls;
    return 0;
}
void Timer::setInterval(int)
{
    ++hostCalls;
}
bool Timer::isEnabled() const
{
    ++hostCalls;
    return false;
}
void Timer::setEnabled(bool)
{
    ++hostCalls;
}
void Timer::timer()
{
    ++hostCalls;
}

class Frame : public QGroupBox
{
public:
    explicit Frame(const QString &caption = QString(), QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

Frame::Frame(const QString &caption, QWidget *parent)
    : QGroupBox(caption, parent)
{
    ++hostCalls;
}
void Frame::paintEvent(QPaintEvent *event)
{
    ++hostCalls;
    QGroupBox::paintEvent(event);
}

class Scale
{
public:
    enum class Mode { User = 0, Twip = 1, Point = 2, Pixel = 3 };
    explicit Scale(Mode mode);
    Mode mode() const;
    void setMode(Mode mode);
    float left() const;
    float top() const;
    float width(QSize area) const;
    float height(QSize area) const;
    void makeUser(QSize area);
    void setLeft(float left, QSize area);
    void setTop(float top, QSize area);
    void setWidth(float width, QSize area);
    void setHeight(float height, QSize area);
    void set(float x1, float y1, float x2, float y2);
    QPointF toPixels(QPointF point, QSize area) const;
    QPointF fromPixels(QPointF pixels, QSize area) const;
    static double twipsPerUnitX(Mode mode);
    static double twipsPerUnitY(Mode mode);

private:
    Mode m_mode;
};

Scale::Scale(Mode mode)
    : m_mode(mode)
{
    ++hostCalls;
}
Scale::Mode Scale::mode() const
{
    ++hostCalls;
    return m_mode;
}
void Scale::setMode(Mode mode)
{
    ++hostCalls;
    m_mode = mode;
}
float Scale::left() const
{
    ++hostCalls;
    return 0;
}
float Scale::top() const
{
    ++hostCalls;
    return 0;
}
float Scale::width(QSize) const
{
    ++hostCalls;
    return 0;
}
float Scale::height(QSize) const
{
    ++hostCalls;
    return 0;
}
void Scale::makeUser(QSize)
{
    ++hostCalls;
}
void Scale::setLeft(float, QSize)
{
    ++hostCalls;
}
void Scale::setTop(float, QSize)
{
    ++hostCalls;
}
void Scale::setWidth(float, QSize)
{
    ++hostCalls;
}
void Scale::setHeight(float, QSize)
{
    ++hostCalls;
}
void Scale::set(float, float, float, float)
{
    ++hostCalls;
}
QPointF Scale::toPixels(QPointF point, QSize) const
{
    ++hostCalls;
    return point;
}
QPointF Scale::fromPixels(QPointF pixels, QSize) const
{
    ++hostCalls;
    return pixels;
}
double Scale::twipsPerUnitX(Mode)
{
    ++hostCalls;
    return 0;
}
double Scale::twipsPerUnitY(Mode)
{
    ++hostCalls;
    return 0;
}

class MessageBox
{
public:
    enum class Icon { Information, Warning, Critical };
    using Handler = std::function<void(const QString &text, const QString &title, Icon icon)>;
    static void show(
        QWidget *parent, const QString &text, const QString &title, Icon icon = Icon::Information);
    static Handler setHandler(Handler handler);
};

void MessageBox::show(QWidget *, const QString &, const QString &, Icon)
{
    ++hostCalls;
}
MessageBox::Handler MessageBox::setHandler(Handler)
{
    ++hostCalls;
    return {};
}

class PictureBox : public QWidget
{
public:
    explicit PictureBox(QWidget *parent = nullptr);
    ~PictureBox() override;
    QPixmap picture() const;
    void setPicture(const QPixmap &picture);
    const QImage &image() const;
    void setBackColor(const QColor &color);
    void setForeColor(const QColor &color);
    void setDrawWidth(int width);
    void setScaleLeft(float left);
    void setScaleTop(float top);
    void setScaleWidth(float width);
    void setScaleHeight(float height);
    void scale(float x1, float y1, float x2, float y2);
    void resetScale();
    void cls();
    void line(float x1, float y1, float x2, float y2);
    void line(float x1, float y1, float x2, float y2, const QColor &color);
    void pset(float x, float y, const QColor &color);
    std::optional<QRgb> point(float x, float y) const;
    void print(const QString &text);
    float textWidth(const QString &text) const;
    float textHeight(const QString &text) const;
    void box(float x1, float y1, float x2, float y2, bool filled = false);
    void circle(float x, float y, float radius);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QImage m_image;
};

PictureBox::PictureBox(QWidget *parent)
    : QWidget(parent)
{
    ++hostCalls;
}
PictureBox::~PictureBox()
{
    ++hostCalls;
}
QPixmap PictureBox::picture() const
{
    ++hostCalls;
    return {};
}
void PictureBox::setPicture(const QPixmap &)
{
    ++hostCalls;
}
const QImage &PictureBox::image() const
{
    ++hostCalls;
    return m_image;
}
void PictureBox::setBackColor(const QColor &)
{
    ++hostCalls;
}
void PictureBox::setForeColor(const QColor &)
{
    ++hostCalls;
}
void PictureBox::setDrawWidth(int)
{
    ++hostCalls;
}
void PictureBox::setScaleLeft(float)
{
    ++hostCalls;
}
void PictureBox::setScaleTop(float)
{
    ++hostCalls;
}
void PictureBox::setScaleWidth(float)
{
    ++hostCalls;
}
void PictureBox::setScaleHeight(float)
{
    ++hostCalls;
}
void PictureBox::scale(float, float, float, float)
{
    ++hostCalls;
}
void PictureBox::resetScale()
{
    ++hostCalls;
}
void PictureBox::cls()
{
    ++hostCalls;
}
void PictureBox::line(float, float, float, float)
{
    ++hostCalls;
}
void PictureBox::line(float, float, float, float, const QColor &)
{
    ++hostCalls;
}
void PictureBox::pset(float, float, const QColor &)
{
    ++hostCalls;
}
std::optional<QRgb> PictureBox::point(float, float) const
{
    ++hostCalls;
    return std::nullopt;
}
void PictureBox::print(const QString &)
{
    ++hostCalls;
}
float PictureBox::textWidth(const QString &) const
{
    ++hostCalls;
    return 0;
}
float PictureBox::textHeight(const QString &) const
{
    ++hostCalls;
    return 0;
}
void PictureBox::box(float, float, float, float, bool)
{
    ++hostCalls;
}
void PictureBox::circle(float, float, float)
{
    ++hostCalls;
}
QSize PictureBox::sizeHint() const
{
    ++hostCalls;
    return QSize(100, 100);
}
void PictureBox::paintEvent(QPaintEvent *)
{
    ++hostCalls;
}
void PictureBox::resizeEvent(QResizeEvent *)
{
    ++hostCalls;
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The runtime's classes of the same names stand beside the host's.
    const Formkit::Scale runtimeScale(Formkit::Scale::Mode::Twip);
    static_cast<void>(runtimeScale);

    QWidget window;
    window.resize(200, 120);
    const Formkit::componentruntime::Creation made
        = Formkit::componentruntime::createControl(QStringLiteral("LumivaneBox.Lumivane"), &window);
    if (!made.control) {
        std::fprintf(stderr, "collisionhost: %s\n", qPrintable(made.error));
        return 1;
    }
    made.control->setProperty("AutoRedraw", true);
    window.show();
    app.processEvents();

    // Drawing through Canvas, by the surface's members' names.
    QObject *canvas = made.control->property("Canvas").value<QObject *>();
    if (!canvas) {
        std::fprintf(stderr, "collisionhost: the control has no Canvas\n");
        return 1;
    }
    QMetaObject::invokeMethod(canvas, "cls");
    QMetaObject::invokeMethod(
        canvas, "line", Q_ARG(float, 0), Q_ARG(float, 0), Q_ARG(float, 50), Q_ARG(float, 30));
    QMetaObject::invokeMethod(canvas, "print", Q_ARG(QString, QStringLiteral("host")));
    // The control publishes a drawing 1 ms later; give it time, then paint.
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 100)
        app.processEvents(QEventLoop::AllEvents, 10);
    window.grab();

    std::printf("host functions called: %d\n", hostCalls);
    return hostCalls == 0 ? 0 : 1;
}
