#ifndef BRIMLOW_SKINNER_H
#define BRIMLOW_SKINNER_H

// The window's frame. Brimlow's window has no frame from the window manager: the
// skinner draws one around the client area, with a title bar that carries the
// window icon, the caption, a minimise and a close button, and moves the window
// when dragged. Its settings are set by dispatch identifier, as the window's
// Load does for its eight appearance settings.

#include <QHash>
#include <QList>
#include <QVariant>
#include <QWidget>

class QLabel;
class QToolButton;

class Skinner final : public QWidget
{
    Q_OBJECT

public:
    // The settings the skinner understands, by dispatch identifier.
    enum DispatchId : quint32 {
        ShowMaximizeButton = 0x68030031, // Boolean
        CaptionAlignment = 0x68030033, // 0 left, 1 centre
        ShowMinimizeButton = 0x68030034, // 0 or 1
        FrameColor = 0x68030036, // colour of the border line
        CaptionColor = 0x68030037, // colour of the caption and button glyphs
        BorderWidth = 0x68030038, // pixels around the client area
        FrameStyle = 0x68030039, // 0 flat, 1 raised title bar
        SkinActive = 0x6803003A, // Boolean: the frame is drawn at all
    };

    // Wraps `window`: the skinner becomes the window's frame and title bar.
    explicit Skinner(QWidget *window);

    // Sets a setting by dispatch identifier; false for an identifier it does not know.
    bool setProperty(quint32 dispatchId, const QVariant &value);
    QVariant property(quint32 dispatchId) const;

    // The client area's offset inside the window and the frame's extra size.
    QMargins frameMargins() const;
    int titleBarHeight() const { return 20; }

    // Minimise and close, in this order; Tab reaches them after the client area.
    QList<QToolButton *> titleButtons() const { return { m_minimize, m_close }; }

    // Recolours the title bar (the window's caption or icon changed).
    void refresh();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void applySettings();

    QWidget *m_window;
    QLabel *m_icon;
    QLabel *m_caption;
    QToolButton *m_minimize;
    QToolButton *m_close;
    QHash<quint32, QVariant> m_settings;
    QPoint m_dragOffset;
    bool m_dragging = false;

    Q_DISABLE_COPY_MOVE(Skinner)
};

#endif
