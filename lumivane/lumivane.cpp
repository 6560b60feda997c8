#include "lumivane/lumivane.h"

#include "lumivane/colorreplace.h"
#include "lumivane/dragdata.h"
#include "lumivane/maskregion.h"
#include "lumivane/membertable.h"
#include "lumivane/variantconversion.h"
#include "toolkit/listbox.h"
#include "toolkit/picturebox.h"
#include "toolkit/textbox.h"
#include "toolkit/timer.h"
#include "toolkit/twips.h"

#include <QApplication>
#include <QDrag>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

#include <cmath>

namespace {

using lumivanetypes::Member;
namespace vc = variantconversion;

// Dispatch identifiers used by name below.
namespace id {
constexpr qint32 Appearance = 0x68030026;
constexpr qint32 TransparentColor = 0x68030025;
constexpr qint32 BackStyle = 0x68030024;
constexpr qint32 BorderStyle = 0x68030023;
constexpr qint32 ClipControls = 0x68030022;
constexpr qint32 Cls = 0x60030030;
constexpr qint32 DrawMode = 0x68030021;
constexpr qint32 DrawStyle = 0x68030020;
constexpr qint32 DrawWidth = 0x6803001F;
constexpr qint32 Enabled = 0x6803001E;
constexpr qint32 FillColor = 0x6803001D;
constexpr qint32 FillStyle = 0x6803001C;
constexpr qint32 Font = qint32(0xFFFFFE00u);
constexpr qint32 FontTransparent = 0x6803001B;
constexpr qint32 ForeColor = 0x6803001A;
constexpr qint32 hwnd = 0x68030019;
constexpr qint32 Image = 0x68030018;
constexpr qint32 MouseIcon = 0x68030017;
constexpr qint32 MousePointer = 0x68030016;
constexpr qint32 Picture = 0x68030015;
constexpr qint32 Point = 0x60030039;
constexpr qint32 Refresh = 0x6003003A;
constexpr qint32 Scale = 0x6003003B;
constexpr qint32 ScaleHeight = 0x68030014;
constexpr qint32 ScaleLeft = 0x68030013;
constexpr qint32 ScaleMode = 0x68030012;
constexpr qint32 ScaleTop = 0x68030011;
constexpr qint32 ScaleWidth = 0x68030010;
constexpr qint32 ScaleX = 0x6003003C;
constexpr qint32 ScaleY = 0x6003003D;
constexpr qint32 TextWidth = 0x6003003E;
constexpr qint32 TextHeight = 0x6003003F;
constexpr qint32 ToolTipText = 0x6803000F;
constexpr qint32 ReplaceColor = 0x60030042;
constexpr qint32 RightToLeft = 0x6803000E;
constexpr qint32 WhatsThisHelpID = 0x6803000D;
constexpr qint32 OLEDragMode = 0x6803000C;
constexpr qint32 LinkTimeout = 0x6803000B;
constexpr qint32 LinkTopic = 0x6803000A;
constexpr qint32 LinkItem = 0x68030009;
constexpr qint32 LinkMode = 0x68030008;
constexpr qint32 hDC = 0x68030007;
constexpr qint32 CurrentX = 0x68030006;
constexpr qint32 CurrentY = 0x68030005;
constexpr qint32 PaintPicture = 0x60030043;
constexpr qint32 OLEDropMode = 0x68030004;
constexpr qint32 OLEDrag = 0x60030049;
constexpr qint32 AutoRedraw = 0x68030003;
constexpr qint32 Canvas = 0x68030002;
constexpr qint32 Moveable = 0x68030001;
constexpr qint32 MoveStyle = 0x68030000;
} // namespace id

int g_instances = 0;
qint32 g_nextDeviceHandle = 0x2000;

ControlError error(qint32 number)
{
    return controlerror::make(number);
}

// 0x00BBGGRR from a QRgb.
qint32 oleFromRgb(QRgb rgb)
{
    return qint32(olecolor::fromRgb(qRed(rgb), qGreen(rgb), qBlue(rgb)));
}

// The platform's key codes: letters, digits and most keys share Qt's numbers;
// these differ.
int keyCodeOf(const QKeyEvent *event)
{
    const int key = event->key();
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return 112 + (key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
        return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Shift:
        return 16;
    case Qt::Key_Control:
        return 17;
    case Qt::Key_Alt:
        return 18;
    case Qt::Key_Pause:
        return 19;
    case Qt::Key_CapsLock:
        return 20;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_PageUp:
        return 33;
    case Qt::Key_PageDown:
        return 34;
    case Qt::Key_End:
        return 35;
    case Qt::Key_Home:
        return 36;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_Insert:
        return 45;
    case Qt::Key_Delete:
        return 46;
    default:
        break;
    }
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)
        || key == Qt::Key_Space)
        return key;
    return key & 0xFFFF;
}

// Drop effects: 1 copy, 2 move, 4 link.
qint32 effectOf(Qt::DropActions actions)
{
    qint32 effect = 0;
    if (actions & Qt::CopyAction)
        effect |= 1;
    if (actions & Qt::MoveAction)
        effect |= 2;
    if (actions & Qt::LinkAction)
        effect |= 4;
    return effect;
}

Qt::DropActions actionsOf(qint32 effect)
{
    Qt::DropActions actions;
    if (effect & 1)
        actions |= Qt::CopyAction;
    if (effect & 2)
        actions |= Qt::MoveAction;
    if (effect & 4)
        actions |= Qt::LinkAction;
    return actions;
}

Qt::DropAction firstActionOf(qint32 effect)
{
    if (effect & 2)
        return Qt::MoveAction;
    if (effect & 1)
        return Qt::CopyAction;
    if (effect & 4)
        return Qt::LinkAction;
    return Qt::IgnoreAction;
}

// Twips per unit of the fixed scale modes; 8 is 0.01 mm, and 9 and 10 (the
// container's position and size) are the container's twips.
double fixedTwipsPerUnit(int mode, bool horizontal)
{
    switch (mode) {
    case 1:
    case 9:
    case 10:
        return 1.0;
    case 2:
        return 20.0;
    case 3:
        return twips::perPixel;
    case 4:
        return horizontal ? 120.0 : 240.0;
    case 5:
        return 1440.0;
    case 6:
        return 1440.0 / 25.4;
    case 7:
        return 1440.0 / 2.54;
    case 8:
        return 1440.0 / 2540.0;
    default:
        return 0.0;
    }
}

} // namespace

Lumivane::Lumivane(QWidget *parent)
    : QWidget(parent)
    , m_picture1(new PictureBox(this))
    , m_timer1(new Timer(this))
    , m_deviceHandle(g_nextDeviceHandle++)
{
    ++g_instances;
    setObjectName(QStringLiteral("Lumivane"));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    // The host hears of every mouse move, a button held or not, and so does a drag
    // that a release left going.
    setMouseTracking(true);

    // Picture1 starts with the settings a stored control reads as defaults.
    m_picture1->setObjectName(QStringLiteral("Picture1"));
    m_picture1->hide();
    // RightToLeft is the control's own: False until set, whatever the direction of
    // the application or the container.
    m_picture1->setLayoutDirection(Qt::LeftToRight);
    m_picture1->setBackColorValue(m_backColor);
    m_picture1->setForeColorValue(olecolor::systemFlag | 18u); // button text
    connect(m_picture1, &PictureBox::change, this, &Lumivane::Change);

    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(1);
    m_timer1->setEnabled(false);
    connect(m_timer1, &Timer::timer, this, &Lumivane::timerTick);

    // The design size of the surface: 8145 x 9060 twips.
    resize(twips::toPixels(8145), twips::toPixels(9060));
    placePicture1();
}

Lumivane::~Lumivane()
{
    --g_instances;
}

int Lumivane::instanceCount()
{
    return g_instances;
}

QSize Lumivane::sizeHint() const
{
    return QSize(twips::toPixels(8145), twips::toPixels(9060));
}

// Late binding -------------------------------------------------------------------

qint32 Lumivane::dispatchIdOfName(const QString &name) const
{
    const Member *member = lumivanetypes::memberByName(name);
    return member ? member->dispatchId : dispatch::unknownId;
}

void Lumivane::begin()
{
    if (m_callDepth == 0)
        m_lastError = {};
}

void Lumivane::report(const ControlError &e)
{
    if (m_callDepth != 0 || !e.isError())
        return;
    m_lastError = e;
    emit errorRaised(e.number, e.description);
}

void Lumivane::deliverPendingResize()
{
    // Qt tells a hidden widget of its new size only when it is shown; the host
    // expects the surfaces to follow at once, as they do for a shown control.
    if (!testAttribute(Qt::WA_PendingResizeEvent))
        return;
    setAttribute(Qt::WA_PendingResizeEvent, false);
    QResizeEvent resized(size(), QSize(-1, -1));
    QCoreApplication::sendEvent(this, &resized);
}

DispatchResult Lumivane::invoke(qint32 dispatchId, DispatchKind kind, QVariantList &arguments)
{
    begin();
    deliverPendingResize();
    DispatchResult result;
    const Member *member = lumivanetypes::memberById(dispatchId);
    ++m_callDepth;
    if (!member) {
        result.error = error(controlerror::memberNotSupported);
    } else if (member->access & lumivanetypes::Method) {
        if (kind == DispatchKind::Let || kind == DispatchKind::Set)
            result.error = error(controlerror::memberNotSupported);
        else
            result = callMethod(dispatchId, arguments);
    } else if (kind == DispatchKind::Get || kind == DispatchKind::Call) {
        if (!arguments.isEmpty())
            result.error = error(controlerror::wrongArgumentCount);
        else
            result.value = getProperty(dispatchId);
    } else if (!(member->access & (lumivanetypes::Let | lumivanetypes::Set))) {
        result.error = error(controlerror::propertyIsReadOnly);
    } else if (arguments.size() != 1) {
        result.error = error(controlerror::wrongArgumentCount);
    } else {
        result.error = letProperty(dispatchId, arguments.first());
    }
    --m_callDepth;
    report(result.error);
    return result;
}

void Lumivane::letTyped(qint32 dispatchId, const QVariant &value)
{
    QVariantList arguments { value };
    const bool isObject = value.typeId() == QMetaType::QFont || value.typeId() == QMetaType::QPixmap;
    invoke(dispatchId, isObject ? DispatchKind::Set : DispatchKind::Let, arguments);
}

QVariant Lumivane::callTyped(qint32 dispatchId, QVariantList arguments)
{
    return invoke(dispatchId, DispatchKind::Call, arguments).value;
}

QVariant Lumivane::getProperty(qint32 dispatchId)
{
    switch (dispatchId) {
    case id::Appearance:
        return int(m_appearance);
    case id::TransparentColor:
        return transparentColor();
    case id::BackStyle:
        return int(m_backStyle);
    case id::BorderStyle:
        return int(m_borderStyle);
    case id::ClipControls:
        return m_clipControls;
    case id::DrawMode:
        return m_picture1->drawMode();
    case id::DrawStyle:
        return m_picture1->drawStyle();
    case id::DrawWidth:
        return m_picture1->drawWidth();
    case id::Enabled:
        return controlEnabled();
    case id::FillColor:
        return fillColor();
    case id::FillStyle:
        return m_picture1->fillStyle();
    case id::Font:
        return drawingFont();
    case id::FontTransparent:
        return fontTransparent();
    case id::ForeColor:
        return foreColor();
    case id::hwnd:
        return hwnd();
    case id::Image:
        return image();
    case id::MouseIcon:
        return m_mouseIcon;
    case id::MousePointer:
        return int(m_mousePointer);
    case id::Picture:
        return picture();
    case id::ScaleHeight:
        return scaleHeight();
    case id::ScaleLeft:
        return scaleLeft();
    case id::ScaleMode:
        return int(m_scaleMode);
    case id::ScaleTop:
        return scaleTop();
    case id::ScaleWidth:
        return scaleWidth();
    case id::ToolTipText:
        return toolTipText();
    case id::RightToLeft:
        return rightToLeft();
    case id::WhatsThisHelpID:
        return whatsThisHelpId();
    case id::OLEDragMode:
        return m_picture1->oleDragMode();
    case id::LinkTimeout:
        return linkTimeout();
    case id::LinkTopic:
        return linkTopic();
    case id::LinkItem:
        return linkItem();
    case id::LinkMode:
        return m_picture1->linkMode();
    case id::hDC:
        return hDC();
    case id::CurrentX:
        return currentX();
    case id::CurrentY:
        return currentY();
    case id::OLEDropMode:
        return int(m_oleDropMode);
    case id::AutoRedraw:
        return m_autoRedraw;
    case id::Canvas:
        return QVariant::fromValue(canvas());
    case id::Moveable:
        return m_moveable;
    case id::MoveStyle:
        return m_moveStyle;
    default:
        return {};
    }
}

ControlError Lumivane::letProperty(qint32 dispatchId, const QVariant &value)
{
    ControlError e;
    // Converts the value or leaves the let with the conversion's error.
#define CONVERT(var, conversion)                                                                             \
    const auto var = vc::conversion(value);                                                                  \
    if (!var.ok())                                                                                           \
        return var.error;
    // Enum values reach their target as 16-bit integers.
#define ENUM_VALUE(var) CONVERT(var, toInteger)
#define IN_RANGE(v, low, high)                                                                               \
    if ((v) < (low) || (v) > (high))                                                                         \
        return error(controlerror::invalidPropertyValue);
#define TRY(call)                                                                                            \
    if (const ControlError inner = (call); inner.isError())                                                  \
        return inner;

    switch (dispatchId) {
    case id::Appearance: {
        ENUM_VALUE(v);
        IN_RANGE(v.value, 0, 1);
        m_appearance = LVNAppearence(v.value);
        applyBorder();
        break;
    }
    case id::TransparentColor: {
        CONVERT(v, toColour);
        m_picture1->setBackColorValue(v.value);
        m_backColor = m_picture1->backColorValue();
        m_picture1->update();
        publishImage();
        break;
    }
    case id::BackStyle: {
        ENUM_VALUE(v);
        IN_RANGE(v.value, 0, 1);
        m_backStyle = LVNBackStyle(v.value);
        applyMask();
        update();
        break;
    }
    case id::BorderStyle: {
        ENUM_VALUE(v);
        IN_RANGE(v.value, 0, 1);
        m_borderStyle = LVNBorderStyle(v.value);
        applyBorder();
        userControlResized();
        break;
    }
    case id::ClipControls: {
        CONVERT(v, toBoolean);
        m_clipControls = v.value;
        break;
    }
    case id::DrawMode: {
        ENUM_VALUE(v);
        TRY(m_picture1->setDrawMode(v.value));
        break;
    }
    case id::DrawStyle: {
        ENUM_VALUE(v);
        TRY(m_picture1->setDrawStyle(v.value));
        break;
    }
    case id::DrawWidth: {
        CONVERT(v, toInteger);
        // A picture box draws at least one pixel wide and refuses less.
        IN_RANGE(v.value, 1, 32767);
        m_picture1->setDrawWidth(v.value);
        break;
    }
    case id::Enabled: {
        CONVERT(v, toBoolean);
        QWidget::setEnabled(v.value);
        break;
    }
    case id::FillColor: {
        CONVERT(v, toColour);
        m_picture1->setFillColorValue(v.value);
        break;
    }
    case id::FillStyle: {
        ENUM_VALUE(v);
        TRY(m_picture1->setFillStyle(v.value));
        break;
    }
    case id::Font: {
        CONVERT(v, toFont);
        m_picture1->setFont(v.value);
        break;
    }
    case id::FontTransparent: {
        CONVERT(v, toBoolean);
        m_picture1->setFontTransparent(v.value);
        break;
    }
    case id::ForeColor: {
        CONVERT(v, toColour);
        m_picture1->setForeColorValue(v.value);
        break;
    }
    case id::MouseIcon: {
        CONVERT(v, toPicture);
        m_mouseIcon = QPixmap::fromImage(v.value);
        applyMousePointer();
        break;
    }
    case id::MousePointer: {
        ENUM_VALUE(v);
        if (!((v.value >= 0 && v.value <= 15) || v.value == 99))
            return error(controlerror::invalidPropertyValue);
        m_mousePointer = LVNMousePointer(v.value);
        applyMousePointer();
        break;
    }
    case id::Picture: {
        CONVERT(v, toPicture);
        m_picture1->setPicture(QPixmap::fromImage(v.value));
        m_picture1->update();
        publishImage();
        break;
    }
    case id::ScaleHeight:
    case id::ScaleLeft:
    case id::ScaleTop:
    case id::ScaleWidth: {
        CONVERT(v, toSingle);
        TRY(letScale(dispatchId, v.value));
        break;
    }
    case id::ScaleMode: {
        ENUM_VALUE(v);
        IN_RANGE(v.value, 0, 7);
        if (v.value == int(LVNScaleMode::User)) {
            // The user scale starts from the scale in force.
            m_scaleLeft = scaleLeft();
            m_scaleTop = scaleTop();
            m_scaleWidth = scaleWidth();
            m_scaleHeight = scaleHeight();
        }
        m_scaleMode = LVNScaleMode(v.value);
        userControlResized();
        break;
    }
    case id::ToolTipText: {
        CONVERT(v, toText);
        m_picture1->setToolTip(v.value);
        break;
    }
    case id::RightToLeft: {
        CONVERT(v, toBoolean);
        m_picture1->setLayoutDirection(v.value ? Qt::RightToLeft : Qt::LeftToRight);
        break;
    }
    case id::WhatsThisHelpID: {
        CONVERT(v, toLong);
        m_picture1->setWhatsThisHelpId(v.value);
        break;
    }
    case id::OLEDragMode: {
        ENUM_VALUE(v);
        TRY(m_picture1->setOleDragMode(v.value));
        break;
    }
    case id::LinkTimeout: {
        CONVERT(v, toInteger);
        m_picture1->setLinkTimeout(v.value);
        break;
    }
    case id::LinkTopic: {
        CONVERT(v, toText);
        m_picture1->setLinkTopic(v.value);
        break;
    }
    case id::LinkItem: {
        CONVERT(v, toText);
        m_picture1->setLinkItem(v.value);
        break;
    }
    case id::LinkMode: {
        ENUM_VALUE(v);
        TRY(m_picture1->setLinkMode(v.value));
        break;
    }
    case id::CurrentX: {
        CONVERT(v, toSingle);
        m_picture1->setCurrentX(v.value);
        break;
    }
    case id::CurrentY: {
        CONVERT(v, toSingle);
        m_picture1->setCurrentY(v.value);
        break;
    }
    case id::OLEDropMode: {
        ENUM_VALUE(v);
        IN_RANGE(v.value, 0, 2);
        m_oleDropMode = LVNOLEDropMode(v.value);
        setAcceptDrops(m_oleDropMode != LVNOLEDropMode::None);
        break;
    }
    case id::AutoRedraw: {
        CONVERT(v, toBoolean);
        m_autoRedraw = v.value;
        break;
    }
    case id::Moveable: {
        CONVERT(v, toBoolean);
        m_moveable = v.value;
        break;
    }
    case id::MoveStyle: {
        // Kept as given: any 32-bit value.
        CONVERT(v, toLong);
        m_moveStyle = v.value;
        break;
    }
    default:
        return error(controlerror::propertyIsReadOnly);
    }
#undef CONVERT
#undef ENUM_VALUE
#undef IN_RANGE
#undef TRY
    emit propertyChanged(QString::fromLatin1(lumivanetypes::memberById(dispatchId)->name));
    return e;
}

ControlError Lumivane::letScale(qint32 dispatchId, float value)
{
    if ((dispatchId == id::ScaleWidth || dispatchId == id::ScaleHeight) && value == 0.0f)
        return error(controlerror::invalidPropertyValue);
    // Setting one part of the scale turns it into a user scale from the one in force.
    m_scaleLeft = scaleLeft();
    m_scaleTop = scaleTop();
    m_scaleWidth = scaleWidth();
    m_scaleHeight = scaleHeight();
    m_scaleMode = LVNScaleMode::User;
    switch (dispatchId) {
    case id::ScaleHeight:
        m_scaleHeight = value;
        m_picture1->setScaleHeight(value);
        break;
    case id::ScaleLeft:
        m_scaleLeft = value;
        m_picture1->setScaleLeft(value);
        break;
    case id::ScaleTop:
        m_scaleTop = value;
        m_picture1->setScaleTop(value);
        break;
    default:
        m_scaleWidth = value;
        m_picture1->setScaleWidth(value);
        break;
    }
    return {};
}

DispatchResult Lumivane::callMethod(qint32 dispatchId, QVariantList &arguments)
{
    DispatchResult result;
    const auto count = arguments.size();
    const auto argumentAt = [&](qsizetype i) { return i < count ? arguments.at(i) : QVariant(); };
    const auto needs = [&](qsizetype least, qsizetype most) -> ControlError {
        if (count > most)
            return error(controlerror::wrongArgumentCount);
        for (qsizetype i = 0; i < least; ++i) {
            if (dispatch::isMissing(argumentAt(i)))
                return error(controlerror::argumentNotOptional);
        }
        return {};
    };

    switch (dispatchId) {
    case id::Cls:
        if ((result.error = needs(0, 0)))
            break;
        m_picture1->cls();
        publishIfAutoRedraw();
        break;
    case id::Point: {
        if ((result.error = needs(2, 2)))
            break;
        const auto x = vc::toSingle(argumentAt(0));
        const auto y = vc::toSingle(argumentAt(1));
        if (!x.ok() || !y.ok()) {
            result.error = x.ok() ? y.error : x.error;
            break;
        }
        const std::optional<QRgb> colour = m_picture1->point(x.value, y.value);
        result.value = colour ? oleFromRgb(*colour) : qint32(-1);
        break;
    }
    case id::Refresh:
        if ((result.error = needs(0, 0)))
            break;
        m_backColor = m_picture1->backColorValue();
        if (!m_autoRedraw)
            publishImage();
        else
            update();
        break;
    case id::Scale:
        if ((result.error = needs(0, 4)))
            break;
        result.error = scaleMethod(arguments);
        break;
    case id::ScaleX:
    case id::ScaleY:
        if ((result.error = needs(1, 3)))
            break;
        result = scaleConversion(dispatchId == id::ScaleX, arguments);
        break;
    case id::TextWidth:
    case id::TextHeight: {
        if ((result.error = needs(1, 1)))
            break;
        const auto text = vc::toText(argumentAt(0));
        if (!text.ok()) {
            result.error = text.error;
            break;
        }
        result.value = dispatchId == id::TextWidth ? m_picture1->textWidth(text.value)
                                                   : m_picture1->textHeight(text.value);
        break;
    }
    case id::ReplaceColor: {
        if ((result.error = needs(2, 2)))
            break;
        const auto from = vc::toColour(argumentAt(0));
        const auto to = vc::toColour(argumentAt(1));
        if (!from.ok() || !to.ok()) {
            result.error = from.ok() ? to.error : from.error;
            break;
        }
        // Work surfaces of no size cannot be made: the surface stays as it is.
        if (m_picture1->width() > 0 && m_picture1->height() > 0) {
            const QRgb fromRgb = olecolor::toQColor(from.value, palette()).rgb();
            const QRgb toRgb = olecolor::toQColor(to.value, palette()).rgb();
            const QRgb foreground = m_picture1->foreColor().rgb();
            m_picture1->drawPixels(
                [&](QImage &surface) { colorreplace::replaceColor(surface, fromRgb, toRgb, foreground); });
            // The mask transfer leaves the surface's text background white.
            m_picture1->setTextBackColor(Qt::white);
            m_picture1->update();
        }
        publishIfAutoRedraw();
        break;
    }
    case id::PaintPicture:
        if ((result.error = needs(3, 10)))
            break;
        result.error = paintPictureMethod(arguments);
        break;
    case id::OLEDrag: {
        if ((result.error = needs(0, 0)))
            break;
        auto *data
            = new DragData([this](DragData *promised, int &format) { emit OLESetData(promised, format); });
        qint32 allowed = 1 | 2;
        emit OLEStartDrag(data, allowed);
        if (allowed == 0) {
            delete data;
            break;
        }
        QDrag drag(this);
        drag.setMimeData(data);
        connect(&drag, &QDrag::actionChanged, this, [this](Qt::DropAction action) {
            qint32 effect = effectOf(action);
            bool defaultCursors = true;
            emit OLEGiveFeedback(effect, defaultCursors);
        });
        qint32 effect = effectOf(drag.exec(actionsOf(allowed)));
        emit OLECompleteDrag(effect);
        break;
    }
    default:
        result.error = error(controlerror::memberNotSupported);
        break;
    }
    return result;
}

ControlError Lumivane::scaleMethod(const QVariantList &arguments)
{
    std::array<std::optional<float>, 4> corner;
    int given = 0;
    for (qsizetype i = 0; i < 4; ++i) {
        const QVariant argument = i < arguments.size() ? arguments.at(i) : QVariant();
        if (dispatch::isMissing(argument))
            continue;
        const auto value = vc::toSingle(argument);
        if (!value.ok())
            return value.error;
        corner[size_t(i)] = value.value;
        ++given;
    }
    if (given == 0) {
        // No corners: both surfaces go back to twips.
        m_scaleMode = LVNScaleMode::Twip;
        m_picture1->setScaleMode(PictureBox::ScaleMode::Twip);
        return {};
    }
    if (given != 4 || *corner[0] == *corner[2] || *corner[1] == *corner[3])
        return error(controlerror::invalidProcedureCall);
    m_scaleMode = LVNScaleMode::User;
    m_scaleLeft = *corner[0];
    m_scaleTop = *corner[1];
    m_scaleWidth = *corner[2] - *corner[0];
    m_scaleHeight = *corner[3] - *corner[1];
    m_picture1->scale(*corner[0], *corner[1], *corner[2], *corner[3]);
    return {};
}

DispatchResult Lumivane::scaleConversion(bool horizontal, const QVariantList &arguments)
{
    DispatchResult result;
    const auto value = vc::toSingle(arguments.at(0));
    if (!value.ok()) {
        result.error = value.error;
        return result;
    }
    const auto modeOf = [&](qsizetype i, int missing, int *mode) -> ControlError {
        const QVariant argument = i < arguments.size() ? arguments.at(i) : QVariant();
        if (dispatch::isMissing(argument)) {
            *mode = missing;
            return {};
        }
        const auto converted = vc::toInteger(argument);
        if (!converted.ok())
            return converted.error;
        if (converted.value < 0 || converted.value > 10)
            return error(controlerror::invalidProcedureCall);
        *mode = converted.value;
        return {};
    };
    int from = 0;
    int to = 0;
    if ((result.error = modeOf(1, 8, &from)) || (result.error = modeOf(2, int(m_scaleMode), &to)))
        return result;
    const auto twipsPerUnit = [&](int mode) {
        if (mode == 0) {
            const double extent = horizontal ? scaleWidth() : scaleHeight();
            const double pixels = horizontal ? interior().width() : interior().height();
            return extent != 0 ? std::abs(pixels * twips::perPixel / extent) : 0.0;
        }
        return fixedTwipsPerUnit(mode, horizontal);
    };
    const double fromFactor = twipsPerUnit(from);
    const double toFactor = twipsPerUnit(to);
    if (fromFactor == 0 || toFactor == 0) {
        result.error = error(controlerror::invalidProcedureCall);
        return result;
    }
    result.value = float(value.value * fromFactor / toFactor);
    return result;
}

ControlError Lumivane::paintPictureMethod(const QVariantList &arguments)
{
    const auto picture = vc::toPicture(arguments.at(0));
    if (!picture.ok())
        return picture.error;
    const auto x1 = vc::toSingle(arguments.at(1));
    if (!x1.ok())
        return x1.error;
    const auto y1 = vc::toSingle(arguments.at(2));
    if (!y1.ok())
        return y1.error;

    PictureBox::PictureArea area;
    const auto optionalSingle = [&](qsizetype i, std::optional<float> *out) -> ControlError {
        if (i >= arguments.size() || dispatch::isMissing(arguments.at(i)))
            return {};
        const auto v = vc::toSingle(arguments.at(i));
        if (!v.ok())
            return v.error;
        *out = v.value;
        return {};
    };
    std::optional<float> *const optionals[]
        = { &area.width1, &area.height1, &area.x2, &area.y2, &area.width2, &area.height2 };
    for (qsizetype i = 0; i < 6; ++i) {
        if (const ControlError e = optionalSingle(3 + i, optionals[i]); e.isError())
            return e;
    }
    if (arguments.size() > 9 && !dispatch::isMissing(arguments.at(9))) {
        const auto opcode = vc::toLong(arguments.at(9));
        if (!opcode.ok())
            return opcode.error;
        area.opcode = opcode.value;
    }
    if (const ControlError e = m_picture1->paintPicture(picture.value, x1.value, y1.value, area); e.isError())
        return e;
    publishIfAutoRedraw();
    return {};
}

// Typed members --------------------------------------------------------------------

void Lumivane::setAppearance(LVNAppearence value)
{
    letTyped(id::Appearance, int(value));
}
OleColor Lumivane::transparentColor() const
{
    return m_picture1->backColorValue();
}
void Lumivane::setTransparentColor(OleColor value)
{
    letTyped(id::TransparentColor, value);
}
void Lumivane::setBackStyle(LVNBackStyle value)
{
    letTyped(id::BackStyle, int(value));
}
void Lumivane::setBorderStyle(LVNBorderStyle value)
{
    letTyped(id::BorderStyle, int(value));
}
void Lumivane::setClipControls(bool value)
{
    letTyped(id::ClipControls, value);
}
Lumivane::LVNDrawMode Lumivane::drawMode() const
{
    return LVNDrawMode(m_picture1->drawMode());
}
void Lumivane::setDrawMode(LVNDrawMode value)
{
    letTyped(id::DrawMode, int(value));
}
Lumivane::LVNDrawStyle Lumivane::drawStyle() const
{
    return LVNDrawStyle(m_picture1->drawStyle());
}
void Lumivane::setDrawStyle(LVNDrawStyle value)
{
    letTyped(id::DrawStyle, int(value));
}
int Lumivane::drawWidth() const
{
    return m_picture1->drawWidth();
}
void Lumivane::setDrawWidth(int value)
{
    letTyped(id::DrawWidth, value);
}
bool Lumivane::controlEnabled() const
{
    // Qt marks only a widget disabled on its own with WA_ForceDisabled.
    return !testAttribute(Qt::WA_ForceDisabled);
}
void Lumivane::setControlEnabled(bool value)
{
    letTyped(id::Enabled, value);
}
OleColor Lumivane::fillColor() const
{
    return m_picture1->fillColorValue();
}
void Lumivane::setFillColor(OleColor value)
{
    letTyped(id::FillColor, value);
}
Lumivane::LVNFillStyle Lumivane::fillStyle() const
{
    return LVNFillStyle(m_picture1->fillStyle());
}
void Lumivane::setFillStyle(LVNFillStyle value)
{
    letTyped(id::FillStyle, int(value));
}
QFont Lumivane::drawingFont() const
{
    return m_picture1->font();
}
void Lumivane::setDrawingFont(const QFont &value)
{
    letTyped(id::Font, value);
}
bool Lumivane::fontTransparent() const
{
    return m_picture1->fontTransparent();
}
void Lumivane::setFontTransparent(bool value)
{
    letTyped(id::FontTransparent, value);
}
OleColor Lumivane::foreColor() const
{
    return m_picture1->foreColorValue();
}
void Lumivane::setForeColor(OleColor value)
{
    letTyped(id::ForeColor, value);
}
qint32 Lumivane::hwnd() const
{
    return qint32(effectiveWinId());
}
QPixmap Lumivane::image() const
{
    return QPixmap::fromImage(m_picture1->image());
}
void Lumivane::setMouseIcon(const QPixmap &value)
{
    letTyped(id::MouseIcon, value);
}
void Lumivane::setMousePointer(LVNMousePointer value)
{
    letTyped(id::MousePointer, int(value));
}
QPixmap Lumivane::picture() const
{
    return m_picture1->picture();
}
void Lumivane::setPicture(const QPixmap &value)
{
    letTyped(id::Picture, value);
}
void Lumivane::setScaleHeight(float value)
{
    letTyped(id::ScaleHeight, value);
}
void Lumivane::setScaleLeft(float value)
{
    letTyped(id::ScaleLeft, value);
}
void Lumivane::setScaleMode(LVNScaleMode value)
{
    letTyped(id::ScaleMode, int(value));
}
void Lumivane::setScaleTop(float value)
{
    letTyped(id::ScaleTop, value);
}
void Lumivane::setScaleWidth(float value)
{
    letTyped(id::ScaleWidth, value);
}
QString Lumivane::toolTipText() const
{
    return m_picture1->toolTip();
}
void Lumivane::setToolTipText(const QString &value)
{
    letTyped(id::ToolTipText, value);
}
bool Lumivane::rightToLeft() const
{
    return m_picture1->layoutDirection() == Qt::RightToLeft;
}
void Lumivane::setRightToLeft(bool value)
{
    letTyped(id::RightToLeft, value);
}
qint32 Lumivane::whatsThisHelpId() const
{
    return m_picture1->whatsThisHelpId();
}
void Lumivane::setWhatsThisHelpId(qint32 value)
{
    letTyped(id::WhatsThisHelpID, value);
}
Lumivane::LVNOLEDragMode Lumivane::oleDragMode() const
{
    return LVNOLEDragMode(m_picture1->oleDragMode());
}
void Lumivane::setOleDragMode(LVNOLEDragMode value)
{
    letTyped(id::OLEDragMode, int(value));
}
int Lumivane::linkTimeout() const
{
    return m_picture1->linkTimeout();
}
void Lumivane::setLinkTimeout(int value)
{
    letTyped(id::LinkTimeout, value);
}
QString Lumivane::linkTopic() const
{
    return m_picture1->linkTopic();
}
void Lumivane::setLinkTopic(const QString &value)
{
    letTyped(id::LinkTopic, value);
}
QString Lumivane::linkItem() const
{
    return m_picture1->linkItem();
}
void Lumivane::setLinkItem(const QString &value)
{
    letTyped(id::LinkItem, value);
}
Lumivane::LVNLinkMode Lumivane::linkMode() const
{
    return LVNLinkMode(m_picture1->linkMode());
}
void Lumivane::setLinkMode(LVNLinkMode value)
{
    letTyped(id::LinkMode, int(value));
}
float Lumivane::currentX() const
{
    return m_picture1->currentX();
}
void Lumivane::setCurrentX(float value)
{
    letTyped(id::CurrentX, value);
}
float Lumivane::currentY() const
{
    return m_picture1->currentY();
}
void Lumivane::setCurrentY(float value)
{
    letTyped(id::CurrentY, value);
}
void Lumivane::setOleDropMode(LVNOLEDropMode value)
{
    letTyped(id::OLEDropMode, int(value));
}
void Lumivane::setAutoRedraw(bool value)
{
    letTyped(id::AutoRedraw, value);
}
void Lumivane::setMoveable(bool value)
{
    letTyped(id::Moveable, value);
}
void Lumivane::setMoveStyle(LVNMoveStyle value)
{
    letTyped(id::MoveStyle, int(value));
}

QObject *Lumivane::canvas()
{
    deliverPendingResize();
    if (m_autoRedraw)
        m_timer1->setEnabled(true);
    return m_picture1;
}

void Lumivane::Cls()
{
    callTyped(id::Cls, {});
}
qint32 Lumivane::Point(float x, float y)
{
    return callTyped(id::Point, { x, y }).toInt();
}
void Lumivane::Refresh()
{
    callTyped(id::Refresh, {});
}
void Lumivane::Scale_(const QVariant &X1, const QVariant &Y1, const QVariant &X2, const QVariant &Y2)
{
    callTyped(id::Scale, { X1, Y1, X2, Y2 });
}
float Lumivane::ScaleX(float Width, const QVariant &FromScale, const QVariant &ToScale)
{
    return callTyped(id::ScaleX, { Width, FromScale, ToScale }).toFloat();
}
float Lumivane::ScaleY(float Height, const QVariant &FromScale, const QVariant &ToScale)
{
    return callTyped(id::ScaleY, { Height, FromScale, ToScale }).toFloat();
}
float Lumivane::TextWidth(const QString &Str)
{
    return callTyped(id::TextWidth, { Str }).toFloat();
}
float Lumivane::TextHeight(const QString &Str)
{
    return callTyped(id::TextHeight, { Str }).toFloat();
}
void Lumivane::ReplaceColor(qint32 FromColor, qint32 ToColor)
{
    callTyped(id::ReplaceColor, { FromColor, ToColor });
}
void Lumivane::PaintPicture(const QVariant &Picture, float X1, float Y1, const QVariant &Width1,
    const QVariant &Height1, const QVariant &X2, const QVariant &Y2, const QVariant &Width2,
    const QVariant &Height2, const QVariant &Opcode)
{
    callTyped(id::PaintPicture, { Picture, X1, Y1, Width1, Height1, X2, Y2, Width2, Height2, Opcode });
}
void Lumivane::OLEDrag()
{
    callTyped(id::OLEDrag, {});
}

// Transparent painting --------------------------------------------------------------

void Lumivane::publishImage()
{
    // The picture and its mask change together: no repaint in between.
    setUpdatesEnabled(false);
    m_visiblePicture = QPixmap::fromImage(m_picture1->image());
    m_maskPicture = m_picture1->image();
    setUpdatesEnabled(true);
    applyMask();
    repaint();
    emit imagePublished();
}

void Lumivane::publishIfAutoRedraw()
{
    if (m_autoRedraw)
        publishImage();
}

void Lumivane::applyMask()
{
    if (m_backStyle == LVNBackStyle::Opaque || m_maskPicture.isNull()) {
        clearMask();
        return;
    }
    // The surface keeps every pixel whose colour differs from the mask colour.
    const QRgb see = olecolor::toQColor(m_maskColor, palette()).rgb();
    QRegion region = maskregion::visibleRegion(m_maskPicture, see);
    region.translate(interior().topLeft());
    if (m_borderStyle == LVNBorderStyle::FixedSingle)
        region += QRegion(rect()) - QRegion(interior());
    // An empty region would mean "no mask" to Qt; nothing of the surface shows.
    if (region.isEmpty())
        region = QRegion(-1, -1, 1, 1);
    setMask(region);
}

void Lumivane::userControlResized()
{
    emit Resize();
    const QSize before = m_picture1->size();
    placePicture1();
    if (m_picture1->size() != before)
        publishIfAutoRedraw(); // Picture1's own resize
}

void Lumivane::placePicture1()
{
    // Picture1 covers the interior: 0, 0 with the control's scale width and height.
    const QPointF origin = toPixels(QPointF(0, 0));
    const QPointF extent = toPixels(QPointF(scaleLeft() + scaleWidth(), scaleTop() + scaleHeight()))
        - toPixels(QPointF(scaleLeft(), scaleTop()));
    const QRect target(interior().topLeft() + QPoint(qRound(origin.x()), qRound(origin.y())),
        QSize(qRound(std::abs(extent.x())), qRound(std::abs(extent.y()))));
    const QSize before = m_picture1->size();
    m_picture1->setGeometry(target);
    if (m_picture1->image().size() != m_picture1->size() && !m_picture1->size().isEmpty()) {
        // A hidden widget hears of its new size only when shown; Picture1 never is.
        QResizeEvent resized(m_picture1->size(), before);
        QCoreApplication::sendEvent(m_picture1, &resized);
    }

    // The scale follows, ScaleMode last so that a fixed mode is not undone.
    const float height = scaleHeight();
    const float left = scaleLeft();
    const float top = scaleTop();
    const float width = scaleWidth();
    if (height != 0)
        m_picture1->setScaleHeight(height);
    m_picture1->setScaleLeft(left);
    m_picture1->setScaleTop(top);
    if (width != 0)
        m_picture1->setScaleWidth(width);
    m_picture1->setScaleMode(PictureBox::ScaleMode(int(m_scaleMode)));
}

void Lumivane::timerTick()
{
    publishIfAutoRedraw();
    m_timer1->setEnabled(false);
}

// The visible surface's scale ------------------------------------------------------

QRect Lumivane::interior() const
{
    return contentsRect();
}

double Lumivane::unitsPerPixelX(LVNScaleMode mode) const
{
    if (mode == LVNScaleMode::User)
        return interior().width() > 0 ? double(m_scaleWidth) / interior().width() : 1.0;
    return twips::perPixel / fixedTwipsPerUnit(int(mode), true);
}

double Lumivane::unitsPerPixelY(LVNScaleMode mode) const
{
    if (mode == LVNScaleMode::User)
        return interior().height() > 0 ? double(m_scaleHeight) / interior().height() : 1.0;
    return twips::perPixel / fixedTwipsPerUnit(int(mode), false);
}

float Lumivane::scaleWidth() const
{
    return m_scaleMode == LVNScaleMode::User ? m_scaleWidth
                                             : float(interior().width() * unitsPerPixelX(m_scaleMode));
}

float Lumivane::scaleHeight() const
{
    return m_scaleMode == LVNScaleMode::User ? m_scaleHeight
                                             : float(interior().height() * unitsPerPixelY(m_scaleMode));
}

float Lumivane::scaleLeft() const
{
    return m_scaleMode == LVNScaleMode::User ? m_scaleLeft : 0.0f;
}
float Lumivane::scaleTop() const
{
    return m_scaleMode == LVNScaleMode::User ? m_scaleTop : 0.0f;
}

QPointF Lumivane::toPixels(QPointF point) const
{
    return QPointF((point.x() - scaleLeft()) / unitsPerPixelX(m_scaleMode),
        (point.y() - scaleTop()) / unitsPerPixelY(m_scaleMode));
}

QPointF Lumivane::fromPixels(QPointF pixels) const
{
    return QPointF(scaleLeft() + pixels.x() * unitsPerPixelX(m_scaleMode),
        scaleTop() + pixels.y() * unitsPerPixelY(m_scaleMode));
}

void Lumivane::applyBorder()
{
    // A fixed single border takes one pixel flat, two in 3D, from the interior.
    const int width
        = m_borderStyle == LVNBorderStyle::FixedSingle ? (m_appearance == LVNAppearence::ThreeD ? 2 : 1) : 0;
    setContentsMargins(width, width, width, width);
    update();
}

void Lumivane::applyMousePointer()
{
    static const Qt::CursorShape shapes[] = {
        Qt::ArrowCursor, // 0 default (not used)
        Qt::ArrowCursor, // 1 arrow
        Qt::CrossCursor, // 2 cross
        Qt::IBeamCursor, // 3 I-beam
        Qt::ArrowCursor, // 4 icon
        Qt::SizeAllCursor, // 5 size
        Qt::SizeBDiagCursor, // 6 size NE SW
        Qt::SizeVerCursor, // 7 size N S
        Qt::SizeFDiagCursor, // 8 size NW SE
        Qt::SizeHorCursor, // 9 size W E
        Qt::UpArrowCursor, // 10 up arrow
        Qt::WaitCursor, // 11 hourglass
        Qt::ForbiddenCursor, // 12 no drop
        Qt::BusyCursor, // 13 arrow and hourglass
        Qt::WhatsThisCursor, // 14 arrow and question
        Qt::SizeAllCursor, // 15 size all
    };
    const int pointer = int(m_mousePointer);
    if (pointer == 0)
        unsetCursor();
    else if (pointer == 99)
        m_mouseIcon.isNull() ? unsetCursor() : setCursor(QCursor(m_mouseIcon));
    else
        setCursor(shapes[pointer]);
}

// Events of the visible surface ----------------------------------------------------

void Lumivane::paintEvent(QPaintEvent *)
{
    {
        QPainter painter(this);
        if (m_backStyle == LVNBackStyle::Opaque)
            painter.fillRect(interior(), olecolor::toQColor(m_backColor, palette()));
        if (!m_visiblePicture.isNull())
            painter.drawPixmap(interior().topLeft(), m_visiblePicture);
        if (m_borderStyle == LVNBorderStyle::FixedSingle) {
            if (m_appearance == LVNAppearence::ThreeD) {
                QStyleOptionFrame option;
                option.initFrom(this);
                option.lineWidth = 2;
                option.state |= QStyle::State_Sunken;
                style()->drawPrimitive(QStyle::PE_Frame, &option, &painter, this);
            } else {
                painter.setPen(Qt::black);
                painter.drawRect(rect().adjusted(0, 0, -1, -1));
            }
        }
    }
    emit Paint();
}

void Lumivane::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // Margins changing send a resize of the same size; their let handles it.
    if (event->size() != event->oldSize())
        userControlResized();
}

void Lumivane::keyPressEvent(QKeyEvent *event)
{
    int keyCode = keyCodeOf(event);
    int shift = shiftStateOf(event->modifiers());
    emit KeyDown(keyCode, shift);

    const int original = keyAsciiOf(event);
    if (original == 0) {
        event->ignore();
        return;
    }
    int keyAscii = original;
    emit KeyPress(keyAscii);
    if (keyAscii == 0) {
        event->accept(); // discarded: the container never sees it
        return;
    }
    if (keyAscii != original && parentWidget()) {
        // The container receives the character the handler chose.
        event->accept();
        const QString text { QChar(char16_t(keyAscii)) };
        QKeyEvent changed(QEvent::KeyPress, keyAscii >= 'a' && keyAscii <= 'z' ? keyAscii - 32 : keyAscii,
            event->modifiers(), text);
        QCoreApplication::sendEvent(parentWidget(), &changed);
        return;
    }
    event->ignore();
}

void Lumivane::keyReleaseEvent(QKeyEvent *event)
{
    int keyCode = keyCodeOf(event);
    int shift = shiftStateOf(event->modifiers());
    emit KeyUp(keyCode, shift);
    event->ignore();
}

void Lumivane::mouseEventToHost(
    void (Lumivane::*event)(int &, int &, float &, float &), int button, QMouseEvent *e)
{
    const QPointF at = fromPixels(e->position() - QPointF(interior().topLeft()));
    int shift = shiftStateOf(e->modifiers());
    float x = float(at.x());
    float y = float(at.y());
    emit(this->*event)(button, shift, x, y);
}

void Lumivane::mousePressEvent(QMouseEvent *event)
{
    // The host hears of the press first; a drag of a moveable control follows it.
    readDragCursor();
    mouseEventToHost(&Lumivane::MouseDown, mouseButtonCode(event->button()), event);
    beginDrag();
}

void Lumivane::mouseMoveEvent(QMouseEvent *event)
{
    // A move that arrives while the last one still runs (through the events
    // processed after a live move) is dropped whole.
    if (m_inMouseMove)
        return;
    m_inMouseMove = true;
    const QPointer<Lumivane> alive(this);
    mouseEventToHost(&Lumivane::MouseMove, mouseButtonCode(event->buttons()), event);
    if (alive && m_dragging)
        followDrag();
    if (alive)
        m_inMouseMove = false;
}

void Lumivane::mouseReleaseEvent(QMouseEvent *event)
{
    const bool over = rect().contains(event->position().toPoint());
    mouseEventToHost(&Lumivane::MouseUp, mouseButtonCode(event->button()), event);
    endDrag();
    const bool click = over && !m_doubleClicked;
    m_doubleClicked = false;
    if (click)
        emit Click();
}

void Lumivane::mouseDoubleClickEvent(QMouseEvent *)
{
    // Down, up, Click, DblClick, up: the second press is the double-click.
    m_doubleClicked = true;
    emit DblClick();
}

void Lumivane::dragEnterEvent(QDragEnterEvent *event)
{
    qint32 effect = effectOf(event->possibleActions());
    int button = mouseButtonCode(event->buttons());
    int shift = shiftStateOf(event->modifiers());
    const QPointF at = fromPixels(event->position() - QPointF(interior().topLeft()));
    float x = float(at.x());
    float y = float(at.y());
    int state = 0; // entering
    emit OLEDragOver(event->mimeData(), effect, button, shift, x, y, state);
    if (effect == 0) {
        event->ignore();
        return;
    }
    event->setDropAction(firstActionOf(effect));
    event->accept();
}

void Lumivane::dragMoveEvent(QDragMoveEvent *event)
{
    qint32 effect = effectOf(event->possibleActions());
    int button = mouseButtonCode(event->buttons());
    int shift = shiftStateOf(event->modifiers());
    const QPointF at = fromPixels(event->position() - QPointF(interior().topLeft()));
    float x = float(at.x());
    float y = float(at.y());
    int state = 2; // over
    emit OLEDragOver(event->mimeData(), effect, button, shift, x, y, state);
    if (effect == 0) {
        event->ignore();
        return;
    }
    event->setDropAction(firstActionOf(effect));
    event->accept();
}

void Lumivane::dragLeaveEvent(QDragLeaveEvent *)
{
    qint32 effect = 0;
    int button = 0;
    int shift = 0;
    float x = 0;
    float y = 0;
    int state = 1; // leaving
    emit OLEDragOver(nullptr, effect, button, shift, x, y, state);
}

void Lumivane::dropEvent(QDropEvent *event)
{
    qint32 effect = effectOf(event->possibleActions());
    int button = mouseButtonCode(event->buttons());
    int shift = shiftStateOf(event->modifiers());
    const QPointF at = fromPixels(event->position() - QPointF(interior().topLeft()));
    float x = float(at.x());
    float y = float(at.y());
    emit OLEDragDrop(event->mimeData(), effect, button, shift, x, y);
    event->setDropAction(firstActionOf(effect));
    event->accept();
}
