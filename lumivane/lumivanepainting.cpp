// Transparent painting: Picture1's composed image published to the visible
// surface as its picture and its mask, the two surfaces kept the same size and
// scale, and the visible surface's border, pointer and paint event.

#include "Lumivane/lumivane.h"
#include "lumivane_p.h"

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
    Q_D(Lumivane);
    // The picture and its mask change together: no repaint in between.
    setUpdatesEnabled(false);
    d->m_visiblePicture = QPixmap::fromImage(d->m_picture1->image());
    d->m_maskPicture = d->m_picture1->image();
    setUpdatesEnabled(true);
    applyMask();
    repaint();
    emit imagePublished();
}

void Lumivane::publishIfAutoRedraw()
{
    Q_D(Lumivane);
    if (d->m_autoRedraw)
        publishImage();
}

void Lumivane::applyMask()
{
    Q_D(Lumivane);
    if (d->m_backStyle == LVNBackStyle::Opaque || d->m_maskPicture.isNull()) {
        clearMask();
        return;
    }
    // On a form the outline shows around whatever the mask leaves.
    const QRegion outline
        = d->m_designMode ? QRegion(rect()) - QRegion(rect().adjusted(1, 1, -1, -1)) : QRegion();
    // The surface keeps every pixel whose colour differs from the mask colour.
    const QRgb see = olecolor::toQColor(d->m_maskColor, palette()).rgb();
    QRegion region = maskregion::visibleRegion(d->m_maskPicture, see);
    region.translate(interior().topLeft());
    if (d->m_borderStyle == LVNBorderStyle::FixedSingle)
        region += QRegion(rect()) - QRegion(interior());
    region += outline;
    // An empty region would mean "no mask" to Qt; nothing of the surface shows.
    if (region.isEmpty())
        region = QRegion(-1, -1, 1, 1);
    setMask(region);
}

void Lumivane::userControlResized()
{
    Q_D(Lumivane);
    emit Resize();
    const QSize before = d->m_picture1->size();
    placePicture1();
    if (d->m_picture1->size() != before)
        publishIfAutoRedraw(); // Picture1's own resize
}

void Lumivane::placePicture1()
{
    Q_D(Lumivane);
    // Picture1 covers the interior: 0, 0 with the control's scale width and height.
    const QPointF origin = toPixels(QPointF(0, 0));
    const QPointF extent = toPixels(QPointF(scaleLeft() + scaleWidth(), scaleTop() + scaleHeight()))
        - toPixels(QPointF(scaleLeft(), scaleTop()));
    const QRect target(interior().topLeft() + QPoint(qRound(origin.x()), qRound(origin.y())),
        QSize(qRound(std::abs(extent.x())), qRound(std::abs(extent.y()))));
    const QSize before = d->m_picture1->size();
    d->m_picture1->setGeometry(target);
    if (d->m_picture1->image().size() != d->m_picture1->size() && !d->m_picture1->size().isEmpty()) {
        // A hidden widget hears of its new size only when shown; Picture1 never is.
        QResizeEvent resized(d->m_picture1->size(), before);
        QCoreApplication::sendEvent(d->m_picture1, &resized);
    }

    // The scale follows, ScaleMode last so that a fixed mode is not undone.
    const float height = scaleHeight();
    const float left = scaleLeft();
    const float top = scaleTop();
    const float width = scaleWidth();
    if (height != 0)
        d->m_picture1->setScaleHeight(height);
    d->m_picture1->setScaleLeft(left);
    d->m_picture1->setScaleTop(top);
    if (width != 0)
        d->m_picture1->setScaleWidth(width);
    d->m_picture1->setScaleMode(d->m_scale.mode());
}

void Lumivane::timerTick()
{
    Q_D(Lumivane);
    publishIfAutoRedraw();
    d->m_timer1->setEnabled(false);
}

void Lumivane::applyBorder()
{
    Q_D(Lumivane);
    // A fixed single border takes one pixel flat, two in 3D, from the interior.
    const int width = d->m_borderStyle == LVNBorderStyle::FixedSingle
        ? (d->m_appearance == LVNAppearence::ThreeD ? 2 : 1)
        : 0;
    setContentsMargins(width, width, width, width);
    update();
}

void Lumivane::applyMousePointer()
{
    Q_D(Lumivane);
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
    const int pointer = int(d->m_mousePointer);
    if (pointer == 0)
        unsetCursor();
    else if (pointer == 99)
        d->m_mouseIcon.isNull() ? unsetCursor() : setCursor(QCursor(d->m_mouseIcon));
    else
        setCursor(shapes[pointer]);
}

void Lumivane::paintEvent(QPaintEvent *)
{
    Q_D(Lumivane);
    {
        QPainter painter(this);
        if (d->m_backStyle == LVNBackStyle::Opaque)
            painter.fillRect(interior(), olecolor::toQColor(d->m_backColor, palette()));
        if (!d->m_visiblePicture.isNull())
            painter.drawPixmap(interior().topLeft(), d->m_visiblePicture);
        if (d->m_borderStyle == LVNBorderStyle::FixedSingle) {
            if (d->m_appearance == LVNAppearence::ThreeD) {
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
        if (d->m_designMode) {
            painter.setPen(QPen(Qt::darkGray, 1, Qt::DashLine));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(rect().adjusted(0, 0, -1, -1));
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
