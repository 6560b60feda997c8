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

class ListBoxPrivate
{
public:
    bool quiet = false;
    bool pressing = false;
};

ListBox::ListBox(QWidget *parent)
    : QListWidget(parent)
    , d_ptr(std::make_unique<ListBoxPrivate>())
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    connect(this, &QListWidget::currentRowChanged, this, [this] {
        Q_D(ListBox);
        if (d->quiet)
            return;
        emit click();
        if (!d->pressing)
            emit userMovedSelection();
    });
}

ListBox::~ListBox() = default;

int ListBox::listIndex() const
{
    return currentRow();
}

int ListBox::listCount() const
{
    return count();
}

void ListBox::clear()
{
    Q_D(ListBox);
    QScopedValueRollback quiet(d->quiet, true);
    QListWidget::clear();
}

void ListBox::addItem(const QString &text)
{
    Q_D(ListBox);
    QScopedValueRollback quiet(d->quiet, true);
    QListWidget::addItem(text);
}

void ListBox::setListIndex(int index)
{
    Q_D(ListBox);
    {
        QScopedValueRollback quiet(d->quiet, true);
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

void ListBox::mousePressEvent(QMouseEvent *event)
{
    Q_D(ListBox);
    {
        QScopedValueRollback pressing(d->pressing, true);
        QListWidget::mousePressEvent(event);
    }
    const QPointF at = event->position();
    emit mouseDown(mouseButtonCode(event->button()), shiftStateOf(event->modifiers()),
        float(twips::fromPixels(1) * at.x()), float(twips::fromPixels(1) * at.y()));
}

} // namespace Formkit
