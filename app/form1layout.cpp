#include "app/form1layout.h"

#include <array>
#include <cstdlib>

namespace form1layout {

namespace {

using enum Kind;
using enum FontRole;

// clang-format off
constexpr std::array rows{
    //     name              kind           container  left  top   width height caption                  back        fore       font          accessible name       tab  visible
    Widget{"Text3",          TextBox,       nullptr,   120,  120,  2175, 285,  "",                      unitBack,   unitText,  Inherit,      "Find From unit",     4,   true},
    Widget{"Text4",          TextBox,       nullptr,   2400, 120,  2175, 285,  "",                      unitBack,   unitText,  Inherit,      "Find To unit",       5,   true},
    Widget{"List1",          ListBox,       nullptr,   120,  360,  2175, 1815, "",                      unitBack,   unitText,  Inherit,      "From unit",          0,   true},
    Widget{"List2",          ListBox,       nullptr,   2400, 360,  2175, 1815, "",                      unitBack,   unitText,  Inherit,      "To unit",            1,   true},
    Widget{"Frame1",         Frame,         nullptr,   120,  2280, 2175, 1650, "Order units lists by",  windowBack, noColour,  FrameCaption, "Order units lists by", 6, true},
    Widget{"Frame2",         Frame,         nullptr,   2400, 2280, 2175, 735,  "Report",                windowBack, noColour,  FrameCaption, "Report",             7,   true},
    Widget{"Frame3",         Frame,         nullptr,   2400, 3080, 2175, 850,  "Fluid Display",         windowBack, noColour,  FrameCaption, "Fluid Display",      8,   true},
    Widget{"Option1",        OptionButton,  "Frame1",  120,  240,  255,  255,  "",                      windowBack, noColour,  Plain,        "All Ascending",      9,   true},
    Widget{"Label1",         Label,         "Frame1",  480,  240,  1095, 255,  "All Ascending",         noColour,   labelText, Plain,        nullptr,              13,  true, "Option1"},
    Widget{"Option3",        OptionButton,  "Frame1",  120,  480,  255,  255,  "",                      windowBack, noColour,  Plain,        "Metric units first", 10,  true},
    Widget{"Label2",         Label,         "Frame1",  480,  480,  1455, 255,  "Metric units first",    noColour,   labelText, Plain,        nullptr,              14,  true, "Option3"},
    Widget{"Option2",        OptionButton,  "Frame1",  120,  720,  255,  255,  "",                      windowBack, noColour,  Plain,        "UK, US units first", 11,  true},
    Widget{"Label3",         Label,         "Frame1",  480,  720,  1455, 255,  "UK, US units first",    noColour,   labelText, Plain,        nullptr,              15,  true, "Option2"},
    Widget{"Option4",        OptionButton,  "Frame1",  120,  960,  255,  255,  "",                      windowBack, noColour,  Plain,        "Aussie units first", 12,  true},
    Widget{"Label5",         Label,         "Frame1",  480,  960,  1455, 255,  "Aussie units first",    noColour,   labelText, Plain,        nullptr,              16,  true, "Option4"},
    Widget{"Command2",       CommandButton, "Frame1",  600,  1200, 950,  375,  "Swap Units",            unitBack,   noColour,  Plain,        "Swap Units",         17,  true},
    Widget{"SaveCmnd",       CommandButton, "Frame2",  100,  260,  950,  375,  "Save",                  unitBack,   noColour,  Plain,        "Save",               18,  true},
    Widget{"MakeFileCmnd",   CommandButton, "Frame2",  1140, 260,  950,  375,  "Make File",             unitBack,   noColour,  Plain,        "Make File",          19,  true},
    Widget{"optionwhite",    OptionButton,  "Frame3",  120,  240,  780,  255,  "Yellow",                windowBack, noColour,  Plain,        "Yellow",             28,  true},
    Widget{"optionblue",     OptionButton,  "Frame3",  960,  240,  735,  255,  "Aqua",                  windowBack, noColour,  Plain,        "Aqua",               20,  true},
    Widget{"OptionLevel",    OptionButton,  "Frame3",  120,  490,  1815, 255,  "Level Marker Only",     windowBack, noColour,  Plain,        "Level Marker Only",  29,  true},
    Widget{"optionred",      OptionButton,  "Frame3",  960,  480,  735,  255,  "Red",                   windowBack, noColour,  Plain,        "Red",                21,  false},
    Widget{"optionsparkle",  OptionButton,  "Frame3",  1280, 480,  855,  255,  "Sparkle",               windowBack, noColour,  Plain,        "Sparkle",            22,  false},
    Widget{"Text1",          TextBox,       nullptr,   120,  4080, 2175, 300,  "",                      noColour,   noColour,  Inherit,      "Volume",             2,   true},
    Widget{"Text2",          ResultBox,     nullptr,   2400, 4080, 2175, 300,  "",                      noColour,   noColour,  Inherit,      "Converted volume",   3,   true},
    Widget{"picflaskbuffer", PictureBox,    nullptr,   840,  120,  1455, 3615, "",                      windowBack, noColour,  FlaskLabel,   nullptr,              24,  false},
    Widget{"PicFlask",       PictureBox,    nullptr,   4660, 90,   1455, 3615, "",                      windowBack, noColour,  FlaskLabel,   "Flask",              23,  true},
    Widget{"Label4",         Label,         nullptr,   4820, 4200, 1335, 255,  "",                      noColour,   labelText, Plain,        nullptr,              26,  true},
    Widget{"ResultsGrid",    ResultsGrid,   nullptr,   3720, 0,    975,  735,  "",                      noColour,   noColour,  Inherit,      nullptr,              25,  false},
    Widget{"Lumivane1",      Logo,          nullptr,   4660, 3570, 1385, 735,  "",                      noColour,   noColour,  Plain,        "Brimlow logo",       27,  true},
};
// clang-format on

} // namespace

std::span<const Widget> widgets()
{
    return rows;
}

const Widget &widget(std::string_view name)
{
    for (const Widget &row : rows)
        if (name == row.name)
            return row;
    std::abort(); // a name the layout does not have is a fault of the window's code
}

} // namespace form1layout
