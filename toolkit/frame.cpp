#include "Formkit/frame.h"

#include <QPainter>
#include <QStyle>
#include <qdrawutil.h>

namespace Formkit {

namespace {

// The caption starts this far in from the frame's left edge, with a gap of the
// frame's colour on each side where it cuts the top line.
constexpr int captionIndent = 8;
constexpr int captionGap = 2;

} // namespace

Frame::Frame(const QString &caption, QWidget *parent)
    : QGroupBox(caption, parent)
{
    setAutoFillBackground(true);
}

void Frame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const bool captioned = !title().isEmpty();
    const int lineTop = captioned ? metrics.height() / 2 : 0;
    // A one-pixel groove: the shadow line with the light line just inside it.
    qDrawShadeRect(&painter, rect().adjusted(0, lineTop, 0, 0), palette(), true, 1, 0);
    if (!captioned)
        return;

    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextShowMnemonic;
    QRect caption = metrics.boundingRect(
        QRect(captionIndent, 0, width() - 2 * captionIndent, metrics.height()), flags, title());
    caption.setHeight(metrics.height());
    painter.fillRect(caption.adjusted(-captionGap, 0, captionGap, 0), palette().color(QPalette::Window));
    style()->drawItemText(&painter, caption, flags, palette(), isEnabled(), title(), QPalette::WindowText);
}

} // namespace Formkit
