#ifndef LUMIVANE_MEMBERTABLE_H
#define LUMIVANE_MEMBERTABLE_H

// The type library of the control as data: the members of _Lumivane in
// interface order with their dispatch identifiers (taken from the control's
// member table, lumivanemembers.h), the events of __Lumivane, the identifiers
// of the library, class and interfaces, and the display names of the enums'
// members (the names hosts and the designer show, blanks included).

#include <QString>
#include <QtGlobal>

#include <span>

namespace lumivanetypes {

inline constexpr const char *typeLibName = "LumivaneBox";
inline constexpr const char *typeLibId = "{48C32CF0-560A-4342-9DCA-3DC89E8FAC67}";
inline constexpr const char *typeLibVersion = "1.0";
inline constexpr qint32 typeLibLocale = 0x409;
inline constexpr const char *className = "Lumivane";
inline constexpr const char *classId = "{6AFEA333-57C6-4DD9-88C0-E3A240370351}";
inline constexpr const char *progId = "LumivaneBox.Lumivane";
inline constexpr const char *defaultInterfaceName = "_Lumivane";
inline constexpr const char *defaultInterfaceId = "{A63C58E3-5F9F-4031-BD48-A17CA272623C}";
inline constexpr const char *eventInterfaceName = "__Lumivane";
inline constexpr const char *eventInterfaceId = "{D234DE23-04A8-4C4E-A54D-248EA619ACA6}";
inline constexpr qint32 toolboxBitmapId = 30000;
inline constexpr const char *fileVersion = "1.00";

// How a member is reached: read, assigned a value, assigned an object, called.
enum Access : quint8 {
    Get = 1,
    Let = 2,
    Set = 4,
    Method = 8,
};

// The type a property holds (what a let or set converts its value to).
enum class ValueType : quint8 {
    None,
    Enum, // a 32-bit enum, narrowed to 16 bits on the way to its target
    Boolean,
    Integer, // 16-bit
    Long, // 32-bit (MoveStyle too: it keeps any value)
    Single,
    String,
    Colour,
    Font,
    Picture,
    Object,
};

struct Member
{
    const char *name;
    qint32 dispatchId;
    quint8 access;
    ValueType type;
};

struct Event
{
    qint32 dispatchId;
    const char *name;
};

struct EnumMember
{
    qint32 value;
    const char *displayName;
};

// The members of _Lumivane in interface order.
std::span<const Member> members();
const Member *memberById(qint32 dispatchId);
// Matched without regard to case, as late binding does.
const Member *memberByName(const QString &name);

// The events of __Lumivane, identifiers 1 to 19.
std::span<const Event> events();

// The members of one of the twelve enums ("LVNDrawMode", ...) with their display
// names; empty for an unknown enum.
std::span<const EnumMember> enumMembers(const QString &enumName);
QString enumDisplayName(const QString &enumName, qint32 value);

} // namespace lumivanetypes

#endif
