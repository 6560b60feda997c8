#ifndef FORMKIT_PICTUREBOX_H
#define FORMKIT_PICTUREBOX_H

/// \class Formkit::PictureBox
/// A drawing surface with a background picture and a persistent image.
///
/// What is drawn (lines, text, single pixels, block copies) goes into the
/// persistent image and stays until cls(), which restores the background: the
/// back colour with the picture at the top left. The widget paints that image.
/// Coordinates are in the box's scale: pixels by default, twips, points, inches,
/// millimetres, centimetres or characters with setScaleMode(), or a user scale
/// set with scaleLeft/Top/Width/Height or scale(x1, y1, x2, y2). Mouse events
/// report the button (1 left, 2 right, 4 middle), the shift state (1 Shift,
/// 2 Ctrl, 4 Alt) and x, y as floats in that scale. A box that is hidden keeps
/// its size, image and scale, so it serves as an off-screen buffer.

#include "Formkit/controlerror.h"
#include "Formkit/formkitwidgets_export.h"
#include "Formkit/olecolor.h"
#include "Formkit/scale.h"

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

namespace Formkit {

class PictureBoxPrivate;

class FORMKITWIDGETS_EXPORT PictureBox : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QPixmap picture READ picture WRITE setPicture)
    Q_PROPERTY(QColor backColor READ backColor WRITE setBackColor)
    Q_PROPERTY(QColor foreColor READ foreColor WRITE setForeColor)
    Q_PROPERTY(Scale::Mode scaleMode READ scaleMode WRITE setScaleMode)
    Q_PROPERTY(float scaleLeft READ scaleLeft WRITE setScaleLeft)
    Q_PROPERTY(float scaleTop READ scaleTop WRITE setScaleTop)
    Q_PROPERTY(float scaleWidth READ scaleWidth WRITE setScaleWidth)
    Q_PROPERTY(float scaleHeight READ scaleHeight WRITE setScaleHeight)
    Q_PROPERTY(float currentX READ currentX WRITE setCurrentX)
    Q_PROPERTY(float currentY READ currentY WRITE setCurrentY)
    Q_PROPERTY(int drawWidth READ drawWidth WRITE setDrawWidth)
    Q_PROPERTY(bool fontTransparent READ fontTransparent WRITE setFontTransparent)
    Q_PROPERTY(quint32 backColorValue READ backColorValue WRITE setBackColorValue)
    Q_PROPERTY(quint32 foreColorValue READ foreColorValue WRITE setForeColorValue)
    Q_PROPERTY(quint32 fillColorValue READ fillColorValue WRITE setFillColorValue)
    Q_PROPERTY(int drawMode READ drawMode WRITE setDrawMode)
    Q_PROPERTY(int drawStyle READ drawStyle WRITE setDrawStyle)
    Q_PROPERTY(int fillStyle READ fillStyle WRITE setFillStyle)
    Q_PROPERTY(qint32 whatsThisHelpId READ whatsThisHelpId WRITE setWhatsThisHelpId)
    Q_PROPERTY(int oleDragMode READ oleDragMode WRITE setOleDragMode)
    Q_PROPERTY(int linkMode READ linkMode WRITE setLinkMode)
    Q_PROPERTY(QString linkTopic READ linkTopic WRITE setLinkTopic)
    Q_PROPERTY(QString linkItem READ linkItem WRITE setLinkItem)
    Q_PROPERTY(int linkTimeout READ linkTimeout WRITE setLinkTimeout)

public:
    /// The scale modes.
    using ScaleMode = Scale::Mode;

    /// An empty white box with a pixel scale.
    explicit PictureBox(QWidget *parent = nullptr);
    /// Destroys the box.
    ~PictureBox() override;

    /// The background picture.
    QPixmap picture() const;
    /// Replaces the background picture; the persistent image starts again from it.
    void setPicture(const QPixmap &picture);

    /// The persistent image: background plus everything drawn since the last cls().
    const QImage &image() const;

    /// The background colour.
    QColor backColor() const;
    /// Also clears the persistent image to the new background.
    void setBackColor(const QColor &color);
    /// The colour of lines and text.
    QColor foreColor() const;
    /// Sets the colour of lines and text.
    void setForeColor(const QColor &color);
    /// The width of lines, in pixels.
    int drawWidth() const;
    /// Sets the line width (at least 1).
    void setDrawWidth(int width);
    /// Whether printed text leaves the background behind it as it is.
    bool fontTransparent() const;
    /// Sets whether printed text leaves the background as it is.
    void setFontTransparent(bool transparent);

    ///@{
    /// The scale: its mode, and its left, top, width and height in scale units;
    /// setting one part makes it a user scale.
    ScaleMode scaleMode() const;
    void setScaleMode(ScaleMode mode);
    float scaleLeft() const;
    float scaleTop() const;
    float scaleWidth() const;
    float scaleHeight() const;
    void setScaleLeft(float left);
    void setScaleTop(float top);
    void setScaleWidth(float width);
    void setScaleHeight(float height);
    ///@}
    /// A user scale whose top left corner is (x1, y1) and bottom right (x2, y2).
    void scale(float x1, float y1, float x2, float y2);
    /// Back to the pixel scale.
    void resetScale();

    /// A point in scale units, in pixels.
    QPointF toPixels(QPointF point) const;
    /// A point in pixels, in scale units.
    QPointF fromPixels(QPointF pixels) const;

    ///@{
    /// Current position, where the next text is printed.
    float currentX() const;
    float currentY() const;
    void setCurrentX(float x);
    void setCurrentY(float y);
    ///@}

    ///@{
    /// Drawing into the persistent image.
    Q_INVOKABLE void cls();
    Q_INVOKABLE void line(float x1, float y1, float x2, float y2);
    Q_INVOKABLE void line(float x1, float y1, float x2, float y2, const QColor &color);
    Q_INVOKABLE void pset(float x, float y, const QColor &color);
    std::optional<QRgb> point(float x, float y) const;
    ///@}
    ///@{
    /// Text at the current position in the box's font and fore colour; then the
    /// current position moves to the start of the next line.
    Q_INVOKABLE void print(const QString &text);
    Q_INVOKABLE float textWidth(const QString &text) const;
    Q_INVOKABLE float textHeight(const QString &text) const;
    ///@}
    /// The picture at (x, y), at its own size or stretched to width x height.
    void paintPicture(const QImage &picture, float x, float y, float width = -1, float height = -1);
    /// Copies a rectangle of another box's image 1:1, pixel for pixel, to a pixel position.
    void bitBlt(const PictureBox &source, const QRect &sourcePixels, QPoint destinationPixels);
    /// Many pixel writes at once (pixel coordinates), followed by one repaint.
    void drawPixels(const std::function<void(QImage &)> &draw);

    /// While a Batch lives, line() and print() share one painter on the
    /// persistent image instead of opening one each: a scale of many ticks and
    /// labels costs one painter. Any other operation on the image closes the
    /// shared painter first and the next line or text opens it again, so the
    /// result is the same as without a batch.
    class Batch final
    {
    public:
        /// Opens the shared painter's batch on the box.
        explicit Batch(PictureBox &box);
        /// Closes it; the box paints once.
        ~Batch();
        Q_DISABLE_COPY_MOVE(Batch)

    private:
        PictureBox &m_box;
    };

    // Members of a control's drawing surface -----------------------------------
    ///@{
    /// The colours as OLE colour values (0x00BBGGRR, or 0x80000000 plus a system
    /// colour index), kept as given and resolved through the palette. The QColor
    /// setters above store the plain value of the colour they are given.
    OleColor backColorValue() const;
    void setBackColorValue(OleColor color);
    OleColor foreColorValue() const;
    void setForeColorValue(OleColor color);
    OleColor fillColorValue() const;
    void setFillColorValue(OleColor color);
    QColor fillColor() const;
    ///@}

    ///@{
    /// How lines, boxes and circles combine with what is there: 1 Blackness,
    /// 2 Not Merge Pen, ... 7 Xor Pen, ... 13 Copy Pen (the default), ... 16 Whiteness.
    int drawMode() const;
    ControlError setDrawMode(int mode);
    ///@}
    ///@{
    /// Line pattern: 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot,
    /// 5 transparent, 6 inside solid.
    int drawStyle() const;
    ControlError setDrawStyle(int style);
    ///@}
    ///@{
    /// Inside of boxes and circles: 0 solid, 1 transparent (the default),
    /// 2 horizontal, 3 vertical, 4 upward diagonal, 5 downward diagonal,
    /// 6 cross, 7 diagonal cross lines.
    int fillStyle() const;
    ControlError setFillStyle(int style);
    ///@}

    /// A rectangle from (x1, y1) to (x2, y2) in the fore colour (or the colour
    /// given), filled with the fill style, or solid in the line colour when filled.
    Q_INVOKABLE void box(float x1, float y1, float x2, float y2, bool filled = false);
    /// A circle around (x, y) with a radius in horizontal scale units.
    Q_INVOKABLE void circle(float x, float y, float radius);

    ///@{
    /// The background behind text printed with fontTransparent off. It follows the
    /// back colour until something (a raw pixel operation) sets it, and again from
    /// the next back colour on.
    QColor textBackColor() const;
    void setTextBackColor(const QColor &color);
    ///@}

    /// The whole picture-drawing method: the picture at (x1, y1) with the size
    /// width1 x height1 (negative flips; the picture's own size when missing), from
    /// the part x2, y2, width2, height2 of the picture (all of it when missing), in
    /// a raster operation (copy when missing): 0xCC0020 copy, 0x8800C6 and,
    /// 0xEE0086 or, 0x660046 xor, 0x440328 and with the inverted destination,
    /// 0x330008 inverted copy, 0x1100A6 inverted or, 0xBB0226 or of the inverted
    /// source, 0x550009 invert, 0x000042 black, 0xFF0062 white.
    /// Errors: 481 for no picture, 5 for an unknown raster operation.
    struct PictureArea
    {
        ///@{
        /// The optional arguments of paintPicture(), missing when not set.
        std::optional<float> width1, height1, x2, y2, width2, height2;
        std::optional<qint32> opcode;
        ///@}
    };
    /// Draws the picture as described above.
    ControlError paintPicture(const QImage &picture, float x1, float y1, const PictureArea &area);

    ///@{
    /// Settings a surface keeps for its host: help topic, drag source mode
    /// (0 manual, 1 automatic) and the dynamic data exchange settings, which no
    /// link uses on this platform.
    qint32 whatsThisHelpId() const;
    void setWhatsThisHelpId(qint32 id);
    int oleDragMode() const;
    ControlError setOleDragMode(int mode);
    int linkMode() const;
    ControlError setLinkMode(int mode);
    QString linkTopic() const;
    void setLinkTopic(const QString &topic);
    QString linkItem() const;
    void setLinkItem(const QString &item);
    int linkTimeout() const;
    void setLinkTimeout(int tenths);
    ///@}

    /// The picture's size, or 100 x 100 without one.
    QSize sizeHint() const override;

signals:
    /// The picture was replaced.
    void change();

    /// A button was pressed, released or the mouse moved: button 1 left, 2 right,
    ///     /// 4 middle; shift 1 Shift, 2 Ctrl, 4 Alt; x, y in scale units.
    ///     ///@{
    void mouseDown(int button, int shift, float x, float y);
    void mouseMove(int button, int shift, float x, float y);
    void mouseUp(int button, int shift, float x, float y);
    ///@}

protected:
    ///@{
    /// Qt's event handlers: painting the image, following the size, and raising the
    /// mouse events above.
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    ///@}

private:
    Q_DECLARE_PRIVATE(PictureBox)
    const std::unique_ptr<PictureBoxPrivate> d_ptr;

    Q_DISABLE_COPY_MOVE(PictureBox)
};

} // namespace Formkit

#endif
