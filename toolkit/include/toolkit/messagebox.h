#ifndef BRIMLOW_MESSAGEBOX_H
#define BRIMLOW_MESSAGEBOX_H

// A modal message with one OK button: the caller continues when the user closes
// it. Tests install their own handler to see the messages without a dialog.

#include "toolkit/formruntime_export.h"

#include <QString>

#include <functional>

class QWidget;

class FORMRUNTIME_EXPORT MessageBox final
{
public:
    enum class Icon { Information, Warning, Critical };

    using Handler = std::function<void(const QString &text, const QString &title, Icon icon)>;

    static void show(
        QWidget *parent, const QString &text, const QString &title, Icon icon = Icon::Information);

    // Replaces the dialog; an empty handler puts the dialog back. Returns the old one.
    static Handler setHandler(Handler handler);

private:
    MessageBox() = delete;
};

#endif
