// Lumivane's persistence: initialising a new control, and reading and writing its
// properties in the host's property bag. The names, their order and their
// defaults are the stored format: a value equal to its default is not stored, and
// a missing one reads as its default. Each stored row, with its name, places
// and default, is in the member table (lumivanemembers.h).

#include "lumivane/lumivane.h"

#include "Formkit/picturebox.h"
#include "Formkit/propertybag.h"
#include "memberdescriptors.h"

#include <QApplication>

#include <algorithm>

using Formkit::ControlError;
using Formkit::PropertyBag;
namespace controlerror = Formkit::controlerror;

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

    // The surfaces' rows first; the control's own state comes after the stored
    // picture shows, which it does whatever the stored AutoRedraw.
    const auto rows = lumivanemembers::readOrder();
    const auto own = std::find_if(rows.begin(), rows.end(),
        [](const lumivanemembers::MemberRow *row) { return row->target == lumivanemembers::Target::Own; });
    for (auto row = rows.begin(); row != own; ++row) {
        if (const ControlError e = (*row)->read(*this, bag); e.isError())
            return e;
    }
    userControlResized();
    publishImage();
    for (auto row = own; row != rows.end(); ++row) {
        if (const ControlError e = (*row)->read(*this, bag); e.isError())
            return e;
    }
    return {};
}

ControlError Lumivane::writeRows(PropertyBag &bag)
{
    emit WriteProperties(&bag);
    for (const lumivanemembers::MemberRow *row : lumivanemembers::writeOrder()) {
        if (const ControlError e = row->write(*this, bag); e.isError())
            return e;
    }
    return {};
}
