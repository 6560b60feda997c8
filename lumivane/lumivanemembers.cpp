// The late-bound rows made from the member table: how late binding, the host's
// bag and lumivanetypes::members() reach each member.

#include "lumivanemembers.h"

#include "Formkit/propertybag.h"

#include <algorithm>

using Formkit::ControlError;
using Formkit::OleColor;
using Formkit::PropertyBag;

namespace {

using lumivanemembers::MemberRow;
using lumivanemembers::Method;
using lumivanemembers::Stored;
using lumivanetypes::ValueType;
namespace vc = variantconversion;

constexpr std::size_t memberCount = std::tuple_size_v<std::remove_const_t<decltype(lumivaneMemberRows)>>;

template <class Row> constexpr bool isMethod = std::is_same_v<std::remove_cvref_t<Row>, Method>;
// A property that can be let and is kept in the bag.
template <class Row> constexpr bool isWritable = requires(Row row)
{
    row.put;
};

// A late-bound value converted to the type of a property.
vc::Converted<bool> fromVariant(bool *, ValueType, const QVariant &v)
{
    return vc::toBoolean(v);
}
vc::Converted<qint32> fromVariant(qint32 *, ValueType type, const QVariant &v)
{
    if (type == ValueType::Long)
        return vc::toLong(v);
    // Integers and enums reach their target as 16-bit values.
    const vc::Converted<qint16> narrowed = vc::toInteger(v);
    return { narrowed.value, narrowed.error };
}
vc::Converted<float> fromVariant(float *, ValueType, const QVariant &v)
{
    return vc::toSingle(v);
}
vc::Converted<OleColor> fromVariant(OleColor *, ValueType, const QVariant &v)
{
    return vc::toColour(v);
}
vc::Converted<QString> fromVariant(QString *, ValueType, const QVariant &v)
{
    return vc::toText(v);
}
vc::Converted<QFont> fromVariant(QFont *, ValueType, const QVariant &v)
{
    return vc::toFont(v);
}
vc::Converted<QPixmap> fromVariant(QPixmap *, ValueType, const QVariant &v)
{
    const vc::Converted<QImage> picture = vc::toPicture(v);
    return { QPixmap::fromImage(picture.value), picture.error };
}
template <class T> vc::Converted<T> converted(ValueType type, const QVariant &value)
{
    return fromVariant(static_cast<T *>(nullptr), type, value);
}

// A value as the bag keeps it: a colour as a Long, no picture as nothing.
template <class T> QVariant stored(const T &value)
{
    return QVariant::fromValue(value);
}
template <> QVariant stored(const OleColor &value)
{
    return QVariant(qint32(value));
}
template <> QVariant stored(const QPixmap &value)
{
    return value.isNull() ? QVariant() : QVariant(value);
}

} // namespace

template <class T> QVariant LumivaneMembers::storedDefault(Lumivane &control, const Property<T> &p)
{
    if constexpr (std::is_same_v<T, QFont>)
        return control.ambientFont(); // fetched at that moment
    else if constexpr (std::is_same_v<T, QString>)
        return QString();
    else if constexpr (std::is_same_v<T, QPixmap>)
        return QVariant();
    else if constexpr (std::is_same_v<T, OleColor>)
        return qint32(quint32(p.stored.byDefault));
    else if constexpr (std::is_same_v<T, bool>)
        return p.stored.byDefault != 0;
    else
        return T(p.stored.byDefault);
}

template <std::size_t I> QVariant LumivaneMembers::getAt(Lumivane &control)
{
    return QVariant::fromValue(std::get<I>(lumivaneMemberRows).get(control));
}

template <std::size_t I> ControlError LumivaneMembers::letAt(Lumivane &control, const QVariant &value)
{
    constexpr const auto &p = std::get<I>(lumivaneMemberRows);
    using T = decltype(p.get(control));
    const vc::Converted<T> v = converted<T>(p.type, value);
    return v.ok() ? letValue(control, p, v.value) : v.error;
}

template <std::size_t I> ControlError LumivaneMembers::readAt(Lumivane &control, PropertyBag &bag)
{
    constexpr const auto &p = std::get<I>(lumivaneMemberRows);
    using T = decltype(p.get(control));
    static const QString name = QString::fromLatin1(p.name);
    ControlError e;
    const QVariant value = bag.readProperty(name, storedDefault(control, p), &e);
    if (e.isError())
        return e;
    const vc::Converted<T> v = converted<T>(p.type, value);
    if (!v.ok())
        return v.error;
    if constexpr (p.readByLet)
        return letValue(control, p, v.value);
    if (const ControlError put = putValue(control, p, v.value); put.isError())
        return put;
    p.afterRead(control);
    return {};
}

template <std::size_t I> ControlError LumivaneMembers::writeAt(Lumivane &control, PropertyBag &bag)
{
    constexpr const auto &p = std::get<I>(lumivaneMemberRows);
    static const QString name = QString::fromLatin1(p.name);
    return bag.writeProperty(name, stored(p.get(control)), storedDefault(control, p));
}

template <std::size_t I> constexpr MemberRow LumivaneMembers::lateBound()
{
    constexpr const auto &r = std::get<I>(lumivaneMemberRows);
    if constexpr (isMethod<decltype(r)>) {
        return { r.name, r.dispatchId, lumivanetypes::Method, r.result, lumivanemembers::Target::UserControl,
            nullptr, nullptr, nullptr, nullptr, r.required, r.most, r.call };
    } else {
        MemberRow row { r.name, r.dispatchId, lumivanetypes::Get, r.type, r.target, &getAt<I>, nullptr,
            nullptr, nullptr, 0, 0, nullptr };
        if constexpr (isWritable<decltype(r)>) {
            const bool object = r.type == ValueType::Font || r.type == ValueType::Picture;
            row.access |= object ? lumivanetypes::Set : lumivanetypes::Let;
            row.let = &letAt<I>;
            if constexpr (r.stored.read != 0)
                row.read = &readAt<I>;
            if constexpr (r.stored.write != 0)
                row.write = &writeAt<I>;
        }
        return row;
    }
}

namespace {

constexpr auto memberRows = []<std::size_t... I>(std::index_sequence<I...>)
{
    return std::array { LumivaneMembers::lateBound<I>()... };
}
(std::make_index_sequence<memberCount>());

constexpr bool identifiersDiffer()
{
    for (std::size_t i = 0; i < memberCount; ++i) {
        for (std::size_t j = i + 1; j < memberCount; ++j) {
            if (memberRows[i].dispatchId == memberRows[j].dispatchId)
                return false;
        }
    }
    return true;
}
static_assert(identifiersDiffer(), "every member has its own identifier");

// Every place from 1 to count is taken by one row.
template <class Ranks> constexpr bool eachPlaceOnce(const Ranks &ranks, std::size_t count)
{
    for (std::size_t place = 1; place <= count; ++place) {
        if (std::count(ranks.begin(), ranks.end(), int(place)) != 1)
            return false;
    }
    return true;
}

// The stored rows in the order of one of their ranks.
template <int Stored::*Rank> constexpr auto storedOrder()
{
    constexpr auto ranks = []<std::size_t... I>(std::index_sequence<I...>)
    {
        return std::array { [] {
            if constexpr (isWritable<decltype(std::get<I>(lumivaneMemberRows))>)
                return std::get<I>(lumivaneMemberRows).stored.*Rank;
            else
                return 0;
        }()... };
    }
    (std::make_index_sequence<memberCount>());
    constexpr auto storedCount
        = std::size_t(std::count_if(ranks.begin(), ranks.end(), [](int r) { return r != 0; }));
    static_assert(eachPlaceOnce(ranks, storedCount), "every stored row has its own place");
    std::array<const MemberRow *, storedCount> order {};
    for (std::size_t i = 0; i < memberCount; ++i) {
        if (ranks[i] != 0)
            order[std::size_t(ranks[i] - 1)] = &memberRows[i];
    }
    return order;
}

constexpr auto rowsRead = storedOrder<&Stored::read>();
constexpr auto rowsWritten = storedOrder<&Stored::write>();

static_assert(rowsRead.size() == rowsWritten.size(), "every stored row is read and written");
static_assert(std::is_partitioned(rowsRead.begin(), rowsRead.end(),
                  [](const MemberRow *row) { return row->target != lumivanemembers::Target::Own; }),
    "the control's own state is read last");

constexpr auto memberIdentities = [] {
    std::array<lumivanetypes::Member, memberCount> identities {};
    for (std::size_t i = 0; i < memberCount; ++i)
        identities[i]
            = { memberRows[i].name, memberRows[i].dispatchId, memberRows[i].access, memberRows[i].type };
    return identities;
}();

} // namespace

namespace lumivanemembers {

const MemberRow *rowById(qint32 dispatchId)
{
    for (const MemberRow &row : memberRows) {
        if (row.dispatchId == dispatchId)
            return &row;
    }
    return nullptr;
}

std::span<const MemberRow *const> readOrder()
{
    return rowsRead;
}

std::span<const MemberRow *const> writeOrder()
{
    return rowsWritten;
}

} // namespace lumivanemembers

namespace lumivanetypes {

std::span<const Member> members()
{
    return memberIdentities;
}

const Member *memberById(qint32 dispatchId)
{
    for (const Member &m : memberIdentities) {
        if (m.dispatchId == dispatchId)
            return &m;
    }
    return nullptr;
}

const Member *memberByName(const QString &name)
{
    for (const Member &m : memberIdentities) {
        if (name.compare(QLatin1String(m.name), Qt::CaseInsensitive) == 0)
            return &m;
    }
    return nullptr;
}

} // namespace lumivanetypes
