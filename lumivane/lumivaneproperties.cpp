// Lumivane's persistence: initialising a new control, and reading and writing its
// properties in the host's property bag. The names, their order and their
// defaults are the stored format: a value equal to its default is not stored, and
// a missing one reads as its default.

#include "lumivane/lumivane.h"

#include "lumivane/variantconversion.h"
#include "toolkit/picturebox.h"
#include "toolkit/propertybag.h"

#include <QApplication>

namespace {

namespace vc = variantconversion;

constexpr qint32 defaultTransparentColor = qint32(0x8000000Fu); // button face
constexpr qint32 defaultForeColor = qint32(0x80000012u); // button text
constexpr float designWidth = 8145;
constexpr float designHeight = 9060;

ControlError invalid()
{
    return controlerror::make(controlerror::invalidPropertyValue);
}

} // namespace

QFont Lumivane::ambientFont() const
{
    return parentWidget() ? parentWidget()->font() : QApplication::font();
}

void Lumivane::initProperties()
{
    begin();
    setDrawingFont(ambientFont());
    m_autoRedraw = true;
    m_moveable = false;
    m_moveStyle = 0;
}

bool Lumivane::readProperties(QObject *bagObject)
{
    begin();
    PropertyBag *bag = qobject_cast<PropertyBag *>(bagObject);
    if (!bag) {
        report(controlerror::make(controlerror::typeMismatch));
        return false;
    }
    deliverPendingResize();
    ++m_callDepth;
    const ControlError e = readRows(*bag);
    --m_callDepth;
    report(e);
    return !e.isError();
}

bool Lumivane::writeProperties(QObject *bagObject)
{
    begin();
    PropertyBag *bag = qobject_cast<PropertyBag *>(bagObject);
    if (!bag) {
        report(controlerror::make(controlerror::typeMismatch));
        return false;
    }
    ++m_callDepth;
    const ControlError e = writeRows(*bag);
    --m_callDepth;
    report(e);
    return !e.isError();
}

ControlError Lumivane::readRows(PropertyBag &bag)
{
    emit ReadProperties(&bag);
    m_picture1->cls();

    // Reads a row's value with its default and converts it, or leaves with the error.
#define READ(var, name, defaultValue, conversion)                                                            \
    ControlError var##Error;                                                                                 \
    const QVariant var##Stored                                                                               \
        = bag.readProperty(QStringLiteral(name), QVariant(defaultValue), &var##Error);                       \
    if (var##Error.isError())                                                                                \
        return var##Error;                                                                                   \
    const auto var = vc::conversion(var##Stored);                                                            \
    if (!var.ok())                                                                                           \
        return var.error;
#define TRY(call)                                                                                            \
    if (const ControlError inner = (call); inner.isError())                                                  \
        return inner;

    READ(appearance, "Appearance", 1, toInteger);
    if (appearance.value < 0 || appearance.value > 1)
        return invalid();
    m_appearance = LVNAppearence(appearance.value);
    applyBorder();

    READ(transparent, "TransparentColor", defaultTransparentColor, toColour);
    m_picture1->setBackColorValue(transparent.value);
    // The one place where the mask colour is set.
    m_backColor = m_picture1->backColorValue();
    m_maskColor = m_picture1->backColorValue();

    READ(backStyle, "BackStyle", 0, toInteger);
    if (backStyle.value < 0 || backStyle.value > 1)
        return invalid();
    m_backStyle = LVNBackStyle(backStyle.value);

    READ(borderStyle, "BorderStyle", 0, toInteger);
    if (borderStyle.value < 0 || borderStyle.value > 1)
        return invalid();
    m_borderStyle = LVNBorderStyle(borderStyle.value);
    applyBorder();

    READ(clipControls, "ClipControls", true, toBoolean);
    m_clipControls = clipControls.value;

    READ(drawMode, "DrawMode", 13, toInteger);
    TRY(m_picture1->setDrawMode(drawMode.value));
    READ(drawStyle, "DrawStyle", 0, toInteger);
    TRY(m_picture1->setDrawStyle(drawStyle.value));
    READ(drawWidth, "DrawWidth", 1, toInteger);
    if (drawWidth.value < 1)
        return invalid();
    m_picture1->setDrawWidth(drawWidth.value);

    READ(enabled, "Enabled", true, toBoolean);
    QWidget::setEnabled(enabled.value);

    READ(fillColor, "FillColor", 0, toColour);
    m_picture1->setFillColorValue(fillColor.value);
    READ(fillStyle, "FillStyle", 1, toInteger);
    TRY(m_picture1->setFillStyle(fillStyle.value));

    READ(font, "Font", ambientFont(), toFont);
    m_picture1->setFont(font.value);
    READ(fontTransparent, "FontTransparent", true, toBoolean);
    m_picture1->setFontTransparent(fontTransparent.value);
    READ(foreColor, "ForeColor", defaultForeColor, toColour);
    m_picture1->setForeColorValue(foreColor.value);

    // The public MouseIcon runs, as the host set it.
    READ(mouseIcon, "MouseIcon", QVariant(), toPicture);
    --m_callDepth;
    setMouseIcon(QPixmap::fromImage(mouseIcon.value));
    ++m_callDepth;
    if (m_lastError.isError())
        return m_lastError;

    READ(mousePointer, "MousePointer", 0, toInteger);
    if (!((mousePointer.value >= 0 && mousePointer.value <= 15) || mousePointer.value == 99))
        return invalid();
    m_mousePointer = LVNMousePointer(mousePointer.value);
    applyMousePointer();

    READ(picture, "Picture", QVariant(), toPicture);
    m_picture1->setPicture(QPixmap::fromImage(picture.value)); // no publishing here

    // Each scale value goes to the visible surface, then Picture1 takes what it reports.
    READ(scaleHeight, "ScaleHeight", designHeight, toSingle);
    TRY(letScale(0x68030014, scaleHeight.value));
    m_picture1->setScaleHeight(this->scaleHeight());
    READ(scaleLeft, "ScaleLeft", 0.0f, toSingle);
    TRY(letScale(0x68030013, scaleLeft.value));
    m_picture1->setScaleLeft(this->scaleLeft());
    READ(scaleTop, "ScaleTop", 0.0f, toSingle);
    TRY(letScale(0x68030011, scaleTop.value));
    m_picture1->setScaleTop(this->scaleTop());
    READ(scaleWidth, "ScaleWidth", designWidth, toSingle);
    TRY(letScale(0x68030010, scaleWidth.value));
    m_picture1->setScaleWidth(this->scaleWidth());
    READ(scaleMode, "ScaleMode", 1, toInteger);
    if (scaleMode.value < 0 || scaleMode.value > 7)
        return invalid();
    m_scaleMode = LVNScaleMode(scaleMode.value);
    m_picture1->setScaleMode(PictureBox::ScaleMode(scaleMode.value));

    READ(toolTip, "ToolTipText", QString(), toText);
    m_picture1->setToolTip(toolTip.value);
    READ(rightToLeft, "RightToLeft", false, toBoolean);
    m_picture1->setLayoutDirection(rightToLeft.value ? Qt::RightToLeft : Qt::LeftToRight);
    READ(helpId, "WhatsThisHelpID", 0, toLong);
    m_picture1->setWhatsThisHelpId(helpId.value);
    READ(dragMode, "OLEDragMode", 0, toInteger);
    TRY(m_picture1->setOleDragMode(dragMode.value));
    READ(dropMode, "OLEDropMode", 0, toInteger);
    if (dropMode.value < 0 || dropMode.value > 2)
        return invalid();
    m_oleDropMode = LVNOLEDropMode(dropMode.value);
    setAcceptDrops(m_oleDropMode != LVNOLEDropMode::None);
    READ(linkTimeout, "LinkTimeout", 50, toInteger);
    m_picture1->setLinkTimeout(linkTimeout.value);
    READ(linkTopic, "LinkTopic", QString(), toText);
    m_picture1->setLinkTopic(linkTopic.value);
    READ(linkItem, "LinkItem", QString(), toText);
    m_picture1->setLinkItem(linkItem.value);
    READ(linkMode, "LinkMode", 0, toInteger);
    TRY(m_picture1->setLinkMode(linkMode.value));
    READ(currentX, "CurrentX", 0.0f, toSingle);
    m_picture1->setCurrentX(currentX.value);
    READ(currentY, "CurrentY", 0.0f, toSingle);
    m_picture1->setCurrentY(currentY.value);

    userControlResized();
    // Loading always shows the stored picture, whatever the stored AutoRedraw.
    publishImage();

    READ(autoRedraw, "AutoRedraw", true, toBoolean);
    m_autoRedraw = autoRedraw.value;
    READ(moveable, "Moveable", false, toBoolean);
    m_moveable = moveable.value;
    READ(moveStyle, "MoveStyle", 0, toLong);
    m_moveStyle = moveStyle.value;
#undef READ
#undef TRY
    return {};
}

ControlError Lumivane::writeRows(PropertyBag &bag)
{
    emit WriteProperties(&bag);
    const auto picture = [](const QPixmap &p) { return p.isNull() ? QVariant() : QVariant(p); };
    const auto colour = [](OleColor c) { return QVariant(qint32(c)); };
    const struct
    {
        const char *name;
        QVariant value;
        QVariant defaultValue;
    } rows[] = {
        { "Appearance", int(m_appearance), 1 },
        { "TransparentColor", colour(m_picture1->backColorValue()), defaultTransparentColor },
        { "BackStyle", int(m_backStyle), 0 },
        { "BorderStyle", int(m_borderStyle), 0 },
        { "ClipControls", m_clipControls, true },
        { "DrawMode", m_picture1->drawMode(), 13 },
        { "DrawStyle", m_picture1->drawStyle(), 0 },
        { "DrawWidth", m_picture1->drawWidth(), 1 },
        { "Enabled", controlEnabled(), true },
        { "FillColor", colour(m_picture1->fillColorValue()), 0 },
        { "FillStyle", m_picture1->fillStyle(), 1 },
        { "Font", m_picture1->font(), ambientFont() },
        { "FontTransparent", m_picture1->fontTransparent(), true },
        { "ForeColor", colour(m_picture1->foreColorValue()), defaultForeColor },
        { "MouseIcon", picture(m_mouseIcon), QVariant() },
        { "MousePointer", int(m_mousePointer), 0 },
        { "Picture", picture(m_picture1->picture()), QVariant() },
        { "ScaleHeight", scaleHeight(), designHeight },
        { "ScaleLeft", scaleLeft(), 0.0f },
        { "ScaleMode", int(m_scaleMode), 1 },
        { "ScaleTop", scaleTop(), 0.0f },
        { "ScaleWidth", scaleWidth(), designWidth },
        { "ToolTipText", m_picture1->toolTip(), QString() },
        { "RightToLeft", rightToLeft(), false },
        { "WhatsThisHelpID", m_picture1->whatsThisHelpId(), 0 },
        { "OLEDragMode", m_picture1->oleDragMode(), 0 },
        { "OLEDropMode", int(m_oleDropMode), 0 },
        { "LinkTimeout", m_picture1->linkTimeout(), 50 },
        { "LinkTopic", m_picture1->linkTopic(), QString() },
        { "LinkItem", m_picture1->linkItem(), QString() },
        { "LinkMode", m_picture1->linkMode(), 0 },
        { "CurrentX", m_picture1->currentX(), 0.0f },
        { "CurrentY", m_picture1->currentY(), 0.0f },
        { "AutoRedraw", m_autoRedraw, true },
        { "Moveable", m_moveable, false },
        { "MoveStyle", m_moveStyle, 0 },
    };
    for (const auto &row : rows) {
        if (const ControlError e
            = bag.writeProperty(QString::fromLatin1(row.name), row.value, row.defaultValue);
            e.isError())
            return e;
    }
    return {};
}
