#include "app/skinner.h"

#include "Formkit/olecolor.h"
#include "app/enterpresses.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QToolButton>
#include <QWindow>

namespace olecolor = Formkit::olecolor;

namespace {

const QColor titleColor(0, 128, 128);

// A title-bar button: its symbol is drawn in the caption colour in every state.
// Under the pointer and pressed, the button darkens behind a light symbol (or
// lightens behind a dark one), so the symbol stands out more than at rest, never
// less; close turns red under the pointer, as desktops warn of it.
class TitleButton final : public QToolButton
{
public:
    enum class Symbol { Minimise, Close };

    TitleButton(Symbol symbol, const QString &glyph, const QString &name, QWidget *parent)
        : QToolButton(parent)
        , m_symbol(symbol)
    {
        setText(glyph);
        setObjectName(name);
        setAccessibleName(name);
        setToolTip(name);
        setAutoRaise(true);
        // Reached with Tab, not taken by a click: the click leaves the focus where the user typed.
        setFocusPolicy(Qt::TabFocus);
        setFixedSize(18, 16);
        pressOnEnter(this);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const QColor ink = palette().color(QPalette::ButtonText);
        const bool lightInk = ink.lightness() >= 128;
        if (isDown() || underMouse()) {
            QColor back = lightInk ? titleColor.darker(150) : titleColor.lighter(150);
            if (m_symbol == Symbol::Close && lightInk)
                back = QColor(178, 34, 34);
            if (isDown())
                back = lightInk ? back.darker(130) : back.lighter(115);
            painter.fillRect(rect(), back);
        }
        if (hasFocus()) {
            painter.setPen(ink);
            painter.drawRect(rect().adjusted(0, 0, -1, -1));
        }
        // Square pixels without smoothing: every pixel of the symbol has the ink's own colour.
        const QPoint centre = rect().center();
        if (m_symbol == Symbol::Minimise) {
            painter.fillRect(QRect(centre.x() - 4, centre.y() + 2, 9, 2), ink);
        } else {
            painter.setPen(QPen(ink, 2));
            painter.drawLine(centre + QPoint(-3, -3), centre + QPoint(4, 4));
            painter.drawLine(centre + QPoint(-3, 4), centre + QPoint(4, -3));
        }
    }

private:
    const Symbol m_symbol;
};

} // namespace

Skinner::Skinner(QWidget *window)
    : QWidget(window)
    , m_window(window)
    , m_icon(new QLabel(this))
    , m_caption(new QLabel(this))
    , m_minimize(new TitleButton(
          TitleButton::Symbol::Minimise, QStringLiteral("\u2013"), QStringLiteral("Minimise"), this))
    , m_close(new TitleButton(
          TitleButton::Symbol::Close, QStringLiteral("\u00D7"), QStringLiteral("Close"), this))
{
    setObjectName(QStringLiteral("Skinner1"));
    window->setWindowFlags(window->windowFlags() | Qt::FramelessWindowHint);
    window->installEventFilter(this);

    // Defaults before Load sets them: a plain frame with both buttons.
    m_settings = {
        { ShowMaximizeButton, false },
        { CaptionAlignment, 0 },
        { ShowMinimizeButton, 1 },
        { FrameColor, olecolor::fromRgb(255, 255, 255) },
        { CaptionColor, olecolor::fromRgb(255, 255, 255) },
        { BorderWidth, 4 },
        { FrameStyle, 1 },
        { SkinActive, true },
    };

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 2, 2);
    layout->setSpacing(4);
    m_icon->setFixedSize(16, 16);
    layout->addWidget(m_icon);
    layout->addWidget(m_caption, 1);
    layout->addWidget(m_minimize);
    layout->addWidget(m_close);
    QFont captionFont = m_caption->font();
    captionFont.setBold(true);
    m_caption->setFont(captionFont);

    connect(m_minimize, &QToolButton::clicked, window, &QWidget::showMinimized);
    connect(m_close, &QToolButton::clicked, window, &QWidget::close);
    applySettings();
}

QMargins Skinner::frameMargins() const
{
    if (!m_settings.value(SkinActive).toBool())
        return QMargins();
    const int border = m_settings.value(BorderWidth).toInt();
    return QMargins(border, border + titleBarHeight(), border, border);
}

bool Skinner::setProperty(quint32 dispatchId, const QVariant &value)
{
    if (!m_settings.contains(dispatchId))
        return false;
    m_settings.insert(dispatchId, value);
    applySettings();
    return true;
}

QVariant Skinner::property(quint32 dispatchId) const
{
    return m_settings.value(dispatchId);
}

void Skinner::applySettings()
{
    const bool active = m_settings.value(SkinActive).toBool();
    setVisible(active);
    const QColor text = olecolor::toQColor(m_settings.value(CaptionColor).toUInt());
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, text);
    pal.setColor(QPalette::ButtonText, text);
    m_caption->setPalette(pal);
    m_minimize->setPalette(pal);
    m_close->setPalette(pal);
    m_caption->setAlignment(
        m_settings.value(CaptionAlignment).toInt() == 1 ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
    m_minimize->setVisible(m_settings.value(ShowMinimizeButton).toInt() != 0);
    const int border = m_settings.value(BorderWidth).toInt();
    setGeometry(border, border, m_window->width() - 2 * border, titleBarHeight());
    refresh();
    m_window->update();
}

void Skinner::refresh()
{
    m_caption->setText(m_window->windowTitle());
    m_icon->setPixmap(m_window->windowIcon().pixmap(16, 16));
}

bool Skinner::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window) {
        switch (event->type()) {
        case QEvent::WindowTitleChange:
        case QEvent::WindowIconChange:
            refresh();
            break;
        case QEvent::Resize: {
            const int border = m_settings.value(BorderWidth).toInt();
            setGeometry(border, border, m_window->width() - 2 * border, titleBarHeight());
            break;
        }
        case QEvent::Paint: {
            // The border: drawn under the children, around the client area.
            if (!m_settings.value(SkinActive).toBool())
                break;
            QPainter painter(m_window);
            const int border = m_settings.value(BorderWidth).toInt();
            const QRect outer = m_window->rect();
            painter.fillRect(outer, titleColor);
            painter.fillRect(outer.adjusted(border, border + titleBarHeight(), -border, -border),
                m_window->palette().color(QPalette::Window));
            painter.setPen(olecolor::toQColor(m_settings.value(FrameColor).toUInt()));
            painter.drawRect(outer.adjusted(0, 0, -1, -1));
            break;
        }
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Skinner::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QLinearGradient shade(0, 0, 0, height());
    const bool raised = m_settings.value(FrameStyle).toInt() == 1;
    shade.setColorAt(0, raised ? titleColor.lighter(130) : titleColor);
    shade.setColorAt(1, titleColor);
    painter.fillRect(rect(), shade);
}

void Skinner::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    // Let the window manager move the window where it can; else move it by hand.
    if (QWindow *handle = m_window->windowHandle(); handle && handle->startSystemMove())
        return;
    m_dragging = true;
    m_dragOffset = event->globalPosition().toPoint() - m_window->frameGeometry().topLeft();
}

void Skinner::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragging)
        m_window->move(event->globalPosition().toPoint() - m_dragOffset);
}

void Skinner::mouseReleaseEvent(QMouseEvent *)
{
    m_dragging = false;
}
