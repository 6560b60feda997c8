#ifndef LUMIVANE_DISPATCHIDS_H
#define LUMIVANE_DISPATCHIDS_H

/// \file
/// The dispatch identifiers of the members of _Lumivane, for a host that calls
/// the control by identifier. The header stands alone: a host includes it without
/// the control's other headers and without linking the control's library, and
/// creates the control by its programmatic name.
///
/// The control's member table takes each identifier from here.

#include <QtGlobal>

/// The identifiers, each named as its member.
namespace lumivaneid {

///@{
/// In interface order: properties 0x680300nn, methods 0x600300nn.
inline constexpr qint32 Appearance = 0x68030026;
inline constexpr qint32 TransparentColor = 0x68030025;
inline constexpr qint32 BackStyle = 0x68030024;
inline constexpr qint32 BorderStyle = 0x68030023;
inline constexpr qint32 ClipControls = 0x68030022;
inline constexpr qint32 Cls = 0x60030030;
inline constexpr qint32 DrawMode = 0x68030021;
inline constexpr qint32 DrawStyle = 0x68030020;
inline constexpr qint32 DrawWidth = 0x6803001F;
inline constexpr qint32 Enabled = 0x6803001E;
inline constexpr qint32 FillColor = 0x6803001D;
inline constexpr qint32 FillStyle = 0x6803001C;
inline constexpr qint32 Font = qint32(0xFFFFFE00u); ///< the standard identifier of a font
inline constexpr qint32 FontTransparent = 0x6803001B;
inline constexpr qint32 ForeColor = 0x6803001A;
inline constexpr qint32 hwnd = 0x68030019;
inline constexpr qint32 Image = 0x68030018;
inline constexpr qint32 MouseIcon = 0x68030017;
inline constexpr qint32 MousePointer = 0x68030016;
inline constexpr qint32 Picture = 0x68030015;
inline constexpr qint32 Point = 0x60030039;
inline constexpr qint32 Refresh = 0x6003003A;
inline constexpr qint32 Scale_ = 0x6003003B;
inline constexpr qint32 ScaleHeight = 0x68030014;
inline constexpr qint32 ScaleLeft = 0x68030013;
inline constexpr qint32 ScaleMode = 0x68030012;
inline constexpr qint32 ScaleTop = 0x68030011;
inline constexpr qint32 ScaleWidth = 0x68030010;
inline constexpr qint32 ScaleX = 0x6003003C;
inline constexpr qint32 ScaleY = 0x6003003D;
inline constexpr qint32 TextWidth = 0x6003003E;
inline constexpr qint32 TextHeight = 0x6003003F;
inline constexpr qint32 ToolTipText = 0x6803000F;
inline constexpr qint32 ReplaceColor = 0x60030042;
inline constexpr qint32 RightToLeft = 0x6803000E;
inline constexpr qint32 WhatsThisHelpID = 0x6803000D;
inline constexpr qint32 OLEDragMode = 0x6803000C;
inline constexpr qint32 LinkTimeout = 0x6803000B;
inline constexpr qint32 LinkTopic = 0x6803000A;
inline constexpr qint32 LinkItem = 0x68030009;
inline constexpr qint32 LinkMode = 0x68030008;
inline constexpr qint32 hDC = 0x68030007;
inline constexpr qint32 CurrentX = 0x68030006;
inline constexpr qint32 CurrentY = 0x68030005;
inline constexpr qint32 PaintPicture = 0x60030043;
inline constexpr qint32 OLEDropMode = 0x68030004;
inline constexpr qint32 OLEDrag = 0x60030049;
inline constexpr qint32 AutoRedraw = 0x68030003;
inline constexpr qint32 Canvas = 0x68030002;
inline constexpr qint32 Moveable = 0x68030001;
inline constexpr qint32 MoveStyle = 0x68030000;
///@}

} // namespace lumivaneid

#endif
