#ifndef FORMKIT_OPTIONBUTTON_H
#define FORMKIT_OPTIONBUTTON_H

/// \class Formkit::OptionButton
/// An option button whose clicked() is its Click event: raised by a user's click
/// and also, at once, when code selects it with setValue(true), even when it was
/// selected already. One option per container is selected; setValue(false) can
/// leave a group with none selected. Its background, when filled, is the
/// palette's Window colour, like that of its container.

#include "Formkit/formkitwidgets_export.h"

#include <QRadioButton>

namespace Formkit {

class FORMKITWIDGETS_EXPORT OptionButton : public QRadioButton
{
    Q_OBJECT
    Q_PROPERTY(bool value READ value WRITE setValue)

public:
    /// An unselected option with the caption.
    explicit OptionButton(const QString &caption = QString(), QWidget *parent = nullptr);

    /// Whether the option is selected.
    bool value() const { return isChecked(); }
    /// Selects the option (or clears it).
    void setValue(bool selected);

private:
    Q_DISABLE_COPY_MOVE(OptionButton)
};

} // namespace Formkit

#endif
