#ifndef BRIMLOW_COMMANDBUTTON_H
#define BRIMLOW_COMMANDBUTTON_H

// A push button whose clicked() is its Click event. A disabled button raises
// nothing, from the mouse or the keyboard, which Qt's button already guarantees;
// the subclass exists for the "graphical" look (its own back colour).

#include "toolkit/formruntime_export.h"

#include <QPushButton>

class FORMRUNTIME_EXPORT CommandButton : public QPushButton
{
    Q_OBJECT

public:
    explicit CommandButton(const QString &caption = QString(), QWidget *parent = nullptr);

    // Fills the button with a colour of its own instead of the style's button face.
    void setBackColor(const QColor &color);

private:
    Q_DISABLE_COPY_MOVE(CommandButton)
};

#endif
