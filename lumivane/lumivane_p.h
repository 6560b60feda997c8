#ifndef LUMIVANE_LUMIVANE_P_H
#define LUMIVANE_LUMIVANE_P_H

// The control's data, behind Lumivane's private pointer: the inner parts, the
// visible surface's state, the own properties and the drag. Only the module's
// own sources see it, so it changes without touching a host built against the
// installed header.

#include "Formkit/olecolor.h"
#include "Formkit/scale.h"
#include "Lumivane/lumivane.h"

#include <QImage>
#include <QPixmap>
#include <QPointer>

class DragOutline;
namespace Formkit {
class PictureBox;
class Timer;
} // namespace Formkit

using Formkit::ControlError;
using Formkit::OleColor;
using Formkit::PictureBox;
using Formkit::Scale;
using Formkit::Timer;
namespace olecolor = Formkit::olecolor;

class LumivanePrivate
{
public:
    PictureBox *m_picture1 = nullptr;
    Timer *m_timer1 = nullptr;

    /// The visible surface.
    Lumivane::LVNAppearence m_appearance = Lumivane::LVNAppearence::ThreeD;
    Lumivane::LVNBackStyle m_backStyle = Lumivane::LVNBackStyle::Transparent;
    Lumivane::LVNBorderStyle m_borderStyle = Lumivane::LVNBorderStyle::None;
    bool m_clipControls = true;
    Lumivane::LVNMousePointer m_mousePointer = Lumivane::LVNMousePointer::Default;
    QPixmap m_mouseIcon;
    Lumivane::LVNOLEDropMode m_oleDropMode = Lumivane::LVNOLEDropMode::None;
    OleColor m_backColor = olecolor::buttonFace;
    OleColor m_maskColor = olecolor::buttonFace;
    QPixmap m_visiblePicture;
    QImage m_maskPicture;
    Scale m_scale { Scale::Mode::Twip };
    qint32 m_deviceHandle = 0;

    /// Own state.
    bool m_autoRedraw = true;
    bool m_moveable = false;
    qint32 m_moveStyle = 0;

    /// Dragging: screen pixels for the outline and the cursor, container units
    /// for the offsets.
    bool m_dragging = false;
    QPoint m_dragPos;
    QPoint m_cursorPos;
    qint32 m_offsetX = 0;
    qint32 m_offsetY = 0;
    bool m_inMouseMove = false;
    /// The release that ends a double-click raises no second Click.
    bool m_doubleClicked = false;
    QPointer<QObject> m_extender;
    DragOutline *m_dragOutline = nullptr;

    /// Placed on a form in the form editor: the dashed outline shows.
    bool m_designMode = false;

    ControlError m_lastError;
    int m_callDepth = 0;
};

/// One member call as a host makes it: the last error is cleared when it
/// starts and reported when it ends; the calls that the host's event handlers
/// make meanwhile report none of their own.
template <class Body> void Lumivane::runMember(Body body)
{
    begin();
    deliverPendingResize();
    ++d_ptr->m_callDepth;
    const ControlError e = body();
    --d_ptr->m_callDepth;
    report(e);
}

#endif
