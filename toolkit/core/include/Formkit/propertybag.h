#ifndef FORMKIT_PROPERTYBAG_H
#define FORMKIT_PROPERTYBAG_H

/// \class Formkit::PropertyBag
/// The host's store of a control's saved properties, lent to the control for one
/// read or write. Names match without regard to case; a missing value reads as
/// the default given, and a value equal to its default need not be stored.
/// A host hands a bag to a control as a QObject that implements this interface
/// (Q_INTERFACES(Formkit::PropertyBag)); the control finds it with qobject_cast, which
/// works across module boundaries.

#include "Formkit/controlerror.h"
#include "Formkit/formkitcore_export.h"

#include <QObject>
#include <QString>
#include <QVariant>

namespace Formkit {

class FORMKITCORE_EXPORT PropertyBag
{
public:
    virtual ~PropertyBag() = default;

    /// The stored value, or defaultValue when none is stored; an error when the
    /// stored value cannot be read.
    virtual QVariant readProperty(
        const QString &name, const QVariant &defaultValue, ControlError *error = nullptr)
        = 0;
    /// Stores the value under the name; a value equal to defaultValue need not be stored.
    virtual ControlError writeProperty(
        const QString &name, const QVariant &value, const QVariant &defaultValue)
        = 0;
};

} // namespace Formkit

/// The interface's identifier for Qt's qobject_cast.
#define FORMKIT_PROPERTYBAG_IID "org.formkit.PropertyBag/2.0"
Q_DECLARE_INTERFACE(Formkit::PropertyBag, FORMKIT_PROPERTYBAG_IID)

#endif
