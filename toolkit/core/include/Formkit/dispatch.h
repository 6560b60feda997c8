#ifndef FORMKIT_DISPATCH_H
#define FORMKIT_DISPATCH_H

/// \file
/// Late binding by dispatch identifier: a host that knows a control only by the
/// numbers of its type library gets, lets, sets or calls a member through
/// Dispatchable::invoke. Arguments travel as QVariants in a list that the call may
/// write back into (by-reference parameters); an optional argument the host leaves
/// out is an invalid QVariant (QVariant()), and stays so on its way to the inner
/// object. Errors come back in the result, never as exceptions.
///
/// A host finds the interface on any control object with
/// qobject_cast<Dispatchable *>(object), which works across module boundaries.

#include "Formkit/controlerror.h"
#include "Formkit/formkitcore_export.h"

#include <QObject>
#include <QVariant>
#include <QVariantList>

namespace Formkit {

/// The four ways of reaching a member, as the dispatch interface numbers them.
enum class DispatchKind : quint16 {
    Call = 1, ///< a method (or a property read the way a method is called)
    Get = 2,
    Let = 4, ///< a value
    Set = 8, ///< an object (font, picture)
};

/// The outcome of Dispatchable::invoke: an error or a value.
struct FORMKITCORE_EXPORT DispatchResult
{
    /// The error, if the call failed.
    ControlError error;
    QVariant value; ///< the property's value or the method's result

    /// Whether the call succeeded.
    bool ok() const { return !error.isError(); }
};

/// Helpers for calls by identifier.
namespace dispatch {
/// The identifier of no member.
inline constexpr qint32 unknownId = -1;
/// An optional argument left out.
inline QVariant missing()
{
    return QVariant();
}
/// Whether an argument was left out.
inline bool isMissing(const QVariant &argument)
{
    return !argument.isValid();
}
} // namespace dispatch

/// A control's members reached by dispatch identifier.
class FORMKITCORE_EXPORT Dispatchable
{
public:
    virtual ~Dispatchable() = default;

    /// Gets, lets, sets or calls the member with that identifier. By-reference
    /// parameters are written back into arguments.
    /// \param dispatchId the member's identifier
    /// \param kind how the member is reached
    /// \param arguments the arguments in order (the value to let or set last)
    virtual DispatchResult invoke(qint32 dispatchId, DispatchKind kind, QVariantList &arguments) = 0;

    /// The identifier of a member name, matched without regard to case, or
    /// dispatch::unknownId.
    virtual qint32 dispatchIdOfName(const QString &name) const = 0;
};

} // namespace Formkit

/// The interface's identifier for Qt's qobject_cast.
#define FORMKIT_DISPATCHABLE_IID "org.formkit.Dispatchable/2.0"
Q_DECLARE_INTERFACE(Formkit::Dispatchable, FORMKIT_DISPATCHABLE_IID)

#endif
