// The control's life, late binding, its typed members and the visible
// surface's scale. Each member is described once in the member table
// (lumivanemembers.h); here the typed setters and late binding work from it.

#include "Lumivane/lumivane.h"

#include "Formkit/picturebox.h"
#include "Formkit/timer.h"
#include "Formkit/twips.h"
#include "lumivane_p.h"
#include "lumivanemembers.h"
#include "memberdescriptors.h"

#include <QCoreApplication>
#include <QResizeEvent>

using Formkit::ControlError;
using Formkit::DispatchKind;
using Formkit::DispatchResult;
using Formkit::OleColor;
using Formkit::PictureBox;
using Formkit::Timer;
namespace controlerror = Formkit::controlerror;
namespace dispatch = Formkit::dispatch;
namespace olecolor = Formkit::olecolor;
namespace twips = Formkit::twips;

namespace {

int g_instances = 0;
qint32 g_nextDeviceHandle = 0x2000;

ControlError error(qint32 number)
{
    return controlerror::make(number);
}

// A late-bound call of one member.
DispatchResult dispatchTo(
    Lumivane &control, const lumivanemembers::MemberRow *row, DispatchKind kind, QVariantList &arguments)
{
    if (!row)
        return { error(controlerror::memberNotSupported), {} };
    if (row->call) {
        if (kind == DispatchKind::Let || kind == DispatchKind::Set)
            return { error(controlerror::memberNotSupported), {} };
        if (arguments.size() > row->most)
            return { error(controlerror::wrongArgumentCount), {} };
        for (int i = 0; i < row->required; ++i) {
            if (i >= arguments.size() || dispatch::isMissing(arguments.at(i)))
                return { error(controlerror::argumentNotOptional), {} };
        }
        return row->call(control, arguments);
    }
    if (kind == DispatchKind::Get || kind == DispatchKind::Call) {
        if (!arguments.isEmpty())
            return { error(controlerror::wrongArgumentCount), {} };
        return { {}, row->get(control) };
    }
    if (!row->let)
        return { error(controlerror::propertyIsReadOnly), {} };
    if (arguments.size() != 1)
        return { error(controlerror::wrongArgumentCount), {} };
    return { row->let(control, arguments.first()), {} };
}

} // namespace

Lumivane::Lumivane(QWidget *parent)
    : QWidget(parent)
    , d_ptr(std::make_unique<LumivanePrivate>())
{
    Q_D(Lumivane);
    d->m_picture1 = new PictureBox(this);
    d->m_timer1 = new Timer(this);
    d->m_deviceHandle = g_nextDeviceHandle++;
    ++g_instances;
    setObjectName(QStringLiteral("Lumivane"));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    // The host hears of every mouse move, a button held or not, and so does a drag
    // that a release left going.
    setMouseTracking(true);

    // Picture1 starts with the settings a stored control reads as defaults.
    d->m_picture1->setObjectName(QStringLiteral("Picture1"));
    d->m_picture1->hide();
    // RightToLeft is the control's own: False until set, whatever the direction of
    // the application or the container.
    d->m_picture1->setLayoutDirection(Qt::LeftToRight);
    d->m_picture1->setBackColorValue(d->m_backColor);
    d->m_picture1->setForeColorValue(olecolor::systemFlag | 18u); // button text
    connect(d->m_picture1, &PictureBox::change, this, &Lumivane::Change);

    d->m_timer1->setObjectName(QStringLiteral("Timer1"));
    d->m_timer1->setInterval(1);
    d->m_timer1->setEnabled(false);
    connect(d->m_timer1, &Timer::timer, this, &Lumivane::timerTick);

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
    const lumivanetypes::Member *member = lumivanetypes::memberByName(name);
    return member ? member->dispatchId : dispatch::unknownId;
}

void Lumivane::begin()
{
    Q_D(Lumivane);
    if (d->m_callDepth == 0)
        d->m_lastError = {};
}

void Lumivane::report(const ControlError &e)
{
    Q_D(Lumivane);
    if (d->m_callDepth != 0 || !e.isError())
        return;
    d->m_lastError = e;
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
    DispatchResult result;
    runMember([&] {
        result = dispatchTo(*this, lumivanemembers::rowById(dispatchId), kind, arguments);
        return result.error;
    });
    return result;
}

// Typed members ------------------------------------------------------------------

void Lumivane::setAppearance(LVNAppearence value)
{
    LumivaneMembers::let<lumivaneid::Appearance>(*this, value);
}
OleColor Lumivane::transparentColor() const
{
    Q_D(const Lumivane);
    return d->m_picture1->backColorValue();
}
void Lumivane::setTransparentColor(OleColor value)
{
    LumivaneMembers::let<lumivaneid::TransparentColor>(*this, value);
}
void Lumivane::setFormTransparentColor(OleColor value)
{
    runMember([&] { return LumivaneMembers::formTransparentColor(*this, value); });
}
void Lumivane::setBackStyle(LVNBackStyle value)
{
    LumivaneMembers::let<lumivaneid::BackStyle>(*this, value);
}
void Lumivane::setBorderStyle(LVNBorderStyle value)
{
    LumivaneMembers::let<lumivaneid::BorderStyle>(*this, value);
}
void Lumivane::setClipControls(bool value)
{
    LumivaneMembers::let<lumivaneid::ClipControls>(*this, value);
}
Lumivane::LVNDrawMode Lumivane::drawMode() const
{
    Q_D(const Lumivane);
    return LVNDrawMode(d->m_picture1->drawMode());
}
void Lumivane::setDrawMode(LVNDrawMode value)
{
    LumivaneMembers::let<lumivaneid::DrawMode>(*this, value);
}
Lumivane::LVNDrawStyle Lumivane::drawStyle() const
{
    Q_D(const Lumivane);
    return LVNDrawStyle(d->m_picture1->drawStyle());
}
void Lumivane::setDrawStyle(LVNDrawStyle value)
{
    LumivaneMembers::let<lumivaneid::DrawStyle>(*this, value);
}
int Lumivane::drawWidth() const
{
    Q_D(const Lumivane);
    return d->m_picture1->drawWidth();
}
void Lumivane::setDrawWidth(int value)
{
    LumivaneMembers::let<lumivaneid::DrawWidth>(*this, value);
}
bool Lumivane::controlEnabled() const
{
    // Qt marks only a widget disabled on its own with WA_ForceDisabled.
    return !testAttribute(Qt::WA_ForceDisabled);
}
void Lumivane::setControlEnabled(bool value)
{
    LumivaneMembers::let<lumivaneid::Enabled>(*this, value);
}
OleColor Lumivane::fillColor() const
{
    Q_D(const Lumivane);
    return d->m_picture1->fillColorValue();
}
void Lumivane::setFillColor(OleColor value)
{
    LumivaneMembers::let<lumivaneid::FillColor>(*this, value);
}
Lumivane::LVNFillStyle Lumivane::fillStyle() const
{
    Q_D(const Lumivane);
    return LVNFillStyle(d->m_picture1->fillStyle());
}
void Lumivane::setFillStyle(LVNFillStyle value)
{
    LumivaneMembers::let<lumivaneid::FillStyle>(*this, value);
}
QFont Lumivane::drawingFont() const
{
    Q_D(const Lumivane);
    return d->m_picture1->font();
}
void Lumivane::setDrawingFont(const QFont &value)
{
    LumivaneMembers::let<lumivaneid::Font>(*this, value);
}
bool Lumivane::fontTransparent() const
{
    Q_D(const Lumivane);
    return d->m_picture1->fontTransparent();
}
void Lumivane::setFontTransparent(bool value)
{
    LumivaneMembers::let<lumivaneid::FontTransparent>(*this, value);
}
OleColor Lumivane::foreColor() const
{
    Q_D(const Lumivane);
    return d->m_picture1->foreColorValue();
}
void Lumivane::setForeColor(OleColor value)
{
    LumivaneMembers::let<lumivaneid::ForeColor>(*this, value);
}
qint32 Lumivane::hwnd() const
{
    return qint32(effectiveWinId());
}
QPixmap Lumivane::image() const
{
    Q_D(const Lumivane);
    return QPixmap::fromImage(d->m_picture1->image());
}
void Lumivane::setMouseIcon(const QPixmap &value)
{
    LumivaneMembers::let<lumivaneid::MouseIcon>(*this, value);
}
void Lumivane::setMousePointer(LVNMousePointer value)
{
    LumivaneMembers::let<lumivaneid::MousePointer>(*this, value);
}
QPixmap Lumivane::picture() const
{
    Q_D(const Lumivane);
    return d->m_picture1->picture();
}
void Lumivane::setPicture(const QPixmap &value)
{
    LumivaneMembers::let<lumivaneid::Picture>(*this, value);
}
void Lumivane::setScaleHeight(float value)
{
    LumivaneMembers::let<lumivaneid::ScaleHeight>(*this, value);
}
void Lumivane::setScaleLeft(float value)
{
    LumivaneMembers::let<lumivaneid::ScaleLeft>(*this, value);
}
void Lumivane::setScaleMode(LVNScaleMode value)
{
    LumivaneMembers::let<lumivaneid::ScaleMode>(*this, value);
}
void Lumivane::setScaleTop(float value)
{
    LumivaneMembers::let<lumivaneid::ScaleTop>(*this, value);
}
void Lumivane::setScaleWidth(float value)
{
    LumivaneMembers::let<lumivaneid::ScaleWidth>(*this, value);
}
QString Lumivane::toolTipText() const
{
    Q_D(const Lumivane);
    return d->m_picture1->toolTip();
}
void Lumivane::setToolTipText(const QString &value)
{
    LumivaneMembers::let<lumivaneid::ToolTipText>(*this, value);
}
bool Lumivane::rightToLeft() const
{
    Q_D(const Lumivane);
    return d->m_picture1->layoutDirection() == Qt::RightToLeft;
}
void Lumivane::setRightToLeft(bool value)
{
    LumivaneMembers::let<lumivaneid::RightToLeft>(*this, value);
}
qint32 Lumivane::whatsThisHelpId() const
{
    Q_D(const Lumivane);
    return d->m_picture1->whatsThisHelpId();
}
void Lumivane::setWhatsThisHelpId(qint32 value)
{
    LumivaneMembers::let<lumivaneid::WhatsThisHelpID>(*this, value);
}
Lumivane::LVNOLEDragMode Lumivane::oleDragMode() const
{
    Q_D(const Lumivane);
    return LVNOLEDragMode(d->m_picture1->oleDragMode());
}
void Lumivane::setOleDragMode(LVNOLEDragMode value)
{
    LumivaneMembers::let<lumivaneid::OLEDragMode>(*this, value);
}
int Lumivane::linkTimeout() const
{
    Q_D(const Lumivane);
    return d->m_picture1->linkTimeout();
}
void Lumivane::setLinkTimeout(int value)
{
    LumivaneMembers::let<lumivaneid::LinkTimeout>(*this, value);
}
QString Lumivane::linkTopic() const
{
    Q_D(const Lumivane);
    return d->m_picture1->linkTopic();
}
void Lumivane::setLinkTopic(const QString &value)
{
    LumivaneMembers::let<lumivaneid::LinkTopic>(*this, value);
}
QString Lumivane::linkItem() const
{
    Q_D(const Lumivane);
    return d->m_picture1->linkItem();
}
void Lumivane::setLinkItem(const QString &value)
{
    LumivaneMembers::let<lumivaneid::LinkItem>(*this, value);
}
Lumivane::LVNLinkMode Lumivane::linkMode() const
{
    Q_D(const Lumivane);
    return LVNLinkMode(d->m_picture1->linkMode());
}
void Lumivane::setLinkMode(LVNLinkMode value)
{
    LumivaneMembers::let<lumivaneid::LinkMode>(*this, value);
}
float Lumivane::currentX() const
{
    Q_D(const Lumivane);
    return d->m_picture1->currentX();
}
void Lumivane::setCurrentX(float value)
{
    LumivaneMembers::let<lumivaneid::CurrentX>(*this, value);
}
float Lumivane::currentY() const
{
    Q_D(const Lumivane);
    return d->m_picture1->currentY();
}
void Lumivane::setCurrentY(float value)
{
    LumivaneMembers::let<lumivaneid::CurrentY>(*this, value);
}
void Lumivane::setOleDropMode(LVNOLEDropMode value)
{
    LumivaneMembers::let<lumivaneid::OLEDropMode>(*this, value);
}
void Lumivane::setAutoRedraw(bool value)
{
    LumivaneMembers::let<lumivaneid::AutoRedraw>(*this, value);
}
QObject *Lumivane::canvas()
{
    Q_D(Lumivane);
    deliverPendingResize();
    if (d->m_autoRedraw)
        d->m_timer1->setEnabled(true);
    return d->m_picture1;
}
void Lumivane::setMoveable(bool value)
{
    LumivaneMembers::let<lumivaneid::Moveable>(*this, value);
}
void Lumivane::setMoveStyle(LVNMoveStyle value)
{
    LumivaneMembers::let<lumivaneid::MoveStyle>(*this, value);
}

// Getters of the data behind the private pointer ----------------------------------

const ControlError &Lumivane::lastError() const
{
    Q_D(const Lumivane);
    return d->m_lastError;
}

Lumivane::LVNAppearence Lumivane::appearance() const
{
    Q_D(const Lumivane);
    return d->m_appearance;
}

Lumivane::LVNBackStyle Lumivane::backStyle() const
{
    Q_D(const Lumivane);
    return d->m_backStyle;
}

Lumivane::LVNBorderStyle Lumivane::borderStyle() const
{
    Q_D(const Lumivane);
    return d->m_borderStyle;
}

bool Lumivane::clipControls() const
{
    Q_D(const Lumivane);
    return d->m_clipControls;
}

QPixmap Lumivane::mouseIcon() const
{
    Q_D(const Lumivane);
    return d->m_mouseIcon;
}

Lumivane::LVNMousePointer Lumivane::mousePointer() const
{
    Q_D(const Lumivane);
    return d->m_mousePointer;
}

Lumivane::LVNScaleMode Lumivane::scaleMode() const
{
    Q_D(const Lumivane);
    return LVNScaleMode(int(d->m_scale.mode()));
}

qint32 Lumivane::hDC() const
{
    Q_D(const Lumivane);
    return d->m_deviceHandle;
}

Lumivane::LVNOLEDropMode Lumivane::oleDropMode() const
{
    Q_D(const Lumivane);
    return d->m_oleDropMode;
}

bool Lumivane::autoRedraw() const
{
    Q_D(const Lumivane);
    return d->m_autoRedraw;
}

bool Lumivane::isMoveable() const
{
    Q_D(const Lumivane);
    return d->m_moveable;
}

Lumivane::LVNMoveStyle Lumivane::moveStyle() const
{
    Q_D(const Lumivane);
    return LVNMoveStyle(d->m_moveStyle);
}

QPixmap Lumivane::visiblePicture() const
{
    Q_D(const Lumivane);
    return d->m_visiblePicture;
}

OleColor Lumivane::maskColor() const
{
    Q_D(const Lumivane);
    return d->m_maskColor;
}

OleColor Lumivane::backColor() const
{
    Q_D(const Lumivane);
    return d->m_backColor;
}

bool Lumivane::isDragging() const
{
    Q_D(const Lumivane);
    return d->m_dragging;
}

void Lumivane::setDesignMode(bool on)
{
    Q_D(Lumivane);
    if (d->m_designMode == on)
        return;
    d->m_designMode = on;
    applyMask();
    update();
}

bool Lumivane::isDesignMode() const
{
    Q_D(const Lumivane);
    return d->m_designMode;
}

// The visible surface's scale --------------------------------------------------------

QRect Lumivane::interior() const
{
    return contentsRect();
}

float Lumivane::scaleWidth() const
{
    Q_D(const Lumivane);
    return d->m_scale.width(interior().size());
}

float Lumivane::scaleHeight() const
{
    Q_D(const Lumivane);
    return d->m_scale.height(interior().size());
}

float Lumivane::scaleLeft() const
{
    Q_D(const Lumivane);
    return d->m_scale.left();
}

float Lumivane::scaleTop() const
{
    Q_D(const Lumivane);
    return d->m_scale.top();
}

QPointF Lumivane::toPixels(QPointF point) const
{
    Q_D(const Lumivane);
    return d->m_scale.toPixels(point, interior().size());
}

QPointF Lumivane::fromPixels(QPointF pixels) const
{
    Q_D(const Lumivane);
    return d->m_scale.fromPixels(pixels, interior().size());
}
