#ifndef BRIMLOW_DISPATCH_H
#define BRIMLOW_DISPATCH_H

// Late binding by dispatch identifier: a host that knows a control only by the
// numbers of its type library gets, lets, sets or calls a member through
// Dispatchable::invoke. Arguments travel as QVariants in a list that the call may
// write back into (by-reference parameters); an optional argument the host leaves
// out is an invalid QVariant (QVariant()), and stays so on its way to the inner
// object. Errors come back in the result, never as exceptions.
//
// A host finds the interface on any control object with
// qobject_cast<Dispatchable *>(object), which works across module boundaries.

#include "toolkit/controlerror.h"
#include "toolkit/formruntime_export.h"

#include <QObject>
#include <QVariant>
#include <QVariantList>

// The four ways of reaching a member, as the dispatch interface numbers them.
enum class DispatchKind : quint16 {
    Call = 1, // a method (or a property read the way a method is called)
    Get = 2,
    Let = 4, // a value
    Set = 8, // an object (font, picture)
};

struct FORMRUNTIME_EXPORT DispatchResult
{
    ControlError error;
    QVariant value; // the property's value or the method's result

    bool ok() const { return !error.isError(); }
};

namespace dispatch {
inline constexpr qint32 unknownId = -1;
inline QVariant missing()
{
    return QVariant();
}
inline bool isMissing(const QVariant &argument)
{
    return !argument.isValid();
}
} // namespace dispatch

class FORMRUNTIME_EXPORT Dispatchable
{
public:
    virtual ~Dispatchable() = default;

    virtual DispatchResult invoke(qint32 dispatchId, DispatchKind kind, QVariantList &arguments) = 0;

    // The identifier of a member name, matched without regard to case, or
    // dispatch::unknownId.
    virtual qint32 dispatchIdOfName(const QString &name) const = 0;
};

#define Dispatchable_iid "org.brimlow.Dispatchable/1.0"
Q_DECLARE_INTERFACE(Dispatchable, Dispatchable_iid)

#endif
