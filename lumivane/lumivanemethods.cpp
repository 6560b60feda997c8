// The control's methods: what each does, shared by the typed methods below and
// by late binding (the method rows of the member table).

#include "Lumivane/lumivane.h"
#include "lumivane_p.h"

#include "Formkit/picturebox.h"
#include "Formkit/twips.h"
#include "colorreplace.h"
#include "variantconversion.h"

#include <array>
#include <cmath>
#include <optional>
#include <span>

using Formkit::ControlError;
using Formkit::OleColor;
using Formkit::PictureBox;
using Formkit::Scale;
namespace controlerror = Formkit::controlerror;
namespace dispatch = Formkit::dispatch;
namespace olecolor = Formkit::olecolor;
namespace twips = Formkit::twips;

namespace {

namespace vc = variantconversion;

ControlError error(qint32 number)
{
    return controlerror::make(number);
}

// Twips per unit of the scale modes a conversion names: the fixed modes, 8 for
// 0.01 mm, and 9 and 10 for the container's position and size (its twips).
double fixedTwipsPerUnit(int mode, Qt::Orientation direction)
{
    if (mode >= 1 && mode <= 7) {
        const auto fixed = Scale::Mode(mode);
        return direction == Qt::Horizontal ? Scale::twipsPerUnitX(fixed) : Scale::twipsPerUnitY(fixed);
    }
    switch (mode) {
    case 8:
        return 1440.0 / 2540.0;
    case 9:
    case 10:
        return 1.0;
    default:
        return 0.0;
    }
}

} // namespace

ControlError Lumivane::clearDrawing()
{
    Q_D(Lumivane);
    d->m_picture1->cls();
    publishIfAutoRedraw();
    return {};
}

qint32 Lumivane::colourAt(float x, float y) const
{
    Q_D(const Lumivane);
    const std::optional<QRgb> colour = d->m_picture1->point(x, y);
    return colour ? qint32(olecolor::fromRgb(qRed(*colour), qGreen(*colour), qBlue(*colour))) : qint32(-1);
}

ControlError Lumivane::refreshSurface()
{
    Q_D(Lumivane);
    d->m_backColor = d->m_picture1->backColorValue();
    if (!d->m_autoRedraw)
        publishImage();
    else
        update();
    return {};
}

ControlError Lumivane::scaleByCorners(
    const QVariant &x1, const QVariant &y1, const QVariant &x2, const QVariant &y2)
{
    Q_D(Lumivane);
    std::array<float, 4> corner {};
    int given = 0;
    const QVariant *const arguments[] = { &x1, &y1, &x2, &y2 };
    for (size_t i = 0; i < corner.size(); ++i) {
        if (dispatch::isMissing(*arguments[i]))
            continue;
        const auto value = vc::toSingle(*arguments[i]);
        if (!value.ok())
            return value.error;
        corner[i] = value.value;
        ++given;
    }
    if (given == 0) {
        // No corners: both surfaces go back to twips.
        d->m_scale.setMode(Scale::Mode::Twip);
        d->m_picture1->setScaleMode(Scale::Mode::Twip);
        return {};
    }
    if (given != 4 || corner[0] == corner[2] || corner[1] == corner[3])
        return error(controlerror::invalidProcedureCall);
    d->m_scale.set(corner[0], corner[1], corner[2], corner[3]);
    d->m_picture1->scale(corner[0], corner[1], corner[2], corner[3]);
    return {};
}

ControlError Lumivane::convertScale(
    Qt::Orientation direction, float value, const QVariant &fromScale, const QVariant &toScale, float &result)
{
    // A scale mode given as a number from 0 to 10, or the mode a missing one stands for.
    const auto modeOf = [](const QVariant &argument, int missing, int &mode) -> ControlError {
        if (dispatch::isMissing(argument)) {
            mode = missing;
            return {};
        }
        const auto converted = vc::toInteger(argument);
        if (!converted.ok())
            return converted.error;
        if (converted.value < 0 || converted.value > 10)
            return error(controlerror::invalidProcedureCall);
        mode = converted.value;
        return {};
    };
    int from = 0;
    int to = 0;
    if (const ControlError e = modeOf(fromScale, 8, from); e.isError())
        return e;
    if (const ControlError e = modeOf(toScale, int(scaleMode()), to); e.isError())
        return e;
    const bool horizontal = direction == Qt::Horizontal;
    const auto twipsPerUnit = [&](int mode) {
        if (mode == 0) {
            const double extent = horizontal ? scaleWidth() : scaleHeight();
            const double pixels = horizontal ? interior().width() : interior().height();
            return extent != 0 ? std::abs(pixels * twips::perPixel / extent) : 0.0;
        }
        return fixedTwipsPerUnit(mode, direction);
    };
    const double fromFactor = twipsPerUnit(from);
    const double toFactor = twipsPerUnit(to);
    if (fromFactor == 0 || toFactor == 0)
        return error(controlerror::invalidProcedureCall);
    result = float(value * fromFactor / toFactor);
    return {};
}

float Lumivane::textExtent(Qt::Orientation direction, const QString &text) const
{
    Q_D(const Lumivane);
    return direction == Qt::Horizontal ? d->m_picture1->textWidth(text) : d->m_picture1->textHeight(text);
}

ControlError Lumivane::replaceColour(OleColor from, OleColor to)
{
    Q_D(Lumivane);
    // Work surfaces of no size cannot be made: the surface stays as it is.
    if (d->m_picture1->width() > 0 && d->m_picture1->height() > 0) {
        const QRgb fromRgb = olecolor::toQColor(from, palette()).rgb();
        const QRgb toRgb = olecolor::toQColor(to, palette()).rgb();
        const QRgb foreground = d->m_picture1->foreColor().rgb();
        d->m_picture1->drawPixels(
            [&](QImage &surface) { colorreplace::replaceColor(surface, fromRgb, toRgb, foreground); });
        // The mask transfer leaves the surface's text background white.
        d->m_picture1->setTextBackColor(Qt::white);
        d->m_picture1->update();
    }
    publishIfAutoRedraw();
    return {};
}

ControlError Lumivane::paintPictureWith(const QVariant *argumentList, qsizetype count)
{
    const std::span<const QVariant> arguments(argumentList, size_t(count));
    Q_D(Lumivane);
    // Picture, X1 and Y1, then Width1, Height1, X2, Y2, Width2, Height2 and
    // Opcode, which may be missing (or not given at all).
    const auto optional = [&](size_t i) { return i < arguments.size() ? arguments[i] : QVariant(); };
    const auto picture = vc::toPicture(arguments[0]);
    if (!picture.ok())
        return picture.error;
    const auto x1 = vc::toSingle(arguments[1]);
    if (!x1.ok())
        return x1.error;
    const auto y1 = vc::toSingle(arguments[2]);
    if (!y1.ok())
        return y1.error;

    PictureBox::PictureArea area;
    std::optional<float> *const sizes[]
        = { &area.width1, &area.height1, &area.x2, &area.y2, &area.width2, &area.height2 };
    for (size_t i = 0; i < std::size(sizes); ++i) {
        const QVariant argument = optional(3 + i);
        if (dispatch::isMissing(argument))
            continue;
        const auto v = vc::toSingle(argument);
        if (!v.ok())
            return v.error;
        *sizes[i] = v.value;
    }
    if (const QVariant argument = optional(9); !dispatch::isMissing(argument)) {
        const auto opcode = vc::toLong(argument);
        if (!opcode.ok())
            return opcode.error;
        area.opcode = opcode.value;
    }
    if (const ControlError e = d->m_picture1->paintPicture(picture.value, x1.value, y1.value, area);
        e.isError())
        return e;
    publishIfAutoRedraw();
    return {};
}

// The typed methods ------------------------------------------------------------------

void Lumivane::Cls()
{
    runMember([this] { return clearDrawing(); });
}

qint32 Lumivane::Point(float x, float y)
{
    qint32 colour = 0;
    runMember([&] {
        const auto atX = vc::singleOf(x);
        const auto atY = vc::singleOf(y);
        if (!atX.ok() || !atY.ok())
            return atX.ok() ? atY.error : atX.error;
        colour = colourAt(atX.value, atY.value);
        return ControlError();
    });
    return colour;
}

void Lumivane::Refresh()
{
    runMember([this] { return refreshSurface(); });
}

void Lumivane::Scale_(const QVariant &X1, const QVariant &Y1, const QVariant &X2, const QVariant &Y2)
{
    runMember([&] { return scaleByCorners(X1, Y1, X2, Y2); });
}

float Lumivane::ScaleX(float Width, const QVariant &FromScale, const QVariant &ToScale)
{
    float result = 0;
    runMember([&] {
        const auto width = vc::singleOf(Width);
        return width.ok() ? convertScale(Qt::Horizontal, width.value, FromScale, ToScale, result)
                          : width.error;
    });
    return result;
}

float Lumivane::ScaleY(float Height, const QVariant &FromScale, const QVariant &ToScale)
{
    float result = 0;
    runMember([&] {
        const auto height = vc::singleOf(Height);
        return height.ok() ? convertScale(Qt::Vertical, height.value, FromScale, ToScale, result)
                           : height.error;
    });
    return result;
}

float Lumivane::TextWidth(const QString &Str)
{
    float width = 0;
    runMember([&] {
        width = textExtent(Qt::Horizontal, Str);
        return ControlError();
    });
    return width;
}

float Lumivane::TextHeight(const QString &Str)
{
    float height = 0;
    runMember([&] {
        height = textExtent(Qt::Vertical, Str);
        return ControlError();
    });
    return height;
}

void Lumivane::ReplaceColor(qint32 FromColor, qint32 ToColor)
{
    runMember([&] { return replaceColour(OleColor(FromColor), OleColor(ToColor)); });
}

void Lumivane::PaintPicture(const QVariant &Picture, float X1, float Y1, const QVariant &Width1,
    const QVariant &Height1, const QVariant &X2, const QVariant &Y2, const QVariant &Width2,
    const QVariant &Height2, const QVariant &Opcode)
{
    const QVariant arguments[] = { Picture, X1, Y1, Width1, Height1, X2, Y2, Width2, Height2, Opcode };
    runMember([&] { return paintPictureWith(arguments, qsizetype(std::size(arguments))); });
}
