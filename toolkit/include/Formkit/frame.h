#ifndef FORMKIT_FRAME_H
#define FORMKIT_FRAME_H

/// \class Formkit::Frame
/// A frame: a box that holds other widgets, drawn in its own back colour (the
/// palette's Window, filled edge to edge) with an etched border whose top line
/// runs through the middle of the caption. Children keep the places the layout
/// gives them from the frame's top-left corner; the caption and the top line take
/// one line height of the caption's font, so children placed below that sit
/// inside the border, clear of both.

#include "Formkit/formkitwidgets_export.h"

#include <QGroupBox>

namespace Formkit {

class FORMKITWIDGETS_EXPORT Frame final : public QGroupBox
{
    Q_OBJECT

public:
    /// A frame with the caption.
    explicit Frame(const QString &caption = QString(), QWidget *parent = nullptr);

protected:
    /// Draws the frame line and caption.
    void paintEvent(QPaintEvent *event) override;

private:
    Q_DISABLE_COPY_MOVE(Frame)
};

} // namespace Formkit

#endif
