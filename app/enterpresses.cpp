#include "app/enterpresses.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeyEvent>

namespace {

// Hands the button a Space key for each Enter key, press and release alike, so
// the button goes down, comes up and clicks exactly as it does for Space.
class EnterAsSpace final : public QObject
{
public:
    explicit EnterAsSpace(QAbstractButton *button)
        : QObject(button)
    {
        button->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        QKeyEvent space(key->type(), Qt::Key_Space, key->modifiers() & ~Qt::KeypadModifier,
            QStringLiteral(" "), key->isAutoRepeat(), ushort(key->count()));
        QCoreApplication::sendEvent(watched, &space);
        return space.isAccepted();
    }
};

} // namespace

void pressOnEnter(QAbstractButton *button)
{
    new EnterAsSpace(button);
}
