#include "Formkit/messagebox.h"

#include <QMessageBox>

namespace Formkit {

namespace {
MessageBox::Handler &installedHandler()
{
    static MessageBox::Handler handler;
    return handler;
}
} // namespace

void MessageBox::show(QWidget *parent, const QString &text, const QString &title, Icon icon)
{
    if (const Handler &handler = installedHandler()) {
        handler(text, title, icon);
        return;
    }
    QMessageBox box(icon == Icon::Information ? QMessageBox::Information
            : icon == Icon::Warning           ? QMessageBox::Warning
                                              : QMessageBox::Critical,
        title, text, QMessageBox::Ok, parent);
    box.exec();
}

MessageBox::Handler MessageBox::setHandler(Handler handler)
{
    Handler old = std::move(installedHandler());
    installedHandler() = std::move(handler);
    return old;
}

} // namespace Formkit
