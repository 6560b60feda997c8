// Transparent painting: Picture1's composed image published to the visible
// surface as its picture and its mask, the two surfaces kept the same size and
// scale, and the visible surface's border, pointer and paint event.

#include "lumivane/lumivane.h"

#include "Formkit/picturebox.h"
#include "Formkit/timer.h"
#include "maskregion.h"

#include <QCoreApplication>
#include <QPainter>
#include <QResizeEvent>
#include <QStyle>
#include <QStyleOptionFrame>

#include <cmath>

namespace olecolor = Formkit::olecolor;

void Lumivane::publishImage()
{
    // The picture and its mask change together: no repaint in between.
    setUpdatesEnabled(false);
    m_visiblePicture = QPixmap::fromImage(m_picture1->image());
    m_maskPicture = m_picture1->image();
    setUpdatesEnabled(true);
    applyMask();
    repaint();
    emit imagePublished();
}

void Lumivane::publishIfAutoRedraw()
{
    if (m_autoRedraw)
        publishImage();
}

void Lumivane::applyMask()
{
    if (m_backStyle == LVNBackStyle::Opaque || m_maskPicture.isNull()) {
        clearMask();
        return;
    }
    // The surface keeps every pixel whose colour differs from the mask colour.
    const QRgb see = olecolor::toQColor(m_maskColor, palette()).rgb();
    QRegion region = maskregion::visibleRegion(m_maskPicture, see);
    region.translate(interior().topLeft());
    if (m_borderStyle == LVNBorderStyle::FixedSingle)
        region += QRegion(rect()) - QRegion(interior());
    // An empty region would mean "no mask" to Qt; nothing of the surface shows.
    if (region.isEmpty())
        region = QRegion(-1, -1, 1, 1);
    setMask(region);
}

void Lumivane::userControlResized()
{
    emit Resize();
    const QSize before = m_picture1->size();
    placePicture1();
    if (m_picture1->size() != before)
        publishIfAutoRedraw(); // Picture1's own resize
}

void Lumivane::placePicture1()
{
    // Picture1 covers the interior: 0, 0 with the control's scale width and height.
    const QPointF origin = toPixels(QPointF(0, 0));
    const QPointF extent = toPixels(QPointF(scaleLeft() + scaleWidth(), scaleTop() + scaleHeight()))
        - toPixels(QPointF(scaleLeft(), scaleTop()));
    const QRect target(interior().topLeft() + QPoint(qRound(origin.x()), qRound(origin.y())),
        QSize(qRound(std::abs(extent.x())), qRound(std::abs(extent.y()))));
    const QSize before = m_picture1->size();
    m_picture1->setGeometry(target);
    if (m_picture1->image().size() != m_picture1->size() && !m_picture1->size().isEmpty()) {
        // A hidden widget hears of its new size only when shown; Picture1 never is.
        QResizeEvent resized(m_picture1->size(), before);
        QCoreApplication::sendEvent(m_picture1, &resized);
    }

    // The scale follows, ScaleMode last so that a fixed mode is not undone.
    const float height = scaleHeight();
    const float left = scaleLeft();
    const float top = scaleTop();
    const float width = scaleWidth();
    if (height != 0)
        m_picture1->setScaleHeight(height);
    m_picture1->setScaleLeft(left);
    m_picture1->setScaleTop(top);
    if (width != 0)
        m_picture1->setScaleWidth(width);
    m_picture1->setScaleMode(m_scale.mode());
}

void Lumivane::timerTick()
{
    publishIfAutoRedraw();
    m_timer1->setEnabled(false);
}

void Lumivane::applyBorder()
{
    // A fixed single border takes one pixel flat, two in 3D, from the interior.
    const int width
        = m_borderStyle == LVNBorderStyle::FixedSingle ? (m_appearance == LVNAppearence::ThreeD ? 2 : 1) : 0;
    setContentsMargins(width, width, width, width);
    update();
}

void Lumivane::applyMousePointer()
{
    static const Qt::CursorShape shapes[] = {
        Qt::ArrowCursor, // 0 default (not used)
        Qt::ArrowCursor, // 1 arrow
        Qt::CrossCursor, // 2 cross
        Qt::IBeamCursor, // 3 I-beam
        Qt::ArrowCursor, // 4 icon
        Qt::SizeAllCursor, // 5 size
        Qt::SizeBDiagCursor, // 6 size NE SW
        Qt::SizeVerCursor, // 7 size N S
        Qt::SizeFDiagCursor, // 8 size NW SE
        Qt::SizeHorCursor, // 9 size W E
        Qt::UpArrowCursor, // 10 up arrow
        Qt::WaitCursor, // 11 hourglass
        Qt::ForbiddenCursor, // 12 no drop
        Qt::BusyCursor, // 13 arrow and hourglass
        Qt::WhatsThisCursor, // 14 arrow and question
        Qt::SizeAllCursor, // 15 size all
    };
    const int pointer = int(m_mousePointer);
    if (pointer == 0)
        unsetCursor();
    else if (pointer == 99)
        m_mouseIcon.isNull() ? unsetCursor() : setCursor(QCursor(m_mouseIcon));
    else
        setCursor(shapes[pointer]);
}

void Lumivane::paintEvent(QPaintEvent *)
{
    {
        QPainter painter(this);
        if (m_backStyle == LVNBackStyle::Opaque)
            painter.fillRect(interior(), olecolor::toQColor(m_backColor, palette()));
        if (!m_visiblePicture.isNull())
            painter.drawPixmap(interior().topLeft(), m_visiblePicture);
        if (m_borderStyle == LVNBorderStyle::FixedSingle) {
            if (m_appearance == LVNAppearence::ThreeD) {
                QStyleOptionFrame option;
                option.initFrom(this);
                option.lineWidth = 2;
                option.state |= QStyle::State_Sunken;
                style()->drawPrimitive(QStyle::PE_Frame, &option, &painter, this);
            } else {
                painter.setPen(Qt::black);
                painter.drawRect(rect().adjusted(0, 0, -1, -1));
            }
        }
    }
    emit Paint();
}

void Lumivane::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // Margins changing send a resize of the same size; their let handles it.
    if (event->size() != event->oldSize())
        userControlResized();
}
