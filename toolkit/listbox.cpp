#include "Formkit/listbox.h"

#include "Formkit/textbox.h"
#include "Formkit/twips.h"

#include <QMouseEvent>
#include <QScopedValueRollback>

namespace Formkit {

int mouseButtonCode(Qt::MouseButtons buttons)
{
    int code = 0;
    if (buttons & Qt::LeftButton)
        code |= 1;
    if (buttons & Qt::RightButton)
        code |= 2;
    if (buttons & Qt::MiddleButton)
        code |= 4;
    return code;
}

ListBox::ListBox(QWidget *parent)
    : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    connect(this, &QListWidget::currentRowChanged, this, &ListBox::onCurrentRowChanged);
}

void ListBox::clear()
{
    QScopedValueRollback quiet(m_quiet, true);
    QListWidget::clear();
}

void ListBox::addItem(const QString &text)
{
    QScopedValueRollback quiet(m_quiet, true);
    QListWidget::addItem(text);
}

void ListBox::setListIndex(int index)
{
    {
        QScopedValueRollback quiet(m_quiet, true);
        if (index < 0 || index >= count()) {
            clearSelection();
            setCurrentRow(-1);
        } else {
            setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
            scrollToItem(item(index));
        }
    }
    emit click();
}

QString ListBox::list(int index) const
{
    const QListWidgetItem *entry = item(index);
    return entry ? entry->text() : QString();
}

QString ListBox::text() const
{
    return list(currentRow());
}

void ListBox::onCurrentRowChanged()
{
    if (m_quiet)
        return;
    emit click();
    if (!m_pressing)
        emit userMovedSelection();
}

void ListBox::mousePressEvent(QMouseEvent *event)
{
    {
        QScopedValueRollback pressing(m_pressing, true);
        QListWidget::mousePressEvent(event);
    }
    const QPointF at = event->position();
    emit mouseDown(mouseButtonCode(event->button()), shiftStateOf(event->modifiers()),
        float(twips::fromPixels(1) * at.x()), float(twips::fromPixels(1) * at.y()));
}

} // namespace Formkit
