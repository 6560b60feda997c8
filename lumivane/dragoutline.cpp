#include "dragoutline.h"

#include <QPainter>
#include <QPen>
#include <QRegion>
#include <QWidget>

namespace {

// One outline: a window of the rectangle's size whose shape is only its border,
// so the screen inside stays visible and clickable.
class OutlineFrame final : public QWidget
{
public:
    explicit OutlineFrame(const QRect &screenRect)
        : QWidget(nullptr,
            Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowTransparentForInput
                | Qt::WindowDoesNotAcceptFocus)
        , m_rect(screenRect)
    {
        setObjectName(QStringLiteral("LumivaneDragOutline"));
        setAttribute(Qt::WA_ShowWithoutActivating);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        setGeometry(screenRect);
        const QRegion whole(0, 0, screenRect.width(), screenRect.height());
        setMask(whole.subtracted(QRegion(1, 1, screenRect.width() - 2, screenRect.height() - 2)));
    }

    QRect outlineRect() const { return m_rect; }

protected:
    void paintEvent(QPaintEvent *) override
    {
        // The focus rectangle's look: alternate pixels black and white.
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        QPen pen(Qt::black, 1, Qt::DotLine);
        pen.setCosmetic(true);
        painter.setPen(pen);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }

private:
    QRect m_rect;
};

} // namespace

DragOutline::DragOutline(QObject *parent)
    : QObject(parent)
{ }

DragOutline::~DragOutline()
{
    qDeleteAll(m_frames);
}

void DragOutline::draw(const QRect &screenRect)
{
    for (qsizetype i = 0; i < m_frames.size(); ++i) {
        if (static_cast<OutlineFrame *>(m_frames.at(i))->outlineRect() == screenRect) {
            delete m_frames.takeAt(i);
            return;
        }
    }
    auto *frame = new OutlineFrame(screenRect);
    m_frames.append(frame);
    // An empty rectangle has no outline to show, but still pairs with its removal.
    if (screenRect.width() > 0 && screenRect.height() > 0)
        frame->show();
}

QList<QRect> DragOutline::shown() const
{
    QList<QRect> result;
    for (QWidget *frame : m_frames) {
        if (frame->isVisible())
            result.append(static_cast<OutlineFrame *>(frame)->outlineRect());
    }
    return result;
}
