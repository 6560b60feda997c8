#ifndef BRIMLOW_PICTUREBOX_H
#define BRIMLOW_PICTUREBOX_H

// A drawing surface with a background picture and a persistent image.
//
// What is drawn (lines, text, single pixels, block copies) goes into the
// persistent image and stays until cls(), which restores the background: the
// back colour with the picture at the top left. The widget paints that image.
// Coordinates are in the box's scale: pixels by default, twips, points, inches,
// millimetres, centimetres or characters with setScaleMode(), or a user scale
// set with scaleLeft/Top/Width/Height or scale(x1, y1, x2, y2). Mouse events
// report the button (1 left, 2 right, 4 middle), the shift state (1 Shift,
// 2 Ctrl, 4 Alt) and x, y as floats in that scale. A box that is hidden keeps
// its size, image and scale, so it serves as an off-screen buffer.

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <functional>
#include <optional>

class PictureBox : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QPixmap picture READ picture WRITE setPicture)
    Q_PROPERTY(QColor backColor READ backColor WRITE setBackColor)
    Q_PROPERTY(QColor foreColor READ foreColor WRITE setForeColor)
    Q_PROPERTY(ScaleMode scaleMode READ scaleMode WRITE setScaleMode)
    Q_PROPERTY(float scaleLeft READ scaleLeft WRITE setScaleLeft)
    Q_PROPERTY(float scaleTop READ scaleTop WRITE setScaleTop)
    Q_PROPERTY(float scaleWidth READ scaleWidth WRITE setScaleWidth)
    Q_PROPERTY(float scaleHeight READ scaleHeight WRITE setScaleHeight)
    Q_PROPERTY(float currentX READ currentX WRITE setCurrentX)
    Q_PROPERTY(float currentY READ currentY WRITE setCurrentY)
    Q_PROPERTY(int drawWidth READ drawWidth WRITE setDrawWidth)
    Q_PROPERTY(bool fontTransparent READ fontTransparent WRITE setFontTransparent)

public:
    enum class ScaleMode {
        User = 0,
        Twip = 1,
        Point = 2,
        Pixel = 3,
        Character = 4,
        Inch = 5,
        Millimeter = 6,
        Centimeter = 7,
    };
    Q_ENUM(ScaleMode)

    explicit PictureBox(QWidget *parent = nullptr);

    QPixmap picture() const { return m_picture; }
    // Replaces the background picture; the persistent image starts again from it.
    void setPicture(const QPixmap &picture);

    // The persistent image: background plus everything drawn since the last cls().
    const QImage &image() const { return m_image; }

    QColor backColor() const { return m_backColor; }
    // Also clears the persistent image to the new background.
    void setBackColor(const QColor &color);
    QColor foreColor() const { return m_foreColor; }
    void setForeColor(const QColor &color) { m_foreColor = color; }
    int drawWidth() const { return m_drawWidth; }
    void setDrawWidth(int width);
    bool fontTransparent() const { return m_fontTransparent; }
    void setFontTransparent(bool transparent) { m_fontTransparent = transparent; }

    // Scale.
    ScaleMode scaleMode() const { return m_scaleMode; }
    void setScaleMode(ScaleMode mode);
    float scaleLeft() const { return m_scaleLeft; }
    float scaleTop() const { return m_scaleTop; }
    float scaleWidth() const { return m_scaleWidth; }
    float scaleHeight() const { return m_scaleHeight; }
    void setScaleLeft(float left);
    void setScaleTop(float top);
    void setScaleWidth(float width);
    void setScaleHeight(float height);
    // A user scale whose top left corner is (x1, y1) and bottom right (x2, y2).
    void scale(float x1, float y1, float x2, float y2);
    // Back to the pixel scale.
    void resetScale();

    QPointF toPixels(QPointF point) const;
    QPointF fromPixels(QPointF pixels) const;
    // Twips per unit of a fixed scale mode (0 for the user scale).
    static double twipsPerUnitX(ScaleMode mode);
    static double twipsPerUnitY(ScaleMode mode);

    // Current position, where the next text is printed.
    float currentX() const { return m_currentX; }
    float currentY() const { return m_currentY; }
    void setCurrentX(float x) { m_currentX = x; }
    void setCurrentY(float y) { m_currentY = y; }

    // Drawing into the persistent image.
    void cls();
    void line(float x1, float y1, float x2, float y2);
    void line(float x1, float y1, float x2, float y2, const QColor &color);
    void pset(float x, float y, const QColor &color);
    std::optional<QRgb> point(float x, float y) const;
    // Text at the current position in the box's font and fore colour; then the
    // current position moves to the start of the next line.
    void print(const QString &text);
    float textWidth(const QString &text) const;
    float textHeight(const QString &text) const;
    // The picture at (x, y), at its own size or stretched to width x height.
    void paintPicture(const QImage &picture, float x, float y, float width = -1, float height = -1);
    // Copies a rectangle of another box's image 1:1, pixel for pixel, to a pixel position.
    void bitBlt(const PictureBox &source, const QRect &sourcePixels, QPoint destinationPixels);
    // Many pixel writes at once (pixel coordinates), followed by one repaint.
    void drawPixels(const std::function<void(QImage &)> &draw);

    QSize sizeHint() const override;

signals:
    void mouseDown(int button, int shift, float x, float y);
    void mouseMove(int button, int shift, float x, float y);
    void mouseUp(int button, int shift, float x, float y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QImage background(QSize size) const;
    void fitScaleToSize();
    QPen pen(const QColor &color) const;
    void emitMouse(void (PictureBox::*signal)(int, int, float, float), int button, QMouseEvent *event);

    QPixmap m_picture;
    QImage m_image;
    QColor m_backColor = Qt::white;
    QColor m_foreColor = Qt::black;
    int m_drawWidth = 1;
    bool m_fontTransparent = true;
    ScaleMode m_scaleMode = ScaleMode::Pixel;
    float m_scaleLeft = 0;
    float m_scaleTop = 0;
    float m_scaleWidth = 0;
    float m_scaleHeight = 0;
    float m_currentX = 0;
    float m_currentY = 0;

    Q_DISABLE_COPY_MOVE(PictureBox)
};

#endif
