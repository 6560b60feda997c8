#include "membertable.h"

#include <array>

namespace lumivanetypes {

namespace {

constexpr std::array eventTable {
    Event { 1, "Change" },
    Event { 2, "Click" },
    Event { 3, "DblClick" },
    Event { 4, "KeyDown" },
    Event { 5, "KeyPress" },
    Event { 6, "KeyUp" },
    Event { 7, "MouseDown" },
    Event { 8, "MouseMove" },
    Event { 9, "MouseUp" },
    Event { 10, "WriteProperties" },
    Event { 11, "Paint" },
    Event { 12, "OLEStartDrag" },
    Event { 13, "OLESetData" },
    Event { 14, "OLEGiveFeedback" },
    Event { 15, "OLEDragOver" },
    Event { 16, "OLEDragDrop" },
    Event { 17, "OLECompleteDrag" },
    Event { 18, "ReadProperties" },
    Event { 19, "Resize" },
};

constexpr std::array moveStyle { EnumMember { 0, "Contents" }, EnumMember { 1, "WireFrame" },
    EnumMember { 2, "Both" } };
constexpr std::array appearance { EnumMember { 0, "Flat" }, EnumMember { 1, "3D" } };
constexpr std::array borderStyle { EnumMember { 0, "None" }, EnumMember { 1, "Fixed Single" } };
constexpr std::array backStyle { EnumMember { 0, "Transparent" }, EnumMember { 1, "Opaque" } };
constexpr std::array drawMode {
    EnumMember { 1, "Blackness" },
    EnumMember { 2, "Not Merge Pen" },
    EnumMember { 3, "Mask Not Pen" },
    EnumMember { 4, "Not Copy Pen" },
    EnumMember { 5, "Mask Pen Not" },
    EnumMember { 6, "Invert" },
    EnumMember { 7, "Xor Pen" },
    EnumMember { 8, "Not Mask Pen" },
    EnumMember { 9, "Mask Pen" },
    EnumMember { 10, "Not Xor Pen" },
    EnumMember { 11, "Nop" },
    EnumMember { 12, "Merge Not Pen" },
    EnumMember { 13, "Copy Pen" },
    EnumMember { 14, "Merge Pen Not" },
    EnumMember { 15, "Merge Pen" },
    EnumMember { 16, "Whiteness" },
};
constexpr std::array drawStyle {
    EnumMember { 0, "Solid" },
    EnumMember { 1, "Dash" },
    EnumMember { 2, "Dot" },
    EnumMember { 3, "Dash-Dot" },
    EnumMember { 4, "Dash-Dot-Dot" },
    EnumMember { 5, "Transparent" },
    EnumMember { 6, "Inside Solid" },
};
constexpr std::array fillStyle {
    EnumMember { 0, "Solid" },
    EnumMember { 1, "Transparent" },
    EnumMember { 2, "Horizontal Line" },
    EnumMember { 3, "Vertical Line" },
    EnumMember { 4, "Upward Diagonal" },
    EnumMember { 5, "Downward Diagonal" },
    EnumMember { 6, "Cross" },
    EnumMember { 7, "Diagonal Cross" },
};
constexpr std::array linkMode {
    EnumMember { 0, "None" },
    EnumMember { 1, "Automatic" },
    EnumMember { 2, "Manual" },
    EnumMember { 3, "Notify" },
};
constexpr std::array oleDragMode { EnumMember { 0, "Manual" }, EnumMember { 1, "Automatic" } };
constexpr std::array oleDropMode { EnumMember { 0, "None" }, EnumMember { 1, "Manual" },
    EnumMember { 2, "Automatic" } };
constexpr std::array scaleMode {
    EnumMember { 0, "User" },
    EnumMember { 1, "Twip" },
    EnumMember { 2, "Point" },
    EnumMember { 3, "Pixel" },
    EnumMember { 4, "Character" },
    EnumMember { 5, "Inch" },
    EnumMember { 6, "Millimeter" },
    EnumMember { 7, "Centimeter" },
};
constexpr std::array mousePointer {
    EnumMember { 0, "Default" },
    EnumMember { 1, "Arrow" },
    EnumMember { 2, "Cross" },
    EnumMember { 3, "I-Beam" },
    EnumMember { 4, "Icon" },
    EnumMember { 5, "Size" },
    EnumMember { 6, "Size NE SW" },
    EnumMember { 7, "Size N S" },
    EnumMember { 8, "Size NW SE" },
    EnumMember { 9, "Size W E" },
    EnumMember { 10, "Up Arrow" },
    EnumMember { 11, "Hourglass" },
    EnumMember { 12, "No Drop" },
    EnumMember { 13, "Arrow and Hourglass" },
    EnumMember { 14, "Arrow and Question" },
    EnumMember { 15, "Size All" },
    EnumMember { 99, "Custom" },
};

struct EnumTable
{
    const char *name;
    std::span<const EnumMember> members;
};

const std::array enumTables {
    EnumTable { "LVNMoveStyle", moveStyle },
    EnumTable { "LVNAppearence", appearance },
    EnumTable { "LVNBorderStyle", borderStyle },
    EnumTable { "LVNBackStyle", backStyle },
    EnumTable { "LVNDrawMode", drawMode },
    EnumTable { "LVNDrawStyle", drawStyle },
    EnumTable { "LVNFillStyle", fillStyle },
    EnumTable { "LVNLinkMode", linkMode },
    EnumTable { "LVNOLEDragMode", oleDragMode },
    EnumTable { "LVNOLEDropMode", oleDropMode },
    EnumTable { "LVNScaleMode", scaleMode },
    EnumTable { "LVNMousePointer", mousePointer },
};

} // namespace

std::span<const Event> events()
{
    return eventTable;
}

std::span<const EnumMember> enumMembers(const QString &enumName)
{
    for (const EnumTable &t : enumTables) {
        if (enumName == QLatin1String(t.name))
            return t.members;
    }
    return {};
}

QString enumDisplayName(const QString &enumName, qint32 value)
{
    for (const EnumMember &m : enumMembers(enumName)) {
        if (m.value == value)
            return QString::fromLatin1(m.displayName);
    }
    return {};
}

} // namespace lumivanetypes
