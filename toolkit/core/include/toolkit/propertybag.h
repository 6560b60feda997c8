#ifndef BRIMLOW_PROPERTYBAG_H
#define BRIMLOW_PROPERTYBAG_H

// The host's store of a control's saved properties, lent to the control for one
// read or write. Names match without regard to case; a missing value reads as
// the default given, and a value equal to its default need not be stored.
// A host hands a bag to a control as a QObject that implements this interface
// (Q_INTERFACES(PropertyBag)); the control finds it with qobject_cast, which
// works across module boundaries.

#include "toolkit/controlerror.h"
#include "toolkit/formruntime_export.h"

#include <QObject>
#include <QString>
#include <QVariant>

class FORMRUNTIME_EXPORT PropertyBag
{
public:
    virtual ~PropertyBag() = default;

    // The stored value, or defaultValue when none is stored; an error when the
    // stored value cannot be read.
    virtual QVariant readProperty(
        const QString &name, const QVariant &defaultValue, ControlError *error = nullptr)
        = 0;
    virtual ControlError writeProperty(
        const QString &name, const QVariant &value, const QVariant &defaultValue)
        = 0;
};

#define PropertyBag_iid "org.brimlow.PropertyBag/1.0"
Q_DECLARE_INTERFACE(PropertyBag, PropertyBag_iid)

#endif
