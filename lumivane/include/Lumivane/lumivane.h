#ifndef LUMIVANE_LUMIVANE_H
#define LUMIVANE_LUMIVANE_H

/// \class Lumivane
/// Lumivane: a picture control with one colour see-through.
///
/// The widget itself is the visible surface (UserControl). It holds two inner
/// parts: Picture1, a hidden PictureBox covering the client area on which all
/// drawing happens and whose composed image (back colour = TransparentColor,
/// Picture at the top left, drawings) is the control's content; and Timer1, a
/// 1 ms one-shot timer that publishes after a host drew through Canvas.
/// Publishing copies Picture1's image to the widget as its picture and as its
/// mask: with BackStyle Transparent the widget shows, and takes the mouse, only
/// where that image differs from the mask colour, so the container shows and gets
/// the clicks elsewhere.
///
/// Reaching members
///   - by name: every property is a Q_PROPERTY and every method Q_INVOKABLE under
///     the type library's names (Scale_, hwnd, hDC included); the enums keep
///     the LVN names and values, each in a namespace of its own with Q_ENUM_NS
///     (the keys are the type library's names without blanks: the main page maps
///     them); the six Singles are double properties, as Qt Designer edits them;
///   - by dispatch identifier: Dispatchable::invoke (qobject_cast<Dispatchable *>),
///     arguments as QVariants, a missing optional argument as QVariant(); the
///     identifiers are named in Lumivane/dispatchids.h;
///   - typed, from C++: the getters and setters below.
/// Each member is described once, in the control's member table: its
/// identifier, name, type, range, stored default and accessors. The typed
/// setters, late binding and the persistence all work from that table.
///
/// Making a colour see-through: the mask colour is taken when the control reads
/// its saved settings, from the TransparentColor in the host's property bag, or
/// from a form (Designer's, through QObject::setProperty(), as uic's code sets
/// it), and only then. A host that wants its back colour see-through sets it as
/// a form does, or puts the colour into a bag and has the control read it:
///
/// \code
///   logo->setProperty("TransparentColor", 0x00BEBEBEu); // as a form sets it
///
///   MemoryPropertyBag settings;                         // <Formkit/memorypropertybag.h>
///   settings.setValue(QStringLiteral("TransparentColor"), 0x00BEBEBE);
///   settings.setValue(QStringLiteral("BackStyle"), 0);   // Transparent
///   logo->readProperties(&settings);
/// \endcode
///
/// Setting TransparentColor at run time through setTransparentColor(), by
/// dispatch identifier or by name through Dispatchable::invoke() paints the new
/// back colour but leaves the mask colour as it was: the old colour stays the
/// see-through one. QObject::setProperty("TransparentColor", ...), which is what
/// a Designer form's generated code calls, is the design-time path instead: it
/// takes effect as a stored value read from a bag does, mask colour included.
///
/// Errors: invoke() returns the error in its result. The typed setters and
/// methods cannot return one, so each member call records its error in
/// lastError() (cleared when the next member call starts) and emits errorRaised().
/// Errors of Picture1 pass through unchanged; an enum value outside 16 bits is an
/// overflow (6). A let that fails changes nothing further and does not notify.
///
/// Property changes: after each let or set of a property that the host stores,
/// propertyChanged() carries the property's name ("Appearance", ...).
///
/// Events: the 19 events of __Lumivane, in their order, as signals (see Events
/// below). Parameters are
/// references: a handler's write reaches the control (a KeyPress handler that sets
/// KeyAscii to 0 discards the key; another value is what the container receives).
/// So connect to them with Qt::DirectConnection (the default, AutoConnection, is
/// direct only while sender and receiver live in one thread): a queued call gets
/// copies, and its writes never reach the control.
///
/// \code
///   QObject::connect(logo, &Lumivane::KeyPress, host,
///       [](int &keyAscii) { keyAscii = 0; }, Qt::DirectConnection);
/// \endcode
///
/// Not on this platform: dynamic data exchange. LinkMode, LinkTopic, LinkItem and
/// LinkTimeout are kept and returned, and no link is ever made. OLEDrag,
/// OLEDragMode and OLEDropMode use Qt's drag and drop and raise the OLE events.

#include "Formkit/dispatch.h"
#include "Formkit/olecolor.h"
#include "Lumivane/lumivane_export.h"
#include "Lumivane/lumivane_version.h"

#include <QFont>
#include <QPixmap>
#include <QWidget>

#include <memory>

/// The keys of Lumivane::LVNMoveStyle, in a namespace of their own so that keys shared
/// with other enums stay apart.
namespace LumivaneMoveStyle {
Q_NAMESPACE_EXPORT(LUMIVANE_EXPORT)
/// How a dragged control follows the mouse: its contents live, a wire frame
/// (outline) until the release, or both.
enum LVNMoveStyle : int { Contents = 0, WireFrame = 1, Both = 2 };
Q_ENUM_NS(LVNMoveStyle)
} // namespace LumivaneMoveStyle

/// The keys of Lumivane::LVNAppearence, in a namespace of their own so that keys shared
/// with other enums stay apart.
namespace LumivaneAppearence {
Q_NAMESPACE_EXPORT(LUMIVANE_EXPORT)
/// The border's look (the type library's spelling).
enum LVNAppearence : int { Flat = 0, ThreeD = 1 };
Q_ENUM_NS(LVNAppearence)
} // namespace LumivaneAppearence

/// The keys of Lumivane::LVNBorderStyle, in a namespace of their own so that keys shared
/// with other enums stay apart.
namespace LumivaneBorderStyle {
Q_NAMESPACE_EXPORT(LUMIVANE_EXPORT)
/// Whether the surface has a border.
enum LVNBorderStyle : int { None = 0, FixedSingle = 1 };
Q_ENUM_NS(LVNBorderStyle)
} // namespace LumivaneBorderStyle

/// The keys of Lumivane::LVNBackStyle, in a namespace of their own so that keys shared
/// with other enums stay apart.
namespace LumivaneBackStyle {
Q_NAMESPACE_EXPORT(LUMIVANE_EXPORT)
/// Whether the surface shows only where its image differs from the mask colour.
enum LVNBackStyle : int { Transparent = 0, Opaque = 1 };
Q_ENUM_NS(LVNBackStyle)
} // namespace LumivaneBackStyle

/// The keys of Lumivane::LVNDrawMode, in a namespace of their own so that keys shared
/// with other enums stay apart.
namespace LumivaneDrawMode {
Q_NAMESPACE_EXPORT(LUMIVANE_EXPORT)
/// How drawn lines combine with what is there (the raster operations 1 to 16).
enum LVNDrawMode : int {
    Blackness = 1,
    NotMergePen = 2,
    MaskNotPen = 3,
    NotCopyPen = 4,
    MaskPenNot = 5,
    Invert = 6,
    XorPen = 7,
    NotMaskPen = 8,
    MaskPen = 9,
    NotXorPen = 10,
    Nop = 11,
    MergeNotPen = 12,
    CopyPen = 13,
    MergePenNot = 14,
    MergePen = 15,
    Whiteness = 16
};
Q_ENUM_NS(LVNDrawMode)
} // namespace LumivaneDrawMode

/// The keys of Lumivane::LVNDrawStyle, in a namespace of their own so that keys shared
/// with other enums stay apart.
namespace LumivaneDrawStyle {
Q_NAMESPACE_EXPORT(LUMIVANE_EXPORT)
/// Line patterns.
enum LVNDrawStyle : int {
    Solid = 0,
    Dash = 1,
    Dot = 2,
    DashDot = 3,
    DashDotDot = 4,
    Transparent = 5,
    InsideSolid = 6
};
Q_ENUM_NS(LVNDrawStyle)
} // namespace LumivaneDrawStyle

/// The keys of Lumivane::LVNFillStyle, in a namespace of their own so that keys shared
/// with other enums stay apart.
namespace LumivaneFillStyle {
Q_NAMESPACE_EXPORT(LUMIVANE_EXPORT)
/// Fill patterns of boxes and circles.
enum LVNFillStyle : int {
    Solid = 0,
    Transparent = 1,
    HorizontalLine = 2,
    VerticalLine = 3,
    UpwardDiagonal = 4,
    DownwardDiagonal = 5,
    Cross = 6,
    DiagonalCross = 7
};
Q_ENUM_NS(LVNFillStyle)
} // namespace LumivaneFillStyle

/// The keys of Lumivane::LVNLinkMode, in a namespace of their own so that keys shared
/// with other enums stay apart.
namespace LumivaneLinkMode {
Q_NAMESPACE_EXPORT(LUMIVANE_EXPORT)
/// Dynamic data exchange modes (no link is made here).
enum LVNLinkMode : int { None = 0, Automatic = 1, Manual = 2, Notify = 3 };
Q_ENUM_NS(LVNLinkMode)
} // namespace LumivaneLinkMode

/// The keys of Lumivane::LVNOLEDragMode, in a namespace of their own so that keys shared
/// with other enums stay apart.
namespace LumivaneOLEDragMode {
Q_NAMESPACE_EXPORT(LUMIVANE_EXPORT)
/// Whether a drag from the control starts by itself.
enum LVNOLEDragMode : int { Manual = 0, Automatic = 1 };
Q_ENUM_NS(LVNOLEDragMode)
} // namespace LumivaneOLEDragMode

/// The keys of Lumivane::LVNOLEDropMode, in a namespace of their own so that keys shared
/// with other enums stay apart.
namespace LumivaneOLEDropMode {
Q_NAMESPACE_EXPORT(LUMIVANE_EXPORT)
/// Whether the control takes drops, and how.
enum LVNOLEDropMode : int { None = 0, Manual = 1, Automatic = 2 };
Q_ENUM_NS(LVNOLEDropMode)
} // namespace LumivaneOLEDropMode

/// The keys of Lumivane::LVNScaleMode, in a namespace of their own so that keys shared
/// with other enums stay apart.
namespace LumivaneScaleMode {
Q_NAMESPACE_EXPORT(LUMIVANE_EXPORT)
/// The units of the control's scale.
enum LVNScaleMode : int {
    User = 0,
    Twip = 1,
    Point = 2,
    Pixel = 3,
    Character = 4,
    Inch = 5,
    Millimeter = 6,
    Centimeter = 7
};
Q_ENUM_NS(LVNScaleMode)
} // namespace LumivaneScaleMode

/// The keys of Lumivane::LVNMousePointer, in a namespace of their own so that keys shared
/// with other enums stay apart.
namespace LumivaneMousePointer {
Q_NAMESPACE_EXPORT(LUMIVANE_EXPORT)
/// The cursors the control can show.
enum LVNMousePointer : int {
    Default = 0,
    Arrow = 1,
    Cross = 2,
    IBeam = 3,
    Icon = 4,
    Size = 5,
    SizeNESW = 6,
    SizeNS = 7,
    SizeNWSE = 8,
    SizeWE = 9,
    UpArrow = 10,
    Hourglass = 11,
    NoDrop = 12,
    ArrowHourglass = 13,
    ArrowQuestion = 14,
    SizeAll = 15,
    Custom = 99
};
Q_ENUM_NS(LVNMousePointer)
} // namespace LumivaneMousePointer

class LumivanePrivate;
class QMimeData;
namespace Formkit {
class PropertyBag;
} // namespace Formkit

class LUMIVANE_EXPORT Lumivane final : public QWidget, public Formkit::Dispatchable
{
    Q_OBJECT
    Q_INTERFACES(Formkit::Dispatchable)
    Q_CLASSINFO("TypeLibrary", "LumivaneBox")
    Q_CLASSINFO("TypeLibraryId", "{48C32CF0-560A-4342-9DCA-3DC89E8FAC67}")
    Q_CLASSINFO("ClassId", "{6AFEA333-57C6-4DD9-88C0-E3A240370351}")
    Q_CLASSINFO("ProgId", "LumivaneBox.Lumivane")
    Q_CLASSINFO("InterfaceId", "{A63C58E3-5F9F-4031-BD48-A17CA272623C}")
    Q_CLASSINFO("EventsId", "{D234DE23-04A8-4C4E-A54D-248EA619ACA6}")
    Q_CLASSINFO("Version", "1.00")
    Q_CLASSINFO("ToolboxBitmap", ":/lumivane/bitmap/30000")
    Q_CLASSINFO("OLESelfRegister", "")

    Q_PROPERTY(LumivaneAppearence::LVNAppearence Appearance READ appearance WRITE setAppearance)
    // A form sets TransparentColor through QObject::setProperty() (Designer writes
    // it with stdset="0", since its setter has another name), and the colour then
    // takes effect as a stored one read from the bag does: back colours and mask
    // colour. The typed setter and late binding are the let at run time.
    Q_PROPERTY(quint32 TransparentColor READ transparentColor WRITE setFormTransparentColor)
    Q_PROPERTY(LumivaneBackStyle::LVNBackStyle BackStyle READ backStyle WRITE setBackStyle)
    Q_PROPERTY(LumivaneBorderStyle::LVNBorderStyle BorderStyle READ borderStyle WRITE setBorderStyle)
    Q_PROPERTY(bool ClipControls READ clipControls WRITE setClipControls)
    Q_PROPERTY(LumivaneDrawMode::LVNDrawMode DrawMode READ drawMode WRITE setDrawMode)
    Q_PROPERTY(LumivaneDrawStyle::LVNDrawStyle DrawStyle READ drawStyle WRITE setDrawStyle)
    Q_PROPERTY(int DrawWidth READ drawWidth WRITE setDrawWidth)
    // The Singles are double properties, the type Qt Designer edits; the typed
    // members, late binding and the bag carry Singles.
    // Enabled and Font differ from QWidget's enabled and font only in letter case.
    // Qt Designer's property editor shows QWidget's two and not these: uic turns
    // a property Name into a call to setName(), so a form's "Font" or "Enabled"
    // would become setFont() and setEnabled() on QWidget anyway. setEnabled() is
    // the state Enabled reads, and a new control's drawing Font starts as its
    // container's font, which the form's font sets. They stay properties by name
    // for hosts and the property bag; DESIGNABLE false only keeps them out of
    // Designer.
    Q_PROPERTY(bool Enabled READ controlEnabled WRITE setControlEnabled DESIGNABLE false)
    Q_PROPERTY(quint32 FillColor READ fillColor WRITE setFillColor)
    Q_PROPERTY(LumivaneFillStyle::LVNFillStyle FillStyle READ fillStyle WRITE setFillStyle)
    Q_PROPERTY(QFont Font READ drawingFont WRITE setDrawingFont DESIGNABLE false)
    Q_PROPERTY(bool FontTransparent READ fontTransparent WRITE setFontTransparent)
    Q_PROPERTY(quint32 ForeColor READ foreColor WRITE setForeColor)
    Q_PROPERTY(qint32 hwnd READ hwnd)
    Q_PROPERTY(QPixmap Image READ image)
    Q_PROPERTY(QPixmap MouseIcon READ mouseIcon WRITE setMouseIcon)
    Q_PROPERTY(LumivaneMousePointer::LVNMousePointer MousePointer READ mousePointer WRITE setMousePointer)
    Q_PROPERTY(QPixmap Picture READ picture WRITE setPicture)
    Q_PROPERTY(double ScaleHeight READ scaleHeight WRITE setScaleHeight)
    Q_PROPERTY(double ScaleLeft READ scaleLeft WRITE setScaleLeft)
    Q_PROPERTY(LumivaneScaleMode::LVNScaleMode ScaleMode READ scaleMode WRITE setScaleMode)
    Q_PROPERTY(double ScaleTop READ scaleTop WRITE setScaleTop)
    Q_PROPERTY(double ScaleWidth READ scaleWidth WRITE setScaleWidth)
    Q_PROPERTY(QString ToolTipText READ toolTipText WRITE setToolTipText)
    Q_PROPERTY(bool RightToLeft READ rightToLeft WRITE setRightToLeft)
    Q_PROPERTY(qint32 WhatsThisHelpID READ whatsThisHelpId WRITE setWhatsThisHelpId)
    Q_PROPERTY(LumivaneOLEDragMode::LVNOLEDragMode OLEDragMode READ oleDragMode WRITE setOleDragMode)
    Q_PROPERTY(int LinkTimeout READ linkTimeout WRITE setLinkTimeout)
    Q_PROPERTY(QString LinkTopic READ linkTopic WRITE setLinkTopic)
    Q_PROPERTY(QString LinkItem READ linkItem WRITE setLinkItem)
    Q_PROPERTY(LumivaneLinkMode::LVNLinkMode LinkMode READ linkMode WRITE setLinkMode)
    Q_PROPERTY(qint32 hDC READ hDC)
    Q_PROPERTY(double CurrentX READ currentX WRITE setCurrentX)
    Q_PROPERTY(double CurrentY READ currentY WRITE setCurrentY)
    Q_PROPERTY(LumivaneOLEDropMode::LVNOLEDropMode OLEDropMode READ oleDropMode WRITE setOleDropMode)
    Q_PROPERTY(bool AutoRedraw READ autoRedraw WRITE setAutoRedraw)
    Q_PROPERTY(QObject *Canvas READ canvas)
    Q_PROPERTY(bool Moveable READ isMoveable WRITE setMoveable)
    Q_PROPERTY(LumivaneMoveStyle::LVNMoveStyle MoveStyle READ moveStyle WRITE setMoveStyle)

public:
    // The enums of the type library, each a plain enum in a namespace of its own
    // (above), so that Designer can write their keys into a form.
    /// LVNMoveStyle: its keys are in namespace LumivaneMoveStyle.
    using LVNMoveStyle = LumivaneMoveStyle::LVNMoveStyle;
    /// LVNAppearence: its keys are in namespace LumivaneAppearence.
    using LVNAppearence = LumivaneAppearence::LVNAppearence;
    /// LVNBorderStyle: its keys are in namespace LumivaneBorderStyle.
    using LVNBorderStyle = LumivaneBorderStyle::LVNBorderStyle;
    /// LVNBackStyle: its keys are in namespace LumivaneBackStyle.
    using LVNBackStyle = LumivaneBackStyle::LVNBackStyle;
    /// LVNDrawMode: its keys are in namespace LumivaneDrawMode.
    using LVNDrawMode = LumivaneDrawMode::LVNDrawMode;
    /// LVNDrawStyle: its keys are in namespace LumivaneDrawStyle.
    using LVNDrawStyle = LumivaneDrawStyle::LVNDrawStyle;
    /// LVNFillStyle: its keys are in namespace LumivaneFillStyle.
    using LVNFillStyle = LumivaneFillStyle::LVNFillStyle;
    /// LVNLinkMode: its keys are in namespace LumivaneLinkMode.
    using LVNLinkMode = LumivaneLinkMode::LVNLinkMode;
    /// LVNOLEDragMode: its keys are in namespace LumivaneOLEDragMode.
    using LVNOLEDragMode = LumivaneOLEDragMode::LVNOLEDragMode;
    /// LVNOLEDropMode: its keys are in namespace LumivaneOLEDropMode.
    using LVNOLEDropMode = LumivaneOLEDropMode::LVNOLEDropMode;
    /// LVNScaleMode: its keys are in namespace LumivaneScaleMode.
    using LVNScaleMode = LumivaneScaleMode::LVNScaleMode;
    /// LVNMousePointer: its keys are in namespace LumivaneMousePointer.
    using LVNMousePointer = LumivaneMousePointer::LVNMousePointer;

    /// A control in parent, not yet initialised: the host calls initProperties() or
    /// readProperties() next.
    explicit Lumivane(QWidget *parent = nullptr);
    ~Lumivane() override;

    /// Instances alive in this process (the module may unload when none is).
    static int instanceCount();

    // Dispatchable
    Formkit::DispatchResult invoke(
        qint32 dispatchId, Formkit::DispatchKind kind, QVariantList &arguments) override;
    qint32 dispatchIdOfName(const QString &name) const override;

    /// The error of the last member call; none when it succeeded.
    const Formkit::ControlError &lastError() const;

    // Properties, in interface order ------------------------------------------
    ///@{
    /// Appearance: the border's look, Flat or 3D (with BorderStyle Fixed Single).
    LVNAppearence appearance() const;
    void setAppearance(LVNAppearence value);
    ///@}
    ///@{
    /// TransparentColor: Picture1's back colour, the background of the composed image.
    /// It does not change the mask colour: a host makes a colour see-through by storing
    /// it under "TransparentColor" in the bag that readProperties() reads.
    Formkit::OleColor transparentColor() const;
    void setTransparentColor(Formkit::OleColor value);
    ///@}
    ///@{
    /// BackStyle: Transparent shows the surface only where the published image differs
    /// from the mask colour; Opaque shows all of it.
    LVNBackStyle backStyle() const;
    void setBackStyle(LVNBackStyle value);
    ///@}
    ///@{
    /// BorderStyle: None or Fixed Single.
    LVNBorderStyle borderStyle() const;
    void setBorderStyle(LVNBorderStyle value);
    ///@}
    ///@{
    /// ClipControls: kept and stored for the host.
    bool clipControls() const;
    void setClipControls(bool value);
    ///@}
    ///@{
    /// DrawMode: how Picture1's lines, boxes and circles combine with what is there.
    LVNDrawMode drawMode() const;
    void setDrawMode(LVNDrawMode value);
    ///@}
    ///@{
    /// DrawStyle: Picture1's line pattern.
    LVNDrawStyle drawStyle() const;
    void setDrawStyle(LVNDrawStyle value);
    ///@}
    ///@{
    /// DrawWidth: Picture1's line width in pixels.
    int drawWidth() const;
    void setDrawWidth(int value);
    ///@}
    ///@{
    /// Enabled: the control's own Enabled, which it stores: a control in a disabled
    /// container takes no input (QWidget::isEnabled() is false) and still reads True.
    bool controlEnabled() const;
    void setControlEnabled(bool value);
    ///@}
    ///@{
    /// FillColor: the colour that fills Picture1's boxes and circles.
    Formkit::OleColor fillColor() const;
    void setFillColor(Formkit::OleColor value);
    ///@}
    ///@{
    /// FillStyle: the pattern that fills Picture1's boxes and circles.
    LVNFillStyle fillStyle() const;
    void setFillStyle(LVNFillStyle value);
    ///@}
    ///@{
    /// Font: Picture1's font, for text printed through Canvas.
    QFont drawingFont() const;
    void setDrawingFont(const QFont &value);
    ///@}
    ///@{
    /// FontTransparent: whether text printed on Picture1 leaves the background behind it.
    bool fontTransparent() const;
    void setFontTransparent(bool value);
    ///@}
    ///@{
    /// ForeColor: Picture1's colour of lines and text.
    Formkit::OleColor foreColor() const;
    void setForeColor(Formkit::OleColor value);
    ///@}
    /// The nearest native window's id, 0 until the control is shown (see hDC).
    qint32 hwnd() const;
    /// Image: Picture1's composed image (read only).
    QPixmap image() const;
    ///@{
    /// MouseIcon: the cursor picture shown with MousePointer Custom.
    QPixmap mouseIcon() const;
    void setMouseIcon(const QPixmap &value);
    ///@}
    ///@{
    /// MousePointer: the cursor over the control.
    LVNMousePointer mousePointer() const;
    void setMousePointer(LVNMousePointer value);
    ///@}
    ///@{
    /// Picture: Picture1's background picture, at its top left.
    QPixmap picture() const;
    void setPicture(const QPixmap &value);
    ///@}
    ///@{
    /// ScaleHeight: the surface's height in scale units (Picture1 follows).
    float scaleHeight() const;
    void setScaleHeight(float value);
    ///@}
    ///@{
    /// ScaleLeft: the scale's left edge (Picture1 follows).
    float scaleLeft() const;
    void setScaleLeft(float value);
    ///@}
    ///@{
    /// ScaleMode: the scale's unit; Twip for a new control.
    LVNScaleMode scaleMode() const;
    void setScaleMode(LVNScaleMode value);
    ///@}
    ///@{
    /// ScaleTop: the scale's top edge (Picture1 follows).
    float scaleTop() const;
    void setScaleTop(float value);
    ///@}
    ///@{
    /// ScaleWidth: the surface's width in scale units (Picture1 follows).
    float scaleWidth() const;
    void setScaleWidth(float value);
    ///@}
    ///@{
    /// ToolTipText: Picture1's tool tip, shown when the pointer rests on the control's
    /// picture.
    QString toolTipText() const;
    void setToolTipText(const QString &value);
    ///@}
    ///@{
    /// RightToLeft: the control's own setting, False until set: Picture1 does not take the
    /// application's or the container's layout direction.
    bool rightToLeft() const;
    void setRightToLeft(bool value);
    ///@}
    ///@{
    /// WhatsThisHelpID: a help topic number, kept for the host.
    qint32 whatsThisHelpId() const;
    void setWhatsThisHelpId(qint32 value);
    ///@}
    ///@{
    /// OLEDragMode: Manual, or Automatic to start a drag when the user drags Picture1.
    LVNOLEDragMode oleDragMode() const;
    void setOleDragMode(LVNOLEDragMode value);
    ///@}
    ///@{
    /// LinkTimeout, in tenths of a second: kept, no link is made.
    int linkTimeout() const;
    void setLinkTimeout(int value);
    ///@}
    ///@{
    /// LinkTopic: kept, no link is made.
    QString linkTopic() const;
    void setLinkTopic(const QString &value);
    ///@}
    ///@{
    /// LinkItem: kept, no link is made.
    QString linkItem() const;
    void setLinkItem(const QString &value);
    ///@}
    ///@{
    /// LinkMode: kept, no link is made.
    LVNLinkMode linkMode() const;
    void setLinkMode(LVNLinkMode value);
    ///@}
    /// A handle of the visible surface's paint device, not of Picture1: Qt paints
    /// a widget only in its paint event, so lasting drawings go through Canvas.
    /// hwnd is no window of the control's own either: Qt gives a child widget no
    /// native window, so hwnd is the id of the nearest native window that holds the
    /// control (its top-level window, or a native container), and 0 until the
    /// control is first shown. Reading it makes no native window.
    qint32 hDC() const;
    ///@{
    /// CurrentX: Picture1's current position across, where the next text goes.
    float currentX() const;
    void setCurrentX(float value);
    ///@}
    ///@{
    /// CurrentY: Picture1's current position down, where the next text goes.
    float currentY() const;
    void setCurrentY(float value);
    ///@}
    ///@{
    /// OLEDropMode: None, Manual (the OLE drop events are raised) or Automatic.
    LVNOLEDropMode oleDropMode() const;
    void setOleDropMode(LVNOLEDropMode value);
    ///@}
    ///@{
    /// AutoRedraw: whether drawing through Canvas is published by itself, 1 ms later.
    bool autoRedraw() const;
    void setAutoRedraw(bool value);
    ///@}
    /// Picture1 itself, for drawing with its own members by name through Qt's
    /// meta-object system ("line", "pset", "print", "box", "circle", "cls",
    /// properties such as "foreColor"); the module keeps its own copy of the widget
    /// layer, so a host cannot qobject_cast it to its PictureBox. Arms the
    /// publishing timer when AutoRedraw is on.
    QObject *canvas();
    ///@{
    /// Moveable: whether the user can move the control by dragging it.
    /// \sa moveStyle()
    bool isMoveable() const;
    /// Sets Moveable.
    void setMoveable(bool value);
    ///@}
    ///@{
    /// MoveStyle: how the control follows a drag: its contents, a wire frame, or both.
    LVNMoveStyle moveStyle() const;
    void setMoveStyle(LVNMoveStyle value);
    ///@}

    // Methods, in interface order ---------------------------------------------
    /// Clears Picture1's drawings back to its back colour and picture.
    Q_INVOKABLE void Cls();
    /// The colour at x, y of Picture1 (0x00BBGGRR), -1 outside it.
    Q_INVOKABLE qint32 Point(float x, float y);
    /// Takes Picture1's back colour for the surface and repaints it; without
    /// AutoRedraw it publishes Picture1's image first.
    Q_INVOKABLE void Refresh();
    /// Sets a user scale with (X1, Y1) at the top left and (X2, Y2) at the bottom
    /// right; with no arguments, back to twips.
    Q_INVOKABLE void Scale_(const QVariant &X1 = QVariant(), const QVariant &Y1 = QVariant(),
        const QVariant &X2 = QVariant(), const QVariant &Y2 = QVariant());
    ///@{
    /// Converts a width (height) between scale modes: from 8 (0.01 mm) and to the
    /// control's own scale mode when missing.
    Q_INVOKABLE float ScaleX(
        float Width, const QVariant &FromScale = QVariant(), const QVariant &ToScale = QVariant());
    Q_INVOKABLE float ScaleY(
        float Height, const QVariant &FromScale = QVariant(), const QVariant &ToScale = QVariant());
    ///@}
    ///@{
    /// The width (height) of Str in Picture1's font, in the control's scale.
    Q_INVOKABLE float TextWidth(const QString &Str);
    Q_INVOKABLE float TextHeight(const QString &Str);
    ///@}
    /// Replaces every pixel of FromColor in Picture1's image by ToColor (0x00BBGGRR).
    Q_INVOKABLE void ReplaceColor(qint32 FromColor, qint32 ToColor);
    /// Draws Picture on Picture1 as PictureBox::paintPicture() does, the optional
    /// arguments left out as QVariant().
    Q_INVOKABLE void PaintPicture(const QVariant &Picture, float X1, float Y1,
        const QVariant &Width1 = QVariant(), const QVariant &Height1 = QVariant(),
        const QVariant &X2 = QVariant(), const QVariant &Y2 = QVariant(), const QVariant &Width2 = QVariant(),
        const QVariant &Height2 = QVariant(), const QVariant &Opcode = QVariant());
    /// Starts an OLE drag from the control.
    Q_INVOKABLE void OLEDrag();

    ///@{
    /// Persistence in the host's property bag. A new control is either
    /// initialised or read, never both; reading can come again later, writing
    /// changes nothing. bag is a QObject implementing PropertyBag. A read or
    /// write stops at the first error (returned false, error in lastError());
    /// the rows before it stay applied or written.
    Q_INVOKABLE void initProperties();
    Q_INVOKABLE bool readProperties(QObject *bag);
    Q_INVOKABLE bool writeProperties(QObject *bag);
    ///@}

    ///@{
    /// The visible surface: the picture and mask last published, and the mask colour
    /// (the colour that the mask makes see-through).
    QPixmap visiblePicture() const;
    Formkit::OleColor maskColor() const;
    Formkit::OleColor backColor() const;
    ///@}

    ///@{
    /// Moving by dragging. The extender is the host's view of the control in its
    /// container: "left" and "Top" are read and "Move"(left, top) is called by
    /// name, in the container's units. Without one the control moves itself in
    /// its parent widget, in twips.
    Q_INVOKABLE void setExtender(QObject *extender);
    /// The extender given with setExtender(), or nullptr.
    QObject *extender();
    /// True from the press that starts a move until the release that ends it.
    /// The move follows the pointer's place on the screen (QCursor::pos()), as
    /// a window system moves a window, not the positions in the mouse events.
    bool isDragging() const;
    ///@}

    ///@{
    /// The form editor's view of the control (the host's ambient UserMode
    /// False): a dashed outline shows the control's place, so that a control
    /// without a picture can be found and picked on a form. Off in a host.
    void setDesignMode(bool on);
    /// Whether the form editor's outline shows.
    bool isDesignMode() const;
    ///@}

    /// The default scale's size, 8145 x 9060 twips.
    QSize sizeHint() const override;

signals:
    /// \name Events
    /// The events of __Lumivane, identifiers 1 to 19 in this order. Mouse
    /// positions are in the control's scale; Button 1 left, 2 right, 4 middle;
    /// Shift 1 Shift, 2 Ctrl, 4 Alt. Parameters are references: connect with
    /// Qt::DirectConnection for a handler's writes to reach the control.
    ///@{

    /// Picture1's picture was replaced.
    void Change();
    /// The user clicked the control.
    void Click();
    /// The user double-clicked the control.
    void DblClick();
    /// A key went down while the control had the focus (KeyCode: Qt::Key).
    void KeyDown(int &KeyCode, int &Shift);
    /// A key typed a character; setting KeyAscii to 0 discards it.
    void KeyPress(int &KeyAscii);
    /// A key was released while the control had the focus.
    void KeyUp(int &KeyCode, int &Shift);
    /// A mouse button went down over the control.
    void MouseDown(int &Button, int &Shift, float &x, float &y);
    /// The mouse moved over the control (or while dragging it).
    void MouseMove(int &Button, int &Shift, float &x, float &y);
    /// A mouse button was released.
    void MouseUp(int &Button, int &Shift, float &x, float &y);
    /// writeProperties() is about to write the control's rows into PropBag.
    void WriteProperties(Formkit::PropertyBag *PropBag);
    /// The visible surface was painted.
    void Paint();
    /// An OLE drag starts: the host may fill Data and narrow AllowedEffects.
    void OLEStartDrag(QMimeData *Data, qint32 &AllowedEffects);
    /// The drop target asks for data in DataFormat.
    void OLESetData(QMimeData *Data, int &DataFormat);
    /// During a drag from the control: the effect the target would take.
    void OLEGiveFeedback(qint32 &Effect, bool &DefaultCursors);
    /// Something is dragged over the control (State 0 enter, 1 leave, 2 over).
    void OLEDragOver(
        const QMimeData *Data, qint32 &Effect, int &Button, int &Shift, float &x, float &y, int &State);
    /// Something was dropped on the control.
    void OLEDragDrop(const QMimeData *Data, qint32 &Effect, int &Button, int &Shift, float &x, float &y);
    /// A drag from the control ended with the effect the target took.
    void OLECompleteDrag(qint32 &Effect);
    /// readProperties() is about to read the control's rows from PropBag.
    void ReadProperties(Formkit::PropertyBag *PropBag);
    /// The control's size changed.
    void Resize();
    ///@}

    /// \name Notifications
    /// Signals of this implementation, beside the type library's events.
    ///@{

    /// To the host: a stored property changed (its name, as "Appearance").
    void propertyChanged(const QString &propertyName);
    /// A member call failed; the same error is in lastError().
    void errorRaised(qint32 number, const QString &description);
    /// Picture1's image was copied to the visible surface.
    void imagePublished();
    ///@}

protected:
    ///@{
    /// Qt's event handlers, which paint the published picture and raise the events
    /// above.
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    ///@}

private:
    /// The member table and the members made from it (lumivanemembers.h).
    friend struct LumivaneMembers;

    /// One member call as a host makes it: the last error is cleared when it
    /// starts and reported when it ends; the calls that the host's event handlers
    /// make meanwhile report none of their own.
    template <class Body> void runMember(Body body);
    void begin();
    void setFormTransparentColor(Formkit::OleColor value);
    void report(const Formkit::ControlError &error);
    void deliverPendingResize();

    /// What the methods do, for the typed methods and late binding alike
    /// (lumivanemethods.cpp).
    Formkit::ControlError clearDrawing();
    qint32 colourAt(float x, float y) const;
    Formkit::ControlError refreshSurface();
    Formkit::ControlError scaleByCorners(
        const QVariant &x1, const QVariant &y1, const QVariant &x2, const QVariant &y2);
    Formkit::ControlError convertScale(Qt::Orientation direction, float value, const QVariant &fromScale,
        const QVariant &toScale, float &result);
    float textExtent(Qt::Orientation direction, const QString &text) const;
    Formkit::ControlError replaceColour(Formkit::OleColor from, Formkit::OleColor to);
    Formkit::ControlError paintPictureWith(const QVariant *arguments, qsizetype count);
    Formkit::ControlError startOleDrag();

    /// Transparent painting (lumivanepainting.cpp).
    void publishImage();
    void publishIfAutoRedraw();
    void applyMask();
    void userControlResized();
    void placePicture1();
    void timerTick();
    void applyMousePointer();
    void applyBorder();

    /// Persistence (lumivaneproperties.cpp).
    Formkit::ControlError readRows(Formkit::PropertyBag &bag);
    Formkit::ControlError writeRows(Formkit::PropertyBag &bag);
    QFont ambientFont() const;

    /// The visible surface's scale, over its interior.
    QRect interior() const;
    QPointF toPixels(QPointF point) const;
    QPointF fromPixels(QPointF pixels) const;
    void dragOverToHost(QDragMoveEvent *event, int state);
    void mouseEventToHost(
        void (Lumivane::*hostEvent)(int &, int &, float &, float &), int button, QMouseEvent *e);

    /// Moving by dragging (lumivanemove.cpp).
    void readDragCursor();
    void beginDrag();
    void followDrag();
    void endDrag();
    void drawDragOutline(QPoint position);
    QRect windowRect() const;
    float twipsPerPixelX() const;
    float twipsPerPixelY() const;
    bool readExtender(const char *name, double &value);
    void moveToCursor();

    // The control's data (lumivane_p.h). The name hides QObject's own d_ptr,
    // which the control never uses.
    const std::unique_ptr<LumivanePrivate> d_ptr;
    Q_DECLARE_PRIVATE(Lumivane)

    Q_DISABLE_COPY_MOVE(Lumivane)
};

#endif
