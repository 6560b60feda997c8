#ifndef FORMKIT_COMMANDBUTTON_H
#define FORMKIT_COMMANDBUTTON_H

/// \class Formkit::CommandButton
/// A push button whose clicked() is its Click event. A disabled button raises
/// nothing, from the mouse or the keyboard, which Qt's button already guarantees;
/// the subclass exists for the "graphical" look (its own back colour).

#include "Formkit/formkitwidgets_export.h"

#include <QPushButton>

namespace Formkit {

class FORMKITWIDGETS_EXPORT CommandButton : public QPushButton
{
    Q_OBJECT

public:
    /// A button with the caption.
    explicit CommandButton(const QString &caption = QString(), QWidget *parent = nullptr);

    /// Fills the button with a colour of its own instead of the style's button face.
    void setBackColor(const QColor &color);

private:
    Q_DISABLE_COPY_MOVE(CommandButton)
};

} // namespace Formkit

#endif
