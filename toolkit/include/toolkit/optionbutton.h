#ifndef BRIMLOW_OPTIONBUTTON_H
#define BRIMLOW_OPTIONBUTTON_H

// An option button whose clicked() is its Click event: raised by a user's click
// and also, at once, when code selects it with setValue(true), even when it was
// selected already. One option per container is selected; setValue(false) can
// leave a group with none selected. Its background, when filled, is the
// palette's Window colour, like that of its container.

#include "toolkit/formruntime_export.h"

#include <QRadioButton>

class FORMRUNTIME_EXPORT OptionButton : public QRadioButton
{
    Q_OBJECT
    Q_PROPERTY(bool value READ value WRITE setValue)

public:
    explicit OptionButton(const QString &caption = QString(), QWidget *parent = nullptr);

    bool value() const { return isChecked(); }
    void setValue(bool selected);

private:
    Q_DISABLE_COPY_MOVE(OptionButton)
};

#endif
