#include "Formkit/optionbutton.h"

namespace Formkit {

OptionButton::OptionButton(const QString &caption, QWidget *parent)
    : QRadioButton(caption, parent)
{
    // The back colour is the Window colour, as for the frame or window that holds
    // the option; Button (a button's usual background) is the system's.
    setBackgroundRole(QPalette::Window);
}

void OptionButton::setValue(bool selected)
{
    if (!selected) {
        // An exclusive group refuses to clear its checked button.
        setAutoExclusive(false);
        setChecked(false);
        setAutoExclusive(true);
        return;
    }
    setChecked(true);
    emit clicked(true);
}

} // namespace Formkit
