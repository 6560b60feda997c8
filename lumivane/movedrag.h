#ifndef LUMIVANE_MOVEDRAG_H
#define LUMIVANE_MOVEDRAG_H

// The arithmetic of moving the control by dragging. The cursor and the outline
// live in screen pixels; the control's place in its container is in the
// container's units, which the screen's twips per pixel convert to (a container
// that measures in twips then gets the moves right).

#include <QtGlobal>

namespace movedrag {

// MoveStyle values: the control follows the cursor (Contents), an outline does
// (WireFrame), or both do. Any other value shows neither and only moves on release.
inline constexpr qint32 contents = 0;
inline constexpr qint32 wireFrame = 1;
inline constexpr qint32 both = 2;

constexpr bool showsOutline(qint32 moveStyle)
{
    return moveStyle == wireFrame || moveStyle == both;
}
constexpr bool movesLive(qint32 moveStyle)
{
    return moveStyle == contents || moveStyle == both;
}

// Twips per pixel of a screen with the given logical dots per inch (15 at 96).
float twipsPerPixel(qreal logicalDotsPerInch);

// The control's position minus the cursor's, in container units, rounded half to
// even into 32 bits (a value beyond them stops at the nearest end).
qint32 offset(double containerPosition, float twipsPerPixel, int cursor);

// Where the control goes for a cursor position, in container units.
constexpr double position(float twipsPerPixel, int cursor, qint32 offset)
{
    return double(twipsPerPixel) * double(cursor) + double(offset);
}

} // namespace movedrag

#endif
