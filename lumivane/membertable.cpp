#include "lumivane/membertable.h"

#include <array>

namespace lumivanetypes {

namespace {

using VT = ValueType;
constexpr quint8 GL = Get | Let;
constexpr quint8 GS = Get | Set;
constexpr quint8 M = Method;

constexpr std::array memberTable {
    Member { "Appearance", 0x68030026, GL, VT::Enum },
    Member { "TransparentColor", 0x68030025, GL, VT::Colour },
    Member { "BackStyle", 0x68030024, GL, VT::Enum },
    Member { "BorderStyle", 0x68030023, GL, VT::Enum },
    Member { "ClipControls", 0x68030022, GL, VT::Boolean },
    Member { "Cls", 0x60030030, M, VT::None },
    Member { "DrawMode", 0x68030021, GL, VT::Enum },
    Member { "DrawStyle", 0x68030020, GL, VT::Enum },
    Member { "DrawWidth", 0x6803001F, GL, VT::Integer },
    Member { "Enabled", 0x6803001E, GL, VT::Boolean },
    Member { "FillColor", 0x6803001D, GL, VT::Colour },
    Member { "FillStyle", 0x6803001C, GL, VT::Enum },
    Member { "Font", qint32(0xFFFFFE00u), GS, VT::Font },
    Member { "FontTransparent", 0x6803001B, GL, VT::Boolean },
    Member { "ForeColor", 0x6803001A, GL, VT::Colour },
    Member { "hwnd", 0x68030019, Get, VT::Long },
    Member { "Image", 0x68030018, Get, VT::Picture },
    Member { "MouseIcon", 0x68030017, GS, VT::Picture },
    Member { "MousePointer", 0x68030016, GL, VT::Enum },
    Member { "Picture", 0x68030015, GS, VT::Picture },
    Member { "Point", 0x60030039, M, VT::Long },
    Member { "Refresh", 0x6003003A, M, VT::None },
    Member { "Scale_", 0x6003003B, M, VT::None },
    Member { "ScaleHeight", 0x68030014, GL, VT::Single },
    Member { "ScaleLeft", 0x68030013, GL, VT::Single },
    Member { "ScaleMode", 0x68030012, GL, VT::Enum },
    Member { "ScaleTop", 0x68030011, GL, VT::Single },
    Member { "ScaleWidth", 0x68030010, GL, VT::Single },
    Member { "ScaleX", 0x6003003C, M, VT::Single },
    Member { "ScaleY", 0x6003003D, M, VT::Single },
    Member { "TextWidth", 0x6003003E, M, VT::Single },
    Member { "TextHeight", 0x6003003F, M, VT::Single },
    Member { "ToolTipText", 0x6803000F, GL, VT::String },
    Member { "ReplaceColor", 0x60030042, M, VT::None },
    Member { "RightToLeft", 0x6803000E, GL, VT::Boolean },
    Member { "WhatsThisHelpID", 0x6803000D, GL, VT::Long },
    Member { "OLEDragMode", 0x6803000C, GL, VT::Enum },
    Member { "LinkTimeout", 0x6803000B, GL, VT::Integer },
    Member { "LinkTopic", 0x6803000A, GL, VT::String },
    Member { "LinkItem", 0x68030009, GL, VT::String },
    Member { "LinkMode", 0x68030008, GL, VT::Enum },
    Member { "hDC", 0x68030007, Get, VT::Long },
    Member { "CurrentX", 0x68030006, GL, VT::Single },
    Member { "CurrentY", 0x68030005, GL, VT::Single },
    Member { "PaintPicture", 0x60030043, M, VT::None },
    Member { "OLEDropMode", 0x68030004, GL, VT::Enum },
    Member { "OLEDrag", 0x60030049, M, VT::None },
    Member { "AutoRedraw", 0x68030003, GL, VT::Boolean },
    Member { "Canvas", 0x68030002, Get, VT::Object },
    Member { "Moveable", 0x68030001, GL, VT::Boolean },
    Member { "MoveStyle", 0x68030000, GL, VT::Enum },
};

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

std::span<const Member> members()
{
    return memberTable;
}

const Member *memberById(qint32 dispatchId)
{
    for (const Member &m : memberTable) {
        if (m.dispatchId == dispatchId)
            return &m;
    }
    return nullptr;
}

const Member *memberByName(const QString &name)
{
    for (const Member &m : memberTable) {
        if (name.compare(QLatin1String(m.name), Qt::CaseInsensitive) == 0)
            return &m;
    }
    return nullptr;
}

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
