#ifndef FORMKIT_SCALE_H
#define FORMKIT_SCALE_H

/// \class Formkit::Scale
/// The coordinate system of a drawing surface, shared by the picture box and the
/// Lumivane control: a fixed mode whose units are a fixed number of twips
/// (twips, points, pixels, characters, inches, millimetres, centimetres), starting
/// at 0, 0 and as wide and high as the surface, or a user scale whose left, top,
/// width and height are set. The surface's size in pixels (its area) comes with
/// each question, so one scale follows its surface as it is resized.

#include "Formkit/formkitcore_export.h"

#include <QObject>
#include <QPointF>
#include <QSize>

#include <memory>

namespace Formkit {

class ScalePrivate;

class FORMKITCORE_EXPORT Scale
{
    Q_GADGET

public:
    /// The scale modes, numbered as the surfaces' ScaleMode property.
    enum class Mode {
        User = 0,
        Twip = 1,
        Point = 2,
        Pixel = 3,
        Character = 4,
        Inch = 5,
        Millimeter = 6,
        Centimeter = 7,
    };
    Q_ENUM(Mode)

    /// A scale in the given mode.
    explicit Scale(Mode mode);
    ///@{
    /// Copies are scales of their own with the same mode and extents.
    Scale(const Scale &other);
    Scale &operator=(const Scale &other);
    ///@}
    ~Scale();

    /// The mode in force.
    Mode mode() const;
    /// A user scale set this way takes the extents it was last given.
    void setMode(Mode mode);

    /// The left edge in scale units (0 but for a user scale).
    float left() const;
    /// The top edge in scale units (0 but for a user scale).
    float top() const;
    /// The width of a surface of area pixels, in scale units.
    float width(QSize area) const;
    /// The height of a surface of area pixels, in scale units.
    float height(QSize area) const;

    /// The scale in force becomes a user scale with the same extents.
    void makeUser(QSize area);
    ///@{
    /// Setting one part makes the scale in force a user scale first.
    void setLeft(float left, QSize area);
    void setTop(float top, QSize area);
    void setWidth(float width, QSize area);
    void setHeight(float height, QSize area);
    ///@}
    /// A user scale whose top left corner is (x1, y1) and bottom right (x2, y2).
    void set(float x1, float y1, float x2, float y2);

    /// A point in scale units, in pixels of a surface of that area.
    QPointF toPixels(QPointF point, QSize area) const;
    /// A point in pixels of a surface of that area, in scale units.
    QPointF fromPixels(QPointF pixels, QSize area) const;

    ///@{
    /// Twips per unit of a fixed mode (0 for the user scale).
    static double twipsPerUnitX(Mode mode);
    static double twipsPerUnitY(Mode mode);
    ///@}

private:
    Q_DECLARE_PRIVATE(Scale)
    std::unique_ptr<ScalePrivate> d_ptr;
};

} // namespace Formkit

#endif
