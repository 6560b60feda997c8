#include "app/captionlabel.h"

#include <QPainter>

CaptionLabel::CaptionLabel(const QString &caption, QWidget *parent)
    : QLabel(caption, parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
}

void CaptionLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect box = contentsRect();
    const int flags = int(alignment()) | Qt::TextSingleLine;
    painter.setFont(font());
    painter.setPen(QColor(0, 96, 96));
    for (const QPoint offset : { QPoint(-1, 0), QPoint(1, 0), QPoint(0, -1), QPoint(0, 1) })
        painter.drawText(box.translated(offset), flags, text());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(box, flags, text());
}
