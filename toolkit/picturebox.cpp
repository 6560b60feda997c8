#include "Formkit/picturebox.h"

#include "Formkit/listbox.h"
#include "Formkit/textbox.h"

#include <QBrush>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace Formkit {

namespace {
constexpr QImage::Format surfaceFormat = QImage::Format_RGB32;
}

class PictureBoxPrivate
{
    Q_DECLARE_PUBLIC(PictureBox)

public:
    explicit PictureBoxPrivate(PictureBox *box)
        : q_ptr(box)
    { }

    QImage background(QSize size) const;
    // The image follows the widget's size, also while the widget is hidden and
    // gets no resize events: every operation brings it up to date first.
    void fitImageToSize() const;
    // The painter for line() and print(): the batch's shared one, or `own`.
    QPainter &beginDrawing(std::optional<QPainter> &own);
    void endSharedPainter() const;
    QPen pen(const QColor &color) const;
    void applyDrawMode(QPainter &painter) const;
    QBrush fillBrush() const;
    void emitMouse(void (PictureBox::*signal)(int, int, float, float), int button, QMouseEvent *event);

    PictureBox *const q_ptr;
    QPixmap picture;
    mutable QImage image;
    // Open only inside a Batch; declared after image so it ends before it.
    mutable std::unique_ptr<QPainter> sharedPainter;
    int batchDepth = 0;
    QColor backColor = Qt::white;
    QColor foreColor = Qt::black;
    int drawWidth = 1;
    bool fontTransparent = true;
    Scale scale { Scale::Mode::Pixel };
    float currentX = 0;
    float currentY = 0;

    OleColor backColorValue = olecolor::fromRgb(255, 255, 255);
    OleColor foreColorValue = 0;
    OleColor fillColorValue = 0;
    QColor fillColor = Qt::black;
    int drawMode = 13;
    int drawStyle = 0;
    int fillStyle = 1;
    std::optional<QColor> textBackColor;
    qint32 whatsThisHelpId = 0;
    int oleDragMode = 0;
    int linkMode = 0;
    QString linkTopic;
    QString linkItem;
    int linkTimeout = 50;
};

PictureBox::PictureBox(QWidget *parent)
    : QWidget(parent)
    , d_ptr(std::make_unique<PictureBoxPrivate>(this))
{
    Q_D(PictureBox);
    setAttribute(Qt::WA_OpaquePaintEvent);
    d->image = d->background(size());
}

PictureBox::~PictureBox() = default;

void PictureBox::setForeColor(const QColor &color)
{
    Q_D(PictureBox);
    d->foreColor = color;
    d->foreColorValue = olecolor::fromQColor(color);
}

QPixmap PictureBox::picture() const
{
    Q_D(const PictureBox);
    return d->picture;
}

QColor PictureBox::backColor() const
{
    Q_D(const PictureBox);
    return d->backColor;
}

QColor PictureBox::foreColor() const
{
    Q_D(const PictureBox);
    return d->foreColor;
}

int PictureBox::drawWidth() const
{
    Q_D(const PictureBox);
    return d->drawWidth;
}

bool PictureBox::fontTransparent() const
{
    Q_D(const PictureBox);
    return d->fontTransparent;
}

void PictureBox::setFontTransparent(bool transparent)
{
    Q_D(PictureBox);
    d->fontTransparent = transparent;
}

PictureBox::ScaleMode PictureBox::scaleMode() const
{
    Q_D(const PictureBox);
    return d->scale.mode();
}

void PictureBox::setScaleMode(ScaleMode mode)
{
    Q_D(PictureBox);
    d->scale.setMode(mode);
}

float PictureBox::scaleLeft() const
{
    Q_D(const PictureBox);
    return d->scale.left();
}

float PictureBox::scaleTop() const
{
    Q_D(const PictureBox);
    return d->scale.top();
}

float PictureBox::scaleWidth() const
{
    Q_D(const PictureBox);
    return d->scale.width(size());
}

float PictureBox::scaleHeight() const
{
    Q_D(const PictureBox);
    return d->scale.height(size());
}

QPointF PictureBox::toPixels(QPointF point) const
{
    Q_D(const PictureBox);
    return d->scale.toPixels(point, size());
}

QPointF PictureBox::fromPixels(QPointF pixels) const
{
    Q_D(const PictureBox);
    return d->scale.fromPixels(pixels, size());
}

float PictureBox::currentX() const
{
    Q_D(const PictureBox);
    return d->currentX;
}

float PictureBox::currentY() const
{
    Q_D(const PictureBox);
    return d->currentY;
}

void PictureBox::setCurrentX(float x)
{
    Q_D(PictureBox);
    d->currentX = x;
}

void PictureBox::setCurrentY(float y)
{
    Q_D(PictureBox);
    d->currentY = y;
}

OleColor PictureBox::backColorValue() const
{
    Q_D(const PictureBox);
    return d->backColorValue;
}

OleColor PictureBox::foreColorValue() const
{
    Q_D(const PictureBox);
    return d->foreColorValue;
}

OleColor PictureBox::fillColorValue() const
{
    Q_D(const PictureBox);
    return d->fillColorValue;
}

QColor PictureBox::fillColor() const
{
    Q_D(const PictureBox);
    return d->fillColor;
}

int PictureBox::drawMode() const
{
    Q_D(const PictureBox);
    return d->drawMode;
}

int PictureBox::drawStyle() const
{
    Q_D(const PictureBox);
    return d->drawStyle;
}

int PictureBox::fillStyle() const
{
    Q_D(const PictureBox);
    return d->fillStyle;
}

void PictureBox::setTextBackColor(const QColor &color)
{
    Q_D(PictureBox);
    d->textBackColor = color;
}

qint32 PictureBox::whatsThisHelpId() const
{
    Q_D(const PictureBox);
    return d->whatsThisHelpId;
}

void PictureBox::setWhatsThisHelpId(qint32 id)
{
    Q_D(PictureBox);
    d->whatsThisHelpId = id;
}

int PictureBox::oleDragMode() const
{
    Q_D(const PictureBox);
    return d->oleDragMode;
}

int PictureBox::linkMode() const
{
    Q_D(const PictureBox);
    return d->linkMode;
}

QString PictureBox::linkTopic() const
{
    Q_D(const PictureBox);
    return d->linkTopic;
}

void PictureBox::setLinkTopic(const QString &topic)
{
    Q_D(PictureBox);
    d->linkTopic = topic;
}

QString PictureBox::linkItem() const
{
    Q_D(const PictureBox);
    return d->linkItem;
}

void PictureBox::setLinkItem(const QString &item)
{
    Q_D(PictureBox);
    d->linkItem = item;
}

int PictureBox::linkTimeout() const
{
    Q_D(const PictureBox);
    return d->linkTimeout;
}

void PictureBox::setLinkTimeout(int tenths)
{
    Q_D(PictureBox);
    d->linkTimeout = tenths;
}

QSize PictureBox::sizeHint() const
{
    Q_D(const PictureBox);
    return d->picture.isNull() ? QSize(100, 100) : d->picture.size();
}

QImage PictureBoxPrivate::background(QSize size) const
{
    QImage filled(size.expandedTo(QSize(1, 1)), surfaceFormat);
    filled.fill(backColor);
    if (!picture.isNull()) {
        QPainter painter(&filled);
        painter.drawPixmap(0, 0, picture);
    }
    return filled;
}

void PictureBox::setPicture(const QPixmap &picture)
{
    Q_D(PictureBox);
    d->picture = picture;
    cls();
    emit change();
}

void PictureBox::setBackColor(const QColor &color)
{
    Q_D(PictureBox);
    d->backColor = color;
    d->backColorValue = olecolor::fromQColor(color);
    d->textBackColor.reset();
    cls();
}

void PictureBox::setDrawWidth(int width)
{
    Q_D(PictureBox);
    d->drawWidth = qMax(1, width);
}

void PictureBox::cls()
{
    Q_D(PictureBox);
    d->endSharedPainter();
    d->image = d->background(size());
    d->currentX = scaleLeft();
    d->currentY = scaleTop();
    update();
}

// Scale -----------------------------------------------------------------------

void PictureBox::setScaleLeft(float left)
{
    Q_D(PictureBox);
    d->scale.setLeft(left, size());
}

void PictureBox::setScaleTop(float top)
{
    Q_D(PictureBox);
    d->scale.setTop(top, size());
}

void PictureBox::setScaleWidth(float width)
{
    Q_D(PictureBox);
    d->scale.setWidth(width, size());
}

void PictureBox::setScaleHeight(float height)
{
    Q_D(PictureBox);
    d->scale.setHeight(height, size());
}

void PictureBox::scale(float x1, float y1, float x2, float y2)
{
    Q_D(PictureBox);
    d->scale.set(x1, y1, x2, y2);
}

void PictureBox::resetScale()
{
    setScaleMode(ScaleMode::Pixel);
}

const QImage &PictureBox::image() const
{
    Q_D(const PictureBox);
    d->fitImageToSize();
    return d->image;
}

void PictureBoxPrivate::fitImageToSize() const
{
    Q_Q(const PictureBox);
    // Every operation but line() and print() works on the image directly.
    endSharedPainter();
    if (image.size() == q->size().expandedTo(QSize(1, 1)))
        return;
    QImage resized = background(q->size());
    {
        QPainter painter(&resized);
        painter.drawImage(0, 0, image);
    }
    image = std::move(resized);
}

// Drawing ---------------------------------------------------------------------

PictureBox::Batch::Batch(PictureBox &box)
    : m_box(box)
{
    ++m_box.d_func()->batchDepth;
}

PictureBox::Batch::~Batch()
{
    if (--m_box.d_func()->batchDepth == 0)
        m_box.d_func()->endSharedPainter();
}

void PictureBoxPrivate::endSharedPainter() const
{
    sharedPainter.reset();
}

QPainter &PictureBoxPrivate::beginDrawing(std::optional<QPainter> &own)
{
    Q_Q(PictureBox);
    if (batchDepth == 0) {
        fitImageToSize();
        own.emplace(&image);
        return *own;
    }
    if (!sharedPainter || image.size() != q->size().expandedTo(QSize(1, 1))) {
        fitImageToSize();
        sharedPainter = std::make_unique<QPainter>(&image);
    }
    return *sharedPainter;
}

QPen PictureBoxPrivate::pen(const QColor &color) const
{
    QPen pen(color);
    pen.setWidth(drawWidth);
    pen.setCapStyle(Qt::FlatCap);
    // Patterned lines exist only one pixel wide; wider ones draw solid.
    if (drawStyle == 5)
        pen.setStyle(Qt::NoPen);
    else if (drawWidth == 1 && drawStyle >= 1 && drawStyle <= 4) {
        static constexpr Qt::PenStyle patterns[]
            = { Qt::DashLine, Qt::DotLine, Qt::DashDotLine, Qt::DashDotDotLine };
        pen.setStyle(patterns[drawStyle - 1]);
    }
    return pen;
}

void PictureBoxPrivate::applyDrawMode(QPainter &painter) const
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
    painter.setCompositionMode(modes[drawMode - 1]);
}

QBrush PictureBoxPrivate::fillBrush() const
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
    return QBrush(fillColor, styles[fillStyle]);
}

void PictureBox::line(float x1, float y1, float x2, float y2)
{
    Q_D(PictureBox);
    line(x1, y1, x2, y2, d->foreColor);
}

void PictureBox::line(float x1, float y1, float x2, float y2, const QColor &color)
{
    Q_D(PictureBox);
    {
        std::optional<QPainter> own;
        QPainter &painter = d->beginDrawing(own);
        d->applyDrawMode(painter);
        painter.setPen(d->pen(color));
        const QPointF from = toPixels(QPointF(x1, y1));
        const QPointF to = toPixels(QPointF(x2, y2));
        painter.drawLine(QPoint(qFloor(from.x()), qFloor(from.y())), QPoint(qFloor(to.x()), qFloor(to.y())));
    }
    d->currentX = x2;
    d->currentY = y2;
    update();
}

void PictureBox::pset(float x, float y, const QColor &color)
{
    Q_D(PictureBox);
    d->fitImageToSize();
    const QPointF at = toPixels(QPointF(x, y));
    const int px = qFloor(at.x());
    const int py = qFloor(at.y());
    if (d->image.valid(px, py)) {
        d->image.setPixel(px, py, color.rgb());
        update(px, py, 1, 1);
    }
    d->currentX = x;
    d->currentY = y;
}

std::optional<QRgb> PictureBox::point(float x, float y) const
{
    Q_D(const PictureBox);
    d->fitImageToSize();
    const QPointF at = toPixels(QPointF(x, y));
    const int px = qFloor(at.x());
    const int py = qFloor(at.y());
    if (!d->image.valid(px, py))
        return std::nullopt;
    return d->image.pixel(px, py) & 0xFFFFFFu;
}

void PictureBox::print(const QString &text)
{
    Q_D(PictureBox);
    const QPointF at = toPixels(QPointF(d->currentX, d->currentY));
    const QFontMetrics metrics(font());
    {
        std::optional<QPainter> own;
        QPainter &painter = d->beginDrawing(own);
        // Text is always drawn over what is there, whatever the lines' draw mode.
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        painter.setFont(font());
        painter.setPen(d->foreColor);
        // Measuring the text costs as much as drawing it: only for its background.
        if (!d->fontTransparent) {
            const QSizeF size(metrics.horizontalAdvance(text), metrics.height());
            painter.fillRect(QRectF(at, size), textBackColor());
        }
        painter.drawText(QPointF(at.x(), at.y() + metrics.ascent()), text);
    }
    d->currentX = scaleLeft();
    d->currentY = float(fromPixels(QPointF(0, at.y() + metrics.height())).y());
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
    Q_D(PictureBox);
    d->fitImageToSize();
    if (picture.isNull())
        return;
    const QPointF at = toPixels(QPointF(x, y));
    QRectF target(at, QSizeF(picture.size()));
    if (width >= 0 && height >= 0)
        target = QRectF(at, toPixels(QPointF(x + width, y + height)));
    {
        QPainter painter(&d->image);
        painter.drawImage(target, picture);
    }
    update();
}

void PictureBox::bitBlt(const PictureBox &source, const QRect &sourcePixels, QPoint destinationPixels)
{
    Q_D(PictureBox);
    d->fitImageToSize();
    {
        QPainter painter(&d->image);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(destinationPixels, source.image(), sourcePixels);
    }
    update(QRect(destinationPixels, sourcePixels.size()));
}

void PictureBox::drawPixels(const std::function<void(QImage &)> &draw)
{
    Q_D(PictureBox);
    d->fitImageToSize();
    draw(d->image);
    update();
}

// Events ----------------------------------------------------------------------

void PictureBox::paintEvent(QPaintEvent *)
{
    Q_D(PictureBox);
    d->fitImageToSize();
    QPainter painter(this);
    painter.drawImage(0, 0, d->image);
}

void PictureBox::resizeEvent(QResizeEvent *event)
{
    Q_D(PictureBox);
    QWidget::resizeEvent(event);
    d->fitImageToSize();
}

void PictureBoxPrivate::emitMouse(
    void (PictureBox::*signal)(int, int, float, float), int button, QMouseEvent *event)
{
    Q_Q(PictureBox);
    const QPointF at = q->fromPixels(event->position());
    emit(q->*signal)(button, shiftStateOf(event->modifiers()), float(at.x()), float(at.y()));
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    Q_D(PictureBox);
    d->emitMouse(&PictureBox::mouseDown, mouseButtonCode(event->button()), event);
}

void PictureBox::mouseMoveEvent(QMouseEvent *event)
{
    Q_D(PictureBox);
    d->emitMouse(&PictureBox::mouseMove, mouseButtonCode(event->buttons()), event);
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    Q_D(PictureBox);
    d->emitMouse(&PictureBox::mouseUp, mouseButtonCode(event->button()), event);
}

// Members of a control's drawing surface ----------------------------------------

void PictureBox::setBackColorValue(OleColor color)
{
    Q_D(PictureBox);
    setBackColor(olecolor::toQColor(color, palette()));
    d->backColorValue = color;
}

void PictureBox::setForeColorValue(OleColor color)
{
    Q_D(PictureBox);
    setForeColor(olecolor::toQColor(color, palette()));
    d->foreColorValue = color;
}

void PictureBox::setFillColorValue(OleColor color)
{
    Q_D(PictureBox);
    d->fillColor = olecolor::toQColor(color, palette());
    d->fillColorValue = color;
}

ControlError PictureBox::setDrawMode(int mode)
{
    Q_D(PictureBox);
    if (mode < 1 || mode > 16)
        return controlerror::make(controlerror::invalidPropertyValue);
    d->drawMode = mode;
    return {};
}

ControlError PictureBox::setDrawStyle(int style)
{
    Q_D(PictureBox);
    if (style < 0 || style > 6)
        return controlerror::make(controlerror::invalidPropertyValue);
    d->drawStyle = style;
    return {};
}

ControlError PictureBox::setFillStyle(int style)
{
    Q_D(PictureBox);
    if (style < 0 || style > 7)
        return controlerror::make(controlerror::invalidPropertyValue);
    d->fillStyle = style;
    return {};
}

ControlError PictureBox::setOleDragMode(int mode)
{
    Q_D(PictureBox);
    if (mode < 0 || mode > 1)
        return controlerror::make(controlerror::invalidPropertyValue);
    d->oleDragMode = mode;
    return {};
}

ControlError PictureBox::setLinkMode(int mode)
{
    Q_D(PictureBox);
    if (mode < 0 || mode > 3)
        return controlerror::make(controlerror::invalidPropertyValue);
    d->linkMode = mode;
    return {};
}

QColor PictureBox::textBackColor() const
{
    Q_D(const PictureBox);
    return d->textBackColor.value_or(d->backColor);
}

void PictureBox::box(float x1, float y1, float x2, float y2, bool filled)
{
    Q_D(PictureBox);
    d->fitImageToSize();
    {
        QPainter painter(&d->image);
        d->applyDrawMode(painter);
        painter.setPen(d->pen(d->foreColor));
        painter.setBrush(filled ? QBrush(d->foreColor) : d->fillBrush());
        const QPointF from = toPixels(QPointF(x1, y1));
        const QPointF to = toPixels(QPointF(x2, y2));
        painter.drawRect(QRectF(from, to).normalized());
    }
    d->currentX = x2;
    d->currentY = y2;
    update();
}

void PictureBox::circle(float x, float y, float radius)
{
    Q_D(PictureBox);
    d->fitImageToSize();
    {
        QPainter painter(&d->image);
        painter.setRenderHint(QPainter::Antialiasing, false);
        d->applyDrawMode(painter);
        painter.setPen(d->pen(d->foreColor));
        painter.setBrush(d->fillBrush());
        const QPointF centre = toPixels(QPointF(x, y));
        const double rx = std::abs(toPixels(QPointF(x + radius, y)).x() - centre.x());
        painter.drawEllipse(centre, rx, rx);
    }
    d->currentX = x;
    d->currentY = y;
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
    Q_D(PictureBox);
    if (picture.isNull())
        return controlerror::make(controlerror::invalidPicture);
    const std::optional<QPainter::CompositionMode> mode = rasterOperation(area.opcode.value_or(0xCC0020));
    if (!mode)
        return controlerror::make(controlerror::invalidProcedureCall);

    // Sizes given in the box's scale; the picture's own size counts in pixels.
    d->fitImageToSize();
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
        QPainter painter(&d->image);
        painter.setCompositionMode(*mode);
        painter.drawImage(target, part);
    }
    update();
    return {};
}

} // namespace Formkit
