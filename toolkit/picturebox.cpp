#include "Formkit/picturebox.h"

#include "Formkit/listbox.h"
#include "Formkit/textbox.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace Formkit {

namespace {
constexpr QImage::Format surfaceFormat = QImage::Format_RGB32;
}

PictureBox::PictureBox(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_image = background(size());
}

PictureBox::~PictureBox() = default;

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
    emit change();
}

void PictureBox::setBackColor(const QColor &color)
{
    m_backColor = color;
    m_backColorValue = olecolor::fromQColor(color);
    m_textBackColor.reset();
    cls();
}

void PictureBox::setDrawWidth(int width)
{
    m_drawWidth = qMax(1, width);
}

void PictureBox::cls()
{
    endSharedPainter();
    m_image = background(size());
    m_currentX = scaleLeft();
    m_currentY = scaleTop();
    update();
}

// Scale -----------------------------------------------------------------------

void PictureBox::setScaleLeft(float left)
{
    m_scale.setLeft(left, size());
}

void PictureBox::setScaleTop(float top)
{
    m_scale.setTop(top, size());
}

void PictureBox::setScaleWidth(float width)
{
    m_scale.setWidth(width, size());
}

void PictureBox::setScaleHeight(float height)
{
    m_scale.setHeight(height, size());
}

void PictureBox::scale(float x1, float y1, float x2, float y2)
{
    m_scale.set(x1, y1, x2, y2);
}

void PictureBox::resetScale()
{
    setScaleMode(ScaleMode::Pixel);
}

const QImage &PictureBox::image() const
{
    fitImageToSize();
    return m_image;
}

void PictureBox::fitImageToSize() const
{
    // Every operation but line() and print() works on the image directly.
    endSharedPainter();
    if (m_image.size() == size().expandedTo(QSize(1, 1)))
        return;
    QImage resized = background(size());
    {
        QPainter painter(&resized);
        painter.drawImage(0, 0, m_image);
    }
    m_image = std::move(resized);
}

// Drawing ---------------------------------------------------------------------

PictureBox::Batch::Batch(PictureBox &box)
    : m_box(box)
{
    ++m_box.m_batchDepth;
}

PictureBox::Batch::~Batch()
{
    if (--m_box.m_batchDepth == 0)
        m_box.endSharedPainter();
}

void PictureBox::endSharedPainter() const
{
    m_sharedPainter.reset();
}

QPainter &PictureBox::beginDrawing(std::optional<QPainter> &own)
{
    if (m_batchDepth == 0) {
        fitImageToSize();
        own.emplace(&m_image);
        return *own;
    }
    if (!m_sharedPainter || m_image.size() != size().expandedTo(QSize(1, 1))) {
        fitImageToSize();
        m_sharedPainter = std::make_unique<QPainter>(&m_image);
    }
    return *m_sharedPainter;
}

QPen PictureBox::pen(const QColor &color) const
{
    QPen pen(color);
    pen.setWidth(m_drawWidth);
    pen.setCapStyle(Qt::FlatCap);
    // Patterned lines exist only one pixel wide; wider ones draw solid.
    if (m_drawStyle == 5)
        pen.setStyle(Qt::NoPen);
    else if (m_drawWidth == 1 && m_drawStyle >= 1 && m_drawStyle <= 4) {
        static constexpr Qt::PenStyle patterns[]
            = { Qt::DashLine, Qt::DotLine, Qt::DashDotLine, Qt::DashDotDotLine };
        pen.setStyle(patterns[m_drawStyle - 1]);
    }
    return pen;
}

void PictureBox::applyDrawMode(QPainter &painter) const
{
    // The sixteen binary raster operations of a pen on what is there.
    static constexpr QPainter::CompositionMode modes[] = {
        QPainter::RasterOp_ClearDestination, // 1 Blackness
        QPainter::RasterOp_NotSourceAndNotDestination, // 2 Not Merge Pen
        QPainter::RasterOp_NotSourceAndDestination, // 3 Mask Not Pen
        QPainter::RasterOp_NotSource, // 4 Not Copy Pen
        QPainter::RasterOp_SourceAndNotDestination, // 5 Mask Pen Not
        QPainter::RasterOp_NotDestination, // 6 Invert
        QPainter::RasterOp_SourceXorDestination, // 7 Xor Pen
        QPainter::RasterOp_NotSourceOrNotDestination, // 8 Not Mask Pen
        QPainter::RasterOp_SourceAndDestination, // 9 Mask Pen
        QPainter::RasterOp_NotSourceXorDestination, // 10 Not Xor Pen
        QPainter::CompositionMode_Destination, // 11 Nop
        QPainter::RasterOp_NotSourceOrDestination, // 12 Merge Not Pen
        QPainter::CompositionMode_SourceOver, // 13 Copy Pen
        QPainter::RasterOp_SourceOrNotDestination, // 14 Merge Pen Not
        QPainter::RasterOp_SourceOrDestination, // 15 Merge Pen
        QPainter::RasterOp_SetDestination, // 16 Whiteness
    };
    painter.setCompositionMode(modes[m_drawMode - 1]);
}

QBrush PictureBox::fillBrush() const
{
    static constexpr Qt::BrushStyle styles[] = {
        Qt::SolidPattern,
        Qt::NoBrush,
        Qt::HorPattern,
        Qt::VerPattern,
        Qt::BDiagPattern,
        Qt::FDiagPattern,
        Qt::CrossPattern,
        Qt::DiagCrossPattern,
    };
    return QBrush(m_fillColor, styles[m_fillStyle]);
}

void PictureBox::line(float x1, float y1, float x2, float y2)
{
    line(x1, y1, x2, y2, m_foreColor);
}

void PictureBox::line(float x1, float y1, float x2, float y2, const QColor &color)
{
    {
        std::optional<QPainter> own;
        QPainter &painter = beginDrawing(own);
        applyDrawMode(painter);
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
    fitImageToSize();
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
    fitImageToSize();
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
        std::optional<QPainter> own;
        QPainter &painter = beginDrawing(own);
        // Text is always drawn over what is there, whatever the lines' draw mode.
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        painter.setFont(font());
        painter.setPen(m_foreColor);
        // Measuring the text costs as much as drawing it: only for its background.
        if (!m_fontTransparent) {
            const QSizeF size(metrics.horizontalAdvance(text), metrics.height());
            painter.fillRect(QRectF(at, size), textBackColor());
        }
        painter.drawText(QPointF(at.x(), at.y() + metrics.ascent()), text);
    }
    m_currentX = scaleLeft();
    m_currentY = float(fromPixels(QPointF(0, at.y() + metrics.height())).y());
    update();
}

float PictureBox::textWidth(const QString &text) const
{
    const QFontMetrics metrics(font());
    return float(fromPixels(QPointF(metrics.horizontalAdvance(text), 0)).x() - scaleLeft());
}

float PictureBox::textHeight(const QString &text) const
{
    const QFontMetrics metrics(font());
    const qsizetype lines = qMax<qsizetype>(1, text.count(QLatin1Char('\n')) + 1);
    return float(fromPixels(QPointF(0, metrics.height() * lines)).y() - scaleTop());
}

void PictureBox::paintPicture(const QImage &picture, float x, float y, float width, float height)
{
    fitImageToSize();
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
    fitImageToSize();
    {
        QPainter painter(&m_image);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(destinationPixels, source.image(), sourcePixels);
    }
    update(QRect(destinationPixels, sourcePixels.size()));
}

void PictureBox::drawPixels(const std::function<void(QImage &)> &draw)
{
    fitImageToSize();
    draw(m_image);
    update();
}

// Events ----------------------------------------------------------------------

void PictureBox::paintEvent(QPaintEvent *)
{
    fitImageToSize();
    QPainter painter(this);
    painter.drawImage(0, 0, m_image);
}

void PictureBox::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    fitImageToSize();
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

// Members of a control's drawing surface ----------------------------------------

void PictureBox::setBackColorValue(OleColor color)
{
    setBackColor(olecolor::toQColor(color, palette()));
    m_backColorValue = color;
}

void PictureBox::setForeColorValue(OleColor color)
{
    setForeColor(olecolor::toQColor(color, palette()));
    m_foreColorValue = color;
}

void PictureBox::setFillColorValue(OleColor color)
{
    m_fillColor = olecolor::toQColor(color, palette());
    m_fillColorValue = color;
}

ControlError PictureBox::setDrawMode(int mode)
{
    if (mode < 1 || mode > 16)
        return controlerror::make(controlerror::invalidPropertyValue);
    m_drawMode = mode;
    return {};
}

ControlError PictureBox::setDrawStyle(int style)
{
    if (style < 0 || style > 6)
        return controlerror::make(controlerror::invalidPropertyValue);
    m_drawStyle = style;
    return {};
}

ControlError PictureBox::setFillStyle(int style)
{
    if (style < 0 || style > 7)
        return controlerror::make(controlerror::invalidPropertyValue);
    m_fillStyle = style;
    return {};
}

ControlError PictureBox::setOleDragMode(int mode)
{
    if (mode < 0 || mode > 1)
        return controlerror::make(controlerror::invalidPropertyValue);
    m_oleDragMode = mode;
    return {};
}

ControlError PictureBox::setLinkMode(int mode)
{
    if (mode < 0 || mode > 3)
        return controlerror::make(controlerror::invalidPropertyValue);
    m_linkMode = mode;
    return {};
}

QColor PictureBox::textBackColor() const
{
    return m_textBackColor.value_or(m_backColor);
}

void PictureBox::box(float x1, float y1, float x2, float y2, bool filled)
{
    fitImageToSize();
    {
        QPainter painter(&m_image);
        applyDrawMode(painter);
        painter.setPen(pen(m_foreColor));
        painter.setBrush(filled ? QBrush(m_foreColor) : fillBrush());
        const QPointF from = toPixels(QPointF(x1, y1));
        const QPointF to = toPixels(QPointF(x2, y2));
        painter.drawRect(QRectF(from, to).normalized());
    }
    m_currentX = x2;
    m_currentY = y2;
    update();
}

void PictureBox::circle(float x, float y, float radius)
{
    fitImageToSize();
    {
        QPainter painter(&m_image);
        painter.setRenderHint(QPainter::Antialiasing, false);
        applyDrawMode(painter);
        painter.setPen(pen(m_foreColor));
        painter.setBrush(fillBrush());
        const QPointF centre = toPixels(QPointF(x, y));
        const double rx = std::abs(toPixels(QPointF(x + radius, y)).x() - centre.x());
        painter.drawEllipse(centre, rx, rx);
    }
    m_currentX = x;
    m_currentY = y;
    update();
}

namespace {

// Raster operations of block transfers that have a composition mode of their own.
std::optional<QPainter::CompositionMode> rasterOperation(qint32 opcode)
{
    switch (quint32(opcode)) {
    case 0xCC0020:
        return QPainter::CompositionMode_SourceOver; // keeps a picture's see-through pixels
    case 0x8800C6:
        return QPainter::RasterOp_SourceAndDestination;
    case 0xEE0086:
        return QPainter::RasterOp_SourceOrDestination;
    case 0x660046:
        return QPainter::RasterOp_SourceXorDestination;
    case 0x440328:
        return QPainter::RasterOp_SourceAndNotDestination;
    case 0x330008:
        return QPainter::RasterOp_NotSource;
    case 0x1100A6:
        return QPainter::RasterOp_NotSourceAndNotDestination;
    case 0xBB0226:
        return QPainter::RasterOp_NotSourceOrDestination;
    case 0x550009:
        return QPainter::RasterOp_NotDestination;
    case 0x000042:
        return QPainter::RasterOp_ClearDestination;
    case 0xFF0062:
        return QPainter::RasterOp_SetDestination;
    default:
        return std::nullopt;
    }
}

} // namespace

ControlError PictureBox::paintPicture(const QImage &picture, float x1, float y1, const PictureArea &area)
{
    if (picture.isNull())
        return controlerror::make(controlerror::invalidPicture);
    const std::optional<QPainter::CompositionMode> mode = rasterOperation(area.opcode.value_or(0xCC0020));
    if (!mode)
        return controlerror::make(controlerror::invalidProcedureCall);

    // Sizes given in the box's scale; the picture's own size counts in pixels.
    fitImageToSize();
    const QPointF origin = toPixels(QPointF(scaleLeft(), scaleTop()));
    const auto pixelsX
        = [&](float units) { return toPixels(QPointF(scaleLeft() + units, 0)).x() - origin.x(); };
    const auto pixelsY
        = [&](float units) { return toPixels(QPointF(0, scaleTop() + units)).y() - origin.y(); };

    const QPointF at = toPixels(QPointF(x1, y1));
    const double width1 = area.width1 ? pixelsX(*area.width1) : picture.width();
    const double height1 = area.height1 ? pixelsY(*area.height1) : picture.height();
    QRectF source(area.x2 ? pixelsX(*area.x2) : 0.0, area.y2 ? pixelsY(*area.y2) : 0.0,
        area.width2 ? pixelsX(*area.width2) : picture.width(),
        area.height2 ? pixelsY(*area.height2) : picture.height());
    if (area.x2 && !area.width2)
        source.setWidth(picture.width() - source.x());
    if (area.y2 && !area.height2)
        source.setHeight(picture.height() - source.y());

    // A negative size mirrors that side of the picture.
    QImage part = picture.copy(source.normalized().toAlignedRect())
                      .mirrored(width1 * source.width() < 0, height1 * source.height() < 0);
    if (*mode != QPainter::CompositionMode_SourceOver)
        part.convertTo(QImage::Format_RGB32); // raster operations work on opaque pixels
    const QRectF target = QRectF(at, QSizeF(width1, height1)).normalized();
    {
        QPainter painter(&m_image);
        painter.setCompositionMode(*mode);
        painter.drawImage(target, part);
    }
    update();
    return {};
}

} // namespace Formkit
