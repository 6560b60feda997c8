// Lumivane's persistence: initialising a new control, and reading and writing its
// properties in the host's property bag. The names, their order and their
// defaults are the stored format: a value equal to its default is not stored, and
// a missing one reads as its default. Each stored row, with its name, places
// and default, is in the member table (lumivanemembers.h).

#include "Lumivane/lumivane.h"
#include "lumivane_p.h"

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
    Q_D(Lumivane);
    begin();
    setDrawingFont(ambientFont());
    d->m_autoRedraw = true;
    d->m_moveable = false;
    d->m_moveStyle = 0;
}

bool Lumivane::readProperties(QObject *bagObject)
{
    Q_D(Lumivane);
    begin();
    PropertyBag *bag = qobject_cast<PropertyBag *>(bagObject);
    if (!bag) {
        report(controlerror::make(controlerror::typeMismatch));
        return false;
    }
    deliverPendingResize();
    ++d->m_callDepth;
    const ControlError e = readRows(*bag);
    --d->m_callDepth;
    report(e);
    return !e.isError();
}

bool Lumivane::writeProperties(QObject *bagObject)
{
    Q_D(Lumivane);
    begin();
    PropertyBag *bag = qobject_cast<PropertyBag *>(bagObject);
    if (!bag) {
        report(controlerror::make(controlerror::typeMismatch));
        return false;
    }
    ++d->m_callDepth;
    const ControlError e = writeRows(*bag);
    --d->m_callDepth;
    report(e);
    return !e.isError();
}

ControlError Lumivane::readRows(PropertyBag &bag)
{
    Q_D(Lumivane);
    emit ReadProperties(&bag);
    d->m_picture1->cls();

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
