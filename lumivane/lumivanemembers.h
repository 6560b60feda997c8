#ifndef LUMIVANE_LUMIVANEMEMBERS_H
#define LUMIVANE_LUMIVANEMEMBERS_H

// The member table of the control: each member of _Lumivane once, in interface
// order, with its identifier, name, type, range, stored default and accessors.
// A typed setter finds its row at compile time by identifier (let<id>); late
// binding, the bag and lumivanetypes::members() reach the rows through the
// MemberRows made from them (lumivanemembers.cpp).
//
// A property's put gives its target a value that is in range; a let then runs
// the row's afterLet and tells the host that the property changed. A read from
// the bag runs the put and then afterRead, and tells the host nothing, unless
// the row reads through the public let.

#include "Formkit/picturebox.h"
#include "Lumivane/dispatchids.h"
#include "Lumivane/lumivane.h"
#include "lumivane_p.h"
#include "memberdescriptors.h"
#include "variantconversion.h"

#include <array>
#include <tuple>
#include <type_traits>
#include <utility>

using Formkit::ControlError;
using Formkit::DispatchResult;
using Formkit::OleColor;
using Formkit::PropertyBag;
using Formkit::Scale;
namespace controlerror = Formkit::controlerror;

struct LumivaneMembers
{
    template <class T> using Property = lumivanemembers::Property<T>;
    template <class T> using ReadOnly = lumivanemembers::ReadOnly<T>;

    // The rows, in interface order.
    static constexpr auto rows();

    // The row of a member, found at compile time.
    template <qint32 Id> static constexpr const auto &row();

    // The typed let of a property, as a public setter calls it: the value
    // checked as late binding checks it (an Integer or enum narrowed to 16 bits,
    // a Single that is a number), then letValue.
    template <qint32 Id, class V> static void let(Lumivane &control, V value);
    template <class T> static ControlError letValue(Lumivane &control, const Property<T> &p, const T &value);

    // A value in range given to its target: the part of a let that a read from
    // the bag shares.
    template <class T> static ControlError putValue(Lumivane &control, const Property<T> &p, const T &value);

    // TransparentColor as a form sets it: as a stored value is read (the mask
    // colour follows), then published and notified as a let.
    static ControlError formTransparentColor(Lumivane &control, OleColor value);

    // The late-bound ScaleX and ScaleY, TextWidth and TextHeight.
    template <Qt::Orientation Direction> static DispatchResult scaleCall(Lumivane &c, QVariantList &a);
    template <Qt::Orientation Direction> static DispatchResult textExtentCall(Lumivane &c, QVariantList &a);

    // The late-bound rows (lumivanemembers.cpp): the row at index I of the table
    // read, let, read from a bag and written to one.
    template <std::size_t I> static QVariant getAt(Lumivane &control);
    template <std::size_t I> static ControlError letAt(Lumivane &control, const QVariant &value);
    template <std::size_t I> static ControlError readAt(Lumivane &control, PropertyBag &bag);
    template <std::size_t I> static ControlError writeAt(Lumivane &control, PropertyBag &bag);
    template <class T> static QVariant storedDefault(Lumivane &control, const Property<T> &p);
    template <std::size_t I> static constexpr lumivanemembers::MemberRow lateBound();
};

constexpr auto LumivaneMembers::rows()
{
    using lumivanemembers::Method;
    using lumivanemembers::Target;
    using Lv = Lumivane;
    using VT = lumivanetypes::ValueType;
    namespace vc = variantconversion;

    return std::tuple {
        Property<qint32> {
            .name = "Appearance",
            .dispatchId = lumivaneid::Appearance,
            .type = VT::Enum,
            .target = Target::UserControl,
            .get = [](Lv &c) { return qint32(c.appearance()); },
            .put =
                [](Lv &c, const qint32 &v) {
                    c.d_func()->m_appearance = Lv::LVNAppearence(v);
                    c.applyBorder();
                    return ControlError();
                },
            .range = { 0, 1 },
            .stored = { 1, 1, 1 },
        },
        Property<OleColor> {
            .name = "TransparentColor",
            .dispatchId = lumivaneid::TransparentColor,
            .type = VT::Colour,
            .target = Target::Picture1,
            .get = [](Lv &c) { return c.transparentColor(); },
            .put =
                [](Lv &c, const OleColor &v) {
                    c.d_func()->m_picture1->setBackColorValue(v);
                    c.d_func()->m_backColor = c.d_func()->m_picture1->backColorValue();
                    return ControlError();
                },
            .stored = { 2, 2, 0x8000000F }, // button face
            .afterLet =
                [](Lv &c) {
                    c.d_func()->m_picture1->update();
                    c.publishImage();
                },
            // The one place where the mask colour is set.
            .afterRead = [](Lv &c) { c.d_func()->m_maskColor = c.d_func()->m_picture1->backColorValue(); },
        },
        Property<qint32> {
            .name = "BackStyle",
            .dispatchId = lumivaneid::BackStyle,
            .type = VT::Enum,
            .target = Target::UserControl,
            .get = [](Lv &c) { return qint32(c.backStyle()); },
            .put =
                [](Lv &c, const qint32 &v) {
                    c.d_func()->m_backStyle = Lv::LVNBackStyle(v);
                    return ControlError();
                },
            .range = { 0, 1 },
            .stored = { 3, 3, 0 },
            .afterLet =
                [](Lv &c) {
                    c.applyMask();
                    c.update();
                },
        },
        Property<qint32> {
            .name = "BorderStyle",
            .dispatchId = lumivaneid::BorderStyle,
            .type = VT::Enum,
            .target = Target::UserControl,
            .get = [](Lv &c) { return qint32(c.borderStyle()); },
            .put =
                [](Lv &c, const qint32 &v) {
                    c.d_func()->m_borderStyle = Lv::LVNBorderStyle(v);
                    c.applyBorder();
                    return ControlError();
                },
            .range = { 0, 1 },
            .stored = { 4, 4, 0 },
            .afterLet = [](Lv &c) { c.userControlResized(); },
        },
        Property<bool> {
            .name = "ClipControls",
            .dispatchId = lumivaneid::ClipControls,
            .type = VT::Boolean,
            .target = Target::UserControl,
            .get = [](Lv &c) { return c.clipControls(); },
            .put =
                [](Lv &c, const bool &v) {
                    c.d_func()->m_clipControls = v;
                    return ControlError();
                },
            .stored = { 5, 5, true },
        },
        Method { "Cls", lumivaneid::Cls, VT::None, 0, 0,
            [](Lv &c, QVariantList &) {
                return DispatchResult { c.clearDrawing(), {} };
            } },
        Property<qint32> {
            .name = "DrawMode",
            .dispatchId = lumivaneid::DrawMode,
            .type = VT::Enum,
            .target = Target::Picture1,
            .get = [](Lv &c) { return qint32(c.drawMode()); },
            .put = [](Lv &c, const qint32 &v) { return c.d_func()->m_picture1->setDrawMode(v); },
            .stored = { 6, 6, 13 }, // copy pen
        },
        Property<qint32> {
            .name = "DrawStyle",
            .dispatchId = lumivaneid::DrawStyle,
            .type = VT::Enum,
            .target = Target::Picture1,
            .get = [](Lv &c) { return qint32(c.drawStyle()); },
            .put = [](Lv &c, const qint32 &v) { return c.d_func()->m_picture1->setDrawStyle(v); },
            .stored = { 7, 7, 0 },
        },
        Property<qint32> {
            .name = "DrawWidth",
            .dispatchId = lumivaneid::DrawWidth,
            .type = VT::Integer,
            .target = Target::Picture1,
            .get = [](Lv &c) { return c.drawWidth(); },
            .put =
                [](Lv &c, const qint32 &v) {
                    c.d_func()->m_picture1->setDrawWidth(v);
                    return ControlError();
                },
            .range = { 1, 32767 }, // a picture box draws at least one pixel wide
            .stored = { 8, 8, 1 },
        },
        Property<bool> {
            .name = "Enabled",
            .dispatchId = lumivaneid::Enabled,
            .type = VT::Boolean,
            .target = Target::UserControl,
            .get = [](Lv &c) { return c.controlEnabled(); },
            .put =
                [](Lv &c, const bool &v) {
                    c.QWidget::setEnabled(v);
                    return ControlError();
                },
            .stored = { 9, 9, true },
        },
        Property<OleColor> {
            .name = "FillColor",
            .dispatchId = lumivaneid::FillColor,
            .type = VT::Colour,
            .target = Target::Picture1,
            .get = [](Lv &c) { return c.fillColor(); },
            .put =
                [](Lv &c, const OleColor &v) {
                    c.d_func()->m_picture1->setFillColorValue(v);
                    return ControlError();
                },
            .stored = { 10, 10, 0 },
        },
        Property<qint32> {
            .name = "FillStyle",
            .dispatchId = lumivaneid::FillStyle,
            .type = VT::Enum,
            .target = Target::Picture1,
            .get = [](Lv &c) { return qint32(c.fillStyle()); },
            .put = [](Lv &c, const qint32 &v) { return c.d_func()->m_picture1->setFillStyle(v); },
            .stored = { 11, 11, 1 }, // transparent
        },
        Property<QFont> {
            .name = "Font",
            .dispatchId = lumivaneid::Font,
            .type = VT::Font,
            .target = Target::Picture1,
            .get = [](Lv &c) { return c.drawingFont(); },
            .put =
                [](Lv &c, const QFont &v) {
                    c.d_func()->m_picture1->setFont(v);
                    return ControlError();
                },
            .stored = { 12, 12 },
        },
        Property<bool> {
            .name = "FontTransparent",
            .dispatchId = lumivaneid::FontTransparent,
            .type = VT::Boolean,
            .target = Target::Picture1,
            .get = [](Lv &c) { return c.fontTransparent(); },
            .put =
                [](Lv &c, const bool &v) {
                    c.d_func()->m_picture1->setFontTransparent(v);
                    return ControlError();
                },
            .stored = { 13, 13, true },
        },
        Property<OleColor> {
            .name = "ForeColor",
            .dispatchId = lumivaneid::ForeColor,
            .type = VT::Colour,
            .target = Target::Picture1,
            .get = [](Lv &c) { return c.foreColor(); },
            .put =
                [](Lv &c, const OleColor &v) {
                    c.d_func()->m_picture1->setForeColorValue(v);
                    return ControlError();
                },
            .stored = { 14, 14, 0x80000012 }, // button text
        },
        ReadOnly<qint32> {
            .name = "hwnd",
            .dispatchId = lumivaneid::hwnd,
            .type = VT::Long,
            .target = Target::UserControl,
            .get = [](Lv &c) { return c.hwnd(); },
        },
        ReadOnly<QPixmap> {
            .name = "Image",
            .dispatchId = lumivaneid::Image,
            .type = VT::Picture,
            .target = Target::Picture1,
            .get = [](Lv &c) { return c.image(); },
        },
        Property<QPixmap> {
            .name = "MouseIcon",
            .dispatchId = lumivaneid::MouseIcon,
            .type = VT::Picture,
            .target = Target::UserControl,
            .get = [](Lv &c) { return c.mouseIcon(); },
            .put =
                [](Lv &c, const QPixmap &v) {
                    c.d_func()->m_mouseIcon = v;
                    c.applyMousePointer();
                    return ControlError();
                },
            .stored = { 15, 15 },
            .readByLet = true,
        },
        Property<qint32> {
            .name = "MousePointer",
            .dispatchId = lumivaneid::MousePointer,
            .type = VT::Enum,
            .target = Target::UserControl,
            .get = [](Lv &c) { return qint32(c.mousePointer()); },
            .put =
                [](Lv &c, const qint32 &v) {
                    c.d_func()->m_mousePointer = Lv::LVNMousePointer(v);
                    c.applyMousePointer();
                    return ControlError();
                },
            .range = { 0, 15, 99 }, // 99: the MouseIcon
            .stored = { 16, 16, 0 },
        },
        Property<QPixmap> {
            .name = "Picture",
            .dispatchId = lumivaneid::Picture,
            .type = VT::Picture,
            .target = Target::Picture1,
            .get = [](Lv &c) { return c.picture(); },
            .put =
                [](Lv &c, const QPixmap &v) {
                    c.d_func()->m_picture1->setPicture(v);
                    return ControlError();
                },
            .stored = { 17, 17 },
            .afterLet =
                [](Lv &c) {
                    c.d_func()->m_picture1->update();
                    c.publishImage();
                },
        },
        Method { "Point", lumivaneid::Point, VT::Long, 2, 2,
            [](Lv &c, QVariantList &a) {
                const auto x = vc::toSingle(a.at(0));
                const auto y = vc::toSingle(a.at(1));
                if (!x.ok() || !y.ok())
                    return DispatchResult { x.ok() ? y.error : x.error, {} };
                return DispatchResult { {}, c.colourAt(x.value, y.value) };
            } },
        Method { "Refresh", lumivaneid::Refresh, VT::None, 0, 0,
            [](Lv &c, QVariantList &) {
                return DispatchResult { c.refreshSurface(), {} };
            } },
        Method { "Scale_", lumivaneid::Scale_, VT::None, 0, 4,
            [](Lv &c, QVariantList &a) {
                return DispatchResult { c.scaleByCorners(a.value(0), a.value(1), a.value(2), a.value(3)),
                    {} };
            } },
        // Each part of the scale goes to the visible surface, which turns to a
        // user scale, and then to Picture1 as the visible surface reports it.
        Property<float> {
            .name = "ScaleHeight",
            .dispatchId = lumivaneid::ScaleHeight,
            .type = VT::Single,
            .target = Target::UserControl,
            .get = [](Lv &c) { return c.scaleHeight(); },
            .put =
                [](Lv &c, const float &v) {
                    c.d_func()->m_scale.setHeight(v, c.interior().size());
                    c.d_func()->m_picture1->setScaleHeight(c.scaleHeight());
                    return ControlError();
                },
            .range = { .zero = false },
            .stored = { 18, 18, 9060 }, // the design height in twips
        },
        Property<float> {
            .name = "ScaleLeft",
            .dispatchId = lumivaneid::ScaleLeft,
            .type = VT::Single,
            .target = Target::UserControl,
            .get = [](Lv &c) { return c.scaleLeft(); },
            .put =
                [](Lv &c, const float &v) {
                    c.d_func()->m_scale.setLeft(v, c.interior().size());
                    c.d_func()->m_picture1->setScaleLeft(c.scaleLeft());
                    return ControlError();
                },
            .stored = { 19, 19, 0 },
        },
        Property<qint32> {
            .name = "ScaleMode",
            .dispatchId = lumivaneid::ScaleMode,
            .type = VT::Enum,
            .target = Target::UserControl,
            .get = [](Lv &c) { return qint32(c.scaleMode()); },
            .put =
                [](Lv &c, const qint32 &v) {
                    // The user scale starts from the scale in force.
                    if (Scale::Mode(v) == Scale::Mode::User)
                        c.d_func()->m_scale.makeUser(c.interior().size());
                    else
                        c.d_func()->m_scale.setMode(Scale::Mode(v));
                    return ControlError();
                },
            .range = { 0, 7 },
            .stored = { 22, 20, 1 }, // twips; read after the parts of the scale
            // The resize handling copies the whole scale to Picture1.
            .afterLet = [](Lv &c) { c.userControlResized(); },
            .afterRead = [](Lv &c) { c.d_func()->m_picture1->setScaleMode(c.d_func()->m_scale.mode()); },
        },
        Property<float> {
            .name = "ScaleTop",
            .dispatchId = lumivaneid::ScaleTop,
            .type = VT::Single,
            .target = Target::UserControl,
            .get = [](Lv &c) { return c.scaleTop(); },
            .put =
                [](Lv &c, const float &v) {
                    c.d_func()->m_scale.setTop(v, c.interior().size());
                    c.d_func()->m_picture1->setScaleTop(c.scaleTop());
                    return ControlError();
                },
            .stored = { 20, 21, 0 },
        },
        Property<float> {
            .name = "ScaleWidth",
            .dispatchId = lumivaneid::ScaleWidth,
            .type = VT::Single,
            .target = Target::UserControl,
            .get = [](Lv &c) { return c.scaleWidth(); },
            .put =
                [](Lv &c, const float &v) {
                    c.d_func()->m_scale.setWidth(v, c.interior().size());
                    c.d_func()->m_picture1->setScaleWidth(c.scaleWidth());
                    return ControlError();
                },
            .range = { .zero = false },
            .stored = { 21, 22, 8145 }, // the design width in twips
        },
        Method { "ScaleX", lumivaneid::ScaleX, VT::Single, 1, 3, &scaleCall<Qt::Horizontal> },
        Method { "ScaleY", lumivaneid::ScaleY, VT::Single, 1, 3, &scaleCall<Qt::Vertical> },
        Method { "TextWidth", lumivaneid::TextWidth, VT::Single, 1, 1, &textExtentCall<Qt::Horizontal> },
        Method { "TextHeight", lumivaneid::TextHeight, VT::Single, 1, 1, &textExtentCall<Qt::Vertical> },
        Property<QString> {
            .name = "ToolTipText",
            .dispatchId = lumivaneid::ToolTipText,
            .type = VT::String,
            .target = Target::Picture1,
            .get = [](Lv &c) { return c.toolTipText(); },
            .put =
                [](Lv &c, const QString &v) {
                    c.d_func()->m_picture1->setToolTip(v);
                    // Picture1 stays hidden: the surface shows the tip over the picture.
                    c.setToolTip(v);
                    return ControlError();
                },
            .stored = { 23, 23 },
        },
        Method { "ReplaceColor", lumivaneid::ReplaceColor, VT::None, 2, 2,
            [](Lv &c, QVariantList &a) {
                const auto from = vc::toColour(a.at(0));
                const auto to = vc::toColour(a.at(1));
                if (!from.ok() || !to.ok())
                    return DispatchResult { from.ok() ? to.error : from.error, {} };
                return DispatchResult { c.replaceColour(from.value, to.value), {} };
            } },
        Property<bool> {
            .name = "RightToLeft",
            .dispatchId = lumivaneid::RightToLeft,
            .type = VT::Boolean,
            .target = Target::Picture1,
            .get = [](Lv &c) { return c.rightToLeft(); },
            .put =
                [](Lv &c, const bool &v) {
                    c.d_func()->m_picture1->setLayoutDirection(v ? Qt::RightToLeft : Qt::LeftToRight);
                    return ControlError();
                },
            .stored = { 24, 24, false },
        },
        Property<qint32> {
            .name = "WhatsThisHelpID",
            .dispatchId = lumivaneid::WhatsThisHelpID,
            .type = VT::Long,
            .target = Target::Picture1,
            .get = [](Lv &c) { return c.whatsThisHelpId(); },
            .put =
                [](Lv &c, const qint32 &v) {
                    c.d_func()->m_picture1->setWhatsThisHelpId(v);
                    return ControlError();
                },
            .stored = { 25, 25, 0 },
        },
        Property<qint32> {
            .name = "OLEDragMode",
            .dispatchId = lumivaneid::OLEDragMode,
            .type = VT::Enum,
            .target = Target::Picture1,
            .get = [](Lv &c) { return qint32(c.oleDragMode()); },
            .put = [](Lv &c, const qint32 &v) { return c.d_func()->m_picture1->setOleDragMode(v); },
            .stored = { 26, 26, 0 },
        },
        Property<qint32> {
            .name = "LinkTimeout",
            .dispatchId = lumivaneid::LinkTimeout,
            .type = VT::Integer,
            .target = Target::Picture1,
            .get = [](Lv &c) { return c.linkTimeout(); },
            .put =
                [](Lv &c, const qint32 &v) {
                    c.d_func()->m_picture1->setLinkTimeout(v);
                    return ControlError();
                },
            .stored = { 28, 28, 50 },
        },
        Property<QString> {
            .name = "LinkTopic",
            .dispatchId = lumivaneid::LinkTopic,
            .type = VT::String,
            .target = Target::Picture1,
            .get = [](Lv &c) { return c.linkTopic(); },
            .put =
                [](Lv &c, const QString &v) {
                    c.d_func()->m_picture1->setLinkTopic(v);
                    return ControlError();
                },
            .stored = { 29, 29 },
        },
        Property<QString> {
            .name = "LinkItem",
            .dispatchId = lumivaneid::LinkItem,
            .type = VT::String,
            .target = Target::Picture1,
            .get = [](Lv &c) { return c.linkItem(); },
            .put =
                [](Lv &c, const QString &v) {
                    c.d_func()->m_picture1->setLinkItem(v);
                    return ControlError();
                },
            .stored = { 30, 30 },
        },
        Property<qint32> {
            .name = "LinkMode",
            .dispatchId = lumivaneid::LinkMode,
            .type = VT::Enum,
            .target = Target::Picture1,
            .get = [](Lv &c) { return qint32(c.linkMode()); },
            .put = [](Lv &c, const qint32 &v) { return c.d_func()->m_picture1->setLinkMode(v); },
            .stored = { 31, 31, 0 },
        },
        ReadOnly<qint32> {
            .name = "hDC",
            .dispatchId = lumivaneid::hDC,
            .type = VT::Long,
            .target = Target::UserControl,
            .get = [](Lv &c) { return c.hDC(); },
        },
        Property<float> {
            .name = "CurrentX",
            .dispatchId = lumivaneid::CurrentX,
            .type = VT::Single,
            .target = Target::Picture1,
            .get = [](Lv &c) { return c.currentX(); },
            .put =
                [](Lv &c, const float &v) {
                    c.d_func()->m_picture1->setCurrentX(v);
                    return ControlError();
                },
            .stored = { 32, 32, 0 },
        },
        Property<float> {
            .name = "CurrentY",
            .dispatchId = lumivaneid::CurrentY,
            .type = VT::Single,
            .target = Target::Picture1,
            .get = [](Lv &c) { return c.currentY(); },
            .put =
                [](Lv &c, const float &v) {
                    c.d_func()->m_picture1->setCurrentY(v);
                    return ControlError();
                },
            .stored = { 33, 33, 0 },
        },
        Method { "PaintPicture", lumivaneid::PaintPicture, VT::None, 3, 10,
            [](Lv &c, QVariantList &a) {
                return DispatchResult { c.paintPictureWith(a.constData(), a.size()), {} };
            } },
        Property<qint32> {
            .name = "OLEDropMode",
            .dispatchId = lumivaneid::OLEDropMode,
            .type = VT::Enum,
            .target = Target::UserControl,
            .get = [](Lv &c) { return qint32(c.oleDropMode()); },
            .put =
                [](Lv &c, const qint32 &v) {
                    c.d_func()->m_oleDropMode = Lv::LVNOLEDropMode(v);
                    c.setAcceptDrops(c.d_func()->m_oleDropMode != Lv::LVNOLEDropMode::None);
                    return ControlError();
                },
            .range = { 0, 2 },
            .stored = { 27, 27, 0 },
        },
        Method { "OLEDrag", lumivaneid::OLEDrag, VT::None, 0, 0,
            [](Lv &c, QVariantList &) {
                return DispatchResult { c.startOleDrag(), {} };
            } },
        Property<bool> {
            .name = "AutoRedraw",
            .dispatchId = lumivaneid::AutoRedraw,
            .type = VT::Boolean,
            .target = Target::Own,
            .get = [](Lv &c) { return c.autoRedraw(); },
            .put =
                [](Lv &c, const bool &v) {
                    c.d_func()->m_autoRedraw = v;
                    return ControlError();
                },
            .stored = { 34, 34, true },
        },
        ReadOnly<QObject *> {
            .name = "Canvas",
            .dispatchId = lumivaneid::Canvas,
            .type = VT::Object,
            .target = Target::Picture1,
            .get = [](Lv &c) { return c.canvas(); },
        },
        Property<bool> {
            .name = "Moveable",
            .dispatchId = lumivaneid::Moveable,
            .type = VT::Boolean,
            .target = Target::Own,
            .get = [](Lv &c) { return c.isMoveable(); },
            .put =
                [](Lv &c, const bool &v) {
                    c.d_func()->m_moveable = v;
                    return ControlError();
                },
            .stored = { 35, 35, false },
        },
        // Kept as given: any 32-bit value.
        Property<qint32> {
            .name = "MoveStyle",
            .dispatchId = lumivaneid::MoveStyle,
            .type = VT::Long,
            .target = Target::Own,
            .get = [](Lv &c) { return qint32(c.moveStyle()); },
            .put =
                [](Lv &c, const qint32 &v) {
                    c.d_func()->m_moveStyle = v;
                    return ControlError();
                },
            .stored = { 36, 36, 0 },
        },
    };
}

// The table as a constant, for the rows' users.
inline constexpr auto lumivaneMemberRows = LumivaneMembers::rows();

template <qint32 Id> constexpr const auto &LumivaneMembers::row()
{
    constexpr std::size_t index = [] {
        const auto ids = std::apply(
            [](const auto &...rows) { return std::array { rows.dispatchId... }; }, lumivaneMemberRows);
        std::size_t i = 0;
        while (i < ids.size() && ids[i] != Id)
            ++i;
        return i;
    }();
    static_assert(index < std::tuple_size_v<std::remove_const_t<decltype(lumivaneMemberRows)>>,
        "no member has this identifier");
    return std::get<index>(lumivaneMemberRows);
}

template <class T>
ControlError LumivaneMembers::putValue(Lumivane &control, const Property<T> &p, const T &value)
{
    if constexpr (std::is_same_v<T, qint32> || std::is_same_v<T, float>) {
        if (!p.range.admits(value))
            return controlerror::make(controlerror::invalidPropertyValue);
    }
    return p.put(control, value);
}

template <class T>
ControlError LumivaneMembers::letValue(Lumivane &control, const Property<T> &p, const T &value)
{
    if (const ControlError e = putValue(control, p, value); e.isError())
        return e;
    p.afterLet(control);
    emit control.propertyChanged(QString::fromLatin1(p.name));
    return {};
}

inline ControlError LumivaneMembers::formTransparentColor(Lumivane &control, OleColor value)
{
    constexpr const auto &p = row<lumivaneid::TransparentColor>();
    if (const ControlError e = putValue(control, p, value); e.isError())
        return e;
    p.afterRead(control);
    p.afterLet(control);
    emit control.propertyChanged(QString::fromLatin1(p.name));
    return {};
}

template <qint32 Id, class V> void LumivaneMembers::let(Lumivane &control, V value)
{
    constexpr const auto &p = row<Id>();
    using T = decltype(p.get(control));
    control.runMember([&] {
        if constexpr (std::is_same_v<T, qint32> && p.type == lumivanetypes::ValueType::Long) {
            return letValue(control, p, qint32(value));
        } else if constexpr (std::is_same_v<T, qint32>) {
            const auto narrowed = variantconversion::integerOf(double(value));
            return narrowed.ok() ? letValue(control, p, qint32(narrowed.value)) : narrowed.error;
        } else if constexpr (std::is_same_v<T, float>) {
            const auto single = variantconversion::singleOf(value);
            return single.ok() ? letValue(control, p, single.value) : single.error;
        } else {
            return letValue(control, p, T(value));
        }
    });
}

template <Qt::Orientation Direction> DispatchResult LumivaneMembers::scaleCall(Lumivane &c, QVariantList &a)
{
    const auto value = variantconversion::toSingle(a.at(0));
    if (!value.ok())
        return { value.error, {} };
    float converted = 0;
    if (const ControlError e = c.convertScale(Direction, value.value, a.value(1), a.value(2), converted);
        e.isError())
        return { e, {} };
    return { {}, converted };
}

template <Qt::Orientation Direction>
DispatchResult LumivaneMembers::textExtentCall(Lumivane &c, QVariantList &a)
{
    const auto text = variantconversion::toText(a.at(0));
    if (!text.ok())
        return { text.error, {} };
    return { {}, c.textExtent(Direction, text.value) };
}

#endif
