#ifndef FORMKIT_LISTBOX_H
#define FORMKIT_LISTBOX_H

/// \class Formkit::ListBox
/// A list of texts with the list box events the converter relies on:
///  - click(): raised when the user moves the selection (mouse or keys) and every
///    time code sets listIndex, even to the index already selected, at once and
///    before setListIndex() returns. Clearing and adding entries raise nothing.
///  - mouseDown(button, shift, x, y): raised for a press after the list has moved
///    its selection to the pressed entry, so a handler reads the entry the press
///    selected. x and y are in twips from the list's top left corner.
///  - userMovedSelection(): raised right after click() when the user moves the
///    selection other than by pressing a button on an entry (which mouseDown
///    reports): with the keys (arrows, Home, End, Page Up/Down, a typed letter)
///    or by dragging with a button held. Never raised for a selection set by code.

#include "Formkit/formkitwidgets_export.h"

#include <QListWidget>

#include <memory>

namespace Formkit {

class ListBoxPrivate;

class FORMKITWIDGETS_EXPORT ListBox : public QListWidget
{
    Q_OBJECT
    Q_PROPERTY(int listIndex READ listIndex WRITE setListIndex)

public:
    /// An empty list.
    explicit ListBox(QWidget *parent = nullptr);
    ~ListBox() override;

    /// Removes every entry.
    void clear();
    /// Adds an entry at the end.
    void addItem(const QString &text);

    /// The selected entry's index, -1 when nothing is selected.
    int listIndex() const;
    /// Selects the entry (-1 or outside the list: none) and raises click().
    void setListIndex(int index);

    /// The number of entries.
    int listCount() const;
    /// The entry's text; empty outside the list.
    QString list(int index) const;
    /// The selected entry's text, empty when nothing is selected.
    QString text() const;

signals:
    /// The selection was moved or set (see above).
    void click();
    /// A button was pressed: button 1 left, 2 right, 4 middle; shift 1 Shift, 2 Ctrl,
    /// 4 Alt; x, y in twips.
    void mouseDown(int button, int shift, float x, float y);
    /// The user moved the selection other than by a press (see above).
    void userMovedSelection();

protected:
    ///@{
    /// Qt's event handlers, which raise the events above.
    void mousePressEvent(QMouseEvent *event) override;
    ///@}

private:
    Q_DECLARE_PRIVATE(ListBox)
    const std::unique_ptr<ListBoxPrivate> d_ptr;

    Q_DISABLE_COPY_MOVE(ListBox)
};

/// Button codes of mouse events: 1 left, 2 right, 4 middle.
FORMKITWIDGETS_EXPORT int mouseButtonCode(Qt::MouseButtons buttons);

} // namespace Formkit

#endif
