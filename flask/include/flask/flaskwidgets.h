#ifndef BRIMLOW_FLASKWIDGETS_H
#define BRIMLOW_FLASKWIDGETS_H

// The window's widgets that the flask display touches. The window owns them;
// the flask classes only keep these pointers.

namespace Formkit {
class CommandButton;
class OptionButton;
class PictureBox;
} // namespace Formkit

struct FlaskWidgets
{
    Formkit::PictureBox *picFlask = nullptr; // the flask the user sees (PicFlask)
    Formkit::PictureBox *picflaskbuffer = nullptr; // the hidden drawing buffer
    Formkit::OptionButton *optionblue = nullptr; // "Aqua"
    Formkit::OptionButton *optionred = nullptr; // "Red", hidden
    Formkit::OptionButton *optionsparkle = nullptr; // "Sparkle", hidden
    Formkit::OptionButton *optionwhite = nullptr; // "Yellow"
    Formkit::OptionButton *optionLevel = nullptr; // "Level Marker Only" (OptionLevel)
    Formkit::CommandButton *saveCmnd = nullptr;
    Formkit::CommandButton *makeFileCmnd = nullptr;
};

#endif
