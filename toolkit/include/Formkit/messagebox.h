#ifndef FORMKIT_MESSAGEBOX_H
#define FORMKIT_MESSAGEBOX_H

/// \class Formkit::MessageBox
/// A modal message with one OK button: the caller continues when the user closes
/// it. Tests install their own handler to see the messages without a dialog.

#include "Formkit/formkitwidgets_export.h"

#include <QString>

#include <functional>

class QWidget;

namespace Formkit {

class FORMKITWIDGETS_EXPORT MessageBox final
{
public:
    /// The icon beside the text.
    enum class Icon { Information, Warning, Critical };

    /// What shows a message instead of the dialog (tests record the messages).
    using Handler = std::function<void(const QString &text, const QString &title, Icon icon)>;

    /// Shows the text in a modal dialog with an OK button, or hands it to the handler.
    static void show(
        QWidget *parent, const QString &text, const QString &title, Icon icon = Icon::Information);

    /// Replaces the dialog; an empty handler puts the dialog back. Returns the old one.
    static Handler setHandler(Handler handler);

private:
    MessageBox() = delete;
};

} // namespace Formkit

#endif
