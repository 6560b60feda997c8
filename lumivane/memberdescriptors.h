#ifndef LUMIVANE_MEMBERDESCRIPTORS_H
#define LUMIVANE_MEMBERDESCRIPTORS_H

// How the control describes each member of _Lumivane once (the rows are in
// lumivanemembers.h): a property with its type, range, stored default and
// accessors, or a method with its arguments. From those rows come the typed
// setters, and the late-bound rows below through which the dispatch, the
// persistence and the member table reach the members.

#include "Formkit/controlerror.h"
#include "Formkit/dispatch.h"
#include "membertable.h"

#include <limits>
#include <optional>
#include <span>

using Formkit::ControlError;
using Formkit::DispatchResult;
using Formkit::PropertyBag;

class Lumivane;

namespace lumivanemembers {

using lumivanetypes::ValueType;

// Where a property's value lives: the control's own surface, its drawing
// surface Picture1, or the control's own state, which a read from the bag
// applies last, after the stored picture is shown.
enum class Target : quint8 { UserControl, Picture1, Own };

// The numbers a property takes; a let or a stored value outside them is an
// invalid property value. An enum that Picture1 checks takes any number here
// and gets Picture1's own answer.
struct Range
{
    double low = -std::numeric_limits<double>::infinity();
    double high = std::numeric_limits<double>::infinity();
    std::optional<double> also = std::nullopt; // one more value, outside low to high
    bool zero = true; // false: any number but 0

    constexpr bool admits(double v) const
    {
        return (zero || v != 0) && ((v >= low && v <= high) || v == also);
    }
};

// A property that the host's bag keeps: its place among the rows read and among
// those written (the two orders differ in the scale rows), and the default given
// to the bag both ways, as a number of the property's type. Text defaults to
// empty, a picture to none and the font to the host's ambient font.
struct Stored
{
    int read = 0; // 0: not kept
    int write = 0;
    double byDefault = 0;
};

// The step of a row that has nothing more to do.
inline void noStep(Lumivane &) { }

// A property holding a T: bool, qint32 (Integer, enum or Long, as the type
// says), float, OleColor, QString, QFont or QPixmap.
template <class T> struct Property
{
    const char *name;
    qint32 dispatchId;
    ValueType type;
    Target target;
    T (*get)(Lumivane &);
    // Gives its target a value that is in range.
    ControlError (*put)(Lumivane &, const T &);
    Range range = {};
    Stored stored = {};
    // What a let does after the put (before telling the host), and what a read
    // from the bag does after it.
    void (*afterLet)(Lumivane &) = noStep;
    void (*afterRead)(Lumivane &) = noStep;
    // Read from the bag through the public let, which tells the host.
    bool readByLet = false;
};

// A property that is only read (the bag does not keep it).
template <class T> struct ReadOnly
{
    const char *name;
    qint32 dispatchId;
    ValueType type;
    Target target;
    T (*get)(Lumivane &);
};

struct Method
{
    const char *name;
    qint32 dispatchId;
    ValueType result;
    int required; // leading arguments that may not be missing
    int most; // arguments it takes at most
    // Converts the late-bound arguments and calls the member.
    DispatchResult (*call)(Lumivane &, QVariantList &arguments);
};

// A member as late binding and the bag reach it, made from its row.
struct MemberRow
{
    const char *name;
    qint32 dispatchId;
    quint8 access; // lumivanetypes::Access
    ValueType type;
    Target target;
    // Properties: the value as a variant; a let or set of a variant (converted,
    // checked, applied, the host told); reading from and writing to a bag.
    QVariant (*get)(Lumivane &);
    ControlError (*let)(Lumivane &, const QVariant &);
    ControlError (*read)(Lumivane &, PropertyBag &);
    ControlError (*write)(Lumivane &, PropertyBag &);
    // Methods.
    int required;
    int most;
    DispatchResult (*call)(Lumivane &, QVariantList &arguments);
};

const MemberRow *rowById(qint32 dispatchId);
// The rows the bag keeps, in the order in which they are read and written.
std::span<const MemberRow *const> readOrder();
std::span<const MemberRow *const> writeOrder();

} // namespace lumivanemembers

#endif
