#ifndef BRIMLOW_FORM1LAYOUT_H
#define BRIMLOW_FORM1LAYOUT_H

// The saved layout of Form1: one row a widget, in the order the window creates
// them (later siblings lie on top). Form1 builds its widgets from these rows;
// nothing else in the window repeats a place, caption or colour.

#include "Formkit/olecolor.h"

#include <span>
#include <string_view>

namespace form1layout {

enum class Kind {
    TextBox,
    ResultBox, // a read-only text box that shows the converted volume
    ListBox,
    Frame,
    OptionButton,
    Label, // a caption label: transparent, white text with a dark outline
    CommandButton,
    PictureBox,
    ResultsGrid,
    Logo, // the Lumivane control, made by the component runtime
};

// The font a widget sets for itself; Inherit keeps its container's.
enum class FontRole { Inherit, Plain, FrameCaption, FlaskLabel };

// A colour the widget leaves to its container or the system.
inline constexpr Formkit::OleColor noColour = 0xFFFFFFFFu;

// Colours of the saved layout, 0x00BBGGRR.
inline constexpr Formkit::OleColor windowBack = 0x00FFFF80;
inline constexpr Formkit::OleColor unitBack = 0x00C0FFFF;
inline constexpr Formkit::OleColor unitText = 0x00FF0000;
inline constexpr Formkit::OleColor labelText = 0x00FFFFFF;

// Client area of the window in twips.
inline constexpr int clientWidthTwips = 6105;
inline constexpr int clientHeightTwips = 4485;

struct Widget
{
    const char *name;
    Kind kind;
    const char *container; // nullptr: the window's client area
    int left, top, width, height; // twips, relative to the container
    const char *caption;
    Formkit::OleColor back;
    Formkit::OleColor fore;
    FontRole font;
    const char *accessibleName; // nullptr: the caption speaks for it
    int tabIndex;
    bool visible;
    const char *buddy = nullptr; // a label's option
};

// Every row, in creation order.
std::span<const Widget> widgets();

// The row of `name`, which must be a name of the layout.
const Widget &widget(std::string_view name);

// Kinds that take a tab stop; frames, labels and pictures only show.
constexpr bool takesTabStop(Kind kind)
{
    return kind == Kind::TextBox || kind == Kind::ResultBox || kind == Kind::ListBox
        || kind == Kind::OptionButton || kind == Kind::CommandButton;
}

} // namespace form1layout

#endif
