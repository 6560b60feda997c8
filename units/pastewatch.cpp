#include "pastewatch.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>

PasteWatch::PasteWatch(QLineEdit *box)
    : QObject(box)
    , m_box(box)
{
    box->installEventFilter(this);
}

bool PasteWatch::eventFilter(QObject *, QEvent *event)
{
    if (m_delivering || m_box->isReadOnly())
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
        if (!static_cast<QKeyEvent *>(event)->matches(QKeySequence::Paste))
            return false;
        deliverThenTell(event);
        return true;
    case QEvent::MouseButtonRelease:
        // The box pastes the selection clipboard on a middle click where the
        // platform has one.
        if (static_cast<QMouseEvent *>(event)->button() != Qt::MiddleButton
            || !QApplication::clipboard()->supportsSelection())
            return false;
        deliverThenTell(event);
        return true;
    case QEvent::ContextMenu:
        showContextMenu(static_cast<QContextMenuEvent *>(event)->globalPos());
        return true;
    default:
        return false;
    }
}

void PasteWatch::deliverThenTell(QEvent *event)
{
    m_delivering = true;
    QCoreApplication::sendEvent(m_box, event);
    m_delivering = false;
    emit pasted();
}

namespace {

// The line edit menu's "Paste": named so by newer Qt, else known by the text
// Qt gives it (translated as Qt translates it).
QAction *pasteAction(const QMenu *menu)
{
    const QString caption = QCoreApplication::translate("QLineEdit", "&Paste");
    for (QAction *action : menu->actions()) {
        if (action->objectName() == QLatin1String("edit-paste")
            || action->text().section(QLatin1Char('\t'), 0, 0) == caption)
            return action;
    }
    return nullptr;
}

} // namespace

// The box's own menu, shown as QLineEdit shows it; its "Paste" tells after
// the box has pasted (the box's own connection comes first).
void PasteWatch::showContextMenu(const QPoint &globalPos)
{
    QMenu *menu = m_box->createStandardContextMenu();
    if (!menu)
        return;
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (QAction *paste = pasteAction(menu))
        connect(paste, &QAction::triggered, this, &PasteWatch::pasted);
    menu->popup(globalPos);
}
