#ifndef BRIMLOW_FLASKWIDGETS_H
#define BRIMLOW_FLASKWIDGETS_H

// The window's widgets that the flask display touches. The window owns them;
// the flask classes only keep these pointers.

class CommandButton;
class OptionButton;
class PictureBox;

struct FlaskWidgets
{
    PictureBox *picFlask = nullptr; // the flask the user sees (PicFlask)
    PictureBox *picflaskbuffer = nullptr; // the hidden drawing buffer
    OptionButton *optionblue = nullptr; // "Aqua"
    OptionButton *optionred = nullptr; // "Red", hidden
    OptionButton *optionsparkle = nullptr; // "Sparkle", hidden
    OptionButton *optionwhite = nullptr; // "Yellow"
    OptionButton *optionLevel = nullptr; // "Level Marker Only" (OptionLevel)
    CommandButton *saveCmnd = nullptr;
    CommandButton *makeFileCmnd = nullptr;
};

#endif
