#include "toolkit/picturebox.h"

#include "toolkit/listbox.h"
#include "toolkit/textbox.h"
#include "toolkit/twips.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr QImage::Format surfaceFormat = QImage::Format_RGB32;
}

PictureBox::PictureBox(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_image = background(size());
    fitScaleToSize();
}

QSize PictureBox::sizeHint() const
{
    return m_picture.isNull() ? QSize(100, 100) : m_picture.size();
}

QImage PictureBox::background(QSize size) const
{
    QImage image(size.expandedTo(QSize(1, 1)), surfaceFormat);
    image.fill(m_backColor);
    if (!m_picture.isNull()) {
        QPainter painter(&image);
        painter.drawPixmap(0, 0, m_picture);
    }
    return image;
}

void PictureBox::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    cls();
}

void PictureBox::setBackColor(const QColor &color)
{
    m_backColor = color;
    cls();
}

void PictureBox::setDrawWidth(int width)
{
    m_drawWidth = qMax(1, width);
}

void PictureBox::cls()
{
    m_image = background(size());
    m_currentX = m_scaleLeft;
    m_currentY = m_scaleTop;
    update();
}

// Scale -----------------------------------------------------------------------

double PictureBox::twipsPerUnitX(ScaleMode mode)
{
    switch (mode) {
    case ScaleMode::User: return 0;
    case ScaleMode::Twip: return 1;
    case ScaleMode::Point: return 20;
    case ScaleMode::Pixel: return twips::perPixel;
    case ScaleMode::Character: return 120;
    case ScaleMode::Inch: return 1440;
    case ScaleMode::Millimeter: return 1440 / 25.4;
    case ScaleMode::Centimeter: return 1440 / 2.54;
    }
    return 0;
}

double PictureBox::twipsPerUnitY(ScaleMode mode)
{
    return mode == ScaleMode::Character ? 240 : twipsPerUnitX(mode);
}

void PictureBox::fitScaleToSize()
{
    if (m_scaleMode == ScaleMode::User)
        return;
    m_scaleLeft = 0;
    m_scaleTop = 0;
    m_scaleWidth = float(twips::fromPixels(width()) / twipsPerUnitX(m_scaleMode));
    m_scaleHeight = float(twips::fromPixels(height()) / twipsPerUnitY(m_scaleMode));
}

void PictureBox::setScaleMode(ScaleMode mode)
{
    m_scaleMode = mode;
    fitScaleToSize();
}

void PictureBox::setScaleLeft(float left)
{
    m_scaleMode = ScaleMode::User;
    m_scaleLeft = left;
}

void PictureBox::setScaleTop(float top)
{
    m_scaleMode = ScaleMode::User;
    m_scaleTop = top;
}

void PictureBox::setScaleWidth(float width)
{
    m_scaleMode = ScaleMode::User;
    m_scaleWidth = width;
}

void PictureBox::setScaleHeight(float height)
{
    m_scaleMode = ScaleMode::User;
    m_scaleHeight = height;
}

void PictureBox::scale(float x1, float y1, float x2, float y2)
{
    m_scaleMode = ScaleMode::User;
    m_scaleLeft = x1;
    m_scaleTop = y1;
    m_scaleWidth = x2 - x1;
    m_scaleHeight = y2 - y1;
}

void PictureBox::resetScale()
{
    setScaleMode(ScaleMode::Pixel);
}

QPointF PictureBox::toPixels(QPointF point) const
{
    const double sx = m_scaleWidth != 0 ? width() / double(m_scaleWidth) : 1.0;
    const double sy = m_scaleHeight != 0 ? height() / double(m_scaleHeight) : 1.0;
    return QPointF((point.x() - m_scaleLeft) * sx, (point.y() - m_scaleTop) * sy);
}

QPointF PictureBox::fromPixels(QPointF pixels) const
{
    const double sx = width() != 0 ? double(m_scaleWidth) / width() : 1.0;
    const double sy = height() != 0 ? double(m_scaleHeight) / height() : 1.0;
    return QPointF(m_scaleLeft + pixels.x() * sx, m_scaleTop + pixels.y() * sy);
}

// Drawing ---------------------------------------------------------------------

QPen PictureBox::pen(const QColor &color) const
{
    QPen pen(color);
    pen.setWidth(m_drawWidth);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

void PictureBox::line(float x1, float y1, float x2, float y2)
{
    line(x1, y1, x2, y2, m_foreColor);
}

void PictureBox::line(float x1, float y1, float x2, float y2, const QColor &color)
{
    {
        QPainter painter(&m_image);
        painter.setPen(pen(color));
        const QPointF from = toPixels(QPointF(x1, y1));
        const QPointF to = toPixels(QPointF(x2, y2));
        painter.drawLine(QPoint(qFloor(from.x()), qFloor(from.y())), QPoint(qFloor(to.x()), qFloor(to.y())));
    }
    m_currentX = x2;
    m_currentY = y2;
    update();
}

void PictureBox::pset(float x, float y, const QColor &color)
{
    const QPointF at = toPixels(QPointF(x, y));
    const int px = qFloor(at.x());
    const int py = qFloor(at.y());
    if (m_image.valid(px, py)) {
        m_image.setPixel(px, py, color.rgb());
        update(px, py, 1, 1);
    }
    m_currentX = x;
    m_currentY = y;
}

std::optional<QRgb> PictureBox::point(float x, float y) const
{
    const QPointF at = toPixels(QPointF(x, y));
    const int px = qFloor(at.x());
    const int py = qFloor(at.y());
    if (!m_image.valid(px, py))
        return std::nullopt;
    return m_image.pixel(px, py) & 0xFFFFFFu;
}

void PictureBox::print(const QString &text)
{
    const QPointF at = toPixels(QPointF(m_currentX, m_currentY));
    const QFontMetrics metrics(font());
    {
        QPainter painter(&m_image);
        painter.setFont(font());
        painter.setPen(m_foreColor);
        const QRectF box(at, QSizeF(metrics.horizontalAdvance(text), metrics.height()));
        if (!m_fontTransparent)
            painter.fillRect(box, m_backColor);
        painter.drawText(QPointF(at.x(), at.y() + metrics.ascent()), text);
    }
    m_currentX = m_scaleLeft;
    m_currentY = float(fromPixels(QPointF(0, at.y() + metrics.height())).y());
    update();
}

float PictureBox::textWidth(const QString &text) const
{
    const QFontMetrics metrics(font());
    return float(fromPixels(QPointF(metrics.horizontalAdvance(text), 0)).x() - m_scaleLeft);
}

float PictureBox::textHeight(const QString &text) const
{
    const QFontMetrics metrics(font());
    const qsizetype lines = qMax<qsizetype>(1, text.count(QLatin1Char('\n')) + 1);
    return float(fromPixels(QPointF(0, metrics.height() * lines)).y() - m_scaleTop);
}

void PictureBox::paintPicture(const QImage &picture, float x, float y, float width, float height)
{
    if (picture.isNull())
        return;
    const QPointF at = toPixels(QPointF(x, y));
    QRectF target(at, QSizeF(picture.size()));
    if (width >= 0 && height >= 0)
        target = QRectF(at, toPixels(QPointF(x + width, y + height)));
    {
        QPainter painter(&m_image);
        painter.drawImage(target, picture);
    }
    update();
}

void PictureBox::bitBlt(const PictureBox &source, const QRect &sourcePixels, QPoint destinationPixels)
{
    {
        QPainter painter(&m_image);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(destinationPixels, source.m_image, sourcePixels);
    }
    update(QRect(destinationPixels, sourcePixels.size()));
}

void PictureBox::drawPixels(const std::function<void(QImage &)> &draw)
{
    draw(m_image);
    update();
}

// Events ----------------------------------------------------------------------

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_image);
}

void PictureBox::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_image.size() != size()) {
        QImage grown = background(size());
        {
            QPainter painter(&grown);
            painter.drawImage(0, 0, m_image);
        }
        m_image = std::move(grown);
    }
    fitScaleToSize();
}

void PictureBox::emitMouse(void (PictureBox::*signal)(int, int, float, float), int button, QMouseEvent *event)
{
    const QPointF at = fromPixels(event->position());
    emit(this->*signal)(button, shiftStateOf(event->modifiers()), float(at.x()), float(at.y()));
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    emitMouse(&PictureBox::mouseDown, mouseButtonCode(event->button()), event);
}

void PictureBox::mouseMoveEvent(QMouseEvent *event)
{
    emitMouse(&PictureBox::mouseMove, mouseButtonCode(event->buttons()), event);
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    emitMouse(&PictureBox::mouseUp, mouseButtonCode(event->button()), event);
}
