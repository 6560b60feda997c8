#include "toolkit/optionbutton.h"

OptionButton::OptionButton(const QString &caption, QWidget *parent)
    : QRadioButton(caption, parent)
{
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
